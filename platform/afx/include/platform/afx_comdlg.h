// The framework's common dialogs: CColorDialog and CFontDialog over
// ChooseColorA and ChooseFontA.  DoModal gives the dialog the owner any
// modal dialog gets (the parent's top-level window, else the main window),
// returns IDOK when the user chose and IDCANCEL otherwise (also when the
// desktop has no such dialog); the answer is then read with GetColor or
// GetCurrentFont.  The timers of the program keep running meanwhile.
#pragma once

#include "platform/afx_dialog.h"
#include "platform/afx_export.h"
#include "platform/user_comdlg.h"

class PLATFORM_AFX_API CCommonDialog : public CDialog {
public:
    explicit CCommonDialog(CWnd* parent);
};

class PLATFORM_AFX_API CColorDialog : public CCommonDialog {
public:
    // A non-zero `initial` colour is preselected (CC_RGBINIT); 0 preselects
    // none.
    explicit CColorDialog(COLORREF initial = 0, DWORD flags = 0, CWnd* parent = nullptr);

    INT_PTR DoModal() override;
    COLORREF GetColor() const { return m_cc.rgbResult; }
    // The colour preselected by the next DoModal.
    void SetCurrentColor(COLORREF color);

    CHOOSECOLORA m_cc{};
};

class PLATFORM_AFX_API CFontDialog : public CCommonDialog {
public:
    // With `initial` the dialog starts from that font
    // (CF_INITTOLOGFONTSTRUCT); the printer DC is not used.
    explicit CFontDialog(const LOGFONTA* initial = nullptr, DWORD flags = CF_EFFECTS | CF_SCREENFONTS,
                         CDC* printer = nullptr, CWnd* parent = nullptr);
    CFontDialog(const CFontDialog&) = delete;
    CFontDialog& operator=(const CFontDialog&) = delete;

    INT_PTR DoModal() override;
    // The font chosen (after IDOK), or the one the dialog starts from.
    void GetCurrentFont(LOGFONTA* out) const;
    // The text colour chosen with the effects.
    COLORREF GetColor() const { return m_cf.rgbColors; }
    // The size in tenths of a point.
    int GetSize() const { return m_cf.iPointSize; }
    CString GetFaceName() const { return CString(m_lf.lfFaceName); }

    CHOOSEFONTA m_cf{};
    LOGFONTA m_lf{}; // m_cf.lpLogFont points here
};
