<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>EngineProblem</name>
    <message>
        <source>longueur vide</source>
        <translation>empty length</translation>
    </message>
    <message>
        <source>unité inconnue « %2 » (mm, cm ou in)</source>
        <translation>unknown unit “%2” (mm, cm or in)</translation>
    </message>
    <message>
        <source>« %2 » n&apos;est pas une longueur</source>
        <translation>“%2” is not a length</translation>
    </message>
    <message>
        <source>la longueur « %2 » doit être plus grande que zéro</source>
        <translation>the length “%2” must be greater than zero</translation>
    </message>
    <message>
        <source>la longueur « %2 » est trop grande</source>
        <translation>the length “%2” is too large</translation>
    </message>
    <message>
        <source>période « %2 » illisible (un rapport 2/1 ou des cents 1200.0)</source>
        <translation>period “%2” cannot be read (a ratio 2/1 or cents 1200.0)</translation>
    </message>
    <message>
        <source>période « %2 » hors de 1 à 12000 cents</source>
        <translation>period “%2” outside 1 to 12000 cents</translation>
    </message>
    <message>
        <source>période « %2 » : le rapport doit dépasser 1/1 (et pas 1024/1)</source>
        <translation>period “%2”: the ratio must exceed 1/1 (and not 1024/1)</translation>
    </message>
    <message>
        <source>ligne %2 : le nombre de notes manque</source>
        <translation>line %2: the number of notes is missing</translation>
    </message>
    <message>
        <source>ligne %2 : « %3 » n&apos;est pas un nombre de notes</source>
        <translation>line %2: “%3” is not a number of notes</translation>
    </message>
    <message>
        <source>ligne %2 : trop de notes (%3)</source>
        <translation>line %2: too many notes (%3)</translation>
    </message>
    <message>
        <source>ligne %2 : hauteur manquante (note %3 sur %4)</source>
        <translation>line %2: pitch missing (note %3 of %4)</translation>
    </message>
    <message>
        <source>ligne %2 : « %3 » n&apos;est pas une valeur en cents</source>
        <translation>line %2: “%3” is not a value in cents</translation>
    </message>
    <message>
        <source>ligne %2 : « %3 » n&apos;est ni un rapport n/d d&apos;entiers positifs ni des cents</source>
        <translation>line %2: “%3” is neither a ratio n/d of positive integers nor cents</translation>
    </message>
    <message>
        <source>ligne %2 : hauteur « %3 » hors d&apos;usage</source>
        <translation>line %2: pitch “%3” cannot be used</translation>
    </message>
    <message>
        <source>ligne %2 : fichier vide : ni description ni nombre de notes</source>
        <translation>line %2: empty file: no description and no number of notes</translation>
    </message>
    <message>
        <source>ligne %2 : le fichier s&apos;arrête après %3 hauteurs sur %4</source>
        <translation>line %2: the file ends after %3 pitches of %4</translation>
    </message>
    <message>
        <source>la gamme n&apos;a aucune note hormis 1/1 : pas de frettes possibles</source>
        <translation>the scale has no note besides 1/1: no frets are possible</translation>
    </message>
    <message>
        <source>ligne %2 : la première hauteur doit dépasser 1/1</source>
        <translation>line %2: the first pitch must exceed 1/1</translation>
    </message>
    <message>
        <source>ligne %2 : les hauteurs doivent monter, celle-ci ne dépasse pas la précédente</source>
        <translation>line %2: the pitches must rise, this one does not exceed the previous one</translation>
    </message>
    <message>
        <source>longueur trop petite pour la gamme classique</source>
        <translation>length too small for the classic scale</translation>
    </message>
    <message>
        <source>position classique illisible : %2</source>
        <translation>unreadable classic position: %2</translation>
    </message>
    <message>
        <source>gamme classique : %2</source>
        <translation>classic scale: %2</translation>
    </message>
    <message>
        <source>%1 : valeur non finie</source>
        <translation>%1: value not finite</translation>
    </message>
    <message>
        <source>%1 : %2, doit être au moins %3</source>
        <translation>%1: %2, must be at least %3</translation>
    </message>
    <message>
        <source>%1 : %2, doit être plus grand que %3</source>
        <translation>%1: %2, must be greater than %3</translation>
    </message>
    <message>
        <source>%1 : %2, au plus %3</source>
        <translation>%1: %2, at most %3</translation>
    </message>
    <message>
        <source>%1 : %2, doit rester entre %3 et %4</source>
        <translation>%1: %2, must stay between %3 and %4</translation>
    </message>
    <message>
        <source>%1 : %2, doit être entre %3 et %4</source>
        <translation>%1: %2, must be between %3 and %4</translation>
    </message>
    <message>
        <source>%1 %2 : le rapport doit dépasser 1/1</source>
        <translation>%1 %2: the ratio must exceed 1/1</translation>
    </message>
    <message>
        <source>%1 de %2 cents : doit être entre 1 et 12000 cents</source>
        <translation>%1 of %2 cents: must be between 1 and 12000 cents</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 « %2 », %3</source>
        <translation>%1 “%2”, %3</translation>
    </message>
    <message>
        <source>une seule corde : les diapasons des graves et des aigus doivent être égaux</source>
        <translation>a single string: the bass and treble scale lengths must be equal</translation>
    </message>
    <message>
        <source>%1 : %2, doit être 0 (sillet), une frette de 1 à %3 ou le chevalet</source>
        <translation>%1: %2, must be 0 (nut), a fret from 1 to %3 or the bridge</translation>
    </message>
    <message>
        <source>%1 : %2 de chaque côté ne laisse aucune place aux cordes sur %3</source>
        <translation>%1: %2 on each side leaves no room for the strings on %3</translation>
    </message>
    <message>
        <source>%1 : %2, trop loin de celui du sillet pour des cordes aussi courtes</source>
        <translation>%1: %2, too far from the nut&apos;s for strings this short</translation>
    </message>
    <message>
        <source>%1 : %2, doit être entre 0 (Do) et 11 (Si)</source>
        <translation>%1: %2, must be between 0 (Do) and 11 (Si)</translation>
    </message>
    <message>
        <source>unité inconnue</source>
        <translation>unknown unit</translation>
    </message>
    <message>
        <source>%1 : la frette %2 laisserait moins d&apos;un millionième de la corde ; au plus %3 frettes avec ce tempérament</source>
        <translation>%1: fret %2 would leave less than a millionth of the string; at most %3 frets with this temperament</translation>
    </message>
    <message>
        <source>les frettes %2 et %3 se confondent : le tempérament a deux hauteurs presque égales</source>
        <translation>frets %2 and %3 coincide: the temperament has two almost equal pitches</translation>
    </message>
    <message>
        <source>champ absent</source>
        <translation>field missing</translation>
    </message>
    <message>
        <source>un texte est attendu</source>
        <translation>a text is expected</translation>
    </message>
    <message>
        <source>un nombre entier est attendu</source>
        <translation>a whole number is expected</translation>
    </message>
    <message>
        <source>%2 est hors de toute mesure</source>
        <translation>%2 is beyond any measure</translation>
    </message>
    <message>
        <source>un nombre est attendu</source>
        <translation>a number is expected</translation>
    </message>
    <message>
        <source>champ inconnu</source>
        <translation>unknown field</translation>
    </message>
    <message>
        <source>un objet est attendu</source>
        <translation>an object is expected</translation>
    </message>
    <message>
        <source>base64 illisible</source>
        <translation>unreadable base64</translation>
    </message>
    <message>
        <source>gamme classique inconnue « %2 »</source>
        <translation>unknown classic scale “%2”</translation>
    </message>
    <message>
        <source>« %2 » : sol ou do attendu</source>
        <translation>“%2”: sol or do expected</translation>
    </message>
    <message>
        <source>table inconnue « %2 » (just-12, pythagorean-12, meantone-12)</source>
        <translation>unknown table “%2” (just-12, pythagorean-12, meantone-12)</translation>
    </message>
    <message>
        <source>« %2 » : equal, scala, classic ou builtin attendu</source>
        <translation>“%2”: equal, scala, classic or builtin expected</translation>
    </message>
    <message>
        <source>le fichier ne contient pas un objet JSON</source>
        <translation>the file does not hold a JSON object</translation>
    </message>
    <message>
        <source>« %2 » n&apos;est pas un dessin de manche Corvane (corvane-board attendu)</source>
        <translation>“%2” is not a Corvane board design (corvane-board expected)</translation>
    </message>
    <message>
        <source>version %2 inconnue (cette version de Corvane lit les versions 1 à %3)</source>
        <translation>unknown version %2 (this version of Corvane reads versions 1 to %3)</translation>
    </message>
    <message>
        <source>« %2 » : mm, cm ou in attendu</source>
        <translation>“%2”: mm, cm or in expected</translation>
    </message>
    <message>
        <source>« %2 » : un numéro de frette, nut ou bridge attendu</source>
        <translation>“%2”: a fret number, nut or bridge expected</translation>
    </message>
    <message>
        <source>un numéro de frette, nut ou bridge attendu</source>
        <translation>a fret number, nut or bridge expected</translation>
    </message>
    <message>
        <source>« %2 » n&apos;est pas un nom de note (Do, Do#, Ré, ... Si ou C, C#, D, ... B)</source>
        <translation>“%2” is not a note name (C, C#, D, ... B or Do, Do#, Ré, ... Si)</translation>
    </message>
    <message>
        <source>fichier JSON mal formé (octet %2)</source>
        <translation>malformed JSON file (byte %2)</translation>
    </message>
    <message>
        <source>fichier JSON illisible : un nombre hors de toute mesure</source>
        <translation>unreadable JSON file: a number beyond any measure</translation>
    </message>
    <message>
        <source>fichier JSON inutilisable</source>
        <translation>unusable JSON file</translation>
    </message>
    <message>
        <source>impossible de lire « %2 » : %3</source>
        <translation>cannot read “%2”: %3</translation>
    </message>
    <message>
        <source>« %2 » est trop grand pour un dessin de manche</source>
        <translation>“%2” is too large for a board design</translation>
    </message>
    <message>
        <source>impossible de lire « %2 »</source>
        <translation>cannot read “%2”</translation>
    </message>
    <message>
        <source>ligne %2 : le rapport « %3 » est trop grand pour être calculé</source>
        <translation>line %2: the ratio “%3” is too large to compute</translation>
    </message>
    <message>
        <source>« %2 » ne contient aucun nombre</source>
        <translation>“%2” holds no number</translation>
    </message>
    <message>
        <source>%1 : %2 porte le sillet jusqu&apos;à la première frette, à %3</source>
        <translation>%1: %2 brings the nut up to the first fret, at %3</translation>
    </message>
    <message>
        <source>%1 : %2 porte le chevalet jusqu&apos;à la dernière frette, à %3 de lui</source>
        <translation>%1: %2 brings the saddle up to the last fret, %3 from it</translation>
    </message>
    <message>
        <source>« %2 » est trop grand pour un fichier Scala</source>
        <translation>“%2” is too large for a Scala file</translation>
    </message>
    <message>
        <source>champ « %1 » : %2</source>
        <translation>field “%1”: %2</translation>
    </message>
    <message>
        <source>%1 : %2 cordes pour un manche de %3</source>
        <translation>%1: %2 strings for a board of %3</translation>
    </message>
    <message>
        <source>%1, corde %2 : « %3 » n'est pas une hauteur (E2, F#3, Bb1 ou une fréquence, 110 Hz)</source>
        <translation>%1, string %2: “%3” is not a pitch (E2, F#3, Bb1 or a frequency, 110 Hz)</translation>
    </message>
    <message>
        <source>%1, corde %2 : pas d'article « %3 » au catalogue</source>
        <translation>%1, string %2: no item “%3” in the catalogue</translation>
    </message>
    <message>
        <source>%1, corde %2 : ni article du catalogue ni masse linéique</source>
        <translation>%1, string %2: neither a catalogue item nor a unit weight</translation>
    </message>
    <message>
        <source>%1, corde %2 : %3 = %4, doit être entre %5 et %6</source>
        <translation>%1, string %2: %3 = %4, must be between %5 and %6</translation>
    </message>
    <message>
        <source>%1, corde %2 : donnez κ et B₀ ensemble</source>
        <translation>%1, string %2: give κ and B₀ together</translation>
    </message>
    <message>
        <source>%1, corde %2 : κ et B₀ inconnus ; donnez-les, ou le diamètre du fil ou de l'âme</source>
        <translation>%1, string %2: κ and B₀ unknown; give them, or the diameter of the wire or of the core</translation>
    </message>
    <message>
        <source>%1 : calculer la compensation demande l'accord et le jeu de cordes</source>
        <translation>%1: computing the compensation needs the tuning and the string set</translation>
    </message>
    <message>
        <source>« %2 » : none, manual ou computed attendu</source>
        <translation>“%2”: none, manual or computed expected</translation>
    </message>
    <message>
        <source>une liste est attendue</source>
        <translation>a list is expected</translation>
    </message>
    <message>
        <source>true ou false est attendu</source>
        <translation>true or false is expected</translation>
    </message>
    <message>
        <source>%1, corde %2 : « %3 » sonne à %4, doit être entre %5 et %6</source>
        <translation>%1, string %2: “%3” sounds at %4, must be between %5 and %6</translation>
    </message>
    <message>
        <source>plus de %2 cordes</source>
        <translation>more than %2 strings</translation>
    </message>
    <message>
        <source>%1 : %2, la compensation calculée demande une touche d&apos;au moins %3 frettes</source>
        <translation>%1: %2, computed compensation needs a board of at least %3 frets</translation>
    </message>
    <message>
        <source>%1 : %2, doit être plus grand que %3 et au plus %4</source>
        <translation>%1: %2, must be greater than %3 and at most %4</translation>
    </message>
    <message>
        <source>corde %2 : compensation impossible, l&apos;ajustement finirait à %3 cents RMS, plus que les %4 sans compensation</source>
        <translation>string %2: compensation impossible, the fit would end at %3 cents RMS, more than the %4 without compensation</translation>
    </message>
    <message>
        <source>corde %2 : compensation impossible, l&apos;ajustement ne converge pas</source>
        <translation>string %2: compensation impossible, the fit does not converge</translation>
    </message>
    <message>
        <source>corde %2 : compensation impossible, il faudrait reculer le chevalet de %3, hors de %4 à %5</source>
        <translation>string %2: compensation impossible, the saddle would have to move back %3, outside %4 to %5</translation>
    </message>
    <message>
        <source>corde %2 : compensation impossible, il faudrait reculer le sillet de %3, hors de %4 à %5</source>
        <translation>string %2: compensation impossible, the nut would have to move %3, outside %4 to %5</translation>
    </message>
    <message>
        <source>corde %2 : compensation impossible, il faudrait reculer le sillet de %3, jusqu&apos;à la première frette (à %4)</source>
        <translation>string %2: compensation impossible, the nut would have to move %3, up to the first fret (at %4)</translation>
    </message>
    <message>
        <source>corde %2 : compensation impossible, il faudrait avancer le chevalet de %3, jusqu&apos;à la dernière frette (à %4)</source>
        <translation>string %2: compensation impossible, the saddle would have to move forward %3, up to the last fret (at %4)</translation>
    </message>
    <message>
        <source>corde %2 : pas de frettes par corde, la frette %3 tomberait à %4 du sillet, hors de %5 à %6</source>
        <translation>string %2: no fretlets, fret %3 would stand %4 from the nut, outside %5 to %6</translation>
    </message>
    <message>
        <source>corde %2 : pas de frettes par corde, aucune place ne rend la frette %3 juste</source>
        <translation>string %2: no fretlets, no place puts fret %3 in tune</translation>
    </message>
    <message>
        <source>%1 : %2, au plus la profondeur des fentes (%3)</source>
        <translation>%1: %2, at most the slot depth (%3)</translation>
    </message>
    <message>
        <source>%1 : %2 ferait %3 passes par fente, %4 au plus</source>
        <translation>%1: %2 would take %3 passes a slot, %4 at most</translation>
    </message>
    <message>
        <source>%1 : %2, doit être 0 ou entre %3 et %4</source>
        <translation>%1: %2, must be 0 or between %3 and %4</translation>
    </message>
    <message>
        <source>%1 : %2 ne laisse rien de la fente %3</source>
        <translation>%1: %2 leaves nothing of slot %3</translation>
    </message>
    <message>
        <source>%1 : la corde de %2 dépasse les %3 qu&apos;une petite fraiseuse couvre</source>
        <translation>%1: the %2 string is longer than the %3 a small router covers</translation>
    </message>
    <message>
        <source>le fichier n&apos;existe pas</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>%2</source>
        <translation>%2</translation>
    </message>
    <message>
        <source>permission refusée</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire (périphérique, tube ou socket)</source>
        <translation>it is not a regular file (a device, pipe or socket)</translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>Impossible d&apos;écrire « %1 » : %2.</source>
        <translation>Cannot write “%1”: %2.</translation>
    </message>
    <message>
        <source>le dossier n&apos;existe pas</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>permission refusée</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>le fichier est en lecture seule</source>
        <translation>the file is read-only</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>le support est en lecture seule</source>
        <translation>the medium is read-only</translation>
    </message>
    <message>
        <source>c&apos;est un dossier</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>ce n&apos;est pas un fichier ordinaire (périphérique, tube ou socket)</source>
        <translation>it is not a regular file (a device, pipe or socket)</translation>
    </message>
    <message>
        <source>le nom est trop long</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>trop de liens symboliques à suivre</source>
        <translation>too many symbolic links to follow</translation>
    </message>
    <message>
        <source>le fichier n&apos;a pas pu être écrit en entier</source>
        <translation>the file could not be written whole</translation>
    </message>
</context>
<context>
    <name>TemplateExport</name>
    <message>
        <source>L&apos;impression a échoué : l&apos;imprimante refuse une nouvelle page.</source>
        <translation>Printing failed: the printer refuses a new page.</translation>
    </message>
    <message>
        <source>Le format de « %1 » n&apos;est pas reconnu : le nom doit finir par .pdf, .svg ou .dxf.</source>
        <translation>The format of “%1” is not known: the name must end in .pdf, .svg or .dxf.</translation>
    </message>
    <message>
        <source>L&apos;impression a échoué : l&apos;imprimante ne peut pas être ouverte.</source>
        <translation>Printing failed: the printer cannot be opened.</translation>
    </message>
    <message>
        <source>L&apos;impression a échoué : le travail n&apos;a pas pu être terminé.</source>
        <translation>Printing failed: the job could not be finished.</translation>
    </message>
    <message>
        <source>Le papier est trop petit pour le gabarit : il faut une zone imprimable d&apos;au moins 17 cm sur 6 cm.</source>
        <translation>The paper is too small for the template: it needs a printable area of at least 17 cm by 6 cm.</translation>
    </message>
    <message>
        <source>Ce gabarit demanderait %1 pages (%2 au plus) pour une planche de %3 m : la longueur est-elle dans la bonne unité ? (des millimètres lus comme des pouces, par exemple)</source>
        <translation>This template would take %1 pages (%2 at most) for a board %3 m long: is the length in the right unit? (millimetres read as inches, for one)</translation>
    </message>
    <message>
        <source>Choisissez d&apos;abord une gamme : le gabarit dessine ses frettes.</source>
        <translation>Choose a scale first: the template draws its frets.</translation>
    </message>
    <message>
        <source>La longueur vibrante doit être supérieure à zéro pour dessiner un gabarit.</source>
        <translation>The vibrating length must be greater than zero to draw a template.</translation>
    </message>
    <message>
        <source>La largeur de la touche doit être supérieure à zéro.</source>
        <translation>The board width must be greater than zero.</translation>
    </message>
    <message>
        <source>La position « %1 » de la frette %2 n&apos;est pas un nombre.</source>
        <translation>The position “%1” of fret %2 is not a number.</translation>
    </message>
</context>
<context>
    <name>BoardTable</name>
    <message>
        <source>Frette</source>
        <translation>Fret</translation>
    </message>
    <message>
        <source>Corde</source>
        <translation>String</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Rapport</source>
        <translation>Ratio</translation>
    </message>
    <message>
        <source>Cents</source>
        <translation>Cents</translation>
    </message>
    <message>
        <source>Depuis le sillet</source>
        <translation>From the nut</translation>
    </message>
    <message>
        <source>Frette à frette</source>
        <translation>Fret to fret</translation>
    </message>
    <message>
        <source>Jusqu&apos;au chevalet</source>
        <translation>To the saddle</translation>
    </message>
    <message>
        <source>Compensé, depuis le sillet</source>
        <translation>Compensated, from the nut</translation>
    </message>
    <message>
        <source>Compensé, jusqu&apos;au chevalet</source>
        <translation>Compensated, to the saddle</translation>
    </message>
    <message>
        <source>Au 1/64 in</source>
        <translation>Nearest 1/64 in</translation>
    </message>
    <message>
        <source>Écart du 1/64 (in)</source>
        <translation>Error of the 1/64 (in)</translation>
    </message>
    <message>
        <source>Justesse (cents)</source>
        <translation>Error (cents)</translation>
    </message>
    <message>
        <source>Frette de la corde, depuis le sillet</source>
        <translation>String's own fret, from the nut</translation>
    </message>
</context>
<context>
    <name>FieldSubject</name>
    <message>
        <source>divisions de la période</source>
        <translation>divisions of the period</translation>
    </message>
    <message>
        <source>période</source>
        <translation>period</translation>
    </message>
    <message>
        <source>gamme Scala</source>
        <translation>Scala scale</translation>
    </message>
    <message>
        <source>nombre de frettes</source>
        <translation>number of frets</translation>
    </message>
    <message>
        <source>nombre de cordes</source>
        <translation>number of strings</translation>
    </message>
    <message>
        <source>diapason des graves</source>
        <translation>bass scale length</translation>
    </message>
    <message>
        <source>diapason des aigus</source>
        <translation>treble scale length</translation>
    </message>
    <message>
        <source>frette perpendiculaire</source>
        <translation>perpendicular fret</translation>
    </message>
    <message>
        <source>largeur au sillet</source>
        <translation>width at the nut</translation>
    </message>
    <message>
        <source>écartement au chevalet</source>
        <translation>string spacing at the saddle</translation>
    </message>
    <message>
        <source>marge au sillet</source>
        <translation>overhang at the nut</translation>
    </message>
    <message>
        <source>marge à la dernière frette</source>
        <translation>overhang at the last fret</translation>
    </message>
    <message>
        <source>recul du sillet (graves)</source>
        <translation>nut setback (bass)</translation>
    </message>
    <message>
        <source>recul du sillet (aigus)</source>
        <translation>nut setback (treble)</translation>
    </message>
    <message>
        <source>recul du chevalet (graves)</source>
        <translation>saddle setback (bass)</translation>
    </message>
    <message>
        <source>recul du chevalet (aigus)</source>
        <translation>saddle setback (treble)</translation>
    </message>
    <message>
        <source>note de la corde à vide</source>
        <translation>open-string note</translation>
    </message>
    <message>
        <source>accord</source>
        <translation>tuning</translation>
    </message>
    <message>
        <source>fréquence du la de référence</source>
        <translation>reference A4 frequency</translation>
    </message>
    <message>
        <source>jeu de cordes</source>
        <translation>string set</translation>
    </message>
    <message>
        <source>hauteur des cordes au sillet</source>
        <translation>string height at the nut</translation>
    </message>
    <message>
        <source>hauteur du chevalet</source>
        <translation>saddle height</translation>
    </message>
    <message>
        <source>creux de la touche</source>
        <translation>neck relief</translation>
    </message>
    <message>
        <source>distance du doigt à la frette</source>
        <translation>fretting distance</translation>
    </message>
    <message>
        <source>compensation</source>
        <translation>compensation</translation>
    </message>
    <message>
        <source>frettes de l'ajustement</source>
        <translation>frets of the fit</translation>
    </message>
    <message>
        <source>diamètre de la fraise</source>
        <translation>cutter diameter</translation>
    </message>
    <message>
        <source>profondeur des fentes</source>
        <translation>slot depth</translation>
    </message>
    <message>
        <source>profondeur par passe</source>
        <translation>pass depth</translation>
    </message>
    <message>
        <source>avance</source>
        <translation>feed</translation>
    </message>
    <message>
        <source>avance en plongée</source>
        <translation>plunge feed</translation>
    </message>
    <message>
        <source>hauteur de dégagement</source>
        <translation>safe height</translation>
    </message>
    <message>
        <source>marge des filets</source>
        <translation>binding margin</translation>
    </message>
    <message>
        <source>largeur des fentes</source>
        <translation>slot width</translation>
    </message>
    <message>
        <source>prolongement des frettes</source>
        <translation>fret extension</translation>
    </message>
    <message>
        <source>diamètre des repères</source>
        <translation>marker diameter</translation>
    </message>
</context>
<context>
    <name>NoteNames</name>
    <message>
        <source>Do</source>
        <translation>C</translation>
    </message>
</context>
<context>
    <name>TemplateWords</name>
    <message>
        <source>Sillet</source>
        <translation>Nut</translation>
    </message>
    <message>
        <source>Chevalet</source>
        <translation>Bridge</translation>
    </message>
    <message>
        <source>Gabarit %1 %2 %3</source>
        <translation>Template %1 %2 %3</translation>
    </message>
    <message>
        <source>%1 à %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>1 corde</source>
        <translation>1 string</translation>
    </message>
    <message>
        <source>%1 cordes</source>
        <translation>%1 strings</translation>
    </message>
    <message>
        <source>1 frette</source>
        <translation>1 fret</translation>
    </message>
    <message>
        <source>%1 frettes</source>
        <translation>%1 frets</translation>
    </message>
    <message>
        <source>manche droit</source>
        <translation>straight neck</translation>
    </message>
    <message>
        <source>sillet perpendiculaire</source>
        <translation>nut perpendicular</translation>
    </message>
    <message>
        <source>chevalet perpendiculaire</source>
        <translation>bridge perpendicular</translation>
    </message>
    <message>
        <source>frette %1 perpendiculaire</source>
        <translation>fret %1 perpendicular</translation>
    </message>
    <message>
        <source>Distances depuis le sillet, en %1.</source>
        <translation>Distances from the nut, in %1.</translation>
    </message>
    <message>
        <source>Distances depuis le sillet, en %1 : corde 1 en haut, corde %2 en bas.</source>
        <translation>Distances from the nut, in %1: string 1 at the top, string %2 at the bottom.</translation>
    </message>
    <message>
        <source>Imprimer à 100 % (taille réelle) : vérifiez la règle avant de scier.</source>
        <translation>Print at 100 % (actual size): check the ruler before you saw.</translation>
    </message>
    <message>
        <source>page %1/%2</source>
        <translation>page %1/%2</translation>
    </message>
    <message>
        <source>Justesse de chaque corde : %1</source>
        <translation>Intonation of each string: %1</translation>
    </message>
    <message>
        <source>frette</source>
        <translation>fret</translation>
    </message>
    <message>
        <source>écart (cents)</source>
        <translation>error (cents)</translation>
    </message>
    <message>
        <source>tirets : sans compensation</source>
        <translation>dashed: without compensation</translation>
    </message>
    <message>
        <source>traits pleins : avec la compensation</source>
        <translation>solid: with the compensation</translation>
    </message>
    <message>
        <source>corde %1</source>
        <translation>string %1</translation>
    </message>
    <message>
        <source>Mode : %1    Longueur vibrante : %2 %3</source>
        <translation>Mode: %1    Vibrating length: %2 %3</translation>
    </message>
    <message>
        <source>aucun</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Distances depuis le sillet, en %1. Largeur de la touche : %2 %3.</source>
        <translation>Distances from the nut, in %1. Board width: %2 %3.</translation>
    </message>
</context>
<context>
    <name>TemperamentNames</name>
    <message>
        <source>Tempérée Diatonique</source>
        <translation>Equal-tempered, diatonic</translation>
    </message>
    <message>
        <source>Tempérée Chromatique</source>
        <translation>Equal-tempered, chromatic</translation>
    </message>
    <message>
        <source>Naturelle Diatonique</source>
        <translation>Natural (just), diatonic</translation>
    </message>
    <message>
        <source>Naturelle Chromatique</source>
        <translation>Natural (just), chromatic</translation>
    </message>
    <message>
        <source>Pythagore Diatonique</source>
        <translation>Pythagorean, diatonic</translation>
    </message>
    <message>
        <source>Pythagore Chromatique</source>
        <translation>Pythagorean, chromatic</translation>
    </message>
    <message>
        <source>Juste, 5-limite (12 notes)</source>
        <translation>Just, 5-limit (12 notes)</translation>
    </message>
    <message>
        <source>Pythagore, quintes justes (12 notes)</source>
        <translation>Pythagorean, pure fifths (12 notes)</translation>
    </message>
    <message>
        <source>Mésotonique au quart de comma (12 notes)</source>
        <translation>Quarter-comma meantone (12 notes)</translation>
    </message>
</context>
<context>
    <name>StringSets</name>
    <message>
        <source>Guitare électrique, tirant léger 10-46</source>
        <translation>Electric guitar, light 10-46</translation>
    </message>
    <message>
        <source>Guitare folk, bronze phosphoreux 12-53</source>
        <translation>Acoustic guitar, phosphor bronze 12-53</translation>
    </message>
    <message>
        <source>Basse 4 cordes, grand diapason 45-100</source>
        <translation>4-string bass, long scale 45-100</translation>
    </message>
    <message>
        <source>Guitare classique, nylon tension normale (EJ45)</source>
        <translation>Classical guitar, normal tension nylon (EJ45)</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Corde</source>
        <translation>String</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Pitch</translation>
    </message>
    <message>
        <source>Fréquence (Hz)</source>
        <translation>Frequency (Hz)</translation>
    </message>
    <message>
        <source>Diapason</source>
        <translation>Scale length</translation>
    </message>
    <message>
        <source>Masse linéique (kg/m)</source>
        <translation>Unit weight (kg/m)</translation>
    </message>
    <message>
        <source>Tension (N)</source>
        <translation>Tension (N)</translation>
    </message>
    <message>
        <source>Tension (kgf)</source>
        <translation>Tension (kgf)</translation>
    </message>
    <message>
        <source>Tension (lbf)</source>
        <translation>Tension (lbf)</translation>
    </message>
    <message>
        <source>κ</source>
        <translation>κ</translation>
    </message>
    <message>
        <source>B₀</source>
        <translation>B₀</translation>
    </message>
    <message>
        <source>Recul du chevalet</source>
        <translation>Saddle setback</translation>
    </message>
    <message>
        <source>Recul du sillet</source>
        <translation>Nut setback</translation>
    </message>
    <message>
        <source>Écart RMS avant (cents)</source>
        <translation>RMS error before (cents)</translation>
    </message>
    <message>
        <source>Écart RMS après (cents)</source>
        <translation>RMS error after (cents)</translation>
    </message>
    <message>
        <source>Pire écart après (cents)</source>
        <translation>Worst error after (cents)</translation>
    </message>
    <message>
        <source>Article</source>
        <translation>Item</translation>
    </message>
    <message>
        <source>Calibre (in)</source>
        <translation>Gauge (in)</translation>
    </message>
    <message>
        <source>Masse linéique (g/m)</source>
        <translation>Unit weight (g/m)</translation>
    </message>
    <message>
        <source>κ et B₀</source>
        <translation>κ and B₀</translation>
    </message>
    <message>
        <source>saisis</source>
        <translation>typed</translation>
    </message>
    <message>
        <source>publiés</source>
        <translation>published</translation>
    </message>
    <message>
        <source>fil d'acier</source>
        <translation>steel wire</translation>
    </message>
    <message>
        <source>âme d'acier</source>
        <translation>steel core</translation>
    </message>
    <message>
        <source>âme estimée</source>
        <translation>estimated core</translation>
    </message>
    <message>
        <source>nylon typique</source>
        <translation>typical nylon</translation>
    </message>
    <message>
        <source>inconnus</source>
        <translation>unknown</translation>
    </message>
</context>
</TS>
