#include "helpwindow.h"

#include "fonts.h"
#include "messagelabel.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>

HelpWindow::HelpWindow(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Help for"));
    setWindowIcon(QIcon(QStringLiteral(":/help.png")));
    setFont(Fonts::window());
    setFixedSize(Twips::toPixels(5835), Twips::toPixels(2025));
    setSizeGripEnabled(false);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    Twips::place(cmdOK, QStringLiteral("cmdOK"), 2460, 1590, 915, 375);
    cmdOK->setAccessibleDescription(QStringLiteral("Closes the help."));
    connect(cmdOK, &QPushButton::clicked, this, &HelpWindow::cmdOK_Click);

    lblMain = new MessageLabel(this);
    lblMain->setGeometry(Twips::rect(90, 90, 5655, 1335));

    cmdOK->setFocus();
}

void HelpWindow::setText(const QString &text)
{
    lblMain->setMessage(text);
}

QString HelpWindow::text() const
{
    return lblMain->message();
}

void HelpWindow::fillTopic(qint16 iHelp)
{
    // Written piece by piece, each write extending what the label holds; the first replaces it.
    if (iHelp == 0) {
        setWindowTitle(QStringLiteral("Help for variables in messages"));
        setText(QStringLiteral("Dorvane supports the use of variables in the message. Below is a list of "
                               "variables and what they do:\r\n\r\n"));
        setText(text() + QStringLiteral("%time% - Outputs the current time in hour:minute AM/PM format.\r\n"));
        setText(text() + QStringLiteral("%day% - Outputs the current day.\r\n"));
        setText(text() + QStringLiteral("%date% - Outputs the current system date in Month/Day/Year format."));
    } else if (iHelp == 1) {
        setWindowTitle(QStringLiteral("Help for inputting times"));
        setText(QStringLiteral("Dorvane supports inputs for one week. Just choose the time you work on any "
                               "particular day"));
        setText(text()
                + QStringLiteral(" and check the 'Work Today?' box. If it is not checked, you will not be "
                                 "alerted at that time"));
        setText(text() + QStringLiteral(" on that day. If it is checked, then you will be alerted."));
    }
}

void HelpWindow::cmdOK_Click()
{
    accept();
}
