// The reference-diagram window as a panel floating inside its element: a title
// bar to drag it by and to close it, the board the module paints, five step
// buttons, the memo with the diagram's comment and, in trial mode, the tenuki
// button and the letter tools. The module decides everything; the panel sends
// it the user's actions and then shows what it reports. One panel an element,
// reused for every diagram; closing only hides it.

// Copies what the module painted into paint box since the last copy onto
// canvas; a canvas of another size is resized and gets the whole picture.
function moyoCopyPaintBox(module, box, canvas, context, scratch) {
  module._moyo_paint_box_take_dirty(box, scratch);
  let [left, top, right, bottom] = module.HEAP32.subarray(scratch >> 2, (scratch >> 2) + 4);
  const width = module._moyo_paint_box_width(box);
  const height = module._moyo_paint_box_height(box);
  if (canvas.width !== width || canvas.height !== height) {
    canvas.width = width;
    canvas.height = height;
    [left, top, right, bottom] = [0, 0, width, height];
  }
  if (right <= left || bottom <= top) return;
  const pixels = new Uint8ClampedArray(module.HEAPU8.buffer, module._moyo_paint_box_pixels(box),
                                       width * height * 4);
  context.putImageData(new ImageData(pixels, width, height), 0, 0,
                       left, top, right - left, bottom - top);
}

class MoyoReferencePanel {
  // owner: the number the module knows the element's viewer form by (its id).
  constructor(module, root, owner) {
    this.module = module;
    this.root = root;
    this.owner = owner;
    this.panel = 0;
    this.frame = null;
    this.scratch = module._malloc(16);
    // Settles once the panel's board is painted with its stone pictures.
    this.ready = Promise.resolve();
    MoyoReferencePanel.owners.set(owner, this);
    module.moyoReference ??= (who, panel) => MoyoReferencePanel.owners.get(who)?.shown(panel);
  }

  // The module showed the panel (and goes on to load the diagram into it).
  shown(panel) {
    this.panel = panel;
    if (!this.frame) this.build();
    if (this.frame.hidden) {
      this.frame.hidden = false;
      this.centre();
    }
    // The diagram is loaded once this call has returned to the module.
    queueMicrotask(() => this.refresh());
    this.fetchPictures();
  }

  // Paints the board again with the stone pictures of its cell size and the
  // board's fonts once the module holds them (a board laid out before they
  // came draws circles, and its text in stand-in faces).
  fetchPictures() {
    const panel = this.panel;
    const cell = this.module._moyo_reference_value(panel, 9);
    this.ready = Promise.all([MoyoLoader.module(), MoyoLoader.pictures(this.module, cell)]).then(() => {
      if (this.panel !== panel) return;
      this.module._moyo_reference_reload_pictures(panel);
      this.refresh();
    });
  }

  // The page laid the panel out anew (it was resized): the board takes the
  // largest cell that fits its area and the buttons spread over their row.
  relayout() {
    if (!this.panel || this.frame.hidden) return;
    const cell = this.module._moyo_reference_value(this.panel, 9);
    this.module._moyo_reference_resize(this.panel, this.boardArea.clientWidth,
                                       this.boardArea.clientHeight, this.buttonRow.clientWidth);
    this.refresh();
    if (this.module._moyo_reference_value(this.panel, 9) !== cell) this.fetchPictures();
  }

  get isOpen() { return Boolean(this.frame && !this.frame.hidden); }

  // Hides the panel; a focus inside it goes back to the element, as closing a
  // window activates its owner.
  close() {
    if (!this.frame || this.frame.hidden) return;
    const held = this.frame.contains(this.root.activeElement);
    this.frame.hidden = true;
    if (held) this.root.host.focus({ preventScroll: true });
    this.module._moyo_reference_close(this.panel);
  }

  // ---- Building ----

  build() {
    const div = (parent, name) => {
      const element = document.createElement('div');
      element.className = name;
      parent.appendChild(element);
      return element;
    };
    const frame = div(this.root, 'ref-window');
    frame.hidden = true;
    const title = div(frame, 'ref-title');
    this.caption = div(title, 'ref-caption');
    const close = document.createElement('button');
    close.className = 'ref-close';
    close.textContent = '\u00d7';
    close.addEventListener('click', () => this.close());
    title.appendChild(close);
    this.drag(title);
    const grip = div(frame, 'ref-grip');
    this.resizing(grip);

    const client = div(frame, 'ref-client');
    const boardFrame = div(client, 'ref-board-frame');
    this.boardArea = div(boardFrame, 'ref-board-area');
    this.canvas = document.createElement('canvas');
    this.canvas.className = 'ref-board';
    this.boardArea.appendChild(this.canvas);
    this.context = this.canvas.getContext('2d');
    this.buttonRow = div(boardFrame, 'ref-buttons');
    this.buttons = [0, 1, 2, 3, 4].map((tag) => {
      const button = document.createElement('button');
      button.className = `ref-step ref-step${tag}`;
      if (tag < 4) button.appendChild(MoyoReferencePanel.arrows(tag));
      button.addEventListener('click', () => this.act(() =>
        this.module._moyo_reference_button(this.panel, tag)));
      this.buttonRow.appendChild(button);
      return button;
    });

    const memoArea = div(client, 'ref-memo-area');
    this.memo = div(memoArea, 'ref-memo');
    this.tools = div(memoArea, 'ref-tools');
    this.pass = document.createElement('button');
    this.pass.className = 'ref-pass';
    this.pass.textContent = this.message(65);
    this.pass.addEventListener('click', () => this.act(() =>
      this.module._moyo_reference_pass(this.panel)));
    const mark = document.createElement('label');
    mark.className = 'ref-mark';
    this.marking = document.createElement('input');
    this.marking.type = 'checkbox';
    this.marking.addEventListener('change', () => this.act(() =>
      this.module._moyo_reference_marking(this.panel, this.marking.checked ? 1 : 0)));
    mark.append(this.marking, this.message(66));
    this.letters = document.createElement('select');
    this.letters.className = 'ref-letters';
    for (let i = 0; i < 26; ++i) this.letters.add(new Option(` ${String.fromCharCode(65 + i)}`));
    this.letters.addEventListener('change', () => this.act(() =>
      this.module._moyo_reference_letter(this.panel, this.letters.selectedIndex)));
    this.tools.append(this.pass, mark, this.letters);

    this.canvas.addEventListener('mousedown', (event) => {
      const box = this.canvas.getBoundingClientRect();
      this.act(() => this.module._moyo_reference_mouse(this.panel, event.button,
                                                       Math.floor(event.clientX - box.left),
                                                       Math.floor(event.clientY - box.top)));
    });
    this.canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    // Keys typed in the panel are not the main board's navigation.
    frame.addEventListener('keydown', (event) => event.stopPropagation());
    this.frame = frame;
    this.observer = new ResizeObserver(() => this.relayout());
    this.observer.observe(this.boardArea);
  }

  message(id) {
    return this.module.UTF8ToString(this.module._moyo_message(id));
  }

  // The arrows of step buttons 0..3: two heads for five steps, one for one.
  static arrows(tag) {
    const forward = tag >= 2;
    const five = tag === 0 || tag === 3;
    const svg = document.createElementNS('http://www.w3.org/2000/svg', 'svg');
    svg.setAttribute('width', '17');
    svg.setAttribute('height', '9');
    const head = (x) => {
      const tip = forward ? x + 6 : x - 6;
      const polygon = document.createElementNS(svg.namespaceURI, 'polygon');
      polygon.setAttribute('points', `${x},0.5 ${tip},4.5 ${x},8.5`);
      svg.appendChild(polygon);
    };
    const middle = 8.5;
    if (five) {
      head(forward ? middle - 6 : middle + 6);
      head(middle);
    } else {
      head(forward ? middle - 3 : middle + 3);
    }
    return svg;
  }

  // Follows a left-button drag that starts on handle: moved(dx, dy) gets the
  // distance from where it started, from the frame's place and size then.
  follow(handle, moved) {
    handle.addEventListener('pointerdown', (event) => {
      if (event.button !== 0 || event.target.closest('button')) return;
      const start = { x: event.clientX, y: event.clientY,
                      left: this.frame.offsetLeft, top: this.frame.offsetTop,
                      width: this.frame.offsetWidth, height: this.frame.offsetHeight };
      handle.setPointerCapture(event.pointerId);
      const move = (e) => moved(start, e.clientX - start.x, e.clientY - start.y);
      const end = () => {
        handle.removeEventListener('pointermove', move);
        handle.removeEventListener('pointerup', end);
        handle.removeEventListener('pointercancel', end);
      };
      handle.addEventListener('pointermove', move);
      handle.addEventListener('pointerup', end);
      handle.addEventListener('pointercancel', end);
      event.preventDefault();
    });
  }

  // The panel moves by its title bar, keeping the bar inside the element.
  drag(title) {
    this.follow(title, (start, dx, dy) => this.place(start.left + dx, start.top + dy));
  }

  // The grip in the bottom-right corner resizes the panel, down to a least size.
  resizing(grip) {
    this.follow(grip, (start, dx, dy) => {
      this.frame.style.width = `${Math.max(MoyoReferencePanel.least[0], start.width + dx)}px`;
      this.frame.style.height = `${Math.max(MoyoReferencePanel.least[1], start.height + dy)}px`;
    });
  }

  place(left, top) {
    const host = this.root.host;
    const keep = 40;  // pixels of the title bar that stay inside the element
    const x = Math.min(Math.max(left, keep - this.frame.offsetWidth), host.clientWidth - keep);
    const y = Math.min(Math.max(top, 0), Math.max(0, host.clientHeight - keep));
    this.frame.style.left = `${x}px`;
    this.frame.style.top = `${y}px`;
  }

  // The panel opens over the middle of its element.
  centre() {
    const host = this.root.host;
    this.place(Math.floor((host.clientWidth - this.frame.offsetWidth) / 2),
               Math.floor((host.clientHeight - this.frame.offsetHeight) / 2));
  }

  // ---- Showing what the module reports ----

  act(action) {
    if (!this.panel) return;
    action();
    this.refresh();
  }

  value(which) { return this.module._moyo_reference_value(this.panel, which); }
  text(which) { return this.module.UTF8ToString(this.module._moyo_reference_text(this.panel, which)); }

  // Record texts (caption, memo) always go in as text, never as markup.
  refresh() {
    if (!this.panel || !this.frame) return;
    const m = this.module;
    this.caption.textContent = this.text(0);
    this.memo.textContent = this.text(1);
    this.buttons[4].textContent = this.text(2);
    const trialTools = Boolean(this.value(1));
    this.tools.hidden = !trialTools;
    this.memo.classList.toggle('with-tools', trialTools);
    this.marking.checked = Boolean(this.value(2));
    this.letters.selectedIndex = this.value(3);
    const area = `#${this.value(4).toString(16).padStart(6, '0')}`;
    this.boardArea.style.background = area;
    this.buttonRow.style.background = area;
    this.canvas.style.left = `${this.value(5)}px`;
    this.canvas.style.top = `${this.value(6)}px`;
    this.buttons.forEach((button, tag) => {
      const place = m._moyo_reference_button_place(this.panel, tag);
      button.style.left = `${place >> 16}px`;
      button.style.width = `${place & 0xffff}px`;
    });
    moyoCopyPaintBox(m, m._moyo_reference_paint_box(this.panel), this.canvas, this.context,
                     this.scratch);
  }

  // For pages and tests: the move on the panel's board and whether trial mode is on.
  get move() { return this.panel ? this.value(8) : 0; }
  get trial() { return this.panel ? Boolean(this.value(7)) : false; }

  destroy() {
    this.observer?.disconnect();
    MoyoReferencePanel.owners.delete(this.owner);
    this.frame?.remove();
    this.module._free(this.scratch);
    this.panel = 0;
  }
}

MoyoReferencePanel.owners = new Map();
// The least outer size the grip leaves the panel: room for a small board and the memo.
MoyoReferencePanel.least = [180, 260];

// The window's frame around a client area of 296 x 376, as the desktop window.
MoyoReferencePanel.style = `
  .ref-window { position: absolute; z-index: 10; width: 312px; height: 415px;
                box-sizing: border-box; border: 1px solid #404040; background: #d4d0c8;
                box-shadow: 2px 3px 8px rgba(0, 0, 0, 0.35);
                font: 12px NanumGothicCoding, monospace; color: #000; }
  .ref-window[hidden] { display: none; }
  .ref-title { position: absolute; left: 3px; top: 3px; right: 3px; height: 24px;
               background: linear-gradient(to right, #0a246a, #a6caf0); color: #fff;
               cursor: move; user-select: none; touch-action: none; }
  .ref-caption { position: absolute; left: 6px; top: 5px; font: bold 12px NanumGothic, sans-serif;
                 white-space: pre; overflow: hidden; right: 28px; }
  .ref-close { position: absolute; right: 3px; top: 3px; width: 20px; height: 18px; padding: 0;
               font: bold 13px/1 sans-serif; background: #d4d0c8; border: 1px outset #fff;
               cursor: default; }
  .ref-client { position: absolute; left: 7px; top: 30px; right: 7px; bottom: 7px; }
  .ref-board-frame { position: absolute; left: 0; top: 0; right: 0; bottom: 73px;
                     box-sizing: border-box; border: 1px solid; border-color: #808080 #fff #fff #808080; }
  .ref-board-area { position: absolute; left: 0; top: 0; right: 0; bottom: 21px;
                    overflow: hidden; }
  .ref-board { position: absolute; display: block; image-rendering: pixelated; }
  .ref-buttons { position: absolute; left: 0; right: 0; bottom: 0; height: 21px; }
  .ref-grip { position: absolute; right: 0; bottom: 0; width: 12px; height: 12px;
              cursor: nwse-resize; touch-action: none;
              background: linear-gradient(135deg, transparent 50%, #808080 50%, #808080 60%,
                                          transparent 60%, transparent 75%, #808080 75%,
                                          #808080 85%, transparent 85%); }
  .ref-step { position: absolute; top: 3px; height: 18px; padding: 0; box-sizing: border-box;
              border: 1px solid #808080; font: 12px NanumGothicCoding, monospace; color: #000;
              background: linear-gradient(to bottom, #fff, rgb(204, 212, 212));
              display: flex; align-items: center; justify-content: center; }
  .ref-step:hover, .ref-step:active { color: #fff;
              background: linear-gradient(to bottom, rgb(181, 191, 191), rgb(128, 144, 144)); }
  .ref-step svg { fill: rgb(36, 60, 72); }
  .ref-memo-area { position: absolute; left: 0; right: 0; bottom: 0; height: 73px;
                   box-sizing: border-box; border: 1px solid; border-color: #808080 #fff #fff #808080;
                   background: rgb(177, 195, 219); }
  .ref-memo { position: absolute; left: 0; top: 0; bottom: 0; right: 0; background: #fff;
              overflow-y: scroll; white-space: pre-wrap; overflow-wrap: anywhere; padding: 1px 3px; }
  .ref-memo.with-tools { right: 61px; }
  .ref-tools { position: absolute; right: 0; top: 0; bottom: 0; width: 61px;
               background: rgb(190, 199, 204); }
  .ref-tools[hidden] { display: none; }
  .ref-pass { position: absolute; left: 8px; top: 5px; width: 44px; height: 20px; padding: 0;
              font: 12px NanumGothicCoding, monospace; }
  .ref-mark { position: absolute; left: 9px; top: 28px; display: flex; align-items: center;
              gap: 2px; white-space: nowrap; }
  .ref-mark input { margin: 0; }
  .ref-letters { position: absolute; left: 8px; top: 46px; width: 44px; height: 20px;
                 font: 12px NanumGothicCoding, monospace; }
`;
