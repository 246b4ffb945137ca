#include "recipes/TForm7.h"
#include "reports/ReportStyle.h"
#include "reports/TReportRecipe.h"
#include "reports/TReportShoppingList.h"
#include "reports/TReportWeeklyMenu.h"
#include "support/ProgramTest.h"
#include "toolkit/widgets/DBLookupComboBox.h"
#include "toolkit/widgets/ReportPreview.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QString pdfPageText(const QString &pdf, int n);

class ReportPagesTest : public ProgramTest {
protected:
    ReportPagesTest()
        : ProgramTest(QDateTime(QDate(2026, 2, 14), QTime(14, 5))) {
        w.showReport = [this](const report::BandReport &r) {
            shown.push_back(r.title);
            pages.push_back(r.pageCount());
            // Where MEALVANE_REPORT_DIR names a folder, the reports are kept there to be looked at.
            const QString keep = qEnvironmentVariable("MEALVANE_REPORT_DIR");
            const QString folder = keep.isEmpty() ? output.path() : keep;
            const QString path =
                QDir(folder).filePath(QString::number(shown.size()) + QStringLiteral(".pdf"));
            EXPECT_TRUE(saveReportAsPdf(r, path));
            EXPECT_GT(QFileInfo(path).size(), 1000);
        };
    }
    void planWeek7() {
        file.exec(QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) "
                                 "SELECT 7,2026,0,'2',Meal_ID FROM "
                                 "Meal WHERE Meal_Name='Flapjacks';"
                                 "INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) "
                                 "SELECT 7,2026,0,'4',Meal_ID FROM "
                                 "Meal WHERE Meal_Name='Flapjacks';"
                                 "INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) "
                                 "SELECT 7,2026,6,'5',Meal_ID FROM "
                                 "Meal WHERE Meal_Name='Fish pie';"));
    }

    QTemporaryDir output;
    QStringList shown;
    std::vector<int> pages;
};

} // namespace

TEST_F(ReportPagesTest, TheWeeklyMenuShowsTheStoredWeekDayByDay) {
    ASSERT_EQ(w.SelectedWeek, 7);
    w.JvXPBar3Items0Click();
    EXPECT_EQ(shown, (QStringList{"Weekly Menu Report"})) << "an empty week still has its page";
    EXPECT_EQ(pages, (std::vector<int>{1}));

    planWeek7();
    w.JvXPBar3Items0Click();
    const TReportWeeklyMenu &report = *program.ReportWeeklyMenu;
    EXPECT_EQ(report.txt(0), (QStringList{"Flapjacks", "Flapjacks"}));
    EXPECT_EQ(report.time(0), (QStringList{"MorningSnack", "NoonSnack"}));
    EXPECT_EQ(report.txt(6), (QStringList{"Fish pie"}));
    EXPECT_EQ(report.time(6), (QStringList{"Night"}));
    EXPECT_TRUE(report.txt(3).isEmpty());
    EXPECT_EQ(report.lblWeekNumber + QStringLiteral(" - ") + report.lblYearNumber,
              QStringLiteral("7 - 2026"));
    EXPECT_TRUE(report.QRLabelPrintTime.startsWith(QStringLiteral("Printed:  14-")));
    EXPECT_TRUE(report.QRLabelPrintTime.endsWith(QStringLiteral("2026,  at  02:05 PM")));
}

TEST_F(ReportPagesTest, PrintOnTheWeeklyPageStoresTheWeekFirst) {
    w.JvXPBar5Items0Click();
    w.findChild<QPushButton *>(QStringLiteral("RbButton13"))->click();
    w.findChild<QPushButton *>(QStringLiteral("RbButton17"))->click();
    EXPECT_TRUE(dialogs.questions.isEmpty());
    EXPECT_FALSE(w.WeekGridChanged);
    int lines = 0;
    for (int day = 0; day < 7; ++day)
        lines += int(program.ReportWeeklyMenu->txt(day).size());
    EXPECT_EQ(lines, 42);
}

TEST_F(ReportPagesTest, TheShoppingListPrintsInTwoColumnsWithPageNumbers) {
    w.RbButton20Click();
    EXPECT_EQ(dialogs.informations, (QStringList{"Shopping List for week 7-2026 is empty"}));
    EXPECT_TRUE(shown.isEmpty());

    file.exec(QStringLiteral(
        "INSERT INTO ShoppingList(WeekNumber,YearNumber,IngredientsDescription,IngredientsCount,"
        "IngredientsType,IngredientsAmount) VALUES(7,2026,'Milk',2,'Dairy and Eggs','1.5 l')"));
    w.RbButton20Click();
    EXPECT_EQ(shown, (QStringList{"Shopping List Report"}));
    EXPECT_EQ(program.ReportShoppingList->QRLabel7, QStringLiteral(" of 1"));
    EXPECT_TRUE(pdfPageText(QDir(output.path()).filePath(QStringLiteral("1.pdf")), 1)
                    .contains(QStringLiteral("Milk 1.5 l")))
        << "the amount follows the name";

    // A list a few rows longer than a page takes closer rows on that page rather than a sheet of its own;
    // a long list: both columns of the first page, then a second page.
    const auto insertItems = [this](int from, int to) {
        QString values;
        for (int i = from; i < to; ++i)
            values += QStringLiteral("%1(7,2026,'Item %2',%3,'Group %4')")
                          .arg(i > from ? "," : "")
                          .arg(i, 3, 10, QLatin1Char('0'))
                          .arg(i % 9 + 1)
                          .arg(i % 5);
        file.exec(QStringLiteral("INSERT INTO ShoppingList(WeekNumber,YearNumber,IngredientsDescription,"
                                 "IngredientsCount,IngredientsType) VALUES") +
                  values);
    };
    insertItems(0, 100);
    w.RbButton20Click();
    EXPECT_EQ(pages.back(), 1);
    insertItems(100, 130);
    w.RbButton20Click();
    EXPECT_EQ(pages.back(), 2);
    EXPECT_EQ(program.ReportShoppingList->QRLabel7, QStringLiteral(" of 2"));
    EXPECT_EQ(
        program.ReportShoppingList->ADOQuery1.value(0, QStringLiteral("IngredientsDescription")).toString(),
        QStringLiteral("Item 000"));
}

TEST_F(ReportPagesTest, RecipeReportsOneRecipeAPageWithItsIngredients) {
    w.JvXPBar3Items1Click();
    EXPECT_EQ(shown.last(), QStringLiteral("Recipe Book"));
    EXPECT_EQ(pages.back(), 43) << "every recipe on a page of its own";
    EXPECT_EQ(program.ReportRecipe->QRLabel7, QStringLiteral(" of 43"));

    // Two recipes of one name, one of them without ingredients; a quote in the name.
    file.exec(QStringLiteral(
        "INSERT INTO Meal(Meal_Name, Meal_Recipe) VALUES('Mum''s pie', 'Bake.'),('Mum''s pie', '');"
        "INSERT INTO Made_With VALUES((SELECT max(Meal_ID) - 1 FROM Meal), 1)"));
    w.PrintRecipe(QStringLiteral("Mum's pie"));
    EXPECT_EQ(pages.back(), 2);
    const report::BandReport two = program.ReportRecipe->QuickRep1();
    // First recipe: its band, the heading, one ingredient, the closing rule; second: its band and one blank
    // line.
    ASSERT_EQ(two.details.size(), 6u);
    EXPECT_TRUE(two.details[0].startsNewPage);
    EXPECT_DOUBLE_EQ(two.details[1].height, 7.9);
    EXPECT_DOUBLE_EQ(two.details[3].height, 3.7);
    EXPECT_DOUBLE_EQ(two.details[5].height, 4.5);
    EXPECT_FALSE(bool(two.details[5].paint));

    w.PrintRecipe(QStringLiteral("No such dish"));
    EXPECT_EQ(pages.back(), 1) << "a page with header and footer only";

    // A long method makes its band grow.
    file.exec(QStringLiteral("UPDATE Meal SET Meal_Recipe=replace(printf('%.600c', 'x'), 'x', 'word ') WHERE "
                             "Meal_Name='Flapjacks'"));
    program.ReportRecipe->open(nullptr);
    const report::BandReport all = program.ReportRecipe->QuickRep1();
    double tallest = 0;
    for (const report::Band &band : all.details)
        tallest = std::max(tallest, band.startsNewPage ? band.height : 0.0);
    EXPECT_GT(tallest, 38.1);
}

TEST_F(ReportPagesTest, TheCatalogueReportAndTheSelectMealDialog) {
    w.JvXPBar3Items3Click();
    EXPECT_EQ(shown.last(), QStringLiteral("Ingredients List Report"));
    EXPECT_EQ(pages.back(), 2) << "146 ingredients: both columns of page 1, then page 2";

    TForm7 &select = *program.Form7;
    const qsizetype before = shown.size();
    w.showModal = [&](QDialog &) {
        select.DBLookupComboBox1->setCurrentIndex(-1);
        select.RbButton12->click();
        select.DBLookupComboBox1->choose(select.DBLookupComboBox1->findText(QStringLiteral("Pancakes")));
        select.RbButton12->click();
        select.RbCheckBox1->setChecked(true);
        select.RbButton12->click();
    };
    w.JvXPBar3Items2Click();
    EXPECT_EQ(shown.mid(before), (QStringList{"Recipe Book"}));
    ASSERT_EQ(mailer.sent.size(), 1u);
    EXPECT_EQ(mailer.sent[0].subject, QStringLiteral("VaneRecipe - Pancakes"));
    EXPECT_EQ(dm.SQLMEALS.field(QStringLiteral("Meal_Name")).asString(), QStringLiteral("Pancakes"))
        << "the dialog moves the recipe list the recipe page shares";
}

TEST_F(ReportPagesTest, APictureThatCannotBeReadIsSaidAndTheReportGoesOn) {
    file.exec(QStringLiteral("UPDATE Meal SET Meal_Picture=x'FFD8FF00DEADBEEF' WHERE Meal_Name='Pancakes'"));
    w.PrintRecipe(QStringLiteral("Pancakes"));
    EXPECT_EQ(shown.last(), QStringLiteral("Recipe Book"));
    EXPECT_EQ(dialogs.errors, (QStringList{"No puedo cargar la imagen"}));
    // A whole header and half the data: judged by its data, not its header.
    QImage photo(640, 480, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "JPG");
    file.exec(QStringLiteral("UPDATE Meal SET Meal_Picture=x'%1' WHERE Meal_Name='Pancakes'")
                  .arg(QString::fromLatin1(jpeg.left(jpeg.size() / 2).toHex())));
    dialogs.errors.clear();
    w.PrintRecipe(QStringLiteral("Pancakes"));
    EXPECT_EQ(dialogs.errors, (QStringList{"No puedo cargar la imagen"}));
}

namespace {

/// Every band of the report inside its page, and none over the footer of its page.
void expectInsidePages(const report::BandReport &r) {
    const QRectF area = r.pageLayout.paintRect(QPageLayout::Millimeter);
    const std::vector<report::Placement> placed = r.layout();
    for (const report::Placement &p : placed) {
        EXPECT_LE(p.rect.bottom(), area.bottom() + 1e-6) << r.title.toStdString() << " page " << p.page;
        EXPECT_GE(p.rect.top(), area.top() - 1e-6);
        if (p.band == &r.pageFooter)
            continue;
        for (const report::Placement &f : placed) {
            if (f.band == &r.pageFooter && f.page == p.page) {
                EXPECT_LE(p.rect.bottom(), f.rect.top() + 1e-6)
                    << "a band runs over the footer on page " << p.page;
            }
        }
    }
}

/// The text of one page of a PDF, its blanks made single.
QString pdfPageText(const QString &pdf, int n) {
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QString::number(n), QStringLiteral("-l"),
                                             QString::number(n), pdf, QStringLiteral("-")});
    text.waitForFinished(30000);
    return QString::fromUtf8(text.readAllStandardOutput()).simplified();
}

} // namespace

TEST_F(ReportPagesTest, HardCasesPrintWholeWithNothingCutOrOverlapping) {
    // A method of 12,000 characters continues over the pages after its first.
    QString method;
    for (int step = 1; method.size() < 12000; ++step)
        method +=
            QStringLiteral("Step %1. Stir the sauce gently over a low heat until it coats the back of a "
                           "spoon, then season it and set it aside to rest.\n")
                .arg(step);
    file.exec(QStringLiteral("UPDATE Meal SET Meal_Recipe='%1' WHERE Meal_Name='Fish pie'").arg(method));
    w.PrintRecipe(QStringLiteral("Fish pie"));
    ASSERT_EQ(shown.size(), 1);
    ASSERT_GT(pages.back(), 2) << "the method needs several pages";
    {
        TReportRecipe &layout = *program.ReportRecipe;
        const QString name = QStringLiteral("Fish pie");
        layout.open(&name);
        const report::BandReport r = layout.QuickRep1();
        expectInsidePages(r);
        QStringList printed;
        for (const QString &line : report::wrappedLines(109.5, method, reportstyle::plain(10)))
            printed << line;
        EXPECT_EQ(printed.join(QString()).remove(u' '), QString(method).remove(u' ').remove(u'\n'))
            << "every character of the method is on a line";
    }
    // Every page the method goes on to is headed by the recipe's name.
    const QString book = QDir(qEnvironmentVariable("MEALVANE_REPORT_DIR").isEmpty()
                                  ? output.path()
                                  : qEnvironmentVariable("MEALVANE_REPORT_DIR"))
                             .filePath(QStringLiteral("1.pdf"));
    for (int n = 2; n <= pages.back(); ++n)
        EXPECT_TRUE(pdfPageText(book, n).contains(QStringLiteral("Fish pie (continued)"))) << n;

    // 387 recipes: "Page: 387 of 387" whole in the footer.
    for (int i = 0; i < 350; ++i)
        file.exec(
            QStringLiteral("INSERT INTO Meal(Meal_Name, Meal_Recipe) VALUES('Dish number %1', 'Cook it.')")
                .arg(i, 3, 10, QLatin1Char('0')));
    w.JvXPBar3Items1Click();
    ASSERT_GE(pages.back(), 387);
    const QFont footer = reportstyle::plain(10, true);
    const QString widest = QStringLiteral("Page: 9999 of 9999");
    EXPECT_LT(report::textHeight(49, widest, footer), report::lineHeight(footer) * 1.5)
        << "the widest page number fits on one line of its box";

    // A day with 30 entries keeps to its block: smaller, and the rest on a second page.
    QString plan;
    for (int i = 0; i < 30; ++i)
        plan +=
            QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) SELECT "
                           "7,2026,0,'%1',Meal_ID FROM Meal WHERE Meal_Name='Dish number %2';")
                .arg(i % 6 + 1)
                .arg(i, 3, 10, QLatin1Char('0'));
    file.exec(plan +
              QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) "
                             "SELECT 7,2026,1,'3',Meal_ID FROM Meal WHERE Meal_Name='Dish number 100'"));
    w.JvXPBar3Items0Click();
    EXPECT_EQ(pages.back(), 2);
    {
        TReportWeeklyMenu &layout = *program.ReportWeeklyMenu;
        expectInsidePages(layout.QuickRep1());
        // Page 1 says where the crowded day goes on; page 2 names its week and shows that day alone.
        const QString pdf = QDir(qEnvironmentVariable("MEALVANE_REPORT_DIR").isEmpty()
                                     ? output.path()
                                     : qEnvironmentVariable("MEALVANE_REPORT_DIR"))
                                .filePath(QStringLiteral("%1.pdf").arg(shown.size()));
        const auto page = [&pdf](int n) { return pdfPageText(pdf, n); };
        const QString first = page(1), second = page(2);
        EXPECT_TRUE(first.contains(QStringLiteral("continued on page 2"))) << first.toStdString();
        EXPECT_TRUE(first.contains(QStringLiteral("Sunday")));
        EXPECT_TRUE(second.contains(QStringLiteral("Menu for week 7 of 2026, page 2")))
            << second.toStdString();
        EXPECT_TRUE(second.contains(QStringLiteral("Saturday 14 Feb (continued)"))) << second.toStdString();
        EXPECT_FALSE(second.contains(QStringLiteral("Sunday"))) << "only the day that goes on";
    }

    // 120 rows on the shopping list, in two columns over two pages, headers apart.
    QString rows;
    for (int i = 0; i < 120; ++i)
        rows +=
            QStringLiteral("INSERT INTO ShoppingList(WeekNumber,YearNumber,IngredientsDescription,"
                           "IngredientsCount,IngredientsType) VALUES(7,2026,'Item with a long name %1',%2,"
                           "'Groceries');")
                .arg(i)
                .arg(i % 9 + 1);
    file.exec(rows);
    w.JvXPBar2Click();
    w.RbButton20Click();
    EXPECT_GE(pages.back(), 2);
}

TEST_F(ReportPagesTest, BuildingAReportIsToldAndThePreviewIsNotLeftBusy) {
    bool busyInPreview = true;
    const auto record = w.showReport;
    w.showReport = [&](const report::BandReport &r) {
        busyInPreview = QGuiApplication::overrideCursor() != nullptr;
        record(r);
    };
    w.JvXPBar3Items1Click(); // All Recipes
    ASSERT_FALSE(pages.empty());
    EXPECT_FALSE(busyInPreview) << "the busy cursor ends when the preview opens";
    EXPECT_EQ(w.statusBar()->currentMessage(), QStringLiteral("Recipe Book: %1 pages").arg(pages.back()));
}

TEST(ReportPreviewKeys, PrintAndSaveAsPdfAreReachedByTabAndTheirKeys) {
    report::BandReport r;
    r.title = QStringLiteral("Keys");
    r.details.push_back(report::Band{10, {}, false});
    FakeDialogs dialogs;
    bool looked = false;
    QTimer::singleShot(0, [&] {
        QWidget *preview = QApplication::activeModalWidget();
        ASSERT_NE(preview, nullptr);
        QStringList reached, keys;
        for (QToolButton *button : preview->findChildren<QToolButton *>()) {
            QAction *action = button->defaultAction();
            if (action == nullptr || !button->isVisible())
                continue;
            if (button->focusPolicy() & Qt::TabFocus)
                reached << action->text().remove(u'&');
            if (!action->shortcut().isEmpty())
                keys << action->text().remove(u'&') + u'=' + action->shortcut().toString();
        }
        EXPECT_TRUE(reached.contains(QStringLiteral("Print"))) << reached.join(u',').toStdString();
        EXPECT_TRUE(reached.contains(QStringLiteral("Save as PDF..."))) << reached.join(u',').toStdString();
        EXPECT_TRUE(keys.contains(QStringLiteral("Print=Ctrl+P"))) << keys.join(u',').toStdString();
        EXPECT_TRUE(keys.contains(QStringLiteral("Save as PDF...=Ctrl+S"))) << keys.join(u',').toStdString();
        QStringList named;
        for (QWidget *field : preview->findChildren<QWidget *>()) {
            if ((qobject_cast<QComboBox *>(field) != nullptr ||
                 qobject_cast<QLineEdit *>(field) != nullptr) &&
                !field->accessibleName().isEmpty())
                named << field->accessibleName();
        }
        EXPECT_TRUE(named.contains(QStringLiteral("Zoom")) && named.contains(QStringLiteral("Page")))
            << named.join(u',').toStdString();
        looked = true;
        QTest::keyClick(preview, Qt::Key_Escape);
    });
    previewReport(r, nullptr, dialogs);
    EXPECT_TRUE(looked) << "Escape closed the preview";
}

TEST_F(ReportPagesTest, NamesInChineseJapaneseKoreanAndEmojiPrintInFontsThatHaveThem) {
    const QString name = QStringLiteral("麻婆豆腐 とんかつ 김치찌개 🍕");
    file.exec(QStringLiteral("INSERT INTO Meal(Meal_Name, Meal_Recipe) VALUES('%1', 'Stir-fry.')").arg(name));
    w.PrintRecipe(name);
    ASSERT_EQ(shown.size(), 1);
    QProcess fonts;
    const QString keep = qEnvironmentVariable("MEALVANE_REPORT_DIR");
    fonts.start(QStringLiteral("pdffonts"),
                {QDir(keep.isEmpty() ? output.path() : keep).filePath(QStringLiteral("1.pdf"))});
    ASSERT_TRUE(fonts.waitForFinished(30000));
    const QString listed = QString::fromUtf8(fonts.readAllStandardOutput());
    EXPECT_TRUE(listed.contains(QStringLiteral("NotoSansCJK"))) << listed.toStdString();
    EXPECT_TRUE(listed.contains(QStringLiteral("Symbola"))) << "emoji in outlines a PDF holds\n"
                                                            << listed.toStdString();
}

TEST_F(ReportPagesTest, LongNamesWrapInTheirBandsAndNothingIsCut) {
    const QString keep = qEnvironmentVariable("MEALVANE_REPORT_DIR");
    const auto printed = [&] {
        QProcess text;
        text.start(
            QStringLiteral("pdftotext"),
            {QDir(keep.isEmpty() ? output.path() : keep).filePath(QStringLiteral("%1.pdf").arg(shown.size())),
             QStringLiteral("-")});
        text.waitForFinished(30000);
        return QString::fromUtf8(text.readAllStandardOutput())
            .remove(QRegularExpression(QStringLiteral("\\s")));
    };
    const auto whole = [](QString name) { return name.remove(u' '); };
    const QString spaced = QStringLiteral("Grandmother's slow roasted lamb with a herb crust");
    const QString unbroken = QString(QStringLiteral("Supercalifragilisticexpialidocious")) +
                             QStringLiteral("Pie") + QString(13, u'e');
    for (const QString &name : {spaced, unbroken}) {
        file.exec(QStringLiteral("INSERT INTO Meal(Meal_Name, Meal_Recipe) VALUES('%1', 'Roast.')")
                      .arg(QString(name).replace(u'\'', QStringLiteral("''"))));
        w.PrintRecipe(name);
        EXPECT_TRUE(printed().contains(whole(name))) << name.toStdString();
    }
    file.exec(QStringLiteral(
        "INSERT INTO "
        "ShoppingList(WeekNumber,YearNumber,IngredientsDescription,IngredientsCount,IngredientsType) "
        "VALUES(7,2026,'Herbs and Spices for the slow roasted lamb shoulde',2,'Herbs and Spices from the "
        "market')"));
    w.RbButton20Click();
    // The two columns' lines interleave in the text: every word is there, and no line ends cut.
    const QString list = printed();
    for (const QString &word : (QStringLiteral("Herbs and Spices for the slow roasted lamb shoulde") +
                                QStringLiteral(" from the market"))
                                   .split(u' '))
        EXPECT_TRUE(list.contains(word)) << word.toStdString();
    EXPECT_FALSE(list.contains(QChar(0x2026))) << list.toStdString();
}

// A recipe with ingredient lines prints and mails them with their amounts, headings in the print too; one
// without keeps its catalogue ingredients.
TEST_F(ReportPagesTest, TheRecipeReportAndTheMailGiveTheLinesWithAmounts) {
    file.exec(QStringLiteral(
        "INSERT INTO Recipe_Lines(Meal_ID,Line_Position,Line_Text,Line_Heading) SELECT Meal_ID,1,"
        "'For the batter:',1 FROM Meal WHERE Meal_Name='Pancakes';"
        "INSERT INTO Recipe_Lines(Meal_ID,Line_Position,Line_Text,Line_Heading,Line_Amount,Line_Unit) SELECT "
        "Meal_ID,2,'250 g plain flour, sifted',0,250,'g' FROM Meal WHERE Meal_Name='Pancakes';"
        "UPDATE Meal SET Meal_Source='https://recipes.example/pancakes', Meal_Yield='8 pancakes', "
        "Meal_Prep_Time=10, Meal_Cook_Time=85 WHERE Meal_Name='Pancakes';"
        "UPDATE Meal SET Meal_Source='https://recipes.example/' || replace(hex(zeroblob(60)), '00', 'ab') "
        "WHERE Meal_Name='Flapjacks'"));
    w.PrintRecipe(QStringLiteral("Pancakes"));
    const QString page = pdfPageText(QDir(output.path()).filePath(QStringLiteral("1.pdf")), 1);
    EXPECT_TRUE(page.contains(QStringLiteral("For the batter: 250 g plain flour, sifted")))
        << qPrintable(page);
    // Under the ingredients: how much it makes, how long it takes, where it came from.
    for (const char *printed :
         {"sifted Yield Time Source", "8 pancakes Preparation 10 min, Cooking 1 h 25 min "
                                      "https://recipes.example/pancakes Printed"})
        EXPECT_TRUE(page.contains(QLatin1String(printed))) << qPrintable(page);
    // A source of 120 characters with no place to break goes on over lines, none of it cut.
    w.PrintRecipe(QStringLiteral("Flapjacks"));
    QString flapjacks = pdfPageText(QDir(output.path()).filePath(QStringLiteral("2.pdf")), 1);
    flapjacks.remove(u' ');
    EXPECT_TRUE(flapjacks.contains(QStringLiteral("Sourcehttps://recipes.example/") +
                                   QStringLiteral("ab").repeated(60)))
        << qPrintable(flapjacks);
    w.PrintMealToEmail(QStringLiteral("Pancakes"));
    ASSERT_EQ(mailer.sent.size(), 1u);
    EXPECT_TRUE(
        mailer.sent[0].body.contains(QStringLiteral("For the batter:\r\n250 g plain flour, sifted\r\n")))
        << qPrintable(mailer.sent[0].body);
    EXPECT_TRUE(
        mailer.sent[0].body.endsWith(QStringLiteral("\r\nSource: https://recipes.example/pancakes\r\n")))
        << "the mail says where the recipe came from";
    w.PrintMealToEmail(QStringLiteral("Fish pie"));
    ASSERT_EQ(mailer.sent.size(), 2u);
    EXPECT_FALSE(mailer.sent[1].body.contains(QStringLiteral("250 g")));
}
