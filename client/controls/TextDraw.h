// The headline ticker: one line of headlines moving left by one pixel per
// tick and starting over once its end has passed.  All items are rendered
// once into an off-screen strip whenever the items, colours or font change
// (BuildStrip); a tick only copies the visible part of the strip to the
// window.  A left click on an item opens its link in the web browser; the
// main window forwards the text colour, font and speed commands of its
// ticker menu here.
#pragma once

#include "platform/afx.h"

#include <functional>
#include <list>
#include <memory>
#include <optional>

// One headline: its text, the address of its article (may be empty), and
// its place in the strip (all 0 until the next BuildStrip).
struct TickerItem {
    CString text;
    CString link;
    RECT rect{};
};

class CTextDraw : public CStatic {
public:
    CTextDraw();
    ~CTextDraw() override;

    // Changes to the items and colours show at the next BuildStrip.
    void AddItem(CString text, CString link);
    void RemoveFirstItem();
    void RemoveAllItems();
    void SetTextColor(COLORREF color);
    void SetBkColor(COLORREF color);

    void ReleaseStrip();
    // Lays out and renders every item into a new strip; the view goes back
    // to the strip's first column.
    void BuildStrip();
    // The scroll timer (id 0) at m_nPeriod; setting it again restarts it.
    void StartScroll();
    void StopScroll();
    BOOL IsScrolling() const;

    // What a click on an item with a link calls: the link opener's OpenUrl
    // by default.  Tests put a recorder in its place.
    using UrlOpener = std::function<int(LPCSTR address, int showCommand)>;
    void SetUrlOpener(UrlOpener opener);

    const std::list<TickerItem>& Items() const { return m_items; }
    // The strip image's size; 0 × 0 without one.
    SIZE GetStripSize() const;

    int m_nPeriod = 50;          // of the scroll timer, in milliseconds
    BOOL m_bScrolling = FALSE;
    int m_nOffset = 0;           // the strip column at the window's left edge
    int m_nSourceRow = 0;        // the strip row at the window's top: always 0
    int m_nStripWidth = 0;       // the last item's right edge plus 1; 0 without items
    CString m_strLink;           // the link of the item last clicked
    HCURSOR m_hCursor = nullptr; // the pointing hand (shared, never destroyed)
    LOGFONTA m_logfont{};
    COLORREF m_crText = 0x00FFFFFF;
    COLORREF m_crBack = 0x00000000;

protected:
    // One tick: advance by a column, wrapping past the strip's end, and show.
    void ScrollStep();
    // Shows the frame at the current offset without advancing.
    void RedrawStrip();
    // The item under client point `point`, or null.
    const TickerItem* HitTest(CPoint point) const;

    void OnTimer(UINT_PTR id);
    void OnPaint();
    void OnLButtonDown(UINT flags, CPoint point);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    void OnDestroy();
    void OnTextColor();
    void OnTextFont();
    void OnScrollSpeed();

    DECLARE_MESSAGE_MAP()

private:
    struct Strip;
    // Shows the frame at the current offset on `dc`.
    void PaintFrame(CDC& dc) const;
    // Stops the timer while a setting is applied, then restarts it or shows
    // the frame again.
    void ApplySetting(const std::function<void()>& apply, bool rebuild);

    std::list<TickerItem> m_items;
    std::unique_ptr<Strip> m_pStrip;
    UrlOpener m_openUrl;
};
