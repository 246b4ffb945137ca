#include "sharing/SharingDialog.h"
#include "support/ProgramTest.h"
#include "support/Radicale.h"
#include "toolkit/widgets/DBGrid.h"
#include "toolkit/widgets/ReportPreview.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class SharingPageTest : public ProgramTest {
protected:
    SharingPageTest()
        : ProgramTest(QDateTime(QDate(2026, 12, 14), QTime(9, 0))) {
        // The selected week: a few meals and a list.
        file.exec(QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) "
                                 "SELECT %1,%2,0,'3',Meal_ID FROM Meal WHERE Meal_Name='Pancakes';"
                                 "INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) "
                                 "SELECT %1,%2,6,'5',Meal_ID FROM Meal WHERE Meal_Name='Fish pie'")
                      .arg(w.SelectedWeek)
                      .arg(w.SelectedYear));
        w.JvXPBar2Click();
        w.RbButton11Click();
        w.showModal = [this](QDialog &dialog) {
            auto *sharing = qobject_cast<SharingDialog *>(&dialog);
            if (sharing == nullptr || !fill)
                return;
            sharing->findChild<QLineEdit *>(QStringLiteral("SharingServer"))
                ->setText(radicale.url().toString());
            sharing->findChild<QLineEdit *>(QStringLiteral("SharingUser"))
                ->setText(QLatin1String(Radicale::User));
            sharing->findChild<QLineEdit *>(QStringLiteral("SharingPassword"))->setText(password);
            sharing->findChild<QPushButton *>(QStringLiteral("TestConnection"))->click();
            said << sharing->status()->text();
            sharing->accept();
        };
    }
    QString rows() {
        return firstValue(
            QStringLiteral("SELECT group_concat(IngredientsDescription || '=' || IngredientsBought, "
                           "'/') FROM (SELECT * FROM ShoppingList ORDER BY ShoppingListID)"));
    }

    Radicale radicale;
    Phone phone;
    bool fill = true;
    QString password = QString::fromUtf8(Radicale::Password);
    QStringList said;
};

} // namespace

TEST_F(SharingPageTest, SetUpSharedTickedOnAPhoneShownPrintedAndExported) {
    ASSERT_TRUE(radicale.running());
    // Share Week before sharing is set up asks for the server first, then shares.
    w.findChild<QPushButton *>(QStringLiteral("ShareWeek"))->click();
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].startsWith(QStringLiteral("Reached 127.0.0.1: 0 task lists"))) << qPrintable(said[0]);
    ASSERT_TRUE(dialogs.errors.isEmpty()) << qPrintable(dialogs.errors.join(u'\n'));
    const int items = firstValue(QStringLiteral("SELECT count(*) FROM ShoppingList")).toInt();
    ASSERT_GT(items, 5);
    EXPECT_TRUE(w.statusBar()->currentMessage().startsWith(
        QStringLiteral("Week %1 shared: %2 items and 2 meals").arg(w.SelectedWeek).arg(items)))
        << qPrintable(w.statusBar()->currentMessage());
    // The password is in the secret store, not in the book.
    EXPECT_EQ(secrets.kept.value(QStringLiteral("anna@") + radicale.url().toString()), password);
    QFile book(file.path());
    ASSERT_TRUE(book.open(QIODevice::ReadOnly));
    EXPECT_FALSE(book.readAll().contains(password.toUtf8()));
    const QUrl tasks(firstValue(QStringLiteral("SELECT Setting_Value FROM Book_Settings WHERE "
                                               "Setting_Name='Share Task List'")));
    const QStringList todos = phone.components(tasks, "VTODO");
    ASSERT_EQ(todos.size(), items);

    // Ticked in the shop; the shopping page shows it when opened, and the checklist prints it ticked.
    QList<caldav::Object> objects;
    caldav::Client client(radicale.url(), QLatin1String(Radicale::User), password);
    ASSERT_TRUE(client.objects(tasks, "VTODO", objects).ok());
    for (const caldav::Object &object : std::as_const(objects)) {
        std::optional<ical::Task> task = ical::readTask(object.data);
        if (task->summary.startsWith(QLatin1String("Eggs"))) {
            task->completed = true;
            phone.send("PUT", object.url, ical::taskObject(*task), object.etag.toUtf8());
        }
    }
    w.JvXPBar1Items0Click();
    w.JvXPBar2Click();
    EXPECT_TRUE(rows().contains(QStringLiteral("Eggs=1"))) << qPrintable(rows());
    const QAbstractItemModel *grid = w.DBGrid9->model();
    QStringList ticked;
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->index(r, 4).data().toString() == QStringLiteral("\u2713"))
            ticked << grid->index(r, 0).data().toString();
    EXPECT_EQ(ticked, QStringList{QStringLiteral("Eggs")});
    // A click in the column unticks it again here.
    const int eggs =
        w.DBGrid9->model()->match(grid->index(0, 0), Qt::DisplayRole, QStringLiteral("Eggs")).first().row();
    const auto clickBought = [&] {
        const QRect cell = w.DBGrid9->visualRect(w.DBGrid9->model()->index(eggs, 4));
        QTest::mouseClick(w.DBGrid9->viewport(), Qt::LeftButton, {}, cell.center());
    };
    clickBought();
    EXPECT_TRUE(rows().contains(QStringLiteral("Eggs=0"))) << qPrintable(rows());
    clickBought();
    EXPECT_TRUE(rows().contains(QStringLiteral("Eggs=1"))) << qPrintable(rows());
    QTemporaryDir out;
    w.showReport = [&](const report::BandReport &r) {
        EXPECT_TRUE(saveReportAsPdf(r, out.filePath(QStringLiteral("list.pdf"))));
    };
    w.RbButton20Click();
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {out.filePath(QStringLiteral("list.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_EQ(printed.count(QStringLiteral("\u2713")), 1) << qPrintable(printed);

    // The week as one calendar file.
    dialogs.fileAnswers = {out.filePath(QStringLiteral("week"))};
    w.findChild<QAction *>(QStringLiteral("ActionExportCalendar"))->trigger();
    QFile calendar(out.filePath(QStringLiteral("week.ics")));
    ASSERT_TRUE(calendar.open(QIODevice::ReadOnly));
    const QByteArray ics = calendar.readAll();
    EXPECT_EQ(ics.count("BEGIN:VEVENT"), 2);
    EXPECT_EQ(ics.count("BEGIN:VTODO"), items);
    EXPECT_EQ(ics.count("STATUS:COMPLETED"), 1);

    // Cancelled while the server is awaited: nothing changes here.
    const QString before = rows();
    w.sharingCancelled = [] { return true; };
    w.findChild<QAction *>(QStringLiteral("ActionShareWeek"))->trigger();
    EXPECT_EQ(w.statusBar()->currentMessage(), QStringLiteral("Sharing cancelled: nothing was changed here"));
    EXPECT_EQ(rows(), before);
}

TEST_F(SharingPageTest, AWrongPasswordIsSaidAndNothingIsKept) {
    ASSERT_TRUE(radicale.running());
    password = QStringLiteral("guess");
    w.findChild<QAction *>(QStringLiteral("ActionSharing"))->trigger();
    ASSERT_EQ(said.size(), 1);
    EXPECT_TRUE(said[0].contains(QStringLiteral("refused the user name or password"))) << qPrintable(said[0]);
    EXPECT_TRUE(secrets.kept.isEmpty());
    EXPECT_TRUE(
        firstValue(QStringLiteral("SELECT count(*) FROM Book_Settings WHERE Setting_Name LIKE 'Share%'")) ==
        QStringLiteral("0"));
    // No secret store: said, and sharing stays unset.
    password = QString::fromUtf8(Radicale::Password);
    secrets.refuse = true;
    w.findChild<QAction *>(QStringLiteral("ActionSharing"))->trigger();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("no secret store running")))
        << qPrintable(dialogs.errors[0]);
}
