// A widget whose events become a window's messages. After each message
// the window may be gone (a key can close the program), so senders ask
// again before every message.
#pragma once

class TWindow;

class InputTarget {
public:
    // Null once the window is gone.
    virtual TWindow* TargetWindow() const = 0;

protected:
    ~InputTarget() = default;
};
