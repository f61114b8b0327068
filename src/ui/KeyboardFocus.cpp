#include "KeyboardFocus.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>

KeyboardFocus::KeyboardFocus(QObject* parent) : QObject(parent) {
    QCoreApplication::instance()->installEventFilter(this);
}

KeyboardFocus* KeyboardFocus::instance() {
    static KeyboardFocus* const watcher = new KeyboardFocus(QCoreApplication::instance());
    return watcher;
}

void KeyboardFocus::watch() {
    instance();
}

bool KeyboardFocus::cameByKeyboard(const QFocusEvent* event) {
    const bool keyboardReason = event->reason() == Qt::TabFocusReason ||
                                event->reason() == Qt::BacktabFocusReason ||
                                event->reason() == Qt::ShortcutFocusReason;
    return keyboardReason && instance()->m_focusKey;
}

bool KeyboardFocus::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        m_focusKey = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                     (key->modifiers() & Qt::AltModifier);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
        m_focusKey = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
