#include "Switch.h"

#include "Theme.h"

#include <QFocusEvent>
#include <QPainter>

namespace {
constexpr int kKnobInset = 2;
constexpr int kAnimationMs = 120;
} // namespace

Switch::Switch(QWidget* parent) : FocusRingButton(parent) {
    setCheckable(true);
    setFixedSize(kSize);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    m_knob.setDuration(kAnimationMs);
    m_knob.setEasingCurve(QEasingCurve::OutCubic);
    m_knob.setStartValue(0.0);
    m_knob.setEndValue(0.0);
    connect(&m_knob, &QVariantAnimation::valueChanged, this, qOverload<>(&QWidget::update));
    connect(this, &QAbstractButton::toggled, this, &Switch::moveKnob);
    connect(this, &QAbstractButton::clicked, this, [this] { emit valueChanged(isOn()); });
}

void Switch::setOn(bool on, bool animated) {
    m_animateChange = animated;
    setChecked(on);
    m_animateChange = true;
}

void Switch::moveKnob(bool on) {
    const double target = on ? 1.0 : 0.0;
    m_knob.stop();
    if (m_animateChange && isVisible()) {
        m_knob.setStartValue(m_knob.currentValue().toDouble());
        m_knob.setEndValue(target);
        m_knob.start();
    } else {
        m_knob.setStartValue(target);
        m_knob.setEndValue(target);
        m_knob.setCurrentTime(0);
    }
    update();
}

bool Switch::hitButton(const QPoint& pos) const {
    return rect().contains(pos);
}

void Switch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double position = m_knob.currentValue().toDouble();
    const QRectF track = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = track.height() / 2;

    // The track fills with green from the knob's side as it moves on.
    const QColor off(0xe5, 0xe5, 0xea);
    painter.setPen(QPen(off, 1.5));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(track, radius, radius);
    QColor on = Theme::switchOnColor();
    on.setAlphaF(float(position));
    painter.setPen(Qt::NoPen);
    painter.setBrush(on);
    painter.drawRoundedRect(track, radius, radius);

    const qreal knobSide = height() - 2 * kKnobInset;
    const qreal knobX = kKnobInset + position * (width() - 2 * kKnobInset - knobSide);
    const QRectF knob(knobX, kKnobInset, knobSide, knobSide);
    painter.setBrush(QColor(0, 0, 0, 40));
    painter.drawEllipse(knob.translated(0, 1.5));
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(0, 0, 0, 25), 0.5));
    painter.drawEllipse(knob);
    if (isDown()) {
        painter.setBrush(Theme::pressedOverlayColor());
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(knob);
    }
    if (showsFocusRing()) {
        QColor ring = Theme::tintColor();
        ring.setAlphaF(0.5f);
        painter.setPen(QPen(ring, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius - 1, radius - 1);
    }
    if (!isEnabled())
        painter.fillRect(rect(), QColor(255, 255, 255, 120));
}
