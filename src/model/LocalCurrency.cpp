#include "LocalCurrency.h"

std::shared_ptr<LocalCurrency> LocalCurrency::create(const QString& code) {
    return std::shared_ptr<LocalCurrency>(new LocalCurrency(code));
}

std::shared_ptr<LocalCurrency> LocalCurrency::fromDictionary(const QVariantMap& dictionary) {
    return create(currencyStringValue(dictionary, kCurrencyCodeKey));
}
