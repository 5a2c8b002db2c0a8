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
before(async () => { browser = await openBrowser({ device: phone }); });
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

const waitForScreen = (page, screen, timeout = 10000) =>
  page.waitForFunction((screen) => document.body.dataset.screen === screen, screen, { timeout });

// The touch controls: large enough for a thumb, on the screen, and on a phone beside or below
// the game's picture rather than over it.
async function controlsBesideTheGame(page, size) {
  const canvasBox = await page.locator('#canvas').boundingBox();
  for (const control of controls) {
    const box = await page.locator(`[data-control=${control}]`).boundingBox();
    assert.ok(box.width >= 48 && box.height >= 48, `${control}: ${box.width} x ${box.height}`);
    assert.ok(box.x >= 0 && box.y >= 0 && box.x + box.width <= size.width && box.y + box.height <= size.height, `${control} on the screen`);
    const apart = box.x >= canvasBox.x + canvasBox.width || box.x + box.width <= canvasBox.x
      || box.y >= canvasBox.y + canvasBox.height || box.y + box.height <= canvasBox.y;
    assert.ok(apart, `${control} ${JSON.stringify(box)} beside the canvas ${JSON.stringify(canvasBox)}`);
  }
}

// Three thumbs' worth: the engine and fire held, a third thumb sliding from one arrow to the
// other, until a shot destroys a molecule or the game is lost; then all lifted. The most
// engine power seen spent, the milliseconds to the hit and the main ticks run, or null when
// the game was lost first.
async function playUntilAHit(page, fingers) {
  const heldFrom = Date.now();
  await fingers.press('engine', await middleOf(page, '[data-control=engine]'));
  await fingers.press('fire', await middleOf(page, '[data-control=fire]'));
  await fingers.press('steer', await middleOf(page, '[data-control=right]'));
  const sides = { right: await middleOf(page, '[data-control=right]'), left: await middleOf(page, '[data-control=left]') };
  let spent = 0;
  for (let look = 1; await gasDestroyed(page) === 0 && await screenShown(page) === 'playing'; ++look) {
    assert.ok(Date.now() < heldFrom + 30000, 'a hit or a lost game within 30 s');
    spent = Math.max(spent, await countColour(page, powerBar, spentPower));
    assert.deepEqual(await scrollAndZoom(page), still, 'nothing scrolls or zooms in play');
    if (look % 5 === 0) await fingers.move('steer', look % 10 === 0 ? sides.right : sides.left);
    await sleep(50);
  }
  const hit = { spent: Math.max(spent, await countColour(page, powerBar, spentPower)), ms: Date.now() - heldFrom, ticks: await mainTicks(page) };
  for (const finger of ['steer', 'fire', 'engine']) await fingers.lift(finger);
  return await gasDestroyed(page) > 0 && await screenShown(page) === 'playing' ? hit : null;
}

// Phones and tablets, either way up: the page fits.
for (const [device, size] of [['a phone', upright], ['a phone', onItsSide], ['a tablet', { width: 768, height: 1024 }],
  ['a tablet', { width: 1024, height: 768 }]]) {
  const name = `${size.width} x ${size.height}`;
  test(`${device} at ${name}: the canvas as large as its shape allows, no sideways scroll, the options behind a button, full screen, the icon and manifest load`, async (t) => {
    const page = await openOnPhone(size);
    const box = await page.locator('#canvas').boundingBox();
    t.diagnostic(`canvas ${box.width} x ${box.height} CSS px at ${box.x}, ${box.y}`);
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

    // The full-screen button in the corner: the game's area fills the screen (turned to
    // landscape where the browser allows), and a second tap leaves it.
    await fingers.tap(await middleOf(page, '#corner .full-screen'));
    await page.waitForFunction(() => document.fullscreenElement?.id === 'screen');
    await fingers.tap(await middleOf(page, '#corner .full-screen'));
    await page.waitForFunction(() => document.fullscreenElement === null);

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
}

// A whole game on a phone, either way up.
for (const size of [upright, onItsSide]) {
  const name = `${size.width} x ${size.height}`;
  describe(`a phone at ${name}`, () => {
    test('a whole game by touch alone: "Play" and "Start" tapped, engine and fire held, a molecule destroyed, paused and resumed by taps, the end screen left by a tap', async (t) => {
      // At 1 ms a tick the sky fills fast, and the ship, left alone, soon loses its lives; a game
      // lost before a shot hit is left by a tap for another.
      const page = await openOnPhone(size, '1\r\n0\r\n0\r\n');
      const fingers = await touchScreen(page);
      let hit = null;
      for (let game = 1; hit === null; ++game) {
        assert.ok(game <= 5, 'a molecule destroyed in one of five games');
        if (game > 1) {
          await waitForScreen(page, 'ended', 30000);
          await tapCanvas(fingers, page, 400, 300);
        }
        await tapCanvas(fingers, page, ...centre(play));
        await tapCanvas(fingers, page, ...centre(start));
        await waitForScreen(page, 'playing');
        if (game === 1) await controlsBesideTheGame(page, size);
        hit = await playUntilAHit(page, fingers);
        if (hit !== null) t.diagnostic(`game ${game}: first molecule destroyed ${hit.ms} ms after the thumbs came down`);
      }
      assert.ok(hit.spent > 0, 'the engine burnt power');
      assert.ok(hit.ticks > 0, 'the main tick ran');

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
