// The browser page in Chromium (headless, driven by puppeteer-core), served
// from build/web/site: on each of the four pages conditions set by clicks
// and a paste, a run whose count, copy and prize check are the batch
// runner's for the same steps, and a clear; schemes saved and loaded back
// (download, upload, the browser's storage); the history check; the close
// question answered both ways; the phone layout run by taps; the page
// again with no network. Prints the page's timings and fails past their
// budgets; saves screenshots of the four pages at both sizes.
//   node tests/web/page.test.mjs BUILD_WEB_DIR
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from './static_server.mjs';
import { worstFrontSix } from './worst_front_six.mjs';

const root = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
const puppeteer = createRequire(join(root, 'web/package.json'))('puppeteer-core');
const dir = resolve(process.argv[2] ?? 'build/web');
const screens = join(dir, 'screens');
const downloads = mkdtempSync(join(tmpdir(), 'tesvik-page-'));
mkdirSync(screens, { recursive: true });

const kFirstPaintMs = 1000;
const kRunMs = 50;
const kLongTaskMs = 200;
const kLightsMs = 1300; // the start-up light sequence, after which the mode buttons react
const kTipMs = 700; // the copy tip holds the input this long
const sleep = (ms) => new Promise((r) => setTimeout(r, ms));
const grey = 'rgb(224, 224, 224)';
const yellow = 'rgb(255, 255, 0)';

// The batch runner's output for `steps`, as lines.
function batch(steps) {
  return execFileSync('node', [join(dir, 'tesvik-batch.js'), '--batch', '-'], {
    input: steps.join('\n') + '\n',
    maxBuffer: 64 << 20,
  })
    .toString()
    .split('\n');
}
const quoted = (text) => JSON.stringify(text);
const batchText = (lines, prefix) => {
  const line = lines.find((l) => l.startsWith(prefix));
  assert.ok(line, `batch output has ${prefix}`);
  return JSON.parse(line.slice(prefix.length));
};
const batchCount = (lines, [name, index]) => batchText(lines, `${name} ${index} caption=`);

// Pick line "02 03 10" as the prize boxes' shorthand digits "230".
const shorthand = (line) => line.split(' ').map((n) => String(Number(n) % 10)).join('');

const sel = (name, index) => `[data-control="${name}:${index}"]`;

const PAGES = [
  {
    clicks: [['C_annv', 45], ['C_annv', 55]],
    paste: ['T_nei_txt_ip', 0, '01 02 03\r\n04 05 06'],
    run: ['C_jg_gn', 0],
    copy: ['C_jg_gn', 1],
    clear: ['C_jg_gn', 3],
    count: ['L_jg_zhushu', 0],
    prize: ['T_duijiang', 1],
    check: ['C_jg_gn', 14],
  },
  {
    clicks: [['C_annv', 203], ['C_annv', 213]],
    paste: ['T_nei_txt_ip', 8, '01 02 03 04\r\n05 06 07 08'],
    run: ['C_jg_gn', 5],
    copy: ['C_jg_gn', 6],
    clear: ['C_jg_gn', 8],
    count: ['L_jg_zhushu', 1],
    prize: ['T_duijiang', 2],
    check: ['C_jg_gn', 15],
  },
  {
    clicks: [['C_annv', 473], ['C_annv', 474]],
    paste: ['T_nei_txt_ip', 24, '01 02 03 04 05'],
    run: ['C_jg_gn', 10],
    copy: ['C_jg_gn', 11],
    clear: ['C_jg_gn', 13],
    count: ['L_jg_zhushu', 2],
    prize: ['T_duijiang', 3],
    check: ['C_jg_gn', 16],
  },
  {
    clicks: [['C_q6', 1], ['C_q6', 10]],
    paste: ['T_q6', 1, '12 34'],
    run: ['C_q6_gn', 0],
    copy: ['C_q6_gn', 1],
    clear: ['C_q6_gn', 6],
    count: ['L_jg_zhushu', 3],
    prize: ['T_q6', 12],
    check: ['C_q6_gn', 13],
  },
];

// A box's or label's text; a pasted list's box shows its lines as rows.
async function text(page, selector) {
  return page.$eval(selector, (e) =>
    e instanceof HTMLTextAreaElement || e instanceof HTMLInputElement
      ? e.value
      : e.classList.contains('pasted')
        ? [...e.querySelectorAll('.row')].map((r) => r.textContent).join('\n')
        : e.textContent,
  );
}

// The open message box's title and text, closed with its first button.
async function answerDialog(page, button) {
  await page.waitForSelector('.modal-layer:not(.sheet-layer) .dialog');
  const shown = await page.$eval('.modal-layer:not(.sheet-layer) .dialog', (d) => ({
    title: d.querySelector('.dialog-title').textContent,
    text: d.querySelector('.dialog-text')?.textContent ?? '',
    buttons: [...d.querySelectorAll('.dialog-button')].map((b) => b.textContent),
  }));
  const buttons = await page.$$('.modal-layer:not(.sheet-layer) .dialog-button');
  await buttons[shown.buttons.indexOf(button)].click();
  return shown;
}

async function paste(page, [name, index, value]) {
  await page.evaluate((t) => navigator.clipboard.writeText(t), value);
  await page.click(sel(name, index));
  await page.keyboard.down('ControlLeft');
  await page.keyboard.press('KeyV', { commands: ['Paste'] });
  await page.keyboard.up('ControlLeft');
}

// A click on the control that runs the App's event; its time to the count shown.
async function timedClick(page, [name, index], [countName, countIndex]) {
  return page.evaluate(
    (run, count) => {
      const started = performance.now();
      document.querySelector(run).click();
      return { ms: performance.now() - started, count: document.querySelector(count).textContent };
    },
    sel(name, index),
    sel(countName, countIndex),
  );
}

async function loadPage(context, url, viewport) {
  const page = await context.newPage();
  page.on('pageerror', (e) => {
    throw e;
  });
  await page.setViewport(viewport);
  await page.goto(url);
  await page.waitForSelector('body[data-ready]');
  return page;
}

async function desktop(browser, url) {
  const page = await loadPage(browser, url, { width: 1366, height: 768 });
  const firstPaint = await page.evaluate(() => performance.getEntriesByName('first-paint')[0]?.startTime ?? Infinity);
  const ready = await page.evaluate(() => performance.getEntriesByName('tesvik-ready')[0].startTime);
  await sleep(kLightsMs);
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  const runs = [];
  await helpTexts(page);
  await compoundList(page);
  await largeText(page);

  for (const [mode, p] of PAGES.entries()) {
    await page.click(sel('C_ding', mode));
    const steps = [`click C_ding ${mode}`];
    for (const [name, index] of p.clicks) {
      await page.click(sel(name, index));
      steps.push(`click ${name} ${index}`);
    }
    await paste(page, p.paste);
    steps.push(`set ${p.paste[0]} ${p.paste[1]} ${quoted(p.paste[2])}`);
    const run = await timedClick(page, p.run, p.count);
    runs.push(run.ms);
    steps.push(`click ${p.run[0]} ${p.run[1]}`, `print ${p.count[0]} ${p.count[1]}`, `click ${p.copy[0]} ${p.copy[1]}`);
    const lines = batch(steps);
    const count = batchCount(lines, p.count);
    assert.ok(run.count.endsWith(count) && Number(count) > 0, `page ${mode}: ${run.count} as the batch runner's ${count}`);

    // The copy: the clipboard holds the batch runner's text; the tip shows.
    await page.click(sel(...p.copy));
    await page.waitForSelector('.tip');
    const copied = await page.evaluate(() => navigator.clipboard.readText());
    assert.equal(copied, batchText(lines, 'clipboard '), `page ${mode}: copied text`);
    await sleep(kTipMs);

    // The prize check of the first kept pick: typed, then Enter.
    const digits = shorthand(copied.split('\r\n')[0]);
    await page.click(sel(...p.prize));
    await page.keyboard.type(digits);
    await page.keyboard.press('Enter');
    const prize = await answerDialog(page, '确定');
    const expected = batch([...steps, `type ${p.prize[0]} ${p.prize[1]} ${quoted(digits)}`, `click ${p.check[0]} ${p.check[1]}`]);
    assert.equal(`message ${quoted(prize.title)} ${quoted(prize.text)}`, expected.findLast((l) => l.startsWith('message ')));
    // A double click empties front six's prize box, not the others.
    await page.click(sel(...p.prize), { count: 2 });
    const typed = [...steps, `type ${p.prize[0]} ${p.prize[1]} ${quoted(digits)}`, `dblclick ${p.prize[0]} ${p.prize[1]}`, `print ${p.prize[0]} ${p.prize[1]}`];
    assert.equal(await text(page, sel(...p.prize)), batchText(batch(typed), `${p.prize[0]} ${p.prize[1]} text=`));
    await page.screenshot({ path: join(screens, `desktop-${mode}.png`) });

    if (mode === 0) await pageTools(page, p, steps);
    if (mode === 3) {
      await viewerScroll(page, copied.split('\r\n'));
      // The pasted list's box refuses typing with the App's tip.
      await page.click(sel('T_q6', 0));
      const before = await text(page, sel('T_q6', 0));
      await page.keyboard.type('1');
      await page.waitForSelector('.tip');
      assert.equal(await text(page, sel('T_q6', 0)), before);
      await sleep(kTipMs);
    }
    // The clear: conditions and box back to their start.
    await page.click(sel(...p.clear));
    assert.equal(await page.$eval(sel(...p.clicks[0]), (b) => getComputedStyle(b).backgroundColor), grey);
    assert.equal(await text(page, sel(p.paste[0], p.paste[1])), '');
  }
  await frontSixWorstCase(page, runs);

  // The close question: "否" keeps the program.
  await page.click('.close');
  const asked = await answerDialog(page, '否');
  assert.deepEqual([asked.title, asked.text], ['温馨提示', '是否要关闭软件？']);
  assert.ok(await page.$('.top-bar'));
  return { page, firstPaint, ready, runs };
}

// A "说明" shows its text in a message box; the 胆码 blocks' shows the
// explanation picture over the page, which Escape closes.
async function helpTexts(page) {
  await page.click(sel('C_ding', 0));
  await page.click(sel('C_shuoming', 0));
  const help = await answerDialog(page, '确定');
  assert.equal(help.title, '温馨提示');
  assert.ok(help.text.length > 20, help.text);
  await page.click(sel('C_shuoming', 6));
  await page.waitForFunction(() => {
    const picture = document.querySelector('.picture');
    return !picture.hidden && picture.querySelector('img').naturalWidth > 0;
  });
  await page.screenshot({ path: join(screens, 'desktop-picture.png') });
  await page.keyboard.press('Escape');
  await page.waitForFunction(() => document.querySelector('.picture').hidden);
}

async function pressTool(page, caption) {
  const at = await page.$$eval('.tools .tool', (bs, c) => bs.findIndex((b) => b.textContent === c), caption);
  await (await page.$$('.tools .tool'))[at].click();
}

// Front three's compound list: a line added from the rank buttons as the
// batch runner adds it, selected by a click and deleted.
async function compoundList(page) {
  const steps = ['click C_ding 0', 'click C_annv 115', 'click C_annv 126', 'click C_annv 137', 'click C_q3_nei 2'];
  for (const step of steps.slice(1)) await page.click(sel(...step.split(' ').slice(1)));
  const rows = batch([...steps, 'print List_nei']).filter((l) => l.startsWith('  ')).map((l) => JSON.parse(l.trim()));
  const list = sel('List_nei', 0);
  assert.deepEqual(await page.$$eval(`${list} .row`, (r) => r.map((e) => e.textContent)), rows);
  await page.click(`${list} .row`);
  assert.ok(await page.$(`${list} .row.selected`));
  await page.click(sel('C_q3_nei', 3));
  assert.equal(await page.$$eval(`${list} .row`, (r) => r.length), 0);
  for (const index of [115, 126, 137]) await page.click(sel('C_annv', index));
}

// A text of several megabytes typed into a box reaches the App whole (it
// passes its heap, not its stack), and a run reads it. The box is emptied
// again before the browser lays the text out, which takes seconds.
async function largeText(page) {
  await page.click(sel('C_ding', 0));
  const lines = 400000;
  const kept = await page.evaluate(
    (box, run, count, n) => {
      const area = document.querySelector(box);
      area.value = '01 02 03\n'.repeat(n);
      area.dispatchEvent(new Event('input'));
      document.querySelector(run).click();
      const shown = document.querySelector(count).textContent;
      area.value = '';
      area.dispatchEvent(new Event('input'));
      return shown;
    },
    sel('T_nei_txt_ip', 7),
    sel('C_jg_gn', 0),
    sel('L_jg_zhushu', 0),
    lines,
  );
  assert.equal(kept, '前三注数:1');
  await page.click(sel('C_jg_gn', 3));
}

// Front six's result viewer after a run of `picks` (as copied): its first
// row follows the wheel, the arrows (held: repeating), the track, the
// thumb dragged and the keys, as the desktop's scroll bar does.
async function viewerScroll(page, picks) {
  const viewer = sel('ucf_q6show', 0);
  const value = () => page.$eval(viewer, (v) => v.querySelector('.viewer-row').textContent).then((row) => picks.indexOf(row));
  const box = await (await page.$(`${viewer} .scrollbar`)).boundingBox();
  const press = async (y, ms) => {
    await page.mouse.move(box.x + box.width / 2, box.y + y);
    await page.mouse.down();
    await sleep(ms);
    await page.mouse.up();
  };
  assert.equal(await value(), 0);
  await page.mouse.move(box.x - 40, box.y + 40);
  await page.mouse.wheel({ deltaY: 100 });
  assert.equal(await value(), 3, 'a wheel notch moves three picks');
  await press(box.height - 5, 0);
  assert.equal(await value(), 4, 'the down arrow steps one pick');
  await press(box.height - 40, 0);
  assert.equal(await value(), 14, 'the track pages ten picks');
  await press(box.height - 5, 1000);
  const held = await value();
  assert.ok(held >= 14 + 1 + 5 && held <= 14 + 1 + 11, `the held arrow repeats after half a second: ${held}`);
  const thumb = await (await page.$(`${viewer} .sb-thumb`)).boundingBox();
  await page.mouse.move(thumb.x + 5, thumb.y + 5);
  await page.mouse.down();
  await page.mouse.move(thumb.x + 5, box.y + box.height + 50, { steps: 5 });
  await page.mouse.up();
  const last = picks.length - 15;
  assert.equal(await value(), last, 'the thumb dragged to the end');
  await page.keyboard.press('Home');
  assert.equal(await value(), 0);
  await page.keyboard.press('PageDown');
  await page.keyboard.press('ArrowDown');
  assert.equal(await value(), 16);
}

// Schemes (a download loaded back as an upload, and from the browser's
// storage) and the history check, on front three after its run.
async function pageTools(page, p, steps) {
  const press = (caption) => pressTool(page, caption);
  const restored = async () => {
    assert.equal(await page.$eval(sel(...p.clicks[0]), (b) => getComputedStyle(b).backgroundColor), yellow);
    assert.equal(await text(page, sel(p.paste[0], p.paste[1])), p.paste[2].replace(/\r\n/g, '\n'));
  };
  // The history check against this run: the batch runner's summary and a bar a condition.
  const draws = '2024001 02,03,04,05,06,07,08,09,10,01\r\n05 06 07 08 09 10 01 02 03 04\r\nabc';
  await press('历史验证');
  await page.waitForSelector('.draws');
  await page.$eval('.draws', (box, t) => (box.value = t), draws);
  await page.click('.history .check');
  const summary = await text(page, '.summary');
  const lines = batch([...steps, `history 3 ${quoted(draws)}`]);
  const [, all, kept, unreadable] = lines.find((l) => l.startsWith('history ')).match(/draws=(\d+) kept=(\d+) unreadable=(\d+)/);
  assert.ok(summary.startsWith(`共${all}期，中${kept}期`) && summary.includes(`无法识别${unreadable}行`), summary);
  assert.equal(await page.$$eval('.bars .bar', (b) => b.length), lines.filter((l) => l.startsWith('condition ')).length);
  assert.equal(await page.$$eval('.history-table tr', (r) => r.length), 4);
  await page.screenshot({ path: join(screens, 'desktop-history.png') });
  await page.click('.sheet-layer .dialog-button');

  await press('保存方案');
  await page.waitForSelector('.dialog-input');
  await page.$eval('.dialog-input', (i) => (i.value = ''));
  await page.type('.dialog-input', 'page-test');
  await page.keyboard.press('Enter');
  const file = join(downloads, 'page-test.scheme');
  // The browser reserves the name with an empty file until the download ends.
  const saved = () => (existsSync(file) ? readFileSync(file, 'utf8') : '');
  for (let i = 0; i < 100 && !saved().endsWith('\n'); ++i) await sleep(50);
  assert.match(saved(), /C_annv 45 colour=65535/);
  await sleep(kTipMs);

  await page.click(sel(...p.clear));
  await press('载入方案');
  await page.waitForSelector('.scheme-names');
  const [chooser] = await Promise.all([page.waitForFileChooser(), answerDialog(page, '打开文件')]);
  await chooser.accept([file]);
  await page.waitForSelector('.tip');
  await restored();
  await sleep(kTipMs);

  await page.click(sel(...p.clear));
  await press('载入方案');
  await page.waitForSelector('.scheme-names');
  await answerDialog(page, '载入');
  await restored();
  await sleep(kTipMs);
}

// Front six at its worst: both pasted lists of all 151,200 picks through
// their "粘", every box and many buttons set; the longest tasks of the
// paste and the run's time.
async function frontSixWorstCase(page, runs) {
  await page.click(sel('C_ding', 3));
  await page.evaluate(() => {
    window.longTasks = [];
    new PerformanceObserver((list) => window.longTasks.push(...list.getEntries().map((e) => e.duration))).observe({ type: 'longtask' });
  });
  const w = worstFrontSix();
  await page.evaluate((t) => navigator.clipboard.writeText(t), w.picks);
  await page.click(sel('C_q6_gn', 10));
  await page.waitForFunction(() => document.querySelector('[data-control="T_q6:0"] .list-spacer').offsetHeight > 100000);
  await sleep(1500);
  const tasks = await page.evaluate(() => window.longTasks.sort((a, b) => b - a));
  await page.click(sel('C_q6_gn', 11));
  await page.waitForFunction(() => document.querySelector('[data-control="T_q6:6"] .list-spacer').offsetHeight > 100000);
  await page.evaluate((boxes, clicks, ranges) => {
    for (const [index, value] of boxes) {
      const box = document.querySelector(`[data-control="T_q6:${index}"]`);
      box.value = value;
      box.dispatchEvent(new Event('input'));
    }
    for (const index of clicks) document.querySelector(`[data-control="C_q6:${index}"]`).click();
    for (const [index, lo, hi] of ranges) {
      const [lower, upper] = document.querySelectorAll(`[data-control="rc_q6:${index}"] select`);
      lower.value = lo;
      upper.value = hi;
      upper.dispatchEvent(new Event('change'));
    }
  }, w.boxes, w.clicks, w.ranges);
  const run = await timedClick(page, ['C_q6_gn', 0], ['L_jg_zhushu', 3]);
  const count = batchCount(batch([...w.steps, 'click C_q6_gn 0', 'print L_jg_zhushu 3']), ['L_jg_zhushu', 3]);
  assert.ok(run.count.endsWith(count), `front six worst case: ${run.count} as the batch runner's ${count}`);
  runs.worst = run.ms;
  runs.pasteTasks = tasks;

  // With the browser's storage nearly full, a scheme of this size is
  // downloaded but not kept there: the page says so.
  await page.evaluate(() => {
    for (let size = 1 << 23; size >= 1 << 10; size >>= 1) {
      try {
        localStorage.setItem(`filler-${size}`, 'x'.repeat(size));
      } catch {
        // full at this size: try a smaller piece
      }
    }
  });
  await pressTool(page, '保存方案');
  await page.waitForSelector('.dialog-input');
  await page.$eval('.dialog-input', (i) => (i.value = 'large'));
  await page.keyboard.press('Enter');
  const full = await answerDialog(page, '确定');
  assert.match(full.text, /large\.scheme.*存储空间不够/);
  await page.evaluate(() => Object.keys(localStorage).filter((k) => k.startsWith('filler-')).forEach((k) => localStorage.removeItem(k)));
  await sleep(kTipMs);
  await page.click(sel('C_q6_gn', 6));
}

async function phone(browser, url) {
  // A context of its own, without the clipboard's permissions.
  const context = await browser.createBrowserContext();
  const page = await loadPage(context, url, { width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 1 });
  await sleep(kLightsMs);
  const bar = await page.$eval('.run-bar', (b) => {
    const r = b.getBoundingClientRect();
    return { top: r.top, bottom: r.bottom, shown: getComputedStyle(b).display !== 'none' };
  });
  assert.ok(bar.shown && bar.bottom === 844 && bar.top > 700, `run bar fixed at the bottom: ${JSON.stringify(bar)}`);
  await page.tap(sel('C_ding', 0));
  await page.tap(sel('C_annv', 45));
  await page.tap(`.run-bar ${sel('C_jg_gn', 0)}`);
  const shown = await text(page, `.run-bar ${sel('L_jg_zhushu', 0)}`);
  const count = batchCount(batch(['click C_ding 0', 'click C_annv 45', 'click C_jg_gn 0', 'print L_jg_zhushu 0']), ['L_jg_zhushu', 0]);
  assert.ok(shown.endsWith(count), `phone: ${shown} as the batch runner's ${count}`);
  // Every button a finger reaches is at least 32 px high and wide.
  const small = await page.$$eval('.page:not([hidden]) .btn, .run-bar .btn', (bs) =>
    bs.filter((b) => b.offsetParent).map((b) => b.getBoundingClientRect()).filter((r) => r.height < 32 || r.width < 32).length,
  );
  assert.equal(small, 0, 'buttons under 32 px on the phone');
  // Without the clipboard's permission "粘" asks for the text in a box.
  await page.tap(sel('C_ding', 3));
  await page.tap(sel('C_q6_gn', 10));
  await page.waitForSelector('.dialog-paste');
  const list = '01 02 03 04 05 06\r\n02 03 04 05 06 07';
  await page.$eval('.dialog-paste', (box, t) => (box.value = t), list);
  await answerDialog(page, '确定');
  const pasted = batchText(batch(['click C_ding 3', `clipboard ${quoted(list)}`, 'click C_q6_gn 10', 'print T_q6 0']), 'T_q6 0 text=');
  assert.ok(pasted.length > 0);
  assert.equal(await text(page, sel('T_q6', 0)), pasted.replace(/\r\n/g, '\n'));
  for (let mode = 0; mode < 4; ++mode) {
    await page.tap(sel('C_ding', mode));
    await page.evaluate(() => window.scrollTo(0, 0));
    await page.screenshot({ path: join(screens, `phone-${mode}.png`) });
  }
  await context.close();
}

async function main() {
  const server = await serve(join(dir, 'site'));
  const browser = await puppeteer.launch({ executablePath: '/usr/bin/chromium', headless: true, args: ['--no-sandbox'] });
  try {
    await browser.defaultBrowserContext().overridePermissions(new URL(server.url).origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
    const { page, firstPaint, ready, runs } = await desktop(browser, server.url);
    await phone(browser, server.url);

    // Offline: the service worker that the first visit installed serves the page.
    await page.evaluate(() => navigator.serviceWorker.ready);
    await server.close();
    await page.reload();
    await page.waitForSelector('body[data-ready]', { timeout: 10000 });
    await sleep(kLightsMs);
    // The close question: "是" ends the program.
    await page.click('.close');
    await answerDialog(page, '是');
    assert.equal(await text(page, '#app'), '程序已关闭');

    const [paste, ...others] = runs.pasteTasks;
    console.log(`page: first paint ${firstPaint.toFixed(0)} ms, ready ${ready.toFixed(0)} ms; runs ${runs.map((ms) => ms.toFixed(1)).join(', ')} ms; ` +
      `front six worst case ${runs.worst.toFixed(1)} ms; 151,200-line paste ${(paste ?? 0).toFixed(0)} ms, longest other task ${(others[0] ?? 0).toFixed(0)} ms`);
    assert.ok(firstPaint <= kFirstPaintMs, `first paint ${firstPaint} ms`);
    assert.ok(runs.worst <= kRunMs && runs.every((ms) => ms <= kRunMs), 'run to count');
    assert.ok((others[0] ?? 0) <= kLongTaskMs, `long task ${others[0]} ms during the paste`);
    console.log(`browser page: four pages as the batch runner, copy, prize, clear, schemes, history, close, phone, offline ok; screenshots in ${screens}`);
  } finally {
    await browser.close();
    rmSync(downloads, { recursive: true, force: true });
  }
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
