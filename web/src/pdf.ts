// The tiled template as a PDF, written in the browser: the engine lays out
// the pages (tiles, overlap, registration crosses, the 100 mm and 4 in
// rulers, as the desktop prints them); this draws each at true size.
import {
  PDFDocument, StandardFonts, clip, degrees, endPath, popGraphicsState, pushGraphicsState,
  rectangle, rgb, type PDFFont, type PDFPage,
} from 'pdf-lib';

export interface PageText {
  x: number; y: number; text: string; height: number; rotation: number;
  anchor: 'left' | 'centre' | 'right';
  clip?: [number, number, number, number];
}

export interface PageDrawing {
  lines: [number, number, number, number, number, boolean][];
  outlines: { points: [number, number][]; closed: boolean; width: number }[];
  circles: [number, number, number, number][];
  texts: PageText[];
}

export interface Pages {
  width: number; // mm, of the paper as laid out
  height: number;
  pages: PageDrawing[];
}

const pointsPerMm = 72 / 25.4;
// Helvetica's cap height, in units of its size: a text's height is its
// capitals', as on the desktop.
const helveticaCapHeight = 0.718;
const ink = rgb(0, 0, 0);

// The characters the standard font cannot show become '?'.
function showable(text: string, font: PDFFont): string {
  const known = new Set(font.getCharacterSet());
  return Array.from(text, (c) => (known.has(c.codePointAt(0)!) ? c : '?')).join('');
}

function drawPage(page: PDFPage, drawing: PageDrawing, heightMm: number, font: PDFFont): void {
  const x = (mm: number) => mm * pointsPerMm;
  const y = (mm: number) => (heightMm - mm) * pointsPerMm; // PDF's y goes up
  for (const [x1, y1, x2, y2, width, dashed] of drawing.lines)
    page.drawLine({ start: { x: x(x1), y: y(y1) }, end: { x: x(x2), y: y(y2) }, thickness: width * pointsPerMm,
      color: ink, dashArray: dashed ? [3 * pointsPerMm, 2 * pointsPerMm] : undefined });
  for (const outline of drawing.outlines) {
    const points = outline.closed ? [...outline.points, outline.points[0]] : outline.points;
    for (let i = 1; i < points.length; ++i)
      page.drawLine({ start: { x: x(points[i - 1][0]), y: y(points[i - 1][1]) },
        end: { x: x(points[i][0]), y: y(points[i][1]) }, thickness: outline.width * pointsPerMm, color: ink });
  }
  for (const [cx, cy, diameter, width] of drawing.circles)
    page.drawCircle({ x: x(cx), y: y(cy), size: (diameter / 2) * pointsPerMm,
      borderWidth: width * pointsPerMm, borderColor: ink });
  for (const text of drawing.texts) {
    const shown = showable(text.text, font);
    const size = (text.height / helveticaCapHeight) * pointsPerMm;
    const width = font.widthOfTextAtSize(shown, size);
    const shift = text.anchor === 'left' ? 0 : text.anchor === 'centre' ? width / 2 : width;
    const angle = (text.rotation * Math.PI) / 180;
    if (text.clip) {
      const [left, top, right, bottom] = text.clip;
      page.pushOperators(pushGraphicsState(), rectangle(x(left), y(bottom), x(right) - x(left), y(top) - y(bottom)),
        clip(), endPath());
    }
    page.drawText(shown, { x: x(text.x) - shift * Math.cos(angle), y: y(text.y) - shift * Math.sin(angle),
      size, font, color: ink, rotate: degrees(text.rotation) });
    if (text.clip) page.pushOperators(popGraphicsState());
  }
}

export async function pdfBytes(pages: Pages, title: string): Promise<Uint8Array> {
  const pdf = await PDFDocument.create();
  pdf.setTitle(title);
  pdf.setCreator('Corvane');
  const font = await pdf.embedFont(StandardFonts.Helvetica);
  for (const drawing of pages.pages) {
    const page = pdf.addPage([pages.width * pointsPerMm, pages.height * pointsPerMm]);
    drawPage(page, drawing, pages.height, font);
  }
  return pdf.save();
}
