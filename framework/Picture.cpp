#include "framework/Picture.h"

#include <QString>

#include "framework/PictureData.h"

namespace framework {

Picture::Picture(std::unique_ptr<Data> data) : data_(std::move(data)) {}
Picture::~Picture() = default;

int Picture::Width() const {
    return data_->normal.width();
}
int Picture::Height() const {
    return data_->normal.height();
}

std::shared_ptr<const Picture> ResourceFork::GetPicture(int id) const {
    auto data = std::make_unique<Picture::Data>();
    const QString base = QStringLiteral(":/pictures/%1").arg(id);
    if (!data->normal.load(base + QStringLiteral(".png"))) return nullptr;
    if (data->doubled.load(base + QStringLiteral("@2x.png")))
        data->doubled.setDevicePixelRatio(2.0);
    return std::make_shared<const Picture>(std::move(data));
}

}  // namespace framework
