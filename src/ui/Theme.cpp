#include "Theme.h"

#include <QApplication>
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace {

// Arabic letters drawn smaller than this many pixels grow, by at most the factor.
constexpr int kLegibleArabicPixels = 15;
constexpr qreal kMaxArabicGrowth = 1.5;

QFont sizedFont(int pointSize, bool bold) {
    QFont font = QApplication::font();
    font.setPixelSize(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace

QFont Theme::systemFont(int pointSize) {
    return sizedFont(pointSize, false);
}

QFont Theme::boldSystemFont(int pointSize) {
    return sizedFont(pointSize, true);
}

QFont Theme::fontForText(const QFont& font, const QString& text) {
    const int pixels = font.pixelSize();
    if (pixels <= 0 || pixels >= kLegibleArabicPixels)
        return font;
    // Mostly Arabic: a date with an Arabic "pm" among its digits keeps the size of the digits.
    qsizetype arabic = 0;
    qsizetype other = 0;
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Arabic && c.isLetter())
            ++arabic;
        else if (c.isLetterOrNumber())
            ++other;
    }
    if (arabic <= other)
        return font;
    // Grown until the body of the Arabic letters (a dotless beh) stands as tall as the Latin x-height,
    // as CSS's font-size-adjust does, within bounds that keep the text in its line.
    const QFontMetricsF metrics(font);
    const qreal body = metrics.tightBoundingRect(QStringLiteral("\u066E")).height();
    const qreal factor = body > 0 ? std::clamp(metrics.xHeight() / body, 1.0, kMaxArabicGrowth) : 1.0;
    QFont shown = font;
    shown.setPixelSize(std::min(kLegibleArabicPixels, int(std::lround(pixels * factor))));
    return shown;
}

QColor Theme::tintColor() {
    return QColor(0x00, 0x7a, 0xff);
}

QColor Theme::destructiveColor() {
    return QColor(0xff, 0x3b, 0x30);
}

QColor Theme::switchOnColor() {
    return QColor(0x4c, 0xd9, 0x64);
}

QColor Theme::labelColor() {
    return QColor(Qt::black);
}

QColor Theme::highlightedTextColor() {
    return QColor(Qt::white);
}

QColor Theme::grayColor() {
    return QColor::fromRgbF(0.5f, 0.5f, 0.5f);
}

QColor Theme::darkGrayColor() {
    return QColor::fromRgbF(1.0f / 3.0f, 1.0f / 3.0f, 1.0f / 3.0f);
}

QColor Theme::lightGrayColor() {
    return QColor::fromRgbF(2.0f / 3.0f, 2.0f / 3.0f, 2.0f / 3.0f);
}

QColor Theme::valueTextColor() {
    return QColor(50, 79, 133);
}

QColor Theme::barBackgroundColor() {
    return QColor(0xf7, 0xf7, 0xf7);
}

QColor Theme::barHairlineColor() {
    return QColor(0xb2, 0xb2, 0xb2);
}

QColor Theme::unselectedTabColor() {
    return QColor(0x92, 0x92, 0x92);
}

QColor Theme::statusStripColor() {
    return QColor(Qt::black);
}

QColor Theme::statusStripTextColor() {
    return QColor(Qt::white);
}

QColor Theme::groupTableViewBackgroundColor() {
    return QColor(0xef, 0xef, 0xf4);
}

QColor Theme::plainBackgroundColor() {
    return QColor(Qt::white);
}

QColor Theme::separatorColor() {
    return QColor(0xc8, 0xc7, 0xcc);
}

QColor Theme::selectedRowColor() {
    return QColor(0xd9, 0xd9, 0xd9);
}

QColor Theme::dimmingColor() {
    return QColor(0, 0, 0, 0x66);
}

QColor Theme::panelColor() {
    return QColor(0xf9, 0xf9, 0xf9, 0xf5);
}

QColor Theme::pressedOverlayColor() {
    return QColor(0, 0, 0, 0x38);
}
