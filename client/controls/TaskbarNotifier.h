// The pop-up notifier: a small borderless window cut out of its skin that
// slides out of the screen edge where the task bar sits, stays a while and
// slides back.  Its text is drawn over the skin; while the mouse rests on
// it the text takes a second colour and font, and a click posts
// WM_NOTIFIER_CLICKED to the owner.  Neither changes the slide cycle.  The
// movement itself is NotifierMotion's; this class gives it a window.
#pragma once

#include "NotifierMotion.h"

#include "platform/afx.h"

#include <memory>

// Posted to the owner when the pop-up is clicked (WM_USER + 123).
inline constexpr UINT WM_NOTIFIER_CLICKED = 1147;

class CTaskbarNotifier : public CWnd {
    // What the movement drives; made before m_motion, which holds on to it.
    class Target;
    std::unique_ptr<Target> m_pTarget;

public:
    CTaskbarNotifier();
    ~CTaskbarNotifier() override;

    // The pop-up's window, hidden, at 0, 0 with no size, owned by `owner`,
    // which is also where clicks are reported.
    BOOL Create(CWnd* owner);
    // The skin from a bitmap resource of the program or a bitmap file.  A
    // key component of -1 keeps the window's shape as it is; otherwise the
    // pixels of the key colour are cut away.  The text rectangle becomes the
    // whole skin.
    BOOL SetSkin(UINT bitmapId, short red = -1, short green = -1, short blue = -1);
    BOOL SetSkinFromFile(LPCSTR path, short red = -1, short green = -1, short blue = -1);
    // `size` in tenths of a point; styles: 1 bold, 2 italic, 4 underlined.
    void SetTextFont(LPCSTR face, int size, int normalStyle, int hoverStyle);
    void SetTextColor(COLORREF normal, COLORREF hover);
    void SetTextRect(RECT rect);
    // Starts or renews an announcement of `text`; times in milliseconds.
    void Show(LPCSTR text, DWORD showTime = 500, DWORD stayTime = 3000, DWORD hideTime = 500);
    void Hide();

    CWnd* m_pOwnerWnd = nullptr;
    CFont m_fontNormal;
    CFont m_fontHover;
    COLORREF m_crNormalText = RGB(133, 146, 181);
    COLORREF m_crHoverText = RGB(10, 36, 106);
    HCURSOR m_hHandCursor = nullptr; // shared, never destroyed
    CBitmap m_bmpSkin;
    HRGN m_hSkinRegion = nullptr; // the window's once handed over
    CRect m_rcText;
    int m_nSkinWidth = 0;
    int m_nSkinHeight = 0;
    CString m_strText;
    BOOL m_bMouseOver = FALSE;
    // The state, times, periods and positions of the slide.
    notifier::NotifierMotion m_motion;

protected:
    int OnCreate(CREATESTRUCTA* create);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseHover(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnLButtonUp(UINT flags, CPoint point);
    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnPaint();
    void OnTimer(UINT_PTR id);

    DECLARE_MESSAGE_MAP()

private:
    // Takes the size of the skin now in m_bmpSkin and cuts the shape.
    BOOL ApplySkin(short red, short green, short blue);
    void Repaint();
};
