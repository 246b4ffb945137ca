#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

/// Copies of the recipe book kept beside it, made with the engine's online backup (never a copy of the
/// open file's bytes), each checked after writing, and thinned out as they age.
struct sqlite3;
struct sqlite3_backup;

namespace backups {

/// Why a copy is made: the first start of a day, or before an import or a tidying that changes many rows.
enum class Reason { Daily, BeforeChange };

/// The folder the copies go to: `$MEALVANE_BACKUP_DIR` where set, else `$XDG_DATA_HOME/mealvane/backups`.
QString folder();

/// One copy in the folder, as its name tells it.
struct Copy {
    QString path;
    QDateTime made;
    Reason reason = Reason::Daily;
};

/// The copies in a folder, newest first; files of other names are left out.
QList<Copy> copies(const QString &folder);

/// What making a copy came to.
struct Made {
    /// The copy written; empty when none was (see `failure` and `same`).
    QString path;
    /// True when the book was the same as in the newest copy, which then stands for it.
    bool same = false;
    /// Why no copy could be made, in words; the book itself is never touched.
    QString failure;
};

/// A copy of an open book made a few pages at a time by whoever holds its connection: a write through that
/// same connection between the steps is carried into the copy instead of starting it over, so that a copy
/// made beside the program's own work neither holds it up nor is held up by it.
class SteppedCopy {
public:
    SteppedCopy(sqlite3 *source, const QString &folder, const QDateTime &now, Reason reason);
    ~SteppedCopy();
    SteppedCopy(const SteppedCopy &) = delete;
    SteppedCopy &operator=(const SteppedCopy &) = delete;

    /// Copies `pages` more pages (-1 for all the rest); true once the copy is written or has failed.
    bool step(int pages);
    /// After a step: counts the times the copy started over because another connection wrote.
    void noteRemaining();
    int restarts() const;
    /// Once written: checks the copy and names it (on any thread; the source is no longer used).
    Made settle();
    /// Gives the copy up, leaving nothing of it.
    void abandon();

private:
    QString m_folder;
    QString m_target;
    QString m_partial;
    sqlite3 *m_copy = nullptr;
    sqlite3_backup *m_backup = nullptr;
    int m_left = -1;
    int m_restarts = 0;
    Made m_made;
};

/// Copies the book at `dataFile` into `folder` as "MealvaneData40-YYYY-MM-DD-HHMM.mdb" (with "-change"
/// before a change), a few pages at a time so that the program's own writes are not held up, and checks
/// the copy; a copy that fails the check is removed. Runs on any thread.
Made make(const QString &dataFile, const QString &folder, const QDateTime &now, Reason reason);

/// Removes the copies no longer kept: kept are the newest of each of the last 7 days, of each of the last
/// 5 weeks and of each of the last 12 months, and every copy made before a change for 14 days.
/// Returns the number removed.
int prune(const QString &folder, const QDateTime &now);

/// Whether a copy was made on `day` already.
bool madeOn(const QString &folder, const QDate &day);

/// What a copy holds, as the list of copies shows it.
struct Contents {
    qint64 size = 0;
    qint64 recipes = 0;
    qint64 plannedWeeks = 0;
    /// Empty for a copy that reads whole; else what is wrong with it, in words.
    QString damage;
};

/// Reads the counts of a copy, and whatever of it is plainly damaged (cut short, not a book, unreadable).
Contents describe(const QString &path);

/// The engine's check of every page of a copy: empty when it passed, else what is wrong.
QString checkWhole(const QString &path);

/// Puts the copy at `copy` in place of the book at `dataFile`, which nothing may have open: the book as
/// it was is first kept as `keepAs`. On failure the book is left as it was and the reason returned.
QString putInPlace(const QString &copy, const QString &dataFile, const QString &keepAs);

/// The name a copy made now would get in `folder` (the first one free).
QString freeName(const QString &folder, const QDateTime &now, Reason reason);

} // namespace backups
