// A Calculate click as a person makes it, up to the result on screen: a real mouse click on the
// button, until the result field holds the new text and has been painted. Beside it, the same
// click on a bare Qt button that only sets a field's text: the floor that Qt itself sets.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/HandleAboutMenu.h"
#include "calc/explain/Pictures.h"
#include "framework/Application.h"
#include "framework/Controls.h"
#include "framework/Export.h"
#include "framework/PictureView.h"
#include "framework/Platform.h"
#include "windows/ControlWnd.h"
#include "windows/ExplanationWnd.h"
#include "windows/Windows.h"

namespace {

// A message box would wait for a person. These inputs never raise one; if one comes anyway,
// the figures would be wrong, so the run stops.
class NoDialogs : public framework::Platform {
  public:
    void Beep() override {}
    void MsgBox(const std::string& text) override {
        std::fprintf(stderr, "gui_bench: unexpected message: %s\n", text.c_str());
        std::exit(1);
    }
};

// Times one click; between clicks the inputs change, outside the timing, so that every click
// produces a text the field does not already show.
void TimeClicks(benchmark::State& state, QWidget* button, QWidget* result,
                const std::function<QString()>& resultText, const std::function<void(int)>& fill) {
    static int turn = 0;  // kept across runs: a benchmark is entered several times
    for (auto _ : state) {
        fill(turn++ % 2);
        const QString before = resultText();
        const auto start = std::chrono::steady_clock::now();
        QTest::mouseClick(button, Qt::LeftButton);
        QElapsedTimer patience;
        patience.start();
        while (resultText() == before) {
            if (patience.elapsed() > 5000) {
                state.SkipWithError("the result never changed");
                return;
            }
            QCoreApplication::processEvents();
        }
        result->repaint();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
}

void BM_CalculateClick(benchmark::State& state) {
    auto& window = app::ControlWnd();
    auto& ppp = window.Find<framework::EditField>("pppFld");
    const std::array<std::array<const char*, 4>, 2> inputs{
        {{"15", "299", "15", "9671"}, {"30", "299", "15", "9671"}}};
    TimeClicks(
        state, window.Find<framework::PushButton>("CalculateBtn").Widget(), ppp.Widget(),
        [&] { return QString::fromStdString(ppp.Text()); },
        [&](int which) {
            const char* names[] = {"tpFld", "fpFld", "fnFld", "tnFld"};
            for (int f = 0; f < 4; ++f) {
                window.Find<framework::EditField>(names[f]).SetText(inputs[which][f]);
            }
        });
}
BENCHMARK(BM_CalculateClick)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_BareQtClick(benchmark::State& state) {
    QWidget window;
    auto* button = new QPushButton(QStringLiteral("Calculate"), &window);
    button->setGeometry(35, 390, 80, 30);
    auto* field = new QLineEdit(&window);
    field->setGeometry(397, 330, 80, 20);
    field->setEnabled(false);
    int next = 0;
    QObject::connect(button, &QPushButton::clicked, field,
                     [&] { field->setText(next ? QStringLiteral("9.1") : QStringLiteral("4.8")); });
    window.resize(515, 440);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        state.SkipWithError("the window never showed");
        return;
    }
    TimeClicks(
        state, button, field, [&] { return field->text(); }, [&](int which) { next = which; });
}
BENCHMARK(BM_BareQtClick)->UseManualTime()->Unit(benchmark::kMillisecond);

// From asking for the explanation to the window painted, the worked example's counts entered.
void BM_OpenExplanation(benchmark::State& state) {
    auto& calculator = app::ControlWnd();
    const char* names[] = {"tpFld", "fpFld", "fnFld", "tnFld"};
    const char* counts[] = {"15", "299", "15", "9671"};
    for (int f = 0; f < 4; ++f) calculator.Find<framework::EditField>(names[f]).SetText(counts[f]);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        auto& window = app::ExplanationWnd();
        window.Widget()->repaint();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        window.CloseWindow();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_OpenExplanation)->UseManualTime()->Unit(benchmark::kMillisecond);

// One key typed into the calculator, a digit or a backspace by turns, up to the open
// explanation repainted with its new sentences and intervals.
void BM_ExplanationKeystroke(benchmark::State& state) {
    auto& calculator = app::ControlWnd();
    auto& window = app::ExplanationWnd();
    QWidget* field = calculator.Find<framework::EditField>("tnFld").Widget();
    int turn = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(field, turn++ % 2 ? Qt::Key_Backspace : Qt::Key_1);
        window.Widget()->repaint();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    window.CloseWindow();
}
BENCHMARK(BM_ExplanationKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond);

// Counts whose positives fill an icon array of 999 icons, one person each; the negatives take
// 549 or 999 as a 9 is typed at the end of the true negatives and taken back.
void EnterLargestArrays() {
    auto& calculator = app::ControlWnd();
    const char* names[] = {"tpFld", "fpFld", "fnFld", "tnFld"};
    const char* counts[] = {"500", "499", "500", "49"};
    for (int f = 0; f < 4; ++f) calculator.Find<framework::EditField>(names[f]).SetText(counts[f]);
}

// One key typed into the calculator up to all three pictures drawn anew and painted. Run with
// QT_SCALE_FACTOR=2 for a screen at twice the pixels.
void BM_PicturesKeystroke(benchmark::State& state) {
    EnterLargestArrays();
    auto& calculator = app::ControlWnd();
    auto& window = app::ExplanationWnd();
    // Tall enough for every picture to be in view, so that each really paints.
    window.Widget()->resize(800, 2400);
    QWidget* field = calculator.Find<framework::EditField>("tnFld").Widget();
    QWidget* pictures[] = {window.Find<framework::PictureView>("TreePic").Widget(),
                           window.Find<framework::PictureView>("IconsPic").Widget(),
                           window.Find<framework::PictureView>("CurvesPic").Widget()};
    int turn = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(field, turn++ % 2 ? Qt::Key_Backspace : Qt::Key_9);
        for (QWidget* picture : pictures) picture->repaint();
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    window.CloseWindow();
}
BENCHMARK(BM_PicturesKeystroke)->UseManualTime()->Unit(benchmark::kMillisecond);

// The largest icon array written to a file, in each format.
void BM_Export(benchmark::State& state, const char* extension) {
    EnterLargestArrays();
    auto& calculator = app::ControlWnd();
    auto text = [&](const char* name) {
        return calculator.Find<framework::EditField>(name).Text();
    };
    const std::string tp = text("tpFld"), fp = text("fpFld"), fn = text("fnFld"),
                      tn = text("tnFld");
    const calc::Drawing drawing =
        calc::IconArrays(calc::Explain({.tp = tp, .fp = fp, .fn = fn, .tn = tn}));
    QTemporaryDir folder;
    const std::string path = folder.filePath("icons").toStdString() + extension;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::string error = framework::SaveDrawing(drawing, path);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (!error.empty()) state.SkipWithError(error.c_str());
    }
}
BENCHMARK_CAPTURE(BM_Export, svg, ".svg")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, png, ".png")->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    benchmark::Initialize(&argc, argv);
    framework::Runtime runtime(argc, argv, "Predivo");
    NoDialogs platform;
    framework::SetPlatform(&platform);
    // The calculator as a person meets it: after the start-up screen has gone.
    app::Start();
    const bool ready = QTest::qWaitFor(
        [] {
            auto* w = framework::FindImplicitWindow("ControlWnd");
            return w && w->Visible();
        },
        10000);
    if (!ready || !QTest::qWaitForWindowActive(app::ControlWnd().Widget())) {
        std::fprintf(stderr, "gui_bench: the calculator never came up\n");
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    framework::SetPlatform(nullptr);
    return runtime.Shutdown();
}
