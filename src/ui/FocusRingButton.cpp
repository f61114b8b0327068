#include "FocusRingButton.h"

#include "KeyboardFocus.h"

#include <QFocusEvent>

FocusRingButton::FocusRingButton(QWidget* parent) : QAbstractButton(parent) {
    KeyboardFocus::watch(); // watching from the first button on
}

void FocusRingButton::focusInEvent(QFocusEvent* event) {
    m_keyboardFocus = KeyboardFocus::cameByKeyboard(event);
    QAbstractButton::focusInEvent(event);
}

void FocusRingButton::focusOutEvent(QFocusEvent* event) {
    m_keyboardFocus = false;
    QAbstractButton::focusOutEvent(event);
}
