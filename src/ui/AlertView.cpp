#include "AlertView.h"

#include "Animations.h"
#include "Button.h"
#include "Label.h"
#include "OverlayHost.h"
#include "Theme.h"
#include "Views.h"

#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

namespace {
constexpr int kPanelWidth = 270;
constexpr int kWindowMargin = 16;
constexpr int kPadding = 16;
constexpr int kTextTop = 20;
constexpr int kButtonHeight = 44;
constexpr int kButtonPadding = 8;
constexpr int kRadius = 12;
} // namespace

AlertView::AlertView(const QString& title, const QString& message, QWidget* parent)
    : QWidget(parent), m_title(new Label(this)), m_message(new Label(this)) {
    setFocusPolicy(Qt::StrongFocus);
    m_title->setFont(Theme::boldSystemFont(17));
    m_message->setFont(Theme::systemFont(14));
    for (Label* label : {m_title, m_message}) {
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
    setTitle(title);
    setMessage(message);
    QWidget::hide();
}

AlertView::~AlertView() = default;

QString AlertView::title() const {
    return m_title->text();
}

void AlertView::setTitle(const QString& title) {
    m_title->setText(title);
    setAccessibleName(title);
    layoutPanel();
}

QString AlertView::message() const {
    return m_message->text();
}

void AlertView::setMessage(const QString& message) {
    m_message->setText(message);
    setAccessibleDescription(message);
    layoutPanel();
}

int AlertView::addButtonWithTitle(const QString& title) {
    auto* button = new Button(title, this);
    button->setAccessibleName(title);
    button->setFocusPolicy(Qt::TabFocus);
    const int index = int(m_buttons.size());
    connect(button, &QAbstractButton::clicked, this,
            [this, index] { dismissWithClickedButtonIndex(index, true); });
    m_buttons.append(button);
    styleButtons();
    layoutPanel();
    if (isVisible())
        button->show();
    return index;
}

QString AlertView::buttonTitleAtIndex(int index) const {
    QAbstractButton* button = buttonAtIndex(index);
    return button ? button->text() : QString();
}

QAbstractButton* AlertView::buttonAtIndex(int index) const {
    return (index >= 0 && index < m_buttons.size()) ? m_buttons[index] : nullptr;
}

void AlertView::setCancelButtonIndex(int index) {
    m_cancelButtonIndex = index;
    styleButtons();
    layoutPanel(); // the bold title of the cancel button may no longer fit beside the other
}

void AlertView::styleButtons() {
    for (int i = 0; i < m_buttons.size(); ++i) {
        Button* button = m_buttons[i];
        button->setBackgroundColor(Qt::transparent);
        button->setCornerRadius(0);
        button->setTitleColor(Theme::tintColor());
        // The cancel button stands out in bold, as on the phone.
        button->setFont(i == m_cancelButtonIndex ? Theme::boldSystemFont(17) : Theme::systemFont(17));
    }
}

void AlertView::show() {
    showOver(OverlayHost::windowFor(parentWidget()));
}

AlertView* AlertView::present(std::unique_ptr<AlertView> alert, QWidget* window) {
    // From here on the window owns the alert as a child widget (or, without a window, the alert
    // itself); either way it deletes itself once dismissed.
    AlertView* shown = alert.release();
    shown->m_deleteWhenDismissed = true;
    shown->showOver(OverlayHost::windowFor(window ? window : shown->parentWidget()));
    return shown;
}

void AlertView::showOver(QWidget* window) {
    m_dismissing = false;
    if (QWidget* before = OverlayHost::showOver(this, window))
        m_focusBefore = before;
    layoutPanel();
    Animations::setOpacity(this, 0.0);
    Animations::animate(this, Theme::fadeDurationMs, 1.0, std::nullopt);
}

void AlertView::dismissWithClickedButtonIndex(int index, bool animated) {
    if (m_dismissing)
        return;
    m_dismissing = true;
    QPointer<AlertView> alive(this);
    if (m_delegate)
        m_delegate->clickedButtonAtIndex(this, index);
    if (!alive)
        return;
    emit clicked(index);
    if (!alive)
        return;
    if (animated && isVisible()) {
        Animations::animate(this, Theme::fadeDurationMs, 0.0, std::nullopt, [this, index](bool finished) {
            if (finished)
                finishDismissal(index);
        });
    } else {
        finishDismissal(index);
    }
}

void AlertView::finishDismissal(int index) {
    // The focus goes back only if it is still here: what the chosen button opened (a picker with its
    // search field) may have taken it meanwhile, and a covered widget cannot use it.
    const bool hadFocus = hasFocusWithin(this);
    QWidget::hide();
    Animations::setOpacity(this, 1.0);
    if (hadFocus && m_focusBefore && m_focusBefore->isVisible())
        m_focusBefore->setFocus(Qt::OtherFocusReason);
    QPointer<AlertView> alive(this);
    emit dismissed(index);
    if (alive && m_deleteWhenDismissed)
        deleteLater();
}

void AlertView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        if (m_cancelButtonIndex >= 0)
            dismissWithClickedButtonIndex(m_cancelButtonIndex, true);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!m_buttons.isEmpty())
            dismissWithClickedButtonIndex(int(m_buttons.size()) - 1, true);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

bool AlertView::focusNextPrevChild(bool next) {
    // Tab stays among the alert's buttons: nothing behind the alert can be reached.
    return cycleFocusAmong({m_buttons.begin(), m_buttons.end()}, next);
}

void AlertView::resizeEvent(QResizeEvent*) {
    layoutPanel();
}

void AlertView::layoutPanel() {
    const int panelWidth = std::max(0, std::min(kPanelWidth, width() - 2 * kWindowMargin));
    const int inner = std::max(1, panelWidth - 2 * kPadding);
    const int titleHeight = title().isEmpty() ? 0 : m_title->heightForWidth(inner);
    const int messageHeight = message().isEmpty() ? 0 : m_message->heightForWidth(inner);
    const int gap = (titleHeight > 0 && messageHeight > 0) ? 6 : 0;
    const int textHeight = kTextTop + titleHeight + gap + messageHeight + kTextTop;
    const int count = int(m_buttons.size());
    // Two buttons stand side by side when both titles fit their half; longer ones stack, as on the phone.
    const auto fitsHalf = [&](const Button* button) {
        return button->fontMetrics().horizontalAdvance(button->text()) + 2 * kButtonPadding <= panelWidth / 2;
    };
    m_sideBySide = count == 2 && std::all_of(m_buttons.begin(), m_buttons.end(), fitsHalf);
    const bool sideBySide = m_sideBySide;
    const int buttonsHeight = sideBySide ? kButtonHeight : count * kButtonHeight;
    const int panelHeight = textHeight + buttonsHeight;
    m_panel =
        QRect((width() - panelWidth) / 2, std::max(0, (height() - panelHeight) / 2), panelWidth, panelHeight);

    m_title->setGeometry(m_panel.x() + kPadding, m_panel.y() + kTextTop, inner, titleHeight);
    m_message->setGeometry(m_panel.x() + kPadding, m_panel.y() + kTextTop + titleHeight + gap, inner,
                           messageHeight);
    const int buttonsTop = m_panel.y() + textHeight;
    for (int i = 0; i < count; ++i) {
        if (sideBySide) {
            const int half = panelWidth / 2;
            // The first button at the leading edge, on the right where the interface reads right to left.
            m_buttons[i]->setGeometry(visualRect(
                this, m_panel,
                QRect(m_panel.x() + i * half, buttonsTop, i == 0 ? half : panelWidth - half, kButtonHeight)));
        } else {
            m_buttons[i]->setGeometry(m_panel.x(), buttonsTop + i * kButtonHeight, panelWidth, kButtonHeight);
        }
    }
    update();
}

void AlertView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Theme::dimmingColor());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Theme::panelColor());
    painter.drawRoundedRect(QRectF(m_panel), kRadius, kRadius);

    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor line = Theme::separatorColor();
    for (int i = 0; i < m_buttons.size(); ++i) {
        const QRect frame = m_buttons[i]->geometry();
        painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), 1), line);
        if (m_sideBySide && i == 1)
            painter.fillRect(QRect(frame.left(), frame.top(), 1, frame.height()), line);
    }
}
