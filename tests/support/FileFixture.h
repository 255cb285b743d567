// An editor window on the headless desktop with a scratch folder of files.
#pragma once

#include "tests/support/EditorFixture.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

class Files : public TEditorFixture {
protected:
    std::filesystem::path Dir;

    void SetUp() override
    {
        TEditorFixture::SetUp();
        Dir = std::filesystem::temp_directory_path() / ("vantor-files-" + std::to_string(::getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(Dir);
        std::filesystem::create_directories(Dir);
    }
    void TearDown() override
    {
        TEditorFixture::TearDown();
        std::filesystem::remove_all(Dir);
    }

    std::string Write(const std::string& name, const std::string& bytes)
    {
        const std::filesystem::path path = Dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }
    const std::vector<THeadlessMessageBox>& Boxes() { return Desktop.Dialogs().MessageBoxes(); }
};

