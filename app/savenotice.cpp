#include "savenotice.h"

#include "trayicon.h"

#include <QMessageBox>

SaveNotice::SaveNotice(TrayIcon &tray, QWidget *boxParent, QObject *parent)
    : QObject(parent)
    , m_tray(tray)
    , m_boxParent(boxParent)
{
}

SaveNotice::~SaveNotice()
{
    delete m_box;
}

void SaveNotice::showFailure(const QString &title, const QString &message)
{
    show(title, message, true);
}

void SaveNotice::showSaved(const QString &title, const QString &message)
{
    show(title, message, false);
}

void SaveNotice::show(const QString &title, const QString &message, bool failure)
{
    if (m_trayPresent) {
        m_tray.showMessage(title, message, failure ? QSystemTrayIcon::Warning : QSystemTrayIcon::Information);
        return;
    }
    // One box, whose news is replaced by the latest.
    if (!m_box) {
        m_box = new QMessageBox(m_boxParent);
        m_box->setAttribute(Qt::WA_DeleteOnClose);
        m_box->setTextFormat(Qt::PlainText);
        m_box->setStandardButtons(QMessageBox::Ok);
        m_box->setModal(false);
    }
    m_box->setIcon(failure ? QMessageBox::Warning : QMessageBox::Information);
    m_box->setWindowTitle(title);
    m_box->setText(message);
    m_box->show();
}
