// TDialog: a modal dialog box built from a template. Its controls' texts
// live in the dialog object, so the program reads and sets them by id
// whether or not a window stands for them; SetupWindow runs once the
// controls exist and before the box is shown.
#pragma once

#include "framework/DialogTemplate.h"
#include "framework/Window.h"

#include <map>
#include <string>

class TDialog : public TWindow {
public:
    // parent owns the box while it runs (it is not one of its children).
    TDialog(TWindow* parent, const TDialogTemplate& dialogTemplate);
    TWindow* GetOwner() const { return Owner; }

    const char* GetClassName() const override { return "TDialog"; }
    const TDialogTemplate& Template() const { return Layout; }

    // Runs the box until a button ends it; the answer is that button's id
    // (IDOK, or IDCANCEL for Escape and the close box).
    int Execute();
    // The framework's set-up: every control shows its template text.
    virtual void SetupWindow();

    std::string GetItemText(int id) const;
    void SetItemText(int id, const std::string& text);

    // How the platform shows a control's new text while the box is up.
    class TTextSink {
    public:
        virtual ~TTextSink() = default;
        virtual void ItemTextChanged(int id, const std::string& text) = 0;
    };
    void SetTextSink(TTextSink* sink) { Sink = sink; }

private:
    TWindow* Owner;
    TDialogTemplate Layout;
    std::map<int, std::string> Texts;
    TTextSink* Sink = nullptr;
};

// A static text control of a dialog, addressed by id.
class TStatic {
public:
    // textLimit: the longest text GetText gives back (the window system's
    // buffer size less its terminator).
    TStatic(TDialog& parent, int id, size_t textLimit);
    std::string GetText() const;
    void SetText(const std::string& text);

private:
    TDialog& Parent;
    int Id;
    size_t TextLimit;
};

namespace Platform {
// Shows the dialog modally, after its SetupWindow; returns its answer.
int RunDialog(TDialog& dialog);
}  // namespace Platform
