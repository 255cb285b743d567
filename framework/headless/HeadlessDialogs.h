// Scripted answers of the headless desktop's message boxes, file dialogs
// and pop-up menus, and the record of what was asked. Without a scripted
// answer a message box answers with its default button (the first: IDOK,
// or IDYES for the yes/no kinds; the second with MB_DEFBUTTON2), a file
// dialog is cancelled and a pop-up menu is dismissed.
#pragma once

#include "framework/Dialogs.h"
#include "framework/PopupMenu.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class THeadlessPropertySheet;

struct THeadlessMessageBox {
    const TWindow* Owner = nullptr;
    std::string Text;
    std::string Caption;
    unsigned Flags = 0;
    int Answer = 0;
};

struct THeadlessFileDialog {
    bool Save = false;
    const TWindow* Owner = nullptr;
    TOpenSaveData Data;  // as the program passed it in
};

struct THeadlessPopupMenu {
    const TWindow* Owner = nullptr;
    TPoint Point;  // screen coordinates
    unsigned Flags = 0;
    std::vector<TMenuItem> Items;
    std::vector<TCommandEnabler> States;  // one per item
    unsigned Chosen = 0;
};

class THeadlessDialogs {
public:
    // Answers are used in the order they are given.
    void AnswerMessageBox(int answer) { BoxAnswers.push_back({answer, 0}); }
    // The user answers by a key: Enter takes the default button, Escape
    // Cancel (No where there is no Cancel, OK where there is only OK).
    void PressInMessageBox(unsigned virtualKey) { BoxAnswers.push_back({0, virtualKey}); }
    void ChooseFile(const std::string& path) { FileAnswers.push_back({TFileAnswer::TKind::Ok, path, 0}); }
    void CancelFileDialog() { FileAnswers.push_back({TFileAnswer::TKind::Cancel, {}, 0}); }
    void FailFileDialog(unsigned long error) { FileAnswers.push_back({TFileAnswer::TKind::Fail, {}, error}); }
    // The user clicks the item of this command (0: dismisses the menu); a
    // greyed item cannot be chosen, and the menu closes without a choice.
    void ChoosePopupItem(unsigned id) { PopupAnswers.push_back(id); }
    // What the user does in the next property sheet while it is up; a
    // sheet still open afterwards is closed with Escape, as is one that
    // has no script.
    using TSheetScript = std::function<void(THeadlessPropertySheet&)>;
    void OnPropertySheet(TSheetScript script) { SheetScripts.push_back(std::move(script)); }
    // The captions of the property sheets run.
    const std::vector<std::string>& PropertySheets() const { return Sheets; }

    const std::vector<THeadlessMessageBox>& MessageBoxes() const { return Boxes; }
    const std::vector<THeadlessFileDialog>& FileDialogs() const { return Dialogs; }
    const std::vector<THeadlessPopupMenu>& PopupMenus() const { return Popups; }
    void ClearRecords();

    int RunMessageBox(const TWindow* owner, const std::string& text, const std::string& caption, unsigned flags);
    // OK puts the path into data (adding DefExt to a name without one).
    bool RunFileDialog(bool save, const TWindow* owner, TOpenSaveData& data);
    unsigned RunPopupMenu(THeadlessPopupMenu popup);
    void RunPropertySheet(THeadlessPropertySheet& sheet);

private:
    struct TFileAnswer {
        enum class TKind { Ok, Cancel, Fail };
        TKind Kind;
        std::string Path;
        unsigned long Error;
    };
    struct TBoxAnswer {
        int Button;    // 0: by Key
        unsigned Key;
    };
    std::deque<TBoxAnswer> BoxAnswers;
    std::deque<TFileAnswer> FileAnswers;
    std::vector<THeadlessMessageBox> Boxes;
    std::vector<THeadlessFileDialog> Dialogs;
    std::deque<unsigned> PopupAnswers;
    std::vector<THeadlessPopupMenu> Popups;
    std::deque<TSheetScript> SheetScripts;
    std::vector<std::string> Sheets;
};
