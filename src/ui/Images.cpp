#include "Images.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kLargestVariant = 3;

QImage readPng(const QString& path) {
    // The format is known: reading it as such keeps Qt from loading every image plugin to sniff it.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

} // namespace

QPixmap Images::named(const QString& path, qreal devicePixelRatio) {
    if (devicePixelRatio <= 0)
        devicePixelRatio = qApp ? qApp->devicePixelRatio() : 1.0;
    const qsizetype dot = path.lastIndexOf(u'.');
    const QString stem = dot > path.lastIndexOf(u'/') ? path.left(dot) : path;
    const QString suffix = dot > path.lastIndexOf(u'/') ? path.mid(dot) : QString();
    // The variant made for the screen's density, else the densest one below it.
    const int wanted = std::clamp(static_cast<int>(std::ceil(devicePixelRatio - 0.01)), 1, kLargestVariant);
    for (int scale = wanted; scale > 1; --scale) {
        const QString variant = stem + QStringLiteral("@%1x").arg(scale) + suffix;
        if (QFileInfo::exists(variant)) {
            QImage image = readPng(variant);
            if (!image.isNull()) {
                image.setDevicePixelRatio(scale);
                return QPixmap::fromImage(std::move(image));
            }
        }
    }
    return QPixmap::fromImage(readPng(path));
}
