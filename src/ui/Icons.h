#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>

// The kit's own pictures, drawn with QPainter as black shapes on transparency so that bars can tint
// them: tab icons (30 x 30 points) and the bar-button symbols.
class Icons final {
public:
    Icons() = delete;

    static QIcon converter();  // a calculator keypad
    static QIcon currencies(); // a list of rows
    static QIcon setup();      // a gear
    static QIcon help();       // a question mark in a circle
    static QIcon more();       // three dots
    static QIcon refresh();    // a circular arrow
    static QIcon add();        // a plus sign
    static QIcon checkmark();  // a tick
    static QIcon pin();        // a pushpin, for what the user fixed in place

    // `icon` at `size` points with every opaque pixel painted `color`, keeping the alpha.
    static QPixmap tinted(const QIcon& icon, const QSize& size, const QColor& color, qreal devicePixelRatio);
};
