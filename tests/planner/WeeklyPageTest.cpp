#include "support/ProgramTest.h"
#include "toolkit/widgets/CheckedComboBox.h"
#include "toolkit/widgets/MonthCalendar.h"

#include "app/SelectedWeek.h"

#include <QAbstractButton>
#include <QAction>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QLabel>
#include <QSettings>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class WeeklyPageTest : public ProgramTest {
protected:
    WeeklyPageTest()
        : ProgramTest(QDateTime(QDate(2005, 12, 31), QTime(9, 0))) {}
    int count(const QString &sql) {
        dm.runSql(sql);
        return int(dm.SQL.value(0, 0).toLongLong());
    }
};

} // namespace

TEST_F(WeeklyPageTest, PickAWeekSaveMenuAndTheWeeksShoppingList) {
    w.JvXPBar5Items0Click();
    ASSERT_EQ(w.activePage(), w.TabSheet7);
    EXPECT_FALSE(w.WeekGridChanged);
    EXPECT_EQ(w.weekBox(0, 2)->items(), w.weekBox(6, 4)->items()) << "both snacks list the snack recipes";
    EXPECT_EQ(w.weekBox(0, 2)->items().constData(), w.weekBox(6, 4)->items().constData()) << "and share them";
    w.findChild<QAbstractButton *>(QStringLiteral("RbButton13"))->click();
    EXPECT_TRUE(w.WeekGridChanged);
    for (int day = 0; day < 7; ++day) {
        for (int code = 1; code <= 6; ++code) {
            ASSERT_EQ(w.weekBox(day, code)->checkedOrder().size(), 1u);
            EXPECT_EQ(w.weekBox(day, code)->toolTip(), w.weekBox(day, code)->text());
        }
    }
    w.findChild<QAbstractButton *>(QStringLiteral("RbButton18"))->click();
    EXPECT_FALSE(w.WeekGridChanged);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu WHERE Week_Number=53 AND Year_Number=2005")),
              42);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu WHERE Year_Number=2006")), 0);
    EXPECT_GT(
        count(QStringLiteral("SELECT count(*) FROM ShoppingList WHERE WeekNumber=53 AND YearNumber=2005")),
        20);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM ShoppingList WHERE IngredientsCount < 1")), 0);

    // Reopening shows what was saved.
    const QString saturdayNoon = w.weekBox(0, 3)->text();
    w.JvXPBar1Items0Click();
    w.JvXPBar5Items0Click();
    EXPECT_EQ(w.weekBox(0, 3)->text(), saturdayNoon);
    EXPECT_FALSE(w.WeekGridChanged);
}

TEST_F(WeeklyPageTest, AWeekChangeAsksFirstAndYesSavesIntoTheWeekShown) {
    w.JvXPBar5Items0Click();
    CheckedComboBox *box = w.weekBox(1, 5);
    box->setChecked(box->indexOf(QStringLiteral("Fish pie")), true);
    dialogs.confirmAnswers = {true};
    w.JvMonthCalendar21->setSelectedDate(QDate(2006, 1, 7));
    w.JvMonthCalendar21Click();
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu WHERE Week_Number=53 AND Year_Number=2005")),
              1);
    EXPECT_EQ(w.SelectedWeek, 1);
    EXPECT_EQ(w.SelectedYear, 2006);
    EXPECT_TRUE(w.weekBox(1, 5)->text().isEmpty()) << "the new week is shown";
    EXPECT_FALSE(w.WeekGridChanged);
}

TEST_F(WeeklyPageTest, NoDropsTheEditsAndAFailedSaveKeepsTheStoredWeek) {
    w.JvXPBar5Items0Click();
    w.weekBox(0, 1)->setChecked(0, true);
    w.findChild<QAbstractButton *>(QStringLiteral("RbButton18"))->click();
    ASSERT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu")), 1);

    w.weekBox(0, 1)->setChecked(0, false);
    w.weekBox(2, 3)->setChecked(0, true);
    dialogs.confirmAnswers = {false};
    w.JvXPBar4Items1Click();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu")), 1) << "No leaves the menu untouched";

    w.JvXPBar5Items0Click();
    w.weekBox(2, 3)->setChecked(0, true);
    dm.runSql(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE INSERT ON Menu BEGIN SELECT RAISE(ABORT, 'disk full'); END"));
    w.findChild<QAbstractButton *>(QStringLiteral("RbButton18"))->click();
    EXPECT_EQ(dialogs.errors, QStringList{"disk full"});
    EXPECT_TRUE(w.WeekGridChanged);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu WHERE Day_Number=0 AND Menu_Time='1'")), 1)
        << "the stored week is as it was";
}

TEST_F(WeeklyPageTest, LoadingPast255CharactersStopsTheOpening) {
    QStringList values;
    for (int i = 0; i < 30; ++i)
        values << QStringLiteral("('Long breakfast name number %1',1)").arg(i);
    dm.runSql(QStringLiteral("INSERT INTO Meal(Meal_Name,Meal_Morning) VALUES ") + values.join(u','));
    dm.runSql(
        QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) "
                       "SELECT 53, 2005, 0, Meal_ID, '1' FROM Meal WHERE Meal_Name LIKE 'Long breakfast%'"));
    w.JvXPBar5Items0Click();
    EXPECT_EQ(dialogs.errors, QStringList{"Too many items selected"});
    EXPECT_EQ(w.activePage(), w.TabSheet5) << "the page switch does not happen";
    EXPECT_LE(w.weekBox(0, 1)->text().size(), 255);
}

#include "planner/TForm5.h"
#include "planner/TForm6.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <set>

TEST_F(WeeklyPageTest, PickATimeChangesOnlyTheTickedTimes) {
    w.JvXPBar5Items0Click();
    w.weekBox(3, 1)->setChecked(0, true);
    w.showModal = [](QDialog &dialog) {
        auto &times = static_cast<SelectorDialog &>(dialog);
        times.checkBox(2)->setChecked(true); // Noon
        times.checkBox(5)->setChecked(true); // Dessert
        times.RbButton12Click();
    };
    w.RbButton12Click();
    int changed = 0;
    for (int day = 0; day < 7; ++day) {
        for (int code = 1; code <= 6; ++code) {
            const size_t checked = w.weekBox(day, code)->checkedOrder().size();
            if (code == 3 || code == 6) {
                EXPECT_EQ(checked, 1u);
                ++changed;
            } else {
                EXPECT_EQ(checked, day == 3 && code == 1 ? 1u : 0u);
            }
        }
    }
    EXPECT_EQ(changed, 14);
    EXPECT_TRUE(program.Form5->ticked().isEmpty()) << "the selector opens empty next time";
}

TEST_F(WeeklyPageTest, OnlyOkPicksOrClearsEscapeAndTheCloseBoxDoNothing) {
    w.JvXPBar5Items0Click();
    w.showModal = [](QDialog &dialog) {
        auto &days = static_cast<SelectorDialog &>(dialog);
        days.checkBox(0)->setChecked(true);
        days.RbButton1Click();
    };
    w.RbButton14Click();
    EXPECT_FALSE(w.WeekGridChanged);
    EXPECT_TRUE(w.weekBox(0, 1)->text().isEmpty());

    w.showModal = [](QDialog &dialog) {
        static_cast<SelectorDialog &>(dialog).checkBox(6)->setChecked(true);
        dialog.show();
        dialog.close(); // the window's close box
    };
    w.RbButton14Click();
    w.showModal = [](QDialog &dialog) {
        static_cast<SelectorDialog &>(dialog).checkBox(2)->setChecked(true); // Noon
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    };
    w.RbButton12Click();
    EXPECT_FALSE(w.WeekGridChanged);
    for (int code = 1; code <= 6; ++code)
        EXPECT_TRUE(w.weekBox(6, code)->checkedOrder().empty());
    for (int day = 0; day < 7; ++day)
        EXPECT_TRUE(w.weekBox(day, 3)->checkedOrder().empty()) << "Escape picked nothing at noon";
    EXPECT_TRUE(program.Form5->ticked().isEmpty());
    EXPECT_TRUE(program.Form6->ticked().isEmpty());

    // OK picks the day; then Escape on Clear-A-Day clears nothing.
    w.showModal = [](QDialog &dialog) {
        static_cast<SelectorDialog &>(dialog).checkBox(6)->setChecked(true);
        static_cast<SelectorDialog &>(dialog).RbButton12Click();
    };
    w.RbButton14Click();
    w.showModal = [](QDialog &dialog) {
        static_cast<SelectorDialog &>(dialog).checkBox(6)->setChecked(true);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
    };
    w.RbButton16Click();
    for (int code = 1; code <= 6; ++code)
        EXPECT_EQ(w.weekBox(6, code)->checkedOrder().size(), 1u);

    w.WeekGridChanged = false;
    w.showModal = [](QDialog &dialog) {
        static_cast<SelectorDialog &>(dialog).checkBox(1)->setChecked(true);
        static_cast<SelectorDialog &>(dialog).RbButton12Click();
    };
    w.RbButton16Click();
    EXPECT_TRUE(w.WeekGridChanged) << "clearing empty boxes still counts as a change";
    w.RbButton16Click();
    EXPECT_EQ(program.Form6->windowTitle(), QStringLiteral("Clear-A-Day: the days to clear"))
        << "the day box says what its ticks will do";
    w.RbButton14Click();
    EXPECT_EQ(program.Form6->windowTitle(), QStringLiteral("Pick-A-Day: the days to pick for"));
    EXPECT_EQ(program.Form5->checkBox(3)->text(), QStringLiteral("Afternoon Snack"));
}

TEST_F(WeeklyPageTest, EveryRecipeOfABoxCanBeDrawn) {
    w.JvXPBar5Items0Click();
    CheckedComboBox *box = w.weekBox(0, 6);
    ASSERT_GE(box->count(), 6);
    std::vector<int> draws(size_t(box->count()), 0);
    const int rounds = 200 * box->count();
    for (int i = 0; i < rounds; ++i) {
        w.PickDay(0);
        ASSERT_EQ(box->checkedOrder().size(), 1u);
        ++draws[size_t(box->checkedOrder().front())];
    }
    // Each recipe's share stays near 1/n: within five standard deviations of the expected count.
    const double expected = 200.0;
    for (int n : draws) {
        EXPECT_GT(n, 0);
        EXPECT_NEAR(n, expected, 5 * std::sqrt(expected));
    }
}

// The stored week comes back into the boxes whatever the names hold: accented names in their place, names
// that sort alike but for their accents told apart, and a recipe no longer flagged for the time left out.
TEST_F(WeeklyPageTest, TheStoredWeekFindsEveryNameInItsBox) {
    const QStringList dinners{QStringLiteral("Élan tart"),       QStringLiteral("elan tart"),
                              QStringLiteral("Zucchini bake"),   QStringLiteral("Crème brûlée"),
                              QStringLiteral("CREME BRULEE"),    QStringLiteral("Cream pie"),
                              QStringLiteral("50% rye \"loaf\"")};
    for (const QString &name : dinners)
        dm.runSql(QStringLiteral("INSERT INTO Meal(Meal_Name,Meal_Night) VALUES('%1',1)")
                      .arg(QString(name).replace(u'\'', QStringLiteral("''"))));
    dm.runSql(QStringLiteral("INSERT INTO Meal(Meal_Name,Meal_Night) VALUES('Retired stew',0)"));
    int day = 0;
    for (const QString &name : dinners + QStringList{QStringLiteral("Retired stew")})
        dm.runSql(QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) "
                                 "SELECT 53, 2005, %1, Meal_ID, '5' FROM Meal WHERE Meal_Name='%2'")
                      .arg(day++ % 7)
                      .arg(QString(name).replace(u'\'', QStringLiteral("''"))));
    w.JvXPBar5Items0Click();
    QStringList shown;
    for (int d = 0; d < 7; ++d)
        shown << w.weekBox(d, 5)->text();
    // Monday holds the seventh dinner and the retired stew, which is no longer a dinner.
    EXPECT_EQ(shown, QStringList({"Élan tart", "elan tart", "Zucchini bake", "Crème brûlée", "CREME BRULEE",
                                  "Cream pie", "50% rye \"loaf\""}));
    for (int d = 0; d < 7; ++d)
        EXPECT_EQ(w.weekBox(d, 5)->checkedOrder().size(), 1u) << d;
}

TEST_F(WeeklyPageTest, ANameHoldingANulIsPlannedAndSavedLikeAnyOther) {
    // A tool (or an older import) left a NUL inside a name.
    file.exec(QStringLiteral("INSERT INTO Meal(Meal_Name, Meal_Noon) VALUES('Soup'||char(0)||'Stew', 1)"));
    w.JvXPBar5Items0Click();
    CheckedComboBox *box = w.weekBox(0, 3);
    const int at = box->indexOf(QStringLiteral("Soup") + QChar(0) + QStringLiteral("Stew"));
    ASSERT_GE(at, 0);
    box->setChecked(at, true);
    w.run([this] { w.RbButton18Click(); });
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu JOIN Meal USING (Meal_ID) WHERE Meal_Name = "
                                   "'Soup'||char(0)||'Stew'")),
              1);
}

TEST_F(WeeklyPageTest, CancelKeepsTheUnsavedWeekOnScreenAtEveryQuestion) {
    w.show();
    w.JvXPBar5Items0Click();
    w.weekBox(1, 5)->setChecked(0, true);
    const QString picked = w.weekBox(1, 5)->text();
    const auto stillThere = [&](const char *where) {
        EXPECT_EQ(w.activePage(), w.TabSheet7) << where;
        EXPECT_TRUE(w.WeekGridChanged) << where;
        EXPECT_EQ(w.weekBox(1, 5)->text(), picked) << where;
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu")), 0) << where << ": nothing saved";
    };
    // Closing: Cancel (Escape, the close box) neither saves nor closes.
    dialogs.askAnswers = {Dialogs::Answer::Cancel};
    EXPECT_FALSE(w.close());
    EXPECT_TRUE(w.isVisible());
    stillThere("closing");
    // Another page, another week in the calendar: Cancel stays.
    dialogs.askAnswers = {Dialogs::Answer::Cancel};
    w.JvXPBar4Items1Click();
    stillThere("another page");
    const int week = w.SelectedWeek;
    dialogs.askAnswers = {Dialogs::Answer::Cancel};
    w.JvMonthCalendar21->setSelectedDate(QDate(2006, 1, 14));
    w.JvMonthCalendar21Click();
    stillThere("another week");
    EXPECT_EQ(w.SelectedWeek, week);
    EXPECT_EQ(w.JvMonthCalendar21->selectedDate(), QDate(2005, 12, 31))
        << "the calendar shows the week on screen";
    EXPECT_EQ(dialogs.questions.size(), 3);
    // Yes saves and closes.
    dialogs.askAnswers = {Dialogs::Answer::Yes};
    EXPECT_TRUE(w.close());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Menu")), 1);
}

namespace {

/// A book of `recipes` recipes, each admitted at every meal time.
class VariedPicksTest : public ProgramTest {
protected:
    VariedPicksTest()
        : ProgramTest(QDateTime(QDate(2027, 1, 4), QTime(9, 0)), TestDataFile::Contents::Empty) {}
    void fill(int recipes) {
        file.exec(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                           "INSERT INTO Meal(Meal_Name, Meal_Morning, Meal_Snack, Meal_Noon, Meal_Night, "
                           "Meal_Dessert) SELECT 'Dish ' || i, 1, 1, 1, 1, 1 FROM n")
                .arg(recipes));
        w.rereadAfterImport();
        w.JvXPBar5Items0Click();
        w.findChild<QCheckBox *>(QStringLiteral("NoRepeats"))->setChecked(true);
    }
    QStringList week() {
        QStringList picks;
        for (int day = 0; day < 7; ++day)
            for (int code = 1; code <= 6; ++code)
                picks << w.weekBox(day, code)->text();
        return picks;
    }
};

} // namespace

// Over many seeded picks: with 50 recipes to every list no recipe comes twice into a week, and those of the
// two weeks before (here across the year's end) are drawn last; with one recipe every box still gets it.
TEST_F(VariedPicksTest, NoRepeatsKeepsTheWeekVariedAndTheLastTwoWeeksLast) {
    EXPECT_FALSE(w.findChild<QCheckBox *>(QStringLiteral("NoRepeats")) != nullptr &&
                 w.findChild<QCheckBox *>(QStringLiteral("NoRepeats"))->isChecked())
        << "off unless asked for";
    fill(50);
    ASSERT_EQ(w.SelectedWeek, 1);
    ASSERT_EQ(w.SelectedYear, 2027);
    // Dish 1 to 8 in the last week of 2026 and the one before: 42 other recipes, one for every box.
    for (int d = 1; d <= 8; ++d) {
        const QDate saturday = QDate(2027, 1, 2).addDays(d <= 4 ? -7 : -14);
        file.exec(QStringLiteral("INSERT INTO Menu(Week_Number, Year_Number, Day_Number, Menu_Time, Meal_ID) "
                                 "SELECT %1, %2, 0, '3', Meal_ID FROM Meal WHERE Meal_Name = 'Dish %3'")
                      .arg(WeekNumber(saturday))
                      .arg(WeekYear(saturday))
                      .arg(d));
    }
    for (int seed = 1; seed <= 100; ++seed) {
        w.seedPicks(std::uint64_t(seed));
        w.RbButton13Click();
        const QStringList picks = week();
        ASSERT_EQ(QSet<QString>(picks.cbegin(), picks.cend()).size(), 42) << "seed " << seed;
        for (int d = 1; d <= 8; ++d)
            ASSERT_FALSE(picks.contains(QStringLiteral("Dish %1").arg(d))) << "seed " << seed;
    }
    // Picking a time or a day keeps to the rule as well.
    w.PickTime(3);
    w.PickDay(2);
    const QStringList picks = week();
    EXPECT_EQ(QSet<QString>(picks.cbegin(), picks.cend()).size(), 42);
    // Without the box ticked, picks come as they fall: repeats within a week of 50 come soon.
    w.findChild<QCheckBox *>(QStringLiteral("NoRepeats"))->setChecked(false);
    int repeated = 0;
    for (int seed = 1; seed <= 20; ++seed) {
        w.seedPicks(std::uint64_t(seed));
        w.RbButton13Click();
        const QStringList free = week();
        repeated += QSet<QString>(free.cbegin(), free.cend()).size() < 42 ? 1 : 0;
    }
    EXPECT_GT(repeated, 15);
}

TEST_F(VariedPicksTest, AListOfOneRecipeStillFillsEveryBoxAndTheChoiceIsRemembered) {
    fill(1);
    w.RbButton13Click();
    EXPECT_EQ(week(), QStringList(42, QStringLiteral("Dish 1")));
    EXPECT_TRUE(QSettings(QStringLiteral("mealvane"), QStringLiteral("mealvane"))
                    .value(QStringLiteral("Planner/NoRepeats"))
                    .toBool());
    w.findChild<QCheckBox *>(QStringLiteral("NoRepeats"))->setChecked(false);
    EXPECT_FALSE(QSettings(QStringLiteral("mealvane"), QStringLiteral("mealvane"))
                     .value(QStringLiteral("Planner/NoRepeats"))
                     .toBool());
}

// Next Week and Previous Week step the week across the year's end as the calendar does; an unsaved week
// asks first, and Cancel keeps it on screen.
TEST_F(WeeklyPageTest, NextAndPreviousWeekStepAcrossTheYearsEnd) {
    ASSERT_EQ(w.SelectedWeek, 53);
    w.ActionNextWeek->trigger();
    EXPECT_EQ(std::pair(w.SelectedWeek, w.SelectedYear), std::pair(1, 2006));
    EXPECT_EQ(w.JvMonthCalendar21->selectedDate(), QDate(2006, 1, 7));
    w.findChild<QAbstractButton *>(QStringLiteral("PreviousWeek"))->click();
    w.ActionPreviousWeek->trigger();
    EXPECT_EQ(std::pair(w.SelectedWeek, w.SelectedYear), std::pair(52, 2005));
    w.JvXPBar5Items0Click();
    // The days carry their dates.
    EXPECT_EQ(w.TabSheet7->findChild<QLabel *>(QStringLiteral("DaySaturday"))->text(),
              QStringLiteral("Saturday 24 Dec"));
    EXPECT_EQ(w.TabSheet7->findChild<QLabel *>(QStringLiteral("DayFriday"))->text(),
              QStringLiteral("Friday 30 Dec"));
    CheckedComboBox *box = w.weekBox(1, 5);
    box->setChecked(box->indexOf(QStringLiteral("Fish pie")), true);
    dialogs.askAnswers = {Dialogs::Answer::Cancel};
    w.ActionNextWeek->trigger();
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(w.SelectedWeek, 52);
    EXPECT_TRUE(w.WeekGridChanged);
    EXPECT_EQ(w.weekBox(1, 5)->text(), QStringLiteral("Fish pie"));
}

// Copy Week To...: the stored week onto another, across the year's end, its list when asked; a planned week
// is replaced only after a Yes, and the week itself is no target.
TEST_F(WeeklyPageTest, CopyWeekToAnotherWeekAsksBeforeItReplacesOne) {
    file.exec(QStringLiteral(
        "INSERT INTO Menu(Week_Number, Year_Number, Day_Number, Menu_Time, Meal_ID, Menu_People) "
        "SELECT 53, 2005, 0, '3', Meal_ID, 4 FROM Meal WHERE Meal_Name = 'Pancakes';"
        "INSERT INTO Menu(Week_Number, Year_Number, Day_Number, Menu_Time, Meal_ID) SELECT 53, "
        "2005, 6, '5', Meal_ID FROM Meal WHERE Meal_Name = 'Fish pie';"
        "INSERT INTO ShoppingList(WeekNumber, YearNumber, IngredientsDescription, "
        "IngredientsCount, IngredientsType, IngredientsBought) VALUES(53, 2005, 'Birthday "
        "candles', 1, 'Party', 1)"));
    QDate target;
    bool withList = false;
    w.showModal = [&](QDialog &dialog) {
        dialog.findChild<QCalendarWidget *>(QStringLiteral("CopyWeekCalendar"))->setSelectedDate(target);
        dialog.findChild<QCheckBox *>(QStringLiteral("CopyWeekList"))->setChecked(withList);
        dialog.accept();
    };
    const QString week1 = QStringLiteral(
        "SELECT group_concat(Day_Number || Menu_Time || ifnull(Menu_People, ''), ',') FROM (SELECT * "
        "FROM Menu WHERE Week_Number = 1 AND Year_Number = 2006 ORDER BY MENU_ID)");
    target = QDate(2006, 1, 10);
    w.ActionCopyWeek->trigger();
    ASSERT_TRUE(dialogs.errors.isEmpty()) << qPrintable(dialogs.errors.join(u'\n'));
    ASSERT_TRUE(dialogs.informations.isEmpty()) << qPrintable(dialogs.informations.join(u'\n'));
    EXPECT_EQ(firstValue(week1), QStringLiteral("034,65"));
    EXPECT_GT(count(QStringLiteral(
                  "SELECT count(*) FROM ShoppingList WHERE WeekNumber = 1 AND YearNumber = 2006 AND "
                  "IngredientsDescription <> 'Birthday candles'")),
              0)
        << "without its list, the week's list is made from the menu copied";

    // Onto a planned week: No keeps it, Yes replaces menu and list.
    file.exec(
        QStringLiteral("DELETE FROM Menu WHERE Week_Number = 1 AND Year_Number = 2006 AND Day_Number = 6"));
    withList = true;
    w.ActionCopyWeek->trigger();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].startsWith(QStringLiteral("Week 1 of 2006 is planned already.")));
    EXPECT_EQ(firstValue(week1), QStringLiteral("034"));
    dialogs.confirmAnswers = {true};
    w.ActionCopyWeek->trigger();
    EXPECT_EQ(firstValue(week1), QStringLiteral("034,65"));
    EXPECT_EQ(
        firstValue(QStringLiteral("SELECT group_concat(IngredientsDescription || IngredientsBought) FROM "
                                  "ShoppingList WHERE WeekNumber = 1 AND YearNumber = 2006")),
        QStringLiteral("Birthday candles0"));

    target = QDate(2005, 12, 31);
    w.ActionCopyWeek->trigger();
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_EQ(dialogs.informations[0],
              QStringLiteral("Week 53 of 2005 is the week being copied: choose a day of another week."));
}
