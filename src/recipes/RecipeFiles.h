#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

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
    /// Categories and key words, as given.
    QStringList categories;
    QString yield;
    QString times;
    /// Picture bytes as a picture file holds them; empty when the file gives none.
    QByteArray picture;
};

enum class Kind { WebPage, MealMaster, Unknown };

/// What a file holds, judged by its content, not its name.
Kind kindOf(const QByteArray &bytes);

/// Every recipe of a MealMaster file (one or many; "MMMMM" and "-----" headers; UTF-8 or the old DOS code
/// page 437).
QList<Recipe> readMealMaster(const QByteArray &bytes);

/// Every schema.org Recipe of a saved web page: from its JSON-LD blocks (objects, arrays, @graph), or,
/// when it has none, from its microdata. `pageFile` is where the page lies: a picture the page names is
/// looked for in its folder and in the "_files" folder a browser saves beside it.
QList<Recipe> readWebPage(const QByteArray &bytes, const QString &pageFile);

/// A duration as schema.org writes it ("PT1H30M") in words ("1 h 30 min"); empty when it is none.
QString durationText(const QString &iso);

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

/// The meal-time flags the categories and key words call for, in the book's order (morning, snack, noon,
/// night, dessert); noon and night when none is recognised.
std::array<bool, 5> mealTimes(const Recipe &recipe);

} // namespace recipefiles
