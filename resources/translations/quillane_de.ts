<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de_DE">
<context>
    <name>AppDelegate</name>
    <message>
        <source>The page could not be opened</source>
        <translation>Die Seite konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>No web browser could open %1.</source>
        <translation>Kein Webbrowser konnte %1 öffnen.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
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
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>About Quillane</source>
        <translation>Über Quillane</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be written to.</source>
        <translation>In den Ausgabeordner %1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The picture could not be saved in the output folder</source>
        <translation>Das Bild konnte nicht im Ausgabeordner gespeichert werden</translation>
    </message>
    <message>
        <source>%1 Choose another place for it.</source>
        <translation>%1 Wählen Sie einen anderen Ort dafür.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Auswählen …</translation>
    </message>
    <message>
        <source>Select a folder to save the captured image</source>
        <translation>Ordner zum Speichern des Bildes wählen</translation>
    </message>
    <message>
        <source>The picture could not be shown</source>
        <translation>Das Bild konnte nicht angezeigt werden</translation>
    </message>
    <message>
        <source>No program could open %1.</source>
        <translation>Kein Programm konnte %1 öffnen.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1[*] — Quillane</source>
        <translation>%1[*] — Quillane</translation>
    </message>
    <message>
        <source>Linear horizontal</source>
        <translation>Linear waagerecht</translation>
    </message>
    <message>
        <source>Linear vertical</source>
        <translation>Linear senkrecht</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>Überlagerung</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparenz</translation>
    </message>
    <message>
        <source>Preview of the mixed picture</source>
        <translation>Vorschau des gemischten Bildes</translation>
    </message>
    <message numerus="yes">
        <source>%1 project with %n photo(s)</source>
        <translation>
            <numerusform>%1-Projekt mit %n Foto</numerusform><numerusform>%1-Projekt mit %n Fotos</numerusform></translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Möchten Sie die Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don't save them.</source>
        <translation>Ihre Änderungen gehen verloren, wenn Sie sie nicht speichern.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The project could not be opened</source>
        <translation>Das Projekt konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 ist nicht mehr vorhanden.</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Quillane</source>
        <translation>Quillane</translation>
    </message>
    <message>
        <source>Photos</source>
        <translation>Fotos</translation>
    </message>
    <message>
        <source>The photos in mixing order; the first is the background.</source>
        <translation>Die Fotos in Mischreihenfolge; das erste ist der Hintergrund.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add a photo (the first one is the background)</source>
        <translation>Ein Foto hinzufügen (das erste ist der Hintergrund)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove the selected photo</source>
        <translation>Das ausgewählte Foto entfernen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move the selected photo up</source>
        <translation>Das ausgewählte Foto nach oben verschieben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move the selected photo down</source>
        <translation>Das ausgewählte Foto nach unten verschieben</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Neues Projekt</translation>
    </message>
    <message>
        <source>Start a new project</source>
        <translation>Ein neues Projekt beginnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save the mixed picture as a PNG file</source>
        <translation>Das gemischte Bild als PNG-Datei speichern</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Share the mixed picture</source>
        <translation>Das gemischte Bild teilen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Controls of the selected photo</source>
        <translation>Einstellungen des ausgewählten Fotos</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Project…</source>
        <translation>&amp;Neues Projekt …</translation>
    </message>
    <message>
        <source>&amp;Open Project…</source>
        <translation>Projekt ö&amp;ffnen …</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Save &amp;Project…</source>
        <translation>&amp;Projekt speichern …</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Speichern …</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Aktion</translation>
    </message>
    <message>
        <source>&amp;Add Photo…</source>
        <translation>Foto &amp;hinzufügen …</translation>
    </message>
    <message>
        <source>&amp;Remove Photo</source>
        <translation>Foto &amp;entfernen</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Quillane &amp;Home Page</source>
        <translation>Quillane-&amp;Startseite</translation>
    </message>
    <message>
        <source>&amp;Company Home Page</source>
        <translation>&amp;Firmen-Startseite</translation>
    </message>
    <message>
        <source>&amp;Privacy Policy</source>
        <translation>&amp;Datenschutzerklärung</translation>
    </message>
    <message>
        <source>Submit a Support &amp;Ticket</source>
        <translation>Support-&amp;Anfrage senden</translation>
    </message>
    <message>
        <source>&amp;About Quillane</source>
        <translation>Ü&amp;ber Quillane</translation>
    </message>
    <message>
        <source>&amp;%1 %2 (%3)</source>
        <translation>&amp;%1 %2 (%3)</translation>
    </message>
    <message>
        <source>No Recent Projects</source>
        <translation>Keine zuletzt geöffneten Projekte</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>Menü &amp;leeren</translation>
    </message>
</context>
</TS>