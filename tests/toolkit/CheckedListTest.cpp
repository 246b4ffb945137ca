#include "toolkit/model/CheckedList.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(CheckedList, TextFollowsTheOrderOfChecking) {
    CheckedList list;
    list.setItems({"Pancakes", "Porridge", "Toast"});
    EXPECT_TRUE(list.setChecked(2, true));
    EXPECT_TRUE(list.setChecked(0, true));
    EXPECT_EQ(list.text(), QStringLiteral("Toast;Pancakes"));
    EXPECT_TRUE(list.setChecked(1, true));
    EXPECT_TRUE(list.setChecked(2, false));
    EXPECT_EQ(list.text(), QStringLiteral("Pancakes;Porridge"));
    EXPECT_EQ(list.checkedOrder(), (std::vector<int>{0, 1}));
    list.setItems({"A"});
    EXPECT_EQ(list.text(), QString()) << "new names drop every check";
    EXPECT_FALSE(list.isChecked(0));
}

TEST(CheckedList, TheTextNeverPasses255Characters) {
    CheckedList list;
    list.setItems(
        {QString(200, u'a'), QString(54, u'b'), QString(1, u'c'), QString(255, u'd'), QString(256, u'e')});
    EXPECT_TRUE(list.setChecked(0, true));
    EXPECT_TRUE(list.setChecked(1, true));
    EXPECT_EQ(list.text().size(), 255);
    EXPECT_FALSE(list.setChecked(2, true)) << "one more would be 257";
    EXPECT_FALSE(list.isChecked(2));
    EXPECT_EQ(list.text().size(), 255);
    list.uncheckAll();
    EXPECT_TRUE(list.setChecked(3, true));
    EXPECT_TRUE(list.setChecked(3, false));
    EXPECT_FALSE(list.setChecked(4, true));
    EXPECT_TRUE(list.text().isEmpty());
}

TEST(CheckedList, CheckAllStopsWhereTheTextIsFull) {
    CheckedList list;
    QStringList names;
    for (int i = 0; i < 100; ++i)
        names << QStringLiteral("Recipe %1").arg(i, 3, 10, QLatin1Char('0'));
    list.setItems(names);
    EXPECT_FALSE(list.checkAll());
    EXPECT_LE(list.text().size(), 255);
    EXPECT_EQ(int(list.checkedOrder().size()), 23) << "23 names of 10 characters and 22 separators make 252";
    list.uncheckAll();
    EXPECT_TRUE(list.checkedOrder().empty());
    list.setItems({"a", "b"});
    EXPECT_TRUE(list.checkAll());
    EXPECT_EQ(list.text(), QStringLiteral("a;b"));
}

TEST(CheckedList, FindsNamesWithoutRegardToCase) {
    CheckedList list;
    list.setItems({"Pasta", "PASTA", "Crème brûlée"});
    EXPECT_EQ(list.indexOf(QStringLiteral("pasta")), 0);
    EXPECT_EQ(list.indexOf(QStringLiteral("CRÈME BRÛLÉE")), 2);
    EXPECT_EQ(list.indexOf(QStringLiteral("Toast")), -1);
}

TEST(CheckedList, CopiesShareTheirNames) {
    QStringList names;
    for (int i = 0; i < 10000; ++i)
        names << QStringLiteral("Recipe number %1").arg(i);
    CheckedList a, b;
    a.setItems(names);
    b.setItems(a.items());
    EXPECT_EQ(a.items().constData(), b.items().constData());
}
