#include "data/OlderDataFile.h"
#include "support/ProgramTest.h"

#include "app/TForm2.h"
#include "toolkit/report/BandReport.h"
#include "toolkit/widgets/ReportPreview.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

QString fixture(const char *name) {
    return QDir(QStringLiteral(MEALVANE_FIXTURES)).filePath(QLatin1String(name));
}

/// Writes a copy of a Jet file in which the method of the recipe `name` is `method`, kept on a chain of
/// long-value pages added at the end of the file, the way Jet keeps a long memo.
bool writeWithLongMethod(const QString &source, const QString &target, const QString &name,
                         const QString &method) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QByteArray file = in.readAll();
    constexpr int PageSize = 4096;
    const QByteArray key(reinterpret_cast<const char *>(name.utf16()), name.size() * 2);
    const qsizetype at = file.indexOf(key);
    if (at < 0 || file.size() % PageSize != 0)
        return false;
    const qsizetype header = at + key.size();
    const QByteArray text(reinterpret_cast<const char *>(method.utf16()), method.size() * 2);
    const auto put32 = [](QByteArray &bytes, qsizetype offset, quint32 value) {
        for (int i = 0; i < 4; ++i)
            bytes[offset + i] = char((value >> (8 * i)) & 0xff);
    };
    constexpr int Room = PageSize - 16 - 4;
    const int pages = int((text.size() + Room - 1) / Room);
    const int firstPage = int(file.size() / PageSize);
    put32(file, header, quint32(text.size())); // length, no flags: a chain of pages
    put32(file, header + 4, quint32(firstPage) << 8);
    for (int p = 0; p < pages; ++p) {
        const QByteArray piece = text.mid(qsizetype(p) * Room, Room);
        QByteArray page(PageSize, '\0');
        page[0] = 0x01;
        page[1] = 0x01;
        page.replace(4, 4, "LVAL");
        const int start = PageSize - 4 - int(piece.size());
        page[12] = 1;
        page[14] = char(start & 0xff);
        page[15] = char(start >> 8);
        put32(page, start, p + 1 < pages ? quint32(firstPage + p + 1) << 8 : 0);
        page.replace(start + 4, piece.size(), piece);
        file += page;
    }
    QFile out(target);
    return out.open(QIODevice::WriteOnly) && out.write(file) == file.size();
}

class RecipeImportTest : public ProgramTest {
protected:
    RecipeImportTest()
        : ProgramTest(QDateTime(QDate(2006, 5, 20), QTime(9, 0))) {
        // Each test keeps its import copy in a folder of its own, so that tests may run side by side.
        w.importCopy = QDir(file.folder()).filePath(QStringLiteral("MealvaneDataOld.mdb"));
    }
    void import(const QString &path) {
        dialogs.fileAnswers = {path};
        w.Action14Execute();
    }
    QString text(const QString &sql) { return firstValue(sql); }
    QStringList column(const QString &sql) {
        dm.runSql(sql);
        QStringList values;
        for (int r = 0; r < dm.SQL.recordCount(); ++r)
            values << dm.SQL.value(r, 0).toString();
        dm.SQL.close();
        return values;
    }
};

} // namespace

TEST(OlderDataFile, JetFilesAreReadAndOtherFilesAreNot) {
    EXPECT_EQ(olddata::kindOf(fixture("older-release-small.mdb")), olddata::Kind::Jet);
    EXPECT_EQ(olddata::kindOf(fixture("not-a-recipe-db.mdb")), olddata::Kind::Jet);
    const QString notes = QDir::temp().filePath(QStringLiteral("mealvane-notes.txt"));
    QFile text(notes);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("just some notes, no data file");
    text.close();
    EXPECT_EQ(olddata::kindOf(notes), olddata::Kind::Unreadable);
    EXPECT_FALSE(olddata::convert(notes, notes + QStringLiteral(".copy")));
    QFile::remove(notes);
    // A table whose page map is damaged (found by the fuzz target) is refused, not followed.
    const QString copy = QDir::temp().filePath(QStringLiteral("mealvane-damaged-map.copy"));
    EXPECT_FALSE(olddata::convert(fixture("older-release-damaged-map.mdb"), copy));
    QFile::remove(copy);
}

TEST_F(RecipeImportTest, NewRecipesComeWithTheirIngredientsAndKnownNamesAreSkipped) {
    const QString before = text(QStringLiteral("SELECT count(*) FROM Meal"));
    import(fixture("older-release-small.mdb"));
    EXPECT_EQ(dialogs.informations, (QStringList{"Importing has been done!"}));
    // Pancakes is in the starter book already; PASTA and Pasta are one name but for case.
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='Pancakes'")),
              QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='pasta'")), QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal")).toInt(), before.toInt() + 7);
    EXPECT_EQ(w.statusBar()->currentMessage(), QStringLiteral("Imported 7 recipes, skipped 3"));

    EXPECT_EQ(
        column(QStringLiteral("SELECT i.Ingredients_Description FROM Made_With m JOIN Ingredients i ON "
                              "i.Ingredients_ID=m.Ingredients_ID JOIN Meal ON Meal.Meal_ID=m.Meal_ID WHERE "
                              "Meal_Name='Mum''s pie' ORDER BY 1")),
        (QStringList{"Baker's yeast", "Butter", "Flour"}));
    EXPECT_EQ(text(QStringLiteral("SELECT Meal_Recipe FROM Meal WHERE Meal_Name='Mum''s pie'")).count(u'\n'),
              1)
        << "the two-line method keeps its lines";
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='Crème brûlée'")),
              QStringLiteral("1"));
    EXPECT_EQ(
        text(QStringLiteral("SELECT count(*) FROM Made_With m JOIN Meal ON Meal.Meal_ID=m.Meal_ID WHERE "
                            "Meal_Name='Fruit salad'")),
        QStringLiteral("0"));
    // Known ingredients are linked whatever their case; unknown ones are created once, without a group.
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='Butter'")),
              QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='Flour'")),
              QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral(
                  "SELECT count(*) FROM Ingredients i JOIN IGroup g ON g.IGROUP_ID=i.Ingredients_Group "
                  "WHERE Ingredients_Description='Flour'")),
              QStringLiteral("0"))
        << "a created ingredient has no group";
    EXPECT_EQ(text(QStringLiteral("SELECT (SELECT count(*) FROM Meal_Type t WHERE t.ID=m.Meal_Type) = 0 AND "
                                  "Meal_Picture IS NULL FROM Meal m WHERE Meal_Name='Toast'")),
              QStringLiteral("1"))
        << "an imported recipe has no type and no picture";
    EXPECT_GE(dm.SQLMEALS.locate(QStringLiteral("Meal_Name"), QStringLiteral("Toast")), true)
        << "lists re-read";

    // The stock engine finds the file sound after the import.
    QProcess check;
    check.start(QStringLiteral("sqlite3"), {file.path(), QStringLiteral("PRAGMA integrity_check;")});
    ASSERT_TRUE(check.waitForFinished(60000));
    EXPECT_EQ(check.readAllStandardOutput().trimmed(), QByteArray("ok"));

    // A second import finds every name and adds nothing.
    const QString after = text(QStringLiteral("SELECT count(*) FROM Meal"));
    import(fixture("older-release-small.mdb"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal")), after);
}

TEST_F(RecipeImportTest, FlagsAndPlainTextFilesAndTheCurrentFile) {
    import(fixture("older-release-minimal.mdb"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='Shepherd''s pie'")),
              QStringLiteral("1"));
    EXPECT_EQ(
        column(QStringLiteral("SELECT i.Ingredients_Description FROM Made_With m JOIN Ingredients i ON "
                              "i.Ingredients_ID=m.Ingredients_ID JOIN Meal ON Meal.Meal_ID=m.Meal_ID WHERE "
                              "Meal_Name='Omelette' ORDER BY 1")),
        (QStringList{"Cook's salt", "Eggs"}));

    // Into an empty book: the meal-time flags come across as they were.
    TestDataFile empty(TestDataFile::Contents::Empty);
    Mealvane fresh(AppServices{dialogs, shell, clock}, StartupOptions{0, 0, empty.path()});
    fresh.mainWindow().importCopy = QDir(empty.folder()).filePath(QStringLiteral("MealvaneDataOld.mdb"));
    dialogs.fileAnswers = {fixture("older-release-small.mdb")};
    fresh.mainWindow().Action14Execute();
    fresh.dataModule().runSql(
        QStringLiteral("SELECT Meal_Morning, Meal_Snack, Meal_Noon, Meal_Night, Meal_Dessert, "
                       "length(Meal_Recipe) > 0 FROM Meal WHERE Meal_Name='Pancakes'"));
    QStringList flags;
    for (int c = 0; c < 6; ++c)
        flags << fresh.dataModule().SQL.value(0, c).toString();
    EXPECT_EQ(flags, (QStringList{"true", "true", "false", "false", "false", "1"}));
    fresh.dataModule().SQL.close();
    fresh.dataModule().runSql(QStringLiteral("SELECT count(*) FROM Meal"));
    EXPECT_EQ(fresh.dataModule().SQL.value(0, 0).toInt(), 9) << "ten recipes, two of one name";
    fresh.dataModule().SQL.close();

    const QString count = text(QStringLiteral("SELECT count(*) FROM Meal"));
    import(file.path());
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal")), count)
        << "the current file holds every name";
    EXPECT_EQ(dialogs.informations.last(), QStringLiteral("Importing has been done!"));
}

TEST_F(RecipeImportTest, WrongFilesSayWhatWentWrongAndImportNothing) {
    const QString count = text(QStringLiteral("SELECT count(*) FROM Meal"));
    dialogs.fileAnswers = {QString()};
    w.Action14Execute();
    import(QDir::temp().filePath(QStringLiteral("no-such-file.mdb")));
    EXPECT_TRUE(dialogs.informations.isEmpty()) << "cancel and a missing file say nothing";

    const QString notes = QDir::temp().filePath(QStringLiteral("mealvane-import-notes.mdb"));
    QFile text(notes);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a data file");
    text.close();
    import(notes);
    EXPECT_EQ(dialogs.informations,
              (QStringList{"Cannot connect to old database, possibly you chose wrong file!"}));
    QFile::remove(notes);

    import(fixture("not-a-recipe-db.mdb"));
    EXPECT_EQ(dialogs.informations.last(),
              QStringLiteral("Cannot connect to old database, possibly you chose wrong file!"))
        << "a file without the recipe tables is the wrong file";
    import(w.importCopyPath());
    EXPECT_EQ(dialogs.informations.last(),
              QStringLiteral("Cannot connect to old database, possibly you chose wrong file!"));
    EXPECT_EQ(this->text(QStringLiteral("SELECT count(*) FROM Meal")), count);
}

TEST_F(RecipeImportTest, DamagedJetFilesAreRefusedWhole) {
    const QString count = text(QStringLiteral("SELECT count(*) FROM Meal"));
    const QString ingredients = text(QStringLiteral("SELECT count(*) FROM Ingredients"));
    QFile whole(fixture("older-release-small.mdb"));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();
    // Cut short at 64 KiB, and cut at three quarters: the catalogue or the rows are missing.
    for (const qsizetype keep : {qsizetype(64 * 1024), bytes.size() * 3 / 4 / 4096 * 4096}) {
        const QString cut = QDir(file.folder()).filePath(QStringLiteral("cut.mdb"));
        QFile out(cut);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes.left(keep));
        out.close();
        import(cut);
        EXPECT_EQ(dialogs.informations.last(),
                  QStringLiteral("Cannot connect to old database, possibly you chose wrong file!"))
            << keep;
        EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal")), count) << keep;
        EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Ingredients")), ingredients) << keep;
    }
    EXPECT_FALSE(dialogs.informations.contains(QStringLiteral("Importing has been done!")));
}

TEST_F(RecipeImportTest, AMethodOfAnyLengthArrivesWhole) {
    QString method;
    for (int line = 1; method.size() < 40000; ++line)
        method += QStringLiteral("Step %1: fold the crème into the batter, then rest it.\r\n").arg(line);
    const QString longFile = QDir(file.folder()).filePath(QStringLiteral("long.mdb"));
    ASSERT_TRUE(writeWithLongMethod(fixture("older-release-minimal.mdb"), longFile,
                                    QStringLiteral("Omelette"), method));
    import(longFile);
    ASSERT_EQ(dialogs.informations.last(), QStringLiteral("Importing has been done!"));
    EXPECT_EQ(text(QStringLiteral("SELECT Meal_Recipe FROM Meal WHERE Meal_Name='Omelette'")), method);

    // A chain that names a page the file does not have is damage, not a shorter method.
    TestDataFile other(TestDataFile::Contents::Starter);
    QFile damaged(longFile);
    ASSERT_TRUE(damaged.open(QIODevice::ReadWrite));
    damaged.resize(damaged.size() - 4096);
    damaged.close();
    Mealvane second(AppServices{dialogs, shell, clock}, StartupOptions{0, 0, other.path()});
    second.mainWindow().importCopy = QDir(other.folder()).filePath(QStringLiteral("copy.mdb"));
    dialogs.fileAnswers = {longFile};
    second.mainWindow().Action14Execute();
    EXPECT_EQ(dialogs.informations.last(),
              QStringLiteral("Cannot connect to old database, possibly you chose wrong file!"));
}

TEST_F(RecipeImportTest, TheCopyGoesToTheUsersCacheFolder) {
    const QByteArray saved = qgetenv("XDG_CACHE_HOME");
    qputenv("XDG_CACHE_HOME", QDir(file.folder()).filePath(QStringLiteral("cache")).toUtf8());
    w.importCopy.clear();
    import(fixture("older-release-minimal.mdb"));
    EXPECT_EQ(dialogs.informations.last(), QStringLiteral("Importing has been done!"));
    EXPECT_TRUE(
        QFile::exists(QDir(file.folder()).filePath(QStringLiteral("cache/mealvane/MealvaneDataOld.mdb"))));
    EXPECT_FALSE(QFile::exists(QDir(w.programFolder()).filePath(QStringLiteral("data/MealvaneDataOld.mdb"))));
    // A cache folder that cannot be made is said, and nothing is imported.
    QFile blocker(QDir(file.folder()).filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CACHE_HOME", blocker.fileName().toUtf8());
    import(fixture("older-release-small.mdb"));
    ASSERT_FALSE(dialogs.errors.isEmpty());
    EXPECT_TRUE(dialogs.errors.last().contains(QStringLiteral("cannot be written")))
        << dialogs.errors.last().toStdString();
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='Toast'")), QStringLiteral("0"));
    if (saved.isNull())
        qunsetenv("XDG_CACHE_HOME");
    else
        qputenv("XDG_CACHE_HOME", saved);
}

TEST_F(RecipeImportTest, NothingElseRunsWhileAnImportRuns) {
    int nested = 0;
    bool heldInput = false;
    // While the import lets window messages run, a second import and a page change are asked for.
    QTimer::singleShot(0, &w, [&] {
        ++nested;
        heldInput = program.Form2->isVisible() && program.Form2->isModal();
        dialogs.fileAnswers.push_back(fixture("older-release-minimal.mdb"));
        w.Action14->trigger();
        w.Action6->trigger();
    });
    import(fixture("older-release-small.mdb"));
    EXPECT_EQ(nested, 1) << "the request came while the import ran";
    EXPECT_TRUE(heldInput) << "the wait box holds the user's input";
    EXPECT_EQ(dialogs.fileBoxes.size(), 1) << "the second import never started";
    EXPECT_EQ(dialogs.informations, (QStringList{"Importing has been done!"}));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='Omelette'")),
              QStringLiteral("0"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='Toast'")), QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description=''")),
              QStringLiteral("0"));
    EXPECT_NE(w.activePage(), w.TabSheet3) << "the page did not change under the import";
    EXPECT_FALSE(w.importRunning());
}

namespace {

QString recipeFile(const char *name) {
    return QDir(QStringLiteral(MEALVANE_FIXTURES "/recipefiles")).filePath(QLatin1String(name));
}

} // namespace

TEST_F(RecipeImportTest, RecipeFilesBringTheirRecipesWhole) {
    const QString before = text(QStringLiteral("SELECT count(*) FROM Meal"));
    const QString ingredientsBefore = text(QStringLiteral("SELECT count(*) FROM Ingredients"));
    dialogs.manyFileAnswers = {{recipeFile("graph-page.html"), recipeFile("two-recipes-array.html"),
                                recipeFile("microdata.html"), recipeFile("no-recipe.html"),
                                recipeFile("two-recipes.mmf"), recipeFile("cp437.mmf"),
                                recipeFile("missing.html")}};
    w.Action15->trigger();
    EXPECT_EQ(dialogs.fileBoxes.last(), QStringLiteral("Import Recipes from Files"));
    EXPECT_EQ(dialogs.fileFilters.last(),
              (QStringList{"Recipe files (*.html *.htm *.mmf *.mxp *.txt)", "All Files (*)"}));
    ASSERT_EQ(dialogs.informations.size(), 1) << qPrintable(dialogs.errors.join(u'\n'));
    EXPECT_EQ(
        dialogs.informations.first(),
        QStringLiteral("Imported 7 recipes, skipped 0 (names already in the book), 1 files had no recipe.\n\n"
                       "No recipe in: no-recipe.html\n\nThese files could not be read: missing.html"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal")).toInt(), before.toInt() + 7);

    // The method: ingredient lines as given, a blank line, the steps, the yield and times.
    const QString dal =
        text(QStringLiteral("SELECT Meal_Recipe FROM Meal WHERE Meal_Name='Weeknight Lentil Dal & Rice'"));
    EXPECT_TRUE(dal.startsWith(QStringLiteral("1 cup red lentils, rinsed\n2 tbsp vegetable oil\n")))
        << qPrintable(dal);
    EXPECT_TRUE(dal.contains(QStringLiteral("Salt to taste\n\nMake the dal\nFry the onion")));
    EXPECT_TRUE(dal.endsWith(
        QStringLiteral("Yield: 4, 4 bowls; Preparation: 10 min, Cooking: 35 min, Total: 45 min")));
    EXPECT_EQ(
        text(QStringLiteral(
            "SELECT Meal_Night || Meal_Noon || Meal_Morning FROM Meal WHERE Meal_Name LIKE 'Weeknight%'")),
        QStringLiteral("100"));
    EXPECT_FALSE(
        text(QStringLiteral("SELECT length(Meal_Picture) FROM Meal WHERE Meal_Name LIKE 'Weeknight%'"))
            .isEmpty());
    // Linked to the catalogue without regard to case or number; new ones made without a group.
    const QStringList dalIngredients =
        column(QStringLiteral("SELECT i.Ingredients_Description FROM Made_With m JOIN Ingredients i ON "
                              "i.Ingredients_ID=m.Ingredients_ID JOIN Meal ON Meal.Meal_ID=m.Meal_ID WHERE "
                              "Meal_Name LIKE 'Weeknight%' ORDER BY 1"));
    EXPECT_EQ(dalIngredients.size(), 7) << qPrintable(dalIngredients.join(u','));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='Salt'")),
              QStringLiteral("1"));
    EXPECT_EQ(
        text(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='Red lentils'")),
        QStringLiteral("1"))
        << "the catalogue's own, whatever the case";
    EXPECT_EQ(
        text(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description='vegetable oil' "
                            "AND COALESCE(Ingredients_Group, 0) = 0")),
        QStringLiteral("1"))
        << "a new one, without a group";
    EXPECT_GT(text(QStringLiteral("SELECT count(*) FROM Ingredients")).toInt(), ingredientsBefore.toInt());
    // Every ingredient line is kept with its amount, unit, food and note; the yield gives the servings.
    EXPECT_EQ(
        text(QStringLiteral("SELECT Line_Position || '|' || Line_Amount || '|' || Line_Unit || '|' || "
                            "Ingredients_Description || '|' || Line_Note FROM Recipe_Lines l JOIN Meal m "
                            "ON m.Meal_ID=l.Meal_ID JOIN Ingredients i ON i.Ingredients_ID=l.Ingredients_ID "
                            "WHERE Meal_Name LIKE 'Weeknight%' AND Line_Position=1")),
        QStringLiteral("1|1.0|cup|Red lentils|rinsed"));
    EXPECT_EQ(text(QStringLiteral("SELECT Meal_Servings FROM Meal WHERE Meal_Name LIKE 'Weeknight%'")),
              QStringLiteral("4"));
    EXPECT_EQ(
        text(QStringLiteral("SELECT Meal_Servings || '|' || group_concat(Line_Heading || coalesce("
                            "Line_Amount, '') || coalesce(Line_Unit, ''), ',') FROM Meal m JOIN "
                            "(SELECT * FROM Recipe_Lines ORDER BY Line_Position) l ON l.Meal_ID=m.Meal_ID "
                            "WHERE Meal_Name='Autumn Apple Crumble'")),
        QStringLiteral("6|04.0,00.5cup,01.0tsp,02.0tbsp,1,01.0cup,00.5cup,00.5cup"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Ingredients WHERE Ingredients_Description GLOB "
                                  "'*[0-9()]*'")),
              QStringLiteral("0"))
        << "the catalogue holds foods";
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name='Crème brûlée à l''orange'")),
              QStringLiteral("1"));
    EXPECT_EQ(w.statusBar()->currentMessage(), QStringLiteral("Imported 7 recipes, skipped 0"));
    // A category that names a recipe type gives the type; a picture of another kind is kept as JPEG.
    EXPECT_EQ(text(QStringLiteral(
                  "SELECT Type FROM Meal JOIN Meal_Type ON ID=Meal_Type WHERE Meal_Name='Morning Oat "
                  "Pancakes'")),
              QStringLiteral("Breakfast"));
    EXPECT_EQ(text(QStringLiteral(
                  "SELECT hex(substr(Meal_Picture,1,2)) FROM Meal WHERE Meal_Name='Morning Oat Pancakes'")),
              QStringLiteral("FFD8"));
    EXPECT_EQ(
        text(QStringLiteral("SELECT Meal_Morning + 0 FROM Meal WHERE Meal_Name='Morning Oat Pancakes'")),
        QStringLiteral("1"));

    // The same files again: every name is in the book now.
    dialogs.manyFileAnswers = {{recipeFile("two-recipes.mmf"), recipeFile("graph-page.html")}};
    w.Action15->trigger();
    EXPECT_EQ(
        dialogs.informations.last(),
        QStringLiteral("Imported 0 recipes, skipped 3 (names already in the book), 0 files had no recipe."));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal")).toInt(), before.toInt() + 7);
}

TEST_F(RecipeImportTest, ARecipeTheBookRefusesLeavesNothingAndTheOthersArrive) {
    const QString before = text(QStringLiteral("SELECT count(*) FROM Meal"));
    const QString links = text(QStringLiteral("SELECT count(*) FROM Made_With"));
    // The book refuses the dessert's links for this test.
    dm.ADOConnectionMain.execute(QStringLiteral(
        "CREATE TEMP TRIGGER refuse BEFORE INSERT ON Made_With WHEN NEW.Meal_ID = (SELECT max(Meal_ID) "
        "FROM Meal WHERE Meal_Name LIKE 'Caf%') BEGIN SELECT RAISE(ABORT, 'refused here'); END"));
    dialogs.manyFileAnswers = {{recipeFile("two-recipes-array.html")}};
    w.Action15->trigger();
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_TRUE(dialogs.informations.first().contains(QStringLiteral("Imported 1 recipes")));
    EXPECT_TRUE(dialogs.informations.first().contains(QStringLiteral("Café Chocolate Pots (")));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal")).toInt(), before.toInt() + 1);
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name LIKE 'Caf%'")),
              QStringLiteral("0"));
    EXPECT_EQ(text(QStringLiteral("SELECT count(*) FROM Made_With")).toInt(), links.toInt() + 3);
}

// From the web to the shop: recipes imported from saved pages, a week planned for four, and the shopping
// list says how much, on screen and in print.
TEST_F(RecipeImportTest, ImportedRecipesPlannedForFourGiveTheAmountsToBuy) {
    QTemporaryDir pages;
    const auto page = [&](const char *name, const char *title, const char *yield, const char *lines) {
        QFile f(QDir(pages.path()).filePath(QLatin1String(name)));
        f.open(QIODevice::WriteOnly);
        f.write(QStringLiteral(
                    "<html><head><script type=\"application/ld+json\">{\"@context\":\"https://schema.org\","
                    "\"@type\":\"Recipe\",\"name\":\"%1\",\"recipeYield\":\"%2\",\"recipeIngredient\":[%3],"
                    "\"recipeInstructions\":\"Mix and cook.\"}</script></head><body></body></html>")
                    .arg(QLatin1String(title), QLatin1String(yield), QString::fromUtf8(lines))
                    .toUtf8());
        return f.fileName();
    };
    dialogs.manyFileAnswers = {
        {page("pancakes.html", "Sunday Pancakes", "Serves 4",
              "\"250 g flour\",\"3 large eggs, beaten\",\"750 ml milk\""),
         page("bread.html", "Garlic Bread", "4 servings", "\"250g flour\",\"3 cloves garlic, crushed\"")}};
    w.Action15->trigger();
    file.exec(QStringLiteral("INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) SELECT "
                             "10,2026,d,'5',Meal_ID FROM Meal, (SELECT 0 AS d UNION SELECT 1) WHERE "
                             "Meal_Name='Sunday Pancakes';"
                             "INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Menu_Time,Meal_ID) SELECT "
                             "10,2026,2,'4',Meal_ID FROM Meal WHERE Meal_Name='Garlic Bread'"));
    w.showModal = [](QDialog &box) {
        box.findChild<QSpinBox *>(QStringLiteral("HouseholdPeople"))->setValue(4);
        box.accept();
    };
    w.findChild<QAction *>(QStringLiteral("ActionHousehold"))->trigger();
    w.SelectedWeek = 10;
    w.SelectedYear = 2026;
    w.RbButton11Click();
    w.JvXPBar2Click();
    QStringList rows;
    for (int r = 0; r < dm.SHOP.recordCount(); ++r)
        rows << dm.SHOP.value(r, QStringLiteral("INGREDIENTSDESCRIPTION")).toString() + u' ' +
                    dm.SHOP.value(r, QStringLiteral("INGREDIENTSAMOUNT")).toString();
    EXPECT_EQ(rows, (QStringList{"Eggs 6", "Flour 750 g", "Garlic 3 cloves", "Milk 1.5 l"}));
    QString printed;
    w.showReport = [&](const report::BandReport &r) {
        QTemporaryDir out;
        const QString pdf = QDir(out.path()).filePath(QStringLiteral("list.pdf"));
        ASSERT_TRUE(saveReportAsPdf(r, pdf));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        text.waitForFinished(30000);
        printed = QString::fromUtf8(text.readAllStandardOutput()).simplified();
    };
    w.RbButton20Click();
    for (const QString &row : rows)
        EXPECT_TRUE(printed.contains(row)) << qPrintable(row) << " in " << qPrintable(printed);
}

// The type is the book's type whose name speaks of the kind of dish, plural or singular, in any of the
// languages; what names no kind gets no type.
TEST_F(RecipeImportTest, TypesComeFromTheKindOfDish) {
    QTemporaryDir pages;
    QFile f(QDir(pages.path()).filePath(QStringLiteral("kinds.html")));
    f.open(QIODevice::WriteOnly);
    QByteArray recipes;
    for (const auto &[name, category] :
         {std::pair{"Leek Soup", "Soups"}, std::pair{"Braised Beef", "Main Dish"},
          std::pair{"Rotkohl", "Beilage"}, std::pair{"Pecan Pie", ""}, std::pair{"Roast Lamb", ""}})
        recipes += QByteArray(recipes.isEmpty() ? "" : ",") + "{\"@type\":\"Recipe\",\"name\":\"" + name +
                   "\",\"recipeCategory\":\"" + category + "\",\"recipeIngredient\":[\"1 onion\"]}";
    f.write("<html><script type=\"application/ld+json\">[" + recipes + "]</script></html>");
    f.close();
    dialogs.manyFileAnswers = {{f.fileName()}};
    w.Action15->trigger();
    EXPECT_EQ(
        column(QStringLiteral("SELECT Meal_Name || '=' || coalesce(Type, '') FROM Meal LEFT JOIN Meal_Type "
                              "ON ID=Meal_Type WHERE Meal_Name IN ('Leek Soup','Braised Beef','Rotkohl',"
                              "'Pecan Pie','Roast Lamb') ORDER BY Meal_Name")),
        (QStringList{"Braised Beef=Main Course", "Leek Soup=Soup", "Pecan Pie=Dessert",
                     "Roast Lamb=", "Rotkohl=Side Dish"}));
}

// The address box offers what the clipboard holds; an address that cannot be reached is named in the
// report with the reason.
TEST_F(RecipeImportTest, TheWebAddressBoxTakesTheClipboardAndNamesWhatFailed) {
    QApplication::clipboard()->setText(QStringLiteral("http://127.0.0.1:1/nothing-listens-here"));
    QString offered;
    w.showModal = [&](QDialog &box) {
        offered = box.findChild<QPlainTextEdit *>(QStringLiteral("WebAddresses"))->toPlainText();
        box.accept();
    };
    w.findChild<QAction *>(QStringLiteral("ActionWebImport"))->trigger();
    EXPECT_EQ(offered, QStringLiteral("http://127.0.0.1:1/nothing-listens-here"));
    ASSERT_EQ(dialogs.informations.size(), 1);
    EXPECT_EQ(dialogs.informations.first(),
              QStringLiteral(
                  "Imported 0 recipes, skipped 0 (names already in the book), 0 addresses had no recipe.\n\n"
                  "These addresses could not be read: http://127.0.0.1:1/nothing-listens-here (no "
                  "connection could be made to it)"));
}
