<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AlignedLayer</name>
    <message>
        <location filename="../../src/render/AlignedLayer.cpp" line="47"/>
        <source>Photo %1%2 could not be aligned: %3.</source>
        <translation>Foto %1%2 konnte nicht ausgerichtet werden: %3.</translation>
    </message>
</context>
<context>
    <name>Alignment</name>
    <message>
        <location filename="../../src/imaging/Alignment.cpp" line="218"/>
        <source>too few details match the background (%1 agree, at least %2 are needed)</source>
        <translation>zu wenige Einzelheiten passen zum Hintergrund (%1 stimmen überein, mindestens %2 sind nötig)</translation>
    </message>
    <message>
        <location filename="../../src/imaging/Alignment.cpp" line="261"/>
        <source>the details that match give no sensible mapping onto the background</source>
        <translation>die passenden Einzelheiten ergeben keine sinnvolle Abbildung auf den Hintergrund</translation>
    </message>
    <message>
        <location filename="../../src/imaging/Alignment.cpp" line="278"/>
        <source>there is not enough memory to compare it with the background</source>
        <translation>es ist nicht genug Speicher da, um es mit dem Hintergrund zu vergleichen</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="33"/>
        <source>The page could not be opened</source>
        <translation>Die Seite konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="34"/>
        <source>No web browser could open %1.</source>
        <translation>Kein Webbrowser konnte %1 öffnen.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate.cpp" line="48"/>
        <source>Rendering…</source>
        <translation>Berechnen …</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate.cpp" line="89"/>
        <location filename="../../src/app/AppDelegate_Align.cpp" line="66"/>
        <location filename="../../src/app/AppDelegate_Files.cpp" line="44"/>
        <location filename="../../src/app/AppDelegate_List.cpp" line="39"/>
        <location filename="../../src/app/AppDelegate_List.cpp" line="95"/>
        <location filename="../../src/app/AppDelegate_List.cpp" line="120"/>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="35"/>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="81"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="36"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="101"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="236"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="240"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="336"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="40"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate.cpp" line="89"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate.cpp" line="89"/>
        <source>Error #0008. Application will exit.</source>
        <translation>Fehler #0008. Das Programm wird beendet.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="77"/>
        <source>Version %1

Mixes several photos into one picture.

Licence: %2

Credits: the Quillane developers. Built with Qt %3, ISA-L and zlib.

%4</source>
        <translation>Version %1

Mischt mehrere Fotos zu einem Bild.

Lizenz: %2

Dank: die Quillane-Entwickler. Erstellt mit Qt %3, ISA-L und zlib.

%4</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="79"/>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="81"/>
        <source>About Quillane</source>
        <translation>Über Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="43"/>
        <source>The picture could not be copied</source>
        <translation>Das Bild konnte nicht kopiert werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="55"/>
        <source>Copying the picture…</source>
        <translation>Bild wird kopiert …</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="64"/>
        <source>The picture (%1 × %2) is on the clipboard.</source>
        <translation>Das Bild (%1 × %2) liegt in der Zwischenablage.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="80"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="36"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="109"/>
        <source>The picture could not be saved</source>
        <translation>Das Bild konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="86"/>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>„%1“ ist bereits vorhanden. Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="87"/>
        <source>A file of that name is in %1. Replacing it overwrites what it holds.</source>
        <translation>In %1 liegt eine Datei dieses Namens. Beim Ersetzen wird ihr Inhalt überschrieben.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="99"/>
        <source>The picture was saved as %1.</source>
        <translation>Das Bild wurde als %1 gespeichert.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="116"/>
        <source>The output folder %1 cannot be written to.</source>
        <translation>In den Ausgabeordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="135"/>
        <source>The picture could not be saved in the output folder</source>
        <translation>Das Bild konnte nicht im Ausgabeordner gespeichert werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="136"/>
        <source>%1 Choose another place for it.</source>
        <translation>%1 Wählen Sie einen anderen Ort dafür.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="137"/>
        <source>Choose…</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="138"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="192"/>
        <source>Select a folder to save the captured image</source>
        <translation>Ordner zum Speichern des Bildes wählen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="212"/>
        <source> The picture is still at “%1”.</source>
        <translation> Das Bild liegt weiterhin unter „%1“.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="229"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="256"/>
        <source>another picture is still being written.</source>
        <translation>ein anderes Bild wird noch geschrieben.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="236"/>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="236"/>
        <source>Image file saved successfully.</source>
        <translation>Die Bilddatei wurde gespeichert.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="236"/>
        <source>View Image File</source>
        <translation>Bilddatei anzeigen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="238"/>
        <source>The picture could not be shown</source>
        <translation>Das Bild konnte nicht angezeigt werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="271"/>
        <source>Writing %1…</source>
        <translation>%1 wird geschrieben …</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="94"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="239"/>
        <source>No program could open %1.</source>
        <translation>Kein Programm konnte %1 öffnen.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="336"/>
        <source>The picture could not be shared</source>
        <translation>Das Bild konnte nicht geteilt werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="137"/>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="24"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="34"/>
        <source>%1[*] — Quillane</source>
        <translation>%1[*] — Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="47"/>
        <source>Linear horizontal</source>
        <translation>Linear waagerecht</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="47"/>
        <source>Linear vertical</source>
        <translation>Linear senkrecht</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="48"/>
        <source>Composite</source>
        <translation>Überlagerung</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="48"/>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="49"/>
        <source>Transparent</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="49"/>
        <source>Exposure fusion</source>
        <translation>Belichtungsfusion</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="52"/>
        <source>Preview of the mixed picture</source>
        <translation>Vorschau des gemischten Bildes</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="55"/>
        <source>%1 of 1 photo</source>
        <translation>%1 aus 1 Foto</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="55"/>
        <source>%1 of %2 photos</source>
        <translation>%1 aus %2 Fotos</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="59"/>
        <source>, %1 × %2, %3</source>
        <translation>, %1 × %2, %3</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="69"/>
        <source>Do you want to save the changes to %1?</source>
        <translation>Möchten Sie die Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="70"/>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="71"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="71"/>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="23"/>
        <source>%1 is not a Quillane project: %2.</source>
        <translation>%1 ist kein Quillane-Projekt: %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="25"/>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="27"/>
        <source>%1 is a damaged project: %2.</source>
        <translation>%1 ist ein beschädigtes Projekt: %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="49"/>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="49"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="139"/>
        <source>Quillane projects</source>
        <translation>Quillane-Projekte</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="78"/>
        <source>%1

Open %2 without this photo, or cancel and keep the current project?</source>
        <translation>%1

%2 ohne dieses Foto öffnen, oder abbrechen und das aktuelle Projekt behalten?</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="89"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="82"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="148"/>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="71"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="82"/>
        <source>A photo of the project is missing</source>
        <translation>Ein Foto des Projekts fehlt</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="82"/>
        <source>Skip Photo</source>
        <translation>Foto überspringen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="100"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="106"/>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="107"/>
        <source>The project could not be opened</source>
        <translation>Das Projekt konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="101"/>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="129"/>
        <source>There is nothing to save</source>
        <translation>Es gibt nichts zu speichern</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="130"/>
        <source>Add at least one photo before saving the project.</source>
        <translation>Fügen Sie mindestens ein Foto hinzu, bevor Sie das Projekt speichern.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="138"/>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="146"/>
        <source>%1 already exists.</source>
        <translation>%1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="147"/>
        <source>Do you want to replace it?</source>
        <translation>Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="89"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="148"/>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="154"/>
        <source>The project could not be saved</source>
        <translation>Das Projekt konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="155"/>
        <source>%1 was not written: %2.</source>
        <translation>%1 wurde nicht geschrieben: %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="108"/>
        <source>%1 is no longer there.</source>
        <translation>%1 ist nicht mehr vorhanden.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Files.cpp" line="28"/>
        <source>Add photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Files.cpp" line="28"/>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Files.cpp" line="42"/>
        <source>The files could not be opened</source>
        <translation>Die Dateien konnten nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Files.cpp" line="43"/>
        <source>Quillane opens one project at a time: choose a single project file.</source>
        <translation>Quillane öffnet jeweils ein Projekt: Wählen Sie eine einzelne Projektdatei.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="39"/>
        <source>The photo could not be replaced</source>
        <translation>Das Foto konnte nicht ersetzt werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="54"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="55"/>
        <source>Replace Photo…</source>
        <translation>Foto ersetzen …</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="56"/>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="57"/>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="58"/>
        <source>Show in File Manager</source>
        <translation>In der Dateiverwaltung zeigen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="76"/>
        <source>Replace photo</source>
        <translation>Foto ersetzen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="93"/>
        <source>The folder could not be shown</source>
        <translation>Der Ordner konnte nicht gezeigt werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="119"/>
        <source>The photo could not be added</source>
        <translation>Das Foto konnte nicht hinzugefügt werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="119"/>
        <source>The photos could not be added</source>
        <translation>Die Fotos konnten nicht hinzugefügt werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="126"/>
        <source>Loading photos: %1 of %2</source>
        <translation>Fotos werden geladen: %1 von %2</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Align.cpp" line="64"/>
        <source>No reliable alignment was found</source>
        <translation>Keine verlässliche Ausrichtung gefunden</translation>
    </message>
</context>
<context>
    <name>BlendMode</name>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="10"/>
        <source>Addition Compositing</source>
        <translation>Addition</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="11"/>
        <source>Color Blend Mode</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="12"/>
        <source>Color Burn Blend Mode</source>
        <translation>Farbig nachbelichten</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="13"/>
        <source>Color Dodge Blend Mode</source>
        <translation>Farbig abwedeln</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="14"/>
        <source>Darken Blend Mode</source>
        <translation>Abdunkeln</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="15"/>
        <source>Difference Blend Mode</source>
        <translation>Differenz</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="16"/>
        <source>Divide Blend Mode</source>
        <translation>Dividieren</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="17"/>
        <source>Exclusion Blend Mode</source>
        <translation>Ausschluss</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="18"/>
        <source>Hard Light Blend Mode</source>
        <translation>Hartes Licht</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="19"/>
        <source>Hue Blend Mode</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="20"/>
        <source>Lighten Blend Mode</source>
        <translation>Aufhellen</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="21"/>
        <source>Linear Burn Blend Mode</source>
        <translation>Linear nachbelichten</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="22"/>
        <source>Linear Dodge Blend Mode</source>
        <translation>Linear abwedeln</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="23"/>
        <source>Luminosity Blend Mode</source>
        <translation>Luminanz</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="24"/>
        <source>Maximum Compositing</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="25"/>
        <source>Minimum Compositing</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="26"/>
        <source>Multiply Blend Mode</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="27"/>
        <source>Multiply Compositing</source>
        <translation>Multiplizieren (Zusammensetzen)</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="28"/>
        <source>Overlay Blend Mode</source>
        <translation>Ineinanderkopieren</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="29"/>
        <source>Pin Light Blend Mode</source>
        <translation>Lichtpunkte</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="30"/>
        <source>Saturation Blend Mode</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="31"/>
        <source>Screen Blend Mode</source>
        <translation>Negativ multiplizieren</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="32"/>
        <source>SoftLight Blend Mode</source>
        <translation>Weiches Licht</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="33"/>
        <source>Subtract Blend Mode</source>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="34"/>
        <source>Normal Blend Mode</source>
        <translation>Normal</translation>
    </message>
</context>
<context>
    <name>CompositePipeline</name>
    <message>
        <location filename="../../src/render/CompositePipeline.cpp" line="64"/>
        <source>there is not enough memory to align it to the background.</source>
        <translation>es ist nicht genug Speicher da, um es am Hintergrund auszurichten.</translation>
    </message>
    <message>
        <location filename="../../src/render/CompositePipeline.cpp" line="81"/>
        <source>there is not enough memory to stretch it to the background.</source>
        <translation>es ist nicht genug Speicher da, um es auf den Hintergrund zu strecken.</translation>
    </message>
    <message>
        <location filename="../../src/render/CompositePipeline.cpp" line="213"/>
        <source>there is not enough memory to blend it.</source>
        <translation>es ist nicht genug Speicher da, um es zu mischen.</translation>
    </message>
</context>
<context>
    <name>DecodeGuard</name>
    <message>
        <location filename="../../src/imaging/DecodeGuard.cpp" line="13"/>
        <source>%1 megapixels</source>
        <translation>%1 Megapixel</translation>
    </message>
    <message>
        <location filename="../../src/imaging/DecodeGuard.cpp" line="15"/>
        <source>%1 pixels</source>
        <translation>%1 Pixel</translation>
    </message>
    <message>
        <location filename="../../src/imaging/DecodeGuard.cpp" line="29"/>
        <source>the picture is %1 × %2 pixels (%3), more than one photo may take: at most %4, a quarter of the memory budget of %5.</source>
        <translation>das Bild hat %1 × %2 Pixel (%3), mehr als ein Foto nehmen darf: höchstens %4, ein Viertel des Speicherbudgets von %5.</translation>
    </message>
    <message>
        <location filename="../../src/imaging/DecodeGuard.cpp" line="40"/>
        <source>the picture data is damaged or incomplete.</source>
        <translation>die Bilddaten sind beschädigt oder unvollständig.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <location filename="../../src/imaging/FileAccess.cpp" line="33"/>
        <source>the symbolic link leads nowhere: its links go round in a loop (too many levels of symbolic links).</source>
        <translation>der symbolische Link führt nirgendwohin: seine Links laufen im Kreis (zu viele Ebenen symbolischer Links).</translation>
    </message>
    <message>
        <location filename="../../src/imaging/FileAccess.cpp" line="38"/>
        <source>the symbolic link leads nowhere: %1, where it points, does not exist.</source>
        <translation>der symbolische Link führt nirgendwohin: %1, worauf er zeigt, existiert nicht.</translation>
    </message>
</context>
<context>
    <name>FusionPipeline</name>
    <message>
        <location filename="../../src/render/FusionPipeline.cpp" line="34"/>
        <source>there is not enough memory to bring it onto the background.</source>
        <translation>es ist nicht genug Speicher da, um es auf den Hintergrund zu bringen.</translation>
    </message>
    <message>
        <location filename="../../src/render/FusionPipeline.cpp" line="41"/>
        <source>there is not enough memory to fuse the photos.</source>
        <translation>es ist nicht genug Speicher da, um die Fotos zu fusionieren.</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <location filename="../../src/cli/HelpText.cpp" line="33"/>
        <source>true or false (default %1): %2</source>
        <translation>true oder false (Vorgabe %1): %2</translation>
    </message>
    <message>
        <location filename="../../src/cli/HelpText.cpp" line="35"/>
        <source>%1 to %2 (default %3)</source>
        <translation>%1 bis %2 (Vorgabe %3)</translation>
    </message>
    <message>
        <location filename="../../src/cli/HelpText.cpp" line="38"/>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <location filename="../../src/cli/HelpText.cpp" line="44"/>
        <source> or %1</source>
        <translation> oder %1</translation>
    </message>
    <message>
        <location filename="../../src/cli/HelpText.cpp" line="45"/>
        <source> or the %1&apos;s name, such as &quot;%2&quot;</source>
        <translation> oder ein Name (%1) wie &quot;%2&quot;</translation>
    </message>
    <message>
        <location filename="../../src/cli/HelpText.cpp" line="100"/>
        <source>
Formats: a JPEG picture is at most %1 pixels wide and high, a WebP one %2 and
a PNG one %3 (libpng, with which most programs read PNG, opens nothing
larger); TIFF holds any picture. A larger picture is refused before anything is
written. Writing must fit the memory budget too, with the picture: lossless WebP takes
the most (many times the picture), and lossy WebP takes more for a smaller file only
when the budget allows.
</source>
        <translation>
Formate: Ein JPEG-Bild ist höchstens %1 Pixel breit und hoch, ein WebP-Bild %2 und
ein PNG-Bild %3 (libpng, mit der die meisten Programme PNG lesen, öffnet nichts
Größeres); TIFF nimmt jedes Bild auf. Ein größeres Bild wird abgelehnt, bevor etwas
geschrieben wird. Auch das Schreiben muss mit dem Bild in das Speicherbudget passen:
verlustfreies WebP braucht am meisten (ein Vielfaches des Bildes), und verlustbehaftetes
WebP nimmt für eine kleinere Datei nur dann mehr, wenn das Budget es erlaubt.
</translation>
    </message>
    <message>
        <location filename="../../src/cli/HelpText.cpp" line="116"/>
        <source>
  A later photo of a composite, shape or transparent project may have &quot;mask&quot;: where it
  shows, as painted in Quillane, in fractions of the photo&apos;s own width and height
  (0 to 1 from the top-left corner):
    &quot;mask&quot;: {&quot;gradients&quot;: [{&quot;type&quot;: &quot;linear&quot;, &quot;from&quot;: [0.2, 0.5], &quot;to&quot;: [0.6, 0.5]},
                           {&quot;type&quot;: &quot;radial&quot;, &quot;centre&quot;: [0.5, 0.5], &quot;radius&quot;: 0.3,
                            &quot;inner&quot;: 0.1}],
             &quot;strokes&quot;: [{&quot;paint&quot;: &quot;hide&quot;, &quot;size&quot;: 0.05, &quot;hardness&quot;: 50,
                          &quot;opacity&quot;: 100, &quot;points&quot;: [[0.1, 0.1], [0.3, 0.2]]}],
             &quot;invert&quot;: false}
  Gradients multiply (linear: shown on the &quot;from&quot; side, hidden past &quot;to&quot;; radial: shown
  within &quot;inner&quot;, hidden beyond &quot;radius&quot;, a fraction of the width); strokes, in order,
  hide or show with a brush of diameter &quot;size&quot; (a fraction of the width, above 0, at
  most 2), &quot;hardness&quot; and &quot;opacity&quot; 0 to 100 (default 100); &quot;invert&quot; comes last. Places
  lie within -1 to 2; a project holds at most %1 strokes and %2 points.
</source>
        <translation>
  Ein späteres Foto eines Projekts vom Typ composite, shape oder transparent kann &quot;mask&quot;
  haben: wo es sichtbar ist, wie in Quillane gemalt, in Bruchteilen der eigenen Breite
  und Höhe des Fotos (0 bis 1 von der linken oberen Ecke):
    &quot;mask&quot;: {&quot;gradients&quot;: [{&quot;type&quot;: &quot;linear&quot;, &quot;from&quot;: [0.2, 0.5], &quot;to&quot;: [0.6, 0.5]},
                           {&quot;type&quot;: &quot;radial&quot;, &quot;centre&quot;: [0.5, 0.5], &quot;radius&quot;: 0.3,
                            &quot;inner&quot;: 0.1}],
             &quot;strokes&quot;: [{&quot;paint&quot;: &quot;hide&quot;, &quot;size&quot;: 0.05, &quot;hardness&quot;: 50,
                          &quot;opacity&quot;: 100, &quot;points&quot;: [[0.1, 0.1], [0.3, 0.2]]}],
             &quot;invert&quot;: false}
  Verläufe werden multipliziert (linear: sichtbar auf der Seite von &quot;from&quot;, verborgen
  hinter &quot;to&quot;; radial: sichtbar innerhalb von &quot;inner&quot;, verborgen jenseits von &quot;radius&quot;,
  einem Bruchteil der Breite); Striche verbergen oder zeigen der Reihe nach mit einem
  Pinsel des Durchmessers &quot;size&quot; (ein Bruchteil der Breite, über 0, höchstens 2),
  &quot;hardness&quot; und &quot;opacity&quot; 0 bis 100 (Vorgabe 100); &quot;invert&quot; kommt zuletzt. Orte liegen
  zwischen -1 und 2; ein Projekt hat höchstens %1 Striche und %2 Punkte.
</translation>
    </message>
    <message>
        <location filename="../../src/cli/HelpText.cpp" line="140"/>
        <source>Usage: quillane-mix [OPTIONS] -o OUTPUT PROJECT.json
       quillane-mix [OPTIONS] -O FOLDER PROJECT.json...

Mixes the photos of a project into one picture, as the Quillane preview does, and
writes it as PNG, JPEG, WebP or TIFF, as the output&apos;s extension says. PROJECT.json may
be - to read the project from standard input.

Options:
  -o OUTPUT              the picture to write (replaced only once it is complete; never
                         one of the project&apos;s own files, and never anything but a
                         regular file): .png, .jpg or .jpeg, .webp, .tif or .tiff; -
                         writes it to standard output (with --format)
  -O FOLDER              mix every project given, each into FOLDER/PROJECT.png (or the
                         extension of --format); projects of the same name take in
                         front the names of as few parent folders as tell them apart
                         (a/mix.json and b/mix.json: FOLDER/a-mix.png and
                         FOLDER/b-mix.png); a project that fails does not stop the
                         others
  --format NAME          png, jpeg, webp or tiff: for -o - and -O
  --quality N            1 to 100 for JPEG and lossy WebP (default 90; JPEG from 90 up
                         keeps full colour resolution, below it halves it); refused
                         for PNG and TIFF and with --lossless
  --lossless             WebP without loss; refused for the other formats
  --keep-camera-details  keep the background photo&apos;s camera, lens, exposure and date
                         and time (EXIF) in the picture; never its location and never
                         its orientation (not for standard output)
  --view WIDTHxHEIGHT    write what the preview canvas shows in a view of that size
                         (the picture fitted and centred, black bands and all);
                         without it, the full-resolution picture that Save stores
  --align                align every later photo to the background first, as Align to
                         Background does in the window (composite projects: the photos
                         of the background&apos;s size; fusion projects: all); a photo
                         with too few details in common fails the run
  --memory-budget AMOUNT the memory the render may take as a whole, such as 4G or
                         512M (default: half of this computer&apos;s memory, %1)
  -q, --quiet            no progress lines (they appear on standard error only when
                         it is a terminal)
  -h, --help             show this text
  --version              show the version

With -O, no picture replaces a project file or a photo of any project of the run, nor a
picture the run has written: a project file given twice (also through a link), and a
project whose picture would take a name already taken, are refused and counted as failed.

Photos may be bmp, gif, jpeg, png, tiff, webp, heic/heif, avif, jpeg xl or camera raw
(dng, cr2, cr3, nef, arw, raf, orf, rw2 and others). Pictures carry the sRGB colour
description and no EXIF from the photos unless --keep-camera-details is given. JPEG
has no transparency: transparent parts come out black.

The project file:
  {&quot;mode&quot;: &quot;composite&quot;,
   &quot;photos&quot;: [{&quot;file&quot;: &quot;beach.jpg&quot;},
              {&quot;file&quot;: &quot;sky.jpg&quot;, &quot;blend&quot;: &quot;Multiply Blend Mode&quot;, &quot;matchBackground&quot;: false,
               &quot;size&quot;: 20, &quot;x&quot;: 10, &quot;y&quot;: 10}]}

  &quot;version&quot; (optional, 1) is the format&apos;s version, as Quillane writes it; a project
  of a later version is refused.
  &quot;mode&quot; is one of composite, shape, linear-horizontal, linear-vertical, transparent,
  fusion (exposure fusion of every photo, aligned where it has an alignment).
  &quot;blendSpace&quot; (optional) is where the filters mix colours: &quot;linear&quot; (light, the
  default) or &quot;srgb&quot; (the stored sRGB values, as most editors blend).
  &quot;fullResolution&quot; (optional, Linear projects only): true builds the saved strip from
  the photos at their own resolution, fitted to the smallest photo&apos;s height
  (linear-horizontal) or width (linear-vertical); false (default) from 400 x 400 copies.
  &quot;photos&quot; lists the photos in order; the first is the background. Each photo has
  &quot;file&quot; (relative paths start from the project file&apos;s folder, or from the current
  folder for standard input) and any of the keys of its mode; a missing key takes the
  value a photo added in that mode gets. Numbers keep to the ranges of the sliders:

</source>
        <translation>Aufruf: quillane-mix [OPTIONEN] -o AUSGABE PROJEKT.json
        quillane-mix [OPTIONEN] -O ORDNER PROJEKT.json...

Mischt die Fotos eines Projekts zu einem Bild, wie es die Vorschau von Quillane tut, und
schreibt es als PNG, JPEG, WebP oder TIFF, wie die Endung der Ausgabe sagt. PROJEKT.json
kann - sein, um das Projekt von der Standardeingabe zu lesen.

Optionen:
  -o AUSGABE             das zu schreibende Bild (erst ersetzt, wenn es vollständig ist;
                         nie eine der eigenen Dateien des Projekts und nie etwas anderes
                         als eine reguläre Datei): .png, .jpg oder .jpeg, .webp, .tif
                         oder .tiff; - schreibt es in die Standardausgabe (mit --format)
  -O ORDNER              jedes angegebene Projekt mischen, jedes nach ORDNER/PROJEKT.png
                         (oder mit der Endung von --format); Projekte gleichen Namens
                         bekommen vorn die Namen so weniger übergeordneter Ordner, wie
                         sie unterscheiden (a/mix.json und b/mix.json: ORDNER/a-mix.png
                         und ORDNER/b-mix.png); ein fehlschlagendes Projekt hält die
                         anderen nicht auf
  --format NAME          png, jpeg, webp oder tiff: für -o - und -O
  --quality N            1 bis 100 für JPEG und verlustbehaftetes WebP (Vorgabe 90; JPEG
                         behält ab 90 die volle Farbauflösung, darunter halbiert es
                         sie); abgelehnt für PNG und TIFF und mit --lossless
  --lossless             WebP ohne Verlust; abgelehnt für die anderen Formate
  --keep-camera-details  Kamera, Objektiv, Belichtung sowie Datum und Uhrzeit (EXIF)
                         des Hintergrundfotos im Bild behalten; nie seinen Aufnahmeort
                         und nie seine Ausrichtung (nicht für die Standardausgabe)
  --view BREITExHÖHE     schreiben, was die Vorschau in einer Ansicht dieser Größe zeigt
                         (das Bild eingepasst und zentriert, samt schwarzer Balken);
                         ohne die Option das Bild in voller Auflösung, wie Speichern es
                         ablegt
  --align                zuerst jedes spätere Foto am Hintergrund ausrichten, wie es
                         Am Hintergrund ausrichten im Fenster tut (composite-Projekte:
                         die Fotos in der Größe des Hintergrunds; fusion-Projekte:
                         alle); ein Foto mit zu wenig Gemeinsamem lässt den Aufruf
                         fehlschlagen
  --memory-budget MENGE  der Speicher, den das Rendern insgesamt nehmen darf, etwa 4G
                         oder 512M (Vorgabe: die Hälfte des Speichers dieses Computers,
                         %1)
  -q, --quiet            keine Fortschrittszeilen (sie erscheinen nur dann auf der
                         Standardfehlerausgabe, wenn diese ein Terminal ist)
  -h, --help             diesen Text zeigen
  --version              die Version zeigen

Mit -O ersetzt kein Bild eine Projektdatei oder ein Foto eines Projekts des Aufrufs und
kein Bild, das der Aufruf geschrieben hat: eine zweimal angegebene Projektdatei (auch
über einen Link) und ein Projekt, dessen Bild einen schon vergebenen Namen bekäme,
werden abgelehnt und als fehlgeschlagen gezählt.

Fotos können bmp, gif, jpeg, png, tiff, webp, heic/heif, avif, jpeg xl oder Kamera-Raw
sein (dng, cr2, cr3, nef, arw, raf, orf, rw2 und andere). Die Bilder tragen die
sRGB-Farbbeschreibung und kein EXIF der Fotos, außer mit --keep-camera-details. JPEG
kennt keine Transparenz: durchsichtige Teile werden schwarz.

Die Projektdatei:
  {&quot;mode&quot;: &quot;composite&quot;,
   &quot;photos&quot;: [{&quot;file&quot;: &quot;beach.jpg&quot;},
              {&quot;file&quot;: &quot;sky.jpg&quot;, &quot;blend&quot;: &quot;Multiply Blend Mode&quot;, &quot;matchBackground&quot;: false,
               &quot;size&quot;: 20, &quot;x&quot;: 10, &quot;y&quot;: 10}]}

  &quot;version&quot; (optional, 1) ist die Version des Formats, wie Quillane sie schreibt; ein
  Projekt einer späteren Version wird abgelehnt.
  &quot;mode&quot; ist eines von composite, shape, linear-horizontal, linear-vertical, transparent,
  fusion (Belichtungsfusion aller Fotos, ausgerichtet, wo sie eine Ausrichtung haben).
  &quot;blendSpace&quot; (optional) sagt, wo die Filter Farben mischen: &quot;linear&quot; (im Licht, die
  Vorgabe) oder &quot;srgb&quot; (in den gespeicherten sRGB-Werten, wie die meisten Programme).
  &quot;fullResolution&quot; (optional, nur in Linear-Projekten): true baut den gespeicherten
  Streifen aus den Fotos in ihrer eigenen Auflösung, eingepasst in die Höhe
  (linear-horizontal) oder Breite (linear-vertical) des kleinsten Fotos; false (Vorgabe)
  aus Kopien in 400 x 400.
  &quot;photos&quot; führt die Fotos der Reihe nach auf; das erste ist der Hintergrund. Jedes Foto
  hat &quot;file&quot; (relative Pfade beginnen im Ordner der Projektdatei oder, bei der
  Standardeingabe, im aktuellen Ordner) und beliebige Schlüssel seines Modus; ein
  fehlender Schlüssel bekommt den Wert, den ein in diesem Modus hinzugefügtes Foto
  bekommt. Zahlen halten sich an die Bereiche der Schieberegler:

</translation>
    </message>
    <message>
        <location filename="../../src/cli/HelpText.cpp" line="211"/>
        <source>
  fusion         &quot;fusion&quot;         (project-wide) {&quot;contrast&quot;: c, &quot;saturation&quot;: s,
                                  &quot;exposure&quot;: e}: the exponents of the three weights, each
                                  0 to 2 in steps of 0.1 (default 1); 0 leaves one out
  composite,     &quot;alignment&quot;      nine numbers: the 3 x 3 mapping, in rows, from the
  fusion                          photo&apos;s coordinates to the background&apos;s, each divided by
                                  its picture&apos;s width and height (origin top-left, y
                                  down), as Align to Background stores it; none by default

  In a Linear project, unless &quot;fullResolution&quot; is true, every photo is first fitted
  into 400 x 400, so the strip is at most 400 points long per photo.

Exit status:
  0  the picture was written (with -O: every picture)
  1  a photo could not be loaded, or the picture could not be rendered or written
  2  a wrong option or a wrong project file (unknown mode or key, a key of another mode,
     a value of the wrong type or out of range, no photos, malformed JSON), or an
     output extension that names no format
  with -O, the number of projects that failed (at most 100)
Every failure prints one line naming the file or key and the reason, and leaves no
output file behind.

Limits: the project file is at most 4 MB and, like every photo, a regular file (not a
FIFO or a device). The decoded photos, the canvases that sizes and offsets ask for and
the view must fit the memory budget together; a project over it is refused before
anything is decoded, saying about how much it needs. One photo may take at most a
quarter of the budget, and a JPEG of more than 100 progressive scans is refused.
</source>
        <translation>
  fusion         &quot;fusion&quot;         (projektweit) {&quot;contrast&quot;: c, &quot;saturation&quot;: s,
                                  &quot;exposure&quot;: e}: die Exponenten der drei Gewichte, je
                                  0 bis 2 in Schritten von 0,1 (Vorgabe 1); 0 lässt eines weg
  composite,     &quot;alignment&quot;      neun Zahlen: die 3-x-3-Abbildung, zeilenweise, von den
  fusion                          Koordinaten des Fotos auf die des Hintergrunds, jede
                                  durch Breite und Höhe ihres Bildes geteilt (Ursprung
                                  oben links, y nach unten), wie Am Hintergrund
                                  ausrichten sie speichert; standardmäßig keine

  In einem Linear-Projekt wird jedes Foto zuerst in 400 x 400 eingepasst, außer
  &quot;fullResolution&quot; ist true; der Streifen ist also höchstens 400 Punkte pro Foto lang.

Rückgabewert:
  0  das Bild wurde geschrieben (mit -O: jedes Bild)
  1  ein Foto konnte nicht geladen oder das Bild nicht gerendert oder geschrieben werden
  2  eine falsche Option oder eine falsche Projektdatei (unbekannter Modus oder
     Schlüssel, ein Schlüssel eines anderen Modus, ein Wert des falschen Typs oder
     außerhalb des Bereichs, keine Fotos, fehlerhaftes JSON) oder eine Endung der
     Ausgabe, die kein Format nennt
  mit -O die Zahl der fehlgeschlagenen Projekte (höchstens 100)
Jeder Fehler gibt eine Zeile aus, die die Datei oder den Schlüssel und den Grund nennt,
und hinterlässt keine Ausgabedatei.

Grenzen: Die Projektdatei ist höchstens 4 MB groß und, wie jedes Foto, eine reguläre
Datei (kein FIFO und kein Gerät). Die dekodierten Fotos, die Leinwände, die Größen und
Versätze verlangen, und die Ansicht müssen zusammen ins Speicherbudget passen; ein
Projekt darüber wird abgelehnt, bevor etwas dekodiert wird, mit der Angabe, wie viel es
etwa braucht. Ein Foto darf höchstens ein Viertel des Budgets nehmen, und ein JPEG mit
mehr als 100 progressiven Scans wird abgelehnt.
</translation>
    </message>
</context>
<context>
    <name>LinearPipeline</name>
    <message>
        <location filename="../../src/render/LinearPipeline.cpp" line="254"/>
        <source>the strip of %1 photos would be %2 × %3 pixels, longer than a picture can be (at most %4 pixels a side).</source>
        <translation>der Streifen aus %1 Fotos wäre %2 × %3 Pixel groß, länger als ein Bild sein kann (höchstens %4 Pixel je Seite).</translation>
    </message>
    <message>
        <location filename="../../src/render/LinearPipeline.cpp" line="263"/>
        <source>there is not enough memory to build the strip of %1 photos.</source>
        <translation>es ist nicht genug Speicher da, um den Streifen aus %1 Fotos zu bauen.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="69"/>
        <source>Quillane</source>
        <translation>Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="123"/>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="124"/>
        <source>The photos in mixing order; the first is the background.</source>
        <translation>Die Fotos in Mischreihenfolge; das erste ist der Hintergrund.</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="132"/>
        <source>Add a photo (the first one is the background)</source>
        <translation>Ein Foto hinzufügen (das erste ist der Hintergrund)</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="134"/>
        <source>Remove the selected photo</source>
        <translation>Das ausgewählte Foto entfernen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="136"/>
        <source>Move the selected photo up</source>
        <translation>Das ausgewählte Foto nach oben verschieben</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="138"/>
        <source>Move the selected photo down</source>
        <translation>Das ausgewählte Foto nach unten verschieben</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="156"/>
        <source>Start a new project</source>
        <translation>Ein neues Projekt beginnen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="162"/>
        <location filename="../../src/app/MainWindow.cpp" line="187"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="163"/>
        <source>Zoom of the preview: Ctrl+wheel, Ctrl++ and Ctrl+− change it</source>
        <translation>Zoom der Vorschau: Strg+Mausrad, Strg++ und Strg+− ändern ihn</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="166"/>
        <source>Save the mixed picture as a PNG file</source>
        <translation>Das gemischte Bild als PNG-Datei speichern</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="167"/>
        <source>Share the mixed picture</source>
        <translation>Das gemischte Bild teilen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="167"/>
        <source>Sha&amp;re</source>
        <translation>Te&amp;ilen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="176"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="187"/>
        <source>Zoom: %1</source>
        <translation>Zoom: %1</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="194"/>
        <source>Controls of the selected photo</source>
        <translation>Einstellungen des ausgewählten Fotos</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="223"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="224"/>
        <source>&amp;New Project…</source>
        <translation>&amp;Neues Projekt …</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="226"/>
        <source>&amp;Open Project…</source>
        <translation>Projekt ö&amp;ffnen …</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="228"/>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="231"/>
        <source>Save &amp;Project…</source>
        <translation>&amp;Projekt speichern …</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="234"/>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern …</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="235"/>
        <source>&amp;Export Again</source>
        <translation>&amp;Erneut exportieren</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="239"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="242"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="248"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="250"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="259"/>
        <source>&amp;Copy Picture</source>
        <translation>Bild &amp;kopieren</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="262"/>
        <source>Pr&amp;eferences…</source>
        <translation>&amp;Einstellungen …</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="266"/>
        <source>&amp;Action</source>
        <translation>&amp;Aktion</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="267"/>
        <source>&amp;Add Photo…</source>
        <translation>Foto &amp;hinzufügen …</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="269"/>
        <source>&amp;Remove Photo</source>
        <translation>Foto &amp;entfernen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="136"/>
        <location filename="../../src/app/MainWindow.cpp" line="271"/>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="132"/>
        <source>A&amp;dd</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="134"/>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="138"/>
        <source>Move D&amp;own</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="156"/>
        <source>&amp;New Project</source>
        <translation>&amp;Neues Projekt</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="166"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="273"/>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="284"/>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="292"/>
        <source>&amp;Align to Background</source>
        <translation>Am Hintergrund &amp;ausrichten</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="294"/>
        <source>Align All &amp;Later Photos</source>
        <translation>Alle &amp;späteren Fotos ausrichten</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="296"/>
        <source>&amp;Clear Alignment</source>
        <translation>Ausrichtung &amp;entfernen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="305"/>
        <source>&amp;View</source>
        <translation>Ansi&amp;cht</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="313"/>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="316"/>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="318"/>
        <source>&amp;Fit in Window</source>
        <translation>In Fenster &amp;einpassen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="322"/>
        <source>&amp;Actual Pixels (100 %)</source>
        <translation>&amp;Originalgröße (100 %)</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="333"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="334"/>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Tastenkürzel</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="337"/>
        <source>Quillane &amp;Home Page</source>
        <translation>Quillane-&amp;Startseite</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="338"/>
        <source>&amp;Company Home Page</source>
        <translation>&amp;Firmen-Startseite</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="340"/>
        <source>&amp;Privacy Policy</source>
        <translation>&amp;Datenschutzerklärung</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="341"/>
        <source>Submit a Support &amp;Ticket</source>
        <translation>Support-&amp;Anfrage senden</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="344"/>
        <source>&amp;About Quillane</source>
        <translation>Ü&amp;ber Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="353"/>
        <source>&amp;Place Photo on Canvas</source>
        <translation>Foto in der Vorschau &amp;platzieren</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="357"/>
        <source>Move, scale and rotate the selected photo by dragging it on the canvas</source>
        <translation>Das ausgewählte Foto durch Ziehen in der Vorschau verschieben, skalieren und drehen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="380"/>
        <source>&amp;%1 %2 (%3)</source>
        <translation>&amp;%1 %2 (%3)</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="386"/>
        <source>No Recent Projects</source>
        <translation>Keine zuletzt geöffneten Projekte</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="388"/>
        <source>&amp;Clear Menu</source>
        <translation>Menü &amp;leeren</translation>
    </message>
</context>
<context>
    <name>MaskControls</name>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="42"/>
        <location filename="../../src/app/MaskControls.cpp" line="170"/>
        <source>Mask tool</source>
        <translation>Maskenwerkzeug</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="49"/>
        <source>Hide</source>
        <translation>Verbergen</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="49"/>
        <source>Brush that hides the photo (B; X swaps with Show)</source>
        <translation>Pinsel, der das Foto verbirgt (B; X wechselt zu Zeigen)</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="50"/>
        <source>Show</source>
        <translation>Zeigen</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="51"/>
        <source>Brush that shows the photo again (B; X swaps with Hide)</source>
        <translation>Pinsel, der das Foto wieder zeigt (B; X wechselt zu Verbergen)</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="52"/>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="53"/>
        <source>Linear gradient: drag from where the photo shows to where it is hidden (G)</source>
        <translation>Linearer Verlauf: von dort, wo das Foto sichtbar ist, dorthin ziehen, wo es verborgen ist (G)</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="54"/>
        <source>Radial</source>
        <translation>Radial</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="55"/>
        <source>Radial gradient: drag from the centre, where the photo shows, outwards (G)</source>
        <translation>Radialer Verlauf: von der Mitte, wo das Foto sichtbar ist, nach außen ziehen (G)</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="62"/>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="63"/>
        <source>The brush&apos;s diameter in per cent of the photo&apos;s width ([ and ])</source>
        <translation>Durchmesser des Pinsels in Prozent der Fotobreite ([ und ])</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="66"/>
        <location filename="../../src/app/MaskControls.cpp" line="75"/>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="68"/>
        <source>Hardness:</source>
        <translation>Härte:</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="69"/>
        <source>100 a hard edge, lower a softer one (Shift+[ and Shift+]); for a radial gradient, how much of it is fully shown</source>
        <translation>100 eine harte Kante, weniger eine weichere (Umschalt+[ und Umschalt+]); bei einem radialen Verlauf, wie viel davon ganz sichtbar ist</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="72"/>
        <source>Opacity:</source>
        <translation>Deckkraft:</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="73"/>
        <source>How far one stroke hides or shows the photo</source>
        <translation>Wie weit ein Strich das Foto verbirgt oder zeigt</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="79"/>
        <source>Invert</source>
        <translation>Umkehren</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="81"/>
        <source>Invert the mask</source>
        <translation>Maske umkehren</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="82"/>
        <source>Show the photo where it was hidden and hide it where it showed</source>
        <translation>Das Foto dort zeigen, wo es verborgen war, und dort verbergen, wo es sichtbar war</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="84"/>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="86"/>
        <source>Clear the mask</source>
        <translation>Maske löschen</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="87"/>
        <source>Remove the photo&apos;s mask: it shows everywhere again</source>
        <translation>Die Maske des Fotos entfernen: Es ist wieder überall sichtbar</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="89"/>
        <source>Show Mask</source>
        <translation>Maske anzeigen</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="91"/>
        <source>Show the mask</source>
        <translation>Die Maske anzeigen</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="92"/>
        <source>Tint the parts of the photo the mask hides</source>
        <translation>Die von der Maske verborgenen Teile des Fotos einfärben</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="163"/>
        <source>Mas&amp;k</source>
        <translation>Mas&amp;ke</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="166"/>
        <source>Paint where the selected photo shows (not in Linear projects)</source>
        <translation>Malen, wo das ausgewählte Foto sichtbar ist (nicht in linearen Projekten)</translation>
    </message>
</context>
<context>
    <name>MemoryBudget</name>
    <message>
        <location filename="../../src/imaging/MemoryBudget.cpp" line="75"/>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <location filename="../../src/imaging/MemoryBudget.cpp" line="87"/>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <location filename="../../src/imaging/MemoryBudget.cpp" line="90"/>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <location filename="../../src/imaging/MemoryBudget.cpp" line="92"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location filename="../../src/imaging/MemoryBudget.cpp" line="94"/>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <location filename="../../src/imaging/MemoryBudget.cpp" line="117"/>
        <source>needs more memory to %1 than any computer has (%2 allowed)</source>
        <translation>braucht mehr Speicher, um %1, als irgendein Computer hat (%2 erlaubt)</translation>
    </message>
    <message>
        <location filename="../../src/imaging/MemoryBudget.cpp" line="125"/>
        <source>needs about %1 of memory to %2, more than the %3 allowed</source>
        <translation>braucht etwa %1 Speicher, um %2, mehr als die erlaubten %3</translation>
    </message>
</context>
<context>
    <name>MixCommand</name>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="13"/>
        <source> (see quillane-mix --help)</source>
        <translation> (siehe quillane-mix --help)</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="23"/>
        <source>--view takes WIDTHxHEIGHT in whole pixels, such as 1200x800, not “%1”</source>
        <translation>--view erwartet BREITExHÖHE in ganzen Pixeln, etwa 1200x800, nicht „%1“</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="36"/>
        <source>--quality takes a whole number from 1 to 100, not “%1”</source>
        <translation>--quality erwartet eine ganze Zahl von 1 bis 100, nicht „%1“</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="46"/>
        <source>--format takes png, jpeg, webp or tiff, not “%1”</source>
        <translation>--format erwartet png, jpeg, webp oder tiff, nicht „%1“</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="57"/>
        <source>--memory-budget takes an amount such as 4G or 512M, not “%1”</source>
        <translation>--memory-budget erwartet eine Menge wie 4G oder 512M, nicht „%1“</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="91"/>
        <source>only one project file with -o (“%1” is a second one); -O FOLDER takes several</source>
        <translation>mit -o nur eine Projektdatei („%1“ ist eine zweite); -O ORDNER nimmt mehrere</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="97"/>
        <source>-o - writes to standard output and needs --format png, jpeg, webp or tiff</source>
        <translation>-o - schreibt in die Standardausgabe und braucht --format png, jpeg, webp oder tiff</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="104"/>
        <source>“%1”: the extension names no format quillane-mix writes (%2)</source>
        <translation>„%1“: die Endung nennt kein Format, das quillane-mix schreibt (%2)</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="108"/>
        <source>“%1”: the extension and --format %2 disagree</source>
        <translation>„%1“: die Endung und --format %2 passen nicht zusammen</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="138"/>
        <source>--lossless applies to WebP only, not to %1</source>
        <translation>--lossless gilt nur für WebP, nicht für %1</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="142"/>
        <source>--quality applies to JPEG and WebP only, not to %1</source>
        <translation>--quality gilt nur für JPEG und WebP, nicht für %1</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="145"/>
        <source>--quality applies to lossy WebP only; a lossless one has no quality to set</source>
        <translation>--quality gilt nur für verlustbehaftetes WebP; ein verlustfreies hat keine Qualität, die sich einstellen ließe</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="153"/>
        <source>the project file is missing (or - to read it from standard input)</source>
        <translation>die Projektdatei fehlt (oder -, um sie von der Standardeingabe zu lesen)</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="156"/>
        <source>give either -o OUTPUT.png for one project or -O FOLDER for several</source>
        <translation>entweder -o AUSGABE.png für ein Projekt oder -O ORDNER für mehrere angeben</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="161"/>
        <source>-O FOLDER names each picture after its project file; a project from standard input has no name (use -o)</source>
        <translation>-O ORDNER benennt jedes Bild nach seiner Projektdatei; ein Projekt von der Standardeingabe hat keinen Namen (-o verwenden)</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="195"/>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="201"/>
        <source>unknown option “%1”</source>
        <translation>unbekannte Option „%1“</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="48"/>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="64"/>
        <source>it is not a regular file.</source>
        <translation>das ist keine reguläre Datei.</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="68"/>
        <location filename="../../src/cli/MixCommand.cpp" line="88"/>
        <source>it is larger than a project file can be (at most %1).</source>
        <translation>sie ist größer, als eine Projektdatei sein darf (höchstens %1).</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="101"/>
        <location filename="../../src/cli/MixCommand.cpp" line="362"/>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="106"/>
        <source>%1 could not be read: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="180"/>
        <source>--align is for composite and fusion projects, not %1</source>
        <translation>--align gilt für composite- und fusion-Projekte, nicht für %1</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="205"/>
        <location filename="../../src/cli/MixCommand.cpp" line="318"/>
        <source> (see --memory-budget)</source>
        <translation> (siehe --memory-budget)</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="219"/>
        <source>there is not enough memory for a view of that size.</source>
        <translation>für eine Ansicht dieser Größe ist nicht genug Speicher da.</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="266"/>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="272"/>
        <source>the program reading it went away before the picture was complete (the pipe is closed).</source>
        <translation>das Programm, das sie liest, hat sich beendet, bevor das Bild vollständig war (die Pipe ist geschlossen).</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="364"/>
        <source>%1: loading %2 photos</source>
        <translation>%1: %2 Fotos werden geladen</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="325"/>
        <source>%1: mixing</source>
        <translation>%1: wird gemischt</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="334"/>
        <source>“%1” was not written: %2</source>
        <translation>„%1“ wurde nicht geschrieben: %2</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="338"/>
        <source>“%1” was not written: the mixed picture is empty (in a Linear project, the levels can leave no strip)</source>
        <translation>„%1“ wurde nicht geschrieben: das gemischte Bild ist leer (in einem Linear-Projekt können die Stufen keinen Streifen übrig lassen)</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="342"/>
        <source>%1: writing %2</source>
        <translation>%1: %2 wird geschrieben</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="296"/>
        <source>“%1” was not written: there is not enough memory to render the project.</source>
        <translation>„%1“ wurde nicht geschrieben: es ist nicht genug Speicher da, um das Projekt zu rendern.</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="370"/>
        <source>%1: aligning</source>
        <translation>%1: wird ausgerichtet</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="449"/>
        <source>%1 of %2 projects failed</source>
        <translation>%1 von %2 Projekten sind fehlgeschlagen</translation>
    </message>
    <message>
        <location filename="../../src/cli/BatchNames.cpp" line="51"/>
        <source>%1 is the same project file as %2, given before; it is mixed once.</source>
        <translation>%1 ist dieselbe Projektdatei wie das zuvor angegebene %2; sie wird nur einmal gemischt.</translation>
    </message>
    <message>
        <location filename="../../src/cli/BatchNames.cpp" line="111"/>
        <source>%1 is not mixed: its picture would be %2, as that of %3 is (rename one of the two project files).</source>
        <translation>%1 wird nicht gemischt: sein Bild wäre %2, wie das von %3 (benennen Sie eine der beiden Projektdateien um).</translation>
    </message>
</context>
<context>
    <name>OutputGuard</name>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="40"/>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="42"/>
        <source>a FIFO</source>
        <translation>ein FIFO</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="44"/>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="46"/>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="47"/>
        <source>not a regular file</source>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="58"/>
        <source>%1 is %2, not a regular file; the picture replaces only a regular file.</source>
        <translation>%1 ist %2, keine reguläre Datei; das Bild ersetzt nur eine reguläre Datei.</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="64"/>
        <source>%1 cannot take the picture: %2</source>
        <translation>%1 kann das Bild nicht aufnehmen: %2</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="112"/>
        <source>%1 is the picture this run has just written for %2; the picture would replace it.</source>
        <translation>%1 ist das Bild, das dieser Aufruf eben für %2 geschrieben hat; das Bild würde es ersetzen.</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="118"/>
        <source>%1 is the project file %2, also of this run; the picture would replace it.</source>
        <translation>%1 ist die Projektdatei %2, ebenfalls aus diesem Aufruf; das Bild würde sie ersetzen.</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="122"/>
        <source>%1 is the photo %2 of the project %3, also of this run; the picture would replace it.</source>
        <translation>%1 ist das Foto %2 des Projekts %3, ebenfalls aus diesem Aufruf; das Bild würde es ersetzen.</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="127"/>
        <source>%1 is the project file itself; the picture would replace it.</source>
        <translation>%1 ist die Projektdatei selbst; das Bild würde sie ersetzen.</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="130"/>
        <source>%1 is the project&apos;s photo %2; the picture would replace it.</source>
        <translation>%1 ist das Foto %2 des Projekts; das Bild würde es ersetzen.</translation>
    </message>
</context>
<context>
    <name>PanelBase</name>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="57"/>
        <source>An&amp;gle</source>
        <translation>Winke&amp;l</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="57"/>
        <source>Turns the photo clockwise about its centre, after the flips</source>
        <translation>Dreht das Foto nach den Spiegelungen im Uhrzeigersinn um seine Mitte</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="64"/>
        <source>Flip hori&amp;zontally</source>
        <translation>Seiten&amp;verkehrt</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="64"/>
        <source>Mirrors the photo left to right</source>
        <translation>Spiegelt das Foto von links nach rechts</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="66"/>
        <source>Flip vertically</source>
        <translation>Senkrecht spiegeln</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="66"/>
        <source>Mirrors the photo top to bottom</source>
        <translation>Spiegelt das Foto von oben nach unten</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="69"/>
        <source>Flips</source>
        <translation>Spiegelungen</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="116"/>
        <source>Linear light</source>
        <translation>Lineares Licht</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="117"/>
        <source>sRGB values, as most editors blend</source>
        <translation>sRGB-Werte, wie die meisten Editoren mischen</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="119"/>
        <source>Where the photos&apos; colours are mixed: in linear light, or as the stored sRGB values</source>
        <translation>Wo die Farben der Fotos gemischt werden: in linearem Licht oder als gespeicherte sRGB-Werte</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="120"/>
        <source>Blend spa&amp;ce</source>
        <translation>Misch&amp;farbraum</translation>
    </message>
</context>
<context>
    <name>PassMemory</name>
    <message>
        <location filename="../../src/render/PassMemory.cpp" line="274"/>
        <source>the project %1.</source>
        <translation>das Projekt %1.</translation>
    </message>
    <message>
        <location filename="../../src/render/PassMemory.cpp" line="275"/>
        <source>render</source>
        <translation>gerendert zu werden</translation>
    </message>
</context>
<context>
    <name>PhotoField</name>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="18"/>
        <source>per cent of the photo&apos;s own size</source>
        <translation>Prozent der eigenen Größe des Fotos</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="19"/>
        <source>per cent of the photo&apos;s own width</source>
        <translation>Prozent der eigenen Breite des Fotos</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="20"/>
        <source>per cent of the photo&apos;s own height</source>
        <translation>Prozent der eigenen Höhe des Fotos</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="21"/>
        <source>per cent of the background&apos;s width</source>
        <translation>Prozent der Breite des Hintergrunds</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="23"/>
        <source>per cent of the background&apos;s height</source>
        <translation>Prozent der Höhe des Hintergrunds</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="24"/>
        <source>Rotation</source>
        <translation>Drehung</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="26"/>
        <source>degrees clockwise about the photo&apos;s centre, after the flips</source>
        <translation>Grad im Uhrzeigersinn um die Mitte des Fotos, nach den Spiegelungen</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="27"/>
        <source>Horizontal Flip</source>
        <translation>Waagerechte Spiegelung</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="29"/>
        <source>true mirrors the photo left to right</source>
        <translation>true spiegelt das Foto von links nach rechts</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="30"/>
        <source>Vertical Flip</source>
        <translation>Senkrechte Spiegelung</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="32"/>
        <source>true mirrors the photo top to bottom</source>
        <translation>true spiegelt das Foto von oben nach unten</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="40"/>
        <source>Blend Mode</source>
        <translation>Mischmodus</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="41"/>
        <source>blend mode</source>
        <translation>Mischmodus</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="43"/>
        <source>Match Background Size</source>
        <translation>Hintergrundgröße</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="44"/>
        <source>true stretches the photo over the background</source>
        <translation>true streckt das Foto über den Hintergrund</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="46"/>
        <location filename="../../src/model/PhotoField.cpp" line="58"/>
        <location filename="../../src/model/PhotoField.cpp" line="76"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="48"/>
        <location filename="../../src/model/PhotoField.cpp" line="61"/>
        <location filename="../../src/model/PhotoField.cpp" line="78"/>
        <source>Horizontal Offset</source>
        <translation>Waagerechten Versatz</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="50"/>
        <location filename="../../src/model/PhotoField.cpp" line="63"/>
        <location filename="../../src/model/PhotoField.cpp" line="80"/>
        <source>Vertical Offset</source>
        <translation>Senkrechten Versatz</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="52"/>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="53"/>
        <source>per cent: the layer&apos;s alpha is scaled by it before the blend</source>
        <translation>Prozent: der Alphawert der Ebene wird vor dem Mischen damit skaliert</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="56"/>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="57"/>
        <source>shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="65"/>
        <source>Feather</source>
        <translation>Weiche Kante</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="66"/>
        <source>per cent of the widest feather, a tenth of the mask&apos;s shorter side; 0 a hard edge</source>
        <translation>Prozent der breitesten weichen Kante (ein Zehntel der kürzeren Seite der Maske); 0 eine harte Kante</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="70"/>
        <source>Intersection</source>
        <translation>Überlappung</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="71"/>
        <source>overlap with the photo before, in 360ths</source>
        <translation>Überlappung mit dem vorigen Foto, in 360steln</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="73"/>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="74"/>
        <source>whole per cent, 0 opaque</source>
        <translation>ganze Prozent, 0 deckend</translation>
    </message>
</context>
<context>
    <name>PhotoFormats</name>
    <message>
        <location filename="../../src/imaging/PhotoFormats.cpp" line="72"/>
        <source>camera raw</source>
        <translation>Kamera-Raw</translation>
    </message>
</context>
<context>
    <name>PhotoLoader</name>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="45"/>
        <source>%1 could not be opened: %2</source>
        <translation>%1 konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="110"/>
        <source>you do not have permission to read it.</source>
        <translation>Ihnen fehlt die Berechtigung, sie zu lesen.</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="111"/>
        <source>the file cannot be read (%1).</source>
        <translation>die Datei kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="131"/>
        <source>it is a JPEG of more than %1 scans, which no camera writes and which would take minutes to decode.</source>
        <translation>es ist ein JPEG mit mehr als %1 Scans, wie es keine Kamera schreibt und dessen Dekodierung Minuten dauern würde.</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="145"/>
        <source>the file does not exist.</source>
        <translation>die Datei existiert nicht.</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="148"/>
        <source>it is a folder, not a picture file.</source>
        <translation>das ist ein Ordner, keine Bilddatei.</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="151"/>
        <source>it is not a regular file.</source>
        <translation>das ist keine reguläre Datei.</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="170"/>
        <source>the file is empty.</source>
        <translation>die Datei ist leer.</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="172"/>
        <source>the file is %1, too large for a photo of at most %2 megapixels (what this computer&apos;s memory allows).</source>
        <translation>die Datei ist %1 groß, zu groß für ein Foto von höchstens %2 Megapixeln (so viel erlaubt der Speicher dieses Computers).</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="102"/>
        <source>it is not a picture in a format Quillane can read (%1).</source>
        <translation>das ist kein Bild in einem Format, das Quillane lesen kann (%1).</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="321"/>
        <source>there is not enough memory to decode it.</source>
        <translation>es ist nicht genug Speicher da, um es zu dekodieren.</translation>
    </message>
</context>
<context>
    <name>PhotoProject</name>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="66"/>
        <location filename="../../src/model/PhotoProject.cpp" line="137"/>
        <source>Add Photo</source>
        <translation>Foto hinzufügen</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="66"/>
        <location filename="../../src/model/PhotoProject.cpp" line="137"/>
        <source>Add Photos</source>
        <translation>Fotos hinzufügen</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="75"/>
        <source>Remove Photo</source>
        <translation>Foto entfernen</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="86"/>
        <location filename="../../src/model/PhotoProject.cpp" line="99"/>
        <source>Move Photo Up</source>
        <translation>Foto nach oben verschieben</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="86"/>
        <location filename="../../src/model/PhotoProject.cpp" line="99"/>
        <source>Move Photo Down</source>
        <translation>Foto nach unten verschieben</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="115"/>
        <source>Replace Photo</source>
        <translation>Foto ersetzen</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="122"/>
        <source>Replace Photos</source>
        <translation>Fotos ersetzen</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="259"/>
        <source>Clear Alignment</source>
        <translation>Ausrichtung entfernen</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="259"/>
        <source>Align to Background</source>
        <translation>Am Hintergrund ausrichten</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="296"/>
        <source>Paint Mask</source>
        <translation>Maske malen</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="305"/>
        <source>Add Gradient</source>
        <translation>Verlauf hinzufügen</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="314"/>
        <source>Invert Mask</source>
        <translation>Maske umkehren</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="319"/>
        <source>Clear Mask</source>
        <translation>Maske löschen</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectSteps.cpp" line="30"/>
        <source>Blend Space</source>
        <translation>Mischraum</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectSteps.cpp" line="32"/>
        <source>Contrast Weight</source>
        <translation>Kontrastgewicht</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectSteps.cpp" line="34"/>
        <source>Saturation Weight</source>
        <translation>Sättigungsgewicht</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectSteps.cpp" line="36"/>
        <source>Exposure Weight</source>
        <translation>Belichtungsgewicht</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectSteps.cpp" line="37"/>
        <source>Full Resolution</source>
        <translation>volle Auflösung</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="233"/>
        <location filename="../../src/model/ProjectSteps.cpp" line="68"/>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
</context>
<context>
    <name>PhotoTable</name>
    <message>
        <location filename="../../src/app/PhotoTable.cpp" line="149"/>
        <source>Replace Photo…</source>
        <translation>Foto ersetzen …</translation>
    </message>
</context>
<context>
    <name>PhotoTableModel</name>
    <message>
        <location filename="../../src/app/PhotoTable.cpp" line="48"/>
        <source>Photo %1 of %2: %3</source>
        <translation>Foto %1 von %2: %3</translation>
    </message>
    <message>
        <location filename="../../src/app/PhotoTable.cpp" line="90"/>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <location filename="../../src/app/PhotoTable.cpp" line="90"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>PictureLimits</name>
    <message>
        <location filename="../../src/encode/PictureLimits.cpp" line="58"/>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <location filename="../../src/encode/PictureLimits.cpp" line="119"/>
        <source>a %1 picture is at most %2 pixels wide and high; this one is %3 × %4 (choose %5).</source>
        <translation>ein %1-Bild ist höchstens %2 Pixel breit und hoch; dieses ist %3 × %4 (%5 wählen).</translation>
    </message>
    <message>
        <location filename="../../src/encode/PictureLimits.cpp" line="162"/>
        <source>be written as lossless %1</source>
        <translation>verlustfrei als %1 geschrieben zu werden</translation>
    </message>
    <message>
        <location filename="../../src/encode/PictureLimits.cpp" line="163"/>
        <source>be written as %1</source>
        <translation>als %1 geschrieben zu werden</translation>
    </message>
    <message>
        <location filename="../../src/encode/PictureLimits.cpp" line="164"/>
        <source>the picture %1.</source>
        <translation>das Bild %1.</translation>
    </message>
</context>
<context>
    <name>PictureWriter</name>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="19"/>
        <source>The picture could not be saved as %1: %2 It is still at %3.</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden: %2 Es liegt weiterhin unter %3.</translation>
    </message>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="30"/>
        <location filename="../../src/output/FileMove.cpp" line="54"/>
        <source>you do not have permission to write there.</source>
        <translation>Ihnen fehlt die Berechtigung, dort zu schreiben.</translation>
    </message>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="33"/>
        <location filename="../../src/encode/PngWriter.cpp" line="63"/>
        <source>the disk is full.</source>
        <translation>die Festplatte ist voll.</translation>
    </message>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="35"/>
        <source>the folder does not exist.</source>
        <translation>der Ordner existiert nicht.</translation>
    </message>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="37"/>
        <location filename="../../src/output/FileMove.cpp" line="97"/>
        <location filename="../../src/encode/PngWriter.cpp" line="46"/>
        <source>a folder of that name is in the way.</source>
        <translation>ein Ordner dieses Namens ist im Weg.</translation>
    </message>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="49"/>
        <location filename="../../src/output/FileMove.cpp" line="62"/>
        <source>the picture cannot be read (%1).</source>
        <translation>das Bild kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="56"/>
        <location filename="../../src/encode/PngWriter.cpp" line="31"/>
        <source>the file cannot be created (%1).</source>
        <translation>die Datei kann nicht angelegt werden (%1).</translation>
    </message>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="92"/>
        <source>The picture could not be saved as %1: the picture file %2 is gone.</source>
        <translation>Das Bild konnte nicht als %1 gespeichert werden: die Bilddatei %2 ist verschwunden.</translation>
    </message>
    <message>
        <location filename="../../src/output/PictureSave.cpp" line="69"/>
        <location filename="../../src/encode/PictureWriter.cpp" line="153"/>
        <source>its extension names no format Quillane writes (%1).</source>
        <translation>die Endung nennt kein Format, das Quillane schreibt (%1).</translation>
    </message>
    <message>
        <location filename="../../src/output/PictureSave.cpp" line="81"/>
        <source>%1 The picture is still at “%2”.</source>
        <translation>%1 Das Bild liegt weiterhin unter „%2“.</translation>
    </message>
    <message>
        <location filename="../../src/encode/PictureWriter.cpp" line="35"/>
        <source>the picture could not be encoded as %1.</source>
        <translation>das Bild konnte nicht als %1 kodiert werden.</translation>
    </message>
    <message>
        <location filename="../../src/encode/PictureWriter.cpp" line="130"/>
        <location filename="../../src/encode/PngWriter.cpp" line="82"/>
        <location filename="../../src/encode/PngWriter.cpp" line="102"/>
        <source>there is no picture to write.</source>
        <translation>es gibt kein Bild zum Schreiben.</translation>
    </message>
    <message>
        <location filename="../../src/encode/PngWriter.cpp" line="17"/>
        <source>“%1” could not be written: %2</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <location filename="../../src/encode/PngWriter.cpp" line="23"/>
        <source>you do not have permission to write in that folder.</source>
        <translation>Ihnen fehlt die Berechtigung, in diesen Ordner zu schreiben.</translation>
    </message>
    <message>
        <location filename="../../src/encode/PngWriter.cpp" line="42"/>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <location filename="../../src/encode/PngWriter.cpp" line="44"/>
        <source>the folder %1 does not exist.</source>
        <translation>der Ordner %1 existiert nicht.</translation>
    </message>
    <message>
        <location filename="../../src/encode/PngWriter.cpp" line="49"/>
        <source>it is not a regular file, and only a regular file is ever replaced.</source>
        <translation>das ist keine reguläre Datei, und ersetzt wird immer nur eine reguläre Datei.</translation>
    </message>
    <message>
        <location filename="../../src/encode/PngWriter.cpp" line="64"/>
        <source>the disk refused the file (%1).</source>
        <translation>die Festplatte hat die Datei abgelehnt (%1).</translation>
    </message>
    <message>
        <location filename="../../src/encode/PngWriter.cpp" line="89"/>
        <source>the picture could not be compressed.</source>
        <translation>das Bild konnte nicht komprimiert werden.</translation>
    </message>
    <message>
        <location filename="../../src/encode/CameraDetails.cpp" line="74"/>
        <source>the camera details could not be added (%1).</source>
        <translation>die Kameradaten konnten nicht hinzugefügt werden (%1).</translation>
    </message>
</context>
<context>
    <name>PlacedLayer</name>
    <message>
        <location filename="../../src/render/PlacedLayer.cpp" line="31"/>
        <source>it would be drawn %1 × %2 pixels large, and a picture is at most %3 pixels wide and high.</source>
        <translation>es würde %1 × %2 Pixel groß gezeichnet, und ein Bild ist höchstens %3 Pixel breit und hoch.</translation>
    </message>
    <message>
        <location filename="../../src/render/PlacedLayer.cpp" line="44"/>
        <source>its size and offsets are too large to draw.</source>
        <translation>seine Größe und Versätze sind zu groß zum Zeichnen.</translation>
    </message>
    <message>
        <location filename="../../src/render/PlacedLayer.cpp" line="48"/>
        <source>there is not enough memory for its canvas.</source>
        <translation>für seine Leinwand ist nicht genug Speicher da.</translation>
    </message>
</context>
<context>
    <name>PlacementTool</name>
    <message>
        <location filename="../../src/app/PlacementTool.cpp" line="107"/>
        <source>Move Photo</source>
        <translation>Foto verschieben</translation>
    </message>
    <message>
        <location filename="../../src/app/PlacementTool.cpp" line="107"/>
        <source>Resize Photo</source>
        <translation>Fotogröße ändern</translation>
    </message>
    <message>
        <location filename="../../src/app/PlacementTool.cpp" line="107"/>
        <source>Rotate Photo</source>
        <translation>Foto drehen</translation>
    </message>
    <message>
        <location filename="../../src/app/PlacementTool.cpp" line="231"/>
        <source>Nudge Photo</source>
        <translation>Foto schrittweise verschieben</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="80"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="82"/>
        <source>JPEG quality</source>
        <translation>JPEG-Qualität</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="83"/>
        <source>WebP quality</source>
        <translation>WebP-Qualität</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="84"/>
        <source>WebP &amp;lossless</source>
        <translation>WebP &amp;verlustfrei</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="88"/>
        <source>&amp;Keep camera details in saved pictures</source>
        <translation>&amp;Kameradaten in gespeicherten Bildern behalten</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="90"/>
        <source>The background photo&apos;s camera, lens, exposure and date go into JPEG, WebP, TIFF and PNG pictures; never its location.</source>
        <translation>Kamera, Objektiv, Belichtung und Datum des Hintergrundfotos kommen in JPEG-, WebP-, TIFF- und PNG-Bilder; sein Aufnahmeort nie.</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="93"/>
        <source>&amp;Output folder:</source>
        <translation>&amp;Ausgabeordner:</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="96"/>
        <source>&amp;JPEG quality:</source>
        <translation>&amp;JPEG-Qualität:</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="97"/>
        <source>&amp;WebP quality:</source>
        <translation>W&amp;ebP-Qualität:</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="113"/>
        <location filename="../../src/app/Preferences.cpp" line="138"/>
        <source>Output folder</source>
        <translation>Ausgabeordner</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="114"/>
        <source>C&amp;hoose…</source>
        <translation>Aus&amp;wählen …</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <location filename="../../src/model/Quoted.cpp" line="14"/>
        <source>a list</source>
        <translation>eine Liste</translation>
    </message>
    <message>
        <location filename="../../src/model/Quoted.cpp" line="15"/>
        <source>an object</source>
        <translation>ein Objekt</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="31"/>
        <source>must be a number, not %1</source>
        <translation>muss eine Zahl sein, nicht %1</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="57"/>
        <source>must be above %1 and at most %2, not %3</source>
        <translation>muss größer als %1 und höchstens %2 sein, nicht %3</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="58"/>
        <location filename="../../src/model/ProjectFile.cpp" line="34"/>
        <source>must be from %1 to %2, not %3</source>
        <translation>muss zwischen %1 und %2 liegen, nicht %3</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="71"/>
        <source>must be a point [x, y] with x and y from %1 to %2, not %3</source>
        <translation>muss ein Punkt [x, y] mit x und y von %1 bis %2 sein, nicht %3</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="107"/>
        <location filename="../../src/model/PhotoMask.cpp" line="152"/>
        <source>must be an object with %1 %2 or %3, not %4</source>
        <translation>muss ein Objekt mit %1 %2 oder %3 sein, nicht %4</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="134"/>
        <source>must be a list of at least one point [x, y], not %1</source>
        <translation>muss eine Liste von mindestens einem Punkt [x, y] sein, nicht %1</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="178"/>
        <source>must be a list, not %1</source>
        <translation>muss eine Liste sein, nicht %1</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="238"/>
        <source>must be an object with %1, %2 and %3, not %4</source>
        <translation>muss ein Objekt mit %1, %2 und %3 sein, nicht %4</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="49"/>
        <source>must be a whole number from %1 to %2%3, not %4</source>
        <translation>muss eine ganze Zahl von %1 bis %2%3 sein, nicht %4</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="51"/>
        <source> or a name</source>
        <translation> oder ein Name</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="39"/>
        <location filename="../../src/model/ProjectFile.cpp" line="61"/>
        <source>must be true or false, not %1</source>
        <translation>muss true oder false sein, nicht %1</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="105"/>
        <source>%1 must be nine numbers, a 3 x 3 mapping that keeps the photo in one piece, not %2</source>
        <translation>%1 muss aus neun Zahlen bestehen, einer 3-x-3-Abbildung, die das Foto in einem Stück lässt, nicht %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="118"/>
        <location filename="../../src/model/ProjectFile.cpp" line="129"/>
        <location filename="../../src/model/ProjectFile.cpp" line="139"/>
        <location filename="../../src/model/ProjectFile.cpp" line="254"/>
        <location filename="../../src/model/ProjectFile.cpp" line="280"/>
        <source>key %1 belongs to %2 projects, not %3</source>
        <translation>Schlüssel %1 gehört zu Projekten vom Typ %2, nicht %3</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="98"/>
        <location filename="../../src/model/ProjectFile.cpp" line="131"/>
        <source>unknown key %1</source>
        <translation>unbekannter Schlüssel %1</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="155"/>
        <source>%1: %2 strokes, more than the %3 a project may hold</source>
        <translation>%1: %2 Striche, mehr als die %3, die ein Projekt haben darf</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="161"/>
        <source>%1: %2 points, more than the %3 a project may hold</source>
        <translation>%1: %2 Punkte, mehr als die %3, die ein Projekt haben darf</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="172"/>
        <source>must be an object such as {&quot;file&quot;: &quot;a.jpg&quot;}, not %1</source>
        <translation>muss ein Objekt wie {&quot;file&quot;: &quot;a.jpg&quot;} sein, nicht %1</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="178"/>
        <source>%1 must name the photo&apos;s file</source>
        <translation>%1 muss die Datei des Fotos nennen</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="198"/>
        <source>%1 must be one of %2, not %3</source>
        <translation>%1 muss eines von %2 sein, nicht %3</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="212"/>
        <source>%1 must be a whole number from 1, not %2</source>
        <translation>%1 muss eine ganze Zahl ab 1 sein, nicht %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="242"/>
        <source>%1 must be from 0 to 2 in steps of 0.1, not %2</source>
        <translation>%1 muss zwischen 0 und 2 in Schritten von 0,1 liegen, nicht %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="261"/>
        <source>unknown key %1 in %2</source>
        <translation>unbekannter Schlüssel %1 in %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="264"/>
        <source>%1 must be an object such as {&quot;contrast&quot;: 1}, not %2</source>
        <translation>%1 muss ein Objekt wie {&quot;contrast&quot;: 1} sein, nicht %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="284"/>
        <source>%1 must be true or false, not %2</source>
        <translation>%1 muss true oder false sein, nicht %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="296"/>
        <source>%1 must be %2 or %3, not %4</source>
        <translation>%1 muss %2 oder %3 sein, nicht %4</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="305"/>
        <source>unknown key %1 (a project has &quot;version&quot;, &quot;mode&quot;, &quot;photos&quot;, &quot;blendSpace&quot;, in Linear projects &quot;fullResolution&quot; and in fusion projects &quot;fusion&quot;)</source>
        <translation>unbekannter Schlüssel %1 (ein Projekt hat &quot;version&quot;, &quot;mode&quot;, &quot;photos&quot;, &quot;blendSpace&quot;, in Linear-Projekten &quot;fullResolution&quot; und in fusion-Projekten &quot;fusion&quot;)</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="318"/>
        <source>no photos: %1 must list at least one photo</source>
        <translation>keine Fotos: %1 muss mindestens ein Foto aufführen</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="324"/>
        <source>photo %1: %2</source>
        <translation>Foto %1: %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="355"/>
        <source>not valid JSON at character %1: %2</source>
        <translation>kein gültiges JSON bei Zeichen %1: %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="361"/>
        <source>the project must be a JSON object with &quot;mode&quot; and &quot;photos&quot;</source>
        <translation>das Projekt muss ein JSON-Objekt mit &quot;mode&quot; und &quot;photos&quot; sein</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="417"/>
        <source>photo %1 (%2) has no file to refer to</source>
        <translation>Foto %1 (%2) hat keine Datei, auf die es verweisen kann</translation>
    </message>
</context>
<context>
    <name>RegionPass</name>
    <message>
        <location filename="../../src/render/RegionPass.cpp" line="70"/>
        <source>there is not enough memory to blend the region.</source>
        <translation>es ist nicht genug Speicher da, um den Ausschnitt zu mischen.</translation>
    </message>
</context>
<context>
    <name>RenderPass</name>
    <message>
        <location filename="../../src/render/RenderPass.cpp" line="28"/>
        <source>No Image</source>
        <translation>Kein Bild</translation>
    </message>
    <message>
        <location filename="../../src/render/RenderPass.cpp" line="205"/>
        <source>photo %1%2 cannot be drawn: %3</source>
        <translation>Foto %1%2 kann nicht gezeichnet werden: %3</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="15"/>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="16"/>
        <source>Five-pointed star</source>
        <translation>Fünfzackiger Stern</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="17"/>
        <source>Six-pointed star</source>
        <translation>Sechszackiger Stern</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="18"/>
        <source>Heart</source>
        <translation>Herz</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="19"/>
        <source>Hexagon</source>
        <translation>Sechseck</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="20"/>
        <source>Cloud</source>
        <translation>Wolke</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="21"/>
        <source>Flames</source>
        <translation>Flammen</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="22"/>
        <source>Splash</source>
        <translation>Spritzer</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="23"/>
        <source>Splash 2</source>
        <translation>Spritzer 2</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="24"/>
        <source>Swirl</source>
        <translation>Wirbel</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="25"/>
        <source>Swirl 2</source>
        <translation>Wirbel 2</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="26"/>
        <source>Map</source>
        <translation>Karte</translation>
    </message>
</context>
<context>
    <name>ShapePipeline</name>
    <message>
        <location filename="../../src/render/ShapePipeline.cpp" line="326"/>
        <source>there is not enough memory for its mask.</source>
        <translation>für seine Maske ist nicht genug Speicher da.</translation>
    </message>
    <message>
        <location filename="../../src/render/ShapePipeline.cpp" line="336"/>
        <source>there is not enough memory to cut it out.</source>
        <translation>es ist nicht genug Speicher da, um es auszuschneiden.</translation>
    </message>
</context>
<context>
    <name>SharingServices</name>
    <message>
        <location filename="../../src/output/SharingServices.cpp" line="25"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../../src/output/SharingServices.cpp" line="29"/>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <location filename="../../src/output/SharingServices.cpp" line="33"/>
        <source>Open in Image Viewer</source>
        <translation>In Bildbetrachter öffnen</translation>
    </message>
    <message>
        <location filename="../../src/output/SharingServices.cpp" line="71"/>
        <source>No temporary folder could be made for the picture (%1).</source>
        <translation>Für das Bild konnte kein temporärer Ordner angelegt werden (%1).</translation>
    </message>
    <message>
        <location filename="../../src/output/SharingServices.cpp" line="109"/>
        <source>There is no picture to share.</source>
        <translation>Es gibt kein Bild zum Teilen.</translation>
    </message>
    <message>
        <location filename="../../src/output/SharingServices.cpp" line="122"/>
        <source>The mail program (%1) could not be started.</source>
        <translation>Das E-Mail-Programm (%1) konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <location filename="../../src/output/SharingServices.cpp" line="127"/>
        <source>No image viewer could open the picture.</source>
        <translation>Kein Bildbetrachter konnte das Bild öffnen.</translation>
    </message>
</context>
<context>
    <name>ShortcutListDialog</name>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="72"/>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="75"/>
        <source>Search commands and keys</source>
        <translation>Befehle und Tasten suchen</translation>
    </message>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="77"/>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="78"/>
        <source>&amp;Search:</source>
        <translation>&amp;Suche:</translation>
    </message>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="82"/>
        <source>Keyboard shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="84"/>
        <source>Command</source>
        <translation>Befehl</translation>
    </message>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="84"/>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="84"/>
        <source>Where</source>
        <translation>Wo</translation>
    </message>
</context>
<context>
    <name>View_Composition</name>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="13"/>
        <source>Composite</source>
        <translation>Überlagerung</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="17"/>
        <source>How the photo is mixed with the picture beneath it</source>
        <translation>Wie das Foto mit dem Bild darunter gemischt wird</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="18"/>
        <source>&amp;Blend mode</source>
        <translation>&amp;Mischmodus</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="20"/>
        <source>Match the bac&amp;kground&apos;s size</source>
        <translation>Auf Hintergrund&amp;größe strecken</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="22"/>
        <source>Stretch the photo over the whole background; off: place it by its size and offsets</source>
        <translation>Das Foto über den ganzen Hintergrund strecken; aus: nach Größe und Versatz platzieren</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="25"/>
        <source>S&amp;ize</source>
        <translation>G&amp;röße</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="25"/>
        <source>Enlargement of the photo&apos;s own width (0 % keeps its size)</source>
        <translation>Vergrößerung der eigenen Breite des Fotos (0 % behält die Größe)</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="27"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="27"/>
        <source>Offset to the right, in percent of the photo&apos;s own width</source>
        <translation>Versatz nach rechts, in Prozent der Breite des Fotos</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="29"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="29"/>
        <source>Offset upwards, in percent of the photo&apos;s own height</source>
        <translation>Versatz nach oben, in Prozent der Höhe des Fotos</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="32"/>
        <source>O&amp;pacity</source>
        <translation>Dec&amp;kkraft</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="32"/>
        <source>How strongly the blend shows over the picture beneath it</source>
        <translation>Wie stark die Mischung über dem Bild darunter wirkt</translation>
    </message>
</context>
<context>
    <name>View_Fusion</name>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="25"/>
        <source>Exposure fusion</source>
        <translation>Belichtungsfusion</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="28"/>
        <source>&amp;Contrast</source>
        <translation>&amp;Kontrast</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="28"/>
        <source>How much fine detail counts in a pixel&apos;s weight: 0 to 2</source>
        <translation>Wie viel feine Einzelheiten im Gewicht eines Pixels zählen: 0 bis 2</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="30"/>
        <source>Sa&amp;turation</source>
        <translation>Sä&amp;ttigung</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="30"/>
        <source>How much strong colour counts in a pixel&apos;s weight: 0 to 2</source>
        <translation>Wie viel kräftige Farbe im Gewicht eines Pixels zählt: 0 bis 2</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="32"/>
        <source>E&amp;xposure</source>
        <translation>Belichtun&amp;g</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="32"/>
        <source>How much a pixel&apos;s closeness to mid-grey counts in its weight: 0 to 2</source>
        <translation>Wie viel die Nähe eines Pixels zu mittlerem Grau in seinem Gewicht zählt: 0 bis 2</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="33"/>
        <source>Every photo is fused, aligned where it has an alignment (Photo menu, Align to Background).</source>
        <translation>Jedes Foto wird fusioniert, ausgerichtet, wo es eine Ausrichtung hat (Menü Foto, Am Hintergrund ausrichten).</translation>
    </message>
</context>
<context>
    <name>View_Home</name>
    <message>
        <location filename="../../src/panels/View_Home.cpp" line="7"/>
        <source>Welcome to Quillane</source>
        <translation>Willkommen bei Quillane</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Home.cpp" line="10"/>
        <source>Choose a project type, then add your photos: the first photo is the background, every later one is mixed over it. Select a later photo in the list to tune it here, and watch the preview. Save writes the mixed picture as a PNG file.</source>
        <translation>Wählen Sie einen Projekttyp und fügen Sie dann Ihre Fotos hinzu: Das erste Foto ist der Hintergrund, jedes weitere wird darüber gemischt. Wählen Sie ein späteres Foto in der Liste, um es hier einzustellen, und sehen Sie sich die Vorschau an. Speichern schreibt das gemischte Bild als PNG-Datei.</translation>
    </message>
</context>
<context>
    <name>View_Image_Preview</name>
    <message>
        <location filename="../../src/app/View_Image_Preview.cpp" line="158"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../../src/app/View_Image_Preview.cpp" line="159"/>
        <source>Fit (%1)</source>
        <translation>Eingepasst (%1)</translation>
    </message>
</context>
<context>
    <name>View_Linear</name>
    <message>
        <location filename="../../src/panels/View_Linear.cpp" line="12"/>
        <source>%1 (%2 % overlap)</source>
        <translation>%1 (%2 % Überlappung)</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Linear.cpp" line="19"/>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Linear.cpp" line="22"/>
        <source>&amp;Intersection</source>
        <translation>Über&amp;lappung</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Linear.cpp" line="22"/>
        <source>How far the photo&apos;s seam overlaps the photo before it: 0 to 360</source>
        <translation>Wie weit die Naht des Fotos das vorige Foto überlappt: 0 bis 360</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Linear.cpp" line="24"/>
        <source>Save at full reso&amp;lution</source>
        <translation>In &amp;voller Auflösung speichern</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Linear.cpp" line="25"/>
        <source>Build the saved strip from the photos at their own size; off: from copies fitted into 400 x 400</source>
        <translation>Den gespeicherten Streifen aus den Fotos in ihrer eigenen Größe bauen; aus: aus Kopien, eingepasst in 400 x 400</translation>
    </message>
</context>
<context>
    <name>View_Shape</name>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="29"/>
        <location filename="../../src/panels/View_Shape.cpp" line="38"/>
        <location filename="../../src/panels/View_Shape.cpp" line="42"/>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="34"/>
        <source>Se&amp;lect Shape…</source>
        <translation>Form &amp;wählen …</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="35"/>
        <source>Choose the shape the photo is cut out through</source>
        <translation>Die Form wählen, durch die das Foto ausgeschnitten wird</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="37"/>
        <source>The photo&apos;s shape</source>
        <translation>Die Form des Fotos</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="44"/>
        <source>S&amp;ize</source>
        <translation>G&amp;röße</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="44"/>
        <source>Enlargement of the photo&apos;s own width (0 % keeps its size)</source>
        <translation>Vergrößerung der eigenen Breite des Fotos (0 % behält die Größe)</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="46"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="46"/>
        <source>Offset to the right, in percent of the photo&apos;s own width</source>
        <translation>Versatz nach rechts, in Prozent der Breite des Fotos</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="48"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="48"/>
        <source>Offset upwards, in percent of the photo&apos;s own height</source>
        <translation>Versatz nach oben, in Prozent der Höhe des Fotos</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="52"/>
        <source>Fea&amp;ther</source>
        <translation>Weiche &amp;Kante</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="52"/>
        <source>How softly the shape&apos;s edge fades, up to a tenth of its shorter side</source>
        <translation>Wie weich die Kante der Form ausläuft, bis zu einem Zehntel ihrer kürzeren Seite</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="73"/>
        <source>Shape: %1</source>
        <translation>Form: %1</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="76"/>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>View_Transparent</name>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="8"/>
        <source>Transparent</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="10"/>
        <source>&amp;Transparency</source>
        <translation>&amp;Transparenz</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="10"/>
        <source>0 % draws the photo opaque, 100 % hides it</source>
        <translation>0 % zeichnet das Foto deckend, 100 % blendet es aus</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="12"/>
        <source>&amp;Width</source>
        <translation>B&amp;reite</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="12"/>
        <source>The photo&apos;s width in percent of the background&apos;s width</source>
        <translation>Die Breite des Fotos in Prozent der Breite des Hintergrunds</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="14"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="14"/>
        <source>Offset to the right, in percent of the background&apos;s width</source>
        <translation>Versatz nach rechts, in Prozent der Breite des Hintergrunds</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="16"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="16"/>
        <source>Offset upwards, in percent of the background&apos;s height</source>
        <translation>Versatz nach oben, in Prozent der Höhe des Hintergrunds</translation>
    </message>
</context>
<context>
    <name>Window_New_Project</name>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="24"/>
        <source>New Project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="79"/>
        <source>Choose the type of your project</source>
        <translation>Wählen Sie den Typ Ihres Projekts</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="82"/>
        <source>&amp;Composite</source>
        <translation>&amp;Überlagerung</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="83"/>
        <source>Lay each photo over the picture with one of %1 blend modes.</source>
        <translation>Jedes Foto mit einem von %1 Mischmodi über das Bild legen.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="85"/>
        <source>&amp;Shape</source>
        <translation>&amp;Form</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="86"/>
        <source>Cut each photo out through a shape: circle, star, heart…</source>
        <translation>Jedes Foto durch eine Form ausschneiden: Kreis, Stern, Herz …</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="87"/>
        <source>&amp;Linear</source>
        <translation>&amp;Linear</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="87"/>
        <source>Join the photos into a strip with soft seams.</source>
        <translation>Die Fotos mit weichen Nähten zu einem Streifen verbinden.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="89"/>
        <source>&amp;Horizontal</source>
        <translation>&amp;Waagerecht</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="89"/>
        <source>Left to right.</source>
        <translation>Von links nach rechts.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="92"/>
        <source>&amp;Vertical</source>
        <translation>&amp;Senkrecht</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="92"/>
        <source>Bottom to top.</source>
        <translation>Von unten nach oben.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="94"/>
        <source>&amp;Transparency</source>
        <translation>&amp;Transparenz</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="95"/>
        <source>Lay each photo over the background with its own opacity, size and place.</source>
        <translation>Jedes Foto mit eigener Deckkraft, Größe und Lage über den Hintergrund legen.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="98"/>
        <source>&amp;Exposure fusion</source>
        <translation>Belichtungsf&amp;usion</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="99"/>
        <source>Fuse a bracket of exposures of one scene into one picture.</source>
        <translation>Eine Belichtungsreihe einer Szene zu einem Bild fusionieren.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="191"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="191"/>
        <source>You must choose a project type at startup.</source>
        <translation>Beim Start müssen Sie einen Projekttyp wählen.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="191"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Window_Select_Shape</name>
    <message>
        <location filename="../../src/panels/Window_Select_Shape.cpp" line="54"/>
        <source>Select Shape</source>
        <translation>Form wählen</translation>
    </message>
</context>
<context>
    <name>Window_Share</name>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="15"/>
        <source>Share the Picture</source>
        <translation>Bild teilen</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="19"/>
        <source>Share the mixed picture, with a line of text if you like.</source>
        <translation>Das gemischte Bild teilen, auf Wunsch mit einer Zeile Text.</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="20"/>
        <source>&amp;Add this text:</source>
        <translation>Diesen Text &amp;hinzufügen:</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="24"/>
        <source>Text to share</source>
        <translation>Zu teilender Text</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="29"/>
        <location filename="../../src/output/Window_Share.cpp" line="68"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="31"/>
        <source>&amp;Share…</source>
        <translation>&amp;Teilen …</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="68"/>
        <source>The picture could not be shared</source>
        <translation>Das Bild konnte nicht geteilt werden</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../../src/app/main.cpp" line="25"/>
        <source>Usage: quillane [PHOTO...] [PROJECT.quillane]
Mix several photos into one picture.

Photos named are added to the list in order; a project named is opened
first and the photos join it.

  -h, --help     show this help and exit
      --version  show the version and exit

quillane-mix renders a project without a display; see quillane-mix --help.
</source>
        <translation>Aufruf: quillane [FOTO...] [PROJEKT.quillane]
Mischt mehrere Fotos zu einem Bild.

Genannte Fotos kommen der Reihe nach in die Liste; ein genanntes Projekt wird
zuerst geöffnet, und die Fotos kommen hinzu.

  -h, --help     diese Hilfe zeigen und beenden
      --version  die Version zeigen und beenden

quillane-mix rendert ein Projekt ohne Bildschirm; siehe quillane-mix --help.
</translation>
    </message>
    <message>
        <location filename="../../src/app/main.cpp" line="59"/>
        <source>quillane: unknown option %1 (see quillane --help).</source>
        <translation>quillane: unbekannte Option %1 (siehe quillane --help).</translation>
    </message>
</context>
</TS>
