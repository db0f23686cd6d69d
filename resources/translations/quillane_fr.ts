<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="31"/>
        <source>The page could not be opened</source>
        <translation>La page n’a pas pu être ouverte</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="32"/>
        <source>No web browser could open %1.</source>
        <translation>Aucun navigateur web n’a pu ouvrir %1.</translation>
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
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate.cpp" line="75"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate.cpp" line="75"/>
        <source>Error #0008. Application will exit.</source>
        <translation>Erreur n° 0008. L’application va se fermer.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="75"/>
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
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="77"/>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="79"/>
        <source>About Quillane</source>
        <translation>À propos de Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="35"/>
        <source>The picture could not be saved</source>
        <translation>L’image n’a pas pu être enregistrée</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="87"/>
        <source>The output folder %1 cannot be written to.</source>
        <translation>Le dossier de sortie %1 n’est pas accessible en écriture.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="104"/>
        <source>The picture could not be saved in the output folder</source>
        <translation>L’image n’a pas pu être enregistrée dans le dossier de sortie</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="105"/>
        <source>%1 Choose another place for it.</source>
        <translation>%1 Choisissez un autre emplacement.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="106"/>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="107"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="127"/>
        <source>Select a folder to save the captured image</source>
        <translation>Choisissez un dossier où enregistrer l’image</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="171"/>
        <source>Success</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="171"/>
        <source>Image file saved successfully.</source>
        <translation>Le fichier image a bien été enregistré.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="171"/>
        <source>View Image File</source>
        <translation>Afficher le fichier image</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="173"/>
        <source>The picture could not be shown</source>
        <translation>L’image n’a pas pu être affichée</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="174"/>
        <source>No program could open %1.</source>
        <translation>Aucun programme n’a pu ouvrir %1.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="243"/>
        <source>The picture could not be shared</source>
        <translation>L’image n’a pas pu être partagée</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="125"/>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="25"/>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="33"/>
        <source>%1[*] — Quillane</source>
        <translation>%1[*] — Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="42"/>
        <source>Linear horizontal</source>
        <translation>Linéaire horizontal</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="42"/>
        <source>Linear vertical</source>
        <translation>Linéaire vertical</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="43"/>
        <source>Composite</source>
        <translation>Composition</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="43"/>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="44"/>
        <source>Transparent</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="47"/>
        <source>Preview of the mixed picture</source>
        <translation>Aperçu de l’image mélangée</translation>
    </message>
    <message numerus="yes">
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="49"/>
        <source>%1 project with %n photo(s)</source>
        <translation>
            <numerusform>Projet %1 avec %n photo</numerusform>
            <numerusform>Projet %1 avec %n photos</numerusform>
        </translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="58"/>
        <source>Do you want to save the changes to %1?</source>
        <translation>Voulez-vous enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="59"/>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="60"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="60"/>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="24"/>
        <source>%1 is not a Quillane project: %2.</source>
        <translation>%1 n’est pas un projet Quillane : %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="26"/>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 ne peut pas être ouvert : %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="28"/>
        <source>%1 is a damaged project: %2.</source>
        <translation>%1 est un projet endommagé : %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="50"/>
        <source>Open Project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="50"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="127"/>
        <source>Quillane projects</source>
        <translation>Projets Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="67"/>
        <source>%1

Open %2 without this photo, or cancel and keep the current project?</source>
        <translation>%1

Ouvrir %2 sans cette photo, ou annuler et garder le projet actuel ?</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="71"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="136"/>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="60"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="71"/>
        <source>A photo of the project is missing</source>
        <translation>Une photo du projet est introuvable</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="71"/>
        <source>Skip Photo</source>
        <translation>Ignorer la photo</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="88"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="94"/>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="97"/>
        <source>The project could not be opened</source>
        <translation>Le projet n’a pas pu être ouvert</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="89"/>
        <source>%1 could not be read: %2.</source>
        <translation>%1 n’a pas pu être lu : %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="117"/>
        <source>There is nothing to save</source>
        <translation>Il n’y a rien à enregistrer</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="118"/>
        <source>Add at least one photo before saving the project.</source>
        <translation>Ajoutez au moins une photo avant d’enregistrer le projet.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="126"/>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="134"/>
        <source>%1 already exists.</source>
        <translation>%1 existe déjà.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="135"/>
        <source>Do you want to replace it?</source>
        <translation>Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="136"/>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="142"/>
        <source>The project could not be saved</source>
        <translation>Le projet n’a pas pu être enregistré</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="143"/>
        <source>%1 was not written: %2.</source>
        <translation>%1 n’a pas été écrit : %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="98"/>
        <source>%1 is no longer there.</source>
        <translation>%1 n’existe plus.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Files.cpp" line="28"/>
        <source>Add photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Files.cpp" line="28"/>
        <source>Photos</source>
        <translation>Photos</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Files.cpp" line="42"/>
        <source>The files could not be opened</source>
        <translation>Les fichiers n’ont pas pu être ouverts</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Files.cpp" line="43"/>
        <source>Quillane opens one project at a time: choose a single project file.</source>
        <translation>Quillane ouvre un projet à la fois : choisissez un seul fichier de projet.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="43"/>
        <source>The photo could not be added</source>
        <translation>La photo n’a pas pu être ajoutée</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="58"/>
        <source>The photos could not be added</source>
        <translation>Les photos n’ont pas pu être ajoutées</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="58"/>
        <source>Loading photos: %1 of %2</source>
        <translation>Chargement des photos : %1 sur %2</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Undo.cpp" line="68"/>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
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
        <translation>Couleur</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="12"/>
        <source>Color Burn Blend Mode</source>
        <translation>Densité couleur +</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="13"/>
        <source>Color Dodge Blend Mode</source>
        <translation>Densité couleur −</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="14"/>
        <source>Darken Blend Mode</source>
        <translation>Obscurcir</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="15"/>
        <source>Difference Blend Mode</source>
        <translation>Différence</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="16"/>
        <source>Divide Blend Mode</source>
        <translation>Division</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="17"/>
        <source>Exclusion Blend Mode</source>
        <translation>Exclusion</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="18"/>
        <source>Hard Light Blend Mode</source>
        <translation>Lumière crue</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="19"/>
        <source>Hue Blend Mode</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="20"/>
        <source>Lighten Blend Mode</source>
        <translation>Éclaircir</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="21"/>
        <source>Linear Burn Blend Mode</source>
        <translation>Densité linéaire +</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="22"/>
        <source>Linear Dodge Blend Mode</source>
        <translation>Densité linéaire −</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="23"/>
        <source>Luminosity Blend Mode</source>
        <translation>Luminosité</translation>
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
        <translation>Produit</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="27"/>
        <source>Multiply Compositing</source>
        <translation>Produit (composition)</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="28"/>
        <source>Overlay Blend Mode</source>
        <translation>Incrustation</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="29"/>
        <source>Pin Light Blend Mode</source>
        <translation>Lumière ponctuelle</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="30"/>
        <source>Saturation Blend Mode</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="31"/>
        <source>Screen Blend Mode</source>
        <translation>Superposition</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="32"/>
        <source>SoftLight Blend Mode</source>
        <translation>Lumière tamisée</translation>
    </message>
    <message>
        <location filename="../../src/model/BlendMode.cpp" line="33"/>
        <source>Subtract Blend Mode</source>
        <translation>Soustraction</translation>
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
        <translation>Photos</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="114"/>
        <source>The photos in mixing order; the first is the background.</source>
        <translation>Les photos dans l’ordre du mélange ; la première est l’arrière-plan.</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="122"/>
        <source>Add a photo (the first one is the background)</source>
        <translation>Ajouter une photo (la première est l’arrière-plan)</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="124"/>
        <source>Remove the selected photo</source>
        <translation>Retirer la photo sélectionnée</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="126"/>
        <source>Move the selected photo up</source>
        <translation>Monter la photo sélectionnée</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="128"/>
        <source>Move the selected photo down</source>
        <translation>Descendre la photo sélectionnée</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="146"/>
        <source>Start a new project</source>
        <translation>Commencer un nouveau projet</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="150"/>
        <source>Save the mixed picture as a PNG file</source>
        <translation>Enregistrer l’image mélangée en PNG</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="151"/>
        <source>Share the mixed picture</source>
        <translation>Partager l’image mélangée</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="151"/>
        <source>&amp;Share</source>
        <translation>&amp;Partager</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="160"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="170"/>
        <source>Controls of the selected photo</source>
        <translation>Réglages de la photo sélectionnée</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="199"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="200"/>
        <source>&amp;New Project…</source>
        <translation>&amp;Nouveau projet…</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="202"/>
        <source>&amp;Open Project…</source>
        <translation>&amp;Ouvrir un projet…</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="204"/>
        <source>Open &amp;Recent</source>
        <translation>Projets &amp;récents</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="207"/>
        <source>Save &amp;Project…</source>
        <translation>Enregistrer le &amp;projet…</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="210"/>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="213"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="216"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="222"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="224"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="233"/>
        <source>&amp;Action</source>
        <translation>&amp;Action</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="234"/>
        <source>&amp;Add Photo…</source>
        <translation>&amp;Ajouter une photo…</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="236"/>
        <source>&amp;Remove Photo</source>
        <translation>&amp;Retirer la photo</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="126"/>
        <location filename="../../src/app/MainWindow.cpp" line="238"/>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="122"/>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="124"/>
        <source>&amp;Remove</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="128"/>
        <source>Move D&amp;own</source>
        <translation>D&amp;escendre</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="146"/>
        <source>&amp;New Project</source>
        <translation>&amp;Nouveau projet</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="150"/>
        <source>Sa&amp;ve</source>
        <translation>Enre&amp;gistrer</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="240"/>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="243"/>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="244"/>
        <source>Quillane &amp;Home Page</source>
        <translation>&amp;Site de Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="245"/>
        <source>&amp;Company Home Page</source>
        <translation>Site de l’&amp;entreprise</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="247"/>
        <source>&amp;Privacy Policy</source>
        <translation>&amp;Politique de confidentialité</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="248"/>
        <source>Submit a Support &amp;Ticket</source>
        <translation>Envoyer une demande d’&amp;assistance</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="251"/>
        <source>&amp;About Quillane</source>
        <translation>À &amp;propos de Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="263"/>
        <source>&amp;%1 %2 (%3)</source>
        <translation>&amp;%1 %2 (%3)</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="269"/>
        <source>No Recent Projects</source>
        <translation>Aucun projet récent</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="271"/>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Vider le menu</translation>
    </message>
</context>
<context>
    <name>PanelBase</name>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="81"/>
        <source>Linear light</source>
        <translation>Lumière linéaire</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="82"/>
        <source>sRGB values, as most editors blend</source>
        <translation>Valeurs sRGB, comme la plupart des éditeurs</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="83"/>
        <source>Where the photos&apos; colours are mixed: in linear light, or as the stored sRGB values</source>
        <translation>Où les couleurs des photos sont mélangées : en lumière linéaire ou en valeurs sRGB enregistrées</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="84"/>
        <source>Blend spa&amp;ce</source>
        <translation>Espace de f&amp;usion</translation>
    </message>
</context>
<context>
    <name>PhotoField</name>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="30"/>
        <source>Blend Mode</source>
        <translation>Mode de fusion</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="32"/>
        <source>Match Background Size</source>
        <translation>Taille de l’arrière-plan</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="35"/>
        <location filename="../../src/model/PhotoField.cpp" line="45"/>
        <location filename="../../src/model/PhotoField.cpp" line="60"/>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="37"/>
        <location filename="../../src/model/PhotoField.cpp" line="48"/>
        <location filename="../../src/model/PhotoField.cpp" line="62"/>
        <source>Horizontal Offset</source>
        <translation>Décalage horizontal</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="39"/>
        <location filename="../../src/model/PhotoField.cpp" line="50"/>
        <location filename="../../src/model/PhotoField.cpp" line="64"/>
        <source>Vertical Offset</source>
        <translation>Décalage vertical</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="41"/>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="44"/>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="52"/>
        <source>Feather</source>
        <translation>Bord adouci</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="55"/>
        <source>Intersection</source>
        <translation>Chevauchement</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="58"/>
        <source>Transparency</source>
        <translation>Transparence</translation>
    </message>
</context>
<context>
    <name>PhotoTableModel</name>
    <message>
        <location filename="../../src/app/PhotoTable.cpp" line="46"/>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <location filename="../../src/app/PhotoTable.cpp" line="46"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>RenderPass</name>
    <message>
        <location filename="../../src/render/RenderPass.cpp" line="26"/>
        <source>No Image</source>
        <translation>Aucune image</translation>
    </message>
</context>
<context>
    <name>Shape</name>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="15"/>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="16"/>
        <source>Five-pointed star</source>
        <translation>Étoile à cinq branches</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="17"/>
        <source>Six-pointed star</source>
        <translation>Étoile à six branches</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="18"/>
        <source>Heart</source>
        <translation>Cœur</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="19"/>
        <source>Hexagon</source>
        <translation>Hexagone</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="20"/>
        <source>Cloud</source>
        <translation>Nuage</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="21"/>
        <source>Flames</source>
        <translation>Flammes</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="22"/>
        <source>Splash</source>
        <translation>Éclaboussure</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="23"/>
        <source>Splash 2</source>
        <translation>Éclaboussure 2</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="24"/>
        <source>Swirl</source>
        <translation>Tourbillon</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="25"/>
        <source>Swirl 2</source>
        <translation>Tourbillon 2</translation>
    </message>
    <message>
        <location filename="../../src/model/ShapeType.cpp" line="26"/>
        <source>Map</source>
        <translation>Carte</translation>
    </message>
</context>
<context>
    <name>SharingServices</name>
    <message>
        <location filename="../../src/output/SharingServices.cpp" line="25"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location filename="../../src/output/SharingServices.cpp" line="29"/>
        <source>Email</source>
        <translation>Courriel</translation>
    </message>
    <message>
        <location filename="../../src/output/SharingServices.cpp" line="33"/>
        <source>Open in Image Viewer</source>
        <translation>Ouvrir dans la visionneuse</translation>
    </message>
    <message>
        <location filename="../../src/output/SharingServices.cpp" line="71"/>
        <source>No temporary folder could be made for the picture (%1).</source>
        <translation>Aucun dossier temporaire n’a pu être créé pour l’image (%1).</translation>
    </message>
    <message>
        <location filename="../../src/output/SharingServices.cpp" line="109"/>
        <source>There is no picture to share.</source>
        <translation>Il n’y a pas d’image à partager.</translation>
    </message>
    <message>
        <location filename="../../src/output/SharingServices.cpp" line="122"/>
        <source>The mail program (%1) could not be started.</source>
        <translation>Le programme de courrier (%1) n’a pas pu être lancé.</translation>
    </message>
    <message>
        <location filename="../../src/output/SharingServices.cpp" line="127"/>
        <source>No image viewer could open the picture.</source>
        <translation>Aucune visionneuse n’a pu ouvrir l’image.</translation>
    </message>
</context>
<context>
    <name>View_Composition</name>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="12"/>
        <source>Composite</source>
        <translation>Composition</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="16"/>
        <source>How the photo is mixed with the picture beneath it</source>
        <translation>Comment la photo se mélange à l’image en dessous</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="17"/>
        <source>&amp;Blend mode</source>
        <translation>Mode de fu&amp;sion</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="19"/>
        <source>&amp;Match the background&apos;s size</source>
        <translation>Adapter à la &amp;taille de l’arrière-plan</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="21"/>
        <source>Stretch the photo over the whole background; off: place it by its size and offsets</source>
        <translation>Étirer la photo sur tout l’arrière-plan ; désactivé : la placer selon sa taille et ses décalages</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="24"/>
        <source>S&amp;ize</source>
        <translation>Tai&amp;lle</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="24"/>
        <source>Enlargement of the photo&apos;s own width (0 % keeps its size)</source>
        <translation>Agrandissement de la largeur de la photo (0 % garde sa taille)</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="26"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="26"/>
        <source>Offset to the right, in percent of the photo&apos;s own width</source>
        <translation>Décalage vers la droite, en pourcentage de la largeur de la photo</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="28"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="28"/>
        <source>Offset upwards, in percent of the photo&apos;s own height</source>
        <translation>Décalage vers le haut, en pourcentage de la hauteur de la photo</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="30"/>
        <source>O&amp;pacity</source>
        <translation>&amp;Opacité</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="30"/>
        <source>How strongly the blend shows over the picture beneath it</source>
        <translation>Avec quelle force le mélange apparaît sur l’image en dessous</translation>
    </message>
</context>
<context>
    <name>View_Home</name>
    <message>
        <location filename="../../src/panels/View_Home.cpp" line="7"/>
        <source>Welcome to Quillane</source>
        <translation>Bienvenue dans Quillane</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Home.cpp" line="10"/>
        <source>Choose a project type, then add your photos: the first photo is the background, every later one is mixed over it. Select a later photo in the list to tune it here, and watch the preview. Save writes the mixed picture as a PNG file.</source>
        <translation>Choisissez un type de projet, puis ajoutez vos photos : la première photo est l’arrière-plan, chacune des suivantes est mélangée par-dessus. Sélectionnez une photo suivante dans la liste pour la régler ici, et regardez l’aperçu. Enregistrer écrit l’image mélangée dans un fichier PNG.</translation>
    </message>
</context>
<context>
    <name>View_Linear</name>
    <message>
        <location filename="../../src/panels/View_Linear.cpp" line="12"/>
        <source>%1 (%2 % overlap)</source>
        <translation>%1 (%2 % de chevauchement)</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Linear.cpp" line="19"/>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Linear.cpp" line="22"/>
        <source>&amp;Intersection</source>
        <translation>&amp;Chevauchement</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Linear.cpp" line="22"/>
        <source>How far the photo&apos;s seam overlaps the photo before it: 0 to 360</source>
        <translation>Jusqu’où la jointure de la photo chevauche la photo précédente : de 0 à 360</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Linear.cpp" line="24"/>
        <source>Save at full reso&amp;lution</source>
        <translation>Enregistrer en pleine réso&amp;lution</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Linear.cpp" line="26"/>
        <source>Build the saved strip from the photos at their own size; off: from copies fitted into 400 x 400</source>
        <translation>Construire la bande enregistrée à partir des photos à leur propre taille ; sinon, à partir de copies ajustées dans 400 x 400</translation>
    </message>
</context>
<context>
    <name>View_Shape</name>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="26"/>
        <location filename="../../src/panels/View_Shape.cpp" line="38"/>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="31"/>
        <source>Se&amp;lect Shape…</source>
        <translation>Choisir la f&amp;orme…</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="32"/>
        <source>Choose the shape the photo is cut out through</source>
        <translation>Choisir la forme qui découpe la photo</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="34"/>
        <source>The photo&apos;s shape</source>
        <translation>La forme de la photo</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="40"/>
        <source>S&amp;ize</source>
        <translation>Tai&amp;lle</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="40"/>
        <source>Enlargement of the photo&apos;s own width (0 % keeps its size)</source>
        <translation>Agrandissement de la largeur de la photo (0 % garde sa taille)</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="42"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="42"/>
        <source>Offset to the right, in percent of the photo&apos;s own width</source>
        <translation>Décalage vers la droite, en pourcentage de la largeur de la photo</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="44"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="44"/>
        <source>Offset upwards, in percent of the photo&apos;s own height</source>
        <translation>Décalage vers le haut, en pourcentage de la hauteur de la photo</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="46"/>
        <source>Fea&amp;ther</source>
        <translation>&amp;Bord adouci</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="46"/>
        <source>How softly the shape&apos;s edge fades, up to a tenth of its shorter side</source>
        <translation>Avec quelle douceur le bord de la forme s’estompe, jusqu’au dixième de son côté le plus court</translation>
    </message>
</context>
<context>
    <name>View_Transparent</name>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="6"/>
        <source>Transparent</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="8"/>
        <source>&amp;Transparency</source>
        <translation>&amp;Transparence</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="8"/>
        <source>0 % draws the photo opaque, 100 % hides it</source>
        <translation>0 % dessine la photo opaque, 100 % la masque</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="10"/>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="10"/>
        <source>The photo&apos;s width in percent of the background&apos;s width</source>
        <translation>La largeur de la photo en pourcentage de celle de l’arrière-plan</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="12"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="12"/>
        <source>Offset to the right, in percent of the background&apos;s width</source>
        <translation>Décalage vers la droite, en pourcentage de la largeur de l’arrière-plan</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="14"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="14"/>
        <source>Offset upwards, in percent of the background&apos;s height</source>
        <translation>Décalage vers le haut, en pourcentage de la hauteur de l’arrière-plan</translation>
    </message>
</context>
<context>
    <name>Window_New_Project</name>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="23"/>
        <source>New Project</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="78"/>
        <source>Choose the type of your project</source>
        <translation>Choisissez le type de votre projet</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="81"/>
        <source>&amp;Composite</source>
        <translation>&amp;Composition</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="82"/>
        <source>Lay each photo over the picture with one of 24 blend modes.</source>
        <translation>Poser chaque photo sur l’image avec l’un des 24 modes de fusion.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="83"/>
        <source>&amp;Shape</source>
        <translation>&amp;Forme</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="84"/>
        <source>Cut each photo out through a shape: circle, star, heart…</source>
        <translation>Découper chaque photo selon une forme : cercle, étoile, cœur…</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="85"/>
        <source>&amp;Linear</source>
        <translation>&amp;Linéaire</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="85"/>
        <source>Join the photos into a strip with soft seams.</source>
        <translation>Assembler les photos en une bande aux jointures douces.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="87"/>
        <source>&amp;Horizontal</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="87"/>
        <source>Left to right.</source>
        <translation>De gauche à droite.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="90"/>
        <source>&amp;Vertical</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="90"/>
        <source>Bottom to top.</source>
        <translation>De bas en haut.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="92"/>
        <source>&amp;Transparency</source>
        <translation>&amp;Transparence</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="93"/>
        <source>Lay each photo over the background with its own opacity, size and place.</source>
        <translation>Poser chaque photo sur l’arrière-plan avec sa propre opacité, taille et position.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="179"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="179"/>
        <source>You must choose a project type at startup.</source>
        <translation>Vous devez choisir un type de projet au démarrage.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="179"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Window_Select_Shape</name>
    <message>
        <location filename="../../src/panels/Window_Select_Shape.cpp" line="53"/>
        <source>Select Shape</source>
        <translation>Choisir la forme</translation>
    </message>
</context>
<context>
    <name>Window_Share</name>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="15"/>
        <source>Share the Picture</source>
        <translation>Partager l’image</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="19"/>
        <source>Share the mixed picture, with a line of text if you like.</source>
        <translation>Partager l’image mélangée, avec une ligne de texte si vous le souhaitez.</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="20"/>
        <source>&amp;Add this text:</source>
        <translation>&amp;Ajouter ce texte :</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="28"/>
        <location filename="../../src/output/Window_Share.cpp" line="67"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="30"/>
        <source>&amp;Share…</source>
        <translation>&amp;Partager…</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="67"/>
        <source>The picture could not be shared</source>
        <translation>L’image n’a pas pu être partagée</translation>
    </message>
</context>
</TS>
