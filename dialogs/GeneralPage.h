// TGeneralPage: the "General" page of the Options sheet: word wrap and DOS
// text at the next start, the desktop's default text editor, auto indent
// and the undo limit. It writes the settings only when the sheet is
// confirmed, then asks the main window to apply them again.
#pragma once

#include "framework/CheckBox.h"
#include "framework/Edit.h"
#include "framework/PropertyPage.h"

#include <cstdint>
#include <functional>

// The settings the page edits, where they live.
struct TGeneralSettings {
    bool& Wrap;
    bool& Dos;
    bool& Installed;
    bool& AutoIndent;
    int32_t& UndoLimit;
};

class TGeneralPage : public TPropertyPage {
public:
    // registerEditor runs when the default-editor choice changes;
    // mainWindow hears the apply-settings notification.
    TGeneralPage(TPropertySheet& sheet, const std::string& title, TGeneralSettings settings,
                 std::function<void(bool)> registerEditor, TWindow& mainWindow);

    void SetupWindow() override;
    int Apply() override;
    void EvChildNotify(int id, unsigned code) override;

private:
    TGeneralSettings Settings;
    std::function<void(bool)> RegisterEditor;
    TWindow& MainWindow;
    TCheckBox WordWrap;
    TCheckBox DosText;
    TCheckBox DefaultEditor;
    TCheckBox AutoIndent;
    TEdit UndoLimit;
};
