// A printed page of the page against `moyoscope print`: the same diagram
// printer lays both out in 600-dpi dots, so away from text every rule, grid
// line and fill is the same pixel. Stone and disc outlines are ellipses that
// the two rasterisers (Qt's on the desktop, Skia's here) round differently
// at their rim, so pixels within one dot of an ellipse's edge may differ.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { program, root, samplesPage } from './harness.mjs';
import { openDemo, storedOptions } from './print-support.mjs';

let scene, folder, page;

before(async () => {
  scene = await samplesPage('print-pixels');
  ({ folder, page } = scene);
});

after(async () => {
  await scene?.close();
});

// Page 1 of `moyoscope print` with args, at 600 dpi, as a PNG data address.
function desktopPage(args) {
  execFileSync(program, ['print', join(root, 'samples', 'selfplay-commented-ko-fight.gib'), ...args,
                         '-o', join(folder, 'desktop-%d.png')],
               { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen', XDG_CONFIG_HOME: folder },
                 stdio: 'ignore' });
  return `data:image/png;base64,${readFileSync(join(folder, 'desktop-1.png')).toString('base64')}`;
}

// Page 1 of the page's print with the stored options, as SVG markup.
async function webPage(options) {
  await openDemo(page, scene.origin, storedOptions(options));
  await page.evaluate(() => {
    window.print = () => {
      window.printed = new XMLSerializer().serializeToString(document.querySelector('.moyo-print-page svg'));
    };
    window.opened = MoyoPrint.open(document.getElementById('commented'));
  });
  await page.locator('.moyo-print-dialog button').first().click();
  await page.evaluate(() => window.opened);
  return page.evaluate(() => window.printed);
}

// Draws both pages at one dot a pixel and sorts the pixels that differ: in a
// text's box, at an ellipse's rim, or elsewhere.
function compare(markup, desktop) {
  return page.evaluate(async ([markup, desktop]) => {
    const svg = new DOMParser().parseFromString(markup, 'image/svg+xml').documentElement;
    const [, , width, height] = svg.getAttribute('viewBox').split(' ').map(Number);
    // Texts' boxes from the page's own layout of the SVG, at one dot a pixel.
    svg.setAttribute('width', width);
    svg.setAttribute('height', height);
    const holder = document.createElement('div');
    holder.style.cssText = 'position:absolute;left:0;top:0;visibility:hidden';
    holder.appendChild(document.importNode(svg, true));
    document.body.appendChild(holder);
    const origin = holder.firstChild.getBoundingClientRect();
    const margin = 4;
    const boxes = [...holder.querySelectorAll('text')].map((t) => {
      const b = t.getBoundingClientRect();
      return [b.left - origin.left - margin, b.top - origin.top - margin,
              b.right - origin.left + margin, b.bottom - origin.top + margin];
    });
    holder.remove();
    const rims = [...svg.querySelectorAll('ellipse')].map((e) => {
      const [cx, cy, r] = ['cx', 'cy', 'rx'].map((a) => Number(e.getAttribute(a)));
      const w = Number(e.getAttribute('stroke-width') || 0);
      return { cx, cy, radii: w ? [r - w / 2, r + w / 2] : [r] };
    });
    // The shapes alone, unsmoothed as the desktop's printer draws them.
    svg.querySelectorAll('text').forEach((t) => t.remove());
    svg.querySelector('style').textContent += '*{shape-rendering:crispEdges}';
    const draw = async (url) => {
      const image = new Image();
      image.src = url;
      await image.decode();
      const canvas = document.createElement('canvas');
      canvas.width = width;
      canvas.height = height;
      const context = canvas.getContext('2d', { willReadFrequently: true });
      context.drawImage(image, 0, 0, width, height);
      return context;
    };
    const svgUrl = URL.createObjectURL(new Blob([new XMLSerializer().serializeToString(svg)],
                                                { type: 'image/svg+xml' }));
    const web = await draw(svgUrl);
    const desk = await draw(desktop);
    const counts = { same: 0, text: 0, rim: 0, elsewhere: 0 };
    let first = null;
    const band = 256;
    for (let top = 0; top < height; top += band) {
      const rows = Math.min(band, height - top);
      const a = web.getImageData(0, top, width, rows).data;
      const b = desk.getImageData(0, top, width, rows).data;
      for (let i = 0; i < a.length; i += 4) {
        if (a[i] === b[i] && a[i + 1] === b[i + 1] && a[i + 2] === b[i + 2]) { ++counts.same; continue; }
        const x = (i / 4) % width + 0.5, y = top + Math.floor(i / 4 / width) + 0.5;
        if (boxes.some(([l, t, r, bt]) => x >= l && x < r && y >= t && y < bt)) { ++counts.text; continue; }
        if (rims.some((e) => e.radii.some((r) => Math.abs(Math.hypot(x - e.cx, y - e.cy) - r) <= 1))) {
          ++counts.rim;
          continue;
        }
        ++counts.elsewhere;
        first ??= [x - 0.5, y - 0.5];
      }
    }
    return { size: [width, height, desk.canvas.width], counts, first, rims: rims.length };
  }, [markup, desktop]);
}

test('a page of partial diagrams is the desktop page away from text and ellipse rims', async (t) => {
  const desktop = desktopPage(['--method', 'split', '--split', '50', '--per-page', '4']);
  const web = await webPage({ method: '3', splitno: '50', perpage: '2' });
  const result = await compare(web, desktop);
  t.diagnostic(JSON.stringify(result.counts));
  assert.equal(result.counts.elsewhere, 0, `first at ${result.first}`);
});

test('so is a whole-game page with its header, at a grid and margins of its own', async (t) => {
  const desktop = desktopPage(['--method', 'whole', '--grid', '170', '--tmargin', '350',
                               '--lmargin', '300']);
  const web = await webPage({ method: '1', gogrid: '170', tmargin: '350', lmargin: '300' });
  const result = await compare(web, desktop);
  t.diagnostic(JSON.stringify(result.counts));
  assert.equal(result.counts.elsewhere, 0, `first at ${result.first}`);
});
