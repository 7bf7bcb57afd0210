// Boxes of many rows that draw only their visible rows: the result and
// compound lists (rows fetched from the App for the scrolled window and
// dropped when the list's revision moves) and the boxes of front six's
// pasted lists (up to 151,200 lines, filled only by their "粘").

import { View } from './api';
import { Controller } from './controller';
import { element } from './dialogs';

const kRowHeight = 16;

interface Rows {
  // The box shows `count` rows, read through `rows`, with `selected` marked.
  show(count: number, selected: number, rows: (first: number, count: number) => string[]): void;
}

function virtualRows(box: HTMLElement): Rows {
  const spacer = element('div', 'list-spacer');
  box.append(spacer);
  let count = 0;
  let selected = -1;
  let read: (first: number, count: number) => string[] = () => [];
  let shown = '';
  const draw = () => {
    const first = Math.max(0, Math.floor(box.scrollTop / kRowHeight) - 2);
    const visible = Math.ceil((box.clientHeight || 200) / kRowHeight) + 4;
    const stamp = `${first}:${visible}`;
    if (stamp === shown) return;
    shown = stamp;
    const rows = count > 0 ? read(first, visible) : [];
    spacer.replaceChildren(
      ...rows.map((text, i) => {
        const row = element('div', first + i === selected ? 'row selected' : 'row', text);
        row.style.top = `${(first + i) * kRowHeight}px`;
        row.dataset.row = String(first + i);
        return row;
      }),
    );
  };
  box.addEventListener('scroll', draw, { passive: true });
  new ResizeObserver(() => {
    shown = '';
    draw();
  }).observe(box);
  return {
    show(n, s, rows) {
      count = n;
      selected = s;
      read = rows;
      spacer.style.height = `${n * kRowHeight}px`;
      if (box.scrollTop > n * kRowHeight) box.scrollTop = 0;
      shown = '';
      draw();
    },
  };
}

export function listBox(c: Controller, name: string, index: number): HTMLElement {
  const box = element('div', 'list');
  box.tabIndex = 0;
  box.dataset.control = `${name}:${index}`;
  box.setAttribute('role', 'listbox');
  const rows = virtualRows(box);
  let view: View | null = null;
  box.addEventListener('click', (e) => {
    const row = (e.target as HTMLElement).closest<HTMLElement>('.row');
    if (row) c.run(() => c.api.selectRow(name, index, Number(row.dataset.row)));
  });
  box.addEventListener('keydown', (e) => {
    if (!view || view.rows === 0 || (e.key !== 'ArrowDown' && e.key !== 'ArrowUp')) return;
    e.preventDefault();
    const row = Math.min(view.rows - 1, Math.max(0, view.selected + (e.key === 'ArrowDown' ? 1 : -1)));
    c.run(() => c.api.selectRow(name, index, row));
  });
  c.register(name, index, {
    update(v: View) {
      view = v;
      rows.show(v.rows, v.selected, (first, count) => c.api.rows(name, index, first, count));
    },
  });
  return box;
}

// A box that only its "粘" fills: its lines, drawn as they scroll into
// view. Typing and pasting go to the App, which refuses them with a tip
// that points to "粘"; a double click empties it, as its "清" does.
export function pastedListBox(c: Controller, name: string, index: number): HTMLElement {
  const box = element('div', 'list pasted');
  box.tabIndex = 0;
  box.dataset.control = `${name}:${index}`;
  box.setAttribute('role', 'textbox');
  box.setAttribute('aria-readonly', 'true');
  const rows = virtualRows(box);
  box.addEventListener('keydown', (e) => {
    if (e.key.length !== 1 || e.ctrlKey || e.metaKey || e.altKey) return;
    e.preventDefault();
    c.run(() => c.api.typeText(name, index, e.key));
  });
  box.addEventListener('paste', (e) => {
    e.preventDefault();
    c.run(() => c.api.typeText(name, index, e.clipboardData?.getData('text') ?? ''));
  });
  box.addEventListener('dblclick', () => c.run(() => c.api.doubleClick(name, index)));
  c.register(name, index, {
    update(v: View) {
      const lines = (v.text ?? '').split('\r\n');
      if (lines[lines.length - 1] === '') lines.pop();
      rows.show(lines.length, -1, (first, count) => lines.slice(first, first + count));
    },
  });
  return box;
}
