<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>corvane::atelier::AtelierWindow</name>
    <message>
        <source>Ouvrir un dessin</source>
        <translation>Open a Design</translation>
    </message>
    <message>
        <source>Dessins Corvane (*.corvane);;Tous les fichiers (*)</source>
        <translation>Corvane designs (*.corvane);;All files (*)</translation>
    </message>
    <message>
        <source>Corvane Atelier</source>
        <translation>Corvane Atelier</translation>
    </message>
    <message>
        <source>Impossible d&apos;ouvrir « %1 » :
%2</source>
        <translation>Cannot open “%1”:
%2</translation>
    </message>
    <message>
        <source>Dessin ouvert : %1</source>
        <translation>Design opened: %1</translation>
    </message>
    <message>
        <source>Le dessin ne peut pas être enregistré tant qu&apos;un champ est invalide :
%1</source>
        <translation>The design cannot be saved while a field is invalid:
%1</translation>
    </message>
    <message>
        <source>Enregistrer le dessin</source>
        <translation>Save the Design</translation>
    </message>
    <message>
        <source>Dessins Corvane (*.corvane)</source>
        <translation>Corvane designs (*.corvane)</translation>
    </message>
    <message>
        <source>Impossible d&apos;enregistrer « %1 » :
%2</source>
        <translation>Cannot save “%1”:
%2</translation>
    </message>
    <message>
        <source>Dessin enregistré : %1</source>
        <translation>Design saved: %1</translation>
    </message>
    <message>
        <source>touche</source>
        <translation>fretboard</translation>
    </message>
    <message>
        <source>PDF calibré, par pages (*.pdf)</source>
        <translation>Calibrated PDF, tiled (*.pdf)</translation>
    </message>
    <message>
        <source>SVG en millimètres (*.svg)</source>
        <translation>SVG in millimetres (*.svg)</translation>
    </message>
    <message>
        <source>DXF (*.dxf)</source>
        <translation>DXF (*.dxf)</translation>
    </message>
    <message>
        <source>Exporter le gabarit</source>
        <translation>Export the Template</translation>
    </message>
    <message>
        <source>Gabarit de touche</source>
        <translation>Fretboard template</translation>
    </message>
    <message>
        <source>Impossible d&apos;exporter « %1 » :
%2</source>
        <translation>Cannot export “%1”:
%2</translation>
    </message>
    <message>
        <source>Gabarit exporté : %1</source>
        <translation>Template exported: %1</translation>
    </message>
    <message>
        <source>Exporter le tableau</source>
        <translation>Export the Table</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Tableau exporté : %1</source>
        <translation>Table exported: %1</translation>
    </message>
    <message>
        <source>Imprimer le gabarit</source>
        <translation>Print the Template</translation>
    </message>
    <message>
        <source>Gabarit envoyé à l&apos;impression</source>
        <translation>Template sent to the printer</translation>
    </message>
    <message>
        <source>Tableau d&apos;atelier</source>
        <translation>Workshop table</translation>
    </message>
    <message>
        <source>Position de chaque frette : note, rapport, cents et distances</source>
        <translation>Position of every fret: note, ratio, cents and distances</translation>
    </message>
    <message>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>Commencer un nouveau dessin de touche</source>
        <translation>Start a new fretboard design</translation>
    </message>
    <message>
        <source>&amp;Ouvrir…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>Ouvrir un dessin enregistré</source>
        <translation>Open a saved design</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>Enregistrer le dessin dans un autre fichier</source>
        <translation>Save the design to another file</translation>
    </message>
    <message>
        <source>E&amp;xporter le gabarit…</source>
        <translation>E&amp;xport Template…</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Écrire le gabarit en grandeur réelle : PDF par pages, SVG ou DXF</source>
        <translation>Write the full-size template: tiled PDF, SVG or DXF</translation>
    </message>
    <message>
        <source>Exporter le &amp;tableau CSV…</source>
        <translation>Export &amp;Table as CSV…</translation>
    </message>
    <message>
        <source>Écrire le tableau d&apos;atelier dans un fichier CSV</source>
        <translation>Write the workshop table to a CSV file</translation>
    </message>
    <message>
        <source>&amp;Imprimer…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Imprimer le gabarit en grandeur réelle, sur autant de pages qu&apos;il faut</source>
        <translation>Print the full-size template on as many pages as it needs</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Fermer l&apos;Atelier</source>
        <translation>Close the Atelier</translation>
    </message>
    <message>
        <source>&amp;Copier le tableau</source>
        <translation>&amp;Copy Table</translation>
    </message>
    <message>
        <source>Copier le tableau d&apos;atelier, colonnes séparées par des tabulations</source>
        <translation>Copy the workshop table, columns separated by tabs</translation>
    </message>
    <message>
        <source>Zoom &amp;avant</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message>
        <source>Agrandir le dessin</source>
        <translation>Enlarge the drawing</translation>
    </message>
    <message>
        <source>Ctrl+=</source>
        <translation>Ctrl+=</translation>
    </message>
    <message>
        <source>Zoom a&amp;rrière</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message>
        <source>Réduire le dessin</source>
        <translation>Shrink the drawing</translation>
    </message>
    <message>
        <source>&amp;Ajuster à la fenêtre</source>
        <translation>&amp;Fit to Window</translation>
    </message>
    <message>
        <source>Ctrl+0</source>
        <translation>Ctrl+0</translation>
    </message>
    <message>
        <source>Montrer toute la touche</source>
        <translation>Show the whole fretboard</translation>
    </message>
    <message>
        <source>&amp;Taille réelle</source>
        <translation>&amp;Actual Size</translation>
    </message>
    <message>
        <source>Ctrl+1</source>
        <translation>Ctrl+1</translation>
    </message>
    <message>
        <source>Un millimètre de la touche pour un millimètre de l&apos;écran</source>
        <translation>One millimetre of the board for one millimetre of the screen</translation>
    </message>
    <message>
        <source>À &amp;propos de Corvane Atelier</source>
        <translation>&amp;About Corvane Atelier</translation>
    </message>
    <message>
        <source>Version et licence</source>
        <translation>Version and licence</translation>
    </message>
    <message>
        <source>&amp;Effacer la liste</source>
        <translation>&amp;Clear List</translation>
    </message>
    <message>
        <source>Oublier les fichiers récents</source>
        <translation>Forget the recent files</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Ouvrir &amp;récent</source>
        <translation>Open &amp;Recent</translation>
    </message>
    <message>
        <source>É&amp;dition</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Affichage</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Aid&amp;e</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Outils</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>%1 à %2 %3</source>
        <translation>%1 to %2 %3</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1 · %2 frettes · %3 cordes · %4</source>
        <translation>%1 · %2 frets · %3 strings · %4</translation>
    </message>
    <message numerus="yes">
        <source>Tableau copié : %n ligne(s)</source>
        <translation>
            <numerusform>Table copied: %n row</numerusform>
            <numerusform>Table copied: %n rows</numerusform>
        </translation>
    </message>
    <message>
        <source>À propos de Corvane Atelier</source>
        <translation>About Corvane Atelier</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Corvane Atelier %1&lt;/h3&gt;&lt;p&gt;Conception de touches droites ou en éventail dans tout tempérament, et gabarits en grandeur réelle.&lt;/p&gt;&lt;p&gt;Logiciel libre sous licence GPL version 3 ou ultérieure.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Corvane Atelier %1&lt;/h3&gt;&lt;p&gt;Straight or fanned fretboards in any temperament, and full-size templates.&lt;/p&gt;&lt;p&gt;Free software under the GPL, version 3 or later.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Sans titre</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>%1[*] — Corvane Atelier</source>
        <translation>%1[*] — Corvane Atelier</translation>
    </message>
    <message>
        <source>Le dessin a été modifié.
Enregistrer les modifications ?</source>
        <translation>The design has been modified.
Save the changes?</translation>
    </message>
    <message>
        <source>Problème de saisie</source>
        <translation>Entry problem</translation>
    </message>
    <message>
        <source>Rien n&apos;a été enregistré.</source>
        <translation>Nothing was saved.</translation>
    </message>
    <message>
        <source>Rien n&apos;a été exporté.</source>
        <translation>Nothing was exported.</translation>
    </message>
    <message>
        <source>« %1 » a été modifié sur le disque depuis que cette fenêtre l&apos;a ouvert ou enregistré.
L&apos;enregistrer quand même, et remplacer ces modifications ?</source>
        <translation>“%1” has changed on disk since this window opened or saved it.
Save it anyway, and replace those changes?</translation>
    </message>
    <message>
        <source>Problème de saisie : %1</source>
        <translation>Entry problem: %1</translation>
    </message>
    <message>
        <source>Exporter le programme de rainurage</source>
        <translation>Export the Slotting Program</translation>
    </message>
    <message>
        <source>Programme G-code (*.nc *.gcode)</source>
        <translation>G-code program (*.nc *.gcode)</translation>
    </message>
    <message>
        <source>Programme exporté : %1</source>
        <translation>Program exported: %1</translation>
    </message>
    <message>
        <source>Exporter le programme de &amp;rainurage…</source>
        <translation>Export the &amp;Slotting Program…</translation>
    </message>
    <message>
        <source>Écrire le programme G-code qui fraise les fentes des frettes</source>
        <translation>Write the G-code program that mills the fret slots</translation>
    </message>
    <message>
        <source>&amp;Tableau d&apos;atelier</source>
        <translation>&amp;Workshop table</translation>
    </message>
    <message>
        <source>Co&amp;rdes</source>
        <translation>St&amp;rings</translation>
    </message>
    <message>
        <source>Exporter les gabarits de rayon</source>
        <translation>Export the radius gauges</translation>
    </message>
    <message>
        <source>Gabarits de rayon exportés : %1</source>
        <translation>Radius gauges exported: %1</translation>
    </message>
    <message>
        <source>Exporter les gabarits de ra&amp;yon…</source>
        <translation>Export Radius &amp;Gauges…</translation>
    </message>
    <message>
        <source>Écrire en grandeur réelle les gabarits du bombé de la touche, pour le poncer</source>
        <translation>Write the gauges of the board&apos;s radius at true size, to check it while sanding</translation>
    </message>
    <message numerus="yes">
        <source>Programme exporté en %n parties : %1</source>
        <translation>
            <numerusform>Program exported in %n part: %1</numerusform>
            <numerusform>Program exported in %n parts: %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>corvane::atelier::BoardView</name>
    <message>
        <source>Dessin de la touche</source>
        <translation>Fretboard drawing</translation>
    </message>
</context>
<context>
    <name>corvane::atelier::CutOptionsBox</name>
    <message>
        <source>Découpe (laser, CNC)</source>
        <translation>Cutting (laser, CNC)</translation>
    </message>
    <message>
        <source>Lar&amp;geur des fentes (0 : aucune) :</source>
        <translation>&amp;Slot width (0: none):</translation>
    </message>
    <message>
        <source>Largeur des fentes</source>
        <translation>Slot width</translation>
    </message>
    <message>
        <source>Pr&amp;olonger les frettes de :</source>
        <translation>E&amp;xtend the frets by:</translation>
    </message>
    <message>
        <source>Prolongement des frettes</source>
        <translation>Fret extension</translation>
    </message>
    <message>
        <source>Re&amp;pères de touche</source>
        <translation>Inlay &amp;markers</translation>
    </message>
    <message>
        <source>Dia&amp;mètre des repères :</source>
        <translation>Mar&amp;ker diameter:</translation>
    </message>
    <message>
        <source>Diamètre des repères</source>
        <translation>Marker diameter</translation>
    </message>
    <message>
        <source>Traits fi&amp;ns dans le SVG (0,025 mm)</source>
        <translation>Hairli&amp;nes in SVG (0.025 mm)</translation>
    </message>
    <message>
        <source>Marge des fi&amp;lets (0 : traversantes) :</source>
        <translation>Binding mar&amp;gin (0: through):</translation>
    </message>
    <message>
        <source>Marge des filets</source>
        <translation>Binding margin</translation>
    </message>
</context>
<context>
    <name>corvane::atelier::DesignForm</name>
    <message>
        <source>Diapason</source>
        <translation>Scale length</translation>
    </message>
    <message>
        <source>millimètres (mm)</source>
        <translation>millimetres (mm)</translation>
    </message>
    <message>
        <source>centimètres (cm)</source>
        <translation>centimetres (cm)</translation>
    </message>
    <message>
        <source>pouces (in)</source>
        <translation>inches (in)</translation>
    </message>
    <message>
        <source>Unité</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Un&amp;ité :</source>
        <translation>&amp;Unit:</translation>
    </message>
    <message>
        <source>Touche en é&amp;ventail (multi-diapason)</source>
        <translation>F&amp;anned frets (multiscale)</translation>
    </message>
    <message>
        <source>Touche en éventail</source>
        <translation>Fanned frets</translation>
    </message>
    <message>
        <source>D&amp;iapason :</source>
        <translation>Scale len&amp;gth:</translation>
    </message>
    <message>
        <source>Diapason ai&amp;gu :</source>
        <translation>Treble scale &amp;length:</translation>
    </message>
    <message>
        <source>Diapason aigu</source>
        <translation>Treble scale length</translation>
    </message>
    <message>
        <source>Frette perpendiculaire</source>
        <translation>Perpendicular fret</translation>
    </message>
    <message>
        <source>Frette perpend&amp;iculaire :</source>
        <translation>Perpendic&amp;ular fret:</translation>
    </message>
    <message>
        <source>Tempérament</source>
        <translation>Temperament</translation>
    </message>
    <message>
        <source>Te&amp;mpérament :</source>
        <translation>&amp;Temperament:</translation>
    </message>
    <message>
        <source>Sol</source>
        <translation>G (Sol)</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>C (Do)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>&amp;Mode :</source>
        <translation>M&amp;ode:</translation>
    </message>
    <message>
        <source>Divisions de la période</source>
        <translation>Divisions of the period</translation>
    </message>
    <message>
        <source>Divisi&amp;ons :</source>
        <translation>&amp;Divisions:</translation>
    </message>
    <message>
        <source>Période</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Un rapport (2/1 pour l&apos;octave, 3/1 pour la douzième) ou des cents (1200.0)</source>
        <translation>A ratio (2/1 for the octave, 3/1 for the twelfth) or cents (1200.0)</translation>
    </message>
    <message>
        <source>Pér&amp;iode :</source>
        <translation>Peri&amp;od:</translation>
    </message>
    <message>
        <source>&amp;Choisir…</source>
        <translation>&amp;Choose…</translation>
    </message>
    <message>
        <source>Choisir un fichier Scala</source>
        <translation>Choose a Scala File</translation>
    </message>
    <message>
        <source>Fichier Scala :</source>
        <translation>Scala file:</translation>
    </message>
    <message>
        <source>Note de la corde grave à vide</source>
        <translation>Note of the open bass string</translation>
    </message>
    <message>
        <source>N&amp;ote à vide :</source>
        <translation>Open no&amp;te:</translation>
    </message>
    <message>
        <source>Touche</source>
        <translation>Fretboard</translation>
    </message>
    <message>
        <source>Nombre de frettes</source>
        <translation>Number of frets</translation>
    </message>
    <message>
        <source>Frette&amp;s :</source>
        <translation>Fre&amp;ts:</translation>
    </message>
    <message>
        <source>Nombre de cordes</source>
        <translation>Number of strings</translation>
    </message>
    <message>
        <source>C&amp;ordes :</source>
        <translation>Strin&amp;gs:</translation>
    </message>
    <message>
        <source>Lar&amp;geur au sillet :</source>
        <translation>Nut wi&amp;dth:</translation>
    </message>
    <message>
        <source>Largeur au sillet</source>
        <translation>Nut width</translation>
    </message>
    <message>
        <source>&amp;Écartement au chevalet :</source>
        <translation>Bri&amp;dge spacing:</translation>
    </message>
    <message>
        <source>Écartement des cordes au chevalet</source>
        <translation>String spacing at the bridge</translation>
    </message>
    <message>
        <source>Débord au si&amp;llet :</source>
        <translation>&amp;Overhang at the nut:</translation>
    </message>
    <message>
        <source>Débord au sillet</source>
        <translation>Overhang at the nut</translation>
    </message>
    <message>
        <source>Débord à &amp;la dernière frette :</source>
        <translation>Overhan&amp;g at the last fret:</translation>
    </message>
    <message>
        <source>Débord à la dernière frette</source>
        <translation>Overhang at the last fret</translation>
    </message>
    <message>
        <source>Compensation</source>
        <translation>Compensation</translation>
    </message>
    <message>
        <source>&amp;Sillet, corde grave :</source>
        <translation>Nut, bass strin&amp;g:</translation>
    </message>
    <message>
        <source>Recul du sillet, corde grave</source>
        <translation>Nut setback, bass string</translation>
    </message>
    <message>
        <source>&amp;Sillet, corde aiguë :</source>
        <translation>Nut, treble s&amp;tring:</translation>
    </message>
    <message>
        <source>Recul du sillet, corde aiguë</source>
        <translation>Nut setback, treble string</translation>
    </message>
    <message>
        <source>Chevalet, corde &amp;grave :</source>
        <translation>Sa&amp;ddle, bass string:</translation>
    </message>
    <message>
        <source>Recul du chevalet, corde grave</source>
        <translation>Saddle setback, bass string</translation>
    </message>
    <message>
        <source>Chevalet, corde aiguë :</source>
        <translation>Saddle, treble string:</translation>
    </message>
    <message>
        <source>Recul du chevalet, corde aiguë</source>
        <translation>Saddle setback, treble string</translation>
    </message>
    <message>
        <source>Divisions égales de la période</source>
        <translation>Equal divisions of the period</translation>
    </message>
    <message>
        <source>Fichier Scala…</source>
        <translation>Scala file…</translation>
    </message>
    <message>
        <source>aucun</source>
        <translation>none</translation>
    </message>
    <message>
        <source>D&amp;iapason grave :</source>
        <translation>Bass scale len&amp;gth:</translation>
    </message>
    <message>
        <source>sillet</source>
        <translation>nut</translation>
    </message>
    <message>
        <source>frette %1</source>
        <translation>fret %1</translation>
    </message>
    <message>
        <source>chevalet</source>
        <translation>bridge</translation>
    </message>
    <message>
        <source>Gammes Scala (*.scl);;Tous les fichiers (*)</source>
        <translation>Scala scales (*.scl);;All files (*)</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Fichier Scala</source>
        <translation>Scala file</translation>
    </message>
    <message>
        <source>Ce tempérament numérote ses degrés au lieu de nommer des notes</source>
        <translation>This temperament numbers its degrees instead of naming notes</translation>
    </message>
    <message>
        <source>champ « %1 » : %2</source>
        <translation>field “%1”: %2</translation>
    </message>
    <message>
        <source>Éventail inversé : les cordes graves sont les plus courtes.</source>
        <translation>Reversed fan: the bass strings are the shorter ones.</translation>
    </message>
    <message>
        <source>Fichier Scala : %1</source>
        <translation>Scala file: %1</translation>
    </message>
    <message>
        <source>Touche de gauc&amp;her</source>
        <translation>Left-handed &amp;board</translation>
    </message>
    <message>
        <source>Touche de gaucher, graves de l&apos;autre côté</source>
        <translation>Left-handed board, bass on the other side</translation>
    </message>
    <message>
        <source>Rayon au sillet (0 : plate) :</source>
        <translation>Radius at the nut (0: flat):</translation>
    </message>
    <message>
        <source>Rayon au sillet</source>
        <translation>Radius at the nut</translation>
    </message>
    <message>
        <source>Rayon à la dernière frette :</source>
        <translation>Radius at the last fret:</translation>
    </message>
    <message>
        <source>Rayon à la dernière frette</source>
        <translation>Radius at the last fret</translation>
    </message>
    <message>
        <source>Fin après la dernière frette (0 : à la frette) :</source>
        <translation>End past the last fret (0: at the fret):</translation>
    </message>
    <message>
        <source>Fin de la touche après la dernière frette</source>
        <translation>Board&apos;s end past the last fret</translation>
    </message>
    <message>
        <source>d&apos;équerre</source>
        <translation>square</translation>
    </message>
    <message>
        <source>en arc</source>
        <translation>round</translation>
    </message>
    <message>
        <source>Forme de la fin de la touche</source>
        <translation>Shape of the board&apos;s end</translation>
    </message>
    <message>
        <source>Forme de la fin :</source>
        <translation>Shape of the end:</translation>
    </message>
    <message>
        <source>Sillet derrière une frette zéro (0 : sans) :</source>
        <translation>Nut behind a zero fret (0: none):</translation>
    </message>
    <message>
        <source>Sillet derrière une frette zéro</source>
        <translation>Nut behind a zero fret</translation>
    </message>
    <message>
        <source>centres égaux</source>
        <translation>equal centres</translation>
    </message>
    <message>
        <source>vides égaux (d&apos;après les calibres)</source>
        <translation>equal gaps (from the gauges)</translation>
    </message>
    <message>
        <source>Écartement des cordes</source>
        <translation>String spacing</translation>
    </message>
    <message>
        <source>Écartement des cordes :</source>
        <translation>String spacing:</translation>
    </message>
    <message>
        <source>Diapason de chaque corde</source>
        <translation>Each string&apos;s scale length</translation>
    </message>
    <message>
        <source>Du grave à l&apos;aigu, séparés par des points-virgules, pour un éventail non linéaire ; vide : répartis entre le diapason grave et l&apos;aigu</source>
        <translation>Bass first, separated by semicolons, for a fan that is not linear; empty: spread between the bass and treble scale lengths</translation>
    </message>
    <message>
        <source>Diapason de chaque corde :</source>
        <translation>Each string&apos;s scale length:</translation>
    </message>
</context>
<context>
    <name>corvane::atelier::IntonationChartDialog</name>
    <message>
        <source>Courbe de justesse</source>
        <translation>Intonation chart</translation>
    </message>
    <message>
        <source>&amp;Exporter (SVG ou PNG)…</source>
        <translation>&amp;Export (SVG or PNG)…</translation>
    </message>
    <message>
        <source>Exporter la courbe de justesse</source>
        <translation>Export the intonation chart</translation>
    </message>
    <message>
        <source>Image SVG (*.svg);;Image PNG (*.png)</source>
        <translation>SVG image (*.svg);;PNG image (*.png)</translation>
    </message>
    <message>
        <source>Courbe non exportée</source>
        <translation>Chart not exported</translation>
    </message>
</context>
<context>
    <name>corvane::atelier::PdfPaperDialog</name>
    <message>
        <source>A4 (210 × 297 mm)</source>
        <translation>A4 (210 × 297 mm)</translation>
    </message>
    <message>
        <source>Letter (8 ½ × 11 in)</source>
        <translation>Letter (8 ½ × 11 in)</translation>
    </message>
    <message>
        <source>A3 (297 × 420 mm)</source>
        <translation>A3 (297 × 420 mm)</translation>
    </message>
    <message>
        <source>Legal (8 ½ × 14 in)</source>
        <translation>Legal (8 ½ × 14 in)</translation>
    </message>
    <message>
        <source>Exporter en PDF</source>
        <translation>Export as PDF</translation>
    </message>
    <message>
        <source>Papier</source>
        <translation>Paper</translation>
    </message>
    <message>
        <source>&amp;Papier :</source>
        <translation>&amp;Paper:</translation>
    </message>
    <message>
        <source>E&amp;xporter</source>
        <translation>E&amp;xport</translation>
    </message>
    <message>
        <source>Le gabarit tient sur une page.</source>
        <translation>The template fits on one page.</translation>
    </message>
    <message>
        <source>Le gabarit tient sur %1 pages.</source>
        <translation>The template takes %1 pages.</translation>
    </message>
</context>
<context>
    <name>corvane::atelier::SlottingDialog</name>
    <message>
        <source>Programme de rainurage</source>
        <translation>Slotting Program</translation>
    </message>
    <message>
        <source>%1/min</source>
        <translation>%1/min</translation>
    </message>
    <message>
        <source>&amp;Diamètre de la fraise :</source>
        <translation>End mill &amp;diameter:</translation>
    </message>
    <message>
        <source>&amp;Profondeur des fentes :</source>
        <translation>Slot &amp;depth:</translation>
    </message>
    <message>
        <source>Profondeur par &amp;passe :</source>
        <translation>Depth per &amp;pass:</translation>
    </message>
    <message>
        <source>&amp;Avance (%1) :</source>
        <translation>&amp;Feed (%1):</translation>
    </message>
    <message>
        <source>Avance en p&amp;longée (%1) :</source>
        <translation>P&amp;lunge feed (%1):</translation>
    </message>
    <message>
        <source>Hauteur de &amp;dégagement :</source>
        <translation>&amp;Safe height:</translation>
    </message>
    <message>
        <source>&amp;Marge des filets (0 : traversantes) :</source>
        <translation>Binding &amp;margin (0: through):</translation>
    </message>
    <message>
        <source>Milieu du sillet</source>
        <translation>Middle of the nut</translation>
    </message>
    <message>
        <source>Sillet, côté graves</source>
        <translation>Nut, bass end</translation>
    </message>
    <message>
        <source>&amp;Origine :</source>
        <translation>&amp;Origin:</translation>
    </message>
    <message>
        <source>Trajet de la fraise</source>
        <translation>Tool path</translation>
    </message>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Fentes sous la touche bom&amp;bée</source>
        <translation>Slots follow the &amp;radius</translation>
    </message>
    <message>
        <source>Fentes à leur profondeur sous la surface bombée, pour une touche déjà bombée</source>
        <translation>Slots at their depth under the curved face, for a board already radiused</translation>
    </message>
    <message>
        <source>Course en &amp;X (0 : toute la touche) :</source>
        <translation>Travel along &amp;X (0: the whole board):</translation>
    </message>
</context>
<context>
    <name>corvane::atelier::StringsPanel</name>
    <message>
        <source>Cordes</source>
        <translation>Strings</translation>
    </message>
    <message>
        <source>Jeu de cordes du catalogue</source>
        <translation>String set from the catalogue</translation>
    </message>
    <message>
        <source>— choisir un jeu —</source>
        <translation>— choose a set —</translation>
    </message>
    <message>
        <source>&amp;Jeu :</source>
        <translation>&amp;Set:</translation>
    </message>
    <message>
        <source>Unité des tensions</source>
        <translation>Tension unit</translation>
    </message>
    <message>
        <source>Ten&amp;sions en :</source>
        <translation>Ten&amp;sions in:</translation>
    </message>
    <message>
        <source>Au si&amp;llet :</source>
        <translation>At the n&amp;ut:</translation>
    </message>
    <message>
        <source>Hauteur au sillet</source>
        <translation>Height at the nut</translation>
    </message>
    <message>
        <source>Hauteur des cordes au-dessus de la frette 1, près du sillet</source>
        <translation>String height above fret 1, by the nut</translation>
    </message>
    <message>
        <source>Au cheva&amp;let :</source>
        <translation>At the sadd&amp;le:</translation>
    </message>
    <message>
        <source>Hauteur du chevalet</source>
        <translation>Saddle height</translation>
    </message>
    <message>
        <source>Hauteur du chevalet au-dessus du sillet</source>
        <translation>Saddle height above the nut</translation>
    </message>
    <message>
        <source>Creu&amp;x :</source>
        <translation>Re&amp;lief:</translation>
    </message>
    <message>
        <source>Creux de la touche</source>
        <translation>Neck relief</translation>
    </message>
    <message>
        <source>Creux de la touche à l&apos;octave</source>
        <translation>Neck relief at the octave</translation>
    </message>
    <message>
        <source>Compensation</source>
        <translation>Compensation</translation>
    </message>
    <message>
        <source>Aucune</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Manuelle (reculs du dessin)</source>
        <translation>Manual (the design&apos;s setbacks)</translation>
    </message>
    <message>
        <source>Calculée d&apos;après les cordes</source>
        <translation>Computed from the strings</translation>
    </message>
    <message>
        <source>Compen&amp;sation :</source>
        <translation>C&amp;ompensation:</translation>
    </message>
    <message>
        <source>Frettes de l&apos;ajustement</source>
        <translation>Frets of the fit</translation>
    </message>
    <message>
        <source>Frettes ajustées, &amp;1 à :</source>
        <translation>Fit frets &amp;1 to:</translation>
    </message>
    <message>
        <source>&amp;Une frette par corde</source>
        <translation>A fret &amp;per string</translation>
    </message>
    <message>
        <source>La position juste de chaque frette sur chaque corde, pour des frettes segmentées ou courbes</source>
        <translation>Where each fret must stand on each string, for segmented or curved frets</translation>
    </message>
    <message>
        <source>Cour&amp;be de justesse…</source>
        <translation>&amp;Intonation chart…</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas une hauteur (E2, F#3, Bb1 ou 110 Hz)</source>
        <translation>“%1” is not a pitch (E2, F#3, Bb1 or 110 Hz)</translation>
    </message>
    <message>
        <source>pas d&apos;article « %1 » au catalogue</source>
        <translation>no item “%1” in the catalogue</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un nombre</source>
        <translation>“%1” is not a number</translation>
    </message>
    <message>
        <source>Fréquence du la 4</source>
        <translation>A4 frequency</translation>
    </message>
    <message>
        <source>&amp;La 4 (A4) :</source>
        <translation>A&amp;4:</translation>
    </message>
    <message>
        <source>Problèmes des cordes</source>
        <translation>String problems</translation>
    </message>
    <message>
        <source>une période</source>
        <translation>one period</translation>
    </message>
    <message>
        <source>Chevalet</source>
        <translation>Saddle</translation>
    </message>
    <message>
        <source>un recul par corde</source>
        <translation>a setback per string</translation>
    </message>
    <message>
        <source>droit</source>
        <translation>straight</translation>
    </message>
    <message>
        <source>en deux pièces (filées, lisses)</source>
        <translation>in two pieces (wound, plain)</translation>
    </message>
    <message>
        <source>Avec la compensation calculée : un chevalet droit au plus juste, ou un pour les cordes filées et un pour les lisses</source>
        <translation>With the computed compensation: the best straight saddle, or one for the wound strings and one for the plain</translation>
    </message>
    <message>
        <source>Chevalet :</source>
        <translation>Saddle:</translation>
    </message>
</context>
<context>
    <name>corvane::atelier::WorkshopTable</name>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
</TS>
