#pragma once

#include "schedule.h"

#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

/// What a stored text holds, and so how it converts.
enum class ValueKind {
    Time,     ///< an OLE date in the locale's general text form
    WorkFlag, ///< 0, 1 or 2
    Colour,   ///< a signed decimal OLE colour
    Text,     ///< taken as it stands
};

struct SettingKey {
    QString name;
    ValueKind kind;
    int weekday = 0; ///< 1 = Sunday … 7 = Saturday for the day keys, else 0
};

/// "SundayTime" … "SaturdayTime".
QString timeKey(int weekday);
/// "WorkSunday" … "WorkSaturday".
QString workKey(int weekday);
inline const QString kFontColorKey = QStringLiteral("FontColor");
inline const QString kBackColorKey = QStringLiteral("BackColor");
inline const QString kMessageKey = QStringLiteral("Message");

/// All seventeen keys in the order the load reads them: the times, the flags, the colours, the message.
const std::vector<SettingKey> &allSettingKeys();

/// The text a missing key stands for (midnight's time text, "0", "-2147483633", the default message).
QString defaultText(const SettingKey &key, const QLocale &locale);

/// Texts as they are written.
QString timeText(double alertTime, const QLocale &locale);
QString workFlagText(qint16 flag);
QString colourText(qint32 colour);

/// Conversions of stored texts; nothing where the text does not convert or is out of range.
std::optional<double> readTime(const QString &text, const QLocale &locale);
/// A 16-bit integer from 0 to 2.
std::optional<qint16> readWorkFlag(const QString &text, const QLocale &locale);
/// A 32-bit integer that is an RGB colour or a documented system colour.
std::optional<qint32> readColour(const QString &text, const QLocale &locale);
