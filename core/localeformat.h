#pragma once

#include <QLocale>
#include <QString>

#include <optional>

/// The locale's long time format without its time-zone field ("h:mm:ss AP" for en_US).
QString longTimeFormat(const QLocale &locale);

/// The locale's short date format, with a four-digit year so that a date survives being read back.
QString shortDateFormat(const QLocale &locale);

/// The separator the locale puts between hour and minute (":" for en_US).
QString timeSeparator(const QLocale &locale);

/// The separator the locale puts between the parts of a short date ("/" for en_US).
QString dateSeparator(const QLocale &locale);

/// Trims, turns U+202F and U+00A0 into plain spaces and folds runs of white space into one.
QString normalizeSpaces(const QString &text);

/// A decimal integer with an optional sign, as the locale or plain C writes it.
/// Returns nothing for any other text and for numbers outside [minimum, maximum].
std::optional<qint64> parseInteger(const QString &text, const QLocale &locale, qint64 minimum, qint64 maximum);
