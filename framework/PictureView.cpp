#include "framework/PictureView.h"

#include <QAccessibleWidget>
#include <QBuffer>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

#include "framework/Internal.h"
#include "framework/Platform.h"
#include "framework/Printing.h"
#include "framework/Window.h"

namespace framework {

namespace {

// Room around the drawing for the focus frame.
constexpr int kMargin = 3;

class PictureWidget : public QWidget {
  public:
    PictureWidget(PictureView& view, QWidget* parent) : QWidget(parent), view_(view) {
        setFocusPolicy(Qt::StrongFocus);
        setMouseTracking(true);
        QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    const Drawing& Shown() const { return view_.Current(); }

    void DrawingChanged() {
        setAccessibleDescription(ToQ(Shown().description));
        updateGeometry();
        Fit();
        update();
    }

    QSize sizeHint() const override {
        return QSize(static_cast<int>(std::ceil(Shown().Width())) + 2 * kMargin,
                     heightForWidth(std::numeric_limits<int>::max()));
    }
    QSize minimumSizeHint() const override {
        const int w = std::min(sizeHint().width(), 120);
        return QSize(w, heightForWidth(w));
    }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override {
        return static_cast<int>(std::ceil(Shown().Height() * Scale(width))) + 2 * kMargin;
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const double s = Scale(width());
        painter.translate(Left(), kMargin);
        painter.scale(s, s);
        Render(Shown(), painter, ScreenInks(palette()));
        painter.resetTransform();
        if (hasFocus()) {
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
            painter.setBrush(Qt::NoBrush);
            const QRectF shown(Left(), kMargin, Shown().Width() * s, Shown().Height() * s);
            painter.drawRect(shown.adjusted(-2, -2, 2, 2));
        }
    }
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        Fit();
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        QWidget::mouseMoveEvent(event);
        if (!view_.MouseMove) return;
        const double s = Scale(width());
        const double x = (event->position().x() - Left()) / s;
        const double y = (event->position().y() - kMargin) / s;
        GuardedFor(view_.Owner(), [&] { view_.MouseMove(x, y); });
    }
    void keyPressEvent(QKeyEvent* event) override {
        const std::string key = KeyTextOf(*event);
        bool claimed = false;
        if (view_.KeyDown && !key.empty()) {
            GuardedFor(view_.Owner(), [&] { claimed = view_.KeyDown(key); });
        }
        if (!claimed) QWidget::keyPressEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override {
        QWidget::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        QWidget::focusOutEvent(event);
        update();
    }

  private:
    // Scaled down to fit, never up: a drawing is made for its own size.
    double Scale(int width) const {
        const double w = Shown().Width();
        if (w <= 0) return 1;
        return std::clamp((width - 2 * kMargin) / w, 0.01, 1.0);
    }
    double Left() const { return (width() - Shown().Width() * Scale(width())) / 2; }
    // In a window whose layout grows it only by its height hint, the height follows the width.
    void Fit() {
        const int h = heightForWidth(width());
        if (h != height()) setFixedHeight(h);
    }

    PictureView& view_;
};

QAccessibleInterface* PictureAccessibleFactory(const QString&, QObject* object) {
    if (auto* picture = dynamic_cast<PictureWidget*>(object)) {
        return new QAccessibleWidget(picture, QAccessible::Graphic);
    }
    return nullptr;
}

QSize PixelsAtTwice(const Drawing& drawing) {
    return QSize(std::max(1, static_cast<int>(std::ceil(2 * drawing.Width()))),
                 std::max(1, static_cast<int>(std::ceil(2 * drawing.Height()))));
}

QImage ImageOf(const Drawing& drawing) {
    // Twice the size, for sharp print and high-density screens; drawn in the drawing's pixels.
    // Opaque, as the paper it stands for: the quickest format to paint in, a third faster to
    // export than one with an alpha channel.
    QImage image(PixelsAtTwice(drawing), QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::white);
    QPainter painter(&image);
    Render(drawing, painter, PaperInks());
    return image;
}

QByteArray PngOf(const Drawing& drawing) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ImageOf(drawing).save(&buffer, "PNG");
    return bytes;
}

QByteArray SvgOf(const Drawing& drawing) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(QSize(static_cast<int>(std::ceil(drawing.Width())),
                      static_cast<int>(std::ceil(drawing.Height()))));
    svg.setViewBox(QRectF(0, 0, drawing.Width(), drawing.Height()));
    // A drawing's pixel is a pixel of the web's, so that a browser shows the file at its size.
    svg.setResolution(96);
    svg.setTitle(ToQ(drawing.description));
    svg.setDescription(ToQ(drawing.description));
    QPainter painter(&svg);
    Render(drawing, painter, PaperInks());
    painter.end();
    return bytes;
}

}  // namespace

PictureView::PictureView(Window& owner, std::string name, const Props& props)
    : Control(owner, std::move(name)) {
    static const bool accessible = (QAccessible::installFactory(&PictureAccessibleFactory), true);
    (void)accessible;
    auto* widget = new PictureWidget(*this, static_cast<WindowFrame*>(owner.Widget())->Content());
    if (!props.accessibleName.empty()) widget->setAccessibleName(ToQ(props.accessibleName));
    Place(widget, {}, true, props.visible, {}, props.parent);
}

void PictureView::SetDrawing(Drawing drawing) {
    drawing_ = std::move(drawing);
    static_cast<PictureWidget*>(Widget())->DrawingChanged();
}

bool PictureView::HasFocus() const {
    return EditTarget() == Widget();
}

const Drawing* ShownDrawing(const QWidget* widget) {
    const auto* picture = dynamic_cast<const PictureWidget*>(widget);
    return picture ? &picture->Shown() : nullptr;
}

QMimeData* DrawingMimeData(const Drawing& drawing) {
    auto* data = new QMimeData;
    data->setImageData(ImageOf(drawing));
    data->setData(QStringLiteral("image/svg+xml"), SvgOf(drawing));
    if (!drawing.description.empty()) data->setText(ToQ(drawing.description));
    return data;
}

std::string SaveDrawing(const Drawing& drawing, const std::string& path) {
    const QString file = ToQ(path);
    const QString suffix = QFileInfo(file).suffix().toLower();
    QByteArray bytes;
    if (suffix == QLatin1String("svg")) {
        bytes = SvgOf(drawing);
    } else if (suffix == QLatin1String("png")) {
        bytes = PngOf(drawing);
    } else {
        return ApplicationName() + " saves pictures as .svg or .png files.";
    }
    // Written beside the target and renamed over it once whole, so that a failure part way
    // leaves the old file, or none, rather than half a picture.
    QSaveFile out(file);
    if (out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size() && out.commit()) {
        return {};
    }
    return "The picture could not be saved as \"" + FromQ(QDir::toNativeSeparators(file)) +
           "\": " + FromQ(out.errorString()) + ".";
}

void PrintDrawing(PrinterGraphics& graphics, const Drawing& drawing, int x, int y, int width) {
    if (drawing.Width() <= 0) return;
    QPainter& painter = graphics.Painter();
    painter.save();
    painter.translate(x, y);
    const double scale = width / drawing.Width();
    painter.scale(scale, scale);
    Render(drawing, painter, PaperInks());
    painter.restore();
}

std::string Platform::ChoosePictureFile(const Window& over, const std::string& suggestedName) {
    const QString svg = QStringLiteral("SVG image (*.svg)");
    const QString png = QStringLiteral("PNG image (*.png)");
    QString chosenFilter = svg;
    QString file = QFileDialog::getSaveFileName(over.Widget(), QStringLiteral("Export Picture"),
                                                ToQ(suggestedName),
                                                svg + QStringLiteral(";;") + png, &chosenFilter);
    if (file.isEmpty()) return {};
    if (QFileInfo(file).suffix().isEmpty()) {
        file += chosenFilter == png ? QStringLiteral(".png") : QStringLiteral(".svg");
    }
    return FromQ(file);
}

}  // namespace framework
