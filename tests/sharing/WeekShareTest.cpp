#include "sharing/WeekShare.h"
#include "data/IngredientGroupItems.h"
#include "data/TDataModule1.h"
#include "sharing/ICalendar.h"
#include "support/Radicale.h"
#include "support/TestDataFile.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>
#include <memory>

namespace {

class NoBox : public IngredientGroupItems {
public:
    void setIngredientGroupItems(const QStringList &) override {}
};

constexpr int Week = 50;
constexpr int Year = 2026;

class WeekShareTest : public ::testing::Test {
protected:
    WeekShareTest() {
        // A week of 21 planned meals (morning, noon and night) and a list of 40 items.
        file.exec(QStringLiteral("DELETE FROM Menu; DELETE FROM ShoppingList"));
        for (int day = 0; day < 7; ++day)
            for (const char *code : {"1", "3", "5"})
                file.exec(QStringLiteral(
                              "INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) "
                              "SELECT %1,%2,%3,'%4',Meal_ID FROM Meal ORDER BY Meal_ID LIMIT 1 OFFSET %5")
                              .arg(Week)
                              .arg(Year)
                              .arg(day)
                              .arg(QLatin1String(code))
                              .arg(day * 3 + QByteArray(code).toInt() / 2));
        for (int n = 1; n <= 40; ++n)
            file.exec(
                QStringLiteral("INSERT INTO ShoppingList(WeekNumber,YearNumber,IngredientsDescription,"
                               "IngredientsCount,IngredientsType,IngredientsAmount) VALUES(%1,%2,'%3',%4,"
                               "'%5',%6)")
                    .arg(Week)
                    .arg(Year)
                    .arg(n == 7 ? QStringLiteral("Crème fraîche \"full\" 30%")
                                : QStringLiteral("Item %1").arg(n))
                    .arg(n % 3 + 1)
                    .arg(n % 2 ? QStringLiteral("Dairy") : QStringLiteral("Veg, fruit"))
                    .arg(n % 4 == 0 ? QStringLiteral("'500 g'") : QStringLiteral("NULL")));
        EXPECT_TRUE(radicale.running()) << "radicale could not be started";
        QUrl tasks;
        QUrl meals;
        caldav::Client setup(radicale.url(), QLatin1String(Radicale::User),
                             QString::fromUtf8(Radicale::Password));
        EXPECT_TRUE(setup.makeCollection(QStringLiteral("Shopping"), true, tasks).ok());
        EXPECT_TRUE(setup.makeCollection(QStringLiteral("Meals"), false, meals).ok());
        settings.server = radicale.url();
        settings.user = QLatin1String(Radicale::User);
        settings.taskList = tasks;
        settings.calendar = meals;
    }
    QString value(const QString &sql) {
        data->runSql(sql);
        const QString v = data->SQL.isEmpty() ? QString() : data->SQL.value(0, 0).toString();
        data->SQL.close();
        return v;
    }
    /// The week's list and menu as the book holds them.
    QString book() {
        return value(
                   QStringLiteral("SELECT group_concat(r, '/') FROM (SELECT IngredientsDescription || '|' || "
                                  "coalesce(IngredientsAmount,'') || '|' || IngredientsBought AS r FROM "
                                  "ShoppingList ORDER BY ShoppingListID)")) +
               value(QStringLiteral("SELECT group_concat(Meal_ID, ',') FROM Menu"));
    }
    sharing::Result share() { return sharing::shareWeek(*data, client, settings, Week, Year); }

    TestDataFile file{TestDataFile::Contents::Starter};
    NoBox box;
    std::unique_ptr<TDataModule1> data = std::make_unique<TDataModule1>(box, file.path());
    Radicale radicale;
    sharing::Settings settings;
    caldav::Client client{radicale.url(), QLatin1String(Radicale::User),
                          QString::fromUtf8(Radicale::Password)};
    Phone phone;
};

} // namespace

TEST_F(WeekShareTest, TheWeekReachesThePhonesAndTheirTicksAndItemsComeBack) {
    ASSERT_TRUE(radicale.running());
    QList<caldav::Collection> collections;
    ASSERT_TRUE(client.collections(collections).ok());
    ASSERT_EQ(collections.size(), 2);
    for (const caldav::Collection &c : collections)
        EXPECT_TRUE(c.name == QLatin1String("Shopping") ? c.tasks && !c.events : c.events && !c.tasks)
            << qPrintable(c.name);

    sharing::Result first = share();
    ASSERT_TRUE(first.outcome.ok()) << qPrintable(first.outcome.failure);
    EXPECT_EQ(first.itemsWritten, 40);
    EXPECT_EQ(first.mealsWritten, 21);
    QStringList todos = phone.components(settings.taskList, "VTODO");
    ASSERT_EQ(todos.size(), 40);
    QStringList summaries;
    for (const QString &todo : std::as_const(todos))
        summaries << propertyOf(todo, "SUMMARY");
    EXPECT_TRUE(summaries.contains(QStringLiteral("Item 4\\, 500 g"))) << "the amount beside the name";
    EXPECT_TRUE(summaries.contains(QStringLiteral("Item 5 × 3"))) << "the count where there is no amount";
    EXPECT_TRUE(summaries.contains(QStringLiteral("Crème fraîche \"full\" 30% × 2")));
    EXPECT_TRUE(todos.first().contains(QStringLiteral("CATEGORIES:")));
    EXPECT_TRUE(std::all_of(todos.cbegin(), todos.cend(), [](const QString &t) {
        return propertyOf(t, "STATUS") == QLatin1String("NEEDS-ACTION");
    }));
    const QStringList events = phone.components(settings.calendar, "VEVENT");
    ASSERT_EQ(events.size(), 21);
    QStringList starts;
    for (const QString &event : events)
        starts << propertyOf(event, "DTSTART");
    // Saturday 12 December 2026 at the meal times' hours; Friday night at 19:00.
    EXPECT_TRUE(starts.contains(QStringLiteral("20261212T080000")));
    EXPECT_TRUE(starts.contains(QStringLiteral("20261212T123000")));
    EXPECT_TRUE(starts.contains(QStringLiteral("20261218T190000")));
    EXPECT_FALSE(propertyOf(events.first(), "DESCRIPTION").isEmpty())
        << "the recipe's ingredients and method";

    // Sharing again writes nothing that did not change.
    sharing::Result again = share();
    ASSERT_TRUE(again.outcome.ok());
    EXPECT_EQ(again.itemsWritten + again.mealsWritten + again.deleted, 0);

    // In the shop: two items ticked, one added, as a phone does it.
    QList<caldav::Object> objects;
    ASSERT_TRUE(client.objects(settings.taskList, "VTODO", objects).ok());
    int ticked = 0;
    for (const caldav::Object &object : std::as_const(objects)) {
        std::optional<ical::Task> task = ical::readTask(object.data);
        if (!task ||
            (task->summary != QStringLiteral("Item 1 × 2") && task->summary != QStringLiteral("Item 2 × 3")))
            continue;
        task->completed = true;
        int status = 0;
        phone.send("PUT", object.url, ical::taskObject(*task), object.etag.toUtf8(), &status);
        EXPECT_EQ(status / 100, 2);
        ++ticked;
    }
    ASSERT_EQ(ticked, 2);
    int status = 0;
    phone.send(
        "PUT", caldav::objectUrl(settings.taskList, QStringLiteral("phone-1@example.org")),
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VTODO\r\nUID:phone-1@example.org\r\n"
        "DTSTAMP:20261210T120000Z\r\nSUMMARY:Birthday candles\r\nSTATUS:NEEDS-ACTION\r\nEND:VTODO\r\n"
        "END:VCALENDAR\r\n",
        {}, &status);
    ASSERT_EQ(status, 201);
    sharing::Result refreshed = sharing::refreshWeek(*data, client, settings, Week, Year);
    ASSERT_TRUE(refreshed.outcome.ok()) << qPrintable(refreshed.outcome.failure);
    EXPECT_EQ(refreshed.ticksTaken, 2);
    EXPECT_EQ(refreshed.added, QStringList{QStringLiteral("Birthday candles")});
    EXPECT_EQ(value(QStringLiteral("SELECT group_concat(IngredientsDescription, ',') FROM (SELECT * FROM "
                                   "ShoppingList WHERE IngredientsBought ORDER BY ShoppingListID)")),
              QStringLiteral("Item 1,Item 2"));
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM ShoppingList WHERE IngredientsDescription='Birthday "
                                   "candles'")),
              QStringLiteral("1"));
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM ShoppingListHandEdits WHERE WeekNumber=50")),
              QStringLiteral("1"))
        << "an item from a phone is a hand edit";
    EXPECT_TRUE(sharing::refreshWeek(*data, client, settings, Week, Year).added.isEmpty()) << "taken once";

    // The menu changed and a row removed here; a row changed both here and on a phone.
    file.exec(QStringLiteral(
        "DELETE FROM Menu WHERE Day_Number=6 AND Menu_Time='5';"
        "UPDATE Menu SET Meal_ID=(SELECT max(Meal_ID) FROM Meal) WHERE Day_Number=0 AND "
        "Menu_Time='1';"
        "DELETE FROM ShoppingList WHERE IngredientsDescription='Item 3';"
        "UPDATE ShoppingList SET IngredientsAmount='2 kg' WHERE IngredientsDescription='Item 6'"));
    ASSERT_TRUE(client.objects(settings.taskList, "VTODO", objects).ok());
    for (const caldav::Object &object : std::as_const(objects)) {
        std::optional<ical::Task> task = ical::readTask(object.data);
        if (task && task->summary == QLatin1String("Item 6")) {
            task->summary = QStringLiteral("Item 6, the big bag");
            task->completed = true;
            phone.send("PUT", object.url, ical::taskObject(*task), object.etag.toUtf8());
        }
    }
    sharing::Result third = share();
    ASSERT_TRUE(third.outcome.ok()) << qPrintable(third.outcome.failure);
    EXPECT_EQ(third.merged, QStringList{QStringLiteral("Item 6")});
    todos = phone.components(settings.taskList, "VTODO");
    summaries.clear();
    for (const QString &todo : std::as_const(todos))
        summaries << propertyOf(todo, "SUMMARY");
    EXPECT_EQ(todos.size(), 40) << "one removed, the phone's one kept, nothing twice";
    EXPECT_EQ(summaries.removeDuplicates(), 0);
    EXPECT_FALSE(summaries.contains(QStringLiteral("Item 3 × 1")));
    EXPECT_TRUE(summaries.contains(QStringLiteral("Item 6\\, 2 kg"))) << "this text wins";
    EXPECT_EQ(value(QStringLiteral(
                  "SELECT IngredientsBought FROM ShoppingList WHERE IngredientsDescription='Item 6'")),
              QStringLiteral("true"))
        << "the phone's tick wins";
    EXPECT_EQ(phone.components(settings.calendar, "VEVENT").size(), 20);
}

TEST_F(WeekShareTest, AWrongPasswordAStoppedServerOrAFailingOneChangeNothingInTheBook) {
    ASSERT_TRUE(radicale.running());
    ASSERT_TRUE(share().outcome.ok());
    // A tick on a phone that must not reach the book while the sharing fails.
    QList<caldav::Object> objects;
    ASSERT_TRUE(client.objects(settings.taskList, "VTODO", objects).ok());
    std::optional<ical::Task> task = ical::readTask(objects.first().data);
    task->completed = true;
    phone.send("PUT", objects.first().url, ical::taskObject(*task), objects.first().etag.toUtf8());
    file.exec(QStringLiteral("DELETE FROM Menu WHERE Day_Number=3"));
    const QString before = book();

    caldav::Client wrong(radicale.url(), QLatin1String(Radicale::User), QStringLiteral("guess"));
    sharing::Result refused = sharing::shareWeek(*data, wrong, settings, Week, Year);
    EXPECT_TRUE(refused.outcome.failure.contains(QStringLiteral("refused the user name or password")))
        << qPrintable(refused.outcome.failure);
    EXPECT_EQ(book(), before);

    // A server that lists the items and then fails, and one that drops the connection half-way.
    for (const char *answer : {"HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n", ""}) {
        QTcpServer failing;
        failing.listen(QHostAddress::LocalHost);
        QByteArray listing = phone.send("REPORT", settings.taskList,
                                        "<?xml version=\"1.0\"?><c:calendar-query xmlns:d=\"DAV:\" "
                                        "xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:prop><d:getetag/>"
                                        "<c:calendar-data/></d:prop></c:calendar-query>");
        QObject::connect(&failing, &QTcpServer::newConnection, [&] {
            QTcpSocket *socket = failing.nextPendingConnection();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, answer, listing] {
                const QByteArray request = socket->readAll();
                if (request.startsWith("REPORT"))
                    socket->write(
                        "HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\nContent-Length: " +
                        QByteArray::number(listing.size()) + "\r\n\r\n" + listing);
                else if (request.startsWith("PUT") || request.startsWith("DELETE"))
                    socket->write(answer);
                if (!request.startsWith("REPORT") && QByteArray(answer).isEmpty())
                    socket->abort();
            });
        });
        sharing::Settings elsewhere = settings;
        elsewhere.taskList.setPort(failing.serverPort());
        elsewhere.calendar.setPort(failing.serverPort());
        caldav::Client failingClient(elsewhere.taskList, QLatin1String(Radicale::User), QStringLiteral("x"));
        file.exec(QStringLiteral(
            "UPDATE ShoppingList SET IngredientsAmount='1 kg' WHERE IngredientsDescription='Item 9'"));
        const QString changed = book();
        const sharing::Result failed = sharing::shareWeek(*data, failingClient, elsewhere, Week, Year);
        EXPECT_FALSE(failed.outcome.ok());
        EXPECT_FALSE(failed.outcome.failure.isEmpty());
        EXPECT_TRUE(QByteArray(answer).isEmpty()
                        ? failed.outcome.failure.startsWith(QStringLiteral("No connection"))
                        : failed.outcome.failure.contains(QStringLiteral("(500)")))
            << qPrintable(failed.outcome.failure);
        EXPECT_EQ(book(), changed);
    }

    // A sharing stopped after ten requests is made whole by the next one, nothing twice.
    file.exec(
        QStringLiteral("UPDATE ShoppingList SET IngredientsAmount='3 kg' WHERE IngredientsAmount IS NULL"));
    int requests = 0;
    client.cancelled = [&requests] { return ++requests > 10; };
    EXPECT_TRUE(share().outcome.cancelled);
    client.cancelled = {};
    ASSERT_TRUE(share().outcome.ok());
    QStringList summaries;
    for (const QString &todo : phone.components(settings.taskList, "VTODO"))
        summaries << propertyOf(todo, "SUMMARY");
    EXPECT_EQ(summaries.size(), 40);
    EXPECT_EQ(summaries.filter(QStringLiteral("3 kg")).size(), 29) << "every changed row, once";

    // An address that is no CalDAV server is told as such.
    QTcpServer plain;
    plain.listen(QHostAddress::LocalHost);
    QObject::connect(&plain, &QTcpServer::newConnection, [&plain] {
        QTcpSocket *socket = plain.nextPendingConnection();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
            socket->readAll();
            socket->write(
                "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nContent-Length: 13\r\n\r\n<html></html>");
        });
    });
    caldav::Client web(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(plain.serverPort())),
                       QStringLiteral("a"), QStringLiteral("b"));
    QList<caldav::Collection> none;
    EXPECT_TRUE(
        web.collections(none).failure.contains(QStringLiteral("is not the address of a CalDAV server")));

    radicale.stop();
    const sharing::Result offline = share();
    EXPECT_TRUE(offline.outcome.failure.startsWith(QStringLiteral("No connection")))
        << qPrintable(offline.outcome.failure);
}
