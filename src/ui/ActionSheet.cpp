#include "ActionSheet.h"

#include "Button.h"
#include "Label.h"
#include "OverlayHost.h"
#include "Theme.h"
#include "Views.h"

#include <QKeyEvent>
#include <QPainter>

namespace {
constexpr int kMargin = 8;
constexpr int kRowHeight = 50;
constexpr int kTitlePadding = 14;
constexpr int kRadius = 12;
} // namespace

ActionSheet::ActionSheet(const QString& title, const QString& cancelButtonTitle,
                         const QString& destructiveButtonTitle, const QStringList& otherButtonTitles,
                         QWidget* parent)
    : QWidget(parent), m_title(new Label(title, this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(title);
    m_title->setFont(Theme::systemFont(13));
    m_title->setTextColor(Theme::grayColor());
    m_title->setWordWrap(true);
    m_title->setAlignment(Qt::AlignCenter);
    if (!destructiveButtonTitle.isEmpty()) {
        m_destructiveButtonIndex = addButton(destructiveButtonTitle);
        m_buttons.last()->setTitleColor(Theme::destructiveColor());
    }
    for (const QString& other : otherButtonTitles)
        addButton(other);
    if (!cancelButtonTitle.isEmpty()) {
        m_cancelButtonIndex = addButton(cancelButtonTitle);
        m_buttons.last()->setFont(Theme::boldSystemFont(19));
    }

    m_slide.setDuration(Theme::transitionDurationMs);
    m_slide.setEasingCurve(QEasingCurve::OutCubic);
    m_slide.setStartValue(0.0);
    m_slide.setEndValue(0.0);
    connect(&m_slide, &QVariantAnimation::valueChanged, this, &ActionSheet::layoutSheet);
    connect(&m_slide, &QAbstractAnimation::finished, this, [this] {
        if (m_dismissing && m_slide.endValue().toDouble() == 0.0)
            finishDismissal(m_dismissedIndex);
    });
    QWidget::hide();
}

ActionSheet::~ActionSheet() = default;

int ActionSheet::addButton(const QString& title) {
    auto* button = new Button(title, this);
    button->setAccessibleName(title);
    button->setFocusPolicy(Qt::TabFocus);
    button->setBackgroundColor(Qt::transparent);
    button->setCornerRadius(0);
    button->setTitleColor(Theme::tintColor());
    button->setFont(Theme::systemFont(19));
    const int index = int(m_buttons.size());
    connect(button, &QAbstractButton::clicked, this,
            [this, index] { dismissWithClickedButtonIndex(index, true); });
    m_buttons.append(button);
    return index;
}

QString ActionSheet::title() const {
    return m_title->text();
}

QString ActionSheet::buttonTitleAtIndex(int index) const {
    QAbstractButton* button = buttonAtIndex(index);
    return button ? button->text() : QString();
}

QAbstractButton* ActionSheet::buttonAtIndex(int index) const {
    return (index >= 0 && index < m_buttons.size()) ? m_buttons[index] : nullptr;
}

void ActionSheet::showInView(QWidget* view) {
    m_dismissing = false;
    if (QWidget* before = OverlayHost::showOver(this, OverlayHost::windowFor(view)))
        m_focusBefore = before;
    m_slide.stop();
    m_slide.setStartValue(m_slide.currentValue().toDouble());
    m_slide.setEndValue(1.0);
    m_slide.start();
    layoutSheet();
}

ActionSheet* ActionSheet::present(std::unique_ptr<ActionSheet> sheet, QWidget* view) {
    // From here on the window owns the sheet as a child widget (or, without a window, the sheet
    // itself); either way it deletes itself once dismissed.
    ActionSheet* shown = sheet.release();
    shown->m_deleteWhenDismissed = true;
    shown->showInView(view);
    return shown;
}

void ActionSheet::dismissWithClickedButtonIndex(int index, bool animated) {
    if (m_dismissing)
        return;
    m_dismissing = true;
    m_dismissedIndex = index;
    QPointer<ActionSheet> alive(this);
    if (m_delegate)
        m_delegate->clickedButtonAtIndex(this, index);
    if (!alive)
        return;
    emit clicked(index);
    if (!alive)
        return;
    m_slide.stop();
    if (animated && isVisible()) {
        m_slide.setStartValue(m_slide.currentValue().toDouble());
        m_slide.setEndValue(0.0);
        m_slide.start();
    } else {
        finishDismissal(index);
    }
}

void ActionSheet::finishDismissal(int index) {
    // The focus goes back only if it is still here: what the chosen button opened (a picker with its
    // search field) may have taken it meanwhile, and a covered widget cannot use it.
    const bool hadFocus = hasFocusWithin(this);
    QWidget::hide();
    if (hadFocus && m_focusBefore && m_focusBefore->isVisible())
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    QPointer<ActionSheet> alive(this);
    emit dismissed(index);
    if (alive && m_deleteWhenDismissed)
        deleteLater();
}

void ActionSheet::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        if (m_cancelButtonIndex >= 0)
            dismissWithClickedButtonIndex(m_cancelButtonIndex, true);
        return;
    }
    QWidget::keyPressEvent(event);
}

bool ActionSheet::focusNextPrevChild(bool next) {
    // Tab stays among the sheet's buttons.
    return cycleFocusAmong({m_buttons.begin(), m_buttons.end()}, next);
}

void ActionSheet::resizeEvent(QResizeEvent*) {
    layoutSheet();
}

void ActionSheet::layoutSheet() {
    const int sheetWidth = std::max(0, width() - 2 * kMargin);
    const int titleHeight =
        title().isEmpty()
            ? 0
            : m_title->heightForWidth(std::max(1, sheetWidth - 2 * kTitlePadding)) + 2 * kTitlePadding;
    const int mainButtons = int(m_buttons.size()) - (m_cancelButtonIndex >= 0 ? 1 : 0);
    const int mainHeight = titleHeight + mainButtons * kRowHeight;
    const int cancelHeight = m_cancelButtonIndex >= 0 ? kRowHeight : 0;
    const int total =
        mainHeight + (mainHeight > 0 && cancelHeight > 0 ? kMargin : 0) + cancelHeight + kMargin;
    const double progress = m_slide.currentValue().toDouble();
    const int top = height() - int(total * progress);

    m_mainGroup = QRect(kMargin, top, sheetWidth, mainHeight);
    m_cancelGroup = QRect(kMargin, top + total - kMargin - cancelHeight, sheetWidth, cancelHeight);
    m_title->setGeometry(m_mainGroup.x() + kTitlePadding, top + kTitlePadding, sheetWidth - 2 * kTitlePadding,
                         std::max(0, titleHeight - 2 * kTitlePadding));
    int y = top + titleHeight;
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (i == m_cancelButtonIndex) {
            m_buttons[i]->setGeometry(m_cancelGroup);
            continue;
        }
        m_buttons[i]->setGeometry(kMargin, y, sheetWidth, kRowHeight);
        y += kRowHeight;
    }
    update();
}

void ActionSheet::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QColor dim = Theme::dimmingColor();
    dim.setAlphaF(dim.alphaF() * float(m_slide.currentValue().toDouble()));
    painter.fillRect(rect(), dim);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Theme::panelColor());
    for (const QRect& group : {m_mainGroup, m_cancelGroup}) {
        if (!group.isEmpty())
            painter.drawRoundedRect(QRectF(group), kRadius, kRadius);
    }
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < m_buttons.size(); ++i) {
        const QRect frame = m_buttons[i]->geometry();
        // A hairline above every button of the main group but the topmost one without a title.
        if (i != m_cancelButtonIndex && frame.top() > m_mainGroup.top())
            painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), 1), Theme::separatorColor());
    }
}
