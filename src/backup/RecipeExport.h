#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace db {
class Connection;
}

/// The recipe book written out in open formats: a folder of web pages, one a recipe, each carrying a
/// schema.org Recipe that this program's import and other recipe programs read; and one MealMaster file.
namespace recipeexport {

/// A recipe as the book holds it, with what an export writes of it.
struct BookRecipe {
    qint64 id = 0;
    QString name;
    QString method;
    /// Morning, snack, noon, night and dessert, in the book's order.
    std::array<bool, 5> times{};
    /// The recipe type's name; empty when it has none.
    QString type;
    /// The ingredient lines as written, in order; `headings` marks the sub-headings among them.
    QStringList lines;
    QList<bool> headings;
    QByteArray picture;
    int servings = 0;
    QString source, author, description, yield, cuisine, nutrition;
    int prepMinutes = 0, cookMinutes = 0, totalMinutes = 0;
};

/// The book's names of the meal times, in the order of `BookRecipe::times`.
extern const std::array<const char *, 5> MealTimeNames;

/// Reads a recipe of the book whole; a recipe of no such id comes back with id 0.
BookRecipe read(db::Connection &connection, qint64 id);

/// The recipes to write: every recipe, those of one type, or those of the given names; by name.
QList<qint64> allRecipes(db::Connection &connection);
QList<qint64> recipesOfType(db::Connection &connection, qint64 type);
QList<qint64> recipesNamed(db::Connection &connection, const QStringList &names);

/// The steps of a recipe's method, one a line: without the ingredient lines it begins with where an import
/// put them there, and without the yield and times line an import put at its end.
QStringList steps(const BookRecipe &recipe);

/// The web page of a recipe; `pictureFile` is the name of its picture beside the page, empty for none.
QString webPage(const BookRecipe &recipe, const QString &pictureFile);

/// A recipe as MealMaster writes it, from its header line to its end line.
QString mealMaster(const BookRecipe &recipe);

/// What an export came to: the recipes written, and why it stopped when it did not finish.
struct Written {
    int recipes = 0;
    /// The file or the folder written.
    QString where;
    QString failure;
};

/// Called after each recipe with the number written; false stops the export.
using Progress = std::function<bool(int written)>;

/// Writes each recipe as a web page (and its picture beside it) into `folder`; a file of the same name
/// already there is never replaced: the new one takes a number.
Written writeWebPages(db::Connection &connection, const QList<qint64> &ids, const QString &folder,
                      const Progress &progress = {});

/// Writes the recipes into one MealMaster file in `folder`, "Mealvane Recipes.mmf" (numbered when taken).
Written writeMealMaster(db::Connection &connection, const QList<qint64> &ids, const QString &folder,
                        const Progress &progress = {});

/// A name for a file of the recipe's name: letters and digits kept, the rest dashes, at most 60 characters.
QString fileStem(const QString &name);

} // namespace recipeexport
