// Scratch folders for tests that touch files, and a settings folder of
// their own for tests that run the application.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

// A folder of its own per test, removed afterwards.
class TScratchDir {
public:
    TScratchDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "vantor-app-XXXXXX").string();
        Path = mkdtemp(pattern.data());
    }
    ~TScratchDir() { std::filesystem::remove_all(Path); }
    TScratchDir(const TScratchDir&) = delete;
    TScratchDir& operator=(const TScratchDir&) = delete;

    std::string Write(const std::string& name, const std::string& bytes) const
    {
        const std::string path = (Path / name).string();
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string PathOf(const std::string& name) const { return (Path / name).string(); }
    std::string Read(const std::string& name) const
    {
        std::ifstream in(PathOf(name), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

private:
    std::filesystem::path Path;
};

// The settings folder ($XDG_CONFIG_HOME) points into a scratch folder while
// this lives, so no test reads or writes the user's TORVEL.INI.
class TConfigHome {
public:
    TConfigHome()
    {
        if (const char* old = std::getenv("XDG_CONFIG_HOME"))
            Old = old;
        setenv("XDG_CONFIG_HOME", Dir.PathOf("config").c_str(), 1);
    }
    ~TConfigHome()
    {
        if (Old)
            setenv("XDG_CONFIG_HOME", Old->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }
    TConfigHome(const TConfigHome&) = delete;
    TConfigHome& operator=(const TConfigHome&) = delete;

    // TORVEL.INI's bytes ("" while there is none).
    std::string Settings() const { return Dir.Read("config/vantor/TORVEL.INI"); }
    void WriteSettings(const std::string& bytes) const { Dir.Write("config/vantor/TORVEL.INI", bytes); }
    std::string SettingsPath() const { return Dir.PathOf("config/vantor/TORVEL.INI"); }

private:
    TScratchDir Dir;
    std::optional<std::string> Old;
};
