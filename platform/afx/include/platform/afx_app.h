// CWinApp, the application object, and the framework's global calls.  A
// program defines exactly one CWinApp-derived global object; its main
// selects a backend and returns AfxWinMain().
#pragma once

#include "platform/afx_export.h"
#include "platform/afx_string.h"
#include "platform/user.h"

class CWnd;

class PLATFORM_AFX_API CWinApp {
public:
    // Becomes the process's application object (AfxGetApp).
    explicit CWinApp(LPCSTR appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // False ends the program at once (after ExitInstance).
    virtual BOOL InitInstance();
    // Runs the message loop while the main window exists or until WM_QUIT;
    // then ExitInstance.  Returns the exit code.
    virtual int Run();
    virtual int ExitInstance();
    // Offers a message to the windows under it, then to the main window.
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Icons and cursors of the program's resources (shared handles: never
    // destroyed) and of the system's set.
    HICON LoadIcon(UINT resourceId) const;
    HICON LoadIcon(LPCSTR name) const;
    HICON LoadStandardIcon(LPCSTR name) const;
    HCURSOR LoadCursor(UINT resourceId) const;
    HCURSOR LoadStandardCursor(LPCSTR name) const;

    // Three-dimensional controls are what the runtime always draws.
    BOOL Enable3dControls() { return TRUE; }
    BOOL Enable3dControlsStatic() { return TRUE; }

    CWnd* m_pMainWnd = nullptr;
    CString m_strAppName;
    LPCSTR m_pszAppName = nullptr;
    HINSTANCE m_hInstance = nullptr; // the program's module, which holds its resources
    int m_nExitCode = 0;
};

PLATFORM_AFX_API CWinApp* AfxGetApp();
PLATFORM_AFX_API CWnd* AfxGetMainWnd();
PLATFORM_AFX_API HINSTANCE AfxGetInstanceHandle();
PLATFORM_AFX_API HINSTANCE AfxGetResourceHandle();

// The framework's start: InitInstance, then Run or ExitInstance.
PLATFORM_AFX_API int AfxWinMain();

// Offers `msg` to PreTranslateMessage of its windows (through the
// application when there is one); true when it was consumed.  Every
// message loop of the runtime calls it before dispatching.
PLATFORM_AFX_API BOOL AfxPreTranslateMessage(MSG* msg);

// A message box owned by the main window, captioned with the application's
// name.  The id form loads the text from the string table (a framework
// prompt such as 61719 falls back to the framework's own text).
PLATFORM_AFX_API int AfxMessageBox(LPCSTR text, UINT type = MB_OK, UINT helpId = 0);
PLATFORM_AFX_API int AfxMessageBox(UINT textId, UINT type = MB_OK, UINT helpId = static_cast<UINT>(-1));

// Control hosting: records that the program hosts ActiveX controls.
// Controls named by class id in dialog templates are created by the
// runtime as plain child windows until a hosted control exists.
PLATFORM_AFX_API void AfxEnableControlContainer();
PLATFORM_AFX_API BOOL AfxControlContainerEnabled();

// The framework's prompts (string ids of the string table).
inline constexpr UINT AFX_IDP_PARSE_INT = 0xF110;
inline constexpr UINT AFX_IDP_PARSE_UINT = 0xF117;
