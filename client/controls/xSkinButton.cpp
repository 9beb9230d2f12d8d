#include "xSkinButton.h"

#include "SkinMask.h"

#include <algorithm>
#include <vector>

namespace {

constexpr COLORREF kMaskKey = 0x00FFFFFF; // white: outside the outline

using skinbutton::Caption;
using skinbutton::DrawMode;
using skinbutton::Kind;
using skinbutton::Picture;

HBITMAP LoadSkinBitmap(UINT id)
{
    if (id == 0)
        return nullptr;
    return ::LoadBitmapA(AfxGetResourceHandle(), MAKEINTRESOURCEA(id));
}

void LoadInto(CBitmap& target, UINT id)
{
    if (HBITMAP bitmap = LoadSkinBitmap(id))
        target.Attach(bitmap);
}

SIZE BitmapSize(const CBitmap& bitmap)
{
    BITMAP info{};
    if (bitmap.GetSafeHandle() == nullptr || bitmap.GetBitmap(&info) == 0)
        return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

// A memory DC with a bitmap selected for the length of a scope.
class SelectedBitmap {
public:
    SelectedBitmap(HDC like, HBITMAP bitmap) : m_dc(::CreateCompatibleDC(like))
    {
        if (m_dc != nullptr)
            m_old = ::SelectObject(m_dc, bitmap);
    }
    ~SelectedBitmap()
    {
        if (m_dc != nullptr) {
            ::SelectObject(m_dc, m_old);
            ::DeleteDC(m_dc);
        }
    }
    SelectedBitmap(const SelectedBitmap&) = delete;
    SelectedBitmap& operator=(const SelectedBitmap&) = delete;
    HDC dc() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_old = nullptr;
};

} // namespace

BEGIN_MESSAGE_MAP(CxSkinButton, CButton)
    ON_WM_SETCURSOR()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_MOUSELEAVE()
    ON_WM_KILLFOCUS()
    ON_WM_KEYDOWN()
    ON_MESSAGE(BM_SETCHECK, OnSetCheck)
    ON_MESSAGE(BM_GETCHECK, OnGetCheck)
    ON_MESSAGE(WM_SKINBUTTON_UNCHECK, OnUncheck)
END_MESSAGE_MAP()

CxSkinButton::CxSkinButton() : m_crText(::GetSysColor(COLOR_BTNTEXT)) {}

CxSkinButton::~CxSkinButton()
{
    if (m_hCursor != nullptr)
        ::DestroyCursor(m_hCursor);
    if (m_tooltip.GetSafeHwnd() != nullptr)
        m_tooltip.DestroyWindow();
    // The bitmaps free themselves.
}

void CxSkinButton::PreSubclassWindow()
{
    m_nKind = static_cast<int>(skinbutton::KindFromStyle(GetStyle()));
    CButton::PreSubclassWindow();
    // Every paint comes to DrawItem from now on.  The type bits are
    // replaced rather than added to: BS_RADIOBUTTON | BS_OWNERDRAW would
    // make a type of no meaning.
    ModifyStyle(BS_TYPEMASK, BS_OWNERDRAW);
}

void CxSkinButton::FreeBitmaps()
{
    m_bmpNormal.DeleteObject();
    m_bmpDown.DeleteObject();
    m_bmpDisabled.DeleteObject();
    m_bmpMask.DeleteObject();
    m_bmpOver.DeleteObject();
    m_bmpFocus.DeleteObject();
}

void CxSkinButton::LoadSkin(UINT normal, UINT down, UINT over, UINT disabled, UINT focus, UINT mask, short drawMode,
                            short border, short focusMargin)
{
    FreeBitmaps();
    LoadInto(m_bmpNormal, normal);
    LoadInto(m_bmpDown, down);
    LoadInto(m_bmpOver, over);
    LoadInto(m_bmpFocus, focus);
    LoadInto(m_bmpDisabled, disabled != 0 ? disabled : normal);

    m_nDrawMode = static_cast<short>(skinbutton::ClampDrawMode(drawMode));
    m_bBorder = border;
    m_nFocusMargin = skinbutton::ClampFocusMargin(focusMargin);

    if (mask == 0)
        return;
    LoadInto(m_bmpMask, mask);
    if (m_bmpMask.GetSafeHandle() == nullptr || m_hWnd == nullptr)
        return;
    if (HRGN region = RegionFromMask(m_bmpMask, kMaskKey)) {
        // The window owns the region from here on, and drops the one a
        // previous mask gave it.
        if (SetWindowRgn(region, TRUE) == 0)
            ::DeleteObject(region);
    }
    if (m_nDrawMode == static_cast<short>(DrawMode::Copy)) {
        const SIZE size = BitmapSize(m_bmpMask);
        SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    }
}

HRGN CxSkinButton::RegionFromMask(const CBitmap& mask, COLORREF key)
{
    const SIZE size = BitmapSize(mask);
    HDC screen = ::GetDC(nullptr);
    std::vector<skinbutton::Rect> runs;
    {
        SelectedBitmap source(screen, static_cast<HBITMAP>(mask.GetSafeHandle()));
        if (source.dc() != nullptr) {
            runs = skinbutton::MaskRuns(size.cx, size.cy, key, [&](int x, int y) {
                return static_cast<std::uint32_t>(::GetPixel(source.dc(), x, y));
            });
        }
    }
    ::ReleaseDC(nullptr, screen);
    HRGN region = ::CreateRectRgn(0, 0, 0, 0);
    if (region == nullptr)
        return nullptr;
    for (const skinbutton::Rect& r : runs) {
        if (HRGN run = ::CreateRectRgn(r.left, r.top, r.right, r.bottom)) {
            ::CombineRgn(region, region, run, RGN_OR);
            ::DeleteObject(run);
        }
    }
    return region;
}

void CxSkinButton::SetTipText(CString text)
{
    if (m_tooltip.GetSafeHwnd() == nullptr) {
        if (!m_tooltip.Create(this))
            return;
        CRect r;
        GetClientRect(&r);
        if (!m_tooltip.AddTool(this, text, &r, 0)) {
            // Without its tool the tip is of no use; the next call starts over.
            m_tooltip.DestroyWindow();
            return;
        }
        m_tooltip.Activate(TRUE);
        return;
    }
    m_tooltip.UpdateTipText(text, this, 0);
}

BOOL CxSkinButton::LoadButtonCursor(UINT id, BOOL repaint)
{
    if (m_hCursor != nullptr) {
        ::DestroyCursor(m_hCursor);
        m_hCursor = nullptr;
    }
    if (id == 0)
        return TRUE;
    // Loaded as the button's own copy (not shared), so that it can be
    // destroyed when replaced.
    m_hCursor = static_cast<HCURSOR>(::LoadImageA(AfxGetResourceHandle(), MAKEINTRESOURCEA(LOWORD(id)),
                                                  IMAGE_CURSOR, 0, 0, LR_DEFAULTCOLOR));
    if (repaint && m_hWnd != nullptr)
        Invalidate();
    return m_hCursor != nullptr;
}

COLORREF CxSkinButton::SetTextColor(COLORREF color)
{
    const COLORREF previous = m_crText;
    m_crText = color;
    return previous;
}

// ---------------------------------------------------------------------------
// Painting
// ---------------------------------------------------------------------------

void CxSkinButton::DrawItem(DRAWITEMSTRUCT* item)
{
    if (item == nullptr || item->hDC == nullptr)
        return;

    // While pressed, the pushed look follows the pointer: on over the
    // button, off elsewhere.  Changing it repaints, so this paint ends.
    POINT screen{};
    if (m_bPressed && GetCapture() == this && ::GetCursorPos(&screen)) {
        const bool over = ::WindowFromPoint(screen) == m_hWnd;
        const bool pushed = (GetState() & BST_PUSHED) != 0;
        if (over != pushed) {
            SetState(over ? TRUE : FALSE);
            return;
        }
    }

    skinbutton::PaintState state;
    state.disabled = (item->itemState & ODS_DISABLED) != 0;
    state.selected = (item->itemState & ODS_SELECTED) != 0;
    state.focused = (item->itemState & ODS_FOCUS) != 0;
    state.checked = m_bChecked != FALSE;
    state.hover = m_bHover != FALSE;
    state.hasNormal = m_bmpNormal.GetSafeHandle() != nullptr;
    state.hasDown = m_bmpDown.GetSafeHandle() != nullptr;
    state.hasDisabled = m_bmpDisabled.GetSafeHandle() != nullptr;
    state.hasOver = m_bmpOver.GetSafeHandle() != nullptr;
    state.hasFocus = m_bmpFocus.GetSafeHandle() != nullptr;
    const skinbutton::Look look = skinbutton::ChooseLook(state);

    HDC dc = item->hDC;
    RECT r{};
    ::GetClientRect(m_hWnd, &r);
    const int oldMode = ::SetBkMode(dc, TRANSPARENT);

    const CBitmap* picture = nullptr;
    switch (look.picture) {
    case Picture::Normal: picture = &m_bmpNormal; break;
    case Picture::Down: picture = &m_bmpDown; break;
    case Picture::Disabled: picture = &m_bmpDisabled; break;
    case Picture::Over: picture = &m_bmpOver; break;
    case Picture::Focus: picture = &m_bmpFocus; break;
    case Picture::None: break;
    }
    if (picture != nullptr)
        DrawBitmap(dc, *picture, r);
    else
        ::FillRect(dc, &r, reinterpret_cast<HBRUSH>(static_cast<std::uintptr_t>(COLOR_BTNFACE + 1)));

    if (m_bBorder != 0) {
        RECT edge = r;
        ::DrawEdge(dc, &edge, look.edge == skinbutton::Edge::Sunken ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    if (look.focusRect && m_nFocusMargin > 0) {
        RECT focus = r;
        ::InflateRect(&focus, -m_nFocusMargin, -m_nFocusMargin);
        ::DrawFocusRect(dc, &focus);
    }
    DrawCaption(dc, r, look.caption);
    ::SetBkMode(dc, oldMode);
}

void CxSkinButton::DrawCaption(HDC dc, const RECT& r, Caption look)
{
    CString text;
    GetWindowText(text);
    if (text.IsEmpty())
        return;
    RECT caption{r.left + m_nFocusMargin + 2, r.top, r.right - m_nFocusMargin - 2, r.bottom};
    constexpr UINT kFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    HGDIOBJ oldFont = nullptr;
    if (CFont* font = GetFont())
        oldFont = ::SelectObject(dc, font->GetSafeHandle());
    const COLORREF oldColor = ::GetTextColor(dc);
    switch (look) {
    case Caption::Disabled: {
        ::SetTextColor(dc, ::GetSysColor(COLOR_3DHIGHLIGHT));
        ::DrawTextA(dc, text, -1, &caption, kFormat);
        ::OffsetRect(&caption, -1, -1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
        ::DrawTextA(dc, text, -1, &caption, kFormat);
        break;
    }
    case Caption::Pressed:
        ::OffsetRect(&caption, 1, 1);
        [[fallthrough]];
    case Caption::Normal:
        ::SetTextColor(dc, m_crText);
        ::DrawTextA(dc, text, -1, &caption, kFormat);
        break;
    }
    ::SetTextColor(dc, oldColor);
    if (oldFont != nullptr)
        ::SelectObject(dc, oldFont);
}

void CxSkinButton::DrawBitmap(HDC dc, const CBitmap& bitmap, const RECT& r)
{
    if (m_nDrawMode == static_cast<short>(DrawMode::Tile)) {
        TileBitmap(dc, bitmap, r);
        return;
    }
    if (bitmap.GetSafeHandle() == nullptr)
        return;
    const int cx = r.right - r.left;
    const int cy = r.bottom - r.top;
    const SIZE size = BitmapSize(bitmap);
    const bool stretch = m_nDrawMode == static_cast<short>(DrawMode::Stretch);
    SelectedBitmap face(dc, static_cast<HBITMAP>(bitmap.GetSafeHandle()));
    if (face.dc() == nullptr)
        return;

    if (m_bmpMask.GetSafeHandle() == nullptr) {
        if (stretch)
            ::StretchBlt(dc, r.left, r.top, cx, cy, face.dc(), 0, 0, size.cx, size.cy, SRCCOPY);
        else
            ::BitBlt(dc, r.left, r.top, std::min<int>(cx, size.cx), std::min<int>(cy, size.cy), face.dc(), 0, 0,
                     SRCCOPY);
        return;
    }

    // Composed off screen and copied in one block, so it does not flicker:
    // where the mask is white what was there stays, where it is black the
    // face shows.
    HBITMAP canvasBitmap = ::CreateCompatibleBitmap(dc, cx, cy);
    if (canvasBitmap == nullptr)
        return;
    {
        SelectedBitmap canvas(dc, canvasBitmap);
        SelectedBitmap mask(dc, static_cast<HBITMAP>(m_bmpMask.GetSafeHandle()));
        if (canvas.dc() != nullptr && mask.dc() != nullptr) {
            ::BitBlt(canvas.dc(), 0, 0, cx, cy, dc, r.left, r.top, SRCCOPY);
            const auto apply = [&](HDC source, DWORD rop) {
                if (stretch)
                    ::StretchBlt(canvas.dc(), 0, 0, cx, cy, source, 0, 0, size.cx, size.cy, rop);
                else
                    ::BitBlt(canvas.dc(), 0, 0, cx, cy, source, 0, 0, rop);
            };
            apply(face.dc(), SRCINVERT);
            apply(mask.dc(), SRCAND);
            apply(face.dc(), SRCINVERT);
            ::BitBlt(dc, r.left, r.top, cx, cy, canvas.dc(), 0, 0, SRCCOPY);
        }
    }
    ::DeleteObject(canvasBitmap);
}

void CxSkinButton::TileBitmap(HDC dc, const CBitmap& bitmap, const RECT& r)
{
    if (bitmap.GetSafeHandle() == nullptr)
        return;
    const SIZE size = BitmapSize(bitmap);
    SelectedBitmap face(dc, static_cast<HBITMAP>(bitmap.GetSafeHandle()));
    if (face.dc() == nullptr)
        return;
    for (const skinbutton::Tile& t : skinbutton::Tiles(r.right - r.left, r.bottom - r.top, size.cx, size.cy))
        ::BitBlt(dc, r.left + t.x, r.top + t.y, t.width, t.height, face.dc(), 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------
// Pointer, keys and check state
// ---------------------------------------------------------------------------

BOOL CxSkinButton::OnSetCursor(CWnd* wnd, UINT hitTest, UINT message)
{
    if (m_hCursor != nullptr) {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return CButton::OnSetCursor(wnd, hitTest, message);
}

BOOL CxSkinButton::OnEraseBkgnd(CDC*)
{
    // The picture covers the button; erasing first would only flicker.
    return TRUE;
}

void CxSkinButton::RelayToTip(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_tooltip.GetSafeHwnd() == nullptr)
        return;
    const auto bits = static_cast<std::uintptr_t>(lParam);
    MSG msg{m_hWnd, message, wParam, lParam, 0, POINT{LOWORD(bits), HIWORD(bits)}};
    m_tooltip.RelayEvent(&msg);
}

bool CxSkinButton::IsUnderPoint(CPoint client) const
{
    POINT screen = client;
    ClientToScreen(&screen);
    return ::WindowFromPoint(screen) == m_hWnd;
}

void CxSkinButton::OnMouseMove(UINT flags, CPoint point)
{
    RelayToTip(WM_MOUSEMOVE, flags, MAKELPARAM(point.x, point.y));
    if (m_bPressed && GetCapture() == this) {
        const bool over = IsUnderPoint(point);
        if (over != ((GetState() & BST_PUSHED) != 0)) {
            SetState(over ? TRUE : FALSE);
            Invalidate();
        }
    } else if (!m_bHover) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
        if (::TrackMouseEvent(&track)) {
            m_bHover = TRUE;
            Invalidate();
        }
    }
    CButton::OnMouseMove(flags, point);
}

void CxSkinButton::OnMouseLeave()
{
    // The tip goes with the pointer; without this a tip already timed would
    // still pop up over a button the pointer has left.
    RelayToTip(WM_MOUSELEAVE, 0, 0);
    m_bHover = FALSE;
    Invalidate();
}

void CxSkinButton::OnLButtonDown(UINT flags, CPoint point)
{
    RelayToTip(WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
    if (m_bHover) {
        TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_CANCEL | TME_LEAVE, m_hWnd, 0};
        if (::TrackMouseEvent(&track))
            m_bHover = FALSE;
    }
    CButton::OnLButtonDown(flags, point); // captures, pushes and focuses
    m_bPressed = TRUE;
}

void CxSkinButton::OnLButtonUp(UINT flags, CPoint point)
{
    RelayToTip(WM_LBUTTONUP, flags, MAKELPARAM(point.x, point.y));
    // Only a press that began here and ends over the button is a click, so
    // the check changes only together with the click notification.
    if (m_bPressed && IsUnderPoint(point))
        CheckFromUser();
    m_bPressed = FALSE;
    CButton::OnLButtonUp(flags, point); // releases, and clicks when over us
}

void CxSkinButton::OnLButtonDblClk(UINT flags, CPoint point)
{
    // A double click acts as two presses.
    SendMessage(WM_LBUTTONDOWN, flags, MAKELPARAM(point.x, point.y));
}

void CxSkinButton::OnKillFocus(CWnd* newWnd)
{
    if (GetCapture() == this) {
        ::ReleaseCapture();
        m_bPressed = FALSE;
    }
    CButton::OnKillFocus(newWnd);
}

void CxSkinButton::OnKeyDown(UINT key, UINT repeat, UINT flags)
{
    // Bit 14 of the flags: the key was already down, an auto-repeat.  Only
    // the first press changes the check, so holding Space does not leave
    // the check to chance.
    constexpr UINT kWasDown = 0x4000;
    if (key == VK_SPACE && (flags & kWasDown) == 0)
        CheckFromUser();
    CButton::OnKeyDown(key, repeat, flags);
}

void CxSkinButton::CheckFromUser()
{
    const auto kind = static_cast<Kind>(m_nKind);
    if (kind == Kind::CheckBox)
        SendMessage(BM_SETCHECK, m_bChecked ? 0 : 1, 0);
    else if (kind == Kind::Radio)
        SendMessage(BM_SETCHECK, 1, 0);
}

LRESULT CxSkinButton::OnSetCheck(WPARAM wParam, LPARAM)
{
    m_bChecked = wParam != 0 ? TRUE : FALSE;
    const auto kind = static_cast<Kind>(m_nKind);
    if (kind == Kind::Push)
        m_bChecked = FALSE;
    if (kind == Kind::Radio && m_bChecked) {
        // Walks the group forward until it comes back round.  The walk skips
        // hidden and disabled controls, so from such a button it never
        // returns to it: it also stops at the first control seen twice.
        const HWND parent = ::GetParent(m_hWnd);
        std::vector<HWND> seen;
        for (HWND next = parent ? ::GetNextDlgGroupItem(parent, m_hWnd, FALSE) : nullptr;
             next != nullptr && next != m_hWnd;
             next = ::GetNextDlgGroupItem(parent, next, FALSE)) {
            if (std::find(seen.begin(), seen.end(), next) != seen.end())
                break;
            seen.push_back(next);
            ::PostMessageA(next, WM_SKINBUTTON_UNCHECK, 0, 0);
        }
    }
    Invalidate();
    return 0;
}

LRESULT CxSkinButton::OnGetCheck(WPARAM, LPARAM) { return m_bChecked; }

LRESULT CxSkinButton::OnUncheck(WPARAM, LPARAM)
{
    if (m_bChecked) {
        m_bChecked = FALSE;
        Invalidate();
    }
    return 0;
}
