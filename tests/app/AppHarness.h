// Starts the application on its own headless desktop with a given command
// line, recording what the command line asked of registration and printing.
#pragma once

#include "app/WendApp.h"
#include "core/HugeEdit.h"
#include "framework/Frame.h"
#include "framework/headless/HeadlessDesktop.h"

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

// Registration and printing come later; here they only count their calls.
class TRecordingApp : public TWendApp {
public:
    using TWendApp::TWendApp;

    std::vector<bool> Registrations;
    int Prints = 0;
    int IdleCalls = 0;

    bool IdleAction(long idleCount) override
    {
        ++IdleCalls;
        return TWendApp::IdleAction(idleCount);
    }

protected:
    void RegisterEditor(bool install) override { Registrations.push_back(install); }
    void PrintDocument() override { ++Prints; }
};

class TAppHarness {
public:
    explicit TAppHarness(std::vector<std::string> args = {})
    {
        Args.insert(Args.begin(), "vantor");
        Args.insert(Args.end(), args.begin(), args.end());
        for (std::string& a : Args)
            Argv.push_back(a.data());
        Argv.push_back(nullptr);
        Argc = int(Args.size());
        Application = std::make_unique<TRecordingApp>(Argc, Argv.data());
    }

    // Builds, shows and sets up the main window and obeys the command line.
    TRecordingApp& Start()
    {
        Application->InitInstance();
        return *Application;
    }

    THeadlessDesktop& Desktop() { return Desk; }
    TRecordingApp& App() { return *Application; }
    THugeEdit& Editor() { return *Application->Editor; }
    TDecoratedFrame& Frame() { return static_cast<TDecoratedFrame&>(*Application->GetMainWindow()); }

private:
    // The desktop outlives the application's windows.
    THeadlessDesktop Desk;
    std::vector<std::string> Args;
    std::vector<char*> Argv;
    int Argc = 0;
    std::unique_ptr<TRecordingApp> Application;
};

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
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string PathOf(const std::string& name) const { return (Path / name).string(); }

private:
    std::filesystem::path Path;
};

// The document's text, rows joined.
inline std::string DocumentText(const THugeEdit& editor)
{
    std::string text;
    for (TRowIndex r = 0; r < editor.GetNumLines(); ++r)
        text += std::string(editor.Lines[r].View());
    return text;
}
