#include <QFileDialog>
#include <QFileInfo>

#include "framework/Language.h"
#include "framework/Platform.h"
#include "framework/QtHelpers.h"
#include "framework/Window.h"

namespace framework {

std::string Platform::ChoosePictureFile(const Window& over, const std::string& suggestedName) {
    const QString svg = ToQ(Tr("FileDialogs", "SVG image (*.svg)"));
    const QString png = ToQ(Tr("FileDialogs", "PNG image (*.png)"));
    QString chosenFilter = svg;
    QString file = QFileDialog::getSaveFileName(
        over.Widget(), ToQ(Tr("FileDialogs", "Export Picture")), ToQ(suggestedName),
        svg + QStringLiteral(";;") + png, &chosenFilter);
    if (file.isEmpty()) return {};
    if (QFileInfo(file).suffix().isEmpty()) {
        file += chosenFilter == png ? QStringLiteral(".png") : QStringLiteral(".svg");
    }
    return FromQ(file);
}

std::string Platform::ChooseCaseFile(const Window& over, bool save,
                                     const std::string& suggestedName) {
    const QString filter = ToQ(Tr("FileDialogs", "Predivo case (*.predivo)"));
    QString file =
        save ? QFileDialog::getSaveFileName(over.Widget(), ToQ(Tr("FileDialogs", "Save Case")),
                                            ToQ(suggestedName), filter)
             : QFileDialog::getOpenFileName(over.Widget(), ToQ(Tr("FileDialogs", "Open Case")),
                                            QString(), filter);
    if (save && !file.isEmpty() && QFileInfo(file).suffix().isEmpty()) {
        file += QStringLiteral(".predivo");
    }
    return FromQ(file);
}

}  // namespace framework
