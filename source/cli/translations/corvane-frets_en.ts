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
        <source>mode inconnu « %1 » (sol ou do)</source>
        <translation>unknown mode &apos;%1&apos; (sol or do)</translation>
    </message>
    <message>
        <source>%1 %2 : %3 doit être un entier de %4 à %5</source>
        <translation>%1 %2: %3 must be a whole number from %4 to %5</translation>
    </message>
    <message>
        <source>le nombre de frettes</source>
        <translation>the number of frets</translation>
    </message>
    <message>
        <source>le nombre de cordes</source>
        <translation>the number of strings</translation>
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
        <source>Écrit où vont les frettes sur une corde de la longueur vibrante donnée.

  --length TEXTE    la longueur vibrante, lue comme la lit la case de
                    longueur (« 650 mm » vaut 650 ; « 650,5 » vaut 650,5 là
                    où le séparateur décimal régional est la virgule, 650
                    ailleurs)
  --scale GAMME     tempered-diatonic, tempered-chromatic, natural-diatonic,
                    natural-chromatic, pythagorean-diatonic,
                    pythagorean-chromatic, ou un nom de la liste des gammes
  --mode MODE       sol, do (par défaut) ou none (sans noms de notes)
  --format FORMAT   text (par défaut), csv ou json
  --separator CAR   séparateur décimal écrit (par défaut : le régional pour
                    text, « . » pour csv et json) ; « , » permet aussi de
                    lire la longueur avec une virgule décimale

Un gabarit grandeur nature au lieu du tableau :
  --template FICHIER  écrit le gabarit dans FICHIER : .pdf (en pages, avec
                    une règle d&apos;étalonnage), .svg ou .dxf (taille réelle)
  --unit UNITÉ      mm (par défaut), cm ou in : l&apos;unité de la longueur
  --paper PAPIER    a4 (par défaut), letter, a3 ou legal, pour un PDF
  --board-width N   largeur de la touche, dans l&apos;unité (60 mm par défaut)

Tout tempérament, les touches en éventail et les fichiers de dessin : voir
  corvane-frets --edo 12 --help    et    corvane-frets --design FICHIER
</source>
        <translation>Prints where the frets go on a string of the given vibrating length.

  --length TEXT     the vibrating length, read as the length box reads it
                    (&quot;650 mm&quot; is 650; &quot;650,5&quot; is 650.5 where the regional
                    decimal separator is the comma, 650 elsewhere)
  --scale SCALE     tempered-diatonic, tempered-chromatic, natural-diatonic,
                    natural-chromatic, pythagorean-diatonic,
                    pythagorean-chromatic, or a scale list item
  --mode MODE       sol, do (default) or none (no note names)
  --format FORMAT   text (default), csv or json
  --separator CHAR  decimal separator written (default: the regional one
                    for text, &quot;.&quot; for csv and json); &quot;,&quot; also lets the
                    length be read with a decimal comma

A full-size template instead of the table:
  --template FILE   write the template to FILE: .pdf (tiled on the paper,
                    with a calibration ruler), .svg or .dxf (true size)
  --unit UNIT       mm (default), cm or in: the unit the length is in
  --paper PAPER     a4 (default), letter, a3 or legal, for a PDF
  --board-width N   width of the fretboard, in the unit (default 60 mm)

Any temperament, fanned boards and design files: see
  corvane-frets --edo 12 --help    and    corvane-frets --design FILE
</translation>
    </message>
    <message>
        <source>Écrit où vont les frettes sur une touche droite ou en éventail, dans tout
tempérament : une ligne par frette et par corde.

  --design FICHIER     un dessin enregistré dans un fichier .corvane (les autres
                       options le modifient)
  --edo N              N divisions égales de la période (1 à 1000)
  --period RAPPORT     la période de --edo : 2/1 (par défaut), 3/1, ou des cents (1200.0)
  --scl FICHIER        un fichier de gamme Scala
  --table NOM          just-12, pythagorean-12 ou meantone-12
  --scale GAMME        une des six gammes classiques (avec --mode sol|do)
  --length L           diapason de toutes les cordes
  --bass-length L      diapason de la corde grave (touche en éventail)
  --treble-length L    diapason de la corde aiguë (touche en éventail)
  --perpendicular F    la frette d&apos;équerre avec l&apos;axe, ou nut (sillet) ou bridge (chevalet)
  --frets N            1 à 60 (24 par défaut)
  --strings N          1 à 16 (6 par défaut)
  --nut-width W        largeur de la touche au sillet (43 mm par défaut)
  --bridge-width W     cordes extrêmes, d&apos;axe en axe, au chevalet (52 mm par défaut)
  --overhang W         de la corde extrême au bord de la touche (3,5 mm par défaut)
  --last-fret-overhang W  la même marge à la dernière frette seulement
  --nut-setback G[:A]  compensation au sillet, corde grave et corde aiguë
  --saddle-setback G[:A]  compensation au chevalet, corde grave et corde aiguë
  --open-note NOTE     note des cordes à vide, pour les noms de notes (Mi par défaut)
  --unit mm|cm|in      unité des longueurs données et écrites (mm par défaut ;
                       une longueur peut aussi porter la sienne : « 25 1/2 in »)
  --format FORMAT      text (par défaut), csv ou json
  --separator CAR      séparateur décimal de text et csv
  --template FICHIER   dessine la touche en taille réelle : .pdf (en pages), .svg ou .dxf
  --paper PAPIER       a4 (par défaut), letter, a3 ou legal, pour un gabarit .pdf
  --slot-width W       chaque fente de frette en contour fermé de cette largeur
  --extend-frets E     prolonge chaque frette de E au-delà des deux bords
  --markers dots|none  les repères de touche habituels (none par défaut)
  --marker-diameter D  leur diamètre (6 mm par défaut)
  --hairline           tous les traits du SVG en filet de 0,025 mm
  --gcode FICHIER.nc   le programme de rainurage des fentes (GRBL) au lieu du tableau
  --origin O           nut-centre (par défaut) ou nut-bass-corner
  --tool-diameter D    diamètre de la fraise (0,6 mm par défaut, 2 mm au plus)
  --slot-depth P       profondeur des fentes (3 mm par défaut, 6 mm au plus)
  --pass-depth P       profondeur de chaque passe (1 mm par défaut)
  --feed V             avance en coupe, par minute (300 mm par défaut)
  --plunge-feed V      avance en plongée, par minute (60 mm par défaut)
  --safe-z Z           hauteur de dégagement (5 mm par défaut)
  --binding-margin M   arrête chaque fente à M des bords (0 : traversante)
</source>
        <translation>Prints where the frets go on a straight or fanned board in any temperament:
one row per fret and string.

  --design FILE        a design saved as a .corvane file (other options change it)
  --edo N              N equal divisions of the period (1 to 1000)
  --period RATIO       the period of --edo: 2/1 (default), 3/1, or cents (1200.0)
  --scl FILE           a Scala scale file
  --table NAME         just-12, pythagorean-12 or meantone-12
  --scale SCALE        one of the six classic scales (with --mode sol|do)
  --length L           scale length of every string
  --bass-length L      scale length of the bass string (fanned board)
  --treble-length L    scale length of the treble string (fanned board)
  --perpendicular F    the fret square to the centre line, or nut or bridge
  --frets N            1 to 60 (default 24)
  --strings N          1 to 16 (default 6)
  --nut-width W        board width at the nut (default 43 mm)
  --bridge-width W     outer strings, centre to centre, at the saddle (default 52 mm)
  --overhang W         outer string to board edge (default 3.5 mm)
  --last-fret-overhang W  the same at the last fret only
  --nut-setback B[:T]  nut compensation, bass and treble string
  --saddle-setback B[:T]  saddle compensation, bass and treble string
  --open-note NOTE     note of the open strings, for note names (default E)
  --unit mm|cm|in      unit of the lengths typed and shown (default mm;
                       a length may also carry its own: &quot;25 1/2 in&quot;)
  --format FORMAT      text (default), csv or json
  --separator CHAR     decimal separator of text and csv
  --template FILE      draw the board at true size: .pdf (tiled), .svg or .dxf
  --paper PAPER        a4 (default), letter, a3 or legal, for a .pdf template
  --slot-width W       each fret slot as a closed outline of this width
  --extend-frets E     prolong every fret by E beyond both edges
  --markers dots|none  the usual face dots (default none)
  --marker-diameter D  their diameter (default 6 mm)
  --hairline           every SVG stroke a 0.025 mm hairline
  --gcode FILE.nc      the slotting program (GRBL) instead of the table
  --origin O           nut-centre (default) or nut-bass-corner
  --tool-diameter D    the end mill&apos;s diameter (default 0.6 mm, at most 2 mm)
  --slot-depth P       depth of the slots (default 3 mm, at most 6 mm)
  --pass-depth P       depth of each pass (default 1 mm)
  --feed V             cutting feed, per minute (default 300 mm)
  --plunge-feed V      plunging feed, per minute (default 60 mm)
  --safe-z Z           clearance height (default 5 mm)
  --binding-margin M   stop each slot M inside the edges (0: through)
</translation>
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
        <source>--slot-width : %1, au plus %2</source>
        <translation>--slot-width: %1, at most %2</translation>
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
        <source>--reference-a4 %1 : une fréquence en Hz est attendue</source>
        <translation>--reference-a4 %1: a frequency in Hz is expected</translation>
    </message>
    <message>
        <source>--action %1 : B:C attendu (hauteur au sillet : hauteur du chevalet)</source>
        <translation>--action %1: B:C expected (string height at the nut:saddle height)</translation>
    </message>
    <message>
        <source>--strings-report et --intonation-chart demandent les cordes : --tuning et --string-set, ou un dessin qui les porte</source>
        <translation>--strings-report and --intonation-chart need the strings: --tuning and --string-set, or a design that has them</translation>
    </message>
    <message>
        <source>
Les cordes (tension, justesse et compensation de chacune) :
  --string-set JEU     un jeu du catalogue (light-electric-10-46,
                       phosphor-bronze-12-53, long-scale-bass-45-100, ej45)
                       ou ses articles, du grave à l'aigu : NW046,NW036,...
                       (ou des masses linéiques : 6.8g/m, 0.0068kg/m)
  --tuning H,H,...     hauteurs à vide, du grave à l'aigu (E2,A2,D3,G3,B3,E4)
  --reference-a4 HZ    fréquence du la 4 (440 Hz par défaut)
  --action B:C         hauteur des cordes au sillet et du chevalet (1:4 mm)
  --relief R           creux de la touche à l'octave (0 par défaut)
  --compensate         calcule le recul du sillet et du chevalet de chaque corde
  --fit-frets N        l'ajustement porte sur les frettes 1 à N (12 par défaut)
  --fretlets           la position juste de chaque frette sur chaque corde
  --strings-report     une ligne par corde au lieu du tableau des frettes
  --intonation-chart FICHIER.svg|.png  la justesse de chaque corde, avant et après
</source>
        <translation>
Strings (the tension, intonation and compensation of each):
  --string-set SET     a set of the catalogue (light-electric-10-46,
                       phosphor-bronze-12-53, long-scale-bass-45-100, ej45)
                       or its items, bass first: NW046,NW036,...
                       (or unit weights: 6.8g/m, 0.0068kg/m)
  --tuning P,P,...     open pitches, bass first (E2,A2,D3,G3,B3,E4)
  --reference-a4 HZ    frequency of A4 (440 Hz by default)
  --action B:C         string height at the nut and saddle height (1:4 mm)
  --relief R           neck relief at the octave (0 by default)
  --compensate         computes each string's nut and saddle setbacks
  --fit-frets N        the fit covers frets 1 to N (12 by default)
  --fretlets           where each fret must stand on each string
  --strings-report     one row per string instead of the fret table
  --intonation-chart FILE.svg|.png  each string's intonation, before and after
</translation>
    </message>
    <message>
        <source>--intonation-chart %1 : un fichier .svg ou .png est attendu</source>
        <translation>--intonation-chart %1: a .svg or .png file is expected</translation>
    </message>
    <message>
        <source>le nombre de frettes de l'ajustement</source>
        <translation>the number of frets of the fit</translation>
    </message>
    <message>
        <source>l&apos;option « %1 » ne prend pas de valeur</source>
        <translation>option &apos;%1&apos; takes no value</translation>
    </message>
</context>
</TS>
