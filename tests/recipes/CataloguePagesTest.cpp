#include "support/ProgramTest.h"
#include "toolkit/widgets/DBGrid.h"
#include "toolkit/widgets/DBLookupComboBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CataloguePagesTest : public ProgramTest {
protected:
    CataloguePagesTest()
        : ProgramTest(QDateTime(QDate(2006, 5, 20), QTime(9, 0))) {
        w.JvXPBar4Items1Click();
    }
    qint64 count(const QString &sql) {
        dm.runSql(sql);
        const qint64 n = dm.SQL.value(0, 0).toLongLong();
        dm.SQL.close();
        return n;
    }
    void clickIngredient(const QString &description) {
        ASSERT_TRUE(dm.SQLINGREDIENTS.locate(QStringLiteral("Ingredients_Description"), description));
        w.DBGrid1CellClick();
    }
    void fill(const QString &description, const QString &group) {
        w.DBEdit1->setText(description);
        w.ComboBox1->setEditText(group);
    }
    bool boxesEmpty() const { return w.DBEdit1->text().isEmpty() && w.ComboBox1->currentText().isEmpty(); }
};

} // namespace

TEST_F(CataloguePagesTest, AClickFillsTheBoxesAndAddNewAddsOrRegroups) {
    clickIngredient(QStringLiteral("Avocado"));
    EXPECT_EQ(w.DBEdit1->text(), QStringLiteral("Avocado"));
    EXPECT_EQ(w.ComboBox1->currentText(), QStringLiteral("Vegetables"));
    // Moving with the keyboard does not fill the boxes.
    dm.SQLINGREDIENTS.next();
    EXPECT_EQ(w.DBEdit1->text(), QStringLiteral("Avocado"));

    fill(QStringLiteral("  "), QStringLiteral("Fruit"));
    w.RbButton2->click();
    fill(QStringLiteral("Dragon fruit"), QStringLiteral("Exotic"));
    w.RbButton2->click();
    EXPECT_EQ(dialogs.informations, (QStringList{"Enter Ingredients Description first!",
                                                 "Select Group for Ingredient from List!"}));

    fill(QStringLiteral("Baker's \"fresh\" yeast"), QStringLiteral("baking goods"));
    w.RbButton2->click();
    EXPECT_TRUE(boxesEmpty());
    EXPECT_EQ(count(QStringLiteral(
                  "SELECT count(*) FROM Ingredients i JOIN IGroup g ON g.IGROUP_ID=i.Ingredients_Group "
                  "WHERE Ingredients_Description='Baker''s \"fresh\" yeast' AND IGROUP_NAME='Baking Goods'")),
              1);
    EXPECT_TRUE(dm.SQLINGREDIENTS.locate(QStringLiteral("Ingredients_Description"),
                                         QStringLiteral("Baker's \"fresh\" yeast")))
        << "the grid was read again";

    // An ingredient that exists: No keeps everything, Yes moves it to the group.
    fill(QStringLiteral("Avocado"), QStringLiteral("Fruit"));
    dialogs.confirmAnswers = {false};
    w.RbButton2->click();
    EXPECT_EQ(dialogs.questions.last(),
              QStringLiteral("Ingredient already exists. Do you want to update its Group?"));
    EXPECT_EQ(w.DBEdit1->text(), QStringLiteral("Avocado"));
    dialogs.confirmAnswers = {true};
    w.RbButton2->click();
    clickIngredient(QStringLiteral("Avocado"));
    EXPECT_EQ(w.ComboBox1->currentText(), QStringLiteral("Fruit"));
}

TEST_F(CataloguePagesTest, AGroupNameLongerThanTwentyIsFoundAgain) {
    // Taken from the grid, a long group name is whole, so Add New finds its group again.
    clickIngredient(QStringLiteral("Balsamic vinegar"));
    EXPECT_EQ(w.ComboBox1->currentText(), QStringLiteral("Oils, Vinegars and Sauces"));
    w.RbButton2->click();
    EXPECT_TRUE(dialogs.informations.isEmpty());
    EXPECT_EQ(dialogs.questions,
              (QStringList{"Ingredient already exists. Do you want to update its Group?"}));

    // A group number that has no group leaves the group box empty.
    file.exec(
        QStringLiteral("UPDATE Ingredients SET Ingredients_Group=999 WHERE Ingredients_Description='Basil'"));
    dm.SQLINGREDIENTS.close();
    dm.SQLINGREDIENTS.open();
    clickIngredient(QStringLiteral("Basil"));
    EXPECT_EQ(w.DBEdit1->text(), QStringLiteral("Basil"));
    EXPECT_TRUE(w.ComboBox1->currentText().isEmpty());
}

TEST_F(CataloguePagesTest, ChangeDescriptionRenamesEveryRowButNotTheShoppingLists) {
    w.RbButton3->click();
    EXPECT_EQ(dialogs.informations, (QStringList{"Select Ingredient first!"}));
    file.exec(QStringLiteral(
        "INSERT INTO ShoppingList(WeekNumber,YearNumber,IngredientsDescription,IngredientsCount) "
        "VALUES(20,2006,'Milk',2)"));
    clickIngredient(QStringLiteral("Milk"));
    w.RbButton3->click(); // cancelled: the preset comes back
    EXPECT_EQ(w.DBEdit1->text(), QStringLiteral("Milk"));
    dialogs.inputAnswers = {QStringLiteral("Whole milk")};
    w.RbButton3->click();
    EXPECT_EQ(dialogs.inputs.last(), QStringLiteral("Enter New Description|Ingredient Description:"));
    EXPECT_TRUE(boxesEmpty());
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='Whole milk'")),
        1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ShoppingList WHERE IngredientsDescription='Milk'")),
              1);
}

TEST_F(CataloguePagesTest, DeleteRefusesAnIngredientInUse) {
    w.RbButton1->click();
    EXPECT_EQ(dialogs.informations, (QStringList{"Select Ingredient to delete first!"}));
    const qint64 uses = count(QStringLiteral(
        "SELECT count(*) FROM Made_With m JOIN Ingredients i ON i.Ingredients_ID=m.Ingredients_ID WHERE "
        "Ingredients_Description='Milk'"));
    clickIngredient(QStringLiteral("Milk"));
    w.RbButton1->click();
    EXPECT_EQ(dialogs.informations.last(), QStringLiteral("Milk - ingredient is used in ") +
                                               QString::number(uses) +
                                               QStringLiteral(" meal(s). Delete it from meals first!"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='Milk'")),
              1);

    // A second row of the same description, unused, does not let the used one go.
    file.exec(QStringLiteral(
        "INSERT INTO Ingredients(Ingredients_Description,Ingredients_Group) VALUES('Milk',1)"));
    w.RbButton1->click();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='Milk'")),
              2);

    fill(QStringLiteral("Nothing of the kind"), QString());
    w.RbButton1->click();
    EXPECT_TRUE(boxesEmpty());
    clickIngredient(QStringLiteral("Almonds"));
    ASSERT_EQ(count(QStringLiteral(
                  "SELECT count(*) FROM Made_With m JOIN Ingredients i ON i.Ingredients_ID=m.Ingredients_ID "
                  "WHERE Ingredients_Description='Almonds'")),
              0);
    w.RbButton1->click();
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='Almonds'")), 0);
    EXPECT_FALSE(
        dm.SQLINGREDIENTS.locate(QStringLiteral("Ingredients_Description"), QStringLiteral("Almonds")));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(CataloguePagesTest, TypesAndGroupsAreAddedAsTyped) {
    w.JvXPBar4Items3Click();
    dialogs.inputAnswers = {QStringLiteral("   "), QString(), QStringLiteral(" Brunch "),
                            QStringLiteral("Soup")};
    for (int i = 0; i < 4; ++i)
        w.findChild<QPushButton *>(QStringLiteral("RbButton22"))->click();
    EXPECT_EQ(dialogs.inputs.first(), QStringLiteral("Eneter New Meal Type|Meal Type:"));
    EXPECT_EQ(dialogs.errors, QStringList());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Meal_Type WHERE Type=' Brunch '")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Meal_Type WHERE Type='Soup'")), 2)
        << "repeats are allowed";
    EXPECT_EQ(dm.MEALTYPE.field(QStringLiteral("Type")).asString(), QStringLiteral("Soup"))
        << "the new row is current";
    EXPECT_EQ(w.DBGrid10->currentIndex().row(), dm.MEALTYPE.currentRow());

    dialogs.inputAnswers = {QStringLiteral("Frozen")};
    w.findChild<QPushButton *>(QStringLiteral("RbButton24"))->click();
    EXPECT_EQ(dialogs.inputs.last(), QStringLiteral("Eneter New Ingredient Group|Group Name:"));
    EXPECT_GE(w.ComboBox1->findText(QStringLiteral("Frozen")), 0)
        << "the ingredient page's group box is refilled";
}

TEST_F(CataloguePagesTest, DeletingACategoryInUseAsksAndTakesItsContentsAlong) {
    w.JvXPBar4Items3Click();
    auto *deleteType = w.findChild<QPushButton *>(QStringLiteral("RbButton23"));
    ASSERT_TRUE(dm.MEALTYPE.locate(QStringLiteral("Type"), QStringLiteral("Side Dish")));
    deleteType->click();
    EXPECT_TRUE(dialogs.questions.isEmpty()) << "an unused type goes at once";
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Meal_Type WHERE Type='Side Dish'")), 0);

    ASSERT_TRUE(dm.MEALTYPE.locate(QStringLiteral("Type"), QStringLiteral("Soup")));
    dialogs.confirmAnswers = {false};
    deleteType->click();
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("3 meal(s) exist in Soup category. Deleting of this "
                                                       "Type will delete all these Meals. Continue?"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Meal")), 43);
    dialogs.confirmAnswers = {true};
    deleteType->click();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Meal")), 40);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Meal_Type WHERE Type='Soup'")), 0);
    EXPECT_EQ(dm.MEALS.recordCount(), 40) << "the recipe table was read again";

    ASSERT_TRUE(dm.IGROUP.locate(QStringLiteral("IGROUP_NAME"), QStringLiteral("Drinks")));
    const qint64 drinks = count(QStringLiteral("SELECT count(*) FROM Ingredients i JOIN IGroup g ON "
                                               "g.IGROUP_ID=i.Ingredients_Group WHERE IGROUP_NAME='Drinks'"));
    ASSERT_GT(drinks, 0);
    dialogs.confirmAnswers = {true};
    w.findChild<QPushButton *>(QStringLiteral("RbButton25"))->click();
    EXPECT_TRUE(
        dialogs.questions.last().startsWith(QString::number(drinks) + QStringLiteral(" ingredient(s)")));
    EXPECT_TRUE(dialogs.questions.last().contains(QStringLiteral("Drinks")));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM IGroup WHERE IGROUP_NAME='Drinks'")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Ingredients")), 146 - drinks);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(CataloguePagesTest, LinksOfDeletedRecipesNeitherCountNorStay) {
    // A recipe using Saffron is deleted; its link stays behind where nobody can reach it.
    file.exec(QStringLiteral(
        "INSERT INTO Ingredients(Ingredients_Description, Ingredients_Group) VALUES('Saffron', 1);"
        "INSERT INTO Meal(Meal_Name) VALUES('Paella for one');"
        "INSERT INTO Made_With SELECT m.Meal_ID, i.Ingredients_ID FROM Meal m, Ingredients i "
        "WHERE m.Meal_Name='Paella for one' AND i.Ingredients_Description='Saffron';"
        "DELETE FROM Meal WHERE Meal_Name='Paella for one'"));
    dm.SQLINGREDIENTS.close();
    dm.SQLINGREDIENTS.open();
    clickIngredient(QStringLiteral("Saffron"));
    w.RbButton1->click();
    EXPECT_TRUE(dialogs.informations.isEmpty()) << dialogs.informations.join(u'|').toStdString();
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='Saffron'")), 0);
    EXPECT_EQ(count(QStringLiteral(
                  "SELECT count(*) FROM Made_With WHERE Meal_ID NOT IN (SELECT Meal_ID FROM Meal)")),
              0);
    // An ingredient a living recipe uses is still kept.
    clickIngredient(QStringLiteral("Eggs"));
    w.RbButton1->click();
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations.first().startsWith(QStringLiteral("Eggs - ingredient is used in ")));
}

TEST_F(CataloguePagesTest, BlankAndOverLongNamesAreRefusedInWords) {
    clickIngredient(QStringLiteral("Eggs"));
    dialogs.inputAnswers = {QStringLiteral("   "), QString(51, u'e')};
    w.RbButton3->click();
    w.RbButton3->click();
    EXPECT_EQ(
        dialogs.informations,
        (QStringList{"An ingredient needs a name; \"Eggs\" keeps its own.",
                     "An ingredient's name can be at most 50 characters long; \"Eggs\" keeps its own."}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='Eggs'")),
              1);
    // The description box itself takes no more than 50 characters, an emoji counting as one.
    w.DBEdit1->clear();
    QTest::keyClicks(w.DBEdit1, QString(60, u'x'));
    EXPECT_EQ(w.DBEdit1->text().size(), 50);

    w.JvXPBar4Items3Click();
    dialogs.informations.clear();
    const qint64 types = count(QStringLiteral("SELECT count(*) FROM Meal_Type"));
    dialogs.inputAnswers = {QStringLiteral("  "), QString(51, u't')};
    w.RbButton22Click();
    w.RbButton22Click();
    EXPECT_EQ(dialogs.informations, (QStringList{"A type needs a name of more than blanks.",
                                                 "A recipe type can be at most 50 characters long."}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Meal_Type")), types);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

// Entries an earlier import made from pieces of lines are merged, after the user ticks them, into the food
// they mean: links and lines move over and the entry goes; one that means no other entry takes its food's
// name.
TEST_F(CataloguePagesTest, TidyUpMergesPiecesOfLinesIntoTheFoodTheyMean) {
    w.JvXPBar4Items1Click();
    w.findChild<QPushButton *>(QStringLiteral("TidyUp"))->click();
    EXPECT_EQ(dialogs.informations, (QStringList{"The catalogue holds nothing to tidy up."}))
        << "a clean catalogue (\"Chopped tomatoes\" is sold so) is left alone";
    file.exec(QStringLiteral(
        "INSERT INTO Ingredients(Ingredients_Description) VALUES('2% fat unsalted butter'),('Lemons'),"
        "('lemon pepper seasoning )'),('Baking Pan');"
        "INSERT INTO Made_With SELECT Meal_ID, (SELECT max(Ingredients_ID) FROM Ingredients WHERE "
        "Ingredients_Description='Lemons') FROM Meal WHERE Meal_Name='Pancakes';"
        "INSERT INTO Recipe_Lines(Meal_ID,Line_Position,Line_Text,Ingredients_ID) SELECT Meal_ID,1,'2 "
        "lemons',"
        "(SELECT max(Ingredients_ID) FROM Ingredients WHERE Ingredients_Description='Lemons') FROM Meal "
        "WHERE "
        "Meal_Name='Pancakes'"));
    const QString lemons = firstValue(QStringLiteral("SELECT min(Ingredients_ID) FROM Ingredients WHERE "
                                                     "Ingredients_Description='Lemons'"));
    QStringList offered;
    w.showModal = [&](QDialog &box) {
        auto *list = box.findChild<QListWidget *>(QStringLiteral("TidyList"));
        for (int i = 0; i < list->count(); ++i) {
            offered << list->item(i)->text();
            // The user keeps the seasoning as it is.
            if (list->item(i)->text().contains(QStringLiteral("seasoning")))
                list->item(i)->setCheckState(Qt::Unchecked);
        }
        box.accept();
    };
    w.JvXPBar4Items1Click();
    w.findChild<QPushButton *>(QStringLiteral("TidyUp"))->click();
    EXPECT_TRUE(offered.contains(QStringLiteral("\u201cLemons\u201d into \u201cLemons\u201d")) &&
                offered.contains(
                    QStringLiteral("\u201c2% fat unsalted butter\u201d renamed \u201cUnsalted butter\u201d")))
        << qPrintable(offered.join(u'\n'));
    EXPECT_FALSE(offered.join(u'\n').contains(QStringLiteral("Baking Pan"))) << "equipment means no food";
    EXPECT_EQ(
        firstValue(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='Lemons'")),
        QStringLiteral("1"));
    EXPECT_EQ(firstValue(QStringLiteral("SELECT count(*) FROM Recipe_Lines WHERE Ingredients_ID=") + lemons),
              QStringLiteral("1"))
        << "the line goes over to the entry made first";
    EXPECT_EQ(firstValue(QStringLiteral("SELECT count(*) FROM Made_With JOIN Meal USING(Meal_ID) WHERE "
                                        "Meal_Name='Pancakes' AND Ingredients_ID=") +
                         lemons),
              QStringLiteral("1"));
    EXPECT_EQ(firstValue(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description LIKE "
                                        "'%seasoning )'")),
              QStringLiteral("1"))
        << "what the user left unticked stays";
}
