// Building a disc's structure in the page alone, in two languages at once: menus,
// applications and buttons added, duplicated, deleted and undone byte for byte.

import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import fs from 'node:fs/promises';
import path from 'node:path';
import {after, before, describe, test} from 'node:test';

import {disckit, startDesigner, tempFolder} from './designer_server.mjs';
import {cp1250, fileBecomes, launchChromium, openPage, rectOf, withValues} from './page.mjs';

// A PNG of one colour drawn by the page's canvas.
async function pngOf(page, width, height) {
  const data = await page.evaluate(
    ([w, h]) => {
      const canvas = Object.assign(document.createElement('canvas'), {width: w, height: h});
      const context = canvas.getContext('2d');
      context.fillStyle = '#3366cc';
      context.fillRect(0, 0, w, h);
      return canvas.toDataURL('image/png').split(',')[1];
    },
    [width, height],
  );
  return Buffer.from(data, 'base64');
}

describe('a disc of two languages built in the page', {timeout: 60000}, () => {
  let browser;
  let folder;
  let server;
  let page;
  let errors;
  const files = {};
  const originals = {};

  const selected = (name, timeout = 3000) =>
    page.waitForFunction(
      (label) => document.querySelector(`[role="treeitem"][aria-label="${label}"][aria-selected="true"]`) !== null,
      name,
      {timeout},
    );
  // Selects an element by its outline item; a click that lands while the outline is drawn
  // anew is made again.
  const choose = async (name) => {
    for (let attempt = 0; ; attempt++) {
      await outlineItem(name).click();
      try {
        await selected(name);
        return;
      } catch (error) {
        if (attempt === 2) throw error;
      }
    }
  };
  const outlineItem = (name) => page.getByRole('tree', {name: 'Outline'}).getByRole('treeitem', {name, exact: true});
  const both = async (check) => {
    for (const language of ['pl', 'en']) check(cp1250.decode(await fs.readFile(files[language])), language);
  };
  const undoAll = async () => {
    const undo = page.getByRole('button', {name: /^Undo/});
    while (await undo.isEnabled()) {
      const label = await undo.textContent();
      await undo.click();
      await page.waitForFunction((old) => document.getElementById('undo').textContent !== old, label);
    }
    for (const language of ['pl', 'en']) await fileBecomes(files[language], originals[language]);
  };

  before(async () => {
    browser = await launchChromium();
    folder = await tempFolder();
    const disc = path.join(folder, 'disc');
    // A folder without a disc gets the starter disc of disckit new.
    server = await startDesigner(disc, ['--new', '--languages', 'pl,en']);
    for (const language of ['pl', 'en']) {
      files[language] = path.join(disc, 'Menu', `${language}.dat`);
      originals[language] = await fs.readFile(files[language]);
    }
    ({page, errors} = await openPage(browser, server));
  });

  after(async () => {
    await page?.close();
    await server?.stop();
    await browser?.close();
    await fs.rm(folder, {recursive: true, force: true});
  });

  test('a third menu of three applications and a new button reach both languages', async () => {
    assert.equal(await page.getByRole('switch', {name: 'All languages'}).isChecked(), true);
    await page.getByRole('button', {name: 'Add menu'}).click();
    await outlineItem('menu menu').waitFor();
    for (const count of [2, 3]) {
      await page.getByRole('button', {name: 'Add application'}).click();
      await page.waitForFunction(
        (n) => document.querySelectorAll('[role="treeitem"][aria-label="application New application"]').length === n,
        count,
      );
    }
    await page.getByRole('button', {name: 'Add button'}).click();
    await page.getByLabel('Name').selectOption('buy');
    await page.getByRole('button', {name: 'Add', exact: true}).click();
    await outlineItem('item buy').waitFor();
    await both((text, language) => {
      assert.equal(text.match(/^<menu name=/gm).length, 3, language);
      assert.equal(text.match(/^<application type=menu /gm).length, 3, language);
      assert.match(text, /^<item type=button name=buy /m, language);
    });
    const report = execFileSync(disckit, ['check', path.join(folder, 'disc')], {encoding: 'utf8'});
    assert.doesNotMatch(report, /error/);
    await undoAll();
  });

  test('Duplicate then Delete gives the same bytes', async () => {
    await choose('item close');
    const closeButtons = async (count) => {
      try {
        await page.waitForFunction(
          (n) => document.querySelectorAll('[aria-label="item close"]').length === n,
          count,
          {timeout: 10000},
        );
      } catch {
        const said = await page.evaluate(() =>
          ['status', 'error-text'].map((id) => document.getElementById(id).textContent).join(' | '),
        );
        assert.fail(`not ${count} close buttons; the page says: ${said}`);
      }
    };
    await page.keyboard.press('Control+d');
    await closeButtons(2);
    await page.keyboard.press('Delete');
    await closeButtons(1);
    await selected('item minimize');
    for (const language of ['pl', 'en']) await fileBecomes(files[language], originals[language]);
  });

  test('a picture added for a button becomes a three-frame strip, set in both languages', async () => {
    await choose('item close');
    await page.getByRole('button', {name: 'Choose image'}).click();
    await page.getByLabel('Add picture').setInputFiles({name: 'my button.png', mimeType: 'image/png', buffer: await pngOf(page, 30, 20)});
    await page.waitForFunction(() => document.getElementById('status').textContent.startsWith('Saved image'));
    await both((text, language) => assert.match(text, /name=close image="Menu\\my_button\.bmp"/, language));
    const strip = await fs.readFile(path.join(folder, 'disc', 'Menu', 'my_button.bmp'));
    assert.deepEqual([strip.readInt32LE(18), strip.readInt32LE(22), strip.readUInt16LE(28)], [90, 20, 24]);
    await undoAll();
  });

  test('the background replaced from the window\'s panel comes back with undo', async () => {
    const file = path.join(folder, 'disc', 'Menu', 'menumain.jpg');
    const before = await fs.readFile(file);
    await page.getByRole('treeitem', {name: /^window /}).click();
    await page.getByLabel(/^Replace background/).setInputFiles({name: 'sky.png', mimeType: 'image/png', buffer: await pngOf(page, 64, 48)});
    await page.locator('#status', {hasText: 'Replaced Menu'}).waitFor();
    const replaced = await fs.readFile(file);
    assert.notDeepEqual(replaced, before);
    assert.deepEqual([replaced[0], replaced[1]], [0xff, 0xd8]);
    await page.getByRole('button', {name: /^Undo/}).click();
    await fileBecomes(file, before);
  });

  test('a nudge moves the element in both languages, a title only in the shown one', async () => {
    await choose('item close');
    await page.keyboard.press('ArrowRight');
    for (const language of ['pl', 'en']) {
      const x = rectOf(cp1250.decode(originals[language]), 'close').x;
      await fileBecomes(files[language], withValues(originals[language], 'close', {positionX: x + 1}));
    }
    const nudged = await fs.readFile(files.en);
    await page.getByRole('treeitem', {name: /^window /}).click();
    const title = page.locator('#panel [name="title"]');
    await title.fill('Nowa płyta');
    await title.press('Enter');
    await page.waitForFunction(() => document.getElementById('status').textContent.startsWith('Saved title'));
    assert.match(cp1250.decode(await fs.readFile(files.pl)), /title="Nowa płyta"/);
    assert.deepEqual(await fs.readFile(files.en), nudged);
    await undoAll();
    assert.deepEqual(errors, []);
  });
});
