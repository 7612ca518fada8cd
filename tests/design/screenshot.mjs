// Takes the designer's pictures for the docs: the demo disc's page with an application button
// selected, and a starter disc of two languages with a third menu added and a button being
// added. DISCKIT and DEMO_DISC as for the tests; the PNGs' paths are the arguments.

import fs from 'node:fs/promises';
import path from 'node:path';

import {copyDisc, demoDisc, startDesigner, tempFolder} from './designer_server.mjs';
import {launchChromium} from './page.mjs';

const [demoOut, buildOut] = [process.argv[2] ?? 'designer.png', process.argv[3] ?? 'designer-build.png'].map(
  (file) => path.resolve(file),
);

async function shoot(browser, server, out, act) {
  const page = await browser.newPage({viewport: {width: 1500, height: 760}});
  await page.goto(server.url);
  // The picture's address comes with the first view.
  await page.locator('#picture[src]').waitFor({state: 'attached'});
  await page.locator('#picture').evaluate((img) => img.decode());
  await act(page);
  await page.locator('#picture').evaluate((img) => img.decode());
  await page.screenshot({path: out});
  console.log(`Designer: ${out}`);
}

const browser = await launchChromium();
try {
  const disc = await copyDisc(demoDisc);
  const server = await startDesigner(disc);
  await shoot(browser, server, demoOut, async (page) => {
    const box = await page.locator('#window').boundingBox();
    await page.mouse.click(box.x + 300, box.y + 140);
    await page.locator('#panel fieldset').first().waitFor();
  });
  await server.stop();
  await fs.rm(path.dirname(disc), {recursive: true, force: true});

  const folder = await tempFolder();
  const starter = await startDesigner(path.join(folder, 'disc'), ['--new', '--languages', 'pl,en']);
  await shoot(browser, starter, buildOut, async (page) => {
    await page.getByRole('button', {name: 'Add menu'}).click();
    await page.getByRole('treeitem', {name: 'menu menu', exact: true}).waitFor();
    for (const count of [2, 3]) {
      await page.getByRole('button', {name: 'Add application'}).click();
      await page.waitForFunction(
        (n) => document.querySelectorAll('[aria-label="application New application"]').length === n,
        count,
      );
    }
    await page.getByRole('button', {name: 'Add button'}).click();
    await page.getByLabel('Name').selectOption('buy');
  });
  await starter.stop();
  await fs.rm(folder, {recursive: true, force: true});
} finally {
  await browser.close();
}
