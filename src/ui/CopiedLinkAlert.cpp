#include "CopiedLinkAlert.h"

#include "AlertView.h"
#include "Bundle.h"

#include <QClipboard>
#include <QGuiApplication>

AlertView* showCopiedLinkAlert(const QUrl& url, QWidget* window) {
    QGuiApplication::clipboard()->setText(url.toString());
    auto alert = std::make_unique<AlertView>(
        localized(QT_TRANSLATE_NOOP("Localizable", "Link Copied")),
        localized(QT_TRANSLATE_NOOP("Localizable",
                                    "No application here opens links, so the link has been copied to "
                                    "the clipboard. Paste it into a web browser.")));
    alert->setCancelButtonIndex(alert->addButtonWithTitle(localized(QT_TRANSLATE_NOOP("Localizable", "OK"))));
    return AlertView::present(std::move(alert), window);
}
