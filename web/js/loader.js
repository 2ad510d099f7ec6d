// Loads the module, the fonts and the board pictures once for every element
// on the page, from the folder this script was loaded from.
const MoyoLoader = (() => {
  const script = document.currentScript;
  const base = script ? script.src.replace(/[^/]*$/, '') : './';
  let ready = null;
  const pictures = new Map();  // name -> Promise, each picture fetched once

  async function decode(url) {
    const response = await fetch(url);
    if (!response.ok) throw new Error(`${url}: ${response.status}`);
    // No colour management and no premultiplication: the painter combines
    // these bytes bit by bit, as the desktop does.
    const bitmap = await createImageBitmap(await response.blob(),
                                           { premultiplyAlpha: 'none',
                                             colorSpaceConversion: 'none' });
    const canvas = document.createElement('canvas');
    canvas.width = bitmap.width;
    canvas.height = bitmap.height;
    const context = canvas.getContext('2d', { willReadFrequently: true });
    context.drawImage(bitmap, 0, 0);
    return context.getImageData(0, 0, bitmap.width, bitmap.height);
  }

  function picture(module, name) {
    if (!pictures.has(name)) {
      pictures.set(name, decode(`${base}artwork/${name}.png`).then((image) => {
        const bytes = image.data.length;
        const ptr = module._malloc(bytes);
        module.HEAPU8.set(image.data, ptr);
        const namePtr = withString(module, name);
        module._moyo_artwork_add(namePtr, image.width, image.height, ptr);
        module._free(namePtr);
        module._free(ptr);
      }));
    }
    return pictures.get(name);
  }

  // A NUL-terminated UTF-8 copy of text in the module's memory; the caller frees it.
  function withString(module, text) {
    const length = module.lengthBytesUTF8(text) + 1;
    const ptr = module._malloc(length);
    module.stringToUTF8(text, ptr, length);
    return ptr;
  }

  // The module with the fonts and the board's wood and edges in place.
  function module() {
    if (!ready) {
      ready = (async () => {
        // The module's text calls reach moyoText on the object it is created with.
        const settings = {};
        settings.moyoText = MoyoFonts.painterFor(settings);
        const fonts = MoyoFonts.load(base);
        const instance = await createMoyoscopeModule(settings);
        await Promise.all([fonts, ...['baseb', 'bedge', 'gedge'].map((n) => picture(instance, n))]);
        return instance;
      })();
    }
    return ready;
  }

  // The four stone pictures of a cell size (10 to 59 pixels; others draw circles).
  function stones(instance, cell) {
    if (cell < 10 || cell > 59) return Promise.resolve();
    return Promise.all(['bs', 'ws', 'bm', 'wm'].map((k) => picture(instance, k + cell)));
  }

  return { module, stones, withString, base };
})();
