// Pictures of every page of the main window, as a user sees them at the smallest window (800 x 580) and
// at 1280 x 800, with a light and a dark desktop palette, for looking at after a change to the layout.
//   mealvane_screens OUT_FOLDER
// The program runs on the offscreen platform over a copy of the starter book with a few long names added.
#include "app/Language.h"
#include "app/Mealvane.h"
#include "app/TForm1.h"
#include "app/TForm4.h"
#include "backup/Backups.h"
#include "data/TDataModule1.h"
#include "support/FakeDesktop.h"
#include "support/FakeDialogs.h"
#include "support/TestDataFile.h"
#include "toolkit/widgets/CheckedComboBox.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPalette>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

QPalette darkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(45, 45, 48));
    p.setColor(QPalette::WindowText, QColor(230, 230, 230));
    p.setColor(QPalette::Base, QColor(30, 30, 32));
    p.setColor(QPalette::AlternateBase, QColor(40, 40, 44));
    p.setColor(QPalette::Text, QColor(230, 230, 230));
    p.setColor(QPalette::Button, QColor(55, 55, 60));
    p.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    p.setColor(QPalette::Highlight, QColor(61, 110, 180));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(55, 55, 60));
    p.setColor(QPalette::ToolTipText, QColor(230, 230, 230));
    p.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    p.setColor(QPalette::Link, QColor(138, 180, 240));
    p.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(120, 120, 120));
    p.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    return p;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens");
    QDir().mkpath(out);
    // A second argument sets the desktop font's size in points.
    if (argc > 2) {
        QFont font = QApplication::font();
        font.setPointSize(QString::fromLocal8Bit(argv[2]).toInt());
        QApplication::setFont(font);
    }
    // MEALVANE_LANGUAGE=de shows the pages in that language.
    if (qEnvironmentVariableIsSet("MEALVANE_LANGUAGE"))
        language::install(qEnvironmentVariable("MEALVANE_LANGUAGE"));
    TestDataFile file(TestDataFile::Contents::Starter);
    file.exec(QStringLiteral(
        "INSERT INTO Meal(Meal_Name,Meal_Noon,Meal_Night,Meal_Type) VALUES"
        "('Grandma''s slow-cooked beef stew',1,1,1),('Chicken Cacciatore with olives',1,1,1);"
        "INSERT INTO IGroup(IGROUP_NAME) VALUES('Fresh herbs and leafy greens');"
        "INSERT INTO Ingredients(Ingredients_Description,Ingredients_Group) VALUES"
        "('Extra virgin olive oil, cold pressed',(SELECT max(IGROUP_ID) FROM IGroup));"
        // The long names planned on the Saturday shown, and the long ingredient in a recipe.
        "INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) "
        "SELECT 49,2026,0,Meal_ID,'3' FROM Meal WHERE Meal_Name='Chicken Cacciatore with olives';"
        "INSERT INTO Menu(Week_Number,Year_Number,Day_Number,Meal_ID,Menu_Time) "
        "SELECT 49,2026,0,Meal_ID,'5' FROM Meal WHERE Meal_Name='Grandma''s slow-cooked beef stew';"
        "INSERT INTO Made_With SELECT Meal_ID, Ingredients_ID FROM Meal, Ingredients "
        "WHERE Meal_Name='Apple and peanut butter slices' AND Ingredients_Description LIKE 'Extra%';"
        // Ingredient lines with amounts for the recipe shown.
        "UPDATE Meal SET Meal_Servings=2 WHERE Meal_Name='Apple and peanut butter slices';"
        "INSERT INTO Recipe_Lines(Meal_ID,Line_Position,Line_Text,Line_Heading,Line_Amount,Line_Amount_Max,"
        "Line_Unit,Ingredients_ID,Line_Note) SELECT Meal_ID,1,'2 apples, cored',0,2,NULL,NULL,"
        "(SELECT min(Ingredients_ID) FROM Ingredients WHERE Ingredients_Description='Apples'),'cored' FROM "
        "Meal "
        "WHERE Meal_Name='Apple and peanut butter slices';"
        "INSERT INTO Recipe_Lines(Meal_ID,Line_Position,Line_Text,Line_Heading) SELECT Meal_ID,2,'For the "
        "topping:',1 FROM Meal WHERE Meal_Name='Apple and peanut butter slices';"
        "INSERT INTO Recipe_Lines(Meal_ID,Line_Position,Line_Text,Line_Heading,Line_Amount,Line_Amount_Max,"
        "Line_Unit,Ingredients_ID,Line_Note) SELECT Meal_ID,3,'2-3 tbsp peanut butter',0,2,3,'tbsp',"
        "(SELECT min(Ingredients_ID) FROM Ingredients WHERE Ingredients_Description='Peanut butter'),'smooth "
        "or crunchy' FROM Meal WHERE Meal_Name='Apple and peanut butter slices';"
        // A list of the week, one item ticked on a phone.
        "INSERT INTO "
        "ShoppingList(WeekNumber,YearNumber,IngredientsDescription,IngredientsCount,IngredientsType,"
        "IngredientsAmount,IngredientsBought) VALUES(49,2026,'Apples',2,'Fruit','6',1),"
        "(49,2026,'Peanut butter',1,'Tins and Jars','3 tbsp',0),(49,2026,'Chicken thighs',1,'Meat',"
        "'800 g',0);"
        // Details as an import from a web page keeps them.
        "UPDATE Meal SET Meal_Source='https://www.example.org/recipes/apple-slices',Meal_Author='Ruth "
        "Okafor',"
        "Meal_Yield='2 servings',Meal_Prep_Time=10,Meal_Total_Time=10,Meal_Cuisine='American',"
        "Meal_Description='A crisp after-school snack that keeps children going until supper.',"
        "Meal_Nutrition='Calories 210 kcal'||char(59)||' Fat 11 g' "
        "WHERE Meal_Name='Apple and peanut butter slices';"));
    const QPalette light = QApplication::palette();
    FakeDialogs dialogs;
    FakeShell shell;
    FixedClock clock(QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    FakeMailer mailer;
    Mealvane program(AppServices{dialogs, shell, clock, &mailer}, StartupOptions{0, 0, file.path()});
    TForm1 &w = program.mainWindow();
    program.show();
    struct Page {
        const char *name;
        std::function<void()> open;
    };
    const Page pages[] = {
        {"welcome", [&w] { w.JvXPBar1Items0Click(); }},
        {"weekly",
         [&w] {
             w.JvXPBar5Items0Click();
             // Two long names picked and not saved yet.
             for (int day : {0, 4}) {
                 CheckedComboBox *box = w.weekBox(day, 3);
                 box->setChecked(box->indexOf(QStringLiteral("Chicken Cacciatore with olives")), true);
                 box = w.weekBox(day, 5);
                 box->setChecked(box->indexOf(QStringLiteral("Grandma's slow-cooked beef stew")), true);
             }
         }},
        {"daily", [&w] { w.JvXPBar5Click(); }},
        {"shopping", [&w] { w.JvXPBar2Click(); }},
        {"recipe", [&w] { w.JvXPBar4Items0Click(); }},
        {"amounts",
         [&w] {
             w.JvXPBar4Items0Click();
             w.ingredientTabs()->setCurrentIndex(1);
         }},
        {"details",
         [&w] {
             w.JvXPBar4Items0Click();
             w.ingredientTabs()->setCurrentIndex(2);
         }},
        {"ingredients", [&w] { w.JvXPBar4Items1Click(); }},
        {"categories", [&w] { w.JvXPBar4Items3Click(); }},
        {"search", [&w] { w.JvXPBar4Items2Click(); }},
    };
    for (const auto &[theme, palette] : {std::pair{"light", light}, std::pair{"dark", darkPalette()}}) {
        QApplication::setPalette(palette);
        for (const QSize size : {QSize(800, 580), QSize(1280, 800)}) {
            w.resize(size);
            for (const Page &page : pages) {
                page.open();
                for (int i = 0; i < 5; ++i)
                    QApplication::processEvents();
                const QString path = QStringLiteral("%1/%2-%3-%4x%5.png")
                                         .arg(out, QLatin1String(page.name), QLatin1String(theme))
                                         .arg(size.width())
                                         .arg(size.height());
                w.grab().save(path);
                std::printf("%s\n", qPrintable(path));
            }
        }
    }
    QApplication::setPalette(light);
    // The boxes of the household, the web import and the sharing, as they first show.
    w.showModal = [&out](QDialog &box) {
        box.show();
        QApplication::processEvents();
        const QString path = QStringLiteral("%1/%2.png").arg(out, box.objectName());
        box.grab().save(path);
        std::printf("%s\n", qPrintable(path));
    };
    QApplication::clipboard()->setText(QStringLiteral("https://recipes.example/sunday-pancakes"));
    w.importFromWebAddress();
    w.householdSettings();
    w.sharingSettings();
    // Three backups, one of them damaged, for the restore box; the export box as it first shows.
    QTemporaryDir backupFolder;
    qputenv("MEALVANE_BACKUP_DIR", backupFolder.path().toUtf8());
    backups::make(file.path(), backupFolder.path(), QDateTime(QDate(2026, 12, 7), QTime(8, 2)),
                  backups::Reason::Daily);
    file.exec(QStringLiteral("DELETE FROM Meal WHERE Meal_Name='Pancakes'"));
    backups::make(file.path(), backupFolder.path(), QDateTime(QDate(2026, 12, 9), QTime(9, 41)),
                  backups::Reason::BeforeChange);
    QFile damaged(QDir(backupFolder.path()).filePath(QStringLiteral("MealvaneData40-2026-12-08-0815.mdb")));
    damaged.open(QIODevice::WriteOnly);
    damaged.write(QByteArray(9000, 'x'));
    damaged.close();
    w.restoreFromBackup();
    w.exportRecipes();
    w.copyWeekTo();
    TForm4 splash;
    splash.grab().save(out + QStringLiteral("/splash.png"));
    std::printf("%s/splash.png\n", qPrintable(out));
    return 0;
}
