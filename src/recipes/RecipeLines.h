#pragma once

#include "IngredientLine.h"

#include <QHash>
#include <QList>
#include <QString>
#include <functional>

namespace db {
class Connection;
}

/// A recipe's ingredient lines as the book keeps them: the `Recipe_Lines` rows of a recipe, in order, and the
/// `Made_With` links that let searches, the shopping list and the reports find the ingredients they name.
namespace recipelines {

/// The number of servings a yield names ("4", "Serves 4", "4 servings", "6-8 Portionen"; the first of a
/// range); 0 when it names none ("Makes 12 muffins", "1 loaf").
int servingsOf(const QString &yield);

/// The catalogue's ingredients by name, equal but for case, plural and hyphens; an ingredient a line names
/// that the catalogue lacks is added to it, without a group, its first letter a capital.
class Catalogue {
public:
    explicit Catalogue(db::Connection &connection);
    /// Forgets what was read, so that the catalogue is read again when next asked (after writes that were
    /// undone, or by another page); nothing is read until a food is looked up.
    void load();
    /// The ingredient a food names, added when missing; -1 for no food.
    qint64 idFor(const QString &food);

private:
    void readAll();
    qint64 idOf(QString description);

    db::Connection &m_connection;
    bool m_read = false;
    QHash<QString, qint64> m_ids;
};

/// Writes `lines` as the recipe's ingredient lines in place of those it had, and links every ingredient
/// they name to the recipe (links it already has, and links made by hand, stay). Runs in the caller's
/// transaction.
void write(db::Connection &connection, Catalogue &catalogue, qint64 meal,
           const QList<ingredientline::Line> &lines);

/// The ingredient lines a method begins with (the lines before its first blank line, as an import writes
/// them), when most of them read as ingredients with an amount or a unit; empty when it begins otherwise.
QStringList ingredientBlock(const QString &method);

/// The lines of a recipe as they are written, in order; empty when it has none.
QStringList writtenLines(db::Connection &connection, qint64 meal);

/// A catalogue entry an import made from a piece of a line ("2% fat unsalted butter", "Onions" beside
/// "Onion") and the entry it means: another entry of the catalogue, or (`into` -1) the food's own name.
struct Tidying {
    qint64 from = -1;
    QString fromName;
    qint64 into = -1;
    QString intoName;
};

/// What the catalogue could be tidied by: entries whose names hold what is no part of a food, and entries
/// equal to another but for case, plural or hyphens (merged into the one made first).
QList<Tidying> tidyings(db::Connection &connection);
/// Merges the entry into the one it means (its links and lines moved, itself removed), or renames it when
/// it means no other; in the caller's transaction.
void tidy(db::Connection &connection, const Tidying &tidying);

/// Each text read as a line, in order; blank texts are left out.
QList<ingredientline::Line> readAll(const QStringList &texts);

} // namespace recipelines
