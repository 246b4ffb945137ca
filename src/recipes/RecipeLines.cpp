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
    : m_connection(connection) {
    load();
}

void Catalogue::load() {
    m_ids.clear();
    // The first ingredient of a name, as the older import links to the first one.
    db::Statement all(m_connection, QStringLiteral("SELECT Ingredients_ID, Ingredients_Description FROM "
                                                   "Ingredients ORDER BY Ingredients_ID"));
    while (all.step()) {
        const QString key = recipefiles::nameKey(all.value(1).toString());
        if (!key.isEmpty() && !m_ids.contains(key))
            m_ids.insert(key, all.value(0).toLongLong());
    }
}

qint64 Catalogue::idFor(const QString &food) {
    QString description = recipefiles::bookName(food, 50);
    if (description.isEmpty())
        return -1;
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

QList<ingredientline::Line> readAll(const QStringList &texts) {
    QList<ingredientline::Line> lines;
    for (const QString &text : texts) {
        if (!text.simplified().isEmpty())
            lines << ingredientline::read(text);
    }
    return lines;
}

} // namespace recipelines
