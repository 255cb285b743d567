// TWendApp: the application object. It builds the main frame around the
// editor, applies the settings, obeys the command line and handles the
// commands that are not the editor's own.
#pragma once

#include "app/IniInfo.h"
#include "framework/Application.h"
#include "framework/Cursor.h"
#include "framework/ResponseTable.h"

#include <memory>
#include <optional>
#include <string>

class THugeEdit;
class THugeEditPrinter;
class TSDIDecFrame;
struct TStartRequest;

class TWendApp : public TApplication {
public:
    TWendApp(int& argc, char** argv);
    // The frame goes first: its destruction writes Settings.
    ~TWendApp() override;

    void InitMainWindow() override;
    void InitInstance() override;

    // Pushes the style of the current mode, the undo limit and auto indent
    // to the editor.
    void ApplySettings();
    // text: the command line after the program's name.
    void ProcessCommandLine(const std::string& text);

    bool EvCommand(unsigned id) override;
    bool HasCommandHandler(unsigned id) const override;
    bool EvCommandEnable(TCommandEnabler& enabler) override;
    intptr_t EvAppMessage(const TMsg& msg) override;
    // Context help: F1, Shift+F1, Esc and commands in help mode.
    bool ProcessAppMsg(const TMsg& msg) override;
    // The framework's answer; when it is yes, a help viewer opened from the
    // Help menu is closed.
    bool CanClose() override;

    bool HelpUsed = false;
    bool HelpMode = false;
    std::optional<TCursorImage> HelpCursor;
    // The one editor window, owned by the main frame and valid while it
    // lives.
    THugeEdit* Editor = nullptr;
    std::unique_ptr<THugeEditPrinter> Printer;
    bool DosMode = false;
    TIniInfo Settings;

protected:
    // Makes Vantor the desktop's program for text files (install), or hands
    // that role back.
    virtual void RegisterEditor(bool install);
    // Prints the whole document through Printer, the print dialog first; a
    // failure is shown, captioned "Printing Failed".
    virtual void PrintDocument();

private:
    void CmFileNew();
    void CmFileOpen();
    void CmFileSave();
    void CmFileSaveAs();
    void CmWordWrap();
    void CmDosText();
    void CmEditClear();
    void CmFilePrintSetup();
    void CeWordWrap(TCommandEnabler& ce);
    void CeFileSave(TCommandEnabler& ce);
    void CeLoaded(TCommandEnabler& ce);
    void CeDosText(TCommandEnabler& ce);
    // The status bar's row count and caret position.
    void CeLineCount(TCommandEnabler& ce);
    void CeCaretPos(TCommandEnabler& ce);
    void CmFileMail();
    void CmWebPage();
    void CmHelpContents();
    void CmHelpUsing();
    void CmHelpAbout();
    // Edit, Options: the sheet of settings; a failure is shown, captioned
    // "Error".
    void CmOptions();
    static const TResponseTable<TWendApp> Responses;

    void OpenDroppedFile(const TMsg& msg);
    void SetPrinterMargins();
    void BuildBars(TSDIDecFrame& frame);
    void Obey(const TStartRequest& request);

    bool Help(unsigned command, uintptr_t data);
    // A box captioned with the program's name, owned by the editor window;
    // nothing when the window is already gone.
    void Report(const char* text);
    void ShowHelpCursor();
    void EndHelpMode();
};
