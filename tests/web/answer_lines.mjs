// The WebAssembly module under Node, as the page loads it: one JSON request
// per line on the standard input, one answer per line on the standard
// output (the native twin is corvane-answer-lines).
// Usage: node answer_lines.mjs DIR (the folder of corvane-engine.mjs)
import { readFileSync } from 'node:fs';
import { createInterface } from 'node:readline';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { createRequire } from 'node:module';

const folder = process.argv[2];
// emscripten 3.1.6's ES module still looks for CommonJS's names under Node.
globalThis.require = createRequire(import.meta.url);
globalThis.__dirname = folder;
const { default: CorvaneEngine } = await import(pathToFileURL(join(folder, 'corvane-engine.mjs')));
// Node has fetch() but cannot fetch a file: the module gets its bytes.
const engine = await CorvaneEngine({ wasmBinary: readFileSync(join(folder, 'corvane-engine.wasm')) });
const answer = engine.cwrap('corvane_answer', 'string', ['string']);

const out = [];
for await (const line of createInterface({ input: process.stdin, crlfDelay: Infinity }))
    out.push(answer(line));
process.stdout.write(out.length ? out.join('\n') + '\n' : '');
