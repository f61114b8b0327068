#include "OverlayHost.h"

#include "AppWindow.h"
#include "Autoresizing.h"

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
