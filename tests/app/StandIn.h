// Stand-ins for the desktop's programs (xdg-email, xdg-open): scripts in a
// folder of their own that record their arguments and exit with a chosen
// code, with PATH pointing at that folder only while the test runs.
#pragma once

#include "AppHarness.h"

#include <sys/stat.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

// Sets an environment variable for the length of a scope.
class TEnvSetting {
public:
    TEnvSetting(const char* name, const std::optional<std::string>& value) : Name(name)
    {
        if (const char* old = std::getenv(name))
            Old = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~TEnvSetting()
    {
        if (Old)
            setenv(Name.c_str(), Old->c_str(), 1);
        else
            unsetenv(Name.c_str());
    }
    TEnvSetting(const TEnvSetting&) = delete;
    TEnvSetting& operator=(const TEnvSetting&) = delete;

private:
    std::string Name;
    std::optional<std::string> Old;
};

class TStandIns {
public:
    TStandIns() : Path("PATH", Dir.PathOf("bin")) { std::filesystem::create_directory(Dir.PathOf("bin")); }

    // A program that writes each argument followed by a null to its record
    // and exits with exitCode. It uses shell built-ins only: PATH holds
    // nothing else.
    void Install(const std::string& name, int exitCode)
    {
        const std::string path = Dir.Write("bin/" + name, "#!/bin/sh\nprintf '%s\\0' \"$@\" > '" + Dir.PathOf(name + ".args") +
                                                              "'\nexit " + std::to_string(exitCode) + "\n");
        chmod(path.c_str(), 0755);
    }

    // The arguments the program got; none when it never ran.
    std::optional<std::vector<std::string>> Arguments(const std::string& name) const
    {
        std::ifstream in(Dir.PathOf(name + ".args"), std::ios::binary);
        if (!in)
            return std::nullopt;
        std::vector<std::string> args;
        for (std::string arg; std::getline(in, arg, '\0');)
            args.push_back(arg);
        return args;
    }

    const TScratchDir& Folder() const { return Dir; }

private:
    TScratchDir Dir;
    TEnvSetting Path;
};
