#include "TabBarButton.h"

#include "Bundle.h"
#include "Icons.h"
#include "TabBarItem.h"
#include "Theme.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QPainter>

namespace {
constexpr int kIconSide = 30;
}

TabBarButton::TabBarButton(TabBarItem* item, QWidget* parent) : FocusRingButton(parent), m_item(item) {
    setCheckable(true);
    setAutoExclusive(true);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    connect(item, &TabBarItem::changed, this, &TabBarButton::syncWithItem);
    syncWithItem();
}

void TabBarButton::syncWithItem() {
    if (!m_item)
        return;
    setText(m_item->title());
    setIcon(m_item->icon());
    setAccessibleName(m_item->title());
    QString tip = m_item->title();
    if (!m_directShortcut.isEmpty())
        tip = localized(QT_TRANSLATE_NOOP("Localizable", "%1 (%2)")).arg(tip, m_directShortcut);
    if (!m_steppingShortcuts.isEmpty())
        tip += QLatin1Char('\n') + m_steppingShortcuts;
    setToolTip(tip);
    update();
}

void TabBarButton::setShortcutText(const QString& direct, const QString& stepping) {
    m_directShortcut = direct;
    m_steppingShortcuts = stepping;
    syncWithItem();
}

QSize TabBarButton::sizeHint() const {
    return {64, Theme::tabBarHeight};
}

QRect TabBarButton::titleArea() const {
    return {2, height() - 15, width() - 4, 13};
}

QString TabBarButton::shownTitle() const {
    return QFontMetrics(Theme::fontForText(Theme::systemFont(10), text()))
        .elidedText(text(), Qt::ElideRight, titleArea().width());
}

bool TabBarButton::isElided() const {
    return shownTitle() != text();
}

void TabBarButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor color = isChecked() ? Theme::tintColor() : Theme::unselectedTabColor();
    if (isDown())
        color = color.darker(130);
    if (isChecked()) {
        QColor glow = Theme::tintColor();
        glow.setAlphaF(0.08f);
        painter.fillRect(rect().adjusted(2, 2, -2, -1), glow);
    }
    if (showsFocusRing()) {
        QColor ring = Theme::tintColor();
        ring.setAlphaF(0.35f);
        painter.setPen(QPen(ring, 2));
        painter.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 6, 6);
    }
    if (!icon().isNull()) {
        const QPixmap pixmap = Icons::tinted(icon(), QSize(kIconSide, kIconSide), color, devicePixelRatioF());
        painter.drawPixmap(QRect((width() - kIconSide) / 2, 3, kIconSide, kIconSide), pixmap);
    }
    const QFont font = Theme::fontForText(Theme::systemFont(10), text());
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(titleArea(), Qt::AlignHCenter | Qt::AlignVCenter, shownTitle());
}
