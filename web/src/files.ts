// Files in the browser: a save is a download, a load an upload (bounded in
// size before it is read), and schemes are also kept in the browser's
// storage by name.

import { message } from './dialogs';

export const kMaxUpload = 64 * 1024 * 1024;
const kSchemePrefix = 'tesvik.scheme.';

export function download(name: string, bytes: Uint8Array): void {
  const url = URL.createObjectURL(new Blob([bytes as BlobPart], { type: 'application/octet-stream' }));
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  a.style.display = 'none';
  document.body.append(a);
  a.click();
  a.remove();
  // The download has its own copy once the click has run.
  setTimeout(() => URL.revokeObjectURL(url), 0);
}

// Lets the user pick a file; null when cancelled or refused as too large.
export function upload(accept: string, limit: number, limitText: string): Promise<{ name: string; bytes: Uint8Array } | null> {
  return new Promise((resolve) => {
    const input = document.createElement('input');
    input.type = 'file';
    input.accept = accept;
    input.style.display = 'none';
    input.addEventListener('change', async () => {
      const file = input.files?.[0];
      input.remove();
      if (!file) return resolve(null);
      if (file.size > limit) {
        void message('温馨提示', limitText + file.name);
        return resolve(null);
      }
      resolve({ name: file.name, bytes: new Uint8Array(await file.arrayBuffer()) });
    });
    input.addEventListener('cancel', () => {
      input.remove();
      resolve(null);
    });
    document.body.append(input);
    input.click();
  });
}

export function storeScheme(name: string, bytes: Uint8Array): boolean {
  try {
    localStorage.setItem(kSchemePrefix + name, new TextDecoder().decode(bytes));
    return true;
  } catch {
    return false; // storage full or refused: the download still has it
  }
}

export function storedSchemes(): string[] {
  const names: string[] = [];
  for (let i = 0; i < localStorage.length; ++i) {
    const k = localStorage.key(i);
    if (k?.startsWith(kSchemePrefix)) names.push(k.slice(kSchemePrefix.length));
  }
  return names.sort();
}

export function storedScheme(name: string): Uint8Array | null {
  const text = localStorage.getItem(kSchemePrefix + name);
  return text === null ? null : new TextEncoder().encode(text);
}
