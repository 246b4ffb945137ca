// One application object for the whole run of a core test program.
#include <QCoreApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv) {
    // Whatever makes copies of a book or remembers a setting does it in folders of the run's own.
    QTemporaryDir backups;
    qputenv("MEALVANE_BACKUP_DIR", backups.path().toUtf8());
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
