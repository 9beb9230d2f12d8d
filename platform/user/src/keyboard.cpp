#include "keyboard.h"

#include "runtime.h"

namespace user {

bool SetKeyDown(UINT vk, bool down)
{
    BYTE& state = RT().keys[vk & 0xFF];
    const bool was = (state & 0x80) != 0;
    if (down) {
        if (!was)
            state ^= 0x01;
        state |= 0x80;
    } else {
        state &= static_cast<BYTE>(~0x80);
    }
    return was;
}

bool KeyDown(UINT vk) { return (RT().keys[vk & 0xFF] & 0x80) != 0; }

WPARAM MouseKeyFlags()
{
    WPARAM flags = 0;
    if (KeyDown(VK_LBUTTON))
        flags |= MK_LBUTTON;
    if (KeyDown(VK_RBUTTON))
        flags |= MK_RBUTTON;
    if (KeyDown(VK_MBUTTON))
        flags |= MK_MBUTTON;
    if (KeyDown(VK_SHIFT))
        flags |= MK_SHIFT;
    if (KeyDown(VK_CONTROL))
        flags |= MK_CONTROL;
    return flags;
}

std::optional<char> CharForKey(UINT vk)
{
    const bool shift = KeyDown(VK_SHIFT);
    const bool ctrl = KeyDown(VK_CONTROL);
    const bool caps = (RT().keys[VK_CAPITAL] & 0x01) != 0;
    if (vk >= 'A' && vk <= 'Z') {
        if (ctrl)
            return static_cast<char>(vk - 'A' + 1);
        const bool upper = shift != caps;
        return static_cast<char>(upper ? vk : vk - 'A' + 'a');
    }
    if (ctrl)
        return std::nullopt;
    if (vk >= '0' && vk <= '9') {
        static const char shifted[] = ")!@#$%^&*(";
        return shift ? shifted[vk - '0'] : static_cast<char>(vk);
    }
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9)
        return static_cast<char>('0' + (vk - VK_NUMPAD0));
    struct Pair {
        UINT vk;
        char plain;
        char shifted;
    };
    static const Pair table[] = {
        {VK_SPACE, ' ', ' '},      {VK_RETURN, '\r', '\r'},    {VK_BACK, '\b', '\b'},
        {VK_TAB, '\t', '\t'},      {VK_ESCAPE, '\x1b', '\x1b'}, {VK_OEM_1, ';', ':'},
        {VK_OEM_PLUS, '=', '+'},   {VK_OEM_COMMA, ',', '<'},   {VK_OEM_MINUS, '-', '_'},
        {VK_OEM_PERIOD, '.', '>'}, {VK_OEM_2, '/', '?'},       {VK_OEM_3, '`', '~'},
        {VK_OEM_4, '[', '{'},      {VK_OEM_5, '\\', '|'},      {VK_OEM_6, ']', '}'},
        {VK_OEM_7, '\'', '"'},     {VK_MULTIPLY, '*', '*'},    {VK_ADD, '+', '+'},
        {VK_SUBTRACT, '-', '-'},   {VK_DECIMAL, '.', '.'},     {VK_DIVIDE, '/', '/'},
    };
    for (const Pair& p : table)
        if (p.vk == vk)
            return shift ? p.shifted : p.plain;
    return std::nullopt;
}

} // namespace user

using namespace user;

extern "C" {

SHORT GetKeyState(int vk)
{
    const BYTE state = RT().keys[static_cast<unsigned>(vk) & 0xFF];
    return static_cast<SHORT>(((state & 0x80) != 0 ? 0x8000 : 0) | (state & 0x01));
}

SHORT GetAsyncKeyState(int vk)
{
    // The runtime only knows the keys of the input it has taken.
    return static_cast<SHORT>((RT().keys[static_cast<unsigned>(vk) & 0xFF] & 0x80) != 0 ? 0x8000 : 0);
}

} // extern "C"
