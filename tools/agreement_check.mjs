// Agreement of the shipped port files with an independent predictor: high and low waters of a
// month from marevo-cli (the program's engine on the converted file) against @neaps/tide-predictor
// on the original TICON-4 constants. Times in minutes of JST, heights in cm above chart datum.
// Only port files converted from TICON-4 can be checked: by default every TICON row of the port
// list (data/ports.tsv).
//
// Usage: node tools/agreement_check.mjs --modules DIR --cli PATH [--dt data/dt]
//            [--ports-list data/ports.tsv] [--month 2026-01] [--ports 02岩崎,14久里浜,...]
//            [--max-time MIN] [--max-height CM] [--without-m1]
// --without-m1 runs the engine on copies of the files with M1 set to zero, so that both sides
// hold exactly the same constituents (the predictor is never given M1, see below).
// Exits 1 when a port's 95th percentile of |time difference| or |height difference| exceeds
// the limits, or when fewer than 90 % of the engine's events find a partner.
import { readFileSync, writeFileSync, mkdtempSync } from "node:fs";
import { tmpdir } from "node:os";
import { execFileSync } from "node:child_process";
import { join, dirname } from "node:path";
import { fileURLToPath } from "node:url";
import { CONSTITUENTS, loadPackages, packagePhaseOffset, readPortList } from "./ticon_to_mv2.mjs";

const here = dirname(fileURLToPath(import.meta.url));

// A copy of a port file with M1 (constituent 9: fields 5 and 6 of the fifth constituent line)
// set to zero; Shift-JIS bytes are kept as they are.
function copyWithoutM1(file, dir) {
  const lines = readFileSync(file, "latin1").split("\r\n");
  const fields = lines[5].split(",");
  fields[4] = "0.00";
  fields[5] = "0.00";
  lines[5] = fields.join(",");
  const copy = join(dir, "port.MV2");
  writeFileSync(copy, lines.join("\r\n"), "latin1");
  return copy;
}

function parseArgs(argv) {
  const args = { dt: join(here, "../data/dt"), portsList: join(here, "../data/ports.tsv"),
                 month: "2026-01", maxTime: 6, maxHeight: 3 };
  for (let i = 0; i < argv.length; ++i) {
    const [a, v] = [argv[i], argv[i + 1]];
    if (a === "--without-m1") { args.withoutM1 = true; continue; }
    if (v === undefined) throw new Error(`${a} needs a value`);
    if (a === "--modules") args.modules = v;
    else if (a === "--cli") args.cli = v;
    else if (a === "--dt") args.dt = v;
    else if (a === "--ports-list") args.portsList = v;
    else if (a === "--month") args.month = v;
    else if (a === "--ports") args.ports = v.split(",");
    else if (a === "--max-time") args.maxTime = Number(v);
    else if (a === "--max-height") args.maxHeight = Number(v);
    else throw new Error(`unknown argument ${a}`);
    ++i;
  }
  if (!args.modules || !args.cli) throw new Error("--modules DIR and --cli PATH are required");
  args.ports ??= readPortList(args.portsList).filter((r) => r.source.startsWith("TICON:")).map((r) => r.file);
  if (!args.ports.length) throw new Error(`${args.portsList}: no port converted from TICON-4`);
  return args;
}

// The station id and Z0 written in a port file.
function readPortFile(path) {
  const text = new TextDecoder("shift_jis").decode(readFileSync(path));
  const lines = text.split("\r\n");
  const z0 = Number(lines[0].split(",")[3]);
  const note = lines.find((l) => l.startsWith("TICON-4 station "));
  if (!note) throw new Error(`${path}: not converted from TICON-4 (no station note)`);
  return { z0, id: "ticon/" + note.slice("TICON-4 station ".length).trim() };
}

// Engine events of every day of the month, as minutes from 0 h JST of the month's first day.
function engineEvents(cli, file, year, month) {
  const days = new Date(Date.UTC(year, month, 0)).getUTCDate();
  const events = [];
  for (let d = 1; d <= days; ++d) {
    const date = `${year}-${String(month).padStart(2, "0")}-${String(d).padStart(2, "0")}`;
    const out = JSON.parse(execFileSync(cli, ["extremes", "--station", file, "--date", date, "--json"], { encoding: "utf8" }));
    for (const e of out.extremes)
      events.push({ t: (d - 1) * 1440 + e.hour * 60 + e.minute, h: e.height, high: e.kind === "high" });
  }
  return events;
}

// Independent prediction from the source constants of the constituents the file carries.
// M1 is left out: the predictor applies the perigee term of M1 on top of a tau + p argument.
// M3's phase is turned to the predictor's own argument for it (3 tau - 180).
function predictorEvents(predictor, station, z0, year, month) {
  const names = new Set(CONSTITUENTS.map((c) => c.source).filter((s) => s && s !== "M1"));
  const constituents = station.harmonic_constituents
    .filter((c) => names.has(c.name))
    .map((c) => ({ name: c.name, amplitude: c.amplitude,
                   phase: c.phase + packagePhaseOffset(c.name, predictor.constituents) }));
  const startJst = Date.UTC(year, month - 1, 1) - 9 * 3600e3;
  const endJst = Date.UTC(year, month, 1) - 9 * 3600e3;
  const pad = 6 * 3600e3; // so that events near the month's ends find partners
  const list = predictor.createTidePredictor(constituents).getExtremesPrediction({
    start: new Date(startJst - pad), end: new Date(endJst + pad) });
  return list.map((e) => ({ t: (e.time.getTime() - startJst) / 60000, h: e.level * 100 + z0, high: e.high }));
}

const percentile = (sorted, q) => sorted.length ? sorted[Math.min(sorted.length - 1, Math.floor(q * sorted.length))] : NaN;

function summary(values) {
  const abs = values.map(Math.abs).sort((a, b) => a - b);
  const mean = values.reduce((s, v) => s + v, 0) / (values.length || 1);
  return { mean, median: percentile(abs, 0.5), p95: percentile(abs, 0.95), max: abs[abs.length - 1] ?? NaN };
}

const fmt = (s) => `mean ${s.mean.toFixed(2)}  |d| median ${s.median.toFixed(2)}  p95 ${s.p95.toFixed(2)}  max ${s.max.toFixed(2)}`;

async function main() {
  const args = parseArgs(process.argv.slice(2));
  const { db, predictor } = await loadPackages(args.modules);
  const byId = new Map(db.stations.map((s) => [s.id, s]));
  const [year, month] = args.month.split("-").map(Number);

  let failed = false;
  const allDt = [], allDh = [];
  for (const port of args.ports) {
    const file = join(args.dt, `${port}.MV2`);
    const { id, z0 } = readPortFile(file);
    const station = byId.get(id);
    if (!station) throw new Error(`${port}: station ${id} not in the data set`);
    const engineFile = args.withoutM1 ? copyWithoutM1(file, mkdtempSync(join(tmpdir(), "agree-"))) : file;
    const ours = engineEvents(args.cli, engineFile, year, month);
    const theirs = predictorEvents(predictor, station, z0, year, month);

    // Each engine event pairs with the nearest predictor event of the same kind within 3 h.
    const dt = [], dh = [];
    let unmatched = 0;
    for (const e of ours) {
      let best = null;
      for (const p of theirs)
        if (p.high === e.high && Math.abs(p.t - e.t) <= 180 && (!best || Math.abs(p.t - e.t) < Math.abs(best.t - e.t))) best = p;
      if (!best) { ++unmatched; continue; }
      dt.push(e.t - best.t);
      dh.push(e.h - best.h);
    }
    const st = summary(dt), sh = summary(dh);
    allDt.push(...dt); allDh.push(...dh);
    console.log(`${port} (${id.replace("ticon/", "")}): ${ours.length} events, predictor ${theirs.length}, unmatched ${unmatched}`);
    console.log(`  time (min)  ${fmt(st)}`);
    console.log(`  height (cm) ${fmt(sh)}`);
    if (st.p95 > args.maxTime || sh.p95 > args.maxHeight || unmatched > 0.1 * ours.length) {
      console.log(`  beyond the limits (p95 ${args.maxTime} min, ${args.maxHeight} cm, 10 % unmatched)`);
      failed = true;
    }
  }
  console.log(`all ports: ${allDt.length} pairs`);
  console.log(`  time (min)  ${fmt(summary(allDt))}`);
  console.log(`  height (cm) ${fmt(summary(allDh))}`);
  process.exit(failed ? 1 : 0);
}

main().catch((e) => { console.error(e.message); process.exit(2); });
