// One application object on the X display the test runs under, for tests that drive the real mouse.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    QTemporaryDir backups;
    qputenv("MEALVANE_BACKUP_DIR", backups.path().toUtf8());
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
