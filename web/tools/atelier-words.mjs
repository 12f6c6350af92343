// The Atelier's words in English, read from its Qt Linguist file, so that
// the page labels its fields exactly as the Atelier does in both
// languages. Writes src/generated/atelier-words.json: { French: English }.
import { readFileSync, writeFileSync, mkdirSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';

const here = dirname(fileURLToPath(import.meta.url));
const source = join(here, '../../source/ui/atelier/translations/corvane-atelier_en.ts');
const target = join(here, '../src/generated/atelier-words.json');

const entities = { amp: '&', lt: '<', gt: '>', quot: '"', apos: "'" };
const unescape = (text) => text.replace(/&(amp|lt|gt|quot|apos);/g, (_, name) => entities[name]);
// A label as it reads without its keyboard mnemonic ("Frette&s :" -> "Frettes").
const plain = (text) =>
    unescape(text).replace(/&(&?)/g, (_, double) => double).replace(/\s*:\s*$/, '').trim();

const words = {};
const message = /<message>\s*<source>([\s\S]*?)<\/source>\s*<translation>([\s\S]*?)<\/translation>/g;
for (const [, french, english] of readFileSync(source, 'utf8').matchAll(message))
    if (english.trim()) words[plain(french)] = plain(english);
mkdirSync(dirname(target), { recursive: true });
writeFileSync(target, JSON.stringify(words, null, 1) + '\n');
