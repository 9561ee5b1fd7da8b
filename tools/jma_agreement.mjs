// Agreement of the JMA ports' files with JMA's own tide table: the high and low waters that
// marevo-cli gives for a year against the table's high and low waters of the same year.
// Times in minutes of JST (the table's time for every port), heights in cm above the datum.
//
// Usage: node tools/jma_agreement.mjs --cli PATH [--data DIR] [--year 2024] [--jobs N]
//            [--ports 13東京,24尾鷲,...] [--max-median-time MIN] [--max-median-height CM]
//   --data  the folder holding ports.tsv, dt/ and jma/<year>/ (default: the repository's data)
// Each table event pairs with the nearest program event within 60 minutes. Per port: events,
// unmatched table events, program events left over, kind mismatches, median and 95th
// percentile of |dt| (program minus table), median dh. Exits 1 when a port's median |dt| or
// |median dh| exceeds the limits, or when marevo-cli fails.
import { readFileSync } from "node:fs";
import { execFile } from "node:child_process";
import { join, dirname } from "node:path";
import { fileURLToPath } from "node:url";
import { cpus } from "node:os";
import { readPortList } from "./ticon_to_mv2.mjs";

const here = dirname(fileURLToPath(import.meta.url));
const PAIR_WINDOW = 60; // minutes

function parseArgs(argv) {
  const args = { data: join(here, "../data"), year: 2024, jobs: Math.max(2, cpus().length),
                 maxMedianTime: Infinity, maxMedianHeight: Infinity };
  const numeric = { "--year": "year", "--jobs": "jobs", "--max-median-time": "maxMedianTime",
                    "--max-median-height": "maxMedianHeight" };
  for (let i = 0; i < argv.length; ++i) {
    const [a, v] = [argv[i], argv[i + 1]];
    if (v === undefined) throw new Error(`${a} needs a value`);
    if (a === "--cli") args.cli = v;
    else if (a === "--data") args.data = v;
    else if (a === "--ports") args.ports = v.split(",");
    else if (numeric[a] && Number.isFinite(Number(v))) args[numeric[a]] = Number(v);
    else throw new Error(`unknown argument ${a}`);
    ++i;
  }
  if (!args.cli) throw new Error("--cli PATH is required");
  return args;
}

// Minutes from 0 h of January 1 of the year to 0 h of the date (any calendar date).
const minutesFromNewYear = (year, y, m, d) => (Date.UTC(y, m - 1, d) - Date.UTC(year, 0, 1)) / 60000;

// The table's events: JMA's yearly text file, 136 characters a day (hourly heights, date,
// code, four high-water and four low-water slots "HHMMhhh", unused ones 9999999).
export function tableEvents(text, year) {
  const events = [];
  for (const line of text.split("\n")) {
    if (line.trim() === "") continue;
    if (line.length < 136) throw new Error(`table line of ${line.length} characters`);
    const [yy, mm, dd] = [72, 74, 76].map((at) => Number(line.slice(at, at + 2)));
    const day = minutesFromNewYear(year, 2000 + yy, mm, dd);
    for (let slot = 0; slot < 8; ++slot) {
      const s = line.slice(80 + 7 * slot, 87 + 7 * slot);
      if (s === "9999999") continue;
      const [hour, minute, height] = [s.slice(0, 2), s.slice(2, 4), s.slice(4, 7)].map(Number);
      events.push({ t: day + 60 * hour + minute, h: height, high: slot < 4 });
    }
  }
  return events.sort((a, b) => a.t - b.t); // a line lists its highs before its lows
}

// The program's events from `extremes --csv` (columns found by the header's names: date, time
// and kind in the port's zone time, height_cm), shifted to JST by the zone's offset from 135 degrees.
export function programEvents(csv, year, zoneShiftMinutes) {
  const [header, ...lines] = csv.split("\n");
  const column = Object.fromEntries(header.trim().split(",").map((name, i) => [name, i]));
  return lines.filter((l) => l.trim()).map((l) => {
    const f = l.trim().split(",");
    const [y, m, d] = f[column.date].split("-").map(Number);
    const [hh, mi] = f[column.time].split(":").map(Number);
    return { t: minutesFromNewYear(year, y, m, d) + 60 * hh + mi - zoneShiftMinutes,
             h: Number(f[column.height_cm]), high: f[column.kind] === "high" };
  });
}

// Pads to a width in terminal columns (a full-width character takes two).
const padWide = (s, n) => s + " ".repeat(Math.max(0, n - [...s].reduce((w, c) => w + (c.codePointAt(0) > 0xff ? 2 : 1), 0)));

const quantile = (sorted, q) => {
  if (!sorted.length) return NaN;
  const x = q * (sorted.length - 1), i = Math.floor(x);
  return i + 1 < sorted.length ? sorted[i] + (x - i) * (sorted[i + 1] - sorted[i]) : sorted[i];
};

// Pairs each table event with the nearest program event within the window; each program
// event pairs at most once (events are in time order on both sides).
export function compare(table, program) {
  const used = new Set();
  const dt = [], dh = [];
  let unmatched = 0, kindMismatches = 0;
  let j = 0;
  for (const e of table) {
    while (j < program.length && program[j].t < e.t - PAIR_WINDOW) ++j;
    let best = -1;
    for (let k = j; k < program.length && program[k].t <= e.t + PAIR_WINDOW; ++k)
      if (!used.has(k) && (best < 0 || Math.abs(program[k].t - e.t) < Math.abs(program[best].t - e.t))) best = k;
    if (best < 0) { ++unmatched; continue; }
    used.add(best);
    dt.push(program[best].t - e.t);
    dh.push(program[best].h - e.h);
    if (program[best].high !== e.high) ++kindMismatches;
  }
  const first = table.length ? table[0].t - PAIR_WINDOW : 0, last = table.length ? table.at(-1).t + PAIR_WINDOW : 0;
  const leftOver = program.filter((p, k) => !used.has(k) && p.t >= first && p.t <= last).length;
  const absDt = dt.map(Math.abs).sort((a, b) => a - b);
  const sortedDh = [...dh].sort((a, b) => a - b);
  return { events: table.length, unmatched, leftOver, kindMismatches,
           medianAbsDt: quantile(absDt, 0.5), p95AbsDt: quantile(absDt, 0.95), maxAbsDt: absDt.at(-1) ?? NaN,
           medianDt: quantile([...dt].sort((a, b) => a - b), 0.5), medianDh: quantile(sortedDh, 0.5) };
}

function run(cli, args) {
  return new Promise((resolvePromise, reject) => {
    execFile(cli, args, { maxBuffer: 1 << 24 }, (error, stdout, stderr) => {
      if (error) reject(new Error(`marevo-cli ${args.join(" ")}: ${stderr.trim() || error.message}`));
      else resolvePromise(stdout);
    });
  });
}

// The program's events of the whole year (and a day either side) for one port file: one
// process, the span of days in one run.
async function programYear(cli, station, year) {
  const json = JSON.parse(await run(cli, ["extremes", "--station", station, "--date", `${year}-01-01`, "--json"]));
  const zoneShiftMinutes = (json.station.meridian - 135) * 4;
  const csv = await run(cli, ["extremes", "--station", station, "--from", `${year - 1}-12-31`,
                              "--to", `${year + 1}-01-01`, "--csv"]);
  return programEvents(csv, year, zoneShiftMinutes);
}

async function main() {
  const args = parseArgs(process.argv.slice(2));
  let rows = readPortList(join(args.data, "ports.tsv")).filter((r) => r.source.startsWith("JMA:"));
  if (args.ports) rows = rows.filter((r) => args.ports.includes(r.file));
  const results = new Array(rows.length);
  let next = 0;
  const worker = async () => {
    for (let k; (k = next++) < rows.length;) {
      const row = rows[k], code = row.source.slice(4);
      const table = tableEvents(readFileSync(join(args.data, "jma", String(args.year), `${code}.txt`), "latin1"), args.year);
      const program = await programYear(args.cli, join(args.data, "dt", `${row.file}.MV2`), args.year);
      results[k] = { row, code, ...compare(table, program) };
    }
  };
  await Promise.all(Array.from({ length: args.jobs }, worker));

  const f = (x, d = 1) => (Number.isFinite(x) ? x.toFixed(d) : "-");
  console.log("port            code events unmatched leftover kinds  |dt| median  p95   max  dt median  dh median");
  let failures = 0;
  for (const r of results) {
    const bad = r.medianAbsDt > args.maxMedianTime || Math.abs(r.medianDh) > args.maxMedianHeight ||
                !Number.isFinite(r.medianAbsDt);
    if (bad) ++failures;
    console.log(`${padWide(r.row.file, 14)} ${r.code.padEnd(4)} ${String(r.events).padStart(6)} ${String(r.unmatched).padStart(9)} ${String(r.leftOver).padStart(8)} ${String(r.kindMismatches).padStart(5)}  ${f(r.medianAbsDt).padStart(10)} ${f(r.p95AbsDt).padStart(5)} ${f(r.maxAbsDt, 0).padStart(5)} ${f(r.medianDt).padStart(10)} ${f(r.medianDh, 2).padStart(10)}${bad ? "  over the limit" : ""}`);
  }
  const all = (key) => results.map((r) => r[key]).filter(Number.isFinite).sort((a, b) => a - b);
  const sum = (key) => results.reduce((s, r) => s + r[key], 0);
  console.log(`${results.length} ports, ${sum("events")} table events, ${sum("unmatched")} unmatched, ${sum("leftOver")} program events left over, ${sum("kindMismatches")} kind mismatches`);
  console.log(`per-port median |dt|: median ${f(quantile(all("medianAbsDt"), 0.5), 2)}, max ${f(all("medianAbsDt").at(-1), 2)} min; per-port p95 |dt|: median ${f(quantile(all("p95AbsDt"), 0.5), 2)}, 95th percentile ${f(quantile(all("p95AbsDt"), 0.95), 2)}, max ${f(all("p95AbsDt").at(-1), 2)} min`);
  const absDh = results.map((r) => Math.abs(r.medianDh)).sort((a, b) => a - b);
  console.log(`per-port |median dh|: median ${f(quantile(absDh, 0.5), 2)}, max ${f(absDh.at(-1), 2)} cm`);
  const worst = [...results].sort((a, b) => b.p95AbsDt - a.p95AbsDt).slice(0, 5);
  console.log(`largest p95 |dt|: ${worst.map((r) => `${r.row.file} ${f(r.p95AbsDt)}`).join(", ")}`);
  if (failures) {
    console.error(`${failures} ports over the limits (median |dt| ${args.maxMedianTime} min, |median dh| ${args.maxMedianHeight} cm)`);
    process.exit(1);
  }
}

if (process.argv[1] && fileURLToPath(import.meta.url) === process.argv[1]) {
  main().catch((e) => { console.error(e.message); process.exit(1); });
}
