#include "messagelabel.h"

MessageLabel::MessageLabel(QWidget *parent)
    : QLabel(parent)
{
    setObjectName(QStringLiteral("lblMain"));
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(true);
}

void MessageLabel::setMessage(const QString &message)
{
    m_message = message;
    QString shown = message;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    setText(shown);
}
