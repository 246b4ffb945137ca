#include "app/Mealvane.h"
#include "toolkit/ui/Clock.h"
#include "toolkit/ui/DesktopShell.h"
#include "toolkit/ui/WidgetDialogs.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Mealvane"));
    QApplication::setApplicationDisplayName(QStringLiteral("Mealvane"));
    // Ties the windows to the desktop entry, for the icon and the window list.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mealvane.Mealvane"));
    WidgetDialogs dialogs;
    DesktopShell shell;
    SystemClock clock;
    return runMealvane({dialogs, shell, clock});
}
