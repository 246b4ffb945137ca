<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CheckedComboBox</name>
    <message>
        <source>&amp;Deselect all</source>
        <translation>&amp;Alle abwählen</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>Alle &amp;wählen</translation>
    </message>
</context>
<context>
    <name>DBImage</name>
    <message>
        <source>The picture cannot be shown: it is damaged, or of a kind that cannot be read.</source>
        <translation>Das Bild kann nicht angezeigt werden: Es ist beschädigt oder hat ein unlesbares Format.</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>The built-in script %1 is missing.</source>
        <translation>Das eingebaute Skript %1 fehlt.</translation>
    </message>
    <message>
        <source>'%1' already exists; it is left as it is.</source>
        <translation>„%1“ gibt es schon; es bleibt, wie es ist.</translation>
    </message>
    <message>
        <source>%1 can be at most %2 characters long. Nothing was saved.</source>
        <translation>%1 darf höchstens %2 Zeichen lang sein. Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>The recipe book cannot take that value (%1). Nothing was saved.</source>
        <translation>Das Rezeptbuch kann diesen Wert nicht aufnehmen (%1). Es wurde nichts gespeichert.</translation>
    </message>
    <message>
        <source>it was written by a later version of Mealvane</source>
        <translation>es wurde von einer neueren Version von Mealvane geschrieben</translation>
    </message>
    <message>
        <source>it holds a table this Mealvane does not know (%1)</source>
        <translation>es enthält eine Tabelle, die dieses Mealvane nicht kennt (%1)</translation>
    </message>
    <message>
        <source>its table %1 has a column this Mealvane does not know (%2)</source>
        <translation>seine Tabelle %1 hat eine Spalte, die dieses Mealvane nicht kennt (%2)</translation>
    </message>
    <message>
        <source>its view %1 is not the one this Mealvane writes</source>
        <translation>seine Sicht %1 ist nicht die, die dieses Mealvane schreibt</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>es ist beschädigt</translation>
    </message>
    <message>
        <source>The recipe book '%1' is damaged: parts of it cannot be read.

Mealvane opens it read-only, so that nothing more of it is lost: you can look at what can be read and print it, but nothing is saved to it.</source>
        <translation>Das Rezeptbuch „%1“ ist beschädigt: Teile davon sind nicht lesbar.

Mealvane öffnet es schreibgeschützt, damit nichts mehr davon verloren geht: Sie können ansehen und drucken, was lesbar ist, aber es wird nichts darin gespeichert.</translation>
    </message>
    <message>
        <source>

There is no backup of it.</source>
        <translation>

Es gibt keine Sicherung davon.</translation>
    </message>
    <message>
        <source>Could not find file '%1'. Mealvane keeps its recipe book there: put your book (or a backup of it) in that place and start Mealvane again.</source>
        <translation>Die Datei „%1“ wurde nicht gefunden. Dort bewahrt Mealvane sein Rezeptbuch auf: Legen Sie Ihr Buch (oder eine Sicherung davon) dorthin und starten Sie Mealvane erneut.</translation>
    </message>
    <message>
        <source>The recipe book '%1' is an empty file (0 bytes): it holds no recipes at all. Copy a backup of your book in its place, or move the empty file away and start Mealvane again to begin with the starter book.</source>
        <translation>Das Rezeptbuch „%1“ ist eine leere Datei (0 Byte): Es enthält gar keine Rezepte. Kopieren Sie eine Sicherung Ihres Buchs an seine Stelle, oder verschieben Sie die leere Datei und starten Sie Mealvane erneut, um mit dem Startbuch zu beginnen.</translation>
    </message>
    <message>
        <source>The recipe book '%1' cannot be read: %2. Make it readable and start Mealvane again.</source>
        <translation>Das Rezeptbuch „%1“ ist nicht lesbar: %2. Machen Sie es lesbar und starten Sie Mealvane erneut.</translation>
    </message>
    <message>
        <source>'%1' is not a database Mealvane can read: it is no recipe book, or its beginning is damaged. Copy a backup of your book in its place, or move the file away and start Mealvane again to begin with the starter book.</source>
        <translation>„%1“ ist keine Datenbank, die Mealvane lesen kann: Sie ist kein Rezeptbuch, oder ihr Anfang ist beschädigt. Kopieren Sie eine Sicherung Ihres Buchs an ihre Stelle, oder verschieben Sie die Datei und starten Sie Mealvane erneut, um mit dem Startbuch zu beginnen.</translation>
    </message>
    <message>
        <source>it is of a layout this Mealvane does not know</source>
        <translation>sein Aufbau ist diesem Mealvane unbekannt</translation>
    </message>
    <message>
        <source>The recipe book '%1' cannot be changed by this Mealvane: %2.

It is opened read-only, so that nothing the program that wrote it keeps is spoilt: you can look at it and print it, but nothing is saved. Use that program, or a later Mealvane, to change it.</source>
        <translation>Das Rezeptbuch „%1“ kann von diesem Mealvane nicht geändert werden: %2.

Es wird schreibgeschützt geöffnet, damit nichts verdorben wird, was das Programm, das es geschrieben hat, darin aufbewahrt: Sie können es ansehen und drucken, aber es wird nichts gespeichert. Ändern Sie es mit jenem Programm oder einem neueren Mealvane.</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>in seinen Ordner kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>die Datei kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The recipe book '%1' is read-only: %2.

You can look at everything and print it, but nothing you change can be saved. To change the book, close Mealvane, make %3 writable (or copy the book to a folder of your own) and start it again.</source>
        <translation>Das Rezeptbuch „%1“ ist schreibgeschützt: %2.

Sie können alles ansehen und drucken, aber Änderungen lassen sich nicht speichern. Um das Buch zu ändern, schließen Sie Mealvane, machen Sie %3 beschreibbar (oder kopieren Sie das Buch in einen eigenen Ordner) und starten Sie es erneut.</translation>
    </message>
    <message>
        <source>the folder '%1'</source>
        <translation>den Ordner „%1“</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>die Datei</translation>
    </message>
    <message>
        <source>The full check of the recipe book '%1' found it damaged: parts of it, or of the indexes that find its rows, do not hold together.</source>
        <translation>Die vollständige Prüfung des Rezeptbuchs „%1“ hat es beschädigt gefunden: Teile davon oder der Verzeichnisse, die seine Zeilen finden, passen nicht zusammen.</translation>
    </message>
    <message>
        <source>'%1' cannot be read at all: %2</source>
        <translation>„%1“ ist gar nicht lesbar: %2</translation>
    </message>
    <message>
        <source>the table %1</source>
        <translation>die Tabelle %1</translation>
    </message>
    <message>
        <source>some rows of the table %1</source>
        <translation>einige Zeilen der Tabelle %1</translation>
    </message>
    <message>
        <source>Nothing of '%1' could be read.</source>
        <translation>Von „%1“ ließ sich nichts lesen.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Recipes</source>
        <translation>Rezepte exportieren</translation>
    </message>
    <message>
        <source>  Write recipes out as web pages or as a MealMaster file</source>
        <translation>  Rezepte als Webseiten oder als MealMaster-Datei speichern</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Rezepte</translation>
    </message>
    <message>
        <source>Recipe type</source>
        <translation>Rezeptart</translation>
    </message>
    <message>
        <source>The recipes &amp;found by the search (%1)</source>
        <translation>Die bei der Suche &amp;gefundenen Rezepte (%1)</translation>
    </message>
    <message>
        <source>The recipes &amp;found by the search (none yet)</source>
        <translation>Die bei der Suche &amp;gefundenen Rezepte (noch keine)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
</context>
<context>
    <name>IngredientPicker</name>
    <message>
        <source>Add ingredient to Meal</source>
        <translation>Zutat zum Rezept hinzufügen</translation>
    </message>
    <message>
        <source>  Add ingredient to Meal</source>
        <translation>  Zutat zum Rezept hinzufügen</translation>
    </message>
    <message>
        <source>Select Ingredient and click "Add" button</source>
        <translation>Zutat wählen und auf „Hinzufügen“ klicken</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Zutaten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Mealvane</name>
    <message>
        <source>it is damaged</source>
        <translation>es ist beschädigt</translation>
    </message>
    <message>
        <source>

From now on Mealvane keeps it read-only, so that nothing more of it is lost: what you saved before is in it, but nothing more is saved.</source>
        <translation>

Ab jetzt hält Mealvane es schreibgeschützt, damit nichts mehr davon verloren geht: Was Sie vorher gespeichert haben, ist darin, aber es wird nichts mehr gespeichert.</translation>
    </message>
    <message>
        <source>Save what can be read of the damaged recipe book into a new file?</source>
        <translation>Das Lesbare des beschädigten Rezeptbuchs in eine neue Datei speichern?</translation>
    </message>
    <message>
        <source>Recipe books (*.mdb)</source>
        <translation>Rezeptbücher (*.mdb)</translation>
    </message>
    <message>
        <source>Saved %1 recipes (%2 rows in all) into '%3'.</source>
        <translation>%1 Rezepte (insgesamt %2 Zeilen) in „%3“ gespeichert.</translation>
    </message>
    <message>
        <source> Could not be read: %1.</source>
        <translation> Nicht lesbar: %1.</translation>
    </message>
    <message>
        <source>

To use it, close Mealvane, keep the damaged file somewhere else, and put the new one in its place as '%1'.</source>
        <translation>

Um sie zu verwenden, schließen Sie Mealvane, legen Sie die beschädigte Datei woanders ab und die neue an ihre Stelle als „%1“.</translation>
    </message>
    <message>
        <source>Nothing could be saved: %1</source>
        <translation>Es konnte nichts gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>PictureViewer</name>
    <message>
        <source>Meal Picture viewer</source>
        <translation>Rezeptbild</translation>
    </message>
    <message>
        <source>  View picture</source>
        <translation>  Bild ansehen</translation>
    </message>
    <message>
        <source>Recipe picture</source>
        <translation>Rezeptbild</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
    <message>
        <source>Save the report as a PDF file</source>
        <translation>Den Bericht als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>Could not write "%1".</source>
        <translation>„%1“ konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Seite</translation>
    </message>
</context>
<context>
    <name>RecipeDetails</name>
    <message>
        <source>S&amp;ource:</source>
        <translation>&amp;Quelle:</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Im Browser öffnen</translation>
    </message>
    <message>
        <source>Au&amp;thor:</source>
        <translation>Au&amp;tor:</translation>
    </message>
    <message>
        <source>e.g. 4 servings, 12 muffins</source>
        <translation>z. B. 4 Portionen, 12 Muffins</translation>
    </message>
    <message>
        <source>&amp;Yield:</source>
        <translation>&amp;Ergibt:</translation>
    </message>
    <message>
        <source>C&amp;uisine:</source>
        <translation>&amp;Küche:</translation>
    </message>
</context>
<context>
    <name>RecipeLinesEditor</name>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Servings</source>
        <translation>Portionen</translation>
    </message>
    <message>
        <source>as written</source>
        <translation>wie angegeben</translation>
    </message>
    <message>
        <source>Scale to servings</source>
        <translation>Auf Portionen umrechnen</translation>
    </message>
    <message>
        <source>Shows the amounts for another number of servings; the recipe is not changed</source>
        <translation>Zeigt die Mengen für eine andere Portionenzahl; das Rezept bleibt unverändert</translation>
    </message>
    <message>
        <source>Se&amp;rvings:</source>
        <translation>&amp;Portionen:</translation>
    </message>
    <message>
        <source>Scale &amp;to:</source>
        <translation>Umrechnen &amp;auf:</translation>
    </message>
    <message>
        <source>Ingredient lines</source>
        <translation>Zutatenzeilen</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Zutat</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
    <message>
        <source>New ingredient line</source>
        <translation>Neue Zutatenzeile</translation>
    </message>
    <message>
        <source>Type a line, e.g. 2 cups flour, sifted</source>
        <translation>Zeile eingeben, z. B. 250 g Mehl, gesiebt</translation>
    </message>
    <message>
        <source>Add Line</source>
        <translation>Zeile hinzufügen</translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation>Zeile löschen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Move line up</source>
        <translation>Zeile nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>Move line down</source>
        <translation>Zeile nach unten</translation>
    </message>
</context>
<context>
    <name>RecipePicker</name>
    <message>
        <source>Select Meal</source>
        <translation>Rezept wählen</translation>
    </message>
    <message>
        <source>  Select Meal</source>
        <translation>  Rezept wählen</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Rezept</translation>
    </message>
    <message>
        <source>Send with EMail </source>
        <translation>Per E-Mail senden </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Put the recipe book back as it was when a backup was made</source>
        <translation>Das Rezeptbuch auf den Stand einer Sicherung zurücksetzen</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Rezepte</translation>
    </message>
    <message>
        <source>Planned weeks</source>
        <translation>Geplante Wochen</translation>
    </message>
    <message>
        <source>Start of the day</source>
        <translation>Tagesbeginn</translation>
    </message>
    <message>
        <source>Before a change</source>
        <translation>Vor einer Änderung</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Beschädigt</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>Selectors</name>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Vane Time Selector</source>
        <translation>Vane Mahlzeitenauswahl</translation>
    </message>
    <message>
        <source>Vane Day Selector</source>
        <translation>Vane Tagesauswahl</translation>
    </message>
</context>
<context>
    <name>SharingDialog</name>
    <message>
        <source>Sharing</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>The week on the household's phones, through your CalDAV server</source>
        <translation>Die Woche auf den Handys des Haushalts, über Ihren CalDAV-Server</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Verbindung &amp;testen</translation>
    </message>
    <message>
        <source>Meals at:</source>
        <translation>Mahlzeiten um:</translation>
    </message>
    <message>
        <source>Give the address of your CalDAV server, such as https://dav.example.org/.</source>
        <translation>Geben Sie die Adresse Ihres CalDAV-Servers an, etwa https://dav.example.org/.</translation>
    </message>
    <message>
        <source>Give your user name on the server.</source>
        <translation>Geben Sie Ihren Benutzernamen auf dem Server an.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>%1 wird gefragt...</translation>
    </message>
    <message>
        <source>Reached %1: %2 task lists and %3 calendars. Choose the ones to share to, or new ones.</source>
        <translation>%1 erreicht: %2 Aufgabenlisten und %3 Kalender. Wählen Sie die zum Teilen, oder neue.</translation>
    </message>
    <message>
        <source>New task list "Shopping"</source>
        <translation>Neue Aufgabenliste „Einkauf“</translation>
    </message>
    <message>
        <source>New calendar "Meals"</source>
        <translation>Neuer Kalender „Mahlzeiten“</translation>
    </message>
    <message>
        <source>None: share the list only</source>
        <translation>Keiner: nur die Liste teilen</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Resume scrolling</source>
        <translation>Lauftext fortsetzen</translation>
    </message>
    <message>
        <source>Pause scrolling</source>
        <translation>Lauftext anhalten</translation>
    </message>
    <message>
        <source>Selected Week:</source>
        <translation>Gewählte Woche:</translation>
    </message>
    <message>
        <source>Week Number:</source>
        <translation>Kalenderwoche:</translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>Heute:</translation>
    </message>
    <message>
        <source>Mealvane v 4.0</source>
        <translation>Mealvane v 4.0</translation>
    </message>
    <message>
        <source>Save time and get your life back !</source>
        <translation>Zeit sparen und das Leben genießen!</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Pick-A-Menu</source>
        <translation>&amp;Menüplanung</translation>
    </message>
    <message>
        <source>&amp;Weekly Menu</source>
        <translation>&amp;Wochenspeiseplan</translation>
    </message>
    <message>
        <source>&amp;Quick Start</source>
        <translation>&amp;Schnellstart</translation>
    </message>
    <message>
        <source>&amp;Shopping List</source>
        <translation>&amp;Einkaufsliste</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Rezepte</translation>
    </message>
    <message>
        <source>&amp;Ingredients</source>
        <translation>&amp;Zutaten</translation>
    </message>
    <message>
        <source>S&amp;earch</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;All Recipes</source>
        <translation>&amp;Alle Rezepte</translation>
    </message>
    <message>
        <source>&amp;Single Recipe</source>
        <translation>&amp;Einzelnes Rezept</translation>
    </message>
    <message>
        <source>A&amp;ll Ingredients</source>
        <translation>Alle &amp;Zutaten</translation>
    </message>
    <message>
        <source>&amp;Mealvane Help</source>
        <translation>&amp;Mealvane-Hilfe</translation>
    </message>
    <message>
        <source>Visit us on the Web</source>
        <translation>Besuchen Sie uns im Web</translation>
    </message>
    <message>
        <source>Import Meals from Older DB</source>
        <translation>Rezepte aus älterer Datenbank importieren</translation>
    </message>
    <message>
        <source>Import Recipes from Files...</source>
        <translation>Rezepte aus Dateien importieren...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>&amp;New Recipe...</source>
        <translation>&amp;Neues Rezept...</translation>
    </message>
    <message>
        <source>&amp;Find Recipe</source>
        <translation>Rezept &amp;finden</translation>
    </message>
    <message>
        <source>&amp;Daily Style</source>
        <translation>&amp;Tagesplanung</translation>
    </message>
    <message>
        <source>Recipe &amp;Types and Groups</source>
        <translation>Rezept&amp;arten und Gruppen</translation>
    </message>
    <message>
        <source>&amp;Household...</source>
        <translation>&amp;Haushalt...</translation>
    </message>
    <message>
        <source>Import Recipe from Web Address...</source>
        <translation>Rezept von Webadresse importieren...</translation>
    </message>
    <message>
        <source>Read Amounts from Methods...</source>
        <translation>Mengen aus Zubereitungen lesen...</translation>
    </message>
    <message>
        <source>Pre&amp;vious Week</source>
        <translation>&amp;Vorige Woche</translation>
    </message>
    <message>
        <source>Ne&amp;xt Week</source>
        <translation>&amp;Nächste Woche</translation>
    </message>
    <message>
        <source>&amp;Copy Week To...</source>
        <translation>Woche &amp;kopieren nach...</translation>
    </message>
    <message>
        <source>Restore from &amp;Backup...</source>
        <translation>Aus &amp;Sicherung wiederherstellen...</translation>
    </message>
    <message>
        <source>Export &amp;Recipes...</source>
        <translation>&amp;Rezepte exportieren...</translation>
    </message>
    <message>
        <source>Export Wee&amp;k...</source>
        <translation>Wo&amp;che exportieren...</translation>
    </message>
    <message>
        <source>Shar&amp;ing...</source>
        <translation>&amp;Teilen...</translation>
    </message>
    <message>
        <source>Share &amp;Week</source>
        <translation>&amp;Woche teilen</translation>
    </message>
    <message>
        <source>Refresh from P&amp;hones</source>
        <translation>Von den &amp;Handys abgleichen</translation>
    </message>
    <message>
        <source>Export Week as &amp;Calendar...</source>
        <translation>Woche als &amp;Kalender exportieren...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>De&amp;leted Recipes...</source>
        <translation>&amp;Gelöschte Rezepte...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>&amp;Datenbank</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Aktionen</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>Be&amp;richte</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Pick-A-Menu</source>
        <translation>Menüplanung</translation>
    </message>
    <message>
        <source>Weekly Style</source>
        <translation>Wochenplanung</translation>
    </message>
    <message>
        <source>Daily Style</source>
        <translation>Tagesplanung</translation>
    </message>
    <message>
        <source>Shopping List</source>
        <translation>Einkaufsliste</translation>
    </message>
    <message>
        <source>Recipes (View/Add/Edit)</source>
        <translation>Rezepte (Ansehen/Neu/Bearbeiten)</translation>
    </message>
    <message>
        <source>Ingredients (Insert/Delete)</source>
        <translation>Zutaten (Neu/Löschen)</translation>
    </message>
    <message>
        <source>Recipe Types / Groups (Insert/Delete)</source>
        <translation>Rezeptarten / Gruppen (Neu/Löschen)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Weekly Menu</source>
        <translation>Wochenspeiseplan</translation>
    </message>
    <message>
        <source>All Recipes</source>
        <translation>Alle Rezepte</translation>
    </message>
    <message>
        <source>Single Recipe</source>
        <translation>Einzelnes Rezept</translation>
    </message>
    <message>
        <source>All Ingredients</source>
        <translation>Alle Zutaten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Quick Start Page</source>
        <translation>Schnellstart</translation>
    </message>
    <message>
        <source>Mealvane Help</source>
        <translation>Mealvane-Hilfe</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Click to visit Mealvane on the Web</source>
        <translation>Mealvane im Web besuchen</translation>
    </message>
    <message>
        <source>PickAmenu</source>
        <translation>Menüplanung</translation>
    </message>
    <message>
        <source>Vane Menu Selection</source>
        <translation>Vane Speiseplanauswahl</translation>
    </message>
    <message>
        <source>PichMenuOldStyle</source>
        <translation>Wochenplanung</translation>
    </message>
    <message>
        <source>Vane Shopping</source>
        <translation>Vane Einkauf</translation>
    </message>
    <message>
        <source>View Meals</source>
        <translation>Rezepte ansehen</translation>
    </message>
    <message>
        <source>View/Edit Recipes</source>
        <translation>Rezepte ansehen/bearbeiten</translation>
    </message>
    <message>
        <source>Insert/Delete Ingr</source>
        <translation>Zutaten neu/löschen</translation>
    </message>
    <message>
        <source>Insert/Delete Ingredients</source>
        <translation>Zutaten hinzufügen/löschen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Kategorien</translation>
    </message>
    <message>
        <source>Recipe Types and Ingredient Groups manager</source>
        <translation>Rezeptarten und Zutatengruppen verwalten</translation>
    </message>
    <message>
        <source>VaneSearch</source>
        <translation>Vane Suche</translation>
    </message>
    <message>
        <source>Welcome Page</source>
        <translation>Willkommen</translation>
    </message>
    <message>
        <source>Mealvane v 4.0 Quick Start</source>
        <translation>Mealvane v 4.0 Schnellstart</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>MEALVANE - Save time and get your life back!</source>
        <translation>MEALVANE – Zeit sparen und das Leben genießen!</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>Schnellstart</translation>
    </message>
    <message>
        <source>To plan your weekly menu quickly and easily, it only takes 4 mouse clicks!</source>
        <translation>Ihren Wochenspeiseplan planen Sie schnell und einfach mit nur 4 Mausklicks!</translation>
    </message>
    <message>
        <source>Click on Pick-A-Menu on the left hand navigation bar</source>
        <translation>Klicken Sie links in der Navigationsleiste auf Menüplanung</translation>
    </message>
    <message>
        <source>Click on Weekly Style</source>
        <translation>Klicken Sie auf Wochenplanung</translation>
    </message>
    <message>
        <source>Click on Pick-A-Week from the buttons that appear on the lower right</source>
        <translation>Klicken Sie unten rechts auf Woche auswürfeln</translation>
    </message>
    <message>
        <source>Click on Save Menu in that same button panel</source>
        <translation>Klicken Sie in derselben Leiste auf Speiseplan speichern</translation>
    </message>
    <message>
        <source>You have randomly chosen your entire menu for the week!</source>
        <translation>Sie haben den ganzen Speiseplan der Woche zufällig ausgewählt!</translation>
    </message>
    <message>
        <source>You can then create and print your Shopping List with only 2 more clicks!</source>
        <translation>Mit nur 2 weiteren Klicks erstellen und drucken Sie dann Ihre Einkaufsliste!</translation>
    </message>
    <message>
        <source>1.	Click on Shopping List on the left hand navigation bar</source>
        <translation>1.	Klicken Sie links in der Navigationsleiste auf Einkaufsliste</translation>
    </message>
    <message>
        <source>2.	Click on the Print button in the lower right hand button panel</source>
        <translation>2.	Klicken Sie unten rechts auf die Schaltfläche Drucken</translation>
    </message>
    <message>
        <source>AMAZING!!!</source>
        <translation>GROSSARTIG!!!</translation>
    </message>
    <message>
        <source>To get help on how to customise your menu, use the Pick-A-Menu topic in the online Help.</source>
        <translation>Hilfe zum Anpassen Ihres Speiseplans finden Sie in der Hilfe unter Menüplanung.</translation>
    </message>
    <message>
        <source>Check out the website to see the latest FREE recipe bonuses for Mealvane</source>
        <translation>Auf der Website finden Sie die neuesten KOSTENLOSEN Rezepte für Mealvane</translation>
    </message>
    <message>
        <source>HAVE A NICE DAY,   Mealvane TEAM</source>
        <translation>EINEN SCHÖNEN TAG,   IHR Mealvane-TEAM</translation>
    </message>
    <message>
        <source>Pause or resume the scrolling text</source>
        <translation>Lauftext anhalten oder fortsetzen</translation>
    </message>
    <message>
        <source>To know more about Mealvane visit us on the Web</source>
        <translation>Mehr über Mealvane erfahren Sie im Web</translation>
    </message>
    <message>
        <source>Nothing on this page waits to be saved</source>
        <translation>Auf dieser Seite ist nichts zu speichern</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>No recipe was deleted in the last %1 days.</source>
        <translation>In den letzten %1 Tagen wurde kein Rezept gelöscht.</translation>
    </message>
    <message>
        <source>Deleted Recipes</source>
        <translation>Gelöschte Rezepte</translation>
    </message>
    <message>
        <source>Recipes deleted in the last %1 days</source>
        <translation>In den letzten %1 Tagen gelöschte Rezepte</translation>
    </message>
    <message>
        <source>Deleted recipes</source>
        <translation>Gelöschte Rezepte</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Rezept</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>"%1" as "%2" (a recipe took its name since)</source>
        <translation>„%1“ als „%2“ (ein anderes Rezept trägt inzwischen diesen Namen)</translation>
    </message>
    <message>
        <source>Making a backup of the recipe book...</source>
        <translation>Sicherung des Rezeptbuchs wird erstellt...</translation>
    </message>
    <message>
        <source>The newest backup holds the book as it is</source>
        <translation>Die neueste Sicherung enthält das Buch schon so, wie es ist</translation>
    </message>
    <message>
        <source>Backup made: %1</source>
        <translation>Sicherung erstellt: %1</translation>
    </message>
    <message>
        <source>Checking the backup...</source>
        <translation>Sicherung wird geprüft...</translation>
    </message>
    <message>
        <source>The backup of %1 is damaged (%2) and cannot be restored.</source>
        <translation>Die Sicherung vom %1 ist beschädigt (%2) und kann nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>The backup could not be opened (%1), so the recipe book is as it was.</source>
        <translation>Die Sicherung ließ sich nicht öffnen (%1); das Rezeptbuch ist unverändert.</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1. The recipe book is as it was.</source>
        <translation>Die Sicherung konnte nicht wiederhergestellt werden: %1. Das Rezeptbuch ist unverändert.</translation>
    </message>
    <message>
        <source>Export Recipes To</source>
        <translation>Rezepte exportieren nach</translation>
    </message>
    <message>
        <source>There are no recipes to export.</source>
        <translation>Es gibt keine Rezepte zum Exportieren.</translation>
    </message>
    <message>
        <source>Writing the recipes...</source>
        <translation>Rezepte werden gespeichert...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export Recipes</source>
        <translation>Rezepte exportieren</translation>
    </message>
    <message>
        <source>The export was cancelled</source>
        <translation>Der Export wurde abgebrochen</translation>
    </message>
    <message>
        <source>Exported %1 recipes</source>
        <translation>%1 Rezepte exportiert</translation>
    </message>
    <message>
        <source>Export Week</source>
        <translation>Woche exportieren</translation>
    </message>
    <message>
        <source>The week could not be written to %1: %2</source>
        <translation>Die Woche konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Week %1 written to %2</source>
        <translation>Woche %1 in %2 gespeichert</translation>
    </message>
    <message>
        <source>Error sending mail (%1).</source>
        <translation>Fehler beim Senden der E-Mail (%1).</translation>
    </message>
    <message>
        <source>%1

Close Mealvane without saving it?</source>
        <translation>%1

Mealvane schließen, ohne zu speichern?</translation>
    </message>
    <message>
        <source>Copy Week To</source>
        <translation>Woche kopieren nach</translation>
    </message>
    <message>
        <source>  Copy the menu of week %1 onto the week of the day chosen</source>
        <translation>  Den Speiseplan der Woche %1 in die Woche des gewählten Tages kopieren</translation>
    </message>
    <message>
        <source>Week to copy onto</source>
        <translation>Zielwoche</translation>
    </message>
    <message>
        <source>Copy the &amp;shopping list too</source>
        <translation>Auch die &amp;Einkaufsliste kopieren</translation>
    </message>
    <message>
        <source>Week %1 of %2 is the week being copied: choose a day of another week.</source>
        <translation>Woche %1 von %2 ist die Woche, die kopiert wird: Wählen Sie einen Tag einer anderen Woche.</translation>
    </message>
    <message>
        <source>Week %1 of %2 has nothing planned to copy.</source>
        <translation>In Woche %1 von %2 ist nichts geplant, was kopiert werden könnte.</translation>
    </message>
    <message>
        <source>Week %1 copied onto week %2 of %3; its shopping list: %4 items</source>
        <translation>Woche %1 in Woche %2 von %3 kopiert; ihre Einkaufsliste: %4 Posten</translation>
    </message>
    <message>
        <source>Week %1 copied onto week %2 of %3</source>
        <translation>Woche %1 in Woche %2 von %3 kopiert</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>People at This Meal...</source>
        <translation>Personen bei dieser Mahlzeit...</translation>
    </message>
    <message>
        <source>Vane Drag Meals to Menu Boxes</source>
        <translation>Vane Gerichte in die Speiseplanfelder ziehen</translation>
    </message>
    <message>
        <source>Meals</source>
        <translation>Gerichte</translation>
    </message>
    <message>
        <source>Filter by Meal Type</source>
        <translation>Nach Rezeptart filtern</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Art</translation>
    </message>
    <message>
        <source>Meal type</source>
        <translation>Rezeptart</translation>
    </message>
    <message>
        <source>People at This Meal</source>
        <translation>Personen bei dieser Mahlzeit</translation>
    </message>
    <message>
        <source>How many people eat "%1"? (Leave it blank for the household's %2.)</source>
        <translation>Wie viele Personen essen „%1“? (Leer lassen für die %2 des Haushalts.)</translation>
    </message>
    <message>
        <source>"%1" is planned for the household's %2 people</source>
        <translation>„%1“ ist für die %2 Personen des Haushalts geplant</translation>
    </message>
    <message>
        <source>"%1" is planned for %2 people</source>
        <translation>„%1“ ist für %2 Personen geplant</translation>
    </message>
    <message>
        <source>Too many items selected</source>
        <translation>Zu viele Einträge gewählt</translation>
    </message>
    <message>
        <source>No re&amp;peats</source>
        <translation>Keine &amp;Wiederholungen</translation>
    </message>
    <message>
        <source>Not saved yet</source>
        <translation>Noch nicht gespeichert</translation>
    </message>
    <message>
        <source>The weekly menu holds picks not saved yet</source>
        <translation>Der Wochenspeiseplan enthält noch nicht gespeicherte Auswahlen</translation>
    </message>
    <message>
        <source>Menu of week %1 saved; the shopping list kept as edited</source>
        <translation>Speiseplan der Woche %1 gespeichert; die Einkaufsliste bleibt wie bearbeitet</translation>
    </message>
    <message>
        <source>Menu of week %1 saved; shopping list: %2</source>
        <translation>Speiseplan der Woche %1 gespeichert; Einkaufsliste: %2</translation>
    </message>
    <message>
        <source>Pick-A-Time: the meal times to pick for</source>
        <translation>Mahlzeit auswürfeln: die Mahlzeiten, für die gewählt wird</translation>
    </message>
    <message>
        <source>Pick-A-Day: the days to pick for</source>
        <translation>Tag auswürfeln: die Tage, für die gewählt wird</translation>
    </message>
    <message>
        <source>Clear-A-Time: the meal times to clear</source>
        <translation>Mahlzeit leeren: die zu leerenden Mahlzeiten</translation>
    </message>
    <message>
        <source>Clear-A-Day: the days to clear</source>
        <translation>Tag leeren: die zu leerenden Tage</translation>
    </message>
    <message>
        <source>%1 needs a name of more than blanks.</source>
        <translation>%1 braucht einen Namen, der nicht nur aus Leerzeichen besteht.</translation>
    </message>
    <message>
        <source>%1 can be at most 50 characters long.</source>
        <translation>%1 darf höchstens 50 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>A group's name</source>
        <translation>Der Name einer Gruppe</translation>
    </message>
    <message>
        <source>A recipe type</source>
        <translation>Eine Rezeptart</translation>
    </message>
    <message>
        <source>Ingredient group</source>
        <translation>Zutatengruppe</translation>
    </message>
    <message>
        <source>Recipe type</source>
        <translation>Rezeptart</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Zutaten</translation>
    </message>
    <message>
        <source>Ingredient Group</source>
        <translation>Zutatengruppe</translation>
    </message>
    <message>
        <source>Recipe Type</source>
        <translation>Rezeptart</translation>
    </message>
    <message>
        <source>Ingredient group "%1" is now %2 of %3 on the way through the shop</source>
        <translation>Zutatengruppe „%1“ kommt jetzt an %2. Stelle von %3 auf dem Weg durch den Laden</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>Always at &amp;home</source>
        <translation>Immer im &amp;Haus</translation>
    </message>
    <message>
        <source>Listed last on the shopping list, under "%1"</source>
        <translation>Steht zuletzt auf der Einkaufsliste, unter „%1“</translation>
    </message>
    <message>
        <source>"%1" is always at home: the shopping list puts it under "%2"</source>
        <translation>„%1“ ist immer im Haus: Die Einkaufsliste führt es unter „%2“</translation>
    </message>
    <message>
        <source>"%1" is bought like the rest</source>
        <translation>„%1“ wird wie alles andere eingekauft</translation>
    </message>
    <message>
        <source>Enter Ingredients Description first!</source>
        <translation>Geben Sie zuerst die Bezeichnung der Zutat ein!</translation>
    </message>
    <message>
        <source>Enter New Description</source>
        <translation>Neue Bezeichnung eingeben</translation>
    </message>
    <message>
        <source>Ingredient Description:</source>
        <translation>Bezeichnung der Zutat:</translation>
    </message>
    <message>
        <source>An ingredient needs a name; "%1" keeps its own.</source>
        <translation>Eine Zutat braucht einen Namen; „%1“ behält seinen.</translation>
    </message>
    <message>
        <source>An ingredient's name can be at most 50 characters long; "%1" keeps its own.</source>
        <translation>Der Name einer Zutat darf höchstens 50 Zeichen lang sein; „%1“ behält seinen.</translation>
    </message>
    <message>
        <source>Deleted the ingredient "%1"</source>
        <translation>Zutat „%1“ gelöscht</translation>
    </message>
    <message>
        <source>The catalogue holds nothing to tidy up.</source>
        <translation>Im Zutatenverzeichnis gibt es nichts aufzuräumen.</translation>
    </message>
    <message>
        <source>Tidy Up</source>
        <translation>Aufräumen</translation>
    </message>
    <message>
        <source>Entries that mean another</source>
        <translation>Einträge, die einen anderen meinen</translation>
    </message>
    <message>
        <source>Entries to tidy up</source>
        <translation>Aufzuräumende Einträge</translation>
    </message>
    <message>
        <source>“%1” into “%2”</source>
        <translation>„%1“ in „%2“</translation>
    </message>
    <message>
        <source>“%1” renamed “%2”</source>
        <translation>„%1“ umbenannt in „%2“</translation>
    </message>
    <message>
        <source>the tidying</source>
        <translation>dem Aufräumen</translation>
    </message>
    <message>
        <source>%1 entries of the catalogue tidied up</source>
        <translation>%1 Einträge des Zutatenverzeichnisses aufgeräumt</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>the import</source>
        <translation>dem Import</translation>
    </message>
    <message>
        <source>Cannot connect to old database, possibly you chose wrong file!</source>
        <translation>Keine Verbindung zur alten Datenbank – vielleicht wurde die falsche Datei gewählt!</translation>
    </message>
    <message>
        <source>Importing has been done!</source>
        <translation>Der Import ist abgeschlossen!</translation>
    </message>
    <message>
        <source>Imported %1 recipes, skipped %2</source>
        <translation>%1 Rezepte importiert, %2 übersprungen</translation>
    </message>
    <message>
        <source>The import stopped, and nothing of it was kept: %1</source>
        <translation>Der Import wurde abgebrochen, nichts davon wurde übernommen: %1</translation>
    </message>
    <message>
        <source>The import stopped: %1

%2</source>
        <translation>Der Import wurde abgebrochen: %1

%2</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Adressen:</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Adressen</translation>
    </message>
    <message>
        <source>https://... (one address a line)</source>
        <translation>https://... (eine Adresse pro Zeile)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Fetching the recipes...</source>
        <translation>Rezepte werden abgerufen...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>Time Of Day:</source>
        <translation>Tageszeit:</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Zubereitung</translation>
    </message>
    <message>
        <source>Amounts</source>
        <translation>Mengen</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschreibung:</translation>
    </message>
    <message>
        <source>Ingredients of the recipe</source>
        <translation>Zutaten des Rezepts</translation>
    </message>
    <message>
        <source>&amp;Ingredients:</source>
        <translation>&amp;Zutaten:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>&amp;Picture: (Right Click)</source>
        <translation>&amp;Bild: (Rechtsklick)</translation>
    </message>
    <message>
        <source>Load New Picture</source>
        <translation>Neues Bild laden</translation>
    </message>
    <message>
        <source>Loaded the picture (%1 MB)</source>
        <translation>Bild geladen (%1 MB)</translation>
    </message>
    <message>
        <source>Kept the photo at %1 x %2 pixels (%3 MB)</source>
        <translation>Foto mit %1 x %2 Pixeln übernommen (%3 MB)</translation>
    </message>
    <message>
        <source>Kept the photo as it is: %1 x %2 pixels (%3 MB)</source>
        <translation>Foto unverändert übernommen: %1 x %2 Pixel (%3 MB)</translation>
    </message>
    <message>
        <source>Clear the picture of "%1"?</source>
        <translation>Das Bild von „%1“ entfernen?</translation>
    </message>
    <message>
        <source>Clear Picture of "%1"</source>
        <translation>Bild von „%1“ entfernen</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Bild speichern</translation>
    </message>
    <message>
        <source>Could not write the picture to "%1": %2</source>
        <translation>Das Bild konnte nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>New Recipe Name:</source>
        <translation>Neuer Rezeptname:</translation>
    </message>
    <message>
        <source>A recipe needs a name of more than blanks.</source>
        <translation>Ein Rezept braucht einen Namen, der nicht nur aus Leerzeichen besteht.</translation>
    </message>
    <message>
        <source>A recipe name can be at most %1 characters long.</source>
        <translation>Ein Rezeptname darf höchstens %1 Zeichen lang sein.</translation>
    </message>
    <message>
        <source>The recipe book already has a recipe named "%1".</source>
        <translation>Das Rezeptbuch hat bereits ein Rezept namens „%1“.</translation>
    </message>
    <message>
        <source>Input New Recipe Name</source>
        <translation>Neuen Rezeptnamen eingeben</translation>
    </message>
    <message>
        <source>Saved the recipe "%1"</source>
        <translation>Rezept „%1“ gespeichert</translation>
    </message>
    <message>
        <source>Add New Recipe</source>
        <translation>Neues Rezept hinzufügen</translation>
    </message>
    <message>
        <source>Deleted the recipe "%1"; Edit &gt; Undo or File &gt; Deleted Recipes... puts it back</source>
        <translation>Rezept „%1“ gelöscht; Bearbeiten &gt; Rückgängig oder Datei &gt; Gelöschte Rezepte... holt es zurück</translation>
    </message>
    <message>
        <source>The method of "%1" does not begin with ingredient lines.</source>
        <translation>Die Zubereitung von „%1“ beginnt nicht mit Zutatenzeilen.</translation>
    </message>
    <message>
        <source> The lines it has now are replaced.</source>
        <translation> Die vorhandenen Zeilen werden ersetzt.</translation>
    </message>
    <message>
        <source>reading the amounts</source>
        <translation>dem Lesen der Mengen</translation>
    </message>
    <message>
        <source>No recipe without ingredient lines has a method that begins with them.</source>
        <translation>Kein Rezept ohne Zutatenzeilen hat eine Zubereitung, die mit ihnen beginnt.</translation>
    </message>
    <message>
        <source>Ingredient lines made for %1 recipes</source>
        <translation>Zutatenzeilen für %1 Rezepte erstellt</translation>
    </message>
    <message>
        <source>Preparing the report...</source>
        <translation>Bericht wird vorbereitet...</translation>
    </message>
    <message>
        <source> of </source>
        <translation> von </translation>
    </message>
    <message>
        <source>No puedo cargar la imagen</source>
        <translation>Das Bild kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Search by</source>
        <translation>Suchen nach</translation>
    </message>
    <message>
        <source>Go !</source>
        <translation>Los!</translation>
    </message>
    <message>
        <source>Recipe name contains</source>
        <translation>Rezeptname enthält</translation>
    </message>
    <message>
        <source>Search recipe names</source>
        <translation>Rezeptnamen durchsuchen</translation>
    </message>
    <message>
        <source>Search by ingredients</source>
        <translation>Nach Zutaten suchen</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Alle ankreuzen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Search Result:</source>
        <translation>Suchergebnis:</translation>
    </message>
    <message>
        <source>Search Result</source>
        <translation>Suchergebnis</translation>
    </message>
    <message>
        <source>Print Recipe</source>
        <translation>Rezept drucken</translation>
    </message>
    <message>
        <source>Email Recipe</source>
        <translation>Rezept per E-Mail</translation>
    </message>
    <message>
        <source>Please check at least 1 ingredient</source>
        <translation>Bitte mindestens eine Zutat ankreuzen</translation>
    </message>
    <message>
        <source>Choose how to search first: by a piece of the recipe name or by ingredients.</source>
        <translation>Wählen Sie zuerst, wie gesucht wird: nach einem Teil des Rezeptnamens oder nach Zutaten.</translation>
    </message>
    <message>
        <source>The week is shared to %1</source>
        <translation>Die Woche wird mit %1 geteilt</translation>
    </message>
    <message>
        <source>Sharing week %1...</source>
        <translation>Woche %1 wird geteilt...</translation>
    </message>
    <message>
        <source>Looking for what the phones ticked...</source>
        <translation>Es wird nachgesehen, was auf den Handys abgehakt wurde...</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Sharing cancelled: nothing was changed here</source>
        <translation>Teilen abgebrochen: Hier wurde nichts geändert</translation>
    </message>
    <message>
        <source>Week %1 shared: %2 items and %3 meals written, %4 removed</source>
        <translation>Woche %1 geteilt: %2 Posten und %3 Mahlzeiten geschrieben, %4 entfernt</translation>
    </message>
    <message>
        <source>Export Week as Calendar</source>
        <translation>Woche als Kalender exportieren</translation>
    </message>
    <message>
        <source>The calendar could not be written to %1 (%2).</source>
        <translation>Der Kalender konnte nicht in %1 gespeichert werden (%2).</translation>
    </message>
    <message>
        <source>Week %1 written to %2: %3 meals and %4 items</source>
        <translation>Woche %1 in %2 gespeichert: %3 Mahlzeiten und %4 Posten</translation>
    </message>
    <message>
        <source>Shopping List Preview</source>
        <translation>Einkaufsliste – Vorschau</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Zutat</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Menge</translation>
    </message>
    <message>
        <source>Number Of Meals</source>
        <translation>Anzahl Gerichte</translation>
    </message>
    <message>
        <source>Bought</source>
        <translation>Gekauft</translation>
    </message>
    <message>
        <source>Number Of</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>In shop order</source>
        <translation>In Ladenreihenfolge</translation>
    </message>
    <message>
        <source>Filter by Group</source>
        <translation>Nach Gruppe filtern</translation>
    </message>
    <message>
        <source>Group to filter by</source>
        <translation>Gruppe zum Filtern</translation>
    </message>
    <message>
        <source>Ingredients not on the list</source>
        <translation>Zutaten, die nicht auf der Liste stehen</translation>
    </message>
    <message>
        <source>Drag Ingredient or Type manually</source>
        <translation>Zutat hierher ziehen oder von Hand eingeben</translation>
    </message>
    <message>
        <source>Add /Change</source>
        <translation>Hinzufügen/Ändern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Share Week</source>
        <translation>Woche teilen</translation>
    </message>
    <message>
        <source>The list and the menu on the household's phones</source>
        <translation>Die Liste und der Speiseplan auf den Handys des Haushalts</translation>
    </message>
    <message>
        <source>Drag an ingredient onto the list, or press Enter to add it</source>
        <translation>Ziehen Sie eine Zutat auf die Liste oder drücken Sie die Eingabetaste, um sie hinzuzufügen</translation>
    </message>
    <message>
        <source>Shopping list of week %1 kept as edited</source>
        <translation>Einkaufsliste der Woche %1 bleibt wie bearbeitet</translation>
    </message>
    <message>
        <source>Shopping list of week %1: %2</source>
        <translation>Einkaufsliste der Woche %1: %2</translation>
    </message>
    <message>
        <source>kept as edited</source>
        <translation>bleibt wie bearbeitet</translation>
    </message>
    <message>
        <source>%1 items, merged with yours</source>
        <translation>%1 Posten, mit Ihren zusammengeführt</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behalten</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Haushalt</translation>
    </message>
    <message>
        <source>Whom the week is planned for</source>
        <translation>Für wen die Woche geplant wird</translation>
    </message>
    <message>
        <source>Metric (g, kg, ml, l)</source>
        <translation>Metrisch (g, kg, ml, l)</translation>
    </message>
    <message>
        <source>US customary (oz, lb, cups)</source>
        <translation>US-Maße (oz, lb, cups)</translation>
    </message>
    <message>
        <source>&amp;People at the table:</source>
        <translation>&amp;Personen am Tisch:</translation>
    </message>
    <message>
        <source>&amp;Amounts in:</source>
        <translation>&amp;Mengen in:</translation>
    </message>
    <message>
        <source>"%1" added to the shopping list of week %2</source>
        <translation>„%1“ zur Einkaufsliste der Woche %2 hinzugefügt</translation>
    </message>
    <message>
        <source>"%1" changed in the shopping list of week %2</source>
        <translation>„%1“ in der Einkaufsliste der Woche %2 geändert</translation>
    </message>
    <message>
        <source>Type the name of the item to buy first.</source>
        <translation>Geben Sie zuerst den Namen dessen ein, was gekauft werden soll.</translation>
    </message>
    <message>
        <source>Shopping List for week %1-%2 is empty</source>
        <translation>Die Einkaufsliste der Woche %1-%2 ist leer</translation>
    </message>
    <message>
        <source>The export stopped: %1. %2 recipe was written to %3 before it did.</source>
        <translation>Der Export wurde abgebrochen: %1. Zuvor wurde %2 Rezept in %3 gespeichert.</translation>
    </message>
    <message>
        <source>The export stopped: %1. %2 recipes were written to %3 before it did.</source>
        <translation>Der Export wurde abgebrochen: %1. Zuvor wurden %2 Rezepte in %3 gespeichert.</translation>
    </message>
    <message>
        <source>The export was cancelled: %1 recipe was written to %2.</source>
        <translation>Der Export wurde abgebrochen: %1 Rezept wurde in %2 gespeichert.</translation>
    </message>
    <message>
        <source>The export was cancelled: %1 recipes were written to %2.</source>
        <translation>Der Export wurde abgebrochen: %1 Rezepte wurden in %2 gespeichert.</translation>
    </message>
    <message>
        <source>%1 recipe was written to %2.</source>
        <translation>%1 Rezept wurde in %2 gespeichert.</translation>
    </message>
    <message>
        <source>%1 recipes were written to %2.</source>
        <translation>%1 Rezepte wurden in %2 gespeichert.</translation>
    </message>
    <message>
        <source>Week %1 of %2 is planned already. Replace its menu and shopping list with those of week %3?</source>
        <translation>Woche %1 von %2 ist schon geplant. Ihren Speiseplan und ihre Einkaufsliste durch die der Woche %3 ersetzen?</translation>
    </message>
    <message>
        <source>Week %1 of %2 is planned already. Replace its menu with those of week %3?</source>
        <translation>Woche %1 von %2 ist schon geplant. Ihren Speiseplan durch den der Woche %3 ersetzen?</translation>
    </message>
    <message numerus="yes">
        <source>%n ingredient(s) belong to the %1 group. Deleting this Group will delete all these Ingredients. Continue?</source>
        <translation><numerusform>%n Zutat gehört zur Gruppe %1. Wird die Gruppe gelöscht, wird auch diese Zutat gelöscht. Fortfahren?</numerusform><numerusform>%n Zutaten gehören zur Gruppe %1. Wird die Gruppe gelöscht, werden auch alle diese Zutaten gelöscht. Fortfahren?</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n meal(s) exist in %1 category. Deleting of this Type will delete all these Meals. Continue?</source>
        <translation><numerusform>%n Rezept gehört zur Art %1. Wird die Art gelöscht, wird auch dieses Rezept gelöscht. Fortfahren?</numerusform><numerusform>%n Rezepte gehören zur Art %1. Wird die Art gelöscht, werden auch alle diese Rezepte gelöscht. Fortfahren?</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 - ingredient is used in %n meal(s). Delete it from meals first!</source>
        <translation><numerusform>%1 – die Zutat wird in %n Gericht verwendet. Entfernen Sie sie zuerst aus den Gerichten!</numerusform><numerusform>%1 – die Zutat wird in %n Gerichten verwendet. Entfernen Sie sie zuerst aus den Gerichten!</numerusform></translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The language Mealvane speaks</source>
        <translation>Die Sprache, die Mealvane spricht</translation>
    </message>
    <message>
        <source>System (%1)</source>
        <translation>System (%1)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>The manual stays in English. Mealvane speaks the language chosen from its next start.</source>
        <translation>Das Handbuch bleibt englisch. Mealvane spricht die gewählte Sprache ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>From its next start Mealvane speaks %1</source>
        <translation>Ab dem nächsten Start spricht Mealvane %1</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Sprache...</translation>
    </message>
    <message>
        <source>In 6 clicks and less than a minute, you have created your weekly menu, generated your shopping list printed it out and you are ready to go (depending on the speed of your printer!)</source>
        <translation>Mit 6 Klicks in weniger als einer Minute haben Sie Ihren Wochenspeiseplan erstellt, die Einkaufsliste erzeugt und ausgedruckt – und schon kann es losgehen (je nachdem, wie schnell Ihr Drucker ist!)</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Rückgängig gemacht: %1</translation>
    </message>
    <message>
        <source>Restored %1</source>
        <translation>Wiederhergestellt: %1</translation>
    </message>
    <message>
        <source>No backup of the recipe book could be made before %1: %2. The book itself is untouched.

Go on without a backup?</source>
        <translation>Vor %1 konnte keine Sicherung des Rezeptbuchs erstellt werden: %2. Das Buch selbst ist unverändert.

Ohne Sicherung fortfahren?</translation>
    </message>
    <message>
        <source>Today's backup of the recipe book could not be made: %1. The book itself is untouched; Mealvane tries again at its next start.

Backups go to %2.</source>
        <translation>Die heutige Sicherung des Rezeptbuchs konnte nicht erstellt werden: %1. Das Buch selbst ist unverändert; Mealvane versucht es beim nächsten Start erneut.

Sicherungen kommen nach %2.</translation>
    </message>
    <message>
        <source>There is no backup of the recipe book yet. Mealvane makes one at the first start of each day and before every import, in %1.</source>
        <translation>Es gibt noch keine Sicherung des Rezeptbuchs. Mealvane erstellt eine beim ersten Start jedes Tages und vor jedem Import, in %1.</translation>
    </message>
    <message>
        <source>Put the recipe book back as it was on %1, with %2 recipes and %3 planned weeks? What was changed since then is undone; the book as it is now is kept as one more backup.</source>
        <translation>Das Rezeptbuch auf den Stand vom %1 zurücksetzen, mit %2 Rezepten und %3 geplanten Wochen? Was seitdem geändert wurde, geht zurück; das Buch, wie es jetzt ist, wird als weitere Sicherung aufbewahrt.</translation>
    </message>
    <message>
        <source>The recipe book is back as it was when the backup was made. The book as it was before is kept as the backup %1.</source>
        <translation>Das Rezeptbuch ist wieder so, wie es bei der Sicherung war. Das Buch, wie es vorher war, ist als Sicherung %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Reiner Text (*.txt)</translation>
    </message>
    <message>
        <source>Spreadsheet, comma-separated (*.csv)</source>
        <translation>Tabelle, kommagetrennt (*.csv)</translation>
    </message>
    <message>
        <source>This recipe is too long to hand to the mail program in one piece (the hand-over carries at most 128 KB), so nothing was sent. Print the recipe instead, or save it as PDF from the print preview and attach that to a message.</source>
        <translation>Dieses Rezept ist zu lang, um es in einem Stück an das E-Mail-Programm zu übergeben (höchstens 128 KB); es wurde nichts gesendet. Drucken Sie das Rezept, oder speichern Sie es in der Druckvorschau als PDF und hängen Sie dieses an eine Nachricht an.</translation>
    </message>
    <message>
        <source>Pick-A-Time</source>
        <translation>Mahlzeit auswürfeln</translation>
    </message>
    <message>
        <source>Pick-A-Day</source>
        <translation>Tag auswürfeln</translation>
    </message>
    <message>
        <source>Pick-A-Week</source>
        <translation>Woche auswürfeln</translation>
    </message>
    <message>
        <source>Clear-A-Time</source>
        <translation>Mahlzeit leeren</translation>
    </message>
    <message>
        <source>Clear-A-Day</source>
        <translation>Tag leeren</translation>
    </message>
    <message>
        <source>Picks put no recipe twice into the week, and draw the recipes of the two weeks before last</source>
        <translation>Die Auswahl setzt kein Rezept zweimal in die Woche und nimmt Rezepte der beiden Vorwochen zuletzt</translation>
    </message>
    <message>
        <source>Save Menu</source>
        <translation>Speiseplan speichern</translation>
    </message>
    <message>
        <source>Eneter New Meal Type</source>
        <translation>Neue Rezeptart eingeben</translation>
    </message>
    <message>
        <source>Meal Type:</source>
        <translation>Rezeptart:</translation>
    </message>
    <message>
        <source>Eneter New Ingredient Group</source>
        <translation>Neue Zutatengruppe eingeben</translation>
    </message>
    <message>
        <source>Group Name:</source>
        <translation>Gruppenname:</translation>
    </message>
    <message>
        <source>Delete Current</source>
        <translation>Markierte löschen</translation>
    </message>
    <message>
        <source>Recipe Types Editor</source>
        <translation>Rezeptarten bearbeiten</translation>
    </message>
    <message>
        <source>Recipe types</source>
        <translation>Rezeptarten</translation>
    </message>
    <message>
        <source>Add New Type</source>
        <translation>Neue Art</translation>
    </message>
    <message>
        <source>Delete current recipe type</source>
        <translation>Markierte Rezeptart löschen</translation>
    </message>
    <message>
        <source>Ingredients Groups Editor</source>
        <translation>Zutatengruppen bearbeiten</translation>
    </message>
    <message>
        <source>Ingredient groups</source>
        <translation>Zutatengruppen</translation>
    </message>
    <message>
        <source>Add New Group</source>
        <translation>Neue Gruppe</translation>
    </message>
    <message>
        <source>Delete current ingredient group</source>
        <translation>Markierte Zutatengruppe löschen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Moves the group along the way through the shop; the shopping list in shop order follows it</source>
        <translation>Verschiebt die Gruppe auf dem Weg durch den Laden; die Einkaufsliste in Ladenreihenfolge folgt ihr</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Change Description</source>
        <translation>Bezeichnung ändern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Tidy Up...</source>
        <translation>Aufräumen...</translation>
    </message>
    <message>
        <source>Each ticked entry is merged into the one it means: its recipes and lines go over to it, and the entry is removed. An entry that means no other takes the food's name.</source>
        <translation>Jeder angekreuzte Eintrag wird mit dem zusammengeführt, den er meint: Seine Rezepte und Zeilen gehen auf diesen über, und der Eintrag wird entfernt. Ein Eintrag, der keinen anderen meint, erhält den Namen des Lebensmittels.</translation>
    </message>
    <message>
        <source>MDB Files (*.mdb)</source>
        <translation>MDB-Dateien (*.mdb)</translation>
    </message>
    <message>
        <source>The import needs a folder of its own for a copy of the older file, and '%1' cannot be written. Nothing was imported.</source>
        <translation>Der Import braucht einen eigenen Ordner für eine Kopie der älteren Datei, und in „%1“ kann nicht geschrieben werden. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Recipe files (*.html *.htm *.mmf *.mxp *.txt)</source>
        <translation>Rezeptdateien (*.html *.htm *.mmf *.mxp *.txt)</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>Namen ändern</translation>
    </message>
    <message>
        <source>Add Ingredient</source>
        <translation>Zutat hinzufügen</translation>
    </message>
    <message>
        <source>Delete Ingredient</source>
        <translation>Zutat löschen</translation>
    </message>
    <message>
        <source>Clear Picture</source>
        <translation>Bild entfernen</translation>
    </message>
    <message>
        <source>Save Picture ...</source>
        <translation>Bild speichern ...</translation>
    </message>
    <message>
        <source>View in original size</source>
        <translation>In Originalgröße ansehen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete Recipe</source>
        <translation>Rezept löschen</translation>
    </message>
    <message>
        <source>Make the ingredient lines of "%1" from the %2 lines at the top of its method?%3</source>
        <translation>Die Zutatenzeilen von „%1“ aus den %2 Zeilen am Anfang der Zubereitung erstellen?%3</translation>
    </message>
    <message>
        <source>Make ingredient lines for %1 recipes that have none, from the lines at the top of their methods? Nothing else is changed.</source>
        <translation>Für %1 Rezepte ohne Zutatenzeilen diese aus den Zeilen am Anfang ihrer Zubereitung erstellen? Sonst wird nichts geändert.</translation>
    </message>
    <message>
        <source>Recipe names containing:</source>
        <translation>Rezeptnamen mit:</translation>
    </message>
    <message>
        <source>ONLY these ingredients</source>
        <translation>NUR diese Zutaten</translation>
    </message>
    <message>
        <source>ANY of these ingredients</source>
        <translation>IRGENDEINE dieser Zutaten</translation>
    </message>
    <message>
        <source>MINIMUM of all these ingredients</source>
        <translation>MINDESTENS alle diese Zutaten</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
    <message>
        <source>Found: 0 item</source>
        <translation>Gefunden: keine</translation>
    </message>
    <message>
        <source>Found: 1 item</source>
        <translation>Gefunden: 1 Rezept</translation>
    </message>
    <message>
        <source>Found: %1 items</source>
        <translation>Gefunden: %1 Rezepte</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop's secret store (%1), so sharing was not set up. Start the desktop's keyring or wallet and try again.</source>
        <translation>Das Passwort konnte nicht im Schlüsselbund des Desktops gespeichert werden (%1); das Teilen wurde nicht eingerichtet. Starten Sie den Schlüsselbund oder die Brieftasche des Desktops und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Sharing is not set up yet: give your CalDAV server and the task list to share to.</source>
        <translation>Das Teilen ist noch nicht eingerichtet: Geben Sie Ihren CalDAV-Server und die Aufgabenliste an.</translation>
    </message>
    <message>
        <source>The password for %1 was not found in the desktop's secret store (%2). Give it again under File &gt; Sharing...</source>
        <translation>Das Passwort für %1 wurde nicht im Schlüsselbund des Desktops gefunden (%2). Geben Sie es unter Datei &gt; Teilen... erneut ein.</translation>
    </message>
    <message>
        <source>Changed here and on a phone since the week was last shared: %1.

The tick from the phone and the text from here were kept.</source>
        <translation>Seit dem letzten Teilen hier und auf einem Handy geändert: %1.

Der Haken vom Handy und der Text von hier wurden übernommen.</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Kalenderdateien (*.ics)</translation>
    </message>
    <message>
        <source>The groups in the order set on the categories page, what is always at home last; on the page, the printed list and the phones</source>
        <translation>Die Gruppen in der auf der Kategorienseite festgelegten Reihenfolge, was immer im Haus ist, zuletzt; auf der Seite, auf dem Ausdruck und auf den Handys</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Gruppe:</translation>
    </message>
    <message>
        <source>&amp;Qty:</source>
        <translation>&amp;Anz.:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Menge:</translation>
    </message>
    <message>
        <source>; no longer on the menu: %1</source>
        <translation>; nicht mehr auf dem Speiseplan: %1</translation>
    </message>
    <message>
        <source>The shopping list of week %1 (%2) holds items you added, changed or deleted by hand.

Merge makes the items of the menu anew and keeps yours; Replace makes the whole list from the menu; Keep leaves the list as it is.</source>
        <translation>Die Einkaufsliste der Woche %1 (%2) enthält Posten, die Sie von Hand hinzugefügt, geändert oder gelöscht haben.

Zusammenführen erstellt die Posten des Speiseplans neu und behält Ihre; Ersetzen erstellt die ganze Liste aus dem Speiseplan; Behalten lässt die Liste, wie sie ist.</translation>
    </message>
    <message>
        <source>Use Drag&amp;Drop to Add/Delete Meals to Menu</source>
        <translation>Gerichte per Drag&amp;Drop in den Speiseplan ziehen oder herausnehmen</translation>
    </message>
    <message>
        <source>Select Time:</source>
        <translation>Mahlzeit wählen:</translation>
    </message>
    <message>
        <source>Update Shopping List</source>
        <translation>Einkaufsliste aktualisieren</translation>
    </message>
    <message>
        <source>Select Group for Ingredient from List!</source>
        <translation>Wählen Sie die Gruppe der Zutat aus der Liste!</translation>
    </message>
    <message>
        <source>Select Ingredient first!</source>
        <translation>Wählen Sie zuerst eine Zutat!</translation>
    </message>
    <message>
        <source>Select Ingredient to delete first!</source>
        <translation>Wählen Sie zuerst die zu löschende Zutat!</translation>
    </message>
    <message>
        <source>Weeks are planned for %1 people; Update Shopping List adds up the amounts anew</source>
        <translation>Wochen werden für %1 Personen geplant; Einkaufsliste aktualisieren rechnet die Mengen neu zusammen</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Increase</source>
        <translation>Erhöhen</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Verringern</translation>
    </message>
</context>
<context>
    <name>WaitBox</name>
    <message>
        <source>Wait until operation will complete....</source>
        <translation>Bitte warten, bis der Vorgang abgeschlossen ist....</translation>
    </message>
</context>
</TS>
