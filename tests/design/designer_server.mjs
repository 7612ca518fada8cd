// Runs `disckit design` on a copy of a disc folder for the browser tests.

import assert from 'node:assert/strict';
import {spawn} from 'node:child_process';
import {once} from 'node:events';
import fs from 'node:fs/promises';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';

export const disckit = process.env.DISCKIT;
export const demoDisc = process.env.DEMO_DISC;

export async function tempFolder() {
  return fs.mkdtemp(path.join(os.tmpdir(), 'designer-'));
}

export async function copyDisc(source) {
  const folder = await tempFolder();
  const disc = path.join(folder, 'disc');
  await fs.cp(source, disc, {recursive: true});
  return disc;
}

// Starts the server and reads its address from the first line that has one.
export async function startDesigner(disc, options = []) {
  assert.ok(disckit, 'DISCKIT names the disckit binary');
  const server = spawn(disckit, ['design', disc, '--no-browser', '--port', '0', ...options], {
    stdio: ['ignore', 'pipe', 'inherit'],
  });
  const exited = once(server, 'exit');
  const lines = readline.createInterface({input: server.stdout});
  const addressLine = new Promise((resolve) => {
    lines.on('line', (line) => {
      if (/https?:\/\/\S+/.test(line)) resolve(line);
    });
  });
  const line = await Promise.race([
    addressLine,
    exited.then(([code]) => assert.fail(`disckit design exited with ${code} before its address`)),
  ]);
  const address = new URL(/https?:\/\/\S+/.exec(line)[0]);
  return {
    url: address.href,
    origin: address.origin,
    port: address.port,
    token: address.searchParams.get('token'),
    async stop() {
      server.kill('SIGTERM');
      const [code, signal] = await exited;
      assert.equal(signal, null, 'disckit design ends by itself on SIGTERM');
      assert.equal(code, 0, 'disckit design exits 0 on SIGTERM');
    },
  };
}
