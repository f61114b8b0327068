#pragma once

#include <QString>

class ForeignCurrency;

// What the list's rows and the converter's update line say of where a record's rate comes from: the
// user's own rate (typed since the last download, or kept), the date of the download that set it,
// or "Never".
QString rateUpdateText(const ForeignCurrency& record);
