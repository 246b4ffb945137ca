#include "RecipeFileImport.h"

#include "data/TDataModule1.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/Transaction.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <optional>

namespace recipefiles {

namespace {

constexpr int NameWidth = 50;

/// A recipe's title as a report names it: whole when short, its beginning when a file gives a very long one.
QString shownTitle(const Recipe &recipe) {
    constexpr int Shown = 80;
    const QString title = recipe.title.simplified();
    return title.size() <= Shown ? title : title.left(Shown - 1) + QChar(0x2026);
}

} // namespace

BookWriter::BookWriter(TDataModule1 &data)
    : m_data(data)
    , m_catalogue(data.ADOConnectionMain) {
    load();
}

void BookWriter::load() {
    m_names.clear();
    m_types.clear();
    m_typeKinds.clear();
    m_catalogue.load();
    db::Connection &c = m_data.ADOConnectionMain;
    db::Statement names(c, QStringLiteral("SELECT Meal_Name FROM Meal"));
    while (names.step())
        m_names.insert(names.value(0).toString().toCaseFolded());
    db::Statement types(c, QStringLiteral("SELECT ID, Type FROM Meal_Type ORDER BY ID"));
    while (types.step()) {
        const QString key = types.value(1).toString().simplified().toCaseFolded();
        if (!key.isEmpty() && !m_types.contains(key))
            m_types.insert(key, types.value(0).toLongLong());
        m_typeKinds.push_back({types.value(0).toLongLong(), dishKinds(types.value(1).toString())});
    }
}

qint64 BookWriter::typeNamed(const QString &name) {
    const QString key = name.simplified().toCaseFolded();
    if (key.isEmpty())
        return 0;
    if (const qint64 known = m_types.value(key, -1); known >= 0)
        return known;
    // A type the exported book had and this one lacks is made, so that its recipes keep it.
    db::Connection &c = m_data.ADOConnectionMain;
    db::Statement add(c, QStringLiteral("INSERT INTO Meal_Type(Type) VALUES(?)"));
    add.bind(1, recipefiles::bookName(name, NameWidth));
    add.step();
    const qint64 id = c.lastInsertRowId();
    m_types.insert(key, id);
    m_typeKinds.push_back({id, dishKinds(name)});
    return id;
}

bool BookWriter::write(const Recipe &recipe) {
    bool cut = false;
    const QString name = bookName(recipe.title, NameWidth, &cut);
    if (name.isEmpty() || m_names.contains(name.toCaseFolded()))
        return false;
    // A category that names a type gives it; else the first type whose name speaks of a kind the recipe
    // is, the kinds named first first.
    qint64 type = 0;
    if (recipe.bookType)
        type = typeNamed(*recipe.bookType);
    for (const QString &category : recipe.bookType ? QStringList() : recipe.categories) {
        if (const qint64 known = m_types.value(category.simplified().toCaseFolded(), -1); known >= 0) {
            type = known;
            break;
        }
    }
    for (const DishKind kind : type == 0 && !recipe.bookType ? dishKinds(recipe) : QList<DishKind>()) {
        for (const auto &[id, kinds] : m_typeKinds) {
            if (kinds.contains(kind)) {
                type = id;
                break;
            }
        }
        if (type != 0)
            break;
    }
    const std::array<bool, 5> times = recipe.bookTimes ? *recipe.bookTimes : mealTimes(recipe);
    const QByteArray picture = bookPicture(recipe.picture);
    // Nothing of the recipe stays unless all of it is written; the ingredients learnt on the way are
    // forgotten with it.
    try {
        db::Connection &c = m_data.ADOConnectionMain;
        db::Transaction whole(c);
        db::Statement meal(
            c, QStringLiteral(
                   "INSERT INTO Meal(Meal_Name,Meal_Recipe,Meal_Morning,Meal_Snack,Meal_Noon,"
                   "Meal_Night,Meal_Dessert,Meal_Type,Meal_Picture,Meal_Servings,Meal_Source,Meal_Author,"
                   "Meal_Description,Meal_Yield,Meal_Prep_Time,Meal_Cook_Time,Meal_Total_Time,"
                   "Meal_Cuisine,Meal_Nutrition) VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
        meal.bind(1, name);
        meal.bind(2, methodText(recipe, cut));
        for (int t = 0; t < 5; ++t)
            meal.bind(3 + t, times[size_t(t)] ? 1 : 0);
        meal.bind(8, type);
        meal.bind(9, picture.isEmpty() ? QVariant() : QVariant(picture));
        const int servings = recipelines::servingsOf(recipe.yield);
        meal.bind(10, servings > 0 ? QVariant(servings) : QVariant());
        // The details the page gives, each left empty where it gives none.
        const auto text = [](const QString &value, int width) {
            return value.isEmpty() ? QVariant() : QVariant(width > 0 ? value.left(width) : value);
        };
        const auto minutes = [](int value) { return value > 0 ? QVariant(value) : QVariant(); };
        meal.bind(11, text(recipe.source, 2048));
        meal.bind(12, text(recipe.author, 255));
        meal.bind(13, text(recipe.description, 0));
        meal.bind(14, text(recipe.yield, 255));
        meal.bind(15, minutes(recipe.prepMinutes));
        meal.bind(16, minutes(recipe.cookMinutes));
        meal.bind(17, minutes(recipe.totalMinutes));
        meal.bind(18, text(recipe.cuisine, 255));
        meal.bind(19, text(recipe.nutrition, 0));
        meal.step();
        const qint64 id = c.lastInsertRowId();
        recipelines::write(c, m_catalogue, id, recipelines::readAll(recipe.ingredientLines));
        whole.commit();
    } catch (...) {
        m_catalogue.load();
        throw;
    }
    m_names.insert(name.toCaseFolded());
    return true;
}

QByteArray bookPicture(const QByteArray &bytes) {
    if (bytes.size() < 3)
        return {};
    if ((uchar(bytes[0]) == 0xFF && uchar(bytes[1]) == 0xD8) || bytes.startsWith("BM"))
        return bytes;
    QBuffer source;
    source.setData(bytes);
    QImageReader reader(&source);
    const QSize size = reader.size();
    // A poster-sized picture is read at a size a recipe page and a report can show.
    constexpr qint64 Largest = 4096;
    if (size.isValid() && (size.width() > Largest || size.height() > Largest))
        reader.setScaledSize(size.scaled(int(Largest), int(Largest), Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPEG", 90);
    return jpeg;
}

ImportCounts importFiles(TDataModule1 &data, const QStringList &paths, const std::function<void()> &step,
                         QString *failure) {
    ImportCounts counts;
    BookWriter writer(data);
    db::Connection &c = data.ADOConnectionMain;
    // Each recipe is a savepoint inside a batch; a batch is committed every few hundred recipes and at the
    // end of each file, so that a large collection does not wait for the disk after every recipe.
    std::optional<db::Transaction> batch;
    int pending = 0;
    const auto commit = [&] {
        if (batch) {
            batch->commit();
            batch.reset();
        }
        counts.imported += pending;
        pending = 0;
    };
    bool stopped = false;
    // Writes one recipe into the current batch; false once the book takes nothing more.
    const auto take = [&](const Recipe &recipe) {
        if (step)
            step();
        if (const QString why = refusal(recipe); !why.isEmpty()) {
            counts.refused << QStringLiteral("%1 (%2)").arg(shownTitle(recipe), why);
            return true;
        }
        try {
            if (!batch)
                batch.emplace(c);
            if (writer.write(recipe))
                ++pending;
            else
                ++counts.skipped;
            if (pending >= 250)
                commit();
        } catch (const db::DbError &error) {
            if (batch && !c.inTransaction()) {
                // The engine ended the whole batch: what it held is gone, and so is the book's room.
                batch.reset();
                pending = 0;
                writer.forgetUncommitted();
                if (failure != nullptr)
                    *failure = error.message();
                stopped = true;
                return false;
            }
            counts.refused << QStringLiteral("%1 (%2)").arg(shownTitle(recipe), error.message());
        }
        return true;
    };
    for (const QString &path : paths) {
        const QString shown = QFileInfo(path).fileName();
        const std::unique_ptr<QFile> file = openRegularFile(path);
        if (!file) {
            counts.unreadable << shown;
            continue;
        }
        int found = 0;
        bool unreadablePage = false;
        // A recipe keeps where it came from: the page's own address, else the file's name.
        const auto sourced = [&shown](Recipe recipe) {
            if (recipe.source.isEmpty())
                recipe.source = shown;
            return recipe;
        };
        const QByteArray head = file->peek(64 * 1024);
        switch (kindOf(head)) {
        case Kind::WebPage: {
            QString problem;
            const QList<Recipe> recipes = readWebPage(file->read(MostPageBytes), path, &problem);
            unreadablePage = !problem.isEmpty();
            if (unreadablePage)
                counts.unreadable << QStringLiteral("%1 (%2)").arg(shown, problem);
            for (const Recipe &recipe : recipes) {
                ++found;
                if (!take(sourced(recipe)))
                    break;
            }
            break;
        }
        case Kind::MealMaster:
            readMealMaster(*file, [&](Recipe &&recipe) {
                ++found;
                return take(sourced(recipe));
            });
            break;
        case Kind::Unknown:
            break;
        }
        if (stopped)
            return counts;
        if (found == 0 && !unreadablePage)
            counts.withoutRecipe << shown;
        try {
            commit();
        } catch (const db::DbError &error) {
            batch.reset();
            pending = 0;
            writer.forgetUncommitted();
            if (failure != nullptr)
                *failure = error.message();
            return counts;
        }
    }
    return counts;
}

QString importReport(const ImportCounts &counts, const QString &sources) {
    QString text = QStringLiteral("Imported %1 recipes, skipped %2 (names already in the book), %3 %4 had no "
                                  "recipe.")
                       .arg(counts.imported)
                       .arg(counts.skipped)
                       .arg(counts.withoutRecipe.size())
                       .arg(sources);
    if (!counts.withoutRecipe.isEmpty())
        text += QStringLiteral("\n\nNo recipe in: ") + counts.withoutRecipe.join(QStringLiteral(", "));
    if (!counts.refused.isEmpty())
        text += QStringLiteral("\n\nThese recipes could not be written, and nothing of them was kept: ") +
                counts.refused.join(QStringLiteral("; "));
    if (!counts.unreadable.isEmpty())
        text += QStringLiteral("\n\nThese %1 could not be read: ").arg(sources) +
                counts.unreadable.join(QStringLiteral(", "));
    return text;
}

} // namespace recipefiles
