// The page of the browser edition: loads the App's module, draws the frame
// and the four pages from the shared layout, and keeps them in step with
// the App (controller.ts).

import { bindApi } from './api';
import { Controller } from './controller';
import { element } from './dialogs';
import { bottomBar, overlays, topBar } from './frame';
import { HostState, createHost } from './host';
import { lineHeight } from './measure';
import { runBar, watchPhone } from './phone';
import { buildPage } from './render';
import { toolsStrip } from './tools';

declare function createTesvik(options: object): Promise<Parameters<typeof bindApi>[0]>;

// The App's timers change what is shown (the start-up, the lights, the
// adverts' hover): the page looks for changes this often besides after
// each event.
const kPollMs = 100;

async function main(): Promise<void> {
  const state = new HostState();
  state.onTitle = (title) => (document.title = title);
  const module = await createTesvik({ host: createHost(state) });
  const api = bindApi(module);
  api.start();
  const c = new Controller(api, state);
  c.refresh();

  const app = document.getElementById('app') as HTMLElement;
  const area = element('div', 'page-area');
  const lh = lineHeight();
  const layouts = [0, 1, 2, 3].map((page) => api.layout(page));
  const pages = layouts.map((layout, page) => buildPage(c, page, layout, lh));
  area.append(...pages.map((p) => p.root));
  overlays(c, area, 'DM.jpg');
  app.replaceChildren(topBar(c), area, toolsStrip(c), bottomBar(c), runBar(c, layouts));
  state.onQuit = () => {
    api.stop();
    app.replaceChildren(element('div', 'ended', '程序已关闭'));
  };
  c.watchFrame((f) => {
    pages.forEach((p, i) => (p.root.hidden = i !== f.page));
    pages[0]?.showSubPanel(f.subPanels[0]);
    pages[1]?.showSubPanel(f.subPanels[1]);
  });
  watchPhone((phone) => document.body.classList.toggle('phone', phone));
  c.refresh();
  setInterval(() => {
    if (!c.ended && !document.hidden) c.refresh();
  }, kPollMs);
  document.body.dataset.ready = 'true';
  performance.mark('tesvik-ready');
  // The engine's first runs compile its code: done now, once the page shows.
  setTimeout(() => api.warmUp(), 0);
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js').catch(() => {});
}

void main();
