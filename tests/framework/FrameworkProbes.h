// Windows and an application that record what reaches them, for the tests
// of the platform layer's common logic on the headless desktop.
#pragma once

#include "framework/Application.h"
#include "framework/CommandEnabler.h"
#include "framework/Frame.h"
#include "framework/headless/HeadlessDesktop.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

// One handler call as a window saw it.
struct TSeen {
    TSeen(unsigned message, unsigned a = 0, unsigned b = 0, TPoint point = {}) : Message(message), A(a), B(b), Point(point) {}
    unsigned Message;  // the message that the handler stands for
    unsigned A;        // key, modifiers, size type or scroll code
    unsigned B;        // repeat count or thumb position
    TPoint Point;      // mouse point, or the size as (cx, cy)
    friend bool operator==(const TSeen&, const TSeen&) = default;
};

// Handlers and enablers a test hands out to an object on the route.
struct TCommandScript {
    std::set<unsigned> Handles;
    // id -> Enable(value); nullopt: the enabler only sets a check mark.
    std::map<unsigned, std::optional<bool>> Enablers;
    std::vector<unsigned> Ran;

    bool Run(unsigned id)
    {
        if (!Handles.count(id))
            return false;
        Ran.push_back(id);
        return true;
    }
    bool Enable(TCommandEnabler& ce) const
    {
        const auto it = Enablers.find(ce.GetId());
        if (it == Enablers.end())
            return false;
        if (it->second)
            ce.Enable(*it->second);
        else
            ce.SetCheck(true);
        return true;
    }
};

template <class TBase>
class TProbe : public TBase {
public:
    using TBase::TBase;

    std::vector<TSeen> Seen;
    TCommandScript Commands;
    bool AllowClose = true;

    bool EvCommand(unsigned id) override { return Commands.Run(id); }
    bool HasCommandHandler(unsigned id) const override { return Commands.Handles.count(id) != 0; }
    bool EvCommandEnable(TCommandEnabler& ce) override { return Commands.Enable(ce); }
    bool CanClose() override { return AllowClose && TBase::CanClose(); }

    void EvKeyDown(unsigned key, unsigned repeat, unsigned) override { Seen.push_back({WM_KEYDOWN, key, repeat}); }
    void EvKeyUp(unsigned key, unsigned repeat, unsigned) override { Seen.push_back({WM_KEYUP, key, repeat}); }
    void EvSysKeyDown(unsigned key, unsigned repeat, unsigned) override { Seen.push_back({WM_SYSKEYDOWN, key, repeat}); }
    void EvChar(unsigned key, unsigned repeat, unsigned) override { Seen.push_back({WM_CHAR, key, repeat}); }
    void EvMouseMove(unsigned mods, const TPoint& p) override { Seen.push_back({WM_MOUSEMOVE, mods, 0, p}); }
    void EvLButtonDown(unsigned mods, const TPoint& p) override
    {
        Seen.push_back({WM_LBUTTONDOWN, mods, 0, p});
        TBase::EvLButtonDown(mods, p);
    }
    void EvLButtonUp(unsigned mods, const TPoint& p) override { Seen.push_back({WM_LBUTTONUP, mods, 0, p}); }
    void EvLButtonDblClk(unsigned mods, const TPoint& p) override { Seen.push_back({WM_LBUTTONDBLCLK, mods, 0, p}); }
    void EvRButtonDown(unsigned mods, const TPoint& p) override { Seen.push_back({WM_RBUTTONDOWN, mods, 0, p}); }
    void EvContextMenu(const TPoint& p) override { Seen.push_back({WM_CONTEXTMENU, 0, 0, p}); }
    void EvSize(unsigned type, const TSize& s) override
    {
        Seen.push_back({WM_SIZE, type, 0, {s.cx, s.cy}});
        TBase::EvSize(type, s);
    }
    void EvVScroll(unsigned code, unsigned thumb) override
    {
        Seen.push_back({WM_VSCROLL, code, thumb});
        TBase::EvVScroll(code, thumb);
    }
    void EvHScroll(unsigned code, unsigned thumb) override
    {
        Seen.push_back({WM_HSCROLL, code, thumb});
        TBase::EvHScroll(code, thumb);
    }
    void EvSetFocus() override
    {
        Seen.push_back({WM_SETFOCUS});
        TBase::EvSetFocus();
    }
    void EvKillFocus() override { Seen.push_back({WM_KILLFOCUS}); }
    void EvDropFiles(TDropInfo& drop) override { Seen.push_back({WM_DROPFILES, unsigned(drop.Files.size()), 0, drop.Point}); }

    // The handler calls of one kind, in order.
    std::vector<TSeen> SeenOf(unsigned message) const
    {
        std::vector<TSeen> out;
        for (const TSeen& s : Seen)
            if (s.Message == message)
                out.push_back(s);
        return out;
    }
};

using TProbeWindow = TProbe<TWindow>;
using TProbeFrame = TProbe<TDecoratedFrame>;

// The program arguments an application is made with ("vantor" first); a
// base of TProbeApp so that they exist before the application.
struct TProbeArgs {
    explicit TProbeArgs(std::vector<std::string> args) : Strings(std::move(args))
    {
        Strings.insert(Strings.begin(), "vantor");
        for (std::string& s : Strings)
            Pointers.push_back(s.data());
        Pointers.push_back(nullptr);
        Count = int(Strings.size());
    }
    std::vector<std::string> Strings;
    std::vector<char*> Pointers;
    int Count = 0;
};

// An application whose own table a test fills; it records the messages the
// main window hands it and the errors that escaped handlers.
class TProbeApp : private TProbeArgs, public TApplication {
public:
    explicit TProbeApp(std::vector<std::string> args = {})
        : TProbeArgs(std::move(args)), TApplication("Probe", Count, Pointers.data())
    {
    }

    TCommandScript Commands;
    std::vector<TMsg> AppMessages;
    std::vector<std::string> Errors;
    long IdleCalls = 0;

    bool EvCommand(unsigned id) override { return Commands.Run(id) || TApplication::EvCommand(id); }
    bool HasCommandHandler(unsigned id) const override
    {
        return Commands.Handles.count(id) || TApplication::HasCommandHandler(id);
    }
    bool EvCommandEnable(TCommandEnabler& ce) override { return Commands.Enable(ce); }
    intptr_t EvAppMessage(const TMsg& msg) override
    {
        AppMessages.push_back(msg);
        return 42;
    }
    void HandleError(const std::exception& error) override
    {
        Errors.push_back(error.what());
        TApplication::HandleError(error);
    }
    bool IdleAction(long count) override
    {
        ++IdleCalls;
        return TApplication::IdleAction(count);
    }
};
