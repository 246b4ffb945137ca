// Importing recipes, with their ingredients, from an older data file.
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "data/DataFile.h"
#include "data/OlderDataFile.h"
#include "data/TDataModule1.h"
#include "recipes/RecipeFileImport.h"
#include "recipes/WebImport.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/SqlText.h"
#include "toolkit/db/Transaction.h"
#include "toolkit/model/PlainName.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/VaneDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

/// The key of the first catalogue ingredient of that description, creating one without a group when there
/// is none.
qint64 ingredientFor(TDataModule1 &data, const QString &description) {
    const QString find =
        QStringLiteral("select Ingredients_ID from Ingredients where Ingredients_Description=") +
        sql::literal(description);
    data.runSql(QStringLiteral("select Ingredients_ID,Ingredients_Description from Ingredients where "
                               "Ingredients_Description=") +
                sql::literal(description));
    if (data.SQL.isEmpty()) {
        data.SQL.close();
        data.runSql(QStringLiteral("INSERT INTO INGREDIENTS (INGREDIENTS_DESCRIPTION) VALUES(") +
                    sql::literal(description) + u')');
        data.runSql(find);
    }
    const qint64 id = data.SQL.value(0, 0).toLongLong();
    data.SQL.close();
    return id;
}

/// Copies one recipe of the older file, at the current row of `OLDMeals`, with its ingredients.
void importRecipe(TDataModule1 &data, const QString &name) {
    db::Transaction transaction(data.ADOConnectionMain);
    db::TableDataset &meals = data.MEALS;
    const db::TableDataset &old = data.OLDMeals;
    meals.append();
    meals.setValue(QStringLiteral("meal_name"), name);
    meals.setValue(QStringLiteral("meal_recipe"), old.field(QStringLiteral("meal_recipe")).asString());
    for (const char *flag : {"meal_morning", "meal_snack", "meal_noon", "meal_night", "meal_dessert"})
        meals.setValue(QLatin1String(flag), old.field(QLatin1String(flag)).value());
    try {
        meals.post();
    } catch (const db::DbError &) {
        meals.cancel();
        throw;
    }
    const qint64 newId = meals.field(QStringLiteral("meal_id")).asInteger();
    db::QueryDataset &links = data.OLDSQLMI;
    links.close();
    links.setParameter(QStringLiteral("xMeal_ID"), old.field(QStringLiteral("meal_id")).asInteger());
    links.open();
    for (links.first(); !links.eof(); links.next()) {
        QApplication::processEvents();
        const qint64 ingredient =
            ingredientFor(data, plainName(links.field(QStringLiteral("Ingredients_Description")).asString()));
        data.runSql(QStringLiteral("INSERT INTO MADE_WITH VALUES(") + sql::number(newId) + u',' +
                    sql::number(ingredient) + u')');
    }
    transaction.commit();
}

} // namespace

void TForm1::rereadAfterImport() {
    // The recipe lists show the new recipes, and the catalogue the ingredients the import made.
    for (db::Dataset *dataset : std::initializer_list<db::Dataset *>{
             &m_data->SQLMEALS, &m_data->MEALS, &m_data->SQLINGREDIENTS, &m_data->MEALTYPE}) {
        dataset->close();
        dataset->open();
    }
}

void TForm1::attachWaitBox(TForm2 *waitBox) {
    m_waitBox = waitBox;
}

QString TForm1::importCopyPath() const {
    if (!importCopy.isEmpty())
        return importCopy;
    // A scratch file of the user's own: the program's folder is read-only once it is installed.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return QDir(cache).filePath(QStringLiteral("mealvane/MealvaneDataOld.mdb"));
}

void TForm1::Action14Execute() {
    if (m_importing)
        return;
    db::Connection &old = m_data->OldConnection;
    m_data->OLDMeals.close();
    m_data->OLDSQLMI.close();
    old.close();
    const QString chosen = m_services.dialogs.openFileName(QStringLiteral("Import Meals from Older DB"),
                                                           {tr("MDB Files (*.mdb)"), tr("All Files (*)")});
    if (chosen.isEmpty() || !QFileInfo::exists(chosen))
        return;
    if (!backUpBeforeChange(tr("the import")))
        return;
    // The older file is never opened itself: the import reads a fresh copy of it.
    const QString copy = importCopyPath();
    const QString folder = QFileInfo(copy).absolutePath();
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isWritable()) {
        m_services.dialogs.showError(
            tr("The import needs a folder of its own for a copy of the older file, and '%1' "
               "cannot be written. Nothing was imported.")
                .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    bool connected = olddata::convert(chosen, copy);
    if (connected) {
        old.setDataSource(copy);
        try {
            old.open();
        } catch (const db::DbError &) {
            connected = false;
        }
    }
    if (!connected) {
        m_services.dialogs.showInformation(
            tr("Cannot connect to old database, possibly you chose wrong file!"));
        return;
    }
    // Nothing else may change the recipe book meanwhile: the wait box holds the user's input and run()
    // turns away whatever arrives by another route.
    m_importing = true;
    const auto done = qScopeGuard([this] { m_importing = false; });
    if (m_waitBox != nullptr)
        m_waitBox->showCentred();
    // The import is one transaction: every recipe of the file arrives (or is skipped by its name), or none.
    QString failure;
    int imported = 0;
    int skipped = 0;
    try {
        db::Transaction whole(m_data->ADOConnectionMain);
        db::TableDataset &meals = m_data->OLDMeals;
        meals.open();
        for (meals.first(); !meals.eof(); meals.next()) {
            QApplication::processEvents();
            const QString name = plainName(meals.field(QStringLiteral("meal_name")).asString());
            m_data->runSql(QStringLiteral("select count(*) from meal where meal_name=") + sql::literal(name));
            const qint64 present = m_data->SQL.value(0, 0).toLongLong();
            m_data->SQL.close();
            if (present == 0) {
                importRecipe(*m_data, name);
                ++imported;
            } else {
                ++skipped;
            }
        }
        whole.commit();
    } catch (const db::DbError &error) {
        failure = error.message();
    }
    if (m_waitBox != nullptr)
        m_waitBox->hide();
    m_data->OLDMeals.close();
    m_data->OLDSQLMI.close();
    old.close();
    rereadAfterImport();
    if (failure.isEmpty()) {
        m_services.dialogs.showInformation(tr("Importing has been done!"));
        tellDone(tr("Imported %1 recipes, skipped %2").arg(imported).arg(skipped));
    } else
        m_services.dialogs.showError(tr("The import stopped, and nothing of it was kept: %1").arg(failure));
}

void TForm1::Action15Execute() {
    if (!CheckChanges())
        return;
    const QStringList files = m_services.dialogs.openFileNames(
        QStringLiteral("Import Recipes from Files"),
        {tr("Recipe files (*.html *.htm *.mmf *.mxp *.txt)"), tr("All Files (*)")});
    if (files.isEmpty() || !backUpBeforeChange(tr("the import")))
        return;
    // As with the older data file: nothing else may change the book meanwhile.
    m_importing = true;
    const auto done = qScopeGuard([this] { m_importing = false; });
    if (m_waitBox != nullptr)
        m_waitBox->showCentred();
    recipefiles::ImportCounts counts;
    QString failure;
    try {
        counts = recipefiles::importFiles(
            *m_data, files, [] { QApplication::processEvents(); }, &failure);
    } catch (const db::DbError &error) {
        // The book could not be read to begin with (another program's lock): nothing was written.
        failure = error.message();
    }
    if (m_waitBox != nullptr)
        m_waitBox->hide();
    rereadAfterImport();
    if (!failure.isEmpty()) {
        m_services.dialogs.showError(
            tr("The import stopped: %1\n\n%2")
                .arg(datafile::householdMessage(failure), recipefiles::importReport(counts)));
        return;
    }
    m_services.dialogs.showInformation(recipefiles::importReport(counts));
    tellDone(tr("Imported %1 recipes, skipped %2").arg(counts.imported).arg(counts.skipped));
}

void TForm1::importFromWebAddress() {
    if (!CheckChanges())
        return;
    VaneDialog dialog(QStringLiteral("WebAddressDialog"), QStringLiteral("Import from Web Address"),
                      QStringLiteral("Recipes straight from their pages"), this);
    auto *caption = new QLabel(tr("&Addresses:"), &dialog);
    auto *box = new QPlainTextEdit(&dialog);
    box->setObjectName(QStringLiteral("WebAddresses"));
    box->setAccessibleName(tr("Addresses"));
    box->setPlaceholderText(tr("https://... (one address a line)"));
    box->setTabChangesFocus(true);
    caption->setBuddy(box);
    // An address on the clipboard is offered.
    const QString clipped = QApplication::clipboard()->text().trimmed();
    if (clipped.startsWith(QLatin1String("http://")) || clipped.startsWith(QLatin1String("https://")))
        box->setPlainText(clipped);
    dialog.body()->addWidget(caption);
    dialog.body()->addWidget(box, 1);
    dialog.addButtons(tr("Import"))->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Import"));
    dialog.resize(560, 260);
    showModal(dialog);
    if (dialog.result() != QDialog::Accepted)
        return;
    importAddresses(box->toPlainText().split(u'\n', Qt::SkipEmptyParts));
}

void TForm1::importAddresses(const QStringList &addresses) {
    if (addresses.isEmpty() || !backUpBeforeChange(tr("the import")))
        return;
    m_importing = true;
    const auto done = qScopeGuard([this] { m_importing = false; });
    // A progress box with Cancel; the window stays drawn while the pages come.
    QProgressDialog progress(tr("Fetching the recipes..."), tr("Cancel"), 0, 0, this);
    progress.setObjectName(QStringLiteral("WebImportProgress"));
    progress.setWindowTitle(QStringLiteral("Import from Web Address"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    recipefiles::ImportCounts counts;
    QString failure;
    try {
        counts = webimport::importAddresses(
            *m_data, addresses, [] { QApplication::processEvents(); },
            [&progress, this] { return progress.wasCanceled() || webImportCancelled(); }, &failure);
    } catch (const db::DbError &error) {
        failure = error.message();
    }
    progress.close();
    rereadAfterImport();
    if (!failure.isEmpty()) {
        m_services.dialogs.showError(
            tr("The import stopped: %1\n\n%2")
                .arg(datafile::householdMessage(failure),
                     recipefiles::importReport(counts, QStringLiteral("addresses"))));
        return;
    }
    m_services.dialogs.showInformation(recipefiles::importReport(counts, QStringLiteral("addresses")));
    tellDone(tr("Imported %1 recipes, skipped %2").arg(counts.imported).arg(counts.skipped));
}
