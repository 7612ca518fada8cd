// The structure bar: adding, duplicating, deleting and moving elements, the "All languages"
// switch, and the dialog that asks what to add.

function isTyping(target) {
  return target.closest('input, textarea, select, [contenteditable]') !== null;
}

function labelled(text, control) {
  const label = document.createElement('label');
  label.append(text, control);
  return label;
}

function choice(options) {
  const select = document.createElement('select');
  select.required = true;
  select.replaceChildren(...options.map((option) => new Option(option, option)));
  return select;
}

const FIELDS = [
  ['title', 'Title'],
  ['description', 'Description'],
  ['screen', 'Screenshot'],
];

export class StructureBar {
  constructor(designer) {
    this.designer = designer;
    this.bar = document.getElementById('structure');
    this.dialog = document.getElementById('add-dialog');
    this.allLanguages = document.getElementById('all-languages');
    this.allLanguages.addEventListener('change', () => designer.setAllLanguages(this.allLanguages.checked));
    this.bar.addEventListener('click', (event) => {
      const button = event.target.closest('button');
      if (!button) return;
      if (button.dataset.action) designer.restructure(button.dataset.action);
      if (button.dataset.ask) this.#ask(button.dataset.ask);
    });
    document.addEventListener('keydown', (event) => this.#key(event));
    designer.addEventListener('languages', () => this.#renderLanguages());
    for (const type of ['selection', 'view', 'mode']) designer.addEventListener(type, () => this.#render());
  }

  #renderLanguages() {
    const many = (this.designer.disc?.languages.length ?? 0) > 1;
    this.allLanguages.checked = this.designer.allLanguages;
    this.allLanguages.disabled = !many;
  }

  #render() {
    const editable = this.designer.editable;
    const selected = Boolean(this.designer.selection);
    for (const button of this.bar.querySelectorAll('button')) {
      button.disabled = !editable || (button.hasAttribute('data-selection') && !selected);
    }
  }

  #key(event) {
    if (isTyping(event.target) || !this.designer.editable || this.dialog.open) return;
    let action = null;
    if ((event.ctrlKey || event.metaKey) && !event.altKey && event.key.toLowerCase() === 'd') action = 'duplicate';
    else if (event.key === 'Delete' && !event.ctrlKey && !event.altKey) action = 'delete';
    else if (event.altKey && event.key === 'ArrowUp') action = 'moveUp';
    else if (event.altKey && event.key === 'ArrowDown') action = 'moveDown';
    if (!action) return;
    event.preventDefault();
    // In line after a selection still being read.
    this.designer.restructure(action, {}, true);
  }

  // Asks for what a button, banner or field needs, then adds it.
  #ask(kind) {
    const {disc} = this.designer;
    const fields = document.getElementById('add-fields');
    const title = document.getElementById('add-title');
    const controls = {};
    if (kind === 'button') {
      title.textContent = 'Add button';
      controls.name = choice(disc.buttonNames);
      controls.image = choice(disc.bitmaps);
      fields.replaceChildren(labelled('Name ', controls.name), labelled('Bitmap strip ', controls.image));
    } else if (kind === 'banner') {
      title.textContent = 'Add banner';
      controls.image = choice(disc.pictures);
      controls.timer = Object.assign(document.createElement('input'), {type: 'number', min: '0', value: '0'});
      fields.replaceChildren(
        labelled('Picture ', controls.image),
        labelled('Frame time in ms (0: still) ', controls.timer),
      );
    } else {
      title.textContent = 'Add field';
      controls.name = document.createElement('select');
      controls.name.replaceChildren(...FIELDS.map(([value, text]) => new Option(text, value)));
      fields.replaceChildren(labelled('Field ', controls.name));
    }
    this.dialog.onclose = () => {
      if (this.dialog.returnValue !== 'add') return;
      const extra = Object.fromEntries(Object.entries(controls).map(([key, control]) => [key, control.value]));
      const action = {button: 'addButton', banner: 'addBanner', field: 'addField'}[kind];
      this.designer.restructure(action, extra);
    };
    this.dialog.returnValue = '';
    this.dialog.showModal();
  }
}
