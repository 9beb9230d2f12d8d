// quillpost: the program's entry.  Chooses the desktop backend when a
// display can be opened and the headless one otherwise, registers the
// resource tables and runs the application object.
//
//   quillpost [--headless] [--screenshot FILE] [--headless-screenshot FILE]
//
// Without a display (or with --headless) the program says so, runs the
// main window in virtual time for a few seconds, writes a screenshot of it
// to FILE (--screenshot; quillpost-screenshot.bmp by default) and ends.
// --headless-screenshot FILE is --headless with --screenshot FILE.  The
// bitmaps, icons and cursor are inside the program; "Frame.bmp",
// "Title.bmp" and sys.con are read from the working directory.
//
// Test hook: QUILLPOST_TEST_HOLD=DIR runs headless on the real clock; once
// the main window is up the copy creates DIR/ready.<pid>, and it stays
// until DIR/hold is gone.
#include "QuillpostApp.h"
#include "res/resources.h"

#include "platform/headless_backend.h"
#include "platform/user_runtime.h"
#if defined(QP_HAVE_QT)
#include "platform/qt_backend.h"
#endif

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <unistd.h>

CQuillpostApp theApp;

namespace {

constexpr UINT_PTR kDriverTimer = 0x5150;
constexpr UINT kScreenshotAfterMs = 3000; // virtual time
constexpr UINT kHoldPollMs = 20;          // real time

struct HeadlessDriver {
    platform::HeadlessBackend* backend = nullptr;
    std::string screenshot;  // write the main window here, then close it
    std::string holdDir;     // test hook: stay while holdDir/hold exists
    bool readyWritten = false;
};

HeadlessDriver g_driver;

HWND MainWindow()
{
    CWnd* main = AfxGetMainWnd();
    return main ? main->GetSafeHwnd() : nullptr;
}

void DriveHeadless(HWND, UINT, UINT_PTR, DWORD)
{
    const HWND main = MainWindow();
    if (!main)
        return;
    if (!g_driver.holdDir.empty()) {
        namespace fs = std::filesystem;
        if (!g_driver.readyWritten) {
            std::ofstream(fs::path(g_driver.holdDir) / ("ready." + std::to_string(::getpid()))) << "up\n";
            g_driver.readyWritten = true;
        }
        std::error_code ec;
        if (fs::exists(fs::path(g_driver.holdDir) / "hold", ec))
            return;
    } else {
        const auto window = UserGetNativeWindow(main);
        if (g_driver.backend->SaveScreenshot(window, g_driver.screenshot))
            std::printf("quillpost: screenshot of the main window written to %s\n", g_driver.screenshot.c_str());
        else
            std::fprintf(stderr, "quillpost: could not write the screenshot to %s\n", g_driver.screenshot.c_str());
    }
    ::KillTimer(nullptr, kDriverTimer);
    ::PostMessageA(main, WM_CLOSE, 0, 0);
}

void StartHeadless(const std::string& screenshot, const char* holdDir)
{
    platform::HeadlessBackend::Options options;
    options.virtualClock = holdDir == nullptr;
    auto backend = std::make_unique<platform::HeadlessBackend>(options);
    g_driver.backend = backend.get();
    if (options.virtualClock)
        backend->SetAutoAdvance(true);
    UserSetBackend(std::move(backend));
    g_driver.screenshot = screenshot;
    if (holdDir)
        g_driver.holdDir = holdDir;
    ::SetTimer(nullptr, kDriverTimer, holdDir ? kHoldPollMs : kScreenshotAfterMs, DriveHeadless);
}

#if defined(QP_HAVE_QT)
bool StartQt(int argc, char** argv, std::string& whyNot)
{
    auto qt = platform::CreateQtBackend(argc, argv, &whyNot);
    if (!qt)
        return false;
    UserSetBackend(std::move(qt));
    return true;
}
#endif

int Usage()
{
    std::fprintf(stderr, "usage: quillpost [--headless] [--screenshot FILE] [--headless-screenshot FILE]\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    bool headless = false;
    std::string screenshot = "quillpost-screenshot.bmp";
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--headless") {
            headless = true;
        } else if (arg == "--headless-screenshot" && i + 1 < argc) {
            headless = true;
            screenshot = argv[++i];
        } else if (arg == "--screenshot" && i + 1 < argc) {
            screenshot = argv[++i];
        } else {
            return Usage();
        }
    }

    const char* holdDir = std::getenv("QUILLPOST_TEST_HOLD");
    if (holdDir && !*holdDir)
        holdDir = nullptr;
    bool started = false;
#if defined(QP_HAVE_QT)
    if (!headless && !holdDir) {
        std::string whyNot;
        started = StartQt(argc, argv, whyNot);
        if (!started)
            std::fprintf(stderr, "quillpost: no display (%s); running headless\n", whyNot.c_str());
    }
#else
    if (!headless && !holdDir)
        std::fprintf(stderr, "quillpost: built without the Qt backend; running headless\n");
#endif
    if (!started)
        StartHeadless(screenshot, holdDir);

    RegisterQuillpostResources();
    return AfxWinMain();
}
