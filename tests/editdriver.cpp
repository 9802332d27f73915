// Edits the configuration window through its own controls, as a user would, against the user's
// store ($XDG_CONFIG_HOME), and says so on stdout. tst_killsafety kills it at random points.
//
// Usage: editdriver SEED EDITS
// Prints "ready" once the window is up, then for each edit "about N KEY=TEXT" before it and
// "edit N KEY=TEXT" once its handler has returned, then "done". The program is wired as main()
// wires it, so SIGTERM, SIGINT and SIGHUP end it the program's own way. Exit status 3: a control did
// not end up holding the value the edit was meant to give it.

#include "clock.h"
#include "colorswatch.h"
#include "dorvane.h"
#include "olecolor.h"
#include "oledate.h"
#include "settingskeys.h"
#include "settingsstore.h"
#include "timepicker.h"
#include "unixsignals.h"
#include "workcheckbox.h"

#include <QApplication>
#include <QColorDialog>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>

namespace {

// Characters that the INI format quotes or escapes, besides plain ones.
constexpr char kTyped[] = "abcxyz AZ09,;=\"'@#%\\/[]";
constexpr qsizetype kLongestMessage = 120;

void say(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    // One write per line, well under PIPE_BUF, so a kill never leaves half a line behind.
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stdout);
    std::fflush(stdout);
}

// The driver never waits for a tick, but the window wants a clock; it gets one that stands still.
class StillClock final : public Clock
{
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 7), QTime(12, 0)); }
};

struct Edit {
    QString key;
    QString text;
    std::function<void()> perform;
    std::function<QString()> readBack;
};

class Driver
{
public:
    Driver(MainWindow &window, quint32 seed, int edits)
        : m_w(window)
        , m_rng(seed)
        , m_edits(edits)
    {
    }

    void stop() { m_stopping = true; }

    void next()
    {
        if (m_stopping)
            return;
        if (m_done == m_edits) {
            say(QStringLiteral("done"));
            return;
        }
        const Edit edit = plan();
        const int n = ++m_done;
        say(QStringLiteral("about %1 %2=%3").arg(n).arg(edit.key, edit.text));
        edit.perform();
        // A quit that arrived inside a nested loop (the colour dialog) may have cut the edit short.
        if (m_stopping)
            return;
        const QString actual = edit.readBack();
        if (actual != edit.text) {
            std::fprintf(stderr, "editdriver: edit %d of %s left \"%s\", meant \"%s\"\n", n,
                         qPrintable(edit.key), qPrintable(actual), qPrintable(edit.text));
            QCoreApplication::exit(3);
            return;
        }
        say(QStringLiteral("edit %1 %2=%3").arg(n).arg(edit.key, edit.text));
        QTimer::singleShot(0, [this] { next(); });
    }

private:
    Edit plan()
    {
        const quint32 roll = m_rng.bounded(16u);
        if (roll < 4)
            return stepTime();
        if (roll < 7)
            return clickWorkBox();
        if (roll < 8)
            return chooseColour();
        return typeInMessage();
    }

    // Up on the hour or the minute field; the field wraps on its own without carrying.
    Edit stepTime()
    {
        const int day = static_cast<int>(m_rng.bounded(Sunday, Saturday + 1));
        const bool hour = m_rng.bounded(2u) == 0;
        TimePicker *picker = m_w.picker(day);
        const QDateTime held = OleDate::toDateTime(picker->value());
        const QTime t = held.time();
        const QTime next = hour ? QTime((t.hour() + 1) % 24, t.minute(), t.second())
                                : QTime(t.hour(), (t.minute() + 1) % 60, t.second());
        const double value = OleDate::fromDateTime(held.date(), next);
        return {timeKey(day), timeText(value, QLocale()),
                [picker, hour] {
                    picker->setFocus();
                    picker->setCurrentSection(hour ? QDateTimeEdit::HourSection : QDateTimeEdit::MinuteSection);
                    QTest::keyClick(picker, Qt::Key_Up);
                },
                [picker] { return timeText(picker->value(), QLocale()); }};
    }

    Edit clickWorkBox()
    {
        const int day = static_cast<int>(m_rng.bounded(Sunday, Saturday + 1));
        WorkCheckBox *box = m_w.checkBox(day);
        const qint16 next = box->workFlag() == WorkFlag::Checked ? WorkFlag::Unchecked : WorkFlag::Checked;
        return {workKey(day), workFlagText(next), [box] { QTest::mouseClick(box, Qt::LeftButton); },
                [box] { return workFlagText(box->workFlag()); }};
    }

    Edit typeInMessage()
    {
        auto *edit = m_w.findChild<QLineEdit *>(QStringLiteral("txtMessage"));
        QString text = edit->text();
        const bool erase = !text.isEmpty() && (text.size() >= kLongestMessage || m_rng.bounded(4u) == 0);
        char typed = 0;
        if (erase) {
            text.chop(1);
        } else {
            typed = kTyped[m_rng.bounded(static_cast<quint32>(sizeof kTyped - 1))];
            text += QLatin1Char(typed);
        }
        return {kMessageKey, text,
                [edit, typed] {
                    edit->setFocus();
                    QTest::keyClick(edit, Qt::Key_End);
                    if (typed)
                        QTest::keyClick(edit, typed);
                    else
                        QTest::keyClick(edit, Qt::Key_Backspace);
                },
                [edit] { return edit->text(); }};
    }

    // The swatch or its caption, then the colour dialog, answered as soon as it is up.
    Edit chooseColour()
    {
        const bool font = m_rng.bounded(2u) == 0;
        const QString name = font ? QStringLiteral("lblFontColor_") : QStringLiteral("lblBackColor_");
        auto *clicked = m_w.findChild<ColorSwatch *>(name + QString::number(m_rng.bounded(2u)));
        auto *swatch = m_w.findChild<ColorSwatch *>(name + QLatin1Char('0'));
        const QColor colour(static_cast<int>(m_rng.bounded(256u)), static_cast<int>(m_rng.bounded(256u)),
                            static_cast<int>(m_rng.bounded(256u)));
        return {font ? kFontColorKey : kBackColorKey,
                colourText(OleColor::fromRgb(colour.red(), colour.green(), colour.blue())),
                [clicked, colour] {
                    auto *poll = new QTimer;
                    poll->setInterval(1);
                    QObject::connect(poll, &QTimer::timeout, [poll, colour] {
                        if (auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget())) {
                            poll->deleteLater();
                            dialog->setCurrentColor(colour);
                            dialog->accept();
                        }
                    });
                    poll->start();
                    QTest::mouseClick(clicked, Qt::LeftButton);
                },
                [swatch] { return colourText(swatch->oleColor()); }};
    }

    MainWindow &m_w;
    QRandomGenerator m_rng;
    int m_edits;
    int m_done = 0;
    bool m_stopping = false;
};

} // namespace

int main(int argc, char *argv[])
{
    // Qt's own colour dialog, which the driver can answer.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fputs("usage: editdriver SEED EDITS\n", stderr);
        return 2;
    }
    const quint32 seed = args.at(1).toUInt();
    const int edits = args.at(2).toInt();

    // In main()'s order: the signal handlers before anything else.
    UnixSignals unixSignals;
    SettingsStore store = SettingsStore::native(qEnvironmentVariable(SettingsStore::kRegistryKeyVariable));
    StillClock clock;
    Dorvane dorvane(store, clock, &unixSignals);
    Driver driver(dorvane.window(), seed, edits);
    QObject::connect(&dorvane, &Dorvane::quitRequested, &app, [&driver] {
        driver.stop();
        QCoreApplication::exit(0);
    });

    dorvane.start();
    dorvane.window().activateWindow();
    QTimer::singleShot(0, [&driver] {
        say(QStringLiteral("ready"));
        driver.next();
    });
    // Not meant to end by itself; a forgotten driver must not linger.
    QTimer::singleShot(30000, [] { QCoreApplication::exit(4); });
    return QApplication::exec();
}
