#include "alertwindow.h"

#include "fonts.h"
#include "messagelabel.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace {
constexpr double kButtonWidth = 3045;
constexpr double kButtonHeight = 525;
constexpr double kButtonRise = 2400;
constexpr double kLabelLeft = 30;
constexpr double kLabelTop = 360;
constexpr double kLabelInset = 60;
} // namespace

AlertWindow::AlertWindow(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmAlert"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form1"));
    setFont(Fonts::alertButton());
    setAutoFillBackground(true);

    lblMain = new MessageLabel(this);
    lblMain->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblMain->setFont(Fonts::alertMessage());
    lblMain->setAutoFillBackground(false);

    // Created after the label, so it is drawn above it and stays clickable where they overlap.
    //: The one button of the full-screen alert that dismisses it. Casual, first person. 203 px wide at 9.75 pt: about
    //: 30 Latin characters at most.
    cmdOK = new QPushButton(tr("Ok... I'll get ready now"), this);
    // Not the window's default button, but Enter, like Space, presses it while it has the focus.
    cmdOK->setAutoDefault(true);
    cmdOK->setDefault(false);
    //: Screen reader description of the button.
    cmdOK->setAccessibleDescription(tr("Dismisses the alert."));
    Twips::place(cmdOK, QStringLiteral("cmdOK"), 990, 2040, kButtonWidth, kButtonHeight);
    connect(cmdOK, &QPushButton::clicked, this, &AlertWindow::cmdOK_Click);
    cmdOK->setFocus();
}

AlertLayout AlertWindow::layoutFor(double width, double height)
{
    // Single precision, as the layout has always been computed.
    const auto w = static_cast<float>(width);
    const auto h = static_cast<float>(height);
    const auto b = static_cast<float>(kButtonWidth);
    AlertLayout layout;
    layout.button = QRectF((w - b) / 2.0f, h - static_cast<float>(kButtonRise), kButtonWidth, kButtonHeight);
    layout.label = QRectF(kLabelLeft, kLabelTop, w - static_cast<float>(kLabelInset),
                          h - static_cast<float>(kLabelTop + kLabelLeft));
    return layout;
}

void AlertWindow::setColors(const QColor &background, const QColor &text)
{
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, background);
    setPalette(windowPalette);

    QPalette labelPalette = lblMain->palette();
    labelPalette.setColor(QPalette::WindowText, text);
    lblMain->setPalette(labelPalette);
}

void AlertWindow::setText(const QString &text)
{
    lblMain->setMessage(text);
    // What a screen reader announces when the alert appears; the label speaks its text too.
    setAccessibleName(lblMain->text());
}

QString AlertWindow::text() const
{
    return lblMain->message();
}

void AlertWindow::showOnScreen(QScreen *screen)
{
    if (screen) {
        setScreen(screen);
        // Where a window manager honours placement, the window is there before it is made full
        // screen, so that it fills this monitor and not the one under the pointer.
        setGeometry(screen->geometry());
    }
    showFullScreen();
}

void AlertWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const AlertLayout layout = layoutFor(Twips::fromPixels(width()), Twips::fromPixels(height()));
    const auto toRect = [this](const QRectF &r) {
        return Twips::rect(r.left(), r.top(), r.width(), r.height(), width(), layoutDirection());
    };
    cmdOK->setGeometry(toRect(layout.button));
    lblMain->setGeometry(toRect(layout.label));
}

void AlertWindow::cmdOK_Click()
{
    close();
}
