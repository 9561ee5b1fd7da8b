// Marevo's page in a real browser: Debian's headless Chromium driven through puppeteer-core.
// Loads the built page from a local server, chooses ports by address, search and tree, moves
// the date, switches periods and styles, taps a day cell, and compares the facts the page
// lists with marevo-cli's JSON (native build) for several ports and dates; then reloads with
// the server stopped (the offline copy), and saves screenshots of the four periods at phone
// and desktop widths.
//   node browser_test.mjs SITE_DIR MAREVO_CLI DT_DIR SHOT_DIR
import { execFileSync, spawn } from 'node:child_process';
import { mkdirSync, readdirSync } from 'node:fs';
import { createServer } from 'node:net';
import puppeteer from 'puppeteer-core';

const [site, cli, dt, shots] = process.argv.slice(2);
let failures = 0;
function check(ok, what) {
  if (ok) return;
  failures++;
  console.error('FAIL: ' + what);
}
function equal(got, want, what) {
  check(JSON.stringify(got) === JSON.stringify(want),
        `${what}\n  got:  ${JSON.stringify(got)}\n  want: ${JSON.stringify(want)}`);
}

function cliJson(...args) {
  return JSON.parse(execFileSync(cli, [...args, '--dt', dt, '--json'], { encoding: 'utf8' }));
}
// The events as the page lists them: "HH:MM kind height" with the height to 0.1 cm.
const cliEvents = (events) => events.map((e) => `${e.time} ${e.kind} ${e.height.toFixed(1)}`);

function freePort() {
  return new Promise((resolve) => {
    const s = createServer();
    s.listen(0, '127.0.0.1', () => { const { port } = s.address(); s.close(() => resolve(port)); });
  });
}

async function startServer(port) {
  const server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1',
                                   '--directory', site], { stdio: 'ignore' });
  for (let i = 0; i < 100; i++) {
    try { await fetch(`http://127.0.0.1:${port}/index.html`); return server; } catch { /* not yet */ }
    await new Promise((r) => setTimeout(r, 100));
  }
  throw new Error('the server did not start');
}

// The page after a command: its ready count changed from before (every show adds one).
async function settled(page, before) {
  await page.waitForFunction((n) => Number(document.body.dataset.ready || 0) > n, {}, before);
}
const readyCount = (page) => page.evaluate(() => Number(document.body.dataset.ready || 0));
async function act(page, action) {
  const before = await readyCount(page);
  await action();
  await settled(page, before);
}

// What the facts section lists: per day its date, tidal-range name and events.
function pageDays(page) {
  return page.evaluate(() => marevo.state().days.map((d) => ({
    date: d.date, name: d.tide_name, sunMoon: d.sun_moon || [],
    listed: [...document.querySelectorAll('#facts .extremes')].length,
    events: d.extremes.map((e) => `${e.time} ${e.kind} ${e.height.toFixed(1)}`),
  })));
}
const listedText = (page) => page.evaluate(() => document.getElementById('facts').innerText);

async function open(page, base, query) {
  await page.goto(`${base}/${query}`, { waitUntil: 'load' });
  await page.waitForFunction(() => Number(document.body.dataset.ready || 0) > 0);
}

const port = await freePort();
const base = `http://127.0.0.1:${port}`;
let server = await startServer(port);
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage'],
});
try {
  const page = await browser.newPage();
  page.on('pageerror', (e) => check(false, 'script error: ' + e.message));
  await page.setViewport({ width: 1280, height: 900 });

  // First visit: the notice, the worked example of the address, the terms one tap away.
  const loadStart = Date.now();
  await open(page, base, '?port=尾鷲&date=2026-12-08&view=1');
  const firstView = await page.evaluate(() => marevo.firstViewMs);
  console.log(`first view drawn ${firstView.toFixed(0)} ms after navigation start ` +
              `(${Date.now() - loadStart} ms wall)`);
  check(await page.$eval('#notice', (d) => d.open), 'the notice shows on the first visit');
  await page.click('#notice-terms');
  await page.waitForFunction(() => document.getElementById('license').textContent.length > 100);
  check(await page.$eval('#license', (e) => e.textContent.includes('気象庁') ||
                                            e.textContent.includes('JMA')), 'terms name the source');
  await page.keyboard.press('Escape');

  // One-day facts against marevo-cli for several ports and dates.
  const days = [['尾鷲', '24尾鷲', '2026-12-08'], ['13東京', '13東京', '2027-01-01'],
                ['hakodate', '01函館', '2026-06-21'], ['なは', '47那覇', '2026-03-20'],
                ['24尾鷲', '24尾鷲', '2024-02-29']];
  for (const [word, file, date] of days) {
    await open(page, base, `?port=${encodeURIComponent(word)}&date=${date}&view=1`);
    const state = await page.evaluate(() => marevo.state());
    equal([state.port.file, state.date, state.period], [file, date, 1], `choice of ${word} ${date}`);
    const ext = cliJson('extremes', '--port', file, '--date', date);
    const day = cliJson('day', '--port', file, '--date', date);
    const [got] = await pageDays(page);
    equal(got.events, cliEvents(ext.extremes), `high and low waters of ${file} ${date}`);
    equal(got.name, day.tide_name, `tidal-range name of ${file} ${date}`);
    const text = await listedText(page);
    for (const e of ext.extremes) check(text.includes(e.time), `${e.time} listed for ${file} ${date}`);
    // Sunrise and sunset as the panel shows them (" 6:47" for 06:47).
    for (const key of ['sunrise_time', 'sunset_time']) {
      const t = day.sun[key];
      if (t) check(got.sunMoon.some((l) => l.includes(t.replace(/^0/, ' '))),
                   `${key} ${t} in the panel of ${file} ${date}`);
    }
  }

  // Every shipped port file is in the page.
  equal(await page.evaluate(() => Module.ccall('mv_init', 'number', [], [])),
        readdirSync(dt).filter((f) => f.endsWith('.MV2')).length, 'the ports packed');

  // 近くの港: the device's position (granted here) gives the port marevo-cli finds nearest.
  await browser.defaultBrowserContext().overridePermissions(base, ['geolocation']);
  for (const [lat, lon] of [[34.07, 136.19], [41.77, 140.72], [26.2, 127.67]]) {
    await page.setGeolocation({ latitude: lat, longitude: lon });
    const nearest = cliJson('ports', '--near', `${lat},${lon}`).ports[0].file;
    await act(page, () => page.click('#near'));
    equal(await page.evaluate(() => marevo.state().port.file), nearest, `nearest port to ${lat},${lon}`);
  }

  // Search by name (kana), then by romaji with Enter.
  await page.click('#port-open');
  await page.type('#search', 'おわせ');
  await page.waitForSelector('#found button[data-file="24尾鷲"]');
  await page.$eval('#search', (e) => { e.value = ''; });
  await page.type('#search', 'kushiro');
  await act(page, () => page.keyboard.press('Enter'));
  equal(await page.evaluate(() => marevo.state().port.name), '釧路', 'romaji search chooses 釧路');
  // The tree: region, prefecture, port.
  await page.click('#port-open');
  await page.evaluate(() => {
    for (const s of document.querySelectorAll('#tree summary')) {
      if (s.textContent === '近畿' || s.textContent === '三重県') s.click();
    }
  });
  await act(page, () => page.click('#tree button[data-file="24尾鷲"]'));
  equal(await page.evaluate(() => marevo.state().port.file), '24尾鷲', 'the tree chooses 尾鷲');

  // The tree: the nine regions in order, each prefecture under its region, every packed port
  // listed once; the prefecture beside the port's name is its node in the tree.
  const tree = await page.evaluate(() => ({
    regions: [...document.querySelectorAll('#tree > details > summary')].map((s) => s.textContent),
    kinki: [...document.querySelectorAll('#tree > details')]
      .find((d) => d.firstChild.textContent === '近畿')
      .querySelectorAll('details.prefecture > summary').length,
    under: Object.fromEntries([...document.querySelectorAll('#tree button[data-file]')].map((b) =>
      [b.dataset.file, b.closest('details.prefecture')?.firstChild.textContent ??
                       b.closest('details.region').firstChild.textContent])),
    buttons: document.querySelectorAll('#tree button[data-file]').length,
  }));
  equal(tree.regions, ['北海道', '東北', '関東', '中部', '近畿', '中国', '四国', '九州', 'その他'],
        'the regions of the tree');
  equal(tree.kinki, 5, '近畿 holds 三重, 京都, 大阪, 兵庫 and 和歌山');
  equal(tree.buttons, readdirSync(dt).filter((f) => f.endsWith('.MV2')).length,
        'every port in the tree');
  const places = [['24尾鷲', '三重県'], ['01函館', '北海道'], ['13東京', '東京都'],
                  ['47那覇', '沖縄県'], ['28神戸', '兵庫県'], ['16富山', '富山県'],
                  ['35徳山', '山口県']];
  for (const [file, pref] of places) {
    equal(tree.under[file], pref, `${file} in the tree under ${pref}`);
    await open(page, base, `?port=${encodeURIComponent(file)}&date=2026-12-08&view=1`);
    equal(await page.$eval('#port-pref', (e) => e.textContent), pref, `${file} shown with ${pref}`);
  }

  // Dates that do not exist or lie outside the years 1 ... 9999 are refused and said.
  await open(page, base, '?port=24尾鷲&date=2026-12-08&view=1');
  for (const ymd of [[2026, 2, 29], [2026, 13, 1], [2026, 4, 31], [10000, 1, 1], [0, 12, 31]]) {
    const said = await page.evaluate((d) =>
      Module.ccall('mv_choose_date', 'number', ['number', 'number', 'number'], d) === 2 &&
      Module.ccall('mv_message', 'string', [], []), ymd);
    check(said && said.includes('日付'), `${ymd.join('-')} refused and said`);
  }
  await act(page, () => page.keyboard.press('F3'));
  equal(await page.evaluate(() => marevo.state().date), '2026-12-09',
        'the date kept after refusals');

  // A port file cut short: named in the message, the picture of the port before stays and the
  // choice shows the port chosen; another port then draws again.
  const damaged = await page.evaluate(() => {
    const path = '/data/dt/13東京.MV2';
    Module.FS.writeFile(path, Module.FS.readFile(path).subarray(0, 150));
    const view = document.getElementById('view');
    const picture = view.toDataURL();
    const result = marevo.choosePort('13東京');
    return { result, message: document.getElementById('message').textContent,
             file: marevo.state().port.file, kept: view.toDataURL() === picture };
  });
  check(damaged.result !== 1 && damaged.message.includes('ファイルが壊れています') &&
        damaged.message.includes('13東京'),
        'a damaged port file is said with its name: ' + damaged.message);
  equal([damaged.file, damaged.kept], ['13東京', true], 'the choice shown, the picture kept');
  await act(page, () => page.evaluate(() => marevo.choosePort('24尾鷲')));
  equal(await page.evaluate(() => [marevo.state().port.file,
                                   document.getElementById('message').textContent]),
        ['24尾鷲', ''], 'another port drawn after the damaged one');

  // The highlight of the day cell under the mouse: over a cell of the seven-day view, none over
  // the heading above the cells.
  await open(page, base, '?port=24尾鷲&date=2026-12-08&view=7');
  const hoverAt = async (x, y) => {
    const r = await page.$eval('#view', (c) => {
      const b = c.getBoundingClientRect();
      return { x: b.left, y: b.top, k: b.width / marevo.state().width };
    });
    await page.mouse.move(r.x + x * r.k, r.y + y * r.k);
    return page.$eval('#hover', (h) => !h.hidden && h.style.background !== '');
  };
  check(await hoverAt(310, 100), 'a day cell is highlighted under the mouse');
  check(!(await hoverAt(310, 3)), 'no highlight over the heading');

  // Dates: buttons, keys, the field, today.
  await open(page, base, '?port=24尾鷲&date=2026-12-31&view=1');
  await act(page, () => page.click('[data-step="1"]'));
  equal(await page.evaluate(() => marevo.state().date), '2027-01-01', '+1日 crosses the year');
  await act(page, () => page.keyboard.press('F1'));
  equal(await page.evaluate(() => marevo.state().date), '2026-12-25', 'F1 steps back 7 days');
  await act(page, () => page.$eval('#date', (e) => {
    e.value = '2028-02-29';
    e.dispatchEvent(new Event('change'));
  }));
  equal(await page.evaluate(() => marevo.state().date), '2028-02-29', 'the date field');
  await act(page, () => page.keyboard.press('F8'));
  const today = await page.evaluate(() => {
    const d = new Date();
    return `${d.getFullYear()}-${String(d.getMonth() + 1).padStart(2, '0')}-${String(d.getDate()).padStart(2, '0')}`;
  });
  equal(await page.evaluate(() => marevo.state().date), today, 'F8 goes to today');
  await open(page, base, '?port=24尾鷲&date=9999-12-31&view=1');
  await page.click('[data-step="1"]');
  equal(await page.evaluate(() => marevo.state().date), '9999-12-31', 'no step past 9999');

  // Periods and styles, the address following them; seven days against marevo-cli.
  await open(page, base, '?port=24尾鷲&date=2026-12-08&view=1');
  await act(page, () => page.click('[data-view="7"]'));
  const week = await pageDays(page);
  const span = cliJson('extremes', '--port', '24尾鷲', '--from', '2026-12-08', '--days', '7');
  equal(week.map((d) => d.date), span.days.map((d) => d.date), 'the seven days');
  equal(week.map((d) => d.events), span.days.map((d) => cliEvents(d.events)), 'seven days of events');
  equal(week.map((d) => d.name), span.days.map((d) => d.tide_name), 'seven tidal-range names');
  await act(page, () => page.click('[data-style="bar"]'));
  check((await page.url()).includes('style=bar') && (await page.url()).includes('view=7'),
        'the address holds view and style: ' + page.url());
  await act(page, () => page.click('[data-view="table"]'));
  const table = cliJson('table', '--port', '24尾鷲', '--date', '2026-12-08');
  const rows = await pageDays(page);
  equal(rows.map((d) => d.events), table.days.map((d) => cliEvents(d.events)), 'the table rows');
  check(await page.$$eval('#facts tbody tr', (r) => r.length) === 42, '42 rows listed');
  await act(page, () => page.click('[data-view="42"]'));
  equal(await page.evaluate(() => marevo.state().period), 42, 'the 42-day view');

  // A tap on a day cell opens its one-day view: in the seven-day view day column 3
  // (x = 270 ... 350 units); in the 42-day view the third day of the second week strip
  // (strips 56 units high from y = 26); in the table the third day's row (rows 15 units high
  // below the heading at y = 43).
  const taps = [['7', 310, 100, '2026-12-11'], ['42', 230, 110, '2026-12-17'],
                ['table', 100, 80, '2026-12-10']];
  for (const [view, x, y, date] of taps) {
    await open(page, base, `?port=24尾鷲&date=2026-12-08&view=${view}`);
    const box = await page.$eval('#view', (c) => {
      const r = c.getBoundingClientRect();
      return { x: r.left, y: r.top, k: r.width / marevo.state().width };
    });
    await act(page, () => page.mouse.click(box.x + x * box.k, box.y + y * box.k));
    equal(await page.evaluate(() => [marevo.state().date, marevo.state().period]),
          [date, 1], `the tapped cell of view ${view}`);
  }

  // A port that does not exist: said, and the page stays on a port.
  await open(page, base, '?port=nosuchport&date=2026-12-08');
  check((await page.$eval('#message', (e) => e.textContent)).includes('nosuchport'),
        'an unknown port is said');
  // The last choice comes back without an address.
  await open(page, base, '?port=13東京&date=2027-05-05&view=42&style=bar');
  await open(page, base, '');
  equal(await page.evaluate(() => [marevo.state().port.file, marevo.state().date,
                                   marevo.state().period, marevo.state().style]),
        ['13東京', '2027-05-05', 42, 'bar'], 'the last choice is remembered');

  // A redraw in the page, and a date step with its facts (medians of 20).
  const median = (t) => t.sort((a, b) => a - b)[t.length >> 1];
  const redraws = await page.evaluate(() => Array.from({ length: 20 }, () => marevo.redraw()));
  const steps = [];
  for (let i = 0; i < 20; i++) {
    const t0 = await page.evaluate(() => performance.now());
    await act(page, () => page.evaluate((d) => marevo.step(d), i % 2 ? -1 : 1));
    steps.push(await page.evaluate((t) => performance.now() - t, t0));
  }
  console.log(`redraw of the 42-day picture ${median(redraws).toFixed(1)} ms; a date step with ` +
              `its 42 days of facts ${median(steps).toFixed(1)} ms (medians of 20)`);

  // Screenshots of the four periods at phone and desktop widths.
  mkdirSync(shots, { recursive: true });
  for (const width of [390, 1280]) {
    await page.setViewport({ width, height: width < 500 ? 844 : 900, deviceScaleFactor: width < 500 ? 3 : 1 });
    for (const view of ['1', '7', '42', 'table']) {
      await open(page, base, `?port=24尾鷲&date=2026-12-08&view=${view}&style=line`);
      await page.screenshot({ path: `${shots}/web-${view}-${width}.png` });
    }
  }
  console.log(`screenshots in ${shots}`);

  // Offline: the worker holds the page; with the server stopped it opens all the same.
  await page.evaluate(async () => { await navigator.serviceWorker.ready; });
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
  await page.evaluate(async () => {
    const cache = await caches.open('marevo-1');
    for (let i = 0; i < 100 && (await cache.keys()).length < 10; i++) await new Promise((r) => setTimeout(r, 50));
  });
  server.kill();
  await new Promise((r) => server.on('exit', r));
  server = null;
  check(await fetch(`${base}/index.html`).then(() => false, () => true), 'the server is stopped');
  await open(page, base, '?port=函館&date=2026-12-08&view=7');
  equal(await page.evaluate(() => [marevo.state().port.file, marevo.state().days.length]),
        ['01函館', 7], 'offline: the page works with the server stopped');
} finally {
  await browser.close();
  if (server) server.kill();
}
if (failures) {
  console.error(`${failures} browser check(s) failed`);
  process.exit(1);
}
console.log('browser tests passed');
