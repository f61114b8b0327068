#include "Button.h"

#include "Theme.h"
#include "Views.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>

Button::Button(QWidget* parent) : FocusRingButton(parent) {
    init();
}

Button::Button(const QString& title, QWidget* parent) : FocusRingButton(parent) {
    init();
    setText(title);
}

void Button::init() {
    m_backgroundColor = Theme::barBackgroundColor();
    m_titleColor = Theme::tintColor();
    m_titleShadowColor = QColor(255, 255, 255, 160);
    setFont(Theme::boldSystemFont(17));
    setCursor(Qt::PointingHandCursor);
}

int Button::tag() const {
    return ::tag(this);
}

void Button::setTag(int tag) {
    ::setTag(this, tag);
}

void Button::setBackgroundImage(const QPixmap& image) {
    m_backgroundImage = image;
    update();
}

void Button::setBackgroundColor(const QColor& color) {
    m_backgroundColor = color;
    update();
}

void Button::setCornerRadius(qreal radius) {
    m_cornerRadius = radius;
    update();
}

void Button::setTitleColor(const QColor& color) {
    m_titleColor = color;
    update();
}

void Button::setTitleShadowColor(const QColor& color) {
    m_titleShadowColor = color;
    update();
}

void Button::setTitleShadowOffset(const QPointF& offset) {
    m_titleShadowOffset = offset;
    update();
}

QSize Button::sizeHint() const {
    const QSize text = fontMetrics().size(Qt::TextSingleLine, this->text());
    return {std::max(text.width() + 24, 44), std::max(text.height() + 12, 44)};
}

bool Button::isElided() const {
    return !text().isEmpty() && fontMetrics().horizontalAdvance(text()) > width();
}

void Button::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!isEnabled())
        painter.setOpacity(0.4);

    QPainterPath face;
    face.addRoundedRect(QRectF(rect()), m_cornerRadius, m_cornerRadius);
    painter.setClipPath(face);
    if (!m_backgroundImage.isNull())
        painter.drawPixmap(rect(), m_backgroundImage);
    else if (m_backgroundColor.isValid())
        painter.fillRect(rect(), m_backgroundColor);
    if (isDown())
        painter.fillRect(rect(), Theme::pressedOverlayColor());
    painter.setClipping(false);

    if (showsFocusRing()) {
        QColor ring = Theme::tintColor();
        ring.setAlphaF(0.5f);
        painter.setPen(QPen(ring, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), m_cornerRadius, m_cornerRadius);
    }

    QRect area = rect();
    if (!icon().isNull()) {
        const QPixmap pixmap =
            icon().pixmap(iconSize(), devicePixelRatioF(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
        QRect target(QPoint(0, 0), iconSize());
        target.moveCenter(area.center());
        painter.drawPixmap(target, pixmap);
    }
    if (text().isEmpty())
        return;
    painter.setFont(Theme::fontForText(font(), text()));
    if (!m_titleShadowOffset.isNull() && m_titleShadowColor.isValid()) {
        painter.setPen(m_titleShadowColor);
        painter.drawText(QRectF(area).translated(m_titleShadowOffset), Qt::AlignCenter, text());
    }
    painter.setPen(isDown() ? m_titleColor.darker(140) : m_titleColor);
    painter.drawText(area, Qt::AlignCenter, text());
}
