// What every browser test needs: `moyoscope serve` on 127.0.0.1 with an
// ephemeral port, and Debian's chromium driven by playwright-core (never a
// downloaded browser), each started fresh and stopped afterwards.
import { execFileSync, spawn } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { chromium } from 'playwright-core';

export const root = resolve(import.meta.dirname, '../..');
export const build = resolve(root, process.env.MOYO_BUILD || 'build');
export const program = join(build, 'app/moyoscope');
export const bundle = resolve(root, process.env.MOYO_WEB_BUILD || 'build-web', 'bundle');

// Serves folder (and the bundle of web); resolves to { origin, stop }.
export function serve(folder, web = bundle) {
  const child = spawn(program, ['serve', folder, '--port', '0', '--web', web],
                      { stdio: ['ignore', 'pipe', 'pipe'] });
  child.stderr.resume();
  return new Promise((done, fail) => {
    let text = '';
    child.on('error', fail);
    child.on('exit', (code) => fail(new Error(`moyoscope serve ended with ${code}`)));
    child.stdout.on('data', (chunk) => {
      text += chunk;
      const match = /on (http:\/\/127\.0\.0\.1:\d+)\n/.exec(text);
      if (!match) return;
      child.removeAllListeners('exit');
      done({
        origin: match[1],
        stop: () => new Promise((ended) => {
          child.once('exit', ended);
          child.kill('SIGTERM');
        }),
      });
    });
  });
}

// A headless chromium with a fresh profile of its own (playwright passes it as
// --user-data-dir); close() also removes the profile.
export async function browser() {
  const profile = mkdtempSync(join(tmpdir(), 'moyo-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
           '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  return {
    context,
    close: async () => {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// The demo page served from a scratch copy of samples/ with `files` added
// (name: text) in a fresh chromium, where any script error of the page fails
// the test; resolves to { folder, origin, page, close }.
export async function samplesPage(name, files = {}) {
  const folder = mkdtempSync(join(tmpdir(), `moyo-${name}-`));
  cpSync(join(root, 'samples'), folder, { recursive: true });
  for (const [file, text] of Object.entries(files)) writeFileSync(join(folder, file), text);
  const server = await serve(folder);
  const chromium = await browser();
  const page = await chromium.context.newPage();
  page.on('pageerror', (error) => { throw error; });
  await page.goto(`${server.origin}/moyoscope/web/`);
  return {
    folder,
    origin: server.origin,
    page,
    close: async () => {
      await chromium.close();
      await server.stop();
      rmSync(folder, { recursive: true, force: true });
    },
  };
}

// `moyoscope render` of samples/sample after move at cell pixels a point, with
// more of render's options, written into folder; a PNG data address.
export function renderSample(folder, sample, move, cell, options = []) {
  const out = join(folder, `${sample}-${move}-${cell}${options.join('')}.png`);
  execFileSync(program, ['render', join(root, 'samples', sample), '--move', String(move),
                         '--cell', String(cell), ...options, '-o', out],
               { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: 'ignore' });
  return `data:image/png;base64,${readFileSync(out).toString('base64')}`;
}

// What has the keyboard, looked for inside shadow trees: the focused node's
// name, id, class, text or tag, the first it has.
export function focused(page) {
  return page.evaluate(() => {
    let node = document.activeElement;
    while (node?.shadowRoot?.activeElement) node = node.shadowRoot.activeElement;
    return node && (node.name || node.id || node.className || node.textContent || node.localName);
  });
}
