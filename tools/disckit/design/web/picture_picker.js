// A list of the disc's pictures with thumbnails, opened from a picture field.

import {query} from './api.js';

let open = null;

function close() {
  open?.remove();
  open = null;
}

document.addEventListener('pointerdown', (event) => {
  if (open && !open.contains(event.target) && !event.target.closest('.pick')) close();
});
document.addEventListener('keydown', (event) => {
  if (event.key === 'Escape') close();
});

// Adds to field a button that lists names; choosing one puts it in the field and commits.
export function addPicturePicker(field, names) {
  const button = document.createElement('button');
  button.type = 'button';
  button.className = 'pick';
  button.textContent = '▾';
  button.setAttribute('aria-label', `Choose ${field.key}`);
  field.row.append(button);
  button.addEventListener('click', () => {
    const wasMine = open?.previousSibling === field.label;
    close();
    if (wasMine || field.input.disabled) return;
    open = document.createElement('ul');
    open.className = 'picker';
    open.setAttribute('role', 'listbox');
    for (const name of names) {
      const item = document.createElement('li');
      item.setAttribute('role', 'option');
      item.setAttribute('aria-selected', String(name === field.input.value));
      const thumb = document.createElement('img');
      thumb.loading = 'lazy';
      thumb.alt = '';
      thumb.addEventListener('error', () => (thumb.style.visibility = 'hidden'));
      thumb.src = `/api/file?${query({name})}`;
      const label = document.createElement('span');
      label.textContent = name;
      item.append(thumb, label);
      item.addEventListener('click', () => {
        field.input.value = name;
        close();
        field.commit();
      });
      open.append(item);
    }
    if (names.length === 0) open.append(Object.assign(document.createElement('li'), {textContent: 'No pictures on the disc.'}));
    field.label.after(open);
  });
}
