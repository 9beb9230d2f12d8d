#include "TextDraw.h"

#include "SpeedDlg.h"
#include "TickerLayout.h"
#include "UrlLink.h"
#include "res/resource.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

namespace {

constexpr UINT_PTR kScrollTimer = 0;

LOGFONTA DefaultFont()
{
    LOGFONTA lf{};
    lf.lfHeight = -12;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_CHARACTER_PRECIS;
    lf.lfClipPrecision = CLIP_CHARACTER_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    std::strcpy(lf.lfFaceName, "Arial");
    return lf;
}

// One link opener per click, as it keeps no state.
int OpenWithLinkOpener(LPCSTR address, int showCommand)
{
    CUrlLink link;
    return link.OpenUrl(address, showCommand);
}

} // namespace

// The strip image, selected into its own memory DC for as long as it lives.
struct CTextDraw::Strip {
    CDC dc;
    CBitmap bitmap;
    HGDIOBJ previous = nullptr; // the DC's own bitmap
    int width = 0;
    int height = 0;

    ~Strip()
    {
        if (previous != nullptr)
            ::SelectObject(dc.GetSafeHdc(), previous);
    }
};

BEGIN_MESSAGE_MAP(CTextDraw, CStatic)
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETCURSOR()
    ON_WM_DESTROY()
    // The ticker menu's commands, forwarded by the main window.
    ON_COMMAND(ID_TICKER_COLOR, OnTextColor)
    ON_COMMAND(ID_TICKER_FONT, OnTextFont)
    ON_COMMAND(ID_TICKER_SPEED, OnScrollSpeed)
END_MESSAGE_MAP()

CTextDraw::CTextDraw() : m_logfont(DefaultFont()), m_openUrl(OpenWithLinkOpener)
{
    m_hCursor = ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDC_POINTER_HAND));
    if (m_hCursor == nullptr) // a program without its cursor still points with a hand
        m_hCursor = ::LoadCursorA(nullptr, IDC_HAND);
}

CTextDraw::~CTextDraw() = default;

void CTextDraw::AddItem(CString text, CString link)
{
    m_items.push_back(TickerItem{std::move(text), std::move(link), RECT{}});
}

void CTextDraw::RemoveFirstItem()
{
    if (!m_items.empty())
        m_items.pop_front();
}

void CTextDraw::RemoveAllItems() { m_items.clear(); }

void CTextDraw::SetTextColor(COLORREF color) { m_crText = color; }

void CTextDraw::SetBkColor(COLORREF color) { m_crBack = color; }

void CTextDraw::SetUrlOpener(UrlOpener opener) { m_openUrl = std::move(opener); }

SIZE CTextDraw::GetStripSize() const
{
    return m_pStrip ? SIZE{m_pStrip->width, m_pStrip->height} : SIZE{0, 0};
}

void CTextDraw::ReleaseStrip() { m_pStrip.reset(); }

void CTextDraw::BuildStrip()
{
    CRect client;
    GetClientRect(&client);
    const int cw = client.Width();
    const int ch = client.Height();
    m_nOffset = 0;
    m_nSourceRow = 0;
    ReleaseStrip();

    CClientDC windowDC(this);
    auto strip = std::make_unique<Strip>();
    if (!strip->dc.CreateCompatibleDC(&windowDC))
        return;
    CFont font;
    font.CreateFontIndirect(&m_logfont);
    const HGDIOBJ previousFont = ::SelectObject(strip->dc.GetSafeHdc(), font.GetSafeHandle());

    // The raw text is measured, ampersands and all.
    std::vector<int> widths;
    widths.reserve(m_items.size());
    for (const TickerItem& item : m_items)
        widths.push_back(strip->dc.GetTextExtent(item.text).cx);
    const std::vector<ticker::Span> spans = ticker::LayoutItems(widths);
    auto span = spans.begin();
    for (TickerItem& item : m_items) {
        item.rect = RECT{span->left, 0, span->right, ch};
        ++span;
    }
    m_nStripWidth = ticker::StripWidth(spans);

    const int width = ticker::StripImageWidth(m_nStripWidth, !m_items.empty(), cw);
    if (width > 0 && ch > 0 && strip->bitmap.CreateCompatibleBitmap(&windowDC, width, ch)) {
        strip->previous = ::SelectObject(strip->dc.GetSafeHdc(), strip->bitmap.GetSafeHandle());
        strip->width = width;
        strip->height = ch;
        strip->dc.FillSolidRect(0, 0, width, ch, m_crBack);
        strip->dc.SetTextColor(m_crText);
        strip->dc.SetBkColor(m_crBack);
        strip->dc.SetBkMode(OPAQUE);
        for (const TickerItem& item : m_items) {
            RECT r = item.rect;
            strip->dc.DrawText(item.text, &r, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
        }
    }
    ::SelectObject(strip->dc.GetSafeHdc(), previousFont);
    if (strip->width > 0)
        m_pStrip = std::move(strip);
}

void CTextDraw::StartScroll()
{
    SetTimer(kScrollTimer, static_cast<UINT>(m_nPeriod));
    m_bScrolling = TRUE;
}

void CTextDraw::StopScroll()
{
    KillTimer(kScrollTimer);
    m_bScrolling = FALSE;
}

BOOL CTextDraw::IsScrolling() const { return m_bScrolling; }

void CTextDraw::PaintFrame(CDC& dc) const
{
    if (!m_pStrip)
        return;
    CRect client;
    GetClientRect(&client);
    const int rows = std::min(client.Height(), m_pStrip->height - m_nSourceRow);
    for (const ticker::Copy& copy : ticker::FrameCopies(m_nOffset, m_nStripWidth, m_pStrip->width, client.Width()))
        dc.BitBlt(copy.destX, 0, copy.width, rows, &m_pStrip->dc, copy.srcX, m_nSourceRow, SRCCOPY);
}

void CTextDraw::ScrollStep()
{
    m_nOffset = ticker::NextOffset(m_nOffset, m_nStripWidth);
    CClientDC dc(this);
    PaintFrame(dc);
}

void CTextDraw::RedrawStrip()
{
    m_nOffset = ticker::ValidOffset(m_nOffset, m_nStripWidth);
    CClientDC dc(this);
    PaintFrame(dc);
}

const TickerItem* CTextDraw::HitTest(CPoint point) const
{
    // Only the items of the last BuildStrip are on the strip.
    std::vector<ticker::Span> spans;
    std::vector<const TickerItem*> laidOut;
    for (const TickerItem& item : m_items) {
        if (item.rect.right <= item.rect.left)
            continue;
        spans.push_back(ticker::Span{item.rect.left, item.rect.right});
        laidOut.push_back(&item);
    }
    CRect client;
    GetClientRect(&client);
    const auto hit = ticker::HitTest(spans, m_nOffset, m_nStripWidth, client.Width(), point.x);
    return hit ? laidOut[*hit] : nullptr;
}

void CTextDraw::OnTimer(UINT_PTR id)
{
    if (id == kScrollTimer)
        ScrollStep();
    CStatic::OnTimer(id);
}

void CTextDraw::OnPaint()
{
    if (m_bScrolling || !m_pStrip) {
        // The next tick shows the strip again.
        Default();
        return;
    }
    CPaintDC dc(this);
    PaintFrame(dc);
}

void CTextDraw::OnLButtonDown(UINT flags, CPoint point)
{
    if (const TickerItem* item = HitTest(point)) {
        m_strLink = item->link;
        if (!m_strLink.IsEmpty() && m_openUrl)
            m_openUrl(m_strLink, SW_SHOW);
    }
    CStatic::OnLButtonDown(flags, point);
}

BOOL CTextDraw::OnSetCursor(CWnd*, UINT, UINT)
{
    ::SetCursor(m_hCursor);
    return TRUE;
}

void CTextDraw::OnDestroy()
{
    CStatic::OnDestroy();
    RemoveAllItems();
    StopScroll();
    ReleaseStrip();
}

void CTextDraw::ApplySetting(const std::function<void()>& apply, bool rebuild)
{
    const bool wasScrolling = m_bScrolling != FALSE;
    if (wasScrolling)
        StopScroll();
    if (rebuild) {
        // The scroll position survives a change of colour or font.
        const int offset = m_nOffset;
        const int row = m_nSourceRow;
        ReleaseStrip();
        apply();
        BuildStrip();
        m_nOffset = offset;
        m_nSourceRow = row;
    } else {
        apply();
    }
    if (wasScrolling)
        StartScroll();
    else
        RedrawStrip();
}

void CTextDraw::OnTextColor()
{
    CColorDialog dlg(0, 0, this); // no colour preselected
    if (dlg.DoModal() != IDOK)
        return;
    const COLORREF color = dlg.GetColor();
    ApplySetting([&] { m_crText = color; }, true);
}

void CTextDraw::OnTextFont()
{
    CFontDialog dlg(&m_logfont, CF_SCREENFONTS | CF_EFFECTS, nullptr, this);
    if (dlg.DoModal() != IDOK)
        return;
    // The colour the dialog offers is not the ticker's to take.
    LOGFONTA chosen{};
    dlg.GetCurrentFont(&chosen);
    ApplySetting([&] { m_logfont = chosen; }, true);
}

void CTextDraw::OnScrollSpeed()
{
    CSpeedDlg dlg;
    dlg.SetPeriod(static_cast<UINT>(std::max(m_nPeriod, 0)));
    if (dlg.DoModal() != IDOK)
        return;
    // The longest period a timer takes; a larger value would turn negative.
    const int period = static_cast<int>(std::min<UINT>(dlg.GetPeriod(), INT_MAX));
    ApplySetting([&] { m_nPeriod = period; }, false);
}
