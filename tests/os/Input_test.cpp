// Keys and buttons pressed through the X server's test extension, read back through the key
// queries; the thread's key table; which key events type characters.
#include "../gui/GuiTestApp.h"
#include "davaraz/os/Input.h"
#include "platform/win32/keyboard.h"

#include "../gui/ForeignWindows.h"
#include <X11/keysym.h>

#include <functional>

namespace {

using InputTest = GuiTest;

TEST_F(InputTest, KeysAndButtonsHeldDown)
{
    ForeignWindows x;
    ASSERT_NE(x.display(), nullptr);
    const std::pair<KeySym, std::function<bool()>> keys[] = {
        {XK_space, wut::isSpaceDown},     {XK_Shift_L, wut::isShiftDown},   {XK_Shift_R, wut::isShiftDown},
        {XK_Control_R, wut::isControlDown}, {XK_Control_L, wut::isControlOrCommandDown},
        {XK_Alt_L, wut::isAltDown},       {XK_ISO_Level3_Shift, wut::isAltGrDown}, {XK_Escape, wut::isEscapeDown},
    };
    for (const auto& k : keys) {
        EXPECT_FALSE(k.second()) << XKeysymToString(k.first);
        x.key(k.first, true);
        EXPECT_TRUE(k.second()) << XKeysymToString(k.first);
        EXPECT_FALSE(wut::isEscapeDown() && k.first != XK_Escape) << "only the key pressed";
        x.key(k.first, false);
        EXPECT_FALSE(k.second()) << XKeysymToString(k.first);
    }
    const std::pair<unsigned, std::function<bool()>> buttons[] = {
        {1, wut::isLButtonDown}, {2, wut::isMButtonDown}, {3, wut::isRButtonDown}};
    for (const auto& b : buttons) {
        x.button(b.first, true);
        EXPECT_TRUE(b.second()) << b.first;
        x.button(b.first, false);
        EXPECT_FALSE(b.second()) << b.first;
    }
}

TEST_F(InputTest, KeyTableIsTheSetOneUntilAKeyMoves)
{
    ForeignWindows x;
    ASSERT_NE(x.display(), nullptr);
    unsigned char keys[256] = {};
    x.key(XK_Shift_L, true);
    ASSERT_TRUE(wut::getKeyboardState(keys));
    EXPECT_EQ(keys[VK_SHIFT], 0x80);
    EXPECT_EQ(keys[VK_LSHIFT], 0x80);
    EXPECT_EQ(keys[VK_RSHIFT], 0);
    EXPECT_EQ(keys['Q'], 0);

    unsigned char mine[256] = {};
    mine['Q'] = 0x80;
    ASSERT_TRUE(wut::setKeyboardState(mine));
    ASSERT_TRUE(wut::getKeyboardState(keys));
    EXPECT_EQ(keys['Q'], 0x80);
    EXPECT_EQ(keys[VK_SHIFT], 0) << "the table set";
    x.key(XK_Shift_L, false);
    ASSERT_TRUE(wut::getKeyboardState(keys));
    EXPECT_EQ(keys['Q'], 0) << "a key moved: the keyboard again";
    EXPECT_EQ(keys[VK_SHIFT], 0);
    EXPECT_FALSE(wut::getKeyboardState(nullptr));
}

TEST(Input, CharacterKeysAndTheEnterCharacter)
{
    const struct {
        int code;
        bool typed;
    } cases[] = {{'a', true},           {WXK_SPACE, true},        {WXK_TAB, true},        {WXK_RETURN, true},
                 {WXK_NUMPAD_ENTER, true}, {WXK_NUMPAD0, true},   {WXK_NUMPAD_ADD, true}, {WXK_DELETE, false},
                 {WXK_SHIFT, false},    {WXK_HELP, false},        {WXK_F5, false},        {WXK_PAGEDOWN, false},
                 {WXK_NUMPAD_F1, false}, {WXK_NUMPAD_DELETE, false}, {WXK_WINDOWS_MENU, false}, {1000, false}};
    for (const auto& c : cases) {
        wxKeyEvent event(wxEVT_KEY_DOWN);
        event.m_keyCode = c.code;
        event.m_uniChar = 'x';
        EXPECT_EQ(wut::isCharKeyDown(event), c.typed) << c.code;
        EXPECT_EQ(event.GetUnicodeKey(), c.code == WXK_RETURN || c.code == WXK_NUMPAD_ENTER ? 13 : 'x') << c.code;
    }
}

} // namespace
