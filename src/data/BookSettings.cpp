#include "BookSettings.h"

#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/Transaction.h"

namespace booksettings {

QString value(db::Connection &connection, const QString &name, const QString &fallback) {
    try {
        db::Statement read(connection,
                           QStringLiteral("SELECT Setting_Value FROM Book_Settings WHERE Setting_Name=? "
                                          "ORDER BY rowid DESC LIMIT 1"));
        read.bind(1, name);
        return read.step() ? read.value(0).toString() : fallback;
    } catch (const db::DbError &) {
        return fallback;
    }
}

void setValue(db::Connection &connection, const QString &name, const QString &value) {
    db::Transaction transaction(connection);
    db::Statement clear(connection, QStringLiteral("DELETE FROM Book_Settings WHERE Setting_Name=?"));
    clear.bind(1, name);
    clear.step();
    db::Statement write(
        connection, QStringLiteral("INSERT INTO Book_Settings(Setting_Name, Setting_Value) VALUES(?, ?)"));
    write.bind(1, name);
    write.bind(2, value);
    write.step();
    transaction.commit();
}

} // namespace booksettings
