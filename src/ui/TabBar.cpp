#include "TabBar.h"

#include "Bundle.h"
#include "TabBarButton.h"
#include "Theme.h"
#include "Views.h"

#include <QPainter>

TabBar::TabBar(QWidget* parent) : QWidget(parent) {
    setFixedHeight(Theme::tabBarHeight);
}

void TabBar::setItems(const QList<TabBarItem*>& items) {
    for (TabBarButton* button : m_buttons) {
        button->hide();
        button->deleteLater(); // may be the sender of the click being handled
    }
    m_buttons.clear();
    for (TabBarItem* item : items) {
        auto* button = new TabBarButton(item, this);
        const int index = int(m_buttons.size());
        connect(button, &QAbstractButton::clicked, this, [this, index] { emit tabClicked(index); });
        m_buttons.append(button);
        button->show();
    }
    layoutButtons();
}

void TabBar::setShortcutTexts(const QStringList& direct, const QString& next, const QString& previous) {
    const QString stepping =
        localized(QT_TRANSLATE_NOOP("Localizable", "Next tab: %1, previous tab: %2")).arg(next, previous);
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setShortcutText(i < direct.size() ? direct[i] : QString(), stepping);
}

TabBarButton* TabBar::buttonAt(int index) const {
    return (index >= 0 && index < m_buttons.size()) ? m_buttons[index] : nullptr;
}

void TabBar::setSelectedIndex(int index) {
    for (int i = 0; i < m_buttons.size(); ++i) {
        // Auto-exclusive buttons refuse to uncheck the checked one directly.
        m_buttons[i]->setAutoExclusive(false);
        m_buttons[i]->setChecked(i == index);
        m_buttons[i]->setAutoExclusive(true);
    }
}

QSize TabBar::sizeHint() const {
    return {Theme::windowSize.width(), Theme::tabBarHeight};
}

void TabBar::layoutButtons() {
    const int count = int(m_buttons.size());
    for (int i = 0; i < count; ++i) {
        const int left = width() * i / count;
        const int right = width() * (i + 1) / count;
        // The first tab is at the leading edge: on the right where the interface reads right to left.
        m_buttons[i]->setGeometry(visualRect(this, rect(), QRect(left, 1, right - left, height() - 1)));
    }
}

void TabBar::resizeEvent(QResizeEvent*) {
    layoutButtons();
}

void TabBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Theme::barBackgroundColor());
    painter.fillRect(QRect(0, 0, width(), 1), Theme::barHairlineColor());
}
