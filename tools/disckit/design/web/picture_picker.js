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

// The picker's first row: a file input, also taking a file dropped on the picker.
function addPictureInput(box, field, addPicture) {
  const row = document.createElement('label');
  row.className = 'add-picture';
  row.append('Add picture ');
  const input = document.createElement('input');
  input.type = 'file';
  input.accept = 'image/png,image/gif,image/bmp,image/jpeg';
  input.setAttribute('aria-label', 'Add picture');
  const take = async (file) => {
    if (!file) return;
    const name = await addPicture(file);
    if (!name) return;
    field.input.value = name;
    close();
    field.commit();
  };
  input.addEventListener('change', () => take(input.files[0]));
  box.addEventListener('dragover', (event) => event.preventDefault());
  box.addEventListener('drop', (event) => {
    event.preventDefault();
    take(event.dataTransfer.files[0]);
  });
  row.append(input);
  box.append(row);
}

// Adds to field a button that lists names; choosing one puts it in the field and commits.
// addPicture(file) writes a new picture and answers its name.
export function addPicturePicker(field, names, addPicture) {
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
    open = document.createElement('div');
    open.className = 'picker';
    addPictureInput(open, field, addPicture);
    const list = document.createElement('ul');
    list.setAttribute('role', 'listbox');
    list.setAttribute('aria-label', `Pictures for ${field.key}`);
    open.append(list);
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
      list.append(item);
    }
    if (names.length === 0) list.append(Object.assign(document.createElement('li'), {textContent: 'No pictures on the disc.'}));
    field.label.after(open);
  });
}
