// The page's fonts, which the shared layout is measured in: the desktop's
// WenQuanYi Micro Hei first, then the usual CJK fonts.

const kFamily = '"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Microsoft YaHei", "PingFang SC", sans-serif';
const kFonts = [`11px ${kFamily}`, `10px ${kFamily}`, `bold 11px ${kFamily}`];
export const fontOf = (style: number): string => kFonts[style] ?? `11px ${kFamily}`;

const context = document.createElement('canvas').getContext('2d') as CanvasRenderingContext2D;

export function measureText(text: string, style: number): number {
  context.font = fontOf(style);
  return context.measureText(text).width;
}

export function lineHeight(): number {
  context.font = fontOf(0);
  const m = context.measureText('国Ag');
  return Math.ceil(m.fontBoundingBoxAscent + m.fontBoundingBoxDescent);
}
