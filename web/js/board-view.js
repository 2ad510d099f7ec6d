// What the element shows: for now the board painted by the module, the
// record's texts and simple navigation through the main line. The viewer form
// (its layout, modes and buttons) takes over this one place when it runs in
// the module; the element talks to the view only through load, step, goTo and
// destroy.
class MoyoBoardView {
  constructor(module, root, cell) {
    this.module = module;
    this.viewer = module._moyo_viewer_new();
    this.dirty = module._malloc(16);
    this.cell = cell;

    root.innerHTML = '';
    const frame = document.createElement('div');
    frame.className = 'frame';
    this.title = this.line(frame, 'title');
    this.players = this.line(frame, 'players');
    this.canvas = document.createElement('canvas');
    this.canvas.className = 'board';
    frame.appendChild(this.canvas);
    const nav = document.createElement('div');
    nav.className = 'nav';
    const buttons = [['first', '|<', -Infinity], ['back5', '<<', -5], ['back', '<', -1],
                     ['forward', '>', 1], ['forward5', '>>', 5], ['last', '>|', Infinity]];
    for (const [name, face, delta] of buttons) {
      const button = document.createElement('button');
      button.className = name;
      button.textContent = face;
      button.addEventListener('click', () => this.step(delta));
      nav.appendChild(button);
    }
    this.moveLabel = this.line(nav, 'move');
    frame.appendChild(nav);
    this.info = this.line(frame, 'info');
    this.comment = this.line(frame, 'comment');
    this.news = document.createElement('iframe');
    this.news.className = 'news';
    this.news.hidden = true;
    frame.appendChild(this.news);
    root.appendChild(frame);
    this.context = this.canvas.getContext('2d');
    this.canvas.addEventListener('mousedown', (event) => {
      const box = this.canvas.getBoundingClientRect();
      this.module._moyo_viewer_mouse(this.viewer, event.button,
                                     Math.floor(event.clientX - box.left),
                                     Math.floor(event.clientY - box.top));
      this.show();
      if (this.onChange) this.onChange();
    });
    // The right button steps back; the browser's menu would be in the way.
    this.canvas.addEventListener('contextmenu', (event) => event.preventDefault());
  }

  line(parent, name) {
    const element = document.createElement('div');
    element.className = name;
    parent.appendChild(element);
    return element;
  }

  // Sizes the board to the cell size once its stone pictures are here.
  async setCell(cell) {
    await MoyoLoader.pictures(this.module, cell);
    this.cell = cell;
    if (!this.module._moyo_viewer_set_cell(this.viewer, cell, 20)) {
      throw new Error('the board pictures are missing');
    }
    const m = this.module;
    this.canvas.width = m._moyo_viewer_width(this.viewer);
    this.canvas.height = m._moyo_viewer_height(this.viewer);
    this.show();
  }

  // Reads body (bytes) by the road's reader; resolves to the module's answer
  // (0 shown, 1 failed, 2 not shown, 3 no such numbered record).
  load(body, kind, level) {
    const m = this.module;
    const ptr = m._malloc(Math.max(1, body.length));
    m.HEAPU8.set(body, ptr);
    const kindPtr = MoyoLoader.withString(m, kind);
    const levelPtr = MoyoLoader.withString(m, level);
    const result = m._moyo_viewer_load(this.viewer, ptr, body.length, kindPtr, levelPtr);
    [ptr, kindPtr, levelPtr].forEach((p) => m._free(p));
    if (result === 0) this.show();
    return result;
  }

  step(delta) {
    const m = this.module;
    const target = m._moyo_viewer_move(this.viewer) + delta;
    m._moyo_viewer_goto(this.viewer, Math.max(0, Math.min(target, 100000)));
    this.show();
  }

  goTo(move) {
    this.module._moyo_viewer_goto(this.viewer, move);
    this.show();
  }

  get move() { return this.module._moyo_viewer_move(this.viewer); }
  get lastMove() { return this.module._moyo_viewer_last(this.viewer); }

  text(which) {
    return this.module.UTF8ToString(this.module._moyo_viewer_text(this.viewer, which));
  }

  // Copies what the painter drew since the last time onto the canvas, and
  // writes the texts; record texts always go in as text, never as markup.
  show() {
    const m = this.module;
    m._moyo_viewer_take_dirty(this.viewer, this.dirty);
    const [left, top, right, bottom] = m.HEAP32.subarray(this.dirty >> 2, (this.dirty >> 2) + 4);
    const width = m._moyo_viewer_width(this.viewer);
    const height = m._moyo_viewer_height(this.viewer);
    if (right > left && bottom > top && this.canvas.width === width) {
      const pixels = new Uint8ClampedArray(m.HEAPU8.buffer, m._moyo_viewer_pixels(this.viewer),
                                           width * height * 4);
      this.context.putImageData(new ImageData(pixels, width, height), 0, 0,
                                left, top, right - left, bottom - top);
    }
    this.title.textContent = this.text(0);
    this.players.textContent =
        `${this.text(7)} ${this.text(8)} (${this.text(11)})  -  ${this.text(9)} ${this.text(10)} (${this.text(12)})`;
    this.info.textContent = [1, 2, 3, 4, 5, 6].map((i) => this.text(i)).join('\n');
    this.moveLabel.textContent = `${this.move} / ${this.lastMove}`;
    this.comment.textContent = this.text(13);
  }

  // Opens the news panel on address (http or https only).
  showNews(address) {
    const url = new URL(address, location.href);
    if (url.protocol !== 'http:' && url.protocol !== 'https:') return;
    this.news.src = url.href;
    this.news.hidden = false;
  }

  // The question-and-answer text up to the move on the board, as CP949 bytes.
  qna() {
    const m = this.module;
    const ptr = m._moyo_viewer_qna(this.viewer, this.dirty);
    const length = m.HEAP32[this.dirty >> 2];
    return m.HEAPU8.slice(ptr, ptr + length);
  }

  destroy() {
    this.module._moyo_viewer_delete(this.viewer);
    this.module._free(this.dirty);
    this.viewer = 0;
  }
}
