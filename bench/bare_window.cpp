// The baseline for start-up time and memory: the calculator's window written straight against
// Qt Widgets, with no framework in between. It has the same menus and items, the same widget
// classes at the same places with the same fonts, and shows at once.
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

QFont Font(QFontDatabase::SystemFont kind, int pixels, bool bold = false) {
    QFont f = QFontDatabase::systemFont(kind);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

class Panel : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), QColor(0xE6E6E6));
        for (int i = 0; i < 2; ++i) {
            p.fillRect(i, i, width() - 2 * i, 1, QColor(0x808080));
            p.fillRect(i, i, 1, height() - 2 * i, QColor(0x808080));
            p.fillRect(i, height() - 1 - i, width() - 2 * i, 1, QColor(0x333333));
            p.fillRect(width() - 1 - i, i, 1, height() - 2 * i, QColor(0x333333));
        }
    }
};

class Picture : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(QPoint(0, 0), image_); }

  private:
    QImage image_{QStringLiteral(":/info32.png")};
};

void AddMenu(QMenuBar* bar, const char* title,
             std::initializer_list<std::pair<const char*, const char*>> items) {
    QMenu* menu = bar->addMenu(QString::fromLatin1(title));
    for (auto [text, keys] : items) {
        if (!*text) {
            menu->addSeparator();
        } else {
            menu->addAction(QString::fromLatin1(text))
                ->setShortcut(QKeySequence(QString::fromLatin1(keys)));
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Varnholt"));
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* bar = new QMenuBar(&window);
    AddMenu(bar, "Predivo", {{"About Predivo", ""}});
    AddMenu(bar, "File", {{"Print...", "Ctrl+P"}, {"Quit", "Ctrl+Q"}});
    AddMenu(bar, "Edit",
            {{"Undo", "Ctrl+Z"},
             {"", ""},
             {"Cut", "Ctrl+X"},
             {"Copy", "Ctrl+C"},
             {"Paste", "Ctrl+V"},
             {"Delete", ""}});
    AddMenu(bar, "Window", {{"Control", ""}, {"Description", ""}, {"About Predivo", ""}});
    layout->setMenuBar(bar);

    auto* content = new QWidget;
    content->setFixedSize(515, 440);
    content->setAutoFillBackground(true);
    QPalette white = content->palette();
    white.setColor(QPalette::Window, Qt::white);
    content->setPalette(white);
    layout->addWidget(content);

    (new Panel(content))->setGeometry(201, 128, 72, 74);
    (new Panel(content))->setGeometry(272, 128, 72, 74);

    for (QPoint at : {QPoint(213, 138), QPoint(286, 138), QPoint(213, 172), QPoint(286, 172)}) {
        auto* edit = new QTextEdit(content);
        edit->setGeometry(at.x(), at.y(), 46, 18);
        edit->setFont(Font(QFontDatabase::FixedFont, 12, true));
        edit->setFrameShape(QFrame::NoFrame);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setAlignment(Qt::AlignHCenter);
    }
    for (int top : {240, 270, 300, 330}) {
        auto* edit = new QLineEdit(content);
        edit->setGeometry(397, top, 80, 20);
        edit->setFont(Font(QFontDatabase::GeneralFont, 12));
        edit->setAlignment(Qt::AlignCenter);
        edit->setMaxLength(9);
        edit->setEnabled(top != 330);
    }
    (new QPushButton(QStringLiteral("Clear"), content))->setGeometry(407, 390, 70, 30);
    (new QPushButton(QStringLiteral("Calculate"), content))->setGeometry(35, 390, 80, 30);
    (new Picture(content))->setGeometry(240, 388, 32, 32);

    struct Label {
        QRect bounds;
        const char* text;
        int pixels;
        bool bold;
    };
    for (const Label& l : {
             Label{{35, 240, 355, 20}, "Percent prevalence in population:", 12, false},
             Label{{35, 270, 355, 20},
                   "If person has disorder, percent with positive test:",
                   12,
                   false},
             Label{{0, 30, 514, 20}, "Copyright 2006 The Predivo developers", 11, false},
             Label{{35, 300, 355, 20},
                   "If person does not have disorder, percent with positive test:",
                   12,
                   false},
             Label{{4, 6, 509, 24}, "Predivo", 24, true},
             Label{{241, 81, 66, 20}, "Disorder", 14, false},
             Label{{209, 108, 54, 19}, "Present", 12, false},
             Label{{287, 107, 49, 20}, "Absent", 12, false},
             Label{{80, 151, 34, 19}, "Test", 14, false},
             Label{{132, 138, 54, 20}, "Positive", 12, false},
             Label{{126, 171, 62, 20}, "Negative", 12, false},
             Label{{35, 330, 355, 20}, "Percent with positive test and disorder:", 12, false},
         }) {
        auto* label = new QLabel(QString::fromLatin1(l.text), content);
        label->setGeometry(l.bounds);
        label->setFont(Font(QFontDatabase::GeneralFont, l.pixels, l.bold));
    }

    window.show();
    return QApplication::exec();
}
