// What the print tests and figures share: the demo page opened with chosen
// print options in localStorage, under the desktop's key, section and value names.
export const optionName = (name) => `Software\\NetMoyoscope\\Print Option Info\\${name}`;
export const versionName = 'Software\\NetMoyoscope\\Version Info\\version';

// The stored items of these options (by value name) under the current version.
export function storedOptions(options) {
  const stored = { [versionName]: '0408A' };
  for (const [name, value] of Object.entries(options)) stored[optionName(name)] = value;
  return stored;
}

// Opens the demo page of origin with localStorage holding exactly stored, once
// both its records are shown.
export async function openDemo(page, origin, stored = {}) {
  await page.goto(`${origin}/moyoscope/web/`);
  await page.evaluate((stored) => {
    localStorage.clear();
    for (const [name, value] of Object.entries(stored)) localStorage.setItem(name, value);
  }, stored);
  await page.reload();
  await page.waitForFunction(() => [...document.querySelectorAll('moyo-scope')]
    .every((e) => e.lastMove > 0));
}
