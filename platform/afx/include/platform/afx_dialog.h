// CDialog and dialog data exchange.  Templates are found by id in the
// runtime's template registry (UserRegisterDialogTemplate).  The dialog's
// messages go through its message map; the runtime's dialog procedure
// does the rest (keyboard navigation, default button, WM_CLOSE to
// IDCANCEL).  DoModal runs the framework's own modal loop, in which every
// message first passes PreTranslateMessage (so a dialog sees its keys
// before its controls do; CDialog hands them to IsDialogMessageA).
#pragma once

#include "platform/afx_export.h"
#include "platform/afx_wnd.h"

class CDialog;

// One exchange between a dialog's controls and its members.  A failed
// validation marks the exchange failed (Fail); the DDX_ calls that follow
// do nothing, and UpdateData returns FALSE.
class PLATFORM_AFX_API CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate) : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

    // The control `id` of the dialog, remembered for Fail; null if missing.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id);
    // Puts the focus back on the last prepared control (selecting an edit
    // control's text) and marks the exchange failed.
    void Fail();
    bool Failed() const { return m_bFailed; }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    HWND m_hWndLastControl = nullptr;
    BOOL m_bEditLastControl = FALSE;
    bool m_bFailed = false;
};

// Binds control `id` to `control` (subclassing it) the first time.
PLATFORM_AFX_API void DDX_Control(CDataExchange* dx, int id, CWnd& control);
// Text of control `id` and a member.  The numeric forms accept optional
// blanks and tabs around the number; an int may carry one sign; a UINT is
// decimal digits only (0 allowed).  Text that is not such a number, or does
// not fit, shows the framework's prompt (AFX_IDP_PARSE_INT or
// AFX_IDP_PARSE_UINT) and fails the exchange.
PLATFORM_AFX_API void DDX_Text(CDataExchange* dx, int id, CString& value);
PLATFORM_AFX_API void DDX_Text(CDataExchange* dx, int id, int& value);
PLATFORM_AFX_API void DDX_Text(CDataExchange* dx, int id, UINT& value);
// Parsers behind DDX_Text, for testing the rules directly.
PLATFORM_AFX_API bool AfxParseInt(LPCSTR text, int& value);
PLATFORM_AFX_API bool AfxParseUInt(LPCSTR text, UINT& value);

class PLATFORM_AFX_API CDialog : public CWnd {
public:
    CDialog() = default;
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    ~CDialog() override;

    // Modeless: the dialog stays until DestroyWindow.  Without a parent the
    // main window owns it.
    BOOL Create(UINT templateId, CWnd* parent = nullptr);
    // Runs the dialog modally: IDOK, IDCANCEL or the value given to
    // EndDialog; -1 when the template is missing or creation failed.
    virtual INT_PTR DoModal();
    void EndDialog(int result);
    void NextDlgCtrl() const;
    void PrevDlgCtrl() const;
    void GotoDlgCtrl(CWnd* control);
    void SetDefID(UINT id);
    DWORD GetDefID() const;

    // Exchanges the members with the controls (DoDataExchange); FALSE when
    // a validation failed.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* dx);
    BOOL PreTranslateMessage(MSG* msg) override;

    UINT m_nIDHelp = 0;
    CWnd* m_pParentWnd = nullptr;

protected:
    // The owner a modal run gets: the parent's top-level window, else the
    // main window (unless that is this dialog).
    HWND PreModal() const;
    // Creates the window from the template with `owner`; false on failure.
    BOOL CreateFromTemplate(HWND owner);
    static INT_PTR AfxDlgProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    bool m_bInModalLoop = false;
    INT_PTR m_nModalResult = -1;
};
