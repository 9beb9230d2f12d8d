// The drawing classes over the GDI, painting into a window.
#include "afx_fixture.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

class CPainted : public CWnd {
public:
    CSize textSize;

protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        dc.FillSolidRect(0, 0, 10, 10, RGB(255, 0, 0));
        CDC mem;
        mem.CreateCompatibleDC(&dc);
        CBitmap bitmap;
        bitmap.CreateCompatibleBitmap(&dc, 4, 4);
        CBitmap* old = mem.SelectObject(&bitmap);
        mem.FillSolidRect(0, 0, 4, 4, RGB(0, 0, 255));
        dc.BitBlt(20, 0, 4, 4, &mem, 0, 0, SRCCOPY);
        dc.StretchBlt(30, 0, 8, 8, &mem, 0, 0, 4, 4, SRCCOPY);
        mem.SelectObject(old);
        CFont font;
        font.CreatePointFont(90, "Arial");
        CFont* oldFont = dc.SelectObject(&font);
        textSize = dc.GetTextExtent("abc");
        dc.SelectObject(oldFont);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPainted, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class DrawingClasses : public AfxTest {};

TEST_F(DrawingClasses, PaintDcFillsBlitsAndMeasuresIntoTheWindow)
{
    CPainted wnd;
    const HBRUSH white = reinterpret_cast<HBRUSH>(static_cast<std::intptr_t>(COLOR_WINDOW + 1));
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0, nullptr, white), "paint", WS_POPUP | WS_VISIBLE, 0, 0, 60, 20,
                             nullptr, nullptr));
    headless->Pump();
    const auto native = UserGetNativeWindow(wnd.m_hWnd);
    struct Case {
        int x, y;
        COLORREF want;
    } cases[] = {{0, 0, RGB(255, 0, 0)},  {9, 9, RGB(255, 0, 0)},  {21, 1, RGB(0, 0, 255)},
                 {24, 1, GetSysColor(COLOR_WINDOW)}, {37, 7, RGB(0, 0, 255)}, {38, 7, GetSysColor(COLOR_WINDOW)}};
    for (const auto& c : cases)
        EXPECT_EQ(headless->PixelAt(native, c.x, c.y), c.want) << c.x << "," << c.y;
    EXPECT_GT(wnd.textSize.cx, 0);
    // 9 points at 96 dpi is a 12-pixel character height.
    EXPECT_GE(wnd.textSize.cy, 12);
}

TEST_F(DrawingClasses, FontsFromPointsAndTemporaryWrappers)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Arial Black"));
    LOGFONTA lf{};
    ASSERT_GT(font.GetLogFont(&lf), 0);
    EXPECT_EQ(lf.lfHeight, -12);
    EXPECT_STREQ(lf.lfFaceName, "Arial Black");
    EXPECT_EQ(CFont::FromHandle(font), &font) << "an owned handle maps to its object";

    CRgn a, b, both;
    ASSERT_TRUE(a.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(b.CreateRectRgn(20, 0, 30, 10));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(both.CombineRgn(&a, &b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(both.PtInRegion(25, 5));
    EXPECT_FALSE(both.PtInRegion(15, 5));
    HRGN raw = CreateRectRgn(0, 0, 1, 1);
    CRgn* temp = CRgn::FromHandle(raw);
    EXPECT_EQ(temp->m_hObject, static_cast<HGDIOBJ>(raw));
    AfxDeleteTempMaps();
    EXPECT_TRUE(PtInRegion(raw, 0, 0)) << "a temporary wrapper does not delete what it never owned";
    DeleteObject(raw);
}

// A 24-bit BMP file of `width` x 1 pixels, all of one colour.
std::vector<unsigned char> OneRowBmp(int width, COLORREF color)
{
    const int rowBytes = (width * 3 + 3) & ~3;
    const int fileSize = 54 + rowBytes;
    std::vector<unsigned char> file(static_cast<std::size_t>(fileSize), 0);
    auto put32 = [&](int at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            file[static_cast<std::size_t>(at + i)] = static_cast<unsigned char>(v >> (8 * i));
    };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(fileSize));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, 1);
    file[26] = 1;  // planes
    file[28] = 24; // bits per pixel
    for (int x = 0; x < width; ++x) {
        file[static_cast<std::size_t>(54 + 3 * x)] = GetBValue(color);
        file[static_cast<std::size_t>(54 + 3 * x + 1)] = GetGValue(color);
        file[static_cast<std::size_t>(54 + 3 * x + 2)] = GetRValue(color);
    }
    return file;
}

TEST_F(DrawingClasses, BitmapFromTheProgramsResources)
{
    const std::vector<unsigned char> bmp = OneRowBmp(5, RGB(10, 20, 30));
    UserRegisterBitmapResource(7, bmp.data(), bmp.size());

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(7));
    BITMAP info{};
    ASSERT_GT(bitmap.GetBitmap(&info), 0);
    EXPECT_EQ(info.bmWidth, 5);
    EXPECT_EQ(info.bmHeight, 1);
    EXPECT_FALSE(bitmap.LoadBitmap(7)) << "an object holding a bitmap keeps it";

    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(8));
    EXPECT_EQ(missing.GetSafeHandle(), nullptr);
}

} // namespace
