#include "SpeedDlg.h"

#include <limits>

CSpeedDlg::CSpeedDlg(CWnd* parent) : CDialog(IDD, parent) {}

CSpeedDlg::~CSpeedDlg() = default;

void CSpeedDlg::SetPeriod(UINT periodMs) { m_nSpeed = periodMs / 10; }

UINT CSpeedDlg::GetPeriod() const
{
    constexpr UINT kMax = std::numeric_limits<UINT>::max();
    return m_nSpeed > kMax / 10 ? kMax : m_nSpeed * 10;
}

void CSpeedDlg::DoDataExchange(CDataExchange* dx)
{
    CDialog::DoDataExchange(dx);
    DDX_Control(dx, IDC_SPIN_SPEED, m_spin);
    DDX_Text(dx, IDC_EDIT_SPEED, m_nSpeed);
}
