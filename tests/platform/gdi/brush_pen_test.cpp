// Brush and pen objects: creation, records, stock objects, selection and
// what happens to handles that are gone.
#include "gdi_test_support.h"
#include "picture.h"

#include <gtest/gtest.h>

using namespace gditest;

namespace {

TEST(BrushObjects, RecordsDescribeWhatWasCreated)
{
    Brush solid(CreateSolidBrush(RGB(10, 20, 30)));
    ASSERT_TRUE(solid);
    EXPECT_EQ(GetObjectType(solid.get()), OBJ_BRUSH);
    LOGBRUSH lb{};
    EXPECT_EQ(GetObjectA(solid.get(), sizeof lb, &lb), static_cast<int>(sizeof lb));
    EXPECT_EQ(lb.lbStyle, BS_SOLID);
    EXPECT_EQ(lb.lbColor, RGB(10, 20, 30));
    EXPECT_EQ(GetObjectA(solid.get(), 0, nullptr), static_cast<int>(sizeof(LOGBRUSH)));

    const LOGBRUSH hollowIn{BS_HOLLOW, RGB(1, 2, 3), 0};
    Brush hollow(CreateBrushIndirect(&hollowIn));
    ASSERT_TRUE(hollow);
    GetObjectA(hollow.get(), sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, BS_NULL);

    const LOGBRUSH hatched{2 /* BS_HATCHED */, 0, 0};
    EXPECT_EQ(CreateBrushIndirect(&hatched), nullptr);
    EXPECT_EQ(CreateBrushIndirect(nullptr), nullptr);
}

TEST(PenObjects, RecordsDescribeWhatWasCreated)
{
    Pen pen(CreatePen(PS_DOT, 3, RGB(200, 0, 5)));
    ASSERT_TRUE(pen);
    EXPECT_EQ(GetObjectType(pen.get()), OBJ_PEN);
    LOGPEN lp{};
    EXPECT_EQ(GetObjectA(pen.get(), sizeof lp, &lp), static_cast<int>(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, PS_DOT);
    EXPECT_EQ(lp.lopnWidth.x, 3);
    EXPECT_EQ(lp.lopnColor, RGB(200, 0, 5));

    const LOGPEN in{PS_NULL, {0, 0}, 0};
    Pen none(CreatePenIndirect(&in));
    ASSERT_TRUE(none);
    GetObjectA(none.get(), sizeof lp, &lp);
    EXPECT_EQ(lp.lopnStyle, PS_NULL);

    EXPECT_EQ(CreatePen(PS_SOLID, -1, 0), nullptr);
    EXPECT_EQ(CreatePen(7, 1, 0), nullptr);
}

TEST(StockObjects, HaveTheirColoursAndIgnoreDeleteObject)
{
    const struct {
        int which;
        UINT style;
        COLORREF color;
    } brushes[] = {
        {WHITE_BRUSH, BS_SOLID, RGB(255, 255, 255)}, {LTGRAY_BRUSH, BS_SOLID, RGB(192, 192, 192)},
        {GRAY_BRUSH, BS_SOLID, RGB(128, 128, 128)},  {DKGRAY_BRUSH, BS_SOLID, RGB(64, 64, 64)},
        {BLACK_BRUSH, BS_SOLID, RGB(0, 0, 0)},       {NULL_BRUSH, BS_NULL, 0},
    };
    for (const auto& b : brushes) {
        HGDIOBJ h = GetStockObject(b.which);
        ASSERT_NE(h, nullptr) << b.which;
        EXPECT_TRUE(DeleteObject(h));
        LOGBRUSH lb{};
        ASSERT_EQ(GetObjectA(h, sizeof lb, &lb), static_cast<int>(sizeof lb)) << b.which;
        EXPECT_EQ(lb.lbStyle, b.style) << b.which;
        if (b.style == BS_SOLID) {
            EXPECT_EQ(lb.lbColor, b.color) << b.which;
        }
    }
    EXPECT_EQ(GetStockObject(HOLLOW_BRUSH), GetStockObject(NULL_BRUSH));

    const struct {
        int which;
        UINT style;
        COLORREF color;
    } pens[] = {{WHITE_PEN, PS_SOLID, RGB(255, 255, 255)}, {BLACK_PEN, PS_SOLID, 0}, {NULL_PEN, PS_NULL, 0}};
    for (const auto& p : pens) {
        HGDIOBJ h = GetStockObject(p.which);
        ASSERT_NE(h, nullptr) << p.which;
        EXPECT_TRUE(DeleteObject(h));
        LOGPEN lp{};
        ASSERT_EQ(GetObjectA(h, sizeof lp, &lp), static_cast<int>(sizeof lp)) << p.which;
        EXPECT_EQ(lp.lopnStyle, p.style);
        EXPECT_EQ(lp.lopnColor, p.color);
    }
    EXPECT_EQ(GetStockObject(9), nullptr); // no stock object there
    EXPECT_EQ(GetStockObject(-1), nullptr);
    EXPECT_EQ(GetStockObject(1000), nullptr);
}

TEST(BrushSelection, ReturnsThePreviousAndStartsFromTheDefaults)
{
    Canvas c(2, 2);
    EXPECT_EQ(GetCurrentObject(c.dc.get(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(c.dc.get(), OBJ_PEN), GetStockObject(BLACK_PEN));

    Brush red(CreateSolidBrush(RGB(255, 0, 0)));
    Pen blue(CreatePen(PS_SOLID, 1, RGB(0, 0, 255)));
    EXPECT_EQ(SelectObject(c.dc.get(), red.get()), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(c.dc.get(), blue.get()), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(c.dc.get(), OBJ_BRUSH), red.get());
    EXPECT_EQ(SelectObject(c.dc.get(), GetStockObject(BLACK_BRUSH)), red.get());
    EXPECT_EQ(SelectObject(c.dc.get(), GetStockObject(NULL_PEN)), blue.get());
}

TEST(BrushSelection, StaleHandlesFailAndDeletedSelectionsFallBack)
{
    Canvas c(3, 1);
    c.fill(RGB(0, 0, 0));
    HBRUSH gone = CreateSolidBrush(RGB(9, 9, 9));
    ASSERT_TRUE(DeleteObject(gone));
    EXPECT_FALSE(DeleteObject(gone));
    EXPECT_EQ(GetObjectType(gone), 0u);
    LOGBRUSH lb{};
    EXPECT_EQ(GetObjectA(gone, sizeof lb, &lb), 0);
    EXPECT_EQ(SelectObject(c.dc.get(), gone), nullptr);
    const RECT all{0, 0, 3, 1};
    EXPECT_EQ(FillRect(c.dc.get(), &all, gone), 0);
    EXPECT_EQ(c.at(0, 0), RGB(0, 0, 0));

    // A selected brush may be deleted; the DC then paints with the stock
    // white brush and reports it as current.
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    SelectObject(c.dc.get(), green);
    ASSERT_TRUE(DeleteObject(green));
    EXPECT_EQ(GetCurrentObject(c.dc.get(), OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(PatBlt(c.dc.get(), 0, 0, 1, 1, PATCOPY));
    EXPECT_EQ(c.at(0, 0), RGB(255, 255, 255));

    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    SelectObject(c.dc.get(), red);
    ASSERT_TRUE(DeleteObject(red));
    EXPECT_EQ(GetCurrentObject(c.dc.get(), OBJ_PEN), GetStockObject(BLACK_PEN));
    SelectObject(c.dc.get(), GetStockObject(WHITE_BRUSH));
    c.fill(RGB(50, 50, 50));
    MoveToEx(c.dc.get(), 0, 0, nullptr);
    EXPECT_TRUE(LineTo(c.dc.get(), 3, 0));
    EXPECT_EQ(c.at(1, 0), RGB(0, 0, 0));
}

} // namespace
