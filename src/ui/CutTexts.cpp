#include "CutTexts.h"

#include "BarButton.h"
#include "Button.h"
#include "Label.h"
#include "TabBarButton.h"
#include "TableView.h"

namespace {

template <typename Widget> bool cutAs(const QWidget* widget, QStringList& cut, const char* kind) {
    const auto* typed = qobject_cast<const Widget*>(widget);
    if (!typed)
        return false;
    if (typed->isElided())
        cut << QStringLiteral("%1: %2").arg(QLatin1String(kind), typed->text());
    return true;
}

void collect(const QWidget* widget, QStringList& cut) {
    if (!widget->isVisible())
        return;
    if (const auto* label = qobject_cast<const Label*>(widget); label && label->mayElide())
        return;
    if (const auto* table = qobject_cast<const TableView*>(widget))
        for (const QString& title : table->elidedSectionTitles())
            cut << QStringLiteral("section title: %1").arg(title);
    cutAs<Label>(widget, cut, "label") || cutAs<BarButton>(widget, cut, "bar button") ||
        cutAs<TabBarButton>(widget, cut, "tab") || cutAs<Button>(widget, cut, "button");
}

} // namespace

QStringList cutTexts(const QWidget* root) {
    QStringList cut;
    collect(root, cut);
    for (const QWidget* child : root->findChildren<QWidget*>())
        collect(child, cut);
    return cut;
}
