// Where a design lives besides the page: its address (the fragment,
// compressed, so that a link opens the same design anywhere), the
// browser's storage (the last design), and the history of edits.

const storageKey = 'corvane.design';

function toBase64Url(bytes: Uint8Array): string {
  let text = '';
  for (const byte of bytes) text += String.fromCharCode(byte);
  return btoa(text).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

function fromBase64Url(text: string): Uint8Array {
  const plain = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
  return Uint8Array.from(plain, (c) => c.charCodeAt(0));
}

async function through(bytes: Uint8Array, stream: CompressionStream | DecompressionStream): Promise<Uint8Array> {
  const piped = new Blob([bytes as BlobPart]).stream().pipeThrough(stream);
  return new Uint8Array(await new Response(piped).arrayBuffer());
}

export async function fragmentOf(designText: string): Promise<string> {
  const packed = await through(new TextEncoder().encode(designText), new CompressionStream('deflate-raw'));
  return `#d=${toBase64Url(packed)}`;
}

// The design a link carries, or nothing (no fragment, or not one of ours).
export async function designOfFragment(hash: string): Promise<string | undefined> {
  const match = /^#d=([A-Za-z0-9_-]+)$/.exec(hash);
  if (!match) return undefined;
  try {
    const bytes = await through(fromBase64Url(match[1]), new DecompressionStream('deflate-raw'));
    return new TextDecoder('utf-8', { fatal: true }).decode(bytes);
  } catch {
    return undefined;
  }
}

export function storedDesign(): string | undefined {
  try {
    return localStorage.getItem(storageKey) ?? undefined;
  } catch {
    return undefined; // storage refused (private windows)
  }
}

export function storeDesign(text: string): void {
  try {
    localStorage.setItem(storageKey, text);
  } catch {
    // a full or refused storage only loses the convenience
  }
}

// Undo and redo over whole designs. Edits to one field in quick succession
// are one step, as typing a number is one change.
export class History {
  private states: string[] = [];
  private index = -1;
  private lastField = '';
  private lastTime = 0;

  reset(state: string): void {
    this.states = [state];
    this.index = 0;
    this.lastField = '';
  }

  record(state: string, field: string): void {
    if (this.states[this.index] === state) return;
    const now = Date.now();
    const merge = field !== '' && field === this.lastField && now - this.lastTime < 1000
      && this.index > 0 && this.index === this.states.length - 1;
    this.states.splice(this.index + 1);
    if (merge) this.states[this.index] = state;
    else {
      this.states.push(state);
      this.index = this.states.length - 1;
    }
    this.lastField = field;
    this.lastTime = now;
  }

  canUndo(): boolean { return this.index > 0; }
  canRedo(): boolean { return this.index < this.states.length - 1; }

  undo(): string | undefined {
    if (!this.canUndo()) return undefined;
    this.lastField = '';
    return this.states[--this.index];
  }

  redo(): string | undefined {
    if (!this.canRedo()) return undefined;
    this.lastField = '';
    return this.states[++this.index];
  }
}
