// Loads the module, the fonts and the board pictures once for every element
// on the page, from the folder this script was loaded from. Downloads start
// at once and run side by side; only handing a picture to the module waits
// for the module.
const MoyoLoader = (() => {
  const script = document.currentScript;
  const base = script ? script.src.replace(/[^/]*$/, '') : './';
  let ready = null;
  const downloaded = new Map();  // pack -> Promise of Map(name -> { width, height, data })
  const added = new Map();       // pack -> Promise, each pack handed over once

  // A pack of raw board pictures, one after another as the generator wrote
  // them: width and height (32-bit, little-endian), then the PNG's own RGBA
  // pixels, with no colour management and no premultiplication, as the
  // painter combines them bit by bit. names says what the pack holds, in order.
  async function download(url, names) {
    const response = await fetch(url);
    if (!response.ok) throw new Error(`${url}: ${response.status}`);
    const bytes = await response.arrayBuffer();
    const pictures = new Map();
    let at = 0;
    for (const name of names) {
      const header = new DataView(bytes, at, Math.min(bytes.byteLength - at, 8));
      const [width, height] = header.byteLength === 8
        ? [header.getUint32(0, true), header.getUint32(4, true)] : [0, 0];
      const length = width * height * 4;
      if (header.byteLength < 8 || bytes.byteLength - at - 8 < length) break;
      pictures.set(name, { width, height, data: new Uint8Array(bytes, at + 8, length) });
      at += 8 + length;
    }
    if (pictures.size !== names.length || at !== bytes.byteLength) {
      throw new Error(`${url}: not the pictures ${names.join(', ')}`);
    }
    return pictures;
  }

  function fetchPack([pack, names]) {
    if (!downloaded.has(pack)) downloaded.set(pack, download(`${base}artwork/${pack}.pack`, names));
    return downloaded.get(pack);
  }

  function addPack(module, pack) {
    if (!added.has(pack[0])) {
      added.set(pack[0], fetchPack(pack).then((pictures) => pictures.forEach((image, name) => {
        const ptr = module._malloc(image.data.length);
        module.HEAPU8.set(image.data, ptr);
        const namePtr = withString(module, name);
        module._moyo_artwork_add(namePtr, image.width, image.height, ptr);
        module._free(namePtr);
        module._free(ptr);
      })));
    }
    return added.get(pack[0]);
  }

  // The form's pictures, downloaded together in one pack (MoyoFormPictures
  // says where each lies), each then an address of its own for the form's styles.
  let formPack = null;
  function formPictures() {
    formPack ??= fetch(`${base}artwork/form.pack`).then(async (response) => {
      if (!response.ok) throw new Error(`form.pack: ${response.status}`);
      const bytes = await response.arrayBuffer();
      return new Map(Object.entries(MoyoFormPictures).map(([name, [offset, length]]) => {
        const png = new Blob([new Uint8Array(bytes, offset, length)], { type: 'image/png' });
        return [name, URL.createObjectURL(png)];
      }));
    });
    return formPack;
  }

  // A NUL-terminated UTF-8 copy of text in the module's memory; the caller frees it.
  function withString(module, text) {
    const length = module.lengthBytesUTF8(text) + 1;
    const ptr = module._malloc(length);
    module.stringToUTF8(text, ptr, length);
    return ptr;
  }

  // The packs of pictures a board of that cell size needs, each its name and
  // what it holds: the wood and edges, and for 10 to 59 pixels the four stone
  // pictures (other sizes draw circles).
  function boardPacks(cell) {
    const packs = [['board', ['baseb', 'bedge', 'gedge']]];
    if (cell >= 10 && cell <= 59) packs.push([`stones${cell}`, ['bs', 'ws', 'bm', 'wm'].map((k) => k + cell)]);
    return packs;
  }

  let instantiated = null;
  let fonts = null;
  // The module as soon as it runs, before the board's fonts are in.
  function runtime() {
    if (!instantiated) {
      // The module's text calls reach moyoText on the object it is created with.
      const settings = { moyoForms: new Map(), moyoTimers: timers() };
      settings.moyoText = MoyoFonts.painterFor(settings);
      fonts = MoyoFonts.load(base);
      instantiated = createMoyoscopeModule(settings).then((instance) => {
        loaded = instance;
        return instance;
      });
      // Boards that wrote text before their faces came are drawn again with
      // them once the page is idle: a record being entered comes first.
      Promise.all([instantiated, fonts]).then(([instance, drewEarly]) => {
        if (!drewEarly) return;
        const whenIdle = window.requestIdleCallback ?? ((task) => setTimeout(task, 50));
        whenIdle(() => instance.moyoForms.forEach((form) => form.refitText()), { timeout: 500 });
      });
    }
    return instantiated;
  }

  // The module with the board's fonts in place: for what is drawn once, as a
  // printed page, rather than drawn again when the fonts come.
  function module() {
    if (!ready) ready = runtime().then(async (instance) => { await fonts; return instance; });
    return ready;
  }

  // The page timers of the viewers (setInterval), by the module's timer id; a
  // tick runs the timer in the module and shows its form's board.
  function timers() {
    const running = new Map();
    return {
      set(id, form, milliseconds) {
        clearInterval(running.get(id));
        running.delete(id);
        if (milliseconds <= 0) return;
        running.set(id, setInterval(() => {
          const target = instance(form);
          if (!target) return;
          target.module._moyo_timer_tick(id);
          target.present();
        }, milliseconds));
      },
    };
  }

  let loaded = null;
  function instance(form) {
    return loaded ? loaded.moyoForms.get(form) : null;
  }

  // The stone sound on Web Audio, decoded from the module's wave once; a page
  // that may not play sound yet (no user gesture) plays nothing.
  let audio = null;
  let stone = null;
  function playStone(module) {
    try {
      if (!audio) {
        audio = new AudioContext();
        const length = module._malloc(4);
        const ptr = module._moyo_stone_sound(length);
        const wave = module.HEAPU8.slice(ptr, ptr + module.HEAP32[length >> 2]);
        module._free(length);
        stone = audio.decodeAudioData(wave.buffer);
      }
      if (audio.state === 'suspended') audio.resume().catch(() => {});
      stone.then((buffer) => {
        const source = audio.createBufferSource();
        source.buffer = buffer;
        source.connect(audio.destination);
        source.start();
      }).catch(() => {});
    } catch {
      // No audio in this page.
    }
  }

  // Starts downloading what a board of that cell size needs.
  function prefetch(cell) {
    module();
    boardPacks(cell).forEach(fetchPack);
    formPictures();
  }

  // Resolves once the module holds every picture of a board of that cell size.
  function pictures(instance, cell) {
    return Promise.all(boardPacks(cell).map((pack) => addPack(instance, pack)));
  }

  return { runtime, module, prefetch, pictures, formPictures, playStone, withString, base };
})();
