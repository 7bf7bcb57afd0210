// The App's plain C interface (src/web/app_binding.cpp) as typed calls.

export interface View {
  kind: string;
  caption: string;
  text?: string; // present when the text changed since the last changes()
  upper: string;
  items: string[];
  colour: number;
  enabled: boolean;
  visible: boolean;
  underline: boolean;
  rows: number;
  selected: number;
  scrollMax: number;
  revision: number;
  lines?: string[]; // the result viewer's shown rows
}

export interface FrameState {
  page: number;
  overlay: boolean;
  progressVisible: boolean;
  progressPercent: number;
  caption: string;
  news: string;
  subPanels: [number, number];
  picture: boolean;
  ended: boolean;
}

export interface Changes {
  frame: FrameState;
  views: [string, number, View][];
}

export type PlacedPanel = [number, number, number, number, number];
export type PlacedText = [string, number, number, number, number, number, number];
export type PlacedControl = [string, number, number, number, number, number, number, number, string];

export interface Layout {
  width: number;
  height: number;
  panels: PlacedPanel[];
  texts: PlacedText[];
  controls: PlacedControl[];
  enter: [string, number, string, number][];
}

export interface HistoryReport {
  draws: number;
  kept: number;
  unreadable: number;
  lines: [number, boolean, string, boolean, string[]][];
  conditions: [string, number][];
}

interface Module {
  cwrap(name: string, ret: string | null, args: string[]): (...args: unknown[]) => unknown;
  _malloc(size: number): number;
  _free(pointer: number): void;
  lengthBytesUTF8(text: string): number;
  stringToUTF8(text: string, pointer: number, size: number): void;
}

export interface Api {
  start(): void;
  warmUp(): void;
  stop(): void;
  ended(): boolean;
  click(name: string, index: number): void;
  doubleClick(name: string, index: number): void;
  hover(name: string, index: number): void;
  setText(name: string, index: number, text: string): void;
  typeText(name: string, index: number, text: string): void;
  selectRow(name: string, index: number, row: number): void;
  chooseRange(name: string, index: number, lower: string, upper: string): void;
  scrollViewer(value: number): void;
  readOnly(name: string, index: number): boolean;
  closeRequest(): void;
  saveScheme(mode: number): void;
  loadScheme(mode: number): void;
  exportPicks(mode: number): void;
  toolHelp(tool: number): void;
  checkHistory(mode: number, draws: string): HistoryReport | null;
  keptCount(mode: number): number;
  text(name: string, index: number): string;
  layout(page: number): Layout;
  rows(name: string, index: number, first: number, count: number): string[];
  changes(): Changes;
}

export function bindApi(m: Module): Api {
  const S = 'string';
  const N = 'number';
  // Text goes into the module through its heap. cwrap would copy a string
  // argument onto the module's stack, which a pasted list of a few megabytes
  // overflows.
  const call = (name: string, ret: string | null, args: string[]) => {
    const f = m.cwrap(name, ret, args.map((a) => (a === S ? N : a)));
    return (...values: unknown[]): unknown => {
      const owned: number[] = [];
      try {
        const passed = values.map((value, k) => {
          if (args[k] !== S) return value;
          const text = String(value);
          const size = m.lengthBytesUTF8(text) + 1;
          const pointer = m._malloc(size);
          if (!pointer) throw new RangeError('the text does not fit in memory');
          owned.push(pointer);
          m.stringToUTF8(text, pointer, size);
          return pointer;
        });
        return f(...passed);
      } finally {
        for (const pointer of owned) m._free(pointer);
      }
    };
  };
  const start = call('tesvik_start', null, []);
  const warmUp = call('tesvik_warm_up', null, []);
  const stop = call('tesvik_stop', null, []);
  const ended = call('tesvik_ended', N, []);
  const click = call('tesvik_click', N, [S, N]);
  const doubleClick = call('tesvik_double_click', N, [S, N]);
  const hover = call('tesvik_hover', N, [S, N]);
  const setText = call('tesvik_set_text', N, [S, N, S]);
  const typeText = call('tesvik_type_text', N, [S, N, S]);
  const selectRow = call('tesvik_select_row', N, [S, N, N]);
  const chooseRange = call('tesvik_choose_range', N, [S, N, S, S]);
  const scrollViewer = call('tesvik_scroll_viewer', null, [N]);
  const readOnly = call('tesvik_read_only', N, [S, N]);
  const closeRequest = call('tesvik_close_request', null, []);
  const saveScheme = call('tesvik_save_scheme', null, [N]);
  const loadScheme = call('tesvik_load_scheme', null, [N]);
  const exportPicks = call('tesvik_export_picks', null, [N]);
  const toolHelp = call('tesvik_tool_help', null, [N]);
  const checkHistory = call('tesvik_check_history', S, [N, S]);
  const keptCount = call('tesvik_kept_count', N, [N]);
  const text = call('tesvik_text', S, [S, N]);
  const layout = call('tesvik_page_layout', S, [N]);
  const rows = call('tesvik_rows', S, [S, N, N, N]);
  const changes = call('tesvik_changes', S, []);
  return {
    start: () => void start(),
    warmUp: () => void warmUp(),
    stop: () => void stop(),
    ended: () => ended() === 1,
    click: (n, i) => void click(n, i),
    doubleClick: (n, i) => void doubleClick(n, i),
    hover: (n, i) => void hover(n, i),
    setText: (n, i, t) => void setText(n, i, t),
    typeText: (n, i, t) => void typeText(n, i, t),
    selectRow: (n, i, r) => void selectRow(n, i, r),
    chooseRange: (n, i, lo, hi) => void chooseRange(n, i, lo, hi),
    scrollViewer: (v) => void scrollViewer(v),
    readOnly: (n, i) => readOnly(n, i) === 1,
    closeRequest: () => void closeRequest(),
    saveScheme: (mode) => void saveScheme(mode),
    loadScheme: (mode) => void loadScheme(mode),
    exportPicks: (mode) => void exportPicks(mode),
    toolHelp: (tool) => void toolHelp(tool),
    checkHistory: (mode, draws) => {
      const json = checkHistory(mode, draws) as string;
      return json ? (JSON.parse(json) as HistoryReport) : null;
    },
    keptCount: (mode) => keptCount(mode) as number,
    text: (n, i) => text(n, i) as string,
    layout: (page) => JSON.parse(layout(page) as string) as Layout,
    rows: (n, i, first, count) => JSON.parse(rows(n, i, first, count) as string) as string[],
    changes: () => JSON.parse(changes() as string) as Changes,
  };
}

export const key = (name: string, index: number): string => `${name}:${index}`;
