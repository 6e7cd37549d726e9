// parseCssColor against Color.js, the colour library the CSS Color editors maintain:
// (a) random texts of every notation, inside and far outside sRGB, each compared with Color.js's
//     own conversion and CSS gamut mapping of the colour the text says (to 1e-9 where sRGB holds
//     it, within ΔEOK 0.002 where it is mapped);
// (b) the browser test suite's colour texts (css_color_wpt.txt beside this script): the valid ones
//     give the colour the suite expects, the invalid and out-of-scope ones are refused.
// usage: node css_color.mjs OUTSIDE_CSS_COLOR_EXE SOURCE_FOLDER
// npm: colorjs.io@0.7.1
import Color from "colorjs.io";
import keywords from "colorjs.io/src/keywords.js";
import { readFileSync } from "node:fs";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

const [exe, sourceFolder] = process.argv.slice(2);
const randomPerNotation = 1000;
const { inGamutTolerance, colorjsReference, seededRandom, ourLines } = await import(pathToFileURL(join(sourceFolder, "colorjs_reference.mjs")));
const { reference, mismatch } = colorjsReference(Color);

// A newline ends a line for our program, so it travels as a form feed, which CSS reads as the
// same white space.
const ours = texts => ourLines(exe, [], texts.map(t => t.replaceAll("\n", "\f")));

// ---- (a) random texts -------------------------------------------------------------------------
const random = seededRandom(0x2c5d17);
const pick = list => list[Math.floor(random() * list.length)];
const uniform = (lo, hi) => lo + (hi - lo) * random();
const randomCase = s => [...s].map(c => (random() < 0.3 ? c.toUpperCase() : c)).join("");
const space = () => pick([" ", " ", "  ", "\t", " /* x */ ", "\n"]);
const comma = () => pick([",", ", ", " , ", ",/**/"]);

// A number as CSS text, and the double that text stands for.
function numberText(v) {
    const text = pick([String(v), v.toFixed(3), v.toExponential(5), (v >= 0 ? "+" : "") + v.toPrecision(8)]);
    return { text, value: Number(text) };
}
// A hue in some unit, and its degrees worked out as we do: the number times the unit's degrees.
const hueUnits = [["", 1], ["deg", 1], ["grad", 0.9], ["rad", 180 / Math.PI], ["turn", 360]];
function hueText(degrees) {
    const [unit, degreesPerUnit] = pick(hueUnits);
    const n = numberText(degrees / degreesPerUnit);
    return { text: n.text + randomCase(unit), value: n.value * degreesPerUnit };
}
// A component as a number or a percentage of `hundredPercent`, or now and then `none`.
function componentText(v, hundredPercent, noneAllowed) {
    if (noneAllowed && random() < 0.05) return { text: randomCase("none"), value: 0 };
    if (random() < 0.5) return numberText(v);
    const p = numberText((v / hundredPercent) * 100);
    return { text: p.text + "%", value: (p.value / 100) * hundredPercent };
}
function alphaText(legacy) {
    const r = random();
    if (r < 0.5) return "";
    const a = r < 0.7 ? numberText(random()).text : r < 0.9 ? numberText(random() * 100).text + "%" : "none";
    if (legacy) return a === "none" ? "" : comma() + a;
    return space() + "/" + space() + a;
}
function modern(name, parts) {
    return randomCase(name) + "(" + pick(["", " "]) + parts.join(space()) + alphaText(false) + pick(["", " "]) + ")";
}

// Each generator gives a text and the Color.js colour it stands for.
const generators = {
    hex() {
        const bytes = [0, 0, 0, 0].map(() => Math.floor(random() * 256));
        const short = random() < 0.4;
        const digits = bytes.map(b => (short ? (b >> 4).toString(16) : b.toString(16).padStart(2, "0")));
        const text = "#" + randomCase(digits.slice(0, random() < 0.5 ? 3 : 4).join(""));
        const value = digits.slice(0, 3).map(d => (short ? parseInt(d, 16) * 17 : parseInt(d, 16)) / 255);
        return [text, new Color("srgb", value)];
    },
    rgbLegacy() {
        const percent = random() < 0.5;
        const parts = [0, 1, 2].map(() => (percent ? numberText(uniform(0, 100)) : numberText(uniform(0, 255))));
        const text = randomCase(pick(["rgb", "rgba"])) + "(" + parts.map(p => p.text + (percent ? "%" : "")).join(comma()) + alphaText(true) + ")";
        return [text, new Color("srgb", parts.map(p => (percent ? (p.value / 100) * 255 : p.value) / 255))];
    },
    rgbModern() {
        const parts = [0, 1, 2].map(() => componentText(uniform(0, 255), 255, true));
        return [modern(pick(["rgb", "rgba"]), parts.map(p => p.text)), new Color("srgb", parts.map(p => p.value / 255))];
    },
    hslLegacy() {
        const h = hueText(uniform(-720, 720));
        const s = numberText(uniform(0, 100)), l = numberText(uniform(0, 100));
        const text = randomCase(pick(["hsl", "hsla"])) + "(" + [h.text, s.text + "%", l.text + "%"].join(comma()) + alphaText(true) + ")";
        return [text, new Color("hsl", [h.value, s.value, l.value])];
    },
    hslModern() {
        const h = random() < 0.05 ? { text: "none", value: 0 } : hueText(uniform(-720, 720));
        const s = componentText(uniform(0, 100), 100, true), l = componentText(uniform(0, 100), 100, true);
        return [modern(pick(["hsl", "hsla"]), [h.text, s.text, l.text]), new Color("hsl", [h.value, s.value, l.value])];
    },
    hwb() {
        const h = hueText(uniform(0, 360));
        const w = componentText(uniform(0, 70), 100, true), b = componentText(uniform(0, 70), 100, true);
        return [modern("hwb", [h.text, w.text, b.text]), new Color("hwb", [h.value, w.value, b.value])];
    },
    lab() {
        const far = random() < 0.5 ? 250 : 60;
        const parts = [componentText(uniform(0, 100), 100, true), componentText(uniform(-far, far), 125, true), componentText(uniform(-far, far), 125, true)];
        return [modern("lab", parts.map(p => p.text)), new Color("lab", parts.map(p => p.value))];
    },
    lch() {
        const l = componentText(uniform(0, 100), 100, true), c = componentText(uniform(0, random() < 0.5 ? 300 : 60), 150, true);
        const h = hueText(uniform(-400, 400));
        return [modern("lch", [l.text, c.text, h.text]), new Color("lch", [l.value, c.value, h.value])];
    },
    oklab() {
        const far = random() < 0.5 ? 0.8 : 0.15;
        const parts = [componentText(uniform(0.001, 0.999), 1, false), componentText(uniform(-far, far), 0.4, true), componentText(uniform(-far, far), 0.4, true)];
        return [modern("oklab", parts.map(p => p.text)), new Color("oklab", parts.map(p => p.value))];
    },
    oklch() {
        const l = componentText(uniform(0.001, 0.999), 1, false), c = componentText(uniform(0, random() < 0.5 ? 0.8 : 0.15), 0.4, true);
        const h = hueText(uniform(-400, 400));
        return [modern("oklch", [l.text, c.text, h.text]), new Color("oklch", [l.value, c.value, h.value])];
    },
};
const predefined = { srgb: "srgb", "srgb-linear": "srgb-linear", "display-p3": "p3", "a98-rgb": "a98rgb", "prophoto-rgb": "prophoto", rec2020: "rec2020", xyz: "xyz-d65", "xyz-d65": "xyz-d65", "xyz-d50": "xyz-d50" };
for (const [name, id] of Object.entries(predefined)) {
    generators[`color(${name})`] = () => {
        const far = pick([1, 1, 1.5, 20]);
        const parts = [0, 1, 2].map(() => componentText(uniform(far > 1 ? -far : 0, far), 1, true));
        return [randomCase("color") + "(" + randomCase(name) + space() + parts.map(p => p.text).join(space()) + alphaText(false) + ")", new Color(id, parts.map(p => p.value))];
    };
}

function randomCheck() {
    const cases = [];
    for (const [notation, generate] of Object.entries(generators))
        for (let i = 0; i < randomPerNotation; ++i) cases.push([notation, ...generate()]);
    for (const name of Object.keys(keywords))
        cases.push(["named", space() + randomCase(name) + pick(["", " ", "/**/"]), new Color(name)]);
    const got = ours(cases.map(c => c[1]));
    const failures = [];
    let mapped = 0;
    cases.forEach(([notation, text, color], i) => {
        const ref = reference(color);
        if (!ref.inGamut) ++mapped;
        const why = mismatch(got[i], ref, inGamutTolerance);
        if (why) failures.push(`${notation} ${JSON.stringify(text)}: ${why}`);
    });
    console.log(`random: ${cases.length} texts of ${Object.keys(generators).length + 1} notations, ${mapped} of them gamut-mapped, ${failures.length} failures`);
    return failures;
}

// ---- (b) the browser test suite ---------------------------------------------------------------
function suiteCheck() {
    const rows = readFileSync(join(sourceFolder, "css_color_wpt.txt"), "utf8")
        .split("\n")
        .filter(l => l && !l.startsWith("#"))
        .map(l => l.split("\t"))
        .map(([kind, text, expected]) => ({ kind, text: (text ?? "").replaceAll("\\n", "\n"), expected }));
    const got = ours(rows.map(r => r.text));
    const failures = [];
    const counts = {};
    rows.forEach((row, i) => {
        counts[row.kind] = (counts[row.kind] ?? 0) + 1;
        const refuse = row.kind === "invalid" || row.kind === "refused" || row.expected === "refused";
        let why = null;
        if (refuse) {
            why = got[i] ? `should be refused, gave ${got[i]}` : null;
        } else {
            // An rgb() serialization is rounded to whole bytes (by a browser that may have lost the
            // last digits of 49.999999% on the way), the others to a few decimals.
            const tolerance = /^rgba?\(/.test(row.expected) ? 0.5 / 255 + 1e-7 : 1e-6;
            why = mismatch(got[i], reference(new Color(row.expected)), tolerance);
        }
        if (why) failures.push(`${row.kind} ${JSON.stringify(row.text)}: ${why}`);
    });
    console.log(`suite: ${rows.length} texts (${Object.entries(counts).map(([k, n]) => `${n} ${k}`).join(", ")}), ${failures.length} failures`);
    return failures;
}

const failures = [...randomCheck(), ...suiteCheck()];
for (const f of failures.slice(0, 40)) console.log("FAIL " + f);
process.exit(failures.length ? 1 : 0);
