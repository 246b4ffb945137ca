#include "support/TestDataFile.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DatasetModel.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/QueryDataset.h"
#include "toolkit/db/TableDataset.h"

#include <QSignalSpy>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace db;

namespace {

class DatasetTest : public ::testing::Test {
protected:
    void SetUp() override { connection.open(); }
    qint64 count(const QString &sql) {
        Statement s(connection, sql);
        return s.step() ? s.value(0).toLongLong() : -1;
    }

    TestDataFile file;
    Connection connection{file.path()};
};

} // namespace

TEST_F(DatasetTest, TableDatasetAppendsEditsAndDeletesAtOnce) {
    TableDataset groups(QStringLiteral("IGROUP"), connection, QStringLiteral("IGroup"));
    groups.open();
    EXPECT_TRUE(groups.isEmpty());
    EXPECT_EQ(groups.currentRow(), -1);

    groups.append();
    EXPECT_EQ(groups.state(), Dataset::State::Insert);
    groups.setValue(QStringLiteral("igroup_name"), QStringLiteral("Dairy"));
    groups.post();
    EXPECT_EQ(groups.state(), Dataset::State::Browse);
    const qint64 id = groups.field(QStringLiteral("IGROUP_ID")).asInteger();
    EXPECT_GT(id, 0) << "the assigned key shows after the post";
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM IGroup WHERE IGROUP_NAME='Dairy'")), 1);

    groups.edit();
    groups.setValue(QStringLiteral("IGROUP_NAME"), QStringLiteral("Dairy and Eggs"));
    groups.post();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM IGroup WHERE IGROUP_NAME='dairy and eggs'")), 1);

    groups.edit();
    groups.setValue(QStringLiteral("IGROUP_NAME"), QStringLiteral("never"));
    groups.cancel();
    EXPECT_EQ(groups.field(QStringLiteral("IGROUP_NAME")).asString(), QStringLiteral("Dairy and Eggs"));

    groups.append();
    groups.cancel();
    EXPECT_EQ(groups.recordCount(), 1);

    groups.deleteCurrent();
    EXPECT_EQ(groups.recordCount(), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM IGroup")), 0);
    EXPECT_THROW(groups.deleteCurrent(), DbError);
}

TEST_F(DatasetTest, KeysAreNeverReusedAfterADelete) {
    TableDataset meals(QStringLiteral("MEALS"), connection, QStringLiteral("Meal"));
    meals.open();
    meals.append();
    meals.setValue(QStringLiteral("Meal_Name"), QStringLiteral("First"));
    meals.post();
    const qint64 first = meals.field(QStringLiteral("Meal_ID")).asInteger();
    meals.deleteCurrent();
    meals.append();
    meals.setValue(QStringLiteral("Meal_Name"), QStringLiteral("Second"));
    meals.post();
    EXPECT_GT(meals.field(QStringLiteral("Meal_ID")).asInteger(), first)
        << "menu rows left behind by the deleted recipe must not attach to the new one";
}

TEST_F(DatasetTest, AFailedPostKeepsThePendingRowAndTheTableUnchanged) {
    TableDataset meals(QStringLiteral("MEALS"), connection, QStringLiteral("Meal"));
    meals.open();
    meals.append();
    meals.setValue(QStringLiteral("Meal_Name"), QString(51, u'x'));
    try {
        meals.post();
        FAIL() << "a 51-character name must be refused";
    } catch (const DbError &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("Meal_Name"))) << e.what();
    }
    EXPECT_EQ(meals.state(), Dataset::State::Insert);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Meal")), 0);
    meals.setValue(QStringLiteral("Meal_Name"), QString(50, u'x'));
    meals.post();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Meal")), 1);
}

TEST_F(DatasetTest, HostileTextRoundTripsUnchanged) {
    const QString method = QString(10000, u'é') + QStringLiteral("'\"%_;--\r\n\t DROP TABLE Meal;");
    const QString name = QStringLiteral("O'Brien's \"50%\" _crème_ ; --");
    TableDataset meals(QStringLiteral("MEALS"), connection, QStringLiteral("Meal"));
    meals.open();
    meals.append();
    meals.setValue(QStringLiteral("Meal_Name"), name);
    meals.setValue(QStringLiteral("Meal_Recipe"), method);
    meals.setValue(QStringLiteral("Meal_Morning"), true);
    meals.post();
    meals.close();
    meals.open();
    EXPECT_EQ(meals.field(QStringLiteral("Meal_Name")).asString(), name);
    EXPECT_EQ(meals.field(QStringLiteral("Meal_Recipe")).asString(), method);
    EXPECT_EQ(meals.field(QStringLiteral("Meal_Morning")).asString(), QStringLiteral("True"));
    EXPECT_EQ(meals.field(QStringLiteral("Meal_Snack")).asString(), QStringLiteral("False"));
    EXPECT_EQ(meals.field(QStringLiteral("Meal_Picture")).isNull(), true);
}

TEST_F(DatasetTest, ASnapshotShowsChangesOnlyAfterReopening) {
    QueryDataset groups(QStringLiteral("SQLGROUPS"), connection);
    groups.setSql(QStringLiteral("SELECT * FROM IGROUP ORDER BY IGROUP_NAME"));
    groups.open();
    EXPECT_EQ(groups.recordCount(), 0);
    connection.execute(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('b'),('A'),('Ä'),('c')"));
    EXPECT_EQ(groups.recordCount(), 0);
    groups.close();
    groups.open();
    QStringList names;
    for (groups.first(); !groups.eof(); groups.next())
        names << groups.field(QStringLiteral("igroup_name")).asString();
    EXPECT_EQ(names, (QStringList{QStringLiteral("A"), QStringLiteral("Ä"), QStringLiteral("b"),
                                  QStringLiteral("c")}));
}

TEST_F(DatasetTest, NavigationAndFieldsWithoutACurrentRow) {
    QueryDataset q(QStringLiteral("Q"), connection);
    q.setSql(QStringLiteral("SELECT Meal_ID, Meal_Name FROM Meal"));
    q.open();
    EXPECT_TRUE(q.eof());
    EXPECT_TRUE(q.bof());
    EXPECT_FALSE(q.hasCurrentRow());
    EXPECT_TRUE(q.field(QStringLiteral("Meal_ID")).isNull());
    EXPECT_EQ(q.field(QStringLiteral("Meal_ID")).asInteger(), 0);
    EXPECT_EQ(q.field(QStringLiteral("Meal_Name")).asString(), QString());
    try {
        (void)q.field(QStringLiteral("Nothing"));
        FAIL();
    } catch (const DbError &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Q: Field 'Nothing' not found"));
    }

    connection.execute(QStringLiteral("INSERT INTO Meal(Meal_Name) VALUES('a'),('b'),('c')"));
    q.close();
    q.open();
    EXPECT_EQ(q.currentRow(), 0);
    q.last();
    EXPECT_EQ(q.field(QStringLiteral("meal_name")).asString(), QStringLiteral("c"));
    q.next();
    EXPECT_TRUE(q.eof());
    EXPECT_EQ(q.currentRow(), 2) << "moving past the end keeps the last row current";
    q.prior();
    EXPECT_EQ(q.currentRow(), 1);
    EXPECT_TRUE(q.locate(QStringLiteral("Meal_Name"), QStringLiteral("A")));
    EXPECT_EQ(q.currentRow(), 0);
    EXPECT_FALSE(q.locate(QStringLiteral("Meal_Name"), QStringLiteral("zzz")));
}

TEST_F(DatasetTest, ParametersAreNullUntilSetAndBoundByName) {
    connection.execute(
        QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Meal_ID) VALUES(20,2006,1),(20,2005,2)"));
    QueryDataset q(QStringLiteral("SQLSHOP"), connection);
    q.setSql(QStringLiteral("SELECT Meal_ID FROM Menu WHERE Week_Number=:xWeek AND Year_Number=:XYEAR"));
    q.declareParameter(QStringLiteral("xWeek"));
    q.declareParameter(QStringLiteral("xYear"));
    q.open();
    EXPECT_EQ(q.recordCount(), 0);
    q.close();
    q.setParameter(QStringLiteral("XWEEK"), QStringLiteral("20"));
    q.setParameter(QStringLiteral("xyear"), QStringLiteral("2006"));
    q.open();
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.field(QStringLiteral("MEAL_ID")).asInteger(), 1);
    EXPECT_THROW(q.setParameter(QStringLiteral("xMonth"), 1), DbError);
}

TEST_F(DatasetTest, ScratchQueryOpensSelectsAndExecutesTheRest) {
    QueryDataset scratch(QStringLiteral("SQL"), connection);
    scratch.run(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('Fruit')"));
    EXPECT_FALSE(scratch.isOpen());
    scratch.run(QStringLiteral("select count(*) from IGroup"));
    EXPECT_TRUE(scratch.isOpen());
    EXPECT_EQ(Field(scratch.value(0, 0), FieldType::Integer, {}).asInteger(), 1);
    EXPECT_THROW(scratch.run(QStringLiteral("SELEC nothing")), DbError);
    EXPECT_FALSE(scratch.isOpen());
    QueryDataset empty(QStringLiteral("E"), connection);
    EXPECT_THROW(empty.open(), DbError);
}

TEST_F(DatasetTest, LookupFieldsCarryTheWholeNameAndAreEmptyWhenNothingMatches) {
    connection.execute(QStringLiteral(
        "INSERT INTO IGroup(IGROUP_ID,IGROUP_NAME) VALUES(1,'Thirty characters long groups!')"));
    connection.execute(QStringLiteral("INSERT INTO Ingredients(Ingredients_Description,Ingredients_Group) "
                                      "VALUES('Milk',1),('Salt',99),('Water',NULL)"));
    TableDataset groups(QStringLiteral("IGROUP"), connection, QStringLiteral("IGroup"));
    QueryDataset ingredients(QStringLiteral("SQLINGREDIENTS"), connection);
    ingredients.setSql(QStringLiteral("SELECT * FROM INGREDIENTS ORDER BY INGREDIENTS_DESCRIPTION"));
    ingredients.addLookupField(QStringLiteral("IGroup"),
                               {QStringLiteral("Ingredients_Group"), &groups, QStringLiteral("IGROUP_ID"),
                                QStringLiteral("IGROUP_NAME")});
    groups.open();
    ingredients.open();
    QStringList looked;
    for (ingredients.first(); !ingredients.eof(); ingredients.next())
        looked << ingredients.field(QStringLiteral("igroup")).asString();
    EXPECT_EQ(looked, (QStringList{QStringLiteral("Thirty characters long groups!"), QString(), QString()}));
    EXPECT_EQ(groups.field(QStringLiteral("IGROUP_NAME")).asString().size(), 30)
        << "the group itself is whole";

    // The lookup reads the lookup dataset as it stands now.
    groups.edit();
    groups.setValue(QStringLiteral("IGROUP_NAME"), QStringLiteral("Dairy"));
    groups.post();
    ingredients.first();
    EXPECT_EQ(ingredients.field(QStringLiteral("IGroup")).asString(), QStringLiteral("Dairy"));
}

TEST_F(DatasetTest, DuplicateColumnNamesArePrefixedWithTheirTable) {
    connection.execute(QStringLiteral("INSERT INTO Meal(Meal_ID,Meal_Name) VALUES(7,'Toast')"));
    connection.execute(
        QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) "
                       "VALUES(1,2006,0,7,'1')"));
    QueryDataset slot(QStringLiteral("SQLMT1"), connection);
    slot.setSql(QStringLiteral("SELECT MENU.MENU_ID,MENU.MEAL_ID, MEAL.MEAL_ID,MEAL.MEAL_NAME FROM MENU,MEAL "
                               "WHERE MENU.MEAL_ID=MEAL.MEAL_ID"));
    slot.open();
    EXPECT_EQ(slot.field(QStringLiteral("MENU.MEAL_ID")).asInteger(), 7);
    EXPECT_EQ(slot.field(QStringLiteral("meal.meal_id")).asInteger(), 7);
    EXPECT_EQ(slot.fieldIndex(QStringLiteral("MEAL_ID")), -1);
    EXPECT_EQ(slot.field(QStringLiteral("MENU_ID")).asInteger(), 1);
}

TEST_F(DatasetTest, FieldConversions) {
    EXPECT_EQ(Field(QStringLiteral(" 42 "), FieldType::Text, {}).asInteger(), 42);
    EXPECT_THROW(Field(QStringLiteral("abc"), FieldType::Text, {}).asInteger(), DbError);
    EXPECT_EQ(Field(QVariant(true), FieldType::Boolean, {}).asString(), QStringLiteral("True"));
    EXPECT_TRUE(Field(QStringLiteral("True"), FieldType::Text, {}).asBoolean());
    EXPECT_FALSE(Field(QVariant(), FieldType::Boolean, {}).asBoolean());
}

TEST_F(DatasetTest, ModelShowsFieldsAndFollowsTheCurrentRow) {
    connection.execute(QStringLiteral("INSERT INTO Meal(Meal_Name,Meal_Noon) VALUES('b',1),('a',0)"));
    QueryDataset q(QStringLiteral("Q"), connection);
    q.setSql(QStringLiteral("SELECT * FROM Meal ORDER BY Meal_Name"));
    DatasetModel model(q, {QStringLiteral("Meal_Name"), QStringLiteral("Meal_Noon")},
                       {QStringLiteral("Name")});
    EXPECT_EQ(model.rowCount(), 0);
    QSignalSpy moved(&model, &DatasetModel::currentRowChanged);
    q.open();
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("a"));
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), QStringLiteral("True"));
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Name"));
    model.setCurrentRow(1);
    EXPECT_EQ(q.currentRow(), 1);
    ASSERT_FALSE(moved.isEmpty());
    EXPECT_EQ(moved.last().at(0).toInt(), 1);
    q.close();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST_F(DatasetTest, MovingOnPostsThePendingEditAndAFailedPostStaysPut) {
    Statement(connection, QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('One'),('Two'),('Three')"))
        .step();
    TableDataset groups(QStringLiteral("IGROUP"), connection, QStringLiteral("IGroup"));
    groups.open();
    groups.edit();
    groups.setValue(QStringLiteral("IGROUP_NAME"), QStringLiteral("First"));
    groups.next();
    EXPECT_EQ(groups.state(), Dataset::State::Browse);
    EXPECT_EQ(groups.currentRow(), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM IGroup WHERE IGROUP_NAME='First'")), 1);

    groups.edit();
    groups.setValue(QStringLiteral("IGROUP_NAME"), QString(51, u'x'));
    EXPECT_THROW(groups.setCurrentRow(0), DbError);
    EXPECT_EQ(groups.currentRow(), 1) << "the row that could not be written stays current";
    EXPECT_EQ(groups.state(), Dataset::State::Edit);
    groups.cancel();
    groups.first();
    EXPECT_EQ(groups.currentRow(), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM IGroup WHERE IGROUP_NAME='Two'")), 1);
}

namespace {

/// A table dataset whose held rows a test can look into.
class HeldRows : public TableDataset {
public:
    using TableDataset::TableDataset;
    qint64 heldBytes() {
        qint64 bytes = 0;
        for (const auto &row : rows())
            for (const QVariant &v : row)
                bytes += v.typeId() == QMetaType::QByteArray ? v.toByteArray().size() : 0;
        return bytes;
    }
};

} // namespace

TEST_F(DatasetTest, PicturesAreReadWhenAskedForNotHeldWithTheRows) {
    for (int i = 0; i < 20; ++i) {
        Statement insert(connection,
                         QStringLiteral("INSERT INTO Meal(Meal_Name, Meal_Picture) VALUES(:n, :p)"));
        insert.bind(1, QStringLiteral("Dish %1").arg(i));
        insert.bind(2, QByteArray(1'000'000, char('a' + i)));
        insert.step();
    }
    connection.execute(QStringLiteral("INSERT INTO Meal(Meal_Name) VALUES('No picture')"));
    HeldRows meals(QStringLiteral("MEALS"), connection, QStringLiteral("Meal"));
    meals.open();
    EXPECT_EQ(meals.heldBytes(), 0) << "twenty megabytes of pictures stay in the file";
    ASSERT_TRUE(meals.locate(QStringLiteral("Meal_Name"), QStringLiteral("Dish 7")));
    EXPECT_EQ(meals.field(QStringLiteral("Meal_Picture")).value().toByteArray(), QByteArray(1'000'000, 'h'));
    ASSERT_TRUE(meals.locate(QStringLiteral("Meal_Name"), QStringLiteral("No picture")));
    EXPECT_TRUE(meals.field(QStringLiteral("Meal_Picture")).value().isNull());

    // A picture set and posted is written, then read from the file like the others.
    ASSERT_TRUE(meals.locate(QStringLiteral("Meal_Name"), QStringLiteral("Dish 3")));
    meals.edit();
    meals.setValue(QStringLiteral("Meal_Picture"), QByteArray("new picture"));
    EXPECT_EQ(meals.field(QStringLiteral("Meal_Picture")).value().toByteArray(), QByteArray("new picture"));
    meals.post();
    EXPECT_EQ(meals.heldBytes(), 0);
    EXPECT_EQ(meals.field(QStringLiteral("Meal_Picture")).value().toByteArray(), QByteArray("new picture"));
    EXPECT_EQ(meals.value(4, QStringLiteral("Meal_Picture")).toByteArray(), QByteArray(1'000'000, 'e'));

    // A list over the whole table holds none either, and still answers for any row.
    QueryDataset list(QStringLiteral("SQLMEALS"), connection);
    list.setSql(QStringLiteral("SELECT * FROM MEAL ORDER BY MEAL_NAME;"));
    list.open();
    ASSERT_TRUE(list.locate(QStringLiteral("Meal_Name"), QStringLiteral("Dish 19")));
    EXPECT_EQ(list.field(QStringLiteral("Meal_Picture")).value().toByteArray().size(), 1'000'000);
}

TEST_F(DatasetTest, AListHoldingOnlyItsShownColumnsStillAnswersForEveryField) {
    connection.execute(
        QStringLiteral("INSERT INTO Meal(Meal_Name, Meal_Recipe, Meal_Noon) VALUES('Soup', 'Boil.', 1)"));
    connection.execute(
        QStringLiteral("INSERT INTO Meal(Meal_Name, Meal_Recipe) VALUES('apple pie', 'Bake.')"));
    QueryDataset list(QStringLiteral("SQLMEALS"), connection);
    list.setSql(QStringLiteral("SELECT * FROM MEAL ORDER BY MEAL_NAME;"));
    list.holdOnly({QStringLiteral("Meal_ID"), QStringLiteral("Meal_Name")});
    list.open();
    EXPECT_EQ(list.fieldCount(), 20) << "every field of the statement, held or not";
    EXPECT_EQ(list.value(0, QStringLiteral("Meal_Name")).toString(), QStringLiteral("apple pie"));
    EXPECT_EQ(list.value(0, QStringLiteral("Meal_Recipe")).toString(), QStringLiteral("Bake."));
    EXPECT_EQ(list.value(1, QStringLiteral("Meal_Recipe")).toString(), QStringLiteral("Boil."));
    EXPECT_TRUE(list.value(1, QStringLiteral("Meal_Noon")).toBool());
    EXPECT_TRUE(list.locate(QStringLiteral("Meal_Name"), QStringLiteral("SOUP")));

    TableDataset meals(QStringLiteral("MEALS"), connection, QStringLiteral("Meal"));
    meals.holdOnly({QStringLiteral("Meal_Name")});
    meals.open();
    ASSERT_TRUE(meals.locate(QStringLiteral("Meal_Name"), QStringLiteral("Soup")));
    meals.edit();
    meals.setValue(QStringLiteral("Meal_Recipe"), QStringLiteral("Boil, then season."));
    meals.post();
    EXPECT_EQ(meals.field(QStringLiteral("Meal_Recipe")).asString(), QStringLiteral("Boil, then season."));
    EXPECT_TRUE(meals.field(QStringLiteral("Meal_Noon")).asBoolean()) << "fields not set keep what is stored";
    EXPECT_EQ(count(QStringLiteral(
                  "SELECT count(*) FROM Meal WHERE Meal_Recipe='Boil, then season.' AND Meal_Noon=1")),
              1);
}

// A list kept between reads must never show rows older than the file: any write to a table it reads, by
// this connection or another, makes it read again; a different statement or parameter is a different list.
TEST_F(DatasetTest, AKeptListIsReadAgainAfterAnyWrite) {
    file.exec(QStringLiteral("INSERT INTO Meal(Meal_Name,Meal_Noon) VALUES('Soup',1),('Stew',1),('Tart',0)"));
    QueryDataset list(QStringLiteral("LIST"), connection);
    list.keepReads(2);
    const auto reopen = [&list](const QString &sql) {
        list.setSql(sql);
        list.open();
        return list.recordCount();
    };
    const QString noon = QStringLiteral("SELECT * FROM Meal WHERE Meal_Noon=TRUE ORDER BY Meal_Name");
    const QString all = QStringLiteral("SELECT * FROM Meal ORDER BY Meal_Name");
    EXPECT_EQ(reopen(noon), 2);
    EXPECT_EQ(reopen(all), 3);
    EXPECT_EQ(reopen(noon), 2);
    EXPECT_EQ(list.field(QStringLiteral("Meal_Name")).asString(), QStringLiteral("Soup"));

    connection.execute(QStringLiteral("UPDATE Meal SET Meal_Noon=1 WHERE Meal_Name='Tart'"));
    EXPECT_EQ(reopen(all), 3);
    EXPECT_EQ(reopen(noon), 3) << "a write on this connection";

    Connection other(file.path());
    other.open();
    other.execute(QStringLiteral("DELETE FROM Meal WHERE Meal_Name='Soup'"));
    EXPECT_EQ(reopen(noon), 2) << "a write by another connection";
    EXPECT_EQ(list.field(QStringLiteral("Meal_Name")).asString(), QStringLiteral("Stew"));

    QueryDataset byName(QStringLiteral("BYNAME"), connection);
    byName.keepReads(2);
    byName.setSql(QStringLiteral("SELECT Meal_ID FROM Meal WHERE Meal_Name=:xName"));
    byName.declareParameter(QStringLiteral("xName"));
    byName.setParameter(QStringLiteral("xName"), QStringLiteral("Stew"));
    byName.open();
    EXPECT_EQ(byName.recordCount(), 1);
    byName.close();
    byName.setParameter(QStringLiteral("xName"), QStringLiteral("Nothing"));
    byName.open();
    EXPECT_EQ(byName.recordCount(), 0) << "another parameter is another list";
}

// A write to a table the list does not read keeps it; every way of changing the rows it shows reads it
// again: a trigger, a view, a whole-table delete, a new schema.
TEST_F(DatasetTest, AKeptListIsKeptAcrossWritesToOtherTablesOnly) {
    file.exec(QStringLiteral("INSERT INTO Meal(Meal_Name,Meal_Noon) VALUES('Soup',1),('Stew',1)"));
    QueryDataset list(QStringLiteral("LIST"), connection);
    list.keepReads(1);
    // Counts the list's own statements the engine runs: none when the kept rows are taken.
    int reads = 0;
    sqlite3_trace_v2(
        connection.handle(), SQLITE_TRACE_STMT,
        [](unsigned, void *count, void *statement, void *) {
            if (QByteArray(sqlite3_sql(static_cast<sqlite3_stmt *>(statement)))
                    .contains("ORDER BY Meal_Name"))
                ++*static_cast<int *>(count);
            return 0;
        },
        &reads);
    const auto names = [&] {
        list.close();
        reads = 0;
        list.open();
        QStringList shown;
        for (list.first(); !list.eof(); list.next())
            shown << list.field(QStringLiteral("Meal_Name")).asString();
        return shown;
    };
    list.setSql(QStringLiteral("SELECT Meal_Name FROM Meal WHERE Meal_Noon=TRUE ORDER BY Meal_Name"));
    EXPECT_EQ(names(), QStringList({"Soup", "Stew"}));
    EXPECT_GT(reads, 0);
    EXPECT_EQ(names(), QStringList({"Soup", "Stew"}));
    EXPECT_EQ(reads, 0) << "taken from the kept rows";

    connection.execute(QStringLiteral("INSERT INTO Meal_Type(Type) VALUES('Soups')"));
    connection.execute(QStringLiteral("INSERT INTO Menu(Week_Number,Meal_ID) VALUES(1,1)"));
    EXPECT_EQ(names(), QStringList({"Soup", "Stew"}));
    EXPECT_EQ(reads, 0) << "writes to other tables keep the list";

    connection.execute(QStringLiteral("UPDATE Meal SET Meal_Name='Broth' WHERE Meal_Name='Soup'"));
    EXPECT_EQ(names(), QStringList({"Broth", "Stew"})) << "a write to the table read";

    connection.execute(QStringLiteral("CREATE TRIGGER rename AFTER INSERT ON Menu BEGIN "
                                      "UPDATE Meal SET Meal_Name='Hotpot' WHERE Meal_Name='Stew'; END"));
    connection.execute(QStringLiteral("INSERT INTO Menu(Week_Number,Meal_ID) VALUES(2,1)"));
    EXPECT_EQ(names(), QStringList({"Broth", "Hotpot"})) << "a trigger wrote the table read";

    list.setSql(QStringLiteral("SELECT Meal_Name FROM QSearchMeal WHERE Meal_Name<>'' ORDER BY Meal_Name"));
    file.exec(QStringLiteral("INSERT INTO Ingredients(Ingredients_Description) VALUES('Salt')"));
    connection.execute(QStringLiteral("INSERT INTO Made_With VALUES(1,1)"));
    EXPECT_EQ(names(), QStringList({"Broth"}));
    connection.execute(QStringLiteral("INSERT INTO Made_With VALUES(2,1)"));
    EXPECT_EQ(names(), QStringList({"Broth", "Hotpot"})) << "a table read through a view";

    connection.execute(QStringLiteral("DELETE FROM Made_With"));
    EXPECT_EQ(names(), QStringList()) << "a whole-table delete, whose rows are not told one by one";

    list.setSql(QStringLiteral("SELECT Meal_Name FROM Meal ORDER BY Meal_Name"));
    EXPECT_EQ(names(), QStringList({"Broth", "Hotpot"}));
    connection.execute(QStringLiteral("ALTER TABLE Meal RENAME TO Dish"));
    connection.execute(QStringLiteral("CREATE TABLE Meal AS SELECT * FROM Dish WHERE 0"));
    EXPECT_EQ(names(), QStringList()) << "a new table under the old name";
    sqlite3_trace_v2(connection.handle(), 0, nullptr, nullptr);
}
