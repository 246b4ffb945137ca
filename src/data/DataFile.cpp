#include "DataFile.h"

#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/Dialect.h"
#include "toolkit/db/Transaction.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <sqlite3.h>

// The scripts live in a static library, whose resources must be registered by hand.
static void registerScripts() {
    Q_INIT_RESOURCE(data);
}

namespace datafile {

namespace {

QString resource(const QString &name) {
    static const bool registered = (registerScripts(), true);
    (void)registered;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw db::DbError(QStringLiteral("The built-in script %1 is missing.").arg(name));
    return QString::fromUtf8(file.readAll());
}

} // namespace

QString schemaSql() {
    return resource(QStringLiteral(":/mealvane/data/schema.sql"));
}

QString starterSql() {
    return resource(QStringLiteral(":/mealvane/data/starter.sql"));
}

void create(const QString &path, const QStringList &scripts) {
    if (QFileInfo::exists(path))
        throw db::DbError(QStringLiteral("'%1' already exists; it is left as it is.").arg(path));
    sqlite3 *handle = nullptr;
    const QByteArray name = QFile::encodeName(path);
    if (sqlite3_open_v2(name.constData(), &handle,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_EXCLUSIVE,
                        nullptr) != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(handle));
        sqlite3_close(handle);
        throw db::DbError(QStringLiteral("Cannot create '%1': %2").arg(path, message));
    }
    // The starter book's statements compare text as the program does.
    db::dialect::install(handle);
    QString failure;
    const QString all = QStringLiteral("BEGIN;\n") + scripts.join(u'\n') + QStringLiteral("\nCOMMIT;");
    char *error = nullptr;
    if (sqlite3_exec(handle, all.toUtf8().constData(), nullptr, nullptr, &error) != SQLITE_OK) {
        failure = QString::fromUtf8(error != nullptr ? error : sqlite3_errmsg(handle));
        sqlite3_free(error);
    }
    sqlite3_close(handle);
    if (!failure.isEmpty()) {
        QFile::remove(path);
        throw db::DbError(QStringLiteral("Cannot create '%1': %2").arg(path, failure));
    }
}

QString householdMessage(const QString &engineMessage) {
    static const QLatin1String Refused("CHECK constraint failed: ");
    if (!engineMessage.startsWith(Refused))
        return engineMessage;
    const QString check = engineMessage.mid(Refused.size());
    struct Field {
        const char *column;
        const char *words;
    };
    static const Field Fields[] = {
        {"Meal_Name", "A recipe name"},
        {"Type", "A recipe type"},
        {"Ingredients_Description", "An ingredient's name"},
        {"IGROUP_NAME", "An ingredient group's name"},
        {"IngredientsDescription", "An item of the shopping list"},
        {"IngredientsType", "The group of a shopping list item"},
    };
    static const QRegularExpression TooLong(QStringLiteral("^(\\w+) is longer than (\\d+) characters?$"));
    const QRegularExpressionMatch match = TooLong.match(check);
    if (match.hasMatch()) {
        for (const Field &field : Fields) {
            if (match.captured(1) == QLatin1String(field.column))
                return QStringLiteral("%1 can be at most %2 characters long. Nothing was saved.")
                    .arg(QLatin1String(field.words), match.captured(2));
        }
    }
    return QStringLiteral("The recipe book cannot take that value (%1). Nothing was saved.").arg(check);
}

void upgrade(db::Connection &connection) {
    QStringList missing;
    const QStringList statements = schemaSql().split(u';');
    for (const QString &statement : statements) {
        const QString text = statement.trimmed();
        // The schema's comments never stand right before an index.
        if (!text.startsWith(QLatin1String("CREATE INDEX ")))
            continue;
        const QString name = text.section(u' ', 2, 2);
        db::Statement exists(
            connection,
            QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='index' AND name='%1'").arg(name));
        if (exists.step() && exists.value(0).toLongLong() == 0)
            missing << text;
    }
    // Tables added since the first release are written IF NOT EXISTS.
    for (const QString &statement : statements) {
        const QString text = statement.trimmed();
        const qsizetype at = text.indexOf(QLatin1String("CREATE TABLE IF NOT EXISTS "));
        if (at >= 0)
            missing << text.mid(at);
    }
    // A view whose definition has changed since the file was written is made again.
    QStringList views;
    for (const QString &statement : statements) {
        const qsizetype at = statement.indexOf(QLatin1String("CREATE VIEW "));
        if (at < 0)
            continue;
        const QString create = statement.mid(at).trimmed();
        const QString name = create.section(u' ', 2, 2);
        db::Statement stored(
            connection,
            QStringLiteral("SELECT sql FROM sqlite_master WHERE type='view' AND name='%1'").arg(name));
        const QString storedSql = stored.step() ? stored.value(0).toString() : QString();
        if (storedSql != create) {
            if (!storedSql.isEmpty())
                views << QStringLiteral("DROP VIEW %1").arg(name);
            views << create;
        }
    }
    if (missing.isEmpty() && views.isEmpty())
        return;
    db::Transaction transaction(connection);
    for (const QString &create : missing + views)
        connection.execute(create);
    transaction.commit();
}

} // namespace datafile
