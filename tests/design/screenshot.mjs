// Takes the designer's picture for the docs: the demo disc's page with an application button
// selected. DISCKIT and DEMO_DISC as for the tests; the PNG's path is the argument.

import fs from 'node:fs/promises';
import path from 'node:path';
import {chromium} from 'playwright-core';

import {copyDisc, demoDisc, startDesigner} from './designer_server.mjs';

const out = path.resolve(process.argv[2] ?? 'designer.png');
const disc = await copyDisc(demoDisc);
const server = await startDesigner(disc);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--disable-background-networking', '--disable-component-update', '--disable-sync', '--disable-quic'],
});
try {
  const page = await browser.newPage({viewport: {width: 1500, height: 760}});
  await page.goto(server.url);
  // The picture's address comes with the first view.
  await page.locator('#picture[src]').waitFor({state: 'attached'});
  await page.locator('#picture').evaluate((img) => img.decode());
  const box = await page.locator('#window').boundingBox();
  await page.mouse.click(box.x + 300, box.y + 140);
  await page.locator('#panel fieldset').first().waitFor();
  await page.locator('#picture').evaluate((img) => img.decode());
  await page.screenshot({path: out});
  console.log(`Designer: ${out}`);
} finally {
  await browser.close();
  await server.stop();
  await fs.rm(path.dirname(disc), {recursive: true, force: true});
}
