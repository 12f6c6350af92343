// Corvane in the browser: the Atelier's form, drawing and workshop table,
// computed by the engines compiled to WebAssembly. Nothing leaves the page.
import './style.css';
import { Engine, type EngineAnswer, type LanguageCode, type Output, type PaperName, type Vocabulary, type WorkshopTable } from './engine';
import { type DesignObject, copyOf } from './design';
import { DesignForm } from './form';
import { DrawingView } from './drawing-view';
import { History, designOfFragment, fragmentOf, storeDesign, storedDesign } from './share';
import { browserLanguage, say, setLanguage } from './words';

const languageKey = 'corvane.language';
// A design is a few kilobytes: a larger file is not one (as the Atelier).
const largestDesignBytes = 16 * 1024 * 1024;

function today(): string {
  const now = new Date();
  const two = (n: number) => String(n).padStart(2, '0');
  return `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`;
}

function element<K extends keyof HTMLElementTagNameMap>(tag: K, attributes: Record<string, string> = {},
  text = ''): HTMLElementTagNameMap[K] {
  const made = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, value);
  if (text) made.textContent = text;
  return made;
}

// A table of the engine's, as the command prints it: its headings, its
// figures, numbers aligned right.
function tableOf(source: WorkshopTable | undefined, title: string): HTMLTableElement {
  const table = element('table');
  table.append(element('caption', {}, title));
  const right = source?.right ?? [];
  const head = element('tr');
  (source?.headings ?? []).forEach((heading, i) =>
    head.append(element('th', { scope: 'col', class: right[i] ? 'number' : '' }, heading)));
  const thead = element('thead');
  thead.append(head);
  const tbody = element('tbody');
  for (const row of source?.rows ?? []) {
    const line = element('tr');
    row.forEach((cell, i) => line.append(element('td', { class: right[i] ? 'number' : '' }, cell)));
    tbody.append(line);
  }
  table.append(thead, tbody);
  return table;
}

class Page {
  private vocabulary!: Vocabulary;
  private design!: DesignObject;
  private form!: DesignForm;
  private readonly history = new History();
  private drawing!: DrawingView;
  private lastGood: EngineAnswer | undefined;
  private fragmentTimer = 0;
  private readonly root = document.getElementById('app')!;

  constructor(private readonly engine: Engine, private language: LanguageCode) {}

  async start(): Promise<void> {
    this.vocabulary = this.engine.vocabulary(this.language);
    const linked = await designOfFragment(location.hash);
    const first = [linked, storedDesign()].find((text) => text !== undefined && this.usable(text));
    this.design = JSON.parse(first ?? this.vocabulary.default_design) as DesignObject;
    this.history.reset(this.designText());
    performance.mark('corvane-design-chosen');
    this.build();
    performance.mark('corvane-form-built');
    this.compute('');
    window.addEventListener('hashchange', () => void this.followLink());
  }

  private usable(text: string): boolean {
    return this.engine.answer({ design: text, language: this.language, separator: '.', date: today(),
      want: [] }).problem === undefined;
  }

  private designText(): string {
    return JSON.stringify(this.design, null, 2);
  }

  private separator(): '.' | ',' {
    return this.language === 'fr' ? ',' : '.';
  }

  private ask(want: Output[]): EngineAnswer {
    return this.engine.answer({ design: this.designText(), language: this.language,
      separator: this.separator(), date: today(), want });
  }

  private build(): void {
    setLanguage(this.language);
    document.title = say('Corvane');
    this.root.replaceChildren();

    const header = element('header');
    header.append(element('h1', {}, 'Corvane'));
    const tools = element('div', { class: 'tools', role: 'toolbar', 'aria-label': say('Fichiers') });
    const button = (text: string, action: () => void, name = text) => {
      const made = element('button', { type: 'button', 'data-name': name }, text);
      made.addEventListener('click', action);
      tools.append(made);
      return made;
    };
    this.undoButton = button(say('Annuler'), () => this.undo(), 'undo');
    this.redoButton = button(say('Rétablir'), () => this.redo(), 'redo');
    button(say('Ouvrir un dessin…'), () => this.openInput.click(), 'open');
    button(say('Enregistrer le dessin'), () => this.download('design'), 'design');
    for (const [text, format] of [['SVG', 'svg'], ['DXF', 'dxf'], ['G-code', 'gcode'], ['CSV', 'csv']] as const)
      button(text, () => this.download(format), format);
    button('PDF', () => void this.downloadPdf(), 'pdf');
    this.paper = element('select', { 'aria-label': say('Papier du PDF') });
    for (const [name, text] of [['a4', 'A4'], ['letter', 'Letter'], ['a3', 'A3'], ['legal', 'Legal']])
      this.paper.add(new Option(text, name));
    tools.append(this.paper);
    button(say('Copier le lien'), () => void this.copyLink(), 'link');
    const languages = element('select', { 'aria-label': say('Langue') });
    languages.add(new Option('Français', 'fr'));
    languages.add(new Option('English', 'en'));
    languages.value = this.language;
    languages.addEventListener('change', () => this.switchLanguage(languages.value as LanguageCode));
    const languageLabel = element('label', { class: 'language' }, say('Langue') + ' ');
    languageLabel.append(languages);
    tools.append(languageLabel);
    header.append(tools);

    this.openInput = element('input', { type: 'file', accept: '.corvane,application/json', hidden: '' });
    this.openInput.addEventListener('change', () => {
      const file = this.openInput.files?.[0];
      if (file) void this.openDesign(file);
      this.openInput.value = '';
    });
    header.append(this.openInput);
    this.banner = element('p', { class: 'banner', role: 'status', 'aria-live': 'polite' });
    header.append(this.banner);

    this.form = new DesignForm({
      design: () => this.design,
      edit: (change, field) => {
        const edited = copyOf(this.design);
        change(edited);
        this.design = edited;
        this.compute(field);
      },
      openScala: (file) => void this.openScala(file),
    }, this.vocabulary);

    const main = element('main');
    const formPane = element('section', { class: 'form-pane', 'aria-label': say('Dessin de la touche') });
    formPane.append(this.form.element);
    const viewPane = element('section', { class: 'view-pane' });
    this.drawing = new DrawingView(say('Dessin de la touche'));
    const zoom = element('div', { class: 'zoom' });
    for (const [text, action] of [['+', () => this.drawing.zoom(1.25)], ['−', () => this.drawing.zoom(0.8)],
      [say('Tout voir'), () => this.drawing.fit()]] as const) {
      const made = element('button', { type: 'button' }, text);
      made.addEventListener('click', action);
      zoom.append(made);
    }
    zoom.children[0].setAttribute('aria-label', say('Agrandir'));
    zoom.children[1].setAttribute('aria-label', say('Réduire'));
    this.stale = element('p', { class: 'stale', hidden: '' }, say('Le dessin montre le dernier dessin valable.'));
    this.notices = element('ul', { class: 'notices' });
    const tabs = element('div', { role: 'tablist', class: 'tabs' });
    this.tablePanel = element('div', { role: 'tabpanel', class: 'panel', id: 'workshop' });
    this.stringsPanel = element('div', { role: 'tabpanel', class: 'panel', hidden: '' });
    this.chartPanel = element('div', { role: 'tabpanel', class: 'panel', hidden: '' });
    const panels = [this.tablePanel, this.stringsPanel, this.chartPanel];
    const tab = (text: string, panel: HTMLElement) => {
      const made = element('button', { type: 'button', role: 'tab',
        'aria-selected': String(panel === this.tablePanel) }, text);
      made.addEventListener('click', () => {
        for (const other of tabs.children) other.setAttribute('aria-selected', String(other === made));
        for (const other of panels) other.hidden = other !== panel;
      });
      tabs.append(made);
    };
    tab(say('Tableau d\'atelier'), this.tablePanel);
    tab(say('Cordes'), this.stringsPanel);
    tab(say('Courbe de justesse'), this.chartPanel);
    viewPane.append(zoom, this.drawing.element, this.stale, this.notices, tabs, ...panels);
    main.append(formPane, viewPane);
    const footer = element('footer', {}, say('Calculs faits dans cette page, rien n\'est envoyé.'));
    this.root.append(header, main, footer);

    document.addEventListener('dragover', (event) => event.preventDefault());
    document.addEventListener('drop', (event) => {
      event.preventDefault();
      const file = event.dataTransfer?.files?.[0];
      if (file) void this.openDesign(file);
    });
    document.onkeydown = (event) => {
      const typing = event.target instanceof HTMLInputElement && event.target.type === 'text';
      if (!(event.ctrlKey || event.metaKey) || typing) return;
      const key = event.key.toLowerCase();
      if (key === 'z' && !event.shiftKey) { event.preventDefault(); this.undo(); }
      if ((key === 'z' && event.shiftKey) || key === 'y') { event.preventDefault(); this.redo(); }
    };
  }

  private paper!: HTMLSelectElement;
  private undoButton!: HTMLButtonElement;
  private redoButton!: HTMLButtonElement;
  private openInput!: HTMLInputElement;
  private banner!: HTMLElement;
  private stale!: HTMLElement;
  private notices!: HTMLElement;
  private tablePanel!: HTMLElement;
  private stringsPanel!: HTMLElement;
  private chartPanel!: HTMLElement;

  // The design as it stands, computed; a problem marked beside its field,
  // the last valid design left drawn.
  private compute(field: string): void {
    const answer = this.ask(['table', 'strings', 'svg', 'chart']);
    this.form.refresh();
    if (answer.failed) {
      this.banner.textContent = say('Ce dessin n\'a pas pu être calculé.');
      this.stale.hidden = this.lastGood === undefined;
    } else if (answer.problem) {
      const { field: key, message } = answer.problem;
      const beside = this.form.showProblem(key, message);
      this.banner.textContent = beside ? '' : message;
      this.stale.hidden = this.lastGood === undefined;
    } else {
      this.form.showProblem(undefined, '');
      this.banner.textContent = '';
      this.stale.hidden = true;
      this.lastGood = answer;
      this.show(answer);
      const text = this.designText();
      this.history.record(text, field);
      storeDesign(text);
      window.clearTimeout(this.fragmentTimer);
      document.body.dataset.linked = 'false';
      this.fragmentTimer = window.setTimeout(() => void this.writeFragment(text), 300);
    }
    this.undoButton.disabled = !this.history.canUndo();
    this.redoButton.disabled = !this.history.canRedo();
  }

  private show(answer: EngineAnswer): void {
    if (answer.svg) this.drawing.show(answer.svg);
    this.notices.replaceChildren(...(answer.notices ?? []).map((notice) => element('li', {}, notice)));
    this.tablePanel.replaceChildren(tableOf(answer.table, answer.title ?? ''));
    this.stringsPanel.replaceChildren(answer.strings ? tableOf(answer.strings, say('Cordes'))
      : element('p', {}, say('Pas de cordes : choisissez un jeu.')));
    if (answer.chart) {
      const chart = new DOMParser().parseFromString(answer.chart, 'image/svg+xml').documentElement;
      chart.removeAttribute('width');
      chart.removeAttribute('height');
      this.chartPanel.replaceChildren(document.importNode(chart, true));
    } else {
      this.chartPanel.replaceChildren(element('p', {}, say('Pas de courbe de justesse sans cordes.')));
    }
  }

  private async writeFragment(text: string): Promise<void> {
    const fragment = await fragmentOf(text);
    if (location.hash !== fragment) history.replaceState(null, '', fragment);
    // The address now carries the design as it stands.
    if (text === this.designText()) document.body.dataset.linked = 'true';
  }

  private async followLink(): Promise<void> {
    const linked = await designOfFragment(location.hash);
    if (linked === undefined || linked === this.designText() || !this.usable(linked)) return;
    this.replaceDesign(linked);
  }

  private replaceDesign(text: string): void {
    this.design = JSON.parse(text) as DesignObject;
    this.form.replaced();
    this.compute('');
  }

  private undo(): void {
    const state = this.history.undo();
    if (state !== undefined) this.replaceDesign(state);
  }

  private redo(): void {
    const state = this.history.redo();
    if (state !== undefined) this.replaceDesign(state);
  }

  private switchLanguage(language: LanguageCode): void {
    this.language = language;
    try { localStorage.setItem(languageKey, language); } catch { /* not kept */ }
    this.vocabulary = this.engine.vocabulary(language);
    this.build();
    this.compute('');
  }

  private fileName(extension: string): string {
    return (this.language === 'fr' ? 'touche' : 'fretboard') + extension;
  }

  private download(format: 'svg' | 'dxf' | 'gcode' | 'csv' | 'design'): void {
    const answer = this.ask([format]);
    if (answer.problem) {
      this.banner.textContent = answer.problem.message;
      return;
    }
    const save = (text: string, name: string, type: string) => this.save(new Blob([text], { type }), name);
    if (format === 'gcode') {
      if (answer.gcode_problem) {
        this.banner.textContent = answer.gcode_problem.message;
        return;
      }
      const parts = answer.gcode ?? [];
      // A board longer than the router's bed: one program per part, each whole.
      parts.forEach((text, i) => save(text,
        this.fileName(parts.length === 1 ? '.nc' : `-${i + 1}.nc`), 'text/plain'));
      return;
    }
    const files = {
      svg: [answer.svg, '.svg', 'image/svg+xml'], dxf: [answer.dxf, '.dxf', 'application/dxf'],
      csv: [answer.csv, '.csv', 'text/csv'], design: [answer.design, '.corvane', 'application/json'],
    } as const;
    const [text, extension, type] = files[format];
    if (text !== undefined) save(text, this.fileName(extension), type);
  }

  // The tiled template at true size, on the paper chosen.
  private async downloadPdf(): Promise<void> {
    const answer = this.engine.answer({ design: this.designText(), language: this.language,
      separator: this.separator(), date: today(), paper: this.paper.value as PaperName, want: ['pdf'] });
    const pages = answer.pdf;
    if (answer.problem || !pages || 'problem' in pages) {
      this.banner.textContent = answer.problem?.message ?? (pages && 'problem' in pages ? pages.problem.message : '');
      return;
    }
    // The PDF writer is loaded the first time a PDF is asked for.
    const { pdfBytes } = await import('./pdf');
    const bytes = await pdfBytes(pages, answer.title ?? 'Corvane');
    this.save(new Blob([bytes as BlobPart], { type: 'application/pdf' }), this.fileName('.pdf'));
  }

  private save(blob: Blob, name: string): void {
    const link = element('a', { href: URL.createObjectURL(blob), download: name });
    document.body.append(link);
    link.click();
    link.remove();
    window.setTimeout(() => URL.revokeObjectURL(link.href), 10000);
  }

  private async openDesign(file: File): Promise<void> {
    if (file.size > largestDesignBytes) {
      this.banner.textContent = say('Ce dessin ne peut pas être ouvert : %1', file.name);
      return;
    }
    const text = await file.text();
    const answer = this.engine.answer({ design: text, language: this.language, separator: this.separator(),
      date: today(), want: ['design'] });
    if (answer.problem || answer.design === undefined) {
      this.banner.textContent = say('Ce dessin ne peut pas être ouvert : %1', answer.problem?.message ?? file.name);
      return;
    }
    this.replaceDesign(answer.design);
  }

  private async openScala(file: File): Promise<void> {
    const content = await file.text();
    const edited = copyOf(this.design);
    edited.temperament = { kind: 'scala', file_name: file.name, content };
    this.design = edited;
    this.compute('temperament');
  }

  private async copyLink(): Promise<void> {
    const link = location.href.split('#')[0] + (await fragmentOf(this.designText()));
    try {
      await navigator.clipboard.writeText(link);
      this.banner.textContent = say('Lien copié');
    } catch {
      this.banner.textContent = link;
    }
  }
}

// Once loaded, the page opens again without a network: a service worker
// answers from copies of its files, the first copies taken here.
async function keepForOffline(): Promise<void> {
  if (!('serviceWorker' in navigator) || !('caches' in window)) return;
  try {
    await navigator.serviceWorker.register('offline.js');
    await import('./pdf'); // so that a PDF can be written offline too
    const ours = performance.getEntriesByType('resource').map((entry) => entry.name)
      .filter((name) => new URL(name).origin === location.origin);
    const cache = await caches.open('corvane');
    await cache.addAll([location.pathname, ...ours]);
    document.body.dataset.offline = 'ready';
  } catch {
    // not served from a secure origin, or storage refused: online only
  }
}

async function main(): Promise<void> {
  let language: LanguageCode = browserLanguage();
  try {
    const kept = localStorage.getItem(languageKey);
    if (kept === 'fr' || kept === 'en') language = kept;
  } catch { /* the browser's language then */ }
  const engine = await Engine.load();
  performance.mark('corvane-engine-loaded');
  await new Page(engine, language).start();
  performance.mark('corvane-ready');
  document.body.dataset.ready = 'true';
  void keepForOffline();
}

void main();
