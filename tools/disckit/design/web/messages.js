// The error banner and the status line.

const error = document.getElementById('error');
const errorText = document.getElementById('error-text');
const status = document.getElementById('status');

document.getElementById('error-close').addEventListener('click', clearError);

export function showError(message) {
  errorText.textContent = message;
  error.hidden = false;
}

export function clearError() {
  error.hidden = true;
  errorText.textContent = '';
}

export function setStatus(message) {
  status.textContent = message;
}
