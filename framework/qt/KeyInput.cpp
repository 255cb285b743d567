#include "framework/qt/KeyInput.h"

#include "framework/Platform.h"
#include "framework/qt/CodePage.h"
#include "framework/qt/KeyTranslation.h"
#include "framework/qt/PlatformContext.h"

#include <QKeyEvent>
#include <QList>

namespace KeyInput {
namespace {

bool AltHeld(const QKeyEvent& event) { return event.modifiers() & Qt::AltModifier; }

// Alt's own key, and keys pressed with Alt alone, are system keys.
bool IsSystem(unsigned vk, const QKeyEvent& event)
{
    return vk == VK_MENU || KeyTranslation::IsSystemKey(event.modifiers());
}

TWindow* TopLevelOf(TWindow* window)
{
    while (window->GetParent())
        window = window->GetParent();
    return window;
}

// What the window system's default processing makes of a key nobody
// consumed: Alt+F4 closes the top-level window, the context-menu key and
// Shift+F10 ask for the context menu.
void DefaultKeyAction(TWindow& window, unsigned vk, const QKeyEvent& event)
{
    if (vk == VK_F4 && IsSystem(vk, event)) {
        DispatchMsg(TMsg{TopLevelOf(&window), WM_CLOSE, 0, 0});
        return;
    }
    const bool shiftF10 = vk == VK_F10 && (event.modifiers() & Qt::ShiftModifier);
    if (vk == VK_APPS || shiftF10)
        DispatchMsg(TMsg{&window, WM_CONTEXTMENU, 0, intptr_t(MakeLParam(-1, -1))});
}

// WM_KEYDOWN; false when pre-processing consumed the key or the window went.
bool SendKeyDown(const InputTarget& target, unsigned vk, const QKeyEvent& event)
{
    TWindow* window = target.TargetWindow();
    if (!window)
        return false;
    const TMsg msg{window, IsSystem(vk, event) ? WM_SYSKEYDOWN : WM_KEYDOWN, vk,
                   KeyTranslation::KeyDownLParam(event.isAutoRepeat(), AltHeld(event))};
    bool consumed = false;
    DispatchMsg(msg, consumed);
    if (consumed || !(window = target.TargetWindow()))
        return false;
    DefaultKeyAction(*window, vk, event);
    return true;
}

void SendChar(const InputTarget& target, int code, const QKeyEvent& event)
{
    if (TWindow* window = target.TargetWindow())
        DispatchMsg(TMsg{window, WM_CHAR, uintptr_t(code),
                         KeyTranslation::KeyDownLParam(event.isAutoRepeat(), AltHeld(event))});
}

}  // namespace

void Press(const InputTarget& target, const QKeyEvent& event)
{
    const unsigned vk = KeyTranslation::VirtualKey(event.key());
    if (vk == VK_INSERT)
        PlatformContext::Get().Keys().ToggleInsert();
    if (vk != 0 && !SendKeyDown(target, vk, event))
        return;
    const int code = KeyTranslation::CharCode(event.key(), event.modifiers(), event.text());
    if (code >= 0)
        SendChar(target, code, event);
}

// Auto-repeat sends releases between its presses; the window system sends
// only the presses.
void Release(const InputTarget& target, const QKeyEvent& event)
{
    const unsigned vk = KeyTranslation::VirtualKey(event.key());
    TWindow* window = target.TargetWindow();
    if (vk == 0 || event.isAutoRepeat() || !window)
        return;
    DispatchMsg(TMsg{window, IsSystem(vk, event) ? WM_SYSKEYUP : WM_KEYUP, vk, KeyTranslation::KeyUpLParam(AltHeld(event))});
}

void Commit(const InputTarget& target, const QString& text)
{
    for (const char32_t ch : text.toUcs4()) {
        const int code = CodePage::Windows1252Byte(ch);
        TWindow* window = target.TargetWindow();
        if (!window)
            return;
        if (code >= 0)
            DispatchMsg(TMsg{window, WM_CHAR, uintptr_t(code), KeyTranslation::KeyDownLParam(false, false)});
    }
}

}  // namespace KeyInput
