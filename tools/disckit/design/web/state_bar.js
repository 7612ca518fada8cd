// The state shown: language, menu, page and application selects, and the Try switch.

function fill(select, options, value) {
  select.replaceChildren(
    ...options.map(([optionValue, label]) => new Option(label, optionValue, false, optionValue === String(value))),
  );
  select.disabled = options.length < 2;
}

function numbers(count) {
  return Array.from({length: count}, (_, at) => [String(at + 1), String(at + 1)]);
}

export class StateBar {
  constructor(designer) {
    this.designer = designer;
    this.selects = {};
    for (const name of ['language', 'menu', 'page', 'application']) {
      this.selects[name] = document.getElementById(name);
      this.selects[name].addEventListener('change', () => this.#changed(name));
    }
    const trySwitch = document.getElementById('try');
    trySwitch.addEventListener('change', () => designer.setTrying(trySwitch.checked));
    designer.addEventListener('view', () => this.#render());
  }

  #render() {
    const {disc, view} = this.designer;
    const {state} = view;
    const name = document.getElementById('disc');
    name.textContent = disc.disc.split(/[\\/]/).filter(Boolean).pop() ?? disc.disc;
    name.title = disc.disc;
    fill(
      this.selects.language,
      disc.languages.map((language) => [language.name, `${language.caption} (${language.name})`]),
      state.language,
    );
    fill(this.selects.menu, view.menus.map((menu) => [menu, menu]), state.menu);
    fill(this.selects.page, numbers(state.pageCount), state.page);
    const applications = numbers(state.applicationCount ?? 0);
    fill(this.selects.application, applications.length ? applications : [['', 'none']], state.application ?? '');
  }

  // A new language keeps the menu and page where it has them; a new menu starts at its
  // first page, a new page at the application the menu leaves selected.
  #changed(name) {
    const value = this.selects[name].value;
    const {language, menu, page} = this.designer.state;
    const states = {
      language: {language: value, menu, page},
      menu: {language, menu: value},
      page: {language, menu, page: Number(value)},
      application: {language, menu, page, application: Number(value)},
    };
    this.designer.navigate(states[name]);
  }
}
