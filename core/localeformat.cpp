#include "localeformat.h"

#include <QRegularExpression>

namespace {

// Format letters, as opposed to separators and quoted literals.
bool isFieldLetter(QChar c)
{
    return c.isLetter();
}

// The first run of non-letter characters between two fields of a format, e.g. ":" in "h:mm AP".
QString firstSeparator(const QString &format, QString fallback)
{
    int i = 0;
    while (i < format.size() && !isFieldLetter(format.at(i)))
        ++i;
    while (i < format.size() && isFieldLetter(format.at(i)))
        ++i;
    int start = i;
    while (i < format.size() && !isFieldLetter(format.at(i)))
        ++i;
    QString sep = format.mid(start, i - start);
    sep.remove(QLatin1Char('\''));
    sep = sep.trimmed().isEmpty() ? sep : sep.trimmed();
    return sep.isEmpty() ? fallback : sep;
}

} // namespace

QString longTimeFormat(const QLocale &locale)
{
    QString format = locale.timeFormat(QLocale::LongFormat);
    // Drop the zone field ("t", "tt", "ttt", "tttt") with the spaces or brackets around it.
    static const QRegularExpression zone(QStringLiteral("\\s*[(\\[]?\\bt{1,4}\\b[)\\]]?"));
    format.remove(zone);
    return format.trimmed();
}

QString shortDateFormat(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) {
        static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
        format.replace(twoDigitYear, QStringLiteral("yyyy"));
    }
    return format;
}

QString timeSeparator(const QLocale &locale)
{
    return firstSeparator(locale.timeFormat(QLocale::ShortFormat), QStringLiteral(":"));
}

QString dateSeparator(const QLocale &locale)
{
    return firstSeparator(locale.dateFormat(QLocale::ShortFormat), QStringLiteral("/"));
}

QString normalizeSpaces(const QString &text)
{
    QString out = text;
    out.replace(QChar(0x202F), QLatin1Char(' '));
    out.replace(QChar(0x00A0), QLatin1Char(' '));
    return out.simplified();
}

std::optional<qint64> parseInteger(const QString &text, const QLocale &locale, qint64 minimum, qint64 maximum)
{
    const QString trimmed = normalizeSpaces(text);
    if (trimmed.isEmpty() || trimmed.size() > 64)
        return std::nullopt;
    bool ok = false;
    qint64 value = QLocale::c().toLongLong(trimmed, &ok);
    if (!ok)
        value = locale.toLongLong(trimmed, &ok);
    if (!ok || value < minimum || value > maximum)
        return std::nullopt;
    return value;
}
