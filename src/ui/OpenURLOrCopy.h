#pragma once

#include "OpenURL.h"

#include <QUrl>
#include <functional>

class QWidget;

// Opens `url` in another application through `open`. Where nothing on this system takes it, the
// click must not vanish without a trace: an alert over `window` says so and the link goes to the
// clipboard, to be pasted wherever the user can open it. Answers whether the link was opened.
bool openURLOrCopy(const QUrl& url, QWidget* window, const std::function<bool(const QUrl&)>& open = openURL);
