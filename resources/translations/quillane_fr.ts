<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppDelegate</name>
    <message>
        <source>The page could not be opened</source>
        <translation>La page n’a pas pu être ouverte</translation>
    </message>
    <message>
        <source>No web browser could open %1.</source>
        <translation>Aucun navigateur web n’a pu ouvrir %1.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Version %1

Mixes several photos into one picture.

Licence: %2

Credits: the Quillane developers. Built with Qt %3, ISA-L and zlib.

%4</source>
        <translation>Version %1

Mélange plusieurs photos en une seule image.

Licence : %2

Remerciements : les développeurs de Quillane. Construit avec Qt %3, ISA-L et zlib.

%4</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>About Quillane</source>
        <translation>À propos de Quillane</translation>
    </message>
    <message>
        <source>The output folder %1 cannot be written to.</source>
        <translation>Le dossier de sortie %1 n’est pas accessible en écriture.</translation>
    </message>
    <message>
        <source>The picture could not be saved in the output folder</source>
        <translation>L’image n’a pas pu être enregistrée dans le dossier de sortie</translation>
    </message>
    <message>
        <source>%1 Choose another place for it.</source>
        <translation>%1 Choisissez un autre emplacement.</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Select a folder to save the captured image</source>
        <translation>Choisissez un dossier où enregistrer l’image</translation>
    </message>
    <message>
        <source>The picture could not be shown</source>
        <translation>L’image n’a pas pu être affichée</translation>
    </message>
    <message>
        <source>No program could open %1.</source>
        <translation>Aucun programme n’a pu ouvrir %1.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1[*] — Quillane</source>
        <translation>%1[*] — Quillane</translation>
    </message>
    <message>
        <source>Linear horizontal</source>
        <translation>Linéaire horizontal</translation>
    </message>
    <message>
        <source>Linear vertical</source>
        <translation>Linéaire vertical</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>Composition</translation>
    </message>
    <message>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <source>Preview of the mixed picture</source>
        <translation>Aperçu de l’image mélangée</translation>
    </message>
    <message numerus="yes">
        <source>%1 project with %n photo(s)</source>
        <translation>
            <numerusform>Projet %1 avec %n photo</numerusform><numerusform>Projet %1 avec %n photos</numerusform></translation>
    </message>
    <message>
        <source>Do you want to save the changes to %1?</source>
        <translation>Voulez-vous enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Your changes will be lost if you don't save them.</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The project could not be opened</source>
        <translation>Le projet n’a pas pu être ouvert</translation>
    </message>
    <message>
        <source>%1 is no longer there.</source>
        <translation>%1 n’existe plus.</translation>
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
        <translation>Photos</translation>
    </message>
    <message>
        <source>The photos in mixing order; the first is the background.</source>
        <translation>Les photos dans l’ordre du mélange ; la première est l’arrière-plan.</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Add a photo (the first one is the background)</source>
        <translation>Ajouter une photo (la première est l’arrière-plan)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Remove the selected photo</source>
        <translation>Retirer la photo sélectionnée</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move the selected photo up</source>
        <translation>Monter la photo sélectionnée</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Move the selected photo down</source>
        <translation>Descendre la photo sélectionnée</translation>
    </message>
    <message>
        <source>New Project</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <source>Start a new project</source>
        <translation>Commencer un nouveau projet</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save the mixed picture as a PNG file</source>
        <translation>Enregistrer l’image mélangée en PNG</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>Partager</translation>
    </message>
    <message>
        <source>Share the mixed picture</source>
        <translation>Partager l’image mélangée</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Controls of the selected photo</source>
        <translation>Réglages de la photo sélectionnée</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Project…</source>
        <translation>&amp;Nouveau projet…</translation>
    </message>
    <message>
        <source>&amp;Open Project…</source>
        <translation>&amp;Ouvrir un projet…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Projets &amp;récents</translation>
    </message>
    <message>
        <source>Save &amp;Project…</source>
        <translation>Enregistrer le &amp;projet…</translation>
    </message>
    <message>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>&amp;Action</source>
        <translation>&amp;Action</translation>
    </message>
    <message>
        <source>&amp;Add Photo…</source>
        <translation>&amp;Ajouter une photo…</translation>
    </message>
    <message>
        <source>&amp;Remove Photo</source>
        <translation>&amp;Retirer la photo</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Quillane &amp;Home Page</source>
        <translation>&amp;Site de Quillane</translation>
    </message>
    <message>
        <source>&amp;Company Home Page</source>
        <translation>Site de l’&amp;entreprise</translation>
    </message>
    <message>
        <source>&amp;Privacy Policy</source>
        <translation>&amp;Politique de confidentialité</translation>
    </message>
    <message>
        <source>Submit a Support &amp;Ticket</source>
        <translation>Envoyer une demande d’&amp;assistance</translation>
    </message>
    <message>
        <source>&amp;About Quillane</source>
        <translation>À &amp;propos de Quillane</translation>
    </message>
    <message>
        <source>&amp;%1 %2 (%3)</source>
        <translation>&amp;%1 %2 (%3)</translation>
    </message>
    <message>
        <source>No Recent Projects</source>
        <translation>Aucun projet récent</translation>
    </message>
    <message>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Vider le menu</translation>
    </message>
</context>
</TS>