// The copies of the book the program makes before a change of many rows, and at the first start of a day.
#include "Backups.h"
#include "RestoreDialog.h"
#include "app/Mealvane.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"
#include "toolkit/ui/Clock.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/ReportPreview.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLocale>
#include <QScopeGuard>
#include <QThread>
#include <QTimer>
#include <future>

namespace {

/// Makes a copy on a thread of its own while the window goes on being drawn and answering.
backups::Made makeWhileDrawing(const QString &dataFile, const QDateTime &now, backups::Reason reason) {
    const QString folder = backups::folder();
    std::future<backups::Made> copying = std::async(std::launch::async, [=] {
        backups::Made made = backups::make(dataFile, folder, now, reason);
        if (made.failure.isEmpty())
            backups::prune(folder, now);
        return made;
    });
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (copying.wait_for(std::chrono::seconds(0)) == std::future_status::ready)
            loop.quit();
    });
    poll.start(20);
    // A book of a few megabytes is copied in a moment; only a longer copy lets the window be drawn meanwhile.
    if (copying.wait_for(std::chrono::milliseconds(150)) != std::future_status::ready)
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    return copying.get();
}

} // namespace

bool TForm1::backUpBeforeChange(const QString &change) {
    if (m_readOnly || m_data == nullptr)
        return true;
    // Nothing else may start while the copy is made: the window is drawn meanwhile.
    const bool importing = m_importing;
    m_importing = true;
    const auto done = qScopeGuard([this, importing] { m_importing = importing; });
    BusyCursor busy;
    tellDone(tr("Making a backup of the recipe book..."));
    const backups::Made made = makeWhileDrawing(m_data->ADOConnectionMain.dataSource(),
                                                m_services.clock.now(), backups::Reason::BeforeChange);
    if (made.failure.isEmpty()) {
        tellDone(made.same ? tr("The newest backup holds the book as it is")
                           : tr("Backup made: %1").arg(QDir::toNativeSeparators(made.path)));
        return true;
    }
    return m_services.dialogs.confirm(
        tr("No backup of the recipe book could be made before %1: %2. The book itself is "
           "untouched.\n\nGo on without a backup?")
            .arg(change, made.failure));
}

void Mealvane::backUpForTheDay() {
    if (m_data->health().readOnly())
        return;
    const QDateTime now = m_services.clock.now();
    const QString folder = backups::folder();
    if (backups::madeOn(folder, now.date()))
        return;
    // The day's copy is made from the program's own connection a megabyte at a time whenever the window is
    // idle: what the user saves meanwhile goes into the copy as well, and nothing waits for it. It is
    // checked on a thread of its own, and told only if it failed.
    m_dailyCopy = std::make_unique<backups::SteppedCopy>(m_data->ADOConnectionMain.handle(), folder, now,
                                                         backups::Reason::Daily);
    m_dailySteps = std::make_unique<QTimer>();
    QObject::connect(m_dailySteps.get(), &QTimer::timeout, m_context.get(), [this, folder, now] {
        // Never in the middle of a change being made: the copy holds only what was saved.
        if (m_data->ADOConnectionMain.inTransaction() || !m_dailyCopy->step(256))
            return;
        m_dailySteps->stop();
        auto made = std::make_shared<backups::Made>();
        m_dailyBackup.reset(QThread::create([made, folder, now, copy = m_dailyCopy.get()] {
            *made = copy->settle();
            if (made->failure.isEmpty())
                backups::prune(folder, now);
        }));
        QObject::connect(m_dailyBackup.get(), &QThread::finished, m_form1.get(), [this, made, folder] {
            m_dailyCopy.reset();
            if (!made->failure.isEmpty())
                m_services.dialogs.showError(
                    QCoreApplication::translate(
                        "TForm1", "Today's backup of the recipe book could not be made: %1. The "
                                  "book itself is untouched; Mealvane tries again at its next "
                                  "start.\n\nBackups go to %2.")
                        .arg(made->failure, QDir::toNativeSeparators(folder)));
        });
        m_dailyBackup->start(QThread::LowPriority);
    });
    m_dailySteps->start(0);
}

void Mealvane::waitForDailyBackup() {
    while (m_dailySteps != nullptr && m_dailySteps->isActive())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (m_dailyBackup != nullptr) {
        m_dailyBackup->wait();
        QCoreApplication::sendPostedEvents();
    }
}

void TForm1::restoreFromBackup() {
    if (!m_restore || !CheckChanges())
        return;
    const QString folder = backups::folder();
    QList<backups::Copy> found;
    {
        BusyCursor busy;
        found = backups::copies(folder);
    }
    if (found.isEmpty()) {
        m_services.dialogs.showInformation(
            tr("There is no backup of the recipe book yet. Mealvane makes one at the first start "
               "of each day and before every import, in %1.")
                .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    std::unique_ptr<RestoreDialog> dialog;
    {
        BusyCursor busy;
        dialog = std::make_unique<RestoreDialog>(found, this);
    }
    showModal(*dialog);
    const backups::Copy chosen = dialog->chosen();
    const backups::Contents contents = dialog->chosenContents();
    if (dialog->result() != QDialog::Accepted || chosen.path.isEmpty())
        return;
    const QString when = QLocale().toString(chosen.made, QStringLiteral("dddd d MMMM yyyy, HH:mm"));
    QString damage;
    {
        BusyCursor busy;
        tellDone(tr("Checking the backup..."));
        damage = backups::checkWhole(chosen.path);
    }
    if (!damage.isEmpty()) {
        m_services.dialogs.showError(
            tr("The backup of %1 is damaged (%2) and cannot be restored.").arg(when, damage));
        return;
    }
    if (!m_services.dialogs.confirm(
            tr("Put the recipe book back as it was on %1, with %2 recipes and %3 planned weeks? "
               "What was changed since then is undone; the book as it is now is kept as one more "
               "backup.")
                .arg(when)
                .arg(contents.recipes)
                .arg(contents.plannedWeeks)))
        return;
    m_restore(chosen.path);
}

void Mealvane::restore(const QString &copy) {
    const QString folder = backups::folder();
    const QDateTime now = m_services.clock.now();
    const QByteArray geometry = m_form1->saveGeometry();
    const bool shown = m_form1->isVisible();
    QDir().mkpath(folder);
    const QString kept = backups::freeName(folder, now, backups::Reason::BeforeChange);
    close();
    const QString failure = backups::putInPlace(copy, m_dataFile, kept);
    const auto reopen = [&] {
        open(0, 0);
        m_form1->restoreGeometry(geometry);
        if (shown)
            m_form1->show();
    };
    try {
        reopen();
    } catch (const db::DbError &error) {
        // Never left without a book: the one that was there goes back, and is opened as it was.
        close();
        backups::putInPlace(kept, m_dataFile, backups::freeName(folder, now, backups::Reason::BeforeChange));
        reopen();
        m_services.dialogs.showError(
            QCoreApplication::translate(
                "TForm1", "The backup could not be opened (%1), so the recipe book is as it was.")
                .arg(error.message()));
        return;
    }
    if (!failure.isEmpty()) {
        m_services.dialogs.showError(
            QCoreApplication::translate("TForm1",
                                        "The backup could not be restored: %1. The recipe book is as it was.")
                .arg(failure));
        return;
    }
    tellAboutTheBook();
    m_services.dialogs.showInformation(
        QCoreApplication::translate(
            "TForm1", "The recipe book is back as it was when the backup was made. The book as it was "
                      "before is kept as the backup %1.")
            .arg(QDir::toNativeSeparators(kept)));
}
