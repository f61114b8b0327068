#pragma once

#include "NumberFormatter.h"

#include <QString>
#include <memory>

// Reads the numbers in the rate service's replies: "." before the fraction and no grouping, whatever
// the user's locale, so that a reply means the same on every device. Built on first use and shared.
const NumberFormatter& exchangeRateFormatter();

// The same formatter over an explicit locale's other symbols (empty means the process's own).
std::unique_ptr<NumberFormatter> makeExchangeRateFormatter(const QString& locale = {});
