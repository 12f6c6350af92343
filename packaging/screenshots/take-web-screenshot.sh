#!/usr/bin/env bash
# Takes the web page's screenshot: the page built by scripts/build-web,
# served on a free local port, opened in Debian's Chromium at 1400×900 in
# French, with a fanned six-string board, a string set and its computed
# compensation, the strings' table shown.
#
#   bash packaging/screenshots/take-web-screenshot.sh
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$here/../..
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$root/build/web" >/dev/null 2>&1 &
server=$!
trap 'kill $server' EXIT
sleep 1
NODE_PATH=$root/web/node_modules node --input-type=module - "http://127.0.0.1:$port/" \
    "$here/web-page-fanned-strings.png" <<'JS'
import { createRequire } from 'node:module';
const require = createRequire(process.env.NODE_PATH + '/');
const { chromium } = require('playwright-core');
const [address, target] = process.argv.slice(2);
const browser = await chromium.launch({ executablePath: '/usr/bin/chromium',
  args: ['--headless', '--no-sandbox', '--disable-gpu'] });
const page = await browser.newPage({ viewport: { width: 1400, height: 900 }, locale: 'fr-FR' });
await page.goto(address);
await page.waitForSelector('body[data-ready="true"]');
await page.getByLabel('Touche en éventail').check();
await page.getByLabel('Diapason grave', { exact: true }).fill('660');
await page.getByLabel('Diapason aigu', { exact: true }).fill('628');
await page.getByLabel('Frette perpendiculaire').selectOption('7');
await page.getByLabel('Jeu', { exact: true }).selectOption('light-electric-10-46');
await page.getByLabel('Compensation', { exact: true }).selectOption('computed');
await page.getByRole('tab', { name: 'Cordes' }).click();
await page.locator('.drawing').focus();
for (const key of ['+', '+']) await page.keyboard.press(key);
await page.screenshot({ path: target });
await browser.close();
JS
echo "$here/web-page-fanned-strings.png"
