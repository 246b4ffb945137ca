#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <optional>

/// Recipes read from files of other programs: saved web pages and MealMaster collections. Nothing here
/// touches the recipe book; the import writes what these functions read.
namespace recipefiles {

/// One recipe as a file gives it.
struct Recipe {
    QString title;
    /// The ingredient lines exactly as the file gives them (quantities and units kept); a sub-heading is a
    /// line of its own.
    QStringList ingredientLines;
    /// The steps, one per line, without markup.
    QStringList steps;
    /// Categories, as given.
    QStringList categories;
    /// Key words and the cuisine, as given: they decide meal times only where the categories and title do
    /// not.
    QStringList keywords;
    QString yield;
    QString times;
    /// Where the recipe came from (a page's address, a file's name), who wrote it, what it is.
    QString source;
    QString author;
    QString description;
    QString cuisine;
    /// Minutes of preparing, cooking and in all; 0 where not given.
    int prepMinutes = 0;
    int cookMinutes = 0;
    int totalMinutes = 0;
    /// The nutrition as text: "Calories 420 kcal; Fat 12 g".
    QString nutrition;
    /// Picture bytes as a picture file holds them; empty when the file gives none.
    QByteArray picture;
    /// The address of the picture the page names (the largest of a list), to fetch when the page came from
    /// the web; empty when it names none.
    QString pictureAddress;
    /// Set when the file gave more ingredient lines or method than were kept (see `refusal`).
    bool cutShort = false;
    /// What a page written by this program's export says of the recipe: its meal times (morning, snack,
    /// noon, night, dessert) and its type (empty for none), exactly as the book held them.
    std::optional<std::array<bool, 5>> bookTimes;
    std::optional<QString> bookType;
};

/// The most a recipe may hold: a file that gives more is not a recipe anybody cooks from, and its page
/// would take the window minutes to show.
constexpr qsizetype MostIngredientLines = 500;
constexpr qsizetype MostMethodCharacters = 100000;
/// The most of a web page that is read: recipe data stands near its head.
constexpr qint64 MostPageBytes = 20 * 1024 * 1024;
/// The largest picture file taken from beside a page.
constexpr qint64 MostPictureBytes = 64 * 1024 * 1024;

/// Why the book does not take the recipe, in words; empty when it is a recipe of a size the book takes.
QString refusal(const Recipe &recipe);

/// A regular file opened for reading; nothing for a folder, a device, a pipe or a socket, which are never
/// opened in a way that could wait for a writer or read without end.
std::unique_ptr<QFile> openRegularFile(const QString &path);

enum class Kind { WebPage, MealMaster, Unknown };

/// What a file holds, judged by its content, not its name.
Kind kindOf(const QByteArray &bytes);

/// Every recipe of a MealMaster file (one or many; "MMMMM" and "-----" headers; UTF-8 or the old DOS code
/// page 437).
QList<Recipe> readMealMaster(const QByteArray &bytes);
/// The same, read from a file a line at a time: each recipe goes to `take` as soon as it ends, so that a
/// collection of any size passes through in pieces; reading stops when `take` answers false.
void readMealMaster(QIODevice &file, const std::function<bool(Recipe &&)> &take);

/// Every schema.org Recipe of a saved web page: from its JSON-LD blocks (objects, arrays, @graph), or,
/// when it has none, from its microdata. `pageFile` is where the page lies: a picture the page names is
/// looked for in its folder and in the "_files" folder a browser saves beside it, and only there (links
/// resolved). `problem` tells why a page that may hold a recipe could not be read.
QList<Recipe> readWebPage(const QByteArray &bytes, const QString &pageFile, QString *problem = nullptr);

/// A duration as schema.org writes it ("PT1H30M") in words ("1 h 30 min"); empty when it is none.
QString durationText(const QString &iso);
/// The same in whole minutes; 0 when it is none.
int durationMinutes(const QString &iso);

/// The text of bytes in UTF-8, or, when they are not valid UTF-8, in code page 437.
QString decodeText(const QByteArray &bytes);

/// The catalogue name an ingredient line speaks of: without quantity, unit, anything in parentheses, size
/// words and the preparation after a comma ("2 cups all-purpose flour, sifted" gives "all-purpose flour");
/// empty when the line names nothing (a sub-heading, a bare quantity).
QString ingredientName(const QString &line);

/// A key under which names equal but for case and singular or plural compare equal ("Eggs", "egg").
QString nameKey(const QString &name);

/// The recipe's name for the book: the title with blanks collapsed, cut at a word boundary to `width`
/// characters when longer (`cut` tells whether it was).
QString bookName(const QString &title, int width, bool *cut = nullptr);

/// The method as the book keeps it: the ingredient lines, a blank line, the steps one per line, and the
/// yield and times in one line at the end where given; a title too long for the name starts it.
QString methodText(const Recipe &recipe, bool titleCut);

/// What kind of dish a recipe is, read from whole words (plural or singular) of its categories and title,
/// or where they tell nothing, of its key words, in the languages recipe books come in.
enum class DishKind { Breakfast, Dessert, Drink, Appetizer, Side, Soup, Salad, Main, Lunch, Dinner };
QList<DishKind> dishKinds(const Recipe &recipe);
/// The kinds a recipe type's name speaks of ("Side Dish", "Desserts", "Hauptgericht").
QList<DishKind> dishKinds(const QString &words);

/// The meal-time flags a recipe's kinds call for, in the book's order (morning, snack, noon, night,
/// dessert): breakfasts in the morning, desserts and bakes at dessert, drinks, appetizers and sides as
/// snacks, soups, salads and mains at noon and night; noon and night when no word decides.
std::array<bool, 5> mealTimes(const Recipe &recipe);

} // namespace recipefiles
