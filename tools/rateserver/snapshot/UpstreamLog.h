#pragma once

#include <QLoggingCategory>

// Everything about downloads, checks and the cache logs here, one line per event.
Q_DECLARE_LOGGING_CATEGORY(lcUpstream)
