#include "DataFile.h"

#include "toolkit/db/DbError.h"
#include "toolkit/db/Dialect.h"

#include <QFile>
#include <QFileInfo>
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
    // Indexes on text are ordered by the data file's own comparison, so it must be in place before they fill.
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

} // namespace datafile
