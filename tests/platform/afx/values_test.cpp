// CString, COleDateTime and the number rules of DDX_Text: plain values.
#include "platform/afx.h"

#include <gtest/gtest.h>

namespace {

TEST(CStringTest, CountsBytesOfUtf8AndFormatsCStringArguments)
{
    const CString hangul("양의 정수");
    EXPECT_EQ(hangul.GetLength(), 13) << "three-byte syllables, one blank";
    CString s;
    s.Format("%s=%d [%s]", CString("speed"), 7, static_cast<LPCSTR>(hangul));
    EXPECT_STREQ(s, "speed=7 [양의 정수]");
    s.Format("%4d%02d%02d%02d%02d%02d", 2024, 3, 9, 7, 5, 0);
    EXPECT_STREQ(s, "20240309070500");
}

TEST(CStringTest, ExtractsSearchesAndEditsWithinBounds)
{
    const CString s("Hello, World");
    struct Case {
        CString got;
        const char* want;
    } cases[] = {
        {s.Left(5), "Hello"},   {s.Left(99), "Hello, World"}, {s.Left(-1), ""},
        {s.Mid(7), "World"},    {s.Mid(7, 2), "Wo"},          {s.Mid(40), ""},
        {s.Right(5), "World"},  {s.Right(40), "Hello, World"}, {s.SpanExcluding(","), "Hello"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(c.got, c.want);
    EXPECT_EQ(s.Find('o'), 4);
    EXPECT_EQ(s.Find('o', 5), 8);
    EXPECT_EQ(s.Find("World"), 7);
    EXPECT_EQ(s.Find("x"), -1);
    EXPECT_EQ(s.Find('o', 99), -1);
    EXPECT_EQ(s.ReverseFind('o'), 8);

    CString t("  a&b&c \t");
    t.TrimLeft();
    t.TrimRight();
    EXPECT_STREQ(t, "a&b&c");
    EXPECT_EQ(t.Replace("&", "&&"), 2);
    EXPECT_STREQ(t, "a&&b&&c");
    EXPECT_EQ(t.Remove('&'), 4);
    EXPECT_TRUE(t == "abc");
    EXPECT_TRUE(CString("abc") < CString("abd"));
    EXPECT_EQ(CString("ABC").CompareNoCase("abc"), 0);

    CString buffer;
    std::snprintf(buffer.GetBuffer(16), 17, "%s", "written");
    buffer.ReleaseBuffer();
    EXPECT_EQ(buffer.GetLength(), 7);
    EXPECT_STREQ(buffer + "!", "written!");
}

TEST(COleDateTimeTest, FieldsDifferencesAndFormat)
{
    const COleDateTime start(2024, 2, 28, 23, 59, 30);
    ASSERT_EQ(start.GetStatus(), COleDateTime::valid);
    const COleDateTime later = start + COleDateTimeSpan(1, 0, 0, 45);
    EXPECT_EQ(later.GetYear(), 2024);
    EXPECT_EQ(later.GetMonth(), 3);
    EXPECT_EQ(later.GetDay(), 1) << "2024 is a leap year: 28 Feb + 1 day 45 s is 1 Mar 00:00:15";
    EXPECT_EQ(later.GetHour(), 0);
    EXPECT_EQ(later.GetSecond(), 15);
    EXPECT_EQ((later - start).GetTotalSeconds(), 86445.0);
    EXPECT_EQ(start.GetDayOfWeek(), 4) << "a Wednesday";
    EXPECT_STREQ(start.Format("%Y-%m-%d %H:%M:%S"), "2024-02-28 23:59:30");
    EXPECT_EQ(COleDateTime(2023, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    const COleDateTime old(1899, 12, 29, 6, 0, 0);
    EXPECT_EQ(old.GetDay(), 29);
    EXPECT_EQ(old.GetHour(), 6);
    EXPECT_EQ((COleDateTime(1899, 12, 30, 0, 0, 0) - old).GetTotalSeconds(), 18.0 * 3600);
}

TEST(DdxNumbers, UnsignedTakesDigitsWithBlanksAroundAndNothingElse)
{
    struct Case {
        const char* text;
        bool ok;
        UINT value;
    } cases[] = {
        {"5", true, 5},          {" 12\t", true, 12},    {"0", true, 0},         {"4294967295", true, 4294967295u},
        {"4294967296", false, 0}, {"abc", false, 0},     {"", false, 0},         {"  ", false, 0},
        {"-3", false, 0},        {"+3", false, 0},       {"7x", false, 0},       {"1 2", false, 0},
    };
    for (const auto& c : cases) {
        UINT v = 99;
        EXPECT_EQ(AfxParseUInt(c.text, v), c.ok) << '"' << c.text << '"';
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
    }
    struct IntCase {
        const char* text;
        bool ok;
        int value;
    } ints[] = {{"-3", true, -3}, {" +8 ", true, 8}, {"-2147483648", true, -2147483647 - 1},
                {"2147483648", false, 0}, {"--1", false, 0}, {"x", false, 0}};
    for (const auto& c : ints) {
        int v = 99;
        EXPECT_EQ(AfxParseInt(c.text, v), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(v, c.value) << c.text;
        }
    }
}

TEST(CArrayTest, GrowsRemovesAndChecksIndices)
{
    CArray<int, int> a;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(a.Add(i * 10), i);
    a.RemoveAt(1, 2);
    ASSERT_EQ(a.GetSize(), 3);
    EXPECT_EQ(a[0], 0);
    EXPECT_EQ(a[1], 30);
    a.SetAtGrow(5, 7);
    EXPECT_EQ(a.GetSize(), 6);
    EXPECT_EQ(a.GetAt(4), 0);
    EXPECT_THROW(a.GetAt(6), std::out_of_range);
    EXPECT_THROW(a.GetAt(-1), std::out_of_range);
    a.RemoveAll();
    EXPECT_TRUE(a.IsEmpty());
}

} // namespace
