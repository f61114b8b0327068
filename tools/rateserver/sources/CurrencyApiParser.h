#pragma once

#include "RateSnapshot.h"

#include <QByteArray>
#include <QString>
#include <optional>

// currency-api's per-base file, {"date":"YYYY-MM-DD","eur":{"usd":1.14,...}}: lower-case codes become
// upper-case. Entries that cannot be a rate (a key that is no code, a value that is no number) are
// skipped; a file without its date or its base object fails.
class CurrencyApiParser final {
public:
    static constexpr auto kBase = "EUR";

    static std::optional<RateSnapshot> parse(const QByteArray& json, QString* error = nullptr);
};
