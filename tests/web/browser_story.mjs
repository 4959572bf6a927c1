// A student's afternoon with the web page, in one story, in Debian's chromium:
// a new case through the wizard (one entry refused with the program's own
// message), the run and its drawing, a result file, the results downloaded as
// an archive, the language switched to Portuguese by the keyboard, a reload
// that keeps the language and the saved case, and a teacher's case opened by
// its link (cases/index.json beside the page, ?case=NAME&lang=en).
//   node tests/web/browser_story.mjs [WEB_BUILD_DIR]   (default build/web)
// With CALORVIA_STORY_SCREENSHOTS=DIR it also leaves DIR/web-en.png (the run
// drawn) and DIR/web-pt.png (File > Abrir after the reload), at 1366x768, for
// the README.
// Exit 0 when every step passed, 1 naming the step that failed, 77 (skipped)
// when chromium, playwright-core or the page is missing, or when
// CALORVIA_SKIP_WEB_TESTS is set.
import { spawn } from 'node:child_process';
import {
    copyFileSync, existsSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync,
    symlinkSync, writeFileSync,
} from 'node:fs';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const repo = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const web = resolve(process.argv[2] ?? join(repo, 'build/web'));
const chromiumPath = '/usr/bin/chromium';

function skip(why) {
    console.log(`skipped: ${why}`);
    process.exit(77);
}
if (process.env.CALORVIA_SKIP_WEB_TESTS) skip('the web build was not made (./test --no-web)');
if (!existsSync(chromiumPath)) skip(`no ${chromiumPath} (Debian package chromium)`);
if (!existsSync(join(web, 'calorvia.html'))) skip(`no ${web}/calorvia.html (cmake --build --preset web)`);
let chromium, unzipSync;
try {
    ({ chromium } = await import('playwright-core'));
    ({ unzipSync } = await import('fflate'));
} catch {
    skip('playwright-core or fflate is not installed (npm ci)');
}

// The story's case is examples/plane-wall.txt typed by hand, so that its
// results can be compared with the stored ones.
const golden = join(repo, 'tests/examples/golden/plane-wall');
const caseName = 'story-wall.txt';

// ---- a static server of our own on a free loopback port, as ./calorvia --web
async function freePort() {
    return new Promise((done, fail) => {
        const probe = createServer();
        probe.once('error', fail);
        probe.listen(0, '127.0.0.1', () => {
            const { port } = probe.address();
            probe.close(() => done(port));
        });
    });
}
// The served folder is build/web as a teacher puts it on a host, with a
// cases/ folder of the teacher's own: build/web's files linked, not copied.
const served = mkdtempSync(join(tmpdir(), 'calorvia-served-'));
for (const name of readdirSync(web)) symlinkSync(join(web, name), join(served, name));
mkdirSync(join(served, 'cases'));
const teacherCase = 'warm-slab.txt';
copyFileSync(join(repo, 'examples/uniform-generation.txt'), join(served, 'cases', teacherCase));
writeFileSync(join(served, 'cases/index.json'),
    JSON.stringify([{ file: teacherCase, title: 'A slab warmed from within' }]));

const port = await freePort();
const server = spawn('/usr/bin/python3',
    ['-m', 'http.server', '--bind', '127.0.0.1', String(port), '--directory', served],
    { stdio: 'ignore' });
const base = `http://127.0.0.1:${port}`;
const profile = mkdtempSync(join(tmpdir(), 'calorvia-story-'));
let context;
async function cleanUp() {
    if (context) await context.close().catch(() => {});
    server.kill();
    rmSync(profile, { recursive: true, force: true });
    rmSync(served, { recursive: true, force: true });
}
for (let tries = 0; ; ++tries) {
    try {
        if ((await fetch(`${base}/calorvia.html`)).ok) break;
    } catch { /* not listening yet */ }
    if (tries > 100) {
        await cleanUp();
        console.log('FAILED at step "serve build/web": python3 -m http.server did not answer');
        process.exit(1);
    }
    await new Promise((wait) => setTimeout(wait, 100));
}

context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
        '--disable-background-networking', '--disable-component-update', '--disable-sync'],
    viewport: { width: 1366, height: 768 },
    acceptDownloads: true,
});
context.setDefaultTimeout(20000);
const page = context.pages()[0] ?? await context.newPage();
const pageErrors = [];
page.on('pageerror', (error) => pageErrors.push(error.message));
page.on('response', (response) => {
    if (response.status() >= 400) pageErrors.push(`${response.status()} for ${response.url()}`);
});
page.on('console', (message) => {
    if (message.type() === 'error') pageErrors.push(`console: ${message.text()}`);
});

// ---- the page's parts, as the platform builds them
const menuTitle = (menu) => page.locator(`button.menu-title[data-menu="${menu}"]`);
const dialog = (template) => page.locator(`div.dialog[data-template="${template}"]`);
const control = (template, number) => dialog(template).locator(`[data-control="${number}"]`);
const messageBox = () => page.locator('div.message-box');
const fileDialog = () => page.locator('div.file-dialog');

// A menu command, checking the caption the student reads on the way.
async function command(menu, item, title, caption) {
    await expectText(menuTitle(menu), title, `the title of menu ${menu}`);
    await menuTitle(menu).click();
    const entry = page.locator(`button.menu-item[data-menu="${menu}"][data-item="${item}"]`);
    await expectText(entry, caption, `item ${item} of the menu ${title}`);
    await entry.click();
}
// The page redraws what the program changes at its next turn: a text is
// given ten seconds to become what is wanted.
async function expectText(locator, wanted, what) {
    let shown = '';
    for (const start = Date.now(); Date.now() - start < 10000;) {
        shown = (await locator.first().innerText()).trim();
        if (shown === wanted) return;
        await page.waitForTimeout(100);
    }
    throw new Error(`${what} reads "${shown}", not "${wanted}"`);
}
// Answers the message box on screen with ANSWER (1 OK, 6 Yes, 7 No, 2 Cancel);
// its text, which must hold EXPECTED when given.
async function answerMessage(answer, expected) {
    const box = messageBox().last();
    await box.waitFor();
    const text = (await box.locator('.message-text').innerText()).trim();
    if (expected && !text.includes(expected)) {
        throw new Error(`the message says "${text}", not "${expected}"`);
    }
    await box.locator(`button[data-answer="${answer}"]`).click();
    await box.waitFor({ state: 'detached' });
    return text;
}
async function fill(template, number, text) {
    await control(template, number).fill(text);
}
// Pixels of the graphics area of exactly this colour.
async function pixelsOf([r, g, b]) {
    return page.evaluate(([r, g, b]) => {
        const canvas = document.querySelector('#graphics');
        const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        let count = 0;
        for (let i = 0; i < data.length; i += 4) {
            if (data[i] === r && data[i + 1] === g && data[i + 2] === b) ++count;
        }
        return count;
    }, [r, g, b]);
}
// The confirming button of a file dialog: its default (Save, Open, OK).
async function confirmFileDialog(name) {
    const box = fileDialog().last();
    await box.waitFor();
    if (name !== undefined) await box.locator('input[type="text"], input:not([type])').first().fill(name);
    await box.getByRole('button', { name: /^(Save|Salvar|Open|Abrir|OK)$/ }).first().click();
    await box.waitFor({ state: 'detached' });
}

const screenshots = process.env.CALORVIA_STORY_SCREENSHOTS;
async function screenshot(name) {
    if (screenshots) await page.screenshot({ path: join(screenshots, name) });
}

let current = '';
async function step(name, body) {
    current = name;
    await body();
    console.log(`ok: ${name}`);
}

// The graphs are drawn in palette index 12 ("cor" missing: its default),
// red in the palette the home screen sets.
const profileRed = [255, 0, 0];

try {
    await step('open calorvia.html: the home screen and the English menus', async () => {
        await page.goto(`${base}/calorvia.html`);
        await menuTitle(1).waitFor();
        await expectText(menuTitle(1), 'File', 'the first menu');
    });

    await step('File > New: step 1 refuses 2 control volumes with the program\'s message', async () => {
        await command(1, 1, 'File', 'New');
        await fill(101, 1001, '1');
        await fill(101, 1002, '2');
        await fill(101, 1003, '10');
        await fill(101, 1004, '0');
        await fill(101, 1005, '0');
        await fill(101, 1006, '0');
        await control(101, 1032).check();  // steady
        await control(101, 1).click();
        await answerMessage(1, 'Number of control volumes: from 3 up to 1000!');
    });

    await step('the wizard keeps what was typed, takes N = 10 and the two held faces', async () => {
        const kept = await control(101, 1003).inputValue();
        if (kept.trim() !== '10') throw new Error(`K came back as "${kept}"`);
        await fill(101, 1002, '10');
        await control(101, 1032).check();
        await control(101, 1).click();
        await fill(103, 1001, '100');  // west: a temperature
        await control(103, 1).click();
        await fill(104, 1001, '200');  // east
        await control(104, 1).click();
    });

    await step(`the wizard saves the case as ${caseName}`, async () => {
        await confirmFileDialog(caseName);
        await dialog(104).waitFor({ state: 'detached' });
    });

    await step('Simulation > Begin Simulation draws the profile in the graph colour', async () => {
        const before = await pixelsOf(profileRed);
        await command(2, 1, 'Simulation', 'Begin Simulation');
        await control(112, 1).click();  // the proposed temperature range
        // The end of the run asks whether to inspect the files: not now.
        await answerMessage(7, 'The simulation was ended.');
        const after = await pixelsOf(profileRed);
        if (after < before + 100) {
            throw new Error(`only ${after - before} more pixels of the profile colour after the run`);
        }
        await screenshot('web-en.png');
    });

    await step('Results > Steady State shows Steady.txt as stored for this case', async () => {
        await command(3, 17, 'Results', 'Steady State');
        const window = page.locator('div.text-window[data-file="Steady.txt"]');
        const shown = await window.locator('textarea').inputValue();
        const stored = readFileSync(join(golden, 'Steady.txt'), 'utf8');
        if (shown.replace(/\r\n/g, '\n').trimEnd() !== stored.replace(/\r\n/g, '\n').trimEnd()) {
            throw new Error(`the text window shows\n${shown}\nnot the stored\n${stored}`);
        }
        await window.getByRole('button', { name: /^(Close|Fechar)$/ }).click();
        await window.waitFor({ state: 'detached' });
    });

    await step('Results > Save Results As downloads an archive of the result files and the case', async () => {
        const download = page.waitForEvent('download');
        await command(3, 21, 'Results', 'Save Results As…');
        // The folder is asked for, the program names the folder it copied to,
        // and the page hands over the archive, before or after that message.
        let archive = null;
        download.then((arrived) => { archive = arrived; }, () => {});
        const said = [];
        for (let round = 0; round < 4 && !(archive && said.length); ++round) {
            await Promise.race([download, fileDialog().first().waitFor(),
                messageBox().first().waitFor()]);
            if (await fileDialog().count()) await confirmFileDialog();
            else if (await messageBox().count()) said.push(await answerMessage(1));
        }
        archive = await download;
        if (!said.length) {
            await messageBox().first().waitFor({ timeout: 3000 }).catch(() => {});
            if (await messageBox().count()) said.push(await answerMessage(1));
        }
        console.log(`  the program said: ${said.join(' / ') || 'nothing'}`);
        const entries = unzipSync(readFileSync(await archive.path()));
        const names = Object.keys(entries).map((name) => name.split('/').pop());
        console.log(`  ${archive.suggestedFilename()}: ${names.join(', ')}`);
        for (const wanted of ['Steady.txt', 'Flux.txt', 'Data.txt', caseName]) {
            if (!names.includes(wanted)) throw new Error(`the archive lacks ${wanted}`);
        }
        const steady = Object.entries(entries).find(([name]) => name.endsWith('Steady.txt'))[1];
        if (!Buffer.from(steady).equals(readFileSync(join(golden, 'Steady.txt')))) {
            throw new Error('the archive\'s Steady.txt differs from the stored one');
        }
    });

    await step('Preferences > Language, by the keyboard (F10, P, L): Portuguese gives the Portuguese menus', async () => {
        await expectText(menuTitle(4), 'Preferences', 'the fourth menu');
        await page.keyboard.press('F10');
        await page.keyboard.press('p');
        await expectText(page.locator('button.menu-item[data-menu="4"][data-item="4"]'),
            'Language', 'item 4 of the menu Preferences');
        await page.keyboard.press('l');
        await control(106, 1014).check();
        await control(106, 1).click();
        await expectText(menuTitle(1), 'Arquivo', 'the first menu');
        await expectText(menuTitle(4), 'Preferências', 'the fourth menu');
    });

    await step('a reload keeps Portuguese, and File > Open lists the saved case', async () => {
        // The page writes the program folder to the browser's storage as
        // soon as a command has changed it: the reload comes at once.
        await page.reload();
        await menuTitle(1).waitFor();
        await expectText(menuTitle(1), 'Arquivo', 'the first menu after the reload');
        await command(1, 3, 'Arquivo', 'Abrir');
        while (await messageBox().count()) await answerMessage(6);
        const box = fileDialog().last();
        await box.getByText(caseName).first().waitFor();
        await screenshot('web-pt.png');
        await box.getByRole('button', { name: /^(Cancelar|Cancel)$/ }).first().click();
        await box.waitFor({ state: 'detached' });
    });

    await step(`a teacher's link, calorvia.html?case=${teacherCase}&lang=en, opens that case in English`, async () => {
        await page.goto(`${base}/calorvia.html?case=${teacherCase}&lang=en`);
        await expectText(menuTitle(1), 'File', 'the first menu with ?lang=en');
        const [Lx, N] = readFileSync(join(served, 'cases', teacherCase), 'utf8').split('\n');
        const shown = [await control(101, 1001).inputValue(), await control(101, 1002).inputValue()];
        if (shown[0].trim() !== Lx.trim() || shown[1].trim() !== N.trim()) {
            throw new Error(`step 1 shows Lx "${shown[0]}" and N "${shown[1]}", not the case's ${Lx.trim()} and ${N.trim()}`);
        }
        await control(101, 2).click();  // Cancel
        await dialog(101).waitFor({ state: 'detached' });
    });

    current = 'the page ran without errors';
    if (pageErrors.length) throw new Error(pageErrors.join('\n'));
    console.log('the browser story passed');
    await cleanUp();
} catch (error) {
    const shot = join(tmpdir(), `calorvia-story-failure-${process.pid}.png`);
    await page.screenshot({ path: shot }).catch(() => {});
    console.log(`FAILED at step "${current}": ${error.message.split('\n').slice(0, 12).join('\n')}`);
    if (pageErrors.length) console.log(`the page reported:\n${pageErrors.join('\n')}`);
    console.log(`screenshot of the page then: ${shot}`);
    await cleanUp();
    process.exit(1);
}
