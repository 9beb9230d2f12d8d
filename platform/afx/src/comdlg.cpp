#include "platform/afx_comdlg.h"

#include <array>

namespace {

// The sixteen custom colours, shared by every colour dialog of the process
// as the user left them.
COLORREF* CustomColors()
{
    static std::array<COLORREF, 16> colors = [] {
        std::array<COLORREF, 16> c{};
        c.fill(0x00FFFFFF);
        return c;
    }();
    return colors.data();
}

} // namespace

CCommonDialog::CCommonDialog(CWnd* parent) { m_pParentWnd = parent; }

CColorDialog::CColorDialog(COLORREF initial, DWORD flags, CWnd* parent) : CCommonDialog(parent)
{
    m_cc.lStructSize = sizeof m_cc;
    m_cc.Flags = flags;
    m_cc.lpCustColors = CustomColors();
    if (initial != 0) {
        m_cc.Flags |= CC_RGBINIT;
        m_cc.rgbResult = initial;
    }
}

void CColorDialog::SetCurrentColor(COLORREF color)
{
    m_cc.rgbResult = color;
    m_cc.Flags |= CC_RGBINIT;
}

INT_PTR CColorDialog::DoModal()
{
    m_cc.hwndOwner = PreModal();
    return ChooseColorA(&m_cc) ? IDOK : IDCANCEL;
}

CFontDialog::CFontDialog(const LOGFONTA* initial, DWORD flags, CDC* printer, CWnd* parent) : CCommonDialog(parent)
{
    m_cf.lStructSize = sizeof m_cf;
    m_cf.Flags = flags;
    m_cf.hDC = printer != nullptr ? printer->GetSafeHdc() : nullptr;
    m_cf.lpLogFont = &m_lf;
    if (initial != nullptr) {
        m_lf = *initial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
}

INT_PTR CFontDialog::DoModal()
{
    m_cf.hwndOwner = PreModal();
    m_cf.lpLogFont = &m_lf;
    return ChooseFontA(&m_cf) ? IDOK : IDCANCEL;
}

void CFontDialog::GetCurrentFont(LOGFONTA* out) const
{
    if (out != nullptr)
        *out = m_lf;
}
