#include "QuillpostApp.h"

#include "QuillpostDlg.h"
#include "SingleInstance.h"
#include "res/resource.h"

bool CQuillpostApp::InitSockets()
{
    // Nothing to start yet: the real start of the socket layer arrives
    // with the news server link.
    return true;
}

BOOL CQuillpostApp::InitInstance()
{
    // A second copy ends silently, before anything else can show.
    if (client::IncrementInstanceCount() > 1)
        return FALSE;

    if (!InitSockets()) {
        AfxMessageBox(IDS_SOCKETS_INIT_FAILED, MB_OK, 0);
        return FALSE;
    }

    AfxEnableControlContainer();
    Enable3dControlsStatic();

    CQuillpostDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // The dialog object ends here; nothing may reach it through the
    // application afterwards.
    m_pMainWnd = nullptr;
    return FALSE;
}
