// The application object: lets one copy of the program run at a time,
// starts the socket layer and the control container, and runs the main
// window as a modal dialog.  The program ends when that dialog ends.
#pragma once

#include "platform/afx.h"

class CQuillpostApp : public CWinApp {
public:
    CQuillpostApp() = default;

    // Always FALSE: the framework then ends the program, at once when
    // start-up stops early, or after the main window has closed.
    BOOL InitInstance() override;

protected:
    // Starts the socket layer; false shows string 103 and ends start-up.
    // Tests replace it to take the failure path.
    virtual bool InitSockets();
};
