#pragma once

#include "messagelabel.h"

#include <QColor>
#include <QElapsedTimer>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <optional>

class QPushButton;
class QScreen;

/// Where the alert's controls go on a screen of a given size, in twips relative to the window.
struct AlertLayout {
    QRectF button;
    QRectF label;
};

/// frmAlert: the reminder itself, a borderless window over the whole screen in the user's colours
/// with the composed message and one button that dismisses it. It deletes itself on close.
/// Keys and clicks already on their way when it appears never dismiss it: Enter and Space press
/// the button only once the keyboard has been still for a second, a click only half a second after
/// it appeared; other keys are swallowed rather than sent blind into the window it covers.
class AlertWindow : public QWidget
{
    Q_OBJECT
public:
    explicit AlertWindow(QWidget *parent = nullptr);

    /// The layout for a window of width × height twips: the button centred, its top 2400 twips
    /// above the bottom; the label inset 30 twips at the sides and the bottom, 360 at the top.
    static AlertLayout layoutFor(double width, double height);

    void setColors(const QColor &background, const QColor &text);
    /// The message exactly as composed; CR LF shows as a line break.
    void setText(const QString &text);
    QString text() const;
    /// Shows the window full screen on the given screen, which need not start at (0, 0). Full
    /// screen is the one request that every window manager and Wayland compositor grants: a
    /// window may neither place itself nor keep itself above others there. Each showing counts as
    /// the alert's appearance for the keys and clicks that answer it.
    void showOnScreen(QScreen *screen);

    QPushButton *cmdOK = nullptr;
    MessageLabel *lblMain = nullptr;

public slots:
    void cmdOK_Click();

signals:
    /// The user pressed the button; the window closes.
    void dismissed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    /// The controls follow the size actually granted, which a desktop may still change.
    void resizeEvent(QResizeEvent *event) override;

private:
    /// Whether a key event answers the alert; every key press or release restarts the quiet second.
    bool keyAnswers(const QKeyEvent *event);

    QElapsedTimer m_clock;
    qint64 m_shownAt = 0;
    std::optional<qint64> m_lastKeyAt;
};
