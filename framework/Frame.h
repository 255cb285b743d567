// Frame windows: TFrameWindow is a top-level window with one client window;
// TDecoratedFrame adds decorations (bars at the top and the bottom), a menu
// bar with enable queries and hints, and an accelerator table.
#pragma once

#include "framework/CommandEnabler.h"
#include "framework/Font.h"
#include "framework/Menu.h"
#include "framework/MessageBar.h"
#include "framework/Window.h"

#include <memory>
#include <string>
#include <vector>

class TFrameWindow : public TWindow {
public:
    TFrameWindow(TWindow* parent, const std::string& title, TWindow* client);
    ~TFrameWindow() override;

    const char* GetClassName() const override { return "TFrameWindow"; }
    TWindow* GetClientWindow() const { return Client; }
    // Where a command that reaches the frame starts its route: the focused
    // window when it is the frame or inside it, else the client.
    TWindow* CommandTarget() const;

    // The menu bar and the accelerators of the frame.
    void AssignMenu(const TMenuResource& menu);
    const TMenuResource* GetMenu() const { return Menu.get(); }
    void SetAccelerators(const TAcceleratorTable& table);
    const TAcceleratorTable* GetAccelerators() const { return Accelerators.get(); }

    // The caption is "name - application"; see TSDIDecFrame for the rule.
    bool SetDocTitle(const std::string& docName, int index) override;

    // Idle-time updates (tool-bar enablers, status panes); also run on the
    // WM_ENTERIDLE notice.
    virtual void IdleAction(long idleCount);

    // A menu item was highlighted (id) or the menu closed (0xFFFF).
    virtual void EvMenuSelect(unsigned id);
    // The drop-down with this index of the menu bar is about to open: the
    // platform asks each item's state through the command route.
    void QueryPopupState(const TMenuItem& popup, std::vector<TCommandEnabler>& states);

    intptr_t WindowProc(unsigned message, uintptr_t wParam, intptr_t lParam) override;
    // The focus moves on to the client.
    void EvSetFocus() override;

private:
    TWindow* Client;
    std::string AppTitle;  // the caption before any document names it
    std::unique_ptr<TMenuResource> Menu;
    std::unique_ptr<TAcceleratorTable> Accelerators;
};

class TDecoratedFrame : public TFrameWindow {
public:
    enum class TLocation { Top, Bottom };

    TDecoratedFrame(TWindow* parent, const std::string& title, TWindow* client, bool trackMenuSelection);
    const char* GetClassName() const override { return "TDecoratedFrame"; }

    // Lays a decoration out along an edge; its Attr.H is its height.
    void Insert(TWindow& decoration, TLocation location);
    const std::vector<std::pair<TWindow*, TLocation>>& Decorations() const { return DecorationList; }

    // The hint line: the bottom bar shows this text while a menu item is
    // highlighted, and its normal text otherwise.
    void EvMenuSelect(unsigned id) override;
    // Also brings the gadgets of the bars up to date.
    void IdleAction(long idleCount) override;
    // A bar's button under the mouse: its hint shows at once; -1 takes it
    // away again.
    void SetHintCommand(int id);
    // A button's tool tip; the default is the part of the hint string after
    // its newline (empty without one). The program's frame adds the menu's
    // item texts.
    virtual std::string GetToolTipText(unsigned id) const;
    // Text the hint bar shows (empty when no item is highlighted).
    const std::string& GetHintText() const { return HintText; }
    // The hint string of a command from the program's string table (empty
    // when there is none); the program's frame overrides it.
    virtual std::string LoadHint(unsigned id) const { (void)id; return {}; }
    // Where hints go; set by the frame's builder (the status bar later).
    void SetHintWindow(TMessageBar* bar) { HintBar = bar; }
    TMessageBar* GetHintWindow() const { return HintBar; }

private:
    bool TrackMenuSelection;
    unsigned PendingHintId = 0;
    bool HintPending = false;
    std::string HintText;
    TMessageBar* HintBar = nullptr;
    std::vector<std::pair<TWindow*, TLocation>> DecorationList;
};
