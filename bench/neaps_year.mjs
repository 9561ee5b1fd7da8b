// The comparison run for marevo-cli's speed: a year of high and low waters of one station with
// the neaps predictor (@neaps/tide-predictor on the TICON-4 constants of @neaps/tide-database),
// printed as CSV, whole process timed with hyperfine beside marevo-cli:
//   m=$(tools/install_neaps.sh)
//   hyperfine -N "node bench/neaps_year.mjs $m owase-ma24-jpn-jodc_jma 2026-01-01 378" \
//     "build/native/cli/marevo-cli extremes --dt data/dt --port 24尾鷲 --from 2026-01-01 --days 378 --csv"
import { loadPackages } from "../tools/ticon_to_mv2.mjs";

const [modules, id, first, days] = process.argv.slice(2);
const { db, predictor } = await loadPackages(modules);
const station = db.stations.find((s) => s.id === "ticon/" + id);
if (!station) throw new Error(`no station ${id}`);
const start = new Date(Date.parse(first + "T00:00:00+09:00"));
const end = new Date(start.getTime() + Number(days) * 86400e3);
const list = predictor.createTidePredictor(station.harmonic_constituents).getExtremesPrediction({ start, end });
let out = "datetime,height_m,kind\n";
for (const e of list) out += `${e.time.toISOString()},${e.level.toFixed(3)},${e.high ? "high" : "low"}\n`;
process.stdout.write(out);
