// TWendApp: the application object. It builds the main frame around the
// editor, applies the settings, obeys the command line and handles the
// commands that are not the editor's own.
#pragma once

#include "app/IniInfo.h"
#include "framework/Application.h"
#include "framework/ResponseTable.h"

#include <string>

class THugeEdit;
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

    bool HelpUsed = false;
    bool HelpMode = false;
    // The one editor window, owned by the main frame and valid while it
    // lives.
    THugeEdit* Editor = nullptr;
    bool DosMode = false;
    TIniInfo Settings;

protected:
    // Registration and printing come later; these stubs keep the command
    // line's consequences in place.
    virtual void RegisterEditor(bool install);
    virtual void PrintDocument();

private:
    void CmFileNew();
    void CmFileOpen();
    void CmFileSave();
    void CmFileSaveAs();
    void CmWordWrap();
    void CmDosText();
    void CmEditClear();
    void CeWordWrap(TCommandEnabler& ce);
    void CeFileSave(TCommandEnabler& ce);
    void CeFileSaveAs(TCommandEnabler& ce);
    void CeDosText(TCommandEnabler& ce);
    // The status bar's row count and caret position.
    void CeLineCount(TCommandEnabler& ce);
    void CeCaretPos(TCommandEnabler& ce);
    static const TResponseTable<TWendApp> Responses;

    void OpenDroppedFile(const TMsg& msg);
    void SetPrinterMargins();
    void BuildBars(TSDIDecFrame& frame);
    void Obey(const TStartRequest& request);
};
