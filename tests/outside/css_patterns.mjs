// The first-start patterns' texts for random colours, read back by Color.js, the colour library the
// CSS Color editors maintain. Hex and rgb() must give the colour's bytes exactly. The decimal
// notations must give, in the notation's own coordinates, the colour's coordinates to within half a
// unit of the last digit printed (hsl/hwb 0.05, lab/lch 0.005, oklab/oklch lightness 0.00005 as
// "61.65%", their a, b and chroma 0.00005, hues 0.005 degrees, display-p3 0.00005), plus 1e-9 for
// the two libraries' arithmetic. A hue is compared only where the colour has one (chroma or
// saturation above a thousandth of its range). The largest sRGB difference is printed for each.
// usage: node css_patterns.mjs OUTSIDE_CSS_PATTERNS_EXE SOURCE_FOLDER
// npm: colorjs.io@0.7.1
import Color from "colorjs.io";
import { spawnSync } from "node:child_process";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

const [exe, sourceFolder] = process.argv.slice(2);
const { seededRandom } = await import(pathToFileURL(join(sourceFolder, "colorjs_reference.mjs")));
const count = 20000;
const slack = 1e-9;

const random = seededRandom(0x5eed22);
// Half of them whole bytes (as the picker's colours mostly are), half any fractions, and the corners.
const colors = [[0, 0, 0], [1, 1, 1], [1, 0, 0], [0, 1, 0], [0, 0, 1], [0.5, 0.5, 0.5]];
while (colors.length < count)
    colors.push([0, 1, 2].map(() => (colors.length % 2 ? Math.floor(random() * 256) / 255 : random())));

const run = spawnSync(exe, { input: colors.map(c => c.map(v => v.toPrecision(17)).join(" ")).join("\n") + "\n", encoding: "utf8", maxBuffer: 1 << 28 });
if (run.status !== 0) throw new Error(`${exe} failed: ${run.stderr}`);
const rows = run.stdout.trimEnd().split("\n").map(l => l.split("\t"));

// For each pattern: Color.js's space, the allowed error of each coordinate, the hue's index (or -1)
// and the coordinate whose size tells whether there is a hue, with its threshold.
const notations = [
    { name: "#hex", bytes: true },
    { name: "rgb()", bytes: true },
    { name: "hsl()", space: "hsl", step: [0.05, 0.05, 0.05], hue: 0, chroma: 1, threshold: 0.1 },
    { name: "hwb()", space: "hwb", step: [0.05, 0.05, 0.05], hue: 0, chroma: -1, threshold: 0 },
    { name: "lab()", space: "lab", step: [0.005, 0.005, 0.005], hue: -1 },
    { name: "lch()", space: "lch", step: [0.005, 0.005, 0.005], hue: 2, chroma: 1, threshold: 0.15 },
    { name: "oklab()", space: "oklab", step: [0.00005, 0.00005, 0.00005], hue: -1 },
    { name: "oklch()", space: "oklch", step: [0.00005, 0.00005, 0.005], hue: 2, chroma: 1, threshold: 0.0004 },
    { name: "display-p3", space: "p3", step: [0.00005, 0.00005, 0.00005], hue: -1 },
];

const byte = v => Math.round(v * 255);
const failures = [];
const largest = notations.map(() => 0);
colors.forEach((color, i) => {
    const source = new Color("srgb", color);
    notations.forEach((n, k) => {
        const text = rows[i]?.[k];
        let read;
        try {
            read = new Color(text);
        } catch {
            failures.push(`${n.name} ${JSON.stringify(text)}: Color.js cannot read it`);
            return;
        }
        const srgb = read.to("srgb").coords;
        largest[k] = Math.max(largest[k], ...srgb.map((v, j) => Math.abs(v - color[j])));
        if (n.bytes) {
            if (srgb.some((v, j) => byte(v) !== byte(color[j])))
                failures.push(`${n.name} ${text}: bytes ${srgb.map(byte)}, expected ${color.map(byte)}`);
            return;
        }
        const want = source.to(n.space).coords, got = read.to(n.space).coords;
        // hwb's hue is the HSV hue: there is one when the colour is not a gray.
        const hasHue = n.chroma >= 0 ? (want[n.chroma] ?? 0) > n.threshold : Math.max(...color) - Math.min(...color) > 1e-3;
        want.forEach((w, j) => {
            if (j === n.hue && !hasHue) return;
            let d = Math.abs((got[j] ?? 0) - (w ?? 0));
            if (j === n.hue) d = Math.min(d, 360 - d);
            if (d > n.step[j] + slack) failures.push(`${n.name} ${text}: coordinate ${j} off by ${d} (colour ${color})`);
        });
    });
});
console.log(`${colors.length} colours x ${notations.length} patterns, ${failures.length} failures`);
notations.forEach((n, k) => console.log(`  ${n.name}: largest sRGB difference ${largest[k].toExponential(2)}`));
for (const f of failures.slice(0, 40)) console.log("FAIL " + f);
process.exit(failures.length ? 1 : 0);
