#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace db {
class Connection;
}

/// Deleted recipes kept whole for 30 days in the book's `Deleted_Recipes`, so that they can be put back.
namespace recipebin {

inline constexpr int KeptDays = 30;

/// Keeps the recipe of that key as it stands (its row, picture, ingredient links and lines) before it is
/// deleted; returns the entry's key. Entries older than the kept days go. Runs in the caller's transaction.
qint64 keep(db::Connection &c, qint64 mealId, const QDateTime &now = QDateTime::currentDateTimeUtc());

struct Entry {
    qint64 id = 0;
    QString name;
    QDateTime deleted;
};
/// The kept recipes, the latest deleted first.
QList<Entry> entries(db::Connection &c);

/// What putting a recipe back did.
struct Restored {
    qint64 mealId = 0;
    /// The name it was put back under: its own, or with " (2)", " (3)"... when a recipe took its name since.
    QString name;
    QString formerName;
    bool renamed() const { return name != formerName; }
};
/// Puts the kept recipe back whole, under its own key where it is free, and takes it out of the bin; its
/// planned meals come back with it. One transaction. DbError when the entry is gone or cannot be read.
Restored restore(db::Connection &c, qint64 entryId);

/// Removes the entries deleted more than the kept days before `now`.
void prune(db::Connection &c, const QDateTime &now = QDateTime::currentDateTimeUtc());

} // namespace recipebin
