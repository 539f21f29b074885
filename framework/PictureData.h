#pragma once

#include <QImage>

#include "framework/Picture.h"

namespace framework {

struct Picture::Data {
    QImage normal;   // device pixel ratio 1
    QImage doubled;  // device pixel ratio 2, or null

    // The best image for a screen of the given device pixel ratio.
    const QImage& For(qreal devicePixelRatio) const {
        return devicePixelRatio > 1.0 && !doubled.isNull() ? doubled : normal;
    }
};

}  // namespace framework
