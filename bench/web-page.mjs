// The web page's speed, against its targets: the page ready (engine
// loaded, form built, first design drawn) within 1 s, and one edit's
// recomputation (table, strings, drawing, chart) within 50 ms for a
// 24-fret six-string board with computed compensation, in Chromium; the
// module's answer alone, under Node, for comparison with the desktop.
//   node bench/web-page.mjs ADDRESS WASM_FOLDER NODE_MODULES [RUNS]
import { createRequire } from 'node:module';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

const [address, wasmFolder, nodeModules, runsText] = process.argv.slice(2);
const runs = Number(runsText ?? 10);
const require = createRequire(join(nodeModules, 'playwright-core', 'package.json'));
const { chromium } = require('playwright-core');
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];

const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-background-networking'] });
const ready = [];
let edits = [];
for (let run = 0; run < runs; ++run) {
  const context = await browser.newContext({ locale: 'en-US' });
  const page = await context.newPage();
  await page.goto(address);
  await page.waitForSelector('body[data-ready="true"]');
  ready.push(await page.evaluate(() => performance.getEntriesByName('corvane-ready')[0].startTime));
  if (run === 0) {
    await page.getByLabel('Set', { exact: true }).selectOption('light-electric-10-46');
    await page.getByLabel('Compensation', { exact: true }).selectOption('computed');
    edits = await page.evaluate(async () => {
      const input = [...document.querySelectorAll('label')].find((l) => l.textContent === 'Scale length').control;
      const times = [];
      for (let i = 0; i < 30; ++i) {
        const start = performance.now();
        input.value = String(640 + i);
        input.dispatchEvent(new Event('input'));
        times.push(performance.now() - start);
      }
      return times;
    });
  }
  await context.close();
}
await browser.close();

globalThis.require = createRequire(import.meta.url);
globalThis.__dirname = wasmFolder;
const { default: CorvaneEngine } = await import(pathToFileURL(join(wasmFolder, 'corvane-engine.mjs')));
const engine = await CorvaneEngine({ wasmBinary: readFileSync(join(wasmFolder, 'corvane-engine.wasm')) });
const answer = engine.cwrap('corvane_answer', 'string', ['string']);
const design = JSON.parse(engine.cwrap('corvane_vocabulary', 'string', ['string'])('en').match(/"default_design":("(?:[^"\\]|\\.)*")/)[1]);
const calls = [];
for (let i = 0; i < 30; ++i) {
  const start = performance.now();
  answer(JSON.stringify({ design, language: 'en', date: '2026-12-09', want: ['table', 'svg', 'chart'] }));
  calls.push(performance.now() - start);
}

const row = (what, value, target) =>
  console.log(`${what.padEnd(52)} ${value.toFixed(1).padStart(8)} ms   target ${target} ms   ${value <= target ? 'met' : 'MISSED'}`);
row('page ready (median of runs)', median(ready), 1000);
row('one edit recomputed and shown (median of 30)', median(edits), 50);
row('one answer under Node, 24 frets x 6 strings', median(calls), 20);
