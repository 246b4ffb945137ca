#include "RecipeLines.h"

#include "RecipeFiles.h"
#include "toolkit/db/Connection.h"

#include <QRegularExpression>
#include <QSet>

namespace recipelines {

namespace {

/// The most characters a line's text and note keep.
constexpr int LineWidth = 255;

QString cut(const QString &text) {
    return text.size() <= LineWidth ? text : text.left(LineWidth);
}

} // namespace

int servingsOf(const QString &yield) {
    static const QRegularExpression servings(
        QStringLiteral(
            "^(?:serves|serving|servings|yield|yields|for|für|pour|per|para|voor|til|för|pro)?:?\\s*"
            "(\\d+)(?:\\s*(?:-|\\x{2013}|to|bis|à|a)\\s*\\d+)?\\s*(?:servings?|portions?|people|"
            "persons?|portionen|personen|personnes|porzioni|persone|raciones|porciones|personas|"
            "porções|pessoas|porties|porsjoner|portioner|personer|porce|osob|pax)?\\.?$"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    // A yield may give several ways of saying it, one after another.
    for (const QString &part : yield.split(QRegularExpression(QStringLiteral("[,;]")))) {
        const QRegularExpressionMatch m = servings.match(part.simplified());
        if (m.hasMatch()) {
            const int n = m.captured(1).toInt();
            if (n > 0 && n <= 1000)
                return n;
        }
    }
    return 0;
}

Catalogue::Catalogue(db::Connection &connection)
    : m_connection(connection) {}

void Catalogue::load() {
    m_read = false;
    m_ids.clear();
}

qint64 Catalogue::idFor(const QString &food) {
    QString description = recipefiles::bookName(food, 50);
    if (description.isEmpty())
        return -1;
    if (!m_read) {
        m_read = true;
        readAll();
    }
    return idOf(description);
}

void Catalogue::readAll() {
    // The first ingredient of a name, as the older import links to the first one.
    db::Statement all(m_connection, QStringLiteral("SELECT Ingredients_ID, Ingredients_Description FROM "
                                                   "Ingredients ORDER BY Ingredients_ID"));
    while (all.step()) {
        const QString key = recipefiles::nameKey(all.value(1).toString());
        if (!key.isEmpty() && !m_ids.contains(key))
            m_ids.insert(key, all.value(0).toLongLong());
    }
}

qint64 Catalogue::idOf(QString description) {
    const QString key = recipefiles::nameKey(description);
    if (const qint64 known = m_ids.value(key, -1); known >= 0)
        return known;
    description[0] = description.at(0).toUpper();
    db::Statement insert(m_connection,
                         QStringLiteral("INSERT INTO Ingredients(Ingredients_Description) VALUES(?)"));
    insert.bind(1, description);
    insert.step();
    const qint64 id = m_connection.lastInsertRowId();
    m_ids.insert(key, id);
    return id;
}

void write(db::Connection &connection, Catalogue &catalogue, qint64 meal,
           const QList<ingredientline::Line> &lines) {
    db::Statement clear(connection, QStringLiteral("DELETE FROM Recipe_Lines WHERE Meal_ID=?"));
    clear.bind(1, meal);
    clear.step();
    QSet<qint64> linked;
    db::Statement links(connection, QStringLiteral("SELECT Ingredients_ID FROM Made_With WHERE Meal_ID=?"));
    links.bind(1, meal);
    while (links.step())
        linked.insert(links.value(0).toLongLong());
    db::Statement insert(
        connection, QStringLiteral("INSERT INTO Recipe_Lines(Meal_ID,Line_Position,Line_Text,Line_Heading,"
                                   "Line_Amount,Line_Amount_Max,Line_Unit,Ingredients_ID,Line_Note) "
                                   "VALUES(?,?,?,?,?,?,?,?,?)"));
    db::Statement link(connection,
                       QStringLiteral("INSERT INTO Made_With(Meal_ID,Ingredients_ID) VALUES(?,?)"));
    int position = 0;
    for (const ingredientline::Line &line : lines) {
        const qint64 ingredient = line.heading ? -1 : catalogue.idFor(line.food);
        insert.reset();
        insert.bind(1, meal);
        insert.bind(2, ++position);
        insert.bind(3, cut(line.text));
        insert.bind(4, line.heading ? 1 : 0);
        insert.bind(5, line.amount ? QVariant(*line.amount) : QVariant());
        insert.bind(6, line.amountMax ? QVariant(*line.amountMax) : QVariant());
        insert.bind(7, line.unit.isEmpty() ? QVariant() : QVariant(line.unit.left(20)));
        insert.bind(8, ingredient >= 0 ? QVariant(ingredient) : QVariant());
        insert.bind(9, line.note.isEmpty() ? QVariant() : QVariant(cut(line.note)));
        insert.step();
        if (ingredient >= 0 && !linked.contains(ingredient)) {
            linked.insert(ingredient);
            link.reset();
            link.bind(1, meal);
            link.bind(2, ingredient);
            link.step();
        }
    }
}

QStringList writtenLines(db::Connection &connection, qint64 meal) {
    QStringList texts;
    db::Statement lines(connection,
                        QStringLiteral("SELECT Line_Text FROM Recipe_Lines WHERE Meal_ID=? ORDER BY "
                                       "Line_Position, Line_ID"));
    lines.bind(1, meal);
    while (lines.step())
        texts << lines.value(0).toString();
    return texts;
}

QStringList ingredientBlock(const QString &method) {
    QStringList top;
    for (const QString &line :
         QString(method).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n')) {
        if (line.simplified().isEmpty()) {
            if (top.isEmpty())
                continue;
            break;
        }
        top << line.simplified();
        if (top.size() > 100)
            return {};
    }
    int measured = 0;
    for (const QString &line : top) {
        const ingredientline::Line read = ingredientline::read(line);
        if (read.heading || read.amount || !read.unit.isEmpty())
            ++measured;
    }
    return measured * 2 >= top.size() && measured > 0 ? top : QStringList();
}

QList<Tidying> tidyings(db::Connection &connection) {
    struct Entry {
        qint64 id;
        QString name;
    };
    QList<Entry> entries;
    QHash<QString, qint64> first;
    QHash<qint64, QString> names;
    {
        db::Statement all(connection, QStringLiteral("SELECT Ingredients_ID, Ingredients_Description FROM "
                                                     "Ingredients ORDER BY Ingredients_ID"));
        while (all.step()) {
            const Entry e{all.value(0).toLongLong(), all.value(1).toString()};
            entries << e;
            names.insert(e.id, e.name);
            const QString key = recipefiles::nameKey(e.name);
            if (!key.isEmpty() && !first.contains(key))
                first.insert(key, e.id);
        }
    }
    QList<Tidying> found;
    for (const Entry &e : entries) {
        // The food the name speaks of, as a line would give it.
        // Only a name holding what no food's name holds (figures, brackets, a unit, a sign at an end) is read
        // again; "Chopped tomatoes" and "Sliced bread" are things a shop sells.
        static const QRegularExpression junk(QStringLiteral("[\\d()\\[\\]%]|^[^\\p{L}]|[^\\p{L}.]$"));
        const ingredientline::Line read = ingredientline::read(e.name);
        const bool pieces = junk.match(e.name).hasMatch() || read.amount || !read.unit.isEmpty();
        const QString food = read.heading ? QString() : pieces ? read.food : e.name;
        if (food.isEmpty())
            continue;
        const qint64 meant = first.value(recipefiles::nameKey(food), -1);
        if (meant >= 0 && meant != e.id) {
            found.push_back({e.id, e.name, meant, names.value(meant)});
        } else if (meant < 0 && food.compare(e.name, Qt::CaseInsensitive) != 0) {
            QString renamed = food;
            renamed[0] = renamed.at(0).toUpper();
            found.push_back({e.id, e.name, -1, renamed});
        }
    }
    return found;
}

void tidy(db::Connection &connection, const Tidying &tidying) {
    if (tidying.into < 0) {
        db::Statement rename(
            connection,
            QStringLiteral("UPDATE Ingredients SET Ingredients_Description=? WHERE Ingredients_ID=?"));
        rename.bind(1, tidying.intoName.left(50));
        rename.bind(2, tidying.from);
        rename.step();
        return;
    }
    const auto run = [&](const QString &text) {
        db::Statement s(connection, text);
        s.bind(1, tidying.into);
        s.bind(2, tidying.from);
        s.step();
    };
    // A recipe linked to both keeps one link; the group of the one merged stays where the other has none.
    run(QStringLiteral(
        "UPDATE Made_With SET Ingredients_ID=?1 WHERE Ingredients_ID=?2 AND Meal_ID NOT IN (SELECT "
        "Meal_ID FROM Made_With WHERE Ingredients_ID=?1 AND Meal_ID IS NOT NULL)"));
    run(QStringLiteral("DELETE FROM Made_With WHERE Ingredients_ID=?2 AND ?1 IS NOT NULL"));
    run(QStringLiteral("UPDATE Recipe_Lines SET Ingredients_ID=?1 WHERE Ingredients_ID=?2"));
    run(QStringLiteral(
        "UPDATE Ingredients SET Ingredients_Group=(SELECT Ingredients_Group FROM Ingredients WHERE "
        "Ingredients_ID=?2) WHERE Ingredients_ID=?1 AND coalesce(Ingredients_Group, 0)=0"));
    run(QStringLiteral("DELETE FROM Ingredients WHERE Ingredients_ID=?2 AND ?1 IS NOT NULL"));
}

QList<ingredientline::Line> readAll(const QStringList &texts) {
    QList<ingredientline::Line> lines;
    for (const QString &text : texts) {
        if (!text.simplified().isEmpty())
            lines << ingredientline::read(text);
    }
    return lines;
}

} // namespace recipelines
