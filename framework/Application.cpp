#include "framework/Application.h"

#include <QApplication>
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include <xcb/xcb.h>

#include "framework/Language.h"
#include "framework/Platform.h"
#include "framework/Printing.h"
#include "framework/QtHelpers.h"
#include "framework/Window.h"

namespace framework {

namespace {

struct State {
    std::unique_ptr<Application> app;
    std::string name;
    std::vector<FileType> fileTypes;
    bool quitting = false;
    int exitCode = 0;
    bool reporting = false;
};

State& TheState() {
    static State state;
    return state;
}

Platform& RealPlatform() {
    static Platform real;
    return real;
}

Platform* installedPlatform = nullptr;

// Brings the menus up to date before Qt matches a key press against the menu shortcuts: Qt
// offers every key press to the focused widget as a shortcut override first.
class ShortcutWatcher : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) {
                UpdateMenus();
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// The X server's connection while Qt holds it open, null before and after.
xcb_connection_t* displayConnection = nullptr;

// Qt's X11 platform ends the process with exit(1) when the connection to the X server breaks,
// and tells only as a warning, which this program does not show. The connection's own error
// state is what says the display went away, whatever words Qt's warning uses.
void ReportLostDisplay() {
    if (!displayConnection || !xcb_connection_has_error(displayConnection)) return;
    const QString lost = ToQ(Tr("Application", "%1: the connection to the display was lost."));
    std::fprintf(stderr, "%s\n", qPrintable(lost.arg(ToQ(TheState().name))));
    // Qt's objects are still alive: the rest of the process's teardown has nothing sound to do.
    std::quick_exit(1);
}

// Qt ends the process on a fatal message. The only fatal one a person can meet is a display
// that cannot be opened; say so plainly instead of dumping core.
void MessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        const QString why = display ? QStringLiteral("DISPLAY=") + QString::fromLocal8Bit(display)
                                    : ToQ(Tr("Application", "DISPLAY is not set"));
        const QString text = ToQ(Tr("Application",
                                    "%1 cannot start: no graphical display could be opened (%2).\n"
                                    "Run it on a desktop, or set DISPLAY to a running X server."));
        std::fprintf(stderr, "%s\n", qPrintable(text.arg(ToQ(TheState().name), why)));
        std::fflush(stderr);
        std::quick_exit(1);
    }
    // Qt warns just before it ends the process over a broken connection: said here, the line
    // comes before any of the process's teardown, which can fault with windows still open.
    ReportLostDisplay();
    // The program keeps no log; only what points at a real fault reaches the terminal.
    if (type != QtCriticalMsg) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

void Platform::Beep() {
    QApplication::beep();
}

void Platform::MsgBox(const std::string& text) {
    QMessageBox box(QMessageBox::Information, ToQ(ApplicationName()), ToQ(text), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void Platform::ReportUnhandledException(const std::string& what) {
    std::fprintf(stderr, "%s: unexpected error: %s\n", ApplicationName().c_str(), what.c_str());
    QMessageBox::critical(
        QApplication::activeWindow(), ToQ(ApplicationName()),
        ToQ(Tr("Application", "An unexpected error occurred, and %1 has to close.\n\n%2"))
            .arg(ToQ(ApplicationName()), ToQ(what)));
}

Platform& CurrentPlatform() {
    return installedPlatform ? *installedPlatform : RealPlatform();
}

void SetPlatform(Platform* platform) {
    installedPlatform = platform;
}

const std::string& ApplicationName() {
    return TheState().name;
}

std::string DigitGroupSeparator() {
    return FromQ(QLocale().groupSeparator());
}

void SetApplication(std::unique_ptr<Application> app) {
    TheState().app = std::move(app);
}

Application* CurrentApplication() {
    return TheState().app.get();
}

Application& RunningApplication() {
    Application* app = CurrentApplication();
    if (!app) throw NilObjectException("no application object");
    return *app;
}

void Quit(int exitCode) {
    State& state = TheState();
    if (state.quitting) return;
    state.quitting = true;
    state.exitCode = exitCode;
    for (Window* w : LiveWindows()) w->CloseWindow();
    QCoreApplication::exit(exitCode);
}

bool Quitting() {
    return TheState().quitting;
}

int ExitStatus() {
    return TheState().exitCode;
}

void RunEventLoop() {
    // A quit asked for before the loop starts would otherwise be lost.
    if (Quitting() || !qApp) return;
    QApplication::exec();
}

void Guarded(const std::function<void()>& code) {
    try {
        code();
    } catch (const std::exception& e) {
        ReportUnhandled(e.what());
    } catch (...) {
        ReportUnhandled("an exception of unknown type");
    }
}

void ReportUnhandled(const std::string& what) {
    State& state = TheState();
    if (!state.reporting) {
        state.reporting = true;
        try {
            CurrentPlatform().ReportUnhandledException(what);
        } catch (...) {
            std::fprintf(stderr, "unexpected error: %s\n", what.c_str());
        }
        state.reporting = false;
    }
    Quit(1);
}

void FileType::Register() const {
    TheState().fileTypes.push_back(*this);
}

const std::vector<FileType>& RegisteredFileTypes() {
    return TheState().fileTypes;
}

int RunWithoutDisplay(int& argc, char** argv, std::string_view displayName,
                      const std::function<int()>& code) {
    TheState().name = std::string(displayName);
    qInstallMessageHandler(&MessageHandler);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InstallTranslations();
    return code();
}

Runtime::Runtime(int& argc, char** argv, std::string_view displayName) {
    TheState().name = std::string(displayName);
    qInstallMessageHandler(&MessageHandler);
    QApplication::setApplicationName(ToQ(displayName));
    qtApp_ = std::make_unique<QApplication>(argc, argv);
    InstallTranslations();
    QApplication::setQuitOnLastWindowClosed(false);
    // The application's icon, for every window's title bar and the task switcher: each size
    // the resources hold as ":/icon/N.png". Files are read only when a size is needed.
    QIcon icon;
    for (const QString& file : QDir(QStringLiteral(":/icon")).entryList()) {
        icon.addFile(QStringLiteral(":/icon/") + file);
    }
    if (!icon.isNull()) QApplication::setWindowIcon(icon);
    qtApp_->installEventFilter(new ShortcutWatcher(qtApp_.get()));
    if (auto* x11 = qtApp_->nativeInterface<QNativeInterface::QX11Application>()) {
        displayConnection = x11->connection();
        static const bool registered = std::atexit(&ReportLostDisplay) == 0;
        (void)registered;
    }
}

Runtime::~Runtime() {
    Shutdown();
    displayConnection = nullptr;
}

int Runtime::Shutdown() {
    State& state = TheState();
    DisposeAllWindows();
    state.app.reset();
    return state.exitCode;
}

}  // namespace framework
