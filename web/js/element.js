// <moyo-scope src="NAME-or-URL" level="L" news="URL">: the viewer in a page.
// Servers come from the attributes record-server and web-server, else from
// window.MoyoscopeConfig = { recordServer, webServer }, else the page's own host.
// The attribute cell sets the pixels a point (26 unless given).
// Members: getFile(fileName, level) -> Promise, goQNA() -> "yes" or "no", News.
// Events (bubbling out of the element): create, destroy, paint, keypress
// (detail.key may be replaced); click and dblclick are the element's own.
class MoyoScopeElement extends HTMLElement {
  static get observedAttributes() { return ['src', 'level', 'news']; }

  constructor() {
    super();
    this.root = this.attachShadow({ mode: 'open' });
    this.root.innerHTML =
        `<style>${MoyoScopeElement.style}${MoyoReferencePanel.style}</style><div class="view"></div>`;
    this.view = null;
    this.news = '';
    this.ready = null;
    this.root.addEventListener('keypress', (event) => event.stopPropagation());
    this.addEventListener('keydown', (event) => this.key(event));
  }

  connectedCallback() {
    if (!this.hasAttribute('tabindex')) this.tabIndex = 0;
    const cell = Number(this.getAttribute('cell')) || 26;
    MoyoLoader.prefetch(cell);
    this.ready = this.ready || MoyoLoader.module().then(async (module) => {
      const host = this.root.querySelector('.view');
      this.view = new MoyoBoardView(module, host, cell);
      this.view.onChange = () => this.fire('paint');
      this.reference = new MoyoReferencePanel(module, this.root, this.view.viewer);
      await this.view.setCell(cell);
      this.fire('create');
      this.fire('paint');
    });
    const src = this.getAttribute('src');
    if (src) this.getFile(src, this.getAttribute('level') || '').catch(() => {});
    if (this.getAttribute('news')) this.News = this.getAttribute('news');
  }

  disconnectedCallback() {
    if (!this.view) return;
    this.fire('destroy');
    this.reference.destroy();
    this.view.destroy();
    this.view = null;
    this.ready = null;
  }

  attributeChangedCallback(name, before, after) {
    if (!this.isConnected || before === after) return;
    if (name === 'src' && after) this.getFile(after, this.getAttribute('level') || '').catch(() => {});
    if (name === 'news') this.News = after || '';
  }

  // Opens the news panel on the address; an empty text changes nothing, and
  // reading it gives nothing back, as the control's property does.
  get News() { return undefined; }
  set News(address) {
    if (!address) return;
    this.news = String(address);
    if (this.ready) this.ready.then(() => this.view?.showNews(this.news));
  }

  config(attribute, key) {
    const global = window.MoyoscopeConfig || {};
    return this.getAttribute(attribute) || global[key] || location.host;
  }

  // Downloads and shows a record; resolves once it is on the board, rejects
  // (leaving the board as it was) when the download or the read fails.
  async getFile(fileName, level = '') {
    // The download runs while the board is still being set up.
    const module = await MoyoLoader.module();
    const args = [String(fileName), String(level), this.config('record-server', 'recordServer'),
                  this.config('web-server', 'webServer')].map((t) => MoyoLoader.withString(module, t));
    const [kind, url] = module.UTF8ToString(module._moyo_record_road(...args)).split('\n');
    args.forEach((p) => module._free(p));
    this.setAttribute('loading', '');
    try {
      const response = await fetch(url);
      if (!response.ok) throw new Error(`${url}: ${response.status}`);
      const body = new Uint8Array(await response.arrayBuffer());
      await this.ready;
      if (!this.view) throw new Error('the viewer is gone');
      const result = this.view.load(body, kind, String(level));
      // Message 7 of the table: no record of that number.
      if (result === 3) throw new Error(module.UTF8ToString(module._moyo_message(7)));
      if (result !== 0) throw new Error(`${url}: not a record the viewer can show`);
      this.fire('paint');
    } finally {
      this.removeAttribute('loading');
    }
  }

  // The game up to the move on the board as the question-and-answer file: offered
  // to the user as "qna.NGF" (the browser decides whether to keep it). "yes"
  // once offered, "no" without a record.
  goQNA() {
    if (!this.view || this.view.lastMove === 0) return 'no';
    const bytes = this.view.qna();
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
  get move() { return this.view ? this.view.move : 0; }
  get lastMove() { return this.view ? this.view.lastMove : 0; }
  step(delta) { this.view.step(delta); this.fire('paint'); }
  // Opens a reference-diagram text in the element's panel, on the board's position.
  openReference(diagram, flipped = false) { return this.reference.openOnViewer(diagram, flipped); }
  goTo(move) { this.view.goTo(move); this.fire('paint'); }

  key(event) {
    if (!this.view || event.key.length !== 1 && !event.key.startsWith('Arrow')) return;
    const detail = { key: event.key };
    this.fire('keypress', detail);
    const steps = { ArrowRight: 1, ArrowLeft: -1, ArrowUp: -5, ArrowDown: 5 };
    if (detail.key in steps) {
      event.preventDefault();
      this.step(steps[detail.key]);
    }
  }

  fire(name, detail) {
    this.dispatchEvent(new CustomEvent(name, { detail, bubbles: true, composed: true }));
  }
}

MoyoScopeElement.style = `
  :host { display: inline-block; position: relative; font: 12px NanumGothic, sans-serif;
          background: #e5e5e5; padding: 4px; }
  :host([loading]) .board { opacity: 0.6; }
  .board { display: block; image-rendering: pixelated; }
  .title { font-weight: bold; }
  .info, .comment { white-space: pre-wrap; }
  .nav button { min-width: 2.5em; }
  .news { display: block; width: 100%; height: 165px; border: 1px solid #999; }
`;

if (!customElements.get('moyo-scope')) customElements.define('moyo-scope', MoyoScopeElement);
