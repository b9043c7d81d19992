// Compares the perceptual engine with colorjs.io (the CSS Color 4 editors'
// library) and apca-w3 over thousands of random colours and CSS texts,
// through reference_driver. Usage: node compare_colorjs.mjs DRIVER [COUNT]
// Exit status 77 (skipped) when the libraries are not installed
// (scripts/install-deps.sh installs them here with npm).
import { spawnSync } from "node:child_process";

let Color, apca;
try {
    Color = (await import("colorjs.io")).default;
    apca = await import("apca-w3");
} catch {
    console.log("colorjs.io or apca-w3 not installed: skipped");
    process.exit(77);
}

const driver = process.argv[2];
const count = Number(process.argv[3] ?? 4000);
let seed = 20261211;
const random = () => ((seed = (seed * 1103515245 + 12345) % 2147483648) / 2147483648);
const byte = () => Math.floor(random() * 256);
const between = (lo, hi, decimals) => (lo + random() * (hi - lo)).toFixed(decimals);

const requests = [], expected = [];
const toBytes = (color) =>
    color.toGamut({ space: "srgb", method: "css" }).to("srgb").coords.map((x) => Math.round(Math.min(1, Math.max(0, x ?? 0)) * 255));

const cssTexts = [
    () => `rgb(${between(0, 255, 1)} ${between(0, 100, 2)}% ${between(0, 255, 0)} / 0.5)`,
    () => `hsl(${between(-360, 720, 2)} ${between(0, 100, 2)}% ${between(0, 100, 2)}%)`,
    () => `hsla(${between(0, 360, 1)}deg, ${between(0, 100, 1)}%, ${between(0, 100, 1)}%, 50%)`,
    () => `hwb(${between(0, 360, 2)} ${between(0, 80, 2)}% ${between(0, 80, 2)}%)`,
    () => `lab(${between(0, 100, 2)} ${between(-130, 130, 2)} ${between(-130, 130, 2)})`,
    () => `lch(${between(0, 100, 2)}% ${between(0, 150, 2)} ${between(0, 1, 3)}turn)`,
    () => `oklab(${between(0, 1, 4)} ${between(-0.4, 0.4, 4)} ${between(-0.4, 0.4, 4)})`,
    () => `oklch(${between(0, 100, 2)}% ${between(0, 0.4, 4)} ${between(0, 6.28, 3)}rad)`,
    () => `color(display-p3 ${between(-0.1, 1.1, 4)} ${between(0, 1, 4)} ${between(0, 1, 4)})`,
    () => `color(srgb-linear ${between(0, 1, 4)} ${between(0, 1, 4)} ${between(0, 1, 4)})`,
    () => `color(a98-rgb ${between(0, 1, 4)} ${between(0, 1, 4)} ${between(0, 1, 4)})`,
    () => `color(prophoto-rgb ${between(0, 1, 4)} ${between(0, 1, 4)} ${between(0, 1, 4)})`,
    () => `color(rec2020 ${between(0, 1, 4)} ${between(0, 1, 4)} ${between(0, 1, 4)})`,
    () => `color(xyz-d65 ${between(0, 1, 4)} ${between(0, 1, 4)} ${between(0, 1, 4)})`,
    () => `color(xyz-d50 ${between(0, 1, 4)} ${between(0, 1, 4)} ${between(0, 1, 4)})`,
];

for (let i = 0; i < count; i++) {
    const rgb = [byte(), byte(), byte()];
    const color = new Color("srgb", rgb.map((v) => v / 255));
    requests.push(`conv ${rgb.join(" ")}`);
    expected.push({ kind: "conv", rgb, values: ["oklab", "oklch", "lab", "lch", "p3"].flatMap((s) => color.to(s).coords.map((x) => x ?? 0)) });
    const other = [byte(), byte(), byte()];
    requests.push(`apca ${rgb.join(" ")} ${other.join(" ")}`);
    expected.push({ kind: "apca", value: apca.APCAcontrast(apca.sRGBtoY(rgb), apca.sRGBtoY(other)) });
    const lch = [random() * 1.1 - 0.05, random() * 0.45, random() * 360];
    requests.push(`map ${lch.join(" ")}`);
    expected.push({ kind: "bytes", text: `oklch(${lch.join(" ")})`, value: toBytes(new Color("oklch", lch)) });
    const text = cssTexts[i % cssTexts.length]();
    requests.push(`parse ${text}`);
    expected.push({ kind: "bytes", text, value: toBytes(new Color(text)) });
    requests.push(`css ${rgb.join(" ")}`);
    expected.push({ kind: "css", rgb });
}

const run = spawnSync(driver, [], { input: requests.join("\n") + "\n", maxBuffer: 1 << 28 });
if (run.status !== 0) {
    console.log(`driver failed: ${run.stderr}`);
    process.exit(1);
}
const answers = run.stdout.toString().split("\n");
const worst = { conv: 0, apca: 0, bytes: 0 };
let failures = 0;
const fail = (message) => {
    if (failures++ < 20) console.log(message);
};
const hueDistance = (a, b) => Math.min(Math.abs(a - b) % 360, 360 - (Math.abs(a - b) % 360));

expected.forEach((e, i) => {
    const answer = answers[i];
    if (e.kind === "conv") {
        const got = answer.split(" ").map(Number);
        got.forEach((v, k) => {
            const isHue = k === 5 || k === 11;
            if (isHue && got[k - 1] < 1e-6) return;  // no chroma, no hue
            const d = isHue ? hueDistance(v, e.values[k]) : Math.abs(v - e.values[k]);
            worst.conv = Math.max(worst.conv, d);
            if (d > 1e-9) fail(`conv ${e.rgb} value ${k}: ${v} vs ${e.values[k]}`);
        });
    } else if (e.kind === "apca") {
        const d = Math.abs(Number(answer) - e.value);
        worst.apca = Math.max(worst.apca, d);
        if (d > 1e-9) fail(`apca ${requests[i]}: ${answer} vs ${e.value}`);
    } else if (e.kind === "bytes") {
        const got = answer.split(" ").map(Number);
        const d = Math.max(...got.map((v, k) => Math.abs(v - e.value[k])));
        worst.bytes = Math.max(worst.bytes, d);
        if (!(d <= 1)) fail(`${e.text}: ${answer} vs ${e.value.join(" ")}`);
    } else {
        // Each written text, read by the reference library, is the same colour.
        for (const text of answer.split("\t").filter((t) => t)) {
            const back = new Color(text).to("srgb").coords.map((x) => Math.round(Math.min(1, Math.max(0, x ?? 0)) * 255));
            if (back.some((v, k) => v !== e.rgb[k])) fail(`${text} reads back as ${back} in colorjs, not ${e.rgb}`);
        }
    }
});

console.log(`${count} colours: conversions max difference ${worst.conv.toExponential(2)}, APCA Lc max difference ` +
            `${worst.apca.toExponential(2)}, gamut mapping and parsing max byte difference ${worst.bytes}`);
process.exit(failures ? 1 : 0);
