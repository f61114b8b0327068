#include "Theme.h"

#include <QApplication>

namespace {

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
