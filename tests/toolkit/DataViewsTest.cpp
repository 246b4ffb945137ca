#include "support/TestDataFile.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/QueryDataset.h"
#include "toolkit/widgets/DBGrid.h"
#include "toolkit/widgets/DBLookupComboBox.h"
#include "toolkit/widgets/DBLookupListBox.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class DataViewsTest : public ::testing::Test {
protected:
    DataViewsTest()
        : file(TestDataFile::Contents::Starter)
        , connection(file.path())
        , groups(QStringLiteral("GROUPS"), connection) {
        connection.open();
        groups.setSql(QStringLiteral("SELECT IGROUP_ID, IGROUP_NAME FROM IGroup ORDER BY IGROUP_NAME"));
        groups.open();
    }
    TestDataFile file;
    db::Connection connection;
    db::QueryDataset groups;
};

} // namespace

TEST_F(DataViewsTest, AGridAndItsDatasetShareTheCurrentRow) {
    DBGrid grid(groups, {QStringLiteral("IGROUP_NAME")});
    grid.resize(300, 400);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    EXPECT_TRUE(grid.horizontalHeader()->isHidden()) << "no titles, no title row";
    EXPECT_EQ(grid.currentIndex().row(), 0);

    QSignalSpy clicks(&grid, &DBGrid::cellClicked);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      grid.visualRect(grid.model()->index(3, 0)).center());
    EXPECT_EQ(groups.currentRow(), 3);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(groups.currentRow(), 4);

    groups.setCurrentRow(7);
    EXPECT_EQ(grid.currentIndex().row(), 7);
    EXPECT_EQ(grid.selectionModel()->selectedRows().value(0).row(), 7) << "the whole row is selected";
    groups.close();
    groups.open();
    EXPECT_EQ(grid.currentIndex().row(), 0) << "a re-opened dataset starts on its first row";
    groups.setSql(QStringLiteral("SELECT IGROUP_ID, IGROUP_NAME FROM IGroup WHERE 0"));
    groups.open();
    EXPECT_FALSE(grid.selectionModel()->hasSelection());
}

TEST_F(DataViewsTest, AListBoxFollowsItsDatasetAndShowsOneField) {
    DBLookupListBox list(groups, QStringLiteral("IGROUP_NAME"));
    ASSERT_EQ(list.model()->rowCount(), groups.recordCount());
    EXPECT_EQ(list.model()->index(0, 0).data().toString(), QStringLiteral("Baking Goods"));
    groups.locate(QStringLiteral("IGROUP_NAME"), QStringLiteral("Fruit"));
    EXPECT_EQ(list.currentIndex().data().toString(), QStringLiteral("Fruit"));
    list.setCurrentIndex(list.model()->index(2, 0));
    EXPECT_EQ(groups.currentRow(), 2);
}

TEST_F(DataViewsTest, AComboBoxStartsEmptyAndTellsTheCloseAfterTheChoice) {
    DBLookupComboBox combo(groups, QStringLiteral("IGROUP_NAME"));
    combo.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
    EXPECT_TRUE(combo.currentText().isEmpty());
    EXPECT_EQ(groups.currentRow(), 0) << "showing the list moves nothing";

    // What the dataset's current row is when the close is told.
    int rowAtClose = -1;
    QObject::connect(&combo, &DBLookupComboBox::closeUp, [&] { rowAtClose = groups.currentRow(); });
    combo.showPopup();
    QAbstractItemView *view = combo.view();
    ASSERT_TRUE(QTest::qWaitFor([&] { return view->isVisible(); }));
    const QModelIndex fruit = combo.model()->index(combo.findText(QStringLiteral("Fruit")), 0);
    view->scrollTo(fruit);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(fruit).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return rowAtClose >= 0; }));
    EXPECT_EQ(rowAtClose, fruit.row());
    EXPECT_EQ(combo.currentText(), QStringLiteral("Fruit"));

    // A re-read list keeps the chosen entry.
    groups.close();
    groups.open();
    EXPECT_EQ(combo.currentText(), QStringLiteral("Fruit"));
}
