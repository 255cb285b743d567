#include "framework/Frame.h"

#include "framework/Application.h"
#include "framework/CommandRoute.h"

namespace {

unsigned LoWord(uintptr_t v) { return unsigned(v & 0xFFFF); }

TWindow* FocusedWithin(TWindow& window)
{
    if (window.HasFocus())
        return &window;
    for (TWindow* child : window.Children())
        if (TWindow* focused = FocusedWithin(*child))
            return focused;
    return nullptr;
}

}  // namespace

TFrameWindow::TFrameWindow(TWindow* parent, const std::string& title, TWindow* client)
    : TWindow(parent, title), Client(client), AppTitle(title)
{
    if (Client)
        Client->SetParent(this);
}

TFrameWindow::~TFrameWindow() = default;

void TFrameWindow::AssignMenu(const TMenuResource& menu) { Menu = std::make_unique<TMenuResource>(menu); }

void TFrameWindow::SetAccelerators(const TAcceleratorTable& table)
{
    Accelerators = std::make_unique<TAcceleratorTable>(table);
}

bool TFrameWindow::SetDocTitle(const std::string& docName, int index)
{
    SetCaption(docName + " - " + AppTitle);
    return true;
}

TWindow* TFrameWindow::CommandTarget() const
{
    auto& self = const_cast<TFrameWindow&>(*this);
    if (TWindow* focused = FocusedWithin(self))
        return focused;
    return Client ? Client : &self;
}

void TFrameWindow::IdleAction(long idleCount) {}

void TFrameWindow::EvMenuSelect(unsigned id) {}

void TFrameWindow::QueryPopupState(const TMenuItem& popup, std::vector<TCommandEnabler>& states)
{
    states.clear();
    TApplication* app = GetApplication();
    for (const TMenuItem& item : popup.Items) {
        if (item.Kind != TMenuItem::TKind::Command)
            continue;
        TCommandEnabler& enabler = states.emplace_back(item.Id);
        if (app)
            app->RouteEnable(enabler);
        else
            TCommandRoute(CommandTarget(), nullptr).Enable(enabler);
    }
}

intptr_t TFrameWindow::WindowProc(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    TApplication* app = GetApplication();
    switch (message) {
    case WM_COMMAND:
        // Menus and accelerators speak to the frame; the command starts at
        // the window the user works in.
        TCommandRoute(CommandTarget(), app).Run(LoWord(wParam));
        return 0;
    case WM_MENUSELECT: EvMenuSelect(LoWord(wParam)); return 0;
    case WM_ENTERIDLE: IdleAction(0); return 0;
    default: break;
    }
    if (app && app->GetMainWindow() == this && (message >= WM_USER || message == WM_DROPFILES))
        return app->EvAppMessage(TMsg{this, message, wParam, lParam});
    return TWindow::WindowProc(message, wParam, lParam);
}

void TFrameWindow::EvSetFocus()
{
    if (Client && Client->IsCreated())
        Client->SetFocus();
}
