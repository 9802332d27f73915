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

// Copies a format, handing every run of `field` outside quotes to onRun(out, length, rest), which
// appends what replaces it and returns how many characters of `rest`, the text after the run, it
// consumed too.
template<typename OnRun>
QString rewriteField(const QString &format, QChar field, OnRun onRun)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (quoted || c != field) {
            out += c;
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < format.size() && format.at(i) == field)
            ++i;
        i += onRun(out, i - start, QStringView(format).mid(i));
    }
    return out;
}

} // namespace

QString longTimeFormat(const QLocale &locale)
{
    // Drop the zone field ("t" … "tttt") with the blanks or bracket around it.
    return rewriteField(locale.timeFormat(QLocale::LongFormat), QLatin1Char('t'),
                        [](QString &out, qsizetype, QStringView rest) -> qsizetype {
                            while (!out.isEmpty()
                                   && (out.back().isSpace() || out.back() == QLatin1Char('(')
                                       || out.back() == QLatin1Char('[')))
                                out.chop(1);
                            return rest.startsWith(QLatin1Char(')')) || rest.startsWith(QLatin1Char(']')) ? 1 : 0;
                        })
        .trimmed();
}

QString shortDateFormat(const QLocale &locale)
{
    // A two-digit year reads back in the wrong century; widen it to four digits.
    return rewriteField(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('y'),
                        [](QString &out, qsizetype run, QStringView) -> qsizetype {
                            out += run == 2 ? QStringLiteral("yyyy") : QString(run, QLatin1Char('y'));
                            return 0;
                        });
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
