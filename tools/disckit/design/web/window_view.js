// The window's picture at the chosen zoom, and window coordinates for pointer events.

import {showError} from './messages.js';

export class WindowView extends EventTarget {
  zoom = 1;

  constructor(designer) {
    super();
    this.designer = designer;
    this.box = document.getElementById('window');
    this.picture = document.getElementById('picture');
    this.pointer = document.getElementById('pointer');
    designer.addEventListener('view', () => this.#render());
    designer.addEventListener('mode', () => this.box.classList.toggle('trying', designer.trying));
    for (const button of document.querySelectorAll('[data-zoom]')) {
      button.addEventListener('click', () => this.#setZoom(Number(button.dataset.zoom)));
    }
    this.box.addEventListener('pointermove', (event) => {
      const {x, y} = this.point(event);
      this.pointer.textContent = `${x}, ${y}`;
    });
    // A picture the server cannot draw comes with a JSON answer that says why.
    this.picture.addEventListener('error', () => this.#explain(this.picture.src));
    this.box.addEventListener('pointerleave', () => (this.pointer.textContent = ''));
    this.box.addEventListener('click', (event) => {
      if (designer.trying) designer.tryAt(this.point(event));
    });
  }

  // The window pixel under a pointer event.
  point(event) {
    const bounds = this.box.getBoundingClientRect();
    return {
      x: Math.floor((event.clientX - bounds.left) / this.zoom),
      y: Math.floor((event.clientY - bounds.top) / this.zoom),
    };
  }

  async #explain(address) {
    const answer = await fetch(address).then((response) => response.json()).catch(() => ({}));
    showError(`The window cannot be drawn: ${answer.error ?? 'the designer did not answer'}.`);
  }

  #setZoom(zoom) {
    this.zoom = zoom;
    for (const button of document.querySelectorAll('[data-zoom]')) {
      button.setAttribute('aria-pressed', String(Number(button.dataset.zoom) === zoom));
    }
    this.#render();
    this.dispatchEvent(new Event('zoom'));
  }

  #render() {
    const view = this.designer.view;
    if (!view) return;
    this.box.style.width = `${view.window.width * this.zoom}px`;
    this.box.style.height = `${view.window.height * this.zoom}px`;
    if (this.picture.getAttribute('src') !== view.picture) this.picture.src = view.picture;
  }
}
