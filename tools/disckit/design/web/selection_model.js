// The selected element: where it is drawn, its attributes as read, and the values sent
// to the server but not read back yet.

const GEOMETRY = [
  ['positionX', 'x'],
  ['positionY', 'y'],
  ['width', 'width'],
  ['height', 'height'],
];

export function attribute(record, key) {
  return record?.attributes.find((item) => item.key === key)?.value;
}

export class Selection {
  constructor(language, index, application) {
    this.language = language;
    this.index = index;
    this.application = application;
    this.element = null;
    this.record = null;
    this.applicationRecord = null;
    this.pending = {};
  }

  get key() {
    return `${this.language}:${this.index}:${this.application ?? ''}`;
  }

  get movable() {
    return Boolean(this.element && this.record && this.element.kind !== 'window');
  }

  matches(element) {
    return this.application === undefined
      ? element.index === this.index && element.application === undefined
      : element.index === this.index && element.application === this.application;
  }

  // The number the file holds for a geometry key, or the drawn one when the file has none.
  #read(key, field) {
    const value = Number.parseInt(attribute(this.record, key), 10);
    return Number.isNaN(value) ? this.element.rect[field] : value;
  }

  value(key, field) {
    return this.pending[key] ?? this.#read(key, field);
  }

  // The rect as it will be once the pending values are written.
  get rect() {
    const rect = {...this.element.rect};
    for (const [key, field] of GEOMETRY) {
      if (key in this.pending) rect[field] += this.pending[key] - this.#read(key, field);
    }
    return rect;
  }

  // The attribute values that move and resize the drawn rect by delta.
  changesFor(delta) {
    const changes = {};
    for (const [key, field] of GEOMETRY) {
      if (field in delta) changes[key] = this.value(key, field) + delta[field];
    }
    return changes;
  }
}
