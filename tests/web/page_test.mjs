// The page in Debian's Chromium, driven as a user would: typing, clicking,
// keys; every download compared with what corvane-frets writes for the
// same design, in the same language, on the same day.
// Usage: node --test page_test.mjs (CORVANE_WEB_DIR: build/web;
// CORVANE_FRETS: the command; CORVANE_NODE_MODULES: web/node_modules).
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn, execFileSync } from 'node:child_process';
import { createRequire } from 'node:module';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';

const require = createRequire(join(process.env.CORVANE_NODE_MODULES, 'playwright-core', 'package.json'));
const { chromium } = require('playwright-core');
const work = mkdtempSync(join(tmpdir(), 'corvane-page-'));
let server;
let address;
let browser;

before(async () => {
  server = spawn('python3', ['-u', '-m', 'http.server', '0', '--bind', '127.0.0.1',
    '--directory', process.env.CORVANE_WEB_DIR], { stdio: ['ignore', 'pipe', 'inherit'] });
  address = await new Promise((resolve) => server.stdout.on('data', (line) => {
    const port = /port (\d+)/.exec(String(line));
    if (port) resolve(`http://127.0.0.1:${port[1]}/`);
  }));
  browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--headless', '--no-sandbox',
    '--disable-gpu', '--disable-background-networking', '--disable-component-update', '--disable-sync'] });
});

after(async () => {
  await browser?.close();
  server?.kill();
  rmSync(work, { recursive: true, force: true });
});

async function open(locale, { width = 1400, height = 900, url = address } = {}) {
  const context = await browser.newContext({ locale, viewport: { width, height }, acceptDownloads: true });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(url);
  await page.waitForSelector('body[data-ready="true"]');
  return { page, errors };
}

async function download(page, name) {
  const [file] = await Promise.all([page.waitForEvent('download'), page.getByRole('button', { name, exact: true }).click()]);
  const path = join(work, file.suggestedFilename());
  await file.saveAs(path);
  return path;
}

const firstRowFromNut = async (page) => page.locator('#workshop tbody tr').first().locator('td').nth(2).textContent();

test('typing a length changes the table and the drawing', async () => {
  const { page, errors } = await open('en-US');
  const drawingBefore = await page.locator('.drawing').innerHTML();
  // 12-EDO: the first fret lies at L (1 - 2^(-1/12)) from the nut.
  for (const [typed, fromNut] of [['650', '36.4817'], ['628,65', '35.2834'], ['864', '48.4926']]) {
    await page.getByLabel('Scale length', { exact: true }).fill(typed);
    assert.equal(await firstRowFromNut(page), fromNut, typed);
  }
  assert.notEqual(await page.locator('.drawing').innerHTML(), drawingBefore);
  assert.deepEqual(errors, []);
});

test('a length that cannot be used is said beside its field, in the page language', async () => {
  for (const [locale, label, said] of [
    ['fr-FR', 'Diapason', 'doit être plus grand que 0 mm'],
    ['en-GB', 'Scale length', 'must be greater than 0 mm'],
  ]) {
    const { page } = await open(locale);
    const before = await firstRowFromNut(page);
    await page.getByLabel(label, { exact: true }).fill('-5');
    const row = page.locator('.row', { has: page.getByLabel(label, { exact: true }) });
    assert.match(await row.locator('.problem').textContent(), new RegExp(said), locale);
    assert.equal(await firstRowFromNut(page), before, 'the last valid design stays');
  }
});

test('every download is what corvane-frets writes for the same design', async () => {
  const { page } = await open('fr-FR');
  await page.getByLabel('Touche en éventail').check();
  await page.getByLabel('Diapason aigu', { exact: true }).fill('610');
  await page.getByLabel('Largeur des fentes (0 : aucune)').fill('0,6');
  const design = await download(page, 'Enregistrer le dessin');
  const frets = (args, language) => execFileSync(process.env.CORVANE_FRETS, ['--design', design, ...args],
    { env: { ...process.env, LC_ALL: language, LANG: language } });
  for (const [button, args] of [
    ['CSV', ['--format', 'csv']],
    ['SVG', ['--template', join(work, 'command.svg')]],
    ['DXF', ['--template', join(work, 'command.dxf')]],
    ['G-code', ['--gcode', join(work, 'command.nc')]],
    ['Enregistrer le dessin', ['--save-design', join(work, 'command.corvane')]],
  ]) {
    const ours = readFileSync(await download(page, button));
    const printed = frets(args, 'fr_FR.UTF-8');
    const theirs = args.length === 2 && args[0] === '--format' ? printed : readFileSync(args[1]);
    assert.ok(ours.equals(theirs), button);
  }
});

test('a shared link opens the same design in a fresh page', async () => {
  const { page } = await open('en-US');
  await page.getByLabel('Frets', { exact: true }).fill('19');
  await page.getByLabel('Strings', { exact: true }).fill('7');
  await page.waitForSelector('body[data-linked="true"]');
  const link = page.url();
  const fresh = await browser.newContext({ locale: 'en-US' }); // nothing stored
  const other = await fresh.newPage();
  await other.goto(link);
  await other.waitForSelector('body[data-ready="true"]');
  for (const [label, value] of [['Frets', '19'], ['Strings', '7']])
    assert.equal(await other.getByLabel(label, { exact: true }).inputValue(), value);
  assert.equal(await other.locator('#workshop tbody tr').count(), 19 * 7);
});

test('undo and redo step through edits', async () => {
  const { page } = await open('en-US');
  const frets = page.getByLabel('Frets', { exact: true });
  await frets.fill('12');
  await page.getByLabel('Strings', { exact: true }).fill('4');
  await page.getByRole('button', { name: 'Undo' }).click();
  assert.equal(await page.getByLabel('Strings', { exact: true }).inputValue(), '6');
  assert.equal(await frets.inputValue(), '12');
  await page.getByRole('button', { name: 'Redo' }).click();
  assert.equal(await page.getByLabel('Strings', { exact: true }).inputValue(), '4');
});

test('on a phone the form comes first, and nothing scrolls sideways', async () => {
  const { page } = await open('fr-FR', { width: 390, height: 844 });
  const form = await page.locator('.form-pane').boundingBox();
  const drawing = await page.locator('.drawing').boundingBox();
  assert.ok(form.y < drawing.y);
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= window.innerWidth));
});

test('the keyboard alone reaches and edits a field', async () => {
  const { page } = await open('en-US');
  await page.locator('body').click({ position: { x: 1, y: 1 } });
  let reached = false;
  for (let i = 0; i < 40 && !reached; ++i) {
    await page.keyboard.press('Tab');
    reached = await page.evaluate(() => document.activeElement?.id !== undefined
      && document.querySelector(`label[for="${document.activeElement.id}"]`)?.textContent === 'Frets');
  }
  assert.ok(reached);
  await page.keyboard.press('Control+A');
  await page.keyboard.type('20');
  assert.equal(await page.locator('#workshop tbody tr').count(), 20 * 6);
});

// A page of a PDF at 300 dpi, grey levels (poppler's pdftoppm).
function rasterised(pdf, pageNumber) {
  const stem = join(work, `page-${pageNumber}`);
  execFileSync('pdftoppm', ['-r', '300', '-gray', '-f', String(pageNumber), '-l', String(pageNumber),
    '-singlefile', pdf, stem]);
  const bytes = readFileSync(`${stem}.pgm`);
  const header = /^P5\s+(\d+)\s+(\d+)\s+255\s/.exec(bytes.subarray(0, 40).toString('latin1'));
  const [width, height] = [Number(header[1]), Number(header[2])];
  return { width, height, ink: (x, y) => 255 - bytes[header[0].length + y * width + x] };
}

// The distances between the outer ticks of the page's two rulers, in mm:
// the rulers are the two lowest lines longer than 90 mm on the page; their
// ticks hang below them, measured 1 mm under the line by the centre of
// their ink.
function rulerLengthsMm(image) {
  const mm = 300 / 25.4;
  const rulers = []; // { y, from, to }: a ruler's line
  for (let y = image.height - 1; y >= 0 && rulers.length < 2; --y) {
    let start = 0;
    for (let x = 0; x <= image.width; ++x) {
      if (x < image.width && image.ink(x, y) > 128) continue;
      if (x - start > 90 * mm && !rulers.some((ruler) => Math.abs(ruler.y - y) < 5))
        rulers.push({ y, from: start, to: x });
      start = x + 1;
    }
  }
  return rulers.map(({ y: baseline, from, to }) => {
    const y = Math.round(baseline + 1.0 * mm);
    const ticks = [];
    let mass = 0;
    let moment = 0;
    for (let x = from - 5; x <= to + 5; ++x) {
      const ink = image.ink(x, y);
      if (ink > 20) {
        mass += ink;
        moment += ink * x;
      } else if (mass > 0) {
        ticks.push(moment / mass);
        mass = moment = 0;
      }
    }
    return (ticks[ticks.length - 1] - ticks[0]) / mm;
  }).sort((a, b) => a - b);
}

test('the PDF prints at true size, in the same pages as the desktop', async () => {
  const { page } = await open('en-US');
  await page.getByLabel('Scale length', { exact: true }).fill('864');
  const design = await download(page, 'Save design');
  for (const paper of ['a4', 'letter']) {
    await page.getByLabel('PDF paper').selectOption(paper);
    const pdf = await download(page, 'PDF');
    const desktop = join(work, `desktop-${paper}.pdf`);
    execFileSync(process.env.CORVANE_FRETS, ['--design', design, '--template', desktop, '--paper', paper],
      { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen', LC_ALL: 'en_US.UTF-8' } });
    const info = (file) => execFileSync('pdfinfo', [file]).toString();
    const pages = (text) => /Pages:\s+(\d+)/.exec(text)[1];
    // in points; the desktop's writer rounds them to whole ones
    const size = (text) => /Page size:\s+([\d.]+) x ([\d.]+) pts/.exec(text).slice(1).map(Number);
    assert.equal(pages(info(pdf)), pages(info(desktop)), paper);
    size(info(pdf)).forEach((side, i) => assert.ok(Math.abs(side - size(info(desktop))[i]) < 1, paper));
    const [millimetres, inches] = rulerLengthsMm(rasterised(pdf, 1));
    assert.ok(Math.abs(millimetres - 100) <= 0.1, `${paper}: ${millimetres} mm`);
    assert.ok(Math.abs(inches - 101.6) <= 0.1, `${paper}: ${inches} mm`);
  }
});

test('a design opened from the disk is checked as the command checks it', async () => {
  const { page } = await open('fr-FR');
  const before = await firstRowFromNut(page);
  const bad = join(work, 'bad.corvane');
  const good = JSON.parse(readFileSync(await download(page, 'Enregistrer le dessin'), 'utf8'));
  for (const [design, said] of [
    [{ ...good, bass_length: -5 }, /champ « bass_length » : diapason des graves : -5 mm/],
    [{ ...good, format: 'autre' }, /format/],
  ]) {
    writeFileSync(bad, JSON.stringify(design));
    await page.locator('input[type="file"][accept^=".corvane"]').setInputFiles(bad);
    await page.waitForFunction(() => document.querySelector('.banner').textContent !== '');
    assert.match(await page.locator('.banner').textContent(), said);
    assert.equal(await firstRowFromNut(page), before, 'the design shown stays');
  }
});

test('the language switch relabels the page', async () => {
  const { page } = await open('en-US');
  await page.getByLabel('Language').selectOption('fr');
  assert.equal(await page.getByLabel('Diapason', { exact: true }).inputValue(), '650');
  assert.equal(await page.locator('#workshop th').first().textContent(), 'Frette');
});

test('once loaded, the page opens again without a network', async () => {
  const { page } = await open('en-US');
  await page.waitForSelector('body[data-offline="ready"]');
  await page.getByLabel('Frets', { exact: true }).fill('21');
  await page.waitForSelector('body[data-linked="true"]');
  await page.context().setOffline(true);
  await page.reload();
  await page.waitForSelector('body[data-ready="true"]');
  assert.equal(await page.locator('#workshop tbody tr').count(), 21 * 6);
  const pdf = await download(page, 'PDF'); // its writer was kept too
  assert.match(execFileSync('pdfinfo', [pdf]).toString(), /Pages:\s+[1-9]/);
});
