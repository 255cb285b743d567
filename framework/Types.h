// Basic value types and constants of the platform layer, in the vocabulary
// of the window system the editor was designed against.
#pragma once

#include <algorithm>
#include <cstdint>

struct TPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(TPoint p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    TRect Intersection(const TRect& o) const
    {
        return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    }
    friend bool operator==(const TRect&, const TRect&) = default;
};

// A colour is either an RGB value 0x00BBGGRR or, with the top bit set, a
// reference to a system colour that is resolved when drawn.
using TColor = uint32_t;
constexpr TColor MakeRGB(unsigned r, unsigned g, unsigned b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }
constexpr unsigned GetRValue(TColor c) { return c & 0xFF; }
constexpr unsigned GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr unsigned GetBValue(TColor c) { return (c >> 16) & 0xFF; }
constexpr TColor SysColorFlag = 0x80000000u;
constexpr TColor SysColor(unsigned index) { return SysColorFlag | index; }
constexpr unsigned COLOR_WINDOW = 5;
constexpr unsigned COLOR_WINDOWTEXT = 8;
// The 3-D interface colours that bars, buttons and their images use.
constexpr unsigned COLOR_BTNFACE = 15;
constexpr unsigned COLOR_BTNSHADOW = 16;
constexpr unsigned COLOR_GRAYTEXT = 17;
constexpr unsigned COLOR_BTNTEXT = 18;
constexpr unsigned COLOR_BTNHIGHLIGHT = 20;
constexpr bool IsSysColor(TColor c) { return (c & SysColorFlag) != 0; }

// Win32's MulDiv: a * b / c computed in 64 bits and rounded to the nearest
// integer, halves away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c);

// Virtual key codes.
enum : unsigned {
    VK_BACK = 8, VK_TAB = 9, VK_RETURN = 13, VK_SHIFT = 16, VK_CONTROL = 17, VK_MENU = 18,
    VK_CAPITAL = 20, VK_ESCAPE = 27, VK_SPACE = 32, VK_PRIOR = 33, VK_NEXT = 34, VK_END = 35, VK_HOME = 36,
    VK_LEFT = 37, VK_UP = 38, VK_RIGHT = 39, VK_DOWN = 40, VK_INSERT = 45, VK_DELETE = 46,
    VK_APPS = 93, VK_F1 = 112, VK_F2, VK_F3, VK_F4, VK_F5, VK_F6, VK_F7, VK_F8, VK_F9, VK_F10,
    VK_F11, VK_F12, VK_NUMLOCK = 144,
    // Letters and digits are their upper-case ASCII codes ('A' = 65, '0' = 48).
};

// Window messages that travel through the application's queue and dispatch.
enum : unsigned {
    WM_SIZE = 0x0005, WM_SETFOCUS = 0x0007, WM_KILLFOCUS = 0x0008, WM_CLOSE = 0x0010,
    WM_QUERYENDSESSION = 0x0011, WM_CONTEXTMENU = 0x007B,
    WM_KEYDOWN = 0x0100, WM_KEYUP = 0x0101, WM_CHAR = 0x0102, WM_SYSKEYDOWN = 0x0104,
    WM_SYSKEYUP = 0x0105, WM_COMMAND = 0x0111, WM_HSCROLL = 0x0114, WM_VSCROLL = 0x0115,
    WM_INITMENUPOPUP = 0x0117, WM_MENUSELECT = 0x011F, WM_ENTERIDLE = 0x0121,
    WM_MOUSEMOVE = 0x0200, WM_LBUTTONDOWN = 0x0201, WM_LBUTTONUP = 0x0202,
    WM_LBUTTONDBLCLK = 0x0203, WM_RBUTTONDOWN = 0x0204, WM_RBUTTONUP = 0x0205,
    WM_DROPFILES = 0x0233, WM_MOUSELEAVE = 0x02A3, WM_USER = 0x0400,
    WM_NCMOUSEMOVE = 0x00A0, WM_INITMENU = 0x0116,
};

// Where a WM_ENTERIDLE notice comes from (its first parameter).
enum : unsigned { MSGF_DIALOGBOX = 0, MSGF_MENU = 2 };

// Mouse-message key flags.
enum : unsigned { MK_LBUTTON = 0x01, MK_RBUTTON = 0x02, MK_SHIFT = 0x04, MK_CONTROL = 0x08 };

// Scroll-bar identifiers and scroll codes.
enum : int { SB_HORZ = 0, SB_VERT = 1 };
enum : unsigned {
    SB_LINEUP = 0, SB_LINEDOWN = 1, SB_PAGEUP = 2, SB_PAGEDOWN = 3, SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5, SB_TOP = 6, SB_BOTTOM = 7, SB_ENDSCROLL = 8,
    SB_LINELEFT = SB_LINEUP, SB_LINERIGHT = SB_LINEDOWN, SB_PAGELEFT = SB_PAGEUP,
    SB_PAGERIGHT = SB_PAGEDOWN, SB_LEFT = SB_TOP, SB_RIGHT = SB_BOTTOM,
};

// WM_SIZE types.
enum : unsigned { SIZE_RESTORED = 0, SIZE_MINIMIZED = 1, SIZE_MAXIMIZED = 2 };

// Show commands.
enum : int { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOWMINIMIZED = 2, SW_SHOWMAXIMIZED = 3, SW_SHOWMINNOACTIVE = 7 };

// Window and class style bits the editor asks for.
enum : uint32_t { WS_HSCROLL = 0x00100000, WS_VSCROLL = 0x00200000 };
enum : uint32_t { WS_EX_ACCEPTFILES = 0x00000010 };
enum : uint32_t { CS_DBLCLKS = 0x0008 };

// Message box styles and answers.
enum : unsigned {
    MB_OK = 0x00, MB_OKCANCEL = 0x01, MB_YESNOCANCEL = 0x03, MB_YESNO = 0x04,
    MB_ICONSTOP = 0x10, MB_ICONHAND = MB_ICONSTOP, MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30, MB_ICONINFORMATION = 0x40, MB_DEFBUTTON2 = 0x100, MB_TASKMODAL = 0x2000,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Device capabilities.
enum : int { LOGPIXELSX = 88, LOGPIXELSY = 90, HORZRES = 8, VERTRES = 10 };
// A printer's unprintable offsets at the paper's left and top edges.
enum : int { PHYSICALOFFSETX = 112, PHYSICALOFFSETY = 113 };

// Cursor shapes a window can show.
enum class TCursorKind { Arrow, IBeam, Wait, Help };

inline constexpr uint32_t MakeLParam(int lo, int hi) { return (uint32_t(uint16_t(lo))) | (uint32_t(uint16_t(hi)) << 16); }
inline constexpr int LoWordSigned(intptr_t v) { return int16_t(uint16_t(uintptr_t(v) & 0xFFFF)); }
inline constexpr int HiWordSigned(intptr_t v) { return int16_t(uint16_t((uintptr_t(v) >> 16) & 0xFFFF)); }
