// The Find and Replace dialogs on QDialog, laid out like the standard
// dialogs users know: the text boxes and options on the left, the buttons
// on the right, Find Next the default button. Modeless: the dialog stays
// over its owner's window while the user goes on editing.
#pragma once

#include "framework/FindReplacePeer.h"
#include "framework/qt/DeferredWidget.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

class FindReplaceWindow final : public QDialog {
public:
    FindReplaceWindow(TFindReplaceDialog& dialog, QWidget* parent);

    TFindReplaceDialog::TControls Controls() const;
    // The dialog object is going away: nothing is reported any more.
    void Detach() { Dialog = nullptr; }

protected:
    // Cancel, Escape and the close box end here.
    void reject() override;

private:
    TFindReplaceDialog* Dialog;
    bool StartedDown;
    QLineEdit* FindWhat;
    QLineEdit* ReplaceWith = nullptr;
    QCheckBox* WholeWord;
    QCheckBox* MatchCase;
    QRadioButton* Up = nullptr;
    QRadioButton* Down = nullptr;
    QPushButton* FindNext;
    QPushButton* Replace = nullptr;
    QPushButton* ReplaceAll = nullptr;

    void Build(const TFindReplaceDialog::TControls& initial);
    QPushButton* AddButton(const char* text, const char* name, TFindReplaceDialog::TAction action);
    void EnableButtons();
    void Report(TFindReplaceDialog::TAction action);
};

class QtFindReplacePeer final : public TFindReplacePeer {
public:
    QtFindReplacePeer(TFindReplaceDialog& dialog, QWidget* parent);
    ~QtFindReplacePeer() override;

    // Null once the owner's window took the dialog's window with it.
    FindReplaceWindow* Window() const { return Dialog.get(); }

    bool IsVisible() const override { return Window() && Window()->isVisible(); }
    TFindReplaceDialog::TControls Controls() const override;
    void Hide() override;

private:
    DeferredWidget<FindReplaceWindow> Dialog;
};
