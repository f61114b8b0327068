#pragma once

#include <QLoggingCategory>

// Ratepad's log lines, each under a category of its own, so that QT_LOGGING_RULES can silence or
// pick them ("ratepad.*=false", "ratepad.manager.info=true") apart from Qt's.
Q_DECLARE_LOGGING_CATEGORY(lcPlatform)    // "ratepad.platform": formatters, shipped files, the network
Q_DECLARE_LOGGING_CATEGORY(lcPreferences) // "ratepad.preferences": the preferences file
Q_DECLARE_LOGGING_CATEGORY(lcRates)       // "ratepad.rates": replies of the rate service
Q_DECLARE_LOGGING_CATEGORY(lcManager)     // "ratepad.manager": finished lookups
Q_DECLARE_LOGGING_CATEGORY(lcUi)          // "ratepad.ui": the widget kit
Q_DECLARE_LOGGING_CATEGORY(lcReview)      // "ratepad.review": the review request
Q_DECLARE_LOGGING_CATEGORY(lcSound)       // "ratepad.sound": the key click
