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

// A base folder: the variable when it holds an absolute path, else the
// fallback under the home folder.
std::string BaseFolder(const char* variable, const char* underHome)
{
    std::string base = AbsoluteVariable(variable);
    if (base.empty()) {
        const std::string home = HomeFolder();
        if (!home.empty())
            base = home + underHome;
    }
    return base;
}

}  // namespace

std::string UserConfigHome() { return BaseFolder("XDG_CONFIG_HOME", "/.config"); }
std::string UserDataHome() { return BaseFolder("XDG_DATA_HOME", "/.local/share"); }

std::string UserConfigFolder(const std::string& program)
{
    const std::string base = UserConfigHome();
    return base.empty() ? std::string() : base + "/" + program;
}
