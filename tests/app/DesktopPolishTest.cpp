// What the desktop shows of the program's work: the status bar after each save, the mark of unsaved picks,
// the navigation bar on the smallest window, the welcome text and the splash as first seen, the file the
// PDF box offers, and colours that stay readable on a dark palette.
#include "app/TForm4.h"
#include "app/Theme.h"
#include "reports/TReportShoppingList.h"
#include "reports/TReportWeeklyMenu.h"
#include "support/ProgramTest.h"
#include "toolkit/widgets/CheckedComboBox.h"
#include "toolkit/widgets/NavBar.h"
#include "toolkit/widgets/ReportPreview.h"
#include "toolkit/widgets/ScrollText.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStatusBar>
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
    dialogs.confirmAnswers = {false};
    w.RbButton11Click();
    EXPECT_EQ(said(), QStringLiteral("Shopping list of week 53 kept as edited"));
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
