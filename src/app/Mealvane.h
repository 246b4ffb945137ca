#pragma once

#include "AppServices.h"

#include <QString>
#include <memory>

class FullCheck;
namespace backups {
class SteppedCopy;
}
class QObject;
class QTimer;
class QThread;
class TDataModule1;
class TForm1;
class TForm2;
class TForm3;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TReportIngredientsList;
class TReportRecipe;
class TReportShoppingList;
class TReportWeeklyMenu;

/// How the program starts: the splash wait and the data file it opens.
struct StartupOptions {
    int splashSteps = 70;
    int splashStepMs = 50;
    QString dataFile = QStringLiteral("data/MealvaneData40.mdb");
    /// Whether the day's full check of the book runs in the background (the program's own start).
    bool dailyFullCheck = false;
};

/// The running program: the main window, the data module, the dialogs and the report layouts, created in
/// start-up order and alive until the program ends.
class Mealvane {
public:
    /// Start-up up to the moment the main window is shown. Throws db::DbError when the data file cannot be
    /// opened or lacks what start-up needs; nothing has been shown but the splash window then.
    Mealvane(const AppServices &services, const StartupOptions &options = {});
    ~Mealvane();

    /// Shows the main window centred on the screen.
    void show();
    /// Says why the recipe book was opened read-only, when it was; for a damaged book, offers to save
    /// what can be read of it into a new file. The quick check runs on after start-up: `waitForCheck`
    /// waits for it; otherwise a book it finds damaged is told when it is done.
    void tellAboutTheBook(bool waitForCheck = false);
    /// Starts the engine's full check of the book on a thread of its own; a book found damaged is made
    /// read-only for the rest of the run, said in words, and what can be read offered to be saved.
    void checkInTheBackground();
    /// At the first start of a day, a copy of the book into the backups folder, the older copies thinned
    /// out, on a thread of its own while the window is in use; a copy that cannot be made is said once.
    void backUpForTheDay();
    /// Waits for the day's copy, when one is being made, and tells what came of it.
    void waitForDailyBackup();
    /// The running or finished full check, or none.
    FullCheck *fullCheck() const { return m_check.get(); }

    /// Closes the book, puts the backup `copy` in its place (the book as it was kept as one more backup)
    /// and opens it again in a new main window where the old one stood; a copy that cannot be put in place
    /// leaves the book as it was, and either is said in words.
    void restore(const QString &copy);

    TForm1 &mainWindow() const { return *m_form1; }
    TDataModule1 &dataModule() const { return *m_data; }

    TForm2 *Form2 = nullptr;
    TForm3 *Form3 = nullptr;
    TForm5 *Form5 = nullptr;
    TForm6 *Form6 = nullptr;
    TForm7 *Form7 = nullptr;
    TForm8 *Form8 = nullptr;
    std::unique_ptr<TReportRecipe> ReportRecipe;
    std::unique_ptr<TReportIngredientsList> ReportIngredientsList;
    std::unique_ptr<TReportWeeklyMenu> ReportWeeklyMenu;
    std::unique_ptr<TReportShoppingList> ReportShoppingList;

private:
    void open(int splashSteps, int splashStepMs);
    void close();

    AppServices m_services;
    QString m_dataFile;
    bool m_memory;
    std::unique_ptr<TForm1> m_form1;
    std::unique_ptr<TDataModule1> m_data;
    std::unique_ptr<FullCheck> m_check;
    std::unique_ptr<backups::SteppedCopy> m_dailyCopy;
    std::unique_ptr<QTimer> m_dailySteps;
    std::unique_ptr<QThread> m_dailyBackup;
    /// What the deferred work of this program is tied to, gone with it.
    std::unique_ptr<QObject> m_context;
};

/// Names the application for the desktop: the window class and the desktop entry it belongs to. No display
/// name is set, since the toolkit would add it to every window's title.
void nameApplication();

/// Makes every wait for another program's lock show the busy cursor.
void showBusyWhileWaiting();

/// Runs the program to its end. A data file held by another running program is told in an information box,
/// one that cannot be used in an error box; either gives a non-zero status before the main window shows.
int runMealvane(const AppServices &services, const StartupOptions &options = {});

/// Asks whether to save what can be read of the damaged data file `path` into a new file, and does so.
void offerSalvage(const AppServices &services, const QString &path);
