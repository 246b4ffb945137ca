#pragma once

#include "data/DataFile.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DataSource.h"
#include "toolkit/db/QueryDataset.h"
#include "toolkit/db/TableDataset.h"

#include <QHash>
#include <QObject>
#include <QStringList>
#include <atomic>
#include <functional>
#include <future>
#include <memory>

class IngredientGroupItems;
namespace db {
class DataFileLock;
}

/// The data file's connections and every dataset that more than one window uses, with their data sources.
/// Created once at start-up, after the main window, and alive until the program ends.
class TDataModule1 : public QObject {
    Q_OBJECT
public:
    static constexpr const char *DataFile = "data/MealvaneData40.mdb";
    static constexpr const char *OldDataFile = "data/MealvaneDataOld.mdb";

    /// Opens the main connection and the datasets opened at start; throws db::DbError when the data file
    /// cannot be opened or lacks what a dataset needs, and db::DataFileInUse when another running program
    /// holds it. `groupItems` receives the ingredient groups.
    explicit TDataModule1(IngredientGroupItems &groupItems,
                          const QString &dataFile = QString::fromLatin1(DataFile), QObject *parent = nullptr);
    ~TDataModule1() override;

    /// Runs one statement through the scratch query `SQL`: opened when it returns rows, executed otherwise.
    void runSql(const QString &statement);
    /// The first column of every row `statement` returns, read through `SQL`; read again only when a table it
    /// reads has been written since the last time (lists that many boxes show, asked for on every visit).
    QStringList firstColumn(const QString &statement);

    /// Re-reads `SQLGROUPS` after a group has been edited or posted.
    void IGROUPAfterEdit();
    /// Fills the ingredient page's group box from `SQLGROUPS`, in name order.
    void SQLGROUPSAfterOpen();

    db::Connection ADOConnectionMain;
    db::Connection OldConnection;

    db::TableDataset MEALS;
    db::TableDataset MEALTYPE;
    db::TableDataset IGROUP;
    db::TableDataset OLDMeals;

    db::QueryDataset SQLMEALS;
    db::QueryDataset SQLMEAL1;
    db::QueryDataset SQLMEAL2;
    db::QueryDataset SQLSHOP;
    db::QueryDataset SQLGROUPS;
    db::QueryDataset SQLINGREDIENTS;
    db::QueryDataset OLDSQLMI;

    db::QueryDataset SQLMEAL3;
    db::QueryDataset SQLMT1;
    db::QueryDataset SQLMT2;
    db::QueryDataset SQLMT3;
    db::QueryDataset SQLMT4;
    db::QueryDataset SQLMT5;
    db::QueryDataset SQLMT6;
    db::QueryDataset SHOP;
    db::QueryDataset SHOPINGREDIENTS;

    /// The scratch query nearly every operation issues its statements through.
    db::QueryDataset SQL;

    db::DataSource MEALS_DS;
    db::DataSource MEALTYPE_DS;
    db::DataSource IGROUP_DS;
    db::DataSource SQLMEALS_DS;
    db::DataSource SQLMEAL1_DS;
    db::DataSource SQLMEAL2_DS;
    db::DataSource SQL_GROUPS_DS;
    db::DataSource SQLINGREDIENTS_DS;
    db::DataSource SQLMEAL3_DS;
    db::DataSource SQLMT1_DS;
    db::DataSource SQLMT2_DS;
    db::DataSource SQLMT3_DS;
    db::DataSource SQLMT4_DS;
    db::DataSource SQLMT5_DS;
    db::DataSource SQLMT6_DS;
    db::DataSource SHOP_DS;
    db::DataSource SHOPINGREDIENTS_DS;

    /// The six slot queries in meal-time order ("1" to "6").
    db::QueryDataset &slotQuery(int index);

    /// What the data file was found fit for when it was opened: a book that is read-only says why.
    const datafile::Health &health() const { return m_health; }
    /// Waits for the engine's quick check of the book, which runs beside start-up, and makes the book
    /// read-only when it failed; true when it did so now.
    bool settleHealth();
    /// Called on the window's thread when the quick check, done after start-up, found the book damaged
    /// (the book is read-only by then).
    void whenFoundDamaged(std::function<void()> tell) { m_whenFoundDamaged = std::move(tell); }

private:
    void defineStatements();
    void defineLookups();

    IngredientGroupItems &m_groupItems;
    std::unique_ptr<db::DataFileLock> m_lock;
    datafile::Health m_health;
    std::future<datafile::Health> m_quickCheck;
    std::atomic<void *> m_quickCheckHandle{nullptr};
    std::function<void()> m_whenFoundDamaged;
    struct ReadColumn {
        db::Connection::Version version;
        QStringList values;
    };
    QHash<QString, ReadColumn> m_readColumns;
};
