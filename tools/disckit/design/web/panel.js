// The side panel: what is selected, where it is in the file, and a field per key the
// menu reads on it.

import {Field} from './field.js';
import {addPicturePicker} from './picture_picker.js';
import {attribute} from './selection_model.js';

function element(tag, className, text) {
  const node = document.createElement(tag);
  if (className) node.className = className;
  if (text !== undefined) node.textContent = text;
  return node;
}

export class Panel {
  constructor(designer) {
    this.designer = designer;
    this.root = document.getElementById('panel');
    this.shown = null;
    this.groups = [];
    designer.addEventListener('selection', () => this.#render());
  }

  #render() {
    const selection = this.designer.selection;
    if (!selection?.record) {
      this.shown = null;
      this.groups = [];
      this.root.replaceChildren(element('p', 'empty', 'Click an element of the window to edit it.'));
      return;
    }
    if (this.shown !== selection.key) this.#build(selection);
    this.#fill(selection);
  }

  #build(selection) {
    const {record, applicationRecord, element: drawn} = selection;
    this.shown = selection.key;
    const head = element('div', 'head');
    const name = drawn?.name || attribute(record, 'name') || attribute(record, 'title') || record.tag;
    head.append(
      element('h2', 'name', name),
      element('span', 'kind', drawn?.kind ?? record.tag),
      element('span', 'where', `${record.file}:${record.line}`),
    );
    this.root.replaceChildren(head);
    this.notShown = element('p', 'note not-shown', 'Not shown in this state.');
    this.root.append(this.notShown);
    if (drawn?.movesTemplate) this.root.append(element('p', 'note', this.#templateNote(selection)));
    this.groups = [this.#group(record, applicationRecord ? 'Button template' : null)];
    if (record.tag === 'window') this.root.append(this.#backgroundInput());
    if (applicationRecord) this.groups.push(this.#group(applicationRecord, 'Application'));
  }

  #backgroundInput() {
    const label = element('label', 'background', 'Replace background (Menu\\menumain.jpg) ');
    const input = document.createElement('input');
    input.type = 'file';
    input.accept = 'image/png,image/gif,image/bmp,image/jpeg';
    input.addEventListener('change', () => {
      if (input.files[0]) this.designer.replaceBackground(input.files[0]);
    });
    label.append(input);
    return label;
  }

  #templateNote(selection) {
    const shared = this.designer.view.elements.filter((other) => other.index === selection.index).length > 1;
    const line = selection.record.line;
    return shared
      ? `Moving or resizing this button changes its template, the <menuitem> at line ${line}, and with it every application button of this menu.`
      : `Moving or resizing this button changes its template, the <menuitem> at line ${line}.`;
  }

  #group(record, title) {
    const box = element('fieldset', 'group');
    box.dataset.index = record.index;
    if (title) box.append(element('legend', null, `${title} · <${record.tag}> line ${record.line}`));
    const fields = record.keys.map((key) => {
      const field = new Field(key, {
        multiline: key === 'description',
        onCommit: (value) => this.designer.edit(record.index, {[key]: value}),
      });
      box.append(field.label);
      const list = record.pictureKeys?.[key];
      if (list) {
        const use = list === 'bitmaps' ? 'button' : 'picture';
        addPicturePicker(field, this.designer.disc[list] ?? [], (file) => this.designer.addPicture(file, use));
      }
      return field;
    });
    this.root.append(box);
    return {index: record.index, fields};
  }

  #fill(selection) {
    const records = [selection.record, selection.applicationRecord].filter(Boolean);
    this.notShown.hidden = Boolean(selection.element);
    for (const [at, group] of this.groups.entries()) {
      for (const field of group.fields) {
        const pending = at === 0 ? selection.pending[field.key] : undefined;
        field.set(pending === undefined ? attribute(records[at], field.key) : String(pending));
        field.disabled = this.designer.readOnly;
      }
    }
  }
}
