// The frame around the pages: the mode and link buttons on top, the page
// tools and advert labels below, the start-up overlay, the progress bar and
// the explanation picture over the page area.

import { FrameState } from './api';
import { Controller } from './controller';
import { element } from './dialogs';
import { advertLabel, button } from './widgets';

const kModeButtons = 4;
const kLinkButtons = [1, 2, 3, 4, 5, 6, 8];

export function topBar(c: Controller): HTMLElement {
  const bar = element('div', 'top-bar');
  const modes = element('div', 'modes');
  for (let i = 0; i < kModeButtons; ++i) modes.append(button(c, 'C_ding', i, 'btn mode'));
  const links = element('div', 'links');
  for (const i of kLinkButtons) {
    const b = button(c, 'C_ding_an', i, 'btn link');
    c.register('C_ding_an', i, { update: (v) => (b.title = v.caption) });
    links.append(b);
  }
  // The window's close box: the App asks whether to close.
  const close = element('button', 'btn close', '×');
  close.type = 'button';
  close.title = '关闭';
  close.setAttribute('aria-label', '关闭');
  close.addEventListener('click', () => c.run(() => c.api.closeRequest()));
  links.append(close);
  bar.append(modes, links);
  return bar;
}

export function bottomBar(c: Controller): HTMLElement {
  const bar = element('div', 'bottom-bar');
  const news = element('div', 'news');
  bar.append(advertLabel(c, 1), news, advertLabel(c, 2));
  c.watchFrame((f) => (news.textContent = f.news));
  return bar;
}

// The overlays of the page area, shown as the frame's state says.
export function overlays(c: Controller, area: HTMLElement, pictureUrl: string): void {
  const start = element('div', 'startup');
  start.append(element('div', '', '[系统正在初始化]'), element('div', '', '稍等...'));
  const progress = element('div', 'progress');
  const bar = element('div', 'progress-bar');
  progress.append(bar);
  const picture = element('div', 'picture');
  const top = element('div', 'picture-top');
  top.append(button(c, 'C_shuoming', 60));
  const image = element('img');
  image.alt = '胆码开出个数说明';
  image.src = pictureUrl;
  picture.append(top, image);
  area.append(start, progress, picture);
  c.watchFrame((f: FrameState) => {
    start.hidden = !f.overlay;
    progress.hidden = !f.progressVisible;
    bar.style.width = `${Math.min(100, Math.max(0, f.progressPercent))}%`;
    picture.hidden = !f.picture;
  });
  document.addEventListener('keydown', (e) => {
    if (e.key === 'Escape' && c.frame?.picture) c.click('C_shuoming', 60);
  });
}
