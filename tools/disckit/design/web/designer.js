// What the page shows and edits: the disc, the view of one state, the selection, and the
// edits, which go to the server one after another.

import {get, post, upload} from './api.js';
import {Selection} from './selection_model.js';
import {SerialQueue} from './serial_queue.js';
import {clearError, setStatus, showError} from './messages.js';

const MAX_UPLOAD = 50 * 1024 * 1024;
// How often the page looks for descriptions changed by another program.
const WATCH_MS = 500;

function stateOf(view) {
  const {language, menu, page, application} = view.state;
  return {language, menu, page, application};
}

// The drawn element for a file index: the element itself, or the application button that
// shows the application at that index.
function drawnFor(view, index) {
  return (
    view.elements.find((element) => element.index === index) ??
    view.elements.find((element) => element.application === index)
  );
}

export class Designer extends EventTarget {
  disc = null;
  view = null;
  version = null;
  history = {undo: 0, redo: 0};
  selection = null;
  trying = false;
  allLanguages = false;
  #queue = new SerialQueue();
  #watching = false;

  get state() {
    return stateOf(this.view);
  }

  get readOnly() {
    return Boolean(this.view?.file.readOnly);
  }

  get editable() {
    return Boolean(this.view) && !this.readOnly && !this.trying;
  }

  #emit(type) {
    this.dispatchEvent(new Event(type));
  }

  async start() {
    try {
      this.disc = await get('/api/disc');
      this.allLanguages = this.disc.languages.length > 1;
      this.#emit('languages');
      await this.#show({language: this.disc.languages[0]?.name});
    } catch (error) {
      showError(error.message);
    }
    setInterval(() => this.#watch(), WATCH_MS);
  }

  // Shows what another program changed in the descriptions, when no edit is under way.
  async #watch() {
    if (!this.view || this.#queue.unfinished > 0 || this.#watching) return;
    this.#watching = true;
    try {
      const {changed} = await get('/api/changes', {language: this.state.language});
      if (changed.length === 0 || this.#queue.unfinished > 0) return;
      await this.#run(async () => {
        await this.#show(this.state);
        setStatus(`${changed.join(', ')} changed on disc; the designer shows it as it is now.`);
      });
    } catch {
      // The next look tries again; a server that is gone shows with the next request.
    } finally {
      this.#watching = false;
    }
  }

  navigate(state) {
    return this.#run(() => this.#show(state));
  }

  setAllLanguages(on) {
    this.allLanguages = on;
    this.#emit('languages');
  }

  // Selects an outline entry, first showing the menu, page and application that draw it.
  showElement(entry) {
    return this.#run(() => this.#showEntry(entry));
  }

  async #showEntry(entry) {
    const {language, menu, page, application} = this.state;
    if (entry.menu && (entry.menu !== menu || entry.page !== page || (entry.application || null) !== application)) {
      await this.#show({language, menu: entry.menu, page: entry.page, application: entry.application || undefined});
    }
    await this.#selectIndex(entry.index);
  }

  // One step of undo that adds, duplicates, deletes or moves elements; with "All languages"
  // in every language's description. `needsSelection`: nothing happens without one.
  restructure(action, extra = {}, needsSelection = false) {
    if (this.readOnly) {
      showError(`${this.view.file.name} is read-only; unpack it to .dat to edit it.`);
      return Promise.resolve();
    }
    return this.#run(async () => {
      const selection = this.selection;
      if (needsSelection && !selection) return;
      const answer = await post('/api/structure', {
        ...extra,
        language: this.state.language,
        version: this.version,
        action,
        index: selection ? (selection.application ?? selection.index) : undefined,
        menu: this.state.menu,
        allLanguages: this.allLanguages,
      });
      this.history = answer.history;
      this.#emit('history');
      clearError();
      setStatus(answer.notice ? `Done, but ${answer.notice}.` : 'Done.');
      this.selection = null;
      await this.#show(this.state);
      const entry = this.view.outline.find((each) => each.index === answer.index);
      if (entry) await this.#showEntry(entry);
      else this.#emit('selection');
    });
  }

  // Writes a picture file into the Menu folder; answers its name on the disc, or null.
  async addPicture(file, use) {
    if (file.size > MAX_UPLOAD) {
      showError(`${file.name} is larger than 50 MB; the designer takes pictures up to 50 MB.`);
      return null;
    }
    try {
      const answer = await upload('/api/upload', {name: file.name, use}, file);
      this.disc = await get('/api/disc');
      setStatus(`Added ${answer.name}.`);
      return answer.name;
    } catch (error) {
      showError(error.message);
      return null;
    }
  }

  // Replaces Menu\menumain.jpg with a picture of the author's; one step of undo.
  replaceBackground(file) {
    if (file.size > MAX_UPLOAD) {
      showError(`${file.name} is larger than 50 MB; the designer takes pictures up to 50 MB.`);
      return Promise.resolve();
    }
    return this.#run(async () => {
      const answer = await upload('/api/upload', {name: file.name, use: 'background', language: this.state.language}, file);
      this.history = answer.history;
      this.#emit('history');
      clearError();
      setStatus('Replaced Menu\\menumain.jpg.');
      await this.#show(this.state);
    });
  }

  setTrying(on) {
    this.trying = on;
    this.#emit('mode');
  }

  // A job in line with the edits; an error answer is shown and the view read again.
  #run(job) {
    return this.#queue.push(async () => {
      try {
        await job();
      } catch (error) {
        this.#queue.clear();
        showError(error.message);
        if (this.selection) this.selection.pending = {};
        await this.#show(this.view ? this.state : {}).catch((again) => showError(again.message));
      }
    });
  }

  // Reads the view of a state; a state that no longer exists falls back to the language's
  // first menu.
  async #show(state) {
    let view;
    try {
      view = await get('/api/view', state);
    } catch (error) {
      if (error.status !== 404 || !state.menu) throw error;
      view = await get('/api/view', {language: state.language});
      showError(error.message);
    }
    this.view = view;
    this.version = view.file.version;
    this.history = view.history;
    if (view.notice) setStatus(view.notice);
    this.#emit('view');
    this.#emit('history');
    await this.#refreshSelection();
  }

  async #refreshSelection() {
    const selection = this.selection;
    if (!selection) return;
    if (selection.language !== this.state.language) {
      this.selection = null;
      this.#emit('selection');
      return;
    }
    selection.element = this.view.elements.find((element) => selection.matches(element)) ?? null;
    await this.#readRecords(selection);
    if (this.#queue.unfinished <= 1) selection.pending = {};
    if (this.selection === selection) this.#emit('selection');
  }

  async #readRecords(selection) {
    const {language} = selection;
    const [record, applicationRecord] = await Promise.all([
      get('/api/element', {language, index: selection.index}),
      selection.application === undefined
        ? null
        : get('/api/element', {language, index: selection.application}),
    ]);
    selection.record = record;
    selection.applicationRecord = applicationRecord;
  }

  // Selects a drawn element (null: nothing).
  select(element) {
    return this.#run(async () => {
      if (!element) {
        this.selection = null;
        this.#emit('selection');
        return;
      }
      await this.#selectIndex(element.index, element);
    });
  }

  async #selectIndex(index, element = drawnFor(this.view, index)) {
    const selection = new Selection(this.state.language, element?.index ?? index, element?.application);
    selection.element = element ?? null;
    await this.#readRecords(selection);
    this.selection = selection;
    this.#emit('selection');
  }

  // Selects the element at a file index of a language, switching to that language first.
  selectIndex(language, index) {
    return this.#run(async () => {
      if (language !== this.state.language) await this.#show({language});
      await this.#selectIndex(index);
    });
  }

  hit(point) {
    return get('/api/hit', {...this.state, ...point}).then(
      (answer) => answer.element,
      (error) => {
        showError(error.message);
        return null;
      },
    );
  }

  tryAt(point) {
    return this.#run(async () => {
      const answer = await post('/api/try', {...this.state, ...point});
      setStatus(answer.action ?? '');
      const {language, menu, page, application} = answer.state;
      await this.#show({language, menu, page, application});
    });
  }

  // Moves or resizes the selection by delta ({x, y} and maybe {width, height}).
  changeRect(delta) {
    const selection = this.selection;
    if (!this.editable || !selection?.movable) return;
    const changes = selection.changesFor(delta);
    Object.assign(selection.pending, changes);
    this.#emit('selection');
    this.edit(selection.index, changes);
  }

  // One undo step: changes maps attribute keys to their new values.
  edit(index, changes) {
    if (this.readOnly) {
      showError(`${this.view.file.name} is read-only; unpack it to .dat to edit it.`);
      return Promise.resolve();
    }
    const language = this.state.language;
    const values = Object.fromEntries(Object.entries(changes).map(([key, value]) => [key, String(value)]));
    return this.#run(async () => {
      const answer = await post('/api/edit', {
        language,
        index,
        changes: values,
        version: this.version,
        allLanguages: this.allLanguages,
      });
      this.version = answer.version;
      this.history = answer.history;
      this.#emit('history');
      clearError();
      const said = Object.entries(values).map(([key, value]) => `${key}=${value}`).join(', ');
      setStatus(answer.notice ? `Saved ${said}, but ${answer.notice}.` : `Saved ${said}.`);
      if (this.#queue.unfinished <= 1) await this.#show(this.state);
    });
  }

  undo() {
    return this.#step('undo');
  }

  redo() {
    return this.#step('redo');
  }

  #step(direction) {
    return this.#run(async () => {
      const answer = await post(`/api/${direction}`, {});
      this.history = answer.history;
      clearError();
      setStatus(direction === 'undo' ? 'Undone.' : 'Redone.');
      const sameLanguage = answer.language === this.state.language;
      await this.#show(sameLanguage ? this.state : {language: answer.language});
      const kept = this.selection;
      if (kept?.index !== answer.index && kept?.application !== answer.index) {
        await this.#selectIndex(answer.index);
      }
    });
  }

  unpack() {
    return this.#run(async () => {
      await post('/api/unpack', {language: this.state.language});
      setStatus(`Unpacked ${this.view.file.name} to .dat.`);
      await this.#show(this.state);
    });
  }
}
