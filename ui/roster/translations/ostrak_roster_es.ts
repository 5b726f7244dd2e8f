<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>El fichero %1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::BulkSetDialog</name>
    <message>
        <source>Set for selected</source>
        <translation>Fijar para los seleccionados</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n fighters)</source>
        <translation>
            <numerusform>%1 (%n luchador)</numerusform>
            <numerusform>%1 (%n luchadores)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Fighters:</source>
        <translation>&amp;Luchadores:</translation>
    </message>
    <message>
        <source>F&amp;ield:</source>
        <translation>Ca&amp;mpo:</translation>
    </message>
    <message>
        <source>&amp;Change:</source>
        <translation>&amp;Cambio:</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Item</source>
        <translation>Elemento</translation>
    </message>
    <message>
        <source>Fin&amp;d:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;Text:</source>
        <translation>&amp;Texto:</translation>
    </message>
    <message>
        <source>&amp;Value:</source>
        <translation>&amp;Valor:</translation>
    </message>
    <message>
        <source>Applying the change</source>
        <translation>Aplicando el cambio</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>Vista &amp;previa</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>= N</source>
        <translation>= N</translation>
    </message>
    <message>
        <source>+ N</source>
        <translation>+ N</translation>
    </message>
    <message>
        <source>− N</source>
        <translation>− N</translation>
    </message>
    <message>
        <source>= item</source>
        <translation>= elemento</translation>
    </message>
    <message>
        <source>New text</source>
        <translation>Texto nuevo</translation>
    </message>
    <message>
        <source>Find and replace</source>
        <translation>Buscar y sustituir</translation>
    </message>
    <message>
        <source>Checking the files…</source>
        <translation>Comprobando los archivos…</translation>
    </message>
    <message>
        <source>%1 to change, %2 unchanged; problems: %3.</source>
        <translation>%1 por cambiar, %2 sin cambios; problemas: %3.</translation>
    </message>
    <message>
        <source>Nothing can be applied until every problem is mended.</source>
        <translation>No se puede aplicar nada hasta que se corrijan todos los problemas.</translation>
    </message>
    <message>
        <source>The change leaves every file as it is.</source>
        <translation>El cambio deja todos los archivos como están.</translation>
    </message>
    <message numerus="yes">
        <source>Set %1 of %n fighters</source>
        <translation>
            <numerusform>Fijar %1 de %n luchador</numerusform>
            <numerusform>Fijar %1 de %n luchadores</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing was changed: %1: %2</source>
        <translation>No se ha cambiado nada: %1: %2</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::CellEditing</name>
    <message>
        <source>this cell cannot be edited</source>
        <translation>esta celda no se puede editar</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::ChangePreview</name>
    <message>
        <source>The table</source>
        <translation>La tabla</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Before → after</source>
        <translation>Antes → después</translation>
    </message>
    <message>
        <source>Ratings before → after</source>
        <translation>Valoraciones antes → después</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>&amp;Only the files that change</source>
        <translation>S&amp;olo los archivos que cambian</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>would create</source>
        <translation>se crearía</translation>
    </message>
    <message>
        <source>would replace</source>
        <translation>se sustituiría</translation>
    </message>
    <message>
        <source>would remove</source>
        <translation>se eliminaría</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>refused</source>
        <translation>rechazado</translation>
    </message>
    <message>
        <source>%1 (row %2)</source>
        <translation>%1 (fila %2)</translation>
    </message>
    <message>
        <source>Why this file</source>
        <translation>Por qué este archivo</translation>
    </message>
    <message>
        <source>What changes in this file could not be worked out.</source>
        <translation>No se pudo saber qué cambia en este archivo.</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::ComparisonWindow</name>
    <message>
        <source>Compare fighters</source>
        <translation>Comparar luchadores</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>%1, highest</source>
        <translation>%1, el más alto</translation>
    </message>
    <message>
        <source>Ratings radar</source>
        <translation>Radar de valoraciones</translation>
    </message>
    <message>
        <source>Attributes radar</source>
        <translation>Radar de atributos</translation>
    </message>
    <message>
        <source>&amp;Ratings</source>
        <translation>&amp;Valoraciones</translation>
    </message>
    <message>
        <source>A&amp;ttributes</source>
        <translation>A&amp;tributos</translation>
    </message>
    <message>
        <source>&amp;Save comparison…</source>
        <translation>&amp;Guardar comparación…</translation>
    </message>
    <message>
        <source>The radar on show as a picture or a page (%1)</source>
        <translation>El radar que se muestra, como imagen o como página (%1)</translation>
    </message>
    <message>
        <source>Save comparison</source>
        <translation>Guardar comparación</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::DuplicatesView</name>
    <message>
        <source>same Sherdog ID %1</source>
        <translation>mismo ID de Sherdog %1</translation>
    </message>
    <message>
        <source>same name and date of birth %1</source>
        <translation>mismo nombre y fecha de nacimiento %1</translation>
    </message>
    <message>
        <source>&amp;Duplicates</source>
        <translation>&amp;Duplicados</translation>
    </message>
    <message>
        <source>Duplicates only</source>
        <translation>Solo duplicados</translation>
    </message>
    <message>
        <source>Show only the files that are probably one fighter: the same Sherdog ID, or the same full name and date of birth</source>
        <translation>Mostrar solo los archivos que probablemente son un mismo luchador: el mismo ID de Sherdog, o el mismo nombre completo y fecha de nacimiento</translation>
    </message>
    <message>
        <source>no duplicates</source>
        <translation>ningún duplicado</translation>
    </message>
    <message>
        <source>1 group</source>
        <translation>1 grupo</translation>
    </message>
    <message>
        <source>%1 groups</source>
        <translation>%1 grupos</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::EngineMessages</name>
    <message>
        <source>is empty: the editor saves no fighter without it</source>
        <translation>está vacío: el editor no guarda ningún luchador sin él</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is outside 1..20: the editor would make it %2</source>
        <translation>&apos;%1&apos; está fuera de 1..20: el editor lo convertiría en %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; selects no game plan: the editor saves no fighter without one</source>
        <translation>&apos;%1&apos; no elige ninguna estrategia: el editor no guarda ningún luchador sin una</translation>
    </message>
    <message>
        <source>&apos;%1&apos; selects no weight class: the editor saves no fighter without one</source>
        <translation>&apos;%1&apos; no elige ninguna categoría: el editor no guarda ningún luchador sin una</translation>
    </message>
    <message>
        <source>holds a NUL byte (byte %1), where the editor stops reading: what follows it would be lost</source>
        <translation>contiene un byte NUL (byte %1), donde el editor deja de leer: lo que le sigue se perdería</translation>
    </message>
    <message>
        <source>holds a CR inside line %1, which the editor would split in two</source>
        <translation>contiene un CR dentro de la línea %1, que el editor partiría en dos</translation>
    </message>
    <message>
        <source>&apos;%1&apos; (%2) has no Windows-1252 byte</source>
        <translation>&apos;%1&apos; (%2) no tiene byte en Windows-1252</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>would be larger than the %1 MiB the editor loads</source>
        <translation>superaría los %1 MiB que carga el editor</translation>
    </message>
    <message>
        <source>a quote inside a cell that does not start with one</source>
        <translation>unas comillas dentro de una celda que no empieza por ellas</translation>
    </message>
    <message>
        <source>a quoted cell has no closing quote</source>
        <translation>una celda entre comillas no tiene comillas de cierre</translation>
    </message>
    <message>
        <source>text after a closing quote</source>
        <translation>texto después de unas comillas de cierre</translation>
    </message>
    <message>
        <source>is not JSON: %1 at byte %2</source>
        <translation>no es JSON: %1 en el byte %2</translation>
    </message>
    <message>
        <source>is not a JSON array of objects</source>
        <translation>no es una matriz JSON de objetos</translation>
    </message>
    <message>
        <source>is not a JSON array of strings</source>
        <translation>no es una matriz JSON de cadenas</translation>
    </message>
    <message>
        <source>is not a JSON object</source>
        <translation>no es un objeto JSON</translation>
    </message>
    <message>
        <source>is not a JSON string</source>
        <translation>no es una cadena JSON</translation>
    </message>
    <message>
        <source>has no header row</source>
        <translation>no tiene fila de encabezado</translation>
    </message>
    <message>
        <source>has %1 cells where the header has %2</source>
        <translation>tiene %1 celdas donde el encabezado tiene %2</translation>
    </message>
    <message>
        <source>is not UTF-8: read as Windows-1252</source>
        <translation>no es UTF-8: se ha leído como Windows-1252</translation>
    </message>
    <message>
        <source>is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>a column has no name</source>
        <translation>una columna no tiene nombre</translation>
    </message>
    <message>
        <source>unknown column</source>
        <translation>columna desconocida</translation>
    </message>
    <message>
        <source>column given twice</source>
        <translation>columna repetida</translation>
    </message>
    <message>
        <source>missing column</source>
        <translation>falta la columna</translation>
    </message>
    <message>
        <source>is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>leaves the base folder &quot;%1&quot; through &quot;..&quot;</source>
        <translation>sale de la carpeta base &quot;%1&quot; por &quot;..&quot;</translation>
    </message>
    <message>
        <source>is an absolute name, outside the base folder &quot;%1&quot;</source>
        <translation>es un nombre absoluto, fuera de la carpeta base &quot;%1&quot;</translation>
    </message>
    <message>
        <source>goes through the symbolic link &quot;%1&quot;, which could lead out of the base folder &quot;%2&quot;</source>
        <translation>pasa por el enlace simbólico &quot;%1&quot;, que podría llevar fuera de la carpeta base &quot;%2&quot;</translation>
    </message>
    <message>
        <source>leads out of the base folder &quot;%1&quot;</source>
        <translation>lleva fuera de la carpeta base &quot;%1&quot;</translation>
    </message>
    <message>
        <source>is a symbolic link, which could lead out of the base folder &quot;%1&quot;</source>
        <translation>es un enlace simbólico, que podría llevar fuera de la carpeta base &quot;%1&quot;</translation>
    </message>
    <message>
        <source>is the table itself, which an import never replaces</source>
        <translation>es la propia tabla, que una importación nunca sustituye</translation>
    </message>
    <message>
        <source>names the same file as row %1</source>
        <translation>nombra el mismo archivo que la fila %1</translation>
    </message>
    <message>
        <source>changed while it was checked</source>
        <translation>cambió mientras se comprobaba</translation>
    </message>
    <message>
        <source>has %1 names (hard links): a new file would part them, leaving the others with the old lines</source>
        <translation>tiene %1 nombres (enlaces duros): un archivo nuevo los separaría y dejaría los demás con las líneas antiguas</translation>
    </message>
    <message>
        <source>belongs to another user: a new file in its place would belong to you</source>
        <translation>pertenece a otro usuario: un archivo nuevo en su lugar sería suyo</translation>
    </message>
    <message>
        <source>its name is not UTF-8, which a table cannot hold: rename the file to take it in</source>
        <translation>su nombre no es UTF-8, y una tabla no puede contenerlo: cambie el nombre del archivo para incluirlo</translation>
    </message>
    <message>
        <source>the base folder &quot;%1&quot; cannot hold the note of the files in flight: %2</source>
        <translation>la carpeta base &quot;%1&quot; no puede guardar la nota de los archivos en curso: %2</translation>
    </message>
    <message>
        <source>not enough room: the new files need %1 file entries on the file system of &quot;%2&quot;, which has %3 free</source>
        <translation>no hay sitio: los archivos nuevos necesitan %1 entradas de archivo en el sistema de archivos de &quot;%2&quot;, que tiene %3 libres</translation>
    </message>
    <message>
        <source>not enough room: the new files need %1 on the file system of &quot;%2&quot;, which has %3 free</source>
        <translation>no hay sitio: los archivos nuevos necesitan %1 en el sistema de archivos de &quot;%2&quot;, que tiene %3 libres</translation>
    </message>
    <message>
        <source>changed since it was checked</source>
        <translation>ha cambiado desde que se comprobó</translation>
    </message>
    <message>
        <source>the plan has been committed already</source>
        <translation>el plan ya se ha aplicado</translation>
    </message>
    <message>
        <source>the plan has problems: nothing is written</source>
        <translation>el plan tiene problemas: no se escribe nada</translation>
    </message>
    <message>
        <source>%1; not every file could be put back yet: the next run puts them back</source>
        <translation>%1; aún no se han podido devolver todos los archivos: la próxima vez se devolverán</translation>
    </message>
    <message>
        <source>killed</source>
        <translation>interrumpido</translation>
    </message>
    <message>
        <source>another commit is writing into &quot;%1&quot;: try again when it has ended</source>
        <translation>otra importación está escribiendo en &quot;%1&quot;: vuelva a intentarlo cuando haya terminado</translation>
    </message>
    <message>
        <source>an interrupted commit left files in &quot;%1&quot;: they must be put back first</source>
        <translation>una importación interrumpida dejó archivos en &quot;%1&quot;: primero hay que devolverlos</translation>
    </message>
    <message>
        <source>%1: would be put back as it was before an interrupted commit</source>
        <translation>%1: se devolvería a como estaba antes de una importación interrumpida</translation>
    </message>
    <message>
        <source>%1: put back as it was before an interrupted commit</source>
        <translation>%1: devuelto a como estaba antes de una importación interrumpida</translation>
    </message>
    <message>
        <source>%1: would be removed: an interrupted commit had created it</source>
        <translation>%1: se eliminaría: lo había creado una importación interrumpida</translation>
    </message>
    <message>
        <source>%1: removed: an interrupted commit had created it</source>
        <translation>%1: eliminado: lo había creado una importación interrumpida</translation>
    </message>
    <message>
        <source>%1: an interrupted commit would be put back (%2 temporary file)</source>
        <translation>%1: se desharía una importación interrumpida (%2 archivo temporal)</translation>
    </message>
    <message>
        <source>%1: an interrupted commit would be put back (%2 temporary files)</source>
        <translation>%1: se desharía una importación interrumpida (%2 archivos temporales)</translation>
    </message>
    <message>
        <source>%1: an interrupted commit was put back (%2 temporary file)</source>
        <translation>%1: se ha deshecho una importación interrumpida (%2 archivo temporal)</translation>
    </message>
    <message>
        <source>%1: an interrupted commit was put back (%2 temporary files)</source>
        <translation>%1: se ha deshecho una importación interrumpida (%2 archivos temporales)</translation>
    </message>
    <message>
        <source>not read: it lies more than %1 folders deep</source>
        <translation>no leída: está a más de %1 carpetas de profundidad</translation>
    </message>
    <message>
        <source>not read: %1</source>
        <translation>no leída: %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no game plan: write its code (1 to 3) or one of Submission, KO, GnP</source>
        <translation>&apos;%1&apos; no es ninguna estrategia: escriba su código (de 1 a 3) o una de Submission, KO, GnP</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no weight class: write its code (-1 to 4) or one of Featherweight, Lightweight, Welterweight, Middleweight, Light Heavyweight, Heavyweight</source>
        <translation>&apos;%1&apos; no es ninguna categoría: escriba su código (de -1 a 4) o una de Featherweight, Lightweight, Welterweight, Middleweight, Light Heavyweight, Heavyweight</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names more than one game plan: %2</source>
        <translation>&apos;%1&apos; nombra más de una estrategia: %2</translation>
    </message>
    <message>
        <source>&apos;%1&apos; names more than one weight class: %2</source>
        <translation>&apos;%1&apos; nombra más de una categoría: %2</translation>
    </message>
    <message>
        <source>its name holds a line break (%1), which a table cannot hold: rename the file to take it in</source>
        <translation>su nombre tiene un salto de línea (%1), y una tabla no puede contenerlo: cambie el nombre del archivo para incluirlo</translation>
    </message>
    <message>
        <source>holds Sherdog ID %1; the row names %2</source>
        <translation>tiene el ID de Sherdog %1; la fila nombra %2</translation>
    </message>
    <message>
        <source>holds Sherdog ID %1</source>
        <translation>tiene el ID de Sherdog %1</translation>
    </message>
    <message>
        <source>no file holds Sherdog ID %1; named after the full name</source>
        <translation>ningún archivo tiene el ID de Sherdog %1; nombrado según el nombre completo</translation>
    </message>
    <message>
        <source>no file holds Sherdog ID %1</source>
        <translation>ningún archivo tiene el ID de Sherdog %1</translation>
    </message>
    <message>
        <source>already holds another fighter (no file holds Sherdog ID %1): name the row&apos;s new file in its file cell</source>
        <translation>ya tiene otro luchador (ningún archivo tiene el ID de Sherdog %1): nombre el archivo nuevo de la fila en su celda file</translation>
    </message>
    <message>
        <source>%1: its Sherdog ID is unknown</source>
        <translation>%1: no se sabe su ID de Sherdog</translation>
    </message>
    <message>
        <source>%1: the Sherdog IDs there are unknown</source>
        <translation>%1: no se saben los ID de Sherdog que hay allí</translation>
    </message>
    <message>
        <source>missing column: rows are matched by it</source>
        <translation>falta la columna: las filas se emparejan por ella</translation>
    </message>
    <message>
        <source>is empty: rows are matched by it</source>
        <translation>está vacío: las filas se emparejan por él</translation>
    </message>
    <message>
        <source>%1 is given by row %2 too</source>
        <translation>la fila %2 también da %1</translation>
    </message>
    <message>
        <source>%1 is held by %2: merge them, or import by file</source>
        <translation>%1 lo tienen %2: fusiónelos, o importe por archivo</translation>
    </message>
    <message>
        <source>is empty, and the full name gives no file name</source>
        <translation>está vacío, y el nombre completo no da ningún nombre de archivo</translation>
    </message>
    <message>
        <source>is the same file as %1: there is nothing to merge</source>
        <translation>es el mismo archivo que %1: no hay nada que fusionar</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Changed outside</source>
        <translation>Cambiado fuera</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Importar %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>Set %1 for 1 fighter</source>
        <translation>Fijar %1 en 1 luchador</translation>
    </message>
    <message>
        <source>Set %1 for %2 fighters</source>
        <translation>Fijar %1 en %2 luchadores</translation>
    </message>
    <message>
        <source>Merge %1 into %2</source>
        <translation>Fusionar %1 en %2</translation>
    </message>
    <message>
        <source>this change has no history: %1</source>
        <translation>este cambio no tiene historial: %1</translation>
    </message>
    <message>
        <source>the history is turned off</source>
        <translation>el historial está desactivado</translation>
    </message>
    <message>
        <source>nothing to undo under &quot;%1&quot;</source>
        <translation>no hay nada que deshacer en &quot;%1&quot;</translation>
    </message>
    <message>
        <source>nothing to redo under &quot;%1&quot;</source>
        <translation>no hay nada que rehacer en &quot;%1&quot;</translation>
    </message>
    <message>
        <source>change set %1 (%2) also changed files outside &quot;%3&quot;: %4; undo it from a folder that holds them all</source>
        <translation>el cambio %1 (%2) también cambió archivos fuera de &quot;%3&quot;: %4; deshágalo desde una carpeta que los contenga todos</translation>
    </message>
    <message>
        <source>change set %1 (%2) also changed files outside &quot;%3&quot;: %4; redo it from a folder that holds them all</source>
        <translation>el cambio %1 (%2) también cambió archivos fuera de &quot;%3&quot;: %4; rehágalo desde una carpeta que los contenga todos</translation>
    </message>
    <message>
        <source>change set %1 is not in the history</source>
        <translation>el cambio %1 no está en el historial</translation>
    </message>
    <message>
        <source>change set %1 holds no file</source>
        <translation>el cambio %1 no contiene ningún archivo</translation>
    </message>
    <message>
        <source>change set %1 records another program&apos;s change: restore its files instead</source>
        <translation>el cambio %1 recoge el cambio de otro programa: restaure sus archivos en su lugar</translation>
    </message>
    <message>
        <source>change set %1 is already taken back by change set %2</source>
        <translation>el cambio %1 ya lo deshizo el cambio %2</translation>
    </message>
    <message>
        <source>changed outside, and the history cannot keep it: %1; nothing was changed</source>
        <translation>cambiado fuera, y el historial no puede guardarlo: %1; no se ha cambiado nada</translation>
    </message>
    <message>
        <source>it is turned off</source>
        <translation>está desactivado</translation>
    </message>
    <message>
        <source>cannot find &quot;%1&quot;</source>
        <translation>no se encuentra &quot;%1&quot;</translation>
    </message>
    <message>
        <source>cannot keep the planned files&apos; bytes in &quot;%1&quot;: %2</source>
        <translation>no se pueden guardar los bytes de los archivos previstos en &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>cannot read back the planned files&apos; bytes from &quot;%1&quot;: %2</source>
        <translation>no se pueden volver a leer los bytes de los archivos previstos de &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>a planned file is too large</source>
        <translation>un archivo previsto es demasiado grande</translation>
    </message>
    <message>
        <source>a planned file&apos;s bytes are not in its plan</source>
        <translation>los bytes de un archivo previsto no están en su plan</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::FieldNames</name>
    <message>
        <source>Punches</source>
        <translation>Puños</translation>
    </message>
    <message>
        <source>Kicks</source>
        <translation>Patadas</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Fuerza</translation>
    </message>
    <message>
        <source>Clinch</source>
        <translation>Agarres</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agilidad</translation>
    </message>
    <message>
        <source>Dodge</source>
        <translation>Esquiva</translation>
    </message>
    <message>
        <source>Motivation</source>
        <translation>Motivación</translation>
    </message>
    <message>
        <source>Takedowns</source>
        <translation>Derribo</translation>
    </message>
    <message>
        <source>Takedown defence</source>
        <translation>Def contra derribos</translation>
    </message>
    <message>
        <source>Submission</source>
        <translation>Sometimiento</translation>
    </message>
    <message>
        <source>Submission defence</source>
        <translation>Def contra sometimiento</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Fondo</translation>
    </message>
    <message>
        <source>Fortitude</source>
        <translation>Resistencia</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Ritmo</translation>
    </message>
    <message>
        <source>Aggressivity</source>
        <translation>Agresividad</translation>
    </message>
    <message>
        <source>KO resistance</source>
        <translation>Resistencia al KO</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nombre completo</translation>
    </message>
    <message>
        <source>Common name</source>
        <translation>Nombre común</translation>
    </message>
    <message>
        <source>Game plan</source>
        <translation>Estrategia</translation>
    </message>
    <message>
        <source>Weight class</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Estatura</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Ground game</source>
        <translation>Suelo</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Nacionalidad</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Sherdog ID</source>
        <translation>ID de Sherdog</translation>
    </message>
    <message>
        <source>Line 28</source>
        <translation>Línea 28</translation>
    </message>
    <message>
        <source>Lines after line 28</source>
        <translation>Líneas tras la línea 28</translation>
    </message>
    <message>
        <source>Ground&apos;n&apos;Pound</source>
        <translation>Ground&apos;n&apos;Pound</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::HistoryDock</name>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>&amp;History panel</source>
        <translation>Panel de &amp;historial</translation>
    </message>
    <message>
        <source>Change sets</source>
        <translation>Cambios</translation>
    </message>
    <message>
        <source>Changes of the selected set</source>
        <translation>Cambios del elemento seleccionado</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>Res&amp;tore this version…</source>
        <translation>Res&amp;taurar esta versión…</translation>
    </message>
    <message>
        <source>Every file of the selected set as it was right after it, through a preview</source>
        <translation>Cada archivo del cambio seleccionado como quedó justo después de él, con una vista previa</translation>
    </message>
    <message>
        <source>U&amp;ndo this change…</source>
        <translation>&amp;Deshacer este cambio…</translation>
    </message>
    <message>
        <source>Every file of the selected set as it was right before it, through a preview</source>
        <translation>Cada archivo del cambio seleccionado como estaba justo antes de él, con una vista previa</translation>
    </message>
    <message>
        <source>The history cannot be read: %1</source>
        <translation>No se puede leer el historial: %1</translation>
    </message>
    <message>
        <source>Re&amp;do this change…</source>
        <translation>R&amp;ehacer este cambio…</translation>
    </message>
    <message>
        <source>The set is no longer in the history.</source>
        <translation>El cambio ya no está en el historial.</translation>
    </message>
    <message>
        <source>… and %1 more files</source>
        <translation>… y %1 archivos más</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::HistoryModel</name>
    <message>
        <source>created</source>
        <translation>creado</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>cambiado</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>eliminado</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>does not load</source>
        <translation>no se carga</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>redone by %1</source>
        <translation>rehecho por %1</translation>
    </message>
    <message>
        <source>undone by %1</source>
        <translation>deshecho por %1</translation>
    </message>
    <message>
        <source>Id</source>
        <translation>Id</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>Taken back</source>
        <translation>Deshecho</translation>
    </message>
    <message>
        <source>Ratings: %1</source>
        <translation>Valoraciones: %1</translation>
    </message>
    <message>
        <source>Before, it does not load: %1</source>
        <translation>Antes no se carga: %1</translation>
    </message>
    <message>
        <source>After, it does not load: %1</source>
        <translation>Después no se carga: %1</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::ImportPreview</name>
    <message>
        <source>Import %1</source>
        <translation>Importar %1</translation>
    </message>
    <message>
        <source>%1 to create, %2 to replace, %3 unchanged; problems: %4.</source>
        <translation>%1 por crear, %2 por sustituir, %3 sin cambios; problemas: %4.</translation>
    </message>
    <message>
        <source>Nothing can be applied until every problem is mended.</source>
        <translation>No se puede aplicar nada hasta que se corrijan todos los problemas.</translation>
    </message>
    <message>
        <source>The table changes nothing.</source>
        <translation>La tabla no cambia nada.</translation>
    </message>
    <message>
        <source>Applying the table</source>
        <translation>Aplicando la tabla</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Aplicar</translation>
    </message>
    <message>
        <source>An import cut short before was put back first:</source>
        <translation>Antes se ha deshecho una importación interrumpida:</translation>
    </message>
    <message>
        <source>Match rows by &amp;Sherdog ID (whatever their file cell says)</source>
        <translation>Emparejar las filas por ID de &amp;Sherdog (diga lo que diga su celda file)</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::MergeDialog</name>
    <message>
        <source>Merge fighters</source>
        <translation>Fusionar luchadores</translation>
    </message>
    <message>
        <source>&amp;Keep the file:</source>
        <translation>&amp;Conservar el archivo:</translation>
    </message>
    <message>
        <source>Keep the file</source>
        <translation>Conservar el archivo</translation>
    </message>
    <message>
        <source>Fields</source>
        <translation>Campos</translation>
    </message>
    <message>
        <source>Check the text each differing field takes (Space checks the current cell).</source>
        <translation>Marque el texto que toma cada campo distinto (Espacio marca la celda actual).</translation>
    </message>
    <message>
        <source>&amp;Merge</source>
        <translation>&amp;Fusionar</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Differs</source>
        <translation>Difiere</translation>
    </message>
    <message>
        <source>Kept: %1</source>
        <translation>Se conserva: %1</translation>
    </message>
    <message>
        <source>Removed: %1</source>
        <translation>Se elimina: %1</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>difiere</translation>
    </message>
    <message>
        <source>Fields that differ: %1. Each takes the text of %2, changed last, unless you check the other. %3 is written with the texts checked and %4 is removed, in one change.</source>
        <translation>Campos distintos: %1. Cada uno toma el texto de %2, el último modificado, salvo que marque el otro. %3 se escribe con los textos marcados y %4 se elimina, en un solo cambio.</translation>
    </message>
    <message>
        <source>These two cannot be merged.
%1: %2</source>
        <translation>Estos dos no se pueden fusionar.
%1: %2</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::RosterCards</name>
    <message>
        <source>Saving cards</source>
        <translation>Guardando fichas</translation>
    </message>
    <message>
        <source>Cards: %v of %m</source>
        <translation>Fichas: %v de %m</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stop saving cards</source>
        <translation>Dejar de guardar fichas</translation>
    </message>
    <message>
        <source>Save cards</source>
        <translation>Guardar fichas</translation>
    </message>
    <message>
        <source>Select the fighters whose cards to save.</source>
        <translation>Seleccione los luchadores cuyas fichas quiere guardar.</translation>
    </message>
    <message>
        <source>Save the cards into a folder</source>
        <translation>Guardar las fichas en una carpeta</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be made</source>
        <translation>no se puede crear la carpeta &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Cards written to &quot;%1&quot;: %2.</source>
        <translation>Fichas escritas en &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Stopped before the rest.</source>
        <translation>Se ha detenido antes del resto.</translation>
    </message>
    <message>
        <source>Not written:</source>
        <translation>No escritas:</translation>
    </message>
    <message>
        <source>… and %1 more</source>
        <translation>… y %1 más</translation>
    </message>
    <message>
        <source>Cards already in &quot;%1&quot; would be replaced: %2. Replace them?</source>
        <translation>Se sustituirían fichas que ya están en &quot;%1&quot;: %2. ¿Desea sustituirlas?</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::RosterColumns</name>
    <message>
        <source>Co&amp;lumns</source>
        <translation>Co&amp;lumnas</translation>
    </message>
    <message>
        <source>Show all &amp;attributes</source>
        <translation>Mostrar todos los &amp;atributos</translation>
    </message>
    <message>
        <source>&amp;Hide the attributes</source>
        <translation>&amp;Ocultar los atributos</translation>
    </message>
    <message>
        <source>&amp;Columns as at first</source>
        <translation>&amp;Columnas como al principio</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::RosterCompare</name>
    <message>
        <source>added</source>
        <translation>añadido</translation>
    </message>
    <message>
        <source>removed</source>
        <translation>eliminado</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>cambiado</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renombrado</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>fila %1</translation>
    </message>
    <message>
        <source>This folder</source>
        <translation>Esta carpeta</translation>
    </message>
    <message>
        <source>Compare with folder or table</source>
        <translation>Comparar con carpeta o tabla</translation>
    </message>
    <message>
        <source>&amp;Other roster:</source>
        <translation>&amp;Otra plantilla:</translation>
    </message>
    <message>
        <source>Other roster</source>
        <translation>Otra plantilla</translation>
    </message>
    <message>
        <source>A folder, a CSV table or a JSON table</source>
        <translation>Una carpeta, una tabla CSV o una tabla JSON</translation>
    </message>
    <message>
        <source>&amp;Folder…</source>
        <translation>&amp;Carpeta…</translation>
    </message>
    <message>
        <source>&amp;Table…</source>
        <translation>&amp;Tabla…</translation>
    </message>
    <message>
        <source>&amp;Pair fighters:</source>
        <translation>&amp;Emparejar luchadores:</translation>
    </message>
    <message>
        <source>Pair fighters</source>
        <translation>Emparejar luchadores</translation>
    </message>
    <message>
        <source>By file</source>
        <translation>Por archivo</translation>
    </message>
    <message>
        <source>By Sherdog ID</source>
        <translation>Por ID de Sherdog</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>Co&amp;mparar</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferencias</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Changed fields</source>
        <translation>Campos cambiados</translation>
    </message>
    <message>
        <source>Both versions</source>
        <translation>Ambas versiones</translation>
    </message>
    <message>
        <source>Compare with folder</source>
        <translation>Comparar con carpeta</translation>
    </message>
    <message>
        <source>Compare with table</source>
        <translation>Comparar con tabla</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tablas</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Name the folder or table to compare the roster with.</source>
        <translation>Indique la carpeta o la tabla con la que comparar la plantilla.</translation>
    </message>
    <message>
        <source>Comparing…</source>
        <translation>Comparando…</translation>
    </message>
    <message>
        <source>The rosters could not be compared:</source>
        <translation>No se han podido comparar las plantillas:</translation>
    </message>
    <message>
        <source>The rosters hold the same fighters. </source>
        <translation>Las plantillas tienen los mismos luchadores. </translation>
    </message>
    <message>
        <source>%1 added, %2 removed, %3 changed, %4 renamed, %5 unchanged.</source>
        <translation>%1 añadidos, %2 eliminados, %3 cambiados, %4 renombrados, %5 sin cambios.</translation>
    </message>
    <message>
        <source>Added: only in the other roster; removed: only in this folder.</source>
        <translation>Añadido: solo en la otra plantilla; eliminado: solo en esta carpeta.</translation>
    </message>
    <message>
        <source>not compared</source>
        <translation>sin comparar</translation>
    </message>
    <message>
        <source>Sherdog ID %1 is held by more than one fighter</source>
        <translation>El ID de Sherdog %1 lo tiene más de un luchador</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>Cambiado</translation>
    </message>
    <message>
        <source>This folder: %1</source>
        <translation>Esta carpeta: %1</translation>
    </message>
    <message>
        <source>Both versions of %1</source>
        <translation>Ambas versiones de %1</translation>
    </message>
    <message>
        <source>does not load: %1</source>
        <translation>no se carga: %1</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::RosterMerge</name>
    <message>
        <source>&amp;Merge…</source>
        <translation>&amp;Fusionar…</translation>
    </message>
    <message>
        <source>Merge fighters</source>
        <translation>Fusionar luchadores</translation>
    </message>
    <message>
        <source>Select two files of one fighter (Duplicates shows them), then merge them.</source>
        <translation>Seleccione dos archivos de un mismo luchador (Duplicados los muestra) y luego fusiónelos.</translation>
    </message>
    <message>
        <source>These two cannot be merged.
%1</source>
        <translation>Estos dos no se pueden fusionar.
%1</translation>
    </message>
    <message>
        <source>Nothing was merged.
%1</source>
        <translation>No se ha fusionado nada.
%1</translation>
    </message>
    <message>
        <source>Nothing was merged.</source>
        <translation>No se ha fusionado nada.</translation>
    </message>
    <message>
        <source>The merge failed.</source>
        <translation>La fusión ha fallado.</translation>
    </message>
    <message>
        <source>A merge cut short before was put back first:</source>
        <translation>Antes se ha deshecho una fusión interrumpida:</translation>
    </message>
    <message>
        <source>Nothing was merged: %1 changed since the dialog showed it. Its fields are shown again as they are now; check them, then merge.</source>
        <translation>No se fusionó nada: %1 ha cambiado desde que el diálogo lo mostró. Sus campos se muestran de nuevo tal como están ahora; revíselos y luego fusione.</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::RosterModel</name>
    <message>
        <source>Problem: %1</source>
        <translation>Problema: %1</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Nombre completo</translation>
    </message>
    <message>
        <source>Common name</source>
        <translation>Nombre común</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Nacionalidad</translation>
    </message>
    <message>
        <source>Weight class</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Game plan</source>
        <translation>Estrategia</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Estatura</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Peso</translation>
    </message>
    <message>
        <source>Date of birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Sherdog ID</source>
        <translation>ID Sherdog</translation>
    </message>
    <message>
        <source>Warnings</source>
        <translation>Avisos</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::RosterRow</name>
    <message>
        <source>Its name is not UTF-8, which the editor cannot open: rename the file to open it</source>
        <translation>Su nombre no es UTF-8, y el editor no puede abrirlo: cambie el nombre del archivo para abrirlo</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::RosterTransfer</name>
    <message>
        <source>… and %1 more</source>
        <translation>… y %1 más</translation>
    </message>
    <message>
        <source>No rows are shown: there is nothing to export.</source>
        <translation>No se muestra ninguna fila: no hay nada que exportar.</translation>
    </message>
    <message>
        <source>Export shown rows</source>
        <translation>Exportar las filas mostradas</translation>
    </message>
    <message>
        <source>CSV table</source>
        <translation>Tabla CSV</translation>
    </message>
    <message>
        <source>JSON table</source>
        <translation>Tabla JSON</translation>
    </message>
    <message>
        <source>The table &quot;%1&quot; could not be written: %2</source>
        <translation>No se ha podido escribir la tabla &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Fighters written to &quot;%1&quot;: %2.</source>
        <translation>Luchadores escritos en &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Left out, as they do not load cleanly:</source>
        <translation>Omitidos, porque no se cargan correctamente:</translation>
    </message>
    <message>
        <source>Import table</source>
        <translation>Importar tabla</translation>
    </message>
    <message>
        <source>Tables</source>
        <translation>Tablas</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>Files written: %1.</source>
        <translation>Archivos escritos: %1.</translation>
    </message>
    <message>
        <source>The table was not applied.
%1</source>
        <translation>No se ha aplicado la tabla.
%1</translation>
    </message>
    <message>
        <source>CSV for a spreadsheet, semicolons</source>
        <translation>CSV para una hoja de cálculo, con punto y coma</translation>
    </message>
    <message>
        <source>CSV for a spreadsheet, commas</source>
        <translation>CSV para una hoja de cálculo, con comas</translation>
    </message>
    <message>
        <source>&quot;%1&quot; does not end in .%2, as a file of the type &quot;%3&quot; does.

Export it as &quot;%4&quot;?</source>
        <translation>&quot;%1&quot; no termina en .%2, como los archivos del tipo &quot;%3&quot;.

¿Exportarlo como &quot;%4&quot;?</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::RosterUndo</name>
    <message>
        <source>would restore</source>
        <translation>se restauraría</translation>
    </message>
    <message>
        <source>would remove</source>
        <translation>se eliminaría</translation>
    </message>
    <message>
        <source>would recreate</source>
        <translation>se volvería a crear</translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>; changed outside: kept in the history first</source>
        <translation>; cambiado fuera: antes se guarda en el historial</translation>
    </message>
    <message>
        <source>Last change taken back</source>
        <translation>Último cambio deshecho</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>The change</source>
        <translation>El cambio</translation>
    </message>
    <message>
        <source>%1 to restore, %2 to recreate, %3 to remove, %4 unchanged.</source>
        <translation>%1 por restaurar, %2 por volver a crear, %3 por eliminar, %4 sin cambios.</translation>
    </message>
    <message>
        <source>%1 changed outside since the history last saw them: their bytes are kept in the history before they are replaced.</source>
        <translation>%1 cambiaron fuera desde que el historial los vio por última vez: su contenido se guarda en el historial antes de sustituirlos.</translation>
    </message>
    <message>
        <source>Nothing can be applied until every problem is mended.</source>
        <translation>No se puede aplicar nada hasta que se corrijan todos los problemas.</translation>
    </message>
    <message>
        <source>%1: %2 restored, %3 recreated, %4 removed, %5 unchanged.</source>
        <translation>%1: %2 restaurados, %3 vueltos a crear, %4 eliminados, %5 sin cambios.</translation>
    </message>
    <message>
        <source>%1: nothing was changed. %2</source>
        <translation>%1: no se ha cambiado nada. %2</translation>
    </message>
    <message>
        <source>%1 failed. %2</source>
        <translation>%1 ha fallado. %2</translation>
    </message>
    <message>
        <source>%1 had been changed outside: kept in the history as %2.</source>
        <translation>%1 se había cambiado fuera: se guarda en el historial como %2.</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer %1</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Restore the version of change set %1</source>
        <translation>Restaurar la versión del cambio %1</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>The change was made, but the history cannot keep it: it cannot be taken back later.

%1</source>
        <translation>El cambio se ha hecho, pero el historial no puede guardarlo: no podrá deshacerse después.

%1</translation>
    </message>
    <message>
        <source>Change without history</source>
        <translation>Cambio sin historial</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::RosterWindow</name>
    <message>
        <source>&amp;Open folder…</source>
        <translation>&amp;Abrir carpeta…</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Volver a leer</translation>
    </message>
    <message>
        <source>&amp;Export shown rows…</source>
        <translation>&amp;Exportar las filas mostradas…</translation>
    </message>
    <message>
        <source>&amp;Import table…</source>
        <translation>&amp;Importar tabla…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Open in the &amp;editor</source>
        <translation>Abrir en el &amp;editor</translation>
    </message>
    <message>
        <source>&amp;Compare</source>
        <translation>&amp;Comparar</translation>
    </message>
    <message>
        <source>&amp;Sort by this column</source>
        <translation>&amp;Ordenar por esta columna</translation>
    </message>
    <message>
        <source>&amp;Roster</source>
        <translation>&amp;Plantilla</translation>
    </message>
    <message>
        <source>&amp;Fighters</source>
        <translation>&amp;Luchadores</translation>
    </message>
    <message>
        <source>Open roster folder</source>
        <translation>Abrir carpeta de la plantilla</translation>
    </message>
    <message>
        <source>Select two to four fighters that load, then compare them.</source>
        <translation>Seleccione de dos a cuatro luchadores que se carguen y compárelos.</translation>
    </message>
    <message>
        <source>Compare fighters</source>
        <translation>Comparar luchadores</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>File, name or nationality (Ctrl+F)</source>
        <translation>Archivo, nombre o nacionalidad (Ctrl+F)</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>&amp;Weight class:</source>
        <translation>&amp;Categoría:</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Weight class</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Fighters</source>
        <translation>Luchadores</translation>
    </message>
    <message>
        <source>Reading the folder</source>
        <translation>Leyendo la carpeta</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer la carpeta &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Plantilla</translation>
    </message>
    <message>
        <source>Roster — %1</source>
        <translation>Plantilla — %1</translation>
    </message>
    <message>
        <source>The folder cannot be watched; it is looked at every second.</source>
        <translation>No se puede vigilar la carpeta; se revisa cada segundo.</translation>
    </message>
    <message>
        <source>%1 of %2 fighters shown, %3 with problems</source>
        <translation>%1 de %2 luchadores mostrados, %3 con problemas</translation>
    </message>
    <message>
        <source>; %1 selected</source>
        <translation>; %1 seleccionados</translation>
    </message>
    <message>
        <source>Save &amp;cards as PNG…</source>
        <translation>Guardar &amp;fichas como PNG…</translation>
    </message>
    <message>
        <source>Save cards as S&amp;VG…</source>
        <translation>Guardar fichas como S&amp;VG…</translation>
    </message>
    <message>
        <source>Save cards as P&amp;DF…</source>
        <translation>Guardar fichas como P&amp;DF…</translation>
    </message>
    <message>
        <source>Compare with folder or &amp;table…</source>
        <translation>Comparar con carpeta o &amp;tabla…</translation>
    </message>
    <message>
        <source>&amp;History</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>Set for &amp;selected…</source>
        <translation>&amp;Fijar para los seleccionados…</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 of &quot;%2&quot; saved.</source>
        <translation>%1 de &quot;%2&quot; guardado.</translation>
    </message>
    <message>
        <source>%1 of &quot;%2&quot; was not saved: %3</source>
        <translation>%1 de &quot;%2&quot; no se ha guardado: %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; changed on disk while its cell was edited: nothing was written, and its row now shows the file as it is.</source>
        <translation>&quot;%1&quot; cambió en el disco mientras se editaba su celda: no se ha escrito nada, y su fila muestra ahora el archivo tal como está.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written: %2</source>
        <translation>No se ha podido escribir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Selected rows</source>
        <translation>Filas seleccionadas</translation>
    </message>
    <message>
        <source>All shown rows</source>
        <translation>Todas las filas mostradas</translation>
    </message>
    <message>
        <source>The change was written.</source>
        <translation>Se ha escrito el cambio.</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::RowWarnings</name>
    <message>
        <source>%1 is %2, outside 1..20: the editor shows %3</source>
        <translation>%1 vale %2, fuera de 1..20: el editor muestra %3</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is no weight class: the editor shows none</source>
        <translation>%1 &apos;%2&apos; no es ninguna categoría: el editor no muestra ninguna</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; is no game plan: the editor shows none</source>
        <translation>%1 &apos;%2&apos; no es ninguna estrategia: el editor no muestra ninguna</translation>
    </message>
    <message>
        <source>%1 is empty: the editor saves no fighter without it</source>
        <translation>%1 está vacío: el editor no guarda ningún luchador sin él</translation>
    </message>
    <message>
        <source>%1 &apos;%2&apos; looks like UTF-8 read as Windows-1252 (&apos;%3&apos;)</source>
        <translation>%1 &apos;%2&apos; parece UTF-8 leído como Windows-1252 (&apos;%3&apos;)</translation>
    </message>
    <message>
        <source>the file ends after line %1; a fighter file has 28 lines</source>
        <translation>el archivo termina tras la línea %1; un archivo de luchador tiene 28 líneas</translation>
    </message>
    <message>
        <source>%1 holds &apos;%2&apos;, where the editor reads a whole number</source>
        <translation>%1 contiene &apos;%2&apos;, donde el editor lee un número entero</translation>
    </message>
    <message>
        <source>&apos;%1&apos; stands where the editor reads a whole number</source>
        <translation>&apos;%1&apos; está donde el editor lee un número entero</translation>
    </message>
    <message>
        <source>the file is not there any more</source>
        <translation>el archivo ya no está</translation>
    </message>
    <message>
        <source>you may not read this file</source>
        <translation>no tiene permiso para leer este archivo</translation>
    </message>
    <message>
        <source>the file is larger than the editor loads</source>
        <translation>el archivo es mayor de lo que carga el editor</translation>
    </message>
    <message>
        <source>this is a folder, not a file</source>
        <translation>es una carpeta, no un archivo</translation>
    </message>
    <message>
        <source>the file cannot be read: %1</source>
        <translation>no se puede leer el archivo: %1</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::SavedSelections</name>
    <message>
        <source>Se&amp;lections</source>
        <translation>Se&amp;lecciones</translation>
    </message>
    <message>
        <source>Keep the search and the weight class shown under the name:</source>
        <translation>Guardar la búsqueda y la categoría mostradas con el nombre:</translation>
    </message>
    <message>
        <source>Save the selection</source>
        <translation>Guardar la selección</translation>
    </message>
    <message>
        <source>&amp;Save the selection…</source>
        <translation>&amp;Guardar la selección…</translation>
    </message>
    <message>
        <source>&amp;Forget</source>
        <translation>&amp;Olvidar</translation>
    </message>
</context>
<context>
    <name>ostrak::roster::UnreadFolders</name>
    <message>
        <source>; %1 folders not read in all</source>
        <translation>; %1 carpetas sin leer en total</translation>
    </message>
</context>
</TS>
