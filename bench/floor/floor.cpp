// The least a tray utility like Dorvane can cost: one window, one tray icon, one 30-second timer.
// bench/footprint.sh measures it beside the real program, so that Dorvane's figures are read as
// ratios to what Qt itself takes on the same desktop.
//
// With --text the window also shows one line of text, which brings in the font stack
// (fontconfig, FreeType, HarfBuzz): a second floor for any window that has words in it.

#include <QApplication>
#include <QIcon>
#include <QLabel>
#include <QPixmap>
#include <QShortcut>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);

    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::darkGreen);
    QSystemTrayIcon tray{QIcon(pixmap)};
    tray.setToolTip(QStringLiteral("Floor"));
    tray.show();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor: Configuration"));
    window.setFixedSize(481, 279);
    if (QCoreApplication::arguments().contains(QStringLiteral("--text"))) {
        auto *label = new QLabel(QStringLiteral("Message to display:"), &window);
        label->setFont(QFont(QStringLiteral("Arial"), 8));
        label->move(8, 8);
    }
    // Esc hides the window to the tray, as Dorvane's Hide does, so both can idle out of sight.
    QShortcut hide(QKeySequence(Qt::Key_Escape), &window);
    QObject::connect(&hide, &QShortcut::activated, &window, &QWidget::hide);
    window.show();

    int ticks = 0;
    QTimer timer;
    timer.setInterval(30000);
    QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
    timer.start();
    return QApplication::exec();
}
