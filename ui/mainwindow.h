#pragma once

#include "schedule.h"
#include "settingsstore.h"

#include <QColorDialog>
#include <QPointer>
#include <QWidget>

#include <array>

class AlertWindow;
class Clock;
class ClickableLabel;
class ColorSwatch;
class HelpWindow;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMessageBox;
class QPushButton;
class QTimer;
class TimePicker;
class WorkCheckBox;

/// frmMain: the configuration window and the program's main window. Its controls are the only
/// copy of the week schedule and the display options; every edit is written to the store at once.
/// It stays alive, shown or hidden, until mnuExit_Click, and its timer checks the alarm meanwhile.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    MainWindow(SettingsStore &store, const Clock &clock, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// With a notification area the window has no taskbar button and hiding hides it; without
    /// one it keeps its taskbar button and hiding minimises it, so it can always be got back.
    /// Defaults to what the desktop offers; takes effect only before the window is first shown.
    void setTrayAvailable(bool available);
    bool trayAvailable() const { return m_trayAvailable; }

    /// Loads the stored schedule and display options into the controls without writing them back.
    void Form_Load();

    /// The live values, read from the controls.
    WeekSchedule weekSchedule() const;
    DisplayOptions displayOptions() const;

    /// Shows the alert, reusing one that is still open; returns without waiting for the user.
    void GoToWork(qint16 IsItSaturday);
    /// Shows help topic iHelp modally over this window; returns when it has been closed.
    void CallHelp(qint16 iHelp);

    AlertWindow *alertWindow() const;
    HelpWindow *helpWindow() const;
    TimePicker *picker(int weekday) const;
    WorkCheckBox *checkBox(int weekday) const;

    /// Options for the colour dialog; tests ask for Qt's own dialog.
    static void setColorDialogOptions(QColorDialog::ColorDialogOptions options);

    QGroupBox *fraDays = nullptr;
    QGroupBox *Frame1 = nullptr;
    QLabel *Picture1 = nullptr;
    QPushButton *cmdHide = nullptr;
    QPushButton *cmdQuit = nullptr;
    QTimer *tmrTest = nullptr;

    QLabel *Label1 = nullptr;
    std::array<QLabel *, kDaysInWeek> lblDay {};
    TimePicker *dtpSunday = nullptr;
    TimePicker *dtpMonday = nullptr;
    TimePicker *dtpTuesday = nullptr;
    TimePicker *dtpWednesday = nullptr;
    TimePicker *dtpThursday = nullptr;
    TimePicker *dtpFriday = nullptr;
    TimePicker *dtpSaturday = nullptr;
    WorkCheckBox *chkSunday = nullptr;
    WorkCheckBox *chkMonday = nullptr;
    WorkCheckBox *chkTuesday = nullptr;
    WorkCheckBox *chkWednesday = nullptr;
    WorkCheckBox *chkThursday = nullptr;
    WorkCheckBox *chkFriday = nullptr;
    WorkCheckBox *chkSaturday = nullptr;

    QLabel *Label2 = nullptr;
    std::array<ClickableLabel *, 2> imgHelp {};
    QLineEdit *txtMessage = nullptr;
    std::array<ColorSwatch *, 2> lblFontColor {};
    std::array<ColorSwatch *, 2> lblBackColor {};

signals:
    /// Every window is closed; the program should end now.
    void quitRequested();
    /// An edit could not be written. Raised once until a save succeeds again; when nothing is
    /// connected the window says so itself in a non-modal message box.
    void saveFailed(const QString &title, const QString &message);

public slots:
    void tmrTest_Timer();
    void mnuConfig_Click();
    void mnuExit_Click();
    void cmdHide_Click();
    void cmdQuit_Click();
    void imgHelp_Click(int Index);
    void lblFontColor_Click(int Index);
    void lblBackColor_Click(int Index);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void applyWindowFlags();
    void hideWindow();
    void chk_Click(int weekday);
    void dtp_Change(int weekday);
    void txtMessage_Change();
    void chooseColor(ColorSwatch *swatch, const QString &key);
    SaveResult save(const QString &key, const QString &text);
    void saveEdit(const QString &key, const QString &text);
    void reportSaveFailure(const SaveResult &result);

    SettingsStore &m_store;
    const Clock &m_clock;
    std::array<TimePicker *, kDaysInWeek> m_pickers {};
    std::array<WorkCheckBox *, kDaysInWeek> m_checkBoxes {};
    QPointer<AlertWindow> m_alert;
    QPointer<HelpWindow> m_help;
    QPointer<QMessageBox> m_saveFailureBox;
    bool m_trayAvailable = false;
    bool m_loading = false;
    bool m_saveFailureReported = false;

    static QColorDialog::ColorDialogOptions s_colorDialogOptions;
};
