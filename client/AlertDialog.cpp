#include "AlertDialog.h"

CAlertDialog::CAlertDialog(CWnd* parent) : CDialog(IDD, parent) {}

CAlertDialog::~CAlertDialog() = default;

void CAlertDialog::DoDataExchange(CDataExchange* dx) { CDialog::DoDataExchange(dx); }
