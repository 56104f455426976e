// The keys and mouse buttons held down, the thread's key table, and which key events type a
// character.
#pragma once
#include <wx/event.h>

namespace wut {

bool isSpaceDown();
bool isShiftDown();
bool isControlDown();
bool isControlOrCommandDown();
bool isAltDown();
bool isAltGrDown();
bool isEscapeDown();
bool isLButtonDown();
bool isMButtonDown();
bool isRButtonDown();
// The 256-byte key table of the thread (GetKeyboardState / SetKeyboardState).
bool getKeyboardState(unsigned char* keys);
bool setKeyboardState(unsigned char* keys);
// Whether the key types a character (the numeric pad's digits and operators, space, tab and
// both enter keys do; function, navigation, modifier and lock keys do not). Either enter key
// leaves the event with the character 13.
bool isCharKeyDown(wxKeyEvent& event);

} // namespace wut
