// The browser version's budgets, measured in headless Chromium on 127.0.0.1 (run by bench/web):
// the bytes a first visit fetches (as they are and gzip-compressed), the first frame of the title after
// navigation, and the main ticks over 10 s at 10 ms and at 1 ms. A page heavier than its budget
// fails the run.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { holdKeys, openBrowser, openGame, siteFolder, sleep, startGame, tap, tickRecord } from '../web/tests/browser.mjs';

const tickSpan = 10000;  // ms of play with the main tick's timer on

const browser = await openBrowser();
const rows = [];

// Everything a first visit fetches: what the page loads, as the browser fetched it, and what its
// service worker keeps for offline play beside it; each file as it is and gzip-compressed, as a
// host that compresses sends it. And when the title was first drawn.
const page = await browser.context.newPage();
await page.goto(browser.url);
await page.waitForFunction(() => window.skyscrubPage.firstFrame !== null, null, { timeout: 20000 });
const firstFrame = await page.evaluate(() => window.skyscrubPage.firstFrame);
await page.waitForFunction(() => navigator.serviceWorker.controller !== null, null, { timeout: 20000 });
// Each file by its path in the page's folder (not what was not found: the browser's own guess at
// an icon, for a page that names none).
const fetched = await page.evaluate(async () => {
  const folder = location.href.replace(/[^/]*$/, '');
  const loaded = performance.getEntriesByType('navigation').concat(performance.getEntriesByType('resource'))
    .filter((entry) => entry.decodedBodySize > 0).map((entry) => entry.name);
  const kept = [navigator.serviceWorker.controller.scriptURL];
  for (const name of await caches.keys()) {
    kept.push(...(await (await caches.open(name)).keys()).map((request) => request.url));
  }
  return loaded.concat(kept).map((url) => url.slice(folder.length).replace(/[?#].*/, '') || 'index.html');
});
const files = [...new Set(fetched)].sort();
const sizes = files.map((name) => readFileSync(join(siteFolder, name)));
const bytes = sizes.map((contents) => contents.length);
const gzipped = sizes.map((contents) => gzipSync(contents, { level: 9 }).length);
const sum = (counts) => counts.reduce((total, count) => total + count, 0);
// Megabytes of a million bytes, as a page's weight is given.
const megabytes = (count) => count * 1000 * 1000;
const weights = [['a first visit fetches (bytes)', sum(bytes), megabytes(4), '4 MB'],
  ['the same, gzip-compressed (bytes)', sum(gzipped), megabytes(2.5), '2.5 MB']];
for (const [what, total, limit, budget] of weights) rows.push([what, total, `<= ${budget} (${limit})${total > limit ? '  OVER' : ''}`]);
const overweight = weights.some(([, total, limit]) => total > limit);
files.forEach((name, i) => rows.push([`  ${name} (bytes, gzip-compressed)`, `${bytes[i]}, ${gzipped[i]}`, '']));
rows.push(['first frame of the title (ms after navigation)', Math.round(firstFrame), '<= 2000']);
await page.close();

// Keeps the gaps between the browser's frames, to tell a stall of the browser from a fault of
// the loop: only a gap longer than the catch-up cap (250 ms) may cost ticks.
function watchFrames(game) {
  return game.evaluate(() => {
    window.frameGaps = { frames: 0, longest: 0, over250: 0 };
    let last = performance.now();
    const frame = (now) => {
      const gap = now - last;
      last = now;
      window.frameGaps.frames += 1;
      window.frameGaps.longest = Math.max(window.frameGaps.longest, gap);
      if (gap > 250) window.frameGaps.over250 += 1;
      requestAnimationFrame(frame);
    };
    requestAnimationFrame(frame);
  });
}

// A game kept alive and busy: a short push to the right, then Up and Z held, hovering and
// firing. At 1 ms such a game still ends within 10 s (the sky fills with gas): Space, "Play"
// and "Start" begin the next, and the count goes on. The ticks are held to the play time their
// timer was on, as the game kept it, so the screens between games are not counted against
// them; and, as a check on that clock, to the page's own clock over the first game.
async function measureTicks(speed) {
  const game = await openGame(browser, `${speed}\r\n0\r\n0\r\n`);
  await watchFrames(game);
  const first = await tickRecord(game);
  const played = (record) => record.onMs - first.onMs;
  let last = first;
  let games = 0;
  // The first game by the page's clock: from a record after its start to the last record
  // before the one in which it ended (or to the end of the span).
  const wall = { from: null, to: null };
  while (played(last) < tickSpan) {
    if (games > 0) {  // the game has ended
      for (const key of ['z', 'ArrowUp']) await game.keyboard.up(key);
      await tap(game, ' ');  // from the end screen to the title
      await sleep(300);
    }
    await startGame(game);
    await holdKeys(game, ['ArrowRight', 'ArrowUp'], 150);
    for (const key of ['z', 'ArrowUp']) await game.keyboard.down(key);
    games += 1;
    if (games === 1) wall.from = await tickRecord(game);
    let on = games === 1 ? wall.from : null;  // the last record that found the game on
    // Until the timer stops (the game has ended) or the span is full.
    for (let before = null; before?.onMs !== last.onMs && played(last) < tickSpan;) {
      await sleep(Math.min(250, Math.max(tickSpan - played(last), 20)));
      before = last;
      last = await tickRecord(game);
      if (games === 1 && last.onMs !== before.onMs) [wall.to, on] = [on, last];
    }
    if (games === 1 && played(last) >= tickSpan) wall.to = on;
  }
  const frames = await game.evaluate(() => window.frameGaps);
  await game.close();
  const offBy = (ticks, due) => ((100 * (ticks - due)) / due).toFixed(3);
  const ticks = last.ticks - first.ticks;
  const due = Math.floor((last.onMs - first.onMs) / speed);
  rows.push([`main ticks at ${speed} ms (off by %)`, offBy(ticks, due), 'within 1']);
  rows.push([`  ticks run / due in ${((last.onMs - first.onMs) / 1000).toFixed(2)} s of play, ${games} game(s)`, `${ticks} / ${due}`, '']);
  const wallMs = wall.to.frameMs - wall.from.frameMs;
  const wallTicks = wall.to.ticks - wall.from.ticks;
  rows.push([`  by the page's clock, ${(wallMs / 1000).toFixed(2)} s of the first game (off by %)`,
    offBy(wallTicks, wallMs / speed), '']);
  rows.push(['  frames, longest gap (ms), gaps over 250 ms', `${frames.frames}, ${frames.longest.toFixed(1)}, ${frames.over250}`, '']);
}

await measureTicks(10);
await measureTicks(1);
await browser.close();
for (const [what, value, budget] of rows) {
  console.log(`${what.padEnd(56)} ${String(value).padStart(14)}${budget ? `   budget ${budget}` : ''}`);
}
if (overweight) {
  console.error('The page is heavier than its budget.');
  process.exitCode = 1;
}
