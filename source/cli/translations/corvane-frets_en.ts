<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>corvane-frets</name>
    <message>
        <source>le séparateur n&apos;est pas de l&apos;UTF-8 valide</source>
        <translation>the separator is not valid UTF-8</translation>
    </message>
    <message>
        <source>le séparateur doit être un seul caractère</source>
        <translation>the separator must be one character</translation>
    </message>
    <message>
        <source>le séparateur doit être un caractère visible, ni un blanc ni un caractère de contrôle</source>
        <translation>the separator must be a visible character, not a blank or a control</translation>
    </message>
    <message>
        <source>le séparateur « %1 » pourrait être mal lu dans un nombre</source>
        <translation>the separator &apos;%1&apos; could be misread in a number</translation>
    </message>
    <message>
        <source>argument inattendu « %1 »</source>
        <translation>unexpected argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>option inconnue « %1 »</source>
        <translation>unknown option &apos;%1&apos;</translation>
    </message>
    <message>
        <source>l&apos;option « %1 » demande une valeur</source>
        <translation>option &apos;%1&apos; needs a value</translation>
    </message>
    <message>
        <source>l&apos;option « %1 » est donnée deux fois</source>
        <translation>option &apos;%1&apos; given twice</translation>
    </message>
    <message>
        <source>gamme inconnue « %1 »</source>
        <translation>unknown scale &apos;%1&apos;</translation>
    </message>
    <message>
        <source>mode inconnu « %1 »</source>
        <translation>unknown mode &apos;%1&apos;</translation>
    </message>
    <message>
        <source>format inconnu « %1 »</source>
        <translation>unknown format &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--template demande un nom de fichier</source>
        <translation>--template needs a file name</translation>
    </message>
    <message>
        <source>unité inconnue « %1 » (mm, cm ou in)</source>
        <translation>unknown unit &apos;%1&apos; (mm, cm or in)</translation>
    </message>
    <message>
        <source>papier inconnu « %1 » (a4, letter, a3 ou legal)</source>
        <translation>unknown paper &apos;%1&apos; (a4, letter, a3 or legal)</translation>
    </message>
    <message>
        <source>--length est obligatoire</source>
        <translation>--length is required</translation>
    </message>
    <message>
        <source>--scale est obligatoire</source>
        <translation>--scale is required</translation>
    </message>
    <message>
        <source>choisissez une seule des options --edo, --scl, --table et --scale</source>
        <translation>choose one of --edo, --scl, --table and --scale</translation>
    </message>
    <message>
        <source>--period va avec --edo</source>
        <translation>--period goes with --edo</translation>
    </message>
    <message>
        <source>--mode va avec --scale</source>
        <translation>--mode goes with --scale</translation>
    </message>
    <message>
        <source>donnez --length, ou --bass-length et --treble-length, pas les deux</source>
        <translation>give --length, or --bass-length and --treble-length, not both</translation>
    </message>
    <message>
        <source>--design, --length ou --bass-length est obligatoire</source>
        <translation>--design, --length or --bass-length is required</translation>
    </message>
    <message>
        <source>--treble-length va avec --bass-length</source>
        <translation>--treble-length goes with --bass-length</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>--edo %1 : le nombre de divisions doit être un entier de 1 à 1000</source>
        <translation>--edo %1: the number of divisions must be a whole number from 1 to 1000</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>table inconnue « %1 » (just-12, pythagorean-12, meantone-12)</source>
        <translation>unknown table &apos;%1&apos; (just-12, pythagorean-12, meantone-12)</translation>
    </message>
    <message>
        <source>--open-note %1 : nom de note attendu (Do, Do#, Ré, … Si ou C, C#, D, … B)</source>
        <translation>--open-note %1: a note name is expected (C, C#, D, … B or Do, Do#, Ré, … Si)</translation>
    </message>
    <message>
        <source>--perpendicular %1 : un numéro de frette, nut ou bridge attendu</source>
        <translation>--perpendicular %1: a fret number, nut or bridge is expected</translation>
    </message>
    <message>
        <source>utilisation : %1</source>
        <translation>usage: %1</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire l&apos;aide : %1</source>
        <translation>cannot write the help: %1</translation>
    </message>
    <message>
        <source>aucun nombre ne peut être lu dans la longueur « %1 »</source>
        <translation>no number can be read from the length &apos;%1&apos;</translation>
    </message>
    <message>
        <source>impossible d&apos;écrire le tableau : %1</source>
        <translation>cannot write the table: %1</translation>
    </message>
    <message>
        <source>%1 - %2, %3, diapason %4</source>
        <translation>%1 - %2, %3, scale length %4</translation>
    </message>
    <message>
        <source>%1 - %2, %3, diapason %4 (graves) à %5 (aigus), %6</source>
        <translation>%1 - %2, %3, scale length %4 (bass) to %5 (treble), %6</translation>
    </message>
    <message>
        <source>Distances en %1 le long de l&apos;axe du manche (corde 1 : la plus grave)</source>
        <translation>Distances in %1 along the centre line of the neck (string 1: the lowest)</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>%1 - longueur vibrante %2</source>
        <translation>%1 - vibrating length %2</translation>
    </message>
    <message>
        <source>, mode %1</source>
        <translation>, mode %1</translation>
    </message>
    <message>
        <source>les gabarits ne sont pas disponibles dans cette version</source>
        <translation>templates are not available in this build</translation>
    </message>
    <message>
        <source>repères inconnus « %1 » (dots ou none)</source>
        <translation>unknown markers &apos;%1&apos; (dots or none)</translation>
    </message>
    <message>
        <source>origine inconnue « %1 » (nut-centre ou nut-bass-corner)</source>
        <translation>unknown origin &apos;%1&apos; (nut-centre or nut-bass-corner)</translation>
    </message>
    <message>
        <source>--string-set %1 : ni jeu connu (%2) ni article du catalogue</source>
        <translation>--string-set %1: neither a known set (%2) nor a catalogue item</translation>
    </message>
    <message>
        <source>--strings-report et --intonation-chart demandent les cordes : --tuning et --string-set, ou un dessin qui les porte</source>
        <translation>--strings-report and --intonation-chart need the strings: --tuning and --string-set, or a design that has them</translation>
    </message>
    <message>
        <source>--intonation-chart %1 : un fichier .svg ou .png est attendu</source>
        <translation>--intonation-chart %1: a .svg or .png file is expected</translation>
    </message>
    <message>
        <source>l&apos;option « %1 » ne prend pas de valeur</source>
        <translation>option &apos;%1&apos; takes no value</translation>
    </message>
    <message>
        <source>plus de %1, au plus %2</source>
        <translation>more than %1, at most %2</translation>
    </message>
    <message>
        <source>de %1 à %2</source>
        <translation>%1 to %2</translation>
    </message>
    <message>
        <source>0 ou de %1 à %2</source>
        <translation>0, or %1 to %2</translation>
    </message>
    <message>
        <source>%1 par défaut ; %2</source>
        <translation>%1 by default; %2</translation>
    </message>
    <message>
        <source>Le tableau :</source>
        <translation>The table:</translation>
    </message>
    <message>
        <source>Le tempérament (un seul) :</source>
        <translation>The temperament (one of them):</translation>
    </message>
    <message>
        <source>La touche :</source>
        <translation>The board:</translation>
    </message>
    <message>
        <source>Les cordes (tension, justesse et compensation) :</source>
        <translation>The strings (tension, intonation and compensation):</translation>
    </message>
    <message>
        <source>Des fichiers au lieu du tableau :</source>
        <translation>Files instead of the table:</translation>
    </message>
    <message>
        <source>Pour le laser (gabarits) :</source>
        <translation>For the laser (templates):</translation>
    </message>
    <message>
        <source>Pour la fraiseuse (programme de rainurage) :</source>
        <translation>For the router (slotting program):</translation>
    </message>
    <message>
        <source>Écrit où vont les frettes sur une touche droite ou en éventail, dans tout
tempérament : une ligne par frette et par corde. Avec une des six gammes
classiques et rien que --length, --scale, --mode, --format, --separator,
--unit, --template, --paper et --board-width, le tableau de la fenêtre,
chiffre pour chiffre. Les longueurs sont dans l&apos;unité choisie.
</source>
        <translation>Prints where the frets go on a straight or fanned board, in any
temperament: one row per fret and string. With one of the six classic
scales and nothing but --length, --scale, --mode, --format, --separator,
--unit, --template, --paper and --board-width, the window&apos;s table, digit
for digit. Lengths are in the chosen unit.
</translation>
    </message>
    <message>
        <source>%1 %2 : B:C attendu (hauteur au sillet : hauteur du chevalet)</source>
        <translation>%1 %2: B:C expected (height at the nut: saddle height)</translation>
    </message>
    <message>
        <source>%1 %2 : le %3 doit être un entier de %4 à %5</source>
        <translation>%1 %2: the %3 must be a whole number from %4 to %5</translation>
    </message>
    <message>
        <source>%1 %2 : une fréquence en Hz est attendue</source>
        <translation>%1 %2: a frequency in Hz is expected</translation>
    </message>
    <message>
        <source>mode inconnu « %1 » (sol, do ou none)</source>
        <translation>unknown mode &apos;%1&apos; (sol, do or none)</translation>
    </message>
    <message>
        <source>diapason de toutes les cordes (une gamme classique le lit comme la case de longueur)</source>
        <translation>scale length of every string (a classic scale reads it as the length box does)</translation>
    </message>
    <message>
        <source>une des six gammes classiques : tempered-diatonic, tempered-chromatic, natural-diatonic, natural-chromatic, pythagorean-diatonic, pythagorean-chromatic, ou un nom de la liste des gammes</source>
        <translation>one of the six classic scales: tempered-diatonic, tempered-chromatic, natural-diatonic, natural-chromatic, pythagorean-diatonic, pythagorean-chromatic, or a name of the scale list</translation>
    </message>
    <message>
        <source>sol ou do (par défaut) pour une gamme diatonique ; none : sans noms de notes</source>
        <translation>sol or do (default) for a diatonic scale; none: no note names</translation>
    </message>
    <message>
        <source>text (par défaut), csv ou json</source>
        <translation>text (default), csv or json</translation>
    </message>
    <message>
        <source>séparateur décimal écrit (par défaut : le régional pour text, « . » pour csv et json)</source>
        <translation>decimal separator written (default: the regional one for text, &apos;.&apos; for csv and json)</translation>
    </message>
    <message>
        <source>unité des longueurs données et écrites (mm par défaut ; une longueur peut porter la sienne : « 25 1/2 in »)</source>
        <translation>unit of the lengths given and written (mm by default; a length may carry its own: &apos;25 1/2 in&apos;)</translation>
    </message>
    <message>
        <source>un dessin enregistré dans un fichier .corvane (les autres options le modifient)</source>
        <translation>a design saved in a .corvane file (the other options change it)</translation>
    </message>
    <message>
        <source>N divisions égales de la période (1 à 1000)</source>
        <translation>N equal divisions of the period (1 to 1000)</translation>
    </message>
    <message>
        <source>la période de --edo : 2/1 (par défaut), 3/1, ou des cents (1200.0)</source>
        <translation>the period of --edo: 2/1 (default), 3/1, or cents (1200.0)</translation>
    </message>
    <message>
        <source>un fichier de gamme Scala</source>
        <translation>a Scala scale file</translation>
    </message>
    <message>
        <source>just-12, pythagorean-12 ou meantone-12</source>
        <translation>just-12, pythagorean-12 or meantone-12</translation>
    </message>
    <message>
        <source>la frette d&apos;équerre avec l&apos;axe, ou nut (sillet) ou bridge (chevalet)</source>
        <translation>the fret square to the centre line, or nut or bridge</translation>
    </message>
    <message>
        <source>une touche droite de cette largeur constante, cordes parallèles (60 mm par défaut pour une gamme classique)</source>
        <translation>a straight board of this constant width, strings parallel (60 mm by default for a classic scale)</translation>
    </message>
    <message>
        <source>note des cordes à vide, pour les noms de notes (Mi par défaut)</source>
        <translation>note of the open strings, for the note names (E by default)</translation>
    </message>
    <message>
        <source>un jeu du catalogue (light-electric-10-46, phosphor-bronze-12-53, long-scale-bass-45-100, ej45) ou ses articles, du grave à l&apos;aigu (NW046,NW036,…), ou des masses linéiques (6.8g/m, 0.0068kg/m)</source>
        <translation>a set of the catalogue (light-electric-10-46, phosphor-bronze-12-53, long-scale-bass-45-100, ej45) or its items, bass first (NW046,NW036,…), or unit weights (6.8g/m, 0.0068kg/m)</translation>
    </message>
    <message>
        <source>hauteurs à vide, du grave à l&apos;aigu (E2,A2,D3,G3,B3,E4)</source>
        <translation>open pitches, bass first (E2,A2,D3,G3,B3,E4)</translation>
    </message>
    <message>
        <source>calcule le recul du sillet et du chevalet de chaque corde</source>
        <translation>computes each string&apos;s nut and saddle setbacks</translation>
    </message>
    <message>
        <source>la position juste de chaque frette sur chaque corde</source>
        <translation>each fret&apos;s in-tune place on each string</translation>
    </message>
    <message>
        <source>une ligne par corde au lieu du tableau des frettes</source>
        <translation>one row per string instead of the fret table</translation>
    </message>
    <message>
        <source>dessine la touche en taille réelle : .pdf (en pages, avec une règle d&apos;étalonnage), .svg ou .dxf</source>
        <translation>draws the board at true size: .pdf (in pages, with a calibration ruler), .svg or .dxf</translation>
    </message>
    <message>
        <source>a4 (par défaut), letter, a3 ou legal, pour un gabarit .pdf</source>
        <translation>a4 (default), letter, a3 or legal, for a .pdf template</translation>
    </message>
    <message>
        <source>la justesse de chaque corde, avant et après : .svg ou .png</source>
        <translation>each string&apos;s intonation, before and after: .svg or .png</translation>
    </message>
    <message>
        <source>enregistre le dessin que décrivent les options dans un fichier .corvane</source>
        <translation>saves the design the options describe in a .corvane file</translation>
    </message>
    <message>
        <source>les repères de touche habituels (none par défaut)</source>
        <translation>the usual face dots (none by default)</translation>
    </message>
    <message>
        <source>tous les traits du SVG en filet de 0,025 mm</source>
        <translation>every SVG stroke a 0.025 mm hairline</translation>
    </message>
    <message>
        <source>le programme de rainurage des fentes (GRBL) au lieu du tableau</source>
        <translation>the slotting program (GRBL) instead of the table</translation>
    </message>
    <message>
        <source>nut-centre (par défaut) ou nut-bass-corner</source>
        <translation>nut-centre (default) or nut-bass-corner</translation>
    </message>
    <message>
        <source>GAMME</source>
        <translation>SCALE</translation>
    </message>
    <message>
        <source>FICHIER</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>NOM</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>options</source>
        <translation>options</translation>
    </message>
    <message>
        <source>MODE</source>
        <translation>MODE</translation>
    </message>
    <message>
        <source>FORMAT</source>
        <translation>FORMAT</translation>
    </message>
    <message>
        <source>CAR</source>
        <translation>CHAR</translation>
    </message>
    <message>
        <source>RAPPORT</source>
        <translation>RATIO</translation>
    </message>
    <message>
        <source>G[:A]</source>
        <translation>B[:T]</translation>
    </message>
    <message>
        <source>NOTE</source>
        <translation>NOTE</translation>
    </message>
    <message>
        <source>JEU</source>
        <translation>SET</translation>
    </message>
    <message>
        <source>H,H,...</source>
        <translation>P,P,...</translation>
    </message>
    <message>
        <source>PAPIER</source>
        <translation>PAPER</translation>
    </message>
    <message>
        <source>FICHIER.nc</source>
        <translation>FILE.nc</translation>
    </message>
    <message>
        <source>TEXTE</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>une touche de gaucher : le miroir de la touche de droitier, graves de l&apos;autre côté, dans chaque dessin et le programme de rainurage</source>
        <translation>a left-handed board: the mirror image of the right-handed one, bass on the other side, in every drawing and the slotting program</translation>
    </message>
    <message>
        <source>--radius-gauges demande le rayon de la touche : --radius, ou un dessin qui le porte</source>
        <translation>--radius-gauges needs the board&apos;s radius: --radius, or a design that holds it</translation>
    </message>
    <message>
        <source>R[:R2]</source>
        <translation>R[:R2]</translation>
    </message>
    <message>
        <source>les gabarits de rayon en taille réelle, au sillet, à la frette 12 et à la dernière : .pdf, .svg ou .dxf</source>
        <translation>the radius gauges at true size, at the nut, the 12th fret and the last: .pdf, .svg or .dxf</translation>
    </message>
    <message>
        <source>pour une touche déjà bombée : chaque fente à sa profondeur sous la surface courbe</source>
        <translation>for a board already radiused: every slot at its depth under the curved face</translation>
    </message>
    <message>
        <source>--board-end %1 : square ou round attendu</source>
        <translation>--board-end %1: square or round expected</translation>
    </message>
    <message>
        <source>E[:square|round]</source>
        <translation>E[:square|round]</translation>
    </message>
    <message>
        <source>la touche va E plus loin que la dernière frette le long de l&apos;axe, finie d&apos;équerre (square, par défaut) ou en arc (round) ; 0 : elle s&apos;arrête à la dernière frette</source>
        <translation>the board goes E past the last fret along the centre line, ending square (square, the default) or in an arc (round); 0: it stops at the last fret</translation>
    </message>
    <message>
        <source>écartement inconnu « %1 » (centres ou gaps)</source>
        <translation>unknown spacing “%1” (centres or gaps)</translation>
    </message>
    <message>
        <source>centres (par défaut) : les cordes régulièrement espacées, centre à centre ; gaps : des vides égaux entre les cordes, d&apos;après leurs calibres, au sillet et au chevalet</source>
        <translation>centres (the default): the strings evenly spaced, centre to centre; gaps: equal clear gaps between the strings, from their gauges, at the nut and at the saddle</translation>
    </message>
    <message>
        <source>chevalet inconnu « %1 » (one ou two-piece)</source>
        <translation>unknown saddle “%1” (one or two-piece)</translation>
    </message>
    <message>
        <source>avec --compensate : un chevalet droit au plus juste pour toutes les cordes (one), ou un pour les cordes filées et un pour les lisses (two-piece)</source>
        <translation>with --compensate: the best straight saddle for all the strings (one), or one for the wound strings and one for the plain (two-piece)</translation>
    </message>
    <message>
        <source>Chevalet droit, cordes %1 à %2 : recul %3 à la corde %1, %4 à la corde %2, incliné de %5°</source>
        <translation>Straight saddle, strings %1 to %2: setback %3 at string %1, %4 at string %2, slanted %5°</translation>
    </message>
    <message>
        <source>donnez --lengths, ou --length, ou --bass-length et --treble-length, un seul</source>
        <translation>give --lengths, or --length, or --bass-length and --treble-length, only one</translation>
    </message>
    <message>
        <source>le diapason de chaque corde, du grave à l&apos;aigu, pour un éventail non linéaire : les frettes passent par le point de chaque corde</source>
        <translation>each string&apos;s scale length, bass first, for a fan that is not linear: the frets pass through each string&apos;s point</translation>
    </message>
</context>
</TS>
