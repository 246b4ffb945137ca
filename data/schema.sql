-- The Mealvane data file: recipes, the ingredient catalogue, the weekly menu and the shopping lists.
--
-- Text compares and sorts without regard to letter case: every text column uses the NOCASE collation, which
-- the program replaces with one that folds the case of every letter, not only A to Z. The stock engine's
-- NOCASE folds only A to Z, so nothing stored may depend on that order: no index has a text key, and the
-- file stays sound whichever program writes it. Widths and whole numbers are enforced by named checks, so
-- that a refused value is reported with the column's name.
-- No foreign key is enforced: deleting a parent row is never refused, and every read joins through the
-- parent. Keys are never reused, so that rows left behind by a delete never attach to a new row.

PRAGMA foreign_keys = OFF;
-- The layout of this file: a program that finds a higher number opens the file read-only.
PRAGMA user_version = 3;

CREATE TABLE Meal (
    Meal_ID      INTEGER PRIMARY KEY AUTOINCREMENT,
    Meal_Name    TEXT(50) COLLATE NOCASE
                 CONSTRAINT "Meal_Name is longer than 50 characters" CHECK (length(Meal_Name) <= 50),
    Meal_Recipe  TEXT COLLATE NOCASE,
    Meal_Morning BOOLEAN NOT NULL DEFAULT 0
                 CONSTRAINT "Meal_Morning must be Yes or No" CHECK (Meal_Morning IN (0, 1)),
    Meal_Snack   BOOLEAN NOT NULL DEFAULT 0
                 CONSTRAINT "Meal_Snack must be Yes or No" CHECK (Meal_Snack IN (0, 1)),
    Meal_Noon    BOOLEAN NOT NULL DEFAULT 0
                 CONSTRAINT "Meal_Noon must be Yes or No" CHECK (Meal_Noon IN (0, 1)),
    Meal_Night   BOOLEAN NOT NULL DEFAULT 0
                 CONSTRAINT "Meal_Night must be Yes or No" CHECK (Meal_Night IN (0, 1)),
    Meal_Dessert BOOLEAN NOT NULL DEFAULT 0
                 CONSTRAINT "Meal_Dessert must be Yes or No" CHECK (Meal_Dessert IN (0, 1)),
    Meal_Type    INTEGER DEFAULT 0
                 CONSTRAINT "Meal_Type must be a whole number" CHECK (typeof(Meal_Type) IN ('integer', 'null')),
    Meal_Picture BLOB
);

CREATE TABLE Meal_Type (
    ID   INTEGER PRIMARY KEY AUTOINCREMENT,
    Type TEXT(50) COLLATE NOCASE
         CONSTRAINT "Type is longer than 50 characters" CHECK (length(Type) <= 50)
);

CREATE TABLE Ingredients (
    Ingredients_ID          INTEGER PRIMARY KEY AUTOINCREMENT,
    Ingredients_Description TEXT(50) COLLATE NOCASE
        CONSTRAINT "Ingredients_Description is longer than 50 characters"
        CHECK (length(Ingredients_Description) <= 50),
    Ingredients_Group       INTEGER DEFAULT 0
        CONSTRAINT "Ingredients_Group must be a whole number"
        CHECK (typeof(Ingredients_Group) IN ('integer', 'null'))
);

CREATE TABLE IGroup (
    IGROUP_ID   INTEGER PRIMARY KEY AUTOINCREMENT,
    IGROUP_NAME TEXT(50) COLLATE NOCASE
                CONSTRAINT "IGROUP_NAME is longer than 50 characters" CHECK (length(IGROUP_NAME) <= 50)
);

-- Exactly these two columns in this order: one statement inserts into it without a column list.
CREATE TABLE Made_With (
    Meal_ID        INTEGER
                   CONSTRAINT "Made_With.Meal_ID must be a whole number"
                   CHECK (typeof(Meal_ID) IN ('integer', 'null')),
    Ingredients_ID INTEGER
                   CONSTRAINT "Made_With.Ingredients_ID must be a whole number"
                   CHECK (typeof(Ingredients_ID) IN ('integer', 'null'))
);

CREATE TABLE Menu (
    MENU_ID     INTEGER PRIMARY KEY AUTOINCREMENT,
    Week_Number INTEGER
                CONSTRAINT "Week_Number must be a whole number" CHECK (typeof(Week_Number) IN ('integer', 'null')),
    Year_Number INTEGER
                CONSTRAINT "Year_Number must be a whole number" CHECK (typeof(Year_Number) IN ('integer', 'null')),
    Day_Number  INTEGER
                CONSTRAINT "Day_Number must be a whole number" CHECK (typeof(Day_Number) IN ('integer', 'null')),
    Meal_ID     INTEGER
                CONSTRAINT "Menu.Meal_ID must be a whole number" CHECK (typeof(Meal_ID) IN ('integer', 'null')),
    Menu_Time   TEXT(1) COLLATE NOCASE
                CONSTRAINT "Menu_Time is longer than 1 character" CHECK (length(Menu_Time) <= 1)
);

CREATE TABLE ShoppingList (
    ShoppingListID         INTEGER PRIMARY KEY AUTOINCREMENT,
    WeekNumber             INTEGER
                           CONSTRAINT "WeekNumber must be a whole number"
                           CHECK (typeof(WeekNumber) IN ('integer', 'null')),
    YearNumber             INTEGER
                           CONSTRAINT "YearNumber must be a whole number"
                           CHECK (typeof(YearNumber) IN ('integer', 'null')),
    IngredientsDescription TEXT(50) COLLATE NOCASE
                           CONSTRAINT "IngredientsDescription is longer than 50 characters"
                           CHECK (length(IngredientsDescription) <= 50),
    IngredientsCount       INTEGER
                           CONSTRAINT "IngredientsCount must be a whole number"
                           CHECK (typeof(IngredientsCount) IN ('integer', 'null')),
    IngredientsType        TEXT(50) COLLATE NOCASE
                           CONSTRAINT "IngredientsType is longer than 50 characters"
                           CHECK (length(IngredientsType) <= 50)
);

CREATE TABLE tmp (
    ID    INTEGER PRIMARY KEY AUTOINCREMENT,
    Value TEXT COLLATE NOCASE
);

-- The weeks whose shopping list holds rows added, changed or deleted by hand since it was last made from
-- the menu, so that making it afresh asks first. Statements written IF NOT EXISTS are made in older files
-- when they are opened.
CREATE TABLE IF NOT EXISTS ShoppingListHandEdits (
    WeekNumber INTEGER NOT NULL,
    YearNumber INTEGER NOT NULL,
    PRIMARY KEY (WeekNumber, YearNumber)
);

-- The ingredient lines of a recipe as written, in order, each with the amount, unit and catalogue ingredient
-- read from it. Every catalogue ingredient a recipe's lines name is also linked in Made_With.
CREATE TABLE IF NOT EXISTS Recipe_Lines (
    Line_ID         INTEGER PRIMARY KEY AUTOINCREMENT,
    Meal_ID         INTEGER
                    CONSTRAINT "Recipe_Lines.Meal_ID must be a whole number"
                    CHECK (typeof(Meal_ID) IN ('integer', 'null')),
    Line_Position   INTEGER
                    CONSTRAINT "Line_Position must be a whole number"
                    CHECK (typeof(Line_Position) IN ('integer', 'null')),
    Line_Text       TEXT(255) COLLATE NOCASE
                    CONSTRAINT "Line_Text is longer than 255 characters" CHECK (length(Line_Text) <= 255),
    Line_Heading    BOOLEAN NOT NULL DEFAULT 0
                    CONSTRAINT "Line_Heading must be Yes or No" CHECK (Line_Heading IN (0, 1)),
    Line_Amount     REAL
                    CONSTRAINT "Line_Amount must be a number"
                    CHECK (typeof(Line_Amount) IN ('real', 'integer', 'null')),
    Line_Amount_Max REAL
                    CONSTRAINT "Line_Amount_Max must be a number"
                    CHECK (typeof(Line_Amount_Max) IN ('real', 'integer', 'null')),
    Line_Unit       TEXT(20) COLLATE NOCASE
                    CONSTRAINT "Line_Unit is longer than 20 characters" CHECK (length(Line_Unit) <= 20),
    Ingredients_ID  INTEGER
                    CONSTRAINT "Recipe_Lines.Ingredients_ID must be a whole number"
                    CHECK (typeof(Ingredients_ID) IN ('integer', 'null')),
    Line_Note       TEXT(255) COLLATE NOCASE
                    CONSTRAINT "Line_Note is longer than 255 characters" CHECK (length(Line_Note) <= 255)
);

-- The household's choices kept with its book: the people a week is planned for, the units amounts are told
-- in. One row per setting, found by its name.
CREATE TABLE IF NOT EXISTS Book_Settings (
    Setting_Name  TEXT(50) COLLATE NOCASE
                  CONSTRAINT "Setting_Name is longer than 50 characters" CHECK (length(Setting_Name) <= 50),
    Setting_Value TEXT(255) COLLATE NOCASE
                  CONSTRAINT "Setting_Value is longer than 255 characters" CHECK (length(Setting_Value) <= 255)
);

-- What the last sharing of a week put on the household's CalDAV server: one row for each shopping item
-- (`list`) and each planned meal (`menu`), with the server's address and version of it and the text it was
-- given, so that the next sharing updates instead of duplicating and tells a change made on a phone from
-- one made here.
CREATE TABLE IF NOT EXISTS Shared_Items (
    Week_Number  INTEGER NOT NULL,
    Year_Number  INTEGER NOT NULL,
    Item_Kind    TEXT(4) NOT NULL
                 CONSTRAINT "Item_Kind is list or menu" CHECK (Item_Kind IN ('list', 'menu')),
    Item_UID     TEXT(255) NOT NULL,
    Item_Url     TEXT(2048),
    Item_ETag    TEXT(255),
    Item_Name    TEXT(255),
    Item_Summary TEXT(255),
    Item_Bought  BOOLEAN NOT NULL DEFAULT 0
                 CONSTRAINT "Item_Bought must be Yes or No" CHECK (Item_Bought IN (0, 1)),
    PRIMARY KEY (Item_Kind, Item_UID)
);

-- Rows of a week's list that were made from the menu and then deleted by hand, so that merging the list
-- with a changed menu does not bring them back. Adding the item by hand again takes it off.
CREATE TABLE IF NOT EXISTS ShoppingListRemoved (
    WeekNumber             INTEGER NOT NULL,
    YearNumber             INTEGER NOT NULL,
    IngredientsDescription TEXT(50) NOT NULL COLLATE NOCASE,
    PRIMARY KEY (WeekNumber, YearNumber, IngredientsDescription)
);

-- Recipes deleted in the last 30 days, each whole: its row and its links and lines as JSON, its picture
-- beside them, so that File > Deleted Recipes... can put it back as it was.
CREATE TABLE IF NOT EXISTS Deleted_Recipes (
    Deleted_ID   INTEGER PRIMARY KEY AUTOINCREMENT,
    Deleted_At   TEXT(20) NOT NULL,
    Meal_ID      INTEGER NOT NULL,
    Meal_Name    TEXT(50) COLLATE NOCASE,
    Recipe_Data  TEXT NOT NULL,
    Meal_Picture BLOB
);

-- Columns added since the first release: each is added to an older file where it is missing.
ALTER TABLE Meal ADD COLUMN Meal_Servings INTEGER
    CONSTRAINT "Meal_Servings must be a whole number" CHECK (typeof(Meal_Servings) IN ('integer', 'null'));
ALTER TABLE Meal ADD COLUMN Meal_Source TEXT(2048) COLLATE NOCASE
    CONSTRAINT "Meal_Source is longer than 2048 characters" CHECK (length(Meal_Source) <= 2048);
ALTER TABLE Meal ADD COLUMN Meal_Author TEXT(255) COLLATE NOCASE
    CONSTRAINT "Meal_Author is longer than 255 characters" CHECK (length(Meal_Author) <= 255);
ALTER TABLE Meal ADD COLUMN Meal_Description TEXT COLLATE NOCASE;
ALTER TABLE Meal ADD COLUMN Meal_Yield TEXT(255) COLLATE NOCASE
    CONSTRAINT "Meal_Yield is longer than 255 characters" CHECK (length(Meal_Yield) <= 255);
ALTER TABLE Meal ADD COLUMN Meal_Prep_Time INTEGER
    CONSTRAINT "Meal_Prep_Time must be a whole number" CHECK (typeof(Meal_Prep_Time) IN ('integer', 'null'));
ALTER TABLE Meal ADD COLUMN Meal_Cook_Time INTEGER
    CONSTRAINT "Meal_Cook_Time must be a whole number" CHECK (typeof(Meal_Cook_Time) IN ('integer', 'null'));
ALTER TABLE Meal ADD COLUMN Meal_Total_Time INTEGER
    CONSTRAINT "Meal_Total_Time must be a whole number" CHECK (typeof(Meal_Total_Time) IN ('integer', 'null'));
ALTER TABLE Meal ADD COLUMN Meal_Cuisine TEXT(255) COLLATE NOCASE
    CONSTRAINT "Meal_Cuisine is longer than 255 characters" CHECK (length(Meal_Cuisine) <= 255);
ALTER TABLE Meal ADD COLUMN Meal_Nutrition TEXT COLLATE NOCASE;
ALTER TABLE Menu ADD COLUMN Menu_People INTEGER
    CONSTRAINT "Menu_People must be a whole number" CHECK (typeof(Menu_People) IN ('integer', 'null'));
ALTER TABLE ShoppingList ADD COLUMN IngredientsAmount TEXT(50) COLLATE NOCASE
    CONSTRAINT "IngredientsAmount is longer than 50 characters" CHECK (length(IngredientsAmount) <= 50);
ALTER TABLE ShoppingList ADD COLUMN IngredientsBought BOOLEAN NOT NULL DEFAULT 0
    CONSTRAINT "IngredientsBought must be Yes or No" CHECK (IngredientsBought IN (0, 1));

-- Whether a shopping row was made from the menu (0), added by hand (1), or made from the menu and then
-- changed by hand (2). In an older file, rows of a week marked hand-edited are taken as added by hand.
ALTER TABLE ShoppingList ADD COLUMN IngredientsHand INTEGER NOT NULL DEFAULT 0
    CONSTRAINT "IngredientsHand must be 0, 1 or 2" CHECK (IngredientsHand IN (0, 1, 2));
-- Where the group comes on the way through the shop; groups without one follow in name order. An older
-- file's groups are given their name order.
ALTER TABLE IGroup ADD COLUMN IGROUP_POSITION INTEGER
    CONSTRAINT "IGROUP_POSITION must be a whole number" CHECK (typeof(IGROUP_POSITION) IN ('integer', 'null'));
-- Kept at home always (salt, oil): listed last on the shopping list, to be checked rather than bought.
ALTER TABLE Ingredients ADD COLUMN Ingredients_Staple BOOLEAN NOT NULL DEFAULT 0
    CONSTRAINT "Ingredients_Staple must be Yes or No" CHECK (Ingredients_Staple IN (0, 1));

-- Compact copies of the names in byte order, which every tool orders alike: a look-up by name, which
-- compares without regard to case, scans these instead of the whole recipes.
CREATE INDEX Meal_Name_Scan ON Meal (Meal_Name COLLATE BINARY);
CREATE INDEX Ingredients_Description_Scan ON Ingredients (Ingredients_Description COLLATE BINARY, Ingredients_Group);
CREATE INDEX Meal_Type_Index ON Meal (Meal_Type);
-- The recipes of one meal time, read for the planner's lists without touching the recipes' methods.
CREATE INDEX Meal_Morning_Names ON Meal (Meal_Morning, Meal_Name COLLATE BINARY, Meal_Type);
CREATE INDEX Meal_Snack_Names ON Meal (Meal_Snack, Meal_Name COLLATE BINARY, Meal_Type);
CREATE INDEX Meal_Noon_Names ON Meal (Meal_Noon, Meal_Name COLLATE BINARY, Meal_Type);
CREATE INDEX Meal_Night_Names ON Meal (Meal_Night, Meal_Name COLLATE BINARY, Meal_Type);
CREATE INDEX Meal_Dessert_Names ON Meal (Meal_Dessert, Meal_Name COLLATE BINARY, Meal_Type);
CREATE INDEX Ingredients_Group_Index ON Ingredients (Ingredients_Group);
-- The few ingredients always at home, read each time a shopping list is shown.
CREATE INDEX Ingredients_Staple_Index ON Ingredients (Ingredients_Staple) WHERE Ingredients_Staple = 1;
CREATE INDEX Made_With_Meal_Index ON Made_With (Meal_ID, Ingredients_ID);
CREATE INDEX Made_With_Ingredient_Index ON Made_With (Ingredients_ID, Meal_ID);
CREATE INDEX Menu_Slot_Index ON Menu (Week_Number, Year_Number, Day_Number);
CREATE INDEX Menu_Meal_Index ON Menu (Meal_ID);
CREATE INDEX ShoppingList_Week_Index ON ShoppingList (WeekNumber, YearNumber);
CREATE INDEX Recipe_Lines_Meal_Index ON Recipe_Lines (Meal_ID, Line_Position);
CREATE INDEX Recipe_Lines_Ingredient_Index ON Recipe_Lines (Ingredients_ID);

-- One row for each pair of a recipe and one of its ingredients: of a pair linked twice, the first link
-- counts. Written without DISTINCT so that a search through it reads only the rows it asks for.
CREATE VIEW QSearchMeal AS
SELECT Meal.Meal_ID, Meal.Meal_Name, Ingredients.Ingredients_ID, Ingredients.Ingredients_Description
FROM Meal
INNER JOIN Made_With ON Made_With.Meal_ID = Meal.Meal_ID
INNER JOIN Ingredients ON Ingredients.Ingredients_ID = Made_With.Ingredients_ID
WHERE Made_With.rowid = (SELECT min(First.rowid) FROM Made_With AS First
                         WHERE First.Meal_ID = Made_With.Meal_ID AND First.Ingredients_ID = Made_With.Ingredients_ID);

-- One row for each ingredient of each recipe, by description.
CREATE VIEW QMealIng AS
SELECT DISTINCT Meal.Meal_ID, Ingredients.Ingredients_ID, Ingredients.Ingredients_Description
FROM Meal
INNER JOIN Made_With ON Made_With.Meal_ID = Meal.Meal_ID
INNER JOIN Ingredients ON Ingredients.Ingredients_ID = Made_With.Ingredients_ID
ORDER BY Meal.Meal_ID, Ingredients.Ingredients_Description;
