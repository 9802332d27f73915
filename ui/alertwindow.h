#pragma once

#include "messagelabel.h"

#include <QColor>
#include <QRectF>
#include <QString>
#include <QWidget>

class QPushButton;
class QScreen;

/// Where the alert's controls go on a screen of a given size, in twips relative to the window.
struct AlertLayout {
    QRectF button;
    QRectF label;
};

/// frmAlert: the reminder itself, a borderless window over the whole screen in the user's colours
/// with the composed message and one button that dismisses it. It deletes itself on close.
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
    /// window may neither place itself nor keep itself above others there.
    void showOnScreen(QScreen *screen);

    QPushButton *cmdOK = nullptr;
    MessageLabel *lblMain = nullptr;

public slots:
    void cmdOK_Click();

signals:
    /// The user pressed the button; the window closes.
    void dismissed();

protected:
    /// The controls follow the size actually granted, which a desktop may still change.
    void resizeEvent(QResizeEvent *event) override;
};
