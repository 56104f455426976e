// Key and button state from the X server: XQueryKeymap for keys (each virtual key names the
// keysyms it stands for), XQueryPointer for the mouse buttons.
#include "platform/win32/keyboard.h"
#include "platform/win32/errors.h"
#include "platform/win32/winuser.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <array>
#include <cstring>
#include <vector>

namespace {

// The keysyms a virtual key stands for.
std::vector<KeySym> keysymsOf(int vk)
{
    switch (vk) {
    case VK_SHIFT: return {XK_Shift_L, XK_Shift_R};
    case VK_LSHIFT: return {XK_Shift_L};
    case VK_RSHIFT: return {XK_Shift_R};
    case VK_CONTROL: return {XK_Control_L, XK_Control_R};
    case VK_LCONTROL: return {XK_Control_L};
    case VK_RCONTROL: return {XK_Control_R};
    case VK_MENU: return {XK_Alt_L, XK_Alt_R, XK_Meta_L, XK_Meta_R, XK_ISO_Level3_Shift};
    case VK_LMENU: return {XK_Alt_L, XK_Meta_L};
    case VK_RMENU: return {XK_Alt_R, XK_ISO_Level3_Shift};
    case VK_ESCAPE: return {XK_Escape};
    case VK_SPACE: return {XK_space};
    case VK_TAB: return {XK_Tab};
    case VK_RETURN: return {XK_Return, XK_KP_Enter};
    case VK_BACK: return {XK_BackSpace};
    case VK_CAPITAL: return {XK_Caps_Lock};
    case VK_PRIOR: return {XK_Prior};
    case VK_NEXT: return {XK_Next};
    case VK_END: return {XK_End};
    case VK_HOME: return {XK_Home};
    case VK_LEFT: return {XK_Left};
    case VK_UP: return {XK_Up};
    case VK_RIGHT: return {XK_Right};
    case VK_DOWN: return {XK_Down};
    case VK_INSERT: return {XK_Insert};
    case VK_DELETE: return {XK_Delete};
    default: break;
    }
    if (vk >= '0' && vk <= '9')
        return {static_cast<KeySym>(XK_0 + (vk - '0'))};
    if (vk >= 'A' && vk <= 'Z')
        return {static_cast<KeySym>(XK_a + (vk - 'A'))};
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9)
        return {static_cast<KeySym>(XK_KP_0 + (vk - VK_NUMPAD0))};
    if (vk >= VK_F1 && vk < VK_F1 + 24)
        return {static_cast<KeySym>(XK_F1 + (vk - VK_F1))};
    return {};
}

bool keyDown(Display* d, const char keymap[32], int vk)
{
    for (const KeySym sym : keysymsOf(vk)) {
        const KeyCode code = XKeysymToKeycode(d, sym);
        if (code && (keymap[code / 8] & (1 << (code % 8))))
            return true;
    }
    return false;
}

unsigned buttonsDown(Display* d)
{
    Window root = 0, child = 0;
    int rx, ry, wx, wy;
    unsigned mask = 0;
    XQueryPointer(d, DefaultRootWindow(d), &root, &child, &rx, &ry, &wx, &wy, &mask);
    return mask;
}

struct ThreadTable {
    bool set = false;
    std::array<BYTE, 256> table{};
    std::array<char, 32> keymapWhenSet{};
};
thread_local ThreadTable t_table;

} // namespace

SHORT GetAsyncKeyState(int vKey)
{
    Display* d = static_cast<Display*>(win32::x11Display());
    if (!d)
        return 0;
    bool down = false;
    if (vKey == VK_LBUTTON || vKey == VK_RBUTTON || vKey == VK_MBUTTON) {
        const unsigned mask = buttonsDown(d);
        down = (vKey == VK_LBUTTON && (mask & Button1Mask)) || (vKey == VK_MBUTTON && (mask & Button2Mask)) ||
               (vKey == VK_RBUTTON && (mask & Button3Mask));
    } else {
        char keymap[32];
        XQueryKeymap(d, keymap);
        down = keyDown(d, keymap, vKey);
    }
    return down ? static_cast<SHORT>(0x8000) : 0;
}

BOOL GetKeyboardState(PBYTE lpKeyState)
{
    Display* d = static_cast<Display*>(win32::x11Display());
    if (!lpKeyState || !d) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::array<char, 32> keymap{};
    XQueryKeymap(d, keymap.data());
    if (t_table.set && keymap == t_table.keymapWhenSet) {
        std::memcpy(lpKeyState, t_table.table.data(), 256);
        return TRUE;
    }
    t_table.set = false;
    const unsigned mask = buttonsDown(d);
    for (int vk = 0; vk < 256; ++vk)
        lpKeyState[vk] = keyDown(d, keymap.data(), vk) ? 0x80 : 0;
    lpKeyState[VK_LBUTTON] = (mask & Button1Mask) ? 0x80 : 0;
    lpKeyState[VK_MBUTTON] = (mask & Button2Mask) ? 0x80 : 0;
    lpKeyState[VK_RBUTTON] = (mask & Button3Mask) ? 0x80 : 0;
    return TRUE;
}

BOOL SetKeyboardState(PBYTE lpKeyState)
{
    Display* d = static_cast<Display*>(win32::x11Display());
    if (!lpKeyState || !d) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    std::memcpy(t_table.table.data(), lpKeyState, 256);
    XQueryKeymap(d, t_table.keymapWhenSet.data());
    t_table.set = true;
    return TRUE;
}
