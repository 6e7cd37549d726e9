// What the checks against Color.js share: the colour it makes of a text's colour in sRGB, how far
// ours lies from it, and a seeded random source. Color.js is passed in: this file lies outside
// the folder the packages are installed into.
import { spawnSync } from "node:child_process";

export const inGamutTolerance = 1e-9;
export const mappedDeltaEOK = 0.002;

export function colorjsReference(Color) {
    // Color.js's sRGB for a colour, and whether it had to be mapped. The mapping starts from the
    // colour in its own space, so OKLab and OKLCh keep their own lightness (going through sRGB
    // first would recompute it, and oklab(1 0 10) would then miss white).
    function reference(color) {
        const inGamut = color.to("srgb").inGamut("srgb", { epsilon: 0 });
        const mapped = color.toGamut({ space: "srgb", method: "css" }).to("srgb");
        return { coords: mapped.coords.map(v => v ?? 0), inGamut };
    }
    // How far ours lies from the reference; null when within the tolerance.
    function mismatch(got, ref, tolerance) {
        if (!got) return "refused";
        if (got.some(v => !(v >= 0 && v <= 1))) return `outside 0..1: ${got}`;
        if (ref.inGamut) {
            const d = Math.max(...got.map((v, i) => Math.abs(v - ref.coords[i])));
            return d <= tolerance ? null : `off by ${d} (expected ${ref.coords})`;
        }
        const e = new Color("srgb", got).deltaE(new Color("srgb", ref.coords), "OK");
        return e <= mappedDeltaEOK ? null : `mapped ΔEOK ${e} (expected ${ref.coords})`;
    }
    return { reference, mismatch };
}

// mulberry32: the same numbers every run.
export function seededRandom(seed) {
    return () => {
        seed = (seed + 0x6d2b79f5) | 0;
        let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
        t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

// Our program's answer lines to input lines, each "none" or numbers.
export function ourLines(exe, args, lines) {
    const run = spawnSync(exe, args, { input: lines.join("\n") + "\n", maxBuffer: 1 << 28, encoding: "utf8" });
    if (run.status !== 0) throw new Error(`${exe} failed: ${run.stderr}`);
    const out = run.stdout.split("\n");
    return lines.map((_, i) => (out[i] === "none" ? null : out[i].split(" ").map(Number)));
}
