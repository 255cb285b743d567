#include "framework/qt/LockKeys.h"

#include <QGuiApplication>

// Xlib's macros (None, Bool, Status, ...) clash with the toolkit's names, so
// its headers come after every toolkit header.
#include <X11/XKBlib.h>
#include <X11/keysym.h>

namespace LockKeys {
namespace {

Display* ServerDisplay()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

}  // namespace

std::optional<TState> Read()
{
    Display* display = ServerDisplay();
    if (!display)
        return std::nullopt;
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    // Num Lock is whichever modifier the keymap binds it to (usually Mod2).
    static const unsigned numMask = XkbKeysymToModifiers(display, XK_Num_Lock);
    return TState{(state.locked_mods & LockMask) != 0, numMask != 0 && (state.locked_mods & numMask) != 0};
}

}  // namespace LockKeys
