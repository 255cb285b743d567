// The query that asks the command route whether a command is enabled and
// checked, for a menu item before its drop-down opens or for a tool-bar
// button at idle time. Gadgets that show text (status-bar panes) get their
// text through SetText.
#pragma once

#include <string>

class TWindow;

class TCommandEnabler {
public:
    // receiver: the window whose item is asked about (may be null).
    explicit TCommandEnabler(unsigned id, TWindow* receiver = nullptr) : Id(id), Receiver(receiver) {}
    virtual ~TCommandEnabler() = default;
    TCommandEnabler(const TCommandEnabler&) = default;
    TCommandEnabler& operator=(const TCommandEnabler&) = default;

    unsigned GetId() const { return Id; }
    TWindow* GetReceiver() const { return Receiver; }
    virtual void Enable(bool enable = true) { Enabled = enable; Answered = true; }
    virtual void SetCheck(bool check) { Checked = check; CheckSet = true; }
    // Items that show no text ignore it.
    virtual void SetText(const std::string& text) {}

    bool IsEnabled() const { return Enabled; }
    bool IsChecked() const { return Checked; }
    bool WasAnswered() const { return Answered; }
    bool WasCheckSet() const { return CheckSet; }

private:
    unsigned Id;
    TWindow* Receiver;
    bool Enabled = false;
    bool Checked = false;
    bool Answered = false;
    bool CheckSet = false;
};
