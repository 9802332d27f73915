#include "windowroles.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface *windowRole(const QString &className, QObject *object)
{
    // Qt asks for each class of an object's ancestry, most derived first.
    if (className == QLatin1String("MainWindow"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (className == QLatin1String("AlertWindow"))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::AlertMessage);
    return nullptr;
}

} // namespace

void WindowRoles::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(windowRole);
        return true;
    }();
    Q_UNUSED(installed);
}
