#include "framework/qt/KeyTranslation.h"

#include "framework/Types.h"
#include "framework/qt/CodePage.h"

#include <QList>

namespace KeyTranslation {
namespace {

enum : unsigned {
    VK_CLEAR = 12, VK_PAUSE = 19, VK_CAPITAL = 20, VK_SNAPSHOT = 44, VK_NUMLOCK = 144, VK_SCROLL = 145,
    // The keys of punctuation on a US keyboard.
    VK_OEM_1 = 0xBA, VK_OEM_PLUS = 0xBB, VK_OEM_COMMA = 0xBC, VK_OEM_MINUS = 0xBD, VK_OEM_PERIOD = 0xBE,
    VK_OEM_2 = 0xBF, VK_OEM_3 = 0xC0, VK_OEM_4 = 0xDB, VK_OEM_5 = 0xDC, VK_OEM_6 = 0xDD, VK_OEM_7 = 0xDE,
};

struct TKeyPair {
    int Qt;
    unsigned Vk;
};

constexpr TKeyPair SpecialKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB}, {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN}, {Qt::Key_Enter, VK_RETURN}, {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU}, {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE}, {Qt::Key_PageUp, VK_PRIOR}, {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END}, {Qt::Key_Home, VK_HOME}, {Qt::Key_Left, VK_LEFT}, {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT}, {Qt::Key_Down, VK_DOWN}, {Qt::Key_Insert, VK_INSERT},
    {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Menu, VK_APPS}, {Qt::Key_Clear, VK_CLEAR},
    {Qt::Key_Pause, VK_PAUSE}, {Qt::Key_CapsLock, VK_CAPITAL}, {Qt::Key_Print, VK_SNAPSHOT},
    {Qt::Key_NumLock, VK_NUMLOCK}, {Qt::Key_ScrollLock, VK_SCROLL},
};

// Shifted digits and punctuation name the key they are typed on.
constexpr TKeyPair SymbolKeys[] = {
    {Qt::Key_Exclam, '1'}, {Qt::Key_At, '2'}, {Qt::Key_NumberSign, '3'}, {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'}, {Qt::Key_AsciiCircum, '6'}, {Qt::Key_Ampersand, '7'}, {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'}, {Qt::Key_ParenRight, '0'}, {Qt::Key_Semicolon, VK_OEM_1},
    {Qt::Key_Colon, VK_OEM_1}, {Qt::Key_Equal, VK_OEM_PLUS}, {Qt::Key_Plus, VK_OEM_PLUS},
    {Qt::Key_Comma, VK_OEM_COMMA}, {Qt::Key_Less, VK_OEM_COMMA}, {Qt::Key_Minus, VK_OEM_MINUS},
    {Qt::Key_Underscore, VK_OEM_MINUS}, {Qt::Key_Period, VK_OEM_PERIOD}, {Qt::Key_Greater, VK_OEM_PERIOD},
    {Qt::Key_Slash, VK_OEM_2}, {Qt::Key_Question, VK_OEM_2}, {Qt::Key_QuoteLeft, VK_OEM_3},
    {Qt::Key_AsciiTilde, VK_OEM_3}, {Qt::Key_BracketLeft, VK_OEM_4}, {Qt::Key_BraceLeft, VK_OEM_4},
    {Qt::Key_Backslash, VK_OEM_5}, {Qt::Key_Bar, VK_OEM_5}, {Qt::Key_BracketRight, VK_OEM_6},
    {Qt::Key_BraceRight, VK_OEM_6}, {Qt::Key_Apostrophe, VK_OEM_7}, {Qt::Key_QuoteDbl, VK_OEM_7},
};

template <size_t N>
unsigned Lookup(const TKeyPair (&table)[N], int qtKey)
{
    for (const TKeyPair& k : table)
        if (k.Qt == qtKey)
            return k.Vk;
    return 0;
}

// Keys whose character the window system fixes, whatever text they carry.
int FixedCharCode(int qtKey, bool ctrl)
{
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return ctrl ? 10 : 13;
    case Qt::Key_Backspace: return ctrl ? 127 : 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Escape: return 27;
    default: return -1;
    }
}

// Keys that type nothing even when the toolkit gives them text (Delete
// gives DEL on X11).
bool TypesNothing(int qtKey)
{
    return qtKey == Qt::Key_Delete || (qtKey >= Qt::Key_Insert && qtKey <= Qt::Key_Direction_R) ||
           (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F35);
}

}  // namespace

unsigned VirtualKey(int qtKey)
{
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return unsigned(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return VK_F1 + unsigned(qtKey - Qt::Key_F1);
    if (const unsigned vk = Lookup(SpecialKeys, qtKey))
        return vk;
    return Lookup(SymbolKeys, qtKey);
}

bool IsSystemKey(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier);
}

int CharCode(int qtKey, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (IsSystemKey(modifiers))
        return -1;
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool altGr = ctrl && (modifiers & Qt::AltModifier);
    if (const int fixed = FixedCharCode(qtKey, ctrl && !altGr); fixed >= 0)
        return fixed;
    if (TypesNothing(qtKey))
        return -1;
    if (ctrl && !altGr && qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return qtKey - Qt::Key_A + 1;
    if (text.isEmpty())
        return -1;
    const int code = CodePage::Windows1252Byte(text.toUcs4().value(0));
    // With Ctrl only control characters are typed (Ctrl+[ is Escape).
    return ctrl && !altGr && code >= 32 ? -1 : code;
}

intptr_t KeyDownLParam(bool autoRepeat, bool alt)
{
    return intptr_t(1u | (alt ? 1u << 29 : 0u) | (autoRepeat ? 1u << 30 : 0u));
}

intptr_t KeyUpLParam(bool alt) { return intptr_t(1u | (alt ? 1u << 29 : 0u) | (1u << 30) | (1u << 31)); }

}  // namespace KeyTranslation

