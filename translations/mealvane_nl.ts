<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>CheckedComboBox</name>
    <message>
        <source>&amp;Deselect all</source>
        <translation>&amp;Alles deselecteren</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>Alles &amp;selecteren</translation>
    </message>
</context>
<context>
    <name>DBImage</name>
    <message>
        <source>The picture cannot be shown: it is damaged, or of a kind that cannot be read.</source>
        <translation>De afbeelding kan niet worden getoond: ze is beschadigd of van een onleesbare soort.</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>The built-in script %1 is missing.</source>
        <translation>Het ingebouwde script %1 ontbreekt.</translation>
    </message>
    <message>
        <source>'%1' already exists; it is left as it is.</source>
        <translation>‘%1’ bestaat al; het blijft zoals het is.</translation>
    </message>
    <message>
        <source>%1 can be at most %2 characters long. Nothing was saved.</source>
        <translation>%1 mag hoogstens %2 tekens lang zijn. Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>The recipe book cannot take that value (%1). Nothing was saved.</source>
        <translation>Het receptenboek kan die waarde niet opnemen (%1). Er is niets opgeslagen.</translation>
    </message>
    <message>
        <source>it was written by a later version of Mealvane</source>
        <translation>het is geschreven door een nieuwere versie van Mealvane</translation>
    </message>
    <message>
        <source>it holds a table this Mealvane does not know (%1)</source>
        <translation>het bevat een tabel die deze Mealvane niet kent (%1)</translation>
    </message>
    <message>
        <source>its table %1 has a column this Mealvane does not know (%2)</source>
        <translation>de tabel %1 heeft een kolom die deze Mealvane niet kent (%2)</translation>
    </message>
    <message>
        <source>its view %1 is not the one this Mealvane writes</source>
        <translation>de weergave %1 is niet die van deze Mealvane</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>het is beschadigd</translation>
    </message>
    <message>
        <source>The recipe book '%1' is damaged: parts of it cannot be read.

Mealvane opens it read-only, so that nothing more of it is lost: you can look at what can be read and print it, but nothing is saved to it.</source>
        <translation>Het receptenboek ‘%1’ is beschadigd: delen ervan zijn niet leesbaar.

Mealvane opent het alleen-lezen, zodat er niets meer verloren gaat: u kunt bekijken en afdrukken wat leesbaar is, maar er wordt niets in opgeslagen.</translation>
    </message>
    <message>
        <source>

There is no backup of it.</source>
        <translation>

Er is geen reservekopie van.</translation>
    </message>
    <message>
        <source>Could not find file '%1'. Mealvane keeps its recipe book there: put your book (or a backup of it) in that place and start Mealvane again.</source>
        <translation>Bestand ‘%1’ niet gevonden. Daar bewaart Mealvane zijn receptenboek: zet uw boek (of een reservekopie ervan) op die plaats en start Mealvane opnieuw.</translation>
    </message>
    <message>
        <source>The recipe book '%1' is an empty file (0 bytes): it holds no recipes at all. Copy a backup of your book in its place, or move the empty file away and start Mealvane again to begin with the starter book.</source>
        <translation>Het receptenboek ‘%1’ is een leeg bestand (0 bytes): er staan geen recepten in. Kopieer een reservekopie van uw boek op die plaats, of verplaats het lege bestand en start Mealvane opnieuw om met het startboek te beginnen.</translation>
    </message>
    <message>
        <source>The recipe book '%1' cannot be read: %2. Make it readable and start Mealvane again.</source>
        <translation>Het receptenboek ‘%1’ is niet leesbaar: %2. Maak het leesbaar en start Mealvane opnieuw.</translation>
    </message>
    <message>
        <source>'%1' is not a database Mealvane can read: it is no recipe book, or its beginning is damaged. Copy a backup of your book in its place, or move the file away and start Mealvane again to begin with the starter book.</source>
        <translation>‘%1’ is geen database die Mealvane kan lezen: het is geen receptenboek, of het begin is beschadigd. Kopieer een reservekopie van uw boek op die plaats, of verplaats het bestand en start Mealvane opnieuw om met het startboek te beginnen.</translation>
    </message>
    <message>
        <source>it is of a layout this Mealvane does not know</source>
        <translation>de opbouw is onbekend voor deze Mealvane</translation>
    </message>
    <message>
        <source>The recipe book '%1' cannot be changed by this Mealvane: %2.

It is opened read-only, so that nothing the program that wrote it keeps is spoilt: you can look at it and print it, but nothing is saved. Use that program, or a later Mealvane, to change it.</source>
        <translation>Het receptenboek ‘%1’ kan door deze Mealvane niet worden gewijzigd: %2.

Het wordt alleen-lezen geopend, zodat niets bederft van wat het programma dat het schreef erin bewaart: u kunt het bekijken en afdrukken, maar er wordt niets opgeslagen. Wijzig het met dat programma of een nieuwere Mealvane.</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>in de map ervan kan niet worden geschreven</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>het bestand kan niet worden geschreven</translation>
    </message>
    <message>
        <source>The recipe book '%1' is read-only: %2.

You can look at everything and print it, but nothing you change can be saved. To change the book, close Mealvane, make %3 writable (or copy the book to a folder of your own) and start it again.</source>
        <translation>Het receptenboek ‘%1’ is alleen-lezen: %2.

U kunt alles bekijken en afdrukken, maar wijzigingen kunnen niet worden opgeslagen. Om het boek te wijzigen: sluit Mealvane, maak %3 beschrijfbaar (of kopieer het boek naar een eigen map) en start het opnieuw.</translation>
    </message>
    <message>
        <source>the folder '%1'</source>
        <translation>de map ‘%1’</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>het bestand</translation>
    </message>
    <message>
        <source>The full check of the recipe book '%1' found it damaged: parts of it, or of the indexes that find its rows, do not hold together.</source>
        <translation>De volledige controle van het receptenboek ‘%1’ vond het beschadigd: delen ervan, of van de indexen die de rijen vinden, kloppen niet.</translation>
    </message>
    <message>
        <source>'%1' cannot be read at all: %2</source>
        <translation>‘%1’ is helemaal niet leesbaar: %2</translation>
    </message>
    <message>
        <source>the table %1</source>
        <translation>de tabel %1</translation>
    </message>
    <message>
        <source>some rows of the table %1</source>
        <translation>enkele rijen van de tabel %1</translation>
    </message>
    <message>
        <source>Nothing of '%1' could be read.</source>
        <translation>Van ‘%1’ kon niets worden gelezen.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Confirm</source>
        <translation>Bevestigen</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Recipes</source>
        <translation>Recepten exporteren</translation>
    </message>
    <message>
        <source>  Write recipes out as web pages or as a MealMaster file</source>
        <translation>  Recepten opslaan als webpagina’s of als MealMaster-bestand</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recepten</translation>
    </message>
    <message>
        <source>Recipe type</source>
        <translation>Receptsoort</translation>
    </message>
    <message>
        <source>The recipes &amp;found by the search (%1)</source>
        <translation>De bij het zoeken &amp;gevonden recepten (%1)</translation>
    </message>
    <message>
        <source>The recipes &amp;found by the search (none yet)</source>
        <translation>De bij het zoeken &amp;gevonden recepten (nog geen)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formaat</translation>
    </message>
</context>
<context>
    <name>IngredientPicker</name>
    <message>
        <source>Add ingredient to Meal</source>
        <translation>Ingrediënt aan het recept toevoegen</translation>
    </message>
    <message>
        <source>  Add ingredient to Meal</source>
        <translation>  Ingrediënt aan het recept toevoegen</translation>
    </message>
    <message>
        <source>Select Ingredient and click "Add" button</source>
        <translation>Kies een ingrediënt en klik op ‘Toevoegen’</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingrediënten</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>Mealvane</name>
    <message>
        <source>it is damaged</source>
        <translation>het is beschadigd</translation>
    </message>
    <message>
        <source>

From now on Mealvane keeps it read-only, so that nothing more of it is lost: what you saved before is in it, but nothing more is saved.</source>
        <translation>

Vanaf nu houdt Mealvane het alleen-lezen, zodat er niets meer verloren gaat: wat u eerder opsloeg staat erin, maar er wordt niets meer opgeslagen.</translation>
    </message>
    <message>
        <source>Save what can be read of the damaged recipe book into a new file?</source>
        <translation>Wat leesbaar is van het beschadigde receptenboek opslaan in een nieuw bestand?</translation>
    </message>
    <message>
        <source>Recipe books (*.mdb)</source>
        <translation>Receptenboeken (*.mdb)</translation>
    </message>
    <message>
        <source>Saved %1 recipes (%2 rows in all) into '%3'.</source>
        <translation>%1 recepten (%2 rijen in totaal) opgeslagen in ‘%3’.</translation>
    </message>
    <message>
        <source> Could not be read: %1.</source>
        <translation> Niet leesbaar: %1.</translation>
    </message>
    <message>
        <source>

To use it, close Mealvane, keep the damaged file somewhere else, and put the new one in its place as '%1'.</source>
        <translation>

Om het te gebruiken: sluit Mealvane, zet het beschadigde bestand ergens anders neer en zet het nieuwe op zijn plaats als ‘%1’.</translation>
    </message>
    <message>
        <source>Nothing could be saved: %1</source>
        <translation>Er kon niets worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>PictureViewer</name>
    <message>
        <source>Meal Picture viewer</source>
        <translation>Afbeelding van het recept</translation>
    </message>
    <message>
        <source>  View picture</source>
        <translation>  Afbeelding bekijken</translation>
    </message>
    <message>
        <source>Recipe picture</source>
        <translation>Afbeelding van het recept</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>&amp;Ware grootte</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save as PDF...</source>
        <translation>Opslaan als pdf...</translation>
    </message>
    <message>
        <source>Save the report as a PDF file</source>
        <translation>Het rapport opslaan als pdf-bestand</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Opslaan als pdf</translation>
    </message>
    <message>
        <source>Could not write "%1".</source>
        <translation>‘%1’ kon niet worden opgeslagen.</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Pagina</translation>
    </message>
</context>
<context>
    <name>RecipeDetails</name>
    <message>
        <source>S&amp;ource:</source>
        <translation>&amp;Bron:</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Openen in browser</translation>
    </message>
    <message>
        <source>Au&amp;thor:</source>
        <translation>Au&amp;teur:</translation>
    </message>
    <message>
        <source>e.g. 4 servings, 12 muffins</source>
        <translation>bijv. 4 porties, 12 muffins</translation>
    </message>
    <message>
        <source>&amp;Yield:</source>
        <translation>&amp;Opbrengst:</translation>
    </message>
    <message>
        <source>C&amp;uisine:</source>
        <translation>&amp;Keuken:</translation>
    </message>
</context>
<context>
    <name>RecipeLinesEditor</name>
    <message>
        <source>unknown</source>
        <translation>onbekend</translation>
    </message>
    <message>
        <source>Servings</source>
        <translation>Porties</translation>
    </message>
    <message>
        <source>as written</source>
        <translation>zoals geschreven</translation>
    </message>
    <message>
        <source>Scale to servings</source>
        <translation>Omrekenen naar porties</translation>
    </message>
    <message>
        <source>Shows the amounts for another number of servings; the recipe is not changed</source>
        <translation>Toont de hoeveelheden voor een ander aantal porties; het recept verandert niet</translation>
    </message>
    <message>
        <source>Se&amp;rvings:</source>
        <translation>&amp;Porties:</translation>
    </message>
    <message>
        <source>Scale &amp;to:</source>
        <translation>&amp;Omrekenen naar:</translation>
    </message>
    <message>
        <source>Ingredient lines</source>
        <translation>Ingrediëntregels</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Hoeveelheid</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Eenheid</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrediënt</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>New ingredient line</source>
        <translation>Nieuwe ingrediëntregel</translation>
    </message>
    <message>
        <source>Type a line, e.g. 2 cups flour, sifted</source>
        <translation>Typ een regel, bijv. 250 g bloem, gezeefd</translation>
    </message>
    <message>
        <source>Add Line</source>
        <translation>Regel toevoegen</translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation>Regel verwijderen</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Move line up</source>
        <translation>Regel omhoog</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Move line down</source>
        <translation>Regel omlaag</translation>
    </message>
</context>
<context>
    <name>RecipePicker</name>
    <message>
        <source>Select Meal</source>
        <translation>Recept kiezen</translation>
    </message>
    <message>
        <source>  Select Meal</source>
        <translation>  Recept kiezen</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Recept</translation>
    </message>
    <message>
        <source>Send with EMail </source>
        <translation>Per e-mail versturen </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pdf-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Reservekopie terugzetten</translation>
    </message>
    <message>
        <source>Put the recipe book back as it was when a backup was made</source>
        <translation>Het receptenboek terugzetten naar een reservekopie</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Reservekopieën</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Gemaakt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recepten</translation>
    </message>
    <message>
        <source>Planned weeks</source>
        <translation>Geplande weken</translation>
    </message>
    <message>
        <source>Start of the day</source>
        <translation>Begin van de dag</translation>
    </message>
    <message>
        <source>Before a change</source>
        <translation>Vóór een wijziging</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Beschadigd</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Terugzetten</translation>
    </message>
</context>
<context>
    <name>Selectors</name>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Vane Time Selector</source>
        <translation>Vane Maaltijdkeuze</translation>
    </message>
    <message>
        <source>Vane Day Selector</source>
        <translation>Vane Dagkeuze</translation>
    </message>
</context>
<context>
    <name>SharingDialog</name>
    <message>
        <source>Sharing</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>The week on the household's phones, through your CalDAV server</source>
        <translation>De week op de telefoons van het huishouden, via uw CalDAV-server</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>Verbinding &amp;testen</translation>
    </message>
    <message>
        <source>Meals at:</source>
        <translation>Maaltijden om:</translation>
    </message>
    <message>
        <source>Give the address of your CalDAV server, such as https://dav.example.org/.</source>
        <translation>Geef het adres van uw CalDAV-server op, bijvoorbeeld https://dav.example.org/.</translation>
    </message>
    <message>
        <source>Give your user name on the server.</source>
        <translation>Geef uw gebruikersnaam op de server op.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>%1 wordt gevraagd...</translation>
    </message>
    <message>
        <source>Reached %1: %2 task lists and %3 calendars. Choose the ones to share to, or new ones.</source>
        <translation>%1 bereikt: %2 takenlijsten en %3 agenda’s. Kies waarin u deelt, of nieuwe.</translation>
    </message>
    <message>
        <source>New task list "Shopping"</source>
        <translation>Nieuwe takenlijst ‘Boodschappen’</translation>
    </message>
    <message>
        <source>New calendar "Meals"</source>
        <translation>Nieuwe agenda ‘Maaltijden’</translation>
    </message>
    <message>
        <source>None: share the list only</source>
        <translation>Geen: alleen het lijstje delen</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Resume scrolling</source>
        <translation>Scrollen hervatten</translation>
    </message>
    <message>
        <source>Pause scrolling</source>
        <translation>Scrollen pauzeren</translation>
    </message>
    <message>
        <source>Selected Week:</source>
        <translation>Gekozen week:</translation>
    </message>
    <message>
        <source>Week Number:</source>
        <translation>Weeknummer:</translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>Vandaag:</translation>
    </message>
    <message>
        <source>Mealvane v 4.0</source>
        <translation>Mealvane v 4.0</translation>
    </message>
    <message>
        <source>Save time and get your life back !</source>
        <translation>Bespaar tijd en geniet van het leven!</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Pick-A-Menu</source>
        <translation>&amp;Menu kiezen</translation>
    </message>
    <message>
        <source>&amp;Weekly Menu</source>
        <translation>&amp;Weekmenu</translation>
    </message>
    <message>
        <source>&amp;Quick Start</source>
        <translation>&amp;Snel aan de slag</translation>
    </message>
    <message>
        <source>&amp;Shopping List</source>
        <translation>&amp;Boodschappenlijst</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recepten</translation>
    </message>
    <message>
        <source>&amp;Ingredients</source>
        <translation>&amp;Ingrediënten</translation>
    </message>
    <message>
        <source>S&amp;earch</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>&amp;All Recipes</source>
        <translation>&amp;Alle recepten</translation>
    </message>
    <message>
        <source>&amp;Single Recipe</source>
        <translation>&amp;Eén recept</translation>
    </message>
    <message>
        <source>A&amp;ll Ingredients</source>
        <translation>Alle &amp;ingrediënten</translation>
    </message>
    <message>
        <source>&amp;Mealvane Help</source>
        <translation>&amp;Mealvane-help</translation>
    </message>
    <message>
        <source>Visit us on the Web</source>
        <translation>Bezoek ons op het web</translation>
    </message>
    <message>
        <source>Import Meals from Older DB</source>
        <translation>Recepten uit oudere database importeren</translation>
    </message>
    <message>
        <source>Import Recipes from Files...</source>
        <translation>Recepten uit bestanden importeren...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Opslaan</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Afdrukken...</translation>
    </message>
    <message>
        <source>&amp;New Recipe...</source>
        <translation>&amp;Nieuw recept...</translation>
    </message>
    <message>
        <source>&amp;Find Recipe</source>
        <translation>Recept &amp;zoeken</translation>
    </message>
    <message>
        <source>&amp;Daily Style</source>
        <translation>Per &amp;dag plannen</translation>
    </message>
    <message>
        <source>Recipe &amp;Types and Groups</source>
        <translation>Recept&amp;soorten en groepen</translation>
    </message>
    <message>
        <source>&amp;Household...</source>
        <translation>&amp;Huishouden...</translation>
    </message>
    <message>
        <source>Import Recipe from Web Address...</source>
        <translation>Recept van webadres importeren...</translation>
    </message>
    <message>
        <source>Read Amounts from Methods...</source>
        <translation>Hoeveelheden uit bereidingen lezen...</translation>
    </message>
    <message>
        <source>Pre&amp;vious Week</source>
        <translation>V&amp;orige week</translation>
    </message>
    <message>
        <source>Ne&amp;xt Week</source>
        <translation>&amp;Volgende week</translation>
    </message>
    <message>
        <source>&amp;Copy Week To...</source>
        <translation>Week &amp;kopiëren naar...</translation>
    </message>
    <message>
        <source>Restore from &amp;Backup...</source>
        <translation>&amp;Reservekopie terugzetten...</translation>
    </message>
    <message>
        <source>Export &amp;Recipes...</source>
        <translation>&amp;Recepten exporteren...</translation>
    </message>
    <message>
        <source>Export Wee&amp;k...</source>
        <translation>Wee&amp;k exporteren...</translation>
    </message>
    <message>
        <source>Shar&amp;ing...</source>
        <translation>&amp;Delen...</translation>
    </message>
    <message>
        <source>Share &amp;Week</source>
        <translation>&amp;Week delen</translation>
    </message>
    <message>
        <source>Refresh from P&amp;hones</source>
        <translation>Bijwerken vanaf &amp;telefoons</translation>
    </message>
    <message>
        <source>Export Week as &amp;Calendar...</source>
        <translation>Week als &amp;agenda exporteren...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>De&amp;leted Recipes...</source>
        <translation>&amp;Verwijderde recepten...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>&amp;Database</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bewerken</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Acties</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Rapporten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Pick-A-Menu</source>
        <translation>Menu kiezen</translation>
    </message>
    <message>
        <source>Weekly Style</source>
        <translation>Per week plannen</translation>
    </message>
    <message>
        <source>Daily Style</source>
        <translation>Per dag plannen</translation>
    </message>
    <message>
        <source>Shopping List</source>
        <translation>Boodschappenlijst</translation>
    </message>
    <message>
        <source>Recipes (View/Add/Edit)</source>
        <translation>Recepten (bekijken/toevoegen/bewerken)</translation>
    </message>
    <message>
        <source>Ingredients (Insert/Delete)</source>
        <translation>Ingrediënten (toevoegen/verwijderen)</translation>
    </message>
    <message>
        <source>Recipe Types / Groups (Insert/Delete)</source>
        <translation>Soorten / groepen (toevoegen/verwijderen)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapporten</translation>
    </message>
    <message>
        <source>Weekly Menu</source>
        <translation>Weekmenu</translation>
    </message>
    <message>
        <source>All Recipes</source>
        <translation>Alle recepten</translation>
    </message>
    <message>
        <source>Single Recipe</source>
        <translation>Eén recept</translation>
    </message>
    <message>
        <source>All Ingredients</source>
        <translation>Alle ingrediënten</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Quick Start Page</source>
        <translation>Snel aan de slag</translation>
    </message>
    <message>
        <source>Mealvane Help</source>
        <translation>Mealvane-help</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>Click to visit Mealvane on the Web</source>
        <translation>Bezoek Mealvane op het web</translation>
    </message>
    <message>
        <source>PickAmenu</source>
        <translation>Menu kiezen</translation>
    </message>
    <message>
        <source>Vane Menu Selection</source>
        <translation>Vane Menukeuze</translation>
    </message>
    <message>
        <source>PichMenuOldStyle</source>
        <translation>Per week plannen</translation>
    </message>
    <message>
        <source>Vane Shopping</source>
        <translation>Vane Boodschappen</translation>
    </message>
    <message>
        <source>View Meals</source>
        <translation>Recepten bekijken</translation>
    </message>
    <message>
        <source>View/Edit Recipes</source>
        <translation>Recepten bekijken/bewerken</translation>
    </message>
    <message>
        <source>Insert/Delete Ingr</source>
        <translation>Ingr. toevoegen/verwijderen</translation>
    </message>
    <message>
        <source>Insert/Delete Ingredients</source>
        <translation>Ingrediënten toevoegen/verwijderen</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorieën</translation>
    </message>
    <message>
        <source>Recipe Types and Ingredient Groups manager</source>
        <translation>Receptsoorten en ingrediëntengroepen beheren</translation>
    </message>
    <message>
        <source>VaneSearch</source>
        <translation>Vane Zoeken</translation>
    </message>
    <message>
        <source>Welcome Page</source>
        <translation>Welkom</translation>
    </message>
    <message>
        <source>Mealvane v 4.0 Quick Start</source>
        <translation>Mealvane v 4.0 – Snel aan de slag</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>MEALVANE - Save time and get your life back!</source>
        <translation>MEALVANE – Bespaar tijd en geniet van het leven!</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>Snel aan de slag</translation>
    </message>
    <message>
        <source>To plan your weekly menu quickly and easily, it only takes 4 mouse clicks!</source>
        <translation>Uw weekmenu plant u snel en gemakkelijk met maar 4 muisklikken!</translation>
    </message>
    <message>
        <source>Click on Pick-A-Menu on the left hand navigation bar</source>
        <translation>Klik links in de navigatiebalk op Menu kiezen</translation>
    </message>
    <message>
        <source>Click on Weekly Style</source>
        <translation>Klik op Per week plannen</translation>
    </message>
    <message>
        <source>Click on Pick-A-Week from the buttons that appear on the lower right</source>
        <translation>Klik rechtsonder op Week loten</translation>
    </message>
    <message>
        <source>Click on Save Menu in that same button panel</source>
        <translation>Klik bij dezelfde knoppen op Menu opslaan</translation>
    </message>
    <message>
        <source>You have randomly chosen your entire menu for the week!</source>
        <translation>U hebt het hele weekmenu willekeurig gekozen!</translation>
    </message>
    <message>
        <source>You can then create and print your Shopping List with only 2 more clicks!</source>
        <translation>Daarna maakt en print u uw boodschappenlijstje met maar 2 klikken meer!</translation>
    </message>
    <message>
        <source>1.	Click on Shopping List on the left hand navigation bar</source>
        <translation>1.	Klik links in de navigatiebalk op Boodschappenlijst</translation>
    </message>
    <message>
        <source>2.	Click on the Print button in the lower right hand button panel</source>
        <translation>2.	Klik rechtsonder op de knop Afdrukken</translation>
    </message>
    <message>
        <source>AMAZING!!!</source>
        <translation>GEWELDIG!!!</translation>
    </message>
    <message>
        <source>To get help on how to customise your menu, use the Pick-A-Menu topic in the online Help.</source>
        <translation>Hulp bij het aanpassen van uw menu vindt u in de help onder Menu kiezen.</translation>
    </message>
    <message>
        <source>Check out the website to see the latest FREE recipe bonuses for Mealvane</source>
        <translation>Kijk op de website voor de nieuwste GRATIS recepten voor Mealvane</translation>
    </message>
    <message>
        <source>HAVE A NICE DAY,   Mealvane TEAM</source>
        <translation>EEN FIJNE DAG,   HET Mealvane-TEAM</translation>
    </message>
    <message>
        <source>Pause or resume the scrolling text</source>
        <translation>Lopende tekst pauzeren of hervatten</translation>
    </message>
    <message>
        <source>To know more about Mealvane visit us on the Web</source>
        <translation>Meer over Mealvane leest u op het web</translation>
    </message>
    <message>
        <source>Nothing on this page waits to be saved</source>
        <translation>Op deze pagina valt niets op te slaan</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Ongedaan maken: %1</translation>
    </message>
    <message>
        <source>No recipe was deleted in the last %1 days.</source>
        <translation>In de laatste %1 dagen is geen recept verwijderd.</translation>
    </message>
    <message>
        <source>Deleted Recipes</source>
        <translation>Verwijderde recepten</translation>
    </message>
    <message>
        <source>Recipes deleted in the last %1 days</source>
        <translation>Recepten verwijderd in de laatste %1 dagen</translation>
    </message>
    <message>
        <source>Deleted recipes</source>
        <translation>Verwijderde recepten</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Recept</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Verwijderd</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Terugzetten</translation>
    </message>
    <message>
        <source>"%1" as "%2" (a recipe took its name since)</source>
        <translation>‘%1’ als ‘%2’ (een ander recept heeft die naam inmiddels)</translation>
    </message>
    <message>
        <source>Making a backup of the recipe book...</source>
        <translation>Reservekopie van het receptenboek wordt gemaakt...</translation>
    </message>
    <message>
        <source>The newest backup holds the book as it is</source>
        <translation>De nieuwste reservekopie bevat het boek al zoals het is</translation>
    </message>
    <message>
        <source>Backup made: %1</source>
        <translation>Reservekopie gemaakt: %1</translation>
    </message>
    <message>
        <source>Checking the backup...</source>
        <translation>Reservekopie wordt gecontroleerd...</translation>
    </message>
    <message>
        <source>The backup of %1 is damaged (%2) and cannot be restored.</source>
        <translation>De reservekopie van %1 is beschadigd (%2) en kan niet worden teruggezet.</translation>
    </message>
    <message>
        <source>The backup could not be opened (%1), so the recipe book is as it was.</source>
        <translation>De reservekopie kon niet worden geopend (%1); het receptenboek is ongewijzigd.</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1. The recipe book is as it was.</source>
        <translation>De reservekopie kon niet worden teruggezet: %1. Het receptenboek is ongewijzigd.</translation>
    </message>
    <message>
        <source>Export Recipes To</source>
        <translation>Recepten exporteren naar</translation>
    </message>
    <message>
        <source>There are no recipes to export.</source>
        <translation>Er zijn geen recepten om te exporteren.</translation>
    </message>
    <message>
        <source>Writing the recipes...</source>
        <translation>Recepten worden opgeslagen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Export Recipes</source>
        <translation>Recepten exporteren</translation>
    </message>
    <message>
        <source>The export was cancelled</source>
        <translation>Het exporteren is geannuleerd</translation>
    </message>
    <message>
        <source>Exported %1 recipes</source>
        <translation>%1 recepten geëxporteerd</translation>
    </message>
    <message>
        <source>Export Week</source>
        <translation>Week exporteren</translation>
    </message>
    <message>
        <source>The week could not be written to %1: %2</source>
        <translation>De week kon niet worden opgeslagen in %1: %2</translation>
    </message>
    <message>
        <source>Week %1 written to %2</source>
        <translation>Week %1 opgeslagen in %2</translation>
    </message>
    <message>
        <source>Error sending mail (%1).</source>
        <translation>Fout bij het versturen van de e-mail (%1).</translation>
    </message>
    <message>
        <source>%1

Close Mealvane without saving it?</source>
        <translation>%1

Mealvane sluiten zonder op te slaan?</translation>
    </message>
    <message>
        <source>Copy Week To</source>
        <translation>Week kopiëren naar</translation>
    </message>
    <message>
        <source>  Copy the menu of week %1 onto the week of the day chosen</source>
        <translation>  Het menu van week %1 naar de week van de gekozen dag kopiëren</translation>
    </message>
    <message>
        <source>Week to copy onto</source>
        <translation>Doelweek</translation>
    </message>
    <message>
        <source>Copy the &amp;shopping list too</source>
        <translation>Ook het &amp;boodschappenlijstje kopiëren</translation>
    </message>
    <message>
        <source>Week %1 of %2 is the week being copied: choose a day of another week.</source>
        <translation>Week %1 van %2 is de week die gekopieerd wordt: kies een dag uit een andere week.</translation>
    </message>
    <message>
        <source>Week %1 of %2 has nothing planned to copy.</source>
        <translation>In week %1 van %2 is niets gepland om te kopiëren.</translation>
    </message>
    <message>
        <source>Week %1 copied onto week %2 of %3; its shopping list: %4 items</source>
        <translation>Week %1 gekopieerd naar week %2 van %3; het boodschappenlijstje: %4 items</translation>
    </message>
    <message>
        <source>Week %1 copied onto week %2 of %3</source>
        <translation>Week %1 gekopieerd naar week %2 van %3</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Dag</translation>
    </message>
    <message>
        <source>People at This Meal...</source>
        <translation>Personen bij deze maaltijd...</translation>
    </message>
    <message>
        <source>Vane Drag Meals to Menu Boxes</source>
        <translation>Vane Sleep gerechten naar de menuvakken</translation>
    </message>
    <message>
        <source>Meals</source>
        <translation>Gerechten</translation>
    </message>
    <message>
        <source>Filter by Meal Type</source>
        <translation>Op soort gerecht filteren</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Soort</translation>
    </message>
    <message>
        <source>Meal type</source>
        <translation>Soort gerecht</translation>
    </message>
    <message>
        <source>People at This Meal</source>
        <translation>Personen bij deze maaltijd</translation>
    </message>
    <message>
        <source>How many people eat "%1"? (Leave it blank for the household's %2.)</source>
        <translation>Hoeveel personen eten ‘%1’? (Leeg laten voor de %2 van het huishouden.)</translation>
    </message>
    <message>
        <source>"%1" is planned for the household's %2 people</source>
        <translation>‘%1’ is gepland voor de %2 personen van het huishouden</translation>
    </message>
    <message>
        <source>"%1" is planned for %2 people</source>
        <translation>‘%1’ is gepland voor %2 personen</translation>
    </message>
    <message>
        <source>Too many items selected</source>
        <translation>Te veel items gekozen</translation>
    </message>
    <message>
        <source>No re&amp;peats</source>
        <translation>Geen &amp;herhalingen</translation>
    </message>
    <message>
        <source>Not saved yet</source>
        <translation>Nog niet opgeslagen</translation>
    </message>
    <message>
        <source>The weekly menu holds picks not saved yet</source>
        <translation>Het weekmenu bevat keuzes die nog niet zijn opgeslagen</translation>
    </message>
    <message>
        <source>Menu of week %1 saved; the shopping list kept as edited</source>
        <translation>Menu van week %1 opgeslagen; het boodschappenlijstje blijft zoals bewerkt</translation>
    </message>
    <message>
        <source>Menu of week %1 saved; shopping list: %2</source>
        <translation>Menu van week %1 opgeslagen; boodschappenlijstje: %2</translation>
    </message>
    <message>
        <source>Pick-A-Time: the meal times to pick for</source>
        <translation>Maaltijd loten: de maaltijden waarvoor gekozen wordt</translation>
    </message>
    <message>
        <source>Pick-A-Day: the days to pick for</source>
        <translation>Dag loten: de dagen waarvoor gekozen wordt</translation>
    </message>
    <message>
        <source>Clear-A-Time: the meal times to clear</source>
        <translation>Maaltijd leegmaken: de leeg te maken maaltijden</translation>
    </message>
    <message>
        <source>Clear-A-Day: the days to clear</source>
        <translation>Dag leegmaken: de leeg te maken dagen</translation>
    </message>
    <message>
        <source>%1 needs a name of more than blanks.</source>
        <translation>%1 heeft een naam nodig die niet alleen uit spaties bestaat.</translation>
    </message>
    <message>
        <source>%1 can be at most 50 characters long.</source>
        <translation>%1 mag hoogstens 50 tekens lang zijn.</translation>
    </message>
    <message>
        <source>A group's name</source>
        <translation>De naam van een groep</translation>
    </message>
    <message>
        <source>A recipe type</source>
        <translation>Een receptsoort</translation>
    </message>
    <message>
        <source>Ingredient group</source>
        <translation>Ingrediëntengroep</translation>
    </message>
    <message>
        <source>Recipe type</source>
        <translation>Receptsoort</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingrediënten</translation>
    </message>
    <message>
        <source>Ingredient Group</source>
        <translation>Ingrediëntengroep</translation>
    </message>
    <message>
        <source>Recipe Type</source>
        <translation>Receptsoort</translation>
    </message>
    <message>
        <source>Ingredient group "%1" is now %2 of %3 on the way through the shop</source>
        <translation>Groep ‘%1’ komt nu als %2e van %3 op de route door de winkel</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>Always at &amp;home</source>
        <translation>Altijd in &amp;huis</translation>
    </message>
    <message>
        <source>Listed last on the shopping list, under "%1"</source>
        <translation>Onderaan het boodschappenlijstje, onder ‘%1’</translation>
    </message>
    <message>
        <source>"%1" is always at home: the shopping list puts it under "%2"</source>
        <translation>‘%1’ is altijd in huis: het boodschappenlijstje zet het onder ‘%2’</translation>
    </message>
    <message>
        <source>"%1" is bought like the rest</source>
        <translation>‘%1’ wordt gewoon gekocht</translation>
    </message>
    <message>
        <source>Enter Ingredients Description first!</source>
        <translation>Vul eerst de naam van het ingrediënt in!</translation>
    </message>
    <message>
        <source>Enter New Description</source>
        <translation>Nieuwe naam invoeren</translation>
    </message>
    <message>
        <source>Ingredient Description:</source>
        <translation>Naam van het ingrediënt:</translation>
    </message>
    <message>
        <source>An ingredient needs a name; "%1" keeps its own.</source>
        <translation>Een ingrediënt heeft een naam nodig; ‘%1’ houdt de zijne.</translation>
    </message>
    <message>
        <source>An ingredient's name can be at most 50 characters long; "%1" keeps its own.</source>
        <translation>De naam van een ingrediënt mag hoogstens 50 tekens lang zijn; ‘%1’ houdt de zijne.</translation>
    </message>
    <message>
        <source>Deleted the ingredient "%1"</source>
        <translation>Ingrediënt ‘%1’ verwijderd</translation>
    </message>
    <message>
        <source>The catalogue holds nothing to tidy up.</source>
        <translation>De catalogus heeft niets om op te ruimen.</translation>
    </message>
    <message>
        <source>Tidy Up</source>
        <translation>Opruimen</translation>
    </message>
    <message>
        <source>Entries that mean another</source>
        <translation>Items die een ander bedoelen</translation>
    </message>
    <message>
        <source>Entries to tidy up</source>
        <translation>Op te ruimen items</translation>
    </message>
    <message>
        <source>“%1” into “%2”</source>
        <translation>‘%1’ in ‘%2’</translation>
    </message>
    <message>
        <source>“%1” renamed “%2”</source>
        <translation>‘%1’ hernoemd tot ‘%2’</translation>
    </message>
    <message>
        <source>the tidying</source>
        <translation>het opruimen</translation>
    </message>
    <message>
        <source>%1 entries of the catalogue tidied up</source>
        <translation>%1 items van de catalogus opgeruimd</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>the import</source>
        <translation>het importeren</translation>
    </message>
    <message>
        <source>Cannot connect to old database, possibly you chose wrong file!</source>
        <translation>Kan de oude database niet openen; misschien is het verkeerde bestand gekozen!</translation>
    </message>
    <message>
        <source>Importing has been done!</source>
        <translation>Het importeren is klaar!</translation>
    </message>
    <message>
        <source>Imported %1 recipes, skipped %2</source>
        <translation>%1 recepten geïmporteerd, %2 overgeslagen</translation>
    </message>
    <message>
        <source>The import stopped, and nothing of it was kept: %1</source>
        <translation>Het importeren is gestopt en er is niets van bewaard: %1</translation>
    </message>
    <message>
        <source>The import stopped: %1

%2</source>
        <translation>Het importeren is gestopt: %1

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
        <translation>https://... (één adres per regel)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message>
        <source>Fetching the recipes...</source>
        <translation>Recepten worden opgehaald...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Soort:</translation>
    </message>
    <message>
        <source>Time Of Day:</source>
        <translation>Tijd van de dag:</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Bereiding</translation>
    </message>
    <message>
        <source>Amounts</source>
        <translation>Hoeveelheden</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Beschrijving:</translation>
    </message>
    <message>
        <source>Ingredients of the recipe</source>
        <translation>Ingrediënten van het recept</translation>
    </message>
    <message>
        <source>&amp;Ingredients:</source>
        <translation>&amp;Ingrediënten:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
    <message>
        <source>&amp;Picture: (Right Click)</source>
        <translation>&amp;Afbeelding: (rechtsklik)</translation>
    </message>
    <message>
        <source>Load New Picture</source>
        <translation>Nieuwe afbeelding laden</translation>
    </message>
    <message>
        <source>Loaded the picture (%1 MB)</source>
        <translation>Afbeelding geladen (%1 MB)</translation>
    </message>
    <message>
        <source>Kept the photo at %1 x %2 pixels (%3 MB)</source>
        <translation>Foto bewaard op %1 x %2 pixels (%3 MB)</translation>
    </message>
    <message>
        <source>Kept the photo as it is: %1 x %2 pixels (%3 MB)</source>
        <translation>Foto ongewijzigd bewaard: %1 x %2 pixels (%3 MB)</translation>
    </message>
    <message>
        <source>Clear the picture of "%1"?</source>
        <translation>De afbeelding van ‘%1’ wissen?</translation>
    </message>
    <message>
        <source>Clear Picture of "%1"</source>
        <translation>Afbeelding van ‘%1’ wissen</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Afbeelding opslaan</translation>
    </message>
    <message>
        <source>Could not write the picture to "%1": %2</source>
        <translation>De afbeelding kon niet worden opgeslagen in ‘%1’: %2</translation>
    </message>
    <message>
        <source>New Recipe Name:</source>
        <translation>Nieuwe receptnaam:</translation>
    </message>
    <message>
        <source>A recipe needs a name of more than blanks.</source>
        <translation>Een recept heeft een naam nodig die niet alleen uit spaties bestaat.</translation>
    </message>
    <message>
        <source>A recipe name can be at most %1 characters long.</source>
        <translation>Een receptnaam mag hoogstens %1 tekens lang zijn.</translation>
    </message>
    <message>
        <source>The recipe book already has a recipe named "%1".</source>
        <translation>Het receptenboek heeft al een recept met de naam ‘%1’.</translation>
    </message>
    <message>
        <source>Input New Recipe Name</source>
        <translation>Nieuwe receptnaam invoeren</translation>
    </message>
    <message>
        <source>Saved the recipe "%1"</source>
        <translation>Recept ‘%1’ opgeslagen</translation>
    </message>
    <message>
        <source>Add New Recipe</source>
        <translation>Nieuw recept toevoegen</translation>
    </message>
    <message>
        <source>Deleted the recipe "%1"; Edit &gt; Undo or File &gt; Deleted Recipes... puts it back</source>
        <translation>Recept ‘%1’ verwijderd; Bewerken &gt; Ongedaan maken of Bestand &gt; Verwijderde recepten... zet het terug</translation>
    </message>
    <message>
        <source>The method of "%1" does not begin with ingredient lines.</source>
        <translation>De bereiding van ‘%1’ begint niet met ingrediëntregels.</translation>
    </message>
    <message>
        <source> The lines it has now are replaced.</source>
        <translation> De huidige regels worden vervangen.</translation>
    </message>
    <message>
        <source>reading the amounts</source>
        <translation>het lezen van de hoeveelheden</translation>
    </message>
    <message>
        <source>No recipe without ingredient lines has a method that begins with them.</source>
        <translation>Geen recept zonder ingrediëntregels heeft een bereiding die ermee begint.</translation>
    </message>
    <message>
        <source>Ingredient lines made for %1 recipes</source>
        <translation>Ingrediëntregels gemaakt voor %1 recepten</translation>
    </message>
    <message>
        <source>Preparing the report...</source>
        <translation>Rapport wordt voorbereid...</translation>
    </message>
    <message>
        <source> of </source>
        <translation> van </translation>
    </message>
    <message>
        <source>No puedo cargar la imagen</source>
        <translation>Kan de afbeelding niet laden</translation>
    </message>
    <message>
        <source>Search by</source>
        <translation>Zoeken op</translation>
    </message>
    <message>
        <source>Go !</source>
        <translation>Zoeken!</translation>
    </message>
    <message>
        <source>Recipe name contains</source>
        <translation>Receptnaam bevat</translation>
    </message>
    <message>
        <source>Search recipe names</source>
        <translation>Receptnamen doorzoeken</translation>
    </message>
    <message>
        <source>Search by ingredients</source>
        <translation>Zoeken op ingrediënten</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Alles aanvinken</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Herstellen</translation>
    </message>
    <message>
        <source>Search Result:</source>
        <translation>Zoekresultaat:</translation>
    </message>
    <message>
        <source>Search Result</source>
        <translation>Zoekresultaat</translation>
    </message>
    <message>
        <source>Print Recipe</source>
        <translation>Recept afdrukken</translation>
    </message>
    <message>
        <source>Email Recipe</source>
        <translation>Recept mailen</translation>
    </message>
    <message>
        <source>Please check at least 1 ingredient</source>
        <translation>Vink minstens één ingrediënt aan</translation>
    </message>
    <message>
        <source>Choose how to search first: by a piece of the recipe name or by ingredients.</source>
        <translation>Kies eerst hoe u zoekt: op een deel van de receptnaam of op ingrediënten.</translation>
    </message>
    <message>
        <source>The week is shared to %1</source>
        <translation>De week wordt gedeeld met %1</translation>
    </message>
    <message>
        <source>Sharing week %1...</source>
        <translation>Week %1 wordt gedeeld...</translation>
    </message>
    <message>
        <source>Looking for what the phones ticked...</source>
        <translation>Nagaan wat op de telefoons is afgevinkt...</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Sharing cancelled: nothing was changed here</source>
        <translation>Delen geannuleerd: hier is niets veranderd</translation>
    </message>
    <message>
        <source>Week %1 shared: %2 items and %3 meals written, %4 removed</source>
        <translation>Week %1 gedeeld: %2 items en %3 maaltijden geschreven, %4 verwijderd</translation>
    </message>
    <message>
        <source>Export Week as Calendar</source>
        <translation>Week als agenda exporteren</translation>
    </message>
    <message>
        <source>The calendar could not be written to %1 (%2).</source>
        <translation>De agenda kon niet worden opgeslagen in %1 (%2).</translation>
    </message>
    <message>
        <source>Week %1 written to %2: %3 meals and %4 items</source>
        <translation>Week %1 opgeslagen in %2: %3 maaltijden en %4 items</translation>
    </message>
    <message>
        <source>Shopping List Preview</source>
        <translation>Voorbeeld van het boodschappenlijstje</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrediënt</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Hoeveelheid</translation>
    </message>
    <message>
        <source>Number Of Meals</source>
        <translation>Aantal maaltijden</translation>
    </message>
    <message>
        <source>Bought</source>
        <translation>Gekocht</translation>
    </message>
    <message>
        <source>Number Of</source>
        <translation>Aantal</translation>
    </message>
    <message>
        <source>In shop order</source>
        <translation>In winkelvolgorde</translation>
    </message>
    <message>
        <source>Filter by Group</source>
        <translation>Op groep filteren</translation>
    </message>
    <message>
        <source>Group to filter by</source>
        <translation>Groep om op te filteren</translation>
    </message>
    <message>
        <source>Ingredients not on the list</source>
        <translation>Ingrediënten die niet op de lijst staan</translation>
    </message>
    <message>
        <source>Drag Ingredient or Type manually</source>
        <translation>Sleep een ingrediënt of typ het in</translation>
    </message>
    <message>
        <source>Add /Change</source>
        <translation>Toevoegen/Wijzigen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Share Week</source>
        <translation>Week delen</translation>
    </message>
    <message>
        <source>The list and the menu on the household's phones</source>
        <translation>Het lijstje en het menu op de telefoons van het huishouden</translation>
    </message>
    <message>
        <source>Drag an ingredient onto the list, or press Enter to add it</source>
        <translation>Sleep een ingrediënt naar de lijst, of druk op Enter om het toe te voegen</translation>
    </message>
    <message>
        <source>Shopping list of week %1 kept as edited</source>
        <translation>Boodschappenlijstje van week %1 blijft zoals bewerkt</translation>
    </message>
    <message>
        <source>Shopping list of week %1: %2</source>
        <translation>Boodschappenlijstje van week %1: %2</translation>
    </message>
    <message>
        <source>kept as edited</source>
        <translation>blijft zoals bewerkt</translation>
    </message>
    <message>
        <source>%1 items, merged with yours</source>
        <translation>%1 items, samengevoegd met die van u</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Samenvoegen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Vervangen</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Behouden</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Huishouden</translation>
    </message>
    <message>
        <source>Whom the week is planned for</source>
        <translation>Voor wie de week gepland wordt</translation>
    </message>
    <message>
        <source>Metric (g, kg, ml, l)</source>
        <translation>Metrisch (g, kg, ml, l)</translation>
    </message>
    <message>
        <source>US customary (oz, lb, cups)</source>
        <translation>Amerikaanse maten (oz, lb, cups)</translation>
    </message>
    <message>
        <source>&amp;People at the table:</source>
        <translation>&amp;Personen aan tafel:</translation>
    </message>
    <message>
        <source>&amp;Amounts in:</source>
        <translation>&amp;Hoeveelheden in:</translation>
    </message>
    <message>
        <source>"%1" added to the shopping list of week %2</source>
        <translation>‘%1’ toegevoegd aan het boodschappenlijstje van week %2</translation>
    </message>
    <message>
        <source>"%1" changed in the shopping list of week %2</source>
        <translation>‘%1’ gewijzigd in het boodschappenlijstje van week %2</translation>
    </message>
    <message>
        <source>Type the name of the item to buy first.</source>
        <translation>Typ eerst de naam van wat u wilt kopen.</translation>
    </message>
    <message>
        <source>Shopping List for week %1-%2 is empty</source>
        <translation>Het boodschappenlijstje van week %1-%2 is leeg</translation>
    </message>
    <message>
        <source>The export stopped: %1. %2 recipe was written to %3 before it did.</source>
        <translation>Het exporteren is gestopt: %1. Daarvoor was %2 recept opgeslagen in %3.</translation>
    </message>
    <message>
        <source>The export stopped: %1. %2 recipes were written to %3 before it did.</source>
        <translation>Het exporteren is gestopt: %1. Daarvoor waren %2 recepten opgeslagen in %3.</translation>
    </message>
    <message>
        <source>The export was cancelled: %1 recipe was written to %2.</source>
        <translation>Het exporteren is geannuleerd: %1 recept is opgeslagen in %2.</translation>
    </message>
    <message>
        <source>The export was cancelled: %1 recipes were written to %2.</source>
        <translation>Het exporteren is geannuleerd: %1 recepten zijn opgeslagen in %2.</translation>
    </message>
    <message>
        <source>%1 recipe was written to %2.</source>
        <translation>%1 recept is opgeslagen in %2.</translation>
    </message>
    <message>
        <source>%1 recipes were written to %2.</source>
        <translation>%1 recepten zijn opgeslagen in %2.</translation>
    </message>
    <message>
        <source>Week %1 of %2 is planned already. Replace its menu and shopping list with those of week %3?</source>
        <translation>Week %1 van %2 is al gepland. Het menu en het boodschappenlijstje vervangen door die van week %3?</translation>
    </message>
    <message>
        <source>Week %1 of %2 is planned already. Replace its menu with those of week %3?</source>
        <translation>Week %1 van %2 is al gepland. Het menu vervangen door dat van week %3?</translation>
    </message>
    <message numerus="yes">
        <source>%n ingredient(s) belong to the %1 group. Deleting this Group will delete all these Ingredients. Continue?</source>
        <translation><numerusform>%n ingrediënt hoort bij de groep %1. Als u de groep verwijdert, wordt dit ingrediënt ook verwijderd. Doorgaan?</numerusform><numerusform>%n ingrediënten horen bij de groep %1. Als u de groep verwijdert, worden al deze ingrediënten ook verwijderd. Doorgaan?</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n meal(s) exist in %1 category. Deleting of this Type will delete all these Meals. Continue?</source>
        <translation><numerusform>%n recept is van de soort %1. Als u de soort verwijdert, wordt dit recept ook verwijderd. Doorgaan?</numerusform><numerusform>%n recepten zijn van de soort %1. Als u de soort verwijdert, worden al deze recepten ook verwijderd. Doorgaan?</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 - ingredient is used in %n meal(s). Delete it from meals first!</source>
        <translation><numerusform>%1 – het ingrediënt wordt in %n recept gebruikt. Haal het eerst uit de recepten!</numerusform><numerusform>%1 – het ingrediënt wordt in %n recepten gebruikt. Haal het eerst uit de recepten!</numerusform></translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message>
        <source>The language Mealvane speaks</source>
        <translation>De taal van Mealvane</translation>
    </message>
    <message>
        <source>System (%1)</source>
        <translation>Systeem (%1)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Taal:</translation>
    </message>
    <message>
        <source>The manual stays in English. Mealvane speaks the language chosen from its next start.</source>
        <translation>De handleiding blijft Engels. Mealvane spreekt de gekozen taal vanaf de volgende start.</translation>
    </message>
    <message>
        <source>From its next start Mealvane speaks %1</source>
        <translation>Vanaf de volgende start spreekt Mealvane %1</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Taal...</translation>
    </message>
    <message>
        <source>In 6 clicks and less than a minute, you have created your weekly menu, generated your shopping list printed it out and you are ready to go (depending on the speed of your printer!)</source>
        <translation>In 6 klikken en minder dan een minuut hebt u uw weekmenu gemaakt, het boodschappenlijstje aangemaakt en geprint, en kunt u op pad (afhankelijk van de snelheid van uw printer!)</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Ongedaan gemaakt: %1</translation>
    </message>
    <message>
        <source>Restored %1</source>
        <translation>Teruggezet: %1</translation>
    </message>
    <message>
        <source>No backup of the recipe book could be made before %1: %2. The book itself is untouched.

Go on without a backup?</source>
        <translation>Er kon geen reservekopie van het receptenboek worden gemaakt vóór %1: %2. Het boek zelf is niet aangeraakt.

Doorgaan zonder reservekopie?</translation>
    </message>
    <message>
        <source>Today's backup of the recipe book could not be made: %1. The book itself is untouched; Mealvane tries again at its next start.

Backups go to %2.</source>
        <translation>De reservekopie van vandaag kon niet worden gemaakt: %1. Het boek zelf is niet aangeraakt; Mealvane probeert het bij de volgende start opnieuw.

Reservekopieën gaan naar %2.</translation>
    </message>
    <message>
        <source>There is no backup of the recipe book yet. Mealvane makes one at the first start of each day and before every import, in %1.</source>
        <translation>Er is nog geen reservekopie van het receptenboek. Mealvane maakt er een bij de eerste start van elke dag en vóór elke import, in %1.</translation>
    </message>
    <message>
        <source>Put the recipe book back as it was on %1, with %2 recipes and %3 planned weeks? What was changed since then is undone; the book as it is now is kept as one more backup.</source>
        <translation>Het receptenboek terugzetten naar %1, met %2 recepten en %3 geplande weken? Wat sindsdien veranderd is, wordt ongedaan gemaakt; het boek zoals het nu is, wordt als extra reservekopie bewaard.</translation>
    </message>
    <message>
        <source>The recipe book is back as it was when the backup was made. The book as it was before is kept as the backup %1.</source>
        <translation>Het receptenboek is weer zoals het was toen de reservekopie gemaakt werd. Het boek van daarvoor is bewaard als reservekopie %1.</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Platte tekst (*.txt)</translation>
    </message>
    <message>
        <source>Spreadsheet, comma-separated (*.csv)</source>
        <translation>Spreadsheet, kommagescheiden (*.csv)</translation>
    </message>
    <message>
        <source>This recipe is too long to hand to the mail program in one piece (the hand-over carries at most 128 KB), so nothing was sent. Print the recipe instead, or save it as PDF from the print preview and attach that to a message.</source>
        <translation>Dit recept is te lang om in één stuk aan het e-mailprogramma te geven (hoogstens 128 KB), dus er is niets verstuurd. Druk het recept af, of sla het in het afdrukvoorbeeld op als pdf en voeg dat bij een bericht.</translation>
    </message>
    <message>
        <source>Pick-A-Time</source>
        <translation>Maaltijd loten</translation>
    </message>
    <message>
        <source>Pick-A-Day</source>
        <translation>Dag loten</translation>
    </message>
    <message>
        <source>Pick-A-Week</source>
        <translation>Week loten</translation>
    </message>
    <message>
        <source>Clear-A-Time</source>
        <translation>Maaltijd leegmaken</translation>
    </message>
    <message>
        <source>Clear-A-Day</source>
        <translation>Dag leegmaken</translation>
    </message>
    <message>
        <source>Picks put no recipe twice into the week, and draw the recipes of the two weeks before last</source>
        <translation>Het loten zet geen recept twee keer in de week en neemt de recepten van de twee weken ervoor het laatst</translation>
    </message>
    <message>
        <source>Save Menu</source>
        <translation>Menu opslaan</translation>
    </message>
    <message>
        <source>Eneter New Meal Type</source>
        <translation>Nieuwe receptsoort invoeren</translation>
    </message>
    <message>
        <source>Meal Type:</source>
        <translation>Receptsoort:</translation>
    </message>
    <message>
        <source>Eneter New Ingredient Group</source>
        <translation>Nieuwe ingrediëntengroep invoeren</translation>
    </message>
    <message>
        <source>Group Name:</source>
        <translation>Groepsnaam:</translation>
    </message>
    <message>
        <source>Delete Current</source>
        <translation>Geselecteerde verwijderen</translation>
    </message>
    <message>
        <source>Recipe Types Editor</source>
        <translation>Receptsoorten bewerken</translation>
    </message>
    <message>
        <source>Recipe types</source>
        <translation>Receptsoorten</translation>
    </message>
    <message>
        <source>Add New Type</source>
        <translation>Nieuwe soort</translation>
    </message>
    <message>
        <source>Delete current recipe type</source>
        <translation>Geselecteerde receptsoort verwijderen</translation>
    </message>
    <message>
        <source>Ingredients Groups Editor</source>
        <translation>Ingrediëntengroepen bewerken</translation>
    </message>
    <message>
        <source>Ingredient groups</source>
        <translation>Ingrediëntengroepen</translation>
    </message>
    <message>
        <source>Add New Group</source>
        <translation>Nieuwe groep</translation>
    </message>
    <message>
        <source>Delete current ingredient group</source>
        <translation>Geselecteerde ingrediëntengroep verwijderen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>Moves the group along the way through the shop; the shopping list in shop order follows it</source>
        <translation>Verplaatst de groep op de route door de winkel; het boodschappenlijstje in winkelvolgorde volgt</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Toevoegen</translation>
    </message>
    <message>
        <source>Change Description</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Tidy Up...</source>
        <translation>Opruimen...</translation>
    </message>
    <message>
        <source>Each ticked entry is merged into the one it means: its recipes and lines go over to it, and the entry is removed. An entry that means no other takes the food's name.</source>
        <translation>Elk aangevinkt item wordt samengevoegd met het item dat het bedoelt: de recepten en regels gaan daarheen en het item verdwijnt. Een item dat geen ander bedoelt, krijgt de naam van het levensmiddel.</translation>
    </message>
    <message>
        <source>MDB Files (*.mdb)</source>
        <translation>MDB-bestanden (*.mdb)</translation>
    </message>
    <message>
        <source>The import needs a folder of its own for a copy of the older file, and '%1' cannot be written. Nothing was imported.</source>
        <translation>Het importeren heeft een eigen map nodig voor een kopie van het oudere bestand, en in ‘%1’ kan niet worden geschreven. Er is niets geïmporteerd.</translation>
    </message>
    <message>
        <source>Recipe files (*.html *.htm *.mmf *.mxp *.txt)</source>
        <translation>Receptbestanden (*.html *.htm *.mmf *.mxp *.txt)</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <source>Add Ingredient</source>
        <translation>Ingrediënt toevoegen</translation>
    </message>
    <message>
        <source>Delete Ingredient</source>
        <translation>Ingrediënt verwijderen</translation>
    </message>
    <message>
        <source>Clear Picture</source>
        <translation>Afbeelding wissen</translation>
    </message>
    <message>
        <source>Save Picture ...</source>
        <translation>Afbeelding opslaan ...</translation>
    </message>
    <message>
        <source>View in original size</source>
        <translation>Op ware grootte bekijken</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Delete Recipe</source>
        <translation>Recept verwijderen</translation>
    </message>
    <message>
        <source>Make the ingredient lines of "%1" from the %2 lines at the top of its method?%3</source>
        <translation>De ingrediëntregels van ‘%1’ maken uit de %2 regels bovenaan de bereiding?%3</translation>
    </message>
    <message>
        <source>Make ingredient lines for %1 recipes that have none, from the lines at the top of their methods? Nothing else is changed.</source>
        <translation>Ingrediëntregels maken voor %1 recepten zonder, uit de regels bovenaan hun bereiding? Verder verandert er niets.</translation>
    </message>
    <message>
        <source>Recipe names containing:</source>
        <translation>Receptnamen met:</translation>
    </message>
    <message>
        <source>ONLY these ingredients</source>
        <translation>ALLEEN deze ingrediënten</translation>
    </message>
    <message>
        <source>ANY of these ingredients</source>
        <translation>EEN VAN deze ingrediënten</translation>
    </message>
    <message>
        <source>MINIMUM of all these ingredients</source>
        <translation>MINSTENS al deze ingrediënten</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Zoeken...</translation>
    </message>
    <message>
        <source>Found: 0 item</source>
        <translation>Gevonden: geen</translation>
    </message>
    <message>
        <source>Found: 1 item</source>
        <translation>Gevonden: 1 recept</translation>
    </message>
    <message>
        <source>Found: %1 items</source>
        <translation>Gevonden: %1 recepten</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop's secret store (%1), so sharing was not set up. Start the desktop's keyring or wallet and try again.</source>
        <translation>Het wachtwoord kon niet in de sleutelbos van het bureaublad worden bewaard (%1), dus delen is niet ingesteld. Start de sleutelbos of portefeuille van het bureaublad en probeer het opnieuw.</translation>
    </message>
    <message>
        <source>Sharing is not set up yet: give your CalDAV server and the task list to share to.</source>
        <translation>Delen is nog niet ingesteld: geef uw CalDAV-server en de takenlijst op.</translation>
    </message>
    <message>
        <source>The password for %1 was not found in the desktop's secret store (%2). Give it again under File &gt; Sharing...</source>
        <translation>Het wachtwoord voor %1 is niet gevonden in de sleutelbos van het bureaublad (%2). Geef het opnieuw op onder Bestand &gt; Delen...</translation>
    </message>
    <message>
        <source>Changed here and on a phone since the week was last shared: %1.

The tick from the phone and the text from here were kept.</source>
        <translation>Hier en op een telefoon gewijzigd sinds de week het laatst gedeeld is: %1.

Het vinkje van de telefoon en de tekst van hier zijn bewaard.</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Agendabestanden (*.ics)</translation>
    </message>
    <message>
        <source>The groups in the order set on the categories page, what is always at home last; on the page, the printed list and the phones</source>
        <translation>De groepen in de volgorde van de categoriepagina, wat altijd in huis is als laatste; op de pagina, op papier en op de telefoons</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Groep:</translation>
    </message>
    <message>
        <source>&amp;Qty:</source>
        <translation>&amp;Aantal:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Hoeveelheid:</translation>
    </message>
    <message>
        <source>; no longer on the menu: %1</source>
        <translation>; niet meer op het menu: %1</translation>
    </message>
    <message>
        <source>The shopping list of week %1 (%2) holds items you added, changed or deleted by hand.

Merge makes the items of the menu anew and keeps yours; Replace makes the whole list from the menu; Keep leaves the list as it is.</source>
        <translation>Het boodschappenlijstje van week %1 (%2) bevat items die u met de hand hebt toegevoegd, gewijzigd of verwijderd.

Samenvoegen maakt de items van het menu opnieuw en houdt de uwe; Vervangen maakt de hele lijst uit het menu; Behouden laat de lijst zoals hij is.</translation>
    </message>
    <message>
        <source>Use Drag&amp;Drop to Add/Delete Meals to Menu</source>
        <translation>Slepen&amp;neerzetten om gerechten aan het menu toe te voegen of te verwijderen</translation>
    </message>
    <message>
        <source>Select Time:</source>
        <translation>Maaltijd kiezen:</translation>
    </message>
    <message>
        <source>Update Shopping List</source>
        <translation>Lijstje bijwerken</translation>
    </message>
    <message>
        <source>Select Group for Ingredient from List!</source>
        <translation>Kies de groep van het ingrediënt uit de lijst!</translation>
    </message>
    <message>
        <source>Select Ingredient first!</source>
        <translation>Kies eerst een ingrediënt!</translation>
    </message>
    <message>
        <source>Select Ingredient to delete first!</source>
        <translation>Kies eerst het ingrediënt dat u wilt verwijderen!</translation>
    </message>
    <message>
        <source>Weeks are planned for %1 people; Update Shopping List adds up the amounts anew</source>
        <translation>Weken worden gepland voor %1 personen; Lijstje bijwerken telt de hoeveelheden opnieuw op</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Increase</source>
        <translation>Verhogen</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Verlagen</translation>
    </message>
</context>
<context>
    <name>WaitBox</name>
    <message>
        <source>Wait until operation will complete....</source>
        <translation>Wacht tot de bewerking klaar is....</translation>
    </message>
</context>
</TS>
