// The browser version's budgets, measured in headless Chromium on 127.0.0.1 (run by bench/web):
// the bytes the page loads, the first frame of the title after navigation, and the main ticks
// counted over 10 s at 10 ms and at 1 ms.
import { openBrowser, openGame, clickCanvas, mainTicks, sleep } from '../web/tests/browser.mjs';

const browser = await openBrowser();
const rows = [];

// Everything the page loads, as the browser fetched it, and when the title was first drawn.
const page = await browser.context.newPage();
await page.goto(browser.url);
await page.waitForFunction(() => window.skyscrubPage.firstFrame !== null, null, { timeout: 20000 });
const firstFrame = await page.evaluate(() => window.skyscrubPage.firstFrame);
const bytes = await page.evaluate(() => performance.getEntriesByType('navigation').concat(performance.getEntriesByType('resource'))
  .reduce((sum, entry) => sum + entry.decodedBodySize, 0));
rows.push(['page loads (bytes)', bytes, '<= 8 MB (8388608)']);
rows.push(['first frame of the title (ms after navigation)', Math.round(firstFrame), '<= 2000']);
await page.close();

for (const speed of [10, 1]) {
  const game = await openGame(browser, `${speed}\r\n0\r\n0\r\n`);
  await clickCanvas(game, 580, 504);
  await sleep(200);
  await clickCanvas(game, 724, 556);
  await sleep(500);
  // At 1 ms the ship crashes and a game may end within 10 s: the ticks are counted while it runs.
  const start = await mainTicks(game);
  const t0 = Date.now();
  await sleep(10000);
  const ticks = (await mainTicks(game)) - start;
  const expected = (Date.now() - t0) / speed;
  rows.push([`main ticks in 10 s at ${speed} ms (off by %)`, ((100 * (ticks - expected)) / expected).toFixed(2), 'within 1']);
  await game.close();
}
await browser.close();
for (const [what, value, budget] of rows) console.log(`${what.padEnd(52)} ${String(value).padStart(10)}   budget ${budget}`);
