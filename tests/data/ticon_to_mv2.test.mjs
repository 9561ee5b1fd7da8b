// Rules of the port-file conversion: degrees.minutes text, constituent matching against the
// source's Doodson arguments, phase lags referred to the port meridian, limits, gauge choice.
import { test } from "node:test";
import assert from "node:assert/strict";
import { mkdtempSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { CONSTITUENTS, matchConstituents, degMinText, degMinValue, portFileText, checkLimits,
         betterGauge, readNames } from "../../tools/ticon_to_mv2.mjs";

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
  assert.equal(at("M3").correction, 180);
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

test("phase lags are referred to the port meridian, M3 turned by 180, amplitudes in cm", () => {
  const m = matchConstituents(sourceTable({ M3: { speed: 43.4761564, coefficients: [3, 0, 0, 0, 0, 0, -2] } }));
  const { lines } = portFileText(owase([
    { name: "SA", amplitude: 0.11218, phase: 156.95 },
    { name: "K1", amplitude: 0.2, phase: 10 },         // 10 + 136.2
    { name: "O1", amplitude: 0.15, phase: 359.9 },     // 359.9 + 136.2 - 360
    { name: "M2", amplitude: 0.43904, phase: 350 },    // 350 + 2 x 136.2 - 360
    { name: "S2", amplitude: 0.198, phase: 87.6 },     // 87.6 + 272.4: 360 written as 0
    { name: "M3", amplitude: 0.0047, phase: 100 },     // 100 + 3 x 136.2 + 180 - 360
    { name: "M6", amplitude: 0.0001, phase: 0.004 },   // 0.004 + 6 x 136.2 - 720
    { name: "M1", amplitude: 0.0099, phase: 0 },
  ]), "尾鷲", m);
  const expected = {
    0: "尾鷲,34.05,136.12,98.70", // Z0 = 43.90 + 19.80 + 20.00 + 15.00
    1: "Sa,11.22,156.95,Ssa,0.00,0.00",
    4: "rho1,0.00,0.00,O1,15.00,136.10",
    5: "MP1,0.00,0.00,M1,0.66,136.20",
    7: "S1,0.00,0.00,K1,20.00,146.20",
    13: "M2,43.90,262.40,lam2,0.00,0.00",
    15: "S2,19.80,0.00,R2,0.00,0.00",
    17: "MO3,0.00,0.00,M3,0.47,328.60",
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

test("the names table refuses port names the program cannot load", () => {
  const dir = mkdtempSync(join(tmpdir(), "ports-"));
  const file = join(dir, "ports.tsv");
  writeFileSync(file, "# comment\nticon/a\tA\t24\t尾鷲\t\n");
  assert.deepEqual(readNames(file).map((r) => r.code + r.port), ["24尾鷲"]);
  writeFileSync(file, "ticon/a\tA\t02\tむつ小川原\t\n");
  assert.throws(() => readNames(file), /over 8 bytes/);
  writeFileSync(file, "ticon/a\tA\t2\t尾鷲\t\n");
  assert.throws(() => readNames(file), /prefecture code/);
});
