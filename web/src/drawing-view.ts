// The board as the engine draws it (its SVG file, at true size in
// millimetres), with zoom and pan by wheel, drag, buttons and keys.

export class DrawingView {
  readonly element = document.createElement('div');
  private svg: SVGSVGElement | undefined;
  private full = { x: 0, y: 0, width: 1, height: 1 };
  private view = { ...this.full };

  constructor(label: string) {
    this.element.className = 'drawing';
    this.element.tabIndex = 0;
    this.element.setAttribute('role', 'img');
    this.element.setAttribute('aria-label', label);
    this.element.addEventListener('wheel', (event) => {
      event.preventDefault();
      const box = this.element.getBoundingClientRect();
      this.zoom(event.deltaY < 0 ? 1.25 : 0.8,
        (event.clientX - box.left) / box.width, (event.clientY - box.top) / box.height);
    }, { passive: false });
    let dragging: { x: number; y: number } | undefined;
    this.element.addEventListener('pointerdown', (event) => {
      dragging = { x: event.clientX, y: event.clientY };
      this.element.setPointerCapture(event.pointerId);
    });
    this.element.addEventListener('pointermove', (event) => {
      if (!dragging) return;
      const box = this.element.getBoundingClientRect();
      const scale = Math.max(this.view.width / box.width, this.view.height / box.height);
      this.pan(-(event.clientX - dragging.x) * scale, -(event.clientY - dragging.y) * scale);
      dragging = { x: event.clientX, y: event.clientY };
    });
    this.element.addEventListener('pointerup', () => { dragging = undefined; });
    this.element.addEventListener('keydown', (event) => {
      const step = 0.1;
      const keys: Record<string, () => void> = {
        '+': () => this.zoom(1.25), '=': () => this.zoom(1.25), '-': () => this.zoom(0.8),
        '0': () => this.fit(),
        ArrowLeft: () => this.pan(-this.view.width * step, 0),
        ArrowRight: () => this.pan(this.view.width * step, 0),
        ArrowUp: () => this.pan(0, -this.view.height * step),
        ArrowDown: () => this.pan(0, this.view.height * step),
      };
      const action = keys[event.key];
      if (action) {
        event.preventDefault();
        action();
      }
    });
  }

  show(svgText: string): void {
    const parsed = new DOMParser().parseFromString(svgText, 'image/svg+xml');
    const root = parsed.documentElement;
    if (!(root instanceof SVGSVGElement)) return;
    const [x, y, width, height] = (root.getAttribute('viewBox') ?? '0 0 1 1').split(/[\s,]+/).map(Number);
    const changed = width !== this.full.width || height !== this.full.height || x !== this.full.x || y !== this.full.y;
    root.removeAttribute('width');
    root.removeAttribute('height');
    root.setAttribute('preserveAspectRatio', 'xMidYMid meet');
    const svg = document.importNode(root, true) as SVGSVGElement;
    this.svg?.remove();
    this.svg = svg;
    this.element.append(svg);
    this.full = { x, y, width, height };
    if (changed) this.view = { ...this.full };
    this.apply();
  }

  zoom(factor: number, atX = 0.5, atY = 0.5): void {
    const width = Math.min(this.full.width * 4, Math.max(this.full.width / 200, this.view.width / factor));
    const height = width * (this.view.height / this.view.width);
    this.view = {
      x: this.view.x + (this.view.width - width) * atX,
      y: this.view.y + (this.view.height - height) * atY,
      width, height,
    };
    this.apply();
  }

  pan(dx: number, dy: number): void {
    this.view.x += dx;
    this.view.y += dy;
    this.apply();
  }

  fit(): void {
    this.view = { ...this.full };
    this.apply();
  }

  private apply(): void {
    this.svg?.setAttribute('viewBox', `${this.view.x} ${this.view.y} ${this.view.width} ${this.view.height}`);
  }
}
