// One attribute's edit field: committed on Enter or when it loses focus, if changed;
// Escape brings back the value as read.

export class Field {
  constructor(key, {multiline, onCommit}) {
    this.key = key;
    this.original = '';
    this.onCommit = onCommit;
    this.label = document.createElement('label');
    this.label.className = 'field';
    const name = document.createElement('span');
    name.className = 'key';
    name.textContent = key;
    this.input = document.createElement(multiline ? 'textarea' : 'input');
    this.input.name = key;
    this.input.spellcheck = false;
    if (multiline) this.input.rows = 4;
    this.row = document.createElement('span');
    this.row.className = 'value';
    this.row.append(this.input);
    this.label.append(name, this.row);
    this.input.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') {
        event.preventDefault();
        this.commit();
      } else if (event.key === 'Escape') {
        this.input.value = this.original;
        this.input.blur();
      }
    });
    this.input.addEventListener('blur', () => this.commit());
  }

  // The value as read from the file; a field being typed in keeps what it holds.
  set(value) {
    this.original = value ?? '';
    if (document.activeElement !== this.input) this.input.value = this.original;
  }

  set disabled(on) {
    this.input.disabled = on;
  }

  commit() {
    const value = this.input.value;
    if (value === this.original) return;
    this.original = value;
    this.onCommit(value);
  }
}
