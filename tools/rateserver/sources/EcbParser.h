#pragma once

#include "RateSnapshot.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The European Central Bank's daily reference rates (eurofxref-daily.xml): units of each currency per
// euro on one working day. The document must be read to its end; anything unexpected in the rate
// cubes fails the whole parse, since a half-read day would pass for a complete one.
class EcbParser final {
public:
    static std::optional<RateSnapshot> parse(const QByteArray& xml, QString* error = nullptr);
};
