#include "cursorblink.h"

#include <QApplication>
#include <QEvent>

CursorBlinkTimeout::CursorBlinkTimeout(int timeoutMs, QObject *parent)
    : QObject(parent)
    , m_flashTime(QApplication::cursorFlashTime())
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(timeoutMs);
    connect(&m_timer, &QTimer::timeout, this, &CursorBlinkTimeout::stopBlinking);
    qApp->installEventFilter(this);
    m_timer.start();
}

bool CursorBlinkTimeout::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        if (QApplication::cursorFlashTime() != m_flashTime)
            QApplication::setCursorFlashTime(m_flashTime);
        m_timer.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CursorBlinkTimeout::stopBlinking()
{
    // A flash time of 0 leaves the cursor shown steadily.
    QApplication::setCursorFlashTime(0);
}
