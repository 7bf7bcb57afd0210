// Forwards the user's events to the App and re-renders what changed. Every
// event runs to its end before the next one (a dialog or the tip holds the
// input meanwhile); a question, a file to load or the clipboard's text that
// an event needs is gathered first, and the event repeated with it.

import { Api, FrameState, View, key } from './api';
import { busy, element, modal, question } from './dialogs';
import { HostState } from './host';

export interface Widget {
  update(view: View): void;
}

export class Controller {
  private widgets = new Map<string, Widget[]>();
  private views = new Map<string, View>();
  private frameWatchers: ((frame: FrameState) => void)[] = [];
  frame: FrameState | null = null;

  constructor(
    readonly api: Api,
    readonly host: HostState,
  ) {}

  register(name: string, index: number, widget: Widget): void {
    const k = key(name, index);
    const list = this.widgets.get(k) ?? [];
    list.push(widget);
    this.widgets.set(k, list);
    const view = this.views.get(k);
    if (view) widget.update(view);
  }

  view(name: string, index: number): View | undefined {
    return this.views.get(key(name, index));
  }

  watchFrame(watch: (frame: FrameState) => void): void {
    this.frameWatchers.push(watch);
    if (this.frame) watch(this.frame);
  }

  // Draws what changed in the App since the last refresh.
  refresh(): void {
    const changes = this.api.changes();
    for (const [name, index, view] of changes.views) {
      const k = key(name, index);
      if (view.text === undefined) view.text = this.views.get(k)?.text ?? '';
      this.views.set(k, view);
      for (const w of this.widgets.get(k) ?? []) w.update(view);
    }
    const frame = changes.frame;
    if (JSON.stringify(frame) !== JSON.stringify(this.frame)) {
      this.frame = frame;
      this.host.page = frame.page;
      for (const watch of this.frameWatchers) watch(frame);
    }
  }

  get ended(): boolean {
    return this.frame?.ended ?? false;
  }

  // Runs one user event on the App, unless a dialog or the tip holds the
  // input; a question that it met is asked in the page, and on "是" the
  // event runs again with that answer.
  run(event: () => void): void {
    if (busy() || this.ended) return;
    event();
    this.refresh();
    const asked = this.host.asked;
    this.host.asked = null;
    if (!asked) return;
    void question(asked.title, asked.text).then((yes) => {
      if (!yes) return;
      this.host.answer = true;
      event();
      this.host.answer = null;
      this.refresh();
    });
  }

  click(name: string, index: number): void {
    if (busy() || this.ended) return;
    if (this.view(name, index)?.caption === '粘') {
      void this.pasteClick(name, index);
      return;
    }
    this.run(() => this.api.click(name, index));
  }

  // A "粘" reads the clipboard: the browser's when it allows it, else what
  // the user pastes into a box; the click then finds the text ready.
  private async pasteClick(name: string, index: number): Promise<void> {
    let text: string | null = null;
    try {
      text = await navigator.clipboard.readText();
    } catch {
      text = await askPaste();
    }
    if (text === null) return;
    this.host.clipboard = text;
    this.run(() => this.api.click(name, index));
    this.host.clipboard = null;
  }
}

async function askPaste(): Promise<string | null> {
  const body = element('div');
  body.append(element('div', 'dialog-text', '浏览器不允许读取剪贴板，请把号码粘贴到下面的框里：'));
  const box = element('textarea', 'dialog-paste');
  box.setAttribute('aria-label', '粘贴');
  body.append(box);
  return (await modal('粘贴', body, ['确定', '取消'])) === 0 ? box.value : null;
}
