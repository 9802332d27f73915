#include "localeformat.h"


namespace {

// Format letters, as opposed to separators and quoted literals.
bool isFieldLetter(QChar c)
{
    return c.isLetter();
}

// The run of non-letter characters after the field that starts at or after `from`, e.g. ":" in
// "h:mm AP". Blanks alone (the C locale's "d MMM yyyy") are no separator for a numeric text.
QString separatorAfter(const QString &format, qsizetype from, const QString &fallback)
{
    qsizetype i = from;
    while (i < format.size() && isFieldLetter(format.at(i)))
        ++i;
    const qsizetype start = i;
    while (i < format.size() && !isFieldLetter(format.at(i)))
        ++i;
    QString sep = format.mid(start, i - start);
    sep.remove(QLatin1Char('\''));
    sep = sep.trimmed();
    return sep.isEmpty() ? fallback : sep;
}

} // namespace

QString longTimeFormat(const QLocale &locale)
{
    // Drop the zone field ("t" … "tttt") with the blanks or bracket around it; quoted text stays.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('t')) {
            out += c;
            ++i;
            continue;
        }
        while (i < format.size() && format.at(i) == QLatin1Char('t'))
            ++i;
        while (!out.isEmpty() && (out.back().isSpace() || out.back() == QLatin1Char('(') || out.back() == QLatin1Char('[')))
            out.chop(1);
        if (i < format.size() && (format.at(i) == QLatin1Char(')') || format.at(i) == QLatin1Char(']')))
            ++i;
    }
    return out.trimmed();
}

QString shortDateFormat(const QLocale &locale)
{
    // A two-digit year reads back in the wrong century; widen it to four digits.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != QLatin1Char('y')) {
            out += c;
            ++i;
            continue;
        }
        qsizetype run = 0;
        while (i < format.size() && format.at(i) == QLatin1Char('y')) {
            ++i;
            ++run;
        }
        out += run == 2 ? QStringLiteral("yyyy") : QString(run, QLatin1Char('y'));
    }
    return out;
}

QString timeSeparator(const QLocale &locale)
{
    // After the hour, wherever the designator stands.
    const QString format = locale.timeFormat(QLocale::ShortFormat);
    qsizetype hour = format.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    return separatorAfter(format, hour < 0 ? 0 : hour, QStringLiteral(":"));
}

QString dateSeparator(const QLocale &locale)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    qsizetype first = 0;
    while (first < format.size() && !isFieldLetter(format.at(first)))
        ++first;
    return separatorAfter(format, first, QStringLiteral("/"));
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
