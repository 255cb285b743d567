// TApplication: the application object. It builds and owns the main window,
// runs the message loop with idle processing, pre-processes messages
// (accelerators) and ends the command route.
#pragma once

#include "framework/Window.h"

#include <exception>
#include <memory>
#include <string>

class TFrameWindow;

class TApplication {
public:
    // argc/argv are the program's; the command line is the arguments after
    // the program's name joined by single blanks.
    TApplication(const std::string& name, int& argc, char** argv);
    virtual ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // The application this process runs (there is one at a time).
    static TApplication* Current();

    // InitInstance, then the message loop until the main window closes.
    int Run();

    const std::string& GetName() const { return Name; }
    const std::string& GetCmdLine() const { return CmdLine; }
    int CmdShow = SW_SHOWNORMAL;

    TFrameWindow* GetMainWindow() const { return MainWindow.get(); }
    // Takes ownership of the main window.
    void SetMainWindow(std::unique_ptr<TFrameWindow> window);
    // Destroys the main window (its destruction may write settings).
    void DestroyMainWindow();

    // Dispatches what is waiting and returns at once when nothing waits.
    void PumpWaitingMessages();

    // --- overridables ---------------------------------------------------------
    virtual void InitMainWindow();
    // The default: InitMainWindow, then create the main window and show it
    // in the normalised show state.
    virtual void InitInstance();
    // The default asks the main window.
    virtual bool CanClose();
    // Runs each time the loop is about to wait; the default lets the main
    // window do its idle-time updates. True to be called again before
    // waiting.
    virtual bool IdleAction(long idleCount);
    // Pre-processing of every message before its window sees it; true when
    // the message was consumed (the default translates the main window's
    // accelerators).
    virtual bool ProcessAppMsg(const TMsg& msg);

    // The end of the command route.
    virtual bool EvCommand(unsigned id);
    virtual bool HasCommandHandler(unsigned id) const;
    virtual bool EvCommandEnable(TCommandEnabler& enabler);
    // Messages of the main window that neither it nor the framework handles
    // (dropped files, user notifications); the default returns 0.
    virtual intptr_t EvAppMessage(const TMsg& msg);
    // An exception that escaped a message handler (DispatchMsg catches it);
    // the default shows its text in a message box captioned with the
    // application's name, and the program goes on.
    virtual void HandleError(const std::exception& error);

    // Runs a command along the route: the focused window and its parents,
    // then the application. False when nobody handled it.
    bool RouteCommand(unsigned id);
    // Asks the route whether a command is enabled (and checked). Nobody
    // answering means: enabled exactly when a handler exists on the route.
    void RouteEnable(TCommandEnabler& enabler);

    // Closes the main window through CanClose (CM_EXIT, close box, logout).
    void CloseMainWindow();

    // Help-mode state, set by later parts.
private:
    std::string Name;
    std::string CmdLine;
    std::unique_ptr<TFrameWindow> MainWindow;
    // The window where the command route starts (the focused one or the
    // main window's client).
    TWindow* RouteStart() const;
};

// CM_EXIT: handled by the framework's application class.
constexpr unsigned CM_EXIT = 24310;
