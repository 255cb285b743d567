// TDialog: a modal dialog box built from a template. Its controls' texts
// live in the dialog object, so the program reads and sets them by id
// whether or not a window stands for them; SetupWindow runs once the
// controls exist and before the box is shown. Controls with objects of
// their own (TControl) are the dialog's children; the user's changes reach
// the dialog as EvChildNotify, and draw requests of owner-drawn controls
// go on to the control named.
#pragma once

#include "framework/DialogTemplate.h"
#include "framework/Window.h"

#include <map>
#include <string>

class TControl;

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
    // The framework's set-up: every control shows its template text, then
    // the control objects run their own set-up.
    virtual void SetupWindow();
    // True while the platform shows the dialog (from just before its set-up).
    bool HasWindow() const { return WindowUp; }
    // The platform's window is made or gone.
    void SetHasWindow(bool up) { WindowUp = up; }

    // A control the user changed (code: BN_CLICKED, EN_CHANGE, ...).
    virtual void EvChildNotify(int id, unsigned code) {}
    intptr_t WindowProc(unsigned message, uintptr_t wParam, intptr_t lParam) override;
    intptr_t DefWindowProc(unsigned message, uintptr_t wParam, intptr_t lParam) override;
    // The control object of id; null when the dialog has none.
    TControl* Control(int id) const;

    std::string GetItemText(int id) const;
    void SetItemText(int id, const std::string& text);

    // How the platform shows a control's new text while the box is up.
    class TTextSink {
    public:
        virtual ~TTextSink() = default;
        virtual void ItemTextChanged(int id, const std::string& text) = 0;
    };
    void SetTextSink(TTextSink* sink) { Sink = sink; }

    // How the platform shows a control object's new state while the box is up.
    class TControlSink {
    public:
        virtual ~TControlSink() = default;
        virtual void ControlChanged(TControl& control) = 0;
    };
    void SetControlSink(TControlSink* sink) { Controls = sink; }
    void ControlChanged(TControl& control);

private:
    TWindow* Owner;
    TDialogTemplate Layout;
    std::map<int, std::string> Texts;
    TTextSink* Sink = nullptr;
    TControlSink* Controls = nullptr;
    bool WindowUp = false;
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
