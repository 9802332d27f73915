#pragma once

#include <QDateTimeEdit>

/// A day's alert time. Its value is a whole OLE date, but the user edits only the hour and the
/// minute: the date and the seconds of a loaded value are carried along unchanged.
class TimePicker : public QDateTimeEdit
{
    Q_OBJECT
public:
    explicit TimePicker(QWidget *parent = nullptr);

    /// The OLE date the picker holds.
    double value() const { return m_value; }
    /// Loads value without counting it as the user's change.
    void setValue(double value);
    /// A display format of time sections only; the picker's date range stays 1601 to 9999.
    void setTimeFormat(const QString &format);
    /// The locale's short time, when it shows the hour and the minute and nothing else that the
    /// user could edit but that would not be kept; "HH:mm" otherwise.
    static QString localeTimeFormat();

signals:
    /// The user changed the hour or the minute; value is the new whole OLE date.
    void valueChanged(double value);

protected:
    // Tab leaves the picker, as with every other control; Left and Right move between its fields.
    bool focusNextPrevChild(bool next) override;

private:
    void onDateTimeChanged(const QDateTime &shown);

    double m_value = 0.0;
    bool m_loading = false;
};
