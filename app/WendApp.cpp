#include "app/WendApp.h"
#include "search/HugeEditSearch.h"

#include "view/CommandIds.h"
#include "app/FileTypeRegistration.h"
#include "app/MainBars.h"
#include "app/SDIDecFrame.h"
#include "app/ShowState.h"
#include "app/StartRequest.h"
#include "app/StatusPaneText.h"
#include "core/HugeEdit.h"
#include "framework/ProgramFile.h"
#include "framework/Dialogs.h"
#include "print/HugeEditPrinter.h"
#include "print/HugeEditPrintout.h"
#include "resources/AppIcon.h"
#include "resources/MainAccelerators.h"
#include "resources/MainMenu.h"

namespace {

constexpr const char* AppName = "Vantor";

}  // namespace

// The order is that of the message map: the enablers stand apart from
// their handlers.
const TResponseTable<TWendApp> TWendApp::Responses = {
    {CM_FILENEW, &TWendApp::CmFileNew, nullptr},
    {CM_FILEOPEN, &TWendApp::CmFileOpen, nullptr},
    {CM_HELPCONTENTS, &TWendApp::CmHelpContents, nullptr},
    {CM_HELPUSING, &TWendApp::CmHelpUsing, nullptr},
    {CM_HELPABOUT, &TWendApp::CmHelpAbout, nullptr},
    {CM_FILEPRINT, &TWendApp::PrintDocument, nullptr},
    {CM_FILEPRINTSETUP, &TWendApp::CmFilePrintSetup, nullptr},
    {CM_FILESAVE, &TWendApp::CmFileSave, nullptr},
    {CM_FILESAVEAS, &TWendApp::CmFileSaveAs, nullptr},
    {CM_WORDWRAP, &TWendApp::CmWordWrap, nullptr},
    {CM_WORDWRAP, nullptr, &TWendApp::CeWordWrap},
    {CM_FILESAVE, nullptr, &TWendApp::CeFileSave},
    {CM_FILESAVEAS, nullptr, &TWendApp::CeLoaded},
    {CM_FILENEW, nullptr, &TWendApp::CeLoaded},
    {CM_FILEOPEN, nullptr, &TWendApp::CeLoaded},
    {CM_DOSTEXT, &TWendApp::CmDosText, nullptr},
    {CM_DOSTEXT, nullptr, &TWendApp::CeDosText},
    {IDS_LINECOUNT_PANE, nullptr, &TWendApp::CeLineCount},
    {IDS_CARETPOS_PANE, nullptr, &TWendApp::CeCaretPos},
    {CM_EDITCLEAR, &TWendApp::CmEditClear, nullptr},
    {CM_WEBPAGE, &TWendApp::CmWebPage, nullptr},
    {CM_FILEMAIL, &TWendApp::CmFileMail, nullptr},
    {CM_OPTIONS, &TWendApp::CmOptions, nullptr},
};

TWendApp::TWendApp(int& argc, char** argv)
    : TApplication(AppName, argc, argv), Printer(std::make_unique<THugeEditPrinter>()), Settings(*this)
{
}

TWendApp::~TWendApp()
{
    DestroyMainWindow();
    Editor = nullptr;
}

void TWendApp::InitMainWindow()
{
    CmdShow = NormaliseShowState(CmdShow);
    auto editor = std::make_unique<THugeEditSearch>();
    Editor = editor.get();
    auto frame = std::make_unique<TSDIDecFrame>(nullptr, GetName(), std::move(editor), true);
    frame->Attr.ExStyle |= WS_EX_ACCEPTFILES;
    frame->AssignMenu(MainMenu());
    frame->SetAccelerators(MainAccelerators());
    BuildBars(*frame);
    SetMainWindow(std::move(frame));
}

void TWendApp::BuildBars(TSDIDecFrame& frame)
{
    frame.InsertOwned(MakeToolBar(frame), TDecoratedFrame::TLocation::Top);
    auto& status = frame.InsertOwned(MakeStatusBar(frame), TDecoratedFrame::TLocation::Bottom);
    frame.SetHintWindow(&status);
}

void TWendApp::InitInstance()
{
    TApplication::InitInstance();
    // The platform takes the icon once the frame's window exists.
    GetMainWindow()->SetIcon(AppIcon());
    Settings.ReadSettings();
    DosMode = Settings.Dos;
    Editor->SetWordWrap(Settings.Wrap);
    ApplySettings();
    SetPrinterMargins();
    ProcessCommandLine(GetCmdLine());
}

void TWendApp::ApplySettings()
{
    Editor->ApplyStyle(DosMode ? Settings.DosText : Settings.WinText);
    Editor->SetUndoLimit(Settings.UndoLimit);
    Editor->AutoIndent = Settings.AutoIndent;
}

// The margins of the Windows text style, in 2500ths of an inch.
void TWendApp::SetPrinterMargins()
{
    const int across = MulDiv(Settings.WinText.MarginX, 7200, 245);
    const int down = MulDiv(Settings.WinText.MarginY, 7200, 245);
    Printer->GetSetupData().Margins = {across, down, across, down};
}

void TWendApp::RegisterEditor(bool install) { RegisterFileTypes(install, ProgramFile()); }

void TWendApp::PrintDocument()
{
    try {
        THugeEditPrintout printout(*Editor, Editor->FileData.FileName);
        Printer->Print(Editor, printout, true);
    } catch (const std::exception& error) {
        // The printout is gone: the window has its own width again.
        MessageBox(Editor, error.what(), "Printing Failed", MB_OK | MB_ICONSTOP);
    }
}

void TWendApp::CmFilePrintSetup() { Printer->Setup(Editor); }

void TWendApp::ProcessCommandLine(const std::string& text)
{
    Obey(ReadStartRequest(text));
}

void TWendApp::Obey(const TStartRequest& request)
{
    using TRegistration = TStartRequest::TRegistration;
    if (request.Registration != TRegistration::None) {
        RegisterEditor(request.Registration == TRegistration::Register);
        return;
    }
    if (request.FileName)
        Editor->Open(*request.FileName);
    if (request.Print) {
        PrintDocument();
        // Ends through the normal close path once the message loop runs.
        GetMainWindow()->PostMessage(WM_CLOSE);
    }
}

// --- commands -----------------------------------------------------------------

bool TWendApp::EvCommand(unsigned id)
{
    // What a handler throws (a style whose font cannot be measured) reaches
    // the framework's error handling around the dispatch, which shows it.
    return Responses.Run(*this, id) || TApplication::EvCommand(id);
}

bool TWendApp::HasCommandHandler(unsigned id) const
{
    return Responses.Has(id) || TApplication::HasCommandHandler(id);
}

bool TWendApp::EvCommandEnable(TCommandEnabler& enabler)
{
    return Responses.Enable(*this, enabler) || TApplication::EvCommandEnable(enabler);
}

void TWendApp::CmFileNew() { Editor->NewDocument(); }
void TWendApp::CmFileOpen() { Editor->Open(); }
void TWendApp::CmFileSave() { Editor->Save(&Editor->FileData.FileName); }
void TWendApp::CmFileSaveAs() { Editor->Save(nullptr); }
void TWendApp::CmWordWrap() { Editor->SetWordWrap(!Editor->WordWrap); }

void TWendApp::CmDosText()
{
    DosMode = !DosMode;
    ApplySettings();
}

void TWendApp::CmEditClear()
{
    // Everything is selected and deleted as one edit, so one Undo brings it
    // back.
    Editor->SetSelectionOffsets(0, EndOfDocument);
    Editor->DeleteSelection();
}

void TWendApp::CeWordWrap(TCommandEnabler& ce)
{
    ce.Enable();
    ce.SetCheck(Editor->WordWrap);
}

// A file still loading is only partly in the document: nothing saves it.
void TWendApp::CeFileSave(TCommandEnabler& ce) { ce.Enable(Editor->Modified && !Editor->IsLoading()); }
// Commands that a load in progress would refuse (it owns the rows until it ends).
void TWendApp::CeLoaded(TCommandEnabler& ce) { ce.Enable(!Editor->IsLoading()); }

void TWendApp::CeDosText(TCommandEnabler& ce)
{
    ce.Enable();
    ce.SetCheck(DosMode);
}

void TWendApp::CeLineCount(TCommandEnabler& ce) { ce.SetText(LineCountText(Editor->GetNumLines())); }

void TWendApp::CeCaretPos(TCommandEnabler& ce)
{
    ce.SetText(CaretPositionText(int32_t(Editor->CaretRow), int32_t(Editor->CaretCol)));
}

// --- messages of the main window --------------------------------------------

intptr_t TWendApp::EvAppMessage(const TMsg& msg)
{
    switch (msg.Message) {
    case WM_DROPFILES:
        OpenDroppedFile(msg);
        return 0;
    case WM_APPLYSETTINGS:
        ApplySettings();
        return 1;
    default:
        return TApplication::EvAppMessage(msg);
    }
}

void TWendApp::OpenDroppedFile(const TMsg& msg)
{
    // Only the first of the dropped files is opened.
    const auto* drop = reinterpret_cast<const TDropInfo*>(msg.WParam);
    if (drop && !drop->Files.empty())
        Editor->Open(drop->Files.front());
}


