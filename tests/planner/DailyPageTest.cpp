#include "app/SizeRules.h"
#include "support/ProgramTest.h"
#include "toolkit/widgets/DBGrid.h"
#include "toolkit/widgets/DBLookupComboBox.h"
#include "toolkit/widgets/DBLookupListBox.h"
#include "toolkit/widgets/MonthCalendar.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DailyPageTest : public ProgramTest {
protected:
    DailyPageTest()
        : ProgramTest(QDateTime(QDate(2005, 12, 31), QTime(9, 0))) {
        w.JvXPBar5Click();
    }
    QStringList mealList() {
        QStringList names;
        for (int r = 0; r < dm.SQLMEAL3.recordCount(); ++r)
            names << w.DBLookupListBox1->model()->index(r, 0).data().toString();
        return names;
    }
    QStringList slot(int code) {
        QStringList names;
        const QAbstractItemModel *model = w.slotGrid(code)->model();
        for (int r = 0; r < model->rowCount(); ++r)
            names << model->index(r, 0).data().toString();
        return names;
    }
    int count(const QString &sql) {
        dm.runSql(sql);
        return int(dm.SQL.value(0, 0).toLongLong());
    }
    /// Makes a recipe current in the meal list and drops it on a slot grid.
    void dropRecipe(const QString &name, int code) {
        ASSERT_TRUE(dm.SQLMEAL3.locate(QStringLiteral("Meal_Name"), name)) << qPrintable(name);
        w.slotDragDrop(w.slotGrid(code), w.DBLookupListBox1);
    }
    /// Makes a recipe current in a slot grid and drops it on the meal list.
    void dropBack(const QString &name, int code) {
        ASSERT_TRUE(dm.slotQuery(code - 1).locate(QStringLiteral("MEAL_NAME"), name)) << qPrintable(name);
        w.DBLookupListBox1DragDrop(w.slotGrid(code));
    }
    void chooseTime(QRadioButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
};

} // namespace

TEST_F(DailyPageTest, EveryOpeningStartsOnSaturdayMorningWithTheFilterOff) {
    ASSERT_EQ(w.activePage(), w.TabSheet1);
    EXPECT_EQ(w.TabSheet1->findChild<QLabel *>(QStringLiteral("JvNavPanelHeader1"))->text(),
              QStringLiteral("  Vane Menu Selection"));
    for (const char *caption :
         {"Use Drag&Drop to Add/Delete Meals to Menu", "Vane Drag Meals to Menu Boxes", "Select Time:"}) {
        const QList<QLabel *> labels = w.TabSheet1->findChildren<QLabel *>();
        EXPECT_TRUE(std::any_of(labels.begin(), labels.end(), [&](const QLabel *l) {
            return l->text() == QString::fromLatin1(caption);
        })) << caption;
    }
    EXPECT_EQ(w.JvTabBar1->count(), 7);
    // With the date, whole, or cut to "Wed 4" with the whole caption as its tip where the bar is narrow.
    EXPECT_TRUE(w.JvTabBar1->tabText(4) == QStringLiteral("Wednesday 4 Jan") ||
                (w.JvTabBar1->tabText(4) == QStringLiteral("Wed 4") &&
                 w.JvTabBar1->tabToolTip(4) == QStringLiteral("Wednesday 4 Jan")))
        << qPrintable(w.JvTabBar1->tabText(4));
    EXPECT_EQ(mealList().size(), count(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Morning")));
    EXPECT_EQ(mealList().first(), QStringLiteral("Banana bread"));

    w.JvTabBar1->setCurrentIndex(3);
    chooseTime(w.RbRadioButton3);
    w.DBLookupComboBox4->choose(w.DBLookupComboBox4->findText(QStringLiteral("Salad")));
    w.RbCheckBox1->click();
    EXPECT_EQ(mealList().size(), 2);
    w.JvXPBar1Items0Click();
    w.JvXPBar5Click();
    EXPECT_EQ(w.selectedDay(), 0);
    EXPECT_TRUE(w.RbRadioButton1->isChecked());
    EXPECT_FALSE(w.RbCheckBox1->isChecked());
    EXPECT_EQ(w.DBLookupComboBox4->currentText(), QStringLiteral("Salad")) << "the type box keeps its choice";
    EXPECT_EQ(dm.SQLMEAL3.sql(),
              QStringLiteral("SELECT * FROM MEAL WHERE MEAL_MORNING=TRUE ORDER BY MEAL_NAME"));
    EXPECT_EQ(w.SelectedWeek, 53);
    EXPECT_EQ(w.SelectedYear, 2005);
}

TEST_F(DailyPageTest, TheTypeFilterNeedsBothTheBoxAndAType) {
    chooseTime(w.RbRadioButton2);
    const int snacks = int(mealList().size());
    w.RbCheckBox1->click();
    EXPECT_EQ(mealList().size(), snacks) << "no type chosen yet";
    const int snackType = w.DBLookupComboBox4->findText(QStringLiteral("Snack"));
    w.DBLookupComboBox4->choose(snackType);
    w.DBLookupComboBox4CloseUp();
    EXPECT_EQ(dm.SQLMEAL3.sql(), QStringLiteral("SELECT * FROM MEAL WHERE MEAL_SNACK=TRUE AND MEAL_TYPE=") +
                                     dm.MEALTYPE.field(QStringLiteral("ID")).asString() +
                                     QStringLiteral(" ORDER BY MEAL_NAME"));
    EXPECT_LT(mealList().size(), snacks);
    EXPECT_EQ(mealList(), (QStringList{"Apple and peanut butter slices", "Cheese and ham toastie",
                                       "Guacamole with tortilla chips", "Hummus with pitta and vegetables"}));
    // Another list moving the shared types elsewhere does not change what the box filters by.
    dm.MEALTYPE.locate(QStringLiteral("Type"), QStringLiteral("Baking"));
    w.RefreshMealList();
    EXPECT_EQ(mealList().size(), 4);
    w.RbCheckBox1->click();
    EXPECT_EQ(mealList().size(), snacks);
}

TEST_F(DailyPageTest, AReleaseOfAnyMouseButtonChoosesTheTime) {
    QTest::mouseRelease(w.RbRadioButton5, Qt::RightButton, {}, w.RbRadioButton5->rect().center());
    EXPECT_TRUE(w.RbRadioButton5->isChecked());
    EXPECT_FALSE(w.RbRadioButton1->isChecked());
    EXPECT_EQ(mealList().size(), count(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Dessert")));
    QTest::mouseClick(w.RbRadioButton4, Qt::LeftButton);
    EXPECT_TRUE(w.RbRadioButton4->isChecked());
    EXPECT_TRUE(dm.SQLMEAL3.sql().contains(QStringLiteral("MEAL_NIGHT=TRUE")));
}

TEST_F(DailyPageTest, WhichGridTakesWhichDrag) {
    // Per chosen time, the slot codes whose grid takes a drag from the meal list.
    const std::vector<std::pair<QRadioButton *, std::vector<int>>> rules = {{w.RbRadioButton1, {1}},
                                                                            {w.RbRadioButton2, {2, 4}},
                                                                            {w.RbRadioButton3, {3}},
                                                                            {w.RbRadioButton4, {5}},
                                                                            {w.RbRadioButton5, {6}}};
    for (const auto &[button, codes] : rules) {
        chooseTime(button);
        for (int code = 1; code <= 6; ++code) {
            const bool expected = std::find(codes.begin(), codes.end(), code) != codes.end();
            EXPECT_EQ(w.slotDragOver(w.slotGrid(code), w.DBLookupListBox1), expected)
                << qPrintable(button->text()) << " onto slot " << code;
            for (int other = 1; other <= 6; ++other)
                EXPECT_FALSE(w.slotDragOver(w.slotGrid(code), w.slotGrid(other))) << "grid to grid";
            EXPECT_FALSE(w.slotDragOver(w.slotGrid(code), w.DBGrid9));
            EXPECT_FALSE(w.slotDragOver(w.slotGrid(code), nullptr));
            // The meal list takes from every slot grid whatever time is chosen.
            EXPECT_TRUE(w.DBLookupListBox1DragOver(w.slotGrid(code)));
        }
        EXPECT_FALSE(w.DBLookupListBox1DragOver(w.DBLookupListBox1));
        EXPECT_FALSE(w.DBLookupListBox1DragOver(w.DBLookupListBox2));
        EXPECT_FALSE(w.slotDragOver(w.DBLookupListBox1, w.DBLookupListBox1)) << "not a slot grid";
    }
}

TEST_F(DailyPageTest, DropsWriteTheSlotAndEveryDropSetsTheFlag) {
    dropRecipe(QStringLiteral("Pancakes"), 1);
    EXPECT_TRUE(w.DailyMenuChanged);
    EXPECT_EQ(slot(1), (QStringList{"Pancakes"}));
    w.RbButton11->click();
    EXPECT_FALSE(w.DailyMenuChanged) << "Update Shopping List clears it";
    EXPECT_GT(
        count(QStringLiteral("SELECT count(*) FROM ShoppingList WHERE WeekNumber=53 AND YearNumber=2005")),
        0);

    // A duplicate writes nothing but still counts as a change; a refused drop does nothing at all.
    dropRecipe(QStringLiteral("Pancakes"), 1);
    EXPECT_TRUE(w.DailyMenuChanged);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu")), 1);
    w.DailyMenuChanged = false;
    dropRecipe(QStringLiteral("Pancakes"), 3);
    EXPECT_FALSE(w.DailyMenuChanged);
    EXPECT_TRUE(slot(3).isEmpty());

    // With Snack chosen both snack grids take the recipe.
    chooseTime(w.RbRadioButton2);
    dropRecipe(QStringLiteral("Flapjacks"), 2);
    dropRecipe(QStringLiteral("Flapjacks"), 4);
    EXPECT_EQ(slot(2), (QStringList{"Flapjacks"}));
    EXPECT_EQ(slot(4), (QStringList{"Flapjacks"}));

    // Another day has slots of its own.
    w.JvTabBar1->setCurrentIndex(2);
    EXPECT_TRUE(slot(2).isEmpty());
    dropRecipe(QStringLiteral("Flapjacks"), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu WHERE Day_Number=2 AND Menu_Time='2'")), 1);
    w.JvTabBar1->setCurrentIndex(0);
    EXPECT_EQ(slot(1), (QStringList{"Pancakes"}));

    // Dragging back takes it out of that slot of that day only, whatever time is chosen.
    chooseTime(w.RbRadioButton3);
    dropBack(QStringLiteral("Flapjacks"), 4);
    EXPECT_TRUE(slot(4).isEmpty());
    EXPECT_EQ(slot(2), (QStringList{"Flapjacks"}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu WHERE Meal_ID=(SELECT Meal_ID FROM Meal WHERE "
                                   "Meal_Name='Flapjacks')")),
              2);
}

TEST_F(DailyPageTest, EmptyListsAndGridsWriteNothingButStillCountAsAChange) {
    w.DBLookupComboBox4->choose(w.DBLookupComboBox4->findText(QStringLiteral("Soup")));
    w.RbCheckBox1->click();
    ASSERT_TRUE(mealList().isEmpty()) << "no soup is a breakfast";
    w.slotDragDrop(w.DBGrid8, w.DBLookupListBox1);
    EXPECT_TRUE(w.DailyMenuChanged);
    w.DailyMenuChanged = false;
    w.DBLookupListBox1DragDrop(w.DBGrid7);
    EXPECT_TRUE(w.DailyMenuChanged);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu")), 0);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(DailyPageTest, ARecipeNotAdmittedAtItsTimeCanStillBeTakenOut) {
    // Apple crumble is a dessert; an older plan put it in the morning.
    file.exec(QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) SELECT "
                             "53,2005,0,'1',Meal_ID FROM Meal WHERE Meal_Name='Apple crumble'"));
    w.RefreshMenuDays();
    EXPECT_EQ(slot(1), (QStringList{"Apple crumble"}));
    EXPECT_FALSE(mealList().contains(QStringLiteral("Apple crumble")));
    dropBack(QStringLiteral("Apple crumble"), 1);
    EXPECT_TRUE(slot(1).isEmpty());
}

TEST_F(DailyPageTest, LeavingAfterChangesAsksAndYesUpdatesTheList) {
    dropRecipe(QStringLiteral("Pancakes"), 1);
    dialogs.confirmAnswers = {false};
    w.JvXPBar2Click();
    EXPECT_EQ(dialogs.questions,
              (QStringList{"Do You want to save changes to menu and update shopping list?"}));
    EXPECT_TRUE(w.DBGrid9->model()->rowCount() == 0) << "No leaves the list as it was";
    EXPECT_FALSE(w.DailyMenuChanged);

    w.JvXPBar5Click();
    EXPECT_EQ(slot(1), (QStringList{"Pancakes"})) << "the menu was stored at the drop";
    dropRecipe(QStringLiteral("Banana bread"), 1);
    dialogs.confirmAnswers = {true};
    w.JvXPBar2Click();
    EXPECT_EQ(dialogs.questions.size(), 2);
    EXPECT_GT(w.DBGrid9->model()->rowCount(), 0);
    EXPECT_EQ(
        count(QStringLiteral("SELECT count(*) FROM ShoppingList WHERE IngredientsDescription='Bananas'")), 1);
}

TEST_F(DailyPageTest, AWeekChangeRereadsTheGridsWithoutAsking) {
    dropRecipe(QStringLiteral("Pancakes"), 1);
    w.JvTabBar1->setCurrentIndex(0);
    w.JvMonthCalendar21->setSelectedDate(QDate(2006, 1, 7));
    w.JvMonthCalendar21Click();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(w.DailyMenuChanged);
    EXPECT_EQ(w.SelectedWeek, 1);
    EXPECT_TRUE(slot(1).isEmpty());
    dropRecipe(QStringLiteral("Pancakes"), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu WHERE Week_Number=1 AND Year_Number=2006")), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu WHERE Week_Number=53 AND Year_Number=2005")),
              1);
}

TEST_F(DailyPageTest, AFailedWriteShowsTheEnginesMessageAndKeepsTheFlag) {
    dm.runSql(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE INSERT ON Menu BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    ASSERT_TRUE(dm.SQLMEAL3.locate(QStringLiteral("Meal_Name"), QStringLiteral("Pancakes")));
    w.run([this] { w.slotDragDrop(w.DBGrid8, w.DBLookupListBox1); });
    EXPECT_EQ(dialogs.errors, (QStringList{"disk full"}));
    EXPECT_TRUE(w.DailyMenuChanged);
    EXPECT_TRUE(slot(1).isEmpty());
}

TEST_F(DailyPageTest, TheSlotBoxesFollowTheWindowSize) {
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    for (const QSize size : {QSize(800, 580), QSize(1200, 860)}) {
        w.resize(size);
        QApplication::processEvents();
        const QWidget *area = w.DBGrid8->parentWidget()->parentWidget()->parentWidget();
        const sizerules::SlotBoxes boxes = sizerules::slotBoxes(area->size());
        EXPECT_EQ(w.DBGrid8->parentWidget()->width(), boxes.leftWidth) << size.width();
        EXPECT_EQ(w.DBGrid4->parentWidget()->width(), boxes.leftWidth);
        EXPECT_NEAR(w.DBGrid8->parentWidget()->height(), w.DBGrid6->parentWidget()->height(), 2);
        EXPECT_GE(w.DBGrid3->parentWidget()->width(), boxes.leftWidth - 1) << "the right box takes the rest";
    }
}

TEST_F(DailyPageTest, EnterAddsTheMealToTheChosenTimeAndDeleteTakesItOut) {
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    chooseTime(w.RbRadioButton5);
    ASSERT_TRUE(dm.SQLMEAL3.locate(QStringLiteral("Meal_Name"), QStringLiteral("Apple crumble")));
    w.DBLookupListBox1->setFocus();
    QTest::keyClick(w.DBLookupListBox1, Qt::Key_Return);
    EXPECT_EQ(slot(6), (QStringList{"Apple crumble"}));
    w.DBGrid7->setFocus();
    QTest::keyClick(w.DBGrid7, Qt::Key_Delete);
    EXPECT_TRUE(slot(6).isEmpty());
    EXPECT_TRUE(w.DailyMenuChanged);
}

TEST_F(DailyPageTest, BothSnackBoxesCanBeFilledFromTheKeyboard) {
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.activateWindow();
    chooseTime(w.RbRadioButton2); // Snack
    ASSERT_TRUE(dm.SQLMEAL3.locate(QStringLiteral("Meal_Name"), QStringLiteral("Flapjacks")));
    w.DBLookupListBox1->setFocus();
    QTest::keyClick(w.DBLookupListBox1, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(slot(4), (QStringList{"Flapjacks"})) << "Shift+Enter fills the afternoon snack";
    EXPECT_TRUE(slot(2).isEmpty());
    QTest::keyClick(w.DBLookupListBox1, Qt::Key_Return);
    EXPECT_EQ(slot(2), (QStringList{"Flapjacks"}));
    // Insert in a box takes the list's current meal, where the box takes it.
    w.DBGrid3->setFocus();
    ASSERT_GT(dm.SQLMEAL3.recordCount(), 1);
    dm.SQLMEAL3.setCurrentRow(dm.SQLMEAL3.currentRow() == 0 ? 1 : 0);
    const QString current = dm.SQLMEAL3.field(QStringLiteral("Meal_Name")).asString();
    QTest::keyClick(w.DBGrid3, Qt::Key_Insert);
    EXPECT_TRUE(slot(2).contains(current));
    w.DBGrid8->setFocus();
    QTest::keyClick(w.DBGrid8, Qt::Key_Insert);
    EXPECT_TRUE(slot(1).isEmpty()) << "the morning box takes nothing while Snack is chosen";
}

// A planned meal eaten by more (or fewer) people than the household keeps its number, through a new
// writing of the week, and the shopping list buys for them; a number that is none is refused.
TEST_F(DailyPageTest, APlannedMealKeepsItsOwnNumberOfPeople) {
    dropRecipe(QStringLiteral("Pancakes"), 1);
    ASSERT_EQ(slot(1), (QStringList{"Pancakes"}));
    QAction *people = w.DBGrid8->findChild<QAction *>(QStringLiteral("PeopleAtThisMeal"));
    ASSERT_NE(people, nullptr);
    const auto stored = [this] {
        return firstValue(
            QStringLiteral("SELECT coalesce(Menu_People, 'none') FROM Menu JOIN Meal USING(Meal_ID) "
                           "WHERE Meal_Name='Pancakes'"));
    };
    dialogs.inputAnswers = {QStringLiteral("many")};
    people->trigger();
    EXPECT_EQ(stored(), QStringLiteral("none"));
    EXPECT_FALSE(dialogs.errors.isEmpty());
    dialogs.inputAnswers = {QStringLiteral("6")};
    people->trigger();
    EXPECT_EQ(stored(), QStringLiteral("6"));
    // The weekly page writes the whole week again; the number stays with the meal.
    w.JvXPBar5Items0Click();
    w.RbButton18Click();
    EXPECT_EQ(stored(), QStringLiteral("6"));
}
