// Converts the TICON-4 harmonic constants of the Japanese tide gauges that are no JMA tide-table
// port into their port files in dt/. Source amplitudes in metres and Greenwich phase lags G (UT);
// files in cm and degrees with phase lags referred to the port's own meridian. Output is
// Shift-JIS with CRLF line breaks.
//
// Usage: node tools/ticon_to_mv2.mjs --modules DIR [--ports data/ports.tsv]
//            [--gauges data/ticon_gauges.tsv] [--out data/dt] [--check] [--report]
//   --modules  the node_modules folder holding @neaps/tide-database and @neaps/tide-predictor
//              (tools/install_neaps.sh installs the pinned versions)
//   --ports    the list of shipped ports: the rows with source TICON:<id> are this tool's
//   --gauges   every accepted gauge of Japan, grouped into ports, with the JMA port it duplicates
//   --check    write nothing; compare this tool's files with what is in --out, fail on a difference
//   --report   print the constituent matching, the gauge choices and the JMA duplicates
import { readFileSync, writeFileSync, mkdirSync, existsSync } from "node:fs";
import { join, resolve, dirname } from "node:path";
import { pathToFileURL, fileURLToPath } from "node:url";

const here = dirname(fileURLToPath(import.meta.url));

// ---------------------------------------------------------------------------------------------
// The program's 40 constituents in file order: label written in the file, speed (deg/h),
// species n, equilibrium argument V0 at 0 h UT as coefficients of s, h, p and a constant (deg,
// solar perigee fixed at 282), and the source constituent that fills it ("" for none).
// ---------------------------------------------------------------------------------------------
export const CONSTITUENTS = [
  //  label   speed        n   s   h   p  const  source
  ["Sa",   0.0410686,   0,  0,  1,  0,    0, "SA"],
  ["Ssa",  0.0821373,   0,  0,  2,  0,    0, "SSA"],
  ["Mm",   0.5443747,   0,  1,  0, -1,    0, "MM"],
  ["MSf",  1.0158958,   0,  2, -2,  0,    0, "MSF"],
  ["Mf",   1.0980331,   0,  2,  0,  0,    0, "MF"],
  ["Q1",   13.398661,   1, -3,  1,  1,  270, "Q1"],
  ["rho1", 13.471515,   1, -3,  3, -1,  270, "RHO1"],
  ["O1",   13.943035,   1, -2,  1,  0,  270, "O1"],
  ["MP1",  14.025173,   1, -2,  3,  0, -270, ""],
  ["M1",   14.492052,   1, -1,  1,  0,   90, "M1"],
  ["pi1",  14.917865,   1,  0, -2,  0,  192, ""],
  ["P1",   14.958931,   1,  0, -1,  0,  270, "P1"],
  ["S1",   15,          1,  0,  0,  0,  180, "S1"],
  ["K1",   15.041069,   1,  0,  1,  0,   90, "K1"],
  ["psi1", 15.082135,   1,  0,  2,  0,  168, ""],
  ["phi1", 15.123206,   1,  0,  3,  0,   90, ""],
  ["J1",   15.5854435,  1,  1,  1, -1,   90, "J1"],
  ["SO1",  16.056965,   1,  2, -1,  0, -270, ""],
  ["OO1",  16.139101,   1,  2,  1,  0,   90, "OO1"],
  ["2N2",  27.895355,   2, -4,  2,  2,    0, "2N2"],
  ["mu2",  27.968208,   2, -4,  4,  0,    0, "MU2"],
  ["N2",   28.43973,    2, -3,  2,  1,    0, "N2"],
  ["nu2",  28.512583,   2, -3,  4, -1,    0, "NU2"],
  ["OP2",  28.901966,   2, -2,  0,  0,  180, ""],
  ["M2",   28.984104,   2, -2,  2,  0,    0, "M2"],
  ["lam2", 29.455626,   2, -1,  0,  1,  180, "LAMBDA2"],
  ["L2",   29.528479,   2, -1,  2, -1,  180, "L2"],
  ["T2",   29.958933,   2,  0, -1,  0,  282, "T2"],
  ["S2",   30,          2,  0,  0,  0,    0, "S2"],
  ["R2",   30.041067,   2,  0,  1,  0,  258, "R2"],
  ["K2",   30.082138,   2,  0,  2,  0,    0, "K2"],
  ["2SM2", 31.015896,   2,  2, -2,  0,    0, "2SM2"],
  ["MO3",  42.92714,    3, -4,  3,  0,  270, ""],
  ["M3",   43.47616,    3, -3,  3,  0,  180, "M3"],  // see SOURCE_PHASE_REFERENCE
  ["MK3",  44.025173,   3, -2,  3,  0,   90, ""],
  ["SK3",  45.04107,    3,  0,  1,  0,   90, ""],
  ["M4",   57.96821,    4, -4,  4,  0,    0, "M4"],
  ["MS4",  58.984104,   4, -2,  2,  0,    0, "MS4"],
  ["M6",   86.95232,    6, -6,  6,  0,    0, "M6"],
  ["2MS6", 87.96821,    6, -4,  4,  0,    0, "2MS6"],
].map(([label, speed, n, s, h, p, c, source]) => ({ label, speed, n, v0: { s, h, p, c }, source }));

// The program's M1 runs at the speed of tau with a nodal angle u(M1) that follows the lunar
// perigee: f e^iu = 1.5 e^ip + 0.5 e^-ip + small terms. Its main line is tau + p at 1.5 H,
// which is the source's M1 (14.4966939 deg/h); that line alone is carried over, H = A / 1.5.
const M1_MAIN_LINE = { p: 1, amplitudeFactor: 1 / 1.5 };

const TOLERANCE_SPEED = 2e-5; // deg/h: the program's speeds are single-precision values

// The source moves the solar perigee p1 (282.937 deg at 2000.0, 1.7 deg a century); the program
// fixes it at 282. Constituents with a p1 term (T2, R2) take the difference at 2000.0.
export const SOURCE_SOLAR_PERIGEE = 282.93735;

// The predictor package writes M3's argument as 3 tau - 180, but the phase lags of the analyses
// behind TICON-4 refer M3 to 3 tau, which is the program's own argument (3h - 3s + 180 at 0 h UT):
// the source's M3 phases lie within a few degrees of JMA's own M3 phases, and JMA's tables are
// fitted better without a half turn. So the package's constant is replaced by this one.
export const SOURCE_PHASE_REFERENCE = { M3: 180 };

// V0 of a source constituent at 0 h UT from its Doodson coefficients (tau, s, h, p, N', p1,
// quarter turns), written in the terms of the table above: tau = 180 + h - s.
function sourceV0(coefficients) {
  const [tau, s, h, p, nodePrime, p1, quarter] = coefficients;
  return { s: s - tau, h: h + tau, p, node: nodePrime,
           c: 180 * tau + SOURCE_SOLAR_PERIGEE * p1 + 90 * quarter };
}

const mod360 = (x) => ((x % 360) + 360) % 360;

// What to add to a source phase lag so that the predictor package, with its own argument for
// the constituent, predicts the tide the source's phase lag describes (0 but for M3).
export function packagePhaseOffset(name, predictorConstituents) {
  if (!(name in SOURCE_PHASE_REFERENCE)) return 0;
  return mod360(sourceV0(predictorConstituents[name].coefficients).c - SOURCE_PHASE_REFERENCE[name]);
}

// Matches each of the 40 with a source constituent: same speed, same argument apart from a
// constant, which becomes the phase correction. Returns per index {source, correction, factor}.
export function matchConstituents(predictorConstituents) {
  return CONSTITUENTS.map((c, i) => {
    if (!c.source) return { index: i, source: "", why: "not in the data set" };
    const src = predictorConstituents[c.source];
    if (!src || !src.coefficients) throw new Error(`${c.label}: source ${c.source} unknown`);
    const v = sourceV0(src.coefficients);
    if (c.source in SOURCE_PHASE_REFERENCE) v.c = SOURCE_PHASE_REFERENCE[c.source];
    const extraP = c.label === "M1" ? M1_MAIN_LINE.p : 0;
    const speedOk = c.label === "M1" || Math.abs(src.speed - c.speed) <= TOLERANCE_SPEED;
    if (!speedOk) throw new Error(`${c.label}: speed ${c.speed} against ${src.speed}`);
    if (v.s !== c.v0.s || v.h !== c.v0.h || v.p !== c.v0.p + extraP || v.node !== 0)
      throw new Error(`${c.label}: argument differs from ${c.source} beyond a constant`);
    return {
      index: i,
      source: c.source,
      sourceSpeed: src.speed,
      correction: mod360(c.v0.c - v.c), // added to the source's phase lag
      factor: c.label === "M1" ? M1_MAIN_LINE.amplitudeFactor : 1,
    };
  });
}

// ---------------------------------------------------------------------------------------------
// Shift-JIS (Windows code page 932) encoding, built from the platform's decoder.
// ---------------------------------------------------------------------------------------------
let sjisTable = null;
function sjisEncode(text) {
  if (!sjisTable) {
    sjisTable = new Map();
    const decoder = new TextDecoder("shift_jis", { fatal: true });
    for (let lead = 0x81; lead <= 0xfc; ++lead) {
      if (lead > 0x9f && lead < 0xe0) continue;
      for (let trail = 0x40; trail <= 0xfc; ++trail) {
        if (trail === 0x7f) continue;
        let ch;
        try { ch = decoder.decode(new Uint8Array([lead, trail])); } catch { continue; }
        if (!sjisTable.has(ch)) sjisTable.set(ch, [lead, trail]);
      }
    }
  }
  const bytes = [];
  for (const ch of text) {
    const code = ch.codePointAt(0);
    if (code < 0x80) bytes.push(code);
    else if (sjisTable.has(ch)) bytes.push(...sjisTable.get(ch));
    else throw new Error(`character ${ch} has no Shift-JIS code`);
  }
  return Buffer.from(bytes);
}

// ---------------------------------------------------------------------------------------------
// Numbers as written in the file.
// ---------------------------------------------------------------------------------------------

// Decimal degrees to the file's signed degrees.minutes text, minutes rounded to the whole.
export function degMinText(decimalDeg) {
  const sign = decimalDeg < 0 ? "-" : "";
  let totalMinutes = Math.round(Math.abs(decimalDeg) * 60);
  const deg = Math.floor(totalMinutes / 60);
  const min = totalMinutes - 60 * deg;
  return `${sign}${deg}.${String(min).padStart(2, "0")}`;
}

// The decimal degrees the program reads back from that text.
export function degMinValue(text) {
  const v = Number(text);
  const whole = Math.trunc(v);
  return whole + Math.round((v - whole) * 100) / 60;
}

const hundredths = (n) => `${n < 0 ? "-" : ""}${Math.floor(Math.abs(n) / 100)}.${String(Math.abs(n) % 100).padStart(2, "0")}`;

// ---------------------------------------------------------------------------------------------
// One port file.
// ---------------------------------------------------------------------------------------------
const PROVIDERS = {
  jodc_jma: "Japan Meteorological Agency via JODC",
  jodc_jcg: "Japan Coast Guard via JODC",
  jodc_giaj: "Geospatial Information Authority of Japan via JODC",
  jodc_pahb: "MLIT Ports and Harbours Bureau via JODC",
  uhslc_fd: "UHSLC fast delivery",
  uhslc_rq: "UHSLC research quality",
};

export function providerOf(id) {
  const key = Object.keys(PROVIDERS).find((k) => id.endsWith(k));
  if (!key) throw new Error(`${id}: unknown data provider`);
  return PROVIDERS[key];
}

// Returns { text, lines } of the file for one station under its port's full name.
export function portFileText(station, portName, matches) {
  const latText = degMinText(station.latitude);
  const lonText = degMinText(station.longitude);
  const lonFile = degMinValue(lonText); // the longitude the program will use
  const byName = new Map(station.harmonic_constituents.map((c) => [c.name, c]));

  const ampH = [], lagH = []; // hundredths of cm and of degrees
  for (const m of matches) {
    const c = m.source ? byName.get(m.source) : undefined;
    if (!c) { ampH.push(0); lagH.push(0); continue; }
    const n = CONSTITUENTS[m.index].n;
    ampH.push(Math.round(c.amplitude * 100 * m.factor * 100));
    lagH.push(Math.round(mod360(c.phase + n * lonFile + m.correction) * 100) % 36000);
  }
  // Z0 of the Japanese chart datum: the sum of the four principal amplitudes.
  const z0H = ampH[24] + ampH[28] + ampH[13] + ampH[7];

  const lines = [`${portName},${latText},${lonText},${hundredths(z0H)}`];
  for (let k = 0; k < 20; ++k) {
    const a = 2 * k, b = 2 * k + 1;
    lines.push([CONSTITUENTS[a].label, hundredths(ampH[a]), hundredths(lagH[a]),
                CONSTITUENTS[b].label, hundredths(ampH[b]), hundredths(lagH[b])].join(","));
  }
  const id = station.source.id;
  lines.push(`TICON-4 station ${id}`);
  lines.push(`GESLA-4 record of ${providerOf(id)}`);
  lines.push("CC BY 4.0, Hart-Davis, Dettmering, Seitz 2025, doi:10.17882/109129");
  return { lines, text: lines.join("\r\n") + "\r\n" };
}

// Checks the limits of the file format; throws on the first breach.
export function checkLimits(name, lines) {
  const header = lines[0].split(",");
  if (header.length !== 4) throw new Error(`${name}: header needs four fields`);
  if (sjisEncode(header[0]).length > 19) throw new Error(`${name}: station name over 19 bytes`);
  lines.slice(0, 21).forEach((line, i) => {
    if (sjisEncode(line).length > 58) throw new Error(`${name}: line ${i + 1} over 58 characters`);
    const fields = line.split(",");
    if (fields.some((f) => f.length === 0 || sjisEncode(f).length > 19))
      throw new Error(`${name}: line ${i + 1} has an empty or long field`);
    if (i > 0 && fields.length !== 6) throw new Error(`${name}: line ${i + 1} needs six fields`);
  });
  lines.slice(21).forEach((line, i) => {
    if (sjisEncode(line).length > 75) throw new Error(`${name}: note ${i + 1} over 75 characters`);
  });
}

// ---------------------------------------------------------------------------------------------
// The list of shipped ports, the gauge table and the choice among gauges of one port.
// ---------------------------------------------------------------------------------------------
const tsvRows = (path) => readFileSync(path, "utf8").split("\n").map((l) => l.replace(/\r$/, ""))
  .filter((l) => l && !l.startsWith("#")).map((l) => l.split("\t"));

export const PORT_COLUMNS = ["file", "name", "romaji", "prefecture", "latitude", "longitude", "source", "remark"];

// data/ports.tsv: a header row, then one row per port file of dt/.
export function readPortList(path) {
  const [header, ...rows] = tsvRows(path);
  if (!header || header.join("\t") !== PORT_COLUMNS.join("\t"))
    throw new Error(`${path}: header must be ${PORT_COLUMNS.join(" ")}`);
  const files = new Set();
  return rows.map((fields) => {
    const row = Object.fromEntries(PORT_COLUMNS.map((c, i) => [c, fields[i] ?? ""]));
    const where = `${path}: ${row.file}`;
    if (fields.length < 7 || fields.length > 8) throw new Error(`${where}: ${fields.length} columns`);
    if (!/^\d\d$/.test(row.prefecture) || !row.file.startsWith(row.prefecture))
      throw new Error(`${where}: prefecture code ${row.prefecture}`);
    if (sjisEncode(row.file).length > 10) throw new Error(`${where}: port name over 8 bytes`);
    if (!row.name || row.name.includes(",") || sjisEncode(row.name).length > 19)
      throw new Error(`${where}: name must be 1 to 19 bytes without commas`);
    if (!/^(JMA:[0-9A-Z]{2}|TICON:[0-9a-z_-]+)$/.test(row.source)) throw new Error(`${where}: source ${row.source}`);
    if (files.has(row.file)) throw new Error(`${where}: file named twice`);
    files.add(row.file);
    return row;
  });
}

// data/ticon_gauges.tsv: id, station, code, port, jma, remark.
export function readGauges(path) {
  return tsvRows(path).map(([id, station, code, port, jma = "", remark = ""]) => {
    if (!/^\d\d$/.test(code)) throw new Error(`${id}: prefecture code ${code}`);
    if (!port || sjisEncode(port).length > 8) throw new Error(`${id}: port name ${port} over 8 bytes`);
    if (jma && !/^[0-9A-Z]{2}$/.test(jma)) throw new Error(`${id}: JMA code ${jma}`);
    return { id, station, code, port, jma, remark };
  });
}

const recordDays = (s) => (Date.parse(s.epoch.end) - Date.parse(s.epoch.start)) / 86400000;

// The better gauge: the longer record, then the later end, then the smaller id.
export function betterGauge(a, b) {
  const la = recordDays(a), lb = recordDays(b);
  if (Math.abs(la - lb) > 31) return la > lb ? a : b;
  if (a.epoch.end !== b.epoch.end) return a.epoch.end > b.epoch.end ? a : b;
  return a.id < b.id ? a : b;
}

// ---------------------------------------------------------------------------------------------
// Main.
// ---------------------------------------------------------------------------------------------
export async function loadPackages(modules) {
  const dir = resolve(modules);
  const db = await import(pathToFileURL(join(dir, "@neaps/tide-database/dist/node/index.js")).href);
  const predictor = await import(pathToFileURL(join(dir, "@neaps/tide-predictor/dist/index.js")).href);
  return { db, predictor };
}

// Every station of the names table chosen per port: [{row, station}], in file-name order.
export function choosePorts(names, stationsById) {
  const groups = new Map();
  for (const row of names) {
    const station = stationsById.get(row.id);
    if (!station) throw new Error(`${row.id}: not among the accepted stations of the data set`);
    const key = row.code + row.port;
    const prev = groups.get(key);
    if (!prev) { groups.set(key, { row, station, dropped: [] }); continue; }
    const keepNew = betterGauge(prev.station, station) === station;
    groups.set(key, keepNew ? { row, station, dropped: [...prev.dropped, prev.station] }
                            : { ...prev, dropped: [...prev.dropped, station] });
  }
  return [...groups.entries()].sort(([a], [b]) => (a < b ? -1 : a > b ? 1 : 0)).map(([, g]) => g);
}

const bareId = (id) => id.replace(/^ticon\//, "");

// Distance in km between two positions in decimal degrees (equirectangular, ample at a few km).
export function distanceKm(lat1, lon1, lat2, lon2) {
  const r = Math.PI / 180;
  return 6371 * Math.hypot((lon2 - lon1) * r * Math.cos(((lat1 + lat2) / 2) * r), (lat2 - lat1) * r);
}

// Splits the chosen ports into those this tool writes and those a JMA port covers, and checks
// that the written ones are exactly the TICON rows of the port list (same gauge, same file).
export function planPorts(ports, portList) {
  const jmaRows = new Map(portList.filter((r) => r.source.startsWith("JMA:")).map((r) => [r.source.slice(4), r]));
  const ticonRows = new Map(portList.filter((r) => r.source.startsWith("TICON:")).map((r) => [r.source.slice(6), r]));
  const written = [], covered = [];
  for (const g of ports) {
    const key = g.row.code + g.row.port;
    if (g.row.jma) {
      const jma = jmaRows.get(g.row.jma);
      if (!jma) throw new Error(`${key}: JMA port ${g.row.jma} is not in the port list`);
      covered.push({ ...g, jma, km: distanceKm(g.station.latitude, g.station.longitude,
                                              degMinValue(jma.latitude), degMinValue(jma.longitude)) });
      continue;
    }
    const row = ticonRows.get(bareId(g.station.id));
    if (!row) throw new Error(`${key}: gauge ${g.station.id} has no TICON row in the port list`);
    if (row.file !== key) throw new Error(`${key}: the port list names its file ${row.file}`);
    ticonRows.delete(bareId(g.station.id));
    written.push({ ...g, list: row });
  }
  if (ticonRows.size) throw new Error(`TICON rows of the port list that are no chosen gauge: ${[...ticonRows.keys()].join(" ")}`);
  return { written, covered };
}

function parseArgs(argv) {
  const args = { ports: join(here, "../data/ports.tsv"), gauges: join(here, "../data/ticon_gauges.tsv"),
                 out: join(here, "../data/dt") };
  for (let i = 0; i < argv.length; ++i) {
    const a = argv[i];
    if (a === "--check") args.check = true;
    else if (a === "--report") args.report = true;
    else if (["--modules", "--ports", "--gauges", "--out"].includes(a) && i + 1 < argv.length) args[a.slice(2)] = argv[++i];
    else throw new Error(`unknown argument ${a}`);
  }
  if (!args.modules) throw new Error("--modules DIR is required");
  return args;
}

async function main() {
  const args = parseArgs(process.argv.slice(2));
  const { db, predictor } = await loadPackages(args.modules);
  const matches = matchConstituents(predictor.constituents);

  const japan = db.stations.filter((s) => s.country_code === "JP");
  const stationsById = new Map(japan.map((s) => [s.id, s]));
  const gauges = readGauges(args.gauges);
  const listed = new Set(gauges.map((r) => r.id));
  const unlisted = japan.filter((s) => !listed.has(s.id)).map((s) => s.id);
  if (unlisted.length) throw new Error(`stations without a row in the gauge table: ${unlisted.join(" ")}`);

  const { written, covered } = planPorts(choosePorts(gauges, stationsById), readPortList(args.ports));
  if (args.report) {
    for (const m of matches) {
      const c = CONSTITUENTS[m.index];
      console.log(`${String(m.index).padStart(2)} ${c.label.padEnd(5)} ${m.source ? `${m.source} ${m.sourceSpeed} correction ${m.correction}${m.factor !== 1 ? ` amplitude x${m.factor.toFixed(4)}` : ""}` : m.why}`);
    }
    for (const g of [...written, ...covered])
      for (const d of g.dropped)
        console.log(`${g.row.code}${g.row.port}: kept ${g.station.id} (${g.station.epoch.start}..${g.station.epoch.end}), dropped ${d.id} (${d.epoch.start}..${d.epoch.end})`);
    for (const g of covered)
      console.log(`${g.row.code}${g.row.port}: ${bareId(g.station.id)} covered by JMA:${g.row.jma} ${g.jma.file} at ${g.km.toFixed(1)} km`);
    console.log(`${written.length} ports from TICON-4, ${covered.length} covered by JMA ports, from ${japan.length} stations`);
  }

  if (!args.check) mkdirSync(args.out, { recursive: true });
  let differences = 0;
  for (const { list, station } of written) {
    const fileName = `${list.file}.MV2`;
    const { lines, text } = portFileText(station, list.name, matches);
    checkLimits(fileName, lines);
    const [, lat, lon] = lines[0].split(",");
    if (lat !== list.latitude || lon !== list.longitude)
      throw new Error(`${fileName}: the port list says ${list.latitude} ${list.longitude}, the source ${lat} ${lon}`);
    const bytes = sjisEncode(text);
    const path = join(args.out, fileName);
    if (args.check) {
      if (!existsSync(path) || !readFileSync(path).equals(bytes)) {
        console.error(`differs: ${fileName}`);
        ++differences;
      }
    } else {
      writeFileSync(path, bytes);
    }
  }
  if (args.check && differences) process.exit(1);
  if (!args.report) console.log(`${written.length} port files ${args.check ? "checked" : "written"} in ${args.out}`);
}

if (process.argv[1] && resolve(process.argv[1]) === fileURLToPath(import.meta.url)) {
  main().catch((e) => { console.error(e.message); process.exit(1); });
}
