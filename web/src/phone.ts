// On a narrow screen the page stacks its panels in one column (page.css)
// and a bar fixed at the bottom holds the shown page's count, its
// "开始缩水" and its copy button, mirrored from the page's own controls.

import { Layout } from './api';
import { Controller } from './controller';
import { element } from './dialogs';
import { kPageNames } from './host';
import { button, countLabel } from './widgets';

const kPhoneQuery = '(max-width: 700px)';

interface RunBarControls {
  count: [string, number, string];
  run: [string, number];
  copy: [string, number];
}

// The page's count label (named as the page names it beside the label
// where the label has no prefix of its own), "开始缩水" and first copy
// button.
function runBarControls(c: Controller, layout: Layout): RunBarControls | null {
  let count: RunBarControls['count'] | null = null;
  let run: RunBarControls['run'] | null = null;
  let copy: RunBarControls['copy'] | null = null;
  for (const [name, index, , , , , , , hint] of layout.controls) {
    const v = c.view(name, index);
    if (!v) continue;
    if (v.kind === 'countlabel' && !count) count = [name, index, hint];
    if (v.kind === 'button' && v.caption === '开始缩水' && !run) run = [name, index];
    if (v.kind === 'button' && v.caption.startsWith('复制') && !copy) copy = [name, index];
  }
  return count && run && copy ? { count, run, copy } : null;
}

export function runBar(c: Controller, layouts: Layout[]): HTMLElement {
  const bar = element('div', 'run-bar');
  const perPage = layouts.map((layout, page) => {
    const found = runBarControls(c, layout);
    const group = element('div', 'run-group');
    if (found) {
      const [name, index, hint] = found.count;
      group.append(countLabel(c, name, index, hint || `${kPageNames[page] ?? ''}注数:`), button(c, ...found.run, 'btn run'), button(c, ...found.copy, 'btn run'));
    }
    bar.append(group);
    return group;
  });
  c.watchFrame((f) => perPage.forEach((group, page) => (group.hidden = page !== f.page)));
  return bar;
}

export function watchPhone(onChange: (phone: boolean) => void): void {
  const query = window.matchMedia(kPhoneQuery);
  onChange(query.matches);
  query.addEventListener('change', () => onChange(query.matches));
}
