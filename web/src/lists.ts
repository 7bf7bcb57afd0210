// A list box that draws only its visible rows: rows are fetched from the
// App for the scrolled window and dropped when the list's revision moves.

import { View } from './api';
import { Controller } from './controller';
import { element } from './dialogs';

export const kRowHeight = 16;

export function listBox(c: Controller, name: string, index: number): HTMLElement {
  const box = element('div', 'list');
  box.tabIndex = 0;
  box.dataset.control = `${name}:${index}`;
  box.setAttribute('role', 'listbox');
  const spacer = element('div', 'list-spacer');
  box.append(spacer);
  let view: View | null = null;
  let revision = -1;
  let shown = '';

  const draw = () => {
    if (!view) return;
    const first = Math.max(0, Math.floor(box.scrollTop / kRowHeight) - 2);
    const count = Math.ceil((box.clientHeight || 200) / kRowHeight) + 4;
    const stamp = `${revision}:${first}:${count}:${view.selected}`;
    if (stamp === shown) return;
    shown = stamp;
    const rows = view.rows > 0 ? c.api.rows(name, index, first, count) : [];
    spacer.replaceChildren(
      ...rows.map((text, i) => {
        const row = element('div', first + i === view?.selected ? 'row selected' : 'row', text);
        row.style.top = `${(first + i) * kRowHeight}px`;
        row.dataset.row = String(first + i);
        return row;
      }),
    );
  };

  box.addEventListener('scroll', draw, { passive: true });
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
      if (v.revision !== revision) {
        revision = v.revision;
        spacer.style.height = `${v.rows * kRowHeight}px`;
        if (box.scrollTop > v.rows * kRowHeight) box.scrollTop = 0;
      }
      shown = '';
      draw();
    },
  });
  new ResizeObserver(() => {
    shown = '';
    draw();
  }).observe(box);
  return box;
}
