// The login-error dialog: tells the user to log in first.  The main window
// makes it once, modeless, and shows it whenever a page needs a login; OK,
// Enter or Escape hide it until the next time.
#pragma once

#include "platform/afx.h"
#include "res/resource.h"

class CAlertDialog : public CDialog {
public:
    enum { IDD = IDD_ALERT_DIALOG };

    explicit CAlertDialog(CWnd* parent = nullptr);
    ~CAlertDialog() override;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};
