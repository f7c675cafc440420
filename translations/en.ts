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
    <message>
        <source>Offset X : </source>
        <translation>Offset X: </translation>
    </message>
    <message>
        <source>Offset Y :</source>
        <translation>Offset Y:</translation>
    </message>
    <message>
        <source>Perçage...</source>
        <translation>Drills...</translation>
    </message>
    <message>
        <source>Gerber face dessous (retourner)</source>
        <translation>Gerber bottom side (mirror)</translation>
    </message>
    <message>
        <source>Ajuster</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Fichiers récents</source>
        <translation>Recent files</translation>
    </message>
    <message>
        <source>Écoulé : 0:00:00</source>
        <translation>Elapsed: 0:00:00</translation>
    </message>
    <message>
        <source>Restant : 0:00:00</source>
        <translation>Remaining: 0:00:00</translation>
    </message>
    <message>
        <source>Reprendre</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>Palper Z</source>
        <translation>Probe Z</translation>
    </message>
    <message>
        <source>Carte des hauteurs...</source>
        <translation>Height map...</translation>
    </message>
    <message>
        <source>Carte des hauteurs du cuivre</source>
        <translation>Copper height map</translation>
    </message>
    <message>
        <source>Palpeur</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Avance de palpage (mm/mn)</source>
        <translation>Probing feed (mm/min)</translation>
    </message>
    <message>
        <source>Course maximale (mm)</source>
        <translation>Maximum travel (mm)</translation>
    </message>
    <message>
        <source>Épaisseur plaque de contact (mm)</source>
        <translation>Touch plate thickness (mm)</translation>
    </message>
    <message>
        <source>Dégagement entre points (mm)</source>
        <translation>Clearance between points (mm)</translation>
    </message>
    <message>
        <source>Grille</source>
        <translation>Grid</translation>
    </message>
    <message>
        <source>Pas (mm)</source>
        <translation>Spacing (mm)</translation>
    </message>
    <message>
        <source>Points (colonnes x lignes)</source>
        <translation>Points (columns x rows)</translation>
    </message>
    <message>
        <source>Palper la carte</source>
        <translation>Probe the map</translation>
    </message>
    <message>
        <source>Charger...</source>
        <translation>Load...</translation>
    </message>
    <message>
        <source>Enregistrer...</source>
        <translation>Save...</translation>
    </message>
    <message>
        <source>Appliquer la carte à la gravure</source>
        <translation>Apply the map to the engraving</translation>
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
    <message>
        <source>Le fichier %1 est trop grand (plus de %2).</source>
        <translation>The file %1 is too large (more than %2).</translation>
    </message>
    <message>
        <source>Le fichier %1 n'est pas un fichier texte de ce programme : %2 lignes pour %3 octets (lignes presque toutes vides).</source>
        <translation>The file %1 is not a text file of this program: %2 lines for %3 bytes (lines almost all empty).</translation>
    </message>
    <message>
        <source>Impossible d'écrire %1 : %2.</source>
        <translation>Cannot write %1: %2.</translation>
    </message>
    <message>
        <source>Échec de l'écriture de %1 : %2. Le fichier précédent est conservé.</source>
        <translation>Writing %1 failed: %2. The previous file is kept.</translation>
    </message>
    <message>
        <source>Impossible de remplacer %1 : %2. Le fichier précédent est conservé.</source>
        <translation>Cannot replace %1: %2. The previous file is kept.</translation>
    </message>
    <message>
        <source>Impossible de remplacer %1 : %2. Aucun fichier de l'ensemble n'a été remplacé.</source>
        <translation>Cannot replace %1: %2. No file of the set was replaced.</translation>
    </message>
    <message>
        <source> Les valeurs affichées sont conservées.</source>
        <translation> The values shown are kept.</translation>
    </message>
    <message>
        <source>cn.dat, ligne %1 (%2)</source>
        <translation>cn.dat, line %1 (%2)</translation>
    </message>
    <message>
        <source>« %1 » n'est pas un nombre entier.</source>
        <translation>“%1” is not a whole number.</translation>
    </message>
    <message>
        <source>« %1 » n'est pas un nombre décimal écrit avec un point.</source>
        <translation>“%1” is not a decimal number written with a point.</translation>
    </message>
    <message>
        <source>le nombre de pas par mm doit être positif (« %1 »).</source>
        <translation>the number of steps per mm must be positive (“%1”).</translation>
    </message>
    <message>
        <source>« %1 » µs est hors de la plage 0 à %2 µs (une attente plus longue retarderait STOP).</source>
        <translation>“%1” µs is outside the range 0 to %2 µs (a longer wait would delay STOP).</translation>
    </message>
    <message>
        <source>l'indice « %1 » ne désigne aucune sortie de la liste (0 à 8).</source>
        <translation>the index “%1” names no output of the list (0 to 8).</translation>
    </message>
    <message>
        <source>la sortie « %1 » sert déjà à « %2 » (ligne %3) ; deux signaux ne peuvent partager une broche.</source>
        <translation>the output “%1” already serves “%2” (line %3); two signals cannot share a pin.</translation>
    </message>
    <message>
        <source>Adresse du port</source>
        <translation>Port address</translation>
    </message>
    <message>
        <source>Arrêt d'urgence</source>
        <translation>Emergency stop</translation>
    </message>
    <message>
        <source>Pas X</source>
        <translation>X step</translation>
    </message>
    <message>
        <source>Butée axe X</source>
        <translation>X axis limit</translation>
    </message>
    <message>
        <source>Butée axe Y</source>
        <translation>Y axis limit</translation>
    </message>
    <message>
        <source>Butée axe Z</source>
        <translation>Z axis limit</translation>
    </message>
    <message>
        <source>Palpeur Outil</source>
        <translation>Tool probe</translation>
    </message>
    <message>
        <source>Sens X</source>
        <translation>X direction</translation>
    </message>
    <message>
        <source>Pas Y</source>
        <translation>Y step</translation>
    </message>
    <message>
        <source>Sens Y</source>
        <translation>Y direction</translation>
    </message>
    <message>
        <source>Pas Z</source>
        <translation>Z step</translation>
    </message>
    <message>
        <source>Sens Z</source>
        <translation>Z direction</translation>
    </message>
    <message>
        <source>Broche</source>
        <translation>Spindle</translation>
    </message>
    <message>
        <source>Inversé (Arrêt d'urgence)</source>
        <translation>Inverted (Emergency stop)</translation>
    </message>
    <message>
        <source>Inversé (Butée axe X)</source>
        <translation>Inverted (X axis limit)</translation>
    </message>
    <message>
        <source>Inversé (Butée axe Y)</source>
        <translation>Inverted (Y axis limit)</translation>
    </message>
    <message>
        <source>Inversé (Butée axe Z)</source>
        <translation>Inverted (Z axis limit)</translation>
    </message>
    <message>
        <source>Inversé (Palpeur Outil)</source>
        <translation>Inverted (Tool probe)</translation>
    </message>
    <message>
        <source>Inversé (Pas X)</source>
        <translation>Inverted (X step)</translation>
    </message>
    <message>
        <source>Inversé (Sens X)</source>
        <translation>Inverted (X direction)</translation>
    </message>
    <message>
        <source>Inversé (Pas Y)</source>
        <translation>Inverted (Y step)</translation>
    </message>
    <message>
        <source>Inversé (Sens Y)</source>
        <translation>Inverted (Y direction)</translation>
    </message>
    <message>
        <source>Inversé (Pas Z)</source>
        <translation>Inverted (Z step)</translation>
    </message>
    <message>
        <source>Inversé (Sens Z)</source>
        <translation>Inverted (Z direction)</translation>
    </message>
    <message>
        <source>Inversé (Broche)</source>
        <translation>Inverted (Spindle)</translation>
    </message>
    <message>
        <source>Axe X, Pas par mm</source>
        <translation>X axis, steps per mm</translation>
    </message>
    <message>
        <source>Axe Y, Pas par mm</source>
        <translation>Y axis, steps per mm</translation>
    </message>
    <message>
        <source>Axe Z, Pas par mm</source>
        <translation>Z axis, steps per mm</translation>
    </message>
    <message>
        <source>Avance maximale</source>
        <translation>Maximum feed</translation>
    </message>
    <message>
        <source>Avance de travail par défaut</source>
        <translation>Default work feed</translation>
    </message>
    <message>
        <source>Durée minimum d'une impulsion de commande</source>
        <translation>Shortest control pulse</translation>
    </message>
    <message>
        <source>Offset axe X</source>
        <translation>X axis offset</translation>
    </message>
    <message>
        <source>Offset axe Y</source>
        <translation>Y axis offset</translation>
    </message>
    <message>
        <source>Dimenssion X (surfaçage)</source>
        <translation>X size (surfacing)</translation>
    </message>
    <message>
        <source>Dimenssion Y (surfaçage)</source>
        <translation>Y size (surfacing)</translation>
    </message>
    <message>
        <source>Profondeur de passe</source>
        <translation>Pass depth</translation>
    </message>
    <message>
        <source>Encart entre deux passes</source>
        <translation>Step between two passes</translation>
    </message>
    <message>
        <source>Dimenssion X (plaque)</source>
        <translation>X size (plate)</translation>
    </message>
    <message>
        <source>Dimenssion Y (plaque)</source>
        <translation>Y size (plate)</translation>
    </message>
    <message>
        <source>Eppaisseur</source>
        <translation>Thickness</translation>
    </message>
    <message>
        <source>Ecart entre les copies</source>
        <translation>Gap between copies</translation>
    </message>
    <message>
        <source>Bord inutilisable axe X</source>
        <translation>Unusable X border</translation>
    </message>
    <message>
        <source>Bord inutilisable axe Y</source>
        <translation>Unusable Y border</translation>
    </message>
    <message>
        <source>Offset origine X</source>
        <translation>X origin offset</translation>
    </message>
    <message>
        <source>Offset origine Y</source>
        <translation>Y origin offset</translation>
    </message>
    <message>
        <source>Durée de la tempo de 50us</source>
        <translation>Length of the 50 µs wait</translation>
    </message>
    <message>
        <source>Distance retrait fin de course</source>
        <translation>Back-off distance from a limit switch</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Avance de travail nulle ou négative : aucun déplacement n'est possible.</source>
        <translation>Work feed zero or negative: no move is possible.</translation>
    </message>
    <message>
        <source>Arrêt d'urgence actif, machine arrêtée.</source>
        <translation>Emergency stop active, machine stopped.</translation>
    </message>
    <message>
        <source>La machine est déjà en mouvement : attendre la fin du déplacement (ou STOP).</source>
        <translation>The machine is already moving: wait for the end of the move (or STOP).</translation>
    </message>
    <message>
        <source>Coordonnées de destination invalides : déplacement annulé.</source>
        <translation>Invalid target coordinates: move cancelled.</translation>
    </message>
    <message>
        <source>STOP appuyé : machine arrêtée. « Raz » pour repartir.</source>
        <translation>STOP pressed: machine stopped. “Reset” to go on.</translation>
    </message>
    <message>
        <source>Zéro Machine impossible : aucune butée n'est câblée (paramètres du port). Rien n'a bougé.</source>
        <translation>Machine zero impossible: no limit switch is wired (port settings). Nothing moved.</translation>
    </message>
    <message>
        <source>Driver port parallèle correctement chargé !</source>
        <translation>Parallel port driver loaded.</translation>
    </message>
    <message>
        <source>Impossible de charger le driver du port parallèle !</source>
        <translation>Cannot load the parallel port driver!</translation>
    </message>
    <message>
        <source>La machine est en mouvement : positionnement de la broche refusé.</source>
        <translation>The machine is moving: spindle positioning refused.</translation>
    </message>
    <message>
        <source>La machine est en mouvement. Arrêter la machine (STOP, sorties à 0, broche coupée) et fermer ?</source>
        <translation>The machine is moving. Stop the machine (STOP, outputs at 0, spindle off) and close?</translation>
    </message>
    <message>
        <source>Butée atteinte, machine arrêtée : axe </source>
        <translation>Limit switch reached, machine stopped: axis </translation>
    </message>
    <message>
        <source>Port parallèle perdu, machine arrêtée : </source>
        <translation>Parallel port lost, machine stopped: </translation>
    </message>
    <message>
        <source>Butée active, déplacement vers la butée refusé (s'en éloigner d'abord) : axe </source>
        <translation>Limit switch active, move toward it refused (move away first): axis </translation>
    </message>
    <message>
        <source>Zéro Machine : butée non trouvée, machine arrêtée : axe </source>
        <translation>Machine zero: limit switch not found, machine stopped: axis </translation>
    </message>
</context>
</TS>
