#include "TDataModule1.h"

#include "search/SearchQuery.h"

#include "DataFile.h"
#include "IngredientGroupItems.h"
#include "toolkit/db/DataFileLock.h"
#include "toolkit/db/DbError.h"

#include <QStringList>
#include <sqlite3.h>

namespace {

QString lines(std::initializer_list<const char *> parts) {
    QStringList list;
    for (const char *part : parts)
        list << QString::fromUtf8(part);
    return list.join(u'\n');
}

} // namespace

TDataModule1::TDataModule1(IngredientGroupItems &groupItems, const QString &dataFile, QObject *parent)
    : QObject(parent)
    , ADOConnectionMain(dataFile)
    , OldConnection(QString::fromLatin1(OldDataFile))
    , MEALS(QStringLiteral("MEALS"), ADOConnectionMain, QStringLiteral("Meal"), this)
    , MEALTYPE(QStringLiteral("MEALTYPE"), ADOConnectionMain, QStringLiteral("Meal_Type"), this)
    , IGROUP(QStringLiteral("IGROUP"), ADOConnectionMain, QStringLiteral("IGroup"), this)
    , OLDMeals(QStringLiteral("OLDMeals"), OldConnection, QStringLiteral("Meal"), this)
    , SQLMEALS(QStringLiteral("SQLMEALS"), ADOConnectionMain, this)
    , SQLMEAL1(QStringLiteral("SQLMEAL1"), ADOConnectionMain, this)
    , SQLMEAL2(QStringLiteral("SQLMEAL2"), ADOConnectionMain, this)
    , SQLSHOP(QStringLiteral("SQLSHOP"), ADOConnectionMain, this)
    , SQLGROUPS(QStringLiteral("SQLGROUPS"), ADOConnectionMain, this)
    , SQLINGREDIENTS(QStringLiteral("SQLINGREDIENTS"), ADOConnectionMain, this)
    , OLDSQLMI(QStringLiteral("OLDSQLMI"), OldConnection, this)
    , SQLMEAL3(QStringLiteral("SQLMEAL3"), ADOConnectionMain, this)
    , SQLMT1(QStringLiteral("SQLMT1"), ADOConnectionMain, this)
    , SQLMT2(QStringLiteral("SQLMT2"), ADOConnectionMain, this)
    , SQLMT3(QStringLiteral("SQLMT3"), ADOConnectionMain, this)
    , SQLMT4(QStringLiteral("SQLMT4"), ADOConnectionMain, this)
    , SQLMT5(QStringLiteral("SQLMT5"), ADOConnectionMain, this)
    , SQLMT6(QStringLiteral("SQLMT6"), ADOConnectionMain, this)
    , SHOP(QStringLiteral("SHOP"), ADOConnectionMain, this)
    , SHOPINGREDIENTS(QStringLiteral("SHOPINGREDIENTS"), ADOConnectionMain, this)
    , SQL(QStringLiteral("SQL"), ADOConnectionMain, this)
    , MEALS_DS(QStringLiteral("MEALS_DS"), MEALS, this)
    , MEALTYPE_DS(QStringLiteral("MEALTYPE_DS"), MEALTYPE, this)
    , IGROUP_DS(QStringLiteral("IGROUP_DS"), IGROUP, this)
    , SQLMEALS_DS(QStringLiteral("SQLMEALS_DS"), SQLMEALS, this)
    , SQLMEAL1_DS(QStringLiteral("SQLMEAL1_DS"), SQLMEAL1, this)
    , SQLMEAL2_DS(QStringLiteral("SQLMEAL2_DS"), SQLMEAL2, this)
    , SQL_GROUPS_DS(QStringLiteral("SQL_GROUPS_DS"), SQLGROUPS, this)
    , SQLINGREDIENTS_DS(QStringLiteral("SQLINGREDIENTS_DS"), SQLINGREDIENTS, this)
    , SQLMEAL3_DS(QStringLiteral("SQLMEAL3_DS"), SQLMEAL3, this)
    , SQLMT1_DS(QStringLiteral("SQLMT1_DS"), SQLMT1, this)
    , SQLMT2_DS(QStringLiteral("SQLMT2_DS"), SQLMT2, this)
    , SQLMT3_DS(QStringLiteral("SQLMT3_DS"), SQLMT3, this)
    , SQLMT4_DS(QStringLiteral("SQLMT4_DS"), SQLMT4, this)
    , SQLMT5_DS(QStringLiteral("SQLMT5_DS"), SQLMT5, this)
    , SQLMT6_DS(QStringLiteral("SQLMT6_DS"), SQLMT6, this)
    , SHOP_DS(QStringLiteral("SHOP_DS"), SHOP, this)
    , SHOPINGREDIENTS_DS(QStringLiteral("SHOPINGREDIENTS_DS"), SHOPINGREDIENTS, this)
    , m_groupItems(groupItems) {
    setObjectName(QStringLiteral("DataModule1"));
    defineStatements();
    defineLookups();

    connect(&IGROUP, &db::Dataset::afterEdit, this, &TDataModule1::IGROUPAfterEdit);
    connect(&IGROUP, &db::Dataset::afterPost, this, &TDataModule1::IGROUPAfterEdit);
    connect(&SQLGROUPS, &db::Dataset::afterOpen, this, &TDataModule1::SQLGROUPSAfterOpen);

    m_lock = std::make_unique<db::DataFileLock>(dataFile);
    // A file that is damaged, of a layout this build does not know or that cannot be written is opened
    // read-only and never brought up to the schema: nothing is written to it.
    m_health = datafile::examine(dataFile, false);
    if (m_health.state == datafile::Health::State::Unusable)
        throw db::DbError(m_health.message);
    if (m_health.readOnly()) {
        ADOConnectionMain.setReadOnly(m_health.reason);
    } else {
        // The quick check reads every page of the book: it runs beside start-up, and nothing is written
        // before it has passed.
        m_quickCheck = std::async(std::launch::async, [this, dataFile] {
            datafile::Health found =
                datafile::quickCheck(dataFile, [this](void *handle) { m_quickCheckHandle.store(handle); });
            if (found.state == datafile::Health::State::Damaged)
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        if (settleHealth() && m_whenFoundDamaged)
                            m_whenFoundDamaged();
                    },
                    Qt::QueuedConnection);
            return found;
        });
        ADOConnectionMain.setWriteGate([this] { settleHealth(); });
    }
    // Of a damaged book, the part start-up reads first may be among what is lost.
    const auto cannotShow = [this] {
        return db::DbError(m_health.message.section(QStringLiteral("\n\n"), 0, 0) +
                           QStringLiteral(" Mealvane cannot show it: the recipes and lists it opens with are "
                                          "among what is lost."));
    };
    try {
        ADOConnectionMain.open();
    } catch (const db::DbError &) {
        settleHealth();
        if (m_health.state == datafile::Health::State::Damaged)
            throw cannotShow();
        throw;
    }
    ADOConnectionMain.addPlan(search::plannedOnly);
    if (!m_health.readOnly()) {
        try {
            datafile::upgrade(ADOConnectionMain);
        } catch (const db::DbError &) {
            // A book the quick check found damaged is left as it is.
            if (m_health.state != datafile::Health::State::Damaged)
                throw;
        }
    }
    // The groups come in the order of the way through the shop, where the book keeps one (a book that
    // cannot be written may be of a layout before it).
    {
        db::Statement positioned(ADOConnectionMain,
                                 QStringLiteral("SELECT count(*) FROM pragma_table_info('IGroup') WHERE "
                                                "name='IGROUP_POSITION'"));
        IGROUP.setOrder(
            positioned.step() && positioned.value(0).toInt() > 0
                ? QStringLiteral("IGROUP_POSITION IS NULL, IGROUP_POSITION, IGROUP_NAME, IGROUP_ID")
                : QString());
    }
    for (db::Dataset *dataset :
         std::initializer_list<db::Dataset *>{&MEALS, &MEALTYPE, &IGROUP, &SQLMEALS, &SQLMEAL1, &SQLMEAL2,
                                              &SQLSHOP, &SQLGROUPS, &SQLINGREDIENTS}) {
        try {
            dataset->open();
        } catch (const db::DbError &error) {
            settleHealth();
            if (m_health.state == datafile::Health::State::Damaged)
                throw cannotShow();
            throw db::DbError(QStringLiteral("%1: %2").arg(dataset->objectName(), error.message()));
        }
    }
}

bool TDataModule1::settleHealth() {
    if (!m_quickCheck.valid())
        return false;
    const datafile::Health found = m_quickCheck.get();
    if (found.state != datafile::Health::State::Damaged)
        return false;
    m_health = found;
    ADOConnectionMain.setReadOnly(found.reason);
    return true;
}

TDataModule1::~TDataModule1() {
    if (m_quickCheck.valid()) {
        // A check of a large book still running when the program closes is stopped.
        if (void *handle = m_quickCheckHandle.load())
            sqlite3_interrupt(static_cast<sqlite3 *>(handle));
        m_quickCheck.wait();
    }
    // A book deleted while the program ran is put back as it was, rather than lost with the last handle.
    ADOConnectionMain.putBackIfDeleted();
}

void TDataModule1::defineStatements() {
    // The recipe page shows one recipe at a time: its method and flags are read when it is shown.
    MEALS.holdOnly({QStringLiteral("Meal_ID"), QStringLiteral("Meal_Name"), QStringLiteral("Meal_Type")});
    // Pages that re-read it to pick up changes take the rows again when nothing was written since.
    MEALS.keepReads(1);
    SQLMEALS.setSql(QStringLiteral("SELECT * FROM MEAL ORDER BY MEAL_NAME;"));
    // The lists over it show names; the rest of a recipe is read when it is asked for.
    SQLMEALS.holdOnly({QStringLiteral("Meal_ID"), QStringLiteral("Meal_Name")});
    // So does the planner's meal list.
    SQLMEAL3.holdOnly({QStringLiteral("Meal_ID"), QStringLiteral("Meal_Name"), QStringLiteral("Meal_Type")});
    // One list for each meal time and type the user moves between, read again only after a write.
    SQLMEAL3.keepReads(6);
    SQLMEAL1.setSql(lines({
        "SELECT DISTINCT Made_With.Meal_ID, Ingredients.Ingredients_ID,Ingredients.Ingredients_Description, "
        "Ingredients.Ingredients_Group",
        "FROM Made_With INNER JOIN Ingredients ON Made_With.Ingredients_ID = Ingredients.Ingredients_ID",
        "WHERE Made_With.Meal_ID = :xMeal_ID",
        "ORDER BY Ingredients.Ingredients_Group,Ingredients.Ingredients_Description;",
    }));
    SQLMEAL1.declareParameter(QStringLiteral("xMeal_ID"));
    SQLMEAL2.setSql(lines({
        "SELECT ingredients_id,Ingredients_Description, Ingredients_Group",
        "FROM Ingredients",
        "WHERE Ingredients_ID NOT IN(",
        "SELECT Ingredients.Ingredients_Id",
        "FROM Made_With INNER JOIN Ingredients ON Made_With.Ingredients_ID = Ingredients.Ingredients_ID",
        "WHERE Made_With.Meal_ID = :xMeal_ID) ",
        "ORDER BY Ingredients.Ingredients_Description;",
    }));
    SQLMEAL2.declareParameter(QStringLiteral("xMeal_ID"));
    SQLSHOP.setSql(lines({
        "SELECT  Ingredients.Ingredients_Description, Ingredients.Ingredients_Group, "
        "Count(Ingredients.Ingredients_ID) AS NumberOfMeals",
        "FROM Menu, Meal, Made_With, Ingredients",
        "WHERE (((Menu.Meal_ID)=[Meal].[Meal_ID]) AND ((Meal.Meal_ID)=[Made_With].[Meal_ID]) AND "
        "((Made_With.Ingredients_ID)=[Ingredients].[Ingredients_ID]) AND ((Menu.Week_Number)=:xWeek)) AND "
        "((Menu.Year_Number)=:xYear)",
        "GROUP BY Ingredients.Ingredients_Description,Ingredients.Ingredients_Group;",
    }));
    SQLSHOP.declareParameter(QStringLiteral("xWeek"));
    SQLSHOP.declareParameter(QStringLiteral("xYear"));
    SQLGROUPS.setSql(QStringLiteral("SELECT * FROM IGROUP ORDER BY IGROUP_NAME"));
    SQLINGREDIENTS.setSql(QStringLiteral("SELECT * FROM INGREDIENTS ORDER BY INGREDIENTS_DESCRIPTION"));
    OLDSQLMI.setSql(lines({
        "SELECT DISTINCT Made_With.Meal_ID, Ingredients.Ingredients_ID,Ingredients.Ingredients_Description",
        "FROM Made_With INNER JOIN Ingredients ON Made_With.Ingredients_ID = Ingredients.Ingredients_ID",
        "WHERE Made_With.Meal_ID = :xMeal_ID",
        "ORDER BY Ingredients.Ingredients_Description;",
    }));
    OLDSQLMI.declareParameter(QStringLiteral("xMeal_ID"));
}

void TDataModule1::defineLookups() {
    const db::LookupDef type{QStringLiteral("Meal_Type"), &MEALTYPE, QStringLiteral("ID"),
                             QStringLiteral("Type")};
    const db::LookupDef group{QStringLiteral("Ingredients_Group"), &IGROUP, QStringLiteral("IGROUP_ID"),
                              QStringLiteral("IGROUP_NAME")};
    MEALS.addLookupField(QStringLiteral("Type"), type);
    for (int k = 0; k < 6; ++k)
        slotQuery(k).addLookupField(QStringLiteral("MT"), type);
    SQLMEAL1.addLookupField(QStringLiteral("Group"), group);
    SQLMEAL2.addLookupField(QStringLiteral("IGroup"), group);
    SQLSHOP.addLookupField(QStringLiteral("IGroup"), group);
    SQLINGREDIENTS.addLookupField(QStringLiteral("IGroup"), group);
    SHOPINGREDIENTS.addLookupField(QStringLiteral("GROUP"), group);
}

db::QueryDataset &TDataModule1::slotQuery(int index) {
    db::QueryDataset *queries[] = {&SQLMT1, &SQLMT2, &SQLMT3, &SQLMT4, &SQLMT5, &SQLMT6};
    return *queries[index];
}

void TDataModule1::runSql(const QString &statement) {
    SQL.run(statement);
}

QStringList TDataModule1::firstColumn(const QString &statement) {
    const db::Connection::Version now = ADOConnectionMain.versionFor(statement);
    const auto kept = m_readColumns.constFind(statement);
    if (kept != m_readColumns.cend() && kept->version == now)
        return kept->values;
    runSql(statement);
    QStringList values;
    values.reserve(SQL.recordCount());
    for (int r = 0; r < SQL.recordCount(); ++r)
        values << SQL.value(r, 0).toString();
    SQL.close();
    m_readColumns.insert(statement, {now, values});
    return values;
}

void TDataModule1::IGROUPAfterEdit() {
    SQLGROUPS.close();
    SQLGROUPS.open();
}

void TDataModule1::SQLGROUPSAfterOpen() {
    QStringList names;
    names.reserve(SQLGROUPS.recordCount());
    for (SQLGROUPS.first(); !SQLGROUPS.eof(); SQLGROUPS.next())
        names << SQLGROUPS.field(QStringLiteral("IGROUP_NAME")).asString();
    m_groupItems.setIngredientGroupItems(names);
}
