#include "RecipeBin.h"

#include "data/RowSnapshot.h"

#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/Transaction.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace recipebin {

namespace {

/// Every row `read` gives, each as an object of its columns; blobs are not kept this way.
QJsonArray rowsOf(db::Statement &read) {
    QJsonArray rows;
    while (read.step()) {
        QJsonObject row;
        for (int i = 0; i < read.columnCount(); ++i) {
            const QVariant value = read.value(i);
            if (value.typeId() == QMetaType::QByteArray)
                continue;
            row.insert(read.columnName(i), QJsonValue::fromVariant(value));
        }
        rows.append(row);
    }
    return rows;
}

QJsonArray rowsOf(db::Connection &c, const QString &sql, qint64 mealId) {
    db::Statement read(c, sql);
    read.bind(1, mealId);
    return rowsOf(read);
}

/// Inserts the kept row into `table`, the columns the table still has, `overrides` in place of the kept.
void insertRow(db::Connection &c, const QString &table, const QStringList &columns, const QJsonObject &row,
               const QVariantMap &overrides = {}) {
    QStringList names;
    QVariantList values;
    for (const QString &column : columns) {
        if (overrides.contains(column)) {
            names << column;
            values << overrides.value(column);
            continue;
        }
        if (!row.contains(column))
            continue;
        names << column;
        const QJsonValue value = row.value(column);
        // Whole numbers come back as whole numbers, so that the columns' checks take them.
        if (value.isDouble() && value.toDouble() == double(qint64(value.toDouble())))
            values << QVariant(qint64(value.toDouble()));
        else
            values << value.toVariant();
    }
    QStringList marks;
    for (qsizetype i = 0; i < names.size(); ++i)
        marks << QStringLiteral("?");
    db::Statement insert(
        c, QStringLiteral("INSERT INTO %1(%2) VALUES(%3)").arg(table, names.join(u','), marks.join(u',')));
    for (qsizetype i = 0; i < values.size(); ++i)
        insert.bind(int(i + 1), values.at(i));
    insert.step();
}

qint64 count(db::Connection &c, const QString &sql, const QVariantList &values) {
    db::Statement s(c, sql);
    for (qsizetype i = 0; i < values.size(); ++i)
        s.bind(int(i + 1), values.at(i));
    return s.step() ? s.value(0).toLongLong() : 0;
}

} // namespace

qint64 keep(db::Connection &c, qint64 mealId, const QDateTime &now) {
    prune(c, now);
    QJsonObject recipe;
    const QJsonArray meal = rowsOf(c, QStringLiteral("SELECT * FROM Meal WHERE Meal_ID=?"), mealId);
    if (meal.isEmpty())
        throw db::DbError(QStringLiteral("The recipe to keep is no longer in the book."));
    recipe.insert(QStringLiteral("meal"), meal.first());
    recipe.insert(
        QStringLiteral("links"),
        rowsOf(c,
               QStringLiteral("SELECT Meal_ID, Ingredients_ID FROM Made_With WHERE Meal_ID=? ORDER BY rowid"),
               mealId));
    recipe.insert(
        QStringLiteral("lines"),
        rowsOf(c,
               QStringLiteral("SELECT * FROM Recipe_Lines WHERE Meal_ID=? ORDER BY Line_Position, Line_ID"),
               mealId));
    db::Statement picture(c, QStringLiteral("SELECT Meal_Picture, Meal_Name FROM Meal WHERE Meal_ID=?"));
    picture.bind(1, mealId);
    picture.step();
    db::Statement put(
        c, QStringLiteral("INSERT INTO Deleted_Recipes(Deleted_At, Meal_ID, Meal_Name, Recipe_Data, "
                          "Meal_Picture) VALUES(?, ?, ?, ?, ?)"));
    put.bind(1, now.toUTC().toString(Qt::ISODate));
    put.bind(2, mealId);
    put.bind(3, picture.value(1));
    put.bind(4, QString::fromUtf8(QJsonDocument(recipe).toJson(QJsonDocument::Compact)));
    put.bind(5, picture.value(0));
    put.step();
    return c.lastInsertRowId();
}

QList<Entry> entries(db::Connection &c) {
    QList<Entry> list;
    db::Statement read(
        c, QStringLiteral("SELECT Deleted_ID, Meal_Name, Deleted_At FROM Deleted_Recipes ORDER BY "
                          "Deleted_At DESC, Deleted_ID DESC"));
    while (read.step()) {
        QDateTime at = QDateTime::fromString(read.value(2).toString(), Qt::ISODate);
        at.setTimeSpec(Qt::UTC);
        list << Entry{read.value(0).toLongLong(), read.value(1).toString(), at};
    }
    return list;
}

Restored restore(db::Connection &c, qint64 entryId) {
    db::Statement read(
        c, QStringLiteral("SELECT Recipe_Data, Meal_Picture FROM Deleted_Recipes WHERE Deleted_ID=?"));
    read.bind(1, entryId);
    if (!read.step())
        throw db::DbError(QStringLiteral("That deleted recipe is no longer kept."));
    QJsonParseError error;
    const QJsonObject recipe = QJsonDocument::fromJson(read.value(0).toString().toUtf8(), &error).object();
    const QVariant picture = read.value(1);
    const QJsonObject meal = recipe.value(QStringLiteral("meal")).toObject();
    if (error.error != QJsonParseError::NoError || meal.isEmpty())
        throw db::DbError(QStringLiteral("That deleted recipe cannot be read back."));

    db::Transaction transaction(c);
    Restored restored;
    restored.formerName = meal.value(QStringLiteral("Meal_Name")).toString();
    restored.name = restored.formerName;
    // A recipe that took the name meanwhile keeps it; this one gets the first free number after it.
    const QString taken = QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_Name=?");
    for (int n = 2; count(c, taken, {restored.name}) > 0; ++n) {
        const QString suffix = QStringLiteral(" (%1)").arg(n);
        restored.name = restored.formerName.left(50 - suffix.size()) + suffix;
    }
    const qint64 formerId = qint64(meal.value(QStringLiteral("Meal_ID")).toDouble());
    const bool keyFree =
        count(c, QStringLiteral("SELECT count(*) FROM Meal WHERE Meal_ID=?"), {formerId}) == 0;
    QVariantMap overrides{{QStringLiteral("Meal_Name"), restored.name},
                          {QStringLiteral("Meal_Picture"), picture}};
    QJsonObject row = meal;
    if (!keyFree)
        row.remove(QStringLiteral("Meal_ID"));
    insertRow(c, QStringLiteral("Meal"), tableColumns(c, QStringLiteral("Meal")), row, overrides);
    restored.mealId = keyFree ? formerId : c.lastInsertRowId();

    // What a deleted recipe left behind under its key is replaced by what was kept.
    for (const char *table : {"Made_With", "Recipe_Lines"}) {
        db::Statement clear(c, QStringLiteral("DELETE FROM %1 WHERE Meal_ID=?").arg(QLatin1String(table)));
        clear.bind(1, restored.mealId);
        clear.step();
    }
    const QStringList lineColumns = tableColumns(c, QStringLiteral("Recipe_Lines"));
    for (const QJsonValue &link : recipe.value(QStringLiteral("links")).toArray())
        insertRow(c, QStringLiteral("Made_With"),
                  {QStringLiteral("Meal_ID"), QStringLiteral("Ingredients_ID")}, link.toObject(),
                  {{QStringLiteral("Meal_ID"), restored.mealId}});
    for (const QJsonValue &line : recipe.value(QStringLiteral("lines")).toArray()) {
        QJsonObject lineRow = line.toObject();
        if (count(c, QStringLiteral("SELECT count(*) FROM Recipe_Lines WHERE Line_ID=?"),
                  {qint64(lineRow.value(QStringLiteral("Line_ID")).toDouble())}) > 0)
            lineRow.remove(QStringLiteral("Line_ID"));
        insertRow(c, QStringLiteral("Recipe_Lines"), lineColumns, lineRow,
                  {{QStringLiteral("Meal_ID"), restored.mealId}});
    }
    db::Statement forget(c, QStringLiteral("DELETE FROM Deleted_Recipes WHERE Deleted_ID=?"));
    forget.bind(1, entryId);
    forget.step();
    transaction.commit();
    return restored;
}

void prune(db::Connection &c, const QDateTime &now) {
    db::Statement old(c, QStringLiteral("DELETE FROM Deleted_Recipes WHERE Deleted_At < ?"));
    old.bind(1, now.toUTC().addDays(-KeptDays).toString(Qt::ISODate));
    old.step();
}

} // namespace recipebin
