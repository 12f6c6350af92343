// The design form, generated from the engine's field table: each numeric
// field a labelled text box with the Atelier's words, its range and unit
// from the table, its problem shown beside it; the design's other choices
// (unit, temperament, strings, shapes) as lists and boxes.
import type { NumberField, Vocabulary } from './engine';
import {
  type DesignObject, type Unit, fromMillimetres, numberText, readNumber, setValueAt,
  toMillimetres, unitOf, valueAt,
} from './design';
import { language, say } from './words';

export interface FormHost {
  design(): DesignObject;
  // Applies an edit to a copy of the design and recomputes; `field` names
  // the key edited, so that quick typing in one box is one undo step.
  edit(change: (design: DesignObject) => void, field: string): void;
  openScala(file: File): void;
}

// Where each field of the table goes, and the Atelier's label for it.
const sections: [string, string[]][] = [
  ['Diapason', ['bass_length', 'treble_length']],
  ['Touche', ['frets', 'strings', 'nut_width', 'bridge_spacing', 'nut_overhang',
    'last_fret_overhang', 'radius_nut', 'radius_last_fret', 'zero_fret', 'board_end']],
  ['Compensation', ['nut_setback_bass', 'nut_setback_treble', 'saddle_setback_bass',
    'saddle_setback_treble']],
  ['Cordes', ['reference_a4_hz', 'action.nut_clearance_mm', 'action.saddle_height_mm',
    'action.relief_mm', 'action.fretting_distance_mm', 'compensation.fit_frets']],
  ['Découpe (laser, CNC)', ['cut.slot_width', 'cut.extend_frets', 'cut.marker_diameter']],
  ['Programme de rainurage', ['router.tool_diameter', 'router.slot_depth', 'router.pass_depth',
    'router.feed', 'router.plunge_feed', 'router.safe_z', 'router.binding_margin',
    'router.bed_length']],
];

const labels: Record<string, string> = {
  bass_length: 'Diapason', treble_length: 'Diapason aigu', frets: 'Frettes', strings: 'Cordes',
  nut_width: 'Largeur au sillet', bridge_spacing: 'Écartement au chevalet',
  nut_overhang: 'Débord au sillet', last_fret_overhang: 'Débord à la dernière frette',
  radius_nut: 'Rayon au sillet (0 : plate)', radius_last_fret: 'Rayon à la dernière frette',
  zero_fret: 'Sillet derrière une frette zéro (0 : sans)',
  board_end: 'Fin après la dernière frette (0 : à la frette)',
  nut_setback_bass: 'Sillet, corde grave', nut_setback_treble: 'Sillet, corde aiguë',
  saddle_setback_bass: 'Chevalet, corde grave', saddle_setback_treble: 'Chevalet, corde aiguë',
  reference_a4_hz: 'La 4 (A4)', 'action.nut_clearance_mm': 'Au sillet',
  'action.saddle_height_mm': 'Au chevalet', 'action.relief_mm': 'Creux',
  'compensation.fit_frets': 'Frettes ajustées, 1 à',
  'cut.slot_width': 'Largeur des fentes (0 : aucune)', 'cut.extend_frets': 'Prolonger les frettes de',
  'cut.marker_diameter': 'Diamètre des repères', 'router.tool_diameter': 'Diamètre de la fraise',
  'router.slot_depth': 'Profondeur des fentes', 'router.pass_depth': 'Profondeur par passe',
  'router.feed': 'Avance (%1)', 'router.plunge_feed': 'Avance en plongée (%1)',
  'router.safe_z': 'Hauteur de dégagement',
  'router.binding_margin': 'Marge des filets (0 : traversantes)',
  'router.bed_length': 'Course en X (0 : toute la touche)',
};

const unitNames: [Unit, string][] = [
  ['mm', 'millimètres (mm)'], ['cm', 'centimètres (cm)'], ['in', 'pouces (in)'],
];

let serial = 0;

export class DesignForm {
  readonly element = document.createElement('form');
  private readonly texts = new Map<string, string>(); // what was typed, per key
  private readonly problems = new Map<string, HTMLElement>();
  private readonly refreshers: (() => void)[] = [];
  private fanned = false;

  constructor(private readonly host: FormHost, private readonly vocabulary: Vocabulary) {
    this.element.className = 'design-form';
    this.element.addEventListener('submit', (event) => event.preventDefault());
    const design = host.design();
    this.fanned = valueAt(design, 'bass_length') !== valueAt(design, 'treble_length')
      || Array.isArray(design.string_lengths);
    this.build();
    this.refresh();
  }

  // The design was replaced (undo, a file, a link): every box shows it.
  replaced(): void {
    this.texts.clear();
    const design = this.host.design();
    this.fanned = valueAt(design, 'bass_length') !== valueAt(design, 'treble_length')
      || Array.isArray(design.string_lengths);
    this.refresh();
  }

  refresh(): void {
    for (const refresh of this.refreshers) refresh();
  }

  // The engine's problem beside its field; every other field cleared.
  // False when no field of the form holds it.
  showProblem(field: string | undefined, message: string): boolean {
    let shown = false;
    for (const [key, element] of this.problems) {
      const here = field !== undefined && (key === field || field.startsWith(key + '.'));
      element.textContent = here ? message : '';
      element.hidden = !here;
      element.closest('.row')?.classList.toggle('invalid', here);
      element.closest('.row')?.querySelector('input,select')
        ?.setAttribute('aria-invalid', here ? 'true' : 'false');
      shown ||= here;
    }
    return shown;
  }

  private fieldset(legend: string): HTMLFieldSetElement {
    const fieldset = document.createElement('fieldset');
    const title = document.createElement('legend');
    title.textContent = say(legend);
    fieldset.append(title);
    this.element.append(fieldset);
    return fieldset;
  }

  // A labelled row: label, control, and the place for its problem.
  private row(parent: HTMLElement, label: string, control: HTMLElement, key: string): HTMLElement {
    const id = `field-${++serial}`;
    control.id = id;
    const row = document.createElement('div');
    row.className = 'row';
    row.dataset.key = key;
    const caption = document.createElement('label');
    caption.htmlFor = id;
    caption.textContent = label;
    const problem = document.createElement('p');
    problem.className = 'problem';
    problem.id = `${id}-problem`;
    problem.hidden = true;
    problem.setAttribute('role', 'alert');
    control.setAttribute('aria-describedby', problem.id);
    if (control instanceof HTMLInputElement && control.type === 'checkbox') {
      row.classList.add('check');
      row.append(control, caption, problem);
    } else {
      row.append(caption, control, problem);
    }
    parent.append(row);
    if (!this.problems.has(key)) this.problems.set(key, problem);
    return row;
  }

  private select(parent: HTMLElement, label: string, key: string, options: [string, string][],
    read: (design: DesignObject) => string, write: (design: DesignObject, value: string) => void,
    shown: (design: DesignObject) => boolean = () => true): HTMLSelectElement {
    const select = document.createElement('select');
    for (const [value, text] of options) select.add(new Option(text, value));
    const row = this.row(parent, label, select, key);
    select.addEventListener('change', () => this.host.edit((d) => write(d, select.value), key));
    this.refreshers.push(() => {
      const design = this.host.design();
      select.value = read(design);
      row.hidden = !shown(design);
    });
    return select;
  }

  private check(parent: HTMLElement, label: string, key: string,
    read: (design: DesignObject) => boolean, write: (design: DesignObject, on: boolean) => void,
    shown: (design: DesignObject) => boolean = () => true): void {
    const box = document.createElement('input');
    box.type = 'checkbox';
    const row = this.row(parent, label, box, key);
    box.addEventListener('change', () => this.host.edit((d) => write(d, box.checked), key));
    this.refreshers.push(() => {
      const design = this.host.design();
      box.checked = read(design);
      row.hidden = !shown(design);
    });
  }

  private text(parent: HTMLElement, label: string, key: string,
    read: (design: DesignObject) => string,
    write: (design: DesignObject, text: string) => string | undefined,
    shown: (design: DesignObject) => boolean = () => true,
    { hint = '', keys = 'text' }: { hint?: string; keys?: 'text' | 'decimal' | 'numeric' } = {}): void {
    const input = document.createElement('input');
    input.type = 'text';
    input.autocomplete = 'off';
    input.spellcheck = false;
    // A phone offers the keys the field takes.
    input.inputMode = keys;
    if (hint) input.title = hint;
    const row = this.row(parent, label, input, key);
    input.addEventListener('input', () => {
      this.texts.set(key, input.value);
      let refused: string | undefined;
      this.host.edit((d) => { refused = write(d, input.value); }, key);
      if (refused !== undefined) this.showProblem(key, refused);
    });
    this.refreshers.push(() => {
      const design = this.host.design();
      if (document.activeElement !== input || !this.texts.has(key))
        input.value = this.texts.get(key) ?? read(design);
      row.hidden = !shown(design);
    });
  }

  // Numbers shown as the page's language writes them (typed either way).
  private separator(): string {
    return language() === 'fr' ? ',' : '.';
  }

  private numberField(parent: HTMLElement, field: NumberField): void {
    const unitText = (design: DesignObject) => unitOf(design);
    const isLength = field.quantity === 'length' || field.quantity === 'feed';
    const label = (design: DesignObject) => {
      let words = labels[field.key] ? say(labels[field.key], `${unitText(design)}/min`) : field.name;
      if (field.key === 'bass_length' && this.fanned) words = say('Diapason grave');
      return words;
    };
    const shown = (design: DesignObject) => {
      if (field.key === 'treble_length') return this.fanned;
      if (field.key.startsWith('action.') || field.key === 'reference_a4_hz'
        || field.key === 'compensation.fit_frets')
        return Array.isArray(design.string_set);
      return true;
    };
    this.text(parent, '', field.key,
      (design) => {
        const value = valueAt(design, field.key);
        const number = typeof value === 'number' ? value : field.default;
        return isLength
          ? numberText(fromMillimetres(number, unitOf(design)), this.separator())
          : numberText(number, this.separator());
      },
      (design, typed) => {
        const value = readNumber(typed.trim() === '' && field.optional ? '0' : typed);
        if (value === undefined) return say('« %1 » n\'est pas un nombre', typed);
        if (field.quantity === 'count' && !Number.isInteger(value))
          return say('« %1 » n\'est pas un nombre', typed);
        const stored = isLength ? toMillimetres(value, unitOf(design)) : value;
        setValueAt(design, field.key, stored);
        if (field.key === 'bass_length' && !this.fanned) setValueAt(design, 'treble_length', stored);
        return undefined;
      // (a phone's decimal pad has no minus sign: signed fields get the full keyboard)
      }, shown, { keys: field.low < 0 ? 'text' : field.quantity === 'count' ? 'numeric' : 'decimal' });
    const row = parent.lastElementChild as HTMLElement;
    const caption = row.querySelector('label')!;
    this.refreshers.push(() => { caption.textContent = label(this.host.design()); });
  }

  private build(): void {
    const fields = new Map(this.vocabulary.fields.map((field) => [field.key, field]));
    const numbers = (parent: HTMLElement, keys: string[]) => {
      for (const key of keys) {
        const field = fields.get(key);
        if (field) this.numberField(parent, field);
      }
    };
    const [lengths, board, compensation, strings, cut, router] = sections;

    const lengthBox = this.fieldset(lengths[0]);
    this.select(lengthBox, say('Unité'), 'unit',
      unitNames.map(([unit, name]) => [unit, say(name)]),
      (d) => unitOf(d), (d, unit) => { d.unit = unit; this.texts.clear(); });
    this.check(lengthBox, say('Touche en éventail'), 'fanned', () => this.fanned, (d, on) => {
      this.fanned = on;
      if (!on) {
        d.treble_length = d.bass_length;
        d.perpendicular_fret = 0;
        delete d.string_lengths;
      }
    });
    numbers(lengthBox, lengths[1]);
    const perpendicular = this.select(lengthBox, say('Frette perpendiculaire'), 'perpendicular_fret', [],
      (d) => String(d.perpendicular_fret ?? 0), (d, value) => { d.perpendicular_fret = Number(value); },
      () => this.fanned);
    this.refreshers.unshift(() => {
      const frets = Number(this.host.design().frets ?? 24);
      perpendicular.replaceChildren(new Option(say('sillet'), '0'));
      for (let fret = 1; fret <= frets; ++fret)
        perpendicular.add(new Option(say('frette %1', String(fret)), String(fret)));
      perpendicular.add(new Option(say('chevalet'), '-1'));
    });
    this.text(lengthBox, say('Diapason de chaque corde'), 'string_lengths',
      (d) => Array.isArray(d.string_lengths)
        ? (d.string_lengths as number[]).map((mm) => numberText(fromMillimetres(mm, unitOf(d)), this.separator())).join('; ')
        : '',
      (d, typed) => {
        if (typed.trim() === '') { delete d.string_lengths; return undefined; }
        const values = typed.split(';').map((part) => readNumber(part));
        const bad = typed.split(";").find((_part, i) => values[i] === undefined);
        if (bad !== undefined) return say('« %1 » n\'est pas un nombre', bad.trim());
        d.string_lengths = values.map((value) => toMillimetres(value!, unitOf(d)));
        return undefined;
      }, () => this.fanned, { hint: say('Du grave à l\'aigu, séparés par des points-virgules, pour un '
        + 'éventail non linéaire ; vide : répartis entre le diapason grave et l\'aigu') });

    this.temperament();

    const boardBox = this.fieldset(board[0]);
    numbers(boardBox, board[1]);
    this.select(boardBox, say('Écartement des cordes'), 'spacing',
      [['centres', say('centres égaux')], ['gaps', say('vides égaux (d\'après les calibres)')]],
      (d) => String(d.spacing ?? 'centres'), (d, value) => { d.spacing = value; });
    this.select(boardBox, say('Forme de la fin'), 'board_end_shape',
      [['square', say('d\'équerre')], ['round', say('en arc')]],
      (d) => String(d.board_end_shape ?? 'square'), (d, value) => { d.board_end_shape = value; });
    this.check(boardBox, say('Touche de gaucher'), 'left_handed', (d) => d.left_handed === true,
      (d, on) => { if (on) d.left_handed = true; else delete d.left_handed; });

    const compensationBox = this.fieldset(compensation[0]);
    numbers(compensationBox, compensation[1]);

    this.strings(strings);

    const cutBox = this.fieldset(cut[0]);
    numbers(cutBox, cut[1]);
    this.check(cutBox, say('Repères de touche'), 'cut.markers', (d) => valueAt(d, 'cut.markers') === true,
      (d, on) => setValueAt(d, 'cut.markers', on));
    this.check(cutBox, say('Traits fins dans le SVG (0,025 mm)'), 'cut.hairline',
      (d) => valueAt(d, 'cut.hairline') === true, (d, on) => setValueAt(d, 'cut.hairline', on));

    const routerBox = this.fieldset(router[0]);
    numbers(routerBox, router[1]);
    this.select(routerBox, say('Origine'), 'router.origin',
      [['nut-centre', say('Milieu du sillet')], ['nut-bass-corner', say('Sillet, côté graves')]],
      (d) => String(valueAt(d, 'router.origin') ?? 'nut-centre'),
      (d, value) => setValueAt(d, 'router.origin', value));
    this.check(routerBox, say('Fentes sous la touche bombée'), 'router.follow_radius',
      (d) => valueAt(d, 'router.follow_radius') === true,
      (d, on) => setValueAt(d, 'router.follow_radius', on ? true : undefined));
  }

  private temperament(): void {
    const box = this.fieldset('Tempérament');
    const choices: [string, string][] = [
      ...this.vocabulary.classic_scales.map((s): [string, string] => [`classic:${s.name}`, s.title]),
      ['equal:', say('Divisions égales de la période')],
      ...this.vocabulary.tables.map((t): [string, string] => [`builtin:${t.name}`, t.title]),
      ['scala:', say('Fichier Scala…')],
    ];
    const temperamentOf = (d: DesignObject) => (d.temperament ?? {}) as DesignObject;
    const kind = (d: DesignObject) => String(temperamentOf(d).kind ?? 'equal');
    const diatonic = (d: DesignObject) => kind(d) === 'classic' && this.vocabulary.classic_scales
      .some((s) => s.name === temperamentOf(d).scale && s.diatonic);
    this.select(box, say('Tempérament'), 'temperament', choices, (d) => {
      const t = temperamentOf(d);
      return t.kind === 'classic' ? `classic:${t.scale}` : t.kind === 'builtin' ? `builtin:${t.table}`
        : `${String(t.kind)}:`;
    }, (d, value) => {
      const [chosen, name] = value.split(':');
      const before = temperamentOf(d);
      if (chosen === 'classic') d.temperament = { kind: 'classic', scale: name, mode: before.mode ?? 'do' };
      else if (chosen === 'builtin') d.temperament = { kind: 'builtin', table: name };
      else if (chosen === 'equal') d.temperament = { kind: 'equal', divisions: 12, period: '2/1' };
      else if (chosen === 'scala') {
        if (before.kind !== 'scala') this.scalaInput.click();
      }
    });
    this.select(box, say('Mode'), 'temperament.mode', [['sol', say('Sol')], ['do', say('Do')]],
      (d) => String(temperamentOf(d).mode ?? 'do'),
      (d, value) => { temperamentOf(d).mode = value; }, diatonic);
    this.text(box, say('Divisions'), 'temperament.divisions',
      (d) => String(temperamentOf(d).divisions ?? 12),
      (d, typed) => {
        const value = readNumber(typed);
        if (value === undefined || !Number.isInteger(value)) return say('« %1 » n\'est pas un nombre', typed);
        temperamentOf(d).divisions = value;
        return undefined;
      }, (d) => kind(d) === 'equal', { keys: 'numeric' });
    this.text(box, say('Période'), 'temperament.period', (d) => String(temperamentOf(d).period ?? '2/1'),
      (d, typed) => { temperamentOf(d).period = typed.trim(); return undefined; },
      (d) => kind(d) === 'equal',
      { hint: say('Un rapport (2/1 pour l\'octave, 3/1 pour la douzième) ou des cents (1200.0)') });
    this.scalaInput.type = 'file';
    this.scalaInput.accept = '.scl,text/plain';
    this.scalaInput.addEventListener('change', () => {
      const file = this.scalaInput.files?.[0];
      if (file) this.host.openScala(file);
      this.scalaInput.value = '';
    });
    const scalaRow = this.row(box, say('Fichier Scala'), this.scalaInput, 'temperament.content');
    this.refreshers.push(() => { scalaRow.hidden = kind(this.host.design()) !== 'scala'; });
    this.select(box, say('Note à vide'), 'open_note',
      this.vocabulary.notes.map((note): [string, string] => [note.file, note.name]),
      (d) => String(d.open_note ?? 'Mi'), (d, note) => { d.open_note = note; },
      (d) => kind(d) !== 'classic');
  }

  private readonly scalaInput = document.createElement('input');

  private strings(section: [string, string[]]): void {
    const box = this.fieldset(section[0]);
    const sets = this.vocabulary.string_sets;
    this.select(box, say('Jeu'), 'string_set',
      [['', say('— choisir un jeu —')], ...sets.map((s): [string, string] => [s.name, s.title])],
      (d) => {
        const items = (d.string_set as { item?: string }[] | undefined)?.map((s) => s.item).join(' ');
        return sets.find((s) => s.items.join(' ') === items)?.name ?? '';
      },
      (d, name) => {
        const set = sets.find((s) => s.name === name);
        if (!set) {
          for (const key of ['string_set', 'tuning', 'compensation', 'action', 'reference_a4_hz'])
            delete d[key];
          return;
        }
        d.string_set = set.items.map((item) => ({ item }));
        d.tuning = [...set.tuning];
        d.strings = set.items.length;
        d.reference_a4_hz ??= 440;
        d.compensation ??= { mode: 'computed', fretlets: false };
      });
    const hasStrings = (d: DesignObject) => Array.isArray(d.string_set);
    this.text(box, say('Accord (du grave à l\'aigu)'), 'tuning',
      (d) => ((d.tuning as string[] | undefined) ?? []).join(' '),
      (d, typed) => { d.tuning = typed.split(/[\s,;]+/).filter((p) => p !== ''); return undefined; },
      hasStrings);
    {
      const fields = new Map(this.vocabulary.fields.map((field) => [field.key, field]));
      for (const key of section[1]) {
        const field = fields.get(key);
        if (field) this.numberField(box, field);
      }
    }
    this.select(box, say('Compensation'), 'compensation.mode',
      [['none', say('Aucune')], ['manual', say('Manuelle (reculs du dessin)')],
        ['computed', say('Calculée d\'après les cordes')]],
      (d) => String(valueAt(d, 'compensation.mode') ?? 'none'),
      (d, value) => setValueAt(d, 'compensation.mode', value), hasStrings);
    this.select(box, say('Chevalet'), 'compensation.straight_saddle',
      [['', say('un recul par corde')], ['one', say('droit')], ['two-piece', say('en deux pièces (filées, lisses)')]],
      (d) => String(valueAt(d, 'compensation.straight_saddle') ?? ''),
      (d, value) => setValueAt(d, 'compensation.straight_saddle', value === '' ? undefined : value),
      hasStrings);
    this.check(box, say('Une frette par corde'), 'compensation.fretlets',
      (d) => valueAt(d, 'compensation.fretlets') === true,
      (d, on) => setValueAt(d, 'compensation.fretlets', on), hasStrings);
  }
}
