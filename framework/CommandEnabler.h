// The query that asks the command route whether a command is enabled and
// checked, for a menu item before its drop-down opens or for a tool-bar
// button at idle time.
#pragma once

class TCommandEnabler {
public:
    explicit TCommandEnabler(unsigned id) : Id(id) {}

    unsigned GetId() const { return Id; }
    void Enable(bool enable = true) { Enabled = enable; Answered = true; }
    void SetCheck(bool check) { Checked = check; CheckSet = true; }

    bool IsEnabled() const { return Enabled; }
    bool IsChecked() const { return Checked; }
    bool WasAnswered() const { return Answered; }
    bool WasCheckSet() const { return CheckSet; }

private:
    unsigned Id;
    bool Enabled = false;
    bool Checked = false;
    bool Answered = false;
    bool CheckSet = false;
};
