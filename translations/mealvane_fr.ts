<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CheckedComboBox</name>
    <message>
        <source>&amp;Deselect all</source>
        <translation>&amp;Tout désélectionner</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
</context>
<context>
    <name>DBImage</name>
    <message>
        <source>The picture cannot be shown: it is damaged, or of a kind that cannot be read.</source>
        <translation>La photo ne peut être affichée : elle est endommagée ou d’un format illisible.</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>The built-in script %1 is missing.</source>
        <translation>Le script intégré %1 est absent.</translation>
    </message>
    <message>
        <source>'%1' already exists; it is left as it is.</source>
        <translation>« %1 » existe déjà ; il reste tel quel.</translation>
    </message>
    <message>
        <source>%1 can be at most %2 characters long. Nothing was saved.</source>
        <translation>%1 ne peut dépasser %2 caractères. Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>The recipe book cannot take that value (%1). Nothing was saved.</source>
        <translation>Le livre de recettes ne peut accepter cette valeur (%1). Rien n’a été enregistré.</translation>
    </message>
    <message>
        <source>it was written by a later version of Mealvane</source>
        <translation>il a été écrit par une version plus récente de Mealvane</translation>
    </message>
    <message>
        <source>it holds a table this Mealvane does not know (%1)</source>
        <translation>il contient une table que ce Mealvane ne connaît pas (%1)</translation>
    </message>
    <message>
        <source>its table %1 has a column this Mealvane does not know (%2)</source>
        <translation>sa table %1 a une colonne que ce Mealvane ne connaît pas (%2)</translation>
    </message>
    <message>
        <source>its view %1 is not the one this Mealvane writes</source>
        <translation>sa vue %1 n’est pas celle qu’écrit ce Mealvane</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>The recipe book '%1' is damaged: parts of it cannot be read.

Mealvane opens it read-only, so that nothing more of it is lost: you can look at what can be read and print it, but nothing is saved to it.</source>
        <translation>Le livre de recettes « %1 » est endommagé : des parties sont illisibles.

Mealvane l’ouvre en lecture seule, pour que rien de plus ne soit perdu : vous pouvez consulter et imprimer ce qui est lisible, mais rien n’y est enregistré.</translation>
    </message>
    <message>
        <source>

There is no backup of it.</source>
        <translation>

Il n’en existe aucune sauvegarde.</translation>
    </message>
    <message>
        <source>Could not find file '%1'. Mealvane keeps its recipe book there: put your book (or a backup of it) in that place and start Mealvane again.</source>
        <translation>Fichier « %1 » introuvable. Mealvane y garde son livre de recettes : placez-y votre livre (ou une sauvegarde) et relancez Mealvane.</translation>
    </message>
    <message>
        <source>The recipe book '%1' is an empty file (0 bytes): it holds no recipes at all. Copy a backup of your book in its place, or move the empty file away and start Mealvane again to begin with the starter book.</source>
        <translation>Le livre de recettes « %1 » est un fichier vide (0 octet) : il ne contient aucune recette. Copiez une sauvegarde de votre livre à sa place, ou déplacez le fichier vide et relancez Mealvane pour commencer avec le livre de départ.</translation>
    </message>
    <message>
        <source>The recipe book '%1' cannot be read: %2. Make it readable and start Mealvane again.</source>
        <translation>Le livre de recettes « %1 » est illisible : %2. Rendez-le lisible et relancez Mealvane.</translation>
    </message>
    <message>
        <source>'%1' is not a database Mealvane can read: it is no recipe book, or its beginning is damaged. Copy a backup of your book in its place, or move the file away and start Mealvane again to begin with the starter book.</source>
        <translation>« %1 » n’est pas une base que Mealvane sait lire : ce n’est pas un livre de recettes, ou son début est endommagé. Copiez une sauvegarde de votre livre à sa place, ou déplacez le fichier et relancez Mealvane pour commencer avec le livre de départ.</translation>
    </message>
    <message>
        <source>it is of a layout this Mealvane does not know</source>
        <translation>sa structure est inconnue de ce Mealvane</translation>
    </message>
    <message>
        <source>The recipe book '%1' cannot be changed by this Mealvane: %2.

It is opened read-only, so that nothing the program that wrote it keeps is spoilt: you can look at it and print it, but nothing is saved. Use that program, or a later Mealvane, to change it.</source>
        <translation>Le livre de recettes « %1 » ne peut être modifié par ce Mealvane : %2.

Il est ouvert en lecture seule, pour ne rien gâcher de ce qu’y garde le programme qui l’a écrit : vous pouvez le consulter et l’imprimer, mais rien n’est enregistré. Modifiez-le avec ce programme ou un Mealvane plus récent.</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>son dossier n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>le fichier n’est pas accessible en écriture</translation>
    </message>
    <message>
        <source>The recipe book '%1' is read-only: %2.

You can look at everything and print it, but nothing you change can be saved. To change the book, close Mealvane, make %3 writable (or copy the book to a folder of your own) and start it again.</source>
        <translation>Le livre de recettes « %1 » est en lecture seule : %2.

Vous pouvez tout consulter et imprimer, mais aucune modification ne peut être enregistrée. Pour modifier le livre, fermez Mealvane, rendez %3 modifiable (ou copiez le livre dans un dossier à vous) et relancez-le.</translation>
    </message>
    <message>
        <source>the folder '%1'</source>
        <translation>le dossier « %1 »</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>le fichier</translation>
    </message>
    <message>
        <source>The full check of the recipe book '%1' found it damaged: parts of it, or of the indexes that find its rows, do not hold together.</source>
        <translation>La vérification complète du livre de recettes « %1 » l’a trouvé endommagé : des parties du livre, ou des index qui retrouvent ses lignes, ne concordent pas.</translation>
    </message>
    <message>
        <source>'%1' cannot be read at all: %2</source>
        <translation>« %1 » est totalement illisible : %2</translation>
    </message>
    <message>
        <source>the table %1</source>
        <translation>la table %1</translation>
    </message>
    <message>
        <source>some rows of the table %1</source>
        <translation>certaines lignes de la table %1</translation>
    </message>
    <message>
        <source>Nothing of '%1' could be read.</source>
        <translation>Rien de « %1 » n’a pu être lu.</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Recipes</source>
        <translation>Exporter les recettes</translation>
    </message>
    <message>
        <source>  Write recipes out as web pages or as a MealMaster file</source>
        <translation>  Enregistrer les recettes en pages web ou en fichier MealMaster</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recettes</translation>
    </message>
    <message>
        <source>Recipe type</source>
        <translation>Type de recette</translation>
    </message>
    <message>
        <source>The recipes &amp;found by the search (%1)</source>
        <translation>Les recettes &amp;trouvées par la recherche (%1)</translation>
    </message>
    <message>
        <source>The recipes &amp;found by the search (none yet)</source>
        <translation>Les recettes &amp;trouvées par la recherche (aucune pour l’instant)</translation>
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
        <translation>Ajouter un ingrédient à la recette</translation>
    </message>
    <message>
        <source>  Add ingredient to Meal</source>
        <translation>  Ajouter un ingrédient à la recette</translation>
    </message>
    <message>
        <source>Select Ingredient and click "Add" button</source>
        <translation>Choisissez un ingrédient et cliquez sur « Ajouter »</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingrédients</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Mealvane</name>
    <message>
        <source>it is damaged</source>
        <translation>il est endommagé</translation>
    </message>
    <message>
        <source>

From now on Mealvane keeps it read-only, so that nothing more of it is lost: what you saved before is in it, but nothing more is saved.</source>
        <translation>

Désormais Mealvane le garde en lecture seule, pour que rien de plus ne soit perdu : ce que vous avez enregistré avant y est, mais plus rien n’est enregistré.</translation>
    </message>
    <message>
        <source>Save what can be read of the damaged recipe book into a new file?</source>
        <translation>Enregistrer dans un nouveau fichier ce qui peut être lu du livre endommagé ?</translation>
    </message>
    <message>
        <source>Recipe books (*.mdb)</source>
        <translation>Livres de recettes (*.mdb)</translation>
    </message>
    <message>
        <source>Saved %1 recipes (%2 rows in all) into '%3'.</source>
        <translation>%1 recettes (%2 lignes en tout) enregistrées dans « %3 ».</translation>
    </message>
    <message>
        <source> Could not be read: %1.</source>
        <translation> Illisible : %1.</translation>
    </message>
    <message>
        <source>

To use it, close Mealvane, keep the damaged file somewhere else, and put the new one in its place as '%1'.</source>
        <translation>

Pour l’utiliser, fermez Mealvane, rangez le fichier endommagé ailleurs et mettez le nouveau à sa place sous le nom « %1 ».</translation>
    </message>
    <message>
        <source>Nothing could be saved: %1</source>
        <translation>Rien n’a pu être enregistré : %1</translation>
    </message>
</context>
<context>
    <name>PictureViewer</name>
    <message>
        <source>Meal Picture viewer</source>
        <translation>Photo de la recette</translation>
    </message>
    <message>
        <source>  View picture</source>
        <translation>  Voir la photo</translation>
    </message>
    <message>
        <source>Recipe picture</source>
        <translation>Photo de la recette</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
    <message>
        <source>Save the report as a PDF file</source>
        <translation>Enregistrer le rapport en fichier PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>Could not write "%1".</source>
        <translation>Impossible d’enregistrer « %1 ».</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Page</translation>
    </message>
</context>
<context>
    <name>RecipeDetails</name>
    <message>
        <source>S&amp;ource:</source>
        <translation>&amp;Source :</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Ouvrir dans le navigateur</translation>
    </message>
    <message>
        <source>Au&amp;thor:</source>
        <translation>Au&amp;teur :</translation>
    </message>
    <message>
        <source>e.g. 4 servings, 12 muffins</source>
        <translation>p. ex. 4 portions, 12 muffins</translation>
    </message>
    <message>
        <source>&amp;Yield:</source>
        <translation>&amp;Rendement :</translation>
    </message>
    <message>
        <source>C&amp;uisine:</source>
        <translation>&amp;Cuisine :</translation>
    </message>
</context>
<context>
    <name>RecipeLinesEditor</name>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Servings</source>
        <translation>Portions</translation>
    </message>
    <message>
        <source>as written</source>
        <translation>comme écrit</translation>
    </message>
    <message>
        <source>Scale to servings</source>
        <translation>Adapter au nombre de portions</translation>
    </message>
    <message>
        <source>Shows the amounts for another number of servings; the recipe is not changed</source>
        <translation>Montre les quantités pour un autre nombre de portions ; la recette ne change pas</translation>
    </message>
    <message>
        <source>Se&amp;rvings:</source>
        <translation>&amp;Portions :</translation>
    </message>
    <message>
        <source>Scale &amp;to:</source>
        <translation>&amp;Adapter à :</translation>
    </message>
    <message>
        <source>Ingredient lines</source>
        <translation>Lignes d’ingrédients</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unité</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrédient</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
    <message>
        <source>New ingredient line</source>
        <translation>Nouvelle ligne d’ingrédient</translation>
    </message>
    <message>
        <source>Type a line, e.g. 2 cups flour, sifted</source>
        <translation>Saisissez une ligne, p. ex. 250 g de farine, tamisée</translation>
    </message>
    <message>
        <source>Add Line</source>
        <translation>Ajouter la ligne</translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation>Supprimer la ligne</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move line up</source>
        <translation>Monter la ligne</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move line down</source>
        <translation>Descendre la ligne</translation>
    </message>
</context>
<context>
    <name>RecipePicker</name>
    <message>
        <source>Select Meal</source>
        <translation>Choisir une recette</translation>
    </message>
    <message>
        <source>  Select Meal</source>
        <translation>  Choisir une recette</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Recette</translation>
    </message>
    <message>
        <source>Send with EMail </source>
        <translation>Envoyer par courriel </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Put the recipe book back as it was when a backup was made</source>
        <translation>Remettre le livre de recettes tel qu’il était lors d’une sauvegarde</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Faite</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recettes</translation>
    </message>
    <message>
        <source>Planned weeks</source>
        <translation>Semaines planifiées</translation>
    </message>
    <message>
        <source>Start of the day</source>
        <translation>Début de journée</translation>
    </message>
    <message>
        <source>Before a change</source>
        <translation>Avant une modification</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Endommagée</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
</context>
<context>
    <name>Selectors</name>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Vane Time Selector</source>
        <translation>Vane Choix des repas</translation>
    </message>
    <message>
        <source>Vane Day Selector</source>
        <translation>Vane Choix des jours</translation>
    </message>
</context>
<context>
    <name>SharingDialog</name>
    <message>
        <source>Sharing</source>
        <translation>Partage</translation>
    </message>
    <message>
        <source>The week on the household's phones, through your CalDAV server</source>
        <translation>La semaine sur les téléphones du foyer, par votre serveur CalDAV</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Tester la connexion</translation>
    </message>
    <message>
        <source>Meals at:</source>
        <translation>Repas à :</translation>
    </message>
    <message>
        <source>Give the address of your CalDAV server, such as https://dav.example.org/.</source>
        <translation>Indiquez l’adresse de votre serveur CalDAV, par exemple https://dav.example.org/.</translation>
    </message>
    <message>
        <source>Give your user name on the server.</source>
        <translation>Indiquez votre nom d’utilisateur sur le serveur.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>Interrogation de %1...</translation>
    </message>
    <message>
        <source>Reached %1: %2 task lists and %3 calendars. Choose the ones to share to, or new ones.</source>
        <translation>%1 joint : %2 listes de tâches et %3 calendriers. Choisissez ceux où partager, ou de nouveaux.</translation>
    </message>
    <message>
        <source>New task list "Shopping"</source>
        <translation>Nouvelle liste de tâches « Courses »</translation>
    </message>
    <message>
        <source>New calendar "Meals"</source>
        <translation>Nouveau calendrier « Repas »</translation>
    </message>
    <message>
        <source>None: share the list only</source>
        <translation>Aucun : partager seulement la liste</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Resume scrolling</source>
        <translation>Reprendre le défilement</translation>
    </message>
    <message>
        <source>Pause scrolling</source>
        <translation>Mettre le défilement en pause</translation>
    </message>
    <message>
        <source>Selected Week:</source>
        <translation>Semaine choisie :</translation>
    </message>
    <message>
        <source>Week Number:</source>
        <translation>Semaine n° :</translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>Aujourd’hui :</translation>
    </message>
    <message>
        <source>Mealvane v 4.0</source>
        <translation>Mealvane v 4.0</translation>
    </message>
    <message>
        <source>Save time and get your life back !</source>
        <translation>Gagnez du temps, retrouvez votre vie !</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Pick-A-Menu</source>
        <translation>&amp;Choisir un menu</translation>
    </message>
    <message>
        <source>&amp;Weekly Menu</source>
        <translation>Menu de la &amp;semaine</translation>
    </message>
    <message>
        <source>&amp;Quick Start</source>
        <translation>&amp;Démarrage rapide</translation>
    </message>
    <message>
        <source>&amp;Shopping List</source>
        <translation>&amp;Liste de courses</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recettes</translation>
    </message>
    <message>
        <source>&amp;Ingredients</source>
        <translation>&amp;Ingrédients</translation>
    </message>
    <message>
        <source>S&amp;earch</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;All Recipes</source>
        <translation>&amp;Toutes les recettes</translation>
    </message>
    <message>
        <source>&amp;Single Recipe</source>
        <translation>Une &amp;seule recette</translation>
    </message>
    <message>
        <source>A&amp;ll Ingredients</source>
        <translation>Tous &amp;les ingrédients</translation>
    </message>
    <message>
        <source>&amp;Mealvane Help</source>
        <translation>Aide de &amp;Mealvane</translation>
    </message>
    <message>
        <source>Visit us on the Web</source>
        <translation>Rendez-nous visite sur le web</translation>
    </message>
    <message>
        <source>Import Meals from Older DB</source>
        <translation>Importer les recettes d’une ancienne base</translation>
    </message>
    <message>
        <source>Import Recipes from Files...</source>
        <translation>Importer des recettes depuis des fichiers...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>&amp;New Recipe...</source>
        <translation>&amp;Nouvelle recette...</translation>
    </message>
    <message>
        <source>&amp;Find Recipe</source>
        <translation>&amp;Trouver une recette</translation>
    </message>
    <message>
        <source>&amp;Daily Style</source>
        <translation>Planification par &amp;jour</translation>
    </message>
    <message>
        <source>Recipe &amp;Types and Groups</source>
        <translation>&amp;Types de recettes et groupes</translation>
    </message>
    <message>
        <source>&amp;Household...</source>
        <translation>&amp;Foyer...</translation>
    </message>
    <message>
        <source>Import Recipe from Web Address...</source>
        <translation>Importer une recette depuis une adresse web...</translation>
    </message>
    <message>
        <source>Read Amounts from Methods...</source>
        <translation>Lire les quantités dans les préparations...</translation>
    </message>
    <message>
        <source>Pre&amp;vious Week</source>
        <translation>Semaine &amp;précédente</translation>
    </message>
    <message>
        <source>Ne&amp;xt Week</source>
        <translation>Semaine &amp;suivante</translation>
    </message>
    <message>
        <source>&amp;Copy Week To...</source>
        <translation>&amp;Copier la semaine vers...</translation>
    </message>
    <message>
        <source>Restore from &amp;Backup...</source>
        <translation>Restaurer une &amp;sauvegarde...</translation>
    </message>
    <message>
        <source>Export &amp;Recipes...</source>
        <translation>Exporter les &amp;recettes...</translation>
    </message>
    <message>
        <source>Export Wee&amp;k...</source>
        <translation>Exporter la se&amp;maine...</translation>
    </message>
    <message>
        <source>Shar&amp;ing...</source>
        <translation>&amp;Partage...</translation>
    </message>
    <message>
        <source>Share &amp;Week</source>
        <translation>Partager la &amp;semaine</translation>
    </message>
    <message>
        <source>Refresh from P&amp;hones</source>
        <translation>Actualiser depuis les &amp;téléphones</translation>
    </message>
    <message>
        <source>Export Week as &amp;Calendar...</source>
        <translation>Exporter la semaine en &amp;calendrier...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>De&amp;leted Recipes...</source>
        <translation>Recettes &amp;supprimées...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>&amp;Base de données</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Actions</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Rapports</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Pick-A-Menu</source>
        <translation>Choisir un menu</translation>
    </message>
    <message>
        <source>Weekly Style</source>
        <translation>Planification par semaine</translation>
    </message>
    <message>
        <source>Daily Style</source>
        <translation>Planification par jour</translation>
    </message>
    <message>
        <source>Shopping List</source>
        <translation>Liste de courses</translation>
    </message>
    <message>
        <source>Recipes (View/Add/Edit)</source>
        <translation>Recettes (voir/ajouter/modifier)</translation>
    </message>
    <message>
        <source>Ingredients (Insert/Delete)</source>
        <translation>Ingrédients (ajouter/supprimer)</translation>
    </message>
    <message>
        <source>Recipe Types / Groups (Insert/Delete)</source>
        <translation>Types / groupes (ajouter/supprimer)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Weekly Menu</source>
        <translation>Menu de la semaine</translation>
    </message>
    <message>
        <source>All Recipes</source>
        <translation>Toutes les recettes</translation>
    </message>
    <message>
        <source>Single Recipe</source>
        <translation>Une seule recette</translation>
    </message>
    <message>
        <source>All Ingredients</source>
        <translation>Tous les ingrédients</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Quick Start Page</source>
        <translation>Démarrage rapide</translation>
    </message>
    <message>
        <source>Mealvane Help</source>
        <translation>Aide de Mealvane</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>Click to visit Mealvane on the Web</source>
        <translation>Visiter Mealvane sur le web</translation>
    </message>
    <message>
        <source>PickAmenu</source>
        <translation>Choisir un menu</translation>
    </message>
    <message>
        <source>Vane Menu Selection</source>
        <translation>Vane Choix du menu</translation>
    </message>
    <message>
        <source>PichMenuOldStyle</source>
        <translation>Planification par semaine</translation>
    </message>
    <message>
        <source>Vane Shopping</source>
        <translation>Vane Courses</translation>
    </message>
    <message>
        <source>View Meals</source>
        <translation>Voir les recettes</translation>
    </message>
    <message>
        <source>View/Edit Recipes</source>
        <translation>Voir/modifier les recettes</translation>
    </message>
    <message>
        <source>Insert/Delete Ingr</source>
        <translation>Ajouter/supprimer ingr.</translation>
    </message>
    <message>
        <source>Insert/Delete Ingredients</source>
        <translation>Ajouter/supprimer des ingrédients</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Catégories</translation>
    </message>
    <message>
        <source>Recipe Types and Ingredient Groups manager</source>
        <translation>Types de recettes et groupes d’ingrédients</translation>
    </message>
    <message>
        <source>VaneSearch</source>
        <translation>Vane Recherche</translation>
    </message>
    <message>
        <source>Welcome Page</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Mealvane v 4.0 Quick Start</source>
        <translation>Mealvane v 4.0 – Démarrage rapide</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>MEALVANE - Save time and get your life back!</source>
        <translation>MEALVANE – Gagnez du temps, retrouvez votre vie !</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>Démarrage rapide</translation>
    </message>
    <message>
        <source>To plan your weekly menu quickly and easily, it only takes 4 mouse clicks!</source>
        <translation>Pour préparer le menu de la semaine vite et facilement, 4 clics suffisent !</translation>
    </message>
    <message>
        <source>Click on Pick-A-Menu on the left hand navigation bar</source>
        <translation>Cliquez sur Choisir un menu dans la barre de navigation à gauche</translation>
    </message>
    <message>
        <source>Click on Weekly Style</source>
        <translation>Cliquez sur Planification par semaine</translation>
    </message>
    <message>
        <source>Click on Pick-A-Week from the buttons that appear on the lower right</source>
        <translation>Cliquez sur Tirer la semaine parmi les boutons en bas à droite</translation>
    </message>
    <message>
        <source>Click on Save Menu in that same button panel</source>
        <translation>Cliquez sur Enregistrer le menu dans ces mêmes boutons</translation>
    </message>
    <message>
        <source>You have randomly chosen your entire menu for the week!</source>
        <translation>Vous avez tiré au sort tout le menu de la semaine !</translation>
    </message>
    <message>
        <source>You can then create and print your Shopping List with only 2 more clicks!</source>
        <translation>Ensuite, 2 clics de plus suffisent pour créer et imprimer votre liste de courses !</translation>
    </message>
    <message>
        <source>1.	Click on Shopping List on the left hand navigation bar</source>
        <translation>1.	Cliquez sur Liste de courses dans la barre de navigation à gauche</translation>
    </message>
    <message>
        <source>2.	Click on the Print button in the lower right hand button panel</source>
        <translation>2.	Cliquez sur le bouton Imprimer en bas à droite</translation>
    </message>
    <message>
        <source>AMAZING!!!</source>
        <translation>INCROYABLE !!!</translation>
    </message>
    <message>
        <source>To get help on how to customise your menu, use the Pick-A-Menu topic in the online Help.</source>
        <translation>Pour adapter votre menu, consultez la rubrique Choisir un menu de l’aide.</translation>
    </message>
    <message>
        <source>Check out the website to see the latest FREE recipe bonuses for Mealvane</source>
        <translation>Visitez le site web pour découvrir les dernières recettes GRATUITES pour Mealvane</translation>
    </message>
    <message>
        <source>HAVE A NICE DAY,   Mealvane TEAM</source>
        <translation>BONNE JOURNÉE,   L’ÉQUIPE Mealvane</translation>
    </message>
    <message>
        <source>Pause or resume the scrolling text</source>
        <translation>Mettre en pause ou reprendre le texte défilant</translation>
    </message>
    <message>
        <source>To know more about Mealvane visit us on the Web</source>
        <translation>Pour en savoir plus sur Mealvane, rendez-nous visite sur le web</translation>
    </message>
    <message>
        <source>Nothing on this page waits to be saved</source>
        <translation>Rien à enregistrer sur cette page</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler : %1</translation>
    </message>
    <message>
        <source>No recipe was deleted in the last %1 days.</source>
        <translation>Aucune recette n’a été supprimée ces %1 derniers jours.</translation>
    </message>
    <message>
        <source>Deleted Recipes</source>
        <translation>Recettes supprimées</translation>
    </message>
    <message>
        <source>Recipes deleted in the last %1 days</source>
        <translation>Recettes supprimées ces %1 derniers jours</translation>
    </message>
    <message>
        <source>Deleted recipes</source>
        <translation>Recettes supprimées</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Recette</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Supprimée</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>"%1" as "%2" (a recipe took its name since)</source>
        <translation>« %1 » sous le nom « %2 » (une autre recette porte désormais ce nom)</translation>
    </message>
    <message>
        <source>Making a backup of the recipe book...</source>
        <translation>Sauvegarde du livre de recettes...</translation>
    </message>
    <message>
        <source>The newest backup holds the book as it is</source>
        <translation>La dernière sauvegarde contient déjà le livre tel qu’il est</translation>
    </message>
    <message>
        <source>Backup made: %1</source>
        <translation>Sauvegarde faite : %1</translation>
    </message>
    <message>
        <source>Checking the backup...</source>
        <translation>Vérification de la sauvegarde...</translation>
    </message>
    <message>
        <source>The backup of %1 is damaged (%2) and cannot be restored.</source>
        <translation>La sauvegarde du %1 est endommagée (%2) et ne peut être restaurée.</translation>
    </message>
    <message>
        <source>The backup could not be opened (%1), so the recipe book is as it was.</source>
        <translation>La sauvegarde n’a pas pu être ouverte (%1) : le livre de recettes est inchangé.</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1. The recipe book is as it was.</source>
        <translation>La sauvegarde n’a pas pu être restaurée : %1. Le livre de recettes est inchangé.</translation>
    </message>
    <message>
        <source>Export Recipes To</source>
        <translation>Exporter les recettes vers</translation>
    </message>
    <message>
        <source>There are no recipes to export.</source>
        <translation>Il n’y a aucune recette à exporter.</translation>
    </message>
    <message>
        <source>Writing the recipes...</source>
        <translation>Enregistrement des recettes...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Export Recipes</source>
        <translation>Exporter les recettes</translation>
    </message>
    <message>
        <source>The export was cancelled</source>
        <translation>L’exportation a été annulée</translation>
    </message>
    <message>
        <source>Exported %1 recipes</source>
        <translation>%1 recettes exportées</translation>
    </message>
    <message>
        <source>Export Week</source>
        <translation>Exporter la semaine</translation>
    </message>
    <message>
        <source>The week could not be written to %1: %2</source>
        <translation>La semaine n’a pas pu être enregistrée dans %1 : %2</translation>
    </message>
    <message>
        <source>Week %1 written to %2</source>
        <translation>Semaine %1 enregistrée dans %2</translation>
    </message>
    <message>
        <source>Error sending mail (%1).</source>
        <translation>Erreur lors de l’envoi du courriel (%1).</translation>
    </message>
    <message>
        <source>%1

Close Mealvane without saving it?</source>
        <translation>%1

Fermer Mealvane sans enregistrer ?</translation>
    </message>
    <message>
        <source>Copy Week To</source>
        <translation>Copier la semaine vers</translation>
    </message>
    <message>
        <source>  Copy the menu of week %1 onto the week of the day chosen</source>
        <translation>  Copier le menu de la semaine %1 dans la semaine du jour choisi</translation>
    </message>
    <message>
        <source>Week to copy onto</source>
        <translation>Semaine de destination</translation>
    </message>
    <message>
        <source>Copy the &amp;shopping list too</source>
        <translation>Copier aussi la liste de &amp;courses</translation>
    </message>
    <message>
        <source>Week %1 of %2 is the week being copied: choose a day of another week.</source>
        <translation>La semaine %1 de %2 est celle que l’on copie : choisissez un jour d’une autre semaine.</translation>
    </message>
    <message>
        <source>Week %1 of %2 has nothing planned to copy.</source>
        <translation>La semaine %1 de %2 n’a rien de prévu à copier.</translation>
    </message>
    <message>
        <source>Week %1 copied onto week %2 of %3; its shopping list: %4 items</source>
        <translation>Semaine %1 copiée dans la semaine %2 de %3 ; sa liste de courses : %4 articles</translation>
    </message>
    <message>
        <source>Week %1 copied onto week %2 of %3</source>
        <translation>Semaine %1 copiée dans la semaine %2 de %3</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Jour</translation>
    </message>
    <message>
        <source>People at This Meal...</source>
        <translation>Personnes à ce repas...</translation>
    </message>
    <message>
        <source>Vane Drag Meals to Menu Boxes</source>
        <translation>Vane Glissez les plats dans les cases du menu</translation>
    </message>
    <message>
        <source>Meals</source>
        <translation>Plats</translation>
    </message>
    <message>
        <source>Filter by Meal Type</source>
        <translation>Filtrer par type de plat</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Meal type</source>
        <translation>Type de plat</translation>
    </message>
    <message>
        <source>People at This Meal</source>
        <translation>Personnes à ce repas</translation>
    </message>
    <message>
        <source>How many people eat "%1"? (Leave it blank for the household's %2.)</source>
        <translation>Combien de personnes mangent « %1 » ? (Laissez vide pour les %2 du foyer.)</translation>
    </message>
    <message>
        <source>"%1" is planned for the household's %2 people</source>
        <translation>« %1 » est prévu pour les %2 personnes du foyer</translation>
    </message>
    <message>
        <source>"%1" is planned for %2 people</source>
        <translation>« %1 » est prévu pour %2 personnes</translation>
    </message>
    <message>
        <source>Too many items selected</source>
        <translation>Trop d’éléments choisis</translation>
    </message>
    <message>
        <source>No re&amp;peats</source>
        <translation>Sans &amp;répétition</translation>
    </message>
    <message>
        <source>Not saved yet</source>
        <translation>Pas encore enregistré</translation>
    </message>
    <message>
        <source>The weekly menu holds picks not saved yet</source>
        <translation>Le menu de la semaine contient des choix pas encore enregistrés</translation>
    </message>
    <message>
        <source>Menu of week %1 saved; the shopping list kept as edited</source>
        <translation>Menu de la semaine %1 enregistré ; la liste de courses reste telle que modifiée</translation>
    </message>
    <message>
        <source>Menu of week %1 saved; shopping list: %2</source>
        <translation>Menu de la semaine %1 enregistré ; liste de courses : %2</translation>
    </message>
    <message>
        <source>Pick-A-Time: the meal times to pick for</source>
        <translation>Tirer un repas : les repas à remplir</translation>
    </message>
    <message>
        <source>Pick-A-Day: the days to pick for</source>
        <translation>Tirer un jour : les jours à remplir</translation>
    </message>
    <message>
        <source>Clear-A-Time: the meal times to clear</source>
        <translation>Vider un repas : les repas à vider</translation>
    </message>
    <message>
        <source>Clear-A-Day: the days to clear</source>
        <translation>Vider un jour : les jours à vider</translation>
    </message>
    <message>
        <source>%1 needs a name of more than blanks.</source>
        <translation>%1 a besoin d’un nom qui ne soit pas fait que d’espaces.</translation>
    </message>
    <message>
        <source>%1 can be at most 50 characters long.</source>
        <translation>%1 ne peut dépasser 50 caractères.</translation>
    </message>
    <message>
        <source>A group's name</source>
        <translation>Le nom d’un groupe</translation>
    </message>
    <message>
        <source>A recipe type</source>
        <translation>Un type de recette</translation>
    </message>
    <message>
        <source>Ingredient group</source>
        <translation>Groupe d’ingrédients</translation>
    </message>
    <message>
        <source>Recipe type</source>
        <translation>Type de recette</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingrédients</translation>
    </message>
    <message>
        <source>Ingredient Group</source>
        <translation>Groupe d’ingrédients</translation>
    </message>
    <message>
        <source>Recipe Type</source>
        <translation>Type de recette</translation>
    </message>
    <message>
        <source>Ingredient group "%1" is now %2 of %3 on the way through the shop</source>
        <translation>Le groupe « %1 » vient maintenant en %2e place sur %3 dans le magasin</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>Always at &amp;home</source>
        <translation>Toujours à la &amp;maison</translation>
    </message>
    <message>
        <source>Listed last on the shopping list, under "%1"</source>
        <translation>En fin de liste de courses, sous « %1 »</translation>
    </message>
    <message>
        <source>"%1" is always at home: the shopping list puts it under "%2"</source>
        <translation>« %1 » est toujours à la maison : la liste de courses le range sous « %2 »</translation>
    </message>
    <message>
        <source>"%1" is bought like the rest</source>
        <translation>« %1 » s’achète comme le reste</translation>
    </message>
    <message>
        <source>Enter Ingredients Description first!</source>
        <translation>Saisissez d’abord le nom de l’ingrédient !</translation>
    </message>
    <message>
        <source>Enter New Description</source>
        <translation>Nouveau nom</translation>
    </message>
    <message>
        <source>Ingredient Description:</source>
        <translation>Nom de l’ingrédient :</translation>
    </message>
    <message>
        <source>An ingredient needs a name; "%1" keeps its own.</source>
        <translation>Un ingrédient a besoin d’un nom ; « %1 » garde le sien.</translation>
    </message>
    <message>
        <source>An ingredient's name can be at most 50 characters long; "%1" keeps its own.</source>
        <translation>Le nom d’un ingrédient ne peut dépasser 50 caractères ; « %1 » garde le sien.</translation>
    </message>
    <message>
        <source>Deleted the ingredient "%1"</source>
        <translation>Ingrédient « %1 » supprimé</translation>
    </message>
    <message>
        <source>The catalogue holds nothing to tidy up.</source>
        <translation>Le catalogue n’a rien à mettre en ordre.</translation>
    </message>
    <message>
        <source>Tidy Up</source>
        <translation>Mettre en ordre</translation>
    </message>
    <message>
        <source>Entries that mean another</source>
        <translation>Entrées qui en désignent une autre</translation>
    </message>
    <message>
        <source>Entries to tidy up</source>
        <translation>Entrées à mettre en ordre</translation>
    </message>
    <message>
        <source>“%1” into “%2”</source>
        <translation>« %1 » dans « %2 »</translation>
    </message>
    <message>
        <source>“%1” renamed “%2”</source>
        <translation>« %1 » renommé « %2 »</translation>
    </message>
    <message>
        <source>the tidying</source>
        <translation>la mise en ordre</translation>
    </message>
    <message>
        <source>%1 entries of the catalogue tidied up</source>
        <translation>%1 entrées du catalogue mises en ordre</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>the import</source>
        <translation>l’importation</translation>
    </message>
    <message>
        <source>Cannot connect to old database, possibly you chose wrong file!</source>
        <translation>Impossible d’ouvrir l’ancienne base de données : le fichier choisi n’est peut-être pas le bon !</translation>
    </message>
    <message>
        <source>Importing has been done!</source>
        <translation>L’importation est terminée !</translation>
    </message>
    <message>
        <source>Imported %1 recipes, skipped %2</source>
        <translation>%1 recettes importées, %2 ignorées</translation>
    </message>
    <message>
        <source>The import stopped, and nothing of it was kept: %1</source>
        <translation>L’importation s’est arrêtée et rien n’en a été gardé : %1</translation>
    </message>
    <message>
        <source>The import stopped: %1

%2</source>
        <translation>L’importation s’est arrêtée : %1

%2</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Adresses :</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Adresses</translation>
    </message>
    <message>
        <source>https://... (one address a line)</source>
        <translation>https://... (une adresse par ligne)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Fetching the recipes...</source>
        <translation>Récupération des recettes...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>Time Of Day:</source>
        <translation>Moment de la journée :</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>Amounts</source>
        <translation>Quantités</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Description :</translation>
    </message>
    <message>
        <source>Ingredients of the recipe</source>
        <translation>Ingrédients de la recette</translation>
    </message>
    <message>
        <source>&amp;Ingredients:</source>
        <translation>&amp;Ingrédients :</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>&amp;Picture: (Right Click)</source>
        <translation>&amp;Photo : (clic droit)</translation>
    </message>
    <message>
        <source>Load New Picture</source>
        <translation>Charger une nouvelle photo</translation>
    </message>
    <message>
        <source>Loaded the picture (%1 MB)</source>
        <translation>Photo chargée (%1 Mo)</translation>
    </message>
    <message>
        <source>Kept the photo at %1 x %2 pixels (%3 MB)</source>
        <translation>Photo gardée en %1 x %2 pixels (%3 Mo)</translation>
    </message>
    <message>
        <source>Kept the photo as it is: %1 x %2 pixels (%3 MB)</source>
        <translation>Photo gardée telle quelle : %1 x %2 pixels (%3 Mo)</translation>
    </message>
    <message>
        <source>Clear the picture of "%1"?</source>
        <translation>Effacer la photo de « %1 » ?</translation>
    </message>
    <message>
        <source>Clear Picture of "%1"</source>
        <translation>Effacer la photo de « %1 »</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Enregistrer la photo</translation>
    </message>
    <message>
        <source>Could not write the picture to "%1": %2</source>
        <translation>Impossible d’enregistrer la photo dans « %1 » : %2</translation>
    </message>
    <message>
        <source>New Recipe Name:</source>
        <translation>Nouveau nom de recette :</translation>
    </message>
    <message>
        <source>A recipe needs a name of more than blanks.</source>
        <translation>Une recette a besoin d’un nom qui ne soit pas fait que d’espaces.</translation>
    </message>
    <message>
        <source>A recipe name can be at most %1 characters long.</source>
        <translation>Le nom d’une recette ne peut dépasser %1 caractères.</translation>
    </message>
    <message>
        <source>The recipe book already has a recipe named "%1".</source>
        <translation>Le livre de recettes contient déjà une recette nommée « %1 ».</translation>
    </message>
    <message>
        <source>Input New Recipe Name</source>
        <translation>Nouveau nom de la recette</translation>
    </message>
    <message>
        <source>Saved the recipe "%1"</source>
        <translation>Recette « %1 » enregistrée</translation>
    </message>
    <message>
        <source>Add New Recipe</source>
        <translation>Ajouter une recette</translation>
    </message>
    <message>
        <source>Deleted the recipe "%1"; Edit &gt; Undo or File &gt; Deleted Recipes... puts it back</source>
        <translation>Recette « %1 » supprimée ; Édition &gt; Annuler ou Fichier &gt; Recettes supprimées... la rétablit</translation>
    </message>
    <message>
        <source>The method of "%1" does not begin with ingredient lines.</source>
        <translation>La préparation de « %1 » ne commence pas par des lignes d’ingrédients.</translation>
    </message>
    <message>
        <source> The lines it has now are replaced.</source>
        <translation> Les lignes actuelles seront remplacées.</translation>
    </message>
    <message>
        <source>reading the amounts</source>
        <translation>la lecture des quantités</translation>
    </message>
    <message>
        <source>No recipe without ingredient lines has a method that begins with them.</source>
        <translation>Aucune recette sans lignes d’ingrédients n’a une préparation qui commence par elles.</translation>
    </message>
    <message>
        <source>Ingredient lines made for %1 recipes</source>
        <translation>Lignes d’ingrédients créées pour %1 recettes</translation>
    </message>
    <message>
        <source>Preparing the report...</source>
        <translation>Préparation du rapport...</translation>
    </message>
    <message>
        <source> of </source>
        <translation> sur </translation>
    </message>
    <message>
        <source>No puedo cargar la imagen</source>
        <translation>Impossible de charger l’image</translation>
    </message>
    <message>
        <source>Search by</source>
        <translation>Chercher par</translation>
    </message>
    <message>
        <source>Go !</source>
        <translation>Chercher !</translation>
    </message>
    <message>
        <source>Recipe name contains</source>
        <translation>Le nom de la recette contient</translation>
    </message>
    <message>
        <source>Search recipe names</source>
        <translation>Chercher dans les noms de recettes</translation>
    </message>
    <message>
        <source>Search by ingredients</source>
        <translation>Chercher par ingrédients</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Tout cocher</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Search Result:</source>
        <translation>Résultat de la recherche :</translation>
    </message>
    <message>
        <source>Search Result</source>
        <translation>Résultat de la recherche</translation>
    </message>
    <message>
        <source>Print Recipe</source>
        <translation>Imprimer la recette</translation>
    </message>
    <message>
        <source>Email Recipe</source>
        <translation>Envoyer la recette</translation>
    </message>
    <message>
        <source>Please check at least 1 ingredient</source>
        <translation>Cochez au moins un ingrédient</translation>
    </message>
    <message>
        <source>Choose how to search first: by a piece of the recipe name or by ingredients.</source>
        <translation>Choisissez d’abord comment chercher : par une partie du nom de la recette ou par ingrédients.</translation>
    </message>
    <message>
        <source>The week is shared to %1</source>
        <translation>La semaine est partagée sur %1</translation>
    </message>
    <message>
        <source>Sharing week %1...</source>
        <translation>Partage de la semaine %1...</translation>
    </message>
    <message>
        <source>Looking for what the phones ticked...</source>
        <translation>Recherche de ce qui a été coché sur les téléphones...</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Partage</translation>
    </message>
    <message>
        <source>Sharing cancelled: nothing was changed here</source>
        <translation>Partage annulé : rien n’a été changé ici</translation>
    </message>
    <message>
        <source>Week %1 shared: %2 items and %3 meals written, %4 removed</source>
        <translation>Semaine %1 partagée : %2 articles et %3 repas écrits, %4 retirés</translation>
    </message>
    <message>
        <source>Export Week as Calendar</source>
        <translation>Exporter la semaine en calendrier</translation>
    </message>
    <message>
        <source>The calendar could not be written to %1 (%2).</source>
        <translation>Le calendrier n’a pas pu être enregistré dans %1 (%2).</translation>
    </message>
    <message>
        <source>Week %1 written to %2: %3 meals and %4 items</source>
        <translation>Semaine %1 enregistrée dans %2 : %3 repas et %4 articles</translation>
    </message>
    <message>
        <source>Shopping List Preview</source>
        <translation>Aperçu de la liste de courses</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrédient</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Quantité</translation>
    </message>
    <message>
        <source>Number Of Meals</source>
        <translation>Nombre de repas</translation>
    </message>
    <message>
        <source>Bought</source>
        <translation>Acheté</translation>
    </message>
    <message>
        <source>Number Of</source>
        <translation>Nombre de</translation>
    </message>
    <message>
        <source>In shop order</source>
        <translation>Dans l’ordre du magasin</translation>
    </message>
    <message>
        <source>Filter by Group</source>
        <translation>Filtrer par groupe</translation>
    </message>
    <message>
        <source>Group to filter by</source>
        <translation>Groupe pour filtrer</translation>
    </message>
    <message>
        <source>Ingredients not on the list</source>
        <translation>Ingrédients absents de la liste</translation>
    </message>
    <message>
        <source>Drag Ingredient or Type manually</source>
        <translation>Glissez un ingrédient ou saisissez-le</translation>
    </message>
    <message>
        <source>Add /Change</source>
        <translation>Ajouter/Modifier</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Share Week</source>
        <translation>Partager la semaine</translation>
    </message>
    <message>
        <source>The list and the menu on the household's phones</source>
        <translation>La liste et le menu sur les téléphones du foyer</translation>
    </message>
    <message>
        <source>Drag an ingredient onto the list, or press Enter to add it</source>
        <translation>Glissez un ingrédient sur la liste, ou appuyez sur Entrée pour l’ajouter</translation>
    </message>
    <message>
        <source>Shopping list of week %1 kept as edited</source>
        <translation>Liste de courses de la semaine %1 gardée telle que modifiée</translation>
    </message>
    <message>
        <source>Shopping list of week %1: %2</source>
        <translation>Liste de courses de la semaine %1 : %2</translation>
    </message>
    <message>
        <source>kept as edited</source>
        <translation>gardée telle que modifiée</translation>
    </message>
    <message>
        <source>%1 items, merged with yours</source>
        <translation>%1 articles, fusionnés avec les vôtres</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Garder</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Foyer</translation>
    </message>
    <message>
        <source>Whom the week is planned for</source>
        <translation>Pour qui la semaine est planifiée</translation>
    </message>
    <message>
        <source>Metric (g, kg, ml, l)</source>
        <translation>Métrique (g, kg, ml, l)</translation>
    </message>
    <message>
        <source>US customary (oz, lb, cups)</source>
        <translation>Mesures américaines (oz, lb, cups)</translation>
    </message>
    <message>
        <source>&amp;People at the table:</source>
        <translation>&amp;Personnes à table :</translation>
    </message>
    <message>
        <source>&amp;Amounts in:</source>
        <translation>&amp;Quantités en :</translation>
    </message>
    <message>
        <source>"%1" added to the shopping list of week %2</source>
        <translation>« %1 » ajouté à la liste de courses de la semaine %2</translation>
    </message>
    <message>
        <source>"%1" changed in the shopping list of week %2</source>
        <translation>« %1 » modifié dans la liste de courses de la semaine %2</translation>
    </message>
    <message>
        <source>Type the name of the item to buy first.</source>
        <translation>Saisissez d’abord le nom de l’article à acheter.</translation>
    </message>
    <message>
        <source>Shopping List for week %1-%2 is empty</source>
        <translation>La liste de courses de la semaine %1-%2 est vide</translation>
    </message>
    <message>
        <source>The export stopped: %1. %2 recipe was written to %3 before it did.</source>
        <translation>L’exportation s’est arrêtée : %1. %2 recette avait été enregistrée dans %3.</translation>
    </message>
    <message>
        <source>The export stopped: %1. %2 recipes were written to %3 before it did.</source>
        <translation>L’exportation s’est arrêtée : %1. %2 recettes avaient été enregistrées dans %3.</translation>
    </message>
    <message>
        <source>The export was cancelled: %1 recipe was written to %2.</source>
        <translation>L’exportation a été annulée : %1 recette a été enregistrée dans %2.</translation>
    </message>
    <message>
        <source>The export was cancelled: %1 recipes were written to %2.</source>
        <translation>L’exportation a été annulée : %1 recettes ont été enregistrées dans %2.</translation>
    </message>
    <message>
        <source>%1 recipe was written to %2.</source>
        <translation>%1 recette a été enregistrée dans %2.</translation>
    </message>
    <message>
        <source>%1 recipes were written to %2.</source>
        <translation>%1 recettes ont été enregistrées dans %2.</translation>
    </message>
    <message>
        <source>Week %1 of %2 is planned already. Replace its menu and shopping list with those of week %3?</source>
        <translation>La semaine %1 de %2 est déjà planifiée. Remplacer son menu et sa liste de courses par ceux de la semaine %3 ?</translation>
    </message>
    <message>
        <source>Week %1 of %2 is planned already. Replace its menu with those of week %3?</source>
        <translation>La semaine %1 de %2 est déjà planifiée. Remplacer son menu par celui de la semaine %3 ?</translation>
    </message>
    <message numerus="yes">
        <source>%n ingredient(s) belong to the %1 group. Deleting this Group will delete all these Ingredients. Continue?</source>
        <translation><numerusform>%n ingrédient appartient au groupe %1. Supprimer ce groupe supprimera cet ingrédient. Continuer ?</numerusform><numerusform>%n ingrédients appartiennent au groupe %1. Supprimer ce groupe supprimera tous ces ingrédients. Continuer ?</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n meal(s) exist in %1 category. Deleting of this Type will delete all these Meals. Continue?</source>
        <translation><numerusform>%n recette est du type %1. Supprimer ce type supprimera cette recette. Continuer ?</numerusform><numerusform>%n recettes sont du type %1. Supprimer ce type supprimera toutes ces recettes. Continuer ?</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 - ingredient is used in %n meal(s). Delete it from meals first!</source>
        <translation><numerusform>%1 – l’ingrédient est utilisé dans %n recette. Retirez-le d’abord des recettes !</numerusform><numerusform>%1 – l’ingrédient est utilisé dans %n recettes. Retirez-le d’abord des recettes !</numerusform></translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The language Mealvane speaks</source>
        <translation>La langue de Mealvane</translation>
    </message>
    <message>
        <source>System (%1)</source>
        <translation>Système (%1)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>The manual stays in English. Mealvane speaks the language chosen from its next start.</source>
        <translation>Le manuel reste en anglais. Mealvane parle la langue choisie dès son prochain démarrage.</translation>
    </message>
    <message>
        <source>From its next start Mealvane speaks %1</source>
        <translation>Dès son prochain démarrage, Mealvane parle %1</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Langue...</translation>
    </message>
    <message>
        <source>In 6 clicks and less than a minute, you have created your weekly menu, generated your shopping list printed it out and you are ready to go (depending on the speed of your printer!)</source>
        <translation>En 6 clics et moins d’une minute, vous avez créé le menu de la semaine, produit et imprimé la liste de courses, et vous êtes prêt à partir (selon la vitesse de votre imprimante !)</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Annulé : %1</translation>
    </message>
    <message>
        <source>Restored %1</source>
        <translation>Rétabli : %1</translation>
    </message>
    <message>
        <source>No backup of the recipe book could be made before %1: %2. The book itself is untouched.

Go on without a backup?</source>
        <translation>Aucune sauvegarde du livre de recettes n’a pu être faite avant %1 : %2. Le livre lui-même est intact.

Continuer sans sauvegarde ?</translation>
    </message>
    <message>
        <source>Today's backup of the recipe book could not be made: %1. The book itself is untouched; Mealvane tries again at its next start.

Backups go to %2.</source>
        <translation>La sauvegarde du jour n’a pas pu être faite : %1. Le livre lui-même est intact ; Mealvane réessaiera au prochain démarrage.

Les sauvegardes vont dans %2.</translation>
    </message>
    <message>
        <source>There is no backup of the recipe book yet. Mealvane makes one at the first start of each day and before every import, in %1.</source>
        <translation>Il n’y a pas encore de sauvegarde du livre de recettes. Mealvane en fait une au premier démarrage de chaque jour et avant chaque importation, dans %1.</translation>
    </message>
    <message>
        <source>Put the recipe book back as it was on %1, with %2 recipes and %3 planned weeks? What was changed since then is undone; the book as it is now is kept as one more backup.</source>
        <translation>Remettre le livre de recettes tel qu’il était le %1, avec %2 recettes et %3 semaines planifiées ? Ce qui a changé depuis est annulé ; le livre actuel est gardé comme sauvegarde de plus.</translation>
    </message>
    <message>
        <source>The recipe book is back as it was when the backup was made. The book as it was before is kept as the backup %1.</source>
        <translation>Le livre de recettes est revenu tel qu’il était lors de la sauvegarde. Le livre d’avant est gardé dans la sauvegarde %1.</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
    </message>
    <message>
        <source>Spreadsheet, comma-separated (*.csv)</source>
        <translation>Tableur, séparé par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>This recipe is too long to hand to the mail program in one piece (the hand-over carries at most 128 KB), so nothing was sent. Print the recipe instead, or save it as PDF from the print preview and attach that to a message.</source>
        <translation>Cette recette est trop longue pour être remise d’un seul bloc au programme de courriel (128 Ko au plus) : rien n’a été envoyé. Imprimez-la plutôt, ou enregistrez-la en PDF depuis l’aperçu et joignez-le à un message.</translation>
    </message>
    <message>
        <source>Pick-A-Time</source>
        <translation>Tirer un repas</translation>
    </message>
    <message>
        <source>Pick-A-Day</source>
        <translation>Tirer un jour</translation>
    </message>
    <message>
        <source>Pick-A-Week</source>
        <translation>Tirer la semaine</translation>
    </message>
    <message>
        <source>Clear-A-Time</source>
        <translation>Vider un repas</translation>
    </message>
    <message>
        <source>Clear-A-Day</source>
        <translation>Vider un jour</translation>
    </message>
    <message>
        <source>Picks put no recipe twice into the week, and draw the recipes of the two weeks before last</source>
        <translation>Le tirage ne met aucune recette deux fois dans la semaine et prend en dernier celles des deux semaines précédentes</translation>
    </message>
    <message>
        <source>Save Menu</source>
        <translation>Enregistrer le menu</translation>
    </message>
    <message>
        <source>Eneter New Meal Type</source>
        <translation>Nouveau type de recette</translation>
    </message>
    <message>
        <source>Meal Type:</source>
        <translation>Type de recette :</translation>
    </message>
    <message>
        <source>Eneter New Ingredient Group</source>
        <translation>Nouveau groupe d’ingrédients</translation>
    </message>
    <message>
        <source>Group Name:</source>
        <translation>Nom du groupe :</translation>
    </message>
    <message>
        <source>Delete Current</source>
        <translation>Supprimer la sélection</translation>
    </message>
    <message>
        <source>Recipe Types Editor</source>
        <translation>Types de recettes</translation>
    </message>
    <message>
        <source>Recipe types</source>
        <translation>Types de recettes</translation>
    </message>
    <message>
        <source>Add New Type</source>
        <translation>Nouveau type</translation>
    </message>
    <message>
        <source>Delete current recipe type</source>
        <translation>Supprimer le type de recette choisi</translation>
    </message>
    <message>
        <source>Ingredients Groups Editor</source>
        <translation>Groupes d’ingrédients</translation>
    </message>
    <message>
        <source>Ingredient groups</source>
        <translation>Groupes d’ingrédients</translation>
    </message>
    <message>
        <source>Add New Group</source>
        <translation>Nouveau groupe</translation>
    </message>
    <message>
        <source>Delete current ingredient group</source>
        <translation>Supprimer le groupe d’ingrédients choisi</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Moves the group along the way through the shop; the shopping list in shop order follows it</source>
        <translation>Déplace le groupe sur le parcours du magasin ; la liste de courses dans l’ordre du magasin suit</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Change Description</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Tidy Up...</source>
        <translation>Mettre en ordre...</translation>
    </message>
    <message>
        <source>Each ticked entry is merged into the one it means: its recipes and lines go over to it, and the entry is removed. An entry that means no other takes the food's name.</source>
        <translation>Chaque entrée cochée est fondue dans celle qu’elle désigne : ses recettes et ses lignes lui reviennent, et l’entrée disparaît. Une entrée qui n’en désigne aucune autre prend le nom de l’aliment.</translation>
    </message>
    <message>
        <source>MDB Files (*.mdb)</source>
        <translation>Fichiers MDB (*.mdb)</translation>
    </message>
    <message>
        <source>The import needs a folder of its own for a copy of the older file, and '%1' cannot be written. Nothing was imported.</source>
        <translation>L’importation a besoin d’un dossier pour une copie de l’ancien fichier, et « %1 » n’est pas accessible en écriture. Rien n’a été importé.</translation>
    </message>
    <message>
        <source>Recipe files (*.html *.htm *.mmf *.mxp *.txt)</source>
        <translation>Fichiers de recettes (*.html *.htm *.mmf *.mxp *.txt)</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Add Ingredient</source>
        <translation>Ajouter un ingrédient</translation>
    </message>
    <message>
        <source>Delete Ingredient</source>
        <translation>Supprimer l’ingrédient</translation>
    </message>
    <message>
        <source>Clear Picture</source>
        <translation>Effacer la photo</translation>
    </message>
    <message>
        <source>Save Picture ...</source>
        <translation>Enregistrer la photo ...</translation>
    </message>
    <message>
        <source>View in original size</source>
        <translation>Voir en taille réelle</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete Recipe</source>
        <translation>Supprimer la recette</translation>
    </message>
    <message>
        <source>Make the ingredient lines of "%1" from the %2 lines at the top of its method?%3</source>
        <translation>Créer les lignes d’ingrédients de « %1 » à partir des %2 lignes en tête de sa préparation ?%3</translation>
    </message>
    <message>
        <source>Make ingredient lines for %1 recipes that have none, from the lines at the top of their methods? Nothing else is changed.</source>
        <translation>Créer les lignes d’ingrédients de %1 recettes qui n’en ont pas, à partir des lignes en tête de leur préparation ? Rien d’autre n’est changé.</translation>
    </message>
    <message>
        <source>Recipe names containing:</source>
        <translation>Noms de recettes contenant :</translation>
    </message>
    <message>
        <source>ONLY these ingredients</source>
        <translation>UNIQUEMENT ces ingrédients</translation>
    </message>
    <message>
        <source>ANY of these ingredients</source>
        <translation>AU MOINS UN de ces ingrédients</translation>
    </message>
    <message>
        <source>MINIMUM of all these ingredients</source>
        <translation>AU MINIMUM tous ces ingrédients</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Recherche...</translation>
    </message>
    <message>
        <source>Found: 0 item</source>
        <translation>Trouvé : aucune</translation>
    </message>
    <message>
        <source>Found: 1 item</source>
        <translation>Trouvé : 1 recette</translation>
    </message>
    <message>
        <source>Found: %1 items</source>
        <translation>Trouvé : %1 recettes</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop's secret store (%1), so sharing was not set up. Start the desktop's keyring or wallet and try again.</source>
        <translation>Le mot de passe n’a pas pu être gardé dans le trousseau du bureau (%1) : le partage n’a pas été configuré. Lancez le trousseau ou le portefeuille du bureau et réessayez.</translation>
    </message>
    <message>
        <source>Sharing is not set up yet: give your CalDAV server and the task list to share to.</source>
        <translation>Le partage n’est pas encore configuré : indiquez votre serveur CalDAV et la liste de tâches.</translation>
    </message>
    <message>
        <source>The password for %1 was not found in the desktop's secret store (%2). Give it again under File &gt; Sharing...</source>
        <translation>Le mot de passe de %1 n’a pas été trouvé dans le trousseau du bureau (%2). Saisissez-le de nouveau dans Fichier &gt; Partage...</translation>
    </message>
    <message>
        <source>Changed here and on a phone since the week was last shared: %1.

The tick from the phone and the text from here were kept.</source>
        <translation>Modifié ici et sur un téléphone depuis le dernier partage : %1.

La coche du téléphone et le texte d’ici ont été gardés.</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Fichiers de calendrier (*.ics)</translation>
    </message>
    <message>
        <source>The groups in the order set on the categories page, what is always at home last; on the page, the printed list and the phones</source>
        <translation>Les groupes dans l’ordre fixé sur la page des catégories, ce qui est toujours à la maison en dernier ; sur la page, la liste imprimée et les téléphones</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Groupe :</translation>
    </message>
    <message>
        <source>&amp;Qty:</source>
        <translation>&amp;Qté :</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Quantité :</translation>
    </message>
    <message>
        <source>; no longer on the menu: %1</source>
        <translation> ; plus au menu : %1</translation>
    </message>
    <message>
        <source>The shopping list of week %1 (%2) holds items you added, changed or deleted by hand.

Merge makes the items of the menu anew and keeps yours; Replace makes the whole list from the menu; Keep leaves the list as it is.</source>
        <translation>La liste de courses de la semaine %1 (%2) contient des articles ajoutés, modifiés ou supprimés à la main.

Fusionner refait les articles du menu et garde les vôtres ; Remplacer refait toute la liste à partir du menu ; Garder laisse la liste telle quelle.</translation>
    </message>
    <message>
        <source>Use Drag&amp;Drop to Add/Delete Meals to Menu</source>
        <translation>Glisser&amp;déposer pour ajouter ou retirer des plats du menu</translation>
    </message>
    <message>
        <source>Select Time:</source>
        <translation>Choisir le repas :</translation>
    </message>
    <message>
        <source>Update Shopping List</source>
        <translation>Mettre à jour la liste</translation>
    </message>
    <message>
        <source>Select Group for Ingredient from List!</source>
        <translation>Choisissez le groupe de l’ingrédient dans la liste !</translation>
    </message>
    <message>
        <source>Select Ingredient first!</source>
        <translation>Choisissez d’abord un ingrédient !</translation>
    </message>
    <message>
        <source>Select Ingredient to delete first!</source>
        <translation>Choisissez d’abord l’ingrédient à supprimer !</translation>
    </message>
    <message>
        <source>Weeks are planned for %1 people; Update Shopping List adds up the amounts anew</source>
        <translation>Les semaines sont prévues pour %1 personnes ; Mettre à jour la liste refait le total des quantités</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Increase</source>
        <translation>Augmenter</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Diminuer</translation>
    </message>
</context>
<context>
    <name>WaitBox</name>
    <message>
        <source>Wait until operation will complete....</source>
        <translation>Patientez jusqu’à la fin de l’opération....</translation>
    </message>
</context>
</TS>
