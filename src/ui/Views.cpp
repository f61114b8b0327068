#include "Views.h"

#include <QVariant>
#include <QWidget>

namespace {
constexpr char kTagProperty[] = "tag";
}

void setFrame(QWidget* view, const QRectF& frame) {
    view->setGeometry(frame.toRect());
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
