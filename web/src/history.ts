// "历史验证": past draws, typed, pasted or read from a file, checked against
// the page's last run; per draw 中 or 不中 and the conditions that removed
// it, the hit rate, and a bar per condition of the draws it failed.

import { HistoryReport } from './api';
import { Controller } from './controller';
import { busy, element, sheet } from './dialogs';
import { upload } from './files';

const kDrawFileBytes = 16 * 1024 * 1024;
// The draws typed last, shown again when the dialog opens anew.
let lastDraws = '';

function showReport(c: Controller, mode: number, report: HistoryReport, summary: HTMLElement, table: HTMLElement, bars: HTMLElement): void {
  const rate = report.draws ? ((100 * report.kept) / report.draws).toFixed(1) : '0.0';
  let text = `共${report.draws}期，中${report.kept}期，命中率${rate}%    本次缩水保留${c.api.keptCount(mode)}注`;
  if (report.unreadable) text += `    无法识别${report.unreadable}行`;
  summary.textContent = text;
  const head = element('tr');
  for (const h of ['行', '号码', '结果', '未通过的条件']) head.append(element('th', '', h));
  const rows = report.lines.map(([line, readable, pick, kept, failed]) => {
    const tr = element('tr');
    const verdict = !readable ? '无法识别' : kept ? '中' : '不中';
    for (const cell of [String(line), pick, verdict, failed.join('、')]) tr.append(element('td', '', cell));
    return tr;
  });
  table.replaceChildren(head, ...rows);
  const order = report.conditions.map((_, i) => i).sort((a, b) => (report.conditions[b]?.[1] ?? 0) - (report.conditions[a]?.[1] ?? 0));
  bars.replaceChildren(
    ...order.map((i) => {
      const [name, failures] = report.conditions[i] ?? ['', 0];
      const bar = element('div', 'bar');
      const fill = element('div', 'bar-fill');
      fill.style.width = `${(100 * failures) / Math.max(report.draws, 1)}%`;
      bar.append(fill, element('span', 'bar-text', `${name}  错${failures}期`));
      return bar;
    }),
  );
}

export function historyDialog(c: Controller, mode: number): void {
  if (busy()) return;
  const body = element('div', 'history');
  body.append(element('div', 'dialog-text', `每行一期开奖号码（10个号码，可带期号和日期；或只写前${mode + 3}个号码）：`));
  const draws = element('textarea', 'draws');
  draws.value = lastDraws;
  draws.addEventListener('input', () => (lastDraws = draws.value));
  const buttons = element('div', 'history-buttons');
  const open = element('button', 'btn', '打开文件');
  const check = element('button', 'btn check', '开始验证');
  buttons.append(open, check);
  const summary = element('div', 'summary');
  const results = element('div', 'history-results');
  const table = element('table', 'history-table');
  const bars = element('div', 'bars');
  results.append(element('div', 'table-scroll'), bars);
  results.firstElementChild?.append(table);
  body.append(draws, buttons, summary, results);
  open.addEventListener('click', async () => {
    const file = await upload('.txt,text/plain', kDrawFileBytes, '文件超过16MB：');
    if (file) {
      draws.value = new TextDecoder().decode(file.bytes);
      lastDraws = draws.value;
    }
  });
  check.addEventListener('click', () => {
    // Without a run to check against the App says so in a message box.
    const report = c.api.checkHistory(mode, draws.value.replace(/\r?\n/g, '\r\n'));
    c.refresh();
    if (report) showReport(c, mode, report, summary, table, bars);
  });
  sheet('历史验证', body);
}
