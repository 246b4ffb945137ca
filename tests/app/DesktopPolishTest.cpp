// What the desktop shows of the program's work: the status bar after each save, the mark of unsaved picks,
// the navigation bar on the smallest window, the welcome text and the splash as first seen, the file the
// PDF box offers, and colours that stay readable on a dark palette.
#include "app/TForm4.h"
#include "app/Theme.h"
#include "reports/TReportShoppingList.h"
#include "reports/TReportWeeklyMenu.h"
#include "support/ProgramTest.h"
#include "toolkit/widgets/CheckedComboBox.h"
#include "toolkit/widgets/DBImage.h"
#include "toolkit/widgets/DBLookupComboBox.h"
#include "toolkit/widgets/MonthCalendar.h"
#include "toolkit/widgets/NavBar.h"
#include "toolkit/widgets/ReportPreview.h"
#include "toolkit/widgets/ScrollText.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScopeGuard>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>

namespace {

class DesktopPolishTest : public ProgramTest {
protected:
    DesktopPolishTest()
        : ProgramTest(QDateTime(QDate(2005, 12, 31), QTime(9, 0))) {}
    QString said() const { return w.statusBar()->currentMessage(); }
    QAbstractButton *button(const char *name) { return w.findChild<QAbstractButton *>(QLatin1String(name)); }
};

/// Contrast ratio of two colours as the web's accessibility guidelines measure it.
double contrast(const QColor &a, const QColor &b) {
    const auto luminance = [](const QColor &c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double x = luminance(a) + 0.05;
    const double y = luminance(b) + 0.05;
    return std::max(x, y) / std::min(x, y);
}

} // namespace

TEST_F(DesktopPolishTest, TheStatusBarSaysWhatEachSaveDid) {
    w.JvXPBar5Items0Click();
    QLabel *marker = w.findChild<QLabel *>(QStringLiteral("UnsavedMarker"));
    ASSERT_NE(marker, nullptr);
    program.show();
    EXPECT_FALSE(marker->isVisible());
    button("RbButton13")->click(); // Pick-A-Week
    EXPECT_TRUE(marker->isVisible()) << "unsaved picks are marked beside Save Menu";
    button("RbButton18")->click();
    EXPECT_FALSE(marker->isVisible());
    EXPECT_TRUE(said().startsWith(QStringLiteral("Menu of week 53 saved; shopping list: ")))
        << qPrintable(said());
    const QString items = firstValue(
        QStringLiteral("SELECT count(*) FROM ShoppingList WHERE WeekNumber=53 AND YearNumber=2005"));
    EXPECT_EQ(said(), QStringLiteral("Menu of week 53 saved; shopping list: %1 items").arg(items));

    w.JvXPBar5Click();
    w.statusBar()->clearMessage();
    w.RbButton11Click();
    EXPECT_EQ(said(), QStringLiteral("Shopping list of week 53: %1 items").arg(items));

    w.JvXPBar2Click();
    w.Edit1->setText(QStringLiteral("Candles"));
    w.Edit3->setText(QStringLiteral("2"));
    button("RbButton10")->click();
    EXPECT_EQ(said(), QStringLiteral("\"Candles\" added to the shopping list of week 53"));
    w.Edit1->setText(QStringLiteral("Candles"));
    w.Edit3->setText(QStringLiteral("3"));
    button("RbButton10")->click();
    EXPECT_EQ(said(), QStringLiteral("\"Candles\" changed in the shopping list of week 53"));
    w.DeleteFromShoppingList(QStringLiteral("Candles"));
    EXPECT_EQ(said(), QStringLiteral("\"Candles\" deleted from the shopping list of week 53"));

    // A list edited by hand and kept says so.
    dialogs.chooseAnswers = {2};
    w.RbButton11Click();
    EXPECT_EQ(said(), QStringLiteral("Shopping list of week 53 kept as edited"));

    // Saving a recipe says so; the slogan gives way to a message and comes back after it.
    QLabel *slogan = w.findChild<QLabel *>(QStringLiteral("StatusBarText"));
    EXPECT_FALSE(slogan->isVisible()) << "a message takes the slogan's room";
    w.JvXPBar4Items0Click();
    w.RbButton5Click();
    EXPECT_EQ(said(), QStringLiteral("Saved the recipe \"%1\"").arg(w.DBLookupComboBox2->currentText()));
    w.statusBar()->clearMessage();
    EXPECT_TRUE(slogan->isVisible());
}

TEST_F(DesktopPolishTest, EveryNavigationHeaderStaysInViewOnTheSmallestWindow) {
    program.show();
    w.resize(800, 580);
    const QList<NavBarGroup *> groups = w.findChildren<NavBarGroup *>();
    ASSERT_EQ(groups.size(), 5);
    for (NavBarGroup *group : groups)
        group->setExpanded(true);
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
    QWidget *column = w.findChild<QWidget *>(QStringLiteral("LeftColumn"));
    ASSERT_NE(column, nullptr);
    for (NavBarGroup *group : groups) {
        QAbstractButton *header = group->header();
        const QRect shown(header->mapTo(column, QPoint(0, 0)), header->size());
        EXPECT_TRUE(column->rect().contains(shown)) << qPrintable(header->text());
        EXPECT_EQ(header->visibleRegion().boundingRect(), header->rect())
            << qPrintable(header->text()) << " is covered or cut";
    }
    // An open group's items that do not fit scroll inside it, beside (not under) their scroll bar.
    for (QScrollArea *items : w.findChildren<QScrollArea *>(QStringLiteral("NavItemsScroller"))) {
        const QWidget *bar = items->verticalScrollBar();
        if (!bar->isVisible())
            continue;
        EXPECT_LE(items->viewport()->geometry().right(), bar->mapTo(items, QPoint(0, 0)).x());
    }
}

TEST_F(DesktopPolishTest, AGroupOpenedShowsAllItsItemsAndTheOthersGiveWay) {
    program.show();
    w.resize(800, 580);
    QApplication::processEvents();
    for (NavBarGroup *opened : {w.JvXPBar5, w.JvXPBar4, w.JvXPBar3, w.JvXPBar1, w.JvXPBar4}) {
        if (!opened->isExpanded())
            opened->header()->click();
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        ASSERT_TRUE(opened->isExpanded());
        for (QAbstractButton *item : opened->findChildren<QAbstractButton *>()) {
            if (item == opened->header())
                continue;
            // Top to bottom in view, none scrolled away.
            const QRect v = item->visibleRegion().boundingRect();
            EXPECT_TRUE(v.top() == 0 && v.height() == item->height())
                << qPrintable(opened->header()->text()) << ": " << qPrintable(item->text()) << " is hidden";
        }
        for (NavBarGroup *group : w.findChildren<NavBarGroup *>())
            EXPECT_EQ(group->header()->visibleRegion().boundingRect(), group->header()->rect())
                << qPrintable(group->header()->text());
    }
}

TEST_F(DesktopPolishTest, TheWelcomeTextStartsWithItsFirstLineInView) {
    ScrollText &text = *w.JvScrollText1;
    // The timer runs while the splash shows, before the box has its size: no step may count then.
    for (int i = 0; i < 20; ++i)
        text.step();
    program.show();
    QApplication::processEvents();
    ASSERT_GT(text.height(), 40);
    // Before any step the first line stands at the top (the timer may have moved it a pixel or two).
    const int top = text.height() - text.offset();
    EXPECT_GE(top, 0);
    EXPECT_LE(top, 6) << "the first line stands at the top of the box";
    text.step();
    EXPECT_EQ(text.height() - text.offset(), top - 1);
}

TEST_F(DesktopPolishTest, TheSplashNameAndPictureDoNotOverlap) {
    TForm4 splash;
    EXPECT_FALSE(splash.nameArea().intersects(splash.pictureArea()));
    EXPECT_TRUE(splash.rect().contains(splash.nameArea()));
    EXPECT_TRUE(splash.rect().contains(splash.pictureArea()));
    EXPECT_GT(splash.pictureArea().width(), 100);
}

TEST_F(DesktopPolishTest, SaveAsPdfOffersTheReportAndItsWeekInTheDocumentsFolder) {
    QStandardPaths::setTestModeEnabled(false);
    TReportWeeklyMenu menu(file.path());
    menu.fill(49, 2026, {}, QString());
    const QString path = suggestedPdfPath(menu.QuickRep1());
    EXPECT_TRUE(path.endsWith(QStringLiteral("/Weekly Menu week 49 2026.pdf"))) << qPrintable(path);
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (QFileInfo(documents).isDir())
        EXPECT_TRUE(path.startsWith(documents));
    else
        EXPECT_TRUE(path.startsWith(QDir::homePath()));

    TReportShoppingList list(file.path());
    list.open(7, 2025);
    EXPECT_TRUE(
        suggestedPdfPath(list.QuickRep1()).endsWith(QStringLiteral("/Shopping List week 7 2025.pdf")));

    report::BandReport odd;
    odd.title = QStringLiteral("Recipe");
    odd.fileName = QStringLiteral("../Fish/chips: \"best\"?");
    EXPECT_TRUE(suggestedPdfPath(odd).endsWith(QStringLiteral("/Fish chips best.pdf")))
        << qPrintable(suggestedPdfPath(odd));
    EXPECT_FALSE(QFileInfo(suggestedPdfPath(odd)).fileName().contains(u'/'));
}

TEST_F(DesktopPolishTest, TheProgramsOwnColoursKeepTheirContrastOnLightAndDarkPalettes) {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::Base, QColor(30, 30, 32));
    QPalette light;
    light.setColor(QPalette::Window, QColor(239, 239, 239));
    light.setColor(QPalette::Base, Qt::white);
    for (const QPalette &palette : {light, dark}) {
        for (const QColor &under :
             {palette.color(QPalette::Window), palette.color(QPalette::Base), theme::panel(palette)}) {
            EXPECT_GE(contrast(theme::accentText(palette), under), 4.5) << theme::isDark(palette);
            EXPECT_GE(contrast(theme::warningText(palette), under), 4.5) << theme::isDark(palette);
        }
    }
    // The main window follows a change of palette.
    const QString before = w.styleSheet();
    w.setPalette(dark);
    EXPECT_NE(w.styleSheet(), before);
    EXPECT_TRUE(w.styleSheet().contains(theme::accentText(dark).name()));
    // The empty picture box darkens with the desktop instead of staying light blue.
    w.JvXPBar4Items0Click();
    w.EDBImage1->resize(60, 40);
    for (const QPalette &palette : {light, dark}) {
        w.EDBImage1->setPalette(palette);
        const QColor shown = w.EDBImage1->grab().toImage().pixelColor(30, 20);
        EXPECT_EQ(theme::isDark(palette), shown.lightness() < 128) << qPrintable(shown.name());
    }
}

TEST_F(DesktopPolishTest, NoPageScrollsSidewaysOnTheSmallestWindow) {
    program.show();
    w.resize(800, 580);
    for (const auto &[name, open] : pages()) {
        open();
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        for (QAbstractScrollArea *area : w.findChildren<QAbstractScrollArea *>()) {
            if (!area->isVisible())
                continue;
            EXPECT_FALSE(area->horizontalScrollBar()->isVisible())
                << name << ": " << qPrintable(area->objectName());
        }
    }
}

namespace {

/// Where a control cuts a name short: empty when every shown name stands whole.
QStringList cutNames(QWidget &window, const QStringList &names) {
    QStringList cut;
    const auto named = [&](QWidget *w) {
        return w->objectName().isEmpty() ? w->accessibleName() : w->objectName();
    };
    for (CheckedComboBox *box : window.findChildren<CheckedComboBox *>()) {
        if (!box->isVisible() || !names.contains(box->text()))
            continue;
        QStyleOptionComboBox option;
        option.initFrom(box);
        const QRect field =
            box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
        if (box->fontMetrics().horizontalAdvance(box->text()) > field.width())
            cut << named(box) + QStringLiteral(": ") + box->text();
    }
    for (QComboBox *box : window.findChildren<QComboBox *>()) {
        if (!box->isVisible() || !names.contains(box->currentText()))
            continue;
        QStyleOptionComboBox option;
        option.initFrom(box);
        option.editable = box->isEditable();
        const QRect field =
            box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box);
        // A line edit keeps a couple of pixels each side for its cursor.
        const int room = box->isEditable() ? field.width() - 4 : field.width();
        if (box->fontMetrics().horizontalAdvance(box->currentText()) > room)
            cut << named(box) + QStringLiteral(": ") + box->currentText();
    }
    for (QAbstractItemView *view : window.findChildren<QAbstractItemView *>()) {
        if (!view->isVisible() || view->model() == nullptr || qobject_cast<QHeaderView *>(view) != nullptr)
            continue;
        const auto *table = qobject_cast<QTableView *>(view);
        const auto *list = qobject_cast<QListView *>(view);
        const bool wraps = (table != nullptr && table->wordWrap()) || (list != nullptr && list->wordWrap());
        QAbstractItemModel &model = *view->model();
        for (int row = 0; row < model.rowCount(); ++row) {
            for (int column = 0; column < model.columnCount(); ++column) {
                const QModelIndex index = model.index(row, column);
                const QString text = index.data().toString();
                if (!names.contains(text))
                    continue;
                view->scrollTo(index);
                const QRect cell = view->visualRect(index);
                QStyleOptionViewItem option;
                option.initFrom(view);
                option.features = wraps ? QStyleOptionViewItem::WrapText : QStyleOptionViewItem::None;
                option.rect = QRect(0, 0, cell.width(), cell.height());
                const QSize needed = view->itemDelegateForIndex(index)->sizeHint(option, index);
                if (wraps ? needed.height() > cell.height() : needed.width() > cell.width())
                    cut << named(view) + QStringLiteral(": ") + text;
            }
        }
    }
    return cut;
}

} // namespace

TEST_F(DesktopPolishTest, NamesOfThirtyCharactersShowWholeOnEveryPageOfTheSmallestWindow) {
    const QString recipe = QStringLiteral("Roasted squash & goat's cheese");
    const QString other = QStringLiteral("Whole-wheat pancakes with figs");
    const QString ingredient = QStringLiteral("Smoked Mediterranean sea salts");
    const QString group = QStringLiteral("Sauces, Condiments and Pickles");
    const QString type = QStringLiteral("Weekend Brunch and Family Meal");
    const QString unused = QStringLiteral("Pickled red onions with chilli");
    const QStringList names{recipe, other, ingredient, group, type, unused};
    for (const QString &name : names)
        ASSERT_EQ(name.size(), 30) << qPrintable(name);
    dm.runSql(QStringLiteral("INSERT INTO Meal_Type(Type) VALUES('%1')").arg(type));
    dm.runSql(QStringLiteral("INSERT INTO IGroup(IGROUP_NAME) VALUES('%1')").arg(group));
    dm.runSql(QStringLiteral("INSERT INTO Ingredients(Ingredients_Description,Ingredients_Group) "
                             "SELECT '%1', IGROUP_ID FROM IGroup WHERE IGROUP_NAME='%2'")
                  .arg(ingredient, group));
    dm.runSql(QStringLiteral("INSERT INTO Ingredients(Ingredients_Description,Ingredients_Group) "
                             "SELECT '%1', IGROUP_ID FROM IGroup WHERE IGROUP_NAME='%2'")
                  .arg(unused, group));
    // One recipe on Saturday and one on Sunday, at every meal time.
    for (const QString &name : {recipe, other}) {
        dm.runSql(
            QStringLiteral("INSERT INTO Meal(Meal_Name,Meal_Morning,Meal_Snack,Meal_Noon,Meal_Night,"
                           "Meal_Dessert,Meal_Type) SELECT '%1',1,1,1,1,1,ID FROM Meal_Type WHERE Type='%2'")
                .arg(QString(name).replace(u'\'', QStringLiteral("''")), type));
        dm.runSql(
            QStringLiteral("INSERT INTO Made_With SELECT Meal_ID, Ingredients_ID FROM Meal, Ingredients "
                           "WHERE Meal_Name='%1' AND Ingredients_Description='%2'")
                .arg(QString(name).replace(u'\'', QStringLiteral("''")), ingredient));
        for (int time = 1; time <= 6; ++time)
            dm.runSql(QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) "
                                     "SELECT 53, 2005, %1, Meal_ID, '%2' FROM Meal WHERE Meal_Name='%3'")
                          .arg(name == recipe ? 0 : 1)
                          .arg(time)
                          .arg(QString(name).replace(u'\'', QStringLiteral("''"))));
    }
    dm.runSql(QStringLiteral("INSERT INTO ShoppingList(WeekNumber,YearNumber,IngredientsDescription,"
                             "IngredientsCount,IngredientsType) VALUES(53,2005,'%1',2,'%2')")
                  .arg(ingredient, group));
    w.rereadAfterImport();

    program.show();
    for (const QSize size : {QSize(800, 580), QSize(1280, 800)}) {
        w.resize(size);
        for (const auto &[page, open] : pages()) {
            open();
            if (std::string_view(page) == "recipe") {
                const int row = w.DBLookupComboBox2->findText(recipe);
                ASSERT_GE(row, 0);
                w.DBLookupComboBox2->choose(row);
                w.DBLookupComboBox2CloseUp();
            }
            if (std::string_view(page) == "ingredients") {
                ASSERT_TRUE(dm.SQLINGREDIENTS.locate(QStringLiteral("Ingredients_Description"), ingredient));
            }
            for (int i = 0; i < 3; ++i)
                QApplication::processEvents();
            EXPECT_EQ(cutNames(w, names), QStringList())
                << page << " at " << size.width() << "x" << size.height();
            if (std::string_view(page) == "weekly") {
                // The boxes may scroll on a low window; the buttons and the unsaved mark stay in view.
                w.weekBox(2, 1)->setChecked(0, true);
                QApplication::processEvents();
                for (const char *name : {"RbButton12", "RbButton15", "RbButton18", "UnsavedMarker"}) {
                    auto *control = w.findChild<QWidget *>(QLatin1String(name));
                    EXPECT_EQ(control->visibleRegion().boundingRect(), control->rect())
                        << name << " at " << size.width() << "x" << size.height();
                }
            }
        }
    }
    // The box that adds an ingredient to a recipe lists the whole catalogue.
    w.JvXPBar4Items0Click();
    QStringList cutInBox{QStringLiteral("not shown")};
    w.showModal = [&](QDialog &box) {
        box.show();
        QApplication::processEvents();
        cutInBox = cutNames(box, names);
    };
    w.findChild<QAbstractButton *>(QStringLiteral("RbButton8"))->click();
    EXPECT_EQ(cutInBox, QStringList());
    EXPECT_TRUE(dm.SQLMEAL2.locate(QStringLiteral("Ingredients_Description"), unused))
        << "the box was looked at";

    w.JvXPBar5Items0Click();
    EXPECT_EQ(w.weekBox(1, 3)->text(), other) << "the boxes were looked at";
}

// On the smallest window the weekly boxes scroll; a box reached by Tab is brought into view.
TEST_F(DesktopPolishTest, TabBringsEachWeeklyBoxIntoView) {
    program.show();
    w.resize(800, 580);
    w.JvXPBar5Items0Click();
    QApplication::processEvents();
    w.activateWindow();
    w.weekBox(0, 1)->setFocus();
    for (int step = 0; step < 41; ++step) {
        QWidget *focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        QTest::keyClick(focused, Qt::Key_Tab);
        QApplication::processEvents();
    }
    CheckedComboBox *last = w.weekBox(6, 6);
    EXPECT_EQ(QApplication::focusWidget(), last);
    EXPECT_EQ(last->visibleRegion().boundingRect(), last->rect()) << "Friday's dessert is scrolled into view";
}

// Captions, buttons and tabs of every page of the smallest window stand whole at a 9, 10 or 11 pt font.
TEST_F(DesktopPolishTest, EveryPageShowsItsTextsWholeAtAnyDesktopFont) {
    const QFont usual = QApplication::font();
    const auto restore = qScopeGuard([&] { QApplication::setFont(usual); });
    for (const int points : {9, 10, 11}) {
        // The font the desktop has when the program starts, each time on a book of its own.
        QFont font = usual;
        font.setPointSize(points);
        QApplication::setFont(font);
        TestDataFile book(TestDataFile::Contents::Starter);
        Mealvane started(AppServices{dialogs, shell, clock, &mailer}, StartupOptions{0, 0, book.path()});
        TForm1 &window = started.mainWindow();
        started.show();
        window.resize(800, 580);
        const std::pair<const char *, std::function<void()>> pages[] = {
            {"welcome", [&window] { window.JvXPBar1Items0Click(); }},
            {"weekly", [&window] { window.JvXPBar5Items0Click(); }},
            {"daily", [&window] { window.JvXPBar5Click(); }},
            {"shopping", [&window] { window.JvXPBar2Click(); }},
            {"recipe", [&window] { window.JvXPBar4Items0Click(); }},
            {"ingredients", [&window] { window.JvXPBar4Items1Click(); }},
            {"categories", [&window] { window.JvXPBar4Items3Click(); }},
            {"search", [&window] { window.JvXPBar4Items2Click(); }}};
        for (const auto &[page, open] : pages) {
            open();
            window.JvXPBar4->setExpanded(true);
            for (int i = 0; i < 3; ++i)
                QApplication::processEvents();
            const auto where = [&, page = page](QWidget *widget, const QString &text) {
                return QStringLiteral("%1 pt, %2 page: %3 '%4' is cut")
                    .arg(points)
                    .arg(QLatin1String(page),
                         widget->objectName().isEmpty() ? widget->accessibleName() : widget->objectName(),
                         text)
                    .toStdString();
            };
            for (QWidget *widget : window.findChildren<QWidget *>()) {
                if (!widget->isVisible())
                    continue;
                if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
                    for (int t = 0; t < tabs->count(); ++t)
                        EXPECT_TRUE(tabs->tabRect(t).width() >=
                                        tabs->fontMetrics().horizontalAdvance(tabs->tabText(t)) &&
                                    tabs->rect().contains(tabs->tabRect(t)))
                            << where(tabs, tabs->tabText(t));
                    continue;
                }
                const auto *label = qobject_cast<QLabel *>(widget);
                if ((label == nullptr && qobject_cast<QAbstractButton *>(widget) == nullptr) ||
                    widget->property("text").toString().isEmpty() || (label != nullptr && label->wordWrap()))
                    continue;
                EXPECT_GE(widget->width(), widget->sizeHint().width())
                    << where(widget, widget->property("text").toString());
            }
        }
        EXPECT_GE(window.JvMonthCalendar21->width(), window.JvMonthCalendar21->minimumSizeHint().width())
            << points;
    }
}

// Every control of every page that Tab reaches looks different when it has the focus.
TEST_F(DesktopPolishTest, FocusShowsOnEveryControlTabReaches) {
    program.show();
    w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    // As after a press of Tab: the styles draw focus only once the keyboard has moved it.
    QTest::keyClick(&w, Qt::Key_Tab);
    for (const auto &[page, open] : pages()) {
        open();
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
        for (QWidget *control : w.findChildren<QWidget *>()) {
            if (!control->isVisible() || !control->isEnabled() || !(control->focusPolicy() & Qt::TabFocus) ||
                control->focusProxy() != nullptr || control->window() != &w)
                continue;
            QWidget *elsewhere = w.JvXPBar4->header();
            (control == elsewhere ? w.JvXPBar1->header() : elsewhere)->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            const QImage plain = control->grab().toImage();
            control->setFocus(Qt::TabFocusReason);
            QApplication::processEvents();
            EXPECT_NE(control->grab().toImage(), plain)
                << page << " page: " << qPrintable(control->metaObject()->className()) << " "
                << qPrintable(control->objectName()) << " '" << qPrintable(control->accessibleName())
                << "' shows no focus";
        }
    }
}
