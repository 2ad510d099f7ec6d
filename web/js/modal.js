// A modal box holds the keyboard while it is open, as the desktop's modal
// windows do: Tab and Shift+Tab go round the box's own controls, Escape
// answers as the box's cancel, a press on the cover behind it leaves the focus
// where it is, and closing hands the focus back (to returnTo, the element).
// `scope` is what the box is modal over: the document (the print dialog) or
// one element (its notices), whose keys the box takes while it is the newest
// box of that scope.
class MoyoModal {
  constructor({ box, cover, scope, escape, returnTo }) {
    Object.assign(this, { box, cover, scope, returnTo });
    this.onKey = (event) => {
      if (!this.isNewest()) return;
      if (event.key === 'Escape' && escape) {
        event.preventDefault();
        escape();
      } else if (event.key === 'Tab') {
        this.tab(event);
      }
    };
    this.onPress = (event) => {
      if (!event.composedPath().includes(box)) event.preventDefault();
    };
    // Focus moved out of a box modal over the page (by the page's script, say)
    // comes back to it.
    this.onFocus = (event) => {
      if (this.isNewest() && !event.composedPath().includes(box)) this.controls()[0]?.focus();
    };
    scope.addEventListener('keydown', this.onKey, true);
    cover.addEventListener('mousedown', this.onPress);
    if (scope === document) document.addEventListener('focusin', this.onFocus);
    MoyoModal.open.push(this);
  }

  isNewest() {
    return MoyoModal.open.findLast((modal) => modal.scope === this.scope) === this;
  }

  // The box's controls that take the focus, in the order Tab visits them.
  controls() {
    return [...this.box.querySelectorAll('button, input, select, textarea, [tabindex]')]
      .filter((control) => !control.disabled && control.tabIndex >= 0 &&
                           control.getClientRects().length > 0);
  }

  // Tab within the box is the browser's; from its last control (Shift+Tab:
  // its first), or from outside it, the focus goes round to the other end.
  tab(event) {
    const controls = this.controls();
    const [first, last] = [controls[0], controls[controls.length - 1]];
    const at = MoyoModal.focused();
    if (controls.includes(at) && at !== (event.shiftKey ? first : last)) return;
    event.preventDefault();
    (event.shiftKey ? last : first)?.focus();
  }

  // Takes the box and its cover away; the focus goes back to the box below of
  // the same scope, else to returnTo, unless it was taken elsewhere meanwhile.
  close() {
    const at = MoyoModal.focused();
    const held = !at || at === document.body || at === this.returnTo || this.box.contains(at) ||
                 this.cover.contains(at);
    this.scope.removeEventListener('keydown', this.onKey, true);
    this.cover.removeEventListener('mousedown', this.onPress);
    document.removeEventListener('focusin', this.onFocus);
    MoyoModal.open.splice(MoyoModal.open.indexOf(this), 1);
    this.cover.remove();
    if (!held) return;
    const below = MoyoModal.open.findLast((modal) => modal.scope === this.scope);
    const next = below ? below.controls()[0] : this.returnTo;
    next?.focus({ preventScroll: true });
  }

  // The focused node, looked for inside open shadow trees.
  static focused() {
    let node = document.activeElement;
    while (node?.shadowRoot?.activeElement) node = node.shadowRoot.activeElement;
    return node;
  }
}

MoyoModal.open = [];
