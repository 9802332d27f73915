#include "helpwindow.h"

#include "labeltext.h"
#include "twips.h"

#include <QLabel>
#include <QPushButton>

HelpWindow::HelpWindow(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Help for"));
    setWindowIcon(QIcon(QStringLiteral(":/help.png")));
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    setFont(font);
    setFixedSize(Twips::toPixels(5835), Twips::toPixels(2025));
    setSizeGripEnabled(false);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(Twips::rect(2460, 1590, 915, 375));
    connect(cmdOK, &QPushButton::clicked, this, &HelpWindow::cmdOK_Click);

    lblMain = new QLabel(this);
    lblMain->setObjectName(QStringLiteral("lblMain"));
    lblMain->setTextFormat(Qt::PlainText);
    lblMain->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMain->setWordWrap(true);
    lblMain->setGeometry(Twips::rect(90, 90, 5655, 1335));

    cmdOK->setFocus();
}

void HelpWindow::setText(const QString &text)
{
    m_text = text;
    lblMain->setText(labelLines(text));
}

void HelpWindow::cmdOK_Click()
{
    accept();
}
