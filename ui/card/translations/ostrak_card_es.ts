<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>ostrak::CardSaver</name>
    <message>
        <source>Save card</source>
        <translation>Guardar ficha</translation>
    </message>
    <message>
        <source>card</source>
        <translation>ficha</translation>
    </message>
</context>
<context>
    <name>ostrak::Drawing</name>
    <message>
        <source>the picture could not be made</source>
        <translation>no se ha podido crear la imagen</translation>
    </message>
    <message>
        <source>PNG picture</source>
        <translation>Imagen PNG</translation>
    </message>
    <message>
        <source>PNG picture, twice the size</source>
        <translation>Imagen PNG, al doble de tamaño</translation>
    </message>
    <message>
        <source>PNG picture, three times the size</source>
        <translation>Imagen PNG, al triple de tamaño</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dibujo SVG</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Documento PDF</translation>
    </message>
</context>
<context>
    <name>ostrak::SaveDrawing</name>
    <message>
        <source>&quot;%1&quot; already exists. Replace it?</source>
        <translation>Ya existe &quot;%1&quot;. ¿Desea sustituirlo?</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved: %2</source>
        <translation>No se ha podido guardar &quot;%1&quot;: %2</translation>
    </message>
</context>
</TS>
