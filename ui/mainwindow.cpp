#include "mainwindow.h"

#include "colorswatch.h"
#include "fonts.h"
#include "helpwindow.h"
#include "olecolor.h"
#include "olepalette.h"
#include "reminder.h"
#include "taskbarentry.h"
#include "timepicker.h"
#include "twips.h"
#include "workcheckbox.h"

#include <QCloseEvent>
#include <QColorDialog>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <cmath>
#include <limits>

namespace {

struct DayRow {
    int labelTop;
    int labelWidth;
    int pickerTop;
};

// Sunday first; the check box of a row stands 52 twips below the top of its picker.
constexpr std::array<DayRow, kDaysInWeek> kDayRows = { {
    { 240, 555, 450 },
    { 750, 570, 1020 },
    { 1350, 630, 1560 },
    { 1890, 870, 2100 },
    { 2430, 690, 2640 },
    { 2940, 450, 3150 },
    { 3480, 660, 3690 },
} };
constexpr int kCheckBoxDrop = 52;

// The captions of the day rows, Sunday first; their English names also name the controls.
constexpr std::array<const char *, kDaysInWeek> kDayCaptions = {
    //: Caption over the day's time picker.
    QT_TRANSLATE_NOOP("MainWindow", "Sunday"),
    //: Caption over the day's time picker.
    QT_TRANSLATE_NOOP("MainWindow", "Monday"),
    //: Caption over the day's time picker.
    QT_TRANSLATE_NOOP("MainWindow", "Tuesday"),
    //: Caption over the day's time picker.
    QT_TRANSLATE_NOOP("MainWindow", "Wednesday"),
    //: Caption over the day's time picker.
    QT_TRANSLATE_NOOP("MainWindow", "Thursday"),
    //: Caption over the day's time picker.
    QT_TRANSLATE_NOOP("MainWindow", "Friday"),
    //: Caption over the day's time picker.
    QT_TRANSLATE_NOOP("MainWindow", "Saturday"),
};

size_t dayIndex(int weekday)
{
    return static_cast<size_t>(weekday - Sunday);
}

// A frame's caption is bold; what it holds is not.
QGroupBox *frame(const QString &caption, QWidget *parent)
{
    auto *box = new QGroupBox(caption, parent);
    box->setFont(Fonts::frameCaption());
    return box;
}

// What a screen reader speaks for a control.
template<typename T> T *speak(T *control, const QString &name, const QString &description)
{
    control->setAccessibleName(name);
    control->setAccessibleDescription(description);
    return control;
}

// A control's rectangle as if laid out from left to right, x counted from its parent's start side;
// mirrored twice, a rectangle is itself again.
QRect logicalGeometry(const QWidget *control)
{
    return Twips::visual(control->geometry(), control->parentWidget()->width(), control->layoutDirection());
}

void setLogicalGeometry(QWidget *control, const QRect &logical)
{
    control->setGeometry(Twips::visual(logical, control->parentWidget()->width(), control->layoutDirection()));
}

int textWidth(const QFont &font, const QString &text)
{
    return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

// Captions are as wide as their text in the window's font. Where the stand-in for Arial runs a
// pixel or two wider than the layout allows, or a translation is longer, the label grows away from
// its start side rather than clip its last letters; where its container ends first, it moves back
// towards its start.
void fitCaption(QLabel *label)
{
    const int needed = textWidth(label->font(), label->text());
    if (label->width() >= needed)
        return;
    constexpr int kContainerBorder = 2;
    QRect logical = logicalGeometry(label);
    logical.setWidth(needed);
    const int end = label->parentWidget()->width() - kContainerBorder;
    if (logical.x() + logical.width() > end)
        logical.moveLeft(qMax(kContainerBorder, end - logical.width()));
    setLogicalGeometry(label, logical);
}

// Moves a control along its line so that it starts no nearer than `from` to its parent's start side.
void keepFrom(QWidget *control, int from)
{
    QRect logical = logicalGeometry(control);
    if (logical.x() >= from)
        return;
    logical.moveLeft(from);
    setLogicalGeometry(control, logical);
}

// Where the text of a frame's caption ends, from the frame's start side. Trailing spaces in the
// caption only keep the frame's line clear of what stands after the text.
int captionEnd(const QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    option.lineWidth = 1;
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    QString text = box->title();
    while (text.endsWith(u' '))
        text.chop(1);
    return Twips::visual(label, box->width(), box->layoutDirection()).x() + textWidth(box->font(), text);
}

} // namespace

MainWindow::MainWindow(Reminder &reminder, QWidget *parent)
    : QWidget(parent)
    , m_reminder(reminder)
{
    setObjectName(QStringLiteral("frmMain"));
    //: Title of the configuration window.
    setWindowTitle(tr("Dorvane: Configuration"));
    setFont(Fonts::window());
    setFixedSize(Twips::toPixels(7215), Twips::toPixels(4185));
    applyWindowFlags();
    createDisplayOptions(createDays());
    createButtons();
    for (QGroupBox *box : findChildren<QGroupBox *>()) {
        for (QWidget *child : box->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            child->setFont(Fonts::window());
    }
    for (QLabel *label : findChildren<QLabel *>()) {
        if (!label->text().isEmpty())
            fitCaption(label);
    }
    // A help icon stands after its caption: where the design leaves too little room for the text,
    // just after it, beside the label or a little after the frame caption's letters.
    const QRect message = logicalGeometry(findChild<QLabel *>(QStringLiteral("Label2")));
    keepFrom(findChild<QWidget *>(QStringLiteral("imgHelp_0")), message.x() + message.width());
    constexpr int kCaptionGap = 2;
    keepFrom(findChild<QWidget *>(QStringLiteral("imgHelp_1")),
             captionEnd(findChild<QGroupBox *>(QStringLiteral("fraDays"))) + kCaptionGap);
    // The focus follows the order of creation: each day's picker and box, the message, the buttons.
    m_pickers[0]->setFocus();

    connect(&m_reminder, &Reminder::loaded, this, &MainWindow::showSettings);
}

void MainWindow::setTrayAvailable(bool available)
{
    if (available == m_trayAvailable)
        return;
    const bool everShown = testAttribute(Qt::WA_WState_ExplicitShowHide);
    const bool shown = isVisible();
    const bool minimized = isMinimized();
    m_trayAvailable = available;
    // New window flags hide the window; it is shown again as it was where that still makes sense.
    applyWindowFlags();
    if (!everShown)
        return;
    if (available) {
        // A window minimised for want of a tray is, from now on, simply hidden in it.
        if (minimized)
            setWindowState(windowState() & ~Qt::WindowMinimized);
        else if (shown)
            show();
    } else if (!shown || minimized) {
        // Without a tray a hidden window could not be got back.
        showMinimized();
    } else {
        show();
    }
}

void MainWindow::applyWindowFlags()
{
    // A fixed dialog frame: a title with its menu and close box, no maximise box.
    Qt::WindowFlags flags
        = Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    // A tool window keeps out of some taskbars (setVisible asks the others). Without a tray the
    // taskbar is the only way back to a hidden window, so then it is a normal window that can be
    // minimised.
    flags |= m_trayAvailable ? Qt::Tool : (Qt::Window | Qt::WindowMinimizeButtonHint);
    setWindowFlags(flags);
}

void MainWindow::setVisible(bool visible)
{
    const bool showing = visible && isHidden();
    if (showing)
        TaskbarEntry::prepare(*this, !m_trayAvailable);
    QWidget::setVisible(visible);
    // A window manager may clear the state when the window is withdrawn, which the hide that new
    // window flags make can overtake; asked again once mapped, it holds.
    if (showing)
        TaskbarEntry::request(*this, !m_trayAvailable);
}

QGroupBox *MainWindow::createDays()
{
    //: Caption of the frame holding the seven days. Keep the six trailing spaces: the help icon stands after them.
    //: Bold; about 11 Latin characters fit before the icon, longer moves the icon right (frame is 171 px wide).
    QGroupBox *fraDays
        = Twips::place(frame(tr("Input Times      "), this), QStringLiteral("fraDays"), 30, 30, 2565, 4095);
    //: Heading over the column of working-day check boxes. 64 px wide at 8.25 pt Arial: about 11 Latin characters at
    //: most.
    Twips::place(new QLabel(tr("Work Today?"), fraDays), QStringLiteral("Label1"), 1500, 210, 960, 210);

    for (int day = Sunday; day <= Saturday; ++day) {
        const size_t i = dayIndex(day);
        const DayRow &row = kDayRows[i];
        const QString name = weekdayName(day);
        const QString caption = tr(kDayCaptions[i]);
        Twips::place(new QLabel(caption, fraDays), QStringLiteral("lblDay_%1").arg(i), 120, row.labelTop,
                     row.labelWidth, 210);

        auto *picker
            = Twips::place(new TimePicker(fraDays), QStringLiteral("dtp") + name, 90, row.pickerTop, 1335, 315);
        picker->setTimeFormat(day == Sunday ? QStringLiteral("HH:mm") : TimePicker::localeTimeFormat());
        connect(picker, &TimePicker::valueChanged, this,
                [this, day, picker] { m_reminder.setAlertTime(day, picker->value()); });
        //: Screen reader name of a day's time picker; %1 is the translated day caption (e.g. Monday).
        m_pickers[i]
            = speak(picker, tr("%1 alert time").arg(caption),
                    //: Screen reader description of a day's time picker; %1 is the translated day caption.
                    tr("The time of the alert on %1; only the hour and the minute count. F1: help on inputting times.")
                        .arg(caption));

        auto *box = Twips::place(new WorkCheckBox(fraDays), QStringLiteral("chk") + name, 1830,
                                 row.pickerTop + kCheckBoxDrop, 225, 210);
        connect(box, &QCheckBox::clicked, this, [this, day, box] { m_reminder.setWorkFlag(day, box->workFlag()); });
        //: Screen reader name of a day's working-day check box; %1 is the translated day caption.
        m_checkBoxes[i] = speak(box, tr("Work on %1").arg(caption),
                                //: Screen reader description of the check box; %1 is the translated day caption.
                                tr("Ticked, %1 is a working day and alerts at its time.").arg(caption));
    }
    return fraDays;
}

void MainWindow::createDisplayOptions(QGroupBox *fraDays)
{
    //: Caption of the frame with the message and colours. Bold.
    QGroupBox *Frame1
        = Twips::place(frame(tr("Display Options"), this), QStringLiteral("Frame1"), 2640, 30, 4515, 1665);
    //: Caption over the message box. 96 px wide (about 18 Latin characters); the help icon follows it.
    Twips::place(new QLabel(tr("Message to display:"), Frame1), QStringLiteral("Label2"), 90, 240, 1440, 210);

    // Element 0 stands beside the message caption, element 1 in the times frame's caption line.
    const QPixmap helpIcon(QStringLiteral(":/help.png"));
    const auto makeIcon = [&](int index, QWidget *parent, int left, int top, const QString &name,
                              const QString &description) {
        auto *icon
            = Twips::place(new ClickableLabel(parent), QStringLiteral("imgHelp_%1").arg(index), left, top, 180, 180);
        icon->setPixmap(helpIcon);
        speak(icon, name, description);
        connect(icon, &ClickableLabel::clicked, this, [this, index] { imgHelp_Click(index); });
    };
    //: Screen reader name of a help icon.
    makeIcon(0, Frame1, 1560, 240, tr("Help on variables in messages"),
             //: Screen reader description of a help icon.
             tr("Opens the help on variables in messages; so does F1 in its frame."));
    //: Screen reader name of a help icon.
    makeIcon(1, fraDays, 1170, 30, tr("Help on inputting times"),
             //: Screen reader description of a help icon.
             tr("Opens the help on inputting times; so does F1 in its frame."));
    // The icons take no focus, which would change the Tab order: F1 opens the help of the frame
    // that holds the focus, and outside both frames the help on inputting times.
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this, [this, Frame1] {
        const QWidget *focus = focusWidget();
        imgHelp_Click(focus && Frame1->isAncestorOf(focus) ? 0 : 1);
    });

    //: Placeholder text of the message box before the settings are loaded. Keep %time% and %day% exactly as they are.
    txtMessage = Twips::place(new QLineEdit(tr("Go to work because it's %time% on %day%."), Frame1),
                              QStringLiteral("txtMessage"), 90, 510, 4365, 315);
    txtMessage->setMaxLength(std::numeric_limits<int>::max());
    //: Screen reader name of the message box.
    speak(txtMessage, tr("Message to display"),
          //: Screen reader description of the message box. Keep %day%, %time%, %date% exactly.
          tr("The alert's message; %day%, %time% and %date% become the weekday, the time and the date. F1: help on "
             "the variables."));
    connect(txtMessage, &QLineEdit::textChanged, this, [this](const QString &) {
        if (!m_loading)
            m_reminder.setMessage(txtMessage->text());
    });

    // Each colour is a swatch (element 0) and its caption (element 1); a click on either chooses,
    // and so does a key, as neither takes the focus.
    const auto makePair = [&](const QString &name, const QString &text, qint32 designColor, int swatchTop,
                              int captionTop, int captionWidth, void (MainWindow::*handler)(int),
                              const QKeySequence &key, const QString &description) {
        auto *swatch = Twips::place(new ColorSwatch(Frame1), name + QStringLiteral("_0"), 120, swatchTop, 285, 285);
        swatch->setOleColor(designColor);
        auto *label
            = Twips::place(new ColorSwatch(Frame1), name + QStringLiteral("_1"), 480, captionTop, captionWidth, 210);
        label->setText(text);
        speak(swatch, text, description);
        speak(label, text, description);
        connect(swatch, &ColorSwatch::clicked, this, [this, handler] { (this->*handler)(0); });
        connect(label, &ColorSwatch::clicked, this, [this, handler] { (this->*handler)(1); });
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this, handler] { (this->*handler)(0); });
        return swatch;
    };
    //: Caption beside the text colour swatch (color of the alert's text). About 20 Latin characters at most.
    lblFontColor = makePair(QStringLiteral("lblFontColor"), tr("Font Color"), OleColor::kBlack, 870, 907, 735,
                            &MainWindow::lblFontColor_Click, QKeySequence(Qt::ALT | Qt::Key_F),
                            //: Screen reader description. Alt+F stays Alt+F in every language.
                            tr("The colour of the alert's text; click it, or press Alt+F, to choose another."));
    //: Caption beside the background colour swatch. About 20 Latin characters at most.
    lblBackColor = makePair(QStringLiteral("lblBackColor"), tr("Background Color"), OleColor::kButtonFace, 1200,
                            1230, 1290, &MainWindow::lblBackColor_Click, QKeySequence(Qt::ALT | Qt::Key_B),
                            //: Screen reader description. Alt+B stays Alt+B in every language.
                            tr("The colour behind the alert's text; click it, or press Alt+B, to choose another."));
}

void MainWindow::createButtons()
{
    auto *Picture1 = Twips::place(new QLabel(this), QStringLiteral("Picture1"), 2670, 1740, 4485, 2025);
    Picture1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1->setLineWidth(1);
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setPixmap(QPixmap(QStringLiteral(":/picture.png")));
    //: Screen reader description of the window's picture.
    speak(Picture1, QStringLiteral("Dorvane"), tr("A town at sunrise: time to get ready for work."));

    //: Button: hides the window to the notification area. 99 px wide.

    auto *cmdHide
        = Twips::place(new QPushButton(tr("Hide"), this), QStringLiteral("cmdHide"), 4140, 3810, 1485, 315);
    // Esc answers Hide, as the Cancel button of a dialog would. Enter, like Space, presses the
    // focused button, as users of the original platform expect.
    cmdHide->setShortcut(QKeySequence(Qt::Key_Escape));
    cmdHide->setAutoDefault(true);
    //: Screen reader description of Hide.
    speak(cmdHide, cmdHide->text(), tr("Hides this window; Dorvane goes on in the notification area."));
    connect(cmdHide, &QPushButton::clicked, this, &MainWindow::cmdHide_Click);

    //: Button: ends the program. 99 px wide.

    auto *cmdQuit
        = Twips::place(new QPushButton(tr("Quit"), this), QStringLiteral("cmdQuit"), 5670, 3810, 1485, 315);
    cmdQuit->setAutoDefault(true);
    //: Screen reader description of Quit.
    speak(cmdQuit, cmdQuit->text(), tr("Ends Dorvane."));
    connect(cmdQuit, &QPushButton::clicked, this, &MainWindow::cmdQuit_Click);
}

void MainWindow::showSettings()
{
    const WeekSchedule &week = m_reminder.weekSchedule();
    const DisplayOptions &display = m_reminder.displayOptions();
    // The values come from the store, so putting them in the controls must not write them back.
    m_loading = true;
    for (int day = Sunday; day <= Saturday; ++day)
        picker(day)->setValue(week[day].alertTime);
    for (int day = Sunday; day <= Saturday; ++day)
        checkBox(day)->setWorkFlag(week[day].workFlag);
    lblFontColor->setOleColor(display.fontColor);
    lblBackColor->setOleColor(display.backColor);
    txtMessage->setText(display.messageTemplate);
    txtMessage->setCursorPosition(0);
    m_loading = false;
}

TimePicker *MainWindow::picker(int weekday) const
{
    return m_pickers.at(dayIndex(weekday));
}

WorkCheckBox *MainWindow::checkBox(int weekday) const
{
    return m_checkBoxes.at(dayIndex(weekday));
}

void MainWindow::CallHelp(qint16 iHelp)
{
    auto *help = new HelpWindow(this);
    help->setAttribute(Qt::WA_DeleteOnClose);
    m_help = help;
    help->fillTopic(iHelp);
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
    showInFront();
}

void MainWindow::showInFront()
{
    if (isMinimized())
        showNormal();
    else
        show();
    raise();
    activateWindow();
}

void MainWindow::cmdHide_Click()
{
    hideWindow();
}

void MainWindow::cmdQuit_Click()
{
    emit quitRequested();
}

void MainWindow::imgHelp_Click(int Index)
{
    CallHelp(static_cast<qint16>(Index));
}

void MainWindow::lblFontColor_Click(int)
{
    chooseColor(lblFontColor, true);
}

void MainWindow::lblBackColor_Click(int)
{
    chooseColor(lblBackColor, false);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The user's close box only hides the window; the program goes on in the tray.
    if (event->spontaneous()) {
        event->ignore();
        hideWindow();
        return;
    }
    m_reminder.stopTicking();
    if (m_help)
        m_help->close();
    event->accept();
}

void MainWindow::hideWindow()
{
    if (m_trayAvailable)
        hide();
    else
        showMinimized();
}

void MainWindow::chooseColor(ColorSwatch *swatch, bool font)
{
    QColorDialog dialog(this);
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QColor chosen = dialog.selectedColor();
    swatch->setOleColor(OleColor::fromRgb(chosen.red(), chosen.green(), chosen.blue()));

    // The swatch's colour, read back, is what is kept.
    const SaveResult result
        = font ? m_reminder.setFontColor(swatch->oleColor()) : m_reminder.setBackColor(swatch->oleColor());
    if (result)
        return;
    //: Title of an error message box.
    QMessageBox box(QMessageBox::Critical, tr("Error"),
                    //: Text of the error message box: %1 is an error number, %2 its description. Keep '#' and ' - '
                    //: shape as natural.
                    tr("Error # %1 - %2").arg(QString::number(result.errorNumber), result.description),
                    QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::WindowModal);
    box.exec();
}
