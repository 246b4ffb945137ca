// The hand-over to the mail program, with a stand-in xdg-email on PATH that records its arguments and ends
// with the status the test chooses.
#include "toolkit/ui/DesktopMailer.h"
#include "support/ProgramTest.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>
#include <gtest/gtest.h>

namespace {

class DesktopMailerTest : public ProgramTest {
protected:
    DesktopMailerTest()
        : ProgramTest(QDateTime(QDate(2026, 12, 9), QTime(9, 0))) {
        savedPath = qgetenv("PATH");
        record = bin.filePath(QStringLiteral("arguments"));
        qputenv("FAKE_MAIL_RECORD", record.toUtf8());
        qputenv("PATH", bin.path().toUtf8());
    }
    ~DesktopMailerTest() override {
        qputenv("PATH", savedPath);
        qunsetenv("FAKE_MAIL_EXIT");
    }
    void installFake() {
        QFile script(bin.filePath(QStringLiteral("xdg-email")));
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\0' \"$a\"; done > \"$FAKE_MAIL_RECORD\"\n"
                     "exit ${FAKE_MAIL_EXIT:-0}\n");
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
    QStringList arguments() {
        QFile recorded(record);
        if (!recorded.open(QIODevice::ReadOnly))
            return {};
        QStringList out;
        for (const QByteArray &a : recorded.readAll().split('\0'))
            out << QString::fromUtf8(a);
        out.removeLast();
        return out;
    }
    int send(const QString &body) {
        QFile::remove(record);
        MailMessage message;
        message.subject = QStringLiteral("VaneRecipe - Pancakes");
        message.body = body;
        DesktopMailer real;
        mailer.result = real.send(message);
        // Through the page's own path, so that its box shows as the user sees it.
        return w.SendMailMAPI(message);
    }

    QTemporaryDir bin;
    QString record;
    QByteArray savedPath;
};

} // namespace

TEST_F(DesktopMailerTest, SuccessOnlyWhenTheHandOverSucceeded) {
    installFake();
    EXPECT_EQ(send(QStringLiteral("Pancakes\r\n")), 0);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(arguments(),
              (QStringList{"--utf8", "--subject", "VaneRecipe - Pancakes", "--body", "Pancakes\n"}));
    for (const int status : {1, 3, 4}) {
        qputenv("FAKE_MAIL_EXIT", QByteArray::number(status));
        dialogs.errors.clear();
        EXPECT_EQ(send(QStringLiteral("Pancakes")), status);
        EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Error sending mail (%1).").arg(status)});
    }
}

TEST_F(DesktopMailerTest, NoHandOverProgramAtAllIsMinusOne) {
    // Neither xdg-email nor anything to open a mailto: address is on PATH.
    EXPECT_EQ(send(QStringLiteral("Pancakes")), Mailer::NoMailSystem);
    EXPECT_EQ(dialogs.errors, QStringList{QStringLiteral("Error sending mail (-1).")});
}

TEST_F(DesktopMailerTest, OneLineBreakPerLine) {
    installFake();
    send(QStringLiteral("\r\nPancakes\r\n\r\nMix the flour\r\nand the eggs.\r\n"));
    const QStringList sent = arguments();
    ASSERT_EQ(sent.size(), 5);
    EXPECT_EQ(sent[4], QStringLiteral("\nPancakes\n\nMix the flour\nand the eggs.\n"))
        << "xdg-email writes each line break as CR LF itself";
    EXPECT_FALSE(sent[4].contains(u'\r'));
}

TEST_F(DesktopMailerTest, ABodyTooLongForOneArgumentIsRefusedNotCut) {
    installFake();
    QString body;
    while (body.size() < 200 * 1024)
        body += QStringLiteral("Stir the pot slowly, then taste.\r\n");
    EXPECT_EQ(send(body), Mailer::TooLong);
    EXPECT_TRUE(arguments().isEmpty()) << "nothing was handed over";
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().startsWith(QStringLiteral("This recipe is too long")));
    // Just below the limit it goes through whole.
    dialogs.errors.clear();
    body = QString(40000, u'a');
    EXPECT_EQ(send(body), 0);
    ASSERT_EQ(arguments().size(), 5);
    EXPECT_EQ(arguments()[4].size(), 40000);
}

TEST_F(DesktopMailerTest, BackslashesAndPerCentsReachTheMailProgramAsWritten) {
    // The desktop's own xdg-email, handing the message to a mail program of the test's that records the
    // address it is given.
    const QString xdgEmail = QStandardPaths::findExecutable(
        QStringLiteral("xdg-email"), {QStringLiteral("/usr/bin"), QStringLiteral("/bin")});
    ASSERT_FALSE(xdgEmail.isEmpty());
    const QString got = bin.filePath(QStringLiteral("got"));
    QFile recorder(bin.filePath(QStringLiteral("recorder")));
    ASSERT_TRUE(recorder.open(QIODevice::WriteOnly));
    recorder.write("#!/bin/sh\nprintf '%s' \"$1\" > \"" + got.toUtf8() + "\"\n");
    recorder.close();
    recorder.setPermissions(recorder.permissions() | QFileDevice::ExeOwner);
    QDir(bin.path()).mkpath(QStringLiteral("applications"));
    QFile entry(bin.filePath(QStringLiteral("applications/recordingmail.desktop")));
    ASSERT_TRUE(entry.open(QIODevice::WriteOnly));
    entry.write("[Desktop Entry]\nType=Application\nName=Recording Mail\nExec=" +
                recorder.fileName().toUtf8() + " %u\nMimeType=x-scheme-handler/mailto;\n");
    entry.close();
    QFile list(bin.filePath(QStringLiteral("mimeapps.list")));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("[Default Applications]\nx-scheme-handler/mailto=recordingmail.desktop\n");
    list.close();
    std::vector<std::pair<const char *, QByteArray>> saved;
    for (const auto &[name, value] : std::initializer_list<std::pair<const char *, QByteArray>>{
             {"PATH", bin.path().toUtf8() + ":/usr/bin:/bin"},
             {"XDG_DATA_HOME", bin.path().toUtf8()},
             {"XDG_DATA_DIRS", bin.path().toUtf8()},
             {"XDG_CONFIG_HOME", bin.path().toUtf8()},
             {"DISPLAY", ":97"},
             {"XDG_CURRENT_DESKTOP", ""},
             {"DESKTOP_SESSION", ""}}) {
        saved.emplace_back(name, qgetenv(name));
        qputenv(name, value);
    }
    const auto restore = qScopeGuard([&] {
        for (const auto &[name, value] : saved)
            qputenv(name, value);
    });
    const QString body = QStringLiteral("Ingredients:\r\nflour\\cthe rest\r\nC:\\new\\\\ 100% \\n sugar\r\n");
    EXPECT_EQ(send(body), 0);
    QFile address(got);
    ASSERT_TRUE(address.open(QIODevice::ReadOnly)) << "the mail program was not reached";
    const QUrlQuery fields(QUrl::fromEncoded(address.readAll()).query(QUrl::FullyEncoded));
    EXPECT_EQ(fields.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded), body);
    EXPECT_EQ(fields.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("VaneRecipe - Pancakes"));
}
