#pragma once

#include <QObject>
#include <QTimer>

/// Stops the text cursor blinking after a spell without input, as GTK does: a blinking cursor in a
/// window left open wakes the program several times a second. Any key or mouse press brings the
/// blink back.
class CursorBlinkTimeout : public QObject
{
    Q_OBJECT
public:
    explicit CursorBlinkTimeout(int timeoutMs = 10000, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void stopBlinking();

    QTimer m_timer;
    int m_flashTime = 0;
};
