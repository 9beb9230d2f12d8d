// CxSkinButton: an owner-drawn button that paints itself from a bitmap per
// visual state (normal, pressed, pointer over it, disabled, focused),
// optionally cut to the outline of a mask bitmap.  It lights up while the
// pointer is over it, shows a tooltip and its own cursor, and behaves as a
// push button, a check box or a radio button after the style it was
// attached with.  Clicks reach the parent as the standard BN_CLICKED of the
// platform's button, to which every mouse and key message is passed on.
#pragma once

#include "SkinButtonState.h"
#include "platform/afx.h"

// Posted by a radio-kind skin button that becomes checked to the other
// controls of its dialog group; a skin button that receives it clears its
// check.  wParam and lParam are 0.
inline constexpr UINT WM_SKINBUTTON_UNCHECK = WM_USER + 256;

class CxSkinButton : public CButton {
public:
    CxSkinButton();
    ~CxSkinButton() override;

    // Bitmap resource ids, 0 for none.  Without a disabled bitmap the
    // disabled state shows a copy of the normal one.  A mask makes the
    // button's outline its non-white pixels (and, with draw mode 0, its
    // size the mask's); without one the button keeps its size and outline.
    // drawMode: 0 copy at natural size, 1 stretch, 2 tile (limited to 0..2);
    // border nonzero draws a 3-D edge; focusMargin (negative gives 0) insets
    // the focus rectangle and widens the caption's side spaces.
    void LoadSkin(UINT normal, UINT down, UINT over, UINT disabled = 0, UINT focus = 0, UINT mask = 0,
                  short drawMode = 1, short border = 0, short focusMargin = 0);
    // Creates the tooltip on first use, covering the whole button, or
    // replaces its text.
    void SetTipText(CString text);
    // The cursor shown over the button, from a cursor resource (low 16 bits
    // of `id`; 0 restores the default cursor).  True when a cursor is set or
    // none was asked for.
    BOOL LoadButtonCursor(UINT id, BOOL repaint);
    // The caption colour from the next paint; returns the previous one.
    COLORREF SetTextColor(COLORREF color);

    void DrawItem(DRAWITEMSTRUCT* item) override;

    // State, visible to tests of the drawing and the pointer states.
    HCURSOR m_hCursor = nullptr;
    BOOL m_bChecked = FALSE;
    int m_nKind = static_cast<int>(skinbutton::Kind::Push);
    BOOL m_bHover = FALSE;
    BOOL m_bPressed = FALSE;
    CToolTipCtrl m_tooltip;
    CBitmap m_bmpNormal;
    CBitmap m_bmpDown;
    CBitmap m_bmpDisabled;
    CBitmap m_bmpMask;
    CBitmap m_bmpOver;
    CBitmap m_bmpFocus;
    short m_nFocusMargin = 0;
    COLORREF m_crText;
    BOOL m_bBorder = 0;
    short m_nDrawMode = 1;

protected:
    void PreSubclassWindow() override;

    BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
    BOOL OnEraseBkgnd(CDC* dc);
    void OnLButtonDown(UINT flags, CPoint point);
    void OnLButtonUp(UINT flags, CPoint point);
    void OnLButtonDblClk(UINT flags, CPoint point);
    void OnMouseMove(UINT flags, CPoint point);
    void OnMouseLeave();
    void OnKillFocus(CWnd* newWnd);
    void OnKeyDown(UINT key, UINT repeat, UINT flags);
    LRESULT OnSetCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnGetCheck(WPARAM wParam, LPARAM lParam);
    LRESULT OnUncheck(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    void FreeBitmaps();
    // Passes a mouse message on to the tooltip, when there is one.
    void RelayToTip(UINT message, WPARAM wParam, LPARAM lParam);
    // True when the topmost window at the client point is this button.
    bool IsUnderPoint(CPoint client) const;
    // Sets the check as a release over the button does (check kinds only).
    void CheckFromUser();
    void DrawBitmap(HDC dc, const CBitmap& bitmap, const RECT& r);
    void TileBitmap(HDC dc, const CBitmap& bitmap, const RECT& r);
    void DrawCaption(HDC dc, const RECT& r, skinbutton::Caption look);
    // The outline of the mask's pixels that are not `key`; empty when the
    // mask cannot be read.
    HRGN RegionFromMask(const CBitmap& mask, COLORREF key);
};
