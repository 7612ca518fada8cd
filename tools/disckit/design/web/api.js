// The designer server's JSON interface.

export class ApiError extends Error {
  constructor(status, message, body) {
    super(message);
    this.status = status;
    this.body = body;
  }
}

export function query(params) {
  const search = new URLSearchParams();
  for (const [key, value] of Object.entries(params)) {
    if (value !== undefined && value !== null && value !== '') search.set(key, String(value));
  }
  return search.toString();
}

async function send(path, options) {
  let response;
  try {
    response = await fetch(path, options);
  } catch {
    throw new ApiError(0, 'The designer server does not answer; is disckit design still running?');
  }
  const body = await response.json().catch(() => ({}));
  if (!response.ok) {
    throw new ApiError(response.status, body.error || `${path}: HTTP ${response.status}`, body);
  }
  return body;
}

export function get(path, params = {}) {
  const search = query(params);
  return send(search ? `${path}?${search}` : path, {headers: {Accept: 'application/json'}});
}

export function post(path, body = {}) {
  return send(path, {
    method: 'POST',
    headers: {'Content-Type': 'application/json', Accept: 'application/json'},
    body: JSON.stringify(body),
  });
}

// Sends a file's bytes as they are; params go in the query.
export function upload(path, params, file) {
  return send(`${path}?${query(params)}`, {
    method: 'POST',
    headers: {'Content-Type': 'application/octet-stream', Accept: 'application/json'},
    body: file,
  });
}
