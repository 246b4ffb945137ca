#include "reports/TReportShoppingList.h"
#include "support/ProgramTest.h"
#include "toolkit/widgets/CheckedComboBox.h"
#include "toolkit/widgets/DBGrid.h"
#include "toolkit/widgets/DBLookupComboBox.h"
#include "toolkit/widgets/DBLookupListBox.h"
#include "toolkit/widgets/MonthCalendar.h"
#include "toolkit/widgets/UpDown.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ShoppingPageTest : public ProgramTest {
protected:
    ShoppingPageTest()
        : ProgramTest(QDateTime(QDate(2005, 12, 31), QTime(9, 0))) {
        // Week 53 of 2005: pancakes twice and a tomato soup; a hand-made row of week 1 of 2006 beside it.
        file.exec(QStringLiteral(
            "INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) SELECT "
            "53,2005,0,'1',Meal_ID "
            "FROM Meal WHERE Meal_Name='Pancakes';"
            "INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) SELECT "
            "53,2005,3,'1',Meal_ID "
            "FROM Meal WHERE Meal_Name='Pancakes';"
            "INSERT INTO "
            "ShoppingList(WeekNumber,YearNumber,IngredientsDescription,IngredientsCount,IngredientsType) "
            "VALUES(1,2006,'Next year',4,'Other');"));
        w.RbButton11Click();
        w.JvXPBar2Click();
    }
    QStringList listRows() {
        QStringList rows;
        for (int r = 0; r < dm.SHOP.recordCount(); ++r)
            rows << dm.SHOP.value(r, QStringLiteral("INGREDIENTSDESCRIPTION")).toString() + u'=' +
                        dm.SHOP.value(r, QStringLiteral("INGREDIENTSCOUNT")).toString() + u'/' +
                        dm.SHOP.value(r, QStringLiteral("INGREDIENTSTYPE")).toString();
        return rows;
    }
    QStringList picker() {
        QStringList names;
        for (int r = 0; r < dm.SHOPINGREDIENTS.recordCount(); ++r)
            names << w.DBLookupListBox2->model()->index(r, 0).data().toString();
        return names;
    }
    int stored(const QString &where) {
        dm.runSql(QStringLiteral("SELECT count(*) FROM ShoppingList WHERE ") + where);
        return int(dm.SQL.value(0, 0).toLongLong());
    }
    void typeRow(const QString &name, const QString &group, const QString &quantity) {
        w.Edit1->setText(name);
        w.Edit2->setText(group);
        w.Edit3->setText(quantity);
        w.RbButton10->click();
    }
    bool boxesEmpty() const {
        return w.Edit1->text().isEmpty() && w.Edit2->text().isEmpty() && w.Edit3->text().isEmpty();
    }
};

} // namespace

TEST_F(ShoppingPageTest, TheWeeksListAndThePickerOfWhatIsNotOnIt) {
    ASSERT_EQ(w.activePage(), w.TabSheet2);
    const QAbstractItemModel *grid = w.DBGrid9->model();
    ASSERT_EQ(grid->columnCount(), 5);
    EXPECT_EQ(grid->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Ingredient"));
    EXPECT_EQ(grid->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Amount"));
    EXPECT_EQ(grid->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Number Of Meals"));
    EXPECT_EQ(grid->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Group"));
    EXPECT_EQ(grid->headerData(4, Qt::Horizontal).toString(), QStringLiteral("Bought"));
    EXPECT_EQ(listRows(),
              (QStringList{"Butter=2/Dairy and Eggs", "Caster sugar=2/Baking Goods", "Eggs=2/Dairy and Eggs",
                           "Lemons=2/Fruit", "Maple syrup=2/Oils, Vinegars and Sauces",
                           "Milk=2/Dairy and Eggs", "Plain flour=2/Baking Goods"}))
        << "group names whole";
    const QStringList names = picker();
    EXPECT_EQ(names.size(), 146 - 7);
    EXPECT_FALSE(names.contains(QStringLiteral("Milk")));
    EXPECT_TRUE(names.contains(QStringLiteral("Almonds")));
    EXPECT_EQ(names.first(), QStringLiteral("Almonds"));

    // A week change while the page is shown reads the other week's list.
    w.JvMonthCalendar21->setSelectedDate(QDate(2006, 1, 7));
    w.JvMonthCalendar21Click();
    EXPECT_EQ(listRows(), (QStringList{"Next year=4/Other"}));
    EXPECT_EQ(picker().size(), 146);
}

TEST_F(ShoppingPageTest, TheGroupFilterNarrowsThePickerOnlyWhenCheckedWithAGroup) {
    const int all = int(picker().size());
    w.RbCheckBox2->click();
    EXPECT_EQ(picker().size(), all) << "no group chosen yet";
    w.DBLookupComboBox5->choose(w.DBLookupComboBox5->findText(QStringLiteral("Fruit")));
    w.DBLookupComboBox5CloseUp();
    const QStringList fruit = picker();
    EXPECT_LT(fruit.size(), all);
    EXPECT_TRUE(fruit.contains(QStringLiteral("Bananas")));
    EXPECT_FALSE(fruit.contains(QStringLiteral("Lemons"))) << "already on the list";
    EXPECT_FALSE(fruit.contains(QStringLiteral("Almonds")));
    dm.IGROUP.locate(QStringLiteral("IGROUP_NAME"), QStringLiteral("Vegetables"));
    w.RefreshShoppingListIngredients();
    EXPECT_EQ(picker(), fruit) << "the box's group, not wherever the shared groups were moved";
    w.RbCheckBox2->click();
    EXPECT_EQ(picker().size(), all);
    // With the box off, choosing another group changes nothing.
    w.DBLookupComboBox5->choose(w.DBLookupComboBox5->findText(QStringLiteral("Vegetables")));
    w.DBLookupComboBox5CloseUp();
    EXPECT_EQ(picker().size(), all);
}

TEST_F(ShoppingPageTest, AddChangeAndDeleteByHand) {
    // A picker click fills the boxes with the ingredient, its group and a quantity of one.
    dm.SHOPINGREDIENTS.locate(QStringLiteral("INGREDIENTS_DESCRIPTION"), QStringLiteral("Bananas"));
    w.DBLookupListBox2Click();
    EXPECT_EQ(w.Edit1->text(), QStringLiteral("Bananas"));
    EXPECT_EQ(w.Edit2->text(), QStringLiteral("Fruit"));
    EXPECT_EQ(w.Edit3->text(), QStringLiteral("1"));

    typeRow(QStringLiteral("Bananas"), QStringLiteral("fresh FRUIT"), QStringLiteral(" 6 "));
    EXPECT_TRUE(boxesEmpty());
    EXPECT_TRUE(listRows().contains(QStringLiteral("Bananas=6/Fresh fruit")));
    EXPECT_FALSE(picker().contains(QStringLiteral("Bananas")));

    // A typed milk changes the row stored as Milk, which keeps its name.
    typeRow(QStringLiteral("milk"), QStringLiteral("DAIRY"), QStringLiteral("3"));
    EXPECT_EQ(w.DBGrid9->currentIndex().data().toString(), QStringLiteral("Milk"))
        << "the changed row is current";
    EXPECT_EQ(stored(QStringLiteral("WeekNumber=53 AND IngredientsDescription='Milk'")), 1);
    EXPECT_TRUE(listRows().contains(QStringLiteral("Milk=3/Dairy")));

    // A name the catalogue does not know is a hand-made row the picker never lists.
    const QString odd = QStringLiteral("Grandma's \"secret\" 100% _mix_ à l'ancienne");
    typeRow(odd, QStringLiteral("crème"), QStringLiteral("2"));
    EXPECT_TRUE(listRows().contains(odd + QStringLiteral("=2/Crème")));
    EXPECT_EQ(picker().size(), 146 - 8);

    // The grid's current row fills the boxes and Delete Current removes it; the catalogue ingredient returns.
    dm.SHOP.locate(QStringLiteral("INGREDIENTSDESCRIPTION"), QStringLiteral("Milk"));
    w.DBGrid9CellClick();
    EXPECT_EQ(w.Edit1->text(), QStringLiteral("Milk"));
    EXPECT_EQ(w.Edit2->text(), QStringLiteral("Dairy"));
    EXPECT_EQ(w.Edit3->text(), QStringLiteral("3"));
    w.RbButton19->click();
    EXPECT_TRUE(boxesEmpty());
    EXPECT_EQ(stored(QStringLiteral("IngredientsDescription='Milk'")), 0);
    EXPECT_TRUE(picker().contains(QStringLiteral("Milk")));
    EXPECT_EQ(stored(QStringLiteral("YearNumber=2006")), 1) << "other weeks untouched";
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ShoppingPageTest, HostileQuantitiesAndNamesWriteNothingAndKeepTheBoxes) {
    const QStringList before = listRows();
    for (const char *quantity :
         {"1 WHERE 1=1 --", "abc", "0", "-3", "1.5", "2147483648", "5); DELETE FROM Menu; --"}) {
        dialogs.errors.clear();
        typeRow(QStringLiteral("Milk"), QStringLiteral("Dairy"), QString::fromLatin1(quantity));
        ASSERT_EQ(dialogs.errors.size(), 1) << quantity;
        EXPECT_EQ(dialogs.errors.first(),
                  QStringLiteral("The quantity must be a whole number from 1 to 2147483647."));
        EXPECT_EQ(w.Edit3->text(), QString::fromLatin1(quantity));
        EXPECT_EQ(w.Edit1->text(), QStringLiteral("Milk"));
        EXPECT_EQ(listRows(), before);
    }
    EXPECT_EQ(stored(QStringLiteral("IngredientsType='Dairy'")), 0);
    EXPECT_EQ(stored(QStringLiteral("YearNumber=2006 AND IngredientsCount=4")), 1);

    // An empty name or quantity does nothing and says nothing.
    dialogs.errors.clear();
    typeRow(QString(), QStringLiteral("Dairy"), QStringLiteral("2"));
    typeRow(QStringLiteral("Milk"), QStringLiteral("Dairy"), QString());
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_EQ(listRows(), before);

    // A name longer than the list stores is refused by the data file with its message.
    const QString longName(10000, u'x');
    typeRow(longName, QStringLiteral("Dairy"), QStringLiteral("2"));
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().contains(QStringLiteral("at most 50 characters long")))
        << qPrintable(dialogs.errors.first());
    EXPECT_EQ(w.Edit1->text(), longName);
    EXPECT_EQ(listRows(), before);
}

TEST_F(ShoppingPageTest, DraggingFromThePickerAddsOneWithTheCatalogueGroup) {
    EXPECT_TRUE(w.DBGrid9DragOver(w.DBLookupListBox2));
    EXPECT_FALSE(w.DBGrid9DragOver(w.DBGrid9));
    EXPECT_FALSE(w.DBGrid9DragOver(w.Edit1));
    w.Edit1->setText(QStringLiteral("left over"));
    dm.SHOPINGREDIENTS.locate(QStringLiteral("INGREDIENTS_DESCRIPTION"), QStringLiteral("Crème fraîche"));
    w.DBGrid9DragDrop(w.DBLookupListBox2);
    EXPECT_TRUE(listRows().contains(QStringLiteral("Crème fraîche=1/Dairy and Eggs")))
        << "group not re-cased";
    EXPECT_FALSE(picker().contains(QStringLiteral("Crème fraîche")));
    EXPECT_TRUE(boxesEmpty());
    w.DBGrid9DragDrop(w.DBGrid9);
    EXPECT_EQ(listRows().size(), 8);
}

TEST_F(ShoppingPageTest, AnEmptyListGivesNothingToDeleteOrClick) {
    w.JvMonthCalendar21->setSelectedDate(QDate(2006, 3, 4));
    w.JvMonthCalendar21Click();
    ASSERT_TRUE(listRows().isEmpty());
    w.Edit1->setText(QStringLiteral("kept"));
    w.DBGrid9CellClick();
    w.RbButton19->click();
    EXPECT_EQ(w.Edit1->text(), QStringLiteral("kept"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(ShoppingPageTest, TheUpDownStepsTheQuantityAsFarAsTheQuantityMayGo) {
    w.Edit3->setText(QStringLiteral("1"));
    w.JvUpDown1->stepBy(-1);
    EXPECT_EQ(w.Edit3->text(), QStringLiteral("1"));
    w.JvUpDown1->stepBy(2);
    EXPECT_EQ(w.Edit3->text(), QStringLiteral("3"));
    w.Edit3->setText(QStringLiteral("9999"));
    w.JvUpDown1->stepBy(5);
    EXPECT_EQ(w.Edit3->text(), QStringLiteral("10004")) << "no thousands separator";
    w.Edit3->setText(QStringLiteral("2147483645"));
    w.JvUpDown1->stepBy(5);
    EXPECT_EQ(w.Edit3->text(), QStringLiteral("2147483647")) << "held at the largest the message allows";
    w.Edit3->setText(QStringLiteral("many"));
    QTest::keyClick(w.Edit3, Qt::Key_Down);
    EXPECT_EQ(w.Edit3->text(), QStringLiteral("2147483646"));
}

TEST_F(ShoppingPageTest, EnterInThePickerAddsTheIngredient) {
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    dm.SHOPINGREDIENTS.locate(QStringLiteral("INGREDIENTS_DESCRIPTION"), QStringLiteral("Almonds"));
    w.DBLookupListBox2->setFocus();
    QTest::keyClick(w.DBLookupListBox2, Qt::Key_Return);
    EXPECT_TRUE(listRows().contains(QStringLiteral("Almonds=1/Nuts and Seeds")));
}

TEST_F(ShoppingPageTest, AHandMadeListIsNeverReplacedWithoutAQuestion) {
    typeRow(QStringLiteral("Birthday candles"), QStringLiteral("Party"), QStringLiteral("12"));
    ASSERT_TRUE(listRows().contains(QStringLiteral("Birthday candles=12/Party")));
    w.showReport = [](const report::BandReport &) {};

    // Print on the weekly page with nothing changed saves nothing, so the list stays as it is.
    w.JvXPBar5Items0Click();
    w.RbButton17Click();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    w.JvXPBar2Click();
    EXPECT_TRUE(listRows().contains(QStringLiteral("Birthday candles=12/Party")));

    // Save Menu asks, naming the week; Keep keeps the list and still saves the menu.
    w.JvXPBar5Items0Click();
    w.weekBox(1, 3)->setChecked(0, true);
    dialogs.chooseAnswers = {2};
    w.RbButton18Click();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions.first().startsWith(QStringLiteral("The shopping list of week 53 ")))
        << dialogs.questions.first().toStdString();
    EXPECT_FALSE(w.WeekGridChanged);
    dm.runSql(QStringLiteral("SELECT count(*) FROM Menu WHERE Week_Number=53 AND Year_Number=2005"));
    EXPECT_EQ(dm.SQL.value(0, 0).toInt(), 3) << "the menu was saved";
    dm.SQL.close();
    w.JvXPBar2Click();
    EXPECT_TRUE(listRows().contains(QStringLiteral("Birthday candles=12/Party")));

    // Update Shopping List asks too; Replace makes the list from the menu, and then nobody is asked again.
    dialogs.chooseAnswers = {1};
    w.RbButton11Click();
    EXPECT_EQ(dialogs.questions.size(), 2);
    w.RefreshShoppingList();
    EXPECT_FALSE(listRows().contains(QStringLiteral("Birthday candles=12/Party")));
    w.RbButton11Click();
    EXPECT_EQ(dialogs.questions.size(), 2);

    // Deleting a row by hand is a hand edit as well.
    ASSERT_GT(dm.SHOP.recordCount(), 0);
    w.RbButton19->click();
    dialogs.chooseAnswers = {2};
    w.RbButton11Click();
    EXPECT_EQ(dialogs.questions.size(), 3);
}

// A week planned for the household says how much to buy, on the page and in the box that edits a row; the
// people at the table are asked once and kept in the book.
TEST_F(ShoppingPageTest, TheListSaysHowMuchForThePeopleAtTheTable) {
    file.exec(QStringLiteral(
        "UPDATE Meal SET Meal_Servings=2 WHERE Meal_Name='Pancakes';"
        "INSERT INTO Recipe_Lines(Meal_ID,Line_Position,Line_Text,Line_Amount,Line_Unit,Ingredients_ID) "
        "SELECT Meal_ID,1,'125 g flour',125,'g',(SELECT min(Ingredients_ID) FROM Ingredients WHERE "
        "Ingredients_Description='Plain flour') FROM Meal WHERE Meal_Name='Pancakes'"));
    w.showModal = [](QDialog &box) {
        box.findChild<QSpinBox *>(QStringLiteral("HouseholdPeople"))->setValue(4);
        box.accept();
    };
    w.findChild<QAction *>(QStringLiteral("ActionHousehold"))->trigger();
    EXPECT_EQ(w.household().people, 4);
    w.RbButton11Click();
    w.JvXPBar2Click();
    ASSERT_TRUE(dm.SHOP.locate(QStringLiteral("INGREDIENTSDESCRIPTION"), QStringLiteral("Plain flour")));
    EXPECT_EQ(dm.SHOP.field(QStringLiteral("INGREDIENTSAMOUNT")).asString(), QStringLiteral("500 g"))
        << "planned twice for four, from a recipe for two";
    EXPECT_EQ(dm.SHOP.field(QStringLiteral("INGREDIENTSCOUNT")).asString(), QStringLiteral("2"));
    w.DBGrid9CellClick();
    EXPECT_EQ(w.EditAmount->text(), QStringLiteral("500 g"));
    // An amount typed by hand.
    w.EditAmount->setText(QStringLiteral("1 kg"));
    w.RbButton10->click();
    ASSERT_TRUE(dm.SHOP.locate(QStringLiteral("INGREDIENTSDESCRIPTION"), QStringLiteral("Plain flour")));
    EXPECT_EQ(dm.SHOP.field(QStringLiteral("INGREDIENTSAMOUNT")).asString(), QStringLiteral("1 kg"));
}

// Merge, the first answer, makes the menu's rows anew around the hand's work: what was added stays, a count
// changed by hand stays while the menu needs the item, a row deleted by hand stays off, and a tick stays.
TEST_F(ShoppingPageTest, MergeKeepsTheHandsWorkAndFollowsTheMenu) {
    file.exec(QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) SELECT "
                             "53,2005,1,'3',Meal_ID FROM Meal WHERE Meal_Name='Tomato soup'"));
    w.RbButton11Click();
    w.RefreshShoppingList();
    typeRow(QStringLiteral("Birthday candles"), QStringLiteral("Party"), QStringLiteral("12"));
    typeRow(QStringLiteral("Milk"), QStringLiteral("Dairy and Eggs"), QStringLiteral("3"));
    typeRow(QStringLiteral("Double cream"), QStringLiteral("Dairy and Eggs"), QStringLiteral("2"));
    w.DeleteFromShoppingList(QStringLiteral("Maple syrup"));
    file.exec(QStringLiteral("UPDATE ShoppingList SET IngredientsBought=1 WHERE WeekNumber=53 AND "
                             "IngredientsDescription='Eggs'"));

    // The soup leaves the menu, and a pancake goes; Merge is offered first.
    file.exec(QStringLiteral("DELETE FROM Menu WHERE Week_Number=53 AND Day_Number IN (1, 3)"));
    dialogs.chooseAnswers = {0};
    w.RbButton11Click();
    ASSERT_EQ(dialogs.choices.size(), 1);
    EXPECT_EQ(dialogs.choices.first(),
              (QStringList{QStringLiteral("Merge"), QStringLiteral("Replace"), QStringLiteral("Keep")}));
    EXPECT_EQ(w.statusBar()->currentMessage(),
              QStringLiteral("Shopping list of week 53: 7 items, merged with yours; no longer on the menu: "
                             "Double cream"));
    w.RefreshShoppingList();
    EXPECT_EQ(listRows(),
              (QStringList{"Birthday candles=12/Party", "Butter=1/Dairy and Eggs",
                           "Caster sugar=1/Baking Goods", "Eggs=1/Dairy and Eggs", "Lemons=1/Fruit",
                           "Milk=3/Dairy and eggs", "Plain flour=1/Baking Goods"}));
    EXPECT_EQ(stored(QStringLiteral("IngredientsDescription='Eggs' AND IngredientsBought=1")), 1);
    EXPECT_EQ(stored(QStringLiteral("IngredientsDescription='Chopped tomatoes'")), 0);

    // Adding the deleted item again by hand brings it back for good; Replace then drops everything of the
    // hand's and asks no more.
    typeRow(QStringLiteral("Maple syrup"), QStringLiteral("Oils, Vinegars and Sauces"), QStringLiteral("1"));
    dialogs.chooseAnswers = {0};
    w.RbButton11Click();
    EXPECT_EQ(stored(QStringLiteral("IngredientsDescription='Maple syrup'")), 1);
    dialogs.chooseAnswers = {1};
    w.RbButton11Click();
    w.RbButton11Click();
    EXPECT_EQ(dialogs.choices.size(), 3);
    EXPECT_EQ(stored(QStringLiteral("WeekNumber=53 AND (IngredientsHand<>0 OR IngredientsDescription="
                                    "'Birthday candles')")),
              0);
    EXPECT_EQ(stored(QStringLiteral("WeekNumber=53")), 7);
}

// In shop order the list follows the groups as dragged on the categories page, on the page and on paper,
// through a group's renaming; what is always at home comes last, under "Check at home".
TEST_F(ShoppingPageTest, InShopOrderTheListFollowsTheWayThroughTheShop) {
    w.JvXPBar4Items3Click();
    ASSERT_TRUE(dm.IGROUP.locate(QStringLiteral("IGROUP_NAME"), QStringLiteral("Fruit")));
    w.moveGroup(0);
    ASSERT_TRUE(dm.IGROUP.locate(QStringLiteral("IGROUP_NAME"), QStringLiteral("Baking Goods")));
    // Past the bread and the dairy, the groups before it by name.
    w.findChild<QPushButton *>(QStringLiteral("MoveGroupDown"))->click();
    w.findChild<QPushButton *>(QStringLiteral("MoveGroupDown"))->click();
    EXPECT_EQ(dm.IGROUP.value(0, QStringLiteral("IGROUP_NAME")).toString(), QStringLiteral("Fruit"));
    EXPECT_EQ(dm.IGROUP.value(3, QStringLiteral("IGROUP_NAME")).toString(), QStringLiteral("Baking Goods"));
    file.exec(QStringLiteral("UPDATE IGroup SET IGROUP_NAME='Dairy' WHERE IGROUP_NAME='Dairy and Eggs'"));

    // The ingredient page marks the maple syrup as always at home.
    w.JvXPBar4Items1Click();
    w.DBEdit1->setText(QStringLiteral("Maple syrup"));
    w.IngredientStaple->click();

    w.JvXPBar2Click();
    auto *shopOrder = w.findChild<QCheckBox *>(QStringLiteral("ShopOrder"));
    ASSERT_FALSE(shopOrder->isChecked()) << "by name unless asked";
    EXPECT_EQ(listRows().first(), QStringLiteral("Butter=2/Dairy and Eggs"));
    shopOrder->click();
    const QStringList expected{"Lemons=2/Fruit",
                               "Butter=2/Dairy and Eggs",
                               "Eggs=2/Dairy and Eggs",
                               "Milk=2/Dairy and Eggs",
                               "Caster sugar=2/Baking Goods",
                               "Plain flour=2/Baking Goods",
                               "Maple syrup=2/Oils, Vinegars and Sauces"};
    EXPECT_EQ(listRows(), expected);
    ASSERT_TRUE(dm.SHOP.locate(QStringLiteral("INGREDIENTSDESCRIPTION"), QStringLiteral("Maple syrup")));
    EXPECT_EQ(dm.SHOP.field(QStringLiteral("SECTION")).asString(), QStringLiteral("Check at home"));

    // The printed checklist comes in the same order, under the same sections.
    TReportShoppingList report(file.path());
    report.open(53, 2005);
    QStringList printed;
    for (int r = 0; r < report.ADOQuery1.recordCount(); ++r)
        printed << report.ADOQuery1.value(r, QStringLiteral("IngredientsDescription")).toString() + u'/' +
                       report.ADOQuery1.value(r, QStringLiteral("Section")).toString();
    EXPECT_EQ(printed.first(), QStringLiteral("Lemons/Fruit"));
    EXPECT_EQ(printed.last(), QStringLiteral("Maple syrup/Check at home"));
    EXPECT_EQ(printed.size(), expected.size());
}
