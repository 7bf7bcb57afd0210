// The host object that the App's effects reach (src/web/host_calls.h). Its
// calls are synchronous, so what needs the user first (a question's "是", a
// file to load, the clipboard's text) is gathered before the App is asked
// again: the App's first, declined pass has no effect (events.ts).

import { message, showTip } from './dialogs';
import { download, storeScheme } from './files';
import { lineHeight, measureText } from './measure';

export const kPageNames = ['前三', '前四', '前五', '前六'];
const kTipMs = 600;

export class HostState {
  // Read from the browser's clipboard before a "粘" click; null otherwise.
  clipboard: string | null = null;
  // The answer queued for the App's next question; a question met without
  // one is recorded and answered "否".
  answer: boolean | null = null;
  asked: { title: string; text: string } | null = null;
  // The name that the next save or load dialog answers with; a dialog met
  // without one is recorded (kind) and answered "cancelled".
  fileName: string | null = null;
  fileAsked: string | null = null;
  uploads = new Map<string, Uint8Array>();
  page = 3;
  onQuit: () => void = () => {};
  onTitle: (title: string) => void = () => {};
}

function today(): string {
  const d = new Date();
  return `${d.getFullYear()}${String(d.getMonth() + 1).padStart(2, '0')}${String(d.getDate()).padStart(2, '0')}`;
}

// Copies through a hidden box where the clipboard API is missing or refused.
function copyByCommand(text: string): boolean {
  const box = document.createElement('textarea');
  box.value = text;
  box.style.position = 'fixed';
  box.style.opacity = '0';
  document.body.append(box);
  box.select();
  let done = false;
  try {
    done = document.execCommand('copy');
  } catch {
    done = false;
  }
  box.remove();
  return done;
}

export function createHost(state: HostState) {
  return {
    message: (title: string, text: string) => void message(title, text),
    question: (title: string, text: string) => {
      if (state.answer !== null) {
        const answer = state.answer;
        state.answer = null;
        return answer;
      }
      state.asked = { title, text };
      return false;
    },
    writeClipboard: (text: string) => {
      if (navigator.clipboard?.writeText) {
        navigator.clipboard.writeText(text).catch(() => copyByCommand(text));
        return true;
      }
      return copyByCommand(text);
    },
    readClipboard: () => state.clipboard,
    showTip: (text: string) => showTip(text, kTipMs),
    // The frame's state carries the progress display (render.ts draws it).
    showProgress: () => {},
    openLink: (url: string) => {
      window.open(url, '_blank', 'noopener');
      return true;
    },
    setTitle: (title: string) => state.onTitle(title),
    quit: () => state.onQuit(),
    chooseFile: (kind: string) => {
      if (kind === 'export') return `${kPageNames[state.page] ?? ''}-${today()}.txt`;
      const name = state.fileName;
      state.fileName = null;
      if (name === null) state.fileAsked = kind;
      return name;
    },
    saveFile: (name: string, bytes: Uint8Array) => {
      download(name, bytes);
      if (name.endsWith('.scheme') && !storeScheme(name.slice(0, -'.scheme'.length), bytes))
        void message('温馨提示', `方案已下载为 ${name}，但浏览器的存储空间不够，没有保存在浏览器中`);
      return true;
    },
    readFile: (name: string) => state.uploads.get(name) ?? null,
    measureText,
    lineHeight,
  };
}
