#include "TaskbarNotifier.h"

#include "NotifierSkin.h"

namespace {

// Centred lines, broken at words and line feeds, an ellipsis where the
// text does not fit.
constexpr UINT kTextFormat = DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_END_ELLIPSIS;
constexpr UINT kPlaceFlags = SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER;
constexpr UINT kRepaintFlags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;
constexpr DWORD kHoverTimeMs = 1;

constexpr int kStyleBold = 1;
constexpr int kStyleItalic = 2;
constexpr int kStyleUnderline = 4;

void ApplyStyle(LOGFONTA& lf, int style)
{
    lf.lfWeight = (style & kStyleBold) != 0 ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = (style & kStyleItalic) != 0 ? 1 : 0;
    lf.lfUnderline = (style & kStyleUnderline) != 0 ? 1 : 0;
}

bool NoKey(short red, short green, short blue) { return red == -1 || green == -1 || blue == -1; }

} // namespace

class CTaskbarNotifier::Target final : public notifier::NotifierTarget {
public:
    explicit Target(CTaskbarNotifier& wnd) : m_wnd(wnd) {}

    void ShowWindowHere() override
    {
        if (m_wnd.GetSafeHwnd())
            m_wnd.ShowWindow(SW_SHOW);
    }
    void Place(int x, int y, int width, int height) override
    {
        if (m_wnd.GetSafeHwnd())
            m_wnd.SetWindowPos(nullptr, x, y, width, height, kPlaceFlags);
    }
    void StartTimer(UINT_PTR id, DWORD period) override
    {
        if (m_wnd.GetSafeHwnd())
            m_wnd.SetTimer(id, period);
    }
    void StopTimer(UINT_PTR id) override
    {
        if (m_wnd.GetSafeHwnd())
            m_wnd.KillTimer(id);
    }
    void Repaint() override { m_wnd.Repaint(); }
    void HideWindow() override
    {
        if (m_wnd.GetSafeHwnd()) {
            m_wnd.MoveWindow(0, 0, 0, 0, TRUE);
            m_wnd.ShowWindow(SW_HIDE);
        }
    }

private:
    CTaskbarNotifier& m_wnd;
};

BEGIN_MESSAGE_MAP(CTaskbarNotifier, CWnd)
    ON_WM_CREATE()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSEHOVER()
    ON_WM_MOUSELEAVE()
    ON_WM_LBUTTONUP()
    ON_WM_SETCURSOR()
    ON_WM_ERASEBKGND()
    ON_WM_PAINT()
    ON_WM_TIMER()
END_MESSAGE_MAP()

CTaskbarNotifier::CTaskbarNotifier()
    : m_pTarget(std::make_unique<Target>(*this)), m_rcText(0, 0, 0, 0), m_motion(*m_pTarget)
{
}

CTaskbarNotifier::~CTaskbarNotifier()
{
    if (GetSafeHwnd())
        DestroyWindow();
}

BOOL CTaskbarNotifier::Create(CWnd* owner)
{
    m_pOwnerWnd = owner;
    LPCSTR windowClass = AfxRegisterWndClass(0, ::LoadCursorA(nullptr, IDC_ARROW),
                                             reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)),
                                             nullptr);
    return CreateEx(0, windowClass, nullptr, WS_POPUP, 0, 0, 0, 0, owner ? owner->GetSafeHwnd() : nullptr,
                    nullptr);
}

int CTaskbarNotifier::OnCreate(CREATESTRUCTA* create)
{
    if (CWnd::OnCreate(create) == -1)
        return -1;
    m_hHandCursor = ::LoadCursorA(nullptr, IDC_HAND);
    return 0;
}

BOOL CTaskbarNotifier::SetSkin(UINT bitmapId, short red, short green, short blue)
{
    m_bmpSkin.DeleteObject();
    if (!m_bmpSkin.LoadBitmap(bitmapId))
        return FALSE;
    return ApplySkin(red, green, blue);
}

BOOL CTaskbarNotifier::SetSkinFromFile(LPCSTR path, short red, short green, short blue)
{
    const HANDLE loaded = ::LoadImageA(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    if (loaded == nullptr)
        return FALSE;
    m_bmpSkin.DeleteObject();
    m_bmpSkin.Attach(static_cast<HBITMAP>(loaded));
    return ApplySkin(red, green, blue);
}

BOOL CTaskbarNotifier::ApplySkin(short red, short green, short blue)
{
    BITMAP info{};
    m_bmpSkin.GetBitmap(&info);
    m_nSkinWidth = info.bmWidth;
    m_nSkinHeight = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    m_rcText.SetRect(0, 0, m_nSkinWidth, m_nSkinHeight);
    m_motion.SetSkinSize(m_nSkinWidth, m_nSkinHeight);
    if (NoKey(red, green, blue))
        return TRUE;

    const COLORREF key = RGB(red & 0xFF, green & 0xFF, blue & 0xFF);
    HRGN region = notifier::BuildSkinRegion(m_bmpSkin, key);
    m_hSkinRegion = nullptr;
    if (GetSafeHwnd() && SetWindowRgn(region, TRUE) != 0) {
        m_hSkinRegion = region; // the window's from now on
    } else if (region != nullptr) {
        ::DeleteObject(region);
    }
    return TRUE;
}

void CTaskbarNotifier::SetTextFont(LPCSTR face, int size, int normalStyle, int hoverStyle)
{
    m_fontNormal.DeleteObject();
    if (!m_fontNormal.CreatePointFont(size, face))
        return;
    LOGFONTA lf{};
    m_fontNormal.GetLogFont(&lf);

    ApplyStyle(lf, normalStyle);
    m_fontNormal.DeleteObject();
    m_fontNormal.CreateFontIndirect(&lf);

    ApplyStyle(lf, hoverStyle);
    m_fontHover.DeleteObject();
    m_fontHover.CreateFontIndirect(&lf);
}

void CTaskbarNotifier::SetTextColor(COLORREF normal, COLORREF hover)
{
    m_crNormalText = normal;
    m_crHoverText = hover;
    Repaint();
}

void CTaskbarNotifier::SetTextRect(RECT rect) { m_rcText = rect; }

void CTaskbarNotifier::Show(LPCSTR text, DWORD showTime, DWORD stayTime, DWORD hideTime)
{
    m_strText = text != nullptr ? text : "";
    RECT work{};
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0))
        work = RECT{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    // With no skin, or one shorter than a step, there is nothing to slide:
    // the text is kept for the next announcement and nothing is shown.
    m_motion.Show(showTime, stayTime, hideTime, work, ::GetSystemMetrics(SM_CXSCREEN),
                  ::GetSystemMetrics(SM_CYSCREEN));
}

void CTaskbarNotifier::Hide() { m_motion.Hide(); }

void CTaskbarNotifier::Repaint()
{
    if (GetSafeHwnd())
        RedrawWindow(nullptr, nullptr, kRepaintFlags);
}

void CTaskbarNotifier::OnMouseMove(UINT flags, CPoint point)
{
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = m_hWnd;
    track.dwHoverTime = kHoverTimeMs;
    ::TrackMouseEvent(&track);
    CWnd::OnMouseMove(flags, point);
}

void CTaskbarNotifier::OnMouseHover(UINT, CPoint)
{
    if (!m_bMouseOver) {
        m_bMouseOver = TRUE;
        Repaint();
    }
}

void CTaskbarNotifier::OnMouseLeave()
{
    if (m_bMouseOver) {
        m_bMouseOver = FALSE;
        Repaint();
    }
}

void CTaskbarNotifier::OnLButtonUp(UINT flags, CPoint point)
{
    if (m_pOwnerWnd != nullptr && m_pOwnerWnd->GetSafeHwnd())
        m_pOwnerWnd->PostMessage(WM_NOTIFIER_CLICKED, 0, 0);
    CWnd::OnLButtonUp(flags, point);
}

BOOL CTaskbarNotifier::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    if (hitTest == HTCLIENT && m_hHandCursor != nullptr) {
        ::SetCursor(m_hHandCursor);
        return TRUE;
    }
    return CWnd::OnSetCursor(wnd, hitTest, message);
}

BOOL CTaskbarNotifier::OnEraseBkgnd(CDC* dc)
{
    if (m_bmpSkin.GetSafeHandle() == nullptr)
        return CWnd::OnEraseBkgnd(dc);
    BITMAP info{};
    m_bmpSkin.GetBitmap(&info);
    CDC memory;
    if (!memory.CreateCompatibleDC(dc))
        return CWnd::OnEraseBkgnd(dc);
    CBitmap* previous = memory.SelectObject(&m_bmpSkin);
    dc->BitBlt(0, 0, info.bmWidth, info.bmHeight < 0 ? -info.bmHeight : info.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
    return TRUE;
}

void CTaskbarNotifier::OnPaint()
{
    CPaintDC dc(this);
    CFont& font = m_bMouseOver ? m_fontHover : m_fontNormal;
    dc.SetTextColor(m_bMouseOver ? m_crHoverText : m_crNormalText);
    dc.SetBkMode(TRANSPARENT);
    // Before SetTextFont the DC's own font draws the text.
    CFont* previous = font.GetSafeHandle() != nullptr ? dc.SelectObject(&font) : nullptr;
    CRect rect = m_rcText;
    dc.DrawText(m_strText, &rect, kTextFormat);
    if (previous != nullptr)
        dc.SelectObject(previous);
}

void CTaskbarNotifier::OnTimer(UINT_PTR id)
{
    m_motion.OnTimer(id);
    CWnd::OnTimer(id);
}
