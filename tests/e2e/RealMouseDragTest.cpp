#include "support/ProgramTest.h"
// Drags with the real mouse pointer of an X display, moved by xdotool while the program runs its events.
#include "app/Mealvane.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "support/FakeDesktop.h"
#include "support/FakeDialogs.h"
#include "support/TestDataFile.h"
#include "toolkit/widgets/DBGrid.h"
#include "toolkit/widgets/DBLookupListBox.h"

#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

namespace {

/// Presses the left button at `from`, moves in a few steps to `to` and lets go there.
void dragWithTheMouse(QProcess &xdotool, QPoint from, QPoint to) {
    const auto at = [](QPoint p) {
        return QStringList{QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())};
    };
    const QStringList pause{QStringLiteral("sleep"), QStringLiteral("0.3")};
    QStringList args =
        at(from) + pause + QStringList{QStringLiteral("mousedown"), QStringLiteral("1")} + pause;
    for (int step = 1; step <= 4; ++step)
        args += at(from + (to - from) * step / 4) + pause;
    args += QStringList{QStringLiteral("mouseup"), QStringLiteral("1")};
    xdotool.start(QStringLiteral("xdotool"), args);
}

QStringList names(const QAbstractItemModel &model) {
    QStringList list;
    for (int r = 0; r < model.rowCount(); ++r)
        list << model.index(r, 0).data().toString();
    return list;
}

} // namespace

namespace {

class RealMouse : public ProgramTest {
protected:
    RealMouse()
        : ProgramTest(QDateTime(QDate(2005, 12, 31), QTime(9, 0))) {
        program.show();
    }
    QProcess xdotool;
};

} // namespace

TEST_F(RealMouse, DragARecipeIntoASlotAndBackOut) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.JvXPBar5Click();
    QApplication::processEvents();

    DBLookupListBox &list = *w.DBLookupListBox1;
    const int row = names(*list.model()).indexOf(QStringLiteral("Pancakes"));
    ASSERT_GE(row, 0);
    const QPoint recipe = list.viewport()->mapToGlobal(list.visualRect(list.model()->index(row, 0)).center());
    const QPoint morning = w.DBGrid8->viewport()->mapToGlobal(w.DBGrid8->viewport()->rect().center());

    dragWithTheMouse(xdotool, recipe, morning);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return names(*w.DBGrid8->model()).contains(QStringLiteral("Pancakes")); }, 15000))
        << "the recipe reaches the Morning grid";
    xdotool.waitForFinished(5000);
    EXPECT_TRUE(w.DailyMenuChanged);

    // The Noon grid refuses while Morning is chosen.
    const QPoint noon = w.DBGrid4->viewport()->mapToGlobal(w.DBGrid4->viewport()->rect().center());
    dragWithTheMouse(xdotool, recipe, noon);
    ASSERT_TRUE(xdotool.waitForStarted(5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return xdotool.state() == QProcess::NotRunning; }, 15000));
    EXPECT_TRUE(names(*w.DBGrid4->model()).isEmpty());

    const QPoint entry =
        w.DBGrid8->viewport()->mapToGlobal(w.DBGrid8->visualRect(w.DBGrid8->model()->index(0, 0)).center());
    const QPoint listMiddle = list.viewport()->mapToGlobal(list.viewport()->rect().center());
    dragWithTheMouse(xdotool, entry, listMiddle);
    EXPECT_TRUE(QTest::qWaitFor([&] { return names(*w.DBGrid8->model()).isEmpty(); }, 15000))
        << "the recipe leaves the Morning grid";
    xdotool.waitForFinished(5000);

    dm.runSql(QStringLiteral("SELECT count(*) FROM Menu"));
    EXPECT_EQ(dm.SQL.value(0, 0).toLongLong(), 0);
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(RealMouse, DragAnIngredientFromThePickerOntoTheShoppingList) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.JvXPBar2Click();
    QApplication::processEvents();
    DBLookupListBox &picker = *w.DBLookupListBox2;
    const int row = names(*picker.model()).indexOf(QStringLiteral("Almonds"));
    ASSERT_GE(row, 0);
    const QPoint from =
        picker.viewport()->mapToGlobal(picker.visualRect(picker.model()->index(row, 0)).center());
    const QPoint to = w.DBGrid9->viewport()->mapToGlobal(w.DBGrid9->viewport()->rect().center());
    dragWithTheMouse(xdotool, from, to);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return names(*w.DBGrid9->model()).contains(QStringLiteral("Almonds")); }, 15000));
    xdotool.waitForFinished(5000);
    EXPECT_EQ(w.DBGrid9->model()->index(0, 2).data().toString(), QStringLiteral("1"));
    EXPECT_FALSE(names(*picker.model()).contains(QStringLiteral("Almonds")));
}

TEST_F(RealMouse, DragAGroupIntoItsPlaceOnTheWayThroughTheShop) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    w.JvXPBar4Items3Click();
    QApplication::processEvents();
    DBGrid &groups = *w.DBGrid11;
    const QStringList before = names(*groups.model());
    const int fruit = before.indexOf(QStringLiteral("Fruit"));
    ASSERT_GT(fruit, 1);
    const QPoint from = groups.viewport()->mapToGlobal(groups.visualRect(groups.model()->index(fruit, 0)).center());
    const QPoint to = groups.viewport()->mapToGlobal(groups.visualRect(groups.model()->index(0, 0)).center());
    dragWithTheMouse(xdotool, from, to);
    EXPECT_TRUE(QTest::qWaitFor([&] { return names(*groups.model()).value(0) == QStringLiteral("Fruit"); }, 15000))
        << "the dragged group comes first";
    xdotool.waitForFinished(5000);
    QStringList expected = before;
    expected.move(fruit, 0);
    EXPECT_EQ(names(*groups.model()), expected) << "the others keep their order";
    dm.runSql(QStringLiteral("SELECT IGROUP_POSITION FROM IGroup WHERE IGROUP_NAME='Fruit'"));
    EXPECT_EQ(dm.SQL.value(0, 0).toLongLong(), 0);
}
