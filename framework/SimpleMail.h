// Mail through the desktop: xdg-email, looked up on PATH when a message is
// sent, opens the user's mail program with a new message whose body is the
// given text; the user adds recipients and a subject there.
#pragma once

#include <functional>
#include <string>

enum class TMailStart {
    Unavailable,  // the desktop has no mail service
    Refused,      // the text cannot be handed over (nothing was started)
    Started,      // done follows once the mail program has answered
};

// length: the text's length in bytes; text() gives the text itself, and is
// asked for only once the service exists and a text of that length can be
// handed over, so a huge document is never copied in vain. The text is in
// the document's code page (Windows-1252); the mail program gets it as
// UTF-8. done(sent) runs from the message loop, only after Started.
TMailStart SendMailText(size_t length, const std::function<std::string()>& text, std::function<void(bool sent)> done);

// The program SendMailText looks for on PATH.
inline constexpr const char* MailProgram = "xdg-email";
