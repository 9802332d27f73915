#pragma once

// For the tests that run the whole program in their own process: Dorvane on this test's store and
// a clock of its own, wired as main() wires it.

#include "dorvane.h"
#include "testsupport.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <functional>

namespace TestSupport {

struct Program {
    explicit Program(const QDateTime &now)
        : clock(now)
    {
    }
    SettingsStore store = testStore();
    FakeClock clock;
    Dorvane app { store, clock };
    Reminder &reminder = app.reminder();
    MainWindow &w = app.window();
};

/// What the program hears when a desktop's notification area comes or goes.
inline void setTray(Dorvane &app, bool available)
{
    emit app.tray().availabilityChanged(available);
}

/// The 30-second tick, "tmrTest".
inline QTimer *tickTimer(Reminder &reminder)
{
    return reminder.findChild<QTimer *>(QStringLiteral("tmrTest"));
}

/// Runs act on the next modal dialog of type T as soon as it is up.
template<typename T> void whenModal(std::function<void(T *)> act)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(dialog);
        }
    });
    poll->start();
}

inline QList<QMessageBox *> visibleMessageBoxes()
{
    QList<QMessageBox *> boxes;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QMessageBox *>(w); box && box->isVisible())
            boxes.append(box);
    }
    return boxes;
}

} // namespace TestSupport
