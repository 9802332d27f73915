#pragma once

#include <QString>

/// A text as a QLabel shows it: CR LF, and a CR on its own, become line breaks.
inline QString labelLines(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}
