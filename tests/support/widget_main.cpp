// One application object for the whole run of a widget test program, on the offscreen platform.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The copies the program makes of its books go to a folder of the run's own, never the user's.
    QTemporaryDir backups;
    qputenv("MEALVANE_BACKUP_DIR", backups.path().toUtf8());
    // And the settings it remembers between runs, to a folder of the run's own.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
