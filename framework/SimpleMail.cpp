#include "framework/SimpleMail.h"

#include "framework/ChildProcess.h"
#include "framework/Platform.h"
#include "framework/Windows1252.h"

#include <algorithm>

TMailStart SendMailText(size_t length, const std::function<std::string()>& text, std::function<void(bool sent)> done)
{
    const std::string program = ChildProcess::FindOnPath(MailProgram);
    if (program.empty())
        return TMailStart::Unavailable;
    if (!ChildProcess::ArgumentsFit({std::string(std::min(length, ChildProcess::MaxArgumentLength() + 1), ' ')}))
        return TMailStart::Refused;
    const std::vector<std::string> args{"--utf8", "--body", Windows1252::ToUtf8(text())};
    if (!ChildProcess::ArgumentsFit(args))
        return TMailStart::Refused;
    const int pid = ChildProcess::Start(program, args);
    if (pid < 0)
        return TMailStart::Refused;
    Platform::WatchChild(pid, [done = std::move(done)](int exitCode) { done(exitCode == 0); });
    return TMailStart::Started;
}
