// Recordings on the page: a game recorded, downloaded, opened and watched to its end; a desktop
// recording watched with the playback's buttons; a damaged one answered in the page's dialog.
// The desktop's skyscrub-trace replays what the page recorded, when a native build is at hand.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before, describe, test } from 'node:test';
import { openBrowser, sleep, startGame, tap, told, waitForTold } from './browser.mjs';

const root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
const stored = join(root, 'tests', 'recordings', 'heat_lost_1ms_escape_on_lose_screen.trace');
const trace = join(root, 'build', 'game', 'skyscrub-trace');
const formatLine = /^# skyscrub recording \d+$/m;

let browser;
before(async () => { browser = await openBrowser(); });
after(async () => { await browser.close(); });

// Opens the page with `settings` stored and games recorded or not; waits for the first frame.
async function openPage({ settings = '1\r\n0\r\n0\r\n', record = false } = {}) {
  const page = await browser.context.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(error));
  await page.goto(browser.url + 'index.html?store');
  await page.evaluate(([text, recorded]) => {
    localStorage.clear();
    sessionStorage.clear();
    localStorage.setItem('skyscrub:/components/gamedata.jpc', text);
    localStorage.setItem('skyscrub:record', recorded ? '1' : '0');
  }, [settings, record]);
  await page.goto(browser.url);
  await waitForTold(page, (t) => t.firstFrame !== null);
  return page;
}

// Opens `file` with the page's file chooser and waits for the playback's first frame.
async function watch(page, file) {
  await Promise.all([page.waitForNavigation(), page.setInputFiles('#watch-file', file)]);
  await waitForTold(page, (t) => t.watching && (t.firstFrame !== null || t.ended));
}

// "N x  tick T of TOTAL" as numbers.
function position(status) {
  const [, speed, tick, total] = /^(\d+)x {2}tick (\d+) of (\d+)/.exec(status);
  return { speed: Number(speed), tick: Number(tick), total: Number(total) };
}

describe('recordings on the page', () => {
  test('a recorded game is offered for download when it ends, and watched from the file plays to its end', async () => {
    const page = await openPage({ record: true });
    assert.equal(await page.isChecked('#record'), true);
    await startGame(page);
    await sleep(1500);  // some 1500 main ticks at 1 ms
    await tap(page, 'Escape');
    await waitForTold(page, (t) => t.ended && t.recording !== null);
    const [download] = await Promise.all([page.waitForEvent('download'), page.click('#download-recording')]);
    const file = join(tmpdir(), download.suggestedFilename());
    await download.saveAs(file);
    const text = readFileSync(file, 'latin1');
    assert.equal(text, (await told(page)).recording);
    assert.match(text, formatLine);
    assert.match(text, /\nended\n/);
    if (existsSync(trace)) execFileSync(trace, [file]);  // the desktop replays it, every check matched

    await watch(page, file);
    await waitForTold(page, (t) => t.ended, 30000);
    const seen = await told(page);
    assert.equal(seen.playbackFailed, null);
    const { tick, total } = position(seen.playback);
    assert.ok(total > 500 && tick === total, seen.playback);
    assert.equal(await page.textContent('#ended-text'), 'The playback has ended.');
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test('a recorded game shows its message box and waits, and its playback gives the recorded answer without one', async () => {
    const page = await openPage({ record: true });
    await page.evaluate(() => Module.ccall('skyscrub_display_answers', null, ['number'], [2]));
    await tap(page, 'Escape');
    await page.waitForSelector('#message[open]');
    assert.equal(await page.textContent('#message-text'), 'Mode not supported');
    await page.click('#message-buttons button:text("OK")');
    await waitForTold(page, (t) => t.ended && t.recording !== null);
    const file = join(tmpdir(), 'answered.trace');
    writeFileSync(file, (await told(page)).recording, 'latin1');
    if (existsSync(trace)) execFileSync(trace, [file]);

    await watch(page, file);
    await waitForTold(page, (t) => t.ended, 30000);
    assert.equal(await page.locator('#message[open]').count(), 0, 'no dialog: the recording answers');
    assert.equal((await told(page)).playbackFailed, null);
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test('a desktop recording plays on the page with every check matched; its buttons pause, speed it up and slow it down', async () => {
    const page = await openPage();
    await watch(page, stored);
    assert.equal(await page.locator('#playback').isVisible(), true);
    await page.click('#playback-pause');
    await waitForTold(page, (t) => t.playback.endsWith('paused'));
    const held = position((await told(page)).playback).tick;
    await sleep(300);
    assert.equal(position((await told(page)).playback).tick, held, 'no tick while paused');
    await page.click('#playback-pause');
    for (let i = 0; i < 4; ++i) await page.click('#playback-faster');
    await waitForTold(page, (t) => t.playback.startsWith('8x') || t.ended);
    await page.click('#playback-slower');
    await tap(page, 'ArrowRight');  // the keys ask what the buttons do
    await waitForTold(page, (t) => t.ended, 30000);
    const seen = await told(page);
    assert.equal(seen.playbackFailed, null);
    const { tick, total } = position(seen.playback);
    assert.equal(tick, total);
    assert.equal(total, 1352);
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test('Escape stops a playback where it is', async () => {
    const page = await openPage();
    await watch(page, stored);
    await sleep(300);
    await tap(page, 'Escape');
    await waitForTold(page, (t) => t.ended);
    const seen = await told(page);
    assert.equal(seen.playbackFailed, null);
    assert.ok(position(seen.playback).tick < 1352, seen.playback);
    await page.close();
  });

  // A file cut short, and one whose state was changed, dropped on the page: the page's dialog
  // says what the desktop says, and the page goes on.
  const damaged = [
    { name: 'cut.trace', make: (text) => text.slice(0, 2000), says: /the recording is cut off here/ },
    { name: 'changed.trace', make: (text) => text.replace(/\ncheck 60 [0-9a-f]+ gasCount=\d+/, '\ncheck 60 0123456789abcdef gasCount=7'),
      says: /the state differs from the recording: gasCount is \d+, recorded 7/ },
  ];
  for (const file of damaged) {
    test(`${file.name} gives the desktop's answer in the page's dialog`, async () => {
      const page = await openPage();
      const text = file.make(readFileSync(stored, 'latin1'));
      const path = join(tmpdir(), file.name);
      writeFileSync(path, text, 'latin1');
      const desktop = existsSync(trace) ? (() => {
        try { execFileSync(trace, [path], { stdio: 'pipe' }); return ''; } catch (error) { return String(error.stdout) + String(error.stderr); }
      })() : '';
      // Dropped on the page, as a file dragged from the desktop is.
      await Promise.all([page.waitForNavigation(), page.evaluate(([bytes, name]) => {
        const data = new DataTransfer();
        data.items.add(new File([Uint8Array.from(bytes, (c) => c.charCodeAt(0))], name));
        document.body.dispatchEvent(new DragEvent('drop', { dataTransfer: data, bubbles: true, cancelable: true }));
      }, [text, file.name])]);
      await page.waitForSelector('#message[open]', { timeout: 30000 });
      const said = await page.textContent('#message-text');
      assert.match(said, new RegExp(`^The recording ${file.name} does not play to its end\\.\\n\\n`));
      assert.match(said, file.says);
      const answer = said.split('\n\n')[1];
      if (desktop) assert.ok(desktop.includes(answer), `the desktop says: ${desktop}`);
      await page.click('#message-buttons button:text("OK")');
      await waitForTold(page, (t) => t.ended);
      assert.deepEqual(page.errors, []);
      await page.close();
    });
  }
});
