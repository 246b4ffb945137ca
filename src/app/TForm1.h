#pragma once

#include "shopping/ShoppingList.h"

#include "AppServices.h"
#include "data/IngredientGroupItems.h"
#include "data/RowSnapshot.h"
#include "search/SearchQuery.h"
#include "toolkit/report/BandReport.h"
#include "toolkit/ui/DesktopMailer.h"
#include "toolkit/ui/RandomSource.h"

#include <QDate>
#include <QDialog>
#include <QHash>
#include <QMainWindow>
#include <QSet>
#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace db {
class TableDataset;
}

class MonthCalendar;
class NavBar;
class NavBarGroup;
class QAction;
class QComboBox;
class QLabel;
class QStackedWidget;
class QToolButton;
class ScrollText;
class CheckedComboBox;
class DBGrid;
class DBLookupComboBox;
class DBLookupListBox;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSplitter;
class QTabBar;
class UpDown;
class QDialog;
class SelectorDialog;
class TDataModule1;
class TForm2;
class TForm3;
class RecipeDetails;
class Secrets;
class RecipeLinesEditor;
class QTabWidget;
class TReportIngredientsList;
class TReportRecipe;
class TReportShoppingList;
class TForm7;
class TReportWeeklyMenu;
class TForm8;
class DBImage;
class QMenu;
class TForm4;
class DBMemo;

/// The main window: menu bar, navigation bar, week panel, status bar and every working page. Each page's
/// handlers are defined in the folder of the subsystem that owns the page.
class TForm1 : public QMainWindow, public IngredientGroupItems {
    Q_OBJECT
public:
    static constexpr const char *WebSite = "https://www.mealvane.org/";
    static constexpr const char *HelpFile = "help/mealvane manual.chm";

    /// Creates the window; `splashSteps` times `splashStepMs` is how long the splash window shows.
    TForm1(const AppServices &services, int splashSteps = 70, int splashStepMs = 50);
    ~TForm1() override;

    /// Binds the pages to the data module once it exists (start-up step 9).
    void attachDataModule(TDataModule1 &dataModule);
    /// Shows that the book is open read-only: the title says so and what only writes is not offered.
    void showReadOnly();
    bool isReadOnly() const { return m_readOnly; }
    /// The free area of the screen the window is on.
    QSize availableScreen() const;

    // Main window state.
    int SelectedWeek = 0;
    int SelectedYear = 0;
    bool WeekGridChanged = false;
    bool DailyMenuChanged = false;

    QWidget *activePage() const;
    void showPage(QWidget *page);

    // Frame and navigation (src/app).
    void FormCreate();
    void RefreshTables();
    void JvgLabel26Click();
    void JvNavIconButton1Click();
    void Action1Execute();
    void JvXPBar5Items0Click();
    void JvXPBar5Click();
    void JvXPBar2Click();
    void JvXPBar4Items0Click();
    void JvXPBar4Items1Click();
    void JvXPBar4Items3Click();
    void JvXPBar4Items2Click();
    void JvXPBar1Items0Click();
    void JvXPBar1Items1Click();
    void JvXPBar1Items2Click();
    void JvXPBar3Items0Click();
    void JvXPBar3Items1Click();
    void JvXPBar3Items2Click();
    void JvXPBar3Items3Click();

    // Selected week (src/app).
    void JvMonthCalendar21Click();

    // Daily-style page (src/planner).
    void InitMenu();
    void RefreshMenuDays();
    void RefreshMealList();
    void JvTabBar1Click();
    /// A time button was released (any mouse button) or clicked: it becomes the chosen time.
    void RbRadioButton1MouseUp(QRadioButton *button);
    /// The "Filter by Meal Type" box was clicked.
    void RbRadioButton1Click();
    void DBLookupComboBox4CloseUp();
    /// Adds the meal list's current recipe to slot `code` of the selected day.
    void AddItemTomenu(const QString &code);
    /// Whether a slot grid takes a drag from `source` while the chosen time is what it is.
    bool slotDragOver(const QWidget *target, const QWidget *source) const;
    void slotDragDrop(const QWidget *target, const QWidget *source);
    bool DBLookupListBox1DragOver(const QWidget *source) const;
    /// Takes the current recipe of the slot grid the drag came from out of its slot.
    void DBLookupListBox1DragDrop(const QWidget *source);
    /// The day (0 to 6) of the selected tab.
    int selectedDay() const;
    /// The slot grid of a meal-time code (1 to 6), and the code of a slot grid (0 for any other widget).
    DBGrid *slotGrid(int code) const;
    int slotCode(const QWidget *widget) const;

    // Weekly-style page and unsaved planner changes (src/planner).
    /// Asks about unsaved picks of the planner page being left; false when the user cancelled, and then
    /// nothing that asked may happen.
    bool CheckChanges();
    void FillAllCombo();
    /// Checks what the menu holds for the selected week; false when a box could not take an entry.
    bool RefreshMenuData();
    void cbSaturdayMorningChange(CheckedComboBox *box);
    void RbButton18Click();
    void RbButton13Click();
    void RbButton12Click();
    void RbButton14Click();
    void RbButton15Click();
    void RbButton16Click();
    void PickTime(int code);
    void PickDay(int day);
    void ClearTime(int code);
    void ClearDay(int day);
    /// The time and day selectors, created after the main window.
    void attachSelectors(SelectorDialog *times, SelectorDialog *days);
    /// Shows a dialog modally and returns when it is closed; tests answer it instead.
    std::function<void(QDialog &)> showModal = [](QDialog &dialog) { dialog.exec(); };
    /// The week box of a day (0 to 6) and meal-time code (1 to 6), found by its name.
    /// A box of the weekly page, which is built on first use.
    CheckedComboBox *weekBox(int day, int code);
    static QString weekBoxName(int day, int code);

    /// Makes a copy of the book before a change of many rows (an import, a tidying); false when none
    /// could be made and the user chose not to go on without one.
    bool backUpBeforeChange(const QString &change);
    /// File > Restore from Backup...: the backups listed, one chosen and checked, and the book put back as
    /// it was then (by the program that owns this window, through `whenRestoring`).
    void restoreFromBackup();
    /// What puts a chosen backup in place of the book.
    /// Previous Week and Next Week: the selected week stepped by `weeks`, as choosing a day of it in the
    /// calendar does (an unsaved weekly page asks first).
    void stepWeek(int weeks);
    /// Actions > Copy Week To...: the selected week's menu, and when asked its list, onto another week
    /// chosen in a calendar, asking before it replaces a planned week.
    void copyWeekTo();
    /// File > Export Recipes...: all recipes, those of a type or those the search found, as web pages or
    /// one MealMaster file, into a folder the user chooses.
    void exportRecipes();
    /// File > Export Week...: the selected week's menu and list as plain text or comma-separated values.
    void exportWeek();
    void whenRestoring(std::function<void(const QString &copy)> restore) { m_restore = std::move(restore); }

    // Sharing the week with the household's phones (src/sharing).
    /// File > Sharing...: where the week is shared; false when the user cancelled or it was not kept.
    bool sharingSettings();
    /// File > Share Week and the shopping page's button: the selected week's list and menu to the server,
    /// what the phones did taken back first.
    void shareWeek();
    /// File > Refresh from Phones: what the phones ticked or added, into the selected week's list.
    void refreshFromPhones();
    /// File > Export Week as Calendar...: the menu and the list as one calendar file.
    void exportWeekCalendar();
    /// Whether sharing is set up and the selected week was shared.
    bool weekIsShared();
    /// Asked while the server is awaited: true stops the sharing (for tests; the progress box's Cancel
    /// does the same).
    std::function<bool()> sharingCancelled;

    // Import from an older data file (src/recipes).
    void Action14Execute();
    /// Brings recipes in from saved web pages and MealMaster files the user picks.
    void Action15Execute();
    /// Reads the recipe lists and the catalogue again after either import.
    void rereadAfterImport();
    void attachWaitBox(TForm2 *waitBox);
    /// Where the import keeps its copy of the older file: in the user's cache folder
    /// ($XDG_CACHE_HOME/mealvane), unless `importCopy` is set.
    QString importCopyPath() const;
    QString importCopy;

    // Recipe page (src/recipes).
    void DBLookupComboBox2CloseUp();
    void RbButton4Click();
    void RbButton5Click();
    void RbButton6Click();
    void RbButton7Click();
    void RefreshIngredients();
    void RefreshNotIngredients();
    void RbButton8Click();
    void RbButton9Click();
    /// Whether the chooser shows a recipe.
    bool recipeChosen() const;
    /// Puts `MEALS` on the recipe the chooser shows, so that what a button does reaches the recipe on the
    /// page. False when none is chosen, or when that recipe is gone: the page then shows the first recipe
    /// whole, and the button does nothing.
    bool onChosenRecipe();
    /// Shows the recipe of that key everywhere on the page: chooser, fields, time boxes and ingredients.
    void showRecipe(const QVariant &id);
    /// The "Add ingredient to Meal" dialog, created after the main window.
    void attachIngredientDialog(TForm3 *dialog);
    // The recipe's picture.
    /// Writes the pending change of `table`, or, when the file refuses it, drops it and rethrows.
    void postOrUndo(db::TableDataset &table);
    void LoadNewPicture1Click();
    void ClearPicture1Click();
    void SavePicture1Click();
    void Vieworiginalsize1Click();
    void attachPictureViewer(TForm8 *viewer);

    // Ingredient catalogue and categories pages (src/recipes).
    void DBGrid1CellClick();
    /// Moves the current ingredient group to place `to` (from 0) on the way through the shop.
    void moveGroup(int to);
    /// Marks the ingredient in the description box as always at home, or not.
    void setStaple(bool staple);
    void RbButton2Click();
    void RbButton3Click();
    void RbButton1Click();
    void RbButton22Click();
    void RbButton23Click();
    void RbButton24Click();
    void RbButton25Click();

    // Search page (src/search).
    void Fillingredientslist();
    void SelectQuery();
    void CheckAll();
    void UncheckAll();
    void ResetSearch();
    void btn2Click();
    void GoSearch(const search::Criteria &criteria);
    void RbButton28Click();
    /// What the search page's controls hold.
    search::Criteria searchCriteria() const;
    /// The result line selected; empty when none is.
    QString selectedResult() const;

    // Recipe e-mail (src/mail).
    /// Hands the recipe of that name to the mail program as a plain-text message; nothing for an empty name.
    void PrintMealToEmail(const QString &name);
    /// Hands a message over; 0 when it reached the mail program, else the code, which an error box shows.
    int SendMailMAPI(const MailMessage &message);
    void RbButton26Click();

    // Reports (src/reports).
    void RbButton17Click();
    void RbButton20Click();
    /// The report layouts and the Select Meal dialog, created after the main window.
    struct Reports {
        TReportRecipe *recipe = nullptr;
        TReportIngredientsList *ingredients = nullptr;
        TReportWeeklyMenu *weeklyMenu = nullptr;
        TReportShoppingList *shoppingList = nullptr;
        TForm7 *selectMeal = nullptr;
    };
    void attachReports(const Reports &reports);
    /// The report of every recipe bearing that name.
    void PrintRecipe(const QString &name);
    void RbButton21Click();
    void RbButton27Click();
    /// Shows a report in the preview and returns when it is closed; tests look at the report instead.
    std::function<void(const report::BandReport &)> showReport = [this](const report::BandReport &r) {
        previewInWindow(r);
    };
    /// The moment of printing as the reports write it.
    QString printTime() const;

    // Shopping list (src/shopping).
    void RbButton11Click();
    void RefreshShoppingList();
    void RefreshShoppingListIngredients();
    /// Adds the row to the week's list, or changes the row of that description; false when the quantity is
    /// not a whole number from 1 to the largest count (a message says so and nothing is written).
    bool AddToShoppingList(const QString &description, const QString &group, const QString &quantity,
                           const QString &amount = {});
    /// Asks for web addresses and imports their recipes.
    void importFromWebAddress();
    /// Imports the recipes of the addresses, with a progress box and Cancel, and reports what came.
    void importAddresses(const QStringList &addresses);
    /// Asked while a web import waits; tests cancel through it.
    std::function<bool()> webImportCancelled = [] { return false; };
    /// Offers to merge catalogue entries made from pieces of lines into the foods they mean.
    void tidyCatalogue();
    /// Asks how many people eat the meal chosen in a slot of the daily page (blank: the household).
    void setMealPeople(int code);
    /// Whom the week is planned for and how its amounts are told, as the book keeps it.
    shopping::Household household() const;
    /// Asks for the people at the table and the units of amounts, and keeps them in the book.
    void householdSettings();
    void DeleteFromShoppingList(const QString &description);
    /// How the selected week's shopping list follows a changed menu: made afresh when nothing of it was
    /// edited by hand, else as the user answers the question naming the week (Merge, Replace or Keep).
    enum class ListUpdate { Replace, Merge, Keep };
    ListUpdate askListUpdate();
    /// Brings the selected week's list up to its menu as chosen; says how, in words for the status bar
    /// after the week's own text ("Shopping list of week 12: ...").
    QString updateShoppingList(ListUpdate how);
    void RbButton10Click();
    void RbButton19Click();
    void DBLookupListBox2Click();
    void DBGrid9CellClick();
    void DBLookupComboBox5CloseUp();
    bool DBGrid9DragOver(const QWidget *source) const;
    void DBGrid9DragDrop(const QWidget *source);

    // The ingredient page's group box.
    void setIngredientGroupItems(const QStringList &names) override;

    /// Runs a user operation: a database error it does not catch is shown in the standard error box. Does
    /// nothing before start-up has attached the data module, and nothing while an import runs, whatever
    /// route (menu, shortcut, button, assistive technology) the request came by.
    void run(const std::function<void()> &operation);
    /// Says in the status bar, for a few seconds, what an operation has done; the bar's usual text stays.
    void tellDone(const QString &text);
    /// Records whether the weekly grid holds picks not yet saved, and shows it beside "Save Menu".
    void setWeekGridChanged(bool changed);
    /// Whether an import is running.
    bool importRunning() const { return m_importing; }

    /// Where the help file and the HTML manual are looked for: beside the executable.
    QString programFolder() const;

    // Components, by their names.
    QStackedWidget *JvPageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr;
    QWidget *TabSheet2 = nullptr;
    QWidget *TabSheet3 = nullptr;
    QWidget *TabSheet4 = nullptr;
    QWidget *TabSheet5 = nullptr;
    QWidget *TabSheet6 = nullptr;
    QWidget *TabSheet7 = nullptr;
    QWidget *TabSheet8 = nullptr;
    NavBar *navigationBar = nullptr;
    NavBarGroup *JvXPBar1 = nullptr;
    NavBarGroup *JvXPBar2 = nullptr;
    NavBarGroup *JvXPBar3 = nullptr;
    NavBarGroup *JvXPBar4 = nullptr;
    NavBarGroup *JvXPBar5 = nullptr;
    MonthCalendar *JvMonthCalendar21 = nullptr;
    QLabel *JvgLabel29 = nullptr;
    QLabel *m_unsavedMarker = nullptr;
    bool m_restyling = false;
    QLabel *JvgLabel68 = nullptr;
    QLabel *JvgLabel30 = nullptr;
    QLabel *JvgLabel64 = nullptr;
    QLabel *JvgLabel26 = nullptr;
    ScrollText *JvScrollText1 = nullptr;
    QToolButton *JvNavIconButton1 = nullptr;
    QComboBox *ComboBox1 = nullptr;
    // The recipe page.
    DBLookupComboBox *DBLookupComboBox2 = nullptr;
    DBLookupComboBox *DBLookupComboBox3 = nullptr;
    DBMemo *DBMemo1 = nullptr;
    QCheckBox *cbmorning = nullptr, *cbsnack = nullptr, *cbnoon = nullptr, *cbnight = nullptr,
              *cbdessert = nullptr;
    DBGrid *DBGrid2 = nullptr;
    RecipeLinesEditor *linesEditor() const { return m_linesEditor; }
    RecipeDetails *recipeDetails() const { return m_recipeDetails; }
    QTabWidget *ingredientTabs() const { return m_ingredientTabs; }
    /// Makes the recipe's ingredient lines from the lines at the top of its method, asking first.
    void readAmountsFromMethod();
    /// The same for every recipe that has no lines yet.
    void readAllAmountsFromMethods();
    DBImage *EDBImage1 = nullptr;
    QMenu *PopupMenu1 = nullptr;
    QPushButton *RbButton4 = nullptr, *RbButton5 = nullptr, *RbButton6 = nullptr, *RbButton7 = nullptr,
                *RbButton8 = nullptr, *RbButton9 = nullptr, *RbButton26 = nullptr, *RbButton21 = nullptr;
    // The ingredient and categories pages.
    DBGrid *DBGrid1 = nullptr;
    QLineEdit *DBEdit1 = nullptr;
    QPushButton *RbButton1 = nullptr, *RbButton2 = nullptr, *RbButton3 = nullptr;
    DBGrid *DBGrid10 = nullptr;
    DBGrid *DBGrid11 = nullptr;
    // The search page.
    QRadioButton *rb2 = nullptr, *rb3 = nullptr, *rb4 = nullptr, *rb5 = nullptr;
    QLineEdit *txt2 = nullptr;
    QPushButton *btn2 = nullptr, *btn3 = nullptr, *Button4 = nullptr, *RbButton28 = nullptr,
                *RbButton27 = nullptr;
    QListWidget *clbSearch = nullptr;
    QListWidget *lbResult = nullptr;
    QCheckBox *CheckBox1 = nullptr;
    QLabel *lblFound = nullptr;
    // The daily-style page.
    QTabBar *JvTabBar1 = nullptr;
    DBGrid *DBGrid8 = nullptr, *DBGrid3 = nullptr, *DBGrid4 = nullptr, *DBGrid5 = nullptr, *DBGrid6 = nullptr,
           *DBGrid7 = nullptr;
    DBLookupListBox *DBLookupListBox1 = nullptr;
    QRadioButton *RbRadioButton1 = nullptr, *RbRadioButton2 = nullptr, *RbRadioButton3 = nullptr,
                 *RbRadioButton4 = nullptr, *RbRadioButton5 = nullptr;
    QCheckBox *RbCheckBox1 = nullptr;
    DBLookupComboBox *DBLookupComboBox4 = nullptr;
    QPushButton *RbButton11 = nullptr;
    // The shopping page.
    DBGrid *DBGrid9 = nullptr;
    DBLookupListBox *DBLookupListBox2 = nullptr;
    QCheckBox *RbCheckBox2 = nullptr;
    /// The ingredient page's "Always at home".
    QCheckBox *IngredientStaple = nullptr;
    /// Lists the shopping list in the order of the way through the shop, as the book keeps it.
    QCheckBox *ShopOrder = nullptr;
    DBLookupComboBox *DBLookupComboBox5 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLineEdit *Edit2 = nullptr;
    QLineEdit *Edit3 = nullptr;
    /// The amount of a row typed by hand ("500 g").
    QLineEdit *EditAmount = nullptr;
    UpDown *JvUpDown1 = nullptr;
    QPushButton *RbButton10 = nullptr;
    QPushButton *RbButton20 = nullptr;
    QPushButton *RbButton19 = nullptr;
    QAction *Action1 = nullptr, *Action2 = nullptr, *Action3 = nullptr, *Action4 = nullptr,
            *Action5 = nullptr, *Action6 = nullptr, *Action7 = nullptr, *Action8 = nullptr,
            *Action9 = nullptr, *Action10 = nullptr, *Action11 = nullptr, *Action12 = nullptr,
            *Action13 = nullptr, *Action14 = nullptr, *Action15 = nullptr;
    QAction *ActionHousehold = nullptr, *ActionReadAmounts = nullptr, *ActionWebImport = nullptr;
    QAction *ActionPreviousWeek = nullptr, *ActionNextWeek = nullptr, *ActionCopyWeek = nullptr;
    QAction *ActionRestore = nullptr, *ActionExportRecipes = nullptr, *ActionExportWeek = nullptr;
    QAction *ActionSharing = nullptr, *ActionShareWeek = nullptr, *ActionRefreshPhones = nullptr,
            *ActionExportCalendar = nullptr;
    QAction *ActionSave = nullptr, *ActionPrint = nullptr, *ActionNewRecipe = nullptr, *ActionFind = nullptr,
            *ActionDaily = nullptr, *ActionCategories = nullptr;
    QAction *ActionUndo = nullptr, *ActionDeletedRecipes = nullptr, *ActionLanguage = nullptr;
    /// Edit > Language...: the language the program speaks from its next start.
    void chooseLanguage();
    /// Edit > Undo: takes back the session's last change that deleted or cleared something, in one
    /// transaction. Nothing is kept for the next start.
    void undoLast();
    /// File > Deleted Recipes...: the recipes deleted in the last 30 days, put back whole when chosen.
    void deletedRecipes();
    /// Ctrl+S: saves what the page shows (the week's menu, the recipe); Ctrl+P prints the page's report.
    void saveShownPage();
    void printShownPage();
    /// Ctrl+N: a new recipe on the recipe page; Ctrl+F: the search page's name box, ready for typing.
    void newRecipe();
    void findRecipe();

    TDataModule1 *dataModule() const { return m_data; }
    const AppServices &services() const { return m_services; }

protected:
    void resizeEvent(QResizeEvent *event) override;
    /// Closing saves: every pending edit of a recipe, type or group is posted, and unsaved weekly picks are
    /// saved after the weekly page's question. A save that fails is shown and the window stays open.
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Secrets &secrets();
    /// Ticks or unticks the shopping row the user clicked in the Bought column.
    void toggleBought();
    /// Shares the week (or only takes what the phones did); quiet: what went wrong goes to the status bar.
    void syncWeek(bool share, bool quiet);
    /// The names each meal time's weekly boxes show, in the order the list was read in.
    std::array<QStringList, 5> m_timeNames;

    void buildMenus();
    QWidget *buildLeftColumn();
    /// Gives the left column the width its texts need in the font in use.
    void fitLeftColumn();
    QWidget *m_leftColumn = nullptr;
    void buildPages();
    QWidget *buildWelcomePage();
    QWidget *addPage(const QString &name, const QString &tabCaption, const QString &header);
    void FormResize();
    void buildWeeklyPage();
    void buildShoppingPage();
    void buildDailyPage();
    void buildRecipePage();
    void buildIngredientPage();
    void buildCategoriesPage();
    void buildSearchPage();
    /// Builds a page that is made on its first visit, when it is not built yet.
    void buildOnFirstVisit(QWidget *page);
    void chooseSearchMode(QRadioButton *chosen);
    /// Colours the count of found recipes by the style sheet's rule for `found` ("none", "some" or plain).
    void showFound(const QString &found);
    void setAllSearchChecks(Qt::CheckState state);
    void clearIngredientBoxes();
    /// Adds a recipe type, or with `groups` an ingredient group, under a name asked for.
    void addCategory(bool groups);
    /// Deletes the current recipe type or ingredient group, with what it holds after a question.
    void deleteCategory(bool groups);
    void rereadRecipeList();
    /// Asks for a recipe name; nothing when the answer is empty, unchanged or too long (which is said).
    std::optional<QString> askRecipeName(const QString &caption, const QString &preset);
    std::array<QCheckBox *, 5> m_timeFlagBoxes{};
    TForm3 *m_ingredientDialog = nullptr;
    /// The recipe's ingredient lines with their amounts, beside the catalogue links.
    RecipeLinesEditor *m_linesEditor = nullptr;
    RecipeDetails *m_recipeDetails = nullptr;
    QTabWidget *m_ingredientTabs = nullptr;
    TForm8 *m_pictureViewer = nullptr;
    Reports m_reports;
    TForm2 *m_waitBox = nullptr;
    /// Counts the pages, fills the print time, then shows the report.
    void previewRecipes();
    void previewCounted(const std::function<report::BandReport()> &build, QString &printTime,
                        QString &ofPages);
    void previewInWindow(const report::BandReport &report);
    void applyDailySizes();
    int checkedTime() const;
    QSplitter *m_slotArea = nullptr;
    std::array<QSplitter *, 3> m_slotRows{};
    std::array<DBGrid *, 6> m_slotGrids{};
    std::array<QRadioButton *, 5> m_timeButtons{};
    QWidget *m_dailyColumn = nullptr;
    bool m_initialisingMenu = false;
    void pickInBox(CheckedComboBox *box, int day);
    /// Picks every box of the week anew.
    void pickWeek();
    /// A pick that keeps the week varied: a recipe the week does not hold yet, those of the two weeks
    /// before last, never twice on one day where the list allows.
    int variedPick(CheckedComboBox *box, int day);
    bool noRepeats() const;
    /// Whether the book lists shopping in shop order.
    bool inShopOrder() const;
    /// The recipes planned in the `weeks` weeks before the selected one.
    QSet<QString> plannedBefore(int weeks);
    QCheckBox *m_noRepeats = nullptr;

    /// What an undo takes back: a change to the book, or ticks of the weekly page not saved yet (these go
    /// when the week is saved or another is shown).
    enum class UndoKind { Book, Planner };
    struct UndoStep {
        QString caption;
        UndoKind kind;
        std::function<void()> undo;
    };
    std::vector<UndoStep> m_undo;
    void pushUndo(const QString &caption, UndoKind kind, std::function<void()> undo);
    /// An undo that puts `rows` back in one transaction, after `alsoInside` ran in it.
    void pushRowsUndo(const QString &caption, QList<RowSnapshot> rows, std::function<void()> alsoInside = {});
    void dropPlannerUndo();
    void updateUndoAction();
    /// The weekly page's ticks, box by box, and whether they were changed since loaded.
    struct PlannerState {
        QList<QList<int>> ticked;
        bool changed = false;
    };
    PlannerState plannerState();
    /// An undo back to `before`, when the ticks changed since.
    void pushPlannerUndo(const QString &caption, const PlannerState &before);
    /// Those of the two weeks before, read once for each pick of a time or a day.
    std::optional<QSet<QString>> m_recentPicks;
    void runWithSelector(SelectorDialog *selector, const QString &purpose,
                         const std::function<void(int)> &operation);
    SelectorDialog *m_timeSelector = nullptr;
    SelectorDialog *m_daySelector = nullptr;

    AppServices m_services;
    int m_splashSteps;
    int m_splashStepMs;
    TForm4 *m_splash = nullptr;
    TDataModule1 *m_data = nullptr;
    bool m_importing = false;
    /// The day the calendar showed when the week on screen was chosen.
    QDate m_shownDate;
    bool m_readOnly = false;
    std::function<void(const QString &copy)> m_restore;
    void disableWrites();
    bool m_sized = false;
    RandomSource m_random;

public:
    /// Makes the picks repeatable (for tests).
    void seedPicks(std::uint64_t seed) { m_random = RandomSource(seed); }

private:
    DesktopMailer m_desktopMailer;
};
