#pragma once

#include "LocaleCategories.h"

#include <QString>

// Tests write expected figures with "." as the decimal separator; this turns one into the form of
// the locale in force. A "," in it stands for the other separator, the one the locale does not use.
inline QString local(const QString& figure) {
    const QString separator = LocaleCategories::decimalSeparator();
    const QString other = separator == QLatin1String(",") ? QStringLiteral(".") : QStringLiteral(",");
    QString result;
    for (const QChar c : figure)
        result += c == u'.' ? separator : c == u',' ? other : QString(c);
    return result;
}
