// File > Export Recipes... and File > Export Week...: the book's recipes and the selected week written out
// in open formats.
#include "RecipeExport.h"
#include "WeekExport.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "toolkit/db/Connection.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/ReportPreview.h"
#include "toolkit/widgets/VaneDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QListWidget>
#include <QProgressDialog>
#include <QRadioButton>
#include <QSaveFile>
#include <QVBoxLayout>

namespace {

/// The box that asks what to export and in which format.
class ExportDialog : public VaneDialog {
public:
    ExportDialog(db::Connection &connection, int found, QWidget *owner)
        : VaneDialog(QStringLiteral("ExportDialog"), tr("Export Recipes"),
                     tr("  Write recipes out as web pages or as a MealMaster file"), owner) {
        auto *what = new QGroupBox(tr("Recipes"), this);
        auto *whatLayout = new QVBoxLayout(what);
        all = radio(what, "ExportAll", "&All recipes");
        all->setChecked(true);
        ofType = radio(what, "ExportType", "The recipes of the &type:");
        types = new QComboBox(what);
        types->setObjectName(QStringLiteral("ExportTypes"));
        types->setAccessibleName(tr("Recipe type"));
        db::Statement s(connection, QStringLiteral("SELECT ID, Type FROM Meal_Type ORDER BY Type"));
        while (s.step())
            types->addItem(s.value(1).toString(), s.value(0));
        types->setEnabled(false);
        ofType->setEnabled(types->count() > 0);
        connect(ofType, &QRadioButton::toggled, types, &QWidget::setEnabled);
        searched = radio(what, "ExportFound",
                         found > 0 ? tr("The recipes &found by the search (%1)").arg(found)
                                   : tr("The recipes &found by the search (none yet)"));
        searched->setEnabled(found > 0);
        for (QWidget *w : std::initializer_list<QWidget *>{all, ofType, types, searched})
            whatLayout->addWidget(w);
        auto *format = new QGroupBox(tr("Format"), this);
        auto *formatLayout = new QVBoxLayout(format);
        pages = radio(format, "ExportWebPages", "&Web pages, one a recipe, with its picture");
        pages->setChecked(true);
        mealMaster = radio(format, "ExportMealMaster", "One &MealMaster file");
        formatLayout->addWidget(pages);
        formatLayout->addWidget(mealMaster);
        body()->addWidget(what);
        body()->addWidget(format);
        addButtons();
        resize(sizeHint().expandedTo(QSize(460, 0)));
    }

    QRadioButton *all, *ofType, *searched, *pages, *mealMaster;
    QComboBox *types;

private:
    QRadioButton *radio(QWidget *parent, const char *name, const QString &caption) {
        auto *button = new QRadioButton(caption, parent);
        button->setObjectName(QLatin1String(name));
        return button;
    }
};

} // namespace

void TForm1::exportRecipes() {
    db::Connection &c = m_data->ADOConnectionMain;
    QStringList found;
    for (int i = 0; lbResult != nullptr && i < lbResult->count(); ++i)
        found << lbResult->item(i)->text();
    ExportDialog dialog(c, int(found.size()), this);
    showModal(dialog);
    if (dialog.result() != QDialog::Accepted)
        return;
    const QString folder = m_services.dialogs.folderName(tr("Export Recipes To"));
    if (folder.isEmpty())
        return;
    QList<qint64> ids;
    {
        BusyCursor busy;
        if (dialog.ofType->isChecked())
            ids = recipeexport::recipesOfType(c, dialog.types->currentData().toLongLong());
        else if (dialog.searched->isChecked())
            ids = recipeexport::recipesNamed(c, found);
        else
            ids = recipeexport::allRecipes(c);
    }
    if (ids.isEmpty()) {
        m_services.dialogs.showInformation(tr("There are no recipes to export."));
        return;
    }
    QProgressDialog progress(tr("Writing the recipes..."), tr("Cancel"), 0, int(ids.size()), this);
    progress.setObjectName(QStringLiteral("ExportProgress"));
    progress.setWindowTitle(tr("Export Recipes"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    const recipeexport::Progress step = [&progress](int written) {
        progress.setValue(written);
        QApplication::processEvents();
        return !progress.wasCanceled();
    };
    const bool asPages = dialog.pages->isChecked();
    const recipeexport::Written written = asPages ? recipeexport::writeWebPages(c, ids, folder, step)
                                                  : recipeexport::writeMealMaster(c, ids, folder, step);
    progress.close();
    const QString where = QDir::toNativeSeparators(written.where);
    const bool one = written.recipes == 1;
    if (!written.failure.isEmpty()) {
        m_services.dialogs.showError(
            (one ? tr("The export stopped: %1. %2 recipe was written to %3 before it did.")
                 : tr("The export stopped: %1. %2 recipes were written to %3 before it did."))
                .arg(written.failure, QString::number(written.recipes), where));
        return;
    }
    if (written.recipes < ids.size()) {
        tellDone(tr("The export was cancelled"));
        if (asPages)
            m_services.dialogs.showInformation(
                (one ? tr("The export was cancelled: %1 recipe was written to %2.")
                     : tr("The export was cancelled: %1 recipes were written to %2."))
                    .arg(QString::number(written.recipes), where));
        return;
    }
    m_services.dialogs.showInformation(
        (one ? tr("%1 recipe was written to %2.") : tr("%1 recipes were written to %2."))
            .arg(QString::number(written.recipes), where));
    tellDone(tr("Exported %1 recipes").arg(written.recipes));
}

void TForm1::exportWeek() {
    const QString suggested =
        QDir(QDir::homePath())
            .filePath(QStringLiteral("Mealvane week %1 of %2.txt").arg(SelectedWeek).arg(SelectedYear));
    QString path = m_services.dialogs.saveFileName(
        tr("Export Week"), {tr("Plain text (*.txt)"), tr("Spreadsheet, comma-separated (*.csv)")}, suggested);
    if (path.isEmpty())
        return;
    const bool asCsv = QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".txt");
    QByteArray bytes;
    {
        BusyCursor busy;
        db::Connection &c = m_data->ADOConnectionMain;
        // With its byte order mark, a spreadsheet reads the accents of the file as they are.
        bytes = asCsv ? "\xEF\xBB\xBF" + weekexport::csv(c, SelectedWeek, SelectedYear).toUtf8()
                      : weekexport::text(c, SelectedWeek, SelectedYear).toUtf8();
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_services.dialogs.showError(tr("The week could not be written to %1: %2")
                                         .arg(QDir::toNativeSeparators(path), file.errorString()));
        return;
    }
    tellDone(tr("Week %1 written to %2").arg(SelectedWeek).arg(QDir::toNativeSeparators(path)));
}
