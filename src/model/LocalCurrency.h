#pragma once

#include "Currency.h"

#include <memory>

// The user's home currency. Rebuilt from a dictionary it keeps only the code: its name comes from
// the catalogue again.
class LocalCurrency final : public Currency {
    Q_OBJECT
public:
    static std::shared_ptr<LocalCurrency> create(const QString& code);
    static std::shared_ptr<LocalCurrency> fromDictionary(const QVariantMap& dictionary);

private:
    using Currency::Currency;
};
