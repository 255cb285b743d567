#include "framework/ConfigFolder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace {

// A relative path in these variables is invalid and is ignored.
std::string AbsoluteVariable(const char* name)
{
    const char* value = std::getenv(name);
    return value && value[0] == '/' ? std::string(value) : std::string();
}

std::string HomeFolder()
{
    std::string home = AbsoluteVariable("HOME");
    if (home.empty())
        if (const passwd* user = getpwuid(getuid()); user && user->pw_dir && user->pw_dir[0] == '/')
            home = user->pw_dir;
    return home;
}

}  // namespace

std::string UserConfigFolder(const std::string& program)
{
    std::string base = AbsoluteVariable("XDG_CONFIG_HOME");
    if (base.empty()) {
        const std::string home = HomeFolder();
        if (home.empty())
            return {};
        base = home + "/.config";
    }
    return base + "/" + program;
}
