// The pattern language's six CSS models against Color.js, the colour library the CSS Color editors
// maintain:
// (a) every component our patterns write for 10^5 random colours (and the grays, primaries and
//     hue seams) equals Color.js's coordinate to 1e-7 in natural units;
// (b) texts of every model, inside and far outside sRGB, read back through the pattern to the
//     sRGB Color.js makes of them (to 1e-9 where sRGB holds the colour, within ΔEOK 0.002 where it
//     is mapped).
// usage: node pattern_models.mjs OUTSIDE_PATTERN_MODELS_EXE SOURCE_FOLDER
// npm: colorjs.io@0.7.1
import Color from "colorjs.io";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

const [exe, sourceFolder] = process.argv.slice(2);
const { inGamutTolerance, colorjsReference, seededRandom, ourLines } = await import(pathToFileURL(join(sourceFolder, "colorjs_reference.mjs")));
const { reference, mismatch } = colorjsReference(Color);
const random = seededRandom(0x5eed21);
const componentTolerance = 1e-7;

// In the order our program writes them. `hue` is the hue's index; `chroma` the index of what
// decides whether there is a hue at all, with the reference it is measured against (our gray rule:
// below a millionth of it, the hue is 0).
const models = [
    { name: "hwb", space: "hwb", hue: 0 },
    { name: "lab", space: "lab" },
    { name: "lch", space: "lch", hue: 2, chroma: [1, 150] },
    { name: "oklab", space: "oklab" },
    { name: "oklch", space: "oklch", hue: 2, chroma: [1, 0.4] },
    { name: "p3", space: "p3" },
];
// The ranges our patterns read, for the far-out texts: each component from lo to hi.
const ranges = {
    hwb: [[0, 360], [0, 100], [0, 100]],
    lab: [[0, 100], [-125, 125], [-125, 125]],
    lch: [[0, 100], [0, 150], [0, 360]],
    oklab: [[0, 1], [-0.4, 0.4], [-0.4, 0.4]],
    oklch: [[0, 1], [0, 0.4], [0, 360]],
    p3: [[0, 1], [0, 1], [0, 1]],
};

const hueDistance = (a, b) => Math.abs(((a - b + 540) % 360) - 180);

// ---- (a) components ---------------------------------------------------------------------------
function componentCheck() {
    const colors = [[0, 0, 0], [1, 1, 1], [0.5, 0.5, 0.5], [1, 0, 0], [0, 1, 0], [0, 0, 1], [0, 1, 1], [1, 0, 1], [1, 1, 0]];
    for (let g = 0; g <= 255; ++g) colors.push([g / 255, g / 255, g / 255]);
    // Either side of each model's hue seam: reds a hair towards blue and towards yellow.
    for (const e of [1e-9, 1e-6, 1e-4, 1 / 255]) colors.push([1, 0, e], [1, e, 0], [1, e, e * 2], [1 - e, 0.2, 0.2 + e]);
    while (colors.length < 100000) colors.push([random(), random(), random()]);
    const got = ourLines(exe, ["write"], colors.map(c => c.map(v => v.toPrecision(17)).join(" ")));
    const failures = [];
    let largest = 0;
    colors.forEach((rgb, i) => {
        const srgb = new Color("srgb", rgb);
        models.forEach((m, k) => {
            const ref = srgb.to(m.space).coords.map(v => v ?? NaN);
            if (m.name === "hwb" && !Number.isNaN(ref[0]) && Math.max(...rgb) - Math.min(...rgb) === 0) ref[0] = NaN;
            const mine = got[i].slice(3 * k, 3 * k + 3);
            ref.forEach((r, j) => {
                let d;
                if (j === m.hue) {
                    const gray = Number.isNaN(r) || (m.chroma && ref[m.chroma[0]] < 1e-6 * m.chroma[1]);
                    d = gray ? Math.abs(mine[j]) : hueDistance(mine[j], r);
                } else {
                    d = Math.abs(mine[j] - r);
                }
                largest = Math.max(largest, d);
                if (!(d <= componentTolerance)) failures.push(`${m.name}[${j}] of ${rgb}: ${mine[j]}, Color.js ${r}`);
            });
        });
    });
    console.log(`components: ${colors.length} colours x 18 components, largest difference ${largest.toExponential(2)}, ${failures.length} failures`);
    return failures;
}

// ---- (b) texts read back ----------------------------------------------------------------------
const textsPerModel = 4000;
const digits = v => v.toFixed(12);

function readCheck() {
    const cases = [];
    for (const m of models) {
        for (let i = 0; i < textsPerModel; ++i) {
            let coords;
            if (i % 2 === 0) {
                // A colour sRGB holds, written in the model.
                coords = new Color("srgb", [random(), random(), random()]).to(m.space).coords.map(v => v ?? 0);
                if (m.hue !== undefined) coords[m.hue] = ((coords[m.hue] % 360) + 360) % 360;
            } else {
                // Anywhere in the pattern's ranges: mostly outside sRGB.
                coords = ranges[m.name].map(([lo, hi]) => lo + (hi - lo) * random());
            }
            const text = coords.map(digits).join(" ");
            cases.push([m, text, new Color(m.space, text.split(" ").map(Number))]);
        }
    }
    const got = ourLines(exe, ["read"], cases.map(([m, text]) => `${m.name} ${text}`));
    const failures = [];
    const mapped = {};
    cases.forEach(([m, text, color], i) => {
        const ref = reference(color);
        if (!ref.inGamut) mapped[m.name] = (mapped[m.name] ?? 0) + 1;
        const why = mismatch(got[i], ref, inGamutTolerance);
        if (why) failures.push(`${m.name} "${text}": ${why}`);
    });
    const summary = models.map(m => `${m.name} ${mapped[m.name] ?? 0}`).join(", ");
    console.log(`texts: ${cases.length} read back, gamut-mapped of ${textsPerModel} a model: ${summary}; ${failures.length} failures`);
    return failures;
}

const failures = [...componentCheck(), ...readCheck()];
for (const f of failures.slice(0, 40)) console.log("FAIL " + f);
process.exit(failures.length ? 1 : 0);
