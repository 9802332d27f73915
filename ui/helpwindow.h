#pragma once

#include "messagelabel.h"

#include <QDialog>
#include <QString>

class QPushButton;

/// frmHelp: a few lines of help on one topic, shown modally over the configuration window.
class HelpWindow : public QDialog
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    /// The label's text exactly as written; CR LF shows as a line break.
    void setText(const QString &text);
    QString text() const;
    /// Topic 0 is the message variables, topic 1 entering times; any other changes nothing.
    void fillTopic(qint16 iHelp);

    QPushButton *cmdOK = nullptr;
    MessageLabel *lblMain = nullptr;

public slots:
    void cmdOK_Click();
};
