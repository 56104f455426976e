// Key and button queries over ut::KeyCodes, wxWidgets' mouse state and the stand-in's key table.
#include "davaraz/os/Input.h"
#include "platform/tvutils/KeyCodes.h"
#include "platform/win32/keyboard.h"

#include <wx/utils.h>

namespace wut {

bool isSpaceDown() { return ut::KeyCodes::getInstance().isSpaceDown(); }
bool isShiftDown() { return ut::KeyCodes::getInstance().isShiftDown(); }
bool isControlDown() { return ut::KeyCodes::getInstance().isControlDown(); }
bool isControlOrCommandDown() { return ut::KeyCodes::getInstance().isControlOrCommandDown(); }
bool isAltDown() { return ut::KeyCodes::getInstance().isAltDown(); }
bool isAltGrDown() { return ut::KeyCodes::getInstance().isAltGrDown(); }
bool isEscapeDown() { return ut::KeyCodes::getInstance().isEscapeDown(); }

bool isLButtonDown() { return wxGetMouseState().LeftIsDown(); }
bool isMButtonDown() { return wxGetMouseState().MiddleIsDown(); }
bool isRButtonDown() { return wxGetMouseState().RightIsDown(); }

bool getKeyboardState(unsigned char* keys) { return GetKeyboardState(keys) != FALSE; }
bool setKeyboardState(unsigned char* keys) { return SetKeyboardState(keys) != FALSE; }

bool isCharKeyDown(wxKeyEvent& event)
{
    const int k = event.GetKeyCode();
    // Delete; mouse buttons to help (cancel, clear, modifiers, pause, caps lock, navigation...);
    // F1 to F24, the locks, page up and down; the numeric pad's F1 to delete; Windows and menu keys.
    const bool other = k == WXK_DELETE || (k >= WXK_LBUTTON && k <= WXK_HELP) || (k >= WXK_F1 && k <= WXK_PAGEDOWN) ||
                       (k >= WXK_NUMPAD_F1 && k <= WXK_NUMPAD_DELETE) || k >= WXK_WINDOWS_LEFT;
    static_assert(WXK_LBUTTON == 301 && WXK_HELP == 323 && WXK_F1 == 340 && WXK_PAGEDOWN == 367 &&
                      WXK_NUMPAD_F1 == 371 && WXK_NUMPAD_DELETE == 385 && WXK_WINDOWS_LEFT == 393,
                  "the key code ranges of wxWidgets 3.x");
    if (k == WXK_RETURN || k == WXK_NUMPAD_ENTER)
        event.m_uniChar = 13;
    return !other;
}

} // namespace wut
