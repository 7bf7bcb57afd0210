// The plain controls of a page: buttons, text boxes, combo boxes and labels,
// each drawn from its view and forwarding its events to the App.

import { View } from './api';
import { Controller } from './controller';
import { element } from './dialogs';

// The App keeps colours in 0x00BBGGRR order.
function cssColour(bgr: number): string {
  const hex = (v: number) => (v & 0xff).toString(16).padStart(2, '0');
  return `#${hex(bgr)}${hex(bgr >> 8)}${hex(bgr >> 16)}`;
}

const lines = (text: string) => text.replace(/\r\n/g, '\n');

export function button(c: Controller, name: string, index: number, className = 'btn'): HTMLButtonElement {
  const b = element('button', className);
  b.type = 'button';
  b.dataset.control = `${name}:${index}`;
  b.addEventListener('click', () => c.click(name, index));
  c.register(name, index, {
    update(v: View) {
      b.textContent = lines(v.caption);
      b.style.background = cssColour(v.colour);
      b.disabled = !v.enabled;
      b.hidden = !v.visible;
    },
  });
  return b;
}

// A condition box: the text as the App holds it; edits hand the App the
// whole text, as a paste does.
export function conditionBox(c: Controller, name: string, index: number): HTMLTextAreaElement {
  const box = element('textarea', 'box');
  box.wrap = 'off';
  box.spellcheck = false;
  box.dataset.control = `${name}:${index}`;
  box.addEventListener('input', () => c.run(() => c.api.setText(name, index, box.value.replace(/\n/g, '\r\n'))));
  box.addEventListener('dblclick', () => c.run(() => c.api.doubleClick(name, index)));
  c.register(name, index, {
    update(v: View) {
      const text = lines(v.text ?? '');
      if (box.value !== text) box.value = text;
    },
  });
  return box;
}

// A prize box: typed characters pass the App's key filter; other edits
// (deleting, pasting a published result) hand the App the whole text.
export function prizeBox(c: Controller, name: string, index: number, hint: string, enter: () => void): HTMLInputElement {
  const box = element('input', 'line');
  box.placeholder = hint;
  box.inputMode = 'numeric';
  box.dataset.control = `${name}:${index}`;
  box.addEventListener('beforeinput', (e) => {
    if (e.inputType !== 'insertText' || !e.data) return;
    e.preventDefault();
    c.run(() => c.api.typeText(name, index, e.data ?? ''));
  });
  box.addEventListener('input', () => c.run(() => c.api.setText(name, index, box.value)));
  // Front six's prize box empties on a double click, as its other boxes do.
  if (name === 'T_q6') box.addEventListener('dblclick', () => c.run(() => c.api.doubleClick(name, index)));
  box.addEventListener('keydown', (e) => {
    if (e.key === 'Enter') {
      e.preventDefault();
      enter();
    }
  });
  c.register(name, index, {
    update(v: View) {
      if (box.value !== (v.text ?? '')) box.value = v.text ?? '';
    },
  });
  return box;
}

function fillChoices(select: HTMLSelectElement, items: string[], text: string): void {
  const choices = items.includes(text) ? items : [...items, text];
  if (select.options.length !== choices.length || choices.some((item, i) => select.options[i]?.value !== item)) {
    select.replaceChildren(...choices.map((item) => new Option(item, item)));
  }
  select.value = text;
}

// A tolerance box: its choices, and the App's text chosen.
export function comboBox(c: Controller, name: string, index: number): HTMLSelectElement {
  const select = element('select', 'combo');
  select.dataset.control = `${name}:${index}`;
  select.addEventListener('change', () => c.run(() => c.api.setText(name, index, select.value)));
  c.register(name, index, { update: (v: View) => fillChoices(select, v.items, v.text ?? '') });
  return select;
}

// A tolerance selector: two lists, "至" between them.
export function rangeSelector(c: Controller, name: string, index: number): HTMLElement {
  const row = element('div', 'selector');
  const lower = element('select', 'combo');
  const upper = element('select', 'combo');
  row.dataset.control = `${name}:${index}`;
  const chosen = () => c.run(() => c.api.chooseRange(name, index, lower.value, upper.value));
  lower.addEventListener('change', chosen);
  upper.addEventListener('change', chosen);
  row.append(lower, element('span', 'to', '至'), upper);
  c.register(name, index, {
    update(v: View) {
      fillChoices(lower, v.items, v.text ?? '');
      fillChoices(upper, v.items, v.upper);
    },
  });
  return row;
}

export function countLabel(c: Controller, name: string, index: number, hint: string): HTMLElement {
  const label = element('div', 'count');
  label.dataset.control = `${name}:${index}`;
  c.register(name, index, {
    update(v: View) {
      label.textContent = hint + v.caption;
      label.hidden = !v.visible;
    },
  });
  return label;
}

export function advertLabel(c: Controller, index: number): HTMLElement {
  const label = element('div', 'advert');
  label.dataset.control = `L_ad:${index}`;
  label.addEventListener('pointerenter', () => c.run(() => c.api.hover('L_ad', index)));
  label.addEventListener('click', () => c.click('L_ad', index));
  c.register('L_ad', index, {
    update(v: View) {
      label.textContent = v.caption;
      label.style.color = cssColour(v.colour);
      label.style.textDecoration = v.underline ? 'underline' : 'none';
      label.hidden = !v.visible;
    },
  });
  return label;
}
