#include "RateUpdateText.h"

#include "Bundle.h"
#include "DisplayFormatters.h"
#include "ForeignCurrency.h"

QString rateUpdateText(const ForeignCurrency& record) {
    // A kept rate is the user's, whatever date a download once gave it.
    if (record.showsUserRate())
        return localized(QT_TRANSLATE_NOOP("Localizable", "Your rate"));
    if (record.lastUpdate().isValid())
        return shortUpdateDateFormatter().stringFromDate(record.lastUpdate());
    return localized(QT_TRANSLATE_NOOP("Localizable", "Never"));
}
