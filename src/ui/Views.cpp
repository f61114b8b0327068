#include "Views.h"

#include "Autoresizing.h"

#include <QApplication>
#include <QStyle>
#include <QVariant>
#include <QWidget>

namespace {
constexpr char kTagProperty[] = "tag";
}

void setFrame(QWidget* view, const QRectF& frame) {
    QWidget* parent = view->parentWidget();
    if (!parent || !parent->isRightToLeft()) {
        view->setGeometry(frame.toRect());
        return;
    }
    // Mirrored against the width the parent's resizing starts from.
    Autoresizing::placeMirrored(view);
    view->setGeometry(QStyle::visualRect(Qt::RightToLeft, parent->rect(), frame.toRect()));
}

QRect frameOf(const QWidget* view) {
    const QWidget* parent = view->parentWidget();
    if (!parent || !parent->isRightToLeft())
        return view->geometry();
    return QStyle::visualRect(Qt::RightToLeft, parent->rect(), view->geometry());
}

QRect visualRect(const QWidget* widget, const QRect& area, const QRect& logical) {
    return QStyle::visualRect(widget->layoutDirection(), area, logical);
}

void setTag(QWidget* view, int tag) {
    view->setProperty(kTagProperty, tag);
}

int tag(const QWidget* view) {
    return view->property(kTagProperty).toInt();
}

QWidget* viewWithTag(QWidget* root, int tagValue) {
    if (!root)
        return nullptr;
    if (tag(root) == tagValue)
        return root;
    for (QObject* child : root->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow())
            continue;
        if (QWidget* found = viewWithTag(widget, tagValue))
            return found;
    }
    return nullptr;
}

bool cycleFocusAmong(const QList<QWidget*>& widgets, bool next) {
    if (widgets.isEmpty())
        return true;
    const int count = int(widgets.size());
    int current = -1;
    for (int i = 0; i < count; ++i) {
        if (widgets[i]->hasFocus())
            current = i;
    }
    const int target = current < 0 ? (next ? 0 : count - 1) : (current + (next ? 1 : count - 1)) % count;
    widgets[target]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

bool hasFocusWithin(const QWidget* view) {
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == view || view->isAncestorOf(focus));
}

void hideView(QWidget* view) {
    if (hasFocusWithin(view))
        QApplication::focusWidget()->clearFocus();
    view->hide();
}
