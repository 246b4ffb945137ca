<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>CheckedComboBox</name>
    <message>
        <source>&amp;Deselect all</source>
        <translation>&amp;Deseleziona tutto</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>&amp;Seleziona tutto</translation>
    </message>
</context>
<context>
    <name>DBImage</name>
    <message>
        <source>The picture cannot be shown: it is damaged, or of a kind that cannot be read.</source>
        <translation>L’immagine non si può mostrare: è danneggiata o di un formato illeggibile.</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>The built-in script %1 is missing.</source>
        <translation>Manca lo script integrato %1.</translation>
    </message>
    <message>
        <source>'%1' already exists; it is left as it is.</source>
        <translation>«%1» esiste già; resta com’è.</translation>
    </message>
    <message>
        <source>%1 can be at most %2 characters long. Nothing was saved.</source>
        <translation>%1 può avere al massimo %2 caratteri. Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>The recipe book cannot take that value (%1). Nothing was saved.</source>
        <translation>Il ricettario non accetta quel valore (%1). Non è stato salvato nulla.</translation>
    </message>
    <message>
        <source>it was written by a later version of Mealvane</source>
        <translation>è stato scritto da una versione più recente di Mealvane</translation>
    </message>
    <message>
        <source>it holds a table this Mealvane does not know (%1)</source>
        <translation>contiene una tabella che questo Mealvane non conosce (%1)</translation>
    </message>
    <message>
        <source>its table %1 has a column this Mealvane does not know (%2)</source>
        <translation>la sua tabella %1 ha una colonna che questo Mealvane non conosce (%2)</translation>
    </message>
    <message>
        <source>its view %1 is not the one this Mealvane writes</source>
        <translation>la sua vista %1 non è quella che scrive questo Mealvane</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>è danneggiato</translation>
    </message>
    <message>
        <source>The recipe book '%1' is damaged: parts of it cannot be read.

Mealvane opens it read-only, so that nothing more of it is lost: you can look at what can be read and print it, but nothing is saved to it.</source>
        <translation>Il ricettario «%1» è danneggiato: alcune parti non si possono leggere.

Mealvane lo apre in sola lettura, perché non se ne perda altro: potete guardare e stampare ciò che si legge, ma non vi si salva nulla.</translation>
    </message>
    <message>
        <source>

There is no backup of it.</source>
        <translation>

Non ne esiste una copia di sicurezza.</translation>
    </message>
    <message>
        <source>Could not find file '%1'. Mealvane keeps its recipe book there: put your book (or a backup of it) in that place and start Mealvane again.</source>
        <translation>File «%1» non trovato. Mealvane tiene lì il suo ricettario: mettete lì il vostro ricettario (o una sua copia) e riavviate Mealvane.</translation>
    </message>
    <message>
        <source>The recipe book '%1' is an empty file (0 bytes): it holds no recipes at all. Copy a backup of your book in its place, or move the empty file away and start Mealvane again to begin with the starter book.</source>
        <translation>Il ricettario «%1» è un file vuoto (0 byte): non contiene nessuna ricetta. Copiate al suo posto una copia di sicurezza del ricettario, o spostate il file vuoto e riavviate Mealvane per cominciare con il ricettario iniziale.</translation>
    </message>
    <message>
        <source>The recipe book '%1' cannot be read: %2. Make it readable and start Mealvane again.</source>
        <translation>Il ricettario «%1» non è leggibile: %2. Rendetelo leggibile e riavviate Mealvane.</translation>
    </message>
    <message>
        <source>'%1' is not a database Mealvane can read: it is no recipe book, or its beginning is damaged. Copy a backup of your book in its place, or move the file away and start Mealvane again to begin with the starter book.</source>
        <translation>«%1» non è un database che Mealvane sa leggere: non è un ricettario, o il suo inizio è danneggiato. Copiate al suo posto una copia di sicurezza del ricettario, o spostate il file e riavviate Mealvane per cominciare con il ricettario iniziale.</translation>
    </message>
    <message>
        <source>it is of a layout this Mealvane does not know</source>
        <translation>ha una struttura che questo Mealvane non conosce</translation>
    </message>
    <message>
        <source>The recipe book '%1' cannot be changed by this Mealvane: %2.

It is opened read-only, so that nothing the program that wrote it keeps is spoilt: you can look at it and print it, but nothing is saved. Use that program, or a later Mealvane, to change it.</source>
        <translation>Questo Mealvane non può modificare il ricettario «%1»: %2.

È aperto in sola lettura, per non rovinare nulla di ciò che vi tiene il programma che lo ha scritto: potete guardarlo e stamparlo, ma non si salva nulla. Usate quel programma, o un Mealvane più recente, per modificarlo.</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>nella sua cartella non si può scrivere</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>il file non si può scrivere</translation>
    </message>
    <message>
        <source>The recipe book '%1' is read-only: %2.

You can look at everything and print it, but nothing you change can be saved. To change the book, close Mealvane, make %3 writable (or copy the book to a folder of your own) and start it again.</source>
        <translation>Il ricettario «%1» è in sola lettura: %2.

Potete guardare e stampare tutto, ma le modifiche non si possono salvare. Per modificarlo, chiudete Mealvane, rendete %3 scrivibile (o copiate il ricettario in una vostra cartella) e riavviatelo.</translation>
    </message>
    <message>
        <source>the folder '%1'</source>
        <translation>la cartella «%1»</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>il file</translation>
    </message>
    <message>
        <source>The full check of the recipe book '%1' found it damaged: parts of it, or of the indexes that find its rows, do not hold together.</source>
        <translation>Il controllo completo del ricettario «%1» lo ha trovato danneggiato: parti di esso, o degli indici che ne trovano le righe, non combaciano.</translation>
    </message>
    <message>
        <source>'%1' cannot be read at all: %2</source>
        <translation>«%1» non si può leggere affatto: %2</translation>
    </message>
    <message>
        <source>the table %1</source>
        <translation>la tabella %1</translation>
    </message>
    <message>
        <source>some rows of the table %1</source>
        <translation>alcune righe della tabella %1</translation>
    </message>
    <message>
        <source>Nothing of '%1' could be read.</source>
        <translation>Non è stato possibile leggere nulla di «%1».</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Recipes</source>
        <translation>Esporta ricette</translation>
    </message>
    <message>
        <source>  Write recipes out as web pages or as a MealMaster file</source>
        <translation>  Salva le ricette come pagine web o come file MealMaster</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Ricette</translation>
    </message>
    <message>
        <source>Recipe type</source>
        <translation>Tipo di ricetta</translation>
    </message>
    <message>
        <source>The recipes &amp;found by the search (%1)</source>
        <translation>Le ricette &amp;trovate dalla ricerca (%1)</translation>
    </message>
    <message>
        <source>The recipes &amp;found by the search (none yet)</source>
        <translation>Le ricette &amp;trovate dalla ricerca (ancora nessuna)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
</context>
<context>
    <name>IngredientPicker</name>
    <message>
        <source>Add ingredient to Meal</source>
        <translation>Aggiungi un ingrediente alla ricetta</translation>
    </message>
    <message>
        <source>  Add ingredient to Meal</source>
        <translation>  Aggiungi un ingrediente alla ricetta</translation>
    </message>
    <message>
        <source>Select Ingredient and click "Add" button</source>
        <translation>Scegliete un ingrediente e fate clic su «Aggiungi»</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingredienti</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>Mealvane</name>
    <message>
        <source>it is damaged</source>
        <translation>è danneggiato</translation>
    </message>
    <message>
        <source>

From now on Mealvane keeps it read-only, so that nothing more of it is lost: what you saved before is in it, but nothing more is saved.</source>
        <translation>

Da ora Mealvane lo tiene in sola lettura, perché non se ne perda altro: ciò che avete salvato prima c’è, ma non si salva più nulla.</translation>
    </message>
    <message>
        <source>Save what can be read of the damaged recipe book into a new file?</source>
        <translation>Salvare in un nuovo file ciò che si può leggere del ricettario danneggiato?</translation>
    </message>
    <message>
        <source>Recipe books (*.mdb)</source>
        <translation>Ricettari (*.mdb)</translation>
    </message>
    <message>
        <source>Saved %1 recipes (%2 rows in all) into '%3'.</source>
        <translation>Salvate %1 ricette (%2 righe in tutto) in «%3».</translation>
    </message>
    <message>
        <source> Could not be read: %1.</source>
        <translation> Illeggibile: %1.</translation>
    </message>
    <message>
        <source>

To use it, close Mealvane, keep the damaged file somewhere else, and put the new one in its place as '%1'.</source>
        <translation>

Per usarlo, chiudete Mealvane, mettete altrove il file danneggiato e al suo posto il nuovo come «%1».</translation>
    </message>
    <message>
        <source>Nothing could be saved: %1</source>
        <translation>Non è stato possibile salvare nulla: %1</translation>
    </message>
</context>
<context>
    <name>PictureViewer</name>
    <message>
        <source>Meal Picture viewer</source>
        <translation>Immagine della ricetta</translation>
    </message>
    <message>
        <source>  View picture</source>
        <translation>  Vedi l’immagine</translation>
    </message>
    <message>
        <source>Recipe picture</source>
        <translation>Immagine della ricetta</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>Grandezza &amp;reale</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save as PDF...</source>
        <translation>Salva come PDF...</translation>
    </message>
    <message>
        <source>Save the report as a PDF file</source>
        <translation>Salva la stampa come file PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>Could not write "%1".</source>
        <translation>Impossibile salvare «%1».</translation>
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
        <translation>&amp;Fonte:</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Apri nel browser</translation>
    </message>
    <message>
        <source>Au&amp;thor:</source>
        <translation>Au&amp;tore:</translation>
    </message>
    <message>
        <source>e.g. 4 servings, 12 muffins</source>
        <translation>p. es. 4 porzioni, 12 muffin</translation>
    </message>
    <message>
        <source>&amp;Yield:</source>
        <translation>&amp;Resa:</translation>
    </message>
    <message>
        <source>C&amp;uisine:</source>
        <translation>&amp;Cucina:</translation>
    </message>
</context>
<context>
    <name>RecipeLinesEditor</name>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>Servings</source>
        <translation>Porzioni</translation>
    </message>
    <message>
        <source>as written</source>
        <translation>come scritta</translation>
    </message>
    <message>
        <source>Scale to servings</source>
        <translation>Adatta alle porzioni</translation>
    </message>
    <message>
        <source>Shows the amounts for another number of servings; the recipe is not changed</source>
        <translation>Mostra le quantità per un altro numero di porzioni; la ricetta non cambia</translation>
    </message>
    <message>
        <source>Se&amp;rvings:</source>
        <translation>&amp;Porzioni:</translation>
    </message>
    <message>
        <source>Scale &amp;to:</source>
        <translation>&amp;Adatta a:</translation>
    </message>
    <message>
        <source>Ingredient lines</source>
        <translation>Righe di ingredienti</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrediente</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>New ingredient line</source>
        <translation>Nuova riga di ingrediente</translation>
    </message>
    <message>
        <source>Type a line, e.g. 2 cups flour, sifted</source>
        <translation>Scrivete una riga, p. es. 250 g di farina, setacciata</translation>
    </message>
    <message>
        <source>Add Line</source>
        <translation>Aggiungi riga</translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation>Elimina riga</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Move line up</source>
        <translation>Sposta la riga su</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>Move line down</source>
        <translation>Sposta la riga giù</translation>
    </message>
</context>
<context>
    <name>RecipePicker</name>
    <message>
        <source>Select Meal</source>
        <translation>Scegli ricetta</translation>
    </message>
    <message>
        <source>  Select Meal</source>
        <translation>  Scegli ricetta</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Ricetta</translation>
    </message>
    <message>
        <source>Send with EMail </source>
        <translation>Invia per e-mail </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Ripristina da copia di sicurezza</translation>
    </message>
    <message>
        <source>Put the recipe book back as it was when a backup was made</source>
        <translation>Riportare il ricettario com’era quando è stata fatta una copia</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copie di sicurezza</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Fatta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Ricette</translation>
    </message>
    <message>
        <source>Planned weeks</source>
        <translation>Settimane pianificate</translation>
    </message>
    <message>
        <source>Start of the day</source>
        <translation>Inizio della giornata</translation>
    </message>
    <message>
        <source>Before a change</source>
        <translation>Prima di una modifica</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Danneggiata</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Ripristina</translation>
    </message>
</context>
<context>
    <name>Selectors</name>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Vane Time Selector</source>
        <translation>Vane Scelta dei pasti</translation>
    </message>
    <message>
        <source>Vane Day Selector</source>
        <translation>Vane Scelta dei giorni</translation>
    </message>
</context>
<context>
    <name>SharingDialog</name>
    <message>
        <source>Sharing</source>
        <translation>Condivisione</translation>
    </message>
    <message>
        <source>The week on the household's phones, through your CalDAV server</source>
        <translation>La settimana sui telefoni di casa, tramite il vostro server CalDAV</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Prova la connessione</translation>
    </message>
    <message>
        <source>Meals at:</source>
        <translation>Pasti alle:</translation>
    </message>
    <message>
        <source>Give the address of your CalDAV server, such as https://dav.example.org/.</source>
        <translation>Indicate l’indirizzo del vostro server CalDAV, per esempio https://dav.example.org/.</translation>
    </message>
    <message>
        <source>Give your user name on the server.</source>
        <translation>Indicate il vostro nome utente sul server.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>Richiesta a %1...</translation>
    </message>
    <message>
        <source>Reached %1: %2 task lists and %3 calendars. Choose the ones to share to, or new ones.</source>
        <translation>%1 raggiunto: %2 elenchi di attività e %3 calendari. Scegliete dove condividere, o nuovi.</translation>
    </message>
    <message>
        <source>New task list "Shopping"</source>
        <translation>Nuovo elenco di attività «Spesa»</translation>
    </message>
    <message>
        <source>New calendar "Meals"</source>
        <translation>Nuovo calendario «Pasti»</translation>
    </message>
    <message>
        <source>None: share the list only</source>
        <translation>Nessuno: condividi solo la lista</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Resume scrolling</source>
        <translation>Riprendi lo scorrimento</translation>
    </message>
    <message>
        <source>Pause scrolling</source>
        <translation>Pausa lo scorrimento</translation>
    </message>
    <message>
        <source>Selected Week:</source>
        <translation>Settimana scelta:</translation>
    </message>
    <message>
        <source>Week Number:</source>
        <translation>Settimana n.:</translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>Oggi:</translation>
    </message>
    <message>
        <source>Mealvane v 4.0</source>
        <translation>Mealvane v 4.0</translation>
    </message>
    <message>
        <source>Save time and get your life back !</source>
        <translation>Risparmiate tempo e riprendetevi la vita!</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Pick-A-Menu</source>
        <translation>&amp;Scegli il menù</translation>
    </message>
    <message>
        <source>&amp;Weekly Menu</source>
        <translation>Menù &amp;settimanale</translation>
    </message>
    <message>
        <source>&amp;Quick Start</source>
        <translation>Avvio &amp;rapido</translation>
    </message>
    <message>
        <source>&amp;Shopping List</source>
        <translation>&amp;Lista della spesa</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Ricette</translation>
    </message>
    <message>
        <source>&amp;Ingredients</source>
        <translation>&amp;Ingredienti</translation>
    </message>
    <message>
        <source>S&amp;earch</source>
        <translation>&amp;Cerca</translation>
    </message>
    <message>
        <source>&amp;All Recipes</source>
        <translation>&amp;Tutte le ricette</translation>
    </message>
    <message>
        <source>&amp;Single Recipe</source>
        <translation>&amp;Singola ricetta</translation>
    </message>
    <message>
        <source>A&amp;ll Ingredients</source>
        <translation>Tutti gli &amp;ingredienti</translation>
    </message>
    <message>
        <source>&amp;Mealvane Help</source>
        <translation>Guida di &amp;Mealvane</translation>
    </message>
    <message>
        <source>Visit us on the Web</source>
        <translation>Visitateci sul web</translation>
    </message>
    <message>
        <source>Import Meals from Older DB</source>
        <translation>Importa ricette da un vecchio database</translation>
    </message>
    <message>
        <source>Import Recipes from Files...</source>
        <translation>Importa ricette da file...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Stampa...</translation>
    </message>
    <message>
        <source>&amp;New Recipe...</source>
        <translation>&amp;Nuova ricetta...</translation>
    </message>
    <message>
        <source>&amp;Find Recipe</source>
        <translation>&amp;Trova ricetta</translation>
    </message>
    <message>
        <source>&amp;Daily Style</source>
        <translation>Pianificazione per &amp;giorno</translation>
    </message>
    <message>
        <source>Recipe &amp;Types and Groups</source>
        <translation>&amp;Tipi di ricetta e gruppi</translation>
    </message>
    <message>
        <source>&amp;Household...</source>
        <translation>&amp;Famiglia...</translation>
    </message>
    <message>
        <source>Import Recipe from Web Address...</source>
        <translation>Importa ricetta da un indirizzo web...</translation>
    </message>
    <message>
        <source>Read Amounts from Methods...</source>
        <translation>Leggi le quantità dalle preparazioni...</translation>
    </message>
    <message>
        <source>Pre&amp;vious Week</source>
        <translation>Settimana &amp;precedente</translation>
    </message>
    <message>
        <source>Ne&amp;xt Week</source>
        <translation>Settimana &amp;successiva</translation>
    </message>
    <message>
        <source>&amp;Copy Week To...</source>
        <translation>&amp;Copia settimana in...</translation>
    </message>
    <message>
        <source>Restore from &amp;Backup...</source>
        <translation>Ripristina da &amp;copia di sicurezza...</translation>
    </message>
    <message>
        <source>Export &amp;Recipes...</source>
        <translation>Esporta &amp;ricette...</translation>
    </message>
    <message>
        <source>Export Wee&amp;k...</source>
        <translation>Esporta setti&amp;mana...</translation>
    </message>
    <message>
        <source>Shar&amp;ing...</source>
        <translation>&amp;Condivisione...</translation>
    </message>
    <message>
        <source>Share &amp;Week</source>
        <translation>Condividi la &amp;settimana</translation>
    </message>
    <message>
        <source>Refresh from P&amp;hones</source>
        <translation>Aggiorna dai &amp;telefoni</translation>
    </message>
    <message>
        <source>Export Week as &amp;Calendar...</source>
        <translation>Esporta settimana come &amp;calendario...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>De&amp;leted Recipes...</source>
        <translation>Ricette &amp;eliminate...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>&amp;Database</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Azioni</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Stampe</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Pick-A-Menu</source>
        <translation>Scegli il menù</translation>
    </message>
    <message>
        <source>Weekly Style</source>
        <translation>Pianificazione per settimana</translation>
    </message>
    <message>
        <source>Daily Style</source>
        <translation>Pianificazione per giorno</translation>
    </message>
    <message>
        <source>Shopping List</source>
        <translation>Lista della spesa</translation>
    </message>
    <message>
        <source>Recipes (View/Add/Edit)</source>
        <translation>Ricette (vedi/aggiungi/modifica)</translation>
    </message>
    <message>
        <source>Ingredients (Insert/Delete)</source>
        <translation>Ingredienti (aggiungi/elimina)</translation>
    </message>
    <message>
        <source>Recipe Types / Groups (Insert/Delete)</source>
        <translation>Tipi / gruppi (aggiungi/elimina)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Ricerca</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Stampe</translation>
    </message>
    <message>
        <source>Weekly Menu</source>
        <translation>Menù settimanale</translation>
    </message>
    <message>
        <source>All Recipes</source>
        <translation>Tutte le ricette</translation>
    </message>
    <message>
        <source>Single Recipe</source>
        <translation>Singola ricetta</translation>
    </message>
    <message>
        <source>All Ingredients</source>
        <translation>Tutti gli ingredienti</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Quick Start Page</source>
        <translation>Avvio rapido</translation>
    </message>
    <message>
        <source>Mealvane Help</source>
        <translation>Guida di Mealvane</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Click to visit Mealvane on the Web</source>
        <translation>Visitate Mealvane sul web</translation>
    </message>
    <message>
        <source>PickAmenu</source>
        <translation>Scegli il menù</translation>
    </message>
    <message>
        <source>Vane Menu Selection</source>
        <translation>Vane Scelta del menù</translation>
    </message>
    <message>
        <source>PichMenuOldStyle</source>
        <translation>Pianificazione per settimana</translation>
    </message>
    <message>
        <source>Vane Shopping</source>
        <translation>Vane Spesa</translation>
    </message>
    <message>
        <source>View Meals</source>
        <translation>Vedi ricette</translation>
    </message>
    <message>
        <source>View/Edit Recipes</source>
        <translation>Vedi/modifica ricette</translation>
    </message>
    <message>
        <source>Insert/Delete Ingr</source>
        <translation>Aggiungi/elimina ingr.</translation>
    </message>
    <message>
        <source>Insert/Delete Ingredients</source>
        <translation>Aggiungi/elimina ingredienti</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorie</translation>
    </message>
    <message>
        <source>Recipe Types and Ingredient Groups manager</source>
        <translation>Tipi di ricetta e gruppi di ingredienti</translation>
    </message>
    <message>
        <source>VaneSearch</source>
        <translation>Vane Ricerca</translation>
    </message>
    <message>
        <source>Welcome Page</source>
        <translation>Benvenuto</translation>
    </message>
    <message>
        <source>Mealvane v 4.0 Quick Start</source>
        <translation>Mealvane v 4.0 – Avvio rapido</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>MEALVANE - Save time and get your life back!</source>
        <translation>MEALVANE – Risparmiate tempo e riprendetevi la vita!</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>Avvio rapido</translation>
    </message>
    <message>
        <source>To plan your weekly menu quickly and easily, it only takes 4 mouse clicks!</source>
        <translation>Per pianificare il menù della settimana in modo facile e veloce bastano 4 clic!</translation>
    </message>
    <message>
        <source>Click on Pick-A-Menu on the left hand navigation bar</source>
        <translation>Fate clic su Scegli il menù nella barra di navigazione a sinistra</translation>
    </message>
    <message>
        <source>Click on Weekly Style</source>
        <translation>Fate clic su Pianificazione per settimana</translation>
    </message>
    <message>
        <source>Click on Pick-A-Week from the buttons that appear on the lower right</source>
        <translation>Fate clic su Estrai la settimana tra i pulsanti in basso a destra</translation>
    </message>
    <message>
        <source>Click on Save Menu in that same button panel</source>
        <translation>Fate clic su Salva il menù tra gli stessi pulsanti</translation>
    </message>
    <message>
        <source>You have randomly chosen your entire menu for the week!</source>
        <translation>Avete scelto a caso l’intero menù della settimana!</translation>
    </message>
    <message>
        <source>You can then create and print your Shopping List with only 2 more clicks!</source>
        <translation>Poi, con soli 2 clic in più, create e stampate la lista della spesa!</translation>
    </message>
    <message>
        <source>1.	Click on Shopping List on the left hand navigation bar</source>
        <translation>1.	Fate clic su Lista della spesa nella barra di navigazione a sinistra</translation>
    </message>
    <message>
        <source>2.	Click on the Print button in the lower right hand button panel</source>
        <translation>2.	Fate clic sul pulsante Stampa in basso a destra</translation>
    </message>
    <message>
        <source>AMAZING!!!</source>
        <translation>FANTASTICO!!!</translation>
    </message>
    <message>
        <source>To get help on how to customise your menu, use the Pick-A-Menu topic in the online Help.</source>
        <translation>Per personalizzare il menù, consultate la voce Scegli il menù della guida.</translation>
    </message>
    <message>
        <source>Check out the website to see the latest FREE recipe bonuses for Mealvane</source>
        <translation>Visitate il sito web per le ultime ricette GRATUITE per Mealvane</translation>
    </message>
    <message>
        <source>HAVE A NICE DAY,   Mealvane TEAM</source>
        <translation>BUONA GIORNATA,   IL TEAM DI Mealvane</translation>
    </message>
    <message>
        <source>Pause or resume the scrolling text</source>
        <translation>Metti in pausa o riprendi il testo scorrevole</translation>
    </message>
    <message>
        <source>To know more about Mealvane visit us on the Web</source>
        <translation>Per saperne di più su Mealvane, visitateci sul web</translation>
    </message>
    <message>
        <source>Nothing on this page waits to be saved</source>
        <translation>Niente da salvare in questa pagina</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annulla: %1</translation>
    </message>
    <message>
        <source>No recipe was deleted in the last %1 days.</source>
        <translation>Nessuna ricetta è stata eliminata negli ultimi %1 giorni.</translation>
    </message>
    <message>
        <source>Deleted Recipes</source>
        <translation>Ricette eliminate</translation>
    </message>
    <message>
        <source>Recipes deleted in the last %1 days</source>
        <translation>Ricette eliminate negli ultimi %1 giorni</translation>
    </message>
    <message>
        <source>Deleted recipes</source>
        <translation>Ricette eliminate</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Ricetta</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Eliminata</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>"%1" as "%2" (a recipe took its name since)</source>
        <translation>«%1» come «%2» (un’altra ricetta ha ora quel nome)</translation>
    </message>
    <message>
        <source>Making a backup of the recipe book...</source>
        <translation>Copia di sicurezza del ricettario in corso...</translation>
    </message>
    <message>
        <source>The newest backup holds the book as it is</source>
        <translation>La copia più recente contiene già il ricettario così com’è</translation>
    </message>
    <message>
        <source>Backup made: %1</source>
        <translation>Copia di sicurezza fatta: %1</translation>
    </message>
    <message>
        <source>Checking the backup...</source>
        <translation>Verifica della copia di sicurezza...</translation>
    </message>
    <message>
        <source>The backup of %1 is damaged (%2) and cannot be restored.</source>
        <translation>La copia di sicurezza del %1 è danneggiata (%2) e non può essere ripristinata.</translation>
    </message>
    <message>
        <source>The backup could not be opened (%1), so the recipe book is as it was.</source>
        <translation>Impossibile aprire la copia di sicurezza (%1): il ricettario è rimasto com’era.</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1. The recipe book is as it was.</source>
        <translation>Impossibile ripristinare la copia di sicurezza: %1. Il ricettario è rimasto com’era.</translation>
    </message>
    <message>
        <source>Export Recipes To</source>
        <translation>Esporta ricette in</translation>
    </message>
    <message>
        <source>There are no recipes to export.</source>
        <translation>Non ci sono ricette da esportare.</translation>
    </message>
    <message>
        <source>Writing the recipes...</source>
        <translation>Salvataggio delle ricette...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Export Recipes</source>
        <translation>Esporta ricette</translation>
    </message>
    <message>
        <source>The export was cancelled</source>
        <translation>L’esportazione è stata annullata</translation>
    </message>
    <message>
        <source>Exported %1 recipes</source>
        <translation>%1 ricette esportate</translation>
    </message>
    <message>
        <source>Export Week</source>
        <translation>Esporta settimana</translation>
    </message>
    <message>
        <source>The week could not be written to %1: %2</source>
        <translation>Impossibile salvare la settimana in %1: %2</translation>
    </message>
    <message>
        <source>Week %1 written to %2</source>
        <translation>Settimana %1 salvata in %2</translation>
    </message>
    <message>
        <source>Error sending mail (%1).</source>
        <translation>Errore nell’invio della mail (%1).</translation>
    </message>
    <message>
        <source>%1

Close Mealvane without saving it?</source>
        <translation>%1

Chiudere Mealvane senza salvare?</translation>
    </message>
    <message>
        <source>Copy Week To</source>
        <translation>Copia settimana in</translation>
    </message>
    <message>
        <source>  Copy the menu of week %1 onto the week of the day chosen</source>
        <translation>  Copia il menù della settimana %1 nella settimana del giorno scelto</translation>
    </message>
    <message>
        <source>Week to copy onto</source>
        <translation>Settimana di destinazione</translation>
    </message>
    <message>
        <source>Copy the &amp;shopping list too</source>
        <translation>Copia anche la lista della &amp;spesa</translation>
    </message>
    <message>
        <source>Week %1 of %2 is the week being copied: choose a day of another week.</source>
        <translation>La settimana %1 del %2 è quella da copiare: scegliete un giorno di un’altra settimana.</translation>
    </message>
    <message>
        <source>Week %1 of %2 has nothing planned to copy.</source>
        <translation>La settimana %1 del %2 non ha nulla di pianificato da copiare.</translation>
    </message>
    <message>
        <source>Week %1 copied onto week %2 of %3; its shopping list: %4 items</source>
        <translation>Settimana %1 copiata nella settimana %2 del %3; la sua lista della spesa: %4 articoli</translation>
    </message>
    <message>
        <source>Week %1 copied onto week %2 of %3</source>
        <translation>Settimana %1 copiata nella settimana %2 del %3</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message>
        <source>People at This Meal...</source>
        <translation>Persone a questo pasto...</translation>
    </message>
    <message>
        <source>Vane Drag Meals to Menu Boxes</source>
        <translation>Vane Trascinate i piatti nelle caselle del menù</translation>
    </message>
    <message>
        <source>Meals</source>
        <translation>Piatti</translation>
    </message>
    <message>
        <source>Filter by Meal Type</source>
        <translation>Filtra per tipo di piatto</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Meal type</source>
        <translation>Tipo di piatto</translation>
    </message>
    <message>
        <source>People at This Meal</source>
        <translation>Persone a questo pasto</translation>
    </message>
    <message>
        <source>How many people eat "%1"? (Leave it blank for the household's %2.)</source>
        <translation>Quante persone mangiano «%1»? (Lasciate vuoto per le %2 di casa.)</translation>
    </message>
    <message>
        <source>"%1" is planned for the household's %2 people</source>
        <translation>«%1» è previsto per le %2 persone di casa</translation>
    </message>
    <message>
        <source>"%1" is planned for %2 people</source>
        <translation>«%1» è previsto per %2 persone</translation>
    </message>
    <message>
        <source>Too many items selected</source>
        <translation>Troppi elementi scelti</translation>
    </message>
    <message>
        <source>No re&amp;peats</source>
        <translation>Senza &amp;ripetizioni</translation>
    </message>
    <message>
        <source>Not saved yet</source>
        <translation>Non ancora salvato</translation>
    </message>
    <message>
        <source>The weekly menu holds picks not saved yet</source>
        <translation>Il menù settimanale ha scelte non ancora salvate</translation>
    </message>
    <message>
        <source>Menu of week %1 saved; the shopping list kept as edited</source>
        <translation>Menù della settimana %1 salvato; la lista della spesa resta come modificata</translation>
    </message>
    <message>
        <source>Menu of week %1 saved; shopping list: %2</source>
        <translation>Menù della settimana %1 salvato; lista della spesa: %2</translation>
    </message>
    <message>
        <source>Pick-A-Time: the meal times to pick for</source>
        <translation>Estrai un pasto: i pasti da riempire</translation>
    </message>
    <message>
        <source>Pick-A-Day: the days to pick for</source>
        <translation>Estrai un giorno: i giorni da riempire</translation>
    </message>
    <message>
        <source>Clear-A-Time: the meal times to clear</source>
        <translation>Svuota un pasto: i pasti da svuotare</translation>
    </message>
    <message>
        <source>Clear-A-Day: the days to clear</source>
        <translation>Svuota un giorno: i giorni da svuotare</translation>
    </message>
    <message>
        <source>%1 needs a name of more than blanks.</source>
        <translation>%1 ha bisogno di un nome che non sia fatto solo di spazi.</translation>
    </message>
    <message>
        <source>%1 can be at most 50 characters long.</source>
        <translation>%1 può avere al massimo 50 caratteri.</translation>
    </message>
    <message>
        <source>A group's name</source>
        <translation>Il nome di un gruppo</translation>
    </message>
    <message>
        <source>A recipe type</source>
        <translation>Un tipo di ricetta</translation>
    </message>
    <message>
        <source>Ingredient group</source>
        <translation>Gruppo di ingredienti</translation>
    </message>
    <message>
        <source>Recipe type</source>
        <translation>Tipo di ricetta</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingredienti</translation>
    </message>
    <message>
        <source>Ingredient Group</source>
        <translation>Gruppo di ingredienti</translation>
    </message>
    <message>
        <source>Recipe Type</source>
        <translation>Tipo di ricetta</translation>
    </message>
    <message>
        <source>Ingredient group "%1" is now %2 of %3 on the way through the shop</source>
        <translation>Il gruppo «%1» è ora al posto %2 di %3 nel giro del negozio</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>Always at &amp;home</source>
        <translation>Sempre in &amp;casa</translation>
    </message>
    <message>
        <source>Listed last on the shopping list, under "%1"</source>
        <translation>In fondo alla lista della spesa, sotto «%1»</translation>
    </message>
    <message>
        <source>"%1" is always at home: the shopping list puts it under "%2"</source>
        <translation>«%1» c’è sempre in casa: la lista della spesa lo mette sotto «%2»</translation>
    </message>
    <message>
        <source>"%1" is bought like the rest</source>
        <translation>«%1» si compra come il resto</translation>
    </message>
    <message>
        <source>Enter Ingredients Description first!</source>
        <translation>Scrivete prima il nome dell’ingrediente!</translation>
    </message>
    <message>
        <source>Enter New Description</source>
        <translation>Nuovo nome</translation>
    </message>
    <message>
        <source>Ingredient Description:</source>
        <translation>Nome dell’ingrediente:</translation>
    </message>
    <message>
        <source>An ingredient needs a name; "%1" keeps its own.</source>
        <translation>Un ingrediente ha bisogno di un nome; «%1» mantiene il suo.</translation>
    </message>
    <message>
        <source>An ingredient's name can be at most 50 characters long; "%1" keeps its own.</source>
        <translation>Il nome di un ingrediente può avere al massimo 50 caratteri; «%1» mantiene il suo.</translation>
    </message>
    <message>
        <source>Deleted the ingredient "%1"</source>
        <translation>Ingrediente «%1» eliminato</translation>
    </message>
    <message>
        <source>The catalogue holds nothing to tidy up.</source>
        <translation>Il catalogo non ha nulla da riordinare.</translation>
    </message>
    <message>
        <source>Tidy Up</source>
        <translation>Riordina</translation>
    </message>
    <message>
        <source>Entries that mean another</source>
        <translation>Voci che ne indicano un’altra</translation>
    </message>
    <message>
        <source>Entries to tidy up</source>
        <translation>Voci da riordinare</translation>
    </message>
    <message>
        <source>“%1” into “%2”</source>
        <translation>«%1» in «%2»</translation>
    </message>
    <message>
        <source>“%1” renamed “%2”</source>
        <translation>«%1» rinominato «%2»</translation>
    </message>
    <message>
        <source>the tidying</source>
        <translation>il riordino</translation>
    </message>
    <message>
        <source>%1 entries of the catalogue tidied up</source>
        <translation>%1 voci del catalogo riordinate</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>the import</source>
        <translation>l’importazione</translation>
    </message>
    <message>
        <source>Cannot connect to old database, possibly you chose wrong file!</source>
        <translation>Impossibile aprire il vecchio database: forse è stato scelto il file sbagliato!</translation>
    </message>
    <message>
        <source>Importing has been done!</source>
        <translation>L’importazione è terminata!</translation>
    </message>
    <message>
        <source>Imported %1 recipes, skipped %2</source>
        <translation>%1 ricette importate, %2 saltate</translation>
    </message>
    <message>
        <source>The import stopped, and nothing of it was kept: %1</source>
        <translation>L’importazione si è fermata e non ne è stato tenuto nulla: %1</translation>
    </message>
    <message>
        <source>The import stopped: %1

%2</source>
        <translation>L’importazione si è fermata: %1

%2</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Indirizzi:</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Indirizzi</translation>
    </message>
    <message>
        <source>https://... (one address a line)</source>
        <translation>https://... (un indirizzo per riga)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Fetching the recipes...</source>
        <translation>Scaricamento delle ricette...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>Time Of Day:</source>
        <translation>Momento della giornata:</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Preparazione</translation>
    </message>
    <message>
        <source>Amounts</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descrizione:</translation>
    </message>
    <message>
        <source>Ingredients of the recipe</source>
        <translation>Ingredienti della ricetta</translation>
    </message>
    <message>
        <source>&amp;Ingredients:</source>
        <translation>&amp;Ingredienti:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>&amp;Picture: (Right Click)</source>
        <translation>&amp;Immagine: (clic destro)</translation>
    </message>
    <message>
        <source>Load New Picture</source>
        <translation>Carica nuova immagine</translation>
    </message>
    <message>
        <source>Loaded the picture (%1 MB)</source>
        <translation>Immagine caricata (%1 MB)</translation>
    </message>
    <message>
        <source>Kept the photo at %1 x %2 pixels (%3 MB)</source>
        <translation>Foto tenuta a %1 x %2 pixel (%3 MB)</translation>
    </message>
    <message>
        <source>Kept the photo as it is: %1 x %2 pixels (%3 MB)</source>
        <translation>Foto tenuta così com’è: %1 x %2 pixel (%3 MB)</translation>
    </message>
    <message>
        <source>Clear the picture of "%1"?</source>
        <translation>Togliere l’immagine di «%1»?</translation>
    </message>
    <message>
        <source>Clear Picture of "%1"</source>
        <translation>Togli l’immagine di «%1»</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Salva immagine</translation>
    </message>
    <message>
        <source>Could not write the picture to "%1": %2</source>
        <translation>Impossibile salvare l’immagine in «%1»: %2</translation>
    </message>
    <message>
        <source>New Recipe Name:</source>
        <translation>Nuovo nome della ricetta:</translation>
    </message>
    <message>
        <source>A recipe needs a name of more than blanks.</source>
        <translation>Una ricetta ha bisogno di un nome che non sia fatto solo di spazi.</translation>
    </message>
    <message>
        <source>A recipe name can be at most %1 characters long.</source>
        <translation>Il nome di una ricetta può avere al massimo %1 caratteri.</translation>
    </message>
    <message>
        <source>The recipe book already has a recipe named "%1".</source>
        <translation>Il ricettario ha già una ricetta chiamata «%1».</translation>
    </message>
    <message>
        <source>Input New Recipe Name</source>
        <translation>Nuovo nome della ricetta</translation>
    </message>
    <message>
        <source>Saved the recipe "%1"</source>
        <translation>Ricetta «%1» salvata</translation>
    </message>
    <message>
        <source>Add New Recipe</source>
        <translation>Aggiungi nuova ricetta</translation>
    </message>
    <message>
        <source>Deleted the recipe "%1"; Edit &gt; Undo or File &gt; Deleted Recipes... puts it back</source>
        <translation>Ricetta «%1» eliminata; Modifica &gt; Annulla o File &gt; Ricette eliminate... la ripristina</translation>
    </message>
    <message>
        <source>The method of "%1" does not begin with ingredient lines.</source>
        <translation>La preparazione di «%1» non inizia con righe di ingredienti.</translation>
    </message>
    <message>
        <source> The lines it has now are replaced.</source>
        <translation> Le righe attuali vengono sostituite.</translation>
    </message>
    <message>
        <source>reading the amounts</source>
        <translation>la lettura delle quantità</translation>
    </message>
    <message>
        <source>No recipe without ingredient lines has a method that begins with them.</source>
        <translation>Nessuna ricetta senza righe di ingredienti ha una preparazione che inizi con esse.</translation>
    </message>
    <message>
        <source>Ingredient lines made for %1 recipes</source>
        <translation>Righe di ingredienti create per %1 ricette</translation>
    </message>
    <message>
        <source>Preparing the report...</source>
        <translation>Preparazione della stampa...</translation>
    </message>
    <message>
        <source> of </source>
        <translation> di </translation>
    </message>
    <message>
        <source>No puedo cargar la imagen</source>
        <translation>Impossibile caricare l’immagine</translation>
    </message>
    <message>
        <source>Search by</source>
        <translation>Cerca per</translation>
    </message>
    <message>
        <source>Go !</source>
        <translation>Cerca!</translation>
    </message>
    <message>
        <source>Recipe name contains</source>
        <translation>Il nome della ricetta contiene</translation>
    </message>
    <message>
        <source>Search recipe names</source>
        <translation>Cerca nei nomi delle ricette</translation>
    </message>
    <message>
        <source>Search by ingredients</source>
        <translation>Cerca per ingredienti</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Seleziona tutti</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Search Result:</source>
        <translation>Risultato della ricerca:</translation>
    </message>
    <message>
        <source>Search Result</source>
        <translation>Risultato della ricerca</translation>
    </message>
    <message>
        <source>Print Recipe</source>
        <translation>Stampa ricetta</translation>
    </message>
    <message>
        <source>Email Recipe</source>
        <translation>Invia ricetta</translation>
    </message>
    <message>
        <source>Please check at least 1 ingredient</source>
        <translation>Selezionate almeno un ingrediente</translation>
    </message>
    <message>
        <source>Choose how to search first: by a piece of the recipe name or by ingredients.</source>
        <translation>Scegliete prima come cercare: per una parte del nome della ricetta o per ingredienti.</translation>
    </message>
    <message>
        <source>The week is shared to %1</source>
        <translation>La settimana è condivisa su %1</translation>
    </message>
    <message>
        <source>Sharing week %1...</source>
        <translation>Condivisione della settimana %1...</translation>
    </message>
    <message>
        <source>Looking for what the phones ticked...</source>
        <translation>Ricerca di ciò che è stato spuntato sui telefoni...</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Condivisione</translation>
    </message>
    <message>
        <source>Sharing cancelled: nothing was changed here</source>
        <translation>Condivisione annullata: qui non è cambiato nulla</translation>
    </message>
    <message>
        <source>Week %1 shared: %2 items and %3 meals written, %4 removed</source>
        <translation>Settimana %1 condivisa: %2 articoli e %3 pasti scritti, %4 tolti</translation>
    </message>
    <message>
        <source>Export Week as Calendar</source>
        <translation>Esporta settimana come calendario</translation>
    </message>
    <message>
        <source>The calendar could not be written to %1 (%2).</source>
        <translation>Impossibile salvare il calendario in %1 (%2).</translation>
    </message>
    <message>
        <source>Week %1 written to %2: %3 meals and %4 items</source>
        <translation>Settimana %1 salvata in %2: %3 pasti e %4 articoli</translation>
    </message>
    <message>
        <source>Shopping List Preview</source>
        <translation>Anteprima della lista della spesa</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrediente</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Quantità</translation>
    </message>
    <message>
        <source>Number Of Meals</source>
        <translation>Numero di pasti</translation>
    </message>
    <message>
        <source>Bought</source>
        <translation>Comprato</translation>
    </message>
    <message>
        <source>Number Of</source>
        <translation>Numero di</translation>
    </message>
    <message>
        <source>In shop order</source>
        <translation>Nell’ordine del negozio</translation>
    </message>
    <message>
        <source>Filter by Group</source>
        <translation>Filtra per gruppo</translation>
    </message>
    <message>
        <source>Group to filter by</source>
        <translation>Gruppo per filtrare</translation>
    </message>
    <message>
        <source>Ingredients not on the list</source>
        <translation>Ingredienti non in lista</translation>
    </message>
    <message>
        <source>Drag Ingredient or Type manually</source>
        <translation>Trascinate un ingrediente o scrivetelo</translation>
    </message>
    <message>
        <source>Add /Change</source>
        <translation>Aggiungi/Modifica</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Share Week</source>
        <translation>Condividi la settimana</translation>
    </message>
    <message>
        <source>The list and the menu on the household's phones</source>
        <translation>La lista e il menù sui telefoni di casa</translation>
    </message>
    <message>
        <source>Drag an ingredient onto the list, or press Enter to add it</source>
        <translation>Trascinate un ingrediente sulla lista, o premete Invio per aggiungerlo</translation>
    </message>
    <message>
        <source>Shopping list of week %1 kept as edited</source>
        <translation>Lista della spesa della settimana %1 tenuta come modificata</translation>
    </message>
    <message>
        <source>Shopping list of week %1: %2</source>
        <translation>Lista della spesa della settimana %1: %2</translation>
    </message>
    <message>
        <source>kept as edited</source>
        <translation>tenuta come modificata</translation>
    </message>
    <message>
        <source>%1 items, merged with yours</source>
        <translation>%1 articoli, uniti ai vostri</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Mantieni</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Famiglia</translation>
    </message>
    <message>
        <source>Whom the week is planned for</source>
        <translation>Per chi si pianifica la settimana</translation>
    </message>
    <message>
        <source>Metric (g, kg, ml, l)</source>
        <translation>Metrico (g, kg, ml, l)</translation>
    </message>
    <message>
        <source>US customary (oz, lb, cups)</source>
        <translation>Misure statunitensi (oz, lb, cups)</translation>
    </message>
    <message>
        <source>&amp;People at the table:</source>
        <translation>&amp;Persone a tavola:</translation>
    </message>
    <message>
        <source>&amp;Amounts in:</source>
        <translation>&amp;Quantità in:</translation>
    </message>
    <message>
        <source>"%1" added to the shopping list of week %2</source>
        <translation>«%1» aggiunto alla lista della spesa della settimana %2</translation>
    </message>
    <message>
        <source>"%1" changed in the shopping list of week %2</source>
        <translation>«%1» modificato nella lista della spesa della settimana %2</translation>
    </message>
    <message>
        <source>Type the name of the item to buy first.</source>
        <translation>Scrivete prima il nome dell’articolo da comprare.</translation>
    </message>
    <message>
        <source>Shopping List for week %1-%2 is empty</source>
        <translation>La lista della spesa della settimana %1-%2 è vuota</translation>
    </message>
    <message>
        <source>The export stopped: %1. %2 recipe was written to %3 before it did.</source>
        <translation>L’esportazione si è fermata: %1. Prima era stata salvata %2 ricetta in %3.</translation>
    </message>
    <message>
        <source>The export stopped: %1. %2 recipes were written to %3 before it did.</source>
        <translation>L’esportazione si è fermata: %1. Prima erano state salvate %2 ricette in %3.</translation>
    </message>
    <message>
        <source>The export was cancelled: %1 recipe was written to %2.</source>
        <translation>L’esportazione è stata annullata: %1 ricetta è stata salvata in %2.</translation>
    </message>
    <message>
        <source>The export was cancelled: %1 recipes were written to %2.</source>
        <translation>L’esportazione è stata annullata: %1 ricette sono state salvate in %2.</translation>
    </message>
    <message>
        <source>%1 recipe was written to %2.</source>
        <translation>%1 ricetta è stata salvata in %2.</translation>
    </message>
    <message>
        <source>%1 recipes were written to %2.</source>
        <translation>%1 ricette sono state salvate in %2.</translation>
    </message>
    <message>
        <source>Week %1 of %2 is planned already. Replace its menu and shopping list with those of week %3?</source>
        <translation>La settimana %1 del %2 è già pianificata. Sostituirne il menù e la lista della spesa con quelli della settimana %3?</translation>
    </message>
    <message>
        <source>Week %1 of %2 is planned already. Replace its menu with those of week %3?</source>
        <translation>La settimana %1 del %2 è già pianificata. Sostituirne il menù con quello della settimana %3?</translation>
    </message>
    <message numerus="yes">
        <source>%n ingredient(s) belong to the %1 group. Deleting this Group will delete all these Ingredients. Continue?</source>
        <translation><numerusform>%n ingrediente appartiene al gruppo %1. Eliminando il gruppo si elimina anche l’ingrediente. Continuare?</numerusform><numerusform>%n ingredienti appartengono al gruppo %1. Eliminando il gruppo si eliminano tutti questi ingredienti. Continuare?</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n meal(s) exist in %1 category. Deleting of this Type will delete all these Meals. Continue?</source>
        <translation><numerusform>%n ricetta è del tipo %1. Eliminando il tipo si elimina anche la ricetta. Continuare?</numerusform><numerusform>%n ricette sono del tipo %1. Eliminando il tipo si eliminano tutte queste ricette. Continuare?</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 - ingredient is used in %n meal(s). Delete it from meals first!</source>
        <translation><numerusform>%1 – l’ingrediente è usato in %n ricetta. Toglietelo prima dalle ricette!</numerusform><numerusform>%1 – l’ingrediente è usato in %n ricette. Toglietelo prima dalle ricette!</numerusform></translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>The language Mealvane speaks</source>
        <translation>La lingua di Mealvane</translation>
    </message>
    <message>
        <source>System (%1)</source>
        <translation>Sistema (%1)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>The manual stays in English. Mealvane speaks the language chosen from its next start.</source>
        <translation>Il manuale resta in inglese. Mealvane parla la lingua scelta dal prossimo avvio.</translation>
    </message>
    <message>
        <source>From its next start Mealvane speaks %1</source>
        <translation>Dal prossimo avvio Mealvane parla %1</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Lingua...</translation>
    </message>
    <message>
        <source>In 6 clicks and less than a minute, you have created your weekly menu, generated your shopping list printed it out and you are ready to go (depending on the speed of your printer!)</source>
        <translation>In 6 clic e meno di un minuto avete creato il menù della settimana, preparato e stampato la lista della spesa e siete pronti a partire (a seconda della velocità della stampante!)</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annullato: %1</translation>
    </message>
    <message>
        <source>Restored %1</source>
        <translation>Ripristinato: %1</translation>
    </message>
    <message>
        <source>No backup of the recipe book could be made before %1: %2. The book itself is untouched.

Go on without a backup?</source>
        <translation>Non è stato possibile fare una copia di sicurezza del ricettario prima di procedere con %1: %2. Il ricettario non è stato toccato.

Continuare senza copia?</translation>
    </message>
    <message>
        <source>Today's backup of the recipe book could not be made: %1. The book itself is untouched; Mealvane tries again at its next start.

Backups go to %2.</source>
        <translation>Non è stato possibile fare la copia di sicurezza di oggi: %1. Il ricettario non è stato toccato; Mealvane riproverà al prossimo avvio.

Le copie vanno in %2.</translation>
    </message>
    <message>
        <source>There is no backup of the recipe book yet. Mealvane makes one at the first start of each day and before every import, in %1.</source>
        <translation>Non c’è ancora una copia di sicurezza del ricettario. Mealvane ne fa una al primo avvio di ogni giorno e prima di ogni importazione, in %1.</translation>
    </message>
    <message>
        <source>Put the recipe book back as it was on %1, with %2 recipes and %3 planned weeks? What was changed since then is undone; the book as it is now is kept as one more backup.</source>
        <translation>Riportare il ricettario com’era il %1, con %2 ricette e %3 settimane pianificate? Ciò che è cambiato da allora viene annullato; il ricettario attuale è tenuto come un’altra copia.</translation>
    </message>
    <message>
        <source>The recipe book is back as it was when the backup was made. The book as it was before is kept as the backup %1.</source>
        <translation>Il ricettario è tornato com’era quando è stata fatta la copia. Il ricettario di prima è tenuto come copia %1.</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Testo semplice (*.txt)</translation>
    </message>
    <message>
        <source>Spreadsheet, comma-separated (*.csv)</source>
        <translation>Foglio di calcolo, separato da virgole (*.csv)</translation>
    </message>
    <message>
        <source>This recipe is too long to hand to the mail program in one piece (the hand-over carries at most 128 KB), so nothing was sent. Print the recipe instead, or save it as PDF from the print preview and attach that to a message.</source>
        <translation>Questa ricetta è troppo lunga per passarla in un solo pezzo al programma di posta (al massimo 128 KB), quindi non è stato inviato nulla. Stampatela, oppure salvatela come PDF dall’anteprima e allegatelo a un messaggio.</translation>
    </message>
    <message>
        <source>Pick-A-Time</source>
        <translation>Estrai un pasto</translation>
    </message>
    <message>
        <source>Pick-A-Day</source>
        <translation>Estrai un giorno</translation>
    </message>
    <message>
        <source>Pick-A-Week</source>
        <translation>Estrai la settimana</translation>
    </message>
    <message>
        <source>Clear-A-Time</source>
        <translation>Svuota un pasto</translation>
    </message>
    <message>
        <source>Clear-A-Day</source>
        <translation>Svuota un giorno</translation>
    </message>
    <message>
        <source>Picks put no recipe twice into the week, and draw the recipes of the two weeks before last</source>
        <translation>L’estrazione non mette nessuna ricetta due volte nella settimana e prende per ultime quelle delle due settimane precedenti</translation>
    </message>
    <message>
        <source>Save Menu</source>
        <translation>Salva il menù</translation>
    </message>
    <message>
        <source>Eneter New Meal Type</source>
        <translation>Nuovo tipo di ricetta</translation>
    </message>
    <message>
        <source>Meal Type:</source>
        <translation>Tipo di ricetta:</translation>
    </message>
    <message>
        <source>Eneter New Ingredient Group</source>
        <translation>Nuovo gruppo di ingredienti</translation>
    </message>
    <message>
        <source>Group Name:</source>
        <translation>Nome del gruppo:</translation>
    </message>
    <message>
        <source>Delete Current</source>
        <translation>Elimina la selezionata</translation>
    </message>
    <message>
        <source>Recipe Types Editor</source>
        <translation>Tipi di ricetta</translation>
    </message>
    <message>
        <source>Recipe types</source>
        <translation>Tipi di ricetta</translation>
    </message>
    <message>
        <source>Add New Type</source>
        <translation>Nuovo tipo</translation>
    </message>
    <message>
        <source>Delete current recipe type</source>
        <translation>Elimina il tipo di ricetta selezionato</translation>
    </message>
    <message>
        <source>Ingredients Groups Editor</source>
        <translation>Gruppi di ingredienti</translation>
    </message>
    <message>
        <source>Ingredient groups</source>
        <translation>Gruppi di ingredienti</translation>
    </message>
    <message>
        <source>Add New Group</source>
        <translation>Nuovo gruppo</translation>
    </message>
    <message>
        <source>Delete current ingredient group</source>
        <translation>Elimina il gruppo di ingredienti selezionato</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Sposta su</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Sposta giù</translation>
    </message>
    <message>
        <source>Moves the group along the way through the shop; the shopping list in shop order follows it</source>
        <translation>Sposta il gruppo lungo il giro del negozio; la lista della spesa nell’ordine del negozio lo segue</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>Change Description</source>
        <translation>Cambia nome</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Tidy Up...</source>
        <translation>Riordina...</translation>
    </message>
    <message>
        <source>Each ticked entry is merged into the one it means: its recipes and lines go over to it, and the entry is removed. An entry that means no other takes the food's name.</source>
        <translation>Ogni voce spuntata viene unita a quella che indica: le sue ricette e righe passano a quella, e la voce viene tolta. Una voce che non ne indica un’altra prende il nome dell’alimento.</translation>
    </message>
    <message>
        <source>MDB Files (*.mdb)</source>
        <translation>File MDB (*.mdb)</translation>
    </message>
    <message>
        <source>The import needs a folder of its own for a copy of the older file, and '%1' cannot be written. Nothing was imported.</source>
        <translation>L’importazione ha bisogno di una cartella propria per una copia del vecchio file, e in «%1» non si può scrivere. Non è stato importato nulla.</translation>
    </message>
    <message>
        <source>Recipe files (*.html *.htm *.mmf *.mxp *.txt)</source>
        <translation>File di ricette (*.html *.htm *.mmf *.mxp *.txt)</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>Cambia nome</translation>
    </message>
    <message>
        <source>Add Ingredient</source>
        <translation>Aggiungi ingrediente</translation>
    </message>
    <message>
        <source>Delete Ingredient</source>
        <translation>Elimina ingrediente</translation>
    </message>
    <message>
        <source>Clear Picture</source>
        <translation>Togli immagine</translation>
    </message>
    <message>
        <source>Save Picture ...</source>
        <translation>Salva immagine ...</translation>
    </message>
    <message>
        <source>View in original size</source>
        <translation>Vedi a grandezza originale</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Delete Recipe</source>
        <translation>Elimina ricetta</translation>
    </message>
    <message>
        <source>Make the ingredient lines of "%1" from the %2 lines at the top of its method?%3</source>
        <translation>Creare le righe di ingredienti di «%1» dalle %2 righe all’inizio della preparazione?%3</translation>
    </message>
    <message>
        <source>Make ingredient lines for %1 recipes that have none, from the lines at the top of their methods? Nothing else is changed.</source>
        <translation>Creare le righe di ingredienti per %1 ricette che non ne hanno, dalle righe all’inizio della preparazione? Nient’altro viene cambiato.</translation>
    </message>
    <message>
        <source>Recipe names containing:</source>
        <translation>Nomi di ricette che contengono:</translation>
    </message>
    <message>
        <source>ONLY these ingredients</source>
        <translation>SOLO questi ingredienti</translation>
    </message>
    <message>
        <source>ANY of these ingredients</source>
        <translation>ALMENO UNO di questi ingredienti</translation>
    </message>
    <message>
        <source>MINIMUM of all these ingredients</source>
        <translation>ALMENO tutti questi ingredienti</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Ricerca in corso...</translation>
    </message>
    <message>
        <source>Found: 0 item</source>
        <translation>Trovate: nessuna</translation>
    </message>
    <message>
        <source>Found: 1 item</source>
        <translation>Trovata: 1 ricetta</translation>
    </message>
    <message>
        <source>Found: %1 items</source>
        <translation>Trovate: %1 ricette</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop's secret store (%1), so sharing was not set up. Start the desktop's keyring or wallet and try again.</source>
        <translation>Non è stato possibile conservare la password nel portachiavi del desktop (%1), quindi la condivisione non è stata configurata. Avviate il portachiavi o il portafoglio del desktop e riprovate.</translation>
    </message>
    <message>
        <source>Sharing is not set up yet: give your CalDAV server and the task list to share to.</source>
        <translation>La condivisione non è ancora configurata: indicate il server CalDAV e l’elenco delle attività.</translation>
    </message>
    <message>
        <source>The password for %1 was not found in the desktop's secret store (%2). Give it again under File &gt; Sharing...</source>
        <translation>La password per %1 non è stata trovata nel portachiavi del desktop (%2). Inseritela di nuovo in File &gt; Condivisione...</translation>
    </message>
    <message>
        <source>Changed here and on a phone since the week was last shared: %1.

The tick from the phone and the text from here were kept.</source>
        <translation>Modificato qui e su un telefono dall’ultima condivisione: %1.

Sono stati tenuti la spunta del telefono e il testo di qui.</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>File di calendario (*.ics)</translation>
    </message>
    <message>
        <source>The groups in the order set on the categories page, what is always at home last; on the page, the printed list and the phones</source>
        <translation>I gruppi nell’ordine fissato nella pagina delle categorie, ciò che c’è sempre in casa per ultimo; nella pagina, nella lista stampata e sui telefoni</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Gruppo:</translation>
    </message>
    <message>
        <source>&amp;Qty:</source>
        <translation>&amp;Qtà:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Quantità:</translation>
    </message>
    <message>
        <source>; no longer on the menu: %1</source>
        <translation>; non più nel menù: %1</translation>
    </message>
    <message>
        <source>The shopping list of week %1 (%2) holds items you added, changed or deleted by hand.

Merge makes the items of the menu anew and keeps yours; Replace makes the whole list from the menu; Keep leaves the list as it is.</source>
        <translation>La lista della spesa della settimana %1 (%2) contiene articoli aggiunti, modificati o eliminati a mano.

Unisci rifà gli articoli del menù e tiene i vostri; Sostituisci rifà tutta la lista dal menù; Mantieni lascia la lista com’è.</translation>
    </message>
    <message>
        <source>Use Drag&amp;Drop to Add/Delete Meals to Menu</source>
        <translation>Trascina&amp;rilascia per aggiungere o togliere piatti dal menù</translation>
    </message>
    <message>
        <source>Select Time:</source>
        <translation>Scegli il pasto:</translation>
    </message>
    <message>
        <source>Update Shopping List</source>
        <translation>Aggiorna la lista</translation>
    </message>
    <message>
        <source>Select Group for Ingredient from List!</source>
        <translation>Scegliete il gruppo dell’ingrediente dalla lista!</translation>
    </message>
    <message>
        <source>Select Ingredient first!</source>
        <translation>Scegliete prima un ingrediente!</translation>
    </message>
    <message>
        <source>Select Ingredient to delete first!</source>
        <translation>Scegliete prima l’ingrediente da eliminare!</translation>
    </message>
    <message>
        <source>Weeks are planned for %1 people; Update Shopping List adds up the amounts anew</source>
        <translation>Le settimane sono pianificate per %1 persone; Aggiorna la lista rifà il totale delle quantità</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Increase</source>
        <translation>Aumenta</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuisci</translation>
    </message>
</context>
<context>
    <name>WaitBox</name>
    <message>
        <source>Wait until operation will complete....</source>
        <translation>Attendete la fine dell’operazione....</translation>
    </message>
</context>
</TS>
