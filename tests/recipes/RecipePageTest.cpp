#include "recipes/PictureData.h"
#include "recipes/RecipeDetails.h"
#include "recipes/RecipeLinesEditor.h"
#include "recipes/TForm3.h"
#include "recipes/TForm8.h"
#include "support/ProgramTest.h"
#include "toolkit/widgets/DBGrid.h"
#include "toolkit/widgets/DBImage.h"
#include "toolkit/widgets/DBLookupComboBox.h"
#include "toolkit/widgets/DBMemo.h"
#include "toolkit/widgets/LinkLabel.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class RecipePageTest : public ProgramTest {
protected:
    explicit RecipePageTest(TestDataFile::Contents contents = TestDataFile::Contents::Starter)
        : ProgramTest(QDateTime(QDate(2006, 5, 20), QTime(9, 0)), contents) {
        w.JvXPBar4Items0Click();
    }
    /// Picks a recipe in the chooser as the user would.
    void pick(const QString &name) {
        const int row = w.DBLookupComboBox2->findText(name);
        ASSERT_GE(row, 0) << qPrintable(name);
        w.DBLookupComboBox2->choose(row);
        w.DBLookupComboBox2CloseUp();
    }
    QString stored(const QString &sql) {
        dm.runSql(sql);
        const QString value = dm.SQL.value(0, 0).toString();
        dm.SQL.close();
        return value;
    }
    QStringList ingredients() {
        QStringList names;
        const QAbstractItemModel *model = w.DBGrid2->model();
        for (int r = 0; r < model->rowCount(); ++r)
            names << model->index(r, 0).data().toString();
        return names;
    }
    QStringList flags() const {
        QStringList ticked;
        for (QCheckBox *box : {w.cbmorning, w.cbsnack, w.cbnoon, w.cbnight, w.cbdessert}) {
            if (box->isChecked())
                ticked << box->text();
        }
        return ticked;
    }
};

class EmptyBookTest : public RecipePageTest {
protected:
    EmptyBookTest()
        : RecipePageTest(TestDataFile::Contents::Empty) {}
};

} // namespace

TEST_F(RecipePageTest, EnteringShowsTheChosenRecipeWithItsTimesAndIngredients) {
    ASSERT_EQ(w.activePage(), w.TabSheet3);
    EXPECT_EQ(w.DBLookupComboBox2->currentText(), QStringLiteral("Apple and peanut butter slices"))
        << "first by name";
    pick(QStringLiteral("Pancakes"));
    EXPECT_EQ(flags(), (QStringList{"MORNING", "SNACK", "DESSERT"}));
    EXPECT_EQ(w.DBLookupComboBox3->currentText(), QStringLiteral("Breakfast"));
    EXPECT_TRUE(w.DBMemo1->toPlainText().contains(QStringLiteral("batter"), Qt::CaseInsensitive));
    // Ordered by the group's number, then by name: eggs and milk (dairy) before flour (baking).
    const QStringList list = ingredients();
    EXPECT_EQ(list.size(), 7);
    EXPECT_LT(list.indexOf(QStringLiteral("Milk")), list.indexOf(QStringLiteral("Plain flour")));
    EXPECT_EQ(w.DBGrid2->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Group"));

    // The page keeps its recipe over a visit elsewhere.
    w.JvXPBar1Items0Click();
    w.JvXPBar4Items0Click();
    EXPECT_EQ(w.DBLookupComboBox2->currentText(), QStringLiteral("Pancakes"));
}

TEST_F(RecipePageTest, EditsArePostedWhenAnotherRecipeIsChosenButTicksNeedSave) {
    pick(QStringLiteral("Pancakes"));
    w.DBMemo1->setPlainText(QStringLiteral("Mix, rest, fry. Don't rush: 100% worth it."));
    w.DBLookupComboBox3->choose(w.DBLookupComboBox3->findText(QStringLiteral("Dessert")));
    w.cbnight->setChecked(true);
    EXPECT_EQ(dm.MEALS.state(), db::Dataset::State::Edit);
    pick(QStringLiteral("Flapjacks"));
    EXPECT_EQ(stored(QStringLiteral("SELECT Meal_Recipe FROM Meal WHERE Meal_Name='Pancakes'")),
              QStringLiteral("Mix, rest, fry. Don't rush: 100% worth it."));
    EXPECT_EQ(stored(QStringLiteral("SELECT t.Type FROM Meal m JOIN Meal_Type t ON t.ID=m.Meal_Type WHERE "
                                    "Meal_Name='Pancakes'")),
              QStringLiteral("Dessert"));
    pick(QStringLiteral("Pancakes"));
    EXPECT_EQ(flags(), (QStringList{"MORNING", "SNACK", "DESSERT"})) << "the tick was lost";

    w.cbnight->setChecked(true);
    w.cbmorning->setChecked(false);
    w.RbButton5->click();
    EXPECT_EQ(flags(), (QStringList{"SNACK", "NIGHT", "DESSERT"}));
    EXPECT_EQ(stored(QStringLiteral("SELECT Meal_Night||Meal_Morning FROM Meal WHERE Meal_Name='Pancakes'")),
              QStringLiteral("10"));
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(RecipePageTest, ChangeNameWritesOnlyARealChange) {
    pick(QStringLiteral("Pancakes"));
    QSignalSpy rereads(&dm.SQLMEALS, &db::Dataset::afterOpen);
    dialogs.inputAnswers = {QStringLiteral("Pancakes"), QString()};
    w.RbButton4->click();
    w.RbButton4->click();
    EXPECT_EQ(dialogs.inputs.first(), QStringLiteral("Input New Recipe Name|New Recipe Name:"));
    EXPECT_EQ(rereads.count(), 0) << "cancel and empty answers read nothing again";

    dialogs.inputAnswers = {QStringLiteral("PANCAKES")};
    w.RbButton4->click();
    EXPECT_EQ(w.DBLookupComboBox2->currentText(), QStringLiteral("PANCAKES"))
        << "a change of case is written";
    EXPECT_EQ(rereads.count(), 1);

    // A name another recipe has, in any letter case, is refused with a message naming it.
    dialogs.inputAnswers = {QStringLiteral("flapjacks")};
    w.RbButton4->click();
    EXPECT_EQ(dialogs.errors, (QStringList{"The recipe book already has a recipe named \"flapjacks\"."}));
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='Flapjacks'")),
              QStringLiteral("1"));
    EXPECT_EQ(w.DBLookupComboBox2->currentText(), QStringLiteral("PANCAKES"));
    EXPECT_EQ(w.DBLookupComboBox2->keyValue(), dm.MEALS.field(QStringLiteral("Meal_ID")).value());

    // The limit counts characters as they are seen: 50 emoji fit, 51 letters do not.
    dialogs.errors.clear();
    QString emoji;
    for (int i = 0; i < 50; ++i)
        emoji += QStringLiteral("🥞");
    dialogs.inputAnswers = {emoji};
    w.RbButton4->click();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << dialogs.errors.join(u'|').toStdString();
    EXPECT_EQ(w.DBLookupComboBox2->currentText(), emoji);
    dialogs.inputAnswers = {QString(51, u'x'), QStringLiteral("   ")};
    w.RbButton4->click();
    w.RbButton4->click();
    EXPECT_EQ(dialogs.errors, (QStringList{"A recipe name can be at most 50 characters long.",
                                           "A recipe needs a name of more than blanks."}));
    EXPECT_EQ(dm.MEALS.state(), db::Dataset::State::Browse);
}

TEST_F(RecipePageTest, AddNewRecipeStartsAnEmptyRecipeUnderAFreshName) {
    dialogs.inputAnswers = {QStringLiteral("Mum's \"best\" soup")};
    w.RbButton6->click();
    EXPECT_EQ(w.DBLookupComboBox2->currentText(), QStringLiteral("Mum's \"best\" soup"));
    EXPECT_TRUE(flags().isEmpty());
    EXPECT_TRUE(ingredients().isEmpty());
    EXPECT_TRUE(w.DBMemo1->toPlainText().isEmpty());
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) FROM Meal")), QStringLiteral("44"));

    dialogs.inputAnswers = {QStringLiteral("pancakes"), QString()};
    w.RbButton6->click();
    w.RbButton6->click();
    EXPECT_EQ(dialogs.errors, (QStringList{"The recipe book already has a recipe named \"pancakes\"."}));
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) FROM Meal")), QStringLiteral("44"));
}

TEST_F(RecipePageTest, DeleteRecipeLeavesItsLinksButShowsTheNextRecipe) {
    pick(QStringLiteral("Pancakes"));
    const QString id = dm.MEALS.field(QStringLiteral("Meal_ID")).asString();
    file.exec(
        QStringLiteral(
            "INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) VALUES(20,2006,0,'1',") +
        id + u')');
    // The question names the recipe; No deletes nothing.
    dialogs.confirmAnswers = {false};
    w.RbButton7->click();
    EXPECT_EQ(dialogs.questions.last(),
              QStringLiteral("Delete the recipe \"Pancakes\" with its ingredient list and picture?"));
    EXPECT_NE(w.DBLookupComboBox2->findText(QStringLiteral("Pancakes")), -1);
    dialogs.confirmAnswers = {true};
    w.RbButton7->click();
    EXPECT_EQ(w.DBLookupComboBox2->findText(QStringLiteral("Pancakes")), -1);
    EXPECT_FALSE(w.DBLookupComboBox2->currentText().isEmpty());
    EXPECT_EQ(w.DBLookupComboBox2->keyValue(), dm.MEALS.field(QStringLiteral("Meal_ID")).value());
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) FROM Made_With WHERE Meal_ID=") + id),
              QStringLiteral("7"));
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) FROM Menu WHERE Meal_ID=") + id), QStringLiteral("1"));

    // The last row of the table leaves the one before it chosen.
    dm.MEALS.last();
    const QString beforeLast =
        dm.MEALS.value(dm.MEALS.recordCount() - 2, QStringLiteral("Meal_Name")).toString();
    pick(dm.MEALS.field(QStringLiteral("Meal_Name")).asString());
    dialogs.confirmAnswers = {true};
    w.RbButton7->click();
    EXPECT_EQ(w.DBLookupComboBox2->currentText(), beforeLast);
}

TEST_F(RecipePageTest, IngredientsAreAddedThroughTheDialogAndDeletedAgain) {
    dialogs.inputAnswers = {QStringLiteral("Test dish")};
    w.RbButton6->click();
    w.RbButton9->click();
    EXPECT_TRUE(dialogs.errors.isEmpty()) << "nothing to delete, nothing said";

    TForm3 *dialog = program.Form3;
    int shown = 0;
    w.showModal = [&](QDialog &d) {
        ++shown;
        ASSERT_EQ(&d, dialog);
        EXPECT_EQ(dialog->MealID, dm.MEALS.field(QStringLiteral("Meal_ID")).asInteger());
        const int candidates = dm.SQLMEAL2.recordCount();
        EXPECT_EQ(candidates, 146);
        // Add them all, one after another; the lists move in step.
        for (int added = 1; added <= candidates; ++added) {
            dialog->RbButton8->click();
            ASSERT_EQ(dm.SQLMEAL1.recordCount(), added);
            ASSERT_EQ(dm.SQLMEAL2.recordCount(), candidates - added);
        }
        dialog->RbButton8->click();
        EXPECT_EQ(dm.SQLMEAL1.recordCount(), candidates) << "an empty candidate list adds nothing";
    };
    w.RbButton8->click();
    EXPECT_EQ(shown, 1);

    const QString first = ingredients().first();
    w.RbButton9->click();
    EXPECT_FALSE(ingredients().contains(first));
    w.showModal = [&](QDialog &) {
        EXPECT_EQ(dm.SQLMEAL2.recordCount(), 1);
        EXPECT_EQ(dm.SQLMEAL2.field(QStringLiteral("Ingredients_Description")).asString(), first);
    };
    w.RbButton8->click();
    EXPECT_TRUE(dialogs.errors.isEmpty());
}

TEST_F(EmptyBookTest, OnlyAddNewRecipeDoesAnything) {
    EXPECT_TRUE(w.DBLookupComboBox2->currentText().isEmpty());
    EXPECT_TRUE(flags().isEmpty());
    int shown = 0;
    w.showModal = [&](QDialog &) { ++shown; };
    for (QPushButton *b : {w.RbButton4, w.RbButton5, w.RbButton7, w.RbButton8, w.RbButton9})
        b->click();
    EXPECT_EQ(shown, 0);
    EXPECT_TRUE(dialogs.inputs.isEmpty());
    EXPECT_TRUE(dialogs.errors.isEmpty());

    dialogs.inputAnswers = {QStringLiteral("Only dish")};
    w.RbButton6->click();
    EXPECT_EQ(w.DBLookupComboBox2->currentText(), QStringLiteral("Only dish"));
    dialogs.confirmAnswers = {true};
    w.RbButton7->click();
    EXPECT_TRUE(w.DBLookupComboBox2->currentText().isEmpty())
        << "deleting the only recipe empties the chooser";
    EXPECT_TRUE(ingredients().isEmpty());
}

namespace {

QString pictureFile(const QTemporaryDir &dir, const QString &name, QSize size, const char *format) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(30, 120, 60));
    const QString path = dir.filePath(name);
    image.save(path, format);
    return path;
}

} // namespace

TEST_F(RecipePageTest, PicturesAreLoadedClearedSavedAndViewed) {
    QTemporaryDir dir;
    pick(QStringLiteral("Pancakes"));
    EXPECT_TRUE(w.EDBImage1->image().isNull());
    dialogs.fileAnswers = {dir.filePath(QStringLiteral("none.jpg"))};
    w.SavePicture1Click();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("none.jpg")))) << "no picture, no file";

    // Loading stores the JPEG as it is, together with the method text being edited.
    w.DBMemo1->setPlainText(QStringLiteral("Whisk & fry."));
    dialogs.fileAnswers = {pictureFile(dir, QStringLiteral("wide.jpg"), QSize(1600, 400), "JPG")};
    w.LoadNewPicture1Click();
    EXPECT_EQ(dialogs.fileBoxes.last(), QStringLiteral("Load New Picture"));
    dm.runSql(QStringLiteral("SELECT Meal_Picture, Meal_Recipe FROM Meal WHERE Meal_Name='Pancakes'"));
    const QByteArray stored = dm.SQL.value(0, 0).toByteArray();
    EXPECT_TRUE(stored.startsWith("\xFF\xD8"));
    EXPECT_EQ(dm.SQL.value(0, 1).toString(), QStringLiteral("Whisk & fry."));
    dm.SQL.close();
    EXPECT_EQ(w.EDBImage1->pictureSize(), QSize(1600, 400));
    // The box holds the photograph only as large as it shows it.
    w.EDBImage1->resize(200, 150);
    EXPECT_LT(w.EDBImage1->image().width(), 1600);
    EXPECT_GE(w.EDBImage1->image().width(), 200);

    // Saved in its own format whatever the name says.
    const QString saved = dir.filePath(QStringLiteral("copy.bmp"));
    dialogs.fileAnswers = {saved};
    w.SavePicture1Click();
    QFile copy(saved);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), stored);

    // A file that is no picture changes nothing and says so.
    const QString text = dir.filePath(QStringLiteral("recipe.jpg"));
    QFile bogus(text);
    bogus.open(QIODevice::WriteOnly);
    bogus.write("not a picture");
    bogus.close();
    dialogs.fileAnswers = {text};
    w.LoadNewPicture1Click();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(w.EDBImage1->data(), stored);

    // The viewer follows the recipe page; clearing empties the field.
    w.Vieworiginalsize1Click();
    EXPECT_TRUE(program.Form8->isVisible());
    EXPECT_FALSE(program.Form8->isModal());
    EXPECT_EQ(program.Form8->picture()->pictureSize(), QSize(1600, 400));
    // Fitted to the window first; "Actual size" shows every pixel, with scroll bars.
    EXPECT_EQ(program.Form8->picture()->fit(), DBImage::Fit::ShrinkToFit);
    auto *actual = program.Form8->findChild<QPushButton *>(QStringLiteral("ActualSize"));
    ASSERT_NE(actual, nullptr);
    actual->click();
    EXPECT_EQ(program.Form8->picture()->image().size(), QSize(1600, 400));
    actual->click();
    // Clearing asks first, naming the recipe; No keeps the picture.
    dialogs.confirmAnswers = {false};
    w.ClearPicture1Click();
    EXPECT_EQ(dialogs.questions.last(), QStringLiteral("Clear the picture of \"Pancakes\"?"));
    EXPECT_EQ(w.EDBImage1->data(), stored);
    dialogs.confirmAnswers = {true};
    w.ClearPicture1Click();
    EXPECT_TRUE(program.Form8->picture()->image().isNull());
    dm.runSql(QStringLiteral("SELECT length(Meal_Picture) IS NULL OR length(Meal_Picture)=0 FROM Meal WHERE "
                             "Meal_Name='Pancakes'"));
    EXPECT_EQ(dm.SQL.value(0, 0).toLongLong(), 1);
    program.Form8->close();
}

TEST_F(RecipePageTest, AStoredPictureShowsAgainAfterARestart) {
    QTemporaryDir dir;
    pick(QStringLiteral("Flapjacks"));
    dialogs.fileAnswers = {pictureFile(dir, QStringLiteral("small.bmp"), QSize(40, 30), "BMP")};
    w.LoadNewPicture1Click();
    // The file as the program left it, opened by the next start (the running one keeps its own).
    const QString restarted = dir.filePath(QStringLiteral("restarted.mdb"));
    ASSERT_TRUE(QFile::copy(file.path(), restarted));
    Mealvane again(AppServices{dialogs, shell, clock}, StartupOptions{0, 0, restarted});
    again.mainWindow().JvXPBar4Items0Click();
    const int row = again.mainWindow().DBLookupComboBox2->findText(QStringLiteral("Flapjacks"));
    again.mainWindow().DBLookupComboBox2->choose(row);
    again.mainWindow().DBLookupComboBox2CloseUp();
    EXPECT_EQ(again.mainWindow().EDBImage1->pictureSize(), QSize(40, 30));
}

TEST_F(RecipePageTest, EmailRecipeHandsTheStoredRecipeToTheMailProgram) {
    TForm1 &m = w;
    m.JvXPBar4Items0Click();
    dialogs.inputAnswers = {QStringLiteral("Mum's \"best\" pie")};
    m.RbButton6->click();
    m.DBMemo1->setPlainText(QStringLiteral("Not yet saved"));
    m.RbButton26->click();
    ASSERT_EQ(mailer.sent.size(), 1u);
    EXPECT_EQ(mailer.sent[0].subject, QStringLiteral("VaneRecipe - Mum's \"best\" pie"));
    EXPECT_TRUE(mailer.sent[0].body.startsWith(QStringLiteral("\r\nMum's \"best\" pie\r\n")));
    EXPECT_FALSE(mailer.sent[0].body.contains(QStringLiteral("Not yet saved")))
        << "the stored recipe is sent";
    EXPECT_TRUE(mailer.sent[0].recipientAddress.isEmpty());

    const int row = m.DBLookupComboBox2->findText(QStringLiteral("Pancakes"));
    m.DBLookupComboBox2->choose(row);
    m.DBLookupComboBox2CloseUp();
    mailer.result = 1;
    m.RbButton26->click();
    ASSERT_EQ(mailer.sent.size(), 2u);
    EXPECT_TRUE(mailer.sent[1].body.contains(QStringLiteral("Pancakes [Breakfast,Snack,Dessert]\r\n")));
    EXPECT_TRUE(
        mailer.sent[1].body.contains(QStringLiteral("-----------\r\nButter\r\nCaster sugar\r\nEggs\r\n")));
    EXPECT_EQ(dialogs.errors, (QStringList{"Error sending mail (1)."}));
    m.PrintMealToEmail(QString());
    m.PrintMealToEmail(QStringLiteral("No such dish"));
    EXPECT_EQ(mailer.sent.size(), 2u);
}

TEST_F(RecipePageTest, AfterATypeIsDeletedThePageShowsOneRecipeAndDeletesThatOne) {
    pick(QStringLiteral("Apple crumble"));
    w.JvXPBar4Items3Click(); // the categories page
    ASSERT_TRUE(dm.MEALTYPE.locate(QStringLiteral("Type"), QStringLiteral("Dessert")));
    dialogs.confirmAnswers = {true};
    w.RbButton23Click(); // deletes the type with its recipes, Apple crumble among them
    w.JvXPBar4Items0Click();
    const QString shown = w.DBLookupComboBox2->currentText();
    EXPECT_NE(shown, QStringLiteral("Apple crumble"));
    EXPECT_EQ(shown, dm.MEALS.field(QStringLiteral("Meal_Name")).asString())
        << "the chooser and the fields show one recipe";
    EXPECT_EQ(w.DBMemo1->toPlainText(), dm.MEALS.field(QStringLiteral("Meal_Recipe")).asString());
    const QString pancakes = stored(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='Pancakes'"));
    dialogs.confirmAnswers = {true};
    w.RbButton7->click();
    EXPECT_EQ(dialogs.questions.last(),
              QStringLiteral("Delete the recipe \"%1\" with its ingredient list and picture?").arg(shown));
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='%1'").arg(shown)),
              QStringLiteral("0"));
    if (shown != QStringLiteral("Pancakes")) {
        EXPECT_EQ(stored(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='Pancakes'")), pancakes);
    }
}

TEST_F(RecipePageTest, SaveStoresOnTheShownRecipeWhateverTheSelectMealDialogChose) {
    pick(QStringLiteral("Apple and peanut butter slices"));
    // Reports > Single Recipe: the dialog's list is the page's list; it chooses Banana bread.
    ASSERT_TRUE(dm.SQLMEALS.locate(QStringLiteral("Meal_Name"), QStringLiteral("Banana bread")));
    const bool before = w.cbdessert->isChecked();
    w.cbdessert->setChecked(!before);
    w.RbButton5->click();
    EXPECT_EQ(w.DBLookupComboBox2->currentText(), QStringLiteral("Apple and peanut butter slices"));
    EXPECT_EQ(dm.MEALS.field(QStringLiteral("Meal_Name")).asString(),
              QStringLiteral("Apple and peanut butter slices"));
    EXPECT_EQ(w.cbdessert->isChecked(), !before);
    EXPECT_EQ(stored(QStringLiteral(
                  "SELECT Meal_Dessert FROM Meal WHERE Meal_Name='Apple and peanut butter slices'")),
              !before ? QStringLiteral("true") : QStringLiteral("false"));
}

TEST_F(RecipePageTest, APictureTheFullDiskCannotTakeIsSaidDroppedAndTheProgramCloses) {
    QTemporaryDir dir;
    pick(QStringLiteral("Pancakes"));
    w.DBMemo1->setPlainText(QStringLiteral("Whisk & fry."));
    // The disk is full from here on: the file cannot grow by a page.
    db::Statement pages(dm.ADOConnectionMain, QStringLiteral("PRAGMA page_count"));
    ASSERT_TRUE(pages.step());
    dm.ADOConnectionMain.execute(
        QStringLiteral("PRAGMA max_page_count = %1").arg(pages.value(0).toLongLong() + 1));
    dialogs.fileAnswers = {pictureFile(dir, QStringLiteral("photo.jpg"), QSize(1600, 1200), "JPG")};
    w.run([this] { w.LoadNewPicture1Click(); });
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors.first().contains(QStringLiteral("is full")))
        << dialogs.errors.first().toStdString();
    EXPECT_EQ(dm.MEALS.state(), db::Dataset::State::Browse) << "nothing is left pending";
    EXPECT_TRUE(w.EDBImage1->image().isNull()) << "the recipe shows what the book holds";
    EXPECT_EQ(stored(QStringLiteral("SELECT Meal_Recipe FROM Meal WHERE Meal_Name='Pancakes'")),
              QStringLiteral("Whisk & fry."))
        << "the method typed before was written on its own";
    EXPECT_TRUE(stored(QStringLiteral("SELECT Meal_Picture IS NULL FROM Meal WHERE Meal_Name='Pancakes'")) ==
                QStringLiteral("1"));

    // An edit that cannot be written does not hold the program open: closing asks, and Yes closes.
    w.show();
    w.DBMemo1->setPlainText(QString(20000, u'x'));
    dialogs.confirmAnswers = {false, true};
    EXPECT_FALSE(w.close());
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions.first().contains(QStringLiteral("Close Mealvane without saving it?")));
    EXPECT_TRUE(w.close());
}

TEST_F(RecipePageTest, APhotoOverTwoThousandPixelsIsOfferedReducedAndNoKeepsItWhole) {
    QTemporaryDir dir;
    pick(QStringLiteral("Pancakes"));
    const QString photo = pictureFile(dir, QStringLiteral("phone.jpg"), QSize(4000, 3000), "JPG");
    QFile taken(photo);
    ASSERT_TRUE(taken.open(QIODevice::ReadOnly));
    const QByteArray whole = taken.readAll();
    const auto storedPicture = [this] {
        dm.runSql(QStringLiteral("SELECT Meal_Picture FROM Meal WHERE Meal_Name='Pancakes'"));
        const QByteArray bytes = dm.SQL.value(0, 0).toByteArray();
        dm.SQL.close();
        return bytes;
    };
    dialogs.fileAnswers = {photo};
    dialogs.confirmAnswers = {true};
    w.LoadNewPicture1Click();
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions.first().startsWith(
        QStringLiteral("This photo is 4000 x 3000 pixels (%1 MB). Keep it at 2,000 pixels (about ")
            .arg(QString::number(std::max(0.1, double(whole.size()) / 1e6), 'f', 1))))
        << dialogs.questions.first().toStdString();
    EXPECT_EQ(picture::pictureSize(storedPicture()), QSize(2000, 1500));
    EXPECT_TRUE(
        w.statusBar()->currentMessage().startsWith(QStringLiteral("Kept the photo at 2000 x 1500 pixels")))
        << w.statusBar()->currentMessage().toStdString();

    dialogs.fileAnswers = {photo};
    dialogs.confirmAnswers = {false};
    w.LoadNewPicture1Click();
    EXPECT_EQ(storedPicture(), whole) << "No keeps the bytes as they are";
    EXPECT_TRUE(w.statusBar()->currentMessage().startsWith(QStringLiteral("Kept the photo as it is")));

    // A picture of 2,000 pixels or less is not asked about.
    dialogs.fileAnswers = {pictureFile(dir, QStringLiteral("small.jpg"), QSize(2000, 1000), "JPG")};
    w.LoadNewPicture1Click();
    EXPECT_EQ(dialogs.questions.size(), 2);
}

TEST_F(RecipePageTest, ActualSizeFollowsTheNextRecipesPicture) {
    QTemporaryDir dir;
    pick(QStringLiteral("Pancakes"));
    dialogs.fileAnswers = {pictureFile(dir, QStringLiteral("large.jpg"), QSize(1600, 1200), "JPG")};
    w.LoadNewPicture1Click();
    pick(QStringLiteral("Fish pie"));
    dialogs.fileAnswers = {pictureFile(dir, QStringLiteral("small.jpg"), QSize(300, 200), "JPG")};
    w.LoadNewPicture1Click();
    w.Vieworiginalsize1Click();
    program.Form8->findChild<QPushButton *>(QStringLiteral("ActualSize"))->click();
    EXPECT_EQ(program.Form8->picture()->size(), QSize(300, 200));
    pick(QStringLiteral("Pancakes"));
    EXPECT_EQ(program.Form8->picture()->size(), QSize(1600, 1200))
        << "every part of the larger one is reached";
    pick(QStringLiteral("Fish pie"));
    EXPECT_EQ(program.Form8->picture()->size(), QSize(300, 200)) << "a small one is not lost in a large area";
    program.Form8->close();
}

namespace {

QStringList rowsOf(const QTableWidget &grid) {
    QStringList rows;
    for (int r = 0; r < grid.rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < grid.columnCount(); ++c)
            cells << (grid.item(r, c) != nullptr ? grid.item(r, c)->text() : QString());
        rows << cells.join(u'|');
    }
    return rows;
}

} // namespace

// The recipe's lines with their amounts: typed whole and read into their parts, put right cell by cell,
// moved and deleted, each change written at once with its catalogue link; the servings kept, and the
// amounts shown for another number of people without changing the recipe.
TEST_F(RecipePageTest, IngredientLinesAreTypedCorrectedMovedAndScaled) {
    pick(QStringLiteral("Pancakes"));
    RecipeLinesEditor &lines = *w.linesEditor();
    QTableWidget &grid = *lines.grid();
    const QString meal = stored(QStringLiteral("SELECT Meal_ID FROM Meal WHERE Meal_Name='Pancakes'"));
    lines.lineBox()->setText(QStringLiteral("250 g plain flour, sifted"));
    QTest::keyClick(lines.lineBox(), Qt::Key_Return);
    lines.addLine(QStringLiteral("For the batter:"));
    lines.addLine(QStringLiteral("2-3 large eggs"));
    EXPECT_EQ(rowsOf(grid),
              (QStringList{"250|g|Plain flour|sifted", "For the batter:|||", "2-3||Eggs|large"}))
        << "linked to the catalogue's own names";
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) FROM Recipe_Lines WHERE Meal_ID=") + meal),
              QStringLiteral("3"));
    // A cell put right; a number that is none is refused and the cell shows what the book holds.
    grid.item(0, 0)->setText(QStringLiteral("1 1/2"));
    grid.item(0, 1)->setText(QStringLiteral("Kilogramm"));
    grid.item(2, 0)->setText(QStringLiteral("many"));
    EXPECT_EQ(rowsOf(grid).at(0), QStringLiteral("1.5|kg|Plain flour|sifted"));
    EXPECT_EQ(rowsOf(grid).at(2), QStringLiteral("2-3||Eggs|large"));
    EXPECT_EQ(stored(QStringLiteral("SELECT Line_Text FROM Recipe_Lines WHERE Line_Position=1 AND Meal_ID=") +
                     meal),
              QStringLiteral("1.5 kg Plain flour, sifted"));
    grid.item(2, 2)->setText(QStringLiteral("Duck eggs"));
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) FROM Made_With JOIN Ingredients USING(Ingredients_ID) "
                                    "WHERE Ingredients_Description='Duck eggs' AND Meal_ID=") +
                     meal),
              QStringLiteral("1"))
        << "a food the catalogue lacks is added and linked";
    // Moved and deleted.
    grid.setCurrentCell(2, 0);
    w.findChild<QPushButton *>(QStringLiteral("LineUp"))->click();
    EXPECT_TRUE(rowsOf(grid).at(1).startsWith(QStringLiteral("2-3||Duck eggs")));
    grid.setCurrentCell(2, 0);
    w.findChild<QPushButton *>(QStringLiteral("DeleteLine"))->click();
    EXPECT_EQ(grid.rowCount(), 2);
    // Servings, and the amounts for six.
    lines.servingsBox()->setValue(4);
    EXPECT_EQ(stored(QStringLiteral("SELECT Meal_Servings FROM Meal WHERE Meal_ID=") + meal),
              QStringLiteral("4"));
    lines.scaleBox()->setValue(6);
    EXPECT_EQ(rowsOf(grid).at(0), QStringLiteral("2.25|kg|Plain flour|sifted"));
    EXPECT_EQ(
        stored(QStringLiteral("SELECT Line_Amount FROM Recipe_Lines WHERE Line_Position=1 AND Meal_ID=") +
               meal),
        QStringLiteral("1.5"))
        << "scaling changes nothing stored";
    // Another recipe shows its own lines; coming back shows these as written.
    pick(QStringLiteral("Flapjacks"));
    EXPECT_EQ(grid.rowCount(), 0);
    pick(QStringLiteral("Pancakes"));
    EXPECT_EQ(rowsOf(grid).at(0), QStringLiteral("1.5|kg|Plain flour|sifted"));
}

// A recipe imported before its lines were kept gets them from the top of its method, after a question.
TEST_F(RecipePageTest, AmountsAreReadFromTheTopOfTheMethod) {
    file.exec(
        QStringLiteral("UPDATE Meal SET Meal_Recipe='200 g oats\n3 tbsp golden syrup\n100 g butter\n\nMelt "
                       "the butter and syrup.' WHERE Meal_Name='Flapjacks'"));
    w.rereadAfterImport();
    pick(QStringLiteral("Flapjacks"));
    dialogs.confirmAnswers = {false, true};
    w.findChild<QPushButton *>(QStringLiteral("ReadAmountsFromMethod"))->click();
    EXPECT_EQ(w.linesEditor()->grid()->rowCount(), 0) << "No leaves the recipe as it was";
    w.findChild<QPushButton *>(QStringLiteral("ReadAmountsFromMethod"))->click();
    EXPECT_EQ(rowsOf(*w.linesEditor()->grid()),
              (QStringList{"200|g|Oats|", "3|tbsp|Golden syrup|", "100|g|Butter|"}));
    EXPECT_TRUE(stored(QStringLiteral("SELECT Meal_Recipe FROM Meal WHERE Meal_Name='Flapjacks'"))
                    .endsWith(QStringLiteral("Melt the butter and syrup.")))
        << "the method stays";
    // All recipes at once: only those without lines whose method begins with them.
    file.exec(QStringLiteral("UPDATE Meal SET Meal_Recipe='2 eggs\n1 pint milk\n\nWhisk.' WHERE Meal_Name "
                             "IN ('Pancakes', 'Flapjacks')"));
    dialogs.confirmAnswers = {true};
    w.findChild<QAction *>(QStringLiteral("ActionReadAmounts"))->trigger();
    EXPECT_EQ(stored(QStringLiteral("SELECT group_concat(Line_Text, '/') FROM Recipe_Lines JOIN Meal "
                                    "USING(Meal_ID) WHERE Meal_Name='Pancakes'")),
              QStringLiteral("2 eggs/1 pint milk"));
    EXPECT_EQ(stored(QStringLiteral("SELECT count(*) FROM Recipe_Lines JOIN Meal USING(Meal_ID) WHERE "
                                    "Meal_Name='Flapjacks'")),
              QStringLiteral("3"))
        << "a recipe with lines keeps them";
}

TEST_F(RecipePageTest, DetailsAreShownEditedAndTheWebSourceOpensInTheBrowser) {
    file.exec(
        QStringLiteral("UPDATE Meal SET Meal_Source='https://example.org/flapjacks?from=list&x=1', "
                       "Meal_Author='Ama Boateng', "
                       "Meal_Yield='16 squares', Meal_Prep_Time=10, Meal_Nutrition='Calories 180 kcal' WHERE "
                       "Meal_Name='Flapjacks'"));
    w.rereadAfterImport();
    pick(QStringLiteral("Flapjacks"));
    RecipeDetails *details = w.recipeDetails();
    const auto box = [&](const char *name) { return details->findChild<QLineEdit *>(QLatin1String(name)); };
    EXPECT_EQ(box("RecipeAuthor")->text(), QStringLiteral("Ama Boateng"));
    EXPECT_EQ(box("RecipeYield")->text(), QStringLiteral("16 squares"));
    EXPECT_EQ(box("RecipePrepTime")->text(), QStringLiteral("10"));
    EXPECT_EQ(box("RecipeCookTime")->text(), QString()) << "no time is no time, not 0";
    details->openLink()->activated();
    EXPECT_EQ(shell.opened, QStringList{QStringLiteral("https://example.org/flapjacks?from=list&x=1")});

    // Edited like the method, kept by Save: a time that is no number is not taken.
    QTest::keyClicks(box("RecipeCookTime"), QStringLiteral("2x5"));
    EXPECT_EQ(box("RecipeCookTime")->text(), QStringLiteral("25"));
    box("RecipeAuthor")->clear();
    QTest::keyClicks(box("RecipeAuthor"), QStringLiteral("Ama \"Auntie\" Boateng 100%"));
    w.RbButton5->click();
    EXPECT_EQ(stored(QStringLiteral("SELECT Meal_Cook_Time || '|' || Meal_Author FROM Meal WHERE "
                                    "Meal_Name='Flapjacks'")),
              QStringLiteral("25|Ama \"Auntie\" Boateng 100%"));
    box("RecipeCookTime")->selectAll();
    QTest::keyClick(box("RecipeCookTime"), Qt::Key_Delete);
    w.RbButton5->click();
    EXPECT_EQ(stored(QStringLiteral("SELECT typeof(Meal_Cook_Time) FROM Meal WHERE Meal_Name='Flapjacks'")),
              QStringLiteral("null"));

    // Only a web page is opened: a saved file's name, or an address of another kind, is text.
    for (const char *source : {"Flapjacks.html", "javascript:alert(1)", "file:///etc/passwd"}) {
        box("RecipeSource")->setText(QLatin1String(source));
        EXPECT_TRUE(details->webAddress().isEmpty()) << source;
        EXPECT_TRUE(details->openLink()->isHidden()) << source;
    }
    pick(QStringLiteral("Pancakes"));
    EXPECT_TRUE(box("RecipeSource")->text().isEmpty()) << "the next recipe shows its own details";
}
