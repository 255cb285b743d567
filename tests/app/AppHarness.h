// Starts the application on its own headless desktop with a given command
// line, recording what the command line asked of registration and printing.
#pragma once

#include "app/WendApp.h"
#include "core/HugeEdit.h"
#include "framework/Frame.h"
#include "framework/headless/HeadlessDesktop.h"
#include "tests/support/ScratchDir.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// Registration only counts its calls here: the command line is under test,
// not what it does. Printing is counted too, and done on the headless
// printer when a test asks.
class TRecordingApp : public TWendApp {
public:
    using TWendApp::TWendApp;

    std::vector<bool> Registrations;
    int Prints = 0;
    bool PrintForReal = false;
    int IdleCalls = 0;
    // Runs at each idle moment, before the application's own idle work.
    std::function<void()> OnIdle;

    bool IdleAction(long idleCount) override
    {
        ++IdleCalls;
        if (OnIdle)
            OnIdle();
        return TWendApp::IdleAction(idleCount);
    }

protected:
    void RegisterEditor(bool install) override { Registrations.push_back(install); }
    void PrintDocument() override
    {
        ++Prints;
        if (PrintForReal)
            TWendApp::PrintDocument();
    }
};

class TAppHarness {
public:
    // config: the settings folder to use; one of its own when none is given.
    explicit TAppHarness(std::vector<std::string> args = {}, const TConfigHome* config = nullptr)
        : OwnConfig(config ? nullptr : std::make_unique<TConfigHome>())
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
    // Ends the run as closing does: the frame goes (writing the settings),
    // then the application.
    void Stop() { Application.reset(); }

private:
    std::unique_ptr<TConfigHome> OwnConfig;
    // The desktop outlives the application's windows.
    THeadlessDesktop Desk;
    std::vector<std::string> Args;
    std::vector<char*> Argv;
    int Argc = 0;
    std::unique_ptr<TRecordingApp> Application;
};

// The document's text, rows joined.
inline std::string DocumentText(const THugeEdit& editor)
{
    std::string text;
    for (TRowIndex r = 0; r < editor.GetNumLines(); ++r)
        text += std::string(editor.Lines[r].View());
    return text;
}
