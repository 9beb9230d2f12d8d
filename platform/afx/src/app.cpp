#include "platform/afx_app.h"

#include "platform/afx_wnd.h"
#include "platform/user_dialog.h"
#include "platform/user_runtime.h"
#include "wnd_state.h"

namespace {

CWinApp* g_app = nullptr;
bool g_controlContainer = false;

struct FrameworkString {
    UINT id;
    const char* text;
};

// Prompts the framework shows itself; a program's string table may
// replace them.
const FrameworkString kFrameworkStrings[] = {
    {AFX_IDP_PARSE_INT, "정수를 입력하십시오."},
    {AFX_IDP_PARSE_UINT, "양의 정수를 입력하십시오."},
};

} // namespace

CWinApp::CWinApp(LPCSTR appName) : m_strAppName(appName), m_pszAppName(nullptr)
{
    m_hInstance = ::GetModuleHandleA(nullptr);
    g_app = this;
    if (appName)
        m_pszAppName = m_strAppName;
}

CWinApp::~CWinApp()
{
    if (g_app == this)
        g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return m_nExitCode; }

int CWinApp::Run()
{
    afx::InstallPreTranslateFilter();
    const bool ended = UserRunModalLoop([this] { return m_pMainWnd != nullptr; });
    if (!ended) {
        MSG quit{};
        if (::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            m_nExitCode = static_cast<int>(quit.wParam);
    }
    AfxDeleteTempMaps();
    return ExitInstance();
}

BOOL CWinApp::PreTranslateMessage(MSG* msg)
{
    HWND main = m_pMainWnd ? m_pMainWnd->m_hWnd : nullptr;
    if (AfxWalkPreTranslateTree(main, msg))
        return TRUE;
    // A message for a window outside the main window (a modeless dialog)
    // still reaches the main window last.
    if (main && msg->hwnd != main && !::IsChild(main, msg->hwnd)) {
        bool underMain = false;
        for (HWND h = msg->hwnd; h; h = ::GetParent(h))
            if (h == main)
                underMain = true;
        if (!underMain && m_pMainWnd->PreTranslateMessage(msg))
            return TRUE;
    }
    return FALSE;
}

HICON CWinApp::LoadIcon(UINT resourceId) const
{
    return ::LoadIconA(AfxGetResourceHandle(), MAKEINTRESOURCEA(static_cast<WORD>(resourceId)));
}

HICON CWinApp::LoadIcon(LPCSTR name) const { return ::LoadIconA(AfxGetResourceHandle(), name); }

HICON CWinApp::LoadStandardIcon(LPCSTR name) const { return ::LoadIconA(nullptr, name); }

HCURSOR CWinApp::LoadCursor(UINT resourceId) const
{
    return ::LoadCursorA(AfxGetResourceHandle(), MAKEINTRESOURCEA(static_cast<WORD>(resourceId)));
}

HCURSOR CWinApp::LoadStandardCursor(LPCSTR name) const { return ::LoadCursorA(nullptr, name); }

CWinApp* AfxGetApp() { return g_app; }

CWnd* AfxGetMainWnd() { return g_app ? g_app->m_pMainWnd : nullptr; }

// The program's module holds its resources whether or not an application
// object exists yet (tests make windows without one).
HINSTANCE AfxGetInstanceHandle() { return g_app ? g_app->m_hInstance : ::GetModuleHandleA(nullptr); }

HINSTANCE AfxGetResourceHandle() { return AfxGetInstanceHandle(); }

int AfxWinMain()
{
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    afx::InstallPreTranslateFilter();
    for (const auto& s : kFrameworkStrings) {
        CString existing;
        if (!existing.LoadString(s.id))
            UserRegisterString(s.id, s.text);
    }
    const int code = app->InitInstance() ? app->Run() : app->ExitInstance();
    AfxDeleteTempMaps();
    return code;
}

BOOL AfxPreTranslateMessage(MSG* msg)
{
    if (!msg)
        return FALSE;
    if (CWinApp* app = AfxGetApp())
        return app->PreTranslateMessage(msg);
    return AfxWalkPreTranslateTree(nullptr, msg);
}

int AfxMessageBox(LPCSTR text, UINT type, UINT)
{
    CWnd* main = AfxGetMainWnd();
    HWND owner = main ? main->m_hWnd : nullptr;
    // A modal loop is running for a dialog: the box belongs to the active
    // window of the program, which that dialog is.
    if (HWND active = ::GetActiveWindow())
        owner = active;
    CWinApp* app = AfxGetApp();
    LPCSTR caption = app && app->m_pszAppName ? app->m_pszAppName : "";
    return ::MessageBoxA(owner, text ? text : "", caption, type);
}

int AfxMessageBox(UINT textId, UINT type, UINT)
{
    CString text;
    if (!text.LoadString(textId)) {
        // A framework prompt the program's table lacks joins the table.
        for (const auto& s : kFrameworkStrings)
            if (s.id == textId) {
                UserRegisterString(s.id, s.text);
                text = s.text;
            }
    }
    return AfxMessageBox(static_cast<LPCSTR>(text), type, 0);
}

void AfxEnableControlContainer() { g_controlContainer = true; }

BOOL AfxControlContainerEnabled() { return g_controlContainer ? TRUE : FALSE; }
