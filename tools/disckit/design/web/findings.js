// The check findings for the whole disc; one that points at an element selects it.

function plural(count, word) {
  return `${count} ${word}${count === 1 ? '' : 's'}`;
}

export class Findings {
  constructor(designer) {
    this.designer = designer;
    this.list = document.getElementById('findings');
    this.count = document.getElementById('findings-count');
    designer.addEventListener('view', () => this.#render());
  }

  #render() {
    const findings = this.designer.view.findings;
    const errors = findings.filter((finding) => finding.severity === 'error').length;
    this.count.textContent = `${plural(errors, 'error')}, ${plural(findings.length - errors, 'warning')}`;
    this.list.replaceChildren(...findings.map((finding) => this.#item(finding)));
    if (findings.length === 0) {
      const none = document.createElement('li');
      none.className = 'none';
      none.textContent = 'No findings.';
      this.list.append(none);
    }
  }

  #item(finding) {
    const item = document.createElement('li');
    item.className = `finding ${finding.severity}`;
    const target = Number.isInteger(finding.index) && finding.language ? finding : null;
    const body = document.createElement(target ? 'button' : 'div');
    body.className = 'body';
    if (target) {
      body.type = 'button';
      body.title = 'Select this element';
      body.addEventListener('click', () => this.designer.selectIndex(target.language, target.index));
    }
    const severity = document.createElement('span');
    severity.className = 'severity';
    severity.textContent = finding.severity;
    const where = document.createElement('span');
    where.className = 'where';
    where.textContent = `${finding.file}:${finding.line}${finding.column ? `:${finding.column}` : ''}`;
    const message = document.createElement('span');
    message.className = 'message';
    message.textContent = finding.message;
    body.append(severity, where, message);
    if (finding.hint) {
      const hint = document.createElement('span');
      hint.className = 'hint';
      hint.textContent = finding.hint;
      body.append(hint);
    }
    item.append(body);
    return item;
  }
}
