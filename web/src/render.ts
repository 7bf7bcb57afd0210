// A page drawn from the shared layout: every panel frame, caption and
// control at its rectangle. Items are grouped by the panel that holds them,
// so that a phone can stack the panels in one column in reading order and
// flow each panel's rows (phone.css).

import { Layout } from './api';
import { Controller } from './controller';
import { element } from './dialogs';
import { listBox, pastedListBox } from './lists';
import { fontOf } from './measure';
import { resultViewer } from './viewer';
import { button, comboBox, conditionBox, countLabel, prizeBox, rangeSelector } from './widgets';

type Rect = { x: number; y: number; w: number; h: number };

interface Item {
  rect: Rect;
  sub: number;
  make: () => HTMLElement;
}

const kOneLineHeight = 26; // a text box this low is a one-line (prize) box
const kRowSlack = 6; // items whose tops lie this close share a row
const kColumnGap = 20; // loose items this far apart across belong to different clusters

const inside = (outer: Rect, r: Rect) => r.x >= outer.x && r.y >= outer.y && r.x + r.w <= outer.x + outer.w && r.y + r.h <= outer.y + outer.h;

function place(e: HTMLElement, r: Rect, origin: Rect): HTMLElement {
  Object.assign(e.style, { left: `${r.x - origin.x}px`, top: `${r.y - origin.y}px`, width: `${r.w}px`, height: `${r.h}px` });
  return e;
}

function control(c: Controller, layout: Layout, [name, index, x, y, w, h, style, sub, hint]: Layout['controls'][number], lineHeight: number): Item {
  const rect = { x, y, w, h };
  const make = (): HTMLElement => {
    const kind = c.view(name, index)?.kind ?? 'button';
    let e: HTMLElement;
    switch (kind) {
      case 'textbox': {
        const enter = layout.enter.find(([n, i]) => n === name && i === index);
        if (h <= kOneLineHeight) e = prizeBox(c, name, index, hint, () => enter && c.click(enter[2], enter[3]));
        else e = c.api.readOnly(name, index) ? pastedListBox(c, name, index) : conditionBox(c, name, index);
        break;
      }
      case 'combobox':
        e = comboBox(c, name, index);
        break;
      case 'rangeselector':
        e = rangeSelector(c, name, index);
        break;
      case 'countlabel':
        e = countLabel(c, name, index, hint);
        break;
      case 'resultlist':
      case 'compoundlist':
        e = listBox(c, name, index);
        break;
      case 'resultviewer':
        e = resultViewer(c, name, index, w, h, lineHeight);
        break;
      default:
        e = button(c, name, index);
    }
    e.style.font = fontOf(style);
    return e;
  };
  return { rect, sub, make };
}

const bounds = (items: Item[]): Rect => {
  const x = Math.min(...items.map((i) => i.rect.x));
  const y = Math.min(...items.map((i) => i.rect.y));
  return { x, y, w: Math.max(...items.map((i) => i.rect.x + i.rect.w)) - x, h: Math.max(...items.map((i) => i.rect.y + i.rect.h)) - y };
};

// Items outside every panel, in clusters whose spans across the page do
// not meet (the result side, the tabs of a sub-panel).
function columns(items: Item[]): Item[][] {
  const out: Item[][] = [];
  let right = -Infinity;
  for (const item of [...items].sort((a, b) => a.rect.x - b.rect.x)) {
    if (item.rect.x > right + kColumnGap) out.push([]);
    out[out.length - 1]?.push(item);
    right = Math.max(right, item.rect.x + item.rect.w);
  }
  return out;
}

// The items in rows (tops close together), each row from left to right.
function rows(items: Item[]): Item[][] {
  const sorted = [...items].sort((a, b) => a.rect.y - b.rect.y);
  const out: Item[][] = [];
  let top = -Infinity;
  for (const item of sorted) {
    if (item.rect.y - top > kRowSlack) {
      out.push([]);
      top = item.rect.y;
    }
    out[out.length - 1]?.push(item);
  }
  for (const row of out) row.sort((a, b) => a.rect.x - b.rect.x);
  return out;
}

export interface PageView {
  root: HTMLElement;
  showSubPanel(sub: number): void;
}

export function buildPage(c: Controller, page: number, layout: Layout, lineHeight: number): PageView {
  const root = element('div', 'page');
  root.dataset.page = String(page);
  Object.assign(root.style, { width: `${layout.width}px`, height: `${layout.height}px` });
  const frames = layout.panels.map(([x, y, w, h, sub]) => ({ rect: { x, y, w, h }, sub, items: [] as Item[] }));
  const loose: Item[] = [];
  const items: Item[] = [
    ...layout.texts.map(([text, x, y, w, h, style, sub]) => ({
      rect: { x, y, w, h },
      sub,
      make: () => {
        const e = element('div', 'caption', text);
        e.style.font = fontOf(style);
        return e;
      },
    })),
    ...layout.controls.map((ctl) => control(c, layout, ctl, lineHeight)),
  ];
  for (const item of items) {
    // The smallest panel that holds the item, and is shown with it, owns it.
    let owner: (typeof frames)[number] | null = null;
    for (const f of frames)
      if ((f.sub < 0 || f.sub === item.sub) && inside(f.rect, item.rect) && (!owner || f.rect.w * f.rect.h < owner.rect.w * owner.rect.h)) owner = f;
    (owner ? owner.items : loose).push(item);
  }
  const groups = frames.map((f) => ({ rect: f.rect, sub: f.sub, framed: true, items: f.items }));
  for (const cluster of columns(loose)) groups.push({ rect: bounds(cluster), sub: -1, framed: false, items: cluster });
  // Reading order: column by column (panels whose left edges are close
  // share a column), top to bottom within a column.
  const column = (r: Rect) => Math.round(r.x / 40);
  groups.sort((a, b) => column(a.rect) - column(b.rect) || a.rect.y - b.rect.y);
  const subbed: HTMLElement[] = [];
  for (const g of groups) {
    const box = place(element('div', g.framed ? 'group panel' : 'group'), g.rect, { x: 0, y: 0, w: 0, h: 0 });
    if (g.sub >= 0) {
      box.dataset.sub = String(g.sub);
      subbed.push(box);
    }
    for (const row of rows(g.items)) {
      const line = element('div', 'line');
      for (const item of row) {
        const e = place(item.make(), item.rect, g.rect);
        e.classList.add('item');
        if (item.sub >= 0 && g.sub < 0) {
          e.dataset.sub = String(item.sub);
          subbed.push(e);
        }
        line.append(e);
      }
      box.append(line);
    }
    root.append(box);
  }
  return {
    root,
    showSubPanel(sub: number) {
      for (const e of subbed) e.hidden = Number(e.dataset.sub) !== sub;
    },
  };
}
