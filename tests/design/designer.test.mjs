// The designer page in Chromium against `disckit design`: selecting, moving, resizing and
// captioning elements writes exactly those values, and undo brings the file back.

import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import fs from 'node:fs/promises';
import http from 'node:http';
import path from 'node:path';
import {after, before, describe, test} from 'node:test';

import {copyDisc, demoDisc, disckit, startDesigner, tempFolder} from './designer_server.mjs';
import {cp1250, encodeCp1250, fileBecomes, launchChromium, openPage, rectOf, withValues} from './page.mjs';

async function windowPoint(page, x, y) {
  const box = await page.locator('#window').boundingBox();
  return {x: box.x + x, y: box.y + y};
}

async function clickAt(page, x, y) {
  const point = await windowPoint(page, x, y);
  await page.mouse.click(point.x, point.y);
}

async function selectNamed(page, text, name) {
  const rect = rectOf(text, name);
  await clickAt(page, rect.x + rect.width / 2, rect.y + rect.height / 2);
  await page.locator('#panel h2', {hasText: name}).waitFor();
}

function request(server, headers) {
  return new Promise((resolve, reject) => {
    http
      .get({host: '127.0.0.1', port: server.port, path: '/api/disc', headers}, (answer) => {
        answer.resume();
        resolve(answer.statusCode);
      })
      .on('error', reject);
  });
}

let browser;

before(async () => {
  browser = await launchChromium();
});

after(async () => {
  await browser?.close();
});

describe('the demo disc', {timeout: 30000}, () => {
  let disc;
  let server;
  let page;
  let errors;
  let file;
  let original;
  let afterFirstEdit;

  before(async () => {
    disc = await copyDisc(demoDisc);
    file = path.join(disc, 'Menu', 'en.dat');
    original = await fs.readFile(file);
    server = await startDesigner(disc);
    ({page, errors} = await openPage(browser, server));
  });

  after(async () => {
    await page?.close();
    await server?.stop();
    await fs.rm(path.dirname(disc), {recursive: true, force: true});
  });

  test('draws the window at 100 %, one CSS pixel a window pixel', async () => {
    const box = await page.locator('#window').boundingBox();
    assert.deepEqual([box.width, box.height], [800, 600]);
    const natural = await page.locator('#picture').evaluate((img) => [img.naturalWidth, img.naturalHeight]);
    assert.deepEqual(natural, [800, 600]);
  });

  test('a click on a button selects it and outlines its rect', async () => {
    const rect = rectOf(cp1250.decode(original), 'close');
    await selectNamed(page, cp1250.decode(original), 'close');
    const outline = await page.locator('#selection').boundingBox();
    const corner = await windowPoint(page, rect.x, rect.y);
    assert.deepEqual(
      [outline.x, outline.y, outline.width, outline.height],
      [corner.x, corner.y, rect.width, rect.height],
    );
    assert.equal(await page.locator('#panel .where').textContent(), 'Menu/en.dat:2');
  });

  test('arrow keys nudge the selection, each press one edit of its position', async () => {
    const rect = rectOf(cp1250.decode(original), 'close');
    await page.keyboard.press('ArrowRight');
    afterFirstEdit = withValues(original, 'close', {positionX: rect.x + 1});
    await fileBecomes(file, afterFirstEdit);
    await page.keyboard.press('Shift+ArrowDown');
    await fileBecomes(file, withValues(original, 'close', {positionX: rect.x + 1, positionY: rect.y + 10}));
  });

  test('dragging an element writes its new position once, on release', async () => {
    const before = await fs.readFile(file);
    const rect = rectOf(cp1250.decode(before), 'help');
    const from = await windowPoint(page, rect.x + 10, rect.y + 10);
    await page.mouse.move(from.x, from.y);
    await page.mouse.down();
    await page.mouse.move(from.x + 8, from.y + 5, {steps: 4});
    await page.mouse.move(from.x + 20, from.y + 30, {steps: 4});
    assert.deepEqual(await fs.readFile(file), before, 'nothing is written while dragging');
    await page.mouse.up();
    await fileBecomes(file, withValues(before, 'help', {positionX: rect.x + 20, positionY: rect.y + 30}));
    await page.locator('#undo', {hasText: 'Undo (3)'}).waitFor();
  });

  test('a caption typed in the panel is written in Windows-1250', async () => {
    const before = await fs.readFile(file);
    const text = cp1250.decode(before);
    const rect = rectOf(text, 'install');
    await clickAt(page, rect.x + rect.width / 2, rect.y + rect.height / 2);
    const heading = page.locator('#panel h2', {hasText: /^(install|run)$/});
    await heading.waitFor();
    const name = (await heading.textContent()).trim();
    const caption = page.locator('#panel [name="text"]');
    await caption.fill('Zażółć');
    await caption.press('Enter');
    await fileBecomes(file, withValues(before, name, {text: 'Zażółć'}));
    assert.ok((await fs.readFile(file)).includes(Buffer.from('Za\xbf\xf3\xb3\xe6', 'latin1')));
  });

  test('a button moved past the window edge brings a warning about the window', async () => {
    const findings = page.locator('#findings .warning', {hasText: /Menu\/en\.dat:2\b/});
    assert.equal(await findings.count(), 0);
    await selectNamed(page, cp1250.decode(await fs.readFile(file)), 'close');
    const positionX = page.locator('#panel [name="positionX"]');
    await positionX.fill('790');
    await positionX.press('Tab');
    await findings.first().waitFor();
    assert.match(await findings.first().textContent(), /window/i);
  });

  test('undo steps back to the original bytes and redo does the first edit again', async () => {
    await page.locator(':focus').evaluate((focused) => focused.blur()).catch(() => {});
    const undo = page.locator('#undo');
    while (await undo.isEnabled()) {
      const label = await undo.textContent();
      await page.keyboard.press('Control+z');
      await page.waitForFunction((old) => document.getElementById('undo').textContent !== old, label);
    }
    await fileBecomes(file, original);
    await page.keyboard.press('Control+Shift+z');
    await fileBecomes(file, afterFirstEdit);
    assert.equal(await page.locator('#error').isVisible(), false);
    assert.deepEqual(errors, []);
  });

  test('with Try on, a click on a menu button shows that menu and edits nothing', async () => {
    const before = await fs.readFile(file);
    const rect = rectOf(cp1250.decode(before), 'pelne');
    await page.locator('#try').check();
    await clickAt(page, rect.x + rect.width / 2, rect.y + rect.height / 2);
    await page.waitForFunction(() => document.getElementById('menu').value === 'pelne');
    await page.locator('#try').uncheck();
    assert.deepEqual(await fs.readFile(file), before);
  });

  test('requests need the token and the server\'s own host', async () => {
    const host = `127.0.0.1:${server.port}`;
    assert.equal(await request(server, {Host: host, 'X-Designer-Token': server.token}), 200);
    assert.equal(await request(server, {Host: host}), 403);
    assert.equal(await request(server, {Host: `designer.example:${server.port}`, 'X-Designer-Token': server.token}), 403);
  });
});

describe('a disc written by disckit new', {timeout: 30000}, () => {
  let folder;
  let server;

  before(async () => {
    folder = await tempFolder();
    execFileSync(disckit, ['new', path.join(folder, 'disc')], {stdio: 'ignore'});
    server = await startDesigner(path.join(folder, 'disc'));
  });

  after(async () => {
    await server?.stop();
    await fs.rm(folder, {recursive: true, force: true});
  });

  test('opens in the designer, and the top-left handle resizes a button from that corner', async () => {
    const {page, errors} = await openPage(browser, server);
    const file = path.join(folder, 'disc', 'Menu', 'pl.dat');
    const before = await fs.readFile(file);
    const box = await page.locator('#window').boundingBox();
    assert.deepEqual([box.width, box.height], [640, 480]);
    const rect = rectOf(cp1250.decode(before), 'close');
    await selectNamed(page, cp1250.decode(before), 'close');
    const corner = await windowPoint(page, rect.x, rect.y);
    await page.mouse.move(corner.x, corner.y);
    await page.mouse.down();
    await page.mouse.move(corner.x - 4, corner.y - 6, {steps: 3});
    await page.mouse.up();
    const resized = {positionX: rect.x - 4, positionY: rect.y - 6, width: rect.width + 4, height: rect.height + 6};
    await fileBecomes(file, withValues(before, 'close', resized));
    assert.deepEqual(errors, []);
    await page.close();
  });

  test('an edit made by another program shows without a reload and is never overwritten', async () => {
    const {page} = await openPage(browser, server);
    const file = path.join(folder, 'disc', 'Menu', 'pl.dat');
    const text = cp1250.decode(await fs.readFile(file));
    await selectNamed(page, text, 'close');
    const theirs = withValues(await fs.readFile(file), 'minimize', {positionX: 500});
    await fs.writeFile(file, theirs);
    await page.locator('#status', {hasText: 'Menu/pl.dat changed on disc'}).waitFor({timeout: 3000});
    await page.keyboard.press('ArrowRight');
    await fileBecomes(file, withValues(theirs, 'close', {positionX: rectOf(text, 'close').x + 1}));

    await fs.writeFile(file, encodeCp1250(cp1250.decode(await fs.readFile(file)).replace('width=640', 'width=0')));
    await page.reload();
    await page.locator('#error', {hasText: 'The window cannot be drawn'}).waitFor();
    await page.locator('#findings .error', {hasText: /Menu\/pl\.dat:1\b/}).waitFor();
    await page.close();
  });
});
