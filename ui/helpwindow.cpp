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
    //: Title of the help window before a topic is chosen (rarely seen).
    setWindowTitle(tr("Help for"));
    setWindowIcon(QIcon(QStringLiteral(":/help.png")));
    setFont(Fonts::window());
    setFixedSize(Twips::toPixels(5835), Twips::toPixels(2025));
    setSizeGripEnabled(false);

    //: Button that closes the help window. 61 px wide.
    cmdOK = new QPushButton(tr("OK"), this);
    Twips::place(cmdOK, QStringLiteral("cmdOK"), 2460, 1590, 915, 375);
    //: Screen reader description of OK.
    cmdOK->setAccessibleDescription(tr("Closes the help."));
    connect(cmdOK, &QPushButton::clicked, this, &HelpWindow::cmdOK_Click);

    lblMain = new MessageLabel(this);
    lblMain->setGeometry(Twips::rect(90, 90, 5655, 1335, width(), layoutDirection()));

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
    const QString lineBreak = QStringLiteral("\r\n");
    if (iHelp == 0) {
        //: Title of help topic 0.
        setWindowTitle(tr("Help for variables in messages"));
        //: First paragraph of help topic 0.
        setText(tr("Dorvane supports the use of variables in the message. Below is a list of variables and what "
                   "they do:")
                + lineBreak + lineBreak);
        //: A line of help topic 0. Keep %time% exactly, at the start.
        setText(text() + tr("%time% - Outputs the current time in hour:minute AM/PM format.") + lineBreak);
        //: A line of help topic 0. Keep %day% exactly, at the start.
        setText(text() + tr("%day% - Outputs the current day.") + lineBreak);
        //: A line of help topic 0. Keep %date% exactly, at the start.
        setText(text() + tr("%date% - Outputs the current system date in Month/Day/Year format."));
    } else if (iHelp == 1) {
        //: Title of help topic 1.
        setWindowTitle(tr("Help for inputting times"));
        //: Help topic 1. Quote the translated 'Work Today?' caption exactly as translated. The window shows about 5
        //: lines of 60 Latin characters; keep it about as long as the English.
        setText(tr("Dorvane supports inputs for one week. Just choose the time you work on any particular day and "
                   "check the 'Work Today?' box. If it is not checked, you will not be alerted at that time on that "
                   "day. If it is checked, then you will be alerted."));
    }
}

void HelpWindow::cmdOK_Click()
{
    accept();
}
