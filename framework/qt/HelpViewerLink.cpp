#include "framework/qt/HelpViewerLink.h"

#include "framework/ChildProcess.h"
#include "framework/Platform.h"
#include "framework/ProgramFile.h"

#include <QString>
#include <QUrl>

#include <sys/socket.h>
#include <unistd.h>

#include <filesystem>

namespace {

constexpr const char* ViewerName = "vantor-help";

std::string EncodedUrl(const std::string& path)
{
    return QUrl::fromLocalFile(QString::fromStdString(path)).toEncoded().toStdString();
}

}  // namespace

HelpViewerLink::~HelpViewerLink() { Drop(); }

std::string HelpViewerLink::ViewerProgram()
{
    if (const std::string self = ProgramFile(); !self.empty()) {
        const std::string beside = (std::filesystem::path(self).parent_path() / ViewerName).string();
        if (!ChildProcess::FindOnPath(beside).empty())
            return beside;
    }
    return ChildProcess::FindOnPath(ViewerName);
}

bool HelpViewerLink::Show(const std::string& contents, const std::string& page)
{
    if (Running && *Running && Send("show " + EncodedUrl(page) + "\n"))
        return true;
    Drop();
    return Start(contents, page);
}

void HelpViewerLink::Quit()
{
    if (Running && *Running)
        Send("quit\n");
    Drop();
}

bool HelpViewerLink::Start(const std::string& contents, const std::string& page)
{
    const std::string program = ViewerProgram();
    int ends[2];
    if (program.empty() || socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0)
        return false;
    const int pid = ChildProcess::Start(program, {EncodedUrl(contents), EncodedUrl(page)}, ends[1]);
    close(ends[1]);
    if (pid < 0) {
        close(ends[0]);
        return false;
    }
    Socket = ends[0];
    Running = std::make_shared<bool>(true);
    Platform::WatchChild(pid, [running = Running](int) { *running = false; });
    return true;
}

bool HelpViewerLink::Send(const std::string& line)
{
    size_t sent = 0;
    while (Socket >= 0 && sent < line.size()) {
        const ssize_t n = send(Socket, line.data() + sent, line.size() - sent, MSG_NOSIGNAL);
        if (n <= 0)
            return false;
        sent += size_t(n);
    }
    return Socket >= 0;
}

void HelpViewerLink::Drop()
{
    if (Socket >= 0)
        close(Socket);
    Socket = -1;
    Running.reset();
}
