// Runs the main window modally for a test: whenever the loop has nothing
// left to do, the next step of the test's script runs (looking at the
// window, injecting input), and the last step closes the window.
#pragma once

#include "app_fixture.h"

#include "QuillpostDlg.h"

#include <functional>
#include <vector>

class MainWindowTest : public ClientAppTest {
protected:
    using Step = std::function<void(CQuillpostDlg&)>;

    // Runs the window, calling one step per stall; returns DoModal's result.
    INT_PTR Run(CQuillpostDlg& dlg, std::vector<Step> steps)
    {
        std::size_t next = 0;
        headless->SetStallHandler([&] {
            if (next < steps.size()) {
                steps[next++](dlg);
                return;
            }
            ADD_FAILURE() << "the window was still open after the last step";
            dlg.EndDialog(-2);
        });
        const INT_PTR result = dlg.DoModal();
        headless->SetStallHandler({});
        EXPECT_EQ(next, steps.size()) << "every step ran";
        return result;
    }

    // The centre of a control of the window, in screen coordinates.
    static POINT ControlCentre(const CQuillpostDlg& dlg, int id)
    {
        RECT r{};
        ::GetWindowRect(::GetDlgItem(dlg.m_hWnd, id), &r);
        return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};
