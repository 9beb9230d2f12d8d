#include "platform/afx_dialog.h"

#include "platform/afx_app.h"
#include "platform/user_runtime.h"
#include "wnd_state.h"

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_COMMAND(IDOK, OnOK)
    ON_COMMAND(IDCANCEL, OnCancel)
END_MESSAGE_MAP()

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDHelp(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::AfxDlgProc(HWND hwnd, UINT message, WPARAM, LPARAM lParam)
{
    CWnd* wnd = CWnd::FromHandlePermanent(hwnd);
    if (!wnd) {
        // The dialog's first messages: join the window to the object being
        // created so the rest go through its message map.
        auto& state = afx::ThreadState();
        CWnd* pending = state.pendingCreate;
        if (message == WM_INITDIALOG && lParam)
            pending = reinterpret_cast<CDialog*>(lParam);
        if (!pending)
            return FALSE;
        state.pendingCreate = nullptr;
        afx::HookWindow(pending, hwnd);
        wnd = pending;
    }
    if (message == WM_INITDIALOG) {
        if (auto* dialog = dynamic_cast<CDialog*>(wnd))
            return dialog->OnInitDialog();
    }
    return FALSE;
}

BOOL CDialog::CreateFromTemplate(HWND owner)
{
    const UserDialogTemplate* dialogTemplate = UserFindDialogTemplate(static_cast<WORD>(m_nIDHelp));
    if (!dialogTemplate || m_hWnd)
        return FALSE;
    afx::InstallPreTranslateFilter();
    auto& state = afx::ThreadState();
    CWnd* const outer = state.pendingCreate;
    state.pendingCreate = this;
    HWND hwnd = ::CreateDialogIndirectParamA(AfxGetInstanceHandle(), dialogTemplate, owner, &CDialog::AfxDlgProc,
                                             reinterpret_cast<LPARAM>(this));
    state.pendingCreate = outer;
    if (!hwnd) {
        if (m_hWnd)
            Detach();
        return FALSE;
    }
    if (m_hWnd != hwnd) {
        if (m_hWnd)
            Detach();
        afx::HookWindow(this, hwnd);
    }
    return TRUE;
}

namespace {
// The owner a dialog gets: its parent's top-level window, else the main
// window (unless that is the dialog itself).
HWND OwnerFor(const CWnd* dialog, CWnd* parent)
{
    HWND owner = parent ? parent->m_hWnd : nullptr;
    if (!owner) {
        CWnd* main = AfxGetMainWnd();
        if (main && main != dialog)
            owner = main->m_hWnd;
    }
    if (owner)
        owner = ::GetAncestor(owner, GA_ROOT);
    return owner;
}
} // namespace

BOOL CDialog::Create(UINT templateId, CWnd* parent)
{
    m_nIDHelp = templateId;
    m_pParentWnd = parent;
    return CreateFromTemplate(OwnerFor(this, parent));
}

HWND CDialog::PreModal() const { return OwnerFor(this, m_pParentWnd); }

INT_PTR CDialog::DoModal()
{
    HWND owner = PreModal();
    bool enableOwner = false;
    if (owner && ::IsWindowEnabled(owner)) {
        ::EnableWindow(owner, FALSE);
        enableOwner = true;
    }
    m_nModalResult = -1;
    m_bInModalLoop = true;
    if (CreateFromTemplate(owner)) {
        // A modal dialog is shown even when its template is not visible,
        // unless its initialisation already ended it.
        if (m_bInModalLoop && !(GetStyle() & WS_VISIBLE))
            ShowWindow(SW_SHOWNORMAL);
        UserRunModalLoop([this] { return m_bInModalLoop && m_hWnd && ::IsWindow(m_hWnd); });
    }
    m_bInModalLoop = false;
    if (enableOwner)
        ::EnableWindow(owner, TRUE);
    if (m_hWnd) {
        if (owner && ::GetActiveWindow() == m_hWnd)
            ::SetActiveWindow(owner);
        ::SetWindowPos(m_hWnd, nullptr, 0, 0, 0, 0,
                       SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
        DestroyWindow();
    }
    return m_nModalResult;
}

void CDialog::EndDialog(int result)
{
    m_nModalResult = result;
    m_bInModalLoop = false;
    if (m_hWnd)
        ::EndDialog(m_hWnd, result);
}

void CDialog::NextDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0); }
void CDialog::PrevDlgCtrl() const { ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0); }

void CDialog::GotoDlgCtrl(CWnd* control)
{
    if (control && control->m_hWnd)
        ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control->m_hWnd), 1);
}

void CDialog::SetDefID(UINT id) { ::SendMessageA(m_hWnd, DM_SETDEFID, id, 0); }

DWORD CDialog::GetDefID() const { return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0)); }

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange dx(this, saveAndValidate);
    DoDataExchange(&dx);
    return dx.Failed() ? FALSE : TRUE;
}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::PreTranslateMessage(MSG* msg)
{
    const bool input = (msg->message >= WM_KEYFIRST && msg->message <= WM_KEYLAST) ||
                       (msg->message >= WM_MOUSEFIRST && msg->message <= WM_MOUSELAST);
    if (!input || !m_hWnd)
        return FALSE;
    if (msg->hwnd != m_hWnd && !::IsChild(m_hWnd, msg->hwnd))
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, msg);
}
