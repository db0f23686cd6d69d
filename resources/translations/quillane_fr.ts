<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AlignedLayer</name>
    <message>
        <location filename="../../src/render/AlignedLayer.cpp" line="47"/>
        <source>Photo %1%2 could not be aligned: %3.</source>
        <translation>La photo %1%2 n’a pas pu être alignée : %3.</translation>
    </message>
</context>
<context>
    <name>Alignment</name>
    <message>
        <location filename="../../src/imaging/Alignment.cpp" line="218"/>
        <source>too few details match the background (%1 agree, at least %2 are needed)</source>
        <translation>trop peu de détails correspondent à l’arrière-plan (%1 concordent, il en faut au moins %2)</translation>
    </message>
    <message>
        <location filename="../../src/imaging/Alignment.cpp" line="261"/>
        <source>the details that match give no sensible mapping onto the background</source>
        <translation>les détails qui correspondent ne donnent aucune transformation sensée vers l’arrière-plan</translation>
    </message>
    <message>
        <location filename="../../src/imaging/Alignment.cpp" line="278"/>
        <source>there is not enough memory to compare it with the background</source>
        <translation>il n’y a pas assez de mémoire pour la comparer à l’arrière-plan</translation>
    </message>
</context>
<context>
    <name>AppDelegate</name>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="33"/>
        <source>The page could not be opened</source>
        <translation>La page n’a pas pu être ouverte</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="34"/>
        <source>No web browser could open %1.</source>
        <translation>Aucun navigateur web n’a pu ouvrir %1.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate.cpp" line="48"/>
        <source>Rendering…</source>
        <translation>Calcul…</translation>
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
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate.cpp" line="89"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate.cpp" line="89"/>
        <source>Error #0008. Application will exit.</source>
        <translation>Erreur n° 0008. L’application va se fermer.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="77"/>
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
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="79"/>
        <source>unknown</source>
        <translation>inconnue</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Menus.cpp" line="81"/>
        <source>About Quillane</source>
        <translation>À propos de Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="43"/>
        <source>The picture could not be copied</source>
        <translation>L’image n’a pas pu être copiée</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="55"/>
        <source>Copying the picture…</source>
        <translation>Copie de l’image…</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="64"/>
        <source>The picture (%1 × %2) is on the clipboard.</source>
        <translation>L’image (%1 × %2) est dans le presse-papiers.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="80"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="36"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="109"/>
        <source>The picture could not be saved</source>
        <translation>L’image n’a pas pu être enregistrée</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="86"/>
        <source>“%1” already exists. Do you want to replace it?</source>
        <translation>« %1 » existe déjà. Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="87"/>
        <source>A file of that name is in %1. Replacing it overwrites what it holds.</source>
        <translation>Un fichier de ce nom se trouve dans %1. Le remplacer écrase son contenu.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="99"/>
        <source>The picture was saved as %1.</source>
        <translation>L’image a été enregistrée sous %1.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="116"/>
        <source>The output folder %1 cannot be written to.</source>
        <translation>Le dossier de sortie %1 n’est pas accessible en écriture.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="135"/>
        <source>The picture could not be saved in the output folder</source>
        <translation>L’image n’a pas pu être enregistrée dans le dossier de sortie</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="136"/>
        <source>%1 Choose another place for it.</source>
        <translation>%1 Choisissez un autre emplacement.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="137"/>
        <source>Choose…</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="138"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="192"/>
        <source>Select a folder to save the captured image</source>
        <translation>Choisissez un dossier où enregistrer l’image</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="212"/>
        <source> The picture is still at “%1”.</source>
        <translation> L’image se trouve toujours à « %1 ».</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="229"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="256"/>
        <source>another picture is still being written.</source>
        <translation>une autre image est encore en cours d’écriture.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="236"/>
        <source>Success</source>
        <translation>Réussite</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="236"/>
        <source>Image file saved successfully.</source>
        <translation>Le fichier image a bien été enregistré.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="236"/>
        <source>View Image File</source>
        <translation>Afficher le fichier image</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="238"/>
        <source>The picture could not be shown</source>
        <translation>L’image n’a pas pu être affichée</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="271"/>
        <source>Writing %1…</source>
        <translation>Écriture de %1…</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="94"/>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="239"/>
        <source>No program could open %1.</source>
        <translation>Aucun programme n’a pu ouvrir %1.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Output.cpp" line="336"/>
        <source>The picture could not be shared</source>
        <translation>L’image n’a pas pu être partagée</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="137"/>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="24"/>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="34"/>
        <source>%1[*] — Quillane</source>
        <translation>%1[*] — Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="47"/>
        <source>Linear horizontal</source>
        <translation>Linéaire horizontal</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="47"/>
        <source>Linear vertical</source>
        <translation>Linéaire vertical</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="48"/>
        <source>Composite</source>
        <translation>Composition</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="48"/>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="49"/>
        <source>Transparent</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="49"/>
        <source>Exposure fusion</source>
        <translation>Fusion d’expositions</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="52"/>
        <source>Preview of the mixed picture</source>
        <translation>Aperçu de l’image mélangée</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="55"/>
        <source>%1 of 1 photo</source>
        <translation>%1 de 1 photo</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="55"/>
        <source>%1 of %2 photos</source>
        <translation>%1 de %2 photos</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="59"/>
        <source>, %1 × %2, %3</source>
        <translation>, %1 × %2, %3</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="69"/>
        <source>Do you want to save the changes to %1?</source>
        <translation>Voulez-vous enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="70"/>
        <source>Your changes will be lost if you don&apos;t save them.</source>
        <translation>Vos modifications seront perdues si vous ne les enregistrez pas.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="71"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="71"/>
        <source>Discard</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="23"/>
        <source>%1 is not a Quillane project: %2.</source>
        <translation>%1 n’est pas un projet Quillane : %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="25"/>
        <source>%1 cannot be opened: %2.</source>
        <translation>%1 ne peut pas être ouvert : %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="27"/>
        <source>%1 is a damaged project: %2.</source>
        <translation>%1 est un projet endommagé : %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="49"/>
        <source>Open Project</source>
        <translation>Ouvrir un projet</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="49"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="139"/>
        <source>Quillane projects</source>
        <translation>Projets Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="78"/>
        <source>%1

Open %2 without this photo, or cancel and keep the current project?</source>
        <translation>%1

Ouvrir %2 sans cette photo, ou annuler et garder le projet actuel ?</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="89"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="82"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="148"/>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="71"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="82"/>
        <source>A photo of the project is missing</source>
        <translation>Une photo du projet est introuvable</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="82"/>
        <source>Skip Photo</source>
        <translation>Ignorer la photo</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="100"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="106"/>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="107"/>
        <source>The project could not be opened</source>
        <translation>Le projet n’a pas pu être ouvert</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="101"/>
        <source>%1 could not be read: %2.</source>
        <translation>%1 n’a pas pu être lu : %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="129"/>
        <source>There is nothing to save</source>
        <translation>Il n’y a rien à enregistrer</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="130"/>
        <source>Add at least one photo before saving the project.</source>
        <translation>Ajoutez au moins une photo avant d’enregistrer le projet.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="138"/>
        <source>Save Project</source>
        <translation>Enregistrer le projet</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="146"/>
        <source>%1 already exists.</source>
        <translation>%1 existe déjà.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="147"/>
        <source>Do you want to replace it?</source>
        <translation>Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Export.cpp" line="89"/>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="148"/>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="154"/>
        <source>The project could not be saved</source>
        <translation>Le projet n’a pas pu être enregistré</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_ProjectFile.cpp" line="155"/>
        <source>%1 was not written: %2.</source>
        <translation>%1 n’a pas été écrit : %2.</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Unsaved.cpp" line="108"/>
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
        <location filename="../../src/app/AppDelegate_List.cpp" line="39"/>
        <source>The photo could not be replaced</source>
        <translation>La photo n’a pas pu être remplacée</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="54"/>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="55"/>
        <source>Replace Photo…</source>
        <translation>Remplacer la photo…</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="56"/>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="57"/>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="58"/>
        <source>Show in File Manager</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="76"/>
        <source>Replace photo</source>
        <translation>Remplacer la photo</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="93"/>
        <source>The folder could not be shown</source>
        <translation>Le dossier n’a pas pu être affiché</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="119"/>
        <source>The photo could not be added</source>
        <translation>La photo n’a pas pu être ajoutée</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="119"/>
        <source>The photos could not be added</source>
        <translation>Les photos n’ont pas pu être ajoutées</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_List.cpp" line="126"/>
        <source>Loading photos: %1 of %2</source>
        <translation>Chargement des photos : %1 sur %2</translation>
    </message>
    <message>
        <location filename="../../src/app/AppDelegate_Align.cpp" line="64"/>
        <source>No reliable alignment was found</source>
        <translation>Aucun alignement fiable n’a été trouvé</translation>
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
    <name>CompositePipeline</name>
    <message>
        <location filename="../../src/render/CompositePipeline.cpp" line="64"/>
        <source>there is not enough memory to align it to the background.</source>
        <translation>il n’y a pas assez de mémoire pour l’aligner sur l’arrière-plan.</translation>
    </message>
    <message>
        <location filename="../../src/render/CompositePipeline.cpp" line="81"/>
        <source>there is not enough memory to stretch it to the background.</source>
        <translation>la mémoire ne suffit pas pour l’étirer sur l’arrière-plan.</translation>
    </message>
    <message>
        <location filename="../../src/render/CompositePipeline.cpp" line="213"/>
        <source>there is not enough memory to blend it.</source>
        <translation>la mémoire ne suffit pas pour la fusionner.</translation>
    </message>
</context>
<context>
    <name>DecodeGuard</name>
    <message>
        <location filename="../../src/imaging/DecodeGuard.cpp" line="13"/>
        <source>%1 megapixels</source>
        <translation>%1 mégapixels</translation>
    </message>
    <message>
        <location filename="../../src/imaging/DecodeGuard.cpp" line="15"/>
        <source>%1 pixels</source>
        <translation>%1 pixels</translation>
    </message>
    <message>
        <location filename="../../src/imaging/DecodeGuard.cpp" line="29"/>
        <source>the picture is %1 × %2 pixels (%3), more than one photo may take: at most %4, a quarter of the memory budget of %5.</source>
        <translation>l’image fait %1 × %2 pixels (%3), plus qu’une photo ne peut en prendre : au plus %4, le quart du budget de mémoire de %5.</translation>
    </message>
    <message>
        <location filename="../../src/imaging/DecodeGuard.cpp" line="40"/>
        <source>the picture data is damaged or incomplete.</source>
        <translation>les données de l’image sont endommagées ou incomplètes.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <location filename="../../src/imaging/FileAccess.cpp" line="33"/>
        <source>the symbolic link leads nowhere: its links go round in a loop (too many levels of symbolic links).</source>
        <translation>le lien symbolique ne mène nulle part : ses liens tournent en boucle (trop de niveaux de liens symboliques).</translation>
    </message>
    <message>
        <location filename="../../src/imaging/FileAccess.cpp" line="38"/>
        <source>the symbolic link leads nowhere: %1, where it points, does not exist.</source>
        <translation>le lien symbolique ne mène nulle part : %1, vers lequel il pointe, n’existe pas.</translation>
    </message>
</context>
<context>
    <name>FusionPipeline</name>
    <message>
        <location filename="../../src/render/FusionPipeline.cpp" line="34"/>
        <source>there is not enough memory to bring it onto the background.</source>
        <translation>il n’y a pas assez de mémoire pour l’amener sur l’arrière-plan.</translation>
    </message>
    <message>
        <location filename="../../src/render/FusionPipeline.cpp" line="41"/>
        <source>there is not enough memory to fuse the photos.</source>
        <translation>il n’y a pas assez de mémoire pour fusionner les photos.</translation>
    </message>
</context>
<context>
    <name>HelpText</name>
    <message>
        <location filename="../../src/cli/HelpText.cpp" line="33"/>
        <source>true or false (default %1): %2</source>
        <translation>true ou false (par défaut %1) : %2</translation>
    </message>
    <message>
        <location filename="../../src/cli/HelpText.cpp" line="35"/>
        <source>%1 to %2 (default %3)</source>
        <translation>%1 à %2 (par défaut %3)</translation>
    </message>
    <message>
        <location filename="../../src/cli/HelpText.cpp" line="38"/>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <location filename="../../src/cli/HelpText.cpp" line="44"/>
        <source> or %1</source>
        <translation> ou %1</translation>
    </message>
    <message>
        <location filename="../../src/cli/HelpText.cpp" line="45"/>
        <source> or the %1&apos;s name, such as &quot;%2&quot;</source>
        <translation> ou un nom (%1) comme &quot;%2&quot;</translation>
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
Formats : une image JPEG fait au plus %1 pixels de large et de haut, une image
WebP %2 et une image PNG %3 (libpng, avec laquelle la plupart des programmes
lisent le PNG, n’ouvre rien de plus grand) ; le TIFF accepte toute image. Une image plus grande
est refusée avant que rien ne soit écrit. L’écriture doit aussi tenir dans le budget
de mémoire, avec l’image : le WebP sans perte en prend le plus (plusieurs fois
l’image), et le WebP avec perte n’en prend davantage, pour un fichier plus petit, que
si le budget le permet.
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
  Une photo suivante d&apos;un projet composite, shape ou transparent peut avoir &quot;mask&quot; : où
  elle est visible, telle que peinte dans Quillane, en fractions de la largeur et de la
  hauteur de la photo elle-même (0 à 1 depuis le coin supérieur gauche) :
    &quot;mask&quot;: {&quot;gradients&quot;: [{&quot;type&quot;: &quot;linear&quot;, &quot;from&quot;: [0.2, 0.5], &quot;to&quot;: [0.6, 0.5]},
                           {&quot;type&quot;: &quot;radial&quot;, &quot;centre&quot;: [0.5, 0.5], &quot;radius&quot;: 0.3,
                            &quot;inner&quot;: 0.1}],
             &quot;strokes&quot;: [{&quot;paint&quot;: &quot;hide&quot;, &quot;size&quot;: 0.05, &quot;hardness&quot;: 50,
                          &quot;opacity&quot;: 100, &quot;points&quot;: [[0.1, 0.1], [0.3, 0.2]]}],
             &quot;invert&quot;: false}
  Les dégradés se multiplient (linéaire : visible du côté de &quot;from&quot;, masquée au-delà de
  &quot;to&quot; ; radial : visible dans &quot;inner&quot;, masquée au-delà de &quot;radius&quot;, une fraction de la
  largeur) ; les traits, dans l&apos;ordre, masquent ou affichent avec un pinceau de diamètre
  &quot;size&quot; (une fraction de la largeur, au-dessus de 0, au plus 2), &quot;hardness&quot; et
  &quot;opacity&quot; de 0 à 100 (100 par défaut) ; &quot;invert&quot; vient en dernier. Les positions sont
  comprises entre -1 et 2 ; un projet contient au plus %1 traits et %2 points.
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
        <translation>Utilisation : quillane-mix [OPTIONS] -o SORTIE PROJET.json
              quillane-mix [OPTIONS] -O DOSSIER PROJET.json...

Mélange les photos d’un projet en une seule image, comme le fait l’aperçu de Quillane,
et l’écrit en PNG, JPEG, WebP ou TIFF, selon l’extension de la sortie. PROJET.json
peut être - pour lire le projet sur l’entrée standard.

Options :
  -o SORTIE              l’image à écrire (remplacée seulement une fois complète ;
                         jamais l’un des fichiers du projet, et jamais autre chose
                         qu’un fichier ordinaire) : .png, .jpg ou .jpeg, .webp, .tif
                         ou .tiff ; - l’écrit sur la sortie standard (avec --format)
  -O DOSSIER             mélanger chaque projet donné, chacun dans DOSSIER/PROJET.png
                         (ou avec l’extension de --format) ; des projets de même nom
                         prennent devant les noms d’aussi peu de dossiers parents
                         qu’il en faut pour les distinguer (a/mix.json et b/mix.json :
                         DOSSIER/a-mix.png et DOSSIER/b-mix.png) ; un projet qui
                         échoue n’arrête pas les autres
  --format NOM           png, jpeg, webp ou tiff : pour -o - et -O
  --quality N            1 à 100 pour JPEG et WebP avec perte (90 par défaut ; à partir
                         de 90, JPEG garde toute la résolution des couleurs, en
                         dessous il la divise par deux) ; refusé pour PNG et TIFF et
                         avec --lossless
  --lossless             WebP sans perte ; refusé pour les autres formats
  --keep-camera-details  garder dans l’image l’appareil, l’objectif, l’exposition, la
                         date et l’heure (EXIF) de la photo d’arrière-plan ; jamais son
                         lieu ni son orientation (pas pour la sortie standard)
  --view LARGEURxHAUTEUR écrire ce que l’aperçu montre dans une vue de cette taille
                         (l’image ajustée et centrée, bandes noires comprises) ;
                         sans elle, l’image en pleine résolution qu’enregistre
                         Enregistrer
  --align                aligner d’abord chaque photo suivante sur l’arrière-plan, comme
                         le fait Aligner sur l’arrière-plan dans la fenêtre (projets
                         composite : les photos de la taille de l’arrière-plan ;
                         projets fusion : toutes) ; une photo avec trop peu en commun
                         fait échouer l’appel
  --memory-budget QUANTITÉ
                         la mémoire que le rendu peut prendre en tout, comme 4G ou
                         512M (par défaut : la moitié de la mémoire de cet
                         ordinateur, %1)
  -q, --quiet            pas de lignes de progression (elles n’apparaissent sur la
                         sortie d’erreur standard que si c’est un terminal)
  -h, --help             afficher ce texte
  --version              afficher la version

Avec -O, aucune image ne remplace un fichier de projet ou une photo d’un projet de
l’appel, ni une image que l’appel a écrite : un fichier de projet donné deux fois (même
par un lien), et un projet dont l’image prendrait un nom déjà pris, sont refusés et
comptés comme échoués.

Les photos peuvent être en bmp, gif, jpeg, png, tiff, webp, heic/heif, avif, jpeg xl
ou raw d’appareil photo (dng, cr2, cr3, nef, arw, raf, orf, rw2 et d’autres). Les
images portent la description de couleurs sRGB et aucune donnée EXIF des photos, sauf
avec --keep-camera-details. JPEG n’a pas de transparence : les parties transparentes
deviennent noires.

Le fichier de projet :
  {&quot;mode&quot;: &quot;composite&quot;,
   &quot;photos&quot;: [{&quot;file&quot;: &quot;beach.jpg&quot;},
              {&quot;file&quot;: &quot;sky.jpg&quot;, &quot;blend&quot;: &quot;Multiply Blend Mode&quot;, &quot;matchBackground&quot;: false,
               &quot;size&quot;: 20, &quot;x&quot;: 10, &quot;y&quot;: 10}]}

  &quot;version&quot; (facultatif, 1) est la version du format, telle que Quillane l’écrit ; un
  projet d’une version ultérieure est refusé.
  &quot;mode&quot; est l’un de composite, shape, linear-horizontal, linear-vertical, transparent,
  fusion (fusion d’expositions de toutes les photos, alignées là où elles ont un alignement).
  &quot;blendSpace&quot; (facultatif) indique où les filtres mélangent les couleurs : &quot;linear&quot;
  (la lumière, par défaut) ou &quot;srgb&quot; (les valeurs sRGB stockées, comme la plupart des
  éditeurs).
  &quot;fullResolution&quot; (facultatif, projets Linéaires seulement) : true construit la bande
  enregistrée à partir des photos dans leur propre résolution, ajustées à la hauteur
  (linear-horizontal) ou à la largeur (linear-vertical) de la plus petite photo ; false
  (par défaut) à partir de copies de 400 x 400.
  &quot;photos&quot; liste les photos dans l’ordre ; la première est l’arrière-plan. Chaque photo
  a &quot;file&quot; (les chemins relatifs partent du dossier du fichier de projet, ou du dossier
  courant pour l’entrée standard) et n’importe quelle clé de son mode ; une clé absente
  prend la valeur qu’obtient une photo ajoutée dans ce mode. Les nombres respectent les
  plages des curseurs :

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
  fusion         &quot;fusion&quot;         (pour tout le projet) {&quot;contrast&quot;: c, &quot;saturation&quot;: s,
                                  &quot;exposure&quot;: e} : les exposants des trois poids, chacun
                                  de 0 à 2 par pas de 0,1 (1 par défaut) ; 0 en omet un
  composite,     &quot;alignment&quot;      neuf nombres : la transformation 3 x 3, par lignes, des
  fusion                          coordonnées de la photo vers celles de l’arrière-plan,
                                  chacune divisée par la largeur et la hauteur de son
                                  image (origine en haut à gauche, y vers le bas), telle
                                  qu’Aligner sur l’arrière-plan l’enregistre ; aucune par
                                  défaut

  Dans un projet Linéaire, sauf si &quot;fullResolution&quot; vaut true, chaque photo est d’abord
  ajustée dans 400 x 400, la bande fait donc au plus 400 points de long par photo.

Code de sortie :
  0  l’image a été écrite (avec -O : chaque image)
  1  une photo n’a pas pu être chargée, ou l’image n’a pas pu être rendue ou écrite
  2  une option erronée ou un fichier de projet erroné (mode ou clé inconnus, une clé
     d’un autre mode, une valeur du mauvais type ou hors plage, aucune photo, JSON mal
     formé), ou une extension de sortie qui ne désigne aucun format
  avec -O, le nombre de projets qui ont échoué (au plus 100)
Chaque échec affiche une ligne nommant le fichier ou la clé et la raison, et ne laisse
aucun fichier de sortie.

Limites : le fichier de projet fait au plus 4 Mo et, comme chaque photo, est un fichier
ordinaire (pas une FIFO ni un périphérique). Les photos décodées, les canevas que
demandent les tailles et les décalages et la vue doivent tenir ensemble dans le budget
de mémoire ; un projet qui le dépasse est refusé avant tout décodage, en indiquant
environ combien il lui faut. Une photo peut prendre au plus un quart du budget, et un
JPEG de plus de 100 passes progressives est refusé.
</translation>
    </message>
</context>
<context>
    <name>LinearPipeline</name>
    <message>
        <location filename="../../src/render/LinearPipeline.cpp" line="254"/>
        <source>the strip of %1 photos would be %2 × %3 pixels, longer than a picture can be (at most %4 pixels a side).</source>
        <translation>la bande de %1 photos ferait %2 × %3 pixels, plus longue qu’une image ne peut l’être (au plus %4 pixels de côté).</translation>
    </message>
    <message>
        <location filename="../../src/render/LinearPipeline.cpp" line="263"/>
        <source>there is not enough memory to build the strip of %1 photos.</source>
        <translation>la mémoire ne suffit pas pour construire la bande de %1 photos.</translation>
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
        <translation>Photos</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="124"/>
        <source>The photos in mixing order; the first is the background.</source>
        <translation>Les photos dans l’ordre du mélange ; la première est l’arrière-plan.</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="132"/>
        <source>Add a photo (the first one is the background)</source>
        <translation>Ajouter une photo (la première est l’arrière-plan)</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="134"/>
        <source>Remove the selected photo</source>
        <translation>Retirer la photo sélectionnée</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="136"/>
        <source>Move the selected photo up</source>
        <translation>Monter la photo sélectionnée</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="138"/>
        <source>Move the selected photo down</source>
        <translation>Descendre la photo sélectionnée</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="156"/>
        <source>Start a new project</source>
        <translation>Commencer un nouveau projet</translation>
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
        <translation>Zoom de l’aperçu : Ctrl+molette, Ctrl++ et Ctrl+− le changent</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="166"/>
        <source>Save the mixed picture as a PNG file</source>
        <translation>Enregistrer l’image mélangée en PNG</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="167"/>
        <source>Share the mixed picture</source>
        <translation>Partager l’image mélangée</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="167"/>
        <source>Sha&amp;re</source>
        <translation>&amp;Partager</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="176"/>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="187"/>
        <source>Zoom: %1</source>
        <translation>Zoom : %1</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="194"/>
        <source>Controls of the selected photo</source>
        <translation>Réglages de la photo sélectionnée</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="223"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="224"/>
        <source>&amp;New Project…</source>
        <translation>&amp;Nouveau projet…</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="226"/>
        <source>&amp;Open Project…</source>
        <translation>&amp;Ouvrir un projet…</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="228"/>
        <source>Open &amp;Recent</source>
        <translation>Projets &amp;récents</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="231"/>
        <source>Save &amp;Project…</source>
        <translation>Enregistrer le &amp;projet…</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="234"/>
        <source>&amp;Save…</source>
        <translation>&amp;Enregistrer…</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="235"/>
        <source>&amp;Export Again</source>
        <translation>E&amp;xporter à nouveau</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="239"/>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="242"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="248"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="250"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="259"/>
        <source>&amp;Copy Picture</source>
        <translation>&amp;Copier l’image</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="262"/>
        <source>Pr&amp;eferences…</source>
        <translation>&amp;Préférences…</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="266"/>
        <source>&amp;Action</source>
        <translation>&amp;Action</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="267"/>
        <source>&amp;Add Photo…</source>
        <translation>&amp;Ajouter une photo…</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="269"/>
        <source>&amp;Remove Photo</source>
        <translation>&amp;Retirer la photo</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="136"/>
        <location filename="../../src/app/MainWindow.cpp" line="271"/>
        <source>Move &amp;Up</source>
        <translation>&amp;Monter</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="132"/>
        <source>A&amp;dd</source>
        <translation>A&amp;jouter</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="134"/>
        <source>Re&amp;move</source>
        <translation>&amp;Retirer</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="138"/>
        <source>Move D&amp;own</source>
        <translation>D&amp;escendre</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="156"/>
        <source>&amp;New Project</source>
        <translation>&amp;Nouveau projet</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="166"/>
        <source>&amp;Save</source>
        <translation>Enre&amp;gistrer</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="273"/>
        <source>Move &amp;Down</source>
        <translation>&amp;Descendre</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="284"/>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="292"/>
        <source>&amp;Align to Background</source>
        <translation>&amp;Aligner sur l’arrière-plan</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="294"/>
        <source>Align All &amp;Later Photos</source>
        <translation>Aligner toutes les photos &amp;suivantes</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="296"/>
        <source>&amp;Clear Alignment</source>
        <translation>&amp;Effacer l’alignement</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="305"/>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="313"/>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="316"/>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="318"/>
        <source>&amp;Fit in Window</source>
        <translation>A&amp;juster à la fenêtre</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="322"/>
        <source>&amp;Actual Pixels (100 %)</source>
        <translation>&amp;Taille réelle (100 %)</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="333"/>
        <source>&amp;Help</source>
        <translation>A&amp;ide</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="334"/>
        <source>&amp;Keyboard Shortcuts</source>
        <translation>&amp;Raccourcis clavier</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="337"/>
        <source>Quillane &amp;Home Page</source>
        <translation>&amp;Site de Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="338"/>
        <source>&amp;Company Home Page</source>
        <translation>Site de l’&amp;entreprise</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="340"/>
        <source>&amp;Privacy Policy</source>
        <translation>&amp;Politique de confidentialité</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="341"/>
        <source>Submit a Support &amp;Ticket</source>
        <translation>Envoyer une demande d’&amp;assistance</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="344"/>
        <source>&amp;About Quillane</source>
        <translation>À propos de &amp;Quillane</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="353"/>
        <source>&amp;Place Photo on Canvas</source>
        <translation>&amp;Placer la photo dans l&apos;aperçu</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="357"/>
        <source>Move, scale and rotate the selected photo by dragging it on the canvas</source>
        <translation>Déplacer, redimensionner et faire pivoter la photo sélectionnée en la faisant glisser dans l&apos;aperçu</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="380"/>
        <source>&amp;%1 %2 (%3)</source>
        <translation>&amp;%1 %2 (%3)</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="386"/>
        <source>No Recent Projects</source>
        <translation>Aucun projet récent</translation>
    </message>
    <message>
        <location filename="../../src/app/MainWindow.cpp" line="388"/>
        <source>&amp;Clear Menu</source>
        <translation>&amp;Vider le menu</translation>
    </message>
</context>
<context>
    <name>MaskControls</name>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="42"/>
        <location filename="../../src/app/MaskControls.cpp" line="170"/>
        <source>Mask tool</source>
        <translation>Outil de masque</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="49"/>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="49"/>
        <source>Brush that hides the photo (B; X swaps with Show)</source>
        <translation>Pinceau qui masque la photo (B ; X bascule vers Afficher)</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="50"/>
        <source>Show</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="51"/>
        <source>Brush that shows the photo again (B; X swaps with Hide)</source>
        <translation>Pinceau qui affiche de nouveau la photo (B ; X bascule vers Masquer)</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="52"/>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="53"/>
        <source>Linear gradient: drag from where the photo shows to where it is hidden (G)</source>
        <translation>Dégradé linéaire : faites glisser depuis l’endroit où la photo est visible vers celui où elle est masquée (G)</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="54"/>
        <source>Radial</source>
        <translation>Radial</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="55"/>
        <source>Radial gradient: drag from the centre, where the photo shows, outwards (G)</source>
        <translation>Dégradé radial : faites glisser depuis le centre, où la photo est visible, vers l’extérieur (G)</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="62"/>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="63"/>
        <source>The brush&apos;s diameter in per cent of the photo&apos;s width ([ and ])</source>
        <translation>Diamètre du pinceau en pour cent de la largeur de la photo ([ et ])</translation>
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
        <translation>Dureté :</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="69"/>
        <source>100 a hard edge, lower a softer one (Shift+[ and Shift+]); for a radial gradient, how much of it is fully shown</source>
        <translation>100 un bord net, moins un bord plus doux (Maj+[ et Maj+]) ; pour un dégradé radial, la part entièrement visible</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="72"/>
        <source>Opacity:</source>
        <translation>Opacité :</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="73"/>
        <source>How far one stroke hides or shows the photo</source>
        <translation>Dans quelle mesure un trait masque ou affiche la photo</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="79"/>
        <source>Invert</source>
        <translation>Inverser</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="81"/>
        <source>Invert the mask</source>
        <translation>Inverser le masque</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="82"/>
        <source>Show the photo where it was hidden and hide it where it showed</source>
        <translation>Afficher la photo là où elle était masquée et la masquer là où elle était visible</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="84"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="86"/>
        <source>Clear the mask</source>
        <translation>Effacer le masque</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="87"/>
        <source>Remove the photo&apos;s mask: it shows everywhere again</source>
        <translation>Supprimer le masque de la photo : elle est de nouveau visible partout</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="89"/>
        <source>Show Mask</source>
        <translation>Afficher le masque</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="91"/>
        <source>Show the mask</source>
        <translation>Afficher le masque en teinte</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="92"/>
        <source>Tint the parts of the photo the mask hides</source>
        <translation>Teinter les parties de la photo que le masque cache</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="163"/>
        <source>Mas&amp;k</source>
        <translation>Mas&amp;que</translation>
    </message>
    <message>
        <location filename="../../src/app/MaskControls.cpp" line="166"/>
        <source>Paint where the selected photo shows (not in Linear projects)</source>
        <translation>Peindre où la photo choisie est visible (pas dans les projets linéaires)</translation>
    </message>
</context>
<context>
    <name>MemoryBudget</name>
    <message>
        <location filename="../../src/imaging/MemoryBudget.cpp" line="75"/>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <location filename="../../src/imaging/MemoryBudget.cpp" line="87"/>
        <source>%1 TB</source>
        <translation>%1 To</translation>
    </message>
    <message>
        <location filename="../../src/imaging/MemoryBudget.cpp" line="90"/>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <location filename="../../src/imaging/MemoryBudget.cpp" line="92"/>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <location filename="../../src/imaging/MemoryBudget.cpp" line="94"/>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <location filename="../../src/imaging/MemoryBudget.cpp" line="117"/>
        <source>needs more memory to %1 than any computer has (%2 allowed)</source>
        <translation>nécessite plus de mémoire pour %1 qu’aucun ordinateur n’en possède (%2 autorisés)</translation>
    </message>
    <message>
        <location filename="../../src/imaging/MemoryBudget.cpp" line="125"/>
        <source>needs about %1 of memory to %2, more than the %3 allowed</source>
        <translation>nécessite environ %1 de mémoire pour %2, plus que les %3 autorisés</translation>
    </message>
</context>
<context>
    <name>MixCommand</name>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="13"/>
        <source> (see quillane-mix --help)</source>
        <translation> (voir quillane-mix --help)</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="23"/>
        <source>--view takes WIDTHxHEIGHT in whole pixels, such as 1200x800, not “%1”</source>
        <translation>--view attend LARGEURxHAUTEUR en pixels entiers, comme 1200x800, et non « %1 »</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="36"/>
        <source>--quality takes a whole number from 1 to 100, not “%1”</source>
        <translation>--quality attend un nombre entier de 1 à 100, et non « %1 »</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="46"/>
        <source>--format takes png, jpeg, webp or tiff, not “%1”</source>
        <translation>--format attend png, jpeg, webp ou tiff, et non « %1 »</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="57"/>
        <source>--memory-budget takes an amount such as 4G or 512M, not “%1”</source>
        <translation>--memory-budget attend une quantité comme 4G ou 512M, et non « %1 »</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="91"/>
        <source>only one project file with -o (“%1” is a second one); -O FOLDER takes several</source>
        <translation>un seul fichier de projet avec -o (« %1 » en est un deuxième) ; -O DOSSIER en accepte plusieurs</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="97"/>
        <source>-o - writes to standard output and needs --format png, jpeg, webp or tiff</source>
        <translation>-o - écrit sur la sortie standard et nécessite --format png, jpeg, webp ou tiff</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="104"/>
        <source>“%1”: the extension names no format quillane-mix writes (%2)</source>
        <translation>« %1 » : l’extension ne désigne aucun format qu’écrit quillane-mix (%2)</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="108"/>
        <source>“%1”: the extension and --format %2 disagree</source>
        <translation>« %1 » : l’extension et --format %2 ne concordent pas</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="138"/>
        <source>--lossless applies to WebP only, not to %1</source>
        <translation>--lossless ne s’applique qu’au WebP, pas au %1</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="142"/>
        <source>--quality applies to JPEG and WebP only, not to %1</source>
        <translation>--quality ne s’applique qu’au JPEG et au WebP, pas au %1</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="145"/>
        <source>--quality applies to lossy WebP only; a lossless one has no quality to set</source>
        <translation>--quality ne s’applique qu’au WebP avec perte ; un WebP sans perte n’a pas de qualité à régler</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="153"/>
        <source>the project file is missing (or - to read it from standard input)</source>
        <translation>le fichier de projet manque (ou - pour le lire sur l’entrée standard)</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="156"/>
        <source>give either -o OUTPUT.png for one project or -O FOLDER for several</source>
        <translation>indiquez soit -o SORTIE.png pour un projet, soit -O DOSSIER pour plusieurs</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="161"/>
        <source>-O FOLDER names each picture after its project file; a project from standard input has no name (use -o)</source>
        <translation>-O DOSSIER nomme chaque image d’après son fichier de projet ; un projet lu sur l’entrée standard n’a pas de nom (utilisez -o)</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="195"/>
        <source>%1 needs a value</source>
        <translation>%1 nécessite une valeur</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixOptions.cpp" line="201"/>
        <source>unknown option “%1”</source>
        <translation>option inconnue « %1 »</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="48"/>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="64"/>
        <source>it is not a regular file.</source>
        <translation>ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="68"/>
        <location filename="../../src/cli/MixCommand.cpp" line="88"/>
        <source>it is larger than a project file can be (at most %1).</source>
        <translation>il est plus grand qu’un fichier de projet ne peut l’être (au plus %1).</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="101"/>
        <location filename="../../src/cli/MixCommand.cpp" line="362"/>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="106"/>
        <source>%1 could not be read: %2</source>
        <translation>%1 n’a pas pu être lu : %2</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="180"/>
        <source>--align is for composite and fusion projects, not %1</source>
        <translation>--align vaut pour les projets composite et fusion, pas pour %1</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="205"/>
        <location filename="../../src/cli/MixCommand.cpp" line="318"/>
        <source> (see --memory-budget)</source>
        <translation> (voir --memory-budget)</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="219"/>
        <source>there is not enough memory for a view of that size.</source>
        <translation>la mémoire ne suffit pas pour une vue de cette taille.</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="266"/>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="272"/>
        <source>the program reading it went away before the picture was complete (the pipe is closed).</source>
        <translation>le programme qui la lit s’est arrêté avant que l’image soit complète (le tube est fermé).</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="364"/>
        <source>%1: loading %2 photos</source>
        <translation>%1 : chargement de %2 photos</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="325"/>
        <source>%1: mixing</source>
        <translation>%1 : mélange</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="334"/>
        <source>“%1” was not written: %2</source>
        <translation>« %1 » n’a pas été écrit : %2</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="338"/>
        <source>“%1” was not written: the mixed picture is empty (in a Linear project, the levels can leave no strip)</source>
        <translation>« %1 » n’a pas été écrit : l’image mélangée est vide (dans un projet Linéaire, les niveaux peuvent ne laisser aucune bande)</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="342"/>
        <source>%1: writing %2</source>
        <translation>%1 : écriture de %2</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="296"/>
        <source>“%1” was not written: there is not enough memory to render the project.</source>
        <translation>« %1 » n’a pas été écrit : la mémoire ne suffit pas pour rendre le projet.</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="370"/>
        <source>%1: aligning</source>
        <translation>%1 : alignement</translation>
    </message>
    <message>
        <location filename="../../src/cli/MixCommand.cpp" line="449"/>
        <source>%1 of %2 projects failed</source>
        <translation>%1 projets sur %2 ont échoué</translation>
    </message>
    <message>
        <location filename="../../src/cli/BatchNames.cpp" line="51"/>
        <source>%1 is the same project file as %2, given before; it is mixed once.</source>
        <translation>%1 est le même fichier de projet que %2, donné avant ; il n’est mélangé qu’une fois.</translation>
    </message>
    <message>
        <location filename="../../src/cli/BatchNames.cpp" line="111"/>
        <source>%1 is not mixed: its picture would be %2, as that of %3 is (rename one of the two project files).</source>
        <translation>%1 n’est pas mélangé : son image serait %2, comme celle de %3 (renommez l’un des deux fichiers de projet).</translation>
    </message>
</context>
<context>
    <name>OutputGuard</name>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="40"/>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="42"/>
        <source>a FIFO</source>
        <translation>une FIFO</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="44"/>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="46"/>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="47"/>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="58"/>
        <source>%1 is %2, not a regular file; the picture replaces only a regular file.</source>
        <translation>%1 est %2, et non un fichier ordinaire ; l’image ne remplace qu’un fichier ordinaire.</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="64"/>
        <source>%1 cannot take the picture: %2</source>
        <translation>%1 ne peut pas recevoir l’image : %2</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="112"/>
        <source>%1 is the picture this run has just written for %2; the picture would replace it.</source>
        <translation>%1 est l’image que cet appel vient d’écrire pour %2 ; l’image la remplacerait.</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="118"/>
        <source>%1 is the project file %2, also of this run; the picture would replace it.</source>
        <translation>%1 est le fichier de projet %2, lui aussi de cet appel ; l’image le remplacerait.</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="122"/>
        <source>%1 is the photo %2 of the project %3, also of this run; the picture would replace it.</source>
        <translation>%1 est la photo %2 du projet %3, lui aussi de cet appel ; l’image la remplacerait.</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="127"/>
        <source>%1 is the project file itself; the picture would replace it.</source>
        <translation>%1 est le fichier du projet lui-même ; l’image le remplacerait.</translation>
    </message>
    <message>
        <location filename="../../src/encode/OutputGuard.cpp" line="130"/>
        <source>%1 is the project&apos;s photo %2; the picture would replace it.</source>
        <translation>%1 est la photo %2 du projet ; l’image la remplacerait.</translation>
    </message>
</context>
<context>
    <name>PanelBase</name>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="57"/>
        <source>An&amp;gle</source>
        <translation>In&amp;clinaison</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="57"/>
        <source>Turns the photo clockwise about its centre, after the flips</source>
        <translation>Fait pivoter la photo dans le sens des aiguilles d&apos;une montre autour de son centre, après les retournements</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="64"/>
        <source>Flip hori&amp;zontally</source>
        <translation>Retourner hori&amp;zontalement</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="64"/>
        <source>Mirrors the photo left to right</source>
        <translation>Retourne la photo de gauche à droite</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="66"/>
        <source>Flip vertically</source>
        <translation>Retourner verticalement</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="66"/>
        <source>Mirrors the photo top to bottom</source>
        <translation>Retourne la photo de haut en bas</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="69"/>
        <source>Flips</source>
        <translation>Retournements</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="116"/>
        <source>Linear light</source>
        <translation>Lumière linéaire</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="117"/>
        <source>sRGB values, as most editors blend</source>
        <translation>Valeurs sRGB, comme la plupart des éditeurs</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="119"/>
        <source>Where the photos&apos; colours are mixed: in linear light, or as the stored sRGB values</source>
        <translation>Où les couleurs des photos sont mélangées : en lumière linéaire ou en valeurs sRGB enregistrées</translation>
    </message>
    <message>
        <location filename="../../src/panels/PanelBase.cpp" line="120"/>
        <source>Blend spa&amp;ce</source>
        <translation>Espace de f&amp;usion</translation>
    </message>
</context>
<context>
    <name>PassMemory</name>
    <message>
        <location filename="../../src/render/PassMemory.cpp" line="274"/>
        <source>the project %1.</source>
        <translation>le projet %1.</translation>
    </message>
    <message>
        <location filename="../../src/render/PassMemory.cpp" line="275"/>
        <source>render</source>
        <translation>être rendu</translation>
    </message>
</context>
<context>
    <name>PhotoField</name>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="18"/>
        <source>per cent of the photo&apos;s own size</source>
        <translation>pour cent de la taille propre de la photo</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="19"/>
        <source>per cent of the photo&apos;s own width</source>
        <translation>pour cent de la largeur propre de la photo</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="20"/>
        <source>per cent of the photo&apos;s own height</source>
        <translation>pour cent de la hauteur propre de la photo</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="21"/>
        <source>per cent of the background&apos;s width</source>
        <translation>pour cent de la largeur de l’arrière-plan</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="23"/>
        <source>per cent of the background&apos;s height</source>
        <translation>pour cent de la hauteur de l’arrière-plan</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="24"/>
        <source>Rotation</source>
        <translation>Rotation</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="26"/>
        <source>degrees clockwise about the photo&apos;s centre, after the flips</source>
        <translation>degrés dans le sens des aiguilles d&apos;une montre autour du centre de la photo, après les retournements</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="27"/>
        <source>Horizontal Flip</source>
        <translation>Retournement horizontal</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="29"/>
        <source>true mirrors the photo left to right</source>
        <translation>true retourne la photo de gauche à droite</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="30"/>
        <source>Vertical Flip</source>
        <translation>Retournement vertical</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="32"/>
        <source>true mirrors the photo top to bottom</source>
        <translation>true retourne la photo de haut en bas</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="40"/>
        <source>Blend Mode</source>
        <translation>Mode de fusion</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="41"/>
        <source>blend mode</source>
        <translation>mode de fusion</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="43"/>
        <source>Match Background Size</source>
        <translation>Taille de l’arrière-plan</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="44"/>
        <source>true stretches the photo over the background</source>
        <translation>true étire la photo sur l’arrière-plan</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="46"/>
        <location filename="../../src/model/PhotoField.cpp" line="58"/>
        <location filename="../../src/model/PhotoField.cpp" line="76"/>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="48"/>
        <location filename="../../src/model/PhotoField.cpp" line="61"/>
        <location filename="../../src/model/PhotoField.cpp" line="78"/>
        <source>Horizontal Offset</source>
        <translation>Décalage horizontal</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="50"/>
        <location filename="../../src/model/PhotoField.cpp" line="63"/>
        <location filename="../../src/model/PhotoField.cpp" line="80"/>
        <source>Vertical Offset</source>
        <translation>Décalage vertical</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="52"/>
        <source>Opacity</source>
        <translation>Opacité</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="53"/>
        <source>per cent: the layer&apos;s alpha is scaled by it before the blend</source>
        <translation>pour cent : l’alpha du calque est multiplié par cette valeur avant la fusion</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="56"/>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="57"/>
        <source>shape</source>
        <translation>forme</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="65"/>
        <source>Feather</source>
        <translation>Bord adouci</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="66"/>
        <source>per cent of the widest feather, a tenth of the mask&apos;s shorter side; 0 a hard edge</source>
        <translation>pour cent du bord adouci le plus large (un dixième du petit côté du masque) ; 0 un bord net</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="70"/>
        <source>Intersection</source>
        <translation>Chevauchement</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="71"/>
        <source>overlap with the photo before, in 360ths</source>
        <translation>chevauchement avec la photo précédente, en 360es</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="73"/>
        <source>Transparency</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoField.cpp" line="74"/>
        <source>whole per cent, 0 opaque</source>
        <translation>pour cent entiers, 0 opaque</translation>
    </message>
</context>
<context>
    <name>PhotoFormats</name>
    <message>
        <location filename="../../src/imaging/PhotoFormats.cpp" line="72"/>
        <source>camera raw</source>
        <translation>raw d’appareil photo</translation>
    </message>
</context>
<context>
    <name>PhotoLoader</name>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="45"/>
        <source>%1 could not be opened: %2</source>
        <translation>%1 n’a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="110"/>
        <source>you do not have permission to read it.</source>
        <translation>vous n’avez pas l’autorisation de le lire.</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="111"/>
        <source>the file cannot be read (%1).</source>
        <translation>le fichier ne peut pas être lu (%1).</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="131"/>
        <source>it is a JPEG of more than %1 scans, which no camera writes and which would take minutes to decode.</source>
        <translation>c’est un JPEG de plus de %1 passes, ce qu’aucun appareil photo n’écrit et dont le décodage prendrait des minutes.</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="145"/>
        <source>the file does not exist.</source>
        <translation>le fichier n’existe pas.</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="148"/>
        <source>it is a folder, not a picture file.</source>
        <translation>c’est un dossier, pas un fichier d’image.</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="151"/>
        <source>it is not a regular file.</source>
        <translation>ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="170"/>
        <source>the file is empty.</source>
        <translation>le fichier est vide.</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="172"/>
        <source>the file is %1, too large for a photo of at most %2 megapixels (what this computer&apos;s memory allows).</source>
        <translation>le fichier fait %1, trop pour une photo d’au plus %2 mégapixels (ce que permet la mémoire de cet ordinateur).</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="102"/>
        <source>it is not a picture in a format Quillane can read (%1).</source>
        <translation>ce n’est pas une image dans un format que Quillane sait lire (%1).</translation>
    </message>
    <message>
        <location filename="../../src/imaging/PhotoLoader.cpp" line="321"/>
        <source>there is not enough memory to decode it.</source>
        <translation>la mémoire ne suffit pas pour la décoder.</translation>
    </message>
</context>
<context>
    <name>PhotoProject</name>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="66"/>
        <location filename="../../src/model/PhotoProject.cpp" line="137"/>
        <source>Add Photo</source>
        <translation>Ajouter une photo</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="66"/>
        <location filename="../../src/model/PhotoProject.cpp" line="137"/>
        <source>Add Photos</source>
        <translation>Ajouter des photos</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="75"/>
        <source>Remove Photo</source>
        <translation>Retirer la photo</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="86"/>
        <location filename="../../src/model/PhotoProject.cpp" line="99"/>
        <source>Move Photo Up</source>
        <translation>Monter la photo</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="86"/>
        <location filename="../../src/model/PhotoProject.cpp" line="99"/>
        <source>Move Photo Down</source>
        <translation>Descendre la photo</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="115"/>
        <source>Replace Photo</source>
        <translation>Remplacer la photo</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="122"/>
        <source>Replace Photos</source>
        <translation>Remplacer les photos</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="259"/>
        <source>Clear Alignment</source>
        <translation>Effacer l’alignement</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="259"/>
        <source>Align to Background</source>
        <translation>Aligner sur l’arrière-plan</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="296"/>
        <source>Paint Mask</source>
        <translation>Peindre le masque</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="305"/>
        <source>Add Gradient</source>
        <translation>Ajouter un dégradé</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="314"/>
        <source>Invert Mask</source>
        <translation>Inverser le masque</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="319"/>
        <source>Clear Mask</source>
        <translation>Effacer le masque</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectSteps.cpp" line="30"/>
        <source>Blend Space</source>
        <translation>l’espace de mélange</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectSteps.cpp" line="32"/>
        <source>Contrast Weight</source>
        <translation>Poids du contraste</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectSteps.cpp" line="34"/>
        <source>Saturation Weight</source>
        <translation>Poids de la saturation</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectSteps.cpp" line="36"/>
        <source>Exposure Weight</source>
        <translation>Poids de l’exposition</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectSteps.cpp" line="37"/>
        <source>Full Resolution</source>
        <translation>la pleine résolution</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoProject.cpp" line="233"/>
        <location filename="../../src/model/ProjectSteps.cpp" line="68"/>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
</context>
<context>
    <name>PhotoTable</name>
    <message>
        <location filename="../../src/app/PhotoTable.cpp" line="149"/>
        <source>Replace Photo…</source>
        <translation>Remplacer la photo…</translation>
    </message>
</context>
<context>
    <name>PhotoTableModel</name>
    <message>
        <location filename="../../src/app/PhotoTable.cpp" line="48"/>
        <source>Photo %1 of %2: %3</source>
        <translation>Photo %1 sur %2 : %3</translation>
    </message>
    <message>
        <location filename="../../src/app/PhotoTable.cpp" line="90"/>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <location filename="../../src/app/PhotoTable.cpp" line="90"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
</context>
<context>
    <name>PictureLimits</name>
    <message>
        <location filename="../../src/encode/PictureLimits.cpp" line="58"/>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <location filename="../../src/encode/PictureLimits.cpp" line="119"/>
        <source>a %1 picture is at most %2 pixels wide and high; this one is %3 × %4 (choose %5).</source>
        <translation>une image %1 fait au plus %2 pixels de large et de haut ; celle-ci fait %3 × %4 (choisissez %5).</translation>
    </message>
    <message>
        <location filename="../../src/encode/PictureLimits.cpp" line="162"/>
        <source>be written as lossless %1</source>
        <translation>être écrite en %1 sans perte</translation>
    </message>
    <message>
        <location filename="../../src/encode/PictureLimits.cpp" line="163"/>
        <source>be written as %1</source>
        <translation>être écrite en %1</translation>
    </message>
    <message>
        <location filename="../../src/encode/PictureLimits.cpp" line="164"/>
        <source>the picture %1.</source>
        <translation>l’image %1.</translation>
    </message>
</context>
<context>
    <name>PictureWriter</name>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="19"/>
        <source>The picture could not be saved as %1: %2 It is still at %3.</source>
        <translation>L’image n’a pas pu être enregistrée sous %1 : %2 Elle se trouve toujours à %3.</translation>
    </message>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="30"/>
        <location filename="../../src/output/FileMove.cpp" line="54"/>
        <source>you do not have permission to write there.</source>
        <translation>vous n’avez pas l’autorisation d’écrire à cet endroit.</translation>
    </message>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="33"/>
        <location filename="../../src/encode/PngWriter.cpp" line="63"/>
        <source>the disk is full.</source>
        <translation>le disque est plein.</translation>
    </message>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="35"/>
        <source>the folder does not exist.</source>
        <translation>le dossier n’existe pas.</translation>
    </message>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="37"/>
        <location filename="../../src/output/FileMove.cpp" line="97"/>
        <location filename="../../src/encode/PngWriter.cpp" line="46"/>
        <source>a folder of that name is in the way.</source>
        <translation>un dossier de ce nom est en travers du chemin.</translation>
    </message>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="49"/>
        <location filename="../../src/output/FileMove.cpp" line="62"/>
        <source>the picture cannot be read (%1).</source>
        <translation>l’image ne peut pas être lue (%1).</translation>
    </message>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="56"/>
        <location filename="../../src/encode/PngWriter.cpp" line="31"/>
        <source>the file cannot be created (%1).</source>
        <translation>le fichier ne peut pas être créé (%1).</translation>
    </message>
    <message>
        <location filename="../../src/output/FileMove.cpp" line="92"/>
        <source>The picture could not be saved as %1: the picture file %2 is gone.</source>
        <translation>L’image n’a pas pu être enregistrée sous %1 : le fichier d’image %2 a disparu.</translation>
    </message>
    <message>
        <location filename="../../src/output/PictureSave.cpp" line="69"/>
        <location filename="../../src/encode/PictureWriter.cpp" line="153"/>
        <source>its extension names no format Quillane writes (%1).</source>
        <translation>son extension ne désigne aucun format qu’écrit Quillane (%1).</translation>
    </message>
    <message>
        <location filename="../../src/output/PictureSave.cpp" line="81"/>
        <source>%1 The picture is still at “%2”.</source>
        <translation>%1 L’image se trouve toujours à « %2 ».</translation>
    </message>
    <message>
        <location filename="../../src/encode/PictureWriter.cpp" line="35"/>
        <source>the picture could not be encoded as %1.</source>
        <translation>l’image n’a pas pu être encodée en %1.</translation>
    </message>
    <message>
        <location filename="../../src/encode/PictureWriter.cpp" line="130"/>
        <location filename="../../src/encode/PngWriter.cpp" line="82"/>
        <location filename="../../src/encode/PngWriter.cpp" line="102"/>
        <source>there is no picture to write.</source>
        <translation>il n’y a pas d’image à écrire.</translation>
    </message>
    <message>
        <location filename="../../src/encode/PngWriter.cpp" line="17"/>
        <source>“%1” could not be written: %2</source>
        <translation>« %1 » n’a pas pu être écrit : %2</translation>
    </message>
    <message>
        <location filename="../../src/encode/PngWriter.cpp" line="23"/>
        <source>you do not have permission to write in that folder.</source>
        <translation>vous n’avez pas l’autorisation d’écrire dans ce dossier.</translation>
    </message>
    <message>
        <location filename="../../src/encode/PngWriter.cpp" line="42"/>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <location filename="../../src/encode/PngWriter.cpp" line="44"/>
        <source>the folder %1 does not exist.</source>
        <translation>le dossier %1 n’existe pas.</translation>
    </message>
    <message>
        <location filename="../../src/encode/PngWriter.cpp" line="49"/>
        <source>it is not a regular file, and only a regular file is ever replaced.</source>
        <translation>ce n’est pas un fichier ordinaire, et seul un fichier ordinaire est jamais remplacé.</translation>
    </message>
    <message>
        <location filename="../../src/encode/PngWriter.cpp" line="64"/>
        <source>the disk refused the file (%1).</source>
        <translation>le disque a refusé le fichier (%1).</translation>
    </message>
    <message>
        <location filename="../../src/encode/PngWriter.cpp" line="89"/>
        <source>the picture could not be compressed.</source>
        <translation>l’image n’a pas pu être compressée.</translation>
    </message>
    <message>
        <location filename="../../src/encode/CameraDetails.cpp" line="74"/>
        <source>the camera details could not be added (%1).</source>
        <translation>les données de l’appareil n’ont pas pu être ajoutées (%1).</translation>
    </message>
</context>
<context>
    <name>PlacedLayer</name>
    <message>
        <location filename="../../src/render/PlacedLayer.cpp" line="31"/>
        <source>it would be drawn %1 × %2 pixels large, and a picture is at most %3 pixels wide and high.</source>
        <translation>elle serait dessinée en %1 × %2 pixels, et une image fait au plus %3 pixels de large et de haut.</translation>
    </message>
    <message>
        <location filename="../../src/render/PlacedLayer.cpp" line="44"/>
        <source>its size and offsets are too large to draw.</source>
        <translation>sa taille et ses décalages sont trop grands pour la dessiner.</translation>
    </message>
    <message>
        <location filename="../../src/render/PlacedLayer.cpp" line="48"/>
        <source>there is not enough memory for its canvas.</source>
        <translation>la mémoire ne suffit pas pour son canevas.</translation>
    </message>
</context>
<context>
    <name>PlacementTool</name>
    <message>
        <location filename="../../src/app/PlacementTool.cpp" line="107"/>
        <source>Move Photo</source>
        <translation>Déplacer la photo</translation>
    </message>
    <message>
        <location filename="../../src/app/PlacementTool.cpp" line="107"/>
        <source>Resize Photo</source>
        <translation>Redimensionner la photo</translation>
    </message>
    <message>
        <location filename="../../src/app/PlacementTool.cpp" line="107"/>
        <source>Rotate Photo</source>
        <translation>Faire pivoter la photo</translation>
    </message>
    <message>
        <location filename="../../src/app/PlacementTool.cpp" line="231"/>
        <source>Nudge Photo</source>
        <translation>Décaler la photo</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="80"/>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="82"/>
        <source>JPEG quality</source>
        <translation>Qualité JPEG</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="83"/>
        <source>WebP quality</source>
        <translation>Qualité WebP</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="84"/>
        <source>WebP &amp;lossless</source>
        <translation>WebP sans &amp;perte</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="88"/>
        <source>&amp;Keep camera details in saved pictures</source>
        <translation>&amp;Conserver les données de l’appareil dans les images enregistrées</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="90"/>
        <source>The background photo&apos;s camera, lens, exposure and date go into JPEG, WebP, TIFF and PNG pictures; never its location.</source>
        <translation>L’appareil, l’objectif, l’exposition et la date de la photo d’arrière-plan vont dans les images JPEG, WebP, TIFF et PNG ; jamais son lieu.</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="93"/>
        <source>&amp;Output folder:</source>
        <translation>Dossier de &amp;sortie :</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="96"/>
        <source>&amp;JPEG quality:</source>
        <translation>Qualité &amp;JPEG :</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="97"/>
        <source>&amp;WebP quality:</source>
        <translation>Qualité &amp;WebP :</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="113"/>
        <location filename="../../src/app/Preferences.cpp" line="138"/>
        <source>Output folder</source>
        <translation>Dossier de sortie</translation>
    </message>
    <message>
        <location filename="../../src/app/Preferences.cpp" line="114"/>
        <source>C&amp;hoose…</source>
        <translation>C&amp;hoisir…</translation>
    </message>
</context>
<context>
    <name>ProjectFile</name>
    <message>
        <location filename="../../src/model/Quoted.cpp" line="14"/>
        <source>a list</source>
        <translation>une liste</translation>
    </message>
    <message>
        <location filename="../../src/model/Quoted.cpp" line="15"/>
        <source>an object</source>
        <translation>un objet</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="31"/>
        <source>must be a number, not %1</source>
        <translation>doit être un nombre, et non %1</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="57"/>
        <source>must be above %1 and at most %2, not %3</source>
        <translation>doit être supérieur à %1 et au plus %2, pas %3</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="58"/>
        <location filename="../../src/model/ProjectFile.cpp" line="34"/>
        <source>must be from %1 to %2, not %3</source>
        <translation>doit être compris entre %1 et %2, et non %3</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="71"/>
        <source>must be a point [x, y] with x and y from %1 to %2, not %3</source>
        <translation>doit être un point [x, y] avec x et y de %1 à %2, pas %3</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="107"/>
        <location filename="../../src/model/PhotoMask.cpp" line="152"/>
        <source>must be an object with %1 %2 or %3, not %4</source>
        <translation>doit être un objet avec %1 %2 ou %3, pas %4</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="134"/>
        <source>must be a list of at least one point [x, y], not %1</source>
        <translation>doit être une liste d’au moins un point [x, y], pas %1</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="178"/>
        <source>must be a list, not %1</source>
        <translation>doit être une liste, pas %1</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="238"/>
        <source>must be an object with %1, %2 and %3, not %4</source>
        <translation>doit être un objet avec %1, %2 et %3, pas %4</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="49"/>
        <source>must be a whole number from %1 to %2%3, not %4</source>
        <translation>doit être un nombre entier de %1 à %2%3, et non %4</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="51"/>
        <source> or a name</source>
        <translation> ou un nom</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="39"/>
        <location filename="../../src/model/ProjectFile.cpp" line="61"/>
        <source>must be true or false, not %1</source>
        <translation>doit être true ou false, et non %1</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="105"/>
        <source>%1 must be nine numbers, a 3 x 3 mapping that keeps the photo in one piece, not %2</source>
        <translation>%1 doit être neuf nombres, une transformation 3 x 3 qui garde la photo d’un seul tenant, pas %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="118"/>
        <location filename="../../src/model/ProjectFile.cpp" line="129"/>
        <location filename="../../src/model/ProjectFile.cpp" line="139"/>
        <location filename="../../src/model/ProjectFile.cpp" line="254"/>
        <location filename="../../src/model/ProjectFile.cpp" line="280"/>
        <source>key %1 belongs to %2 projects, not %3</source>
        <translation>la clé %1 appartient aux projets %2, et non %3</translation>
    </message>
    <message>
        <location filename="../../src/model/PhotoMask.cpp" line="98"/>
        <location filename="../../src/model/ProjectFile.cpp" line="131"/>
        <source>unknown key %1</source>
        <translation>clé inconnue %1</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="155"/>
        <source>%1: %2 strokes, more than the %3 a project may hold</source>
        <translation>%1 : %2 traits, plus que les %3 qu’un projet peut contenir</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="161"/>
        <source>%1: %2 points, more than the %3 a project may hold</source>
        <translation>%1 : %2 points, plus que les %3 qu’un projet peut contenir</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="172"/>
        <source>must be an object such as {&quot;file&quot;: &quot;a.jpg&quot;}, not %1</source>
        <translation>doit être un objet comme {&quot;file&quot;: &quot;a.jpg&quot;}, et non %1</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="178"/>
        <source>%1 must name the photo&apos;s file</source>
        <translation>%1 doit désigner le fichier de la photo</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="198"/>
        <source>%1 must be one of %2, not %3</source>
        <translation>%1 doit être l’un de %2, et non %3</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="212"/>
        <source>%1 must be a whole number from 1, not %2</source>
        <translation>%1 doit être un nombre entier à partir de 1, et non %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="242"/>
        <source>%1 must be from 0 to 2 in steps of 0.1, not %2</source>
        <translation>%1 doit aller de 0 à 2 par pas de 0,1, pas %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="261"/>
        <source>unknown key %1 in %2</source>
        <translation>clé inconnue %1 dans %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="264"/>
        <source>%1 must be an object such as {&quot;contrast&quot;: 1}, not %2</source>
        <translation>%1 doit être un objet comme {&quot;contrast&quot;: 1}, pas %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="284"/>
        <source>%1 must be true or false, not %2</source>
        <translation>%1 doit être true ou false, et non %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="296"/>
        <source>%1 must be %2 or %3, not %4</source>
        <translation>%1 doit être %2 ou %3, et non %4</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="305"/>
        <source>unknown key %1 (a project has &quot;version&quot;, &quot;mode&quot;, &quot;photos&quot;, &quot;blendSpace&quot;, in Linear projects &quot;fullResolution&quot; and in fusion projects &quot;fusion&quot;)</source>
        <translation>clé inconnue %1 (un projet a &quot;version&quot;, &quot;mode&quot;, &quot;photos&quot;, &quot;blendSpace&quot;, dans les projets Linéaires &quot;fullResolution&quot; et dans les projets fusion &quot;fusion&quot;)</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="318"/>
        <source>no photos: %1 must list at least one photo</source>
        <translation>aucune photo : %1 doit lister au moins une photo</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="324"/>
        <source>photo %1: %2</source>
        <translation>photo %1 : %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="355"/>
        <source>not valid JSON at character %1: %2</source>
        <translation>JSON non valide au caractère %1 : %2</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="361"/>
        <source>the project must be a JSON object with &quot;mode&quot; and &quot;photos&quot;</source>
        <translation>le projet doit être un objet JSON avec &quot;mode&quot; et &quot;photos&quot;</translation>
    </message>
    <message>
        <location filename="../../src/model/ProjectFile.cpp" line="417"/>
        <source>photo %1 (%2) has no file to refer to</source>
        <translation>la photo %1 (%2) n’a aucun fichier auquel se référer</translation>
    </message>
</context>
<context>
    <name>RegionPass</name>
    <message>
        <location filename="../../src/render/RegionPass.cpp" line="70"/>
        <source>there is not enough memory to blend the region.</source>
        <translation>la mémoire ne suffit pas pour fusionner la zone.</translation>
    </message>
</context>
<context>
    <name>RenderPass</name>
    <message>
        <location filename="../../src/render/RenderPass.cpp" line="28"/>
        <source>No Image</source>
        <translation>Aucune image</translation>
    </message>
    <message>
        <location filename="../../src/render/RenderPass.cpp" line="205"/>
        <source>photo %1%2 cannot be drawn: %3</source>
        <translation>la photo %1%2 ne peut pas être dessinée : %3</translation>
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
    <name>ShapePipeline</name>
    <message>
        <location filename="../../src/render/ShapePipeline.cpp" line="326"/>
        <source>there is not enough memory for its mask.</source>
        <translation>la mémoire ne suffit pas pour son masque.</translation>
    </message>
    <message>
        <location filename="../../src/render/ShapePipeline.cpp" line="336"/>
        <source>there is not enough memory to cut it out.</source>
        <translation>la mémoire ne suffit pas pour la découper.</translation>
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
    <name>ShortcutListDialog</name>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="72"/>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="75"/>
        <source>Search commands and keys</source>
        <translation>Chercher commandes et touches</translation>
    </message>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="77"/>
        <source>Search</source>
        <translation>Recherche</translation>
    </message>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="78"/>
        <source>&amp;Search:</source>
        <translation>&amp;Rechercher :</translation>
    </message>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="82"/>
        <source>Keyboard shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="84"/>
        <source>Command</source>
        <translation>Commande</translation>
    </message>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="84"/>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <location filename="../../src/app/ShortcutList.cpp" line="84"/>
        <source>Where</source>
        <translation>Où</translation>
    </message>
</context>
<context>
    <name>View_Composition</name>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="13"/>
        <source>Composite</source>
        <translation>Composition</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="17"/>
        <source>How the photo is mixed with the picture beneath it</source>
        <translation>Comment la photo se mélange à l’image en dessous</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="18"/>
        <source>&amp;Blend mode</source>
        <translation>Mode de fu&amp;sion</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="20"/>
        <source>Match the bac&amp;kground&apos;s size</source>
        <translation>Adapter à la &amp;taille de l’arrière-plan</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="22"/>
        <source>Stretch the photo over the whole background; off: place it by its size and offsets</source>
        <translation>Étirer la photo sur tout l’arrière-plan ; désactivé : la placer selon sa taille et ses décalages</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="25"/>
        <source>S&amp;ize</source>
        <translation>Tai&amp;lle</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="25"/>
        <source>Enlargement of the photo&apos;s own width (0 % keeps its size)</source>
        <translation>Agrandissement de la largeur de la photo (0 % garde sa taille)</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="27"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="27"/>
        <source>Offset to the right, in percent of the photo&apos;s own width</source>
        <translation>Décalage vers la droite, en pourcentage de la largeur de la photo</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="29"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="29"/>
        <source>Offset upwards, in percent of the photo&apos;s own height</source>
        <translation>Décalage vers le haut, en pourcentage de la hauteur de la photo</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="32"/>
        <source>O&amp;pacity</source>
        <translation>&amp;Opacité</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Composition.cpp" line="32"/>
        <source>How strongly the blend shows over the picture beneath it</source>
        <translation>Avec quelle force le mélange apparaît sur l’image en dessous</translation>
    </message>
</context>
<context>
    <name>View_Fusion</name>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="25"/>
        <source>Exposure fusion</source>
        <translation>Fusion d’expositions</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="28"/>
        <source>&amp;Contrast</source>
        <translation>&amp;Contraste</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="28"/>
        <source>How much fine detail counts in a pixel&apos;s weight: 0 to 2</source>
        <translation>Combien les détails fins comptent dans le poids d’un pixel : 0 à 2</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="30"/>
        <source>Sa&amp;turation</source>
        <translation>&amp;Saturation</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="30"/>
        <source>How much strong colour counts in a pixel&apos;s weight: 0 to 2</source>
        <translation>Combien les couleurs vives comptent dans le poids d’un pixel : 0 à 2</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="32"/>
        <source>E&amp;xposure</source>
        <translation>E&amp;xposition</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="32"/>
        <source>How much a pixel&apos;s closeness to mid-grey counts in its weight: 0 to 2</source>
        <translation>Combien la proximité d’un pixel au gris moyen compte dans son poids : 0 à 2</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Fusion.cpp" line="33"/>
        <source>Every photo is fused, aligned where it has an alignment (Photo menu, Align to Background).</source>
        <translation>Chaque photo est fusionnée, alignée là où elle a un alignement (menu Photo, Aligner sur l’arrière-plan).</translation>
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
    <name>View_Image_Preview</name>
    <message>
        <location filename="../../src/app/View_Image_Preview.cpp" line="158"/>
        <source>%1 %</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <location filename="../../src/app/View_Image_Preview.cpp" line="159"/>
        <source>Fit (%1)</source>
        <translation>Ajusté (%1)</translation>
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
        <location filename="../../src/panels/View_Linear.cpp" line="25"/>
        <source>Build the saved strip from the photos at their own size; off: from copies fitted into 400 x 400</source>
        <translation>Construire la bande enregistrée à partir des photos à leur propre taille ; sinon, à partir de copies ajustées dans 400 x 400</translation>
    </message>
</context>
<context>
    <name>View_Shape</name>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="29"/>
        <location filename="../../src/panels/View_Shape.cpp" line="38"/>
        <location filename="../../src/panels/View_Shape.cpp" line="42"/>
        <source>Shape</source>
        <translation>Forme</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="34"/>
        <source>Se&amp;lect Shape…</source>
        <translation>Choisir la f&amp;orme…</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="35"/>
        <source>Choose the shape the photo is cut out through</source>
        <translation>Choisir la forme qui découpe la photo</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="37"/>
        <source>The photo&apos;s shape</source>
        <translation>La forme de la photo</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="44"/>
        <source>S&amp;ize</source>
        <translation>Tai&amp;lle</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="44"/>
        <source>Enlargement of the photo&apos;s own width (0 % keeps its size)</source>
        <translation>Agrandissement de la largeur de la photo (0 % garde sa taille)</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="46"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="46"/>
        <source>Offset to the right, in percent of the photo&apos;s own width</source>
        <translation>Décalage vers la droite, en pourcentage de la largeur de la photo</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="48"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="48"/>
        <source>Offset upwards, in percent of the photo&apos;s own height</source>
        <translation>Décalage vers le haut, en pourcentage de la hauteur de la photo</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="52"/>
        <source>Fea&amp;ther</source>
        <translation>&amp;Bord adouci</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="52"/>
        <source>How softly the shape&apos;s edge fades, up to a tenth of its shorter side</source>
        <translation>Avec quelle douceur le bord de la forme s’estompe, jusqu’au dixième de son côté le plus court</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="73"/>
        <source>Shape: %1</source>
        <translation>Forme : %1</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Shape.cpp" line="76"/>
        <source>none</source>
        <translation>aucune</translation>
    </message>
</context>
<context>
    <name>View_Transparent</name>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="8"/>
        <source>Transparent</source>
        <translation>Transparence</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="10"/>
        <source>&amp;Transparency</source>
        <translation>&amp;Transparence</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="10"/>
        <source>0 % draws the photo opaque, 100 % hides it</source>
        <translation>0 % dessine la photo opaque, 100 % la masque</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="12"/>
        <source>&amp;Width</source>
        <translation>&amp;Largeur</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="12"/>
        <source>The photo&apos;s width in percent of the background&apos;s width</source>
        <translation>La largeur de la photo en pourcentage de celle de l’arrière-plan</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="14"/>
        <source>&amp;X</source>
        <translation>&amp;X</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="14"/>
        <source>Offset to the right, in percent of the background&apos;s width</source>
        <translation>Décalage vers la droite, en pourcentage de la largeur de l’arrière-plan</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="16"/>
        <source>&amp;Y</source>
        <translation>&amp;Y</translation>
    </message>
    <message>
        <location filename="../../src/panels/View_Transparent.cpp" line="16"/>
        <source>Offset upwards, in percent of the background&apos;s height</source>
        <translation>Décalage vers le haut, en pourcentage de la hauteur de l’arrière-plan</translation>
    </message>
</context>
<context>
    <name>Window_New_Project</name>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="24"/>
        <source>New Project</source>
        <translation>Nouveau projet</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="79"/>
        <source>Choose the type of your project</source>
        <translation>Choisissez le type de votre projet</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="82"/>
        <source>&amp;Composite</source>
        <translation>&amp;Composition</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="83"/>
        <source>Lay each photo over the picture with one of %1 blend modes.</source>
        <translation>Poser chaque photo sur l’image avec l’un des %1 modes de fusion.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="85"/>
        <source>&amp;Shape</source>
        <translation>&amp;Forme</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="86"/>
        <source>Cut each photo out through a shape: circle, star, heart…</source>
        <translation>Découper chaque photo selon une forme : cercle, étoile, cœur…</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="87"/>
        <source>&amp;Linear</source>
        <translation>&amp;Linéaire</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="87"/>
        <source>Join the photos into a strip with soft seams.</source>
        <translation>Assembler les photos en une bande aux jointures douces.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="89"/>
        <source>&amp;Horizontal</source>
        <translation>&amp;Horizontal</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="89"/>
        <source>Left to right.</source>
        <translation>De gauche à droite.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="92"/>
        <source>&amp;Vertical</source>
        <translation>&amp;Vertical</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="92"/>
        <source>Bottom to top.</source>
        <translation>De bas en haut.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="94"/>
        <source>&amp;Transparency</source>
        <translation>&amp;Transparence</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="95"/>
        <source>Lay each photo over the background with its own opacity, size and place.</source>
        <translation>Poser chaque photo sur l’arrière-plan avec sa propre opacité, taille et position.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="98"/>
        <source>&amp;Exposure fusion</source>
        <translation>Fusion d’e&amp;xpositions</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="99"/>
        <source>Fuse a bracket of exposures of one scene into one picture.</source>
        <translation>Fusionner une série d’expositions d’une scène en une seule image.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="191"/>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="191"/>
        <source>You must choose a project type at startup.</source>
        <translation>Vous devez choisir un type de projet au démarrage.</translation>
    </message>
    <message>
        <location filename="../../src/app/Window_New_Project.cpp" line="191"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Window_Select_Shape</name>
    <message>
        <location filename="../../src/panels/Window_Select_Shape.cpp" line="54"/>
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
        <location filename="../../src/output/Window_Share.cpp" line="24"/>
        <source>Text to share</source>
        <translation>Texte à partager</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="29"/>
        <location filename="../../src/output/Window_Share.cpp" line="68"/>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="31"/>
        <source>&amp;Share…</source>
        <translation>&amp;Partager…</translation>
    </message>
    <message>
        <location filename="../../src/output/Window_Share.cpp" line="68"/>
        <source>The picture could not be shared</source>
        <translation>L’image n’a pas pu être partagée</translation>
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
        <translation>Utilisation : quillane [PHOTO...] [PROJET.quillane]
Mélange plusieurs photos en une seule image.

Les photos nommées sont ajoutées à la liste dans l’ordre ; un projet nommé est
ouvert d’abord et les photos s’y ajoutent.

  -h, --help     afficher cette aide et quitter
      --version  afficher la version et quitter

quillane-mix rend un projet sans écran ; voir quillane-mix --help.
</translation>
    </message>
    <message>
        <location filename="../../src/app/main.cpp" line="59"/>
        <source>quillane: unknown option %1 (see quillane --help).</source>
        <translation>quillane : option inconnue %1 (voir quillane --help).</translation>
    </message>
</context>
</TS>
