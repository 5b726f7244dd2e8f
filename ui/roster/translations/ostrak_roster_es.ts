<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
</context>
<context>
    <name>ostrak::roster::ImportPreview</name>
    <message>
        <source>would create</source>
        <translation>se crearía</translation>
    </message>
    <message>
        <source>would replace</source>
        <translation>se sustituiría</translation>
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
        <source>Import %1</source>
        <translation>Importar %1</translation>
    </message>
    <message>
        <source>%1 to create, %2 to replace, %3 unchanged, %4 problems.</source>
        <translation>%1 por crear, %2 por sustituir, %3 sin cambios, %4 problemas.</translation>
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
        <source>Files</source>
        <translation>Archivos</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importación</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>Row %1</source>
        <translation>Fila %1</translation>
    </message>
    <message>
        <source>The table</source>
        <translation>La tabla</translation>
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
        <source>would remove</source>
        <translation>se eliminaría</translation>
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
        <source>Some folders could not be read.</source>
        <translation>Algunas carpetas no se han podido leer.</translation>
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
</context>
</TS>
