#include "framework/Export.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

#include "framework/Language.h"
#include "framework/Platform.h"
#include "framework/Printing.h"
#include "framework/QtHelpers.h"
#include "framework/Render.h"
#include "framework/Window.h"

namespace framework {

using calc::Drawing;

namespace {

QSize ExportPixels(const Drawing& drawing) {
    return QSize(std::max(1, static_cast<int>(std::ceil(kExportScale * drawing.Width()))),
                 std::max(1, static_cast<int>(std::ceil(kExportScale * drawing.Height()))));
}

QImage ImageOf(const Drawing& drawing) {
    // Drawn in the drawing's own pixels at kExportScale. Opaque, as the paper it stands for: the
    // quickest format to paint in, a third faster to export than one with an alpha channel.
    QImage image(ExportPixels(drawing), QImage::Format_RGB32);
    image.setDevicePixelRatio(kExportScale);
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
        return FromQ(ToQ(Tr("Export", "%1 saves pictures as .svg or .png files."))
                         .arg(ToQ(ApplicationName())));
    }
    const std::string reason = WriteWhole(file, bytes);
    if (reason.empty()) return {};
    return FromQ(ToQ(Tr("Export", "The picture could not be saved as \"%1\": %2."))
                     .arg(QDir::toNativeSeparators(file), ToQ(reason)));
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

}  // namespace framework
