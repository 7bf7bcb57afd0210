// Front six with every condition set, for the page's timings: both pasted
// lists hold all 151,200 picks, the group boxes thousands of groups, and
// the buttons and tolerances of the benchmarks' worst case. Deterministic;
// `steps` are the same settings as batch lines.

// Every ordered pick of six numbers of 1..10, one pick line per line.
function allPicks() {
  const lines = [];
  const pick = [];
  const used = new Array(11).fill(false);
  const walk = () => {
    if (pick.length === 6) {
      lines.push(pick.map((n) => String(n).padStart(2, '0')).join(' '));
      return;
    }
    for (let n = 1; n <= 10; ++n) {
      if (used[n]) continue;
      used[n] = true;
      pick.push(n);
      walk();
      pick.pop();
      used[n] = false;
    }
  };
  walk();
  return lines.join('\r\n');
}

// `count` items of `size` characters from `alphabet`, blank-separated.
function items(next, count, size, alphabet) {
  const out = [];
  for (let i = 0; i < count; ++i) {
    let item = '';
    for (let k = 0; k < size; ++k) item += alphabet[next() % alphabet.length];
    out.push(item);
  }
  return out.join(' ');
}

export function worstFrontSix() {
  let seed = 6;
  const next = () => ((seed = (seed * 1103515245 + 12345) % 2147483648), seed >>> 8);
  const picks = allPicks();
  const boxes = [];
  for (let k = 1; k <= 4; ++k) boxes.push([k, items(next, 3000, k + 1, '0123456789')]);
  boxes.push([5, items(next, 3000, 6, '0123456789***')]);
  for (let k = 7; k <= 9; ++k) boxes.push([k, items(next, 1000, 6, '01')]);
  boxes.push([10, items(next, 1000, 6, '012')]);
  const clicks = [3, 7, 12, 14, 18, 25, 33, 41, 52, 63, 74, 85, 96, 101, 102, 115, 127, 139, 143, 158, 162, 171, 176, 185, 190, 199, 210,
    216, 221, 224, 225, 231, 233, 235, 237, 239];
  const ranges = [...Array.from({ length: 10 }, (_, i) => [i + 1, '0', '6']), [0, '0', '3']];
  const steps = [
    'click C_ding 3',
    `clipboard ${JSON.stringify(picks)}`,
    'click C_q6_gn 10',
    'click C_q6_gn 11',
    ...boxes.map(([k, text]) => `set T_q6 ${k} ${JSON.stringify(text)}`),
    ...clicks.map((i) => `click C_q6 ${i}`),
    ...ranges.map(([i, lo, hi]) => `range ${i} ${lo} ${hi}`),
  ];
  return { picks, boxes, clicks, ranges, steps };
}
