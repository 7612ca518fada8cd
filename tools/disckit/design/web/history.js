// Undo and redo: the buttons with the server's history counts, and their keys.

function isTyping(target) {
  return target.closest('input, textarea, [contenteditable]') !== null;
}

export class History {
  constructor(designer) {
    this.designer = designer;
    this.undo = document.getElementById('undo');
    this.redo = document.getElementById('redo');
    this.undo.addEventListener('click', () => designer.undo());
    this.redo.addEventListener('click', () => designer.redo());
    designer.addEventListener('history', () => this.#render());
    document.addEventListener('keydown', (event) => this.#key(event));
  }

  #render() {
    const {undo, redo} = this.designer.history;
    this.undo.disabled = undo === 0;
    this.redo.disabled = redo === 0;
    this.undo.textContent = undo ? `Undo (${undo})` : 'Undo';
    this.redo.textContent = redo ? `Redo (${redo})` : 'Redo';
  }

  #key(event) {
    if (!(event.ctrlKey || event.metaKey) || event.altKey || isTyping(event.target)) return;
    const key = event.key.toLowerCase();
    if (key === 'z' && !event.shiftKey) {
      event.preventDefault();
      this.designer.undo();
    } else if ((key === 'z' && event.shiftKey) || key === 'y') {
      event.preventDefault();
      this.designer.redo();
    }
  }
}
