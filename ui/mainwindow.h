#pragma once

#include "helpwindow.h"
#include "schedule.h"

#include <QPointer>
#include <QWidget>

#include <array>

class ColorSwatch;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class Reminder;
class TimePicker;
class WorkCheckBox;

/// frmMain: the configuration window and the program's main window. It shows the live schedule
/// and display options of a Reminder, follows its loads and hands every edit to it. It stays
/// alive, shown or hidden, until the program ends: until endProgram(), every close only hides it.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(Reminder &reminder, QWidget *parent = nullptr);

    /// With a notification area the window has no taskbar button and hiding hides it; without
    /// one it keeps its taskbar button and hiding minimises it, so it can always be got back.
    /// Without a tray until told otherwise (the tray icon is the one that looks). When the tray
    /// goes, a hidden window comes back minimised; when it comes, a minimised window goes into it.
    void setTrayAvailable(bool available);
    /// Shows the window with a taskbar button only where there is no tray to get it back from.
    void setVisible(bool visible) override;

    /// The program is ending (Exit, Quit, a signal or the end of the session): from now on a close
    /// closes the window, and its help with it.
    void endProgram() { m_ending = true; }

    /// Shows help topic iHelp modally over this window; returns when it has been closed.
    void CallHelp(qint16 iHelp);

    HelpWindow *helpWindow() const { return m_help; }
    TimePicker *picker(int weekday) const;
    WorkCheckBox *checkBox(int weekday) const;

signals:
    /// "Quit" was pressed: the program should end.
    void quitRequested();

public slots:
    void mnuConfig_Click();
    /// Shows the window, restored and in front; unlike mnuConfig_Click it never hides it.
    void showInFront();
    void cmdHide_Click();
    void cmdQuit_Click();
    void imgHelp_Click(int Index);
    void lblFontColor_Click(int Index);
    void lblBackColor_Click(int Index);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QGroupBox *createDays();
    /// The help icon of the times sits in fraDays' caption line.
    void createDisplayOptions(QGroupBox *fraDays);
    void createButtons();
    void applyWindowFlags();
    /// Puts the model's values in the controls, without writing them back.
    void showSettings();
    void hideWindow();
    void chooseColor(ColorSwatch *swatch, bool font);

    Reminder &m_reminder;
    std::array<TimePicker *, kDaysInWeek> m_pickers {};
    std::array<WorkCheckBox *, kDaysInWeek> m_checkBoxes {};
    QLineEdit *txtMessage = nullptr;
    ColorSwatch *lblFontColor = nullptr; ///< element 0, the swatch
    ColorSwatch *lblBackColor = nullptr; ///< element 0, the swatch
    QCheckBox *chkSound = nullptr;
    QPointer<HelpWindow> m_help;
    bool m_trayAvailable = false;
    bool m_loading = false;
    bool m_ending = false;
};
