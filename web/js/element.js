// <moyo-scope src="NAME-or-URL" level="L" news="URL">: the viewer in a page.
// Servers come from the attributes record-server and web-server, else from
// window.MoyoscopeConfig = { recordServer, webServer }, else from the settings
// the desktop keeps (localStorage "Software\NetMoyoscope\Server Info\recordserver"
// and "...\webserver"), else the page's own host. The form is 789 x 628 unless
// the page sizes the element; the attribute cell pins the board's cell size.
// Members: getFile(fileName, level) -> Promise, goQNA() -> "yes" or "no", News.
// Events (bubbling out of the element): create, destroy, paint, keypress
// (detail.key may be replaced), and click and dblclick, fired as the desktop
// control fires OnClick and OnDblClick: for the left button on the form itself,
// where none of its panels covers it (in the form's own layout, nowhere). The
// browser's clicks on the form's buttons, edits, memo and board stay inside.
// For printing: module and viewerHandle (the module's handle of this viewer).
class MoyoScopeElement extends HTMLElement {
  static get observedAttributes() { return ['src', 'level', 'news']; }

  constructor() {
    super();
    this.root = this.attachShadow({ mode: 'open' });
    this.root.innerHTML = `<style>${MoyoScopeElement.style}${MoyoReferencePanel.style}</style>`;
    this.form = null;
    this.ready = null;
    this.arriving = null;  // settles when the latest record download is in or failed
    this.root.addEventListener('keypress', (event) => event.stopPropagation());
    this.addEventListener('keydown', (event) => this.key(event));
    for (const name of ['click', 'dblclick']) this.addEventListener(name, (event) => this.formClick(event));
  }

  // The browser's click in place of the form's own event (see the header).
  formClick(event) {
    if (event instanceof CustomEvent) return;
    event.stopImmediatePropagation();
    if (this.form && event.button === 0 && event.composedPath()[0] === this.form.c.form) {
      this.fire(event.type);
    }
  }

  connectedCallback() {
    if (!this.hasAttribute('tabindex')) this.tabIndex = 0;
    const cell = Number(this.getAttribute('cell')) || 0;
    MoyoLoader.prefetch(cell || 26);
    // Asked first, the record's download starts before the form's pictures.
    const src = this.getAttribute('src');
    if (src) this.getFile(src, this.getAttribute('level') || '').catch(() => {});
    this.ready = this.ready || MoyoLoader.runtime().then(async (module) => {
      // The session takes its wood and edges when it is made.
      await MoyoLoader.pictures(module, 0);
      // The record asked for with the element is usually in moments after the
      // module: the form waits for it a little, so the page draws the form once
      // with the game on it rather than an empty board first.
      await Promise.race([this.arriving, new Promise((done) => setTimeout(done, 100))]);
      // Asked before the form is there, the size takes laying out the page only.
      const size = this.formSize();
      this.form = new MoyoForm(module, this.root, this);
      this.form.onPaint = () => this.fire('paint');
      this.reference = new MoyoReferencePanel(module, this.root, this.form.id);
      await this.form.resize(...size, cell);
      this.resizing = new ResizeObserver(() => {
        const [width, height] = this.formSize();
        if (this.form && (width !== this.form.size[0] || height !== this.form.size[1])) {
          this.form.resize(width, height, cell);
        }
      });
      this.resizing.observe(this);
      this.fire('create');
    });
    if (this.getAttribute('news')) this.News = this.getAttribute('news');
  }

  disconnectedCallback() {
    if (!this.form) return;
    this.fire('destroy');
    this.resizing.disconnect();
    this.reference.destroy();
    this.form.destroy();
    this.form = null;
    this.ready = null;
  }

  attributeChangedCallback(name, before, after) {
    if (!this.isConnected || before === after) return;
    if (name === 'src' && after) this.getFile(after, this.getAttribute('level') || '').catch(() => {});
    if (name === 'news') this.News = after || '';
  }

  // The form's size: the element's own, as the page styles it.
  formSize() {
    return [this.clientWidth || 789, this.clientHeight || 628];
  }

  // Opens the news panel on the address; an empty text changes nothing, and
  // reading it gives nothing back, as the control's property does.
  get News() { return undefined; }
  set News(address) {
    if (!address) return;
    const text = String(address);
    if (this.ready) this.ready.then(() => this.form?.runText('news', text));
  }

  get module() { return this.form ? this.form.module : null; }
  get viewerHandle() { return this.form ? this.form.handle : 0; }

  config(attribute, key, value) {
    const global = window.MoyoscopeConfig || {};
    return this.getAttribute(attribute) || global[key] ||
           MoyoSettings.read(MoyoSettings.name('Software\\NetMoyoscope', 'Server Info', value)) ||
           location.host;
  }

  // Downloads and shows a record; resolves once it is on the board, rejects
  // (leaving the board as it was) when the download or the read fails. The
  // level is kept, and the guessing row hidden for it, whatever the outcome.
  async getFile(fileName, level = '') {
    // The download runs while the fonts come and the form is set up.
    const module = await MoyoLoader.runtime();
    const args = [String(fileName), String(level),
                  this.config('record-server', 'recordServer', 'recordserver'),
                  this.config('web-server', 'webServer', 'webserver')]
      .map((t) => MoyoLoader.withString(module, t));
    const [kind, url] = module.UTF8ToString(module._moyo_record_road(...args)).split('\n');
    args.forEach((p) => module._free(p));
    this.setAttribute('loading', '');
    // The body is read as it comes, so a record that is in before the form is
    // entered in the same task that finishes the form, before the page is drawn.
    const download = fetch(url).then(async (answer) => {
      if (!answer.ok) throw new Error(`${url}: ${answer.status}`);
      return new Uint8Array(await answer.arrayBuffer());
    });
    this.arriving = download.then(() => {}, () => {});  // answered below, once the form is there
    try {
      await this.ready;
      if (!this.form) throw new Error('the viewer is gone');
      this.form.setLevel(String(level));
      const body = await download;
      if (!this.form) throw new Error('the viewer is gone');
      const result = this.form.load(body, kind, String(level));
      // Message 7 of the table: no record of that number.
      if (result === 3) {
        const text = module.UTF8ToString(module._moyo_message(7));
        this.form.showNotice(module.UTF8ToString(module._moyo_message(2)), text);
        throw new Error(text);
      }
      if (result !== 0) throw new Error(`${url}: not a record the viewer can show`);
    } finally {
      this.removeAttribute('loading');
    }
  }

  // The game up to the move on the board as the question-and-answer file: offered
  // to the user as "qna.NGF" (the browser decides whether to keep it). "yes"
  // once offered, "no" without a record.
  goQNA() {
    if (!this.form || this.form.state().last === 0) return 'no';
    const bytes = this.form.qna();
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    link.download = 'qna.NGF';
    this.root.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
    return 'yes';
  }

  // The move on the board and the line's last move, for pages and tests.
  get move() { return this.form ? this.form.state().move : 0; }
  get lastMove() { return this.form ? this.form.state().last : 0; }
  // Steps as the one-move buttons do; goes to a move as the jump does (0: the start).
  step(delta) {
    for (let i = 0; i < Math.abs(delta); ++i) this.form.run('navigate', delta > 0 ? 3 : 2);
  }
  goTo(move) {
    if (move <= 0) this.form.run('navigate', 0);
    else this.form.runText('jump', String(move));
  }

  // Opens a reference-diagram text in the element's panel on the board's
  // position, as a commentary link does, the board turned to `flipped` first;
  // resolves once the panel shows it.
  openReference(diagram, flipped = false) {
    this.form.openReference(String(diagram), flipped);
    return this.reference.ready;
  }

  // A character or navigation key: the page may replace it in the keypress
  // event; the viewer acts on what it leaves. Keys typed into the form's edits
  // keep their editing meaning.
  key(event) {
    if (!this.form || this.form.notices.length > 0) return;
    const inEdit = event.composedPath().some((node) => node.tagName === 'INPUT');
    if (inEdit) return;
    const navigation = ['ArrowLeft', 'ArrowRight', 'PageUp', 'PageDown', 'Home', 'End'];
    if (event.key.length !== 1 && !navigation.includes(event.key)) return;
    const detail = { key: event.key };
    this.fire('keypress', detail);
    if (this.form.key(detail.key, event.ctrlKey)) event.preventDefault();
  }

  fire(name, detail) {
    this.dispatchEvent(new CustomEvent(name, { detail, bubbles: true, composed: true }));
  }
}

MoyoScopeElement.style = `
  :host { display: inline-block; position: relative; width: 789px; height: 628px; overflow: hidden;
          font: 12px NanumGothicCoding, monospace; background: #e5e5e5; outline: none; }
  :host([loading]) .board { opacity: 0.6; }
  [hidden] { display: none !important; }
  .form, .panel, .label, .picture, .bevel, .button, .form input, .memo, .news, .board {
    position: absolute; }
  .form { overflow: hidden; }
  .panel { overflow: hidden; }
  .colour { background: rgb(229, 229, 229); }
  .label { white-space: pre; overflow: hidden; line-height: 14px; }
  .centre { text-align: center; }
  .right { text-align: right; }
  .bold { font-weight: bold; }
  .gulim { font-family: NanumGothic, sans-serif; }
  .player { color: white; font-weight: bold; }
  .StatusL { color: rgb(91, 112, 159); }
  .link-cursor { cursor: pointer; }
  .picture { background-repeat: no-repeat; }
  .bevel { box-sizing: border-box; border-top: 1px solid rgb(128, 128, 128);
           border-left: 1px solid rgb(128, 128, 128); border-bottom: 1px solid white;
           border-right: 1px solid white; }
  .functionP { background-repeat: repeat; }
  .panP { background: rgb(240, 240, 240); overflow: hidden;
          box-shadow: inset 1px 1px rgb(128, 128, 128), inset -1px -1px white,
                      inset 2px 2px rgb(128, 128, 128), inset -2px -2px white; }
  .panP.trial { background: rgb(64, 128, 128); }
  .board { display: block; image-rendering: pixelated; }
  .button { margin: 0; padding: 0; border: none; font: inherit; color: black; cursor: default;
            background-color: transparent; }
  .button.faced { background-repeat: no-repeat; background-position: var(--up); }
  .button.faced:hover { background-position: var(--hot); }
  .button.faced:active, .button.faced.down { background-position: var(--down); }
  .button:not(.faced) { background: rgb(240, 240, 240); box-shadow: inset -1px -1px rgb(128, 128, 128),
                                                          inset 1px 1px white; }
  .button:not(.faced).down, .button:not(.faced):active {
    background: rgb(214, 214, 214); box-shadow: inset 1px 1px rgb(128, 128, 128), inset -1px -1px white;
    padding: 1px 0 0 1px; }
  .form input { box-sizing: border-box; margin: 0; font: 12px NanumGothicCoding, monospace; padding: 0 2px;
          border: 1px solid rgb(128, 128, 128); background: white; }
  .memo { box-sizing: border-box; background: white; border: 1px solid rgb(128, 128, 128);
          overflow-y: scroll; overflow-x: hidden; padding: 1px 4px; }
  .memo .line { white-space: pre-wrap; word-break: keep-all; overflow-wrap: anywhere; min-height: 13px;
                line-height: 13px; }
  /* A scroll bar that takes its room, as the desktop memo's does. */
  .memo::-webkit-scrollbar { width: 16px; background: rgb(240, 240, 240); }
  .memo::-webkit-scrollbar-thumb { background: rgb(192, 192, 192); border: 3px solid rgb(240, 240, 240); }
  .secondSE::-webkit-inner-spin-button { opacity: 1; }
  .memo .link { color: rgb(0, 0, 160); text-decoration: underline; cursor: pointer; }
  .news { border: 0; background: white; }
  .cover { position: absolute; inset: 0; display: flex; align-items: center; justify-content: center; }
  .notice { position: relative; min-width: 220px; max-width: 420px; background: rgb(240, 240, 240);
            border: 1px solid rgb(100, 100, 100); box-shadow: 2px 2px 6px rgba(0, 0, 0, 0.4);
            display: flex; flex-direction: column; font-family: NanumGothic, sans-serif; }
  .notice .caption { position: static; background: rgb(0, 84, 166); color: white; padding: 3px 6px;
                     font-weight: bold; }
  .notice .text { position: static; white-space: pre-wrap; padding: 14px 16px; }
  .notice .ok { position: static; align-self: center; margin: 0 0 10px; min-width: 72px; height: 22px;
                font: inherit; }
`;

if (!customElements.get('moyo-scope')) customElements.define('moyo-scope', MoyoScopeElement);
