#pragma once

#include "RecipeFiles.h"
#include "RecipeLines.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <functional>
#include <vector>

class TDataModule1;

namespace recipefiles {

/// What an import of recipe files did.
struct ImportCounts {
    int imported = 0;
    int skipped = 0;
    /// Files read whole in which no recipe was found, and files that could not be read at all.
    QStringList withoutRecipe;
    QStringList unreadable;
    /// Recipes the book refused, each with the reason; nothing of them was kept.
    QStringList refused;
};

/// Writes recipes read from files into the recipe book: each recipe whole (the recipe, its ingredient
/// links, its picture) in one transaction; a recipe whose name the book has already (without regard to
/// case) is skipped. Each ingredient line is stored with its amount, unit and note, and linked to the
/// catalogue ingredient of the food it names (without regard to case, singular and plural or hyphens), or to
/// one made without a group; a yield in servings gives the servings; a recipe category that names a recipe
/// type gives the type.
class BookWriter {
public:
    explicit BookWriter(TDataModule1 &data);

    /// False when the book already has the recipe's name; throws db::DbError when the file refuses it.
    bool write(const Recipe &recipe);
    /// Reads the book's names and catalogue again, after a batch of writes was lost.
    void forgetUncommitted() { load(); }

private:
    void load();
    /// The type of that name, made when the book has none; 0 for no name.
    qint64 typeNamed(const QString &name);

    TDataModule1 &m_data;
    recipelines::Catalogue m_catalogue;
    QSet<QString> m_names;
    QHash<QString, qint64> m_types;
    /// Each type of the book, in its order, with the kinds of dish its name speaks of.
    std::vector<std::pair<qint64, QList<DishKind>>> m_typeKinds;
};

/// Reads every file and writes its recipes; `step` runs between recipes (the windows stay drawn). Recipes
/// are committed a few hundred at a time, each one whole. When the book stops taking anything (a full
/// disk, a lost file), `failure` gets the reason and the counts say what was kept before.
ImportCounts importFiles(TDataModule1 &data, const QStringList &paths, const std::function<void()> &step,
                         QString *failure = nullptr);

/// The sentence that reports an import to the user; `sources` names what was read ("files", "addresses").
QString importReport(const ImportCounts &counts, const QString &sources = QStringLiteral("files"));

/// Picture bytes in a form the book shows: JPEG and bitmap files as they are, any other picture the
/// toolkit reads as JPEG; empty when the bytes are no picture.
QByteArray bookPicture(const QByteArray &bytes);

} // namespace recipefiles
