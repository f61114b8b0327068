#include "Autoresizing.h"

#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr char kMaskProperty[] = "autoresizingMask";
constexpr char kMirroredProperty[] = "autoresizingMirrored";

// Splits `delta` between the flexible parts (left margin, length, right margin) in proportion to
// their lengths, or evenly when they are all zero. Returns the new start and length.
std::pair<int, int> resizeAxis(int start, int length, int parentOld, int delta, bool flexStart,
                               bool flexLength, bool flexEnd) {
    const int end = parentOld - start - length;
    const int count = int(flexStart) + int(flexLength) + int(flexEnd);
    if (count == 0 || delta == 0)
        return {start, length};
    double total = (flexStart ? std::max(start, 0) : 0) + (flexLength ? std::max(length, 0) : 0) +
                   (flexEnd ? std::max(end, 0) : 0);
    auto share = [&](bool flexible, int value) {
        if (!flexible)
            return 0.0;
        return total > 0 ? delta * (std::max(value, 0) / total) : double(delta) / count;
    };
    const double startShare = share(flexStart, start);
    const double lengthShare = share(flexLength, length);
    const int newStart = start + int(std::lround(startShare));
    const int newLength = std::max(0, int(std::lround(start + startShare + length + lengthShare)) - newStart);
    return {newStart, newLength};
}

} // namespace

Autoresizing::Autoresizing(QWidget* parent) : QObject(parent), m_parent(parent), m_lastSize(parent->size()) {
    setObjectName(QStringLiteral("autoresizing"));
    parent->installEventFilter(this);
}

Autoresizing* Autoresizing::forParent(QWidget* parent) {
    if (auto* existing = parent->findChild<Autoresizing*>(QString(), Qt::FindDirectChildrenOnly))
        return existing;
    return new Autoresizing(parent); // owned by `parent`
}

void Autoresizing::setMask(QWidget* child, Mask mask) {
    child->setProperty(kMaskProperty, int(mask));
    if (QWidget* parent = child->parentWidget())
        forParent(parent);
}

Autoresizing::Mask Autoresizing::mask(const QWidget* child) {
    return Mask(child->property(kMaskProperty).toInt());
}

void Autoresizing::placeMirrored(QWidget* child) {
    child->setProperty(kMirroredProperty, true);
    if (QWidget* parent = child->parentWidget())
        forParent(parent)->apply(); // the frame is mirrored against the size recorded from now on
}

void Autoresizing::fillParent(QWidget* child) {
    if (QWidget* parent = child->parentWidget()) {
        forParent(parent)->apply(); // bring the recorded size up to date before taking it as the base
        child->setGeometry(parent->rect());
    }
    setMask(child, FlexibleSize);
}

void Autoresizing::layoutChildren(QWidget* parent) {
    forParent(parent)->apply();
}

bool Autoresizing::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_parent && event->type() == QEvent::Resize)
        apply();
    return QObject::eventFilter(watched, event);
}

void Autoresizing::apply() {
    const QSize size = m_parent->size();
    const QSize old = m_lastSize;
    m_lastSize = size;
    if (size == old)
        return;
    const int dw = size.width() - old.width();
    const int dh = size.height() - old.height();
    for (QObject* object : m_parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (!child || child->isWindow())
            continue;
        const Mask m = mask(child);
        const bool mirrored = child->property(kMirroredProperty).toBool();
        if (m == None && !mirrored)
            continue;
        QRect frame = child->geometry();
        // A mirrored child is resized as written, left to right, and mirrored back.
        if (mirrored)
            frame.moveLeft(old.width() - frame.x() - frame.width());
        auto [x, width] = resizeAxis(frame.x(), frame.width(), old.width(), dw, m & FlexibleLeftMargin,
                                     m & FlexibleWidth, m & FlexibleRightMargin);
        if (mirrored)
            x = size.width() - x - width;
        const auto [y, height] =
            resizeAxis(frame.y(), frame.height(), old.height(), dh, m & FlexibleTopMargin, m & FlexibleHeight,
                       m & FlexibleBottomMargin);
        child->setGeometry(x, y, width, height);
    }
}
