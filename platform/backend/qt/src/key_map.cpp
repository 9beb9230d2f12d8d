// Qt keys to the runtime's virtual keys.  The runtime makes characters
// from virtual keys with a US layout, so a key is reported as a virtual key
// only when that layout would make the same character from it; a key of
// another layout that types something else is reported as its text.
#include "platform/qt_backend.h"
#include "platform/user_constants.h"

#include <Qt>

#include <optional>

namespace platform {
namespace {

constexpr UINT kVkSnapshot = 0x2C; // Print Screen
constexpr UINT kVkHangul = 0x15;
constexpr UINT kVkHanja = 0x19;

struct Named {
    int key;
    UINT vk;
};

// Keys that make no character (or make a control character).
constexpr Named kNamedKeys[] = {
    {Qt::Key_Escape, VK_ESCAPE},     {Qt::Key_Tab, VK_TAB},           {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Backspace, VK_BACK},    {Qt::Key_Return, VK_RETURN},     {Qt::Key_Enter, VK_RETURN},
    {Qt::Key_Insert, VK_INSERT},     {Qt::Key_Delete, VK_DELETE},     {Qt::Key_Pause, VK_PAUSE},
    {Qt::Key_Print, kVkSnapshot},    {Qt::Key_Clear, VK_CLEAR},       {Qt::Key_Home, VK_HOME},
    {Qt::Key_End, VK_END},           {Qt::Key_Left, VK_LEFT},         {Qt::Key_Up, VK_UP},
    {Qt::Key_Right, VK_RIGHT},       {Qt::Key_Down, VK_DOWN},         {Qt::Key_PageUp, VK_PRIOR},
    {Qt::Key_PageDown, VK_NEXT},     {Qt::Key_Shift, VK_SHIFT},       {Qt::Key_Control, VK_CONTROL},
    {Qt::Key_Alt, VK_MENU},          {Qt::Key_AltGr, VK_RMENU},       {Qt::Key_Meta, VK_LWIN},
    {Qt::Key_Super_L, VK_LWIN},      {Qt::Key_Super_R, VK_RWIN},      {Qt::Key_Menu, VK_APPS},
    {Qt::Key_CapsLock, VK_CAPITAL},  {Qt::Key_NumLock, VK_NUMLOCK},   {Qt::Key_ScrollLock, VK_SCROLL},
    {Qt::Key_Hangul, kVkHangul},     {Qt::Key_Hangul_Hanja, kVkHanja}, {Qt::Key_Space, VK_SPACE},
};

// Printable ASCII keys other than letters and digits: the US key that makes
// the character, and whether it takes Shift there.
struct Symbol {
    char ch;
    UINT vk;
    bool shifted;
};

constexpr Symbol kSymbols[] = {
    {'!', '1', true},           {'@', '2', true},           {'#', '3', true},           {'$', '4', true},
    {'%', '5', true},           {'^', '6', true},           {'&', '7', true},           {'*', '8', true},
    {'(', '9', true},           {')', '0', true},           {';', VK_OEM_1, false},     {':', VK_OEM_1, true},
    {'=', VK_OEM_PLUS, false},  {'+', VK_OEM_PLUS, true},   {',', VK_OEM_COMMA, false}, {'<', VK_OEM_COMMA, true},
    {'-', VK_OEM_MINUS, false}, {'_', VK_OEM_MINUS, true},  {'.', VK_OEM_PERIOD, false}, {'>', VK_OEM_PERIOD, true},
    {'/', VK_OEM_2, false},     {'?', VK_OEM_2, true},      {'`', VK_OEM_3, false},     {'~', VK_OEM_3, true},
    {'[', VK_OEM_4, false},     {'{', VK_OEM_4, true},      {'\\', VK_OEM_5, false},    {'|', VK_OEM_5, true},
    {']', VK_OEM_6, false},     {'}', VK_OEM_6, true},      {'\'', VK_OEM_7, false},    {'"', VK_OEM_7, true},
};

// Keypad keys with Num Lock on.
constexpr Symbol kKeypadSymbols[] = {
    {'*', VK_MULTIPLY, false}, {'+', VK_ADD, false},     {'-', VK_SUBTRACT, false},
    {'.', VK_DECIMAL, false},  {'/', VK_DIVIDE, false},  {',', VK_DECIMAL, false},
};

std::optional<Symbol> SymbolFor(int key, bool keypad)
{
    if (key < 0x20 || key > 0x7E)
        return std::nullopt;
    const char ch = static_cast<char>(key);
    if (keypad)
        for (const Symbol& s : kKeypadSymbols)
            if (s.ch == ch)
                return s;
    for (const Symbol& s : kSymbols)
        if (s.ch == ch)
            return s;
    return std::nullopt;
}

bool IsControlText(const std::string& text)
{
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u != 0x7F)
            return false;
    }
    return true;
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

KeyReport MapQtKey(int key, bool shift, bool control, bool keypad, const std::string& text)
{
    KeyReport report;
    // The character the US layout makes from the key we report (0: none
    // known; letters compare without case, since Caps Lock decides it).
    char expected = 0;
    if (key >= Qt::Key_A && key <= Qt::Key_Z) {
        report.vk = static_cast<UINT>(key);
        expected = static_cast<char>('a' + (key - Qt::Key_A));
    } else if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        if (keypad) {
            report.vk = VK_NUMPAD0 + static_cast<UINT>(key - Qt::Key_0);
            expected = static_cast<char>(key);
        } else {
            report.vk = static_cast<UINT>(key);
            expected = shift ? ")!@#$%^&*("[key - Qt::Key_0] : static_cast<char>(key);
        }
    } else if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        report.vk = VK_F1 + static_cast<UINT>(key - Qt::Key_F1);
    } else if (const std::optional<Symbol> s = SymbolFor(key, keypad); s && key != Qt::Key_Space) {
        // A symbol typed without the Shift state its US key needs comes
        // from another layout: it is text, not that key.
        if (keypad || s->shifted == shift) {
            report.vk = s->vk;
            expected = s->ch;
        }
    } else {
        for (const Named& n : kNamedKeys)
            if (n.key == key) {
                report.vk = n.vk;
                break;
            }
        if (key == Qt::Key_Space)
            expected = ' ';
    }

    if (text.empty() || IsControlText(text))
        return report; // nothing typed, or what Ctrl and the named keys make
    if (report.vk != 0 && (control || (text.size() == 1 && Lower(text[0]) == Lower(expected) && expected != 0)))
        return report; // the runtime makes this character from the key
    if (report.vk != 0 && expected == 0 && text.size() == 1)
        return report; // keypad or function keys with odd text: the key decides
    report.vk = 0;
    report.text = text;
    return report;
}

} // namespace platform
