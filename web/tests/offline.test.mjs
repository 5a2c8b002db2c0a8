// The page away from the test server's root and away from the network: after a first visit it
// reloads and plays offline, and the zip for a static host plays from a folder of a site.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readdirSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { test } from 'node:test';
import { distFolder, mainTicks, openBrowser, openGame, sleep, startGame, waitForTold } from './browser.mjs';

// From the title into a game, whose main ticks then run.
async function playsAGame(page) {
  await startGame(page);
  const before = await mainTicks(page);
  await sleep(500);
  assert.ok(await mainTicks(page) > before + 10, 'the game runs');
  assert.deepEqual(page.errors, []);
}

test('after a first visit the page reloads with the network gone and plays', async () => {
  const browser = await openBrowser();
  try {
    const page = await openGame(browser);
    // The service worker is active once it has kept every file of the page, and from then on it
    // answers the page's loads. It need not control this page: this page's load may have begun
    // before the worker was active (started by openGame's first load) and ended after the worker
    // took over the pages open then.
    await page.evaluate(() => Promise.race([
      navigator.serviceWorker.ready,
      new Promise((_, reject) => { setTimeout(() => reject(new Error('no service worker active after 15 s')), 15000); }),
    ]));
    await browser.context.setOffline(true);
    await page.reload();
    await waitForTold(page, (told) => told.firstFrame !== null);
    await playsAGame(page);
    await page.close();
  } finally {
    await browser.context.setOffline(false);
    await browser.close();
  }
});

test('the zip for a static host, unpacked into a folder of a site, plays from there', async () => {
  const zips = readdirSync(distFolder).filter((name) => /^Skyscrub-.*-web\.zip$/.test(name));
  assert.equal(zips.length, 1, `one zip in ${distFolder}`);
  const site = mkdtempSync(join(tmpdir(), 'skyscrub-site-'));
  const folder = join(site, 'games', 'skyscrub');
  mkdirSync(folder, { recursive: true });
  const unpacked = spawnSync('cmake', ['-E', 'tar', 'xf', join(distFolder, zips[0])], { cwd: folder });
  assert.equal(unpacked.status, 0, String(unpacked.stderr));
  assert.ok(readdirSync(folder).includes('index.html'), 'index.html at the zip\'s root');
  const browser = await openBrowser({ folders: [site], path: 'games/skyscrub/' });
  try {
    // Everything the page asks for, as the browser's context sees it; not the browser's own guess
    // at a site's icon (/favicon.ico), which it makes only for a page that names no icon.
    const outside = [];
    const pages = (request) => new URL(request.url()).pathname !== '/favicon.ico';
    browser.context.on('request', (request) => {
      if (pages(request) && !new URL(request.url()).pathname.startsWith('/games/skyscrub/')) outside.push(request.url());
    });
    // (A load cut short by the next navigation, as openGame's second one does, is no failure.)
    browser.context.on('requestfailed', (request) => {
      if (request.failure()?.errorText !== 'net::ERR_ABORTED') outside.push(`failed: ${request.url()}`);
    });
    browser.context.on('response', (response) => {
      if (pages(response.request()) && !response.ok()) outside.push(`${response.status()}: ${response.url()}`);
    });
    const game = await openGame(browser);
    await playsAGame(game);
    assert.deepEqual(outside, [], 'every request inside the folder, and answered');
    await game.close();
  } finally {
    await browser.close();
    rmSync(site, { recursive: true, force: true });
  }
});
