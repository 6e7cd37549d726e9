// Lc from apcaContrast against the APCA author's published library on 10^5 random colour pairs
// and on pairs the library puts near each verdict's minimum on both polarities; the texts of
// those pairs against the rule for the window's lines (cut toward zero to one decimal).
// npm: apca-w3@0.1.9
import { APCAcontrast, sRGBtoY } from 'apca-w3';
import { spawnSync } from 'node:child_process';

const exe = process.argv[2];
let seed = 0x2545f491;
const random = () => { // xorshift32: the same pairs on every run
    seed ^= seed << 13; seed >>>= 0;
    seed ^= seed >>> 17;
    seed ^= seed << 5; seed >>>= 0;
    return seed;
};
const color = () => [random() & 255, random() & 255, random() & 255];
const reference = (text, background) => APCAcontrast(sRGBtoY(text), sRGBtoY(background));

const pairs = [];
for (let i = 0; i < 100000; i++) pairs.push([color(), color()]);
pairs.push([[0, 0, 0], [255, 255, 255]], [[255, 255, 255], [0, 0, 0]], [[255, 255, 255], [255, 255, 255]]);
// Near each minimum: of many random pairs, the closest few below and above it, for each sign.
const minimums = [90, 75, 60, 45, 30, 15];
const near = [];
const candidates = [];
for (let i = 0; i < 400000; i++) {
    const p = [color(), color()];
    candidates.push([p, reference(p[0], p[1])]);
}
for (const m of minimums) {
    for (const sign of [1, -1]) {
        for (const above of [true, false]) {
            const side = candidates.filter(([, lc]) => Math.sign(lc) === sign &&
                (above ? Math.abs(lc) >= m : Math.abs(lc) < m));
            side.sort((a, b) => Math.abs(Math.abs(a[1]) - m) - Math.abs(Math.abs(b[1]) - m));
            near.push(...side.slice(0, 2).map(([p]) => p));
        }
    }
}
const all = pairs.concat(near);
const input = all.map(([t, b]) => `${t.join(' ')} ${b.join(' ')}`).join('\n') + '\n';
const run = spawnSync(exe, [], { input, encoding: 'utf8', maxBuffer: 1 << 28 });
if (run.status !== 0) { console.error(`apca program failed: ${run.stderr}`); process.exit(1); }
const lines = run.stdout.trimEnd().split('\n');
if (lines.length !== all.length) { console.error(`${lines.length} answers for ${all.length} pairs`); process.exit(1); }

const uses = [[90, 'любой текст'], [75, 'основной текст'], [60, 'текст, кроме основного'],
    [45, 'крупный текст и заголовки'], [30, 'второстепенный текст'], [15, 'только не текст']];
const expectedTexts = (lc) => {
    const tenths = Math.trunc(Math.abs(lc) * 10 + 1e-9);
    const shown = `Lc ${lc < 0 && tenths !== 0 ? '-' : ''}${Math.trunc(tenths / 10)}.${tenths % 10}`;
    const use = uses.find(([minimum]) => Math.abs(lc) >= minimum);
    return [shown, `APCA: ${use ? use[1] : 'не читается'}`];
};

let worst = 0, failures = 0;
all.forEach(([t, b], i) => {
    const [value, shown, verdict] = lines[i].split('\t');
    const want = reference(t, b);
    const difference = Math.abs(Number(value) - want);
    worst = Math.max(worst, difference);
    const pair = `${JSON.stringify(t)} on ${JSON.stringify(b)}`;
    if (!(difference <= 1e-9)) {
        if (++failures <= 10) console.error(`Lc ${value} for ${pair}, the library says ${want}`);
    }
    if (i >= pairs.length - 3) {
        const [wantShown, wantVerdict] = expectedTexts(want);
        if (shown !== wantShown || verdict !== wantVerdict) {
            if (++failures <= 10) console.error(`${pair}: "${shown}" "${verdict}", want "${wantShown}" "${wantVerdict}"`);
        }
    }
});
console.log(`${all.length} pairs, ${near.length + 3} with their texts; largest difference ${worst.toExponential(2)}`);
for (const [t, b] of near.slice(0, 4)) console.log(`  near a minimum: ${t} on ${b}: ${reference(t, b)}`);
if (failures) { console.error(`${failures} disagreements`); process.exit(1); }
console.log('agrees with apca-w3 0.1.9');
