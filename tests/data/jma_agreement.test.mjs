// The JMA agreement check's own rules: the table's events read in time order, the program's
// events moved from zone time to JST, and the pairing within an hour.
import { test } from "node:test";
import assert from "node:assert/strict";
import { tableEvents, programEvents, compare } from "../../tools/jma_agreement.mjs";

// Tokyo, 2024-01-01 and 01-02 as published: the first day's highs 08:23 166 and 19:14 160,
// lows 01:44 26 and 13:55 100.
const hours = " 47".repeat(24);
const day1 = hours + "24 1 1TK 823166191416099999999999999 144 26135510099999999999999";
const day2 = hours + "24 1 2TK 85416320 014799999999999999 216 391436 9899999999999999";

test("table events in time order, blank-padded times, the day from the date", () => {
  const e = tableEvents(`${day1}\n${day2}\n`, 2024);
  assert.deepEqual(e.slice(0, 4), [
    { t: 104, h: 26, high: false }, { t: 503, h: 166, high: true },
    { t: 835, h: 100, high: false }, { t: 1154, h: 160, high: true }]);
  assert.deepEqual(e[5], { t: 1440 + 8 * 60 + 54, h: 163, high: true });
  assert.deepEqual(e.at(-1), { t: 1440 + 20 * 60, h: 147, high: true }); // "20 0" is 20:00
  assert.throws(() => tableEvents(day1.slice(0, 100), 2024));
});

test("program events: zone time of 150 E is an hour ahead of JST", () => {
  const csv = "port,date,time,datetime,height_cm,kind\nX,2023-12-31,23:30,2023-12-31T23:30+10:00,10.5,low\n" +
              "X,2024-01-02,00:45,2024-01-02T00:45+10:00,99.0,high\n";
  assert.deepEqual(programEvents(csv, 2024, 0), [
    { t: -30, h: 10.5, high: false }, { t: 1440 + 45, h: 99, high: true }]);
  assert.equal(programEvents(csv, 2024, 60)[1].t, 1440 - 15);
});

test("pairing: nearest within an hour, once each; kinds, unmatched and leftovers counted", () => {
  const table = [{ t: 100, h: 50, high: true }, { t: 400, h: 10, high: false },
                 { t: 700, h: 60, high: true }, { t: 1000, h: 20, high: false }];
  const program = [{ t: 98, h: 50.4, high: true }, { t: 103, h: 49, high: true },
                   { t: 405, h: 9.5, high: true }, { t: 761, h: 60, high: true },
                   { t: 1001, h: 20.2, high: false }];
  const r = compare(table, program);
  assert.equal(r.events, 4);
  assert.equal(r.unmatched, 1);       // 700: the nearest is 61 minutes away
  assert.equal(r.leftOver, 2);        // 103 (100 took 98) and 761
  assert.equal(r.kindMismatches, 1);  // 405 is called high
  assert.equal(r.medianAbsDt, 2);     // |dt| 1, 2, 5
  assert.equal(r.maxAbsDt, 5);
  assert.ok(Math.abs(r.medianDh - 0.2) < 1e-9); // dh 0.4, -0.5, 0.2
});
