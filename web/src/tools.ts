// The page tools below the pages: 保存方案, 载入方案, 导出文件 and 历史验证,
// each with its "说明". A scheme is saved under a name (a download, and
// kept in the browser's storage); a scheme is loaded from the storage or an
// uploaded file. The App reads the chosen name through the host.

import { Controller } from './controller';
import { askText, element, modal } from './dialogs';
import { kMaxUpload, storedScheme, storedSchemes, upload } from './files';
import { historyDialog } from './history';
import { kPageNames } from './host';

const kTools = ['保存方案', '载入方案', '导出文件', '历史验证'];

const page = (c: Controller) => c.frame?.page ?? 3;

// As on the desktop, the App first checks that the scheme would load back
// (a message names what would not) and only then asks for the file: the
// first pass is cancelled at that question, then repeated with the name.
async function saveScheme(c: Controller): Promise<void> {
  c.host.fileAsked = null;
  c.run(() => c.api.saveScheme(page(c)));
  if (c.host.fileAsked !== 'save-scheme') return;
  c.host.fileAsked = null;
  const name = await askText('保存方案', '方案名称：', kPageNames[page(c)] ?? '');
  if (!name?.trim()) return;
  c.host.fileName = `${name.trim()}.scheme`;
  c.run(() => c.api.saveScheme(page(c)));
  c.host.fileName = null;
}

function loadFrom(c: Controller, name: string, bytes: Uint8Array): void {
  c.host.uploads.clear();
  c.host.uploads.set(name, bytes);
  c.host.fileName = name;
  c.run(() => c.api.loadScheme(page(c)));
  c.host.fileName = null;
  c.host.uploads.clear();
}

async function loadScheme(c: Controller): Promise<void> {
  const names = storedSchemes();
  const body = element('div', 'scheme-list');
  body.append(element('div', 'dialog-text', names.length ? '浏览器中保存的方案：' : '浏览器中还没有保存的方案。'));
  let chosen: string | null = null;
  const select = element('select', 'scheme-names');
  select.size = Math.min(8, Math.max(2, names.length));
  for (const n of names) select.append(new Option(n, n));
  if (names.length) {
    select.value = names[0] ?? '';
    body.append(select);
  }
  const answer = await modal('载入方案', body, names.length ? ['载入', '打开文件', '取消'] : ['打开文件', '取消']);
  const button = names.length ? answer : answer + 1;
  if (button === 0) chosen = select.value;
  if (chosen) {
    const bytes = storedScheme(chosen);
    if (bytes) loadFrom(c, `${chosen}.scheme`, bytes);
  } else if (button === 1) {
    const file = await upload('.scheme,.txt', kMaxUpload, '方案文件超过64MB：');
    if (file) loadFrom(c, file.name, file.bytes);
  }
}

export function toolsStrip(c: Controller): HTMLElement {
  const strip = element('div', 'tools');
  kTools.forEach((caption, tool) => {
    const b = element('button', 'btn tool', caption);
    b.type = 'button';
    b.addEventListener('click', () => {
      if (c.ended) return;
      if (tool === 0) void saveScheme(c);
      else if (tool === 1) void loadScheme(c);
      else if (tool === 2) c.run(() => c.api.exportPicks(page(c)));
      else historyDialog(c, page(c));
    });
    const help = element('button', 'btn tool', '说明');
    help.type = 'button';
    help.dataset.help = caption;
    help.addEventListener('click', () => c.run(() => c.api.toolHelp(tool)));
    const pair = element('span', 'tool-pair');
    pair.append(b, help);
    strip.append(pair);
  });
  return strip;
}
