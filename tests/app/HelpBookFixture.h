// The program's help book where the help system looks for it: the build
// copies it beside the programs (build/help), and the tests, one folder
// further down, reach it through the user's data folder.
#pragma once

#include "StandIn.h"

#include <filesystem>

class THelpBookFixture {
public:
    explicit THelpBookFixture(bool withBook = true) : DataHome("XDG_DATA_HOME", Data.PathOf("")), DataDirs("XDG_DATA_DIRS", Data.PathOf(""))
    {
        std::filesystem::create_directories(Data.PathOf("vantor"));
        if (withBook)
            std::filesystem::create_directory_symlink(BuiltBook(), Data.PathOf("vantor/help"));
    }

    static std::filesystem::path BuiltBook()
    {
        return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "help";
    }

private:
    TScratchDir Data;
    TEnvSetting DataHome;
    TEnvSetting DataDirs;
};
