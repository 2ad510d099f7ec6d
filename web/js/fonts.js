// Text for the module's painters, measured and drawn by a 2D canvas with the
// fonts served beside the module, so board labels and numbers use the same
// faces as the desktop. Glyph coverage is cached per font and text: a board
// draws the same numbers again and again.
const MoyoFonts = (() => {
  // The painters' faces, small cuts holding what the board writes, under names
  // of their own; the page's text gets the Korean faces in slices by character
  // (MoyoPageSlices, generated with the fonts), and the browser fetches a slice
  // only when text on the page uses a character of its unicode-range.
  // The board's faces come in one download, fonts/board.pack (MoyoBoardFonts
  // says where each lies in it).
  const boardParts = {
    'Liberation Serif': 'LiberationSerif-Regular',
    'Liberation Sans': 'LiberationSans-Regular',
    'DejaVu Sans Condensed': 'DejaVuSansCondensed-Bold',
    'NanumGothic': 'NanumGothic',
    'NanumGothicCoding': 'NanumGothicCoding',
  };
  const pageFamilies = ['NanumGothic', 'NanumGothicCoding'];
  const bold = { 'DejaVu Sans Condensed': true };
  const kBold = 1, kItalic = 2;
  const boardName = (family) => `moyo ${family}`;

  // Boards do not wait for their faces: until the faces are in, text is
  // measured and drawn with the browser's stand-ins, and noted.
  let boardFacesIn = false;
  let drewEarly = false;

  // A slice's runs of characters (each the gap before it and its length, in
  // base 36) as a unicode-range.
  function unicodeRange(runs) {
    const numbers = runs.split(' ').map((n) => parseInt(n, 36));
    const ranges = [];
    for (let i = 0, next = 0; i < numbers.length; i += 2) {
      const first = next + numbers[i];
      next = first + numbers[i + 1];
      ranges.push(`U+${first.toString(16)}-${(next - 1).toString(16)}`);
    }
    return ranges.join(',');
  }

  const pageFaces = [];
  // Every slice of the page faces, loaded; printing measures its text before
  // it is shown, so the glyphs must be in place first.
  function loadPageFaces() {
    return Promise.all(pageFaces.map((face) => face.load()));
  }

  // The bytes of the board's face of a family (a key of boardParts), from the
  // pack fetched once.
  let boardPack = null;
  async function boardFace(base, family) {
    boardPack ??= fetch(`${base}fonts/board.pack`).then((response) => {
      if (!response.ok) throw new Error(`board.pack: ${response.status}`);
      return response.arrayBuffer();
    });
    const [offset, length] = MoyoBoardFonts[boardParts[family]];
    return (await boardPack).slice(offset, offset + length);
  }

  // Registers every face and waits until the board's are in (or failed, when
  // the stand-ins stay); true when a painter used text before that.
  async function load(base) {
    for (const [slice, runs] of Object.entries(MoyoPageSlices)) {
      const range = unicodeRange(runs);
      for (const family of pageFamilies) {
        const face = new FontFace(family, `url(${base}fonts/${family}-${slice}.woff2)`,
                                  { unicodeRange: range });
        document.fonts.add(face);
        pageFaces.push(face);
      }
    }
    await Promise.allSettled(Object.keys(boardParts).map(async (family) => {
      const face = new FontFace(boardName(family), await boardFace(base, family),
                                { weight: bold[family] ? 'bold' : 'normal' });
      document.fonts.add(face);
      return face.load();
    }));
    boardFacesIn = true;
    metrics.clear();
    glyphs.clear();
    return drewEarly;
  }

  function css(family, pixels, style) {
    return `${style & kItalic ? 'italic ' : ''}${style & kBold ? 'bold ' : ''}${pixels}px ` +
           `"${boardName(family)}", "${boardName('NanumGothic')}"`;
  }

  // One scratch canvas, grown as needed and never shrunk: resizing a canvas
  // drops its pixels and its state, and setting a font parses it, so both
  // happen only when they must.
  const scratch = document.createElement('canvas');
  const context = scratch.getContext('2d', { willReadFrequently: true });
  let contextFont = '';
  const metrics = new Map();
  const glyphs = new Map();

  function useFont(font) {
    if (contextFont === font) return;
    context.font = font;
    contextFont = font;
  }

  // Text in font drawn at stretch percent of its natural width, as the
  // desktop's font stretch scales glyphs and advances across.
  function measure(font, stretch, text) {
    const key = `${font}\n${stretch}\n${text}`;
    let m = metrics.get(key);
    if (!m) {
      const scale = stretch / 100;
      useFont(font);
      const t = context.measureText(text);
      const ascent = Math.round(t.fontBoundingBoxAscent);
      m = { width: Math.round(t.width * scale), height: ascent + Math.round(t.fontBoundingBoxDescent),
            ascent, left: Math.ceil(t.actualBoundingBoxLeft * scale),
            right: Math.ceil(t.actualBoundingBoxRight * scale) };
      metrics.set(key, m);
    }
    return m;
  }

  // The coverage (0..255 a pixel) of text in font, with its box.
  function coverage(font, stretch, text) {
    const key = `${font}\n${stretch}\n${text}`;
    let g = glyphs.get(key);
    if (g) return g;
    const m = measure(font, stretch, text);
    const left = Math.max(0, m.left);
    const width = Math.max(1, left + Math.max(m.width, m.right) + 1);
    const height = Math.max(1, m.height);
    if (scratch.width < width || scratch.height < height) {
      scratch.width = Math.max(scratch.width, width);
      scratch.height = Math.max(scratch.height, height);
      contextFont = '';
    }
    context.clearRect(0, 0, width, height);
    useFont(font);
    context.fillStyle = '#fff';
    context.textBaseline = 'alphabetic';
    context.setTransform(stretch / 100, 0, 0, 1, left, 0);
    context.fillText(text, 0, m.ascent);
    context.resetTransform();
    const rgba = context.getImageData(0, 0, width, height).data;
    const alpha = new Uint8Array(width * height);
    for (let i = 0; i < alpha.length; ++i) alpha[i] = rgba[i * 4 + 3];
    g = { alpha, width, height, left };
    glyphs.set(key, g);
    return g;
  }

  // The painters' side of the module's text calls (see JsTextPainter).
  function painterFor(module) {
    return {
      extent(family, pixels, style, stretch, text) {
        drewEarly ||= !boardFacesIn;
        const m = measure(css(family, pixels, style), stretch, text);
        return (Math.min(m.width, 0x7fff) << 16) | Math.min(m.height, 0xffff);
      },
      draw(ptr, width, height, x, y, family, pixels, style, stretch, text, rgb) {
        drewEarly ||= !boardFacesIn;
        const g = coverage(css(family, pixels, style), stretch, text);
        const heap = module.HEAPU8;
        const ink = [(rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255];
        for (let row = 0; row < g.height; ++row) {
          const py = y + row;
          if (py < 0 || py >= height) continue;
          for (let col = 0; col < g.width; ++col) {
            const px = x - g.left + col;
            const a = g.alpha[row * g.width + col];
            if (a === 0 || px < 0 || px >= width) continue;
            const at = ptr + (py * width + px) * 4;
            for (let c = 0; c < 3; ++c) {
              heap[at + c] = (ink[c] * a + heap[at + c] * (255 - a) + 127) / 255;
            }
          }
        }
      },
    };
  }

  return { load, loadPageFaces, boardFace, painterFor };
})();
