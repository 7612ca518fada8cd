// The banner for a language that has only a packed .bin file, with its unpack button.

export class ReadOnlyBanner {
  constructor(designer) {
    this.designer = designer;
    this.banner = document.getElementById('readonly');
    this.text = document.getElementById('readonly-text');
    document.getElementById('unpack').addEventListener('click', () => designer.unpack());
    designer.addEventListener('view', () => this.#render());
  }

  #render() {
    const {file} = this.designer.view;
    this.banner.hidden = !file.readOnly;
    document.body.classList.toggle('read-only', file.readOnly);
    this.text.textContent = file.readOnly
      ? `${file.name} is packed and cannot be edited here. Unpack it to a .dat file to edit this language.`
      : '';
  }
}
