// What the browser tests share: Windows-1250 text, the files' values, and the page opened.

import assert from 'node:assert/strict';
import fs from 'node:fs/promises';
import {chromium} from 'playwright-core';

export const cp1250 = new TextDecoder('windows-1250');
const cp1250Bytes = new Map(Array.from({length: 256}, (_, byte) => [cp1250.decode(Uint8Array.of(byte)), byte]));

export function encodeCp1250(text) {
  return Buffer.from(Array.from(text, (char) => cp1250Bytes.get(char) ?? assert.fail(`${char} is not in Windows-1250`)));
}

export function lineNamed(text, name) {
  return text.split(/\r?\n/).find((line) => new RegExp(`\\sname=${name}[\\s/>]`).test(line));
}

export function rectOf(text, name) {
  const line = lineNamed(text, name);
  const number = (key) => Number(new RegExp(`\\b${key}=(\\d+)`).exec(line)[1]);
  return {x: number('positionX'), y: number('positionY'), width: number('width'), height: number('height')};
}

// The file's bytes with the named element's attribute values replaced, nothing else.
export function withValues(bytes, name, changes) {
  const text = cp1250.decode(bytes);
  const line = lineNamed(text, name);
  let changed = line;
  for (const [key, value] of Object.entries(changes)) {
    changed = changed.replace(new RegExp(`(\\b${key}=)("[^"]*"|[^\\s/>]+)`), (_, start, old) =>
      start + (old.startsWith('"') ? `"${value}"` : value),
    );
  }
  return encodeCp1250(text.replace(line, changed));
}

export async function fileBecomes(file, expected) {
  let actual;
  for (const deadline = Date.now() + 5000; Date.now() < deadline; ) {
    actual = await fs.readFile(file);
    if (actual.equals(expected)) return;
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  assert.equal(cp1250.decode(actual), cp1250.decode(expected));
  assert.deepEqual(actual, expected);
}

export async function openPage(browser, server) {
  const page = await browser.newPage({viewport: {width: 1480, height: 860}});
  const errors = [];
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(server.url);
  // The picture's address comes with the first view.
  await page.locator('#picture[src]').waitFor({state: 'attached'});
  await page.locator('#picture').evaluate((img) => img.decode());
  return {page, errors};
}

// Debian's Chromium; this machine's network is closed, so nothing is fetched in the background.
export function launchChromium() {
  return chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--disable-background-networking', '--disable-component-update', '--disable-sync', '--disable-quic'],
  });
}
