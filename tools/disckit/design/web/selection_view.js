// The selection's outline over the picture: click selects, drag moves, handles resize,
// arrow keys nudge.

const ARROWS = {ArrowLeft: [-1, 0], ArrowRight: [1, 0], ArrowUp: [0, -1], ArrowDown: [0, 1]};

function isTyping(target) {
  return target.closest('input, textarea, select, [contenteditable]') !== null;
}

// How a drag of (dx, dy) changes the rect: moved as a whole, or one edge or corner resized.
function dragDelta(edge, rect, dx, dy) {
  if (!edge) return {x: dx, y: dy};
  const delta = {x: 0, y: 0, width: 0, height: 0};
  if (edge.includes('w')) {
    delta.x = Math.min(dx, rect.width - 1);
    delta.width = -delta.x;
  } else if (edge.includes('e')) {
    delta.width = Math.max(dx, 1 - rect.width);
  }
  if (edge.includes('n')) {
    delta.y = Math.min(dy, rect.height - 1);
    delta.height = -delta.y;
  } else if (edge.includes('s')) {
    delta.height = Math.max(dy, 1 - rect.height);
  }
  return delta;
}

function isNothing(delta) {
  return Object.values(delta).every((value) => value === 0);
}

export class SelectionView {
  constructor(designer, windowView) {
    this.designer = designer;
    this.windowView = windowView;
    this.outline = document.getElementById('selection');
    for (const type of ['selection', 'view', 'mode']) {
      designer.addEventListener(type, () => this.#render());
    }
    windowView.addEventListener('zoom', () => this.#render());
    windowView.box.addEventListener('pointerdown', (event) => this.#press(event));
    document.addEventListener('keydown', (event) => this.#key(event));
  }

  #render(delta = null) {
    const {designer, outline} = this;
    const selection = designer.selection;
    if (!selection?.element || designer.trying) {
      outline.hidden = true;
      return;
    }
    const zoom = this.windowView.zoom;
    const rect = {...selection.rect};
    for (const [field, value] of Object.entries(delta ?? {})) rect[field] += value;
    outline.hidden = false;
    outline.classList.toggle('fixed', !selection.movable || !designer.editable);
    outline.classList.toggle('moving', delta !== null);
    Object.assign(outline.style, {
      left: `${rect.x * zoom}px`,
      top: `${rect.y * zoom}px`,
      width: `${rect.width * zoom}px`,
      height: `${rect.height * zoom}px`,
    });
    const moving = delta !== null && !('width' in delta);
    if (moving) {
      const drawn = selection.element.rect;
      const {width, height} = designer.view.window;
      Object.assign(outline.style, {
        backgroundImage: `url("${designer.view.picture}")`,
        backgroundSize: `${width * zoom}px ${height * zoom}px`,
        backgroundPosition: `${-drawn.x * zoom}px ${-drawn.y * zoom}px`,
      });
    } else {
      outline.style.backgroundImage = '';
    }
  }

  async #press(event) {
    const {designer, windowView} = this;
    if (designer.trying || event.button !== 0) return;
    event.preventDefault();
    windowView.box.setPointerCapture(event.pointerId);
    const start = windowView.point(event);
    const onOutline = this.outline.contains(event.target);
    const gesture = {
      start,
      point: start,
      edge: event.target.dataset.edge,
      selection: onOutline ? designer.selection : null,
      hit: !onOutline,
      released: false,
    };
    const update = (move) => {
      gesture.point = windowView.point(move);
      if (gesture.selection) this.#render(this.#delta(gesture));
    };
    const release = (up) => {
      update(up);
      gesture.released = true;
      windowView.box.removeEventListener('pointermove', update);
      windowView.box.removeEventListener('pointerup', release);
      windowView.box.removeEventListener('pointercancel', release);
      if (gesture.selection) this.#finish(gesture);
    };
    windowView.box.addEventListener('pointermove', update);
    windowView.box.addEventListener('pointerup', release);
    windowView.box.addEventListener('pointercancel', release);
    if (onOutline) return;
    const element = await designer.hit(start);
    await designer.select(element);
    if (!element) return;
    gesture.selection = designer.selection;
    if (gesture.released) this.#finish(gesture);
    else this.#render(this.#delta(gesture));
  }

  // The change the gesture makes to the selection's rect, or null when it makes none.
  #delta(gesture) {
    const selection = gesture.selection;
    if (selection !== this.designer.selection || !selection.movable || !this.designer.editable) return null;
    const {start, point, edge} = gesture;
    const delta = dragDelta(edge, selection.rect, point.x - start.x, point.y - start.y);
    return isNothing(delta) ? null : delta;
  }

  // A drag writes the new rect; a click on the outline selects what is at that point.
  async #finish(gesture) {
    const {designer} = this;
    const delta = this.#delta(gesture);
    if (delta) {
      designer.changeRect(delta);
      return;
    }
    this.#render();
    if (gesture.hit || gesture.selection !== designer.selection) return;
    const element = await designer.hit(gesture.start);
    if (!element || !gesture.selection.matches(element)) await designer.select(element);
  }

  #key(event) {
    const {designer} = this;
    if (isTyping(event.target) || event.ctrlKey || event.altKey || event.metaKey) return;
    if (event.key === 'Escape' && designer.selection) {
      designer.select(null);
      return;
    }
    const arrow = ARROWS[event.key];
    if (!arrow || !designer.selection?.movable || !designer.editable) return;
    event.preventDefault();
    const step = event.shiftKey ? 10 : 1;
    designer.changeRect({x: arrow[0] * step, y: arrow[1] * step});
  }
}
