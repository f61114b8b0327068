#include "OpenURLOrCopy.h"

#include "AlertView.h"
#include "Bundle.h"

#include <QClipboard>
#include <QGuiApplication>
#include <memory>

bool openURLOrCopy(const QUrl& url, QWidget* window, const std::function<bool(const QUrl&)>& open) {
    if (open(url))
        return true;
    QGuiApplication::clipboard()->setText(url.toString());
    // The link itself stays out of the message: an address does not wrap and would be cut.
    auto alert = std::make_unique<AlertView>(
        localized(QT_TRANSLATE_NOOP("Localizable", "Cannot Open Link")),
        localized(QT_TRANSLATE_NOOP(
            "Localizable", "No application here opens this link. It has been copied to the clipboard.")));
    alert->setCancelButtonIndex(alert->addButtonWithTitle(localized(QT_TRANSLATE_NOOP("Localizable", "OK"))));
    AlertView::present(std::move(alert), window);
    return false;
}
