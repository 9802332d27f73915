#include "mainwindow.h"

#include "alarmcheck.h"
#include "alertwindow.h"
#include "clickablelabel.h"
#include "clock.h"
#include "colorswatch.h"
#include "helpwindow.h"
#include "messagecomposer.h"
#include "olecolor.h"
#include "olepalette.h"
#include "scheduleloader.h"
#include "settingskeys.h"
#include "timepicker.h"
#include "twips.h"
#include "workcheckbox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMetaMethod>
#include <QPushButton>
#include <QScreen>
#include <QSystemTrayIcon>
#include <QTimer>

#include <QFontMetricsF>

#include <cmath>
#include <limits>

QColorDialog::ColorDialogOptions MainWindow::s_colorDialogOptions;

namespace {

constexpr int kTickMilliseconds = 30000;

QFont arial(bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}

struct DayRow {
    const char *caption;
    int labelTop;
    int labelWidth;
    int pickerTop;
};

// Sunday first; the check box of a row stands 52 twips below the top of its picker.
constexpr std::array<DayRow, kDaysInWeek> kDayRows = { {
    { "Sunday", 240, 555, 450 },
    { "Monday", 750, 570, 1020 },
    { "Tuesday", 1350, 630, 1560 },
    { "Wednesday", 1890, 870, 2100 },
    { "Thursday", 2430, 690, 2640 },
    { "Friday", 2940, 450, 3150 },
    { "Saturday", 3480, 660, 3690 },
} };
constexpr int kCheckBoxDrop = 52;

const char *const kPickerNames[kDaysInWeek]
    = { "dtpSunday", "dtpMonday", "dtpTuesday", "dtpWednesday", "dtpThursday", "dtpFriday", "dtpSaturday" };
const char *const kCheckBoxNames[kDaysInWeek]
    = { "chkSunday", "chkMonday", "chkTuesday", "chkWednesday", "chkThursday", "chkFriday", "chkSaturday" };

size_t dayIndex(int weekday)
{
    return static_cast<size_t>(weekday - Sunday);
}

// The short time of the user's locale, as long as it shows the hour and the minute and nothing
// else that the user could edit but that would not be kept.
QString otherDaysFormat()
{
    const QString format = QLocale().timeFormat(QLocale::ShortFormat);
    const bool hasHour = format.contains(QLatin1Char('h')) || format.contains(QLatin1Char('H'));
    if (!hasHour || !format.contains(QLatin1Char('m')) || format.contains(QLatin1Char('s'))
        || format.contains(QLatin1Char('z')))
        return QStringLiteral("HH:mm");
    return format;
}

// Captions are as wide as their text in the window's font. Where the stand-in for Arial runs a
// pixel or two wider than the layout allows, the label grows rather than clip its last letters.
void fitCaption(QLabel *label)
{
    const auto needed = static_cast<int>(std::ceil(QFontMetricsF(label->font()).horizontalAdvance(label->text())));
    if (label->width() < needed)
        label->resize(needed, label->height());
}

} // namespace

MainWindow::MainWindow(SettingsStore &store, const Clock &clock, QWidget *parent)
    : QWidget(parent)
    , m_store(store)
    , m_clock(clock)
    , m_trayAvailable(QSystemTrayIcon::isSystemTrayAvailable())
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Dorvane: Configuration"));
    setFont(arial());
    setFixedSize(Twips::toPixels(7215), Twips::toPixels(4185));
    applyWindowFlags();
    createControls();

    tmrTest = new QTimer(this);
    tmrTest->setObjectName(QStringLiteral("tmrTest"));
    tmrTest->setInterval(kTickMilliseconds);
    connect(tmrTest, &QTimer::timeout, this, &MainWindow::tmrTest_Timer);
    tmrTest->start();
}

MainWindow::~MainWindow()
{
    // The alert has no owner window; it must not outlive the one that feeds it.
    delete m_alert;
}

void MainWindow::setTrayAvailable(bool available)
{
    m_trayAvailable = available;
    applyWindowFlags();
}

void MainWindow::applyWindowFlags()
{
    // A fixed dialog frame: a title with its menu and close box, no maximise box.
    Qt::WindowFlags flags
        = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    // A tool window keeps out of the taskbar. Without a tray the taskbar is the only way back to
    // a hidden window, so then it is a normal window that can be minimised.
    flags |= m_trayAvailable ? Qt::Tool : (Qt::Window | Qt::WindowMinimizeButtonHint);
    setWindowFlags(flags);
}

void MainWindow::createControls()
{
    fraDays = new QGroupBox(QStringLiteral("Input Times      "), this);
    fraDays->setObjectName(QStringLiteral("fraDays"));
    fraDays->setFont(arial(true));
    fraDays->setGeometry(Twips::rect(30, 30, 2565, 4095));

    Label1 = new QLabel(QStringLiteral("Work Today?"), fraDays);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Twips::rect(1500, 210, 960, 210));

    for (int day = Sunday; day <= Saturday; ++day) {
        const size_t i = dayIndex(day);
        const DayRow &row = kDayRows[i];

        QLabel *label = new QLabel(QString::fromLatin1(row.caption), fraDays);
        label->setObjectName(QStringLiteral("lblDay_%1").arg(i));
        label->setGeometry(Twips::rect(120, row.labelTop, row.labelWidth, 210));
        lblDay[i] = label;

        auto *picker = new TimePicker(fraDays);
        picker->setObjectName(QString::fromLatin1(kPickerNames[i]));
        picker->setGeometry(Twips::rect(90, row.pickerTop, 1335, 315));
        picker->setTimeFormat(day == Sunday ? QStringLiteral("HH:mm") : otherDaysFormat());
        connect(picker, &TimePicker::valueChanged, this, [this, day] { dtp_Change(day); });
        m_pickers[i] = picker;

        auto *box = new WorkCheckBox(fraDays);
        box->setObjectName(QString::fromLatin1(kCheckBoxNames[i]));
        box->setGeometry(Twips::rect(1830, row.pickerTop + kCheckBoxDrop, 225, 210));
        connect(box, &QCheckBox::clicked, this, [this, day] { chk_Click(day); });
        m_checkBoxes[i] = box;
    }
    dtpSunday = m_pickers[0];
    dtpMonday = m_pickers[1];
    dtpTuesday = m_pickers[2];
    dtpWednesday = m_pickers[3];
    dtpThursday = m_pickers[4];
    dtpFriday = m_pickers[5];
    dtpSaturday = m_pickers[6];
    chkSunday = m_checkBoxes[0];
    chkMonday = m_checkBoxes[1];
    chkTuesday = m_checkBoxes[2];
    chkWednesday = m_checkBoxes[3];
    chkThursday = m_checkBoxes[4];
    chkFriday = m_checkBoxes[5];
    chkSaturday = m_checkBoxes[6];

    Frame1 = new QGroupBox(QStringLiteral("Display Options"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setFont(arial(true));
    Frame1->setGeometry(Twips::rect(2640, 30, 4515, 1665));

    Label2 = new QLabel(QStringLiteral("Message to display:"), Frame1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(Twips::rect(90, 240, 1440, 210));

    // Element 0 stands beside the message caption, element 1 in the times frame's caption line.
    const QPixmap helpIcon(QStringLiteral(":/help.png"));
    for (int i = 0; i < 2; ++i) {
        auto *icon = new ClickableLabel(i == 0 ? Frame1 : fraDays);
        icon->setObjectName(QStringLiteral("imgHelp_%1").arg(i));
        icon->setPixmap(helpIcon);
        connect(icon, &ClickableLabel::clicked, this, [this, i] { imgHelp_Click(i); });
        imgHelp[static_cast<size_t>(i)] = icon;
    }
    imgHelp[0]->setGeometry(Twips::rect(1560, 240, 180, 180));
    imgHelp[1]->setGeometry(Twips::rect(1170, 30, 180, 180));

    txtMessage = new QLineEdit(QStringLiteral("Go to work because it's %time% on %day%."), Frame1);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setMaxLength(std::numeric_limits<int>::max());
    txtMessage->setGeometry(Twips::rect(90, 510, 4365, 315));
    connect(txtMessage, &QLineEdit::textChanged, this, &MainWindow::txtMessage_Change);

    const auto makePair = [this](std::array<ColorSwatch *, 2> &pair, const QString &name, const QString &caption,
                                 qint32 designColor, int swatchTop, int captionTop, int captionWidth) {
        for (int i = 0; i < 2; ++i) {
            auto *element = new ColorSwatch(Frame1);
            element->setObjectName(QStringLiteral("%1_%2").arg(name).arg(i));
            pair[static_cast<size_t>(i)] = element;
        }
        pair[0]->setOleColor(designColor);
        pair[0]->setGeometry(Twips::rect(120, swatchTop, 285, 285));
        pair[1]->setText(caption);
        pair[1]->setGeometry(Twips::rect(480, captionTop, captionWidth, 210));
    };
    makePair(lblFontColor, QStringLiteral("lblFontColor"), QStringLiteral("Font Color"), OleColor::kBlack, 870, 907,
             735);
    makePair(lblBackColor, QStringLiteral("lblBackColor"), QStringLiteral("Background Color"), OleColor::kButtonFace,
             1200, 1230, 1290);
    for (int i = 0; i < 2; ++i) {
        connect(lblFontColor[static_cast<size_t>(i)], &ColorSwatch::clicked, this,
                [this, i] { lblFontColor_Click(i); });
        connect(lblBackColor[static_cast<size_t>(i)], &ColorSwatch::clicked, this,
                [this, i] { lblBackColor_Click(i); });
    }

    // The frames' captions are bold, their contents are not.
    for (QGroupBox *frame : { fraDays, Frame1 }) {
        for (QWidget *child : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            child->setFont(arial());
    }

    for (QLabel *caption : lblDay)
        fitCaption(caption);
    for (QLabel *caption :
         { Label1, Label2, static_cast<QLabel *>(lblFontColor[1]), static_cast<QLabel *>(lblBackColor[1]) })
        fitCaption(caption);

    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(1);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/picture.png")));
    Picture1->setGeometry(Twips::rect(2670, 1740, 4485, 2025));

    cmdHide = new QPushButton(QStringLiteral("Hide"), this);
    cmdHide->setObjectName(QStringLiteral("cmdHide"));
    cmdHide->setGeometry(Twips::rect(4140, 3810, 1485, 315));
    // Esc answers Hide, as the Cancel button of a dialog would.
    cmdHide->setShortcut(QKeySequence(Qt::Key_Escape));
    connect(cmdHide, &QPushButton::clicked, this, &MainWindow::cmdHide_Click);

    cmdQuit = new QPushButton(QStringLiteral("Quit"), this);
    cmdQuit->setObjectName(QStringLiteral("cmdQuit"));
    cmdQuit->setGeometry(Twips::rect(5670, 3810, 1485, 315));
    connect(cmdQuit, &QPushButton::clicked, this, &MainWindow::cmdQuit_Click);

    QWidget *previous = nullptr;
    for (size_t i = 0; i < kDaysInWeek; ++i) {
        for (QWidget *w : { static_cast<QWidget *>(m_pickers[i]), static_cast<QWidget *>(m_checkBoxes[i]) }) {
            if (previous)
                setTabOrder(previous, w);
            previous = w;
        }
    }
    setTabOrder(previous, txtMessage);
    setTabOrder(txtMessage, cmdHide);
    setTabOrder(cmdHide, cmdQuit);
    dtpSunday->setFocus();
}

void MainWindow::Form_Load()
{
    const LoadedSettings loaded = loadSettings(m_store, QLocale());
    // The values come from the store, so putting them in the controls must not write them back.
    m_loading = true;
    for (int day = Sunday; day <= Saturday; ++day)
        picker(day)->setValue(loaded.schedule[day].alertTime);
    for (int day = Sunday; day <= Saturday; ++day)
        checkBox(day)->setWorkFlag(loaded.schedule[day].workFlag);
    lblFontColor[0]->setOleColor(loaded.display.fontColor);
    lblBackColor[0]->setOleColor(loaded.display.backColor);
    txtMessage->setText(loaded.display.messageTemplate);
    txtMessage->setCursorPosition(0);
    m_loading = false;

    if (loaded.messageWritten && !loaded.messageSave)
        reportSaveFailure(loaded.messageSave);
}

WeekSchedule MainWindow::weekSchedule() const
{
    WeekSchedule schedule;
    for (int day = Sunday; day <= Saturday; ++day) {
        schedule[day].alertTime = picker(day)->value();
        schedule[day].workFlag = checkBox(day)->workFlag();
    }
    return schedule;
}

DisplayOptions MainWindow::displayOptions() const
{
    DisplayOptions options;
    options.fontColor = lblFontColor[0]->oleColor();
    options.backColor = lblBackColor[0]->oleColor();
    options.messageTemplate = txtMessage->text();
    return options;
}

TimePicker *MainWindow::picker(int weekday) const
{
    return m_pickers.at(dayIndex(weekday));
}

WorkCheckBox *MainWindow::checkBox(int weekday) const
{
    return m_checkBoxes.at(dayIndex(weekday));
}

AlertWindow *MainWindow::alertWindow() const
{
    return m_alert;
}

HelpWindow *MainWindow::helpWindow() const
{
    return m_help;
}

void MainWindow::setColorDialogOptions(QColorDialog::ColorDialogOptions options)
{
    s_colorDialogOptions = options;
}

void MainWindow::tmrTest_Timer()
{
    if (const auto isItSaturday = alarmDue(m_clock.now(), weekSchedule()))
        GoToWork(*isItSaturday);
}

void MainWindow::GoToWork(qint16 IsItSaturday)
{
    if (!m_alert)
        m_alert = new AlertWindow;
    const DisplayOptions options = displayOptions();
    const QPalette palette = QApplication::palette();
    m_alert->setColors(resolveOleColor(options.backColor, palette), resolveOleColor(options.fontColor, palette));
    m_alert->setText(composeAlertText(options.messageTemplate, m_clock.now(), QLocale(), IsItSaturday));
    m_alert->fitToScreen(QGuiApplication::primaryScreen());
    m_alert->show();
    m_alert->raise();
    m_alert->activateWindow();
}

void MainWindow::CallHelp(qint16 iHelp)
{
    auto *help = new HelpWindow(this);
    help->setAttribute(Qt::WA_DeleteOnClose);
    m_help = help;
    if (iHelp == 0) {
        help->setWindowTitle(QStringLiteral("Help for variables in messages"));
        help->setText(QStringLiteral("Dorvane supports the use of variables in the message. Below is a list of "
                                     "variables and what they do:\r\n\r\n"));
        help->setText(help->text()
                      + QStringLiteral("%time% - Outputs the current time in hour:minute AM/PM format.\r\n"));
        help->setText(help->text() + QStringLiteral("%day% - Outputs the current day.\r\n"));
        help->setText(help->text()
                      + QStringLiteral("%date% - Outputs the current system date in Month/Day/Year format."));
    } else if (iHelp == 1) {
        help->setWindowTitle(QStringLiteral("Help for inputting times"));
        help->setText(QStringLiteral("Dorvane supports inputs for one week. Just choose the time you work on any "
                                     "particular day"));
        help->setText(help->text()
                      + QStringLiteral(" and check the 'Work Today?' box. If it is not checked, you will not be "
                                       "alerted at that time"));
        help->setText(help->text() + QStringLiteral(" on that day. If it is checked, then you will be alerted."));
    }
    // Modal to this window only, so that an alert that comes up meanwhile can still be dismissed.
    help->setWindowModality(Qt::WindowModal);
    help->exec();
}

void MainWindow::mnuConfig_Click()
{
    if (isVisible() && !isMinimized()) {
        hideWindow();
        return;
    }
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void MainWindow::mnuExit_Click()
{
    // In the order the windows were opened.
    close();
    if (m_alert)
        m_alert->close();
    if (m_help)
        m_help->close();
    if (m_saveFailureBox)
        m_saveFailureBox->close();
    emit quitRequested();
}

void MainWindow::cmdHide_Click()
{
    hideWindow();
}

void MainWindow::cmdQuit_Click()
{
    mnuExit_Click();
}

void MainWindow::imgHelp_Click(int Index)
{
    CallHelp(static_cast<qint16>(Index));
}

void MainWindow::lblFontColor_Click(int)
{
    chooseColor(lblFontColor[0], kFontColorKey);
}

void MainWindow::lblBackColor_Click(int)
{
    chooseColor(lblBackColor[0], kBackColorKey);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The user's close box only hides the window; the program goes on in the tray.
    if (event->spontaneous()) {
        event->ignore();
        hideWindow();
        return;
    }
    tmrTest->stop();
    event->accept();
}

void MainWindow::hideWindow()
{
    if (m_trayAvailable)
        hide();
    else
        showMinimized();
}

void MainWindow::chk_Click(int weekday)
{
    saveEdit(workKey(weekday), workFlagText(checkBox(weekday)->workFlag()));
}

void MainWindow::dtp_Change(int weekday)
{
    saveEdit(timeKey(weekday), timeText(picker(weekday)->value(), QLocale()));
}

void MainWindow::txtMessage_Change()
{
    if (m_loading)
        return;
    saveEdit(kMessageKey, txtMessage->text());
}

void MainWindow::chooseColor(ColorSwatch *swatch, const QString &key)
{
    QColorDialog dialog(this);
    dialog.setOptions(s_colorDialogOptions);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QColor chosen = dialog.selectedColor();
    swatch->setOleColor(OleColor::fromRgb(chosen.red(), chosen.green(), chosen.blue()));

    const SaveResult result = save(key, colourText(swatch->oleColor()));
    if (result)
        return;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"),
                    QStringLiteral("Error # ") + QString::number(result.errorNumber) + QStringLiteral(" - ")
                        + result.description,
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
}

SaveResult MainWindow::save(const QString &key, const QString &text)
{
    SaveResult result = m_store.save(key, text);
    // A working store again: the next failure is news and is reported.
    if (result)
        m_saveFailureReported = false;
    return result;
}

void MainWindow::saveEdit(const QString &key, const QString &text)
{
    const SaveResult result = save(key, text);
    if (!result)
        reportSaveFailure(result);
}

void MainWindow::reportSaveFailure(const SaveResult &result)
{
    // One notice for a run of failures, not one per keystroke.
    if (m_saveFailureReported)
        return;
    m_saveFailureReported = true;
    const QString title = QStringLiteral("Dorvane could not save a setting");
    const QString message = result.description
        + QStringLiteral("\nThe change stays in effect until Dorvane ends, but it will be lost then.");
    if (isSignalConnected(QMetaMethod::fromSignal(&MainWindow::saveFailed))) {
        emit saveFailed(title, message);
        return;
    }
    if (!m_saveFailureBox) {
        m_saveFailureBox = new QMessageBox(QMessageBox::Warning, title, message, QMessageBox::Ok, this);
        m_saveFailureBox->setAttribute(Qt::WA_DeleteOnClose);
        m_saveFailureBox->setTextFormat(Qt::PlainText);
        m_saveFailureBox->setModal(false);
    } else {
        m_saveFailureBox->setText(message);
    }
    m_saveFailureBox->show();
}
