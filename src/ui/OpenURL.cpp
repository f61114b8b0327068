#include "OpenURL.h"

#include <QDesktopServices>

bool openURL(const QUrl& url) {
    if (url.isEmpty() || !url.isValid())
        return false;
    return QDesktopServices::openUrl(url);
}
