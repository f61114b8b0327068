#include "KeypadButton.h"

#include "Theme.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kCornerRadius = 9;
// How far a pressed key sinks, in points.
constexpr qreal kPressDepth = 1.5;

struct KeyColors {
    QColor top, bottom, edge, title;
};

KeyColors colorsFor(KeypadButton::Kind kind, bool down) {
    KeyColors colors;
    if (kind == KeypadButton::Kind::Function) {
        colors = {QColor(0xf6, 0xa2, 0x3c), QColor(0xdc, 0x74, 0x14), QColor(0x8a, 0x45, 0x06), Qt::white};
    } else {
        colors = {QColor(0x62, 0x68, 0x71), QColor(0x3d, 0x42, 0x49), QColor(0x1c, 0x1f, 0x23), Qt::white};
    }
    if (down) {
        colors.top = colors.top.darker(135);
        colors.bottom = colors.bottom.darker(125);
        colors.title = colors.title.darker(112);
    }
    return colors;
}

} // namespace

KeypadButton::KeypadButton(const QString& title, Kind kind, QWidget* parent)
    : QAbstractButton(parent), m_kind(kind) {
    setText(title);
    setFont(Theme::boldSystemFont(32));
    // Keys are typed through the screen, not focused one by one: Space must not press a key.
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void KeypadButton::setTitleShadowOffset(const QPointF& offset) {
    m_titleShadowOffset = offset;
    update();
}

QSize KeypadButton::sizeHint() const {
    return {88, 56};
}

void KeypadButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const bool down = isDown();
    const KeyColors colors = colorsFor(m_kind, down);
    QRectF face = QRectF(rect()).adjusted(1, 1, -1, -1 - kPressDepth);
    if (down)
        face.translate(0, kPressDepth);

    // The key's side, seen below its face while it is up.
    if (!down) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colors.edge);
        painter.drawRoundedRect(face.translated(0, kPressDepth), kCornerRadius, kCornerRadius);
    }
    QLinearGradient gradient(face.topLeft(), face.bottomLeft());
    gradient.setColorAt(0, colors.top);
    gradient.setColorAt(1, colors.bottom);
    painter.setBrush(gradient);
    painter.setPen(QPen(colors.edge, 1));
    painter.drawRoundedRect(face, kCornerRadius, kCornerRadius);
    // A thin highlight along the top edge makes the key look raised.
    if (!down) {
        QColor shine(255, 255, 255, 46);
        painter.setPen(QPen(shine, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(face.adjusted(1, 1, -1, -1), kCornerRadius - 1, kCornerRadius - 1);
    }

    painter.setFont(font());
    if (!m_titleShadowOffset.isNull()) {
        painter.setPen(QColor(0, 0, 0, 140));
        painter.drawText(face.translated(m_titleShadowOffset), Qt::AlignCenter, text());
    }
    painter.setPen(colors.title);
    painter.drawText(face, Qt::AlignCenter, text());
}

void KeypadButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !hitButton(event->position().toPoint())) {
        event->ignore();
        return;
    }
    m_tracking = true;
    setDown(true);
    emit pressed();
    event->accept();
}

void KeypadButton::mouseMoveEvent(QMouseEvent* event) {
    if (!m_tracking) {
        event->ignore();
        return;
    }
    // Sliding off the key lifts it; sliding back presses it again.
    const bool inside = hitButton(event->position().toPoint());
    if (inside != isDown())
        setDown(inside);
    event->accept();
}

void KeypadButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_tracking) {
        event->ignore();
        return;
    }
    m_tracking = false;
    const bool click = isDown() && hitButton(event->position().toPoint());
    setDown(false);
    emit released();
    if (click)
        emit clicked(false);
    event->accept();
}
