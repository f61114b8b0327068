#include "FocusRingButton.h"

#include <QFocusEvent>

void FocusRingButton::focusInEvent(QFocusEvent* event) {
    m_keyboardFocus = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason ||
                      event->reason() == Qt::ShortcutFocusReason;
    QAbstractButton::focusInEvent(event);
}

void FocusRingButton::focusOutEvent(QFocusEvent* event) {
    m_keyboardFocus = false;
    QAbstractButton::focusOutEvent(event);
}
