// The outline: every element of the shown description in file order, a menu holding its
// templates and applications. A click (or Enter) selects the element and shows its state.

function treeItem(entry, selected) {
  const item = document.createElement('li');
  item.setAttribute('role', 'treeitem');
  item.setAttribute('aria-label', entry.label);
  item.setAttribute('aria-level', String(entry.level + 1));
  item.setAttribute('aria-selected', String(selected));
  item.tabIndex = selected ? 0 : -1;
  item.dataset.index = String(entry.index);
  const label = document.createElement('span');
  label.className = 'label';
  label.textContent = entry.label;
  item.append(label);
  if (!entry.drawn) {
    item.classList.add('not-drawn');
    item.title = 'Not drawn in the state shown';
  }
  return item;
}

export class Outline {
  constructor(designer) {
    this.designer = designer;
    this.root = document.getElementById('outline');
    this.root.addEventListener('click', (event) => {
      const item = event.target.closest('[role="treeitem"]');
      if (item) this.#choose(Number(item.dataset.index));
    });
    this.root.addEventListener('keydown', (event) => this.#key(event));
    designer.addEventListener('view', () => this.#render());
    designer.addEventListener('selection', () => this.#mark());
  }

  get #selectedIndex() {
    const selection = this.designer.selection;
    return selection ? (selection.application ?? selection.index) : null;
  }

  #render() {
    const selected = this.#selectedIndex;
    const items = [];
    let group = null;
    for (const entry of this.designer.view.outline) {
      const item = treeItem(entry, entry.index === selected);
      if (entry.level === 0) {
        items.push(item);
        group = null;
        continue;
      }
      const parent = items[items.length - 1];
      if (!group && parent) {
        group = document.createElement('ul');
        group.setAttribute('role', 'group');
        parent.setAttribute('aria-expanded', 'true');
        parent.append(group);
      }
      (group ?? this.root).append(item);
      if (!parent) items.push(item);
    }
    this.root.replaceChildren(...items);
    if (!this.root.querySelector('[tabindex="0"]')) {
      const first = this.root.querySelector('[role="treeitem"]');
      if (first) first.tabIndex = 0;
    }
  }

  #mark() {
    const selected = this.#selectedIndex;
    for (const item of this.root.querySelectorAll('[role="treeitem"]')) {
      const on = Number(item.dataset.index) === selected;
      item.setAttribute('aria-selected', String(on));
      item.tabIndex = on ? 0 : -1;
      if (on) item.scrollIntoView({block: 'nearest'});
    }
    if (selected !== null && !this.root.querySelector('[tabindex="0"]')) {
      const first = this.root.querySelector('[role="treeitem"]');
      if (first) first.tabIndex = 0;
    }
  }

  #choose(index) {
    const entry = this.designer.view.outline.find((each) => each.index === index);
    if (entry) this.designer.showElement(entry);
  }

  #key(event) {
    const items = [...this.root.querySelectorAll('[role="treeitem"]')];
    const at = items.indexOf(event.target.closest('[role="treeitem"]'));
    if (at < 0) return;
    let next = null;
    if (event.key === 'ArrowDown') next = items[at + 1];
    else if (event.key === 'ArrowUp') next = items[at - 1];
    else if (event.key === 'Home') next = items[0];
    else if (event.key === 'End') next = items[items.length - 1];
    else if (event.key === 'Enter' || event.key === ' ') {
      event.preventDefault();
      event.stopPropagation();
      this.#choose(Number(items[at].dataset.index));
      return;
    } else return;
    event.preventDefault();
    event.stopPropagation();
    if (!next) return;
    items[at].tabIndex = -1;
    next.tabIndex = 0;
    next.focus();
  }
}
