#include "OverlayHost.h"

#include "AppWindow.h"
#include "Autoresizing.h"
#include "Theme.h"

#include <QApplication>

QWidget* OverlayHost::windowFor(QWidget* near) {
    if (near)
        return near->window();
    if (AppWindow* key = AppWindow::keyWindow())
        return key;
    return QApplication::activeWindow();
}

void OverlayHost::cover(QWidget* overlay, QWidget* window) {
    if (overlay->parentWidget() != window)
        overlay->setParent(window);
    Autoresizing::fillParent(overlay);
    overlay->raise();
    overlay->show();
}

QWidget* OverlayHost::showOver(QWidget* overlay, QWidget* window) {
    QWidget* before = nullptr;
    if (window) {
        QWidget* focused = window->focusWidget();
        if (focused && focused != overlay && !overlay->isAncestorOf(focused))
            before = focused;
        cover(overlay, window);
    } else {
        overlay->resize(Theme::windowSize);
        overlay->show();
    }
    overlay->setFocus(Qt::OtherFocusReason);
    return before;
}
