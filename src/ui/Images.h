#pragma once

#include <QPixmap>
#include <QString>

// Shipped pictures the way a phone finds them: on a dense screen "name@2x.png" beside "name.png"
// when it exists, with its device pixel ratio set, so that it is drawn with its own pixels rather
// than scaled up; a picture that cannot be loaded is a null pixmap.
class Images final {
public:
    Images() = delete;

    // `path` names the plain picture (":/checkmark.png"); devicePixelRatio 0 means the application's.
    static QPixmap named(const QString& path, qreal devicePixelRatio = 0);
};
