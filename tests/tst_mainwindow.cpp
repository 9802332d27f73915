#include "alertwindow.h"
#include "clickablelabel.h"
#include "colorswatch.h"
#include "olecolor.h"
#include "oledate.h"
#include "programsupport.h"
#include "settingskeys.h"
#include "timepicker.h"
#include "translation.h"
#include "workcheckbox.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <array>
#include <cmath>

using namespace TestSupport;

namespace {

const QString kMissing = u"<missing>"_qs;

QString stored(const QString &key)
{
    return testStore().get(key, kMissing);
}

QDateTime saturdayAt(int h, int m, int s)
{
    return QDateTime(QDate(2026, 12, 5), QTime(h, m, s));
}

// Turns the store into something that cannot be written: a file where its folder belongs. Stores
// made from then on follow; on Windows a store is told its registry key once, so a store given is
// made again.
void breakStore()
{
    clearStore();
#ifdef Q_OS_WIN
    blockRegistry(true);
#else
    QFile blocker(configHome().path() + u"/Dorvane"_qs);
    QVERIFY(blocker.open(QIODevice::WriteOnly));
#endif
}

void breakStore(SettingsStore &store)
{
    breakStore();
    store = testStore();
}

void repairStore()
{
#ifdef Q_OS_WIN
    blockRegistry(false);
#else
    QFile::remove(configHome().path() + u"/Dorvane"_qs);
#endif
}

void repairStore(SettingsStore &store)
{
    repairStore();
    store = testStore();
}

void chooseInDialog(const QColor &colour)
{
    whenModal<QColorDialog>([colour](QColorDialog *dialog) {
        dialog->setCurrentColor(colour);
        dialog->accept();
    });
}

void cancelDialog()
{
    whenModal<QColorDialog>([](QColorDialog *dialog) { dialog->reject(); });
}

// A control of the window by its name; the test stops where there is none.
template<typename T> T *child(const QWidget &window, const QString &name)
{
    T *control = window.findChild<T *>(name);
    if (!control)
        qFatal("no control %s", qPrintable(name));
    return control;
}

// The program, whose configuration window the tests work, on a Saturday at noon unless told.
struct Window : Program {
    explicit Window(const QDateTime &now = saturdayAt(12, 0, 0))
        : Program(now)
    {
    }
};

QLineEdit *txtMessage(const QWidget &window)
{
    return child<QLineEdit>(window, u"txtMessage"_qs);
}

qreal advance(const QWidget *control, const QString &text)
{
    return QFontMetricsF(control->font()).horizontalAdvance(text);
}

// Where the style draws a button's or a check box's text: inside the bevel, beside the indicator.
QRect textArea(const QAbstractButton *button, QStyle::SubElement element)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    return button->style()->subElementRect(element, &option, button);
}

// What of a control's text does not show whole.
QString clipped(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control); label && !label->text().isEmpty()) {
        const QRect room = label->contentsRect();
        if (!label->wordWrap())
            return advance(label, label->text()) > room.width() ? label->text() : QString();
        const QRect needed = QFontMetrics(label->font())
                                 .boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, label->text());
        return needed.width() > room.width() || needed.height() > room.height() ? label->text() : QString();
    }
    if (auto *button = qobject_cast<const QPushButton *>(control))
        return advance(button, button->text()) > textArea(button, QStyle::SE_PushButtonContents).width()
            ? button->text()
            : QString();
    if (auto *box = qobject_cast<const QCheckBox *>(control))
        return advance(box, box->text()) > textArea(box, QStyle::SE_CheckBoxContents).width() ? box->text()
                                                                                              : QString();
    if (auto *frame = qobject_cast<const QGroupBox *>(control)) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        const QRect caption
            = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
        return frame->rect().contains(caption) ? QString() : frame->title();
    }
    return {};
}

// Each text shows whole, each control lies inside its container, and no two controls side by side
// overlap. Edges rounded from twips may share a row of pixels, as they do in the design.
QStringList layoutFaults(const QWidget &window)
{
    QStringList faults;
    QList<const QWidget *> containers = { &window };
    for (qsizetype c = 0; c < containers.size(); ++c) {
        const QWidget *parent = containers[c];
        QList<const QWidget *> controls;
        for (const QWidget *control : parent->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!control->isWindow() && !control->objectName().isEmpty() && !control->objectName().startsWith(u"qt_"))
                controls.append(control);
        }
        for (const QWidget *control : controls) {
            containers.append(control);
            if (const QString text = clipped(control); !text.isEmpty())
                faults << u"%1 cuts \"%2\" off"_qs.arg(control->objectName(), text);
            if (!parent->rect().contains(control->geometry()))
                faults << u"%1 runs out of %2"_qs.arg(control->objectName(), parent->objectName());
        }
        for (qsizetype i = 0; i < controls.size(); ++i) {
            for (qsizetype j = i + 1; j < controls.size(); ++j) {
                const QRect both = controls[i]->geometry() & controls[j]->geometry();
                if (both.width() > 1 && both.height() > 1)
                    faults << u"%1 overlaps %2"_qs.arg(controls[i]->objectName(), controls[j]->objectName());
            }
        }
    }
    return faults;
}

// Whether an icon in a frame's caption line covers none of the caption's letters, which are drawn
// dark on the window's light grey; the frame's line is lighter.
bool clearOfCaption(QGroupBox *frame, QWidget *icon)
{
    icon->hide();
    const QImage shot = frame->grab().toImage();
    icon->show();
    const QRect under = icon->geometry();
    for (int y = under.top(); y <= under.bottom(); ++y) {
        for (int x = under.left(); x <= under.right(); ++x) {
            if (qGray(shot.pixel(x, y)) < 110)
                return false;
        }
    }
    return true;
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void controlGeometry_data();
    void controlGeometry();
    void windowAndCaptions();
    void focusStartsOnSundayAndTabFollowsTheDays();
    void everyControlIsNamedForScreenReaders();
    void timerRunsFromCreation();

    void firstStartOnAnEmptyStore();
    void loadShowsStoredValuesAndWritesNothing();

    void checkBoxWritesThrough_data();
    void checkBoxWritesThrough();
    void greyedFlagIsNotAWorkingDay();
    void pickerMinuteChangeIsStored();
    void pickerCarriesDateAndSeconds();
    void messageWritesEveryKeystroke();
    void failingEditIsReportedOnce_data();
    void failingEditIsReportedOnce();
    void failingFirstStartWriteIsReported();

    void colourChoice_data();
    void colourChoice();
    void failingColourSaveShowsErrorBox();

    void tick_data();
    void tick();

    void closing_data();
    void closing();
    void programmaticCloseGoesAhead();

    void everyLanguageFits_data();
    void everyLanguageFits();
};

void TestMainWindow::initTestCase()
{
    QLocale::setDefault(enUS());
#ifdef Q_OS_WIN
    // The offscreen platform has only the fonts of QT_QPA_FONTDIR and no fontconfig to stand in for
    // Arial, nor to fall back on for other scripts.
    QFont::insertSubstitutions(u"Arial"_qs, { u"Liberation Sans"_qs, u"DejaVu Sans"_qs, u"WenQuanYi Micro Hei"_qs });
#endif
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
}

void TestMainWindow::init()
{
    clearStore();
}

void TestMainWindow::cleanup()
{
    repairStore();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox *>(w))
            delete w;
    }
}

void TestMainWindow::controlGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("twips");

    const QString window = u"frmMain"_qs, days = u"fraDays"_qs, display = u"Frame1"_qs;
    QTest::newRow("fraDays") << u"fraDays"_qs << window << QRect(30, 30, 2565, 4095);
    QTest::newRow("Frame1") << u"Frame1"_qs << window << QRect(2640, 30, 4515, 1665);
    QTest::newRow("Picture1 is the picture plus a pixel of border")
        << u"Picture1"_qs << window << QRect(2670, 1740, 4485, 2025);
    QTest::newRow("cmdHide") << u"cmdHide"_qs << window << QRect(4140, 3810, 1485, 315);
    QTest::newRow("cmdQuit") << u"cmdQuit"_qs << window << QRect(5670, 3810, 1485, 315);
    QTest::newRow("Label1") << u"Label1"_qs << days << QRect(1500, 210, 960, 210);
    QTest::newRow("imgHelp 1 in the times frame's caption") << u"imgHelp_1"_qs << days << QRect(1170, 30, 180, 180);

    const char *const dayNames[] = { "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday" };
    const int labelTops[] = { 240, 750, 1350, 1890, 2430, 2940, 3480 };
    const int labelWidths[] = { 555, 570, 630, 870, 690, 450, 660 };
    const int pickerTops[] = { 450, 1020, 1560, 2100, 2640, 3150, 3690 };
    const int boxTops[] = { 502, 1072, 1612, 2152, 2692, 3202, 3742 };
    for (int i = 0; i < 7; ++i) {
        const QString day = QString::fromLatin1(dayNames[i]);
        const QString label = u"lblDay_"_qs + QString::number(i);
        QTest::addRow("%s", qPrintable(label)) << label << days << QRect(120, labelTops[i], labelWidths[i], 210);
        QTest::addRow("dtp%s", dayNames[i]) << u"dtp"_qs + day << days << QRect(90, pickerTops[i], 1335, 315);
        QTest::addRow("chk%s", dayNames[i]) << u"chk"_qs + day << days << QRect(1830, boxTops[i], 225, 210);
    }

    QTest::newRow("Label2") << u"Label2"_qs << display << QRect(90, 240, 1440, 210);
    QTest::newRow("imgHelp 0 beside the message caption") << u"imgHelp_0"_qs << display << QRect(1560, 240, 180, 180);
    QTest::newRow("txtMessage") << u"txtMessage"_qs << display << QRect(90, 510, 4365, 315);
    QTest::newRow("font swatch") << u"lblFontColor_0"_qs << display << QRect(120, 870, 285, 285);
    QTest::newRow("font caption") << u"lblFontColor_1"_qs << display << QRect(480, 907, 735, 210);
    QTest::newRow("background swatch") << u"lblBackColor_0"_qs << display << QRect(120, 1200, 285, 285);
    QTest::newRow("background caption") << u"lblBackColor_1"_qs << display << QRect(480, 1230, 1290, 210);
}

void TestMainWindow::controlGeometry()
{
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, twips);

    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    auto *control = w.findChild<QWidget *>(name);
    QVERIFY2(control, qPrintable(name));
    QCOMPARE(control->parentWidget()->objectName(), container);

    // A pixel is 15 twips; rounding to whole pixels may move an edge by less than one.
    const QRect g = control->geometry();
    const auto near = [](int pixels, int expectedTwips) { return qAbs(pixels * 15 - expectedTwips) <= 15; };
    QVERIFY2(near(g.x(), twips.x()), qPrintable(u"left %1 px"_qs.arg(g.x())));
    QVERIFY2(near(g.y(), twips.y()), qPrintable(u"top %1 px"_qs.arg(g.y())));
    // A caption may run a little wider, so that a font wider than Arial does not clip it.
    int width = twips.width();
    if (auto *label = qobject_cast<QLabel *>(control); label && !label->text().isEmpty()) {
        const qreal text = QFontMetricsF(label->font()).horizontalAdvance(label->text());
        QVERIFY2(g.width() >= text, "the caption fits");
        width = qMax(width, int(std::ceil(text)) * 15);
    }
    QVERIFY2(near(g.width(), width), qPrintable(u"width %1 px"_qs.arg(g.width())));
    QVERIFY2(near(g.height(), twips.height()), qPrintable(u"height %1 px"_qs.arg(g.height())));
}

void TestMainWindow::windowAndCaptions()
{
    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;

    QCOMPARE(w.objectName(), u"frmMain"_qs);
    QCOMPARE(w.windowTitle(), u"Dorvane: Configuration"_qs);
    QCOMPARE(w.size(), QSize(481, 279));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w.font().family(), u"Arial"_qs);
    QCOMPARE(w.font().pointSizeF(), 8.25);

    // The frame captions are bold, what they hold is not.
    QCOMPARE(child<QGroupBox>(w, u"fraDays"_qs)->title(), u"Input Times      "_qs);
    QCOMPARE(child<QGroupBox>(w, u"Frame1"_qs)->title(), u"Display Options"_qs);
    QVERIFY(child<QGroupBox>(w, u"fraDays"_qs)->font().bold());
    QVERIFY(child<QGroupBox>(w, u"Frame1"_qs)->font().bold());
    QVERIFY(!child<QLabel>(w, u"Label1"_qs)->font().bold());
    QVERIFY(!txtMessage(w)->font().bold());
    QVERIFY(!w.picker(Sunday)->font().bold());

    QCOMPARE(child<QLabel>(w, u"Label1"_qs)->text(), u"Work Today?"_qs);
    QCOMPARE(child<QLabel>(w, u"Label2"_qs)->text(), u"Message to display:"_qs);
    QCOMPARE(child<ColorSwatch>(w, u"lblFontColor_1"_qs)->text(), u"Font Color"_qs);
    QCOMPARE(child<ColorSwatch>(w, u"lblBackColor_1"_qs)->text(), u"Background Color"_qs);
    QCOMPARE(child<QPushButton>(w, u"cmdHide"_qs)->text(), u"Hide"_qs);
    QCOMPARE(child<QPushButton>(w, u"cmdQuit"_qs)->text(), u"Quit"_qs);
    QCOMPARE(child<QCheckBox>(w, u"chkSound"_qs)->text(), u"Play a sound with the alert"_qs);
    QVERIFY2(child<QCheckBox>(w, u"chkSound"_qs)->sizeHint().width() <= child<QCheckBox>(w, u"chkSound"_qs)->width(),
             "the sound box's caption fits");
    const QStringList days
        = { u"Sunday"_qs, u"Monday"_qs, u"Tuesday"_qs, u"Wednesday"_qs, u"Thursday"_qs, u"Friday"_qs, u"Saturday"_qs };
    for (int i = 0; i < 7; ++i)
        QCOMPARE(child<QLabel>(w, u"lblDay_%1"_qs.arg(i))->text(), days[i]);
    for (int day = Sunday; day <= Saturday; ++day)
        QVERIFY(w.checkBox(day)->text().isEmpty());
    QCOMPARE(w.picker(Sunday)->displayFormat(), u"HH:mm"_qs);
    QCOMPARE(w.picker(Sunday)->minimumDate(), QDate(1601, 1, 1));
    QCOMPARE(w.picker(Sunday)->maximumDate(), QDate(9999, 12, 31));
    QVERIFY(!child<QLabel>(w, u"imgHelp_0"_qs)->pixmap().isNull());
    QCOMPARE(child<QLabel>(w, u"Picture1"_qs)->pixmap().size(), QSize(297, 133));
}

void TestMainWindow::focusStartsOnSundayAndTabFollowsTheDays()
{
    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    app.Form_Load();
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QCOMPARE(QApplication::focusWidget(), w.picker(Sunday));

    QStringList visited;
    for (int i = 0; i < 18; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    const QStringList expected
        = { u"chkSunday"_qs,    u"dtpMonday"_qs,    u"chkMonday"_qs,   u"dtpTuesday"_qs,  u"chkTuesday"_qs,
            u"dtpWednesday"_qs, u"chkWednesday"_qs, u"dtpThursday"_qs, u"chkThursday"_qs, u"dtpFriday"_qs,
            u"chkFriday"_qs,    u"dtpSaturday"_qs,  u"chkSaturday"_qs, u"txtMessage"_qs,  u"chkSound"_qs,
            u"cmdHide"_qs,      u"cmdQuit"_qs,      u"dtpSunday"_qs };
    QCOMPARE(visited, expected);
}

void TestMainWindow::everyControlIsNamedForScreenReaders()
{
    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    int reachable = 0;
    for (QWidget *control : w.findChildren<QWidget *>()) {
        const bool own = !control->objectName().isEmpty() && !control->objectName().startsWith(u"qt_"_qs);
        const bool clickable = qobject_cast<ClickableLabel *>(control) != nullptr;
        if (!own || (control->focusPolicy() == Qt::NoFocus && !clickable))
            continue;
        ++reachable;
        QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        QVERIFY2(!control->accessibleDescription().isEmpty(), qPrintable(control->objectName()));
    }
    QCOMPARE(reachable, 7 + 7 + 1 + 2 + 2 + 1 + 2 + 2); // pickers, boxes, message, colours, sound, help icons, buttons
    QCOMPARE(w.picker(Sunday)->accessibleName(), u"Sunday alert time"_qs);
    QCOMPARE(w.checkBox(Sunday)->accessibleName(), u"Work on Sunday"_qs);
    // A window, as a screen reader presents one, not a nameless filler.
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&w);
    QCOMPARE(window->role(), QAccessible::Window);
    QCOMPARE(window->text(QAccessible::Name), u"Dorvane: Configuration"_qs);
}

void TestMainWindow::timerRunsFromCreation()
{
    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    QCOMPARE(tickTimer(reminder)->objectName(), u"tmrTest"_qs);
    QCOMPARE(tickTimer(reminder)->interval(), 30000);
    QVERIFY(tickTimer(reminder)->isActive());
}

void TestMainWindow::firstStartOnAnEmptyStore()
{
    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    app.Form_Load();

    for (int day = Sunday; day <= Saturday; ++day) {
        QCOMPARE(w.picker(day)->value(), 0.0);
        QCOMPARE(w.picker(day)->time(), QTime(0, 0));
        QCOMPARE(w.checkBox(day)->checkState(), Qt::Unchecked);
    }
    QCOMPARE(w.picker(Sunday)->text(), u"00:00"_qs);
    QCOMPARE(child<ColorSwatch>(w, u"lblFontColor_0"_qs)->oleColor(), OleColor::kBlack);
    QCOMPARE(child<ColorSwatch>(w, u"lblBackColor_0"_qs)->oleColor(), OleColor::kButtonFace);
    QCOMPARE(child<ColorSwatch>(w, u"lblFontColor_0"_qs)->palette().color(QPalette::Window), QColor(Qt::black));
    QCOMPARE(child<ColorSwatch>(w, u"lblBackColor_0"_qs)->palette().color(QPalette::Window),
             QApplication::palette().color(QPalette::Button));
    QCOMPARE(txtMessage(w)->text(), u"Get ready for work because it is now %time% on %day%."_qs);
    QVERIFY(!child<QCheckBox>(w, u"chkSound"_qs)->isChecked());
    QCOMPARE(reminder.displayOptions(), DisplayOptions());
    QCOMPARE(reminder.weekSchedule(), WeekSchedule());

    // Only the default message is written.
    QCOMPARE(stored(kMessageKey), kDefaultMessage);
    for (const SettingKey &key : allSettingKeys())
        QCOMPARE(store.contains(key.name), key.name == kMessageKey);
}

void TestMainWindow::loadShowsStoredValuesAndWritesNothing()
{
    // Hand-written forms that a write-back would replace with Dorvane's own.
    const QByteArray file = "[Options]\nSundayTime=07:30\nWorkSunday=1\nWorkMonday=2\nFontColor=255\n"
                            "BackColor=16777215\nMessage=\"<b>Up</b>, %day%\"\nSound=\" 1\"\n";
    writeStoreFile(file);
#ifdef Q_OS_WIN
    const QByteArray before = registryText();
#endif
    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    app.Form_Load();

    QCOMPARE(w.picker(Sunday)->time(), QTime(7, 30));
    QCOMPARE(w.checkBox(Sunday)->checkState(), Qt::Checked);
    QCOMPARE(w.checkBox(Monday)->checkState(), Qt::PartiallyChecked);
    QCOMPARE(child<ColorSwatch>(w, u"lblFontColor_0"_qs)->oleColor(), 255);
    QCOMPARE(child<ColorSwatch>(w, u"lblFontColor_0"_qs)->palette().color(QPalette::Window), QColor(Qt::red));
    QCOMPARE(child<ColorSwatch>(w, u"lblBackColor_0"_qs)->oleColor(), 16777215);
    QCOMPARE(txtMessage(w)->text(), u"<b>Up</b>, %day%"_qs);
    QVERIFY(child<QCheckBox>(w, u"chkSound"_qs)->isChecked());

#ifdef Q_OS_WIN
    QCOMPARE(registryText(), before);
#else
    QFile f(storeFile());
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), file);
#endif
}

void TestMainWindow::checkBoxWritesThrough_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("keyboard");
    QTest::newRow("Sunday by mouse") << u"chkSunday"_qs << workKey(Sunday) << false;
    QTest::newRow("Wednesday by space bar") << u"chkWednesday"_qs << workKey(Wednesday) << true;
    QTest::newRow("Saturday by mouse") << u"chkSaturday"_qs << workKey(Saturday) << false;
    QTest::newRow("the sound by mouse") << u"chkSound"_qs << kSoundKey << false;
}

void TestMainWindow::checkBoxWritesThrough()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    QFETCH(bool, keyboard);
    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    app.Form_Load();
    QCheckBox *box = child<QCheckBox>(w, name);
    const auto click = [&] {
        if (keyboard)
            QTest::keyClick(box, Qt::Key_Space);
        else
            QTest::mouseClick(box, Qt::LeftButton);
    };
    // The model holds what the next start loads.
    const auto modelIsStored = [&] {
        return Settings{reminder.weekSchedule(), reminder.displayOptions()} == loadSettings(store);
    };

    click();
    QCOMPARE(stored(key), u"1"_qs);
    QVERIFY(modelIsStored());
    click();
    QCOMPARE(stored(key), u"0"_qs);
    QVERIFY(modelIsStored());
    // Only that box's key, besides the message that the first start writes.
    for (const SettingKey &other : allSettingKeys())
        QCOMPARE(store.contains(other.name), other.name == key || other.name == kMessageKey);
}

void TestMainWindow::greyedFlagIsNotAWorkingDay()
{
    writeStoreFile("[Options]\nMondayTime=7:05:00 AM\nWorkMonday=2\n");
    Window fixture(QDateTime(QDate(2026, 12, 7), QTime(7, 5, 10))); // a Monday
    auto &[store, clock, app, reminder, w] = fixture;
    app.Form_Load();

    QCOMPARE(w.checkBox(Monday)->checkState(), Qt::PartiallyChecked);
    QCOMPARE(reminder.weekSchedule()[Monday].workFlag, WorkFlag::Greyed);
    reminder.tick();
    QVERIFY(!app.alertWindow());

    // A click ticks it.
    QTest::mouseClick(w.checkBox(Monday), Qt::LeftButton);
    QCOMPARE(w.checkBox(Monday)->checkState(), Qt::Checked);
    QCOMPARE(stored(workKey(Monday)), u"1"_qs);
    reminder.tick();
    QVERIFY(app.alertWindow());
}

void TestMainWindow::pickerMinuteChangeIsStored()
{
    writeStoreFile("[Options]\nSundayTime=7:30:00 AM\n");
    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    app.Form_Load();
    QCOMPARE(w.picker(Sunday)->text(), u"07:30"_qs);

    w.picker(Sunday)->setFocus();
    w.picker(Sunday)->setSelectedSection(QDateTimeEdit::MinuteSection);
    QTest::keyClicks(w.picker(Sunday), u"45"_qs);
    QCOMPARE(w.picker(Sunday)->text(), u"07:45"_qs);
    QCOMPARE(stored(timeKey(Sunday)), u"7:45:00 AM"_qs);
    QCOMPARE(reminder.weekSchedule()[Sunday].alertTime, OleDate::fromDateTime(OleDate::zeroDate(), QTime(7, 45)));
}

void TestMainWindow::pickerCarriesDateAndSeconds()
{
    writeStoreFile("[Options]\nMondayTime=12/5/2026 7:05:30 AM\n");
    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    app.Form_Load();
    QCOMPARE(w.picker(Monday)->value(), OleDate::fromDateTime(QDate(2026, 12, 5), QTime(7, 5, 30)));

    w.picker(Monday)->setFocus();
    w.picker(Monday)->setSelectedSection(QDateTimeEdit::HourSection);
    QTest::keyClick(w.picker(Monday), Qt::Key_Up);
    QCOMPARE(w.picker(Monday)->value(), OleDate::fromDateTime(QDate(2026, 12, 5), QTime(8, 5, 30)));
    QCOMPARE(stored(timeKey(Monday)), u"12/5/2026 8:05:30 AM"_qs);
}

void TestMainWindow::messageWritesEveryKeystroke()
{
    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    app.Form_Load();

    // Deleting the whole message stores it empty.
    QTest::keyClick(txtMessage(w), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(txtMessage(w), Qt::Key_Backspace);
    QCOMPARE(stored(kMessageKey), QString());
    QVERIFY(store.contains(kMessageKey));

    QTest::keyClick(txtMessage(w), 'a');
    QCOMPARE(stored(kMessageKey), u"a"_qs);
    QTest::keyClick(txtMessage(w), 'b');
    QCOMPARE(stored(kMessageKey), u"ab"_qs);
    QCOMPARE(reminder.displayOptions().messageTemplate, u"ab"_qs);

    // Whatever is pasted is stored as it stands.
    txtMessage(w)->selectAll();
    txtMessage(w)->insert(u"<b>x</b>, \"q\" ;@ \\ é"_qs);
    QCOMPARE(stored(kMessageKey), u"<b>x</b>, \"q\" ;@ \\ é"_qs);
}

void TestMainWindow::failingEditIsReportedOnce_data()
{
    QTest::addColumn<bool>("tray");
    QTest::newRow("without a tray, in one non-modal message box") << false;
    QTest::newRow("with a tray, as one tray message") << true;
}

void TestMainWindow::failingEditIsReportedOnce()
{
    QFETCH(bool, tray);
    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    setTray(app, tray);
    QSignalSpy failed(&reminder, &Reminder::saveFailed);
    QSignalSpy saved(&reminder, &Reminder::saved);
    app.Form_Load();
    txtMessage(w)->clear();

    breakStore(store);
    QTest::keyClicks(txtMessage(w), u"ab"_qs);
    QTest::mouseClick(w.checkBox(Friday), Qt::LeftButton);
    QCOMPARE(failed.count(), 1);
    QCOMPARE(visibleMessageBoxes().count(), tray ? 0 : 1);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // The edits stay in effect.
    QCOMPARE(reminder.displayOptions().messageTemplate, u"ab"_qs);
    QCOMPARE(reminder.weekSchedule()[Friday].workFlag, WorkFlag::Checked);
    if (!tray) {
        QMessageBox *box = visibleMessageBoxes().constFirst();
        QCOMPARE(box->textFormat(), Qt::PlainText);
        QCOMPARE(box->icon(), QMessageBox::Warning);
        QVERIFY(!box->text().isEmpty());
    }

    // A save that works again saves what had failed too, says so, and arms the report for the
    // next failure.
    repairStore(store);
    QTest::keyClick(txtMessage(w), 'c');
    QCOMPARE(stored(kMessageKey), u"abc"_qs);
    QCOMPARE(stored(workKey(Friday)), u"1"_qs);
    QCOMPARE(saved.count(), 1);
    if (!tray)
        QCOMPARE(visibleMessageBoxes().constFirst()->icon(), QMessageBox::Information);
    breakStore(store);
    QTest::keyClick(txtMessage(w), 'd');
    QCOMPARE(failed.count(), 2);
    QCOMPARE(visibleMessageBoxes().count(), tray ? 0 : 1); // the same box, shown again
}

void TestMainWindow::failingFirstStartWriteIsReported()
{
    breakStore();
    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    QSignalSpy spy(&reminder, &Reminder::saveFailed);
    app.Form_Load();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(txtMessage(w)->text(), kDefaultMessage);
    // The next failing edit belongs to the same run of failures.
    QTest::keyClick(txtMessage(w), 'x');
    QCOMPARE(spy.count(), 1);
}

void TestMainWindow::colourChoice_data()
{
    QTest::addColumn<bool>("font");
    QTest::addColumn<int>("element"); // 2: the key
    QTest::addColumn<QColor>("chosen");
    QTest::addColumn<QString>("expected");

    QTest::newRow("red from the font swatch stores 255") << true << 0 << QColor(Qt::red) << u"255"_qs;
    QTest::newRow("white from the font caption colours the swatch") << true << 1 << QColor(Qt::white) << u"16777215"_qs;
    QTest::newRow("black from the background swatch stores 0") << false << 0 << QColor(Qt::black) << u"0"_qs;
    QTest::newRow("blue from the background caption stores BGR")
        << false << 1 << QColor(0x12, 0x34, 0x56) << QString::number(0x563412);
    QTest::newRow("cancel from the font swatch changes nothing") << true << 0 << QColor() << kMissing;
    QTest::newRow("cancel from the background caption changes nothing") << false << 1 << QColor() << kMissing;
    QTest::newRow("Alt+F chooses the font colour from the keyboard") << true << 2 << QColor(Qt::red) << u"255"_qs;
    QTest::newRow("Alt+B chooses the background colour from the keyboard") << false << 2 << QColor(Qt::white)
                                                                            << u"16777215"_qs;
}

void TestMainWindow::colourChoice()
{
    QFETCH(bool, font);
    QFETCH(int, element);
    QFETCH(QColor, chosen);
    QFETCH(QString, expected);

    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    app.Form_Load();
    const QString name = font ? u"lblFontColor_"_qs : u"lblBackColor_"_qs;
    const QString otherName = font ? u"lblBackColor_"_qs : u"lblFontColor_"_qs;
    const std::array<ColorSwatch *, 2> pair
        = { child<ColorSwatch>(w, name + u'0'), child<ColorSwatch>(w, name + u'1') };
    ColorSwatch *const other[] = { child<ColorSwatch>(w, otherName + u'0') };
    const qint32 before = pair[0]->oleColor();
    const qint32 otherBefore = other[0]->oleColor();
    const QString key = font ? kFontColorKey : kBackColorKey;
    const QString otherKey = font ? kBackColorKey : kFontColorKey;

    if (chosen.isValid())
        chooseInDialog(chosen);
    else
        cancelDialog();
    if (element == 2) {
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, font ? Qt::Key_F : Qt::Key_B, Qt::AltModifier);
    } else {
        QTest::mouseClick(pair[static_cast<size_t>(element)], Qt::LeftButton);
    }

    QCOMPARE(stored(key), expected);
    if (chosen.isValid()) {
        QCOMPARE(pair[0]->oleColor(), OleColor::fromRgb(chosen.red(), chosen.green(), chosen.blue()));
        QCOMPARE(pair[0]->palette().color(QPalette::Window), chosen);
    } else {
        QCOMPARE(pair[0]->oleColor(), before);
    }
    // The caption stays a caption, and the other swatch is not touched.
    QVERIFY(!pair[1]->isSwatch());
    QCOMPARE(other[0]->oleColor(), otherBefore);
    QCOMPARE(stored(otherKey), kMissing);
    QVERIFY(visibleMessageBoxes().isEmpty());
}

void TestMainWindow::failingColourSaveShowsErrorBox()
{
    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    app.Form_Load();
    breakStore(store);
    const SaveResult failure = testStore().save(kFontColorKey, u"255"_qs);
    QVERIFY(!failure.ok);

    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::StandardButtons buttons;
    whenModal<QColorDialog>([&](QColorDialog *dialog) {
        whenModal<QMessageBox>([&](QMessageBox *box) {
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            format = box->textFormat();
            buttons = box->standardButtons();
            box->accept();
        });
        dialog->setCurrentColor(Qt::red);
        dialog->accept();
    });
    QTest::mouseClick(child<ColorSwatch>(w, u"lblFontColor_1"_qs), Qt::LeftButton);

    QCOMPARE(text, u"Error # "_qs + QString::number(failure.errorNumber) + u" - "_qs + failure.description);
    QCOMPARE(title, u"Error"_qs);
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    // What was done before the failure stays done.
    QCOMPARE(child<ColorSwatch>(w, u"lblFontColor_0"_qs)->oleColor(), 255);
}

void TestMainWindow::tick_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<bool>("hidden");
    QTest::addColumn<QString>("expected"); // empty: no alert

    const QByteArray saturday = "[Options]\nSaturdayTime=7:05:00 AM\nWorkSaturday=1\n";
    const QString saturdayText = u"Get ready for work because it is now 7:05 AM on Saturday.\r\n\r\n"
                                 u"Remember to input your new times for the week."_qs;
    QTest::newRow("Saturday's minute on a working Saturday alerts with the reminder")
        << saturday << saturdayAt(7, 5, 2) << false << saturdayText;
    QTest::newRow("a hidden window still alerts") << saturday << saturdayAt(7, 5, 32) << true << saturdayText;
    QTest::newRow("the minute before does not alert") << saturday << saturdayAt(7, 4, 59) << false << QString();
    QTest::newRow("an unchecked Saturday does not alert")
        << QByteArray("[Options]\nSaturdayTime=7:05:00 AM\n") << saturdayAt(7, 5, 2) << false << QString();
    QTest::newRow("another day's entry does not alert")
        << QByteArray("[Options]\nFridayTime=7:05:00 AM\nWorkFriday=1\n") << saturdayAt(7, 5, 2) << false << QString();
    QTest::newRow("a weekday alerts without the reminder")
        << QByteArray("[Options]\nMondayTime=5:30:00 PM\nWorkMonday=1\nMessage=%day% %date%\n")
        << QDateTime(QDate(2026, 12, 7), QTime(17, 30, 0)) << false << u"Monday 12/07/2026"_qs;
}

void TestMainWindow::tick()
{
    QFETCH(QByteArray, file);
    QFETCH(QDateTime, now);
    QFETCH(bool, hidden);
    QFETCH(QString, expected);

    writeStoreFile(file);
    Window fixture(now);
    auto &[store, clock, app, reminder, w] = fixture;
    setTray(app, true);
    app.Form_Load();
    w.show();
    if (hidden)
        child<QPushButton>(w, u"cmdHide"_qs)->click();
    QCOMPARE(w.isVisible(), !hidden);

    reminder.tick();
    if (expected.isEmpty()) {
        QVERIFY(!app.alertWindow());
        return;
    }
    AlertWindow *alert = app.alertWindow();
    QVERIFY(alert);
    QVERIFY(alert->isVisible());
    QCOMPARE(alert->text(), expected);
    QCOMPARE(w.isVisible(), !hidden);
}

void TestMainWindow::closing_data()
{
    QTest::addColumn<bool>("trayAtStart");
    QTest::addColumn<bool>("tray");
    QTest::addColumn<QString>("how");

    for (const QString &how : { u"close box"_qs, u"Hide button"_qs, u"Esc"_qs, u"Enter on the focused Hide"_qs }) {
        QTest::addRow("with a tray, the %s hides", qPrintable(how)) << true << true << how;
        QTest::addRow("without a tray, the %s minimises", qPrintable(how)) << false << false << how;
    }
    QTest::newRow("with a tray, a close the desktop does not mark as the user's hides too")
        << true << true << u"unmarked close"_qs;
    QTest::newRow("with a tray that came after start-up, the close box hides") << false << true << u"close box"_qs;
    QTest::newRow("with the tray gone, the close box minimises") << true << false << u"close box"_qs;
}

void TestMainWindow::closing()
{
    QFETCH(bool, trayAtStart);
    QFETCH(bool, tray);
    QFETCH(QString, how);

    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    setTray(app, trayAtStart);
    app.Form_Load();
    w.show();
    setTray(app, tray);
    QCOMPARE(w.windowType() == Qt::Tool, tray); // a tool window has no taskbar button
    QTRY_VERIFY(w.isVisible());
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));

    if (how == u"close box") {
        QCloseEvent event;
        QSpontaneKeyEvent::setSpontaneous(&event);
        QApplication::instance()->notify(&w, &event); // sendEvent() would clear the flag
        QVERIFY(!event.isAccepted());
    } else if (how == u"unmarked close") {
        QVERIFY(!w.close());
    } else if (how == u"Enter on the focused Hide") {
        child<QPushButton>(w, u"cmdHide"_qs)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    } else if (how == u"Hide button") {
        QTest::mouseClick(child<QPushButton>(w, u"cmdHide"_qs), Qt::LeftButton);
    } else {
        QTest::keyClick(&w, Qt::Key_Escape);
    }

    if (tray) {
        QTRY_VERIFY(!w.isVisible());
    } else {
        QTRY_VERIFY(w.isMinimized());
    }
    QVERIFY(tickTimer(reminder)->isActive());

    // Configure brings it back as it was.
    w.mnuConfig_Click();
    QTRY_VERIFY(w.isVisible() && !w.isMinimized());
}

void TestMainWindow::programmaticCloseGoesAhead()
{
    Window fixture;
    auto &[store, clock, app, reminder, w] = fixture;
    setTray(app, true);
    w.show();
    w.endProgram();
    QVERIFY(w.close());
    QVERIFY(!w.isVisible());
    // The tick stops only when the program ends, with the last save.
    QVERIFY(tickTimer(reminder)->isActive());
    reminder.finish();
    QVERIFY(!tickTimer(reminder)->isActive());
}

void TestMainWindow::everyLanguageFits_data()
{
    QTest::addColumn<QString>("language");
    QTest::newRow("en: every text shows whole and nothing overlaps") << QString();
    const QStringList languages = QStringLiteral(DORVANE_LANGUAGES).split(u',');
    for (const QString &language : languages)
        QTest::addRow("%s: every text shows whole and nothing overlaps", qPrintable(language)) << language;
}

void TestMainWindow::everyLanguageFits()
{
    QFETCH(QString, language);
    Translation translation;
    const auto english = qScopeGuard([&] { translation.use(QString()); });
    QVERIFY(translation.use(language));

    QStringList faults;
    {
        Window fixture;
        auto &[store, clock, app, reminder, w] = fixture;
        app.Form_Load();
        faults << layoutFaults(w);
        auto *fraDays = child<QGroupBox>(w, u"fraDays"_qs);
        if (!clearOfCaption(fraDays, child<QWidget>(w, u"imgHelp_1"_qs)))
            faults << u"imgHelp_1 covers the caption \"%1\""_qs.arg(fraDays->title());
        // Right to left, the window is the mirror image: the times on the right.
        if (QLocale(language).textDirection() == Qt::RightToLeft
            && fraDays->x() <= child<QGroupBox>(w, u"Frame1"_qs)->x())
            faults << u"fraDays stands left of Frame1"_qs;
    }
    for (const int topic : { 0, 1 }) {
        HelpWindow help;
        help.fillTopic(static_cast<qint16>(topic));
        faults << layoutFaults(help);
    }
    auto *alert = new AlertWindow;
    alert->showOnScreen(QGuiApplication::primaryScreen());
    if (const QString text = clipped(alert->cmdOK); !text.isEmpty())
        faults << u"the alert's button cuts \"%1\" off"_qs.arg(text);
    alert->close();
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
