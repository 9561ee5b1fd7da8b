// Rules of the port-file conversion: degrees.minutes text, constituent matching against the
// source's Doodson arguments, phase lags referred to the port meridian, limits, gauge choice,
// the port list and the gauges that JMA ports cover.
import { test } from "node:test";
import assert from "node:assert/strict";
import { mkdtempSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { CONSTITUENTS, matchConstituents, degMinText, degMinValue, portFileText, checkLimits,
         betterGauge, readGauges, readPortList, choosePorts, planPorts } from "../../tools/ticon_to_mv2.mjs";

test("positions are written as degrees and whole minutes", () => {
  const cases = [
    [34.076383, "34.05"], [136.207217, "136.12"], [24.0, "24.00"],
    [45.9999, "46.00"],      // 59.99' rounds up into the next degree
    [43.99, "43.59"], [-33.8666667, "-33.52"], [0.5, "0.30"],
  ];
  for (const [deg, text] of cases) assert.equal(degMinText(deg), text, `${deg}`);
  assert.ok(Math.abs(degMinValue("136.12") - 136.2) < 1e-12);
  assert.ok(Math.abs(degMinValue("-33.52") + 33.8666667) < 1e-6);
});

// A source table whose arguments are the program's own, in Doodson form
// (tau = T + h - s with T = 180 at 0 h UT), except M1, which in the source is the line
// tau + p - 90; then some entries replaced by their IHO numbers.
function sourceTable(overrides) {
  const table = {};
  for (const c of CONSTITUENTS) {
    if (!c.source) continue;
    const tau = c.n === 0 ? 0 : c.n;
    table[c.source] = { speed: c.speed, coefficients: [tau, c.v0.s + tau, c.v0.h - tau, c.v0.p, 0, 0, 0] };
    // constant: 180 tau + 90 q = c (mod 360), with q chosen to absorb it
    const rest = ((c.v0.c - 180 * tau) % 360 + 360) % 360;
    table[c.source].coefficients[6] = rest / 90;
  }
  table.M1 = { speed: 14.4966939, coefficients: [1, 0, 0, 1, 0, 0, -1] };
  return { ...table, ...overrides };
}

test("constituents match by speed and argument; constant differences become phase corrections", () => {
  const iho = sourceTable({
    M3: { speed: 43.4761564, coefficients: [3, 0, 0, 0, 0, 0, -2] },   // 3 tau - 180
    P1: { speed: 14.9589314, coefficients: [1, 1, -2, 0, 0, 0, 1] },
    T2: { speed: 29.9589333, coefficients: [2, 2, -3, 0, 0, 1, 0] },   // solar perigee term
    R2: { speed: 30.0410667, coefficients: [2, 2, -1, 0, 0, -1, -2] },
  });
  const m = matchConstituents(iho);
  const at = (label) => m[CONSTITUENTS.findIndex((c) => c.label === label)];
  // The package's M3 argument 3 tau - 180 is not the one the source's phases refer to (3 tau).
  assert.equal(at("M3").correction, 0);
  for (const label of ["P1", "M2", "K1", "O1", "Sa"]) assert.equal(at(label).correction, 0, label);
  // p1 = 282.93735 at 2000.0 in the source, 282 in the program: T2 has +p1, R2 has -p1.
  assert.ok(Math.abs(at("T2").correction - (360 - 0.93735)) < 1e-9);
  assert.ok(Math.abs(at("R2").correction - 0.93735) < 1e-9);
  assert.equal(at("M1").correction, 0);
  assert.ok(Math.abs(at("M1").factor - 2 / 3) < 1e-12);
  for (const label of ["MP1", "pi1", "psi1", "phi1", "SO1", "OP2", "MO3", "MK3", "SK3"])
    assert.equal(at(label).source, "", label);
  assert.equal(m.filter((x) => x.source).length, 31);
});

test("a source constituent of another speed or another argument is refused", () => {
  assert.throws(() => matchConstituents(sourceTable({ N2: { speed: 28.44973, coefficients: [2, -1, 0, 1, 0, 0, 0] } })), /N2: speed/);
  assert.throws(() => matchConstituents(sourceTable({ N2: { speed: 28.4397295, coefficients: [2, -1, 0, 0, 0, 0, 0] } })), /N2: argument/);
  assert.throws(() => matchConstituents(sourceTable({ MM: undefined })), /source MM unknown/);
});

const owase = (constituents) => ({
  latitude: 34.076383, longitude: 136.207217,
  source: { id: "owase-ma24-jpn-jodc_jma" },
  harmonic_constituents: constituents,
});

test("phase lags are referred to the port meridian, M3 as the source gives it, amplitudes in cm", () => {
  const m = matchConstituents(sourceTable({ M3: { speed: 43.4761564, coefficients: [3, 0, 0, 0, 0, 0, -2] } }));
  const { lines } = portFileText(owase([
    { name: "SA", amplitude: 0.11218, phase: 156.95 },
    { name: "K1", amplitude: 0.2, phase: 10 },         // 10 + 136.2
    { name: "O1", amplitude: 0.15, phase: 359.9 },     // 359.9 + 136.2 - 360
    { name: "M2", amplitude: 0.43904, phase: 350 },    // 350 + 2 x 136.2 - 360
    { name: "S2", amplitude: 0.198, phase: 87.6 },     // 87.6 + 272.4: 360 written as 0
    { name: "M3", amplitude: 0.0047, phase: 100 },     // 100 + 3 x 136.2 - 360
    { name: "M6", amplitude: 0.0001, phase: 0.004 },   // 0.004 + 6 x 136.2 - 720
    { name: "M1", amplitude: 0.0099, phase: 0 },
  ]), "八丈島（八重根）", m);
  const expected = {
    0: "八丈島（八重根）,34.05,136.12,98.70", // full name; Z0 = 43.90 + 19.80 + 20.00 + 15.00
    1: "Sa,11.22,156.95,Ssa,0.00,0.00",
    4: "rho1,0.00,0.00,O1,15.00,136.10",
    5: "MP1,0.00,0.00,M1,0.66,136.20",
    7: "S1,0.00,0.00,K1,20.00,146.20",
    13: "M2,43.90,262.40,lam2,0.00,0.00",
    15: "S2,19.80,0.00,R2,0.00,0.00",
    17: "MO3,0.00,0.00,M3,0.47,148.60",
    20: "M6,0.01,97.20,2MS6,0.00,0.00",
  };
  for (const [i, line] of Object.entries(expected)) assert.equal(lines[i], line, `line ${i}`);
  assert.equal(lines.length, 24);
  assert.equal(lines[21], "TICON-4 station owase-ma24-jpn-jodc_jma");
  assert.match(lines[23], /CC BY 4\.0/);
  checkLimits("24尾鷲.MV2", lines);
});

test("lines over the format's limits are refused", () => {
  const good = ["尾鷲,34.05,136.12,98.70", ...Array(20).fill("C,1.00,2.00,D,3.00,4.00"), "note"];
  checkLimits("ok", good);
  const long = [...good]; long[3] = "C,1.00,2.00,D,3.00," + "4".repeat(40);
  assert.throws(() => checkLimits("long", long), /over 58|long field/);
  const five = [...good]; five[5] = "C,1.00,2.00,D,3.00";
  assert.throws(() => checkLimits("five", five), /six fields/);
  const name = [...good]; name[0] = "むつ小川原港の検潮所,41.00,141.23,1.00"; // 20 bytes
  assert.throws(() => checkLimits("name", name), /19 bytes/);
  const note = [...good]; note[21] = "x".repeat(76);
  assert.throws(() => checkLimits("note", note), /note 1/);
});

test("of two gauges of one port the longer record wins, then the later one", () => {
  const g = (id, start, end) => ({ id, epoch: { start, end } });
  const old19 = g("a", "1992-03-11", "2011-03-11"), new13 = g("b", "2011-04-21", "2023-12-31");
  assert.equal(betterGauge(old19, new13), old19);
  assert.equal(betterGauge(new13, old19), old19);
  const jma = g("jma", "2004-12-31", "2023-12-31"), uhslc = g("uhslc", "2006-05-31", "2025-05-31");
  assert.equal(betterGauge(jma, uhslc), uhslc);
  assert.equal(betterGauge(uhslc, jma), uhslc);
  assert.equal(betterGauge(g("y", "2000-01-01", "2019-01-01"), g("x", "2000-01-01", "2019-01-01")).id, "x");
});

function tsv(text) {
  const file = join(mkdtempSync(join(tmpdir(), "ports-")), "table.tsv");
  writeFileSync(file, text);
  return file;
}

const HEADER = "# comment\nfile\tname\tromaji\tprefecture\tlatitude\tlongitude\tsource\tremark\n";

test("the port list and the gauge table refuse names and codes the program cannot use", () => {
  const rows = readPortList(tsv(HEADER + "13八重根\t八丈島（八重根）\tHachijojima (Yaene)\t13\t33.06\t139.46\tJMA:D4\t\n" +
                                "02岩崎\t岩崎\tIwasaki\t02\t40.35\t139.55\tTICON:iwasaki-ma61-jpn-jodc_jma\n"));
  assert.deepEqual(rows.map((r) => [r.file, r.name, r.source, r.remark]),
                   [["13八重根", "八丈島（八重根）", "JMA:D4", ""], ["02岩崎", "岩崎", "TICON:iwasaki-ma61-jpn-jodc_jma", ""]]);
  const bad = (row) => assert.throws(() => readPortList(tsv(HEADER + row + "\n")));
  bad("13八丈島八重根\t八丈島（八重根）\tH\t13\t33.06\t139.46\tJMA:D4\t"); // file over 8 bytes
  bad("13八重根\t八丈島（八重根）の検潮所\tH\t13\t33.06\t139.46\tJMA:D4\t"); // name over 19 bytes
  bad("13八重根\t八丈島,八重根\tH\t13\t33.06\t139.46\tJMA:D4\t");        // comma splits the header
  bad("13八重根\t八重根\tH\t14\t33.06\t139.46\tJMA:D4\t");               // code is not the file's
  bad("13八重根\t八重根\tH\t13\t33.06\t139.46\tJMA D4\t");               // unknown source form
  bad("13八重根\t八重根\tH\t13\t33.06\t139.46\tJMA:D4\t\n13八重根\t八重根\tH\t13\t33.06\t139.46\tJMA:QQ\t");
  assert.throws(() => readPortList(tsv("file\tname\n")), /header/);

  assert.deepEqual(readGauges(tsv("# c\nticon/a\tA\t24\t尾鷲\tOW\t\n")).map((r) => [r.code + r.port, r.jma]), [["24尾鷲", "OW"]]);
  assert.throws(() => readGauges(tsv("ticon/a\tA\t02\tむつ小川原\t\t\n")), /over 8 bytes/);
  assert.throws(() => readGauges(tsv("ticon/a\tA\t2\t尾鷲\t\t\n")), /prefecture code/);
});

test("gauges of JMA ports are not written; the others must be exactly the list's TICON rows", () => {
  const station = (id, latitude, longitude) =>
    ({ id: `ticon/${id}`, latitude, longitude, epoch: { start: "2000-01-01", end: "2019-01-01" } });
  const stations = new Map([station("owase-ma24", 34.0764, 136.2072), station("iwasaki-ma61", 40.5833, 139.9167)]
    .map((s) => [s.id, s]));
  const gauges = [
    { id: "ticon/owase-ma24", code: "24", port: "尾鷲", jma: "OW" },
    { id: "ticon/iwasaki-ma61", code: "02", port: "岩崎", jma: "" },
  ];
  const list = (ticonFile, ticonId) => [
    { file: "24尾鷲", latitude: "34.05", longitude: "136.12", source: "JMA:OW" },
    { file: ticonFile, latitude: "40.35", longitude: "139.55", source: `TICON:${ticonId}` },
  ];
  const { written, covered } = planPorts(choosePorts(gauges, stations), list("02岩崎", "iwasaki-ma61"));
  assert.deepEqual(written.map((g) => g.list.file), ["02岩崎"]);
  assert.equal(covered.length, 1);
  // 34°05' 136°12' from 34.0764 136.2072: 0.00693° x 111.195 km = 0.771 km north,
  // 0.0072° x 111.195 km x cos 34.08° = 0.663 km west: 1.017 km.
  assert.ok(Math.abs(covered[0].km - 1.017) < 0.005, `${covered[0].km}`);
  assert.throws(() => planPorts(choosePorts(gauges, stations), list("02岩崎港", "iwasaki-ma61")), /names its file/);
  assert.throws(() => planPorts(choosePorts(gauges, stations), list("02岩崎", "other")), /no TICON row/);
  assert.throws(() => planPorts(choosePorts([gauges[0]], stations), list("02岩崎", "iwasaki-ma61")), /no chosen gauge/);
  assert.throws(() => planPorts(choosePorts([{ ...gauges[0], jma: "XX" }], stations), []), /not in the port list/);
});
