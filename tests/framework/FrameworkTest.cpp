#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "framework/Application.h"
#include "framework/Export.h"
#include "framework/PictureView.h"
#include "framework/TextPrinting.h"
#include "framework/Window.h"
#include "tests/support/GuiTest.h"

using namespace framework;
using namespace testing_support;

namespace {

// A small window recording what the framework asks of it.
class ProbeWnd : public Window {
  public:
    std::vector<std::string> log, keys;
    int closes = 0;
    std::function<void()> onButton;
    using Window::AddMenuHandler;
    void ClickButton() { QTest::mouseClick(Find<PushButton>("button").Widget(), Qt::LeftButton); }

  protected:
    void Layout() override {
        log.push_back("Layout");
        SetProperties({.width = 240, .height = 160, .visible = ClassName() != "HiddenProbeWnd"});
    }
    bool RefuseX(std::string_view k) { return keys.emplace_back(k), k == "x" && (Beep(), true); }
    void CreateControls() override {
        log.push_back("CreateControls");
        // clang-format off
        Add<EditField>("multi", {.bounds = {10, 10, 60, 18}, .multiLine = true, .limitText = 5, .locks = {true, true, true, true}}).KeyDown = [this](auto k) { return RefuseX(k); };
        Add<EditField>("single", {.bounds = {10, 40, 80, 20}, .limitText = 9}).KeyDown = [this](auto k) { return RefuseX(k); };
        Add<PushButton>("button", {.bounds = {10, 80, 80, 30}, .locks = {false, false, true, true}}).Action = [this] { if (onButton) onButton(); };
        // clang-format on
    }
    void AddMenuHandlers() override { log.push_back("AddMenuHandlers"); }
    void Open() override { log.push_back(Visible() ? "Open visible" : "Open invisible"); }
    void Close() override { ++closes; }
};

// A laid-out window with a picture twice as wide as the window and a field to Tab on to.
class PictureWnd : public Window {
  protected:
    void Layout() override { SetProperties({.width = 200, .height = 300, .laidOut = true}); }
    void CreateControls() override {
        Add<PictureView>("picture", {.accessibleName = "Boxes"}).SetDrawing(TestDrawing());
        Add<EditField>("after", {});
    }

  public:
    // A box in the first series, counts in two labels, one of them centred, large enough to be
    // read at half the size.
    static calc::Drawing TestDrawing() {
        using calc::Ink;
        calc::Drawing d(400, 100);
        d.Box({10, 10}, {90, 90}, Ink::Series1, Ink::None);
        d.Text({100, 50}, "15 of 314", Ink::Text, 28, true);
        d.Text({300, 80}, "299 tested", Ink::Series2, 24, false, calc::Align::Centre);
        d.description = "A box and two counts";
        return d;
    }
};

class FrameworkTest : public ::testing::Test {
  protected:
    void TearDown() override {
        CloseAllWindows();
        SetApplication(nullptr);
    }
    ProbeWnd& Probe() { return GetImplicitWindow<ProbeWnd>("ProbeWnd"); }
    RecordingPlatform platform;
};

// Open runs before the window is put on screen, visible or not. A window closed from its own
// handler leaves the record at once, yet lives on until its handler has run to the end.
TEST_F(FrameworkTest, BuildsInOrderAndKeepsOneLiveWindowPerClass) {
    auto* first = &Probe();
    auto& hidden = GetImplicitWindow<ProbeWnd>("HiddenProbeWnd");
    EXPECT_EQ(first->log, hidden.log);
    EXPECT_EQ(hidden.log, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers",
                                                    "Open invisible"}));
    EXPECT_FALSE(hidden.Visible());
    EXPECT_THROW(first->Find<EditField>("missing"), NilObjectException);
    EXPECT_THROW(first->Find<PushButton>("multi"), NilObjectException) << "the class counts too";
    first->Hide();
    EXPECT_EQ(&Probe(), first) << "a hidden window is found again";
    bool ranToEnd = false;
    first->onButton = [first, &ranToEnd] {
        first->CloseWindow();
        first->Find<EditField>("single").SetText("alive");
        ranToEnd = first->Find<EditField>("single").Text() == "alive";
    };
    first->ClickButton();
    EXPECT_TRUE(ranToEnd);
    EXPECT_EQ(first->closes, 1);
    EXPECT_EQ(FindImplicitWindow("ProbeWnd"), nullptr) << "a closed window is found no more";
    auto* fresh = &Probe();
    EXPECT_NE(fresh, first) << "but built afresh";
    Settle();
    EXPECT_EQ(LiveWindows(), (std::vector<Window*>{&hidden, fresh}));
}

TEST_F(FrameworkTest, DeliversEachTypedKeyToKeyDown) {
    // clang-format off
    const std::vector<std::tuple<Qt::Key, Qt::KeyboardModifiers, QString, std::string>> rows{
        {Qt::Key_7, Qt::NoModifier, "7", "7"},
        {Qt::Key_Eacute, Qt::NoModifier, QString::fromUtf8("\xc3\xa9"), "\xc3\xa9"},
        {Qt::Key_Backspace, Qt::NoModifier, "", "\x08"},
        {Qt::Key_Delete, Qt::NoModifier, "", "\x7f"},
        {Qt::Key_Left, Qt::NoModifier, "", "\x1c"},
        {Qt::Key_V, Qt::ControlModifier, "v", "\x16"},
    };
    // clang-format on
    auto& w = Probe();
    for (const auto& [key, mods, text, expected] : rows) {
        for (const char* name : {"multi", "single"})
            QTest::sendKeyEvent(QTest::Press, w.Find<EditField>(name).Widget(), key, text, mods);
        EXPECT_EQ(std::exchange(w.keys, {}), (std::vector<std::string>{expected, expected})) << key;
    }
}

// However text arrives (a key, a key bringing several characters, an input method's commit),
// KeyDown sees each character: one refused refuses the whole text with one beep, and the
// field's limit holds. Each row types into "12" with the caret after the 1.
TEST_F(FrameworkTest, TypedTextIsFilteredWholeAndLimited) {
    // clang-format off
    const std::vector<std::tuple<const char*, bool, QString, std::string, int>> rows{
        {"multi", false, "x", "12", 1},
        {"single", false, "x", "12", 1},
        {"single", false, "1x2", "12", 1},
        {"multi", false, "3", "132", 0},
        {"multi", true, "1x", "12", 1},
        {"single", true, "1x", "12", 1},
        {"multi", true, "345678", "13452", 0},
        {"single", true, "3456789012", "134567892", 0},
    };
    // clang-format on
    for (const auto& [name, inputMethod, typed, expected, beeps] : rows) {
        auto& field = Probe().Find<EditField>(name);
        field.SetText("12");
        field.SetSelStart(1);
        platform.beeps = 0;
        QInputMethodEvent commit;
        commit.setCommitString(typed);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
        QApplication::sendEvent(field.Widget(),
                                inputMethod ? static_cast<QEvent*>(&commit) : &press);
        EXPECT_EQ(std::tuple(field.Text(), field.SelStart(), platform.beeps),
                  std::tuple(expected, static_cast<int>(expected.size()) - 1, beeps))
            << name << " " << typed.toStdString();
    }
}

// A paste over a selection has the selection's room besides, and one undo takes back the whole
// paste. One character more, and the paste is refused whole, and told: cut short, a pasted number
// would be another.
TEST_F(FrameworkTest, LimitTextHoldsAgainstTypingAndPaste) {
    for (auto [name, limit] : {std::pair{"multi", 5}, std::pair{"single", 9}}) {
        auto& field = Probe().Find<EditField>(name);
        QTest::keyClicks(field.Widget(), "12345678901234");
        const std::string typed = std::string("12345678901234").substr(0, limit);
        EXPECT_EQ(field.Text(), typed) << name;
        for (int more : {1, 0}) {
            field.SetSelStart(1);
            field.SetSelLength(limit - 1);
            QApplication::clipboard()->setText(QString(limit - 1 + more, '7'));
            platform.notes.clear();
            QTest::keyClick(field.Widget(), Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(std::pair(field.Text(), platform.notes.size()),
                      std::pair(more ? typed : "1" + std::string(limit - 1, '7'), size_t(more)))
                << name;
        }
        QTest::keyClick(field.Widget(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(field.Text(), typed) << name;
    }
}

TEST_F(FrameworkTest, LockedControlsFollowTheEdgesOfAResizedWindow) {
    auto& w = Probe();
    w.Widget()->resize(w.Widget()->width() + 100, w.Widget()->height() + 60);
    Settle();
    EXPECT_EQ(w.Find<EditField>("multi").Bounds(), (Rect{10, 10, 160, 78}));
    EXPECT_EQ(w.Find<PushButton>("button").Bounds(), (Rect{110, 140, 80, 30}));
    EXPECT_EQ(w.Find<EditField>("single").Bounds(), (Rect{10, 40, 80, 20}));
}

// Each row: what the front window's handler answers (-1: it has none), and who runs.
TEST_F(FrameworkTest, CommandGoesToTheFrontWindowThenTheApplication) {
    MenuBar bar;
    auto& item = bar.Append(std::make_unique<MenuItem>(MenuItem::Props{.name = "M", .text = "M"}))
                     .Append(std::make_unique<MenuItem>(MenuItem::Props{.name = "Cmd"}));
    std::vector<std::string> calls;
    auto app = std::make_unique<Application>();
    app->SetMenuBar(bar);
    app->AddMenuHandler("Cmd", [&] { return calls.push_back("application"), false; });
    SetApplication(std::move(app));
    const std::vector<std::pair<int, std::vector<std::string>>> rows{
        {-1, {"application"}}, {0, {"window", "application"}}, {1, {"window"}}};
    for (auto [answer, expected] : rows) {
        auto& w = GetImplicitWindow<ProbeWnd>("Probe" + std::to_string(answer));
        if (answer >= 0)
            w.AddMenuHandler("Cmd", [&, answer] { return calls.push_back("window"), answer > 0; });
        Activate(w);
        item.QtAction()->trigger();
        EXPECT_EQ(std::exchange(calls, {}), expected);
    }
}

// Quitting ends the process, so it runs in a child process: an exception in a handler is
// reported and quits with status 1, and a later request changes nothing.
TEST_F(FrameworkTest, ExceptionIsReportedAndQuitsAndASecondRequestAddsNothing) {
    EXPECT_EXIT(
        {
            auto& w = Probe();
            w.onButton = [] { throw std::runtime_error("boom"); };
            w.ClickButton();
            Quit(0);
            RunEventLoop();  // must return at once
            const bool ok = platform.reports == std::vector<std::string>{"boom"} && w.closes == 1;
            std::exit(ok && LiveWindows().empty() && Quitting() ? ExitStatus() : 99);
        },
        ::testing::ExitedWithCode(1), "");
}

// Each row: the file name in a fresh folder ("d.png" a folder made first), and whether it saves.
// A failed save leaves no file behind, not even a temporary one, and says why.
TEST_F(FrameworkTest, SavesADrawingWholeOrNotAtAll) {
    const calc::Drawing d = PictureWnd::TestDrawing();
    const std::vector<std::pair<QString, bool>> rows{{"p.svg", true},       {"P.PNG", true},
                                                     {"none/p.svg", false}, {"d.png", false},
                                                     {"d.png/x.png", true}, {"p.pdf", false}};
    for (const auto& [name, saves] : rows) {
        QTemporaryDir tmp;
        QDir(tmp.path()).mkdir("d.png");
        const QString file = tmp.filePath(name);
        const std::string message = SaveDrawing(d, file.toStdString());
        EXPECT_EQ(message.empty(), saves) << name.toStdString() << ": " << message;
        const QStringList left = QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden);
        const QStringList inDir = QDir(tmp.filePath("d.png")).entryList(QDir::Files | QDir::Hidden);
        EXPECT_EQ(left.size() + inDir.size(), saves ? 1 : 0) << name.toStdString();
        if (saves) continue;
        const std::string why = name == "p.pdf" ? ".svg or .png" : file.toStdString();
        EXPECT_NE(message.find(why), std::string::npos) << message;
    }
    QTemporaryDir tmp;
    ASSERT_EQ(SaveDrawing(d, tmp.filePath("p.svg").toStdString()), "");
    // Saved again on a disk that fills up part way (a limit on a file's size, below a buffer's
    // worth, stands for it), the picture fails to save, and says so, and the old one stays whole
    // for the reading below.
    rlimit unlimited{};
    getrlimit(RLIMIT_FSIZE, &unlimited);
    const rlimit limit{1000, unlimited.rlim_max};
    const auto onSignal = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &limit);
    const std::string message = SaveDrawing(d, tmp.filePath("p.svg").toStdString());
    setrlimit(RLIMIT_FSIZE, &unlimited);
    std::signal(SIGXFSZ, onSignal);
    EXPECT_NE(message.find("p.svg"), std::string::npos) << message;
    QFile svg(tmp.filePath("p.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    QStringList texts;
    std::string width;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("svg"))
            width = xml.attributes().value("width").toString().toStdString();
        if (xml.name() == QLatin1String("text"))
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(texts, (QStringList{"15 of 314", "299 tested"}));
    EXPECT_EQ(width, "105.833mm") << "400 pixels at the 96 to the inch of a browser";
    ASSERT_EQ(SaveDrawing(d, tmp.filePath("p.png").toStdString()), "");
    const QImage png(tmp.filePath("p.png"));
    EXPECT_EQ(png.size(), QSize(800, 200));
    EXPECT_EQ(png.pixelColor(100, 100), QColor(0xD5, 0x5E, 0x00)) << "the box, in paper inks";
    int left = 800, right = 0;  // the blue ink of the centred label, whose point is at x 300
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 800; ++x)
            if (png.pixelColor(x, y).blue() - png.pixelColor(x, y).red() > 80)
                left = std::min(left, x), right = std::max(right, x);
    EXPECT_NEAR(left + right, 2 * 600, 6) << left << " to " << right;
    QTimer::singleShot(0, [&] {  // the save dialog adds the type chosen in it to a bare name
        auto* dialog = static_cast<QFileDialog*>(QApplication::activeModalWidget());
        dialog->selectNameFilter("PNG image (*.png)");
        dialog->selectFile(tmp.filePath("bare"));
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_EQ(platform.Platform::ChoosePictureFile(Probe(), ""),
              tmp.filePath("bare.png").toStdString());
}

// The picture is drawn at half its size: the pointer and the keys still speak in its own
// coordinates and keys, Tab still moves on, and Ctrl+C copies it through the Edit menu.
TEST_F(FrameworkTest, PictureViewMapsPointerKeysAndCopy) {
    MenuBar bar;
    bar.Append(std::make_unique<MenuItem>(MenuItem::Props{.name = "Edit", .text = "Edit"}))
        .Append(std::make_unique<MenuItem>(
            MenuItem::Props{.name = "EditCopy", .text = "Copy", .keyboardShortcut = "Cmd+C"}));
    auto app = std::make_unique<Application>();
    app->SetMenuBar(bar);
    SetApplication(std::move(app));
    auto& w = GetImplicitWindow<PictureWnd>("PictureWnd");
    Activate(w);
    auto& picture = w.Find<PictureView>("picture");
    QWidget* widget = picture.Widget();
    ASSERT_LT(widget->width(), 300) << "scaled down";
    std::vector<std::string> seen;
    picture.MouseMove = [&](double x, double y) {
        seen.push_back(std::to_string(std::lround(x)) + "," + std::to_string(std::lround(y)));
    };
    picture.KeyDown = [&](std::string_view key) { return seen.emplace_back(key), true; };
    QTest::mouseMove(widget, widget->rect().center());
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Left);
    ASSERT_EQ(seen.size(), 2u);
    const auto comma = seen[0].find(',');
    EXPECT_NEAR(std::stod(seen[0].substr(0, comma)), 200, 2) << seen[0];
    EXPECT_NEAR(std::stod(seen[0].substr(comma + 1)), 50, 3) << seen[0];
    EXPECT_EQ(seen[1], "\x1c");
    QApplication::clipboard()->clear();
    QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_TRUE(copied && copied->hasImage());
    EXPECT_EQ(qvariant_cast<QImage>(copied->imageData()).size(), QSize(800, 200));
    EXPECT_TRUE(copied->hasFormat("image/svg+xml"));
    EXPECT_EQ(copied->text(), "A box and two counts");
    QTest::keyClick(widget, Qt::Key_Tab);
    EXPECT_FALSE(picture.HasFocus()) << "Tab is not the picture's to claim";
    // On screen it takes the desktop's colours, a dark palette's included, with the series'
    // lighter pair; paper and files keep theirs.
    QPalette dark = widget->palette();
    dark.setColor(QPalette::Base, Qt::black);
    dark.setColor(QPalette::Text, Qt::white);
    widget->setPalette(dark);
    const QImage shown = widget->grab().toImage();
    const double s = (widget->width() - 6) / 400.0, left = (widget->width() - 400 * s) / 2;
    EXPECT_EQ(shown.pixelColor(int(left + 50 * s), int(3 + 50 * s)), QColor(0xE6, 0x9F, 0x00));
    EXPECT_EQ(shown.pixelColor(int(left + 380 * s), int(3 + 10 * s)), QColor(Qt::black));
}

// A drawing and the text that follows it share a page, the text from where it was asked to
// start: the top 100 points of the page (36 of them margin) hold only the drawing's labels. A
// text asked to start in the last points of the page starts on the next instead, whole.
TEST_F(FrameworkTest, PrintsADrawingAndTextOnOnePage) {
    QTemporaryDir dir;
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(dir.filePath("p.pdf"));
    {
        PrinterGraphics graphics(std::move(printer));
        PrintDrawing(graphics, PictureWnd::TestDrawing(), 0, 0, 200);
        const int end = PlainTextPrinter(graphics, "Afterwards", 200)->DrawAll(100);
        EXPECT_TRUE(end > 100 && end < 130 && graphics.PageCount() == 1) << end;
        PlainTextPrinter(graphics, "Overleaf", 200)->DrawAll(graphics.PageHeight() - 4);
    }
    const std::vector<std::pair<QStringList, std::string>> rows{
        {{"-y", "0", "-H", "100", "-W", "600", "-l", "1"}, "15 of 314 299 tested"},
        {{"-l", "1"}, "15 of 314 299 tested Afterwards"},
        {{"-f", "2"}, "Overleaf"},
    };
    for (const auto& [options, expected] : rows) {
        QProcess p;
        p.start("pdftotext", options + QStringList{dir.filePath("p.pdf"), "-"});
        ASSERT_TRUE(p.waitForFinished(10000));
        EXPECT_EQ(p.readAllStandardOutput().simplified().toStdString(), expected)
            << options.join(' ').toStdString();
    }
}

}  // namespace
