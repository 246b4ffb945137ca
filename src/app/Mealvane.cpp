#include "Mealvane.h"

#include "FullCheck.h"
#include "TForm1.h"
#include "TForm2.h"
#include "backup/Backups.h"
#include "data/DataFile.h"
#include "data/TDataModule1.h"
#include "planner/TForm5.h"
#include "planner/TForm6.h"
#include "recipes/TForm3.h"
#include "recipes/TForm7.h"
#include "recipes/TForm8.h"
#include "reports/ReportLayout.h"
#include "reports/TReportIngredientsList.h"
#include "reports/TReportRecipe.h"
#include "reports/TReportShoppingList.h"
#include "reports/TReportWeeklyMenu.h"
#include "toolkit/db/DataFileLock.h"
#include "toolkit/db/DbError.h"
#include "toolkit/ui/Clock.h"
#include "toolkit/ui/Dialogs.h"

#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <malloc.h>

namespace {

/// Photographs pass through memory in pieces of megabytes (read, decoded, dropped). Such pieces are given
/// back to the system as soon as they are freed, rather than kept in the heap, where a book of photographs
/// would leave the program hundreds of megabytes larger than it needs to be.
bool returnLargeBlocks() {
    return mallopt(M_MMAP_THRESHOLD, 256 * 1024) == 1;
}

} // namespace

Mealvane::Mealvane(const AppServices &services, const StartupOptions &options)
    : m_services(services)
    , m_dataFile(options.dataFile)
    , m_memory(returnLargeBlocks())
    , m_context(std::make_unique<QObject>()) {
    open(options.splashSteps, options.splashStepMs);
}

void Mealvane::open(int splashSteps, int splashStepMs) {
    m_form1 = std::make_unique<TForm1>(m_services, splashSteps, splashStepMs);
    m_data = std::make_unique<TDataModule1>(*m_form1, m_dataFile);
    m_form1->attachDataModule(*m_data);
    m_data->whenFoundDamaged([this] {
        m_form1->showReadOnly();
        tellAboutTheBook();
    });
    Form2 = new TForm2(m_form1.get());
    m_form1->attachWaitBox(Form2);
    Form3 = new TForm3(*m_form1, *m_data);
    m_form1->attachIngredientDialog(Form3);
    Form5 = new TForm5(m_form1.get());
    Form6 = new TForm6(m_form1.get());
    m_form1->attachSelectors(Form5, Form6);
    ReportRecipe = std::make_unique<TReportRecipe>(m_dataFile);
    Form7 = new TForm7(*m_form1, *m_data);
    ReportIngredientsList = std::make_unique<TReportIngredientsList>(m_dataFile);
    ReportWeeklyMenu = std::make_unique<TReportWeeklyMenu>(m_dataFile);
    ReportShoppingList = std::make_unique<TReportShoppingList>(m_dataFile);

    Form8 = new TForm8(m_form1.get(), *m_data);
    m_form1->attachReports({ReportRecipe.get(), ReportIngredientsList.get(), ReportWeeklyMenu.get(),
                            ReportShoppingList.get(), Form7});
    m_form1->attachPictureViewer(Form8);
    // The window cannot close the book it belongs to: the restore is done once its menu item has returned.
    m_form1->whenRestoring([this](const QString &copy) {
        QTimer::singleShot(0, m_context.get(), [this, copy] { restore(copy); });
    });
}

void Mealvane::close() {
    m_check.reset();
    // The day's copy still being made is given up with the book's connection (the next start makes it);
    // one being checked is let finish, never left half written.
    m_dailySteps.reset();
    if (m_dailyBackup != nullptr)
        m_dailyBackup->wait();
    m_dailyBackup.reset();
    m_dailyCopy.reset();
    // The windows go before the data module: a grid being hidden may still read its dataset's rows.
    m_form1.reset();
    Form2 = nullptr;
    Form3 = nullptr;
    Form5 = nullptr;
    Form6 = nullptr;
    Form7 = nullptr;
    Form8 = nullptr;
    ReportRecipe.reset();
    ReportIngredientsList.reset();
    ReportWeeklyMenu.reset();
    ReportShoppingList.reset();
    m_data.reset();
}

Mealvane::~Mealvane() {
    close();
}

void Mealvane::show() {
    TForm1 &window = *m_form1;
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        // Centred, and never above or left of the screen's free area: on a small or scaled screen the
        // window is made no larger than that area, and its menu bar stays in view.
        const QRect area = screen->availableGeometry();
        QRect frame = window.frameGeometry();
        frame.setSize(frame.size().boundedTo(area.size()));
        frame.moveCenter(area.center());
        frame.moveTopLeft(QPoint(std::max(frame.left(), area.left()), std::max(frame.top(), area.top())));
        window.move(frame.topLeft());
    }
    window.show();
}

void Mealvane::tellAboutTheBook(bool waitForCheck) {
    if (waitForCheck && m_data->settleHealth())
        m_form1->showReadOnly();
    const datafile::Health &health = m_data->health();
    if (health.message.isEmpty())
        return;
    if (health.state != datafile::Health::State::Damaged) {
        m_services.dialogs.showInformation(health.message);
        return;
    }
    m_services.dialogs.showError(health.message);
    offerSalvage(m_services, m_dataFile);
}

void Mealvane::checkInTheBackground() {
    if (m_data->health().readOnly())
        return;
    m_check = std::make_unique<FullCheck>(m_dataFile, [this](const QString &problem) {
        // The quick check, running as well, may have found it first: the book is told about once.
        if (m_data->settleHealth()) {
            m_form1->showReadOnly();
            tellAboutTheBook();
            return;
        }
        if (m_data->ADOConnectionMain.isReadOnly())
            return;
        m_data->ADOConnectionMain.setReadOnly(QCoreApplication::translate("Mealvane", "it is damaged"));
        m_form1->showReadOnly();
        m_services.dialogs.showError(
            problem + QCoreApplication::translate(
                          "Mealvane",
                          "\n\nFrom now on Mealvane keeps it read-only, so that nothing more of it is "
                          "lost: what you saved before is in it, but nothing more is saved."));
        offerSalvage(m_services, m_dataFile);
    });
}

void offerSalvage(const AppServices &services, const QString &path) {
    if (!services.dialogs.confirm(QCoreApplication::translate(
            "Mealvane", "Save what can be read of the damaged recipe book into a new file?")))
        return;
    const QFileInfo damaged(path);
    const QString suggested =
        damaged.dir().filePath(damaged.completeBaseName() +
                               QStringLiteral("-saved-%1.mdb")
                                   .arg(services.clock.now().toString(QStringLiteral("yyyy-MM-dd-HHmm"))));
    const QString target = services.dialogs.saveFileName(
        QStringLiteral("Save What Can Be Read"),
        {QCoreApplication::translate("Mealvane", "Recipe books (*.mdb)")}, suggested);
    if (target.isEmpty())
        return;
    try {
        const datafile::Salvage saved = datafile::salvage(path, target);
        QString text = QCoreApplication::translate("Mealvane", "Saved %1 recipes (%2 rows in all) into '%3'.")
                           .arg(saved.recipes)
                           .arg(saved.rows)
                           .arg(QDir::toNativeSeparators(QFileInfo(target).absoluteFilePath()));
        if (!saved.lost.isEmpty())
            text += QCoreApplication::translate("Mealvane", " Could not be read: %1.")
                        .arg(saved.lost.join(QStringLiteral("; ")));
        text +=
            QCoreApplication::translate(
                "Mealvane", "\n\nTo use it, close Mealvane, keep the damaged file somewhere else, and put "
                            "the new one in its place as '%1'.")
                .arg(damaged.fileName());
        services.dialogs.showInformation(text);
    } catch (const db::DbError &error) {
        services.dialogs.showError(
            QCoreApplication::translate("Mealvane", "Nothing could be saved: %1").arg(error.message()));
    }
}

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Mealvane"));
    // Ties the windows to the desktop entry, for the icon and the window list.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.mealvane.Mealvane"));
}

void showBusyWhileWaiting() {
    db::Connection::setWaitIndicator([](bool waiting) {
        if (waiting) {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            // Lets the cursor reach the screen; input stays queued until the statement is done.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        } else {
            QGuiApplication::restoreOverrideCursor();
        }
    });
}

int runMealvane(const AppServices &services, const StartupOptions &options) {
    showBusyWhileWaiting();
    std::unique_ptr<Mealvane> program;
    try {
        program = std::make_unique<Mealvane>(services, options);
    } catch (const db::DataFileInUse &error) {
        services.dialogs.showInformation(error.message());
        return 2;
    } catch (const db::DbError &error) {
        services.dialogs.showError(error.message());
        // A damaged book that cannot even be shown may still give up most of its rows.
        if (datafile::examine(options.dataFile).state == datafile::Health::State::Damaged)
            offerSalvage(services, options.dataFile);
        return 1;
    }
    program->show();
    program->tellAboutTheBook();
    program->backUpForTheDay();
    const QDate today = services.clock.now().date();
    if (options.dailyFullCheck && fullCheckDue(options.dataFile, today))
        program->checkInTheBackground();
    const int status = QApplication::exec();
    if (const FullCheck *check = program->fullCheck(); check != nullptr && check->passed())
        noteFullCheckPassed(options.dataFile, today);
    return status;
}
