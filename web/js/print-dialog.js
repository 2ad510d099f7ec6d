// The print options dialog inside the page, laid out as the desktop's: the
// printer's page in dots, the margins and grid size, and the print method.
// The module corrects each field when it is left, by the desktop's rules.
// run(module, returnTo) resolves to the fields text on OK (a line a field, in
// the module's order) or null on Cancel (Escape too); notice(module, id,
// returnTo) shows a message. Both are modal over the page and give the focus
// to returnTo when they close.
const MoyoPrintDialog = (() => {
  // The fields in the order of the module's text; the last two are the
  // list's item and the checked method.
  const order = ['edTMar', 'edLMar', 'edGrid', 'edWidth', 'edHeight', 'edSPos', 'edEPos', 'edDNum'];
  // Which correction leaving a field runs: the page fields check all three.
  const exits = { edTMar: 'edTMar', edLMar: 'edTMar', edGrid: 'edTMar',
                  edSPos: 'edSPos', edEPos: 'edEPos', edDNum: 'edDNum' };

  const style = `
    .layer { position: fixed; inset: 0; z-index: 2147483647; }
    .form { position: absolute; left: 50%; top: 50%; transform: translate(-50%, -50%);
            border: 1px solid #404040; background: #e5e5e5; box-shadow: 2px 2px 6px #0006;
            font: 12px NanumGothicCoding, NanumGothic, monospace; color: #000; }
    .caption { height: 22px; line-height: 22px; padding: 0 6px; color: #fff;
               background: linear-gradient(#3d6fb8, #24508f); user-select: none; }
    .client { position: relative; width: 379px; height: 189px; }
    .client * { position: absolute; box-sizing: border-box; margin: 0; font: inherit; }
    .group { border: 1px solid #a0a0a0; border-radius: 2px; }
    .group > .title { padding: 0 2px; background: #e5e5e5; white-space: pre; }
    label, .text { white-space: pre; line-height: 12px; }
    input[type=text] { height: 20px; padding: 0 2px; border: 1px solid #7a7a7a; background: #fff; }
    input[type=text]:disabled, select:disabled { background: #f0f0f0; color: #6d6d6d; }
    .client label input { position: static; margin: 0 4px 0 0; }
    label { display: flex; align-items: center; }
    select { height: 20px; padding: 0; }
    .range { color: #00f; }
    .bevel { border-top: 1px solid #fff; border-left: 1px solid #fff;
             border-bottom: 1px solid #808080; border-right: 1px solid #808080; }
    button { width: 70px; height: 24px; border: 1px solid #000; color: #000; white-space: pre;
             background: linear-gradient(#ececec, #c0c0c0); }
    button:focus { outline: none; color: #fff; background: linear-gradient(#a0a0a0, #707070); }
    .notice { width: 260px; height: auto; position: relative; padding: 16px 12px 44px; }
    .notice .text { position: static; white-space: pre-wrap; line-height: 16px; }
    .notice button { left: calc(50% - 35px); bottom: 10px; }
  `;

  // A modal layer over the page with a form captioned by message id; escape
  // closes it as its cancel does.
  function layer(module, captionId, returnTo, escape) {
    const host = document.createElement('div');
    host.className = 'moyo-print-dialog';
    const root = host.attachShadow({ mode: 'open' });
    root.innerHTML = `<style>${style}</style><div class="layer"><div class="form" role="dialog">` +
                     '<div class="caption"></div><div class="client"></div></div></div>';
    root.querySelector('.caption').textContent = message(module, captionId);
    document.body.appendChild(host);
    const modal = new MoyoModal({ box: root.querySelector('.form'), cover: host, scope: document,
                                  escape, returnTo });
    return { modal, root, client: root.querySelector('.client') };
  }

  function message(module, id) {
    return module.UTF8ToString(module._moyo_message(id));
  }

  // Adds an element of tag to parent at left, top (width x height when given).
  function place(parent, tag, left, top, width, height, props = {}) {
    const element = document.createElement(tag);
    Object.assign(element.style, { left: `${left}px`, top: `${top}px` });
    if (width) Object.assign(element.style, { width: `${width}px`, height: `${height}px` });
    Object.assign(element, props);
    parent.appendChild(element);
    return element;
  }

  function group(parent, left, top, width, height, title) {
    const box = place(parent, 'div', left, top, width, height, { className: 'group' });
    place(box, 'span', 7, -8, 0, 0, { className: 'title', textContent: title });
    return box;
  }

  function notice(module, id, returnTo) {
    return new Promise((done) => {
      const close = () => { modal.close(); done(); };
      const { modal, client } = layer(module, 2, returnTo, close);
      client.className = 'client notice';
      const text = Object.assign(document.createElement('div'),
                                 { className: 'text', textContent: message(module, id) });
      const ok = Object.assign(document.createElement('button'), { textContent: 'OK' });
      client.append(text, ok);
      ok.addEventListener('click', close);
      ok.focus();
    });
  }

  function run(module, returnTo) {
    return new Promise((done) => {
      const close = (result) => { modal.close(); done(result); };
      const { modal, root, client } = layer(module, 46, returnTo, () => close(null));
      const f = {};
      const gbPrint = group(client, 9, 10, 130, 133, message(module, 47));
      const pageRows = [['Label3', 'edHeight', 48, 22, 18], ['Label4', 'edWidth', 49, 42, 38],
                        ['Label1', 'edTMar', 50, 62, 58], ['Label2', 'edLMar', 51, 82, 78],
                        ['Label6', 'edGrid', 52, 102, 98]];
      for (const [label, edit, id, labelTop, editTop] of pageRows) {
        place(gbPrint, 'span', 12, labelTop, 0, 0, { className: 'text', textContent: message(module, id) })
          .id = label;
        f[edit] = place(gbPrint, 'input', 73, editTop, 43, 20, { type: 'text', name: edit });
      }
      const gbState = group(client, 148, 10, 220, 133, message(module, 53));
      const radio = (name, top, width, id) => {
        const label = place(gbState, 'label', 11, top, width, 17);
        f[name] = document.createElement('input');
        Object.assign(f[name], { type: 'radio', name: 'method', id: name });
        label.append(f[name], message(module, id));
        return f[name];
      };
      radio('rbTotal', 20, 115, 54);
      const count = module._moyo_print_move_count();
      place(gbState, 'span', 140, 22, 0, 0, { className: 'text range',
            textContent: `${message(module, 62)} ${count} ${message(module, 44)}` });
      radio('rbRange', 50, 115, 55);
      f.edSPos = place(gbState, 'input', 131, 48, 30, 20, { type: 'text', name: 'edSPos' });
      place(gbState, 'div', 165, 57, 7, 2, { className: 'bevel' });
      f.edEPos = place(gbState, 'input', 176, 48, 30, 20, { type: 'text', name: 'edEPos' });
      radio('rbSplit', 81, 56, 56);
      f.edDNum = place(gbState, 'input', 70, 79, 30, 20, { type: 'text', name: 'edDNum' });
      place(gbState, 'span', 106, 83, 0, 0, { className: 'text', textContent: message(module, 57) });
      place(gbState, 'span', 29, 104, 0, 0, { className: 'text', textContent: message(module, 58) });
      f.cbNDiv = place(gbState, 'select', 101, 100, 41, 20, { name: 'cbNDiv' });
      for (const item of ['1', '2', '4']) f.cbNDiv.add(new Option(item, item));
      place(gbState, 'span', 148, 104, 0, 0, { className: 'text', textContent: message(module, 59) });
      const okBtn = place(client, 'button', 224, 155, 70, 24, { textContent: message(module, 60) });
      const ccBtn = place(client, 'button', 298, 155, 70, 24, { textContent: message(module, 61) });

      const fieldsText = () => [...order.map((name) => f[name].value.replace(/[\r\n]/g, '')),
        String(f.cbNDiv.selectedIndex),
        String(f.rbTotal.checked ? 1 : f.rbRange.checked ? 2 : f.rbSplit.checked ? 3 : 4)]
        .join('\n') + '\n';
      const show = (text) => {
        const lines = text.split('\n');
        order.forEach((name, i) => { f[name].value = lines[i]; });
        f.cbNDiv.selectedIndex = Number(lines[8]);
        return Number(lines[9]);
      };
      const rbRangeClick = () => {
        f.edDNum.disabled = true;
        f.cbNDiv.disabled = true;
        f.rbSplit.checked = false;
        f.edSPos.disabled = f.edEPos.disabled = !f.rbRange.checked;
      };
      const rbSplitClick = () => {
        f.rbTotal.checked = f.rbRange.checked = false;
        f.edSPos.disabled = f.edEPos.disabled = true;
        f.cbNDiv.disabled = false;
        f.edDNum.disabled = !f.rbSplit.checked;
      };
      f.rbTotal.addEventListener('click', rbRangeClick);
      f.rbRange.addEventListener('click', rbRangeClick);
      f.rbSplit.addEventListener('click', rbSplitClick);
      for (const [name, left] of Object.entries(exits)) {
        // Each field is checked whenever the focus leaves it, changed or not.
        f[name].addEventListener('blur', () => {
          const ptrs = [left, fieldsText()].map((t) => MoyoLoader.withString(module, t));
          show(module.UTF8ToString(module._moyo_print_field_left(...ptrs)));
          ptrs.forEach((p) => module._free(p));
        });
      }
      okBtn.addEventListener('click', () => close(fieldsText()));
      ccBtn.addEventListener('click', () => close(null));
      root.addEventListener('keydown', (event) => event.stopPropagation());

      // FormShow: the stored options, the record's range, the method's fields enabled.
      const method = show(module.UTF8ToString(module._moyo_print_fields()));
      for (const name of ['edSPos', 'edEPos', 'edDNum', 'cbNDiv']) f[name].disabled = true;
      const checked = { 1: f.rbTotal, 2: f.rbRange, 3: f.rbSplit }[method];
      if (checked) {
        checked.checked = true;
        (method === 3 ? rbSplitClick : rbRangeClick)();
      }
      okBtn.focus();
    });
  }

  return { run, notice };
})();
