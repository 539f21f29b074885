#include "framework/QtHelpers.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QSaveFile>

#include "framework/Window.h"

namespace framework {

QFont ToQFont(const Font& font) {
    QFont f;
    if (font.face == "System") {
        f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    } else if (font.face == "Courier") {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    } else if (font.face == "Times") {
        f = QFont(QStringLiteral("serif"));
        f.setStyleHint(QFont::Serif);
    } else {
        f = QFont(ToQ(font.face));
    }
    f.setPixelSize(std::max(1, font.size));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

std::string KeyTextOf(const QKeyEvent& event) {
    switch (event.key()) {
        case Qt::Key_Backspace:
            return "\x08";
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return "\t";
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return "\r";
        case Qt::Key_Escape:
            return "\x1b";
        case Qt::Key_Delete:
            return "\x7f";
        case Qt::Key_Home:
            return "\x01";
        case Qt::Key_End:
            return "\x04";
        case Qt::Key_PageUp:
            return "\x0b";
        case Qt::Key_PageDown:
            return "\x0c";
        case Qt::Key_Left:
            return "\x1c";
        case Qt::Key_Right:
            return "\x1d";
        case Qt::Key_Up:
            return "\x1e";
        case Qt::Key_Down:
            return "\x1f";
        default:
            break;
    }
    QString text = event.text();
    // A command-key letter is the control character of that letter, whatever the platform put
    // into the event's text.
    if ((event.modifiers() & Qt::ControlModifier) && event.key() >= Qt::Key_A &&
        event.key() <= Qt::Key_Z) {
        return std::string(1, static_cast<char>(event.key() - Qt::Key_A + 1));
    }
    return FromQ(text);
}

void MarkDrawnOnly(QWidget* widget) {
    widget->setProperty("framework_drawnOnly", true);
    widget->setFocusPolicy(Qt::NoFocus);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool IsDrawnOnly(const QObject* object) {
    return object && object->property("framework_drawnOnly").toBool();
}

QWidget* ContentOf(Window& owner) {
    return static_cast<WindowFrame*>(owner.Widget())->Content();
}

// Only colours that differ from the widget's are set. A palette of a widget's own gets a cache key
// that no later widget shares, and so do its children's; the style keeps what it draws (the scroll
// bars) in the pixmap cache under that key. A window built afresh each time it opens would leave
// its pictures there after every close, where nothing ever finds them again.
void SetColours(QWidget* w, QPalette::ColorRole fg, Color text, QPalette::ColorRole bg,
                std::optional<Color> back) {
    QPalette palette = w->palette();
    bool changed = false;
    const auto set = [&](QPalette::ColorGroup group, QPalette::ColorRole role, Color c) {
        if (palette.color(group, role) == ToQColor(c)) return;
        palette.setColor(group, role, ToQColor(c));
        changed = true;
    };
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        set(group, fg, text);
        if (back) set(group, bg, *back);
    }
    if (changed) w->setPalette(palette);
}

Qt::Alignment ToQAlign(Align a) {
    switch (a) {
        case Align::Centre:
            return Qt::AlignHCenter;
        case Align::Right:
            return Qt::AlignRight;
        case Align::Left:
            break;
    }
    return Qt::AlignLeft;
}

// A label keeps its text whole: where the platform's interface font runs wider than the one the
// layout was drawn with, the letters first move a little closer, and only then is the text set
// smaller, by up to a quarter, rather than cut off.
QFont FittingFont(QFont font, const QString& text, int width) {
    auto fits = [&] { return QFontMetrics(font).horizontalAdvance(text) <= width; };
    for (int spacing = 99; !fits() && spacing >= 95; --spacing) {
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
    }
    const int designed = font.pixelSize();
    while (!fits() && font.pixelSize() > designed * 3 / 4) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    return font;
}

std::string ToFieldText(QString text) {
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
    text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
    return FromQ(text);
}

QString FromFieldText(std::string_view text) {
    QString q = ToQ(text);
    q.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    q.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return q;
}

std::string WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile out(path);
    // Flushed first: commit misses the failure of the last buffered write, a full disk's, and
    // would rename a cut-off file over the old one.
    if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.flush() &&
        out.commit()) {
        return {};
    }
    return FromQ(out.errorString());
}

}  // namespace framework
