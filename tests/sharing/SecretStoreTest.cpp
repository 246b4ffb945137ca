#include "sharing/SecretStore.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

// Through the real store: run by ctest under tests/support/with-keyring, which starts a keyring daemon of
// the test's own; skipped elsewhere.
TEST(SecretStore, APasswordGoesThroughTheDesktopsStoreAndIntoNoPlainFile) {
    if (!qEnvironmentVariableIsSet("MEALVANE_SECRET_STORE"))
        GTEST_SKIP() << "no secret store of the test's own";
    const QString key =
        secretstore::keyFor(QStringLiteral("https://dav.example.org/"), QStringLiteral("anna"));
    const QString password = QStringLiteral("pässwörd \"100%\" 'x'");
    QString failure;
    ASSERT_TRUE(secretstore::store(key, password, &failure)) << qPrintable(failure);
    EXPECT_EQ(secretstore::read(key, &failure), password) << qPrintable(failure);
    // The store holds it, as any other program of the desktop finds it there.
    QProcess lookup;
    lookup.start(QStringLiteral("secret-tool"), {QStringLiteral("search"), QStringLiteral("--all"),
                                                 QStringLiteral("server"), QStringLiteral("Mealvane")});
    ASSERT_TRUE(lookup.waitForFinished(10000));
    const QByteArray found = lookup.readAllStandardOutput() + lookup.readAllStandardError();
    EXPECT_TRUE(found.contains(password.toUtf8())) << found.constData();
    // No file of the home holds it as it was typed.
    for (QDirIterator it(qEnvironmentVariable("HOME"), QDir::Files | QDir::Hidden,
                         QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly)) {
            EXPECT_FALSE(file.readAll().contains(password.toUtf8())) << qPrintable(file.fileName());
        }
    }
    EXPECT_TRUE(secretstore::forget(key));
    EXPECT_TRUE(secretstore::read(key, &failure).isEmpty());
    EXPECT_EQ(failure, QStringLiteral("no password is kept for it"));
}
