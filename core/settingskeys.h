#pragma once

#include "schedule.h"

#include <QLocale>
#include <QString>
#include <QVariant>

#include <optional>
#include <vector>

/// What a stored text holds, and so how it converts.
enum class ValueKind {
    Time, ///< an OLE date in the locale's general text form
    WorkFlag, ///< 0, 1 or 2
    Colour, ///< a signed decimal OLE colour
    Text, ///< taken as it stands
};

struct SettingKey {
    QString name;
    ValueKind kind;
    /// A double (OLE date), qint16, qint32 or QString, as the kind says; a text is the source text
    /// of its translation in the context "Messages".
    QVariant defaultValue;
};

/// The seventeen keys in the order the load reads them: the times, the flags, the colours, the message.
const std::vector<SettingKey> &allSettingKeys();
/// The key of that name; every name used in the program is in the table.
const SettingKey &settingKey(const QString &name);

/// "SundayTime" … "SaturdayTime".
QString timeKey(int weekday);
/// "WorkSunday" … "WorkSaturday".
QString workKey(int weekday);
inline const QString kFontColorKey = QStringLiteral("FontColor");
inline const QString kBackColorKey = QStringLiteral("BackColor");
inline const QString kMessageKey = QStringLiteral("Message");

/// The text a missing key stands for (midnight's time text, "0", "-2147483633", the default message
/// in the installed translator's language).
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
