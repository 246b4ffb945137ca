#include "support/ProgramTest.h"

#include "app/Theme.h"
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <gtest/gtest.h>

namespace {

class SearchPageTest : public ProgramTest {
protected:
    SearchPageTest()
        : ProgramTest(QDateTime(QDate(2006, 5, 20), QTime(9, 0))) {
        w.JvXPBar4Items2Click();
    }
    int checkedCount() const {
        int n = 0;
        for (int i = 0; i < w.clbSearch->count(); ++i)
            n += w.clbSearch->item(i)->checkState() == Qt::Checked ? 1 : 0;
        return n;
    }
    void checkEntry(const QString &name) {
        const QList<QListWidgetItem *> items = w.clbSearch->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << qPrintable(name);
        items.first()->setCheckState(Qt::Checked);
    }
};

} // namespace

TEST_F(SearchPageTest, ModesEnableTheirControlsAndKeepOrDropTheChecks) {
    ASSERT_EQ(w.activePage(), w.TabSheet4);
    EXPECT_EQ(w.clbSearch->count(), 146);
    for (QWidget *control :
         std::initializer_list<QWidget *>{w.txt2, w.btn2, w.btn3, w.clbSearch, w.CheckBox1})
        EXPECT_TRUE(control->isEnabled()) << qPrintable(control->objectName());

    w.rb4->click();
    EXPECT_FALSE(w.txt2->isEnabled());
    EXPECT_FALSE(w.btn2->isEnabled());
    checkEntry(QStringLiteral("Milk"));
    checkEntry(QStringLiteral("Eggs"));
    w.rb5->click();
    EXPECT_FALSE(w.rb4->isChecked());
    EXPECT_EQ(checkedCount(), 2) << "checks stay between ingredient modes";
    w.CheckBox1->click();
    EXPECT_EQ(checkedCount(), 146);
    w.rb2->click();
    EXPECT_EQ(checkedCount(), 0);
    EXPECT_FALSE(w.CheckBox1->isChecked());
    EXPECT_FALSE(w.CheckBox1->isEnabled());
    EXPECT_FALSE(w.clbSearch->isEnabled());
    EXPECT_TRUE(w.txt2->isEnabled());
}

TEST_F(SearchPageTest, GoCountsWhatItFinds) {
    w.rb2->click();
    w.btn2->click();
    EXPECT_EQ(w.lblFound->text(), QStringLiteral("Found: 43 items"));
    EXPECT_EQ(w.lbResult->item(0)->text(), QStringLiteral("Apple and peanut butter slices"));
    w.txt2->setText(QStringLiteral("PANCAKE"));
    w.btn2->click();
    EXPECT_EQ(w.lblFound->text(), QStringLiteral("Found: 1 item"));
    EXPECT_EQ(w.lblFound->palette().color(QPalette::WindowText), theme::accentText(w.palette()));
    w.txt2->setText(QStringLiteral("no such dish"));
    w.btn2->click();
    EXPECT_EQ(w.lblFound->text(), QStringLiteral("Found: 0 item"));
    EXPECT_EQ(w.lblFound->palette().color(QPalette::WindowText), theme::warningText(w.palette()))
        << "nothing found is said in the warning colour";

    w.rb3->click();
    w.btn3->click();
    EXPECT_EQ(dialogs.errors, (QStringList{"Please check at least 1 ingredient"}));
    EXPECT_EQ(w.lblFound->text(), QStringLiteral("Found: 0 item")) << "left as it was";
    checkEntry(QStringLiteral("Milk"));
    checkEntry(QStringLiteral("Plain flour"));
    w.rb5->click();
    w.btn3->click();
    EXPECT_GT(w.lbResult->count(), 0);
    EXPECT_TRUE(w.lbResult->findItems(QStringLiteral("Pancakes"), Qt::MatchExactly).size() == 1);
}

TEST_F(SearchPageTest, ResetComingBackAndEmailingAFoundRecipe) {
    w.rb2->click();
    w.txt2->setText(QStringLiteral("pie"));
    w.btn2->click();
    const int found = w.lbResult->count();
    ASSERT_GT(found, 0);
    w.RbButton28->click();
    EXPECT_TRUE(mailer.sent.empty()) << "nothing selected, nothing sent";
    w.lbResult->setCurrentRow(0);
    w.RbButton28->click();
    ASSERT_EQ(mailer.sent.size(), 1u);
    EXPECT_EQ(mailer.sent[0].subject, QStringLiteral("VaneRecipe - ") + w.lbResult->item(0)->text());

    w.JvXPBar1Items0Click();
    w.JvXPBar4Items2Click();
    EXPECT_TRUE(w.rb2->isChecked());
    EXPECT_EQ(w.lbResult->count(), found) << "mode and results stay";

    w.Button4->click();
    EXPECT_FALSE(w.rb2->isChecked());
    EXPECT_FALSE(w.btn2->isEnabled());
    EXPECT_FALSE(w.btn3->isEnabled());
    EXPECT_FALSE(w.clbSearch->isEnabled());
    EXPECT_EQ(w.lbResult->count(), 0);
    EXPECT_TRUE(w.lblFound->text().isEmpty());
}

TEST_F(SearchPageTest, EachGoButtonSaysWhatItSearches) {
    EXPECT_EQ(w.btn2->text(), QStringLiteral("Go !"));
    EXPECT_EQ(w.btn3->text(), QStringLiteral("Go !"));
    EXPECT_EQ(w.btn2->accessibleName(), QStringLiteral("Search recipe names"));
    EXPECT_EQ(w.btn3->accessibleName(), QStringLiteral("Search by ingredients"));
}
