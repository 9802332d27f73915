#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>
class TrayIcon;

/// Tells the user that a setting could not be saved, and later that it was saved after all: as a
/// message from the tray icon where there is a tray, otherwise in one non-modal message box.
class SaveNotice : public QObject
{
    Q_OBJECT
public:
    /// The box, when one is needed, is centred over boxParent.
    SaveNotice(TrayIcon &tray, QWidget *boxParent, QObject *parent = nullptr);
    ~SaveNotice() override;

    void setTrayPresent(bool present) { m_trayPresent = present; }
    /// The box, while it is open.
    QMessageBox *box() const { return m_box; }

public slots:
    void showFailure(const QString &title, const QString &message);
    void showSaved(const QString &title, const QString &message);

private:
    void show(const QString &title, const QString &message, bool failure);

    TrayIcon &m_tray;
    QWidget *m_boxParent;
    QPointer<QMessageBox> m_box;
    bool m_trayPresent = false;
};
