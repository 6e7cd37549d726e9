// Palette files against tools no one here wrote:
// (a) our design token file of random cells builds with Style Dictionary, the widely used token
//     build tool, into CSS custom properties, one a cell, named and ordered as the cells, each the
//     cell's colour to the byte (the precision its CSS output has);
// (b) Tailwind's own theme file (tailwindcss/theme.css) imports: every --color-* property, in file
//     order and nothing else, each the sRGB that Color.js, the colour library the CSS Color editors
//     maintain, maps it to by CSS gamut mapping, to 1e-9 even where it is mapped (the two mappings
//     agree to about 3e-14 on this file).
// usage: node palette_files.mjs OUTSIDE_PALETTE_FILES_EXE SOURCE_FOLDER
// npm: style-dictionary@5.8.0
// npm: tailwindcss@4.3.5
// npm: colorjs.io@0.7.1
import Color from "colorjs.io";
import StyleDictionary from "style-dictionary";
import { spawnSync } from "node:child_process";
import { mkdtempSync, readFileSync, writeFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { fileURLToPath, pathToFileURL } from "node:url";

const [exe, sourceFolder] = process.argv.slice(2);
const { colorjsReference, inGamutTolerance, seededRandom } = await import(pathToFileURL(join(sourceFolder, "colorjs_reference.mjs")));
const { reference } = colorjsReference(Color);
const here = fileURLToPath(new URL(".", import.meta.url));
const byte = v => Math.round(v * 255);

function ours(args, input = "") {
    const run = spawnSync(exe, args, { input, encoding: "utf8", maxBuffer: 1 << 28 });
    if (run.status !== 0) throw new Error(`${exe} ${args.join(" ")} failed: ${run.stderr}`);
    return run.stdout;
}
function imported(path) {
    const lines = ours(["read", path]).trimEnd().split("\n");
    if (lines[0].startsWith("error")) throw new Error(`${path}: ${lines[0]}`);
    return lines.map(l => l.split(" ").map(Number));
}

// ---- (a) design tokens through Style Dictionary ----------------------------------------------
const random = seededRandom(0x70ce25);

async function tokensCheck() {
    // Any fractions, and some just either side of a byte's rounding edge.
    const cells = [[0, 0, 0], [1, 1, 1]];
    while (cells.length < 2000)
        cells.push([0, 1, 2].map(() => (cells.length % 3 ? random() : (Math.floor(random() * 255) + 0.5 + (random() - 0.5) * 1e-9) / 255)));
    const folder = mkdtempSync(join(tmpdir(), "huex-tokens-"));
    const failures = [];
    try {
        writeFileSync(join(folder, "huex.tokens.json"), ours(["tokens"], cells.map(c => c.map(v => v.toPrecision(17)).join(" ")).join("\n") + "\n"));
        const sd = new StyleDictionary({
            source: [join(folder, "huex.tokens.json")],
            log: { verbosity: "silent", warnings: "error" },
            platforms: { css: { transformGroup: "css", buildPath: folder + "/", files: [{ destination: "vars.css", format: "css/variables" }] } },
        });
        await sd.buildAllPlatforms();
        const css = readFileSync(join(folder, "vars.css"), "utf8");
        const built = [...css.matchAll(/--([\w-]+):\s*([^;]+);/g)].map(m => [m[1], m[2]]);
        if (built.length !== cells.length) failures.push(`${built.length} properties for ${cells.length} cells`);
        built.forEach(([name, value], i) => {
            const cell = cells[i];
            if (!cell) return;
            if (name !== `huex-${i + 1}`) failures.push(`property ${i + 1} is --${name}`);
            const got = new Color(value).to("srgb").coords.map(byte);
            if (got.some((v, j) => v !== byte(cell[j]))) failures.push(`--${name}: ${value} for cell ${cell} (bytes ${cell.map(byte)})`);
        });
        console.log(`tokens: ${cells.length} cells built by Style Dictionary into ${built.length} properties, ${failures.length} failures`);
    } finally {
        rmSync(folder, { recursive: true, force: true });
    }
    return failures;
}

// ---- (b) Tailwind's theme --------------------------------------------------------------------
function tailwindCheck() {
    const path = join(here, "node_modules", "tailwindcss", "theme.css");
    const text = readFileSync(path, "utf8");
    const expected = [...text.matchAll(/(?<![\w-])--(color-[\w-]+)\s*:\s*([^;]+);/g)].map(m => [m[1], m[2].trim()]);
    const got = imported(path);
    const failures = [];
    if (got.length !== expected.length) failures.push(`${got.length} colours imported, the theme has ${expected.length} --color-* properties`);
    let mapped = 0, largest = 0;
    expected.forEach(([name, value], i) => {
        const { coords: want, inGamut } = reference(new Color(value));
        const have = got[i];
        if (!have) return;
        if (!inGamut) ++mapped;
        const d = Math.max(...have.map((v, j) => Math.abs(v - want[j])));
        largest = Math.max(largest, d);
        if (d > inGamutTolerance) failures.push(`--${name}: ${value} gave ${have}, expected ${want}`);
    });
    console.log(`tailwind: ${expected.length} --color-* properties (${mapped} gamut-mapped), largest sRGB difference ${largest.toExponential(2)}, ${failures.length} failures`);
    return failures;
}

const failures = [...(await tokensCheck()), ...tailwindCheck()];
for (const f of failures.slice(0, 40)) console.log("FAIL " + f);
process.exit(failures.length ? 1 : 0);
