// Scripted answers of the headless desktop's message boxes and file
// dialogs, and the record of what was asked. Without a scripted answer a
// message box answers with its default button (the first: IDOK, or IDYES
// for the yes/no kinds; the second with MB_DEFBUTTON2) and a file dialog is
// cancelled.
#pragma once

#include "framework/Dialogs.h"

#include <deque>
#include <string>
#include <vector>

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

class THeadlessDialogs {
public:
    // Answers are used in the order they are given.
    void AnswerMessageBox(int answer) { BoxAnswers.push_back(answer); }
    void ChooseFile(const std::string& path) { FileAnswers.push_back({TFileAnswer::TKind::Ok, path, 0}); }
    void CancelFileDialog() { FileAnswers.push_back({TFileAnswer::TKind::Cancel, {}, 0}); }
    void FailFileDialog(unsigned long error) { FileAnswers.push_back({TFileAnswer::TKind::Fail, {}, error}); }

    const std::vector<THeadlessMessageBox>& MessageBoxes() const { return Boxes; }
    const std::vector<THeadlessFileDialog>& FileDialogs() const { return Dialogs; }
    void ClearRecords();

    int RunMessageBox(const TWindow* owner, const std::string& text, const std::string& caption, unsigned flags);
    // OK puts the path into data (adding DefExt to a name without one).
    bool RunFileDialog(bool save, const TWindow* owner, TOpenSaveData& data);

private:
    struct TFileAnswer {
        enum class TKind { Ok, Cancel, Fail };
        TKind Kind;
        std::string Path;
        unsigned long Error;
    };
    std::deque<int> BoxAnswers;
    std::deque<TFileAnswer> FileAnswers;
    std::vector<THeadlessMessageBox> Boxes;
    std::vector<THeadlessFileDialog> Dialogs;
};
