// Timings of the page in headless Chromium from a local server: the first view drawn after
// the start of a first visit (a fresh browser context each run: nothing cached, no offline
// copy), a redraw of each period's picture, and the gzipped size of what a first visit
// transfers.
//   NODE_PATH=tests/web/node_modules node bench/web_bench.mjs build/web [RUNS]
import { spawn } from 'node:child_process';
import { readdirSync, readFileSync } from 'node:fs';
import { gzipSync } from 'node:zlib';
import { createRequire } from 'node:module';

const require = createRequire(import.meta.url + '/../../tests/web/');
const puppeteer = require('puppeteer-core');
const [site, runs = '10'] = process.argv.slice(2);
const port = 8000 + Math.floor(Math.random() * 900);
const base = `http://127.0.0.1:${port}`;
const median = (t) => [...t].sort((a, b) => a - b)[t.length >> 1];

const server = spawn('python3', ['-m', 'http.server', String(port), '--bind', '127.0.0.1',
                                 '--directory', site], { stdio: 'ignore' });
for (let i = 0; i < 100; i++) {
  try { await fetch(`${base}/index.html`); break; } catch { await new Promise((r) => setTimeout(r, 100)); }
}
const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true,
                                         args: ['--no-sandbox', '--disable-gpu'] });
try {
  const first = [];
  for (let i = 0; i < Number(runs); i++) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await page.setViewport({ width: 1280, height: 900 });
    await page.goto(`${base}/?port=24尾鷲&date=2026-12-08&view=1`, { waitUntil: 'load' });
    await page.waitForFunction(() => Number(document.body.dataset.ready || 0) > 0);
    first.push(await page.evaluate(() => marevo.firstViewMs));
    await context.close();
  }
  console.log(`first view drawn after navigation start: median ${median(first).toFixed(0)} ms ` +
              `(min ${Math.min(...first).toFixed(0)}, max ${Math.max(...first).toFixed(0)}, ${runs} runs)`);
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  for (const view of ['1', '7', '42', 'table']) {
    await page.goto(`${base}/?port=24尾鷲&date=2026-12-08&view=${view}`, { waitUntil: 'load' });
    await page.waitForFunction(() => Number(document.body.dataset.ready || 0) > 0);
    const t = await page.evaluate(() => Array.from({ length: 30 }, () => marevo.redraw()));
    console.log(`redraw of view ${view}: median ${median(t).toFixed(1)} ms (30 redraws)`);
  }
} finally {
  await browser.close();
  server.kill();
}
let total = 0;
for (const f of readdirSync(site).sort()) {
  if (f.endsWith('.md') || f === 'DATA-LICENSE') continue; // fetched only when the terms open
  const gz = gzipSync(readFileSync(`${site}/${f}`), { level: 9 }).length;
  total += gz;
  console.log(`${f}: ${readFileSync(`${site}/${f}`).length} bytes, ${gz} gzipped`);
}
console.log(`first visit transfers ${total} bytes gzipped`);
