// The colour names against code no one here wrote: the package the lists come from
// (color-name-lists) and Color.js, the colour library the CSS Color editors maintain.
// (a) Our three lists are the package's: ISCC–NBS (nbsIscc) and Russian (mlmc_russian) entry for
//     entry, names, colours and order; CSS is the package's list of the CSS keywords (html), whose
//     colours Color.js's own keyword table confirms, one name a colour ("cyan", "magenta" and the
//     "gray" spellings kept), in alphabetical order.
// (b) For 10^5 random colours, every list's own colours, and the midpoints (in sRGB and in OKLab)
//     of each entry and its nearest neighbours, our nearest name in each list equals the entry of
//     the smallest deltaEOK by Color.js (the earlier of equals); where the two differ, Color.js's
//     distances to them must lie within 1e-12 of each other (a tie: either may be named).
// (c) Every name of the three lists reads back to its colour: as listed, in capitals and small
//     letters, after "~", among blanks and tabs, with "е" for "ё"; the names our CSS list leaves
//     out read nothing.
// (d) Patterns mixing a model and names (#hex, rgb(), oklch()) read the text they write back
//     to the same bytes, and the names in it are those of (b), "~" before a CSS name whose bytes
//     differ from the colour's.
// usage: node color_names.mjs OUTSIDE_COLOR_NAMES_EXE SOURCE_FOLDER
// npm: colorjs.io@0.7.1
// npm: color-name-lists@3.33.2
import Color from "colorjs.io";
import { deltaEOK } from "colorjs.io/fn";
import colorjsKeywords from "colorjs.io/src/keywords.js";
import nameLists from "color-name-lists";
import { spawnSync } from "node:child_process";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

const [exe, sourceFolder] = process.argv.slice(2);
const { seededRandom } = await import(pathToFileURL(join(sourceFolder, "colorjs_reference.mjs")));
const random = seededRandom(0x5eed31);
const tieTolerance = 1e-12;
const failures = [];

function run(args, lines) {
    const out = spawnSync(exe, args, { input: lines.length ? lines.join("\n") + "\n" : "", maxBuffer: 1 << 28, encoding: "utf8" });
    if (out.status !== 0) throw new Error(`${exe} ${args} failed: ${out.stderr}`);
    return out.stdout.replace(/\n$/, "").split("\n");
}

// ---- (a) the lists -------------------------------------------------------------------------------
const byte = v => Math.round(v * 255);
const hexOf = rgb => "#" + rgb.map(v => byte(v).toString(16).padStart(2, "0")).join("");
const html = nameLists.lists.html;
for (const e of html) {
    const k = colorjsKeywords[e.name];
    if (!k || hexOf(k) !== e.hex.toLowerCase()) failures.push(`CSS keyword ${e.name} ${e.hex}: Color.js has ${k && hexOf(k)}`);
}
if (html.length !== Object.keys(colorjsKeywords).length) failures.push(`CSS keywords: package ${html.length}, Color.js ${Object.keys(colorjsKeywords).length}`);
const preferred = name => name === "cyan" || name === "magenta" || name.includes("gray");
const cssLeftOut = html.filter(e => !preferred(e.name) && html.some(o => o !== e && o.hex.toLowerCase() === e.hex.toLowerCase()));
const reference = {
    css: html.filter(e => !cssLeftOut.includes(e)).sort((a, b) => (a.name < b.name ? -1 : 1)),
    iscc: nameLists.lists.nbsIscc,
    russian: nameLists.lists.mlmc_russian,
};
const listNames = ["css", "iscc", "russian"];
const ours = Object.fromEntries(listNames.map(l => [l, []]));
for (const line of run(["lists"], [])) {
    const [list, name, hex] = line.split("\t");
    ours[list].push({ name, hex });
}
for (const l of listNames) {
    const want = reference[l].map(e => `${e.name} ${e.hex.toLowerCase()}`).join("\n");
    const got = ours[l].map(e => `${e.name} ${e.hex}`).join("\n");
    if (want !== got) failures.push(`list ${l}: ours (${ours[l].length}) is not the package's (${reference[l].length})`);
}
console.log(`lists: css ${ours.css.length} (of the package's ${html.length} CSS keywords), iscc ${ours.iscc.length}, russian ${ours.russian.length}; ` +
    `${failures.length ? "DIFFER" : "equal to the package's, CSS colours confirmed by Color.js"}`);

// ---- (b) the nearest names -----------------------------------------------------------------------
const entries = Object.fromEntries(listNames.map(l => [l, reference[l].map(e => ({ name: e.name, hex: e.hex.toLowerCase(), lab: new Color(e.hex).to("oklab") }))]));
const srgbOf = hex => new Color(hex).to("srgb").coords;

const colors = [[0, 0, 0], [1, 1, 1], [1, 0, 0], [0, 1, 0], [0, 0, 1], [0.5, 0.5, 0.5]];
const kinds = { corners: colors.length, own: 0, srgbMidpoints: 0, oklabMidpoints: 0, random: 0 };
const kindOf = colors.map(() => "corners");
const add = (rgb, kind) => { colors.push(rgb); kindOf.push(kind); ++kinds[kind]; };
for (const l of listNames) for (const e of entries[l]) add(srgbOf(e.hex), "own");
// Each entry and its four nearest neighbours in its list.
const seen = new Set();
for (const l of listNames) {
    const list = entries[l];
    list.forEach((e, i) => {
        const near = list.map((o, j) => [j, deltaEOK(e.lab, o.lab)]).filter(([j]) => j !== i).sort((a, b) => a[1] - b[1]).slice(0, 4);
        for (const [j] of near) {
            const key = `${l} ${Math.min(i, j)} ${Math.max(i, j)}`;
            if (seen.has(key)) continue;
            seen.add(key);
            const a = srgbOf(e.hex), b = srgbOf(list[j].hex);
            add(a.map((v, k) => (v + b[k]) / 2), "srgbMidpoints");
            const mid = new Color("oklab", e.lab.coords.map((v, k) => (v + list[j].lab.coords[k]) / 2)).to("srgb").coords;
            if (mid.every(v => v >= 0 && v <= 1)) add(mid, "oklabMidpoints");
        }
    });
}
// Half of them whole bytes, as the picker's colours mostly are, half any fractions.
for (let i = 0; i < 100000; ++i) add([0, 1, 2].map(() => (i % 2 ? Math.floor(random() * 256) / 255 : random())), "random");

// Color.js's nearest entry: the smallest deltaEOK, the earlier of equals. Only entries whose plain
// OKLab distance (the same sum) lies within 1e-9 of the smallest are handed to deltaEOK.
function nearestByColorjs(lab, list) {
    const c = lab.coords;
    const d2 = list.map(e => (c[0] - e.lab.coords[0]) ** 2 + (c[1] - e.lab.coords[1]) ** 2 + (c[2] - e.lab.coords[2]) ** 2);
    const reach = Math.sqrt(Math.min(...d2)) + 1e-9;
    let best = -1, bestDistance = Infinity;
    list.forEach((e, i) => {
        if (Math.sqrt(d2[i]) > reach) return;
        const d = deltaEOK(lab, e.lab);
        if (d < bestDistance) { best = i; bestDistance = d; }
    });
    return best;
}

const labs = colors.map(rgb => new Color("srgb", rgb).to("oklab"));
const expected = labs.map(lab => listNames.map(l => nearestByColorjs(lab, entries[l])));
// Whether our name for colour i in list k is Color.js's, or within the tie tolerance of it.
const ties = { css: 0, iscc: 0, russian: 0 };
const tieKinds = {};
let largestTie = 0;
function agrees(i, k, name) {
    const list = entries[listNames[k]];
    const want = list[expected[i][k]];
    if (name === want.name) return true;
    const got = list.find(e => e.name === name);
    if (!got) return false;
    const gap = Math.abs(deltaEOK(labs[i], got.lab) - deltaEOK(labs[i], want.lab));
    if (gap > tieTolerance) return false;
    largestTie = Math.max(largestTie, gap);
    return true;
}
const nearest = run(["nearest"], colors.map(c => c.map(v => v.toPrecision(17)).join(" "))).map(l => l.split("\t"));
let nearestFailures = 0;
colors.forEach((rgb, i) => {
    listNames.forEach((l, k) => {
        const name = nearest[i]?.[k];
        if (name === entries[l][expected[i][k]].name) return;
        if (agrees(i, k, name)) {
            ++ties[l];
            tieKinds[kindOf[i]] = (tieKinds[kindOf[i]] ?? 0) + 1;
            return;
        }
        ++nearestFailures;
        failures.push(`nearest ${l} of ${rgb}: ours ${name}, Color.js ${entries[l][expected[i][k]].name}`);
    });
});
console.log(`nearest: ${colors.length} colours (${Object.entries(kinds).map(([k, n]) => `${k} ${n}`).join(", ")}) x 3 lists; ` +
    `equal to Color.js's: ${colors.length * 3 - nearestFailures - ties.css - ties.iscc - ties.russian}; ` +
    `ties within ${tieTolerance} named the other way: css ${ties.css}, iscc ${ties.iscc}, russian ${ties.russian} ` +
    `(largest gap ${largestTie.toExponential(2)}; among ${Object.entries(tieKinds).map(([k, n]) => `${k} ${n}`).join(", ") || "none"}); ` +
    `${nearestFailures} failures`);

// ---- (c) names read back -------------------------------------------------------------------------
const reads = [];
for (const l of listNames) {
    for (const e of entries[l]) {
        const variants = new Set([e.name, e.name.toUpperCase(), e.name.toLowerCase(), "~" + e.name, " \t" + e.name + "  ",
            e.name[0].toUpperCase() + e.name.slice(1), "~" + e.name.toUpperCase()]);
        if (/ё/i.test(e.name)) for (const v of [...variants]) variants.add(v.replace(/ё/g, "е").replace(/Ё/g, "Е"));
        for (const v of variants) reads.push([l, v, e.hex]);
    }
}
for (const e of cssLeftOut) reads.push(["css", e.name, "none"]);
for (const text of ["", " ", "~", "~~red", "~ red", "red~", "Vivid  Pink", "blurple"]) reads.push(["css", text, "none"]);
const readBack = run(["read"], reads.map(([l, text]) => `${l}\t${text}`));
let readFailures = 0;
reads.forEach(([l, text, hex], i) => {
    if (readBack[i] === hex) return;
    ++readFailures;
    failures.push(`read ${l} ${JSON.stringify(text)}: ours ${readBack[i]}, expected ${hex}`);
});
console.log(`read: ${reads.length} texts (every name of the three lists in ${reads.length - cssLeftOut.length - 8} spellings, ` +
    `${cssLeftOut.length} CSS names left out, 8 non-names); ${readFailures} failures`);

// ---- (d) patterns mixing a model and names -------------------------------------------------------
const byteColors = colors.filter(rgb => rgb.every(v => Number.isInteger(v * 255) && byte(v) === v * 255));
const indexOfColor = new Map(colors.map((rgb, i) => [rgb.join(" "), i]));
const mixed = run(["mixed"], byteColors.map(c => c.map(v => v.toPrecision(17)).join(" "))).map(l => l.split("\t"));
const patternCount = mixed[0].length / 2;
let mixedFailures = 0;
byteColors.forEach((rgb, n) => {
    const i = indexOfColor.get(rgb.join(" "));
    const hex = hexOf(rgb);
    for (let p = 0; p < patternCount; ++p) {
        const text = mixed[n][2 * p], back = mixed[n][2 * p + 1];
        const [ru, , css, iscc] = text.split(" | ");
        const cssName = css?.replace(/^~/, "");
        const cssEntry = entries.css.find(e => e.name === cssName);
        const tildeRight = cssEntry && css.startsWith("~") === (cssEntry.hex !== hex);
        if (back === hex && agrees(i, 2, ru) && agrees(i, 0, cssName) && tildeRight && agrees(i, 1, iscc)) continue;
        ++mixedFailures;
        failures.push(`mixed ${JSON.stringify(text)} of ${hex}: read back ${back}`);
    }
});
console.log(`mixed patterns: ${byteColors.length} colours x ${patternCount} patterns written and read back; ${mixedFailures} failures`);

for (const f of failures.slice(0, 40)) console.log("FAIL " + f);
process.exit(failures.length ? 1 : 0);
