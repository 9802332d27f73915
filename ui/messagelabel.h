#pragma once

#include <QLabel>

/// lblMain of the alert and help windows: shows a text exactly as written, never as markup, with
/// CR LF (or a CR on its own) as a line break, and keeps the text as it was given.
class MessageLabel : public QLabel
{
public:
    explicit MessageLabel(QWidget *parent = nullptr);

    void setMessage(const QString &message);
    QString message() const { return m_message; }

private:
    QString m_message;
};
