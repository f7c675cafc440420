<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>captions</name>
    <message>
        <source>Reporter</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Crénelage</source>
        <translation>Smoothing</translation>
    </message>
    <message>
        <source>Loupe</source>
        <translation>Magnifier</translation>
    </message>
    <message>
        <source>Traitement polygonale</source>
        <translation>Polygonal processing</translation>
    </message>
    <message>
        <source>Réglage Loupe</source>
        <translation>Magnifier settings</translation>
    </message>
    <message>
        <source>Options des programmes</source>
        <translation>Program options</translation>
    </message>
    <message>
        <source>Outil et isolation</source>
        <translation>Tool and isolation</translation>
    </message>
    <message>
        <source>Outil...</source>
        <translation>Tool...</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Adapter à l'outil</source>
        <translation>Fit to the tool</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>&amp;Valider</source>
        <translation>&amp;Confirm</translation>
    </message>
    <message>
        <source>Valider</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Commande numérique :</source>
        <translation>Numerical control:</translation>
    </message>
    <message>
        <source>Diamètre de trou maximal (mm) :</source>
        <translation>Largest hole diameter (mm):</translation>
    </message>
    <message>
        <source>Diamètre de trou minimal (mm) :</source>
        <translation>Smallest hole diameter (mm):</translation>
    </message>
    <message>
        <source>Forets (mm, ex. 0.6,0.8,1.0) :</source>
        <translation>Drills (mm, e.g. 0.6,0.8,1.0):</translation>
    </message>
    <message>
        <source>Gravure</source>
        <translation>Engraving</translation>
    </message>
    <message>
        <source>Hauteur entre objets proches (mm) :</source>
        <translation>Height between close objects (mm):</translation>
    </message>
    <message>
        <source>Mesurer ce PC</source>
        <translation>Measure this PC</translation>
    </message>
    <message>
        <source>Options G-code</source>
        <translation>G-code options</translation>
    </message>
    <message>
        <source>Ordre des objets optimisé</source>
        <translation>Optimised object order</translation>
    </message>
    <message>
        <source>Passages plus étroits que l'outil (clic : centrer la vue) :</source>
        <translation>Gaps narrower than the tool (click: centre the view):</translation>
    </message>
    <message>
        <source>Passes par îlot :</source>
        <translation>Passes per island:</translation>
    </message>
    <message>
        <source>Pastille suivante</source>
        <translation>Next pad</translation>
    </message>
    <message>
        <source>Recouvrement des passes (part de l'outil) :</source>
        <translation>Pass overlap (share of the tool):</translation>
    </message>
    <message>
        <source>Seuil des images grises ou en couleur (%) :</source>
        <translation>Threshold of grey or colour pictures (%):</translation>
    </message>
    <message>
        <source>Trous reconnus par leur taille (à la validation de l'échelle)</source>
        <translation>Holes recognised by their size (when the scale is confirmed)</translation>
    </message>
    <message>
        <source>Vitesse de broche (tr/min) :</source>
        <translation>Spindle speed (rpm):</translation>
    </message>
    <message>
        <source>Zoom : </source>
        <translation>Zoom: </translation>
    </message>
    <message>
        <source>Licence : GNU GPL version 3 ou ultérieure</source>
        <translation>Licence: GNU GPL version 3 or later</translation>
    </message>
</context>
<context>
    <name>messages</name>
    <message>
        <source>Pas de fichier loupe.dat dans le dossier courant : la loupe prend ses réglages par défaut (zoom 100 %, sans décalage). « Valider » de la fenêtre « Option » les enregistre.</source>
        <translation>No loupe.dat file in the current folder: the magnifier starts with its default settings (zoom 100 %, no offset). “Confirm” in the “Options” window saves them.</translation>
    </message>
    <message>
        <source>Fichier introuvable : %1</source>
        <translation>File not found: %1</translation>
    </message>
    <message>
        <source>Le typon d'origine n'est pas chargé : les contours ne peuvent être recalculés pour l'outil qu'à partir du typon (chargez-le et traitez-le).</source>
        <translation>The original artwork is not loaded: the contours can only be rebuilt for the tool from the artwork (load it and process it).</translation>
    </message>
    <message>
        <source>Traitement arrêté : seuls %1 contours ont été extraits, le résultat est partiel. Relancez le traitement pour obtenir tous les contours.</source>
        <translation>Processing stopped: only %1 contours were extracted, the result is partial. Run the processing again to get every contour.</translation>
    </message>
    <message>
        <source>Le fichier « %1 » existe déjà.
Voulez-vous le remplacer ?</source>
        <translation>The file “%1” already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>La machine est en mouvement : mesurer quand elle est arrêtée.</source>
        <translation>The machine is moving: measure when it has stopped.</translation>
    </message>
    <message>
        <source>Impossible de charger l'image « %1 » de la loupe : fichier absent ou illisible.</source>
        <translation>Cannot load the magnifier picture “%1”: the file is missing or unreadable.</translation>
    </message>
    <message>
        <source>L'image « %1 » de la loupe est trop grande (%2 x %3 pixels).</source>
        <translation>The magnifier picture “%1” is too large (%2 x %3 pixels).</translation>
    </message>
    <message>
        <source>L'image « %1 » de la loupe est entièrement rouge : la fenêtre n'aurait aucune surface.</source>
        <translation>The magnifier picture “%1” is entirely red: the window would have no surface.</translation>
    </message>
    <message>
        <source>Impossible de lire %1 : c'est un dossier.</source>
        <translation>Cannot read %1: it is a folder.</translation>
    </message>
    <message>
        <source>Impossible d'ouvrir %1 : %2.</source>
        <translation>Cannot open %1: %2.</translation>
    </message>
    <message>
        <source>erreur d'entrée/sortie</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>Erreur de lecture de %1.</source>
        <translation>Error while reading %1.</translation>
    </message>
    <message>
        <source>Le choix de langue %1 ne désigne aucun fichier de langue.</source>
        <translation>The language choice %1 names no language file.</translation>
    </message>
    <message>
        <source>%1, ligne %2 (%3) : « %4 » n'est pas un nombre de plus de 0 et d'au plus %5 ; la valeur par défaut %6 est utilisée.</source>
        <translation>%1, line %2 (%3): “%4” is not a number above 0 and at most %5; the default value %6 is used.</translation>
    </message>
    <message>
        <source>profondeur de gravure (mm)</source>
        <translation>engraving depth (mm)</translation>
    </message>
    <message>
        <source>profondeur de perçage (mm)</source>
        <translation>drilling depth (mm)</translation>
    </message>
    <message>
        <source>distance de dégagement (mm)</source>
        <translation>retract distance (mm)</translation>
    </message>
    <message>
        <source>vitesse de gravure (mm/mn)</source>
        <translation>engraving feed (mm/min)</translation>
    </message>
    <message>
        <source>vitesse de perçage (mm/mn)</source>
        <translation>drilling feed (mm/min)</translation>
    </message>
</context>
</TS>
