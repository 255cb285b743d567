// Whether the clipboard holds text, remembered until the toolkit reports a
// change: on X11 each question is a round trip to the clipboard's owner,
// and the Paste button asks at every idle moment.
#pragma once

#include <QObject>

#include <optional>

class ClipboardState : public QObject {
public:
    ClipboardState();
    bool HasText();

private:
    std::optional<bool> Known;
};
