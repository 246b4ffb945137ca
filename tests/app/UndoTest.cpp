#include "support/ProgramTest.h"
#include "toolkit/widgets/CheckedComboBox.h"
#include "toolkit/widgets/DBLookupComboBox.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTreeWidget>

namespace {

class UndoTest : public ProgramTest {
protected:
    UndoTest()
        : ProgramTest(QDateTime(QDate(2005, 12, 31), QTime(9, 0))) {
        file.exec(
            QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) SELECT "
                           "53,2005,0,'1',Meal_ID FROM Meal WHERE Meal_Name='Pancakes';"
                           "UPDATE Meal SET Meal_Picture=x'FFD8FFE000' WHERE Meal_Name='Pancakes'"));
    }
    void pick(const QString &name) {
        w.JvXPBar4Items0Click();
        const int row = w.DBLookupComboBox2->findText(name);
        ASSERT_GE(row, 0) << qPrintable(name);
        w.DBLookupComboBox2->choose(row);
        w.DBLookupComboBox2CloseUp();
    }
    /// What the book holds of the pancakes: row, picture, links, lines and planned meals.
    QString pancakes() {
        return firstValue(QStringLiteral(
            "SELECT m.Meal_ID || '/' || hex(m.Meal_Picture) || '/' || (SELECT count(*) FROM Made_With WHERE "
            "Meal_ID=m.Meal_ID) || '/' || (SELECT count(*) FROM Menu WHERE Meal_ID=m.Meal_ID) FROM Meal m "
            "WHERE m.Meal_Name LIKE 'Pancakes%'"));
    }
    QAction *undo() { return w.findChild<QAction *>(QStringLiteral("ActionUndo")); }
};

} // namespace

// A deleted recipe comes back whole with Edit > Undo, and a later one from the bin of deleted recipes,
// renamed when its name was taken meanwhile; a restarted program has nothing to undo.
TEST_F(UndoTest, ADeletedRecipeComesBackWhole) {
    const QString before = pancakes();
    ASSERT_FALSE(before.isEmpty());
    EXPECT_FALSE(undo()->isEnabled());
    pick(QStringLiteral("Pancakes"));
    dialogs.confirmAnswers = {true};
    w.RbButton7->click();
    EXPECT_TRUE(pancakes().isEmpty());
    ASSERT_TRUE(undo()->isEnabled());
    EXPECT_EQ(undo()->text(), QStringLiteral("&Undo Delete Recipe \"Pancakes\""));
    undo()->trigger();
    EXPECT_EQ(pancakes(), before) << "the same key, picture, links and planned meals";
    EXPECT_FALSE(undo()->isEnabled());
    EXPECT_EQ(firstValue(QStringLiteral("SELECT count(*) FROM Deleted_Recipes")), QStringLiteral("0"));

    // Deleted again, and another recipe takes the name before the restart.
    pick(QStringLiteral("Pancakes"));
    dialogs.confirmAnswers = {true};
    w.RbButton7->click();
    file.exec(QStringLiteral("INSERT INTO Meal(Meal_Name) VALUES('pancakes')"));
    QTemporaryDir dir;
    const QString restarted = dir.filePath(QStringLiteral("restarted.mdb"));
    ASSERT_TRUE(QFile::copy(file.path(), restarted));
    Mealvane again(AppServices{dialogs, shell, clock}, StartupOptions{0, 0, restarted});
    TForm1 &m = again.mainWindow();
    QAction *undoAgain = m.findChild<QAction *>(QStringLiteral("ActionUndo"));
    EXPECT_FALSE(undoAgain->isEnabled());
    undoAgain->trigger();
    m.showModal = [](QDialog &box) {
        auto *list = box.findChild<QTreeWidget *>(QStringLiteral("DeletedRecipes"));
        ASSERT_EQ(list->topLevelItemCount(), 1);
        EXPECT_EQ(list->topLevelItem(0)->text(0), QStringLiteral("Pancakes"));
        list->topLevelItem(0)->setSelected(true);
        box.accept();
    };
    m.findChild<QAction *>(QStringLiteral("ActionDeletedRecipes"))->trigger();
    EXPECT_EQ(m.statusBar()->currentMessage(),
              QStringLiteral("Restored \"Pancakes\" as \"Pancakes (2)\" (a recipe took its name since)"));
    EXPECT_EQ(m.DBLookupComboBox2->currentText(), QStringLiteral("Pancakes (2)"));
}

// Every other kind of delete or clear goes back in one step: an ingredient group with its ingredients, a
// cleared picture, a shopping row, and the weekly page's picks until the week is saved.
TEST_F(UndoTest, DeletesClearsAndPicksAreTakenBack) {
    const QString drinks = firstValue(
        QStringLiteral("SELECT count(*) FROM Ingredients i JOIN IGroup g ON g.IGROUP_ID=i.Ingredients_Group "
                       "WHERE IGROUP_NAME='Drinks'"));
    w.JvXPBar4Items3Click();
    ASSERT_TRUE(dm.IGROUP.locate(QStringLiteral("IGROUP_NAME"), QStringLiteral("Drinks")));
    dialogs.confirmAnswers = {true};
    w.findChild<QPushButton *>(QStringLiteral("RbButton25"))->click();
    ASSERT_EQ(firstValue(QStringLiteral("SELECT count(*) FROM IGroup WHERE IGROUP_NAME='Drinks'")),
              QStringLiteral("0"));

    pick(QStringLiteral("Pancakes"));
    dialogs.confirmAnswers = {true};
    w.ClearPicture1Click();
    ASSERT_EQ(firstValue(QStringLiteral("SELECT Meal_Picture IS NULL FROM Meal WHERE Meal_Name='Pancakes'")),
              QStringLiteral("1"));

    w.RbButton11Click();
    w.JvXPBar2Click();
    w.DeleteFromShoppingList(QStringLiteral("Milk"));

    // Last done, first undone.
    undo()->trigger();
    EXPECT_EQ(
        firstValue(QStringLiteral("SELECT count(*) FROM ShoppingList WHERE IngredientsDescription='Milk' "
                                  "AND WeekNumber=53")),
        QStringLiteral("1"));
    EXPECT_EQ(firstValue(QStringLiteral("SELECT count(*) FROM ShoppingListHandEdits")), QStringLiteral("0"))
        << "the list is the menu's again";
    undo()->trigger();
    EXPECT_EQ(firstValue(QStringLiteral("SELECT hex(Meal_Picture) FROM Meal WHERE Meal_Name='Pancakes'")),
              QStringLiteral("FFD8FFE000"));
    undo()->trigger();
    EXPECT_EQ(firstValue(QStringLiteral("SELECT count(*) FROM Ingredients i JOIN IGroup g ON "
                                        "g.IGROUP_ID=i.Ingredients_Group WHERE IGROUP_NAME='Drinks'")),
              drinks);

    // Picks go back to the ticks before them; a saved week leaves nothing of them to undo.
    w.JvXPBar5Items0Click();
    const QStringList planned = [this] {
        QStringList ticks;
        for (int day = 0; day < 7; ++day)
            for (int code = 1; code <= 6; ++code)
                ticks << w.weekBox(day, code)->text();
        return ticks;
    }();
    w.RbButton13Click();
    EXPECT_EQ(undo()->text(), QStringLiteral("&Undo Pick-A-Week"));
    undo()->trigger();
    QStringList after;
    for (int day = 0; day < 7; ++day)
        for (int code = 1; code <= 6; ++code)
            after << w.weekBox(day, code)->text();
    EXPECT_EQ(after, planned);
    w.RbButton13Click();
    w.RbButton18Click();
    EXPECT_FALSE(undo()->isEnabled());
}
