// Printing from the page: window.MoyoPrint.open(element) runs the print
// options dialog on the record and position the element shows, and on OK
// lays the pages out with the desktop's diagram printer (in the module, as
// SVG) into a print view of one page a sheet, handed to window.print().
// Resolves to the number of pages printed (0 when cancelled or refused).
const MoyoPrint = (() => {
  // The faces the printed pages ask for, each falling back on NanumGothic for
  // Korean text as the desktop's do. The Latin faces reuse the board's cuts.
  const latinFamilies = ['Liberation Serif', 'Liberation Sans'];
  const kBold = 1, kItalic = 2;
  let fonts = null;

  function css(family, pixels, style) {
    return `${style & kItalic ? 'italic ' : ''}${style & kBold ? 'bold ' : ''}${pixels}px ` +
           `'${family}', NanumGothic`;
  }

  // Registers the Latin faces under their own names and waits for every face
  // the pages use, so measuring and drawing see the same glyphs.
  function fontsReady() {
    if (!fonts) {
      const base = MoyoLoader.base;
      const latin = latinFamilies.map(async (family) => {
        const face = new FontFace(family, await MoyoFonts.boardFace(base, family));
        document.fonts.add(face);
        return face.load();
      });
      // Move numbers are bold digits, drawn in the face's own bold cut.
      document.fonts.add(new FontFace('NanumGothicCoding',
                                      `url(${base}fonts/NanumGothicCoding-Bold-digits.woff2)`,
                                      { weight: 'bold', unicodeRange: 'U+30-39' }));
      // Every slice of the Korean faces: a page's texts are measured before
      // they are shown, when no slice they need would have been fetched yet.
      fonts = Promise.all([...latin, document.fonts.load("bold 12px 'NanumGothicCoding'", '0'),
                           MoyoFonts.loadPageFaces()]);
    }
    return fonts;
  }

  const scratch = document.createElement('canvas').getContext('2d');
  const extents = new Map();  // a page measures the same numbers again and again
  // The module's text measure (PrintBindings): width and height packed in one number.
  const text = {
    extent(family, pixels, style, utf8) {
      const font = css(family, pixels, style);
      const key = `${font}\n${utf8}`;
      let packed = extents.get(key);
      if (packed === undefined) {
        scratch.font = font;
        const m = scratch.measureText(utf8);
        const height = Math.round(m.fontBoundingBoxAscent) + Math.round(m.fontBoundingBoxDescent);
        packed = (Math.min(Math.round(m.width), 0x7fff) << 16) | Math.min(height, 0xffff);
        extents.set(key, packed);
      }
      return packed;
    },
  };

  // The sheets are A4 without the browser's margins: the pages bring their own.
  const style = `
    .moyo-print-view { display: none; }
    @media print {
      @page { size: A4; margin: 0; }
      html, body { margin: 0 !important; padding: 0 !important; }
      body > :not(.moyo-print-view) { display: none !important; }
      .moyo-print-view { display: block; }
      .moyo-print-page { width: 210mm; height: 297mm; overflow: hidden; break-after: page; }
      .moyo-print-page:last-child { break-after: auto; }
      .moyo-print-page svg { display: block; width: 100%; height: 100%; }
    }`;

  // Replaces the print view with the pages (SVG markup).
  function showPages(pages) {
    document.querySelector('.moyo-print-view')?.remove();
    if (!document.getElementById('moyo-print-style')) {
      const sheet = document.createElement('style');
      sheet.id = 'moyo-print-style';
      sheet.textContent = style;
      document.head.appendChild(sheet);
    }
    // The module escaped every text in the markup: record texts stay text.
    const view = document.createElement('div');
    view.className = 'moyo-print-view';
    view.innerHTML = pages.map((svg) => `<div class="moyo-print-page">${svg}</div>`).join('');
    document.body.appendChild(view);
    return view;
  }

  async function open(element) {
    const module = await MoyoLoader.module();
    await element.ready;
    // The record and position the element shows, by its viewer's handle.
    const viewer = element.viewerHandle;
    if (!viewer) return 0;
    module.moyoPrintText = text;
    if (!module._moyo_print_open(viewer)) {
      await MoyoPrintDialog.notice(module, 30, element);
      return 0;
    }
    try {
      await fontsReady();
      const fields = await MoyoPrintDialog.run(module, element);
      if (fields === null) return 0;
      const ptr = MoyoLoader.withString(module, fields);
      const count = module._moyo_print_ok(ptr);
      module._free(ptr);
      const pages = [];
      for (let i = 0; i < count; ++i) pages.push(module.UTF8ToString(module._moyo_print_page(i)));
      if (pages.length === 0) return 0;
      const view = showPages(pages);
      window.addEventListener('afterprint', () => view.remove(), { once: true });
      // The print job's title, as the desktop names its jobs.
      const title = document.title;
      document.title = 'Zel Gibo';
      try {
        window.print();
      } finally {
        document.title = title;
      }
      return pages.length;
    } finally {
      module._moyo_print_close();
    }
  }

  return { open };
})();
window.MoyoPrint = MoyoPrint;
