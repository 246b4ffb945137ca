// Sharing the selected week with the household's phones, and the week as a calendar file.
#include "ICalendar.h"
#include "SecretStore.h"
#include "SharingDialog.h"
#include "WeekShare.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "toolkit/db/Connection.h"
#include "toolkit/ui/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QProgressDialog>
#include <QSaveFile>

Secrets &TForm1::secrets() {
    static Secrets desktop;
    return m_services.secrets != nullptr ? *m_services.secrets : desktop;
}

bool TForm1::sharingSettings() {
    db::Connection &c = m_data->ADOConnectionMain;
    sharing::Settings settings = sharing::settings(c);
    const QString password =
        settings.server.isEmpty()
            ? QString()
            : secrets().read(secretstore::keyFor(settings.server.toString(), settings.user), nullptr);
    SharingDialog dialog(settings, password, this);
    showModal(dialog);
    if (dialog.result() != QDialog::Accepted)
        return false;
    settings = dialog.settings();
    QString failure;
    if (!secrets().store(secretstore::keyFor(settings.server.toString(), settings.user), dialog.password(),
                         &failure)) {
        m_services.dialogs.showError(tr("The password could not be kept in the desktop's secret "
                                        "store (%1), so sharing was not set up. Start the "
                                        "desktop's keyring or wallet and try again.")
                                         .arg(failure));
        return false;
    }
    sharing::storeSettings(c, settings);
    tellDone(tr("The week is shared to %1").arg(settings.server.host()));
    return true;
}

bool TForm1::weekIsShared() {
    const sharing::Settings settings = sharing::settings(m_data->ADOConnectionMain);
    if (!settings.configured())
        return false;
    db::Statement shared(
        m_data->ADOConnectionMain,
        QStringLiteral("SELECT 1 FROM Shared_Items WHERE Week_Number=? AND Year_Number=? LIMIT 1"));
    shared.bind(1, SelectedWeek);
    shared.bind(2, SelectedYear);
    return shared.step();
}

void TForm1::syncWeek(bool share, bool quiet) {
    sharing::Settings settings = sharing::settings(m_data->ADOConnectionMain);
    if (!settings.configured()) {
        if (quiet)
            return;
        m_services.dialogs.showInformation(tr("Sharing is not set up yet: give your CalDAV server "
                                              "and the task list to share to."));
        if (!sharingSettings())
            return;
        settings = sharing::settings(m_data->ADOConnectionMain);
    }
    // The menu shared is the one the book holds: picks not saved yet are saved or dropped first.
    if (share && !CheckChanges())
        return;
    QString failure;
    const QString password =
        secrets().read(secretstore::keyFor(settings.server.toString(), settings.user), &failure);
    if (password.isEmpty() && !failure.isEmpty()) {
        const QString text = tr("The password for %1 was not found in the desktop's secret store "
                                "(%2). Give it again under File > Sharing...")
                                 .arg(settings.server.host(), failure);
        quiet ? tellDone(text) : m_services.dialogs.showError(text);
        return;
    }
    caldav::Client client(settings.server, settings.user, password);
    // A progress box with Cancel; the window goes on being drawn while the server answers.
    QProgressDialog progress(share ? tr("Sharing week %1...").arg(SelectedWeek)
                                   : tr("Looking for what the phones ticked..."),
                             tr("Cancel"), 0, 0, this);
    progress.setObjectName(QStringLiteral("SharingProgress"));
    progress.setWindowTitle(tr("Sharing"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(quiet ? 3000 : 300);
    client.cancelled = [&] {
        QApplication::processEvents();
        return progress.wasCanceled() || (sharingCancelled && sharingCancelled());
    };
    if (quiet)
        tellDone(tr("Looking for what the phones ticked..."));
    const sharing::Result result =
        share ? sharing::shareWeek(*m_data, client, settings, SelectedWeek, SelectedYear)
              : sharing::refreshWeek(*m_data, client, settings, SelectedWeek, SelectedYear);
    progress.close();
    if (result.outcome.cancelled) {
        tellDone(tr("Sharing cancelled: nothing was changed here"));
        return;
    }
    if (!result.outcome.ok()) {
        quiet ? tellDone(result.outcome.failure) : m_services.dialogs.showError(result.outcome.failure);
        return;
    }
    if (activePage() == TabSheet2 || result.ticksTaken > 0 || !result.added.isEmpty())
        RefreshShoppingList();
    QStringList done;
    if (share)
        done << tr("Week %1 shared: %2 items and %3 meals written, %4 removed")
                    .arg(SelectedWeek)
                    .arg(result.itemsWritten)
                    .arg(result.mealsWritten)
                    .arg(result.deleted);
    if (result.ticksTaken > 0 || !result.added.isEmpty() || !share)
        done << QStringLiteral("from the phones: %1 ticks, %2 items added")
                    .arg(result.ticksTaken)
                    .arg(result.added.size());
    tellDone(done.join(QStringLiteral("; ")));
    if (!result.merged.isEmpty())
        m_services.dialogs.showInformation(
            tr("Changed here and on a phone since the week was last shared: %1.\n\nThe tick from the "
               "phone and the text from here were kept.")
                .arg(result.merged.join(QStringLiteral(", "))));
}

void TForm1::shareWeek() {
    syncWeek(true, false);
}

void TForm1::refreshFromPhones() {
    syncWeek(false, false);
}

void TForm1::exportWeekCalendar() {
    const QString suggested = QDir::home().filePath(
        QStringLiteral("Mealvane week %1 of %2.ics").arg(SelectedWeek).arg(SelectedYear));
    QString path = m_services.dialogs.saveFileName(tr("Export Week as Calendar"),
                                                   {tr("Calendar files (*.ics)")}, suggested);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QLatin1String(".ics"), Qt::CaseInsensitive))
        path += QStringLiteral(".ics");
    const sharing::Settings settings = sharing::settings(m_data->ADOConnectionMain);
    const QList<ical::Event> events = sharing::weekEvents(*m_data, settings, SelectedWeek, SelectedYear);
    const QList<ical::Task> tasks = sharing::weekTasks(*m_data, SelectedWeek, SelectedYear);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(ical::calendarFile(events, tasks)) < 0 ||
        !file.commit()) {
        m_services.dialogs.showError(
            tr("The calendar could not be written to %1 (%2).").arg(path, file.errorString()));
        return;
    }
    tellDone(tr("Week %1 written to %2: %3 meals and %4 items")
                 .arg(SelectedWeek)
                 .arg(QDir::toNativeSeparators(path))
                 .arg(events.size())
                 .arg(tasks.size()));
}
