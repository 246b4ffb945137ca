// Hostile text typed into every text input of every page and dialog: nothing injected, nothing lost,
// nothing crashes, and whatever is refused is refused in words.
#include "support/HostileText.h"
#include "support/ProgramTest.h"
#include "toolkit/model/PlainName.h"
#include "toolkit/widgets/DBLookupComboBox.h"
#include "toolkit/widgets/DBMemo.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <gtest/gtest.h>

namespace {

class HostileInputTest : public ProgramTest {
protected:
    HostileInputTest()
        : ProgramTest(QDateTime(QDate(2026, 12, 9), QTime(9, 0))) {}
    QString first(const QString &sql) { return firstValue(sql); }
    QString literal(const QString &text) {
        return u'\'' + QString(text).replace(u'\'', QStringLiteral("''")) + u'\'';
    }
    void expectOnlyWords(const char *where) {
        for (const QString &message : dialogs.errors + dialogs.informations)
            EXPECT_FALSE(isEngineText(message)) << where << ": " << message.toStdString();
        dialogs.errors.clear();
        dialogs.informations.clear();
    }
};

} // namespace

TEST_F(HostileInputTest, EveryTextInputTakesOrRefusesAnyText) {
    const QString shape =
        first(QStringLiteral("SELECT group_concat(name) FROM (SELECT name FROM sqlite_master "
                             "ORDER BY 1)"));
    for (const QString &text : hostileTexts()) {
        SCOPED_TRACE(text.left(40).toStdString());
        const bool storable = !text.isEmpty() && text.size() <= 50;
        // A name keeps no control character: a line break or tab typed into one stands as a blank.
        const QString name = plainName(text);

        // The recipe page: a new recipe by that name, its method, and Change Name back and forth.
        w.JvXPBar4Items0Click();
        dialogs.inputAnswers = {text};
        w.run([this] { w.RbButton6Click(); });
        expectOnlyWords("Add New Recipe");
        const QString named =
            first(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name=") + literal(name));
        if (storable && !text.trimmed().isEmpty()) {
            EXPECT_EQ(named, QStringLiteral("1"));
            EXPECT_EQ(w.DBLookupComboBox2->currentText(), name);
            w.DBMemo1->setPlainText(text);
            w.run([this] { w.RbButton5Click(); });
            EXPECT_EQ(first(QStringLiteral("SELECT Meal_Recipe FROM Meal WHERE Meal_Name=") + literal(name)),
                      QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")))
                << "the memo keeps every line, its breaks as the editor writes them";
            w.run([this] { w.RbButton26Click(); }); // e-mail it
            dialogs.inputAnswers = {QStringLiteral("Renamed for a moment")};
            w.run([this] { w.RbButton4Click(); });
            dialogs.inputAnswers = {text};
            w.run([this] { w.RbButton4Click(); });
            EXPECT_EQ(first(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name=") + literal(name)),
                      QStringLiteral("1"));
            expectOnlyWords("recipe page");
        } else if (!text.isEmpty() && text.trimmed().isEmpty()) {
            // A blank name is the recipe page's own affair; whatever it does, it says it in words.
        } else {
            EXPECT_EQ(named, QStringLiteral("0"));
        }
        dialogs.fileAnswers = {QStringLiteral("/nonexistent/") + text.left(100) + QStringLiteral(".jpg")};
        w.run([this] { w.LoadNewPicture1Click(); });
        expectOnlyWords("Load New Picture");

        // The ingredient page: a new ingredient of that description, then deleted again.
        w.JvXPBar4Items1Click();
        w.DBEdit1->setText(text);
        w.ComboBox1->setEditText(w.ComboBox1->itemText(0));
        w.run([this] { w.RbButton2Click(); });
        expectOnlyWords("Add New ingredient");
        if (storable && !text.trimmed().isEmpty()) {
            EXPECT_EQ(
                first(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description=") +
                      literal(name)),
                QStringLiteral("1"));
            w.DBEdit1->setText(text);
            w.run([this] { w.RbButton1Click(); });
            expectOnlyWords("Delete ingredient");
            EXPECT_EQ(
                first(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description=") +
                      literal(name)),
                QStringLiteral("0"));
        }
        w.DBEdit1->setText(QStringLiteral("Eggs"));
        dialogs.inputAnswers = {text};
        w.run([this] { w.RbButton3Click(); }); // Change Description
        expectOnlyWords("Change Description");
        const bool oneLine = !text.contains(u'\n');
        if (storable && !text.trimmed().isEmpty() && oneLine) {
            w.DBEdit1->setText(text);
            dialogs.inputAnswers = {QStringLiteral("Eggs")};
            w.run([this] { w.RbButton3Click(); });
        }
        if (!oneLine) {
            // A line box never gives a line break back; the test puts the name right by itself.
            dm.runSql(QStringLiteral("UPDATE Ingredients SET Ingredients_Description='Eggs' WHERE "
                                     "Ingredients_Description=") +
                      literal(name));
        }
        EXPECT_EQ(
            first(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='Eggs'")),
            QStringLiteral("1"))
            << "renamed and back, or refused";

        // The categories page: a type and a group of that name.
        w.JvXPBar4Items3Click();
        dialogs.inputAnswers = {text};
        w.run([this] { w.RbButton22Click(); });
        dialogs.inputAnswers = {text};
        w.run([this] { w.RbButton24Click(); });
        expectOnlyWords("categories page");

        // The shopping page: name, group and quantity as typed.
        w.JvXPBar2Click();
        w.Edit1->setText(text);
        w.Edit2->setText(text);
        w.Edit3->setText(text);
        w.run([this] { w.RbButton10Click(); });
        expectOnlyWords("shopping quantity");
        w.Edit1->setText(text);
        w.Edit3->setText(QStringLiteral("2"));
        w.run([this] { w.RbButton10Click(); });
        expectOnlyWords("Add /Change");
        w.run([this] { w.RbButton19Click(); });
        expectOnlyWords("Delete Current");

        // The search page: the piece of a name.
        w.JvXPBar4Items2Click();
        w.rb2->click();
        w.txt2->setText(text);
        w.run([this] { w.btn2Click(); });
        expectOnlyWords("search");

        // Import from a file of that name, which does not exist: nothing happens.
        dialogs.fileAnswers = {text};
        w.run([this] { w.Action14Execute(); });
        expectOnlyWords("import");

        EXPECT_EQ(first(QStringLiteral("SELECT group_concat(name) FROM (SELECT name FROM sqlite_master "
                                       "ORDER BY 1)")),
                  shape)
            << "nothing was created or dropped";
        EXPECT_GE(first(QStringLiteral("SELECT count(*) FROM Meal")).toInt(), 40);
    }
}
