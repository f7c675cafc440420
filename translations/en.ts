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
    <message>
        <source>Le fichier %1 est introuvable.</source>
        <translation>The file %1 cannot be found.</translation>
    </message>
    <message>
        <source>L'image %1 ne peut pas être lue : %2</source>
        <translation>The picture %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>L'image %1 mesure %2 x %3 pixels : au-delà de %4 pixels de côté, elle n'est pas acceptée.</source>
        <translation>The picture %1 measures %2 x %3 pixels: beyond %4 pixels a side, it is not accepted.</translation>
    </message>
    <message>
        <source>L'image %1 mesure %2 x %3 pixels : au-delà de %4 pixels (16384 x 16384), elle ne peut pas être lue.</source>
        <translation>The picture %1 measures %2 x %3 pixels: beyond %4 pixels (16384 x 16384), it cannot be read.</translation>
    </message>
    <message>
        <source>L'image %1 (%2) est endommagée : %3</source>
        <translation>The picture %1 (%2) is damaged: %3</translation>
    </message>
    <message>
        <source>Impossible de lire l'image %1 (%2) : %3.</source>
        <translation>Cannot read the picture %1 (%2): %3.</translation>
    </message>
    <message>
        <source>L'image %1 est trop grande (plus de %2 pixels de côté).</source>
        <translation>The picture %1 is too large (more than %2 pixels a side).</translation>
    </message>
    <message>
        <source>%1 octets</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>indice de couleur %1 au pixel (%2, %3) hors de la palette (%4 couleurs).</source>
        <translation>colour index %1 at pixel (%2, %3) outside the palette (%4 colours).</translation>
    </message>
    <message>
        <source>données des pixels plus courtes que l'en-tête ne l'annonce : %1 attendus, %2 présents.</source>
        <translation>pixel data shorter than the header announces: %1 expected, %2 present.</translation>
    </message>
    <message>
        <source>flux RLE qui déborde %1 à l'octet %2.</source>
        <translation>RLE stream overflowing %1 at byte %2.</translation>
    </message>
    <message>
        <source>de l'image</source>
        <translation>the picture</translation>
    </message>
    <message>
        <source>de sa ligne</source>
        <translation>its row</translation>
    </message>
    <message>
        <source>de l'image (déplacement)</source>
        <translation>the picture (offset)</translation>
    </message>
    <message>
        <source>flux RLE tronqué : il s'arrête à la ligne %1 sur %2.</source>
        <translation>RLE stream cut short: it stops at row %1 of %2.</translation>
    </message>
    <message>
        <source>en-tête BMP tronqué (%1).</source>
        <translation>BMP header cut short (%1).</translation>
    </message>
    <message>
        <source>en-tête BMP tronqué ou illisible (taille annoncée %1).</source>
        <translation>BMP header cut short or unreadable (announced size %1).</translation>
    </message>
    <message>
        <source>en-tête BMP illisible (taille annoncée %1).</source>
        <translation>BMP header unreadable (announced size %1).</translation>
    </message>
    <message>
        <source>le début des pixels (octet %1) est au-delà de la fin du fichier (%2).</source>
        <translation>the start of the pixels (byte %1) is beyond the end of the file (%2).</translation>
    </message>
    <message>
        <source>GIF tronqué : le fichier s'arrête dans %1.</source>
        <translation>GIF cut short: the file stops in %1.</translation>
    </message>
    <message>
        <source>l'en-tête</source>
        <translation>the header</translation>
    </message>
    <message>
        <source>la palette globale</source>
        <translation>the global palette</translation>
    </message>
    <message>
        <source>un bloc d'extension</source>
        <translation>an extension block</translation>
    </message>
    <message>
        <source>un descripteur d'image</source>
        <translation>an image descriptor</translation>
    </message>
    <message>
        <source>une palette locale</source>
        <translation>a local palette</translation>
    </message>
    <message>
        <source>les données d'une image</source>
        <translation>the data of an image</translation>
    </message>
    <message>
        <source>GIF sans image.</source>
        <translation>GIF without an image.</translation>
    </message>
    <message>
        <source>GIF illisible : taille de code LZW %1 impossible.</source>
        <translation>GIF unreadable: impossible LZW code size %1.</translation>
    </message>
    <message>
        <source>GIF illisible : les données compressées d'une image sont incohérentes.</source>
        <translation>GIF unreadable: the compressed data of an image are inconsistent.</translation>
    </message>
    <message>
        <source>GIF tronqué : les données d'une image s'arrêtent après %1 pixels sur %2.</source>
        <translation>GIF cut short: the data of an image stop after %1 pixels of %2.</translation>
    </message>
    <message>
        <source>GIF illisible : bloc inconnu (0x%1) à l'octet %2.</source>
        <translation>GIF unreadable: unknown block (0x%1) at byte %2.</translation>
    </message>
    <message>
        <source>GIF tronqué : le fichier s'arrête sans sa marque de fin (0x3B).</source>
        <translation>GIF cut short: the file stops without its end mark (0x3B).</translation>
    </message>
    <message>
        <source>ce n'est ni une image BMP ni une image GIF (début du fichier non reconnu).</source>
        <translation>this is neither a BMP nor a GIF picture (start of the file not recognised).</translation>
    </message>
    <message>
        <source>un nombre entier</source>
        <translation>a whole number</translation>
    </message>
    <message>
        <source>un nombre décimal (séparateur « . »)</source>
        <translation>a decimal number (separator “.”)</translation>
    </message>
    <message>
        <source>ligne %1 (%2) : %3</source>
        <translation>line %1 (%2): %3</translation>
    </message>
    <message>
        <source>ligne %1 (%2) : le fichier s'arrête avant la fin (fichier tronqué).</source>
        <translation>line %1 (%2): the file stops before its end (file cut short).</translation>
    </message>
    <message>
        <source>« %1 » n'est pas %2.</source>
        <translation>“%1” is not %2.</translation>
    </message>
    <message>
        <source>ligne %1 (contour %2, %3) : %4 hors de l'image (0 à %5).</source>
        <translation>line %1 (contour %2, %3): %4 outside the picture (0 to %5).</translation>
    </message>
    <message>
        <source>ligne %1 (contour %2, PathText) : le tracé passe par (%3 ; %4), hors de l'image (%5 x %6).</source>
        <translation>line %1 (contour %2, PathText): the path goes through (%3 ; %4), outside the picture (%5 x %6).</translation>
    </message>
    <message>
        <source>Fichier de gravure %1 non écrit : %2.</source>
        <translation>Engraving file %1 not written: %2.</translation>
    </message>
    <message>
        <source>taille d'un pixel en mm</source>
        <translation>size of a pixel in mm</translation>
    </message>
    <message>
        <source>ligne 1 (taille d'un pixel en mm) : « %1 » : %2.</source>
        <translation>line 1 (size of a pixel in mm): “%1”: %2.</translation>
    </message>
    <message>
        <source>hauteur de l'image</source>
        <translation>picture height</translation>
    </message>
    <message>
        <source>largeur de l'image</source>
        <translation>picture width</translation>
    </message>
    <message>
        <source>nombre de contours</source>
        <translation>number of contours</translation>
    </message>
    <message>
        <source>ligne 2 (hauteur de l'image) : %1 hors de 0 à %2 pixels.</source>
        <translation>line 2 (picture height): %1 outside 0 to %2 pixels.</translation>
    </message>
    <message>
        <source>ligne 3 (largeur de l'image) : %1 hors de 0 à %2 pixels.</source>
        <translation>line 3 (picture width): %1 outside 0 to %2 pixels.</translation>
    </message>
    <message>
        <source>ligne 4 (nombre de contours) : %1 est négatif.</source>
        <translation>line 4 (number of contours): %1 is negative.</translation>
    </message>
    <message>
        <source>ligne 4 (nombre de contours) : %1 contours annoncés (plus l'enregistrement final), mais le fichier n'a que %2 enregistrements complets de 16 lignes (fichier tronqué ?).</source>
        <translation>line 4 (number of contours): %1 contours announced (plus the final record), but the file has only %2 complete records of 16 lines (file cut short?).</translation>
    </message>
    <message>
        <source>ligne 4 (nombre de contours) : %1 contours annoncés (plus l'enregistrement final), mais le fichier a %2 enregistrements complets de 16 lignes.</source>
        <translation>line 4 (number of contours): %1 contours announced (plus the final record), but the file has %2 complete records of 16 lines.</translation>
    </message>
    <message>
        <source>Fichier de gravure %1 illisible, %2</source>
        <translation>Engraving file %1 unreadable, %2</translation>
    </message>
    <message>
        <source>%1 lus dans le fichier</source>
        <translation>%1 read from the file</translation>
    </message>
    <message>
        <source>Échelle non définie : la taille du pixel vaut %1 mm. Tracez sur l'image une distance connue, donnez sa longueur réelle en mm (la taille du pixel doit être supérieure à 0 et inférieure à 10 mm), puis validez la mise à l'échelle.</source>
        <translation>Scale not set: the pixel size is %1 mm. Draw a known distance on the picture, give its real length in mm (the pixel size must be above 0 and below 10 mm), then confirm the scale.</translation>
    </message>
    <message>
        <source>la taille d'un pixel doit être un nombre de plus de 0 et de moins de %1 mm</source>
        <translation>the size of a pixel must be a number above 0 and below %1 mm</translation>
    </message>
    <message>
        <source>Programme non écrit : %1.</source>
        <translation>Program not written: %1.</translation>
    </message>
    <message>
        <source>Programme non écrit : le contour %1 sort de l'image (%2 x %3 pixels).</source>
        <translation>Program not written: contour %1 goes outside the picture (%2 x %3 pixels).</translation>
    </message>
    <message>
        <source>L'image %1 a %2 pixels ni noirs ni blancs : elle est passée en noir et blanc au seuil de %3 % de luminosité.</source>
        <translation>The picture %1 has %2 pixels neither black nor white: it was turned black and white at a threshold of %3 % brightness.</translation>
    </message>
    <message>
        <source>L'image %1 ne contient aucun cuivre (aucun pixel noir) : rien à graver, aucun fichier n'est écrit.</source>
        <translation>The picture %1 holds no copper (no black pixel): nothing to engrave, no file is written.</translation>
    </message>
    <message>
        <source>Le trou de la ligne %1 du fichier de perçage (X %2 Y %3 mm) tombe hors du typon.</source>
        <translation>The hole on line %1 of the drill file (X %2 Y %3 mm) falls outside the artwork.</translation>
    </message>
    <message>
        <source>Le trou de la ligne %1 du fichier de perçage (X %2 Y %3 mm, %4 mm) ne tombe sur aucune pastille.</source>
        <translation>The hole on line %1 of the drill file (X %2 Y %3 mm, %4 mm) falls on no pad.</translation>
    </message>
    <message>
        <source>%1 trous en tout ne tombent sur aucune pastille : le fichier de perçage va-t-il avec ce typon (même carte, même face) ?</source>
        <translation>%1 holes in all fall on no pad: does the drill file go with this artwork (same board, same side)?</translation>
    </message>
    <message>
        <source>liste de forets « %1 » : « %2 » n'est pas un diamètre de foret en mm (nombre décimal écrit avec « . », au-dessus de 0 et au plus 10)</source>
        <translation>drill list “%1”: “%2” is not a drill diameter in mm (decimal number written with “.”, above 0 and at most 10)</translation>
    </message>
    <message>
        <source>liste de forets « %1 » : le foret %2 mm y figure deux fois</source>
        <translation>drill list “%1”: the %2 mm drill is in it twice</translation>
    </message>
    <message>
        <source>Vitesse de broche : « %1 » n'est pas un nombre entier de tours par minute</source>
        <translation>Spindle speed: “%1” is not a whole number of revolutions per minute</translation>
    </message>
    <message>
        <source>Hauteur de déplacement : « %1 » n'est pas un nombre décimal positif écrit avec « . »</source>
        <translation>Travel height: “%1” is not a positive decimal number written with “.”</translation>
    </message>
    <message>
        <source>Forets : %1</source>
        <translation>Drills: %1</translation>
    </message>
    <message>
        <source>Le fichier Gerber %1 contient une commande illisible : « %2 ».</source>
        <translation>The Gerber file %1 holds an unreadable command: “%2”.</translation>
    </message>
    <message>
        <source>Le fichier Gerber %1 ne dessine rien (aucune coordonnée lue).</source>
        <translation>The Gerber file %1 draws nothing (no coordinate read).</translation>
    </message>
    <message>
        <source>Impossible de lancer gerbv (%1) : %2.</source>
        <translation>Cannot start gerbv (%1): %2.</translation>
    </message>
    <message>
        <source>JPEG tronqué : les données de l'image s'arrêtent avant leur marque de fin.</source>
        <translation>Truncated JPEG: the image data stop before their end marker.</translation>
    </message>
    <message>
        <source>gerbv n'a pas fini de dessiner %1 en %2 s : abandon.</source>
        <translation>gerbv did not finish drawing %1 within %2 s: given up.</translation>
    </message>
    <message>
        <source>Dessin de %1 par gerbv arrêté.</source>
        <translation>Drawing of %1 by gerbv stopped.</translation>
    </message>
    <message>
        <source>gerbv n'a pas pu dessiner %1.</source>
        <translation>gerbv could not draw %1.</translation>
    </message>
    <message>
        <source>gerbv n'a pas pu dessiner %1 : %2</source>
        <translation>gerbv could not draw %1: %2</translation>
    </message>
    <message>
        <source>Le programme gerbv, qui dessine les fichiers Gerber, est introuvable (%1) : installez le paquet Debian « gerbv » (sudo apt-get install gerbv).</source>
        <translation>The program gerbv, which draws Gerber files, cannot be found (%1): install the Debian package “gerbv” (sudo apt-get install gerbv).</translation>
    </message>
    <message>
        <source>Résolution %1 dpi hors de 25 à 10000 pour un fichier Gerber.</source>
        <translation>Resolution %1 dpi outside 25 to 10000 for a Gerber file.</translation>
    </message>
    <message>
        <source>Impossible de créer un dossier temporaire pour gerbv.</source>
        <translation>Cannot create a temporary folder for gerbv.</translation>
    </message>
    <message>
        <source>Le fichier Gerber %1 donnerait une image de %2 x %3 pixels à %4 dpi : au-delà de %5 pixels de côté ; choisissez une résolution plus faible.</source>
        <translation>The Gerber file %1 would give a picture of %2 x %3 pixels at %4 dpi: beyond %5 pixels a side; choose a lower resolution.</translation>
    </message>
    <message>
        <source>L'image dessinée par gerbv pour %1 est illisible.</source>
        <translation>The picture gerbv drew for %1 is unreadable.</translation>
    </message>
    <message>
        <source>Le fichier Gerber %1 ne dessine aucun cuivre.</source>
        <translation>The Gerber file %1 draws no copper.</translation>
    </message>
    <message>
        <source>Le cuivre de %1 déborde de la fenêtre dessinée même élargie : fichier Gerber inhabituel.</source>
        <translation>The copper of %1 overflows the drawn window even widened: unusual Gerber file.</translation>
    </message>
    <message>
        <source>coordonnées relatives (incrémentales) non prises en charge</source>
        <translation>relative (incremental) coordinates not supported</translation>
    </message>
    <message>
        <source>le mode de détourage (G00/G01, M15/M16) n'est pas pris en charge</source>
        <translation>routing mode (G00/G01, M15/M16) is not supported</translation>
    </message>
    <message>
        <source>ligne inconnue</source>
        <translation>unknown line</translation>
    </message>
    <message>
        <source>unités illisibles</source>
        <translation>unreadable units</translation>
    </message>
    <message>
        <source>numéro d'outil illisible</source>
        <translation>unreadable tool number</translation>
    </message>
    <message>
        <source>outil illisible</source>
        <translation>unreadable tool</translation>
    </message>
    <message>
        <source>diamètre illisible</source>
        <translation>unreadable diameter</translation>
    </message>
    <message>
        <source>coordonnée illisible</source>
        <translation>unreadable coordinate</translation>
    </message>
    <message>
        <source>coordonnée hors de toute carte</source>
        <translation>coordinate beyond any board</translation>
    </message>
    <message>
        <source>trou placé avant le choix d'un outil (T1, T2...)</source>
        <translation>hole placed before a tool is chosen (T1, T2...)</translation>
    </message>
    <message>
        <source>Fichier de perçage %1, ligne %2 (« %3 ») : %4.</source>
        <translation>Drill file %1, line %2 (“%3”): %4.</translation>
    </message>
    <message>
        <source>diamètre de l'outil T%1 (%2 mm) hors de 0 à 10 mm</source>
        <translation>diameter of tool T%1 (%2 mm) outside 0 to 10 mm</translation>
    </message>
    <message>
        <source>Fichier de perçage %1, ligne %2 : rainure (G85) percée à ses deux bouts seulement ; le reste est à fraiser à part.</source>
        <translation>Drill file %1, line %2: slot (G85) drilled at its two ends only; the rest is to be milled separately.</translation>
    </message>
    <message>
        <source>l'outil T%1 n'a pas de diamètre (T%1C...)</source>
        <translation>tool T%1 has no diameter (T%1C...)</translation>
    </message>
    <message>
        <source>Ligne %1 du programme : le mot %2 « %3 » dépasse 10 m, hors de portée de toute machine (« %4 »). Le programme n'est pas exécuté.</source>
        <translation>Program line %1: the word %2 “%3” exceeds 10 m, beyond the reach of any machine (“%4”). The program is not run.</translation>
    </message>
    <message>
        <source>Ligne %1 du programme : le mot %2 « %3 » n'est pas un nombre (« %4 »). Le programme n'est pas exécuté.</source>
        <translation>Program line %1: the word %2 “%3” is not a number (“%4”). The program is not run.</translation>
    </message>
    <message>
        <source>Ligne %1 du programme : « %2 » annonce un programme pour un autre contrôleur (dialecte linuxcnc ou grbl). La machine n'exécute que le dialecte pistora : régénérez le programme avec ce dialecte.</source>
        <translation>Program line %1: “%2” announces a program for another controller (linuxcnc or grbl dialect). The machine runs only the pistora dialect: generate the program again with that dialect.</translation>
    </message>
    <message>
        <source>machine arrêtée.</source>
        <translation>machine stopped.</translation>
    </message>
    <message>
        <source>Programme arrêté avant la ligne %1 (« %2 ») : %3</source>
        <translation>Program stopped before line %1 (“%2”): %3</translation>
    </message>
    <message>
        <source>Programme arrêté à la ligne %1 (« %2 ») : %3</source>
        <translation>Program stopped at line %1 (“%2”): %3</translation>
    </message>
    <message>
        <source>en-tête attendu « grille COLONNES LIGNES X0 Y0 PAS_X PAS_Y ».</source>
        <translation>header expected “grille COLUMNS ROWS X0 Y0 STEP_X STEP_Y”.</translation>
    </message>
    <message>
        <source>nombre illisible dans l'en-tête.</source>
        <translation>unreadable number in the header.</translation>
    </message>
    <message>
        <source>le pas de la grille doit être positif.</source>
        <translation>the grid step must be positive.</translation>
    </message>
    <message>
        <source>nombre illisible.</source>
        <translation>unreadable number.</translation>
    </message>
    <message>
        <source>en-tête « grille » absent.</source>
        <translation>“grille” header missing.</translation>
    </message>
    <message>
        <source>Carte des hauteurs %1, ligne %2 : %3</source>
        <translation>Height map %1, line %2: %3</translation>
    </message>
    <message>
        <source>grille de %1 x %2 points (de %3 à %4 par côté).</source>
        <translation>grid of %1 x %2 points (from %3 to %4 a side).</translation>
    </message>
    <message>
        <source>trois nombres attendus (x y z), %1 lus.</source>
        <translation>three numbers expected (x y z), %1 read.</translation>
    </message>
    <message>
        <source>le point (%1, %2) n'est pas un point de la grille.</source>
        <translation>the point (%1, %2) is not a point of the grid.</translation>
    </message>
    <message>
        <source>le point (%1, %2) est déjà donné.</source>
        <translation>the point (%1, %2) is already given.</translation>
    </message>
    <message>
        <source>%1 point(s) de la grille manquant(s) en fin de fichier.</source>
        <translation>%1 grid point(s) missing at the end of the file.</translation>
    </message>
    <message>
        <source>Carte des hauteurs : l'étendue du travail (%1 x %2 mm) doit être positive sur X et sur Y.</source>
        <translation>Height map: the extent of the work (%1 x %2 mm) must be positive on X and on Y.</translation>
    </message>
    <message>
        <source>Carte des hauteurs : grille de %1 x %2 points refusée (de %3 à %4 points par côté).</source>
        <translation>Height map: grid of %1 x %2 points refused (from %3 to %4 points a side).</translation>
    </message>
    <message>
        <source>Carte des hauteurs : le pas de la grille (%1 mm) doit être positif.</source>
        <translation>Height map: the grid step (%1 mm) must be positive.</translation>
    </message>
    <message>
        <source>Palpeur : aucun contact sur %1 mm, machine arrêtée.</source>
        <translation>Probe: no contact over %1 mm, machine stopped.</translation>
    </message>
    <message>
        <source>Reprise impossible : la machine est arrêtée, appuyez d'abord sur « Raz ».</source>
        <translation>Cannot resume: the machine is stopped, press “Reset” first.</translation>
    </message>
    <message>
        <source>Reprise refusée : le zéro pièce a changé depuis l'arrêt (RAZ ou Zéro Machine). Relancez le programme avec « Démarrer la gravure ».</source>
        <translation>Resume refused: the work zero has changed since the stop (Reset or Machine zero). Run the program again with “Start engraving”.</translation>
    </message>
    <message>
        <source>Après un STOP et « Raz » : reprend au début de l'objet interrompu, dans la même copie.</source>
        <translation>After a STOP and “Reset”: resumes at the start of the interrupted object, in the same copy.</translation>
    </message>
    <message>
        <source>Reprise à la ligne %1 de la copie %2.</source>
        <translation>Resuming at line %1 of copy %2.</translation>
    </message>
    <message>
        <source>Étendue du travail : %1 x %2 mm</source>
        <translation>Extent of the work: %1 x %2 mm</translation>
    </message>
    <message>
        <source>« %1 » : valeur « %2 » refusée (nombre %3 attendu).</source>
        <translation>“%1”: value “%2” refused (%3 number expected).</translation>
    </message>
    <message>
        <source>positif ou nul</source>
        <translation>positive or zero</translation>
    </message>
    <message>
        <source>positif</source>
        <translation>positive</translation>
    </message>
    <message>
        <source>« %1 » : valeur « %2 » refusée (nombre positif attendu).</source>
        <translation>“%1”: value “%2” refused (positive number expected).</translation>
    </message>
    <message>
        <source> Charger d'abord le programme de gravure : son étendue donne celle de la grille.</source>
        <translation> Load the engraving program first: its extent gives the grid's.</translation>
    </message>
    <message>
        <source>Palpage : point %1 sur %2</source>
        <translation>Probing: point %1 of %2</translation>
    </message>
    <message>
        <source>Carte interrompue après %1 point(s) : %2</source>
        <translation>Map interrupted after %1 point(s): %2</translation>
    </message>
    <message>
        <source>%1 x %2 points, pas %3 x %4 mm
</source>
        <translation>%1 x %2 points, step %3 x %4 mm
</translation>
    </message>
    <message>
        <source>Charger une carte des hauteurs</source>
        <translation>Load a height map</translation>
    </message>
    <message>
        <source>Carte des hauteurs (*.txt);;Tous les fichiers (*)</source>
        <translation>Height map (*.txt);;All files (*)</translation>
    </message>
    <message>
        <source>Enregistrer la carte des hauteurs</source>
        <translation>Save the height map</translation>
    </message>
    <message>
        <source>Carte des hauteurs (*.txt)</source>
        <translation>Height map (*.txt)</translation>
    </message>
    <message>
        <source>min %1  max %2 mm   pente X %3  Y %4 mm/100 mm</source>
        <translation>min %1  max %2 mm   slope X %3  Y %4 mm/100 mm</translation>
    </message>
    <message>
        <source>Fichier gravure (*.grv)|*.grv</source>
        <translation>Engraving file (*.grv)|*.grv</translation>
    </message>
    <message>
        <source>Fichier g-code (*.iso)|*.iso</source>
        <translation>G-code file (*.iso)|*.iso</translation>
    </message>
    <message>
        <source>Programmes de perçage écrits :</source>
        <translation>Drilling programs written:</translation>
    </message>
    <message>
        <source>%1 (foret %2 mm, %3 trous)</source>
        <translation>%1 (drill %2 mm, %3 holes)</translation>
    </message>
    <message>
        <source>Programme de gravure écrit :
</source>
        <translation>Engraving program written:
</translation>
    </message>
    <message>
        <source>Programme de perçage écrit :
</source>
        <translation>Drilling program written:
</translation>
    </message>
    <message>
        <source>Typons (%1);;Typons Gerber (%2);;Tous les fichiers (*)</source>
        <translation>Artworks (%1);;Gerber artworks (%2);;All files (*)</translation>
    </message>
    <message>
        <source>%1 : ligne manquante, le fichier n'a que %2 ligne(s) sur %3 ; les valeurs suivantes ne sont pas lues.</source>
        <translation>%1: line missing, the file has only %2 line(s) of %3; the following values are not read.</translation>
    </message>
    <message>
        <source>%1 : « %2 » n'est pas un nombre entier ; les lignes suivantes ne sont pas lues.</source>
        <translation>%1: “%2” is not a whole number; the following lines are not read.</translation>
    </message>
    <message>
        <source>%1 : l'indice %2 ne désigne aucune entrée de la liste ; le port est traité comme désactivé.</source>
        <translation>%1: index %2 names no entry of the list; the port is taken as disabled.</translation>
    </message>
    <message>
        <source>%1 : l'indice %2 ne désigne aucune entrée de la liste ; le signal est traité comme non câblé.</source>
        <translation>%1: index %2 names no entry of the list; the signal is taken as not wired.</translation>
    </message>
    <message>
        <source> La machine refusera ce fichier et gardera ses réglages tant qu'il n'est pas corrigé.</source>
        <translation> The machine will refuse this file and keep its settings until it is corrected.</translation>
    </message>
    <message>
        <source>%1 : la case est vide.</source>
        <translation>%1: the box is empty.</translation>
    </message>
    <message>
        <source>%1 : « %2 » n'est pas un nombre de pas par mm positif ; l'axe ne pourra pas bouger.</source>
        <translation>%1: “%2” is not a positive number of steps per mm; the axis will not be able to move.</translation>
    </message>
    <message>
        <source>%1 : « %2 » n'est pas une avance positive ; la machine ne pourra pas se déplacer.</source>
        <translation>%1: “%2” is not a positive feed; the machine will not be able to move.</translation>
    </message>
    <message>
        <source>%1 et %2 : les deux signaux sont sur la même sortie « %3 ».</source>
        <translation>%1 and %2: both signals are on the same output “%3”.</translation>
    </message>
    <message>
        <source>Attention, ces paramètres semblent douteux :
</source>
        <translation>Warning, these settings look doubtful:
</translation>
    </message>
    <message>
        <source>Le fichier %1 est enregistré tel quel.</source>
        <translation>The file %1 is saved as it is.</translation>
    </message>
    <message>
        <source>%1 : ligne manquante, le fichier n'a que %2 ligne(s) sur %3.</source>
        <translation>%1: line missing, the file has only %2 line(s) of %3.</translation>
    </message>
    <message>
        <source>loupe.dat, ligne %1 : ligne manquante.</source>
        <translation>loupe.dat, line %1: line missing.</translation>
    </message>
    <message>
        <source>loupe.dat, ligne %1 : « %2 » n'est pas un nombre entier.</source>
        <translation>loupe.dat, line %1: “%2” is not a whole number.</translation>
    </message>
    <message>
        <source>loupe.dat, ligne %1 : %2 n'est pas entre %3 et %4.</source>
        <translation>loupe.dat, line %1: %2 is not between %3 and %4.</translation>
    </message>
    <message>
        <source>(aucun fichier récent)</source>
        <translation>(no recent file)</translation>
    </message>
    <message>
        <source>Perçage Excellon (*.drl *.xln *.exc *.drd *.txt)|*.drl|Tous les fichiers (*)|*</source>
        <translation>Excellon drilling (*.drl *.xln *.exc *.drd *.txt)|*.drl|All files (*)|*</translation>
    </message>
    <message>
        <source>Fichier programme ISO ( *.ISO )|*.ISO</source>
        <translation>ISO program file ( *.ISO )|*.ISO</translation>
    </message>
    <message>
        <source>Fichier programme ISO ( *.ISO )|*.iso</source>
        <translation>ISO program file ( *.ISO )|*.iso</translation>
    </message>
    <message>
        <source>Surfaçage : cette étape n'est pas disponible maintenant.</source>
        <translation>Surfacing: this step is not available now.</translation>
    </message>
    <message>
        <source>STOP est actif : appuyez sur « Raz » avant de continuer.</source>
        <translation>STOP is active: press “Reset” before going on.</translation>
    </message>
    <message>
        <source>La machine est déjà en mouvement : attendez la fin du déplacement.</source>
        <translation>The machine is already moving: wait for the end of the move.</translation>
    </message>
    <message>
        <source>Surfaçage : la valeur « %1 » ("%2") n'est pas un nombre (séparateur décimal « . »).</source>
        <translation>Surfacing: the value “%1” ("%2") is not a number (decimal separator “.”).</translation>
    </message>
    <message>
        <source>Dimenssion X</source>
        <translation>Size X</translation>
    </message>
    <message>
        <source>Dimenssion Y</source>
        <translation>Size Y</translation>
    </message>
    <message>
        <source>« %1 » n'est pas une valeur de Z valide.</source>
        <translation>“%1” is not a valid Z value.</translation>
    </message>
    <message>
        <source>Taille du travail en %1 invalide : "%2". Prévisualisation non redessinée.</source>
        <translation>Work size in %1 invalid: "%2". Preview not redrawn.</translation>
    </message>
    <message>
        <source>Dimensions de la plaque de cuivre invalides (cn.dat) : prévisualisation non redessinée.</source>
        <translation>Copper plate dimensions invalid (cn.dat): preview not redrawn.</translation>
    </message>
    <message>
        <source>Surfaçage : une des valeurs n'est pas un nombre.</source>
        <translation>Surfacing: one of the values is not a number.</translation>
    </message>
    <message>
        <source>Surfaçage : l'encart entre deux passes doit être positif, sinon les passes se répètent sans fin.</source>
        <translation>Surfacing: the step-over between two passes must be positive, otherwise the passes repeat without end.</translation>
    </message>
    <message>
        <source>Surfaçage : l'encart entre deux passes est trop petit pour la dimension Y.</source>
        <translation>Surfacing: the step-over between two passes is too small for the Y size.</translation>
    </message>
    <message>
        <source>Passage de %1 mm &lt; outil %2 mm en X=%3 Y=%4</source>
        <translation>Gap of %1 mm &lt; tool %2 mm at X=%3 Y=%4</translation>
    </message>
    <message>
        <source>L'horloge de ce PC ne mesure pas la microseconde : le tic de 50 µs ne peut pas être tenu.</source>
        <translation>This PC's clock does not measure the microsecond: the 50 µs tick cannot be kept.</translation>
    </message>
    <message>
        <source>Tic de %1 µs avec TickWaitUs = %2 (retard p99 : %3 µs, %4 tics).</source>
        <translation>Tick of %1 µs with TickWaitUs = %2 (p99 lateness: %3 µs, %4 ticks).</translation>
    </message>
    <message>
        <source> Ce PC ne tient pas un tic de 50 µs : les avances réelles seront plus lentes.</source>
        <translation> This PC does not keep a 50 µs tick: the real feeds will be slower.</translation>
    </message>
    <message>
        <source>Analyse instruction : </source>
        <translation>Checking line: </translation>
    </message>
    <message>
        <source>Exécution instruction : </source>
        <translation>Running line: </translation>
    </message>
    <message>
        <source>Impossible de créer le dossier %1 : %2.</source>
        <translation>Cannot create the folder %1: %2.</translation>
    </message>
    <message>
        <source>gerbv : fenêtre introuvable.</source>
        <translation>gerbv: window not found.</translation>
    </message>
    <message>
        <source>Le vertex n°%1 a reçu le n°d'ordre %2</source>
        <translation>Vertex no. %1 was given job order no. %2</translation>
    </message>
    <message>
        <source>Palpeur outil non câblé (paramètres du port) : palpage impossible. Rien n'a bougé.</source>
        <translation>Tool probe not wired (port settings): probing impossible. Nothing moved.</translation>
    </message>
    <message>
        <source>Palpeur déjà en contact avant la descente (pince posée sur l'outil ? câble en court-circuit ?). Rien n'a bougé.</source>
        <translation>Probe already in contact before the descent (clip on the tool? cable short-circuited?). Nothing moved.</translation>
    </message>
    <message>
        <source>Palpage impossible : avance de palpage et course maximale doivent être positives, pas Z réglé.</source>
        <translation>Probing impossible: probing feed and maximum travel must be positive, Z step set.</translation>
    </message>
    <message>
        <source>Port : </source>
        <translation>Port: </translation>
    </message>
    <message>
        <source>Ordonnancement temps réel obtenu.</source>
        <translation>Real-time scheduling obtained.</translation>
    </message>
    <message>
        <source>Ordonnancement temps réel non obtenu.</source>
        <translation>Real-time scheduling not obtained.</translation>
    </message>
    <message>
        <source>Mémoire non verrouillée : des impulsions pourront être retardées.</source>
        <translation>Memory not locked: pulses may be delayed.</translation>
    </message>
</context>
</TS>
