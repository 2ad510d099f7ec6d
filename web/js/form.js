// The viewer form inside one element: the desktop form's components at the
// positions of the module's layout table, with the generated artwork on the
// buttons, forwarding every click, key and edit to the viewer session in the
// module and showing what the session reports (the module calls the methods
// under "What the session shows" through Module.moyoForms). Record texts
// always go in as text, never as markup.
class MoyoForm {
  constructor(module, root, element) {
    this.module = module;
    this.element = element;
    this.id = MoyoForm.nextId++;
    this.out = module._malloc(64);
    this.layout = MoyoForm.layoutOf(module);
    this.root = root;
    this.c = {};
    this.notices = [];
    this.newsPanel = 'hidden';
    this.guessingHidden = false;
    module.moyoForms.set(this.id, this);
    this.build();
    this.handle = module._moyo_form_new(this.id);
  }

  static layoutOf(module) {
    if (!module.moyoLayout) module.moyoLayout = JSON.parse(module.UTF8ToString(module._moyo_layout()));
    return module.moyoLayout;
  }

  // ---- Building ----

  build() {
    const L = this.layout;
    const B = L.boxes;
    const c = this.c;
    const form = this.div(this.root, 'form', null);
    c.form = form;

    c.rightP = this.div(form, 'panel colour', null, 'rightP');
    c.rightTopP = this.div(c.rightP, 'panel colour', null, 'rightTopP');
    c.matchNameL = this.label(c.rightTopP, B.matchNameL, 'matchNameL centre');
    c.PlayerPanel = this.picture(c.rightTopP, B.PlayerPanel, 'playerstrip', 'PlayerPanel');
    const row = (box, top) => [box[0], top, box[2], box[3]];
    for (const [side, top] of [['b', L.blackRowTop], ['w', L.whiteRowTop]]) {
      const upper = side.toUpperCase();
      c[`${side}PlayerL`] = this.label(c.rightTopP, row(B.PlayerL, top), `${side}PlayerL player`);
      c[`${upper}GlvlL`] = this.label(c.rightTopP, row(B.RankL, top), `${upper}GlvlL player right`);
    }
    c.wDiedSL = this.label(c.rightTopP, row(B.DiedSL, L.blackRowTop), 'wDiedSL player right');
    c.bDiedSL = this.label(c.rightTopP, row(B.DiedSL, L.whiteRowTop), 'bDiedSL player right');
    c.Bevel1 = this.div(c.rightTopP, 'bevel', B.Bevel1);
    c.eventNameL = this.label(c.rightTopP, B.eventNameL, 'eventNameL centre bold');
    for (let i = 1; i <= 6; ++i) {
      c[`infoLines${i}`] = this.label(c.rightTopP, row(B.infoLine, B.infoLine[1] + L.infoLineStep * i),
                                      `infoLines${i} gulim`);
    }
    c.Bevel2 = this.div(c.rightTopP, 'bevel', B.Bevel2);

    c.Panel1 = this.div(c.rightP, 'panel colour', null, 'Panel1');
    c.commentP = this.div(c.Panel1, 'panel colour', null, 'commentP');
    c.Label1 = this.label(c.commentP, B.Label1, 'Label1');
    c.commentM = this.div(c.commentP, 'memo', B.commentM, 'commentM');
    c.NewsP = this.div(c.Panel1, 'panel colour', null, 'NewsP');
    c.NewsL = this.label(c.NewsP, B.NewsL, 'NewsL link-cursor');
    c.newsBtn = this.button(c.NewsP, B.newsBtn, 'newsdown', 'newsBtn', () => this.run('newsFold'));
    c.WebNews = null;

    c.movesP = this.div(c.rightP, 'panel colour', null, 'movesP');
    c.autoBtn = this.button(c.movesP, B.autoBtn, 'auto', 'autoBtn', () => this.run('autoStart', this.seconds()));
    c.autoEndBtn = this.button(c.movesP, B.autoBtn, 'autoend', 'autoEndBtn', () => this.run('autoStop'));
    c.autoEndBtn.hidden = true;
    c.secondSE = this.input(c.movesP, B.secondSE, 'secondSE', 'number');
    c.secondSE.min = 1;
    c.secondSE.max = 100;
    c.secondSE.value = 1;
    c.secondSE.addEventListener('change', () => this.run('pace', this.seconds()));
    c.moveBtn = this.button(c.movesP, B.moveBtn, 'movebtn', 'moveBtn', () => this.jump());
    c.moveEd = this.input(c.movesP, B.moveEd, 'moveEd', 'text');
    c.moveEd.maxLength = 3;
    c.moveEd.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter') return;
      // Taken here, the key does not go on to press the notice's button.
      event.preventDefault();
      this.jump();
    });
    c.Bevel3 = this.div(c.movesP, 'bevel', B.Bevel3);
    c.Label2 = this.label(c.movesP, B.Label2, 'Label2 gulim');
    c.giboBtn = this.button(c.movesP, B.giboBtn, null, 'giboBtn mode', () => this.chooseMode(0));
    c.BBtn = this.button(c.movesP, B.BBtn, 'bbtn', 'BBtn mode', () => this.chooseMode(1));
    c.WBtn = this.button(c.movesP, B.WBtn, 'wbtn', 'WBtn mode', () => this.chooseMode(2));
    c.BWBtn = this.button(c.movesP, B.BWBtn, 'bwbtn', 'BWBtn mode', () => this.chooseMode(3));
    c.BBtn.title = '흑으로맞추기';
    c.WBtn.title = '백으로맞추기';
    c.BWBtn.title = '흑백교대로맞추기';
    c.StatusL = this.label(c.movesP, B.StatusL, 'StatusL centre gulim bold');
    c.Bevel4 = this.div(c.movesP, 'bevel', B.Bevel4);
    c.HintBtn = this.button(c.movesP, B.HintBtn, 'hintbtn', 'HintBtn', () => this.run('hints', 1));
    c.HintXBtn = this.button(c.movesP, B.HintBtn, 'hintxbtn', 'HintXBtn', () => this.run('hints', 0));
    c.HintXBtn.hidden = true;

    c.leftP = this.div(form, 'panel', null, 'leftP');
    c.topP = this.div(c.leftP, 'panel colour', null, 'topP');
    c.Image1 = this.picture(c.topP, B.Image1, 'title', 'Image1');
    c.sideP = this.div(c.leftP, 'panel colour', null, 'sideP');
    c.buttonP = this.div(c.leftP, 'panel colour', null, 'buttonP');
    c.functionP = this.div(c.buttonP, 'panel', null, 'functionP');
    this.showPicture(c.functionP, 'wallpaper');
    const word = B.WordButton;
    c.testBtn = this.button(c.functionP, word, 'test', 'testBtn', () => this.run('trial', 1));
    c.testEndBtn = this.button(c.functionP, word, 'testend', 'testEndBtn', () => this.run('trial', 0));
    c.numBtn = this.button(c.functionP, word, 'order', 'numBtn', () => this.run('numbers', 1));
    c.numEndBtn = this.button(c.functionP, word, 'orderend', 'numEndBtn', () => this.run('numbers', 0));
    c.printBtn = this.button(c.functionP, word, 'printbtn', 'printBtn', () => this.print());
    c.testEndBtn.hidden = true;
    c.numEndBtn.hidden = true;
    c.navButtons = [];
    for (let k = 0; k < 6; ++k) {
      const width = k === 0 || k === 5 ? L.navOuterWidth : L.navInnerWidth;
      c.navButtons.push(this.button(c.functionP, [0, L.navTop, width, L.navHeight], `arrow${k + 1}`,
                                    `navButton${k}`, () => this.run('navigate', k)));
    }
    c.panP = this.div(c.leftP, 'panel panP', null, 'panP');
    c.MainGoPB = document.createElement('canvas');
    c.MainGoPB.className = 'board MainGoPB';
    c.panP.appendChild(c.MainGoPB);
    this.context = c.MainGoPB.getContext('2d');

    // Captions of ActiveFormCreate.
    const heading = (id) => `${this.message(13)}  ${this.message(id)}`;
    c.Label1.textContent = heading(67);
    c.Label2.textContent = heading(68);
    c.StatusL.textContent = this.message(31);
    c.giboBtn.textContent = this.message(31);
    c.NewsL.textContent = heading(69);
    c.giboBtn.classList.add('down');

    this.connectBoard();
    this.placeNavButtons(L.navSpreadAtCreation);
  }

  div(parent, className, box, name) {
    const element = document.createElement('div');
    element.className = name ? `${className} ${name}` : className;
    if (box) this.place(element, box);
    parent.appendChild(element);
    return element;
  }

  label(parent, box, className) {
    return this.div(parent, `label ${className}`, box);
  }

  picture(parent, box, name, className) {
    const element = this.div(parent, `picture ${className}`, box);
    this.showPicture(element, name);
    return element;
  }

  // The form's picture `name` as the element's background, once the pictures are in.
  showPicture(element, name) {
    MoyoLoader.formPictures().then((addresses) => {
      element.style.backgroundImage = `url(${addresses.get(name)})`;
    }, () => {});
  }

  input(parent, box, className, type) {
    const element = document.createElement('input');
    element.type = type;
    element.className = className;
    this.place(element, box);
    parent.appendChild(element);
    return element;
  }

  // A button whose face is a strip of four frames (up, disabled, highlighted,
  // down), the frame centred in the button; without a face, a bevelled caption.
  button(parent, box, face, className, click) {
    const element = document.createElement('button');
    element.type = 'button';
    element.className = `button ${className}`;
    this.place(element, box);
    if (face) {
      element.classList.add('faced');
      this.setFace(element, face);
    }
    element.addEventListener('click', click);
    parent.appendChild(element);
    return element;
  }

  setFace(element, face) {
    this.showPicture(element, face);
    const [, , width, height] = MoyoFormPictures[face];
    const frame = width / 4;
    const left = Math.trunc((parseInt(element.style.width, 10) - frame) / 2);
    const top = Math.trunc((parseInt(element.style.height, 10) - height) / 2);
    for (const [state, index] of [['up', 0], ['hot', 2], ['down', 3]]) {
      element.style.setProperty(`--${state}`, `${left - index * frame}px ${top}px`);
    }
  }

  place(element, [left, top, width, height]) {
    Object.assign(element.style, { left: `${left}px`, top: `${top}px`, width: `${width}px`,
                                   height: `${height}px` });
  }

  message(id) {
    return this.module.UTF8ToString(this.module._moyo_message(id));
  }

  // ---- Layout: the docking of the desktop form, from the table ----

  // Lays the panels out for a form of width x height; resolves once the board
  // (with the stone pictures of its cell size) is placed and painted.
  async resize(width, height, cell) {
    const L = this.layout;
    const c = this.c;
    this.size = [width, height];
    this.cell = cell;
    const leftWidth = width - L.rightPWidth;
    const movesHeight = this.guessingHidden ? L.movesPHeightWithoutQuiz : L.movesPHeight;
    const newsHeight = { hidden: 0, open: L.newsPOpen, folded: L.newsPFolded }[this.newsPanel];
    const panel1Height = Math.max(height - L.rightTopPHeight - movesHeight, 0);
    this.place(c.form, [0, 0, width, height]);
    this.place(c.rightP, [leftWidth, 0, L.rightPWidth, height]);
    this.place(c.rightTopP, [0, 0, L.rightPWidth, L.rightTopPHeight]);
    this.place(c.movesP, [0, height - movesHeight, L.rightPWidth, movesHeight]);
    this.place(c.Panel1, [0, L.rightTopPHeight, L.rightPWidth, panel1Height]);
    this.place(c.NewsP, [0, panel1Height - newsHeight, L.rightPWidth, newsHeight]);
    const commentHeight = Math.max(panel1Height - newsHeight, 0);
    this.place(c.commentP, [0, 0, L.rightPWidth, commentHeight]);
    c.commentM.style.height = `${Math.max(commentHeight - L.commentMBelow, 0)}px`;

    this.place(c.leftP, [0, 0, leftWidth, height]);
    this.place(c.topP, [0, 0, leftWidth, L.topPHeight]);
    this.place(c.buttonP, [0, height - L.buttonPHeight, leftWidth, L.buttonPHeight]);
    const functionWidth = leftWidth - L.functionPLeftFree;
    this.place(c.functionP, [L.functionPLeftFree, 0, functionWidth, L.functionPHeight]);
    const middle = Math.max(height - L.topPHeight - L.buttonPHeight, 0);
    this.place(c.sideP, [0, L.topPHeight, L.sidePWidth, middle]);
    this.place(c.panP, [L.sidePWidth, L.topPHeight, leftWidth - L.sidePWidth, middle]);
    this.placeNavButtons(L.navSpreadOnResize);
    await this.placeBoard();
  }

  // pBaseResize: the board as large as panP allows, centred, with the stone
  // pictures of its cell size handed to the module first.
  async placeBoard() {
    const m = this.module;
    // From the layout, not the element: asking the element would lay the page out now.
    const width = parseInt(this.c.panP.style.width, 10);
    const height = parseInt(this.c.panP.style.height, 10);
    const cell = this.cell > 0 ? this.cell : m._moyo_form_fit_cell(this.handle, width, height);
    await MoyoLoader.pictures(m, cell);
    if (!this.handle) return;
    m._moyo_form_place(this.handle, width, height, this.cell, this.out);
    const [left, top] = m.HEAP32.subarray(this.out >> 2, (this.out >> 2) + 2);
    Object.assign(this.c.MainGoPB.style, { left: `${left}px`, top: `${top}px` });
    this.present();
  }

  placeNavButtons(spread) {
    const m = this.module;
    const width = parseInt(this.c.functionP.style.width, 10) || 0;
    m._moyo_layout_buttons(width, spread, this.out);
    const lefts = m.HEAP32.subarray(this.out >> 2, (this.out >> 2) + 9);
    this.c.navButtons.forEach((button, k) => { button.style.left = `${lefts[k]}px`; });
    const [test, numbers, print] = lefts.slice(6);
    for (const [button, left] of [[this.c.testBtn, test], [this.c.testEndBtn, test],
                                  [this.c.numBtn, numbers], [this.c.numEndBtn, numbers],
                                  [this.c.printBtn, print]]) {
      button.style.left = `${left}px`;
    }
  }

  // Hides the guessing row and shortens movesP, for levels "10" and "100".
  hideGuessingControls() {
    const c = this.c;
    for (const control of [c.Bevel3, c.Label2, c.BWBtn, c.BBtn, c.WBtn, c.HintBtn, c.giboBtn, c.Bevel4]) {
      control.hidden = true;
    }
    this.guessingHidden = true;
    if (this.size) this.resize(...this.size, this.cell);
  }

  // ---- Input: each forwards to the session, then the board is shown ----

  run(operation, value = 0) {
    if (!this.handle) return;
    const name = MoyoLoader.withString(this.module, operation);
    this.module._moyo_form_do(this.handle, name, value);
    this.module._free(name);
    this.present();
  }

  runText(operation, text) {
    if (!this.handle) return;
    const name = MoyoLoader.withString(this.module, operation);
    const value = MoyoLoader.withString(this.module, text);
    this.module._moyo_form_do_text(this.handle, name, value);
    this.module._free(name);
    this.module._free(value);
    this.present();
  }

  // Opens a reference diagram on the position shown, the board turned to `flipped` first.
  openReference(diagram, flipped) {
    const text = MoyoLoader.withString(this.module, diagram);
    this.module._moyo_form_open_reference(this.handle, text, flipped ? 1 : 0);
    this.module._free(text);
    this.present();
  }

  seconds() {
    const value = Math.trunc(Number(this.c.secondSE.value));
    const seconds = Number.isFinite(value) ? Math.min(Math.max(value, 1), 100) : 1;
    this.c.secondSE.value = seconds;
    return seconds;
  }

  jump() {
    this.runText('jump', this.c.moveEd.value);
  }

  chooseMode(tag) {
    this.setModeDown(String(tag));
    this.run('mode', tag);
  }

  print() {
    if (window.MoyoPrint && typeof window.MoyoPrint.open === 'function') window.MoyoPrint.open(this.element);
  }

  connectBoard() {
    const board = this.c.MainGoPB;
    board.addEventListener('mousedown', (event) => {
      if (!this.handle) return;
      const box = board.getBoundingClientRect();
      this.module._moyo_form_mouse(this.handle, event.button, Math.floor(event.clientX - box.left),
                                   Math.floor(event.clientY - box.top));
      this.present();
    });
    // The right button steps back; the browser's menu would be in the way.
    board.addEventListener('contextmenu', (event) => event.preventDefault());
    board.addEventListener('wheel', (event) => {
      if (event.deltaY === 0) return;
      event.preventDefault();
      this.run('key', event.deltaY < 0 ? MoyoForm.keys.WheelBack : MoyoForm.keys.WheelForward);
    }, { passive: false });
  }

  // A key the viewer answers (a navigation key, Ctrl+R, Ctrl+C); false for the rest.
  key(name, ctrl) {
    const keys = MoyoForm.keys;
    const code = ctrl ? { r: keys.Turn, R: keys.Turn, c: keys.Copy, C: keys.Copy }[name]
                      : { ArrowLeft: keys.Left, ArrowRight: keys.Right, PageUp: keys.PageUp,
                          PageDown: keys.PageDown, Home: keys.Home, End: keys.End }[name];
    if (code === undefined) return false;
    this.run('key', code);
    return true;
  }

  // ---- What the session shows ----

  // Shows the texts the session gave labels and the move edit since the last
  // time, each one's newest only.
  showTexts() {
    const m = this.module;
    const ptr = m._moyo_form_take_texts(this.handle, this.out);
    const length = m.HEAP32[this.out >> 2];
    if (length === 0) return;
    const parts = MoyoForm.utf8.decode(m.HEAPU8.subarray(ptr, ptr + length)).split('\0');
    for (let i = 0; i + 1 < parts.length; i += 2) {
      const component = this.c[parts[i]];
      if (component instanceof HTMLInputElement) component.value = parts[i + 1];
      else if (component) component.textContent = parts[i + 1];
    }
  }

  showStopFace(pair, stop) {
    const start = this.c[`${pair}Btn`];
    const end = this.c[pair === 'Hint' ? 'HintXBtn' : `${pair}EndBtn`];
    end.hidden = !stop;
    // A hidden guessing row stays hidden.
    start.hidden = !!stop || (pair === 'Hint' && this.guessingHidden);
  }

  setModeDown(tag) {
    [this.c.giboBtn, this.c.BBtn, this.c.WBtn, this.c.BWBtn].forEach((button, k) => {
      button.classList.toggle('down', String(k) === String(tag));
    });
  }

  clearMemo() {
    this.c.commentM.textContent = '';
  }

  // One memo line: plain runs and links, a link being the run between the
  // markers 3,3,3 and 4,4,4, drawn underlined in blue; a click opens it.
  addMemoLine(line) {
    const element = document.createElement('div');
    element.className = 'line';
    const runs = [];
    let rest = line;
    while (rest.length > 0) {
      const start = rest.indexOf('\x03\x03\x03');
      if (start < 0) { runs.push([false, rest]); break; }
      if (start > 0) runs.push([false, rest.slice(0, start)]);
      const stop = rest.indexOf('\x04\x04\x04', start + 3);
      if (stop < 0) { runs.push([false, rest.slice(start)]); break; }
      runs.push([true, rest.slice(start + 3, stop)]);
      rest = rest.slice(stop + 3);
    }
    for (const [link, text] of runs) {
      if (!link) {
        element.appendChild(document.createTextNode(text));
        continue;
      }
      const span = document.createElement('span');
      span.className = 'link';
      span.textContent = text;
      span.addEventListener('click', () => this.runText('link', text));
      element.appendChild(span);
    }
    this.c.commentM.appendChild(element);
  }

  setTrialFrame(trial) {
    this.c.panP.classList.toggle('trial', !!trial);
  }

  navigateNews(address) {
    let url;
    try {
      url = new URL(address, location.href);
    } catch {
      return;
    }
    if (url.protocol !== 'http:' && url.protocol !== 'https:') return;
    if (!this.c.WebNews) {
      this.c.WebNews = document.createElement('iframe');
      this.c.WebNews.className = 'WebNews news';
      this.place(this.c.WebNews, this.layout.boxes.WebNews);
      this.c.NewsP.appendChild(this.c.WebNews);
    }
    this.c.WebNews.src = url.href;
  }

  setNewsPanel(state) {
    this.newsPanel = state;
    this.setFace(this.c.newsBtn, state === 'folded' ? 'newsup' : 'newsdown');
    if (this.size) this.resize(...this.size, this.cell);
  }

  copyBoard() {
    this.c.MainGoPB.toBlob((blob) => {
      if (blob && navigator.clipboard && window.ClipboardItem) {
        navigator.clipboard.write([new ClipboardItem({ 'image/png': blob })]).catch(() => {});
      }
    });
  }

  // A modal box over the element, caption and text as text, one OK button,
  // which Escape presses too (the only button of a message box is its cancel).
  // A later notice stacks above an open one; the box closed first is the newest.
  showNotice(caption, text) {
    const cover = this.div(this.c.form, 'cover', null);
    const box = this.div(cover, 'notice', null);
    this.div(box, 'caption', null).textContent = caption;
    this.div(box, 'text', null).textContent = text;
    const ok = document.createElement('button');
    ok.type = 'button';
    ok.className = 'ok';
    ok.textContent = '확인';
    const press = () => {
      this.closeNotice();
      this.run('noticeClosed');
    };
    ok.addEventListener('click', press);
    box.appendChild(ok);
    this.notices.push(new MoyoModal({ box, cover, scope: this.element, escape: press,
                                      returnTo: this.element }));
    ok.focus({ preventScroll: true });
  }

  closeNotice() {
    this.notices.pop()?.close();
  }

  playStone() {
    MoyoLoader.playStone(this.module);
  }

  // ---- The board picture ----

  // The board's fonts came in after it wrote text with stand-ins.
  refitText() {
    if (!this.handle) return;
    this.module._moyo_form_refit_text(this.handle);
    this.present();
  }

  // Shows what the session changed: the texts, and what the painter drew since
  // the last time, copied onto the canvas.
  present() {
    const m = this.module;
    if (!this.handle) return;
    this.showTexts();
    const width = m._moyo_form_width(this.handle);
    const height = m._moyo_form_height(this.handle);
    const canvas = this.c.MainGoPB;
    m._moyo_form_take_dirty(this.handle, this.out);
    let [left, top, right, bottom] = m.HEAP32.subarray(this.out >> 2, (this.out >> 2) + 4);
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
      [left, top, right, bottom] = [0, 0, width, height];
    }
    if (right > left && bottom > top) {
      const pixels = new Uint8ClampedArray(m.HEAPU8.buffer, m._moyo_form_pixels(this.handle),
                                           width * height * 4);
      this.context.putImageData(new ImageData(pixels, width, height), 0, 0,
                                left, top, right - left, bottom - top);
    }
    if (this.onPaint) this.onPaint();
  }

  // The move on the board, the record end, the mode's byte code and the flags.
  state() {
    const m = this.module;
    m._moyo_form_state(this.handle, this.out);
    const [move, last, mode, flags] = m.HEAP32.subarray(this.out >> 2, (this.out >> 2) + 4);
    return { move, last, mode, autoPlay: !!(flags & 1), numbers: !!(flags & 2),
             hints: !!(flags & 4), replying: !!(flags & 8) };
  }

  // Reads body (bytes) by the road's reader; the module's answer (0 shown,
  // 1 failed, 2 not shown, 3 no such numbered record).
  load(body, kind, level) {
    const m = this.module;
    const ptr = m._malloc(Math.max(1, body.length));
    m.HEAPU8.set(body, ptr);
    const kindPtr = MoyoLoader.withString(m, kind);
    const levelPtr = MoyoLoader.withString(m, level);
    const result = m._moyo_form_load(this.handle, ptr, body.length, kindPtr, levelPtr);
    [ptr, kindPtr, levelPtr].forEach((p) => m._free(p));
    this.present();
    return result;
  }

  // Keeps the level; hides the guessing row where it says so.
  setLevel(level) {
    const ptr = MoyoLoader.withString(this.module, level);
    const hides = this.module._moyo_form_set_level(this.handle, ptr);
    this.module._free(ptr);
    if (hides && !this.guessingHidden) this.hideGuessingControls();
  }

  // The question-and-answer text up to the move on the board, as CP949 bytes.
  qna() {
    const m = this.module;
    const ptr = m._moyo_form_qna(this.handle, this.out);
    const length = m.HEAP32[this.out >> 2];
    return m.HEAPU8.slice(ptr, ptr + length);
  }

  destroy() {
    while (this.notices.length > 0) this.closeNotice();
    this.module._moyo_form_delete(this.handle);
    this.module.moyoForms.delete(this.id);
    this.module._free(this.out);
    this.handle = 0;
  }
}

MoyoForm.nextId = 1;
MoyoForm.utf8 = new TextDecoder();
// The viewer's keys, in the order of TViewerKey.
MoyoForm.keys = { Left: 0, Right: 1, PageUp: 2, PageDown: 3, Home: 4, End: 5, WheelBack: 6,
                  WheelForward: 7, Turn: 8, Copy: 9 };
