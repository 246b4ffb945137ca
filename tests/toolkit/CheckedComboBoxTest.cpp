#include "toolkit/widgets/CheckedComboBox.h"
#include "support/QtPrinters.h"

#include <QAction>
#include <QListView>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QStringList names(int n) {
    QStringList list;
    for (int i = 0; i < n; ++i)
        list << QStringLiteral("Recipe %1").arg(i, 5, 10, QLatin1Char('0'));
    return list;
}

} // namespace

TEST(CheckedComboBox, EveryChangeOfTheChecksRaisesOneChange) {
    CheckedComboBox box;
    QSignalSpy changes(&box, &CheckedComboBox::changed);
    box.setItems({"Pancakes", "Porridge", "Toast"});
    EXPECT_EQ(changes.count(), 0) << "nothing was checked yet";
    box.setChecked(2, true);
    box.setChecked(0, true);
    EXPECT_EQ(box.text(), QStringLiteral("Toast;Pancakes"));
    box.setChecked(0, true);
    EXPECT_EQ(changes.count(), 2) << "checking a checked name changes nothing";
    box.deselectAll();
    EXPECT_EQ(changes.count(), 3);
    box.selectAll();
    EXPECT_EQ(box.text(), QStringLiteral("Pancakes;Porridge;Toast"));
    EXPECT_EQ(changes.count(), 4);
    box.setItems({"Soup"});
    EXPECT_EQ(changes.count(), 5) << "new names drop the checks";
    EXPECT_TRUE(box.text().isEmpty());
}

TEST(CheckedComboBox, ACheckPastTheLimitIsRefusedAndStaysUnchecked) {
    CheckedComboBox box;
    box.setItems({QString(250, u'a'), QStringLiteral("Toast")});
    QSignalSpy refusals(&box, &CheckedComboBox::refused);
    QSignalSpy changes(&box, &CheckedComboBox::changed);
    EXPECT_TRUE(box.setChecked(0, true));
    EXPECT_FALSE(box.setChecked(1, true));
    EXPECT_FALSE(box.isChecked(1));
    EXPECT_EQ(refusals.count(), 1);
    EXPECT_EQ(changes.count(), 1);
}

TEST(CheckedComboBox, TheDropDownTogglesAndOffersSelectAll) {
    CheckedComboBox box;
    box.setObjectName(QStringLiteral("cbSaturdayMorning"));
    box.setItems(names(40));
    box.resize(200, 24);
    box.show();
    box.showPopup();
    QListView *view = box.popupView();
    ASSERT_TRUE(box.isPopupVisible());
    EXPECT_EQ(view->viewport()->height() / view->sizeHintForRow(0), 15) << "15 lines show";
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(1, 0)).center());
    EXPECT_TRUE(box.isChecked(1));
    EXPECT_EQ(view->model()->index(1, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    view->setCurrentIndex(view->model()->index(3, 0));
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_EQ(box.text(), QStringLiteral("Recipe 00001;Recipe 00003"));
    const QList<QAction *> actions = view->actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("&Select all"));
    EXPECT_EQ(actions[1]->text(), QStringLiteral("&Deselect all"));
    actions[1]->trigger();
    EXPECT_TRUE(box.text().isEmpty());
    actions[0]->trigger();
    EXPECT_LE(box.text().size(), 255);
    EXPECT_EQ(view->model()->index(0, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    box.hidePopup();
}

TEST(CheckedComboBox, ManyBoxesShareOneLongList) {
    const QStringList recipes = names(10000);
    std::vector<std::unique_ptr<CheckedComboBox>> boxes;
    for (int i = 0; i < 42; ++i) {
        boxes.push_back(std::make_unique<CheckedComboBox>());
        boxes.back()->setItems(recipes);
    }
    EXPECT_EQ(boxes.front()->items().constData(), boxes.back()->items().constData());
    EXPECT_EQ(boxes[7]->indexOf(QStringLiteral("RECIPE 09999")), 9999);
    boxes[7]->setChecked(9999, true);
    EXPECT_EQ(boxes[7]->text(), QStringLiteral("Recipe 09999"));
    EXPECT_TRUE(boxes[8]->text().isEmpty());
}
