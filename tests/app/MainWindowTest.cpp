#include "app/Mealvane.h"
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "data/TDataModule1.h"
#include "planner/TForm5.h"
#include "planner/TForm6.h"
#include "recipes/TForm3.h"
#include "recipes/TForm7.h"
#include "recipes/TForm8.h"
#include "reports/ReportLayout.h"
#include "reports/TReportIngredientsList.h"
#include "reports/TReportRecipe.h"
#include "reports/TReportShoppingList.h"
#include "reports/TReportWeeklyMenu.h"
#include "support/FakeDesktop.h"
#include "support/FakeDialogs.h"
#include "support/ProgramTest.h"
#include "support/TestDataFile.h"
#include "toolkit/ui/WidgetDialogs.h"
#include "toolkit/widgets/CheckedComboBox.h"
#include "toolkit/widgets/DBLookupComboBox.h"
#include "toolkit/widgets/DBMemo.h"
#include "toolkit/widgets/MonthCalendar.h"
#include "toolkit/widgets/NavBar.h"
#include "toolkit/widgets/ScrollText.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

namespace {

class MainWindowTest : public ProgramTest {
protected:
    MainWindowTest()
        : ProgramTest(QDateTime(QDate(2006, 5, 21), QTime(10, 0))) {
        w.showReport = [this](const report::BandReport &r) { reportsShown << r.title; };
        w.showModal = [this](QDialog &d) { dialogsShown << d.objectName(); };
        program.show();
        (void)QTest::qWaitForWindowExposed(&w);
    }

    void click(const char *name) {
        auto *button = w.findChild<QAbstractButton *>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    QStringList reportsShown;
    QStringList dialogsShown;
};

QStringList menuTexts(QMenu *menu) {
    QStringList texts;
    for (QAction *a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

} // namespace

TEST_F(MainWindowTest, StartsOnTheWelcomePageAt800By580) {
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Mealvane v 4.0"));
    EXPECT_EQ(w.activePage(), w.TabSheet5);
    EXPECT_FALSE(w.WeekGridChanged);
    EXPECT_FALSE(w.DailyMenuChanged);
    EXPECT_EQ(w.frameGeometry().size(), QSize(800, 580));
    EXPECT_EQ(w.SelectedWeek, 20);
    EXPECT_EQ(w.SelectedYear, 2006);
    EXPECT_EQ(w.JvgLabel68->text(), QStringLiteral("20"));
    EXPECT_TRUE(w.JvgLabel29->text().startsWith(QStringLiteral("20 - 26 ")));
    for (NavBarGroup *group : {w.JvXPBar1, w.JvXPBar3, w.JvXPBar4, w.JvXPBar5})
        EXPECT_FALSE(group->isExpanded()) << group->objectName().toStdString();
    auto *status = w.findChild<QLabel *>(QStringLiteral("StatusBarText"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text(), QStringLiteral("Save time and get your life back !"));
}

TEST_F(MainWindowTest, TheWindowCannotBeMadeSmallerThan800By580) {
    w.resize(640, 400);
    QCoreApplication::processEvents();
    EXPECT_GE(w.frameGeometry().width(), 800);
    EXPECT_GE(w.frameGeometry().height(), 580);
    w.resize(1100, 700);
    QCoreApplication::processEvents();
    EXPECT_EQ(w.size(), QSize(1100, 700));
}

TEST_F(MainWindowTest, TheGroupBoxListsEveryGroupByNameRightAfterStartUp) {
    QStringList items;
    for (int i = 0; i < w.ComboBox1->count(); ++i)
        items << w.ComboBox1->itemText(i);
    ASSERT_EQ(items.size(), 13);
    EXPECT_EQ(items.first(), QStringLiteral("Baking Goods"));
    EXPECT_EQ(items.last(), QStringLiteral("Vegetables"));
    QStringList sorted = items;
    sorted.sort(Qt::CaseInsensitive);
    EXPECT_EQ(items, sorted);
}

TEST_F(MainWindowTest, MenusHoldEveryItemInOrder) {
    const QList<QAction *> menus = w.menuBar()->actions();
    ASSERT_EQ(menus.size(), 5);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(
        menuTexts(menus[0]->menu()),
        (QStringList{"&Database", "-", "&Save", "&Print...", "-", "Shar&ing...", "Share &Week",
                     "Refresh from P&hones", "Export Week as &Calendar...", "-", "Export &Recipes...",
                     "Export Wee&k...", "Restore from &Backup...", "De&leted Recipes...", "-", "&Exit"}));
    EXPECT_EQ(menuTexts(menus[0]->menu()->actions().first()->menu()),
              (QStringList{"Import Meals from Older DB", "Import Recipes from Files...",
                           "Import Recipe from Web Address...", "Read Amounts from Methods..."}));
    EXPECT_EQ(menuTexts(menus[1]->menu()), (QStringList{"&Undo", "-", "&Language..."}));
    EXPECT_EQ(
        menuTexts(menus[2]->menu()),
        (QStringList{"&Pick-A-Menu", "&Shopping List", "Recipes", "&Ingredients", "-", "Pre&vious Week",
                     "Ne&xt Week", "&Copy Week To...", "-", "S&earch", "-", "&New Recipe...", "&Find Recipe",
                     "&Daily Style", "Recipe &Types and Groups", "-", "&Household..."}));
    EXPECT_EQ(menuTexts(menus[3]->menu()),
              (QStringList{"&Weekly Menu", "&All Recipes", "&Single Recipe", "A&ll Ingredients"}));
    EXPECT_EQ(menuTexts(menus[4]->menu()),
              (QStringList{"&Quick Start", "&Mealvane Help", "Visit us on the Web"}));
    EXPECT_EQ(w.Action12->shortcut(), QKeySequence(Qt::Key_F1));
}

TEST_F(MainWindowTest, EveryNavigationItemAndMenuActionReachesItsPage) {
    const struct {
        const char *item;
        QAction *action;
        QWidget *page;
    } routes[] = {
        {"JvXPBar5Items0", w.Action2, w.TabSheet7}, {"JvXPBar5Items1", nullptr, w.TabSheet1},
        {"JvXPBar4Items0", w.Action6, w.TabSheet3}, {"JvXPBar4Items1", w.Action7, w.TabSheet6},
        {"JvXPBar4Items3", nullptr, w.TabSheet8},   {"JvXPBar4Items2", w.Action8, w.TabSheet4},
        {"JvXPBar1Items0", w.Action4, w.TabSheet5},
    };
    for (const auto &r : routes) {
        w.showPage(w.TabSheet5);
        click(r.item);
        EXPECT_EQ(w.activePage(), r.page) << r.item;
        if (r.action != nullptr) {
            w.showPage(w.TabSheet5);
            r.action->trigger();
            EXPECT_EQ(w.activePage(), r.page) << r.action->objectName().toStdString();
        }
    }
    w.showPage(w.TabSheet5);
    w.JvXPBar2->header()->click();
    EXPECT_EQ(w.activePage(), w.TabSheet2) << "the Shopping List header runs its operation";
    w.showPage(w.TabSheet5);
    w.Action5->trigger();
    EXPECT_EQ(w.activePage(), w.TabSheet2);
    for (const char *report : {"JvXPBar3Items0", "JvXPBar3Items1", "JvXPBar3Items2", "JvXPBar3Items3"}) {
        click(report);
        EXPECT_EQ(w.activePage(), w.TabSheet2) << "a report leaves the page as it is";
    }
    EXPECT_EQ(reportsShown, (QStringList{"Weekly Menu Report", "Recipe Book", "Ingredients List Report"}));
    EXPECT_EQ(dialogsShown, (QStringList{"Form7"})) << "Single Recipe asks which recipe";
}

TEST_F(MainWindowTest, GroupHeadersOpenAndCloseOnAClick) {
    w.JvXPBar4->header()->click();
    EXPECT_TRUE(w.JvXPBar4->isExpanded());
    w.JvXPBar4->header()->click();
    EXPECT_FALSE(w.JvXPBar4->isExpanded());
    EXPECT_EQ(w.activePage(), w.TabSheet5);
}

TEST_F(MainWindowTest, LeavingThePageAsksBeforeThePageChanges) {
    QWidget *pageWhenAsked = nullptr;
    dialogs.onQuestion = [&] { pageWhenAsked = w.activePage(); };
    w.showPage(w.TabSheet1);
    w.DailyMenuChanged = true;
    click("JvXPBar4Items1");
    ASSERT_EQ(dialogs.questions,
              QStringList{"Do You want to save changes to menu and update shopping list?"});
    EXPECT_EQ(pageWhenAsked, w.TabSheet1) << "asked while the page being left was still shown";
    EXPECT_EQ(w.activePage(), w.TabSheet6);
    EXPECT_FALSE(w.DailyMenuChanged) << "No drops the flag";

    // A flag of a page that is not shown is dropped without a question.
    w.WeekGridChanged = true;
    click("JvXPBar1Items0");
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_FALSE(w.WeekGridChanged);
}

TEST_F(MainWindowTest, YesOnTheDailyPageRebuildsTheWeeksShoppingList) {
    dm.runSql(QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) "
                             "SELECT 20, 2006, 0, Meal_ID, '1' FROM Meal WHERE Meal_Name='Pancakes'"));
    dm.runSql(QStringLiteral(
        "INSERT INTO ShoppingList(WeekNumber,YearNumber,IngredientsDescription,IngredientsCount) "
        "VALUES(20,2006,'Hand-made row',1),(21,2006,'Next week',1)"));
    w.showPage(w.TabSheet1);
    w.DailyMenuChanged = true;
    dialogs.confirmAnswers = {true};
    click("JvXPBar1Items0");
    dm.runSql(
        QStringLiteral("SELECT IngredientsDescription, IngredientsCount, IngredientsType FROM ShoppingList "
                       "WHERE WeekNumber=20 AND YearNumber=2006 ORDER BY IngredientsDescription"));
    QStringList rows;
    for (dm.SQL.first(); !dm.SQL.eof(); dm.SQL.next())
        rows << dm.SQL.field(QStringLiteral("IngredientsDescription")).asString() + u'/' +
                    dm.SQL.field(QStringLiteral("IngredientsType")).asString();
    EXPECT_EQ(rows, (QStringList{"Butter/Dairy and Eggs", "Caster sugar/Baking Goods", "Eggs/Dairy and Eggs",
                                 "Lemons/Fruit", "Maple syrup/Oils, Vinegars and Sauces",
                                 "Milk/Dairy and Eggs", "Plain flour/Baking Goods"}));
    dm.runSql(QStringLiteral("SELECT count(*) FROM ShoppingList WHERE WeekNumber=21"));
    EXPECT_EQ(dm.SQL.value(0, 0).toInt(), 1) << "other weeks keep their lists";
    EXPECT_EQ(w.activePage(), w.TabSheet5);
}

TEST_F(MainWindowTest, WebLabelsOpenTheSiteWithoutAskingTheMenuItemAsks) {
    w.showPage(w.TabSheet1);
    w.DailyMenuChanged = true;
    QTest::mouseClick(w.JvgLabel64, Qt::LeftButton);
    EXPECT_EQ(shell.opened, QStringList{QString::fromLatin1(TForm1::WebSite)});
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_TRUE(w.DailyMenuChanged);
    click("JvXPBar1Items1");
    EXPECT_EQ(dialogs.questions.size(), 1);
    EXPECT_EQ(shell.opened.size(), 2);
    EXPECT_EQ(w.activePage(), w.TabSheet1);
}

TEST_F(MainWindowTest, F1OpensTheManualFromEveryPage) {
    const QString chm = QDir(w.programFolder()).filePath(QString::fromLatin1(TForm1::HelpFile));
    for (QWidget *page : {w.TabSheet1, w.TabSheet2, w.TabSheet3, w.TabSheet4, w.TabSheet5, w.TabSheet6,
                          w.TabSheet7, w.TabSheet8}) {
        w.showPage(page);
        shell.opened.clear();
        shell.hasChmViewer = QFileInfo::exists(chm);
        QTest::keyClick(&w, Qt::Key_F1);
        ASSERT_EQ(shell.opened.size(), 1) << page->objectName().toStdString();
        EXPECT_EQ(shell.opened.first(),
                  QFileInfo::exists(chm) ? chm : QDir(w.programFolder()).filePath("help/html/index.html"));
        shell.hasChmViewer = false;
        shell.opened.clear();
        QTest::keyClick(&w, Qt::Key_F1);
        EXPECT_TRUE(shell.opened.first().endsWith(QStringLiteral("help/html/index.html")))
            << "without a CHM viewer the web pages of the manual open";
    }
    w.showPage(w.TabSheet7);
    w.WeekGridChanged = true;
    QTest::keyClick(&w, Qt::Key_F1);
    EXPECT_EQ(dialogs.questions.size(), 1) << "F1 asks about unsaved changes first";
}

TEST_F(MainWindowTest, AWeekChangeOnTheWelcomePageTouchesNoDataset) {
    QSignalSpy slotOpens(&dm.SQLMT1, &db::Dataset::afterOpen);
    QSignalSpy shop(&dm.SHOP, &db::Dataset::afterOpen);
    w.JvMonthCalendar21->setSelectedDate(QDate(2006, 1, 1));
    auto *days = w.JvMonthCalendar21->findChild<QAbstractItemView *>();
    ASSERT_NE(days, nullptr);
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Right);
    EXPECT_EQ(w.JvMonthCalendar21->selectedDate(), QDate(2006, 1, 2));
    EXPECT_EQ(w.SelectedWeek, 53);
    EXPECT_EQ(w.SelectedYear, 2005);
    EXPECT_EQ(w.JvgLabel68->text(), QStringLiteral("53"));
    EXPECT_TRUE(w.JvgLabel29->text().startsWith(QStringLiteral("31 - 06 ")));
    EXPECT_EQ(slotOpens.count(), 0);
    EXPECT_EQ(shop.count(), 0);
    EXPECT_EQ(w.activePage(), w.TabSheet5);
    EXPECT_EQ(w.JvMonthCalendar21->firstDayOfWeek(), Qt::Saturday);
}

TEST_F(MainWindowTest, WelcomeTextScrollsAndPauses) {
    const QStringList lines = w.JvScrollText1->lines();
    ASSERT_EQ(lines.size(), 28);
    EXPECT_EQ(lines[3], QStringLiteral("1.           Click on Pick-A-Menu on the left hand navigation bar"));
    EXPECT_EQ(lines[13], QStringLiteral("1.\tClick on Shopping List on the left hand navigation bar"));
    EXPECT_EQ(lines[20], QStringLiteral("  "));
    EXPECT_EQ(lines[27], QStringLiteral("HAVE A NICE DAY,   Mealvane TEAM"));
    EXPECT_TRUE(lines[1].isEmpty() && lines[2].isEmpty() && lines[7].isEmpty());
    EXPECT_EQ(w.JvScrollText1->interval(), 55);
    EXPECT_TRUE(w.JvScrollText1->isActive());
    w.JvNavIconButton1->click();
    EXPECT_FALSE(w.JvScrollText1->isActive());
    w.JvNavIconButton1->click();
    EXPECT_TRUE(w.JvScrollText1->isActive());

    ScrollText &text = *w.JvScrollText1;
    const int before = text.offset();
    text.step();
    EXPECT_EQ(text.offset(), before + 1);
    while (text.offset() != 0)
        text.step();
    SUCCEED() << "it starts again after its last line";
}

TEST_F(MainWindowTest, ExitWithNothingPendingClosesWithoutAsking) {
    w.Action1->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(dialogs.questions.isEmpty());
}

TEST_F(MainWindowTest, ClosingSavesATypedMethodWithoutAsking) {
    w.JvXPBar4Items0Click();
    const QString name = w.DBLookupComboBox2->currentText();
    w.DBMemo1->setPlainText(QStringLiteral("Typed just before closing."));
    w.Action1->trigger();
    EXPECT_FALSE(w.isVisible());
    EXPECT_TRUE(dialogs.questions.isEmpty());
    dm.runSql(QStringLiteral("SELECT Meal_Recipe FROM Meal WHERE Meal_Name='%1'").arg(name));
    EXPECT_EQ(dm.SQL.value(0, 0).toString(), QStringLiteral("Typed just before closing."));
    dm.SQL.close();
}

TEST_F(MainWindowTest, ClosingWithUnsavedPicksAsksAndYesSavesTheWeekShown) {
    w.JvXPBar5Items0Click();
    w.RbButton13Click(); // Pick-A-Week
    // The question comes on any page, not only the weekly one.
    w.showPage(w.TabSheet5);
    dialogs.questions.clear();
    dialogs.confirmAnswers = {true};
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(dialogs.questions,
              QStringList{QStringLiteral("Do You want to save changes to menu and update shopping list?")});
    dm.runSql(QStringLiteral("SELECT count(*) FROM Menu WHERE Week_Number=%1 AND Year_Number=%2")
                  .arg(w.SelectedWeek)
                  .arg(w.SelectedYear));
    EXPECT_EQ(dm.SQL.value(0, 0).toInt(), 42);
    dm.SQL.close();
}

TEST_F(MainWindowTest, ClosingWithUnsavedPicksAndNoDropsThePicksAndKeepsTheMethod) {
    w.JvXPBar4Items0Click();
    const QString name = w.DBLookupComboBox2->currentText();
    w.DBMemo1->setPlainText(QStringLiteral("Both pending."));
    w.JvXPBar5Items0Click();
    w.RbButton13Click();
    dialogs.questions.clear();
    dialogs.confirmAnswers = {false};
    w.close();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(dialogs.questions.size(), 1);
    dm.runSql(QStringLiteral("SELECT count(*) FROM Menu WHERE Week_Number=%1 AND Year_Number=%2")
                  .arg(w.SelectedWeek)
                  .arg(w.SelectedYear));
    EXPECT_EQ(dm.SQL.value(0, 0).toInt(), 0);
    dm.SQL.close();
    dm.runSql(QStringLiteral("SELECT Meal_Recipe FROM Meal WHERE Meal_Name='%1'").arg(name));
    EXPECT_EQ(dm.SQL.value(0, 0).toString(), QStringLiteral("Both pending."));
    dm.SQL.close();
}

TEST_F(MainWindowTest, DialogsAndLayoutsExistWithTheirCaptions) {
    EXPECT_EQ(program.Form3->windowTitle(), QStringLiteral("Add ingredient to Meal"));
    EXPECT_EQ(program.Form5->windowTitle(), QStringLiteral("Vane Time Selector"));
    EXPECT_EQ(program.Form6->windowTitle(), QStringLiteral("Vane Day Selector"));
    EXPECT_EQ(program.Form7->windowTitle(), QStringLiteral("Select Meal"));
    EXPECT_EQ(program.Form8->windowTitle(), QStringLiteral("Meal Picture viewer"));
    EXPECT_TRUE(program.ReportRecipe->ADOConnection1.isOpen());
    EXPECT_TRUE(program.ReportShoppingList->ADOConnection1.isOpen());
    EXPECT_FALSE(program.ReportWeeklyMenu->ADOConnection1.isOpen());
    auto *wait = program.Form2->findChild<QLabel *>();
    ASSERT_NE(wait, nullptr);
    EXPECT_EQ(wait->text(), QStringLiteral("Wait until operation will complete...."));
    EXPECT_FALSE(program.Form2->isVisible());
}

TEST(MainWindowStart, ADataFileThatCannotBeOpenedEndsTheProgramWithItsMessage) {
    FakeDialogs dialogs;
    FakeShell shell;
    FixedClock clock(QDateTime::currentDateTime());
    TestDataFile file;
    const QString cases[] = {file.folder() + QStringLiteral("/none.mdb"),
                             QStringLiteral(MEALVANE_FIXTURES "/not-a-recipe-db.mdb")};
    for (const QString &path : cases) {
        dialogs.errors.clear();
        EXPECT_EQ(runMealvane({dialogs, shell, clock}, StartupOptions{0, 0, path}), 1);
        ASSERT_EQ(dialogs.errors.size(), 1);
        EXPECT_FALSE(dialogs.errors.first().isEmpty());
        for (QWidget *top : QApplication::topLevelWidgets())
            EXPECT_FALSE(qobject_cast<TForm1 *>(top) && top->isVisible());
    }
    file.exec(QStringLiteral("DROP TABLE Meal_Type"));
    dialogs.errors.clear();
    EXPECT_EQ(runMealvane({dialogs, shell, clock}, StartupOptions{0, 0, file.path()}), 1);
    EXPECT_EQ(dialogs.errors, QStringList{"MEALTYPE: no such table: Meal_Type"});
}

TEST(MainWindowStart, ASecondProgramOnTheSameFileIsToldAndEnds) {
    FakeDialogs dialogs;
    FakeShell shell;
    FixedClock clock(QDateTime::currentDateTime());
    TestDataFile file(TestDataFile::Contents::Starter);
    Mealvane first(AppServices{dialogs, shell, clock}, StartupOptions{0, 0, file.path()});
    first.dataModule().runSql(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('Candles')"));

    EXPECT_NE(runMealvane({dialogs, shell, clock}, StartupOptions{0, 0, file.path()}), 0);
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'\n').toStdString();
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations.first().startsWith(QStringLiteral("Mealvane is already open")));
    EXPECT_TRUE(dialogs.informations.first().contains(QFileInfo(file.path()).absoluteFilePath()));
    int windows = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
        windows += qobject_cast<TForm1 *>(top) != nullptr ? 1 : 0;
    EXPECT_EQ(windows, 1) << "the second program's window is gone";

    // The first goes on as before.
    first.dataModule().runSql(QStringLiteral("SELECT count(*) FROM IGroup WHERE IGROUP_NAME='candles'"));
    EXPECT_EQ(first.dataModule().SQL.value(0, 0).toInt(), 1);
    first.dataModule().SQL.close();
}

TEST(MainWindowStart, NothingAskedDuringTheSplashReachesTheMissingDataModule) {
    FakeDialogs dialogs;
    FakeShell shell;
    FixedClock clock(QDateTime::currentDateTime());
    int asked = 0;
    // Every action and button of the window, fired while the splash still shows.
    QTimer::singleShot(0, [&] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            auto *window = qobject_cast<TForm1 *>(top);
            if (window == nullptr || window->dataModule() != nullptr)
                continue;
            ++asked;
            EXPECT_FALSE(window->menuBar()->isEnabled());
            for (QAction *action : window->findChildren<QAction *>())
                action->trigger();
            for (QAbstractButton *button : window->findChildren<QAbstractButton *>())
                button->click();
        }
    });
    TForm1 window(AppServices{dialogs, shell, clock}, 5, 2);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(dialogs.errors.isEmpty());
    EXPECT_TRUE(shell.opened.isEmpty()) << "not even the manual or the web site";
}

TEST(MainWindowCaptions, TheWindowAndTheQuestionsCarryTheirOwnTitles) {
    nameApplication();
    FakeShell shell;
    FixedClock clock(QDateTime::currentDateTime());
    WidgetDialogs dialogs;
    TestDataFile file(TestDataFile::Contents::Starter);
    Mealvane program(AppServices{dialogs, shell, clock}, StartupOptions{0, 0, file.path()});
    program.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.mainWindow()));
    EXPECT_EQ(program.mainWindow().windowHandle()->title(), QStringLiteral("Mealvane v 4.0"));

    QString asked;
    QTimer::singleShot(0, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            asked = box->windowTitle();
            box->button(QMessageBox::No)->click();
        }
    });
    EXPECT_FALSE(dialogs.confirm(QStringLiteral("Delete it?")));
    EXPECT_EQ(asked, QStringLiteral("Confirm"));
}

// The program closes with any page shown: no window reads a dataset that has already gone (the recipe's
// ingredient grid measures its rows while it is being hidden).
TEST(ProgramEnd, ClosesWithEveryPageShown) {
    for (int page = 0; page < 8; ++page) {
        TestDataFile file(TestDataFile::Contents::Starter);
        FakeDialogs dialogs;
        FakeShell shell;
        FixedClock clock(QDateTime(QDate(2026, 12, 9), QTime(9, 0)));
        FakeMailer mailer;
        auto program = std::make_unique<Mealvane>(AppServices{dialogs, shell, clock, &mailer},
                                                  StartupOptions{0, 0, file.path()});
        TForm1 &w = program->mainWindow();
        program->show();
        const std::function<void()> open[] = {
            [&] { w.JvXPBar1Items0Click(); }, [&] { w.JvXPBar5Items0Click(); },
            [&] { w.JvXPBar5Click(); },       [&] { w.JvXPBar2Click(); },
            [&] { w.JvXPBar4Items0Click(); }, [&] { w.JvXPBar4Items1Click(); },
            [&] { w.JvXPBar4Items3Click(); }, [&] { w.JvXPBar4Items2Click(); }};
        open[page]();
        QApplication::processEvents();
        program.reset();
        SUCCEED() << page;
    }
}

TEST(QuestionBox, YesIsTheDefaultAndEscapeCancels) {
    WidgetDialogs real;
    const auto answer = [&real](int key) {
        QTimer::singleShot(0, [key] {
            QWidget *box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            QTest::keyClick(box, Qt::Key(key));
        });
        return real.ask(QStringLiteral("Do You want to save changes to menu and update shopping list?"));
    };
    EXPECT_EQ(answer(Qt::Key_Return), Dialogs::Answer::Yes);
    EXPECT_EQ(answer(Qt::Key_Escape), Dialogs::Answer::Cancel);
}

TEST_F(MainWindowTest, TheKeysADesktopUserExpects) {
    EXPECT_EQ(w.ActionSave->shortcut(), QKeySequence(QKeySequence::Save));
    EXPECT_EQ(w.ActionPrint->shortcut(), QKeySequence(QKeySequence::Print));
    EXPECT_EQ(w.ActionFind->shortcut(), QKeySequence(QKeySequence::Find));
    EXPECT_EQ(w.ActionNewRecipe->shortcut(), QKeySequence(QKeySequence::New));
    EXPECT_FALSE(w.Action1->shortcut().isEmpty()) << "Quit";
    // Ctrl+1 to Ctrl+8: the pages in the order of the navigation bar.
    const QList<QWidget *> order{w.TabSheet7, w.TabSheet1, w.TabSheet2, w.TabSheet3,
                                 w.TabSheet6, w.TabSheet8, w.TabSheet4, w.TabSheet5};
    program.show();
    for (int k = 0; k < order.size(); ++k) {
        QTest::keyClick(&w, Qt::Key(Qt::Key_1 + k), Qt::ControlModifier);
        EXPECT_EQ(w.activePage(), order.at(k)) << "Ctrl+" << k + 1;
    }
    // Ctrl+S on the weekly page saves the menu; Ctrl+F goes to the name box, where Enter searches.
    w.JvXPBar5Items0Click();
    w.weekBox(0, 3)->setChecked(0, true);
    QTest::keyClick(&w, Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(w.WeekGridChanged);
    EXPECT_EQ(firstValue(QStringLiteral("SELECT count(*) FROM Menu")), QStringLiteral("1"));
    QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
    EXPECT_EQ(w.activePage(), w.TabSheet4);
    EXPECT_TRUE(w.txt2->hasFocus());
    QTest::keyClicks(w.txt2, QStringLiteral("pan"));
    QTest::keyClick(w.txt2, Qt::Key_Return);
    EXPECT_TRUE(dialogs.informations.isEmpty()) << dialogs.informations.join(u'\n').toStdString();
    EXPECT_GT(w.lbResult->count(), 0) << "found by name";
    // Ctrl+N: a new recipe.
    dialogs.inputAnswers = {QStringLiteral("Keyboard soup")};
    QTest::keyClick(&w, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(w.activePage(), w.TabSheet3);
    EXPECT_EQ(firstValue(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='Keyboard soup'")),
              QStringLiteral("1"));
}
