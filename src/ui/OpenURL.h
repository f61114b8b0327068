#pragma once

#include <QUrl>

// Hands `url` to the desktop to open in another application (a browser for web and store pages).
// Answers whether the desktop took it; an empty or malformed URL is not handed on.
bool openURL(const QUrl& url);
