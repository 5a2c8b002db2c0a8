// The browser version on a phone, in Chromium's mobile emulation (a touch screen, 390 x 844 CSS
// pixels upright and 844 x 390 on its side): a page that fits either way up, and a whole game
// played by touch alone, with nothing scrolling or zooming under the fingers.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import {
  afterFrames, centre, countColour, mainTicks, middleOf, openBrowser, openGame, pagePoint, phone, play, shareLike, sleep, start,
  touchScreen, waitForTold,
} from './browser.mjs';

const upright = { width: 390, height: 844 };
const onItsSide = { width: 844, height: 390 };
const controls = ['left', 'right', 'engine', 'fire', 'pause'];
const powerBar = { x: 664, y: 18, width: 125, height: 9 };  // red where engine power was spent
const spentPower = [[200, 255], [0, 60], [0, 60]];

let browser;
before(async () => { browser = await openBrowser(phone); });
after(async () => { await browser.close(); });

// The game's screen as the page follows it, and the game's count of molecules destroyed.
const screenShown = (page) => page.evaluate(() => document.body.dataset.screen);
const gasDestroyed = (page) => page.evaluate(() => Module.ccall('skyscrub_gas_destroyed', 'number', [], []));
// How far the page has scrolled or zoomed: both stay 0 and 1 while playing.
const scrollAndZoom = (page) => page.evaluate(() => ({
  x: window.scrollX, y: window.scrollY, scale: window.visualViewport.scale,
  wide: document.documentElement.scrollWidth - document.documentElement.clientWidth,
}));
const still = { x: 0, y: 0, scale: 1, wide: 0 };

async function openOnPhone(size, settings = null) {
  const page = await openGame(browser, settings);
  await page.setViewportSize(size);
  await afterFrames(page, 2);
  return page;
}

async function tapCanvas(fingers, page, x, y) {
  await fingers.tap(await pagePoint(page, x, y));
  await sleep(150);
}

for (const size of [upright, onItsSide]) {
  const name = `${size.width} x ${size.height}`;
  describe(`a phone at ${name}`, () => {
    test('the page fits: the canvas as large as its shape allows, no sideways scroll, the options behind a button', async () => {
      const page = await openOnPhone(size);
      const box = await page.locator('#canvas').boundingBox();
      assert.ok(Math.abs(box.width / box.height - 4 / 3) < 0.01, `${box.width} x ${box.height}`);
      assert.ok(Math.abs(Math.min(size.width / box.width, size.height / box.height) - 1) < 0.01,
        `the canvas ${box.width} x ${box.height} fills the ${name} screen one way`);
      assert.deepEqual(await scrollAndZoom(page), still);
      assert.equal(await page.locator('#options').isVisible(), false, 'the options wait behind a button');
      assert.equal(await page.locator('#first-gesture').isVisible(), true, 'the note before the first tap');

      const fingers = await touchScreen(page);
      await fingers.tap(await middleOf(page, '#side-open'));
      await page.waitForSelector('#options', { state: 'visible' });
      await sleep(400);  // slid in
      assert.equal(await page.locator('#first-gesture').isVisible(), false, 'the note is gone at the first tap');
      const side = await page.locator('#side').boundingBox();
      assert.ok(side.x >= 0 && side.x + side.width <= size.width + 0.5, `the options within the screen: ${JSON.stringify(side)}`);
      await fingers.tap(await middleOf(page, '#side-close'));
      await page.waitForSelector('#options', { state: 'hidden' });
      assert.deepEqual(await scrollAndZoom(page), still);

      // The page's icon and manifest load, and so do the icons the manifest names.
      const loaded = await page.evaluate(async () => {
        const status = async (href) => (await fetch(href)).status;
        const manifestHref = document.querySelector('link[rel=manifest]').href;
        const manifest = await (await fetch(manifestHref)).json();
        const icons = await Promise.all(manifest.icons.map(async (icon) => [icon.sizes, await status(new URL(icon.src, manifestHref))]));
        return { icon: await status(document.querySelector('link[rel=icon]').href), manifest: await status(manifestHref), display: manifest.display, icons };
      });
      assert.deepEqual(loaded, { icon: 200, manifest: 200, display: 'fullscreen', icons: [['192x192', 200], ['512x512', 200]] });
      assert.deepEqual(page.errors, []);
      assert.deepEqual(page.consoleErrors, []);
      await page.close();
    });

    test('a whole game by touch alone: "Play" and "Start" tapped, engine and fire held, a molecule destroyed, paused and resumed by taps, the end screen left by a tap', async () => {
      // At 1 ms a tick the sky fills fast, and the ship, left alone, soon loses its lives.
      const page = await openOnPhone(size, '1\r\n0\r\n0\r\n');
      const fingers = await touchScreen(page);
      await tapCanvas(fingers, page, ...centre(play));
      await tapCanvas(fingers, page, ...centre(start));
      assert.ok(await mainTicks(page) > 0, 'the main tick runs');
      await page.waitForFunction(() => document.body.dataset.screen === 'playing');

      // The controls: large enough for a thumb, on the screen, and on a phone beside or below
      // the game's picture rather than over it.
      const canvasBox = await page.locator('#canvas').boundingBox();
      for (const control of controls) {
        const box = await page.locator(`[data-control=${control}]`).boundingBox();
        assert.ok(box.width >= 48 && box.height >= 48, `${control}: ${box.width} x ${box.height}`);
        assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= size.width && box.y + box.height <= size.height, `${control} on the screen`);
        const apart = box.x >= canvasBox.x + canvasBox.width || box.x + box.width <= canvasBox.x
          || box.y >= canvasBox.y + canvasBox.height || box.y + box.height <= canvasBox.y;
        assert.ok(apart, `${control} ${JSON.stringify(box)} beside the canvas ${JSON.stringify(canvasBox)}`);
      }

      // Three thumbs' worth: the engine and fire held, steering from one side to the other,
      // until a shot destroys a molecule.
      await fingers.press('engine', await middleOf(page, '[data-control=engine]'));
      await fingers.press('fire', await middleOf(page, '[data-control=fire]'));
      let spent = 0;
      const deadline = Date.now() + 30000;
      for (let turn = 0; await gasDestroyed(page) === 0; ++turn) {
        assert.ok(Date.now() < deadline, 'a molecule destroyed within 30 s');
        const side = turn % 2 === 0 ? 'right' : 'left';
        await fingers.press('steer', await middleOf(page, `[data-control=${side}]`));
        await sleep(250);
        spent = Math.max(spent, await countColour(page, powerBar, spentPower));
        assert.deepEqual(await scrollAndZoom(page), still, 'nothing scrolls or zooms in play');
        await fingers.lift('steer');
      }
      assert.ok(await gasDestroyed(page) > 0, 'a molecule destroyed');
      assert.ok(spent > 0, 'the engine burnt power');
      await fingers.lift('fire');
      await fingers.lift('engine');

      assert.equal(await screenShown(page), 'playing');
      await fingers.tap(await middleOf(page, '[data-control=pause]'));
      await page.waitForFunction(() => document.body.dataset.screen === 'paused');
      const ticksPaused = await mainTicks(page);
      await sleep(300);
      assert.equal(await mainTicks(page), ticksPaused, 'no main tick while paused');
      await tapCanvas(fingers, page, 400, 300);
      await page.waitForFunction(() => document.body.dataset.screen !== 'paused');
      await sleep(200);
      assert.ok(await mainTicks(page) > ticksPaused + 10, 'a tap on the game goes on');

      const lost = Date.now() + 60000;
      while (await shareLike(page, 'lose.png') < 0.9) {
        assert.ok(Date.now() < lost, 'the lose screen within 60 s');
        await sleep(250);
      }
      await tapCanvas(fingers, page, 400, 300);
      await page.waitForFunction(() => document.body.dataset.screen === 'title');
      assert.ok(await shareLike(page, 'title.png', { x: 0, y: 0, width: 800, height: 460 }) > 0.95, 'back on the title');
      assert.deepEqual(await scrollAndZoom(page), still);
      assert.deepEqual(page.errors, []);
      assert.deepEqual(page.consoleErrors, []);
      await page.close();
    });
  });
}
