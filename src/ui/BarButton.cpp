#include "BarButton.h"

#include "BarButtonItem.h"
#include "Icons.h"
#include "Theme.h"
#include "Views.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kPadding = 6;
constexpr int kChevronWidth = 13;
constexpr int kIconSide = 24;
constexpr int kMinimumTitlePixels = 13;
} // namespace

BarButton::BarButton(BarButtonItem* item, QWidget* parent) : FocusRingButton(parent), m_item(item) {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    connect(item, &BarButtonItem::changed, this, &BarButton::syncWithItem);
    connect(this, &QAbstractButton::clicked, item, &BarButtonItem::trigger);
    syncWithItem();
}

BarButton::BarButton(const QString& title, QWidget* parent) : FocusRingButton(parent), m_back(true) {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    setText(title);
    setAccessibleName(title);
}

void BarButton::syncWithItem() {
    if (!m_item)
        return;
    setText(m_item->title());
    setIcon(m_item->image());
    setEnabled(m_item->isEnabled());
    setAccessibleName(m_item->accessibleName());
    updateGeometry();
    update();
}

QFont BarButton::titleFont() const {
    const bool bold = m_item && m_item->style() == BarButtonItem::Style::Done;
    return Theme::fontForText(bold ? Theme::boldSystemFont(17) : Theme::systemFont(17), text());
}

QFont BarButton::shownFont() const {
    // A title wider than the button's share of the bar shrinks within a floor before it is cut.
    QFont font = titleFont();
    const int available = titleArea().width();
    while (font.pixelSize() > kMinimumTitlePixels && QFontMetrics(font).horizontalAdvance(text()) > available)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

QSize BarButton::sizeHint() const {
    if (text().isEmpty() && !icon().isNull())
        return {kIconSide + 2 * kPadding, Theme::navigationBarHeight};
    // A little slack: eliding measures more tightly than the advance.
    const int textWidth = QFontMetrics(titleFont()).horizontalAdvance(text()) + 2;
    return {textWidth + 2 * kPadding + (m_back ? kChevronWidth : 0), Theme::navigationBarHeight};
}

QRect BarButton::titleArea() const {
    return visualRect(this, rect(),
                      rect().adjusted(kPadding + (m_back ? kChevronWidth : 0), 0, -kPadding, 0));
}

QString BarButton::shownTitle(const QFont& font) const {
    return QFontMetrics(font).elidedText(text(), Qt::ElideRight, titleArea().width());
}

bool BarButton::isElided() const {
    return shownTitle(shownFont()) != text();
}

void BarButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor color = isEnabled() ? Theme::tintColor() : Theme::lightGrayColor();
    if (isDown())
        color.setAlphaF(0.3f);

    if (showsFocusRing()) {
        QColor ring = Theme::tintColor();
        ring.setAlphaF(0.35f);
        painter.setPen(QPen(ring, 2));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 7, -1, -7), 6, 6);
    }

    const QRect area = titleArea();
    if (m_back) {
        QPainterPath chevron;
        const qreal midY = height() / 2.0;
        const int left = kPadding;
        chevron.moveTo(left + 9, midY - 8);
        chevron.lineTo(left + 1.5, midY);
        chevron.lineTo(left + 9, midY + 8);
        QPen pen(color, 2.6);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        // Back points to the leading edge: to the right where the interface reads right to left.
        painter.save();
        if (isRightToLeft())
            painter.setTransform(QTransform(-1, 0, 0, 1, width(), 0));
        painter.drawPath(chevron);
        painter.restore();
    }

    if (text().isEmpty() && !icon().isNull()) {
        const QPixmap pixmap = Icons::tinted(icon(), QSize(kIconSide, kIconSide), color, devicePixelRatioF());
        const QRect target(QPoint(0, 0), QSize(kIconSide, kIconSide));
        painter.drawPixmap(target.translated(rect().center() - target.center()), pixmap);
        return;
    }
    const QFont font = shownFont();
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(area, Qt::AlignVCenter | (m_back ? Qt::AlignLeft : Qt::AlignHCenter), shownTitle(font));
}
