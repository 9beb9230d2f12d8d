// Making the Qt backend: finding out whether a display can be opened
// before Qt tries (Qt ends the process when its platform fails), and
// starting the Qt application.
#include "qt_dialogs.h"
#include "qt_tray.h"
#include "top_window.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

std::string EnvOr(const char* name, const char* fallback)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? value : fallback;
}

// The "-platform NAME" option among the program's arguments, if any.
std::string PlatformArgument(int argc, char** argv)
{
    for (int i = 1; i + 1 < argc; ++i)
        if (argv[i] != nullptr && (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0))
            return argv[i + 1] != nullptr ? argv[i + 1] : "";
    return {};
}

bool CanOpenX(std::string& why)
{
    const std::string display = EnvOr("DISPLAY", "");
    if (display.empty()) {
        why = "no X display: DISPLAY is not set";
        return false;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const int error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    if (error != 0) {
        why = "cannot open the X display \"" + display + "\"";
        return false;
    }
    return true;
}

} // namespace

QtBackend::QtBackend(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

QtBackend::~QtBackend() = default;

std::unique_ptr<QtBackend> CreateQtBackend(int argc, char** argv, std::string* whyNot)
{
    std::string why;
    auto d = std::make_unique<QtBackend::Impl>();
    if (QCoreApplication* existing = QCoreApplication::instance()) {
        if (qobject_cast<QApplication*>(existing) == nullptr) {
            if (whyNot != nullptr)
                *whyNot = "the program runs a Qt application without widgets";
            return nullptr;
        }
    } else {
        for (int i = 0; i < argc; ++i)
            d->argStorage.emplace_back(argv[i] != nullptr ? argv[i] : "");
        if (d->argStorage.empty())
            d->argStorage.emplace_back("quillpost");
        // Our windows are placed where the program says and shaped by
        // their regions, which only X lets a client do: without a choice
        // of platform, Qt goes to X (XWayland on a Wayland desktop).
        std::string platform = PlatformArgument(argc, argv);
        if (platform.empty())
            platform = EnvOr("QT_QPA_PLATFORM", "");
        if (platform.empty()) {
            platform = "xcb";
            d->argStorage.emplace_back("-platform");
            d->argStorage.emplace_back("xcb");
        }
        if (platform.rfind("xcb", 0) == 0 && !CanOpenX(why)) {
            if (whyNot != nullptr)
                *whyNot = why;
            return nullptr;
        }
        for (std::string& arg : d->argStorage)
            d->argv.push_back(arg.data());
        d->argv.push_back(nullptr);
        d->argc = static_cast<int>(d->argStorage.size());
        // The runtime works in device pixels: window regions and backing
        // stores are pixel-exact, so Qt must not scale them.
        const bool setScaling = std::getenv("QT_ENABLE_HIGHDPI_SCALING") == nullptr;
        if (setScaling)
            setenv("QT_ENABLE_HIGHDPI_SCALING", "0", 1);
        d->app = std::make_unique<QApplication>(d->argc, d->argv.data());
        if (setScaling)
            unsetenv("QT_ENABLE_HIGHDPI_SCALING");
    }
    // Windows close when the program says so, never by Qt's own rule.
    QApplication::setQuitOnLastWindowClosed(false);
    d->dispatcher = QAbstractEventDispatcher::instance();
    d->waitTimer = std::make_unique<QTimer>();
    d->waitTimer->setSingleShot(true);
    d->waitTimer->setTimerType(Qt::PreciseTimer);
    QtBackend::Impl* self = d.get();
    QObject::connect(d->waitTimer.get(), &QTimer::timeout, [self] { self->waitTimedOut = true; });
    return std::unique_ptr<QtBackend>(new QtBackend(std::move(d)));
}

} // namespace platform
