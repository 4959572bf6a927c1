// How long a student waits for the page: the time from the start of the
// navigation to calorvia.html until the canvas #graphics first shows the home
// screen (more than 1000 pixels of another colour than its top-left corner),
// and until the menu bar is in place, read by the page's own clock
// (performance.now() counts from the start of the navigation). Each run uses a fresh browser profile, so nothing comes
// from the browser's cache: the download of the .wasm and its compilation
// are in every figure, from a server on this machine.
//   node bench/web_first_drawing.mjs [WEB_BUILD_DIR] [RUNS]   (build/web, 5)
import { spawn } from 'node:child_process';
import { existsSync, mkdtempSync, rmSync } from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const repo = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const web = resolve(process.argv[2] ?? join(repo, 'build/web'));
const runs = Number(process.argv[3] ?? 5);
if (!existsSync(join(web, 'calorvia.html'))) {
    console.error(`no ${web}/calorvia.html: cmake --preset web && cmake --build --preset web`);
    process.exit(1);
}

const port = await new Promise((done) => {
    const probe = createServer().listen(0, '127.0.0.1', () => {
        const { port: free } = probe.address();
        probe.close(() => done(free));
    });
});
const server = spawn('/usr/bin/python3',
    ['-m', 'http.server', '--bind', '127.0.0.1', String(port), '--directory', web],
    { stdio: 'ignore' });
const url = `http://127.0.0.1:${port}/calorvia.html`;
for (let tries = 0; ; ++tries) {
    try {
        if ((await fetch(url)).ok) break;
    } catch { /* not listening yet */ }
    if (tries > 100) throw new Error('the local server did not answer');
    await new Promise((wait) => setTimeout(wait, 100));
}

// Watches every frame from the first script of the page on, for the first
// drawing and for the menu bar (the page is usable from then on).
function watchFirstDrawing() {
    const drawn = () => {
        const canvas = document.querySelector('#graphics');
        if (!canvas || canvas.width === 0 || canvas.height === 0) return false;
        const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        let other = 0;
        for (let i = 4; i < data.length; i += 4) {
            if ((data[i] !== data[0] || data[i + 1] !== data[1] || data[i + 2] !== data[2] ||
                 data[i + 3] !== data[3]) && ++other > 1000) {
                return true;
            }
        }
        return false;
    };
    const look = () => {
        if (window.calorviaFirstDrawing === undefined && drawn()) {
            window.calorviaFirstDrawing = performance.now();
        }
        if (window.calorviaMenus === undefined &&
            document.querySelector('button.menu-title[data-menu="1"]')) {
            window.calorviaMenus = performance.now();
        }
        if (window.calorviaFirstDrawing === undefined || window.calorviaMenus === undefined) {
            requestAnimationFrame(look);
        }
    };
    requestAnimationFrame(look);
}

const times = [];
const menuTimes = [];
try {
    for (let run = 0; run < runs; ++run) {
        const profile = mkdtempSync(join(tmpdir(), 'calorvia-first-drawing-'));
        const context = await chromium.launchPersistentContext(profile, {
            executablePath: '/usr/bin/chromium',
            headless: true,
            args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
                '--disable-background-networking', '--disable-component-update',
                '--disable-sync'],
            viewport: { width: 1366, height: 768 },
        });
        try {
            const page = context.pages()[0] ?? await context.newPage();
            await page.addInitScript(watchFirstDrawing);
            await page.goto(url);
            await page.waitForFunction(
                () => window.calorviaFirstDrawing !== undefined && window.calorviaMenus !== undefined,
                null, { timeout: 60000 });
            times.push(await page.evaluate(() => window.calorviaFirstDrawing));
            menuTimes.push(await page.evaluate(() => window.calorviaMenus));
        } finally {
            await context.close();
            rmSync(profile, { recursive: true, force: true });
        }
    }
} finally {
    server.kill();
}
// The median and every figure, in seconds.
function summary(figures) {
    const sorted = [...figures].sort((a, b) => a - b);
    const median = sorted[Math.floor((sorted.length - 1) / 2)];
    return { median, text: `median ${(median / 1000).toFixed(2)} s ` +
        `(${sorted.map((t) => (t / 1000).toFixed(2)).join(', ')} s)` };
}
const drawing = summary(times);
console.log(`first drawing of the home screen, ${runs} fresh loads: ${drawing.text}; ` +
    `goal: within 2 s — ${drawing.median <= 2000 ? 'met' : 'NOT met'}`);
console.log(`menu bar in place (the page answers clicks): ${summary(menuTimes).text}`);
