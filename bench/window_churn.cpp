// The description window opened and closed as a person does it, over and over: a click on the
// calculator's picture, then the window's close box. Prints the growth of the heap in use across
// the rounds after a warm-up, in kB; a window that leaves nothing behind keeps it near zero. Runs
// on Qt's offscreen platform unless QT_QPA_PLATFORM names another.
//   window_churn [ROUNDS]   (1000 by default)
#include <malloc.h>

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstdlib>

#include "app/HandleAboutMenu.h"
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Window.h"
#include "windows/ControlWnd.h"
#include "windows/Windows.h"

namespace {

// Lets deferred deletions and queued calls run, as the event loop would between two clicks.
void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool OpenAndClose(QWidget* picture) {
    QTest::mouseClick(picture, Qt::LeftButton, {}, QPoint(16, 16));
    framework::Window* description = framework::FindImplicitWindow("DescriptionWnd");
    if (!description || !description->Visible()) return false;
    if (!QTest::qWaitForWindowExposed(description->Widget())) return false;
    QCoreApplication::processEvents();
    description->CloseWindow();
    Settle();
    return framework::FindImplicitWindow("DescriptionWnd") == nullptr;
}

long HeapInUse() {
    return static_cast<long>(mallinfo2().uordblks);
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int warmup = 100;
    framework::Runtime runtime(argc, argv, "Predivo");
    app::Start();
    if (!QTest::qWaitFor([] { return app::ControlWnd().Visible(); }, 10000)) {
        std::fprintf(stderr, "window_churn: the calculator never came up\n");
        return 1;
    }
    QWidget* picture = app::ControlWnd().Find<framework::Canvas>("Canvas2").Widget();
    long before = 0;
    for (int i = 0; i < warmup + rounds; ++i) {
        if (i == warmup) before = HeapInUse();
        if (!OpenAndClose(picture)) {
            std::fprintf(stderr, "window_churn: round %d did not open and close the window\n", i);
            return 1;
        }
    }
    std::printf("%.1f\n", static_cast<double>(HeapInUse() - before) / 1024);
    framework::Quit(0);
    return runtime.Shutdown();
}
