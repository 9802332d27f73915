#include "reminder.h"

#include "alarmcheck.h"
#include "clock.h"
#include "logging.h"
#include "scheduleloader.h"
#include "settingskeys.h"

namespace {
constexpr int kTickMilliseconds = 30000;
} // namespace

Reminder::Reminder(SettingsStore &store, const Clock &clock, QObject *parent)
    : QObject(parent)
    , m_saver(store)
    , m_clock(clock)
    , m_timer(this)
    , m_lastCheck(clock.now())
{
    m_timer.setObjectName(QStringLiteral("tmrTest"));
    m_timer.setInterval(kTickMilliseconds);
    connect(&m_timer, &QTimer::timeout, this, &Reminder::tick);
    m_timer.start();
}

void Reminder::load()
{
    const LoadedSettings found = loadSettings(m_saver, QLocale());
    m_settings = found;
    if (found.messageWritten && !found.messageSave)
        noteFailure(found.messageSave, Report::Here);
    emit loaded();
}

QDateTime Reminder::now() const
{
    return m_clock.now();
}

// Each setter puts its value in the model, then writes the text the next load reads it back from.
SaveResult Reminder::setAlertTime(int weekday, double alertTime)
{
    m_settings.schedule[weekday].alertTime = alertTime;
    return save(timeSetting(weekday));
}

SaveResult Reminder::setWorkFlag(int weekday, qint16 workFlag)
{
    m_settings.schedule[weekday].workFlag = workFlag;
    return save(workSetting(weekday));
}

SaveResult Reminder::setMessage(const QString &messageTemplate)
{
    m_settings.display.messageTemplate = messageTemplate;
    return save(Key::Message);
}

SaveResult Reminder::setSound(bool on)
{
    m_settings.display.sound = on;
    return save(Key::Sound);
}

SaveResult Reminder::setFontColor(qint32 colour)
{
    m_settings.display.fontColor = colour;
    return save(Key::FontColor, Report::ByCaller);
}

SaveResult Reminder::setBackColor(qint32 colour)
{
    m_settings.display.backColor = colour;
    return save(Key::BackColor, Report::ByCaller);
}

SaveResult Reminder::save(Key key, Report report)
{
    const SettingKey &row = setting(key);
    const SaveResult result = m_saver.save(row.name, row.write(m_settings, QLocale()));
    if (result)
        noteProgress();
    else
        noteFailure(result, report);
    return result;
}

void Reminder::noteFailure(const SaveResult &result, Report report)
{
    // One notice for a run of failures, not one per keystroke.
    if (m_failureTold)
        return;
    m_failureTold = true;
    if (report == Report::ByCaller)
        return;
    //: Second line of that notification.
    const QString later = tr("The change stays in effect, and Dorvane saves it as soon as it can.");
    //: Title of a notification.
    emit saveFailed(tr("Dorvane could not save a setting"), result.description + u'\n' + later);
}

void Reminder::noteProgress()
{
    if (m_saver.hasPending() || !m_failureTold)
        return;
    m_failureTold = false;
    //: Title of a notification.
    emit saved(tr("Dorvane saved your settings"),
               //: Notification text; %1 is a file path.
               tr("The changes that could not be saved before are now saved in %1.").arg(m_saver.store().location()));
}

void Reminder::tick()
{
    if (m_saver.hasPending()) {
        m_saver.retry();
        noteProgress();
    }
    const QDateTime now = m_clock.now();
    if (const auto isItSaturday = alarmDue(now, m_settings.schedule))
        emit alertDue(*isItSaturday);
    const auto missed = missedAlarm(m_lastCheck, now, m_settings.schedule);
    m_lastCheck = now;
    if (missed && m_caughtUpOn != now.date()) {
        m_caughtUpOn = now.date();
        if (missed->showLate)
            emit alertDue(missed->isItSaturday);
        else
            emit alertMissed(missed->time);
    }
    emit ticked();
}

QStringList Reminder::finish()
{
    m_timer.stop();
    m_saver.retry();
    const QStringList unsaved = m_saver.pendingKeys();
    for (const QString &key : unsaved)
        qCWarning(lcStore).noquote()
            << QStringLiteral("Dorvane ends with \"%1\" not saved to %2.").arg(key, m_saver.store().location());
    return unsaved;
}
