<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CheckedComboBox</name>
    <message>
        <source>&amp;Deselect all</source>
        <translation>&amp;Quitar todas</translation>
    </message>
    <message>
        <source>&amp;Select all</source>
        <translation>&amp;Seleccionar todas</translation>
    </message>
</context>
<context>
    <name>DBImage</name>
    <message>
        <source>The picture cannot be shown: it is damaged, or of a kind that cannot be read.</source>
        <translation>La imagen no se puede mostrar: está dañada o tiene un formato que no se puede leer.</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>The built-in script %1 is missing.</source>
        <translation>Falta el script integrado %1.</translation>
    </message>
    <message>
        <source>'%1' already exists; it is left as it is.</source>
        <translation>«%1» ya existe; se deja como está.</translation>
    </message>
    <message>
        <source>%1 can be at most %2 characters long. Nothing was saved.</source>
        <translation>%1 puede tener como máximo %2 caracteres. No se ha guardado nada.</translation>
    </message>
    <message>
        <source>The recipe book cannot take that value (%1). Nothing was saved.</source>
        <translation>El recetario no admite ese valor (%1). No se ha guardado nada.</translation>
    </message>
    <message>
        <source>it was written by a later version of Mealvane</source>
        <translation>lo escribió una versión más reciente de Mealvane</translation>
    </message>
    <message>
        <source>it holds a table this Mealvane does not know (%1)</source>
        <translation>contiene una tabla que este Mealvane no conoce (%1)</translation>
    </message>
    <message>
        <source>its table %1 has a column this Mealvane does not know (%2)</source>
        <translation>su tabla %1 tiene una columna que este Mealvane no conoce (%2)</translation>
    </message>
    <message>
        <source>its view %1 is not the one this Mealvane writes</source>
        <translation>su vista %1 no es la que escribe este Mealvane</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>The recipe book '%1' is damaged: parts of it cannot be read.

Mealvane opens it read-only, so that nothing more of it is lost: you can look at what can be read and print it, but nothing is saved to it.</source>
        <translation>El recetario «%1» está dañado: partes de él no se pueden leer.

Mealvane lo abre de solo lectura, para que no se pierda nada más: puede ver e imprimir lo que se puede leer, pero no se guarda nada en él.</translation>
    </message>
    <message>
        <source>

There is no backup of it.</source>
        <translation>

No hay ninguna copia de seguridad.</translation>
    </message>
    <message>
        <source>Could not find file '%1'. Mealvane keeps its recipe book there: put your book (or a backup of it) in that place and start Mealvane again.</source>
        <translation>No se encontró el archivo «%1». Mealvane guarda ahí su recetario: ponga allí su recetario (o una copia de seguridad) y vuelva a iniciar Mealvane.</translation>
    </message>
    <message>
        <source>The recipe book '%1' is an empty file (0 bytes): it holds no recipes at all. Copy a backup of your book in its place, or move the empty file away and start Mealvane again to begin with the starter book.</source>
        <translation>El recetario «%1» es un archivo vacío (0 bytes): no tiene ninguna receta. Copie una copia de seguridad de su recetario en su lugar, o quite el archivo vacío y vuelva a iniciar Mealvane para empezar con el recetario inicial.</translation>
    </message>
    <message>
        <source>The recipe book '%1' cannot be read: %2. Make it readable and start Mealvane again.</source>
        <translation>No se puede leer el recetario «%1»: %2. Hágalo legible y vuelva a iniciar Mealvane.</translation>
    </message>
    <message>
        <source>'%1' is not a database Mealvane can read: it is no recipe book, or its beginning is damaged. Copy a backup of your book in its place, or move the file away and start Mealvane again to begin with the starter book.</source>
        <translation>«%1» no es una base de datos que Mealvane pueda leer: no es un recetario, o su principio está dañado. Copie una copia de seguridad de su recetario en su lugar, o quite el archivo y vuelva a iniciar Mealvane para empezar con el recetario inicial.</translation>
    </message>
    <message>
        <source>it is of a layout this Mealvane does not know</source>
        <translation>tiene una estructura que este Mealvane no conoce</translation>
    </message>
    <message>
        <source>The recipe book '%1' cannot be changed by this Mealvane: %2.

It is opened read-only, so that nothing the program that wrote it keeps is spoilt: you can look at it and print it, but nothing is saved. Use that program, or a later Mealvane, to change it.</source>
        <translation>Este Mealvane no puede cambiar el recetario «%1»: %2.

Se abre de solo lectura, para no estropear nada de lo que guarda el programa que lo escribió: puede verlo e imprimirlo, pero no se guarda nada. Use ese programa, o un Mealvane más reciente, para cambiarlo.</translation>
    </message>
    <message>
        <source>its folder cannot be written</source>
        <translation>no se puede escribir en su carpeta</translation>
    </message>
    <message>
        <source>the file cannot be written</source>
        <translation>no se puede escribir en el archivo</translation>
    </message>
    <message>
        <source>The recipe book '%1' is read-only: %2.

You can look at everything and print it, but nothing you change can be saved. To change the book, close Mealvane, make %3 writable (or copy the book to a folder of your own) and start it again.</source>
        <translation>El recetario «%1» es de solo lectura: %2.

Puede verlo todo e imprimirlo, pero lo que cambie no se puede guardar. Para cambiar el recetario, cierre Mealvane, haga %3 escribible (o copie el recetario a una carpeta suya) y vuelva a iniciarlo.</translation>
    </message>
    <message>
        <source>the folder '%1'</source>
        <translation>la carpeta «%1»</translation>
    </message>
    <message>
        <source>the file</source>
        <translation>el archivo</translation>
    </message>
    <message>
        <source>The full check of the recipe book '%1' found it damaged: parts of it, or of the indexes that find its rows, do not hold together.</source>
        <translation>La comprobación completa del recetario «%1» lo encontró dañado: partes de él, o de los índices que encuentran sus filas, no encajan.</translation>
    </message>
    <message>
        <source>'%1' cannot be read at all: %2</source>
        <translation>«%1» no se puede leer en absoluto: %2</translation>
    </message>
    <message>
        <source>the table %1</source>
        <translation>la tabla %1</translation>
    </message>
    <message>
        <source>some rows of the table %1</source>
        <translation>algunas filas de la tabla %1</translation>
    </message>
    <message>
        <source>Nothing of '%1' could be read.</source>
        <translation>No se pudo leer nada de «%1».</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Recipes</source>
        <translation>Exportar recetas</translation>
    </message>
    <message>
        <source>  Write recipes out as web pages or as a MealMaster file</source>
        <translation>  Guardar las recetas como páginas web o como archivo MealMaster</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recetas</translation>
    </message>
    <message>
        <source>Recipe type</source>
        <translation>Tipo de receta</translation>
    </message>
    <message>
        <source>The recipes &amp;found by the search (%1)</source>
        <translation>Las recetas &amp;encontradas en la búsqueda (%1)</translation>
    </message>
    <message>
        <source>The recipes &amp;found by the search (none yet)</source>
        <translation>Las recetas &amp;encontradas en la búsqueda (ninguna aún)</translation>
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
        <translation>Añadir un ingrediente a la receta</translation>
    </message>
    <message>
        <source>  Add ingredient to Meal</source>
        <translation>  Añadir un ingrediente a la receta</translation>
    </message>
    <message>
        <source>Select Ingredient and click "Add" button</source>
        <translation>Elija un ingrediente y haga clic en «Añadir»</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingredientes</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Mealvane</name>
    <message>
        <source>it is damaged</source>
        <translation>está dañado</translation>
    </message>
    <message>
        <source>

From now on Mealvane keeps it read-only, so that nothing more of it is lost: what you saved before is in it, but nothing more is saved.</source>
        <translation>

A partir de ahora Mealvane lo mantiene de solo lectura, para que no se pierda nada más: lo que guardó antes está en él, pero ya no se guarda nada.</translation>
    </message>
    <message>
        <source>Save what can be read of the damaged recipe book into a new file?</source>
        <translation>¿Guardar en un archivo nuevo lo que se puede leer del recetario dañado?</translation>
    </message>
    <message>
        <source>Recipe books (*.mdb)</source>
        <translation>Recetarios (*.mdb)</translation>
    </message>
    <message>
        <source>Saved %1 recipes (%2 rows in all) into '%3'.</source>
        <translation>Se guardaron %1 recetas (%2 filas en total) en «%3».</translation>
    </message>
    <message>
        <source> Could not be read: %1.</source>
        <translation> No se pudo leer: %1.</translation>
    </message>
    <message>
        <source>

To use it, close Mealvane, keep the damaged file somewhere else, and put the new one in its place as '%1'.</source>
        <translation>

Para usarlo, cierre Mealvane, guarde el archivo dañado en otro sitio y ponga el nuevo en su lugar como «%1».</translation>
    </message>
    <message>
        <source>Nothing could be saved: %1</source>
        <translation>No se pudo guardar nada: %1</translation>
    </message>
</context>
<context>
    <name>PictureViewer</name>
    <message>
        <source>Meal Picture viewer</source>
        <translation>Imagen de la receta</translation>
    </message>
    <message>
        <source>  View picture</source>
        <translation>  Ver la imagen</translation>
    </message>
    <message>
        <source>Recipe picture</source>
        <translation>Imagen de la receta</translation>
    </message>
    <message>
        <source>&amp;Actual size</source>
        <translation>Tamaño &amp;real</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Save as PDF...</source>
        <translation>Guardar como PDF...</translation>
    </message>
    <message>
        <source>Save the report as a PDF file</source>
        <translation>Guardar el informe como archivo PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>Could not write "%1".</source>
        <translation>No se pudo guardar «%1».</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>Página</translation>
    </message>
</context>
<context>
    <name>RecipeDetails</name>
    <message>
        <source>S&amp;ource:</source>
        <translation>&amp;Fuente:</translation>
    </message>
    <message>
        <source>Open in Browser</source>
        <translation>Abrir en el navegador</translation>
    </message>
    <message>
        <source>Au&amp;thor:</source>
        <translation>Au&amp;tor:</translation>
    </message>
    <message>
        <source>e.g. 4 servings, 12 muffins</source>
        <translation>p. ej. 4 raciones, 12 magdalenas</translation>
    </message>
    <message>
        <source>&amp;Yield:</source>
        <translation>&amp;Rinde:</translation>
    </message>
    <message>
        <source>C&amp;uisine:</source>
        <translation>&amp;Cocina:</translation>
    </message>
</context>
<context>
    <name>RecipeLinesEditor</name>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Servings</source>
        <translation>Raciones</translation>
    </message>
    <message>
        <source>as written</source>
        <translation>como está escrita</translation>
    </message>
    <message>
        <source>Scale to servings</source>
        <translation>Ajustar a raciones</translation>
    </message>
    <message>
        <source>Shows the amounts for another number of servings; the recipe is not changed</source>
        <translation>Muestra las cantidades para otro número de raciones; la receta no cambia</translation>
    </message>
    <message>
        <source>Se&amp;rvings:</source>
        <translation>&amp;Raciones:</translation>
    </message>
    <message>
        <source>Scale &amp;to:</source>
        <translation>&amp;Ajustar a:</translation>
    </message>
    <message>
        <source>Ingredient lines</source>
        <translation>Líneas de ingredientes</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidad</translation>
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
        <translation>Nueva línea de ingrediente</translation>
    </message>
    <message>
        <source>Type a line, e.g. 2 cups flour, sifted</source>
        <translation>Escriba una línea, p. ej. 250 g de harina, tamizada</translation>
    </message>
    <message>
        <source>Add Line</source>
        <translation>Añadir línea</translation>
    </message>
    <message>
        <source>Delete Line</source>
        <translation>Borrar línea</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move line up</source>
        <translation>Subir la línea</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Move line down</source>
        <translation>Bajar la línea</translation>
    </message>
</context>
<context>
    <name>RecipePicker</name>
    <message>
        <source>Select Meal</source>
        <translation>Elegir receta</translation>
    </message>
    <message>
        <source>  Select Meal</source>
        <translation>  Elegir receta</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Receta</translation>
    </message>
    <message>
        <source>Send with EMail </source>
        <translation>Enviar por correo </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
</context>
<context>
    <name>RestoreDialog</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurar una copia de seguridad</translation>
    </message>
    <message>
        <source>Put the recipe book back as it was when a backup was made</source>
        <translation>Devolver el recetario a como estaba al hacer una copia</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Hecha</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recetas</translation>
    </message>
    <message>
        <source>Planned weeks</source>
        <translation>Semanas planificadas</translation>
    </message>
    <message>
        <source>Start of the day</source>
        <translation>Inicio del día</translation>
    </message>
    <message>
        <source>Before a change</source>
        <translation>Antes de un cambio</translation>
    </message>
    <message>
        <source>Damaged</source>
        <translation>Dañada</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurar</translation>
    </message>
</context>
<context>
    <name>Selectors</name>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Vane Time Selector</source>
        <translation>Vane Selección de comidas</translation>
    </message>
    <message>
        <source>Vane Day Selector</source>
        <translation>Vane Selección de días</translation>
    </message>
</context>
<context>
    <name>SharingDialog</name>
    <message>
        <source>Sharing</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>The week on the household's phones, through your CalDAV server</source>
        <translation>La semana en los móviles de la casa, a través de su servidor CalDAV</translation>
    </message>
    <message>
        <source>&amp;Test connection</source>
        <translation>&amp;Probar la conexión</translation>
    </message>
    <message>
        <source>Meals at:</source>
        <translation>Comidas a las:</translation>
    </message>
    <message>
        <source>Give the address of your CalDAV server, such as https://dav.example.org/.</source>
        <translation>Indique la dirección de su servidor CalDAV, por ejemplo https://dav.example.org/.</translation>
    </message>
    <message>
        <source>Give your user name on the server.</source>
        <translation>Indique su nombre de usuario en el servidor.</translation>
    </message>
    <message>
        <source>Asking %1...</source>
        <translation>Consultando %1...</translation>
    </message>
    <message>
        <source>Reached %1: %2 task lists and %3 calendars. Choose the ones to share to, or new ones.</source>
        <translation>Conectado con %1: %2 listas de tareas y %3 calendarios. Elija dónde compartir, o unos nuevos.</translation>
    </message>
    <message>
        <source>New task list "Shopping"</source>
        <translation>Lista de tareas nueva «Compra»</translation>
    </message>
    <message>
        <source>New calendar "Meals"</source>
        <translation>Calendario nuevo «Comidas»</translation>
    </message>
    <message>
        <source>None: share the list only</source>
        <translation>Ninguno: compartir solo la lista</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Resume scrolling</source>
        <translation>Reanudar el desplazamiento</translation>
    </message>
    <message>
        <source>Pause scrolling</source>
        <translation>Pausar el desplazamiento</translation>
    </message>
    <message>
        <source>Selected Week:</source>
        <translation>Semana elegida:</translation>
    </message>
    <message>
        <source>Week Number:</source>
        <translation>N.º de semana:</translation>
    </message>
    <message>
        <source>Today:</source>
        <translation>Hoy:</translation>
    </message>
    <message>
        <source>Mealvane v 4.0</source>
        <translation>Mealvane v 4.0</translation>
    </message>
    <message>
        <source>Save time and get your life back !</source>
        <translation>¡Ahorre tiempo y recupere su vida!</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Pick-A-Menu</source>
        <translation>&amp;Elegir menú</translation>
    </message>
    <message>
        <source>&amp;Weekly Menu</source>
        <translation>Menú &amp;semanal</translation>
    </message>
    <message>
        <source>&amp;Quick Start</source>
        <translation>&amp;Inicio rápido</translation>
    </message>
    <message>
        <source>&amp;Shopping List</source>
        <translation>&amp;Lista de la compra</translation>
    </message>
    <message>
        <source>Recipes</source>
        <translation>Recetas</translation>
    </message>
    <message>
        <source>&amp;Ingredients</source>
        <translation>&amp;Ingredientes</translation>
    </message>
    <message>
        <source>S&amp;earch</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;All Recipes</source>
        <translation>&amp;Todas las recetas</translation>
    </message>
    <message>
        <source>&amp;Single Recipe</source>
        <translation>&amp;Una receta</translation>
    </message>
    <message>
        <source>A&amp;ll Ingredients</source>
        <translation>Todos &amp;los ingredientes</translation>
    </message>
    <message>
        <source>&amp;Mealvane Help</source>
        <translation>Ayuda de &amp;Mealvane</translation>
    </message>
    <message>
        <source>Visit us on the Web</source>
        <translation>Visítenos en la web</translation>
    </message>
    <message>
        <source>Import Meals from Older DB</source>
        <translation>Importar recetas de una base antigua</translation>
    </message>
    <message>
        <source>Import Recipes from Files...</source>
        <translation>Importar recetas desde archivos...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>&amp;New Recipe...</source>
        <translation>&amp;Nueva receta...</translation>
    </message>
    <message>
        <source>&amp;Find Recipe</source>
        <translation>&amp;Buscar receta</translation>
    </message>
    <message>
        <source>&amp;Daily Style</source>
        <translation>Planificación por &amp;día</translation>
    </message>
    <message>
        <source>Recipe &amp;Types and Groups</source>
        <translation>&amp;Tipos de receta y grupos</translation>
    </message>
    <message>
        <source>&amp;Household...</source>
        <translation>&amp;Hogar...</translation>
    </message>
    <message>
        <source>Import Recipe from Web Address...</source>
        <translation>Importar receta desde una dirección web...</translation>
    </message>
    <message>
        <source>Read Amounts from Methods...</source>
        <translation>Leer cantidades de las preparaciones...</translation>
    </message>
    <message>
        <source>Pre&amp;vious Week</source>
        <translation>Semana &amp;anterior</translation>
    </message>
    <message>
        <source>Ne&amp;xt Week</source>
        <translation>Semana &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Copy Week To...</source>
        <translation>&amp;Copiar semana a...</translation>
    </message>
    <message>
        <source>Restore from &amp;Backup...</source>
        <translation>Restaurar una &amp;copia de seguridad...</translation>
    </message>
    <message>
        <source>Export &amp;Recipes...</source>
        <translation>Exportar &amp;recetas...</translation>
    </message>
    <message>
        <source>Export Wee&amp;k...</source>
        <translation>Exportar se&amp;mana...</translation>
    </message>
    <message>
        <source>Shar&amp;ing...</source>
        <translation>&amp;Compartir...</translation>
    </message>
    <message>
        <source>Share &amp;Week</source>
        <translation>Compartir la &amp;semana</translation>
    </message>
    <message>
        <source>Refresh from P&amp;hones</source>
        <translation>Actualizar desde los &amp;móviles</translation>
    </message>
    <message>
        <source>Export Week as &amp;Calendar...</source>
        <translation>Exportar semana como &amp;calendario...</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>De&amp;leted Recipes...</source>
        <translation>Recetas &amp;borradas...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Database</source>
        <translation>&amp;Base de datos</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edición</translation>
    </message>
    <message>
        <source>&amp;Actions</source>
        <translation>&amp;Acciones</translation>
    </message>
    <message>
        <source>&amp;Reports</source>
        <translation>&amp;Informes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Pick-A-Menu</source>
        <translation>Elegir menú</translation>
    </message>
    <message>
        <source>Weekly Style</source>
        <translation>Planificación por semana</translation>
    </message>
    <message>
        <source>Daily Style</source>
        <translation>Planificación por día</translation>
    </message>
    <message>
        <source>Shopping List</source>
        <translation>Lista de la compra</translation>
    </message>
    <message>
        <source>Recipes (View/Add/Edit)</source>
        <translation>Recetas (ver/añadir/editar)</translation>
    </message>
    <message>
        <source>Ingredients (Insert/Delete)</source>
        <translation>Ingredientes (añadir/borrar)</translation>
    </message>
    <message>
        <source>Recipe Types / Groups (Insert/Delete)</source>
        <translation>Tipos / grupos (añadir/borrar)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Búsqueda</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Weekly Menu</source>
        <translation>Menú semanal</translation>
    </message>
    <message>
        <source>All Recipes</source>
        <translation>Todas las recetas</translation>
    </message>
    <message>
        <source>Single Recipe</source>
        <translation>Una receta</translation>
    </message>
    <message>
        <source>All Ingredients</source>
        <translation>Todos los ingredientes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Quick Start Page</source>
        <translation>Inicio rápido</translation>
    </message>
    <message>
        <source>Mealvane Help</source>
        <translation>Ayuda de Mealvane</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>Click to visit Mealvane on the Web</source>
        <translation>Visite Mealvane en la web</translation>
    </message>
    <message>
        <source>PickAmenu</source>
        <translation>Elegir menú</translation>
    </message>
    <message>
        <source>Vane Menu Selection</source>
        <translation>Vane Selección del menú</translation>
    </message>
    <message>
        <source>PichMenuOldStyle</source>
        <translation>Planificación por semana</translation>
    </message>
    <message>
        <source>Vane Shopping</source>
        <translation>Vane Compra</translation>
    </message>
    <message>
        <source>View Meals</source>
        <translation>Ver recetas</translation>
    </message>
    <message>
        <source>View/Edit Recipes</source>
        <translation>Ver/editar recetas</translation>
    </message>
    <message>
        <source>Insert/Delete Ingr</source>
        <translation>Añadir/borrar ingr.</translation>
    </message>
    <message>
        <source>Insert/Delete Ingredients</source>
        <translation>Añadir/borrar ingredientes</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Categorías</translation>
    </message>
    <message>
        <source>Recipe Types and Ingredient Groups manager</source>
        <translation>Tipos de receta y grupos de ingredientes</translation>
    </message>
    <message>
        <source>VaneSearch</source>
        <translation>Vane Búsqueda</translation>
    </message>
    <message>
        <source>Welcome Page</source>
        <translation>Bienvenida</translation>
    </message>
    <message>
        <source>Mealvane v 4.0 Quick Start</source>
        <translation>Mealvane v 4.0 – Inicio rápido</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>MEALVANE - Save time and get your life back!</source>
        <translation>MEALVANE – ¡Ahorre tiempo y recupere su vida!</translation>
    </message>
    <message>
        <source>Quick start</source>
        <translation>Inicio rápido</translation>
    </message>
    <message>
        <source>To plan your weekly menu quickly and easily, it only takes 4 mouse clicks!</source>
        <translation>¡Para planificar su menú semanal rápida y fácilmente bastan 4 clics!</translation>
    </message>
    <message>
        <source>Click on Pick-A-Menu on the left hand navigation bar</source>
        <translation>Haga clic en Elegir menú en la barra de navegación de la izquierda</translation>
    </message>
    <message>
        <source>Click on Weekly Style</source>
        <translation>Haga clic en Planificación por semana</translation>
    </message>
    <message>
        <source>Click on Pick-A-Week from the buttons that appear on the lower right</source>
        <translation>Haga clic en Sortear la semana entre los botones de abajo a la derecha</translation>
    </message>
    <message>
        <source>Click on Save Menu in that same button panel</source>
        <translation>Haga clic en Guardar menú en esos mismos botones</translation>
    </message>
    <message>
        <source>You have randomly chosen your entire menu for the week!</source>
        <translation>¡Ha elegido al azar todo el menú de la semana!</translation>
    </message>
    <message>
        <source>You can then create and print your Shopping List with only 2 more clicks!</source>
        <translation>¡Después, con solo 2 clics más, crea e imprime su lista de la compra!</translation>
    </message>
    <message>
        <source>1.	Click on Shopping List on the left hand navigation bar</source>
        <translation>1.	Haga clic en Lista de la compra en la barra de navegación de la izquierda</translation>
    </message>
    <message>
        <source>2.	Click on the Print button in the lower right hand button panel</source>
        <translation>2.	Haga clic en el botón Imprimir abajo a la derecha</translation>
    </message>
    <message>
        <source>AMAZING!!!</source>
        <translation>¡¡¡INCREÍBLE!!!</translation>
    </message>
    <message>
        <source>To get help on how to customise your menu, use the Pick-A-Menu topic in the online Help.</source>
        <translation>Para personalizar su menú, consulte el tema Elegir menú de la ayuda.</translation>
    </message>
    <message>
        <source>Check out the website to see the latest FREE recipe bonuses for Mealvane</source>
        <translation>Visite el sitio web para ver las últimas recetas GRATIS para Mealvane</translation>
    </message>
    <message>
        <source>HAVE A NICE DAY,   Mealvane TEAM</source>
        <translation>QUE TENGA UN BUEN DÍA,   EL EQUIPO DE Mealvane</translation>
    </message>
    <message>
        <source>Pause or resume the scrolling text</source>
        <translation>Pausar o reanudar el texto en movimiento</translation>
    </message>
    <message>
        <source>To know more about Mealvane visit us on the Web</source>
        <translation>Para saber más de Mealvane, visítenos en la web</translation>
    </message>
    <message>
        <source>Nothing on this page waits to be saved</source>
        <translation>No hay nada que guardar en esta página</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer: %1</translation>
    </message>
    <message>
        <source>No recipe was deleted in the last %1 days.</source>
        <translation>No se ha borrado ninguna receta en los últimos %1 días.</translation>
    </message>
    <message>
        <source>Deleted Recipes</source>
        <translation>Recetas borradas</translation>
    </message>
    <message>
        <source>Recipes deleted in the last %1 days</source>
        <translation>Recetas borradas en los últimos %1 días</translation>
    </message>
    <message>
        <source>Deleted recipes</source>
        <translation>Recetas borradas</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Receta</translation>
    </message>
    <message>
        <source>Deleted</source>
        <translation>Borrada</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>"%1" as "%2" (a recipe took its name since)</source>
        <translation>«%1» como «%2» (otra receta tiene ahora ese nombre)</translation>
    </message>
    <message>
        <source>Making a backup of the recipe book...</source>
        <translation>Haciendo una copia de seguridad del recetario...</translation>
    </message>
    <message>
        <source>The newest backup holds the book as it is</source>
        <translation>La copia más reciente ya contiene el recetario tal como está</translation>
    </message>
    <message>
        <source>Backup made: %1</source>
        <translation>Copia de seguridad hecha: %1</translation>
    </message>
    <message>
        <source>Checking the backup...</source>
        <translation>Comprobando la copia de seguridad...</translation>
    </message>
    <message>
        <source>The backup of %1 is damaged (%2) and cannot be restored.</source>
        <translation>La copia de seguridad del %1 está dañada (%2) y no se puede restaurar.</translation>
    </message>
    <message>
        <source>The backup could not be opened (%1), so the recipe book is as it was.</source>
        <translation>No se pudo abrir la copia de seguridad (%1); el recetario sigue como estaba.</translation>
    </message>
    <message>
        <source>The backup could not be restored: %1. The recipe book is as it was.</source>
        <translation>No se pudo restaurar la copia de seguridad: %1. El recetario sigue como estaba.</translation>
    </message>
    <message>
        <source>Export Recipes To</source>
        <translation>Exportar recetas a</translation>
    </message>
    <message>
        <source>There are no recipes to export.</source>
        <translation>No hay recetas que exportar.</translation>
    </message>
    <message>
        <source>Writing the recipes...</source>
        <translation>Guardando las recetas...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export Recipes</source>
        <translation>Exportar recetas</translation>
    </message>
    <message>
        <source>The export was cancelled</source>
        <translation>La exportación se canceló</translation>
    </message>
    <message>
        <source>Exported %1 recipes</source>
        <translation>%1 recetas exportadas</translation>
    </message>
    <message>
        <source>Export Week</source>
        <translation>Exportar semana</translation>
    </message>
    <message>
        <source>The week could not be written to %1: %2</source>
        <translation>No se pudo guardar la semana en %1: %2</translation>
    </message>
    <message>
        <source>Week %1 written to %2</source>
        <translation>Semana %1 guardada en %2</translation>
    </message>
    <message>
        <source>Error sending mail (%1).</source>
        <translation>Error al enviar el correo (%1).</translation>
    </message>
    <message>
        <source>%1

Close Mealvane without saving it?</source>
        <translation>%1

¿Cerrar Mealvane sin guardar?</translation>
    </message>
    <message>
        <source>Copy Week To</source>
        <translation>Copiar semana a</translation>
    </message>
    <message>
        <source>  Copy the menu of week %1 onto the week of the day chosen</source>
        <translation>  Copiar el menú de la semana %1 a la semana del día elegido</translation>
    </message>
    <message>
        <source>Week to copy onto</source>
        <translation>Semana de destino</translation>
    </message>
    <message>
        <source>Copy the &amp;shopping list too</source>
        <translation>Copiar también la lista de la &amp;compra</translation>
    </message>
    <message>
        <source>Week %1 of %2 is the week being copied: choose a day of another week.</source>
        <translation>La semana %1 de %2 es la que se copia: elija un día de otra semana.</translation>
    </message>
    <message>
        <source>Week %1 of %2 has nothing planned to copy.</source>
        <translation>La semana %1 de %2 no tiene nada planificado que copiar.</translation>
    </message>
    <message>
        <source>Week %1 copied onto week %2 of %3; its shopping list: %4 items</source>
        <translation>Semana %1 copiada a la semana %2 de %3; su lista de la compra: %4 artículos</translation>
    </message>
    <message>
        <source>Week %1 copied onto week %2 of %3</source>
        <translation>Semana %1 copiada a la semana %2 de %3</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Día</translation>
    </message>
    <message>
        <source>People at This Meal...</source>
        <translation>Personas en esta comida...</translation>
    </message>
    <message>
        <source>Vane Drag Meals to Menu Boxes</source>
        <translation>Vane Arrastre los platos a las casillas del menú</translation>
    </message>
    <message>
        <source>Meals</source>
        <translation>Platos</translation>
    </message>
    <message>
        <source>Filter by Meal Type</source>
        <translation>Filtrar por tipo de plato</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Meal type</source>
        <translation>Tipo de plato</translation>
    </message>
    <message>
        <source>People at This Meal</source>
        <translation>Personas en esta comida</translation>
    </message>
    <message>
        <source>How many people eat "%1"? (Leave it blank for the household's %2.)</source>
        <translation>¿Cuántas personas comen «%1»? (Déjelo vacío para las %2 de la casa.)</translation>
    </message>
    <message>
        <source>"%1" is planned for the household's %2 people</source>
        <translation>«%1» está previsto para las %2 personas de la casa</translation>
    </message>
    <message>
        <source>"%1" is planned for %2 people</source>
        <translation>«%1» está previsto para %2 personas</translation>
    </message>
    <message>
        <source>Too many items selected</source>
        <translation>Demasiados elementos elegidos</translation>
    </message>
    <message>
        <source>No re&amp;peats</source>
        <translation>Sin &amp;repeticiones</translation>
    </message>
    <message>
        <source>Not saved yet</source>
        <translation>Aún sin guardar</translation>
    </message>
    <message>
        <source>The weekly menu holds picks not saved yet</source>
        <translation>El menú semanal tiene elecciones aún sin guardar</translation>
    </message>
    <message>
        <source>Menu of week %1 saved; the shopping list kept as edited</source>
        <translation>Menú de la semana %1 guardado; la lista de la compra se queda como se editó</translation>
    </message>
    <message>
        <source>Menu of week %1 saved; shopping list: %2</source>
        <translation>Menú de la semana %1 guardado; lista de la compra: %2</translation>
    </message>
    <message>
        <source>Pick-A-Time: the meal times to pick for</source>
        <translation>Sortear una comida: las comidas que rellenar</translation>
    </message>
    <message>
        <source>Pick-A-Day: the days to pick for</source>
        <translation>Sortear un día: los días que rellenar</translation>
    </message>
    <message>
        <source>Clear-A-Time: the meal times to clear</source>
        <translation>Vaciar una comida: las comidas que vaciar</translation>
    </message>
    <message>
        <source>Clear-A-Day: the days to clear</source>
        <translation>Vaciar un día: los días que vaciar</translation>
    </message>
    <message>
        <source>%1 needs a name of more than blanks.</source>
        <translation>%1 necesita un nombre que no sea solo espacios.</translation>
    </message>
    <message>
        <source>%1 can be at most 50 characters long.</source>
        <translation>%1 puede tener como máximo 50 caracteres.</translation>
    </message>
    <message>
        <source>A group's name</source>
        <translation>El nombre de un grupo</translation>
    </message>
    <message>
        <source>A recipe type</source>
        <translation>Un tipo de receta</translation>
    </message>
    <message>
        <source>Ingredient group</source>
        <translation>Grupo de ingredientes</translation>
    </message>
    <message>
        <source>Recipe type</source>
        <translation>Tipo de receta</translation>
    </message>
    <message>
        <source>Ingredients</source>
        <translation>Ingredientes</translation>
    </message>
    <message>
        <source>Ingredient Group</source>
        <translation>Grupo de ingredientes</translation>
    </message>
    <message>
        <source>Recipe Type</source>
        <translation>Tipo de receta</translation>
    </message>
    <message>
        <source>Ingredient group "%1" is now %2 of %3 on the way through the shop</source>
        <translation>El grupo «%1» va ahora en el puesto %2 de %3 en el recorrido por la tienda</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>Always at &amp;home</source>
        <translation>Siempre en &amp;casa</translation>
    </message>
    <message>
        <source>Listed last on the shopping list, under "%1"</source>
        <translation>Al final de la lista de la compra, en «%1»</translation>
    </message>
    <message>
        <source>"%1" is always at home: the shopping list puts it under "%2"</source>
        <translation>«%1» siempre hay en casa: la lista de la compra lo pone en «%2»</translation>
    </message>
    <message>
        <source>"%1" is bought like the rest</source>
        <translation>«%1» se compra como lo demás</translation>
    </message>
    <message>
        <source>Enter Ingredients Description first!</source>
        <translation>¡Escriba primero el nombre del ingrediente!</translation>
    </message>
    <message>
        <source>Enter New Description</source>
        <translation>Nuevo nombre</translation>
    </message>
    <message>
        <source>Ingredient Description:</source>
        <translation>Nombre del ingrediente:</translation>
    </message>
    <message>
        <source>An ingredient needs a name; "%1" keeps its own.</source>
        <translation>Un ingrediente necesita un nombre; «%1» conserva el suyo.</translation>
    </message>
    <message>
        <source>An ingredient's name can be at most 50 characters long; "%1" keeps its own.</source>
        <translation>El nombre de un ingrediente puede tener como máximo 50 caracteres; «%1» conserva el suyo.</translation>
    </message>
    <message>
        <source>Deleted the ingredient "%1"</source>
        <translation>Ingrediente «%1» borrado</translation>
    </message>
    <message>
        <source>The catalogue holds nothing to tidy up.</source>
        <translation>El catálogo no tiene nada que ordenar.</translation>
    </message>
    <message>
        <source>Tidy Up</source>
        <translation>Ordenar</translation>
    </message>
    <message>
        <source>Entries that mean another</source>
        <translation>Entradas que significan otra</translation>
    </message>
    <message>
        <source>Entries to tidy up</source>
        <translation>Entradas que ordenar</translation>
    </message>
    <message>
        <source>“%1” into “%2”</source>
        <translation>«%1» en «%2»</translation>
    </message>
    <message>
        <source>“%1” renamed “%2”</source>
        <translation>«%1» renombrado «%2»</translation>
    </message>
    <message>
        <source>the tidying</source>
        <translation>la ordenación</translation>
    </message>
    <message>
        <source>%1 entries of the catalogue tidied up</source>
        <translation>%1 entradas del catálogo ordenadas</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>the import</source>
        <translation>la importación</translation>
    </message>
    <message>
        <source>Cannot connect to old database, possibly you chose wrong file!</source>
        <translation>No se puede abrir la base de datos antigua: ¡quizá eligió un archivo equivocado!</translation>
    </message>
    <message>
        <source>Importing has been done!</source>
        <translation>¡La importación ha terminado!</translation>
    </message>
    <message>
        <source>Imported %1 recipes, skipped %2</source>
        <translation>%1 recetas importadas, %2 omitidas</translation>
    </message>
    <message>
        <source>The import stopped, and nothing of it was kept: %1</source>
        <translation>La importación se detuvo y no se conservó nada de ella: %1</translation>
    </message>
    <message>
        <source>The import stopped: %1

%2</source>
        <translation>La importación se detuvo: %1

%2</translation>
    </message>
    <message>
        <source>&amp;Addresses:</source>
        <translation>&amp;Direcciones:</translation>
    </message>
    <message>
        <source>Addresses</source>
        <translation>Direcciones</translation>
    </message>
    <message>
        <source>https://... (one address a line)</source>
        <translation>https://... (una dirección por línea)</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Fetching the recipes...</source>
        <translation>Descargando las recetas...</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>&amp;Type:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>Time Of Day:</source>
        <translation>Momento del día:</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Preparación</translation>
    </message>
    <message>
        <source>Amounts</source>
        <translation>Cantidades</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>Ingredients of the recipe</source>
        <translation>Ingredientes de la receta</translation>
    </message>
    <message>
        <source>&amp;Ingredients:</source>
        <translation>&amp;Ingredientes:</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>&amp;Picture: (Right Click)</source>
        <translation>&amp;Imagen: (clic derecho)</translation>
    </message>
    <message>
        <source>Load New Picture</source>
        <translation>Cargar imagen nueva</translation>
    </message>
    <message>
        <source>Loaded the picture (%1 MB)</source>
        <translation>Imagen cargada (%1 MB)</translation>
    </message>
    <message>
        <source>Kept the photo at %1 x %2 pixels (%3 MB)</source>
        <translation>Foto guardada a %1 x %2 píxeles (%3 MB)</translation>
    </message>
    <message>
        <source>Kept the photo as it is: %1 x %2 pixels (%3 MB)</source>
        <translation>Foto guardada tal cual: %1 x %2 píxeles (%3 MB)</translation>
    </message>
    <message>
        <source>Clear the picture of "%1"?</source>
        <translation>¿Quitar la imagen de «%1»?</translation>
    </message>
    <message>
        <source>Clear Picture of "%1"</source>
        <translation>Quitar la imagen de «%1»</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>Guardar imagen</translation>
    </message>
    <message>
        <source>Could not write the picture to "%1": %2</source>
        <translation>No se pudo guardar la imagen en «%1»: %2</translation>
    </message>
    <message>
        <source>New Recipe Name:</source>
        <translation>Nombre nuevo de la receta:</translation>
    </message>
    <message>
        <source>A recipe needs a name of more than blanks.</source>
        <translation>Una receta necesita un nombre que no sea solo espacios.</translation>
    </message>
    <message>
        <source>A recipe name can be at most %1 characters long.</source>
        <translation>El nombre de una receta puede tener como máximo %1 caracteres.</translation>
    </message>
    <message>
        <source>The recipe book already has a recipe named "%1".</source>
        <translation>El recetario ya tiene una receta llamada «%1».</translation>
    </message>
    <message>
        <source>Input New Recipe Name</source>
        <translation>Nuevo nombre de la receta</translation>
    </message>
    <message>
        <source>Saved the recipe "%1"</source>
        <translation>Receta «%1» guardada</translation>
    </message>
    <message>
        <source>Add New Recipe</source>
        <translation>Añadir receta nueva</translation>
    </message>
    <message>
        <source>Deleted the recipe "%1"; Edit &gt; Undo or File &gt; Deleted Recipes... puts it back</source>
        <translation>Receta «%1» borrada; Edición &gt; Deshacer o Archivo &gt; Recetas borradas... la recupera</translation>
    </message>
    <message>
        <source>The method of "%1" does not begin with ingredient lines.</source>
        <translation>La preparación de «%1» no empieza con líneas de ingredientes.</translation>
    </message>
    <message>
        <source> The lines it has now are replaced.</source>
        <translation> Las líneas que tiene ahora se sustituyen.</translation>
    </message>
    <message>
        <source>reading the amounts</source>
        <translation>leer las cantidades</translation>
    </message>
    <message>
        <source>No recipe without ingredient lines has a method that begins with them.</source>
        <translation>Ninguna receta sin líneas de ingredientes tiene una preparación que empiece por ellas.</translation>
    </message>
    <message>
        <source>Ingredient lines made for %1 recipes</source>
        <translation>Líneas de ingredientes creadas para %1 recetas</translation>
    </message>
    <message>
        <source>Preparing the report...</source>
        <translation>Preparando el informe...</translation>
    </message>
    <message>
        <source> of </source>
        <translation> de </translation>
    </message>
    <message>
        <source>No puedo cargar la imagen</source>
        <translation>No puedo cargar la imagen</translation>
    </message>
    <message>
        <source>Search by</source>
        <translation>Buscar por</translation>
    </message>
    <message>
        <source>Go !</source>
        <translation>¡Buscar!</translation>
    </message>
    <message>
        <source>Recipe name contains</source>
        <translation>El nombre de la receta contiene</translation>
    </message>
    <message>
        <source>Search recipe names</source>
        <translation>Buscar en los nombres de recetas</translation>
    </message>
    <message>
        <source>Search by ingredients</source>
        <translation>Buscar por ingredientes</translation>
    </message>
    <message>
        <source>Check All</source>
        <translation>Marcar todos</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Search Result:</source>
        <translation>Resultado de la búsqueda:</translation>
    </message>
    <message>
        <source>Search Result</source>
        <translation>Resultado de la búsqueda</translation>
    </message>
    <message>
        <source>Print Recipe</source>
        <translation>Imprimir receta</translation>
    </message>
    <message>
        <source>Email Recipe</source>
        <translation>Enviar receta</translation>
    </message>
    <message>
        <source>Please check at least 1 ingredient</source>
        <translation>Marque al menos un ingrediente</translation>
    </message>
    <message>
        <source>Choose how to search first: by a piece of the recipe name or by ingredients.</source>
        <translation>Elija primero cómo buscar: por una parte del nombre de la receta o por ingredientes.</translation>
    </message>
    <message>
        <source>The week is shared to %1</source>
        <translation>La semana se comparte en %1</translation>
    </message>
    <message>
        <source>Sharing week %1...</source>
        <translation>Compartiendo la semana %1...</translation>
    </message>
    <message>
        <source>Looking for what the phones ticked...</source>
        <translation>Buscando lo marcado en los móviles...</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>Compartir</translation>
    </message>
    <message>
        <source>Sharing cancelled: nothing was changed here</source>
        <translation>Compartir cancelado: aquí no se ha cambiado nada</translation>
    </message>
    <message>
        <source>Week %1 shared: %2 items and %3 meals written, %4 removed</source>
        <translation>Semana %1 compartida: %2 artículos y %3 comidas escritos, %4 quitados</translation>
    </message>
    <message>
        <source>Export Week as Calendar</source>
        <translation>Exportar semana como calendario</translation>
    </message>
    <message>
        <source>The calendar could not be written to %1 (%2).</source>
        <translation>No se pudo guardar el calendario en %1 (%2).</translation>
    </message>
    <message>
        <source>Week %1 written to %2: %3 meals and %4 items</source>
        <translation>Semana %1 guardada en %2: %3 comidas y %4 artículos</translation>
    </message>
    <message>
        <source>Shopping List Preview</source>
        <translation>Vista previa de la lista de la compra</translation>
    </message>
    <message>
        <source>Ingredient</source>
        <translation>Ingrediente</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Cantidad</translation>
    </message>
    <message>
        <source>Number Of Meals</source>
        <translation>Número de comidas</translation>
    </message>
    <message>
        <source>Bought</source>
        <translation>Comprado</translation>
    </message>
    <message>
        <source>Number Of</source>
        <translation>Número de</translation>
    </message>
    <message>
        <source>In shop order</source>
        <translation>En el orden de la tienda</translation>
    </message>
    <message>
        <source>Filter by Group</source>
        <translation>Filtrar por grupo</translation>
    </message>
    <message>
        <source>Group to filter by</source>
        <translation>Grupo por el que filtrar</translation>
    </message>
    <message>
        <source>Ingredients not on the list</source>
        <translation>Ingredientes que no están en la lista</translation>
    </message>
    <message>
        <source>Drag Ingredient or Type manually</source>
        <translation>Arrastre un ingrediente o escríbalo</translation>
    </message>
    <message>
        <source>Add /Change</source>
        <translation>Añadir/Cambiar</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Share Week</source>
        <translation>Compartir la semana</translation>
    </message>
    <message>
        <source>The list and the menu on the household's phones</source>
        <translation>La lista y el menú en los móviles de la casa</translation>
    </message>
    <message>
        <source>Drag an ingredient onto the list, or press Enter to add it</source>
        <translation>Arrastre un ingrediente a la lista, o pulse Intro para añadirlo</translation>
    </message>
    <message>
        <source>Shopping list of week %1 kept as edited</source>
        <translation>Lista de la compra de la semana %1 conservada como se editó</translation>
    </message>
    <message>
        <source>Shopping list of week %1: %2</source>
        <translation>Lista de la compra de la semana %1: %2</translation>
    </message>
    <message>
        <source>kept as edited</source>
        <translation>conservada como se editó</translation>
    </message>
    <message>
        <source>%1 items, merged with yours</source>
        <translation>%1 artículos, combinados con los suyos</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sustituir</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Conservar</translation>
    </message>
    <message>
        <source>Household</source>
        <translation>Hogar</translation>
    </message>
    <message>
        <source>Whom the week is planned for</source>
        <translation>Para quién se planifica la semana</translation>
    </message>
    <message>
        <source>Metric (g, kg, ml, l)</source>
        <translation>Métrico (g, kg, ml, l)</translation>
    </message>
    <message>
        <source>US customary (oz, lb, cups)</source>
        <translation>Medidas de EE. UU. (oz, lb, cups)</translation>
    </message>
    <message>
        <source>&amp;People at the table:</source>
        <translation>&amp;Personas a la mesa:</translation>
    </message>
    <message>
        <source>&amp;Amounts in:</source>
        <translation>&amp;Cantidades en:</translation>
    </message>
    <message>
        <source>"%1" added to the shopping list of week %2</source>
        <translation>«%1» añadido a la lista de la compra de la semana %2</translation>
    </message>
    <message>
        <source>"%1" changed in the shopping list of week %2</source>
        <translation>«%1» cambiado en la lista de la compra de la semana %2</translation>
    </message>
    <message>
        <source>Type the name of the item to buy first.</source>
        <translation>Escriba primero el nombre de lo que hay que comprar.</translation>
    </message>
    <message>
        <source>Shopping List for week %1-%2 is empty</source>
        <translation>La lista de la compra de la semana %1-%2 está vacía</translation>
    </message>
    <message>
        <source>The export stopped: %1. %2 recipe was written to %3 before it did.</source>
        <translation>La exportación se detuvo: %1. Antes se guardó %2 receta en %3.</translation>
    </message>
    <message>
        <source>The export stopped: %1. %2 recipes were written to %3 before it did.</source>
        <translation>La exportación se detuvo: %1. Antes se guardaron %2 recetas en %3.</translation>
    </message>
    <message>
        <source>The export was cancelled: %1 recipe was written to %2.</source>
        <translation>La exportación se canceló: se guardó %1 receta en %2.</translation>
    </message>
    <message>
        <source>The export was cancelled: %1 recipes were written to %2.</source>
        <translation>La exportación se canceló: se guardaron %1 recetas en %2.</translation>
    </message>
    <message>
        <source>%1 recipe was written to %2.</source>
        <translation>Se ha guardado %1 receta en %2.</translation>
    </message>
    <message>
        <source>%1 recipes were written to %2.</source>
        <translation>Se han guardado %1 recetas en %2.</translation>
    </message>
    <message>
        <source>Week %1 of %2 is planned already. Replace its menu and shopping list with those of week %3?</source>
        <translation>La semana %1 de %2 ya está planificada. ¿Sustituir su menú y su lista de la compra por los de la semana %3?</translation>
    </message>
    <message>
        <source>Week %1 of %2 is planned already. Replace its menu with those of week %3?</source>
        <translation>La semana %1 de %2 ya está planificada. ¿Sustituir su menú por el de la semana %3?</translation>
    </message>
    <message numerus="yes">
        <source>%n ingredient(s) belong to the %1 group. Deleting this Group will delete all these Ingredients. Continue?</source>
        <translation><numerusform>%n ingrediente pertenece al grupo %1. Borrar este grupo borrará ese ingrediente. ¿Continuar?</numerusform><numerusform>%n ingredientes pertenecen al grupo %1. Borrar este grupo borrará todos esos ingredientes. ¿Continuar?</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n meal(s) exist in %1 category. Deleting of this Type will delete all these Meals. Continue?</source>
        <translation><numerusform>%n receta es del tipo %1. Borrar este tipo borrará esa receta. ¿Continuar?</numerusform><numerusform>%n recetas son del tipo %1. Borrar este tipo borrará todas esas recetas. ¿Continuar?</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%1 - ingredient is used in %n meal(s). Delete it from meals first!</source>
        <translation><numerusform>%1: el ingrediente se usa en %n receta. ¡Quítelo primero de las recetas!</numerusform><numerusform>%1: el ingrediente se usa en %n recetas. ¡Quítelo primero de las recetas!</numerusform></translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The language Mealvane speaks</source>
        <translation>El idioma de Mealvane</translation>
    </message>
    <message>
        <source>System (%1)</source>
        <translation>Sistema (%1)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>The manual stays in English. Mealvane speaks the language chosen from its next start.</source>
        <translation>El manual sigue en inglés. Mealvane usa el idioma elegido a partir del próximo inicio.</translation>
    </message>
    <message>
        <source>From its next start Mealvane speaks %1</source>
        <translation>A partir del próximo inicio, Mealvane habla %1</translation>
    </message>
    <message>
        <source>&amp;Language...</source>
        <translation>&amp;Idioma...</translation>
    </message>
    <message>
        <source>In 6 clicks and less than a minute, you have created your weekly menu, generated your shopping list printed it out and you are ready to go (depending on the speed of your printer!)</source>
        <translation>En 6 clics y menos de un minuto ha creado su menú semanal, ha generado e impreso la lista de la compra y ya puede salir (según lo rápida que sea su impresora)</translation>
    </message>
    <message>
        <source>Undone: %1</source>
        <translation>Deshecho: %1</translation>
    </message>
    <message>
        <source>Restored %1</source>
        <translation>Recuperado: %1</translation>
    </message>
    <message>
        <source>No backup of the recipe book could be made before %1: %2. The book itself is untouched.

Go on without a backup?</source>
        <translation>No se pudo hacer una copia de seguridad del recetario antes de %1: %2. El recetario no se ha tocado.

¿Continuar sin copia?</translation>
    </message>
    <message>
        <source>Today's backup of the recipe book could not be made: %1. The book itself is untouched; Mealvane tries again at its next start.

Backups go to %2.</source>
        <translation>No se pudo hacer la copia de seguridad de hoy: %1. El recetario no se ha tocado; Mealvane lo intentará de nuevo al próximo inicio.

Las copias van a %2.</translation>
    </message>
    <message>
        <source>There is no backup of the recipe book yet. Mealvane makes one at the first start of each day and before every import, in %1.</source>
        <translation>Aún no hay ninguna copia de seguridad del recetario. Mealvane hace una al primer inicio de cada día y antes de cada importación, en %1.</translation>
    </message>
    <message>
        <source>Put the recipe book back as it was on %1, with %2 recipes and %3 planned weeks? What was changed since then is undone; the book as it is now is kept as one more backup.</source>
        <translation>¿Devolver el recetario a como estaba el %1, con %2 recetas y %3 semanas planificadas? Lo cambiado desde entonces se deshace; el recetario actual se guarda como una copia más.</translation>
    </message>
    <message>
        <source>The recipe book is back as it was when the backup was made. The book as it was before is kept as the backup %1.</source>
        <translation>El recetario vuelve a estar como cuando se hizo la copia. El recetario de antes se guarda como la copia %1.</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto sin formato (*.txt)</translation>
    </message>
    <message>
        <source>Spreadsheet, comma-separated (*.csv)</source>
        <translation>Hoja de cálculo, separada por comas (*.csv)</translation>
    </message>
    <message>
        <source>This recipe is too long to hand to the mail program in one piece (the hand-over carries at most 128 KB), so nothing was sent. Print the recipe instead, or save it as PDF from the print preview and attach that to a message.</source>
        <translation>Esta receta es demasiado larga para pasarla de una vez al programa de correo (como máximo 128 KB), así que no se ha enviado nada. Imprímala, o guárdela como PDF desde la vista previa y adjúntelo a un mensaje.</translation>
    </message>
    <message>
        <source>Pick-A-Time</source>
        <translation>Sortear una comida</translation>
    </message>
    <message>
        <source>Pick-A-Day</source>
        <translation>Sortear un día</translation>
    </message>
    <message>
        <source>Pick-A-Week</source>
        <translation>Sortear la semana</translation>
    </message>
    <message>
        <source>Clear-A-Time</source>
        <translation>Vaciar una comida</translation>
    </message>
    <message>
        <source>Clear-A-Day</source>
        <translation>Vaciar un día</translation>
    </message>
    <message>
        <source>Picks put no recipe twice into the week, and draw the recipes of the two weeks before last</source>
        <translation>El sorteo no pone ninguna receta dos veces en la semana y deja para el final las de las dos semanas anteriores</translation>
    </message>
    <message>
        <source>Save Menu</source>
        <translation>Guardar menú</translation>
    </message>
    <message>
        <source>Eneter New Meal Type</source>
        <translation>Nuevo tipo de receta</translation>
    </message>
    <message>
        <source>Meal Type:</source>
        <translation>Tipo de receta:</translation>
    </message>
    <message>
        <source>Eneter New Ingredient Group</source>
        <translation>Nuevo grupo de ingredientes</translation>
    </message>
    <message>
        <source>Group Name:</source>
        <translation>Nombre del grupo:</translation>
    </message>
    <message>
        <source>Delete Current</source>
        <translation>Borrar la elegida</translation>
    </message>
    <message>
        <source>Recipe Types Editor</source>
        <translation>Tipos de receta</translation>
    </message>
    <message>
        <source>Recipe types</source>
        <translation>Tipos de receta</translation>
    </message>
    <message>
        <source>Add New Type</source>
        <translation>Nuevo tipo</translation>
    </message>
    <message>
        <source>Delete current recipe type</source>
        <translation>Borrar el tipo de receta elegido</translation>
    </message>
    <message>
        <source>Ingredients Groups Editor</source>
        <translation>Grupos de ingredientes</translation>
    </message>
    <message>
        <source>Ingredient groups</source>
        <translation>Grupos de ingredientes</translation>
    </message>
    <message>
        <source>Add New Group</source>
        <translation>Nuevo grupo</translation>
    </message>
    <message>
        <source>Delete current ingredient group</source>
        <translation>Borrar el grupo de ingredientes elegido</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Moves the group along the way through the shop; the shopping list in shop order follows it</source>
        <translation>Mueve el grupo en el recorrido por la tienda; la lista de la compra en el orden de la tienda lo sigue</translation>
    </message>
    <message>
        <source>Add New</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Change Description</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Tidy Up...</source>
        <translation>Ordenar...</translation>
    </message>
    <message>
        <source>Each ticked entry is merged into the one it means: its recipes and lines go over to it, and the entry is removed. An entry that means no other takes the food's name.</source>
        <translation>Cada entrada marcada se une a la que significa: sus recetas y líneas pasan a ella y la entrada se quita. Una entrada que no significa otra toma el nombre del alimento.</translation>
    </message>
    <message>
        <source>MDB Files (*.mdb)</source>
        <translation>Archivos MDB (*.mdb)</translation>
    </message>
    <message>
        <source>The import needs a folder of its own for a copy of the older file, and '%1' cannot be written. Nothing was imported.</source>
        <translation>La importación necesita una carpeta propia para una copia del archivo antiguo, y en «%1» no se puede escribir. No se ha importado nada.</translation>
    </message>
    <message>
        <source>Recipe files (*.html *.htm *.mmf *.mxp *.txt)</source>
        <translation>Archivos de recetas (*.html *.htm *.mmf *.mxp *.txt)</translation>
    </message>
    <message>
        <source>Change Name</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Add Ingredient</source>
        <translation>Añadir ingrediente</translation>
    </message>
    <message>
        <source>Delete Ingredient</source>
        <translation>Borrar ingrediente</translation>
    </message>
    <message>
        <source>Clear Picture</source>
        <translation>Quitar imagen</translation>
    </message>
    <message>
        <source>Save Picture ...</source>
        <translation>Guardar imagen ...</translation>
    </message>
    <message>
        <source>View in original size</source>
        <translation>Ver a tamaño original</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete Recipe</source>
        <translation>Borrar receta</translation>
    </message>
    <message>
        <source>Make the ingredient lines of "%1" from the %2 lines at the top of its method?%3</source>
        <translation>¿Crear las líneas de ingredientes de «%1» a partir de las %2 líneas del principio de su preparación?%3</translation>
    </message>
    <message>
        <source>Make ingredient lines for %1 recipes that have none, from the lines at the top of their methods? Nothing else is changed.</source>
        <translation>¿Crear líneas de ingredientes para %1 recetas que no las tienen, a partir de las líneas del principio de su preparación? No se cambia nada más.</translation>
    </message>
    <message>
        <source>Recipe names containing:</source>
        <translation>Nombres de recetas que contienen:</translation>
    </message>
    <message>
        <source>ONLY these ingredients</source>
        <translation>SOLO estos ingredientes</translation>
    </message>
    <message>
        <source>ANY of these ingredients</source>
        <translation>ALGUNO de estos ingredientes</translation>
    </message>
    <message>
        <source>MINIMUM of all these ingredients</source>
        <translation>COMO MÍNIMO todos estos ingredientes</translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
    <message>
        <source>Found: 0 item</source>
        <translation>Encontradas: ninguna</translation>
    </message>
    <message>
        <source>Found: 1 item</source>
        <translation>Encontrada: 1 receta</translation>
    </message>
    <message>
        <source>Found: %1 items</source>
        <translation>Encontradas: %1 recetas</translation>
    </message>
    <message>
        <source>The password could not be kept in the desktop's secret store (%1), so sharing was not set up. Start the desktop's keyring or wallet and try again.</source>
        <translation>No se pudo guardar la contraseña en el depósito de claves del escritorio (%1), así que no se configuró compartir. Inicie el depósito de claves o la cartera del escritorio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Sharing is not set up yet: give your CalDAV server and the task list to share to.</source>
        <translation>Compartir aún no está configurado: indique su servidor CalDAV y la lista de tareas.</translation>
    </message>
    <message>
        <source>The password for %1 was not found in the desktop's secret store (%2). Give it again under File &gt; Sharing...</source>
        <translation>No se encontró la contraseña de %1 en el depósito de claves del escritorio (%2). Vuelva a darla en Archivo &gt; Compartir...</translation>
    </message>
    <message>
        <source>Changed here and on a phone since the week was last shared: %1.

The tick from the phone and the text from here were kept.</source>
        <translation>Cambiado aquí y en un móvil desde que se compartió la semana: %1.

Se han conservado la marca del móvil y el texto de aquí.</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Archivos de calendario (*.ics)</translation>
    </message>
    <message>
        <source>The groups in the order set on the categories page, what is always at home last; on the page, the printed list and the phones</source>
        <translation>Los grupos en el orden fijado en la página de categorías, lo que siempre hay en casa al final; en la página, la lista impresa y los móviles</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Grupo:</translation>
    </message>
    <message>
        <source>&amp;Qty:</source>
        <translation>&amp;Cant.:</translation>
    </message>
    <message>
        <source>&amp;Amount:</source>
        <translation>&amp;Cantidad:</translation>
    </message>
    <message>
        <source>; no longer on the menu: %1</source>
        <translation>; ya no está en el menú: %1</translation>
    </message>
    <message>
        <source>The shopping list of week %1 (%2) holds items you added, changed or deleted by hand.

Merge makes the items of the menu anew and keeps yours; Replace makes the whole list from the menu; Keep leaves the list as it is.</source>
        <translation>La lista de la compra de la semana %1 (%2) tiene artículos que usted añadió, cambió o borró a mano.

Combinar rehace los artículos del menú y conserva los suyos; Sustituir rehace toda la lista desde el menú; Conservar deja la lista como está.</translation>
    </message>
    <message>
        <source>Use Drag&amp;Drop to Add/Delete Meals to Menu</source>
        <translation>Arrastrar&amp;soltar para añadir o quitar platos del menú</translation>
    </message>
    <message>
        <source>Select Time:</source>
        <translation>Elegir comida:</translation>
    </message>
    <message>
        <source>Update Shopping List</source>
        <translation>Actualizar la lista</translation>
    </message>
    <message>
        <source>Select Group for Ingredient from List!</source>
        <translation>¡Elija el grupo del ingrediente en la lista!</translation>
    </message>
    <message>
        <source>Select Ingredient first!</source>
        <translation>¡Elija primero un ingrediente!</translation>
    </message>
    <message>
        <source>Select Ingredient to delete first!</source>
        <translation>¡Elija primero el ingrediente que borrar!</translation>
    </message>
    <message>
        <source>Weeks are planned for %1 people; Update Shopping List adds up the amounts anew</source>
        <translation>Las semanas se planifican para %1 personas; Actualizar la lista vuelve a sumar las cantidades</translation>
    </message>
</context>
<context>
    <name>UpDown</name>
    <message>
        <source>Increase</source>
        <translation>Aumentar</translation>
    </message>
    <message>
        <source>Decrease</source>
        <translation>Disminuir</translation>
    </message>
</context>
<context>
    <name>WaitBox</name>
    <message>
        <source>Wait until operation will complete....</source>
        <translation>Espere a que termine la operación....</translation>
    </message>
</context>
</TS>
