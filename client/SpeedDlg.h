// The scroll-speed dialog: edits the ticker's scroll period, shown in
// units of 10 ms.  The caller sets the period, runs the dialog modally and
// reads the period back after IDOK.
#pragma once

#include "platform/afx.h"
#include "res/resource.h"

class CSpeedDlg : public CDialog {
public:
    enum { IDD = IDD_SPEED_DIALOG };

    explicit CSpeedDlg(CWnd* parent = nullptr);
    ~CSpeedDlg() override;

    // Milliseconds; the remainder below 10 ms is dropped.
    void SetPeriod(UINT periodMs);
    // Milliseconds; a value too large to multiply is held at the largest
    // period rather than wrapping round to a short one.
    UINT GetPeriod() const;

    CSpinButtonCtrl m_spin;
    UINT m_nSpeed = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
