// The browser edition's App binding under Node: the App starts on the
// browser's clock, a front-three run through the binding keeps the count that
// the batch runner prints for the same steps, and the copy, the export (a
// download), the scheme saved and loaded back (an upload) and the close
// question reach the page's host object; the page's layout and the views of
// its controls read as the window reads them; the changes that a page
// re-renders, the history check, a tolerance selector, the viewer's scroll
// and a page tool's help reach the App through their calls.
//   node tests/web/binding_smoke.js BUILD_WEB_DIR
'use strict';
const assert = require('assert');
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');

const dir = path.resolve(process.argv[2] || 'build/web');
const calls = [];
const downloads = new Map();
let answer = true;
const host = {
  message: (title, text) => calls.push(['message', title, text]),
  question: (title, text) => (calls.push(['question', title, text]), answer),
  writeClipboard: (text) => ((host.clipboard = text), true),
  readClipboard: () => host.clipboard ?? null,
  showTip: (text) => calls.push(['tip', text]),
  showProgress: () => {},
  openLink: (url) => (calls.push(['open', url]), true),
  setTitle: (title) => calls.push(['title', title]),
  quit: () => calls.push(['quit']),
  chooseFile: (kind) => (kind === 'export' ? 'picks.txt' : 'scheme.txt'),
  saveFile: (name, bytes) => (downloads.set(name, bytes), true),
  readFile: (name) => downloads.get(name) ?? null,
  // A fixed-pitch font, as tests/page_geometry_test.cpp measures: a CJK
  // character 11 pixels wide, any other 6, a pixel less in the small font.
  measureText: (text, style) =>
    [...text].reduce((w, c) => w + (c.codePointAt(0) >= 0x800 ? 11 : 6) - (style === 1 ? 1 : 0), 0),
  lineHeight: () => 14,
};

// The batch runner's caption of L_jg_zhushu 0 after `steps`.
function batch_count(steps) {
  const out = execFileSync('node', [path.join(dir, 'tesvik-batch.js'), '--batch', '-'], {
    input: steps.join('\n') + '\nprint L_jg_zhushu 0\n',
  }).toString();
  return out.match(/L_jg_zhushu 0 caption="(\d+)"/)[1];
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

async function main() {
  const factory = require(path.join(dir, 'tesvik-web.js'));
  const m = await factory({ host, wasmBinary: fs.readFileSync(path.join(dir, 'tesvik-web.wasm')) });
  const api = {
    start: m.cwrap('tesvik_start', null, []),
    stop: m.cwrap('tesvik_stop', null, []),
    ended: m.cwrap('tesvik_ended', 'number', []),
    click: m.cwrap('tesvik_click', 'number', ['string', 'number']),
    setText: m.cwrap('tesvik_set_text', 'number', ['string', 'number', 'string']),
    text: m.cwrap('tesvik_text', 'string', ['string', 'number']),
    title: m.cwrap('tesvik_title', 'string', []),
    keptCount: m.cwrap('tesvik_kept_count', 'number', ['number']),
    saveScheme: m.cwrap('tesvik_save_scheme', null, ['number']),
    loadScheme: m.cwrap('tesvik_load_scheme', null, ['number']),
    exportPicks: m.cwrap('tesvik_export_picks', null, ['number']),
    closeRequest: m.cwrap('tesvik_close_request', null, []),
    pageLayout: (page) => JSON.parse(m.ccall('tesvik_page_layout', 'string', ['number'], [page])),
    view: (name, index) => JSON.parse(m.ccall('tesvik_view', 'string', ['string', 'number'], [name, index])),
    rows: (name, index, first, count) =>
      JSON.parse(m.ccall('tesvik_rows', 'string', ['string', 'number', 'number', 'number'], [name, index, first, count])),
    changes: () => JSON.parse(m.ccall('tesvik_changes', 'string', [], [])),
    chooseRange: m.cwrap('tesvik_choose_range', 'number', ['string', 'number', 'string', 'string']),
    scrollViewer: m.cwrap('tesvik_scroll_viewer', null, ['number']),
    readOnly: m.cwrap('tesvik_read_only', 'number', ['string', 'number']),
    toolHelp: m.cwrap('tesvik_tool_help', null, ['number']),
    checkHistory: (mode, draws) => m.ccall('tesvik_check_history', 'string', ['number', 'string'], [mode, draws]),
  };

  api.start();
  // The warm-up runs on an App of its own: the page's App, checked below
  // against the batch runner, starts as if it had not run (twice: once).
  m.ccall('tesvik_warm_up', null, [], []);
  m.ccall('tesvik_warm_up', null, [], []);
  // The start-up and light sequences run on the browser's clock within 1.1 s.
  await sleep(1600);
  assert.strictEqual(api.title(), 'Tesvik');

  const steps = ['click C_ding 0', 'set T_nei_txt_ip 0 "01,02,03"', 'click C_jg_gn 0'];
  assert.strictEqual(api.click('C_ding', 0), 0);
  assert.strictEqual(api.setText('T_nei_txt_ip', 0, '01,02,03'), 0);
  assert.strictEqual(api.click('C_jg_gn', 0), 0);
  const count = api.text('L_jg_zhushu', 0);
  assert.strictEqual(count, batch_count(steps));
  assert.strictEqual(String(api.keptCount(0)), count);
  assert.strictEqual(api.click('C_no_such_control', 0), -1);

  // The layout is the window's: "开始缩水" stands where the native geometry
  // test expects it, and every control of every page stands inside its page.
  const three = api.pageLayout(0);
  const run = three.controls.find(([name, index]) => name === 'C_jg_gn' && index === 0);
  assert.deepStrictEqual(run.slice(2, 6), [1124, 309, 108, 24]);
  assert.strictEqual(three.width, 1346);
  for (let page = 0; page < 4; ++page) {
    const layout = api.pageLayout(page);
    assert.ok(layout.controls.length > 300);
    for (const [name, index, x, y, w, h] of layout.controls)
      assert.ok(x >= 0 && y >= 0 && x + w <= layout.width && y + h <= layout.height, `${page} ${name} ${index}`);
  }
  const button = api.view('C_jg_gn', 0);
  assert.strictEqual(button.kind, 'button');
  assert.strictEqual(button.caption, '开始缩水');
  assert.ok(button.enabled && button.visible);
  assert.strictEqual(api.view('T_nei_txt_ip', 0).text, '01,02,03');
  const list = api.view('List_jg', 0);
  assert.strictEqual(list.rows, Number(count));
  assert.ok(list.revision > 0);
  assert.strictEqual(api.rows('List_jg', 0, 0, 2).length, Math.min(2, Number(count)));
  assert.deepStrictEqual(api.rows('List_jg', 0, list.rows, 5), []);
  assert.strictEqual(m.ccall('tesvik_view', 'string', ['string', 'number'], ['C_no_such_control', 0]), '');

  // The copy: the clipboard holds one line a pick, and the tip says so.
  api.click('C_jg_gn', 1);
  assert.strictEqual(host.clipboard.split('\n').filter((line) => line).length, Number(count));
  assert.ok(calls.some((c) => c[0] === 'tip'));

  // The export is a download of the same picks.
  api.exportPicks(0);
  assert.strictEqual(Buffer.from(downloads.get('picks.txt')).toString().trim(), host.clipboard.trim());

  // A scheme saved (a download) and loaded back (the upload of that file).
  api.saveScheme(0);
  assert.ok(downloads.has('scheme.txt'));
  api.setText('T_nei_txt_ip', 0, '');
  api.loadScheme(0);
  assert.strictEqual(api.text('T_nei_txt_ip', 0), '01,02,03');

  // Changes: everything once, then only what an event changed; a long
  // box's text crosses only when it changed.
  const first = api.changes();
  assert.ok(first.views.length > 1000 && first.frame.page === 0);
  assert.deepStrictEqual(api.changes().views, []);
  api.click('C_annv', 45);
  const after = api.changes().views;
  assert.deepStrictEqual(after.map(([n, i, v]) => [n, i, v.colour, 'text' in v]), [['C_annv', 45, 65535, false]]);
  api.setText('T_nei_txt_ip', 0, '01 02 03\r\n04 05 06');
  assert.deepStrictEqual(api.changes().views.map(([n, i, v]) => [n, i, v.text]), [['T_nei_txt_ip', 0, '01 02 03\r\n04 05 06']]);

  // The history check of the last run as JSON, and none without a count.
  api.click('C_jg_gn', 0);
  const report = JSON.parse(api.checkHistory(0, '2024001 02,03,04,05,06,07,08,09,10,01\r\nabc'));
  assert.deepStrictEqual([report.draws, report.unreadable, report.lines.length], [1, 1, 2]);
  assert.deepStrictEqual(report.lines[1], [2, false, 'abc', false, []]);
  assert.ok(report.conditions.some(([name, failed]) => name === '通杀码' && failed >= 0));
  const messages = calls.length;
  assert.strictEqual(api.checkHistory(1, '02,03,04,05'), '');
  assert.deepStrictEqual(calls.slice(messages), [['message', '温馨提示', '大底为空，请先过滤']]);
  calls.length = messages;

  // Front six: a tolerance selector's choice, the viewer's scroll and the
  // pasted lists' boxes, which refuse typing.
  api.click('C_ding', 3);
  api.click('C_q6', 1);
  api.click('C_q6_gn', 0);
  // The viewer shows the run's picks 20 ms after it, on the App's clock,
  // which the tips above have moved ahead of the browser's.
  for (let waited = 0; api.view('ucf_q6show', 0).rows === 0 && waited < 5000; waited += 50) await sleep(50);
  assert.strictEqual(api.chooseRange('rc_q6', 1, '0', '2'), 0);
  const range = api.changes().views.find(([n, i]) => n === 'rc_q6' && i === 1)[2];
  assert.deepStrictEqual([range.text, range.upper], [undefined, '2']);
  api.scrollViewer(100);
  const viewer = api.view('ucf_q6show', 0);
  assert.strictEqual(viewer.selected, 100);
  assert.strictEqual(api.changes().views.find(([n]) => n === 'ucf_q6show')[2].lines[0], api.rows('ucf_q6show', 0, 0, 1)[0]);
  assert.deepStrictEqual([api.readOnly('T_q6', 0), api.readOnly('T_q6', 1), api.readOnly('C_no_such_control', 0)], [1, 0, 0]);

  // A page tool's help is a message; a tool past the four is nothing.
  api.toolHelp(0);
  api.toolHelp(4);
  api.toolHelp(-1);
  assert.deepStrictEqual(calls.slice(messages).map((c) => [c[0], c[1]]), [['message', '温馨提示']]);
  calls.length = messages;

  // The close question: no keeps the program, yes ends it.
  answer = false;
  api.closeRequest();
  assert.strictEqual(api.ended(), 0);
  answer = true;
  api.closeRequest();
  assert.strictEqual(api.ended(), 1);
  assert.ok(calls.some((c) => c[0] === 'quit'));
  api.stop();
  assert.deepStrictEqual(calls.filter((c) => c[0] === 'message'), []);
  console.log(`browser binding: front three keeps ${count} as the batch runner; layout, views, copy, export, scheme, close ok`);
}

main().catch((error) => {
  console.error(error);
  process.exit(1);
});
