<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="31"/>
        <source>The page could not be opened</source>
        <translation>Die Seite konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="32"/>
        <source>No web browser could open %1.</source>
        <translation>Kein Webbrowser konnte %1 öffnen.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate.cpp" line="75"/>
        <location filename="../../src/app/AppDelegate_Files.cpp" line="44"/>
        <location filename="../../src/app/AppDelegate_List.cpp" line="43"/>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="33"/>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="79"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="35"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="171"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="175"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="243"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="41"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate.cpp" line="75"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate.cpp" line="75"/>
        <source>Error #0008. Application will exit.</source>
        <translation>Fehler #0008. Das Programm wird beendet.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="75"/>
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
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="77"/>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="79"/>
        <source>About Quillane</source>
        <translation>Über Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="35"/>
        <source>The picture could not be saved</source>
        <translation>Das Bild konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="87"/>
        <source>The output folder %1 cannot be written to.</source>
        <translation>In den Ausgabeordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="104"/>
        <source>The picture could not be saved in the output folder</source>
        <translation>Das Bild konnte nicht im Ausgabeordner gespeichert werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="105"/>
        <source>%1 Choose another place for it.</source>
        <translation>%1 Wählen Sie einen anderen Ort dafür.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="106"/>
        <source>Choose…</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="107"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="127"/>
        <source>Select a folder to save the captured image</source>
        <translation>Ordner zum Speichern des Bildes wählen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="171"/>
        <source>Success</source>
        <translation>Erfolg</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="171"/>
        <source>Image file saved successfully.</source>
        <translation>Die Bilddatei wurde gespeichert.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="171"/>
        <source>View Image File</source>
        <translation>Bilddatei anzeigen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="173"/>
        <source>The picture could not be shown</source>
        <translation>Das Bild konnte nicht angezeigt werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="174"/>
        <source>No program could open %1.</source>
        <translation>Kein Programm konnte %1 öffnen.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="243"/>
        <source>The picture could not be shared</source>
        <translation>Das Bild konnte nicht geteilt werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="125"/>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="25"/>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="33"/>
        <source>%1[*] — Quillane</source>
        <translation>%1[*] — Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="42"/>
        <source>Linear horizontal</source>
        <translation>Linear waagerecht</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="42"/>
        <source>Linear vertical</source>
        <translation>Linear senkrecht</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="43"/>
        <source>Composite</source>
        <translation>Überlagerung</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="43"/>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="44"/>
        <source>Transparent</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="47"/>
        <source>Preview of the mixed picture</source>
        <translation>Vorschau des gemischten Bildes</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="49"/>
        <source>%1 project with %n photo(s)</source>
        <translation>
            <numerusform>%1-Projekt mit %n Foto</numerusform>
            <numerusform>%1-Projekt mit %n Fotos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="58"/>
        <source>Do you want to save the changes to %1?</source>
        <translation>Möchten Sie die Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="59"/>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="60"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="60"/>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="24"/>
        <source>%1 is not a Quillane project: %2.</source>
        <translation>%1 ist kein Quillane-Projekt: %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="26"/>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="28"/>
        <source>%1 is a damaged project: %2.</source>
        <translation>%1 ist ein beschädigtes Projekt: %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="50"/>
        <source>Open Project</source>
        <translation>Projekt öffnen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="50"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="127"/>
        <source>Quillane projects</source>
        <translation>Quillane-Projekte</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="67"/>
        <source>%1

Open %2 without this photo, or cancel and keep the current project?</source>
        <translation>%1

%2 ohne dieses Foto öffnen, oder abbrechen und das aktuelle Projekt behalten?</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="71"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="136"/>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="60"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="71"/>
        <source>A photo of the project is missing</source>
        <translation>Ein Foto des Projekts fehlt</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="71"/>
        <source>Skip Photo</source>
        <translation>Foto überspringen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="88"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="94"/>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="97"/>
        <source>The project could not be opened</source>
        <translation>Das Projekt konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="89"/>
        <source>%1 could not be read: %2.</source>
        <translation>%1 konnte nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="117"/>
        <source>There is nothing to save</source>
        <translation>Es gibt nichts zu speichern</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="118"/>
        <source>Add at least one photo before saving the project.</source>
        <translation>Fügen Sie mindestens ein Foto hinzu, bevor Sie das Projekt speichern.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="126"/>
        <source>Save Project</source>
        <translation>Projekt speichern</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="134"/>
        <source>%1 already exists.</source>
        <translation>%1 ist bereits vorhanden.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="135"/>
        <source>Do you want to replace it?</source>
        <translation>Möchten Sie es ersetzen?</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="136"/>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="142"/>
        <source>The project could not be saved</source>
        <translation>Das Projekt konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="143"/>
        <source>%1 was not written: %2.</source>
        <translation>%1 wurde nicht geschrieben: %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="98"/>
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
        <location filename="../../src/app/AppDelegate_List.cpp" line="43"/>
        <source>The photo could not be added</source>
        <translation>Das Foto konnte nicht hinzugefügt werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="58"/>
        <source>The photos could not be added</source>
        <translation>Die Fotos konnten nicht hinzugefügt werden</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="58"/>
        <source>Loading photos: %1 of %2</source>
        <translation>Fotos werden geladen: %1 von %2</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Undo.cpp" line="68"/>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
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
    <name>MainWindow</name>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="59"/>
        <source>Quillane</source>
        <translation>Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="113"/>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="114"/>
        <source>The photos in mixing order; the first is the background.</source>
        <translation>Die Fotos in Mischreihenfolge; das erste ist der Hintergrund.</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="122"/>
        <source>Add a photo (the first one is the background)</source>
        <translation>Ein Foto hinzufügen (das erste ist der Hintergrund)</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="124"/>
        <source>Remove the selected photo</source>
        <translation>Das ausgewählte Foto entfernen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="126"/>
        <source>Move the selected photo up</source>
        <translation>Das ausgewählte Foto nach oben verschieben</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="128"/>
        <source>Move the selected photo down</source>
        <translation>Das ausgewählte Foto nach unten verschieben</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="146"/>
        <source>Start a new project</source>
        <translation>Ein neues Projekt beginnen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="150"/>
        <source>Save the mixed picture as a PNG file</source>
        <translation>Das gemischte Bild als PNG-Datei speichern</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="151"/>
        <source>Share the mixed picture</source>
        <translation>Das gemischte Bild teilen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="151"/>
        <source>&amp;Share</source>
        <translation>Te&amp;ilen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="160"/>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="170"/>
        <source>Controls of the selected photo</source>
        <translation>Einstellungen des ausgewählten Fotos</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="199"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="200"/>
        <source>&amp;New Project…</source>
        <translation>&amp;Neues Projekt …</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="202"/>
        <source>&amp;Open Project…</source>
        <translation>Projekt ö&amp;ffnen …</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="204"/>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="207"/>
        <source>Save &amp;Project…</source>
        <translation>&amp;Projekt speichern …</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="210"/>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern …</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="213"/>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="216"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="222"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="224"/>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="233"/>
        <source>&amp;Action</source>
        <translation>&amp;Aktion</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="234"/>
        <source>&amp;Add Photo…</source>
        <translation>Foto &amp;hinzufügen …</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="236"/>
        <source>&amp;Remove Photo</source>
        <translation>Foto &amp;entfernen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="126"/>
        <location filename="../../src/app/MainWindow.cpp" line="238"/>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="122"/>
        <source>A&amp;dd</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="124"/>
        <source>&amp;Remove</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="128"/>
        <source>Move D&amp;own</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="146"/>
        <source>&amp;New Project</source>
        <translation>&amp;Neues Projekt</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="150"/>
        <source>Sa&amp;ve</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="240"/>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="243"/>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="244"/>
        <source>Quillane &amp;Home Page</source>
        <translation>Quillane-&amp;Startseite</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="245"/>
        <source>&amp;Company Home Page</source>
        <translation>&amp;Firmen-Startseite</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="247"/>
        <source>&amp;Privacy Policy</source>
        <translation>&amp;Datenschutzerklärung</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="248"/>
        <source>Submit a Support &amp;Ticket</source>
        <translation>Support-&amp;Anfrage senden</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="251"/>
        <source>&amp;About Quillane</source>
        <translation>Ü&amp;ber Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="263"/>
        <source>&amp;%1 %2 (%3)</source>
        <translation>&amp;%1 %2 (%3)</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="269"/>
        <source>No Recent Projects</source>
        <translation>Keine zuletzt geöffneten Projekte</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="271"/>
        <source>&amp;Clear Menu</source>
        <translation>Menü &amp;leeren</translation>
    </message>
</context>
<context>
    <name>PanelBase</name>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="81"/>
        <source>Linear light</source>
        <translation>Lineares Licht</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="82"/>
        <source>sRGB values, as most editors blend</source>
        <translation>sRGB-Werte, wie die meisten Editoren mischen</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="83"/>
        <source>Where the photos&apos; colours are mixed: in linear light, or as the stored sRGB values</source>
        <translation>Wo die Farben der Fotos gemischt werden: in linearem Licht oder als gespeicherte sRGB-Werte</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="84"/>
        <source>Blend spa&amp;ce</source>
        <translation>Misch&amp;farbraum</translation>
    </message>
</context>
<context>
    <name>PhotoField</name>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="30"/>
        <source>Blend Mode</source>
        <translation>Mischmodus</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="32"/>
        <source>Match Background Size</source>
        <translation>Hintergrundgröße</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="35"/>
        <location filename="../../src/model/PhotoField.cpp" line="45"/>
        <location filename="../../src/model/PhotoField.cpp" line="60"/>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="37"/>
        <location filename="../../src/model/PhotoField.cpp" line="48"/>
        <location filename="../../src/model/PhotoField.cpp" line="62"/>
        <source>Horizontal Offset</source>
        <translation>Waagerechten Versatz</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="39"/>
        <location filename="../../src/model/PhotoField.cpp" line="50"/>
        <location filename="../../src/model/PhotoField.cpp" line="64"/>
        <source>Vertical Offset</source>
        <translation>Senkrechten Versatz</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="41"/>
        <source>Opacity</source>
        <translation>Deckkraft</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="44"/>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="52"/>
        <source>Feather</source>
        <translation>Weiche Kante</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="55"/>
        <source>Intersection</source>
        <translation>Überlappung</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="58"/>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
</context>
<context>
    <name>PhotoTableModel</name>
    <message>
        <location filename="../../src/app/PhotoTable.cpp" line="46"/>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <location filename="../../src/app/PhotoTable.cpp" line="46"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>RenderPass</name>
    <message>
        <location filename="../../src/render/RenderPass.cpp" line="26"/>
        <source>No Image</source>
        <translation>Kein Bild</translation>
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
    <name>View_Composition</name>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="12"/>
        <source>Composite</source>
        <translation>Überlagerung</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="16"/>
        <source>How the photo is mixed with the picture beneath it</source>
        <translation>Wie das Foto mit dem Bild darunter gemischt wird</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="17"/>
        <source>&amp;Blend mode</source>
        <translation>&amp;Mischmodus</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="19"/>
        <source>&amp;Match the background&apos;s size</source>
        <translation>Auf Hintergrund&amp;größe strecken</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="21"/>
        <source>Stretch the photo over the whole background; off: place it by its size and offsets</source>
        <translation>Das Foto über den ganzen Hintergrund strecken; aus: nach Größe und Versatz platzieren</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="24"/>
        <source>S&amp;ize</source>
        <translation>G&amp;röße</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="24"/>
        <source>Enlargement of the photo&apos;s own width (0 % keeps its size)</source>
        <translation>Vergrößerung der eigenen Breite des Fotos (0 % behält die Größe)</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="26"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="26"/>
        <source>Offset to the right, in percent of the photo&apos;s own width</source>
        <translation>Versatz nach rechts, in Prozent der Breite des Fotos</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="28"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="28"/>
        <source>Offset upwards, in percent of the photo&apos;s own height</source>
        <translation>Versatz nach oben, in Prozent der Höhe des Fotos</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="30"/>
        <source>O&amp;pacity</source>
        <translation>Dec&amp;kkraft</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="30"/>
        <source>How strongly the blend shows over the picture beneath it</source>
        <translation>Wie stark die Mischung über dem Bild darunter wirkt</translation>
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
        <location filename="../../src/panels/View_Linear.cpp" line="26"/>
        <source>Build the saved strip from the photos at their own size; off: from copies fitted into 400 x 400</source>
        <translation>Den gespeicherten Streifen aus den Fotos in ihrer eigenen Größe bauen; aus: aus Kopien, eingepasst in 400 x 400</translation>
    </message>
</context>
<context>
    <name>View_Shape</name>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="26"/>
        <location filename="../../src/panels/View_Shape.cpp" line="38"/>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="31"/>
        <source>Se&amp;lect Shape…</source>
        <translation>Form &amp;wählen …</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="32"/>
        <source>Choose the shape the photo is cut out through</source>
        <translation>Die Form wählen, durch die das Foto ausgeschnitten wird</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="34"/>
        <source>The photo&apos;s shape</source>
        <translation>Die Form des Fotos</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="40"/>
        <source>S&amp;ize</source>
        <translation>G&amp;röße</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="40"/>
        <source>Enlargement of the photo&apos;s own width (0 % keeps its size)</source>
        <translation>Vergrößerung der eigenen Breite des Fotos (0 % behält die Größe)</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="42"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="42"/>
        <source>Offset to the right, in percent of the photo&apos;s own width</source>
        <translation>Versatz nach rechts, in Prozent der Breite des Fotos</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="44"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="44"/>
        <source>Offset upwards, in percent of the photo&apos;s own height</source>
        <translation>Versatz nach oben, in Prozent der Höhe des Fotos</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="46"/>
        <source>Fea&amp;ther</source>
        <translation>Weiche &amp;Kante</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="46"/>
        <source>How softly the shape&apos;s edge fades, up to a tenth of its shorter side</source>
        <translation>Wie weich die Kante der Form ausläuft, bis zu einem Zehntel ihrer kürzeren Seite</translation>
    </message>
</context>
<context>
    <name>View_Transparent</name>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="6"/>
        <source>Transparent</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="8"/>
        <source>&amp;Transparency</source>
        <translation>&amp;Transparenz</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="8"/>
        <source>0 % draws the photo opaque, 100 % hides it</source>
        <translation>0 % zeichnet das Foto deckend, 100 % blendet es aus</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="10"/>
        <source>&amp;Width</source>
        <translation>B&amp;reite</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="10"/>
        <source>The photo&apos;s width in percent of the background&apos;s width</source>
        <translation>Die Breite des Fotos in Prozent der Breite des Hintergrunds</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="12"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="12"/>
        <source>Offset to the right, in percent of the background&apos;s width</source>
        <translation>Versatz nach rechts, in Prozent der Breite des Hintergrunds</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="14"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="14"/>
        <source>Offset upwards, in percent of the background&apos;s height</source>
        <translation>Versatz nach oben, in Prozent der Höhe des Hintergrunds</translation>
    </message>
</context>
<context>
    <name>Window_New_Project</name>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="23"/>
        <source>New Project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="78"/>
        <source>Choose the type of your project</source>
        <translation>Wählen Sie den Typ Ihres Projekts</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="81"/>
        <source>&amp;Composite</source>
        <translation>&amp;Überlagerung</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="82"/>
        <source>Lay each photo over the picture with one of 24 blend modes.</source>
        <translation>Jedes Foto mit einem von 24 Mischmodi über das Bild legen.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="83"/>
        <source>&amp;Shape</source>
        <translation>&amp;Form</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="84"/>
        <source>Cut each photo out through a shape: circle, star, heart…</source>
        <translation>Jedes Foto durch eine Form ausschneiden: Kreis, Stern, Herz …</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="85"/>
        <source>&amp;Linear</source>
        <translation>&amp;Linear</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="85"/>
        <source>Join the photos into a strip with soft seams.</source>
        <translation>Die Fotos mit weichen Nähten zu einem Streifen verbinden.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="87"/>
        <source>&amp;Horizontal</source>
        <translation>&amp;Waagerecht</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="87"/>
        <source>Left to right.</source>
        <translation>Von links nach rechts.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="90"/>
        <source>&amp;Vertical</source>
        <translation>&amp;Senkrecht</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="90"/>
        <source>Bottom to top.</source>
        <translation>Von unten nach oben.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="92"/>
        <source>&amp;Transparency</source>
        <translation>&amp;Transparenz</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="93"/>
        <source>Lay each photo over the background with its own opacity, size and place.</source>
        <translation>Jedes Foto mit eigener Deckkraft, Größe und Lage über den Hintergrund legen.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="179"/>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="179"/>
        <source>You must choose a project type at startup.</source>
        <translation>Beim Start müssen Sie einen Projekttyp wählen.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="179"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Window_Select_Shape</name>
    <message>
        <location filename="../../src/panels/Window_Select_Shape.cpp" line="53"/>
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
        <location filename="../../src/output/Window_Share.cpp" line="28"/>
        <location filename="../../src/output/Window_Share.cpp" line="67"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="30"/>
        <source>&amp;Share…</source>
        <translation>&amp;Teilen …</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="67"/>
        <source>The picture could not be shared</source>
        <translation>Das Bild konnte nicht geteilt werden</translation>
    </message>
</context>
</TS>
