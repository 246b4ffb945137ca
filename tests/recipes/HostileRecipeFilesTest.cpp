// Files a user can be handed, offered to the import of recipe files: none may crash it, hang it, make it
// read outside the page's folder or swell it beyond a few hundred megabytes.
#include "data/IngredientGroupItems.h"
#include "data/TDataModule1.h"
#include "recipes/RecipeFileImport.h"
#include "support/TestDataFile.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace recipefiles;

namespace {

class NoGroupBox : public IngredientGroupItems {
public:
    void setIngredientGroupItems(const QStringList &) override {}
};

QByteArray jpeg() {
    return QByteArray::fromBase64(
        "/9j/4AAQSkZJRgABAQAAAQABAAD/"
        "2wBDAAgGBgcGBQgHBwcJCQgKDBQNDAsLDBkSEw8UHRofHh0aHBwgJC4nICIsIxwcKDcpLDAxNDQ0"
        "Hyc5PTgyPC4zNDL/wAALCAABAAEBAREA/8QAFAABAAAAAAAAAAAAAAAAAAAACf/EABQQAQAAAAAAAAAAAAAAAAAAAAD/"
        "2gAIAQEAAD8A"
        "KgD/2Q==");
}

void write(const QString &path, const QByteArray &bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

/// A page whose JSON-LD recipe names `image` as its picture.
QByteArray pageWithPicture(const char *title, const QString &image) {
    return QByteArrayLiteral(
               "<html><head><script type=\"application/ld+json\">{\"@type\":\"Recipe\",\"name\":\"") +
           title + "\",\"recipeIngredient\":[\"1 egg\"],\"image\":\"" + image.toUtf8() +
           "\"}</script></head><body></body></html>";
}

QByteArray microdataRecipe(const char *title) {
    return QByteArrayLiteral("<div itemscope itemtype=\"https://schema.org/Recipe\"><h1 itemprop=\"name\">") +
           title + "</h1><span itemprop=\"recipeIngredient\">2 eggs</span></div>";
}

struct Hostile {
    const char *name;
    /// Makes the files in `folder` (the page's own folder) and `outside` (a folder beside it) and returns
    /// those offered to the import.
    std::function<QStringList(const QString &folder, const QString &outside)> make;
    QStringList imported;
    /// What the report says, in pieces that must all stand in it.
    QStringList reported;
    bool withPicture = false;
};

void PrintTo(const Hostile &value, std::ostream *out) {
    *out << value.name;
}

class HostileRecipeFilesTest : public ::testing::TestWithParam<Hostile> {};

} // namespace

TEST_P(HostileRecipeFilesTest, NeitherCrashesNorHangsNorReadsOutsideThePagesFolder) {
    const Hostile &hostile = GetParam();
    TestDataFile book;
    const QString folder = book.folder() + QStringLiteral("/pages");
    const QString outside = book.folder() + QStringLiteral("/private");
    ASSERT_TRUE(QDir().mkpath(folder) && QDir().mkpath(outside));
    write(outside + QStringLiteral("/secret.jpg"), jpeg());
    const QStringList files = hostile.make(folder, outside);
    NoGroupBox box;
    TDataModule1 data(box, book.path());
    QString failure;
    const ImportCounts counts = importFiles(data, files, {}, &failure);
    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
    const QString report = importReport(counts);
    for (const QString &piece : hostile.reported)
        EXPECT_TRUE(report.contains(piece)) << report.toStdString() << "\nlacks: " << piece.toStdString();

    db::Statement meals(
        data.ADOConnectionMain,
        QStringLiteral("SELECT Meal_Name, Meal_Picture IS NOT NULL FROM Meal ORDER BY Meal_ID"));
    QStringList names;
    while (meals.step()) {
        names << meals.value(0).toString();
        EXPECT_EQ(meals.value(1).toBool(), hostile.withPicture) << names.last().toStdString();
    }
    EXPECT_EQ(names, hostile.imported);
#ifndef __SANITIZE_ADDRESS__
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    EXPECT_LT(usage.ru_maxrss / 1024, 600) << "peak resident megabytes";
#endif
}

INSTANTIATE_TEST_SUITE_P(
    Files, HostileRecipeFilesTest,
    ::testing::Values(
        Hostile{
            "DeepPage",
            [](const QString &folder, const QString &) {
                const QString page = folder + QStringLiteral("/deep.html");
                write(page, QByteArrayLiteral("<html><body>") + QByteArray("<div>").repeated(100000) +
                                microdataRecipe("Deep Soup") + QByteArray("</div>").repeated(100000));
                // JSON nested as deep, beside a recipe the same page gives plainly.
                const QString json = folder + QStringLiteral("/deep-json.html");
                write(json,
                      QByteArrayLiteral("<html><script type=\"application/ld+json\">") +
                          QByteArray("[{\"a\":").repeated(100000) + "1" + QByteArray("}]").repeated(100000) +
                          "</script><script type=\"application/ld+json\">{\"@type\":\"Recipe\","
                          "\"name\":\"Shallow Stew\",\"recipeIngredient\":[\"1 carrot\"]}</script><body>" +
                          QByteArray("<b>").repeated(100000) + "</body></html>");
                return QStringList{page, json};
            },
            {"Shallow Stew"},
            {"deep.html (its elements nest more than 512 deep)"}},
        Hostile{"PicturesOutsideThePagesFolder",
                [](const QString &folder, const QString &outside) {
                    const QString secret = outside + QStringLiteral("/secret.jpg");
                    QStringList pages;
                    int n = 0;
                    for (const QString &image :
                         {QStringLiteral("../private/secret.jpg"), secret, QStringLiteral("file://") + secret,
                          QStringLiteral("/dev/zero"), QStringLiteral("zero.jpg"), QStringLiteral("pipe.jpg"),
                          QStringLiteral("linked/secret.jpg")}) {
                        const QString page = folder + QStringLiteral("/page%1.html").arg(++n);
                        write(page,
                              pageWithPicture(QByteArray("Outside ").append(QByteArray::number(n)), image));
                        pages << page;
                    }
                    // A saved page's picture folder that is a link to the user's other files.
                    QFile::link(outside, folder + QStringLiteral("/page2_files"));
                    QFile::link(outside, folder + QStringLiteral("/linked"));
                    QFile::link(QStringLiteral("/dev/zero"), folder + QStringLiteral("/zero.jpg"));
                    EXPECT_EQ(
                        mkfifo(QFile::encodeName(folder + QStringLiteral("/pipe.jpg")).constData(), 0600), 0);
                    return pages;
                },
                {"Outside 1", "Outside 2", "Outside 3", "Outside 4", "Outside 5", "Outside 6", "Outside 7"},
                {"Imported 7 recipes"}},
        Hostile{"PicturesInsideThePagesFolder",
                [](const QString &folder, const QString &) {
                    QDir(folder).mkpath(QStringLiteral("images"));
                    write(folder + QStringLiteral("/images/own.jpg"), jpeg());
                    QFile::link(folder + QStringLiteral("/images/own.jpg"),
                                folder + QStringLiteral("/alias.jpg"));
                    const QString a = folder + QStringLiteral("/a.html");
                    const QString b = folder + QStringLiteral("/b.html");
                    write(a, pageWithPicture("Inside A", QStringLiteral("images/own.jpg")));
                    write(b,
                          pageWithPicture("Inside B", QStringLiteral("https://example.invalid/x/alias.jpg")));
                    return QStringList{a, b};
                },
                {"Inside A", "Inside B"},
                {"Imported 2 recipes"},
                true},
        Hostile{"PipesFoldersAndHugeFiles",
                [](const QString &folder, const QString &) {
                    const QString pipe = folder + QStringLiteral("/pipe.html");
                    EXPECT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
                    // 200 MB, all but its first recipe unwritten (a sparse file).
                    const QString huge = folder + QStringLiteral("/huge.html");
                    write(huge, QByteArrayLiteral("<html><body>") + microdataRecipe("Huge Page Pie"));
                    EXPECT_TRUE(QFile(huge).resize(200 * 1024 * 1024));
                    const QString plain = folder + QStringLiteral("/plain.html");
                    write(plain, QByteArrayLiteral("<html><body>") +
                                     QByteArray("<p>words words words</p>\n").repeated(1000000));
                    return QStringList{pipe, folder, huge, plain};
                },
                {"Huge Page Pie"},
                {"These files could not be read: pipe.html, pages", "No recipe in: plain.html"}},
        Hostile{"RecipesNobodyCooksFrom",
                [](const QString &folder, const QString &) {
                    const QString mmf = folder + QStringLiteral("/huge.mmf");
                    QByteArray text =
                        "MMMMM----- Recipe via Meal-Master (tm) v8.05\n\n      Title: Endless Loaf\n\n";
                    text += QByteArray("      1 c  flour\n").repeated(100000);
                    text += "\nMix.\nMMMMM\n\nMMMMM----- Recipe via Meal-Master (tm) v8.05\n\n"
                            "      Title: Small Loaf\n\n      1 c  flour\n\nMix.\nMMMMM\n";
                    write(mmf, text);
                    const QString page = folder + QStringLiteral("/long.html");
                    write(page,
                          QByteArrayLiteral("<html><script type=\"application/ld+json\">{\"@type\":"
                                            "\"Recipe\",\"name\":\"Long Method\",\"recipeInstructions\":\"") +
                              QByteArray("Stir. ").repeated(20000) + "\"}</script></html>");
                    return QStringList{mmf, page};
                },
                {"Small Loaf"},
                {"Endless Loaf (it has more than 500 ingredient lines)",
                 "Long Method (its method is longer than 100,000 characters)"}}),
    [](const ::testing::TestParamInfo<Hostile> &param) { return std::string(param.param.name); });
