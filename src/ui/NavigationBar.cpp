#include "NavigationBar.h"

#include "BarButton.h"
#include "BarButtonItem.h"
#include "Bundle.h"
#include "Label.h"
#include "NavigationItem.h"
#include "Theme.h"
#include "Views.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

// Old buttons go later: the click that changes the bar is often still being handled by one of them.
void retire(QPointer<BarButton>& button) {
    if (button) {
        button->hide();
        button->deleteLater();
    }
    button = nullptr;
}

} // namespace

NavigationBar::NavigationBar(QWidget* parent) : QWidget(parent), m_title(new Label(this)) {
    setFixedHeight(Theme::navigationBarHeight);
    m_title->setObjectName(QStringLiteral("navigationTitle"));
    m_title->setFont(Theme::boldSystemFont(17));
    m_title->setAlignment(Qt::AlignCenter);
    // A title a little too long shrinks before it is cut.
    m_title->setAdjustsFontSizeToFitWidth(true);
    m_title->setMinimumFontSize(13);
}

void NavigationBar::setNavigationItem(NavigationItem* item, const QString& backTitle) {
    if (m_item)
        disconnect(m_item, nullptr, this, nullptr);
    m_item = item;
    m_backTitle = backTitle;
    if (item)
        connect(item, &NavigationItem::changed, this, &NavigationBar::rebuild);
    rebuild();
}

QString NavigationBar::title() const {
    return m_title->text();
}

BarButton* NavigationBar::backButton() const {
    return (m_left && m_left->isBackButton()) ? m_left.data() : nullptr;
}

QSize NavigationBar::sizeHint() const {
    return {Theme::windowSize.width(), Theme::navigationBarHeight};
}

void NavigationBar::rebuild() {
    retire(m_left);
    retire(m_right);
    m_title->setText(m_item ? m_item->title() : QString());
    m_title->setAccessibleName(m_title->text());
    if (m_item && m_item->leftBarButtonItem()) {
        m_left = new BarButton(m_item->leftBarButtonItem(), this);
    } else if (!m_backTitle.isEmpty()) {
        m_left = new BarButton(m_backTitle, this);
        connect(m_left, &QAbstractButton::clicked, this, &NavigationBar::backTriggered);
    }
    if (m_item && m_item->rightBarButtonItem())
        m_right = new BarButton(m_item->rightBarButtonItem(), this);
    // A button whose title changes ("Edit" becoming the wider "Done") needs its place measured again.
    for (BarButtonItem* item :
         {m_item ? m_item->leftBarButtonItem() : nullptr, m_item ? m_item->rightBarButtonItem() : nullptr})
        if (item)
            connect(item, &BarButtonItem::changed, this, &NavigationBar::layoutContents,
                    Qt::UniqueConnection);
    layoutContents();
    if (m_left)
        m_left->show();
    if (m_right)
        m_right->show();
}

void NavigationBar::layoutContents() {
    const int margin = Theme::barButtonMargin - 6; // the buttons carry their own padding
    const int maxButton = width() / 3;
    int leftWidth = 0;
    int rightWidth = 0;
    if (BarButton* back = backButton()) {
        // A back title too long for the bar gives way to the plain "Back", as on the phone.
        back->setText(m_backTitle);
        if (back->sizeHint().width() > maxButton)
            back->setText(Bundle::mainBundle().localizedString(QT_TRANSLATE_NOOP("Localizable", "Back")));
    }
    if (m_left) {
        leftWidth = std::min(m_left->sizeHint().width(), maxButton);
        m_left->setGeometry(visualRect(this, rect(), QRect(margin, 0, leftWidth, height())));
    }
    if (m_right) {
        rightWidth = std::min(m_right->sizeHint().width(), maxButton);
        m_right->setGeometry(
            visualRect(this, rect(), QRect(width() - margin - rightWidth, 0, rightWidth, height())));
    }
    // Centred in the bar, as wide as the larger side button allows on both sides; a title wider than
    // that moves off centre into the room between the buttons before it shrinks, as on the phone.
    const int side = margin + std::max(leftWidth, rightWidth) + 4;
    QRect area(side, 0, std::max(0, width() - 2 * side), height());
    const int needed = QFontMetrics(m_title->font()).horizontalAdvance(m_title->text()) + 2;
    if (needed > area.width()) {
        const int left = margin + leftWidth + 4;
        const int right = width() - margin - rightWidth - 4;
        const int titleWidth = std::max(0, std::min(needed, right - left));
        const int x = std::clamp((width() - titleWidth) / 2, left, std::max(left, right - titleWidth));
        area = QRect(x, 0, titleWidth, height());
    }
    m_title->setGeometry(visualRect(this, rect(), area));
}

void NavigationBar::resizeEvent(QResizeEvent*) {
    layoutContents();
}

void NavigationBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Theme::barBackgroundColor());
    painter.fillRect(QRect(0, height() - 1, width(), 1), Theme::barHairlineColor());
}
