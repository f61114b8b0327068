#pragma once

#include <QUrl>

class AlertView;
class QWidget;

// What the user gets where no application takes a link (no browser, no software centre, a session
// without a desktop): the link goes to the clipboard, and an alert over `window` says so, so that
// it can be pasted where it opens. Answers the alert, which the window owns while it is shown.
AlertView* showCopiedLinkAlert(const QUrl& url, QWidget* window);
