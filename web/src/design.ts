// The design as the page holds it: the object of a .corvane file, edited
// key by key, lengths in millimetres. The engine reads it with the same
// checks as a file opened in the Atelier.

export type DesignObject = Record<string, unknown>;

export type Unit = 'mm' | 'cm' | 'in';

// As the engine converts (board/units): a product, never a quotient.
export const millimetresPer: Record<Unit, number> = { mm: 1, cm: 10, in: 25.4 };

export function toMillimetres(value: number, unit: Unit): number {
  return unit === 'mm' ? value : value * millimetresPer[unit];
}

export function fromMillimetres(mm: number, unit: Unit): number {
  return unit === 'mm' ? mm : mm / millimetresPer[unit];
}

// "action.relief_mm" -> the holder object and the name within it.
function place(design: DesignObject, key: string, create: boolean): [DesignObject | undefined, string] {
  const dot = key.indexOf('.');
  if (dot < 0) return [design, key];
  const object = key.slice(0, dot);
  if (!(object in design) && create) design[object] = {};
  return [design[object] as DesignObject | undefined, key.slice(dot + 1)];
}

export function valueAt(design: DesignObject, key: string): unknown {
  const [holder, name] = place(design, key, false);
  return holder?.[name];
}

export function setValueAt(design: DesignObject, key: string, value: unknown): void {
  const [holder, name] = place(design, key, true);
  if (!holder) return;
  if (value === undefined) delete holder[name];
  else holder[name] = value;
}

export function copyOf(design: DesignObject): DesignObject {
  return JSON.parse(JSON.stringify(design)) as DesignObject;
}

export function unitOf(design: DesignObject): Unit {
  const unit = design.unit;
  return unit === 'cm' || unit === 'in' ? unit : 'mm';
}

// A number as typed in either convention: "650", "25,5", "25.5".
export function readNumber(text: string): number | undefined {
  const trimmed = text.trim();
  if (!/^[+-]?(\d+([.,]\d*)?|[.,]\d+)$/.test(trimmed)) return undefined;
  const value = Number(trimmed.replace(',', '.'));
  return Number.isFinite(value) ? value : undefined;
}

// A number for a field, with the reader's decimal separator and no more
// decimals than it needs (at most `decimals`).
export function numberText(value: number, separator: string, decimals = 4): string {
  const text = String(Number(value.toFixed(decimals)));
  return separator === ',' ? text.replace('.', ',') : text;
}
