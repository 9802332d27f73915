#pragma once

#include "schedule.h"
#include "settingssaver.h"

#include <QDateTime>
#include <QObject>
#include <QStringList>
#include <QTimer>

class Clock;
enum class Key;
class SettingsStore;

/// The live week schedule and display options, the 30-second tick that checks the alarm, and the
/// write-through of every edit. Windows show and edit it; it is loaded once, at start-up.
class Reminder : public QObject
{
    Q_OBJECT
public:
    /// The tick, the child timer "tmrTest", starts at once, so the first alarm check comes 30 s
    /// after construction.
    Reminder(SettingsStore &store, const Clock &clock, QObject *parent = nullptr);

    /// Reads the store into the model, by the rules of loadSettings(), and says so through loaded.
    /// A failing write of the default message is reported through saveFailed and kept pending.
    void load();

    const WeekSchedule &weekSchedule() const { return m_settings.schedule; }
    const DisplayOptions &displayOptions() const { return m_settings.display; }
    QDateTime now() const;

    /// One setter per edit: each updates the model and writes its one key at once. A failure is
    /// reported once through saveFailed, and the text is kept and saved later.
    SaveResult setAlertTime(int weekday, double alertTime);
    SaveResult setWorkFlag(int weekday, qint16 workFlag);
    SaveResult setMessage(const QString &messageTemplate);
    SaveResult setSound(bool on);
    /// The same for the colours, except that a failure is the caller's to report.
    SaveResult setFontColor(qint32 colour);
    SaveResult setBackColor(qint32 colour);

public slots:
    /// Retries what is pending, then runs the alarm rule on the values as they stand, and the
    /// catch-up rule against the previous check: today's alert, passed over while no check ran,
    /// is shown late or noted as missed, once a day. Also runs when the system says it woke or its
    /// clock was set.
    void tick();
    /// The program is ending: no check from now on.
    void stopTicking() { m_timer.stop(); }
    /// The last chance to save at exit: retries what is pending and names on stderr every key
    /// that still could not be saved. Returns those keys.
    QStringList finish();

signals:
    /// The model holds what the store held; shown values should follow.
    void loaded();
    /// A tick has run; whatever else wants checking now and then can go with it.
    void ticked();
    /// Today's alert is due now; IsItSaturday is 1 on a Saturday, else 0.
    void alertDue(qint16 IsItSaturday);
    /// Today's alert at time (hour and minute) was passed over too long ago to be shown now.
    void alertMissed(const QTime &time);
    /// An edit could not be saved. Raised once for a run of failures.
    void saveFailed(const QString &title, const QString &message);
    /// Everything that had failed to save is on disk after all.
    void saved(const QString &title, const QString &message);

private:
    enum class Report { Here, ByCaller };
    /// Writes the key's text for the model's value.
    SaveResult save(Key key, Report report = Report::Here);
    void noteFailure(const SaveResult &result, Report report);
    void noteProgress();

    SettingsSaver m_saver;
    const Clock &m_clock;
    Settings m_settings;
    QTimer m_timer;
    /// The local date and time of the last check, at first of the construction.
    QDateTime m_lastCheck;
    /// The day of the last alert shown late or noted as missed.
    QDate m_caughtUpOn;
    bool m_failureTold = false;
};
