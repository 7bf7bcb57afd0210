// Front six's result viewer: fifteen picks from the scroll value on, beside
// a scroll bar drawn by the page as the desktop draws it. An arrow steps one
// pick, a press on the track pages ten towards the press, both repeating
// after half a second and then twenty times a second while held; the thumb
// (never shorter than 16 px) can be dragged; a wheel notch moves three
// picks; with the focus, Up/Down, PageUp/PageDown, Home/End move it.

import { View } from './api';
import { Controller } from './controller';
import { element } from './dialogs';

const kWidth = 15;
const kMinThumb = 16;
const kFirstRepeatMs = 500;
const kRepeatMs = 50;
const kLargeChange = 10;
const kWheelStep = 3;
const kRows = 15;
const kMargin = 2;
const kFirstTop = 1;
const kLeft = 2;

export function resultViewer(c: Controller, name: string, index: number, width: number, height: number, lineHeight: number): HTMLElement {
  const frame = element('div', 'viewer');
  frame.tabIndex = 0;
  frame.dataset.control = `${name}:${index}`;
  const areaWidth = width - 2 * kMargin + 1;
  const areaHeight = height - 2 * kMargin;
  const step = lineHeight + Math.floor((lineHeight + 2) / 4);
  const area = element('div', 'viewer-rows');
  Object.assign(area.style, { left: `${kMargin}px`, top: `${kMargin}px`, width: `${areaWidth}px`, height: `${areaHeight}px` });
  const rows = Array.from({ length: kRows }, (_, i) => {
    const row = element('div', 'viewer-row');
    Object.assign(row.style, { left: `${kLeft}px`, top: `${kFirstTop + i * step}px` });
    area.append(row);
    return row;
  });
  const bar = element('div', 'scrollbar');
  Object.assign(bar.style, { left: `${kMargin + areaWidth - kWidth - 1}px`, top: `${kMargin}px`, width: `${kWidth}px`, height: `${areaHeight}px` });
  const up = element('div', 'sb-part sb-up', '▲');
  const down = element('div', 'sb-part sb-down', '▼');
  const thumb = element('div', 'sb-part sb-thumb');
  bar.append(up, thumb, down);
  frame.append(area, bar);

  let value = 0;
  let max = 0;
  let timer = 0;
  let wheelRest = 0;
  const track = areaHeight - 2 * kWidth - 2;
  const thumbHeight = () => Math.max(Math.floor(track / (max + 1)), kMinThumb);
  const scale = () => (max > 0 ? (track - thumbHeight()) / max : 0);
  const lowestTop = () => areaHeight - kWidth - thumbHeight() + 1;
  const topFor = (v: number) => (v <= 0 ? kWidth - 1 : v >= max ? lowestTop() : Math.round(v * scale() + kWidth - 1));
  const place = () => {
    thumb.hidden = max <= 0;
    thumb.style.top = `${topFor(value)}px`;
    thumb.style.height = `${thumbHeight()}px`;
  };
  const moveTo = (v: number) => {
    const next = Math.min(max, Math.max(0, Math.round(v)));
    value = next;
    place();
    c.run(() => c.api.scrollViewer(next));
  };
  const stopRepeat = () => {
    clearTimeout(timer);
    timer = 0;
    for (const part of [up, down, thumb]) part.classList.remove('pressed');
  };
  const stepAndRepeat = (delta: number) => {
    if (delta < 0 ? value <= 0 : value >= max) return;
    moveTo(value + delta);
    stopRepeat();
    const repeat = () => {
      const next = Math.min(max, Math.max(0, value + delta));
      if (next !== 0 && next !== max) timer = window.setTimeout(repeat, kRepeatMs);
      moveTo(next);
    };
    timer = window.setTimeout(repeat, kFirstRepeatMs);
  };

  bar.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    frame.focus();
    bar.setPointerCapture(e.pointerId);
    const y = e.clientY - bar.getBoundingClientRect().top;
    const top = topFor(value);
    if (max > 0 && y >= top && y < top + thumbHeight()) {
      thumb.classList.add('pressed');
      const anchor = y - top;
      const drag = (m: PointerEvent) => {
        const at = m.clientY - bar.getBoundingClientRect().top - anchor;
        const clamped = Math.max(kWidth - 1, Math.min(at, lowestTop()));
        if (scale() > 0) moveTo(Math.round((clamped - (kWidth - 1)) / scale()));
      };
      const end = () => {
        bar.removeEventListener('pointermove', drag);
        stopRepeat();
        place();
      };
      bar.addEventListener('pointermove', drag);
      bar.addEventListener('pointerup', end, { once: true });
      bar.addEventListener('pointercancel', end, { once: true });
      return;
    }
    bar.addEventListener('pointerup', stopRepeat, { once: true });
    bar.addEventListener('pointercancel', stopRepeat, { once: true });
    if (y < kWidth) {
      up.classList.add('pressed');
      stepAndRepeat(-1);
    } else if (y >= areaHeight - kWidth) {
      down.classList.add('pressed');
      stepAndRepeat(1);
    } else if (max > 0) {
      stepAndRepeat(y >= top + thumbHeight() / 2 ? kLargeChange : -kLargeChange);
    }
  });
  frame.addEventListener(
    'wheel',
    (e) => {
      e.preventDefault();
      wheelRest += e.deltaMode === 0 ? -e.deltaY * (120 / 100) : -e.deltaY * 40;
      const notches = Math.trunc(wheelRest / 120);
      wheelRest -= notches * 120;
      if (notches !== 0) moveTo(value - notches * kWheelStep);
    },
    { passive: false },
  );
  frame.addEventListener('keydown', (e) => {
    const moves: Record<string, number> = { ArrowUp: value - 1, ArrowDown: value + 1, PageUp: value - kRows, PageDown: value + kRows, Home: 0, End: max };
    if (!(e.key in moves)) return;
    e.preventDefault();
    moveTo(moves[e.key] as number);
  });
  // Touch: a drag over the picks scrolls them a row per row height.
  let touchY: number | null = null;
  area.addEventListener('pointerdown', (e) => {
    if (e.pointerType === 'mouse') return;
    touchY = e.clientY;
    area.setPointerCapture(e.pointerId);
  });
  area.addEventListener('pointermove', (e) => {
    if (touchY === null) return;
    const rowsMoved = Math.trunc((touchY - e.clientY) / step);
    if (rowsMoved === 0) return;
    touchY -= rowsMoved * step;
    moveTo(value + rowsMoved);
  });
  area.addEventListener('pointerup', () => (touchY = null));

  c.register(name, index, {
    update(v: View) {
      max = v.scrollMax;
      value = v.selected < 0 ? 0 : v.selected;
      const lines = v.lines ?? [];
      rows.forEach((row, i) => (row.textContent = lines[i] ?? ''));
      place();
    },
  });
  return frame;
}
