// Qt keys to virtual keys and text, and standard pointer shapes.
#include "platform/qt_backend.h"
#include "platform/user_constants.h"

#include <Qt>

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    const char* name;
    int key;
    bool shift, control, keypad;
    const char* text;
    UINT vk;
    const char* expectedText;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class MapQtKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(MapQtKeyTest, GivesTheKeyOrTheText)
{
    const KeyCase& c = GetParam();
    const platform::KeyReport r = platform::MapQtKey(c.key, c.shift, c.control, c.keypad, c.text);
    EXPECT_EQ(r.vk, c.vk);
    EXPECT_EQ(r.text, c.expectedText);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, MapQtKeyTest,
    ::testing::Values(
        KeyCase{"letter", Qt::Key_A, false, false, false, "a", 'A', ""},
        KeyCase{"capital", Qt::Key_A, true, false, false, "A", 'A', ""},
        KeyCase{"capsLockLetter", Qt::Key_A, false, false, false, "A", 'A', ""},
        KeyCase{"controlLetter", Qt::Key_C, false, true, false, "\x03", 'C', ""},
        KeyCase{"digit", Qt::Key_1, false, false, false, "1", '1', ""},
        KeyCase{"shiftedDigit", Qt::Key_Exclam, true, false, false, "!", '1', ""},
        KeyCase{"usSymbol", Qt::Key_Semicolon, false, false, false, ";", VK_OEM_1, ""},
        KeyCase{"usShiftedSymbol", Qt::Key_QuoteDbl, true, false, false, "\"", VK_OEM_7, ""},
        // AZERTY: '&' without Shift, '1' with it; the US keys would type otherwise.
        KeyCase{"otherLayoutSymbol", Qt::Key_Ampersand, false, false, false, "&", 0, "&"},
        KeyCase{"otherLayoutDigit", Qt::Key_1, true, false, false, "1", 0, "1"},
        KeyCase{"accented", Qt::Key_Eacute, false, false, false, "\xC3\xA9", 0, "\xC3\xA9"},
        KeyCase{"hangulText", Qt::Key_unknown, false, false, false, "\xED\x95\x9C", 0, "\xED\x95\x9C"},
        KeyCase{"escape", Qt::Key_Escape, false, false, false, "\x1b", VK_ESCAPE, ""},
        KeyCase{"enter", Qt::Key_Return, false, false, false, "\r", VK_RETURN, ""},
        KeyCase{"keypadEnter", Qt::Key_Enter, false, false, true, "\r", VK_RETURN, ""},
        KeyCase{"space", Qt::Key_Space, false, false, false, " ", VK_SPACE, ""},
        KeyCase{"function", Qt::Key_F5, false, false, false, "", VK_F1 + 4, ""},
        KeyCase{"keypadDigit", Qt::Key_5, false, false, true, "5", VK_NUMPAD0 + 5, ""},
        KeyCase{"keypadPlus", Qt::Key_Plus, false, false, true, "+", VK_ADD, ""},
        KeyCase{"shift", Qt::Key_Shift, true, false, false, "", VK_SHIFT, ""},
        KeyCase{"arrow", Qt::Key_Left, false, false, false, "", VK_LEFT, ""},
        KeyCase{"hangulKey", Qt::Key_Hangul, false, false, false, "", 0x15, ""},
        KeyCase{"unknownSilent", Qt::Key_unknown, false, false, false, "", 0, ""}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST(QtCursorShape, StandardCursorsHaveTheirShapes)
{
    struct Case {
        int idc;
        Qt::CursorShape shape;
    };
    const Case cases[] = {
        {32512, Qt::ArrowCursor},        {32513, Qt::IBeamCursor}, {32649, Qt::PointingHandCursor},
        {32644, Qt::SizeHorCursor},      {0, Qt::BlankCursor},     {12345, Qt::ArrowCursor},
    };
    for (const Case& c : cases)
        EXPECT_EQ(platform::QtCursorShapeFor(c.idc), c.shape) << c.idc;
}

} // namespace
