#include "LogCategories.h"

Q_LOGGING_CATEGORY(lcPlatform, "ratepad.platform")
Q_LOGGING_CATEGORY(lcPreferences, "ratepad.preferences")
Q_LOGGING_CATEGORY(lcRates, "ratepad.rates")
Q_LOGGING_CATEGORY(lcManager, "ratepad.manager")
Q_LOGGING_CATEGORY(lcUi, "ratepad.ui")
Q_LOGGING_CATEGORY(lcReview, "ratepad.review")
Q_LOGGING_CATEGORY(lcSound, "ratepad.sound")
