#include "app/Language.h"
#include "app/Mealvane.h"
#include "toolkit/ui/Clock.h"
#include "toolkit/ui/DesktopShell.h"
#include "toolkit/ui/WidgetDialogs.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    nameApplication();
    language::install(language::chosen());
    WidgetDialogs dialogs;
    DesktopShell shell;
    SystemClock clock;
    StartupOptions options;
    options.dailyFullCheck = true;
    return runMealvane({dialogs, shell, clock}, options);
}
