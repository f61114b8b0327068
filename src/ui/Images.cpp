#include "Images.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <png.h>

namespace {

constexpr int kLargestVariant = 3;
// Shipped pictures are icons and patterns; a larger one is damaged.
constexpr png_uint_32 kLargestSide = 4096;

QImage readWithQt(QByteArray data) {
    // The format is known: reading it as such keeps Qt from loading every image plugin to sniff it.
    QBuffer buffer(&data);
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage readPng(const QString& path) {
    // Read with libpng itself: Qt's image reader first lists every image format plugin installed,
    // which made the first picture of a run cost a millisecond of the first frame.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray data = file.readAll();
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&png, data.constData(), static_cast<size_t>(data.size())))
        return {};
    // libpng would convert 16-bit samples, taken as linear light, and colour spaces other than sRGB
    // to sRGB; Qt keeps the samples as they are and notes the colour space. Such pictures, none of
    // them on the first screen, are left to Qt, so that every picture looks the same either way.
    if ((png.format & PNG_FORMAT_FLAG_LINEAR) || (png.flags & PNG_IMAGE_FLAG_COLORSPACE_NOT_sRGB)) {
        png_image_free(&png);
        return readWithQt(std::move(data));
    }
    // Qt's ARGB32 is one 32-bit word per pixel, alpha in the high byte: B, G, R, A in memory on a
    // little-endian machine.
    png.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image;
    if (png.width <= kLargestSide && png.height <= kLargestSide)
        image = QImage(static_cast<int>(png.width), static_cast<int>(png.height), QImage::Format_ARGB32);
    if (image.isNull() || !png_image_finish_read(&png, nullptr, image.bits(),
                                                 static_cast<png_int_32>(image.bytesPerLine()), nullptr)) {
        png_image_free(&png);
        return {};
    }
    return image;
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
