// In-page modal dialogs, shown one after another: while one is open (or the
// copy tip shows) the page takes no other input, as the desktop's modal
// windows do. Texts go in through textContent only.

interface Pending {
  title: string;
  body: Node;
  buttons: string[];
  cancel: number; // the answer of Escape
  resolve: (answer: number) => void;
}

const queue: Pending[] = [];
let layer: HTMLElement | null = null;
let tipUntil = 0;

export function element<K extends keyof HTMLElementTagNameMap>(tag: K, className = '', text = ''): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text) e.textContent = text;
  return e;
}

// True while a dialog or the tip keeps the page's input.
export function busy(): boolean {
  return layer !== null || performance.now() < tipUntil;
}

function showNext(): void {
  const next = queue[0];
  if (!next || layer) return;
  layer = element('div', 'modal-layer');
  const box = element('div', 'dialog');
  box.setAttribute('role', 'dialog');
  box.setAttribute('aria-modal', 'true');
  box.append(element('div', 'dialog-title', next.title));
  const body = element('div', 'dialog-body');
  body.append(next.body);
  box.append(body);
  const row = element('div', 'dialog-buttons');
  const close = (answer: number) => {
    layer?.remove();
    layer = null;
    queue.shift();
    next.resolve(answer);
    showNext();
  };
  next.buttons.forEach((caption, i) => {
    const b = element('button', 'dialog-button', caption);
    b.addEventListener('click', () => close(i));
    row.append(b);
  });
  box.append(row);
  box.addEventListener('keydown', (e) => {
    if (e.key === 'Escape') close(next.cancel);
  });
  layer.append(box);
  document.body.append(layer);
  const first = box.querySelector<HTMLElement>('textarea, input, .dialog-button');
  first?.focus();
}

// Shows a dialog; resolves with the index of the button pressed.
export function modal(title: string, body: Node | string, buttons: string[], cancel = buttons.length - 1): Promise<number> {
  const node = typeof body === 'string' ? element('div', 'dialog-text', body.replace(/\r\n?/g, '\n')) : body;
  return new Promise((resolve) => {
    queue.push({ title, body: node, buttons, cancel, resolve });
    showNext();
  });
}

export function message(title: string, text: string): Promise<number> {
  return modal(title, text, ['确定'], 0);
}

export async function question(title: string, text: string): Promise<boolean> {
  return (await modal(title, text, ['是', '否'])) === 0;
}

// A dialog of its own that stays under the message boxes (the history
// check): it covers the page until its "关闭" or Escape.
export function sheet(title: string, body: Node): void {
  const under = element('div', 'modal-layer sheet-layer');
  const box = element('div', 'dialog wide');
  box.setAttribute('role', 'dialog');
  box.append(element('div', 'dialog-title', title), body);
  const row = element('div', 'dialog-buttons');
  const close = element('button', 'dialog-button', '关闭');
  close.addEventListener('click', () => under.remove());
  box.addEventListener('keydown', (e) => {
    if (e.key === 'Escape' && !layer) under.remove();
  });
  row.append(close);
  box.append(row);
  under.append(box);
  document.body.append(under);
  box.querySelector<HTMLElement>('textarea')?.focus();
}

// A box asking for one line of text; null when cancelled.
export async function askText(title: string, label: string, value: string): Promise<string | null> {
  const body = element('div');
  body.append(element('div', 'dialog-text', label));
  const input = element('input', 'dialog-input');
  input.value = value;
  input.addEventListener('keydown', (e) => {
    if (e.key !== 'Enter') return;
    // Consumed here: the key must not also press a button of the dialog
    // that this answer may open.
    e.preventDefault();
    (body.parentElement?.parentElement?.querySelector('.dialog-button') as HTMLElement | null)?.click();
  });
  body.append(input);
  return (await modal(title, body, ['确定', '取消'])) === 0 ? input.value : null;
}

// The copy tip: a small green box over the page for `ms`; input waits.
export function showTip(text: string, ms: number): void {
  const tip = element('div', 'tip', text);
  tip.setAttribute('role', 'status');
  document.body.append(tip);
  tipUntil = performance.now() + ms;
  setTimeout(() => tip.remove(), ms);
}

// While a dialog is open, keys outside it go nowhere.
document.addEventListener(
  'keydown',
  (e) => {
    const top = layer ?? document.querySelector('.sheet-layer');
    if (top && !top.contains(e.target as Node)) e.preventDefault();
  },
  true,
);
