// The browser version in Debian's headless Chromium: the page, the game on its canvas (checked
// on the canvas's pixels) with the keyboard and with a gamepad, a hidden page, the game's
// message boxes, the options form, and the ends of a game.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import {
  afterFrames, canvasPixels, centre, changedSince, clickCanvas, countColour, countPixels, findPicture, keepPixels, mainTicks, moveOnCanvas,
  openBrowser, openGame, padButtons, play, plugGamepad, shareLike, sleep, startGame, tap, tickRecord, told, waitForTold,
} from './browser.mjs';

// Where the game draws what the tests look at, in game pixels.
const sky = { x: 0, y: 0, width: 768, height: 480 };      // where the ship flies
const red = (r, g, b) => r > 200 && g < 60 && b < 60;
const yellow = [[130, 255], [100, 255], [0, 60]];  // the gold of a shot
const air = { x: 0, y: 80, width: 800, height: 400 };     // below the ozone row

let browser;
before(async () => { browser = await openBrowser(); });
after(async () => { await browser.close(); });

describe('the page', () => {
  test('loads and draws the title screen, with no error', async () => {
    const page = await openGame(browser);
    // The title picture fills the canvas but for the labels drawn over it.
    assert.ok(await shareLike(page, 'title.png', { x: 0, y: 0, width: 800, height: 460 }) > 0.95);
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  test('"Play" turns red under the pointer and white again away from it', async () => {
    const page = await openGame(browser);
    assert.equal(countPixels(await canvasPixels(page, play), red), 0);
    await moveOnCanvas(page, ...centre(play));
    await sleep(150);
    assert.ok(countPixels(await canvasPixels(page, play), red) > 100);
    await moveOnCanvas(page, 100, 100);
    await sleep(150);
    assert.equal(countPixels(await canvasPixels(page, play), red), 0);
    await page.close();
  });

  test('keeps the game\'s aspect when it scales the canvas', async () => {
    const page = await openGame(browser);
    for (const size of [{ width: 1100, height: 700 }, { width: 900, height: 1000 }, { width: 1900, height: 1300 }]) {
      await page.setViewportSize(size);
      await sleep(100);
      const box = await page.locator('#canvas').boundingBox();
      assert.ok(Math.abs(box.width / box.height - 4 / 3) < 0.01, `${box.width} x ${box.height}`);
      assert.ok(box.width <= size.width && box.height <= size.height);
    }
    // 1900 x 1300 leaves room for twice the game's size: whole factors are drawn sharp.
    assert.equal(await page.locator('#canvas').evaluate((canvas) => canvas.classList.contains('whole')), true);
    await page.close();
  });
});

describe('a game', () => {
  // A player with the keyboard and the mouse, and one with a gamepad, as on the desktop: each
  // begins a game from the title, flies right firing, pauses and goes on.
  const players = [
    {
      name: 'Play and Start clicked; Right, Up and Z held fly the ship and fire; P pauses and Space resumes',
      begin: startGame,
      hold: (page) => Promise.all(['z', 'ArrowUp', 'ArrowRight'].map((key) => page.keyboard.down(key))),
      letGo: (page) => Promise.all(['z', 'ArrowUp', 'ArrowRight'].map((key) => page.keyboard.up(key))),
      pause: (page) => tap(page, 'p'),
      resume: (page) => tap(page, ' '),
    },
    {
      name: 'a gamepad: the south button takes "Play" and "Start", d-pad and south fly and fire, Start pauses, south resumes',
      async begin(page) {
        page.pad = await plugGamepad(page);
        await page.pad.tap(padButtons.south);  // "Play"
        await sleep(200);
        await page.pad.tap(padButtons.south);  // "Start"; held into the game, it fires no shot
        await sleep(300);
      },
      hold: (page) => page.pad.down([padButtons.south, padButtons.up, padButtons.right]),
      letGo: (page) => page.pad.up([padButtons.south, padButtons.up, padButtons.right]),
      pause: (page) => page.pad.tap(padButtons.start),
      resume: (page) => page.pad.tap(padButtons.south),
    },
  ];
  for (const player of players) {
    test(player.name, async () => {
      const page = await openGame(browser, '10\r\n1\r\n1\r\n');
      await player.begin(page);
      assert.ok(await mainTicks(page) > 0, 'the main tick runs');
      assert.ok(await shareLike(page, 'title.png') < 0.5, 'the title is gone');

      // Right and the engine held fly the ship right, the trigger held fires.
      const startedAt = await findPicture(page, 'ship_right.png', sky);
      assert.equal(await countColour(page, air, yellow), 0, 'no shot yet');
      assert.ok(startedAt.distance < 8, `the ship is on the canvas (${JSON.stringify(startedAt)})`);
      await player.hold(page);
      await sleep(500);
      // The shots are yellow and red rings: yellow is nowhere else in the sky.
      assert.ok(await countColour(page, air, yellow) > 10, 'shots fly');
      await player.letGo(page);
      const flownTo = await findPicture(page, 'ship_right.png', sky);
      assert.ok(flownTo.distance < 8 && flownTo.x > startedAt.x + 10, `the ship flew right (${JSON.stringify([startedAt, flownTo])})`);

      await player.pause(page);
      await sleep(250);
      const ticksPaused = await mainTicks(page);
      await keepPixels(page, 'paused', sky);
      await sleep(400);
      assert.equal(await mainTicks(page), ticksPaused, 'no main tick while paused');
      assert.equal(await changedSince(page, 'paused'), 0, 'the sky stands still');

      await player.resume(page);
      await sleep(400);
      assert.ok(await mainTicks(page) > ticksPaused + 10, 'the game goes on');
      assert.deepEqual(page.errors, []);
      await page.close();
    });
  }

  test('a whole lost game returns to the title with Space', async () => {
    // At 1 ms a tick the ship, left alone, falls and crashes its three lives away quickly.
    const page = await openGame(browser, '1\r\n0\r\n0\r\n');
    await startGame(page);
    await page.waitForFunction(() => true);
    const deadline = Date.now() + 30000;
    while (await shareLike(page, 'lose.png') < 0.9) {
      assert.ok(Date.now() < deadline, 'the lose screen within 30 s');
      await sleep(250);
    }
    await tap(page, ' ');
    await sleep(300);
    assert.ok(await shareLike(page, 'title.png', { x: 0, y: 0, width: 800, height: 460 }) > 0.95);
    await page.close();
  });

  test('Escape ends the game, and the page offers to play again', async () => {
    const page = await openGame(browser);
    await tap(page, 'Escape');
    await waitForTold(page, (t) => t.ended);
    assert.equal(await page.locator('#ended').isVisible(), true);
    await Promise.all([page.waitForNavigation(), page.click('#play-again')]);
    await waitForTold(page, (t) => t.firstFrame !== null && !t.ended);
    assert.ok(await shareLike(page, 'title.png', { x: 0, y: 0, width: 800, height: 460 }) > 0.95);
    await page.close();
  });

  test('a hidden page stops the ticks, and shown again goes on without racing to catch up', async () => {
    const page = await openGame(browser, '10\r\n0\r\n0\r\n');
    await startGame(page);
    // The page's visibility as the browser reports it when the tab goes to the background and
    // comes back. The frames go on regardless here (Chromium would stop them too): the game's
    // own clock stops.
    await page.evaluate(() => {
      window.showPage = (visible) => {
        Object.defineProperty(document, 'visibilityState', { value: visible ? 'visible' : 'hidden', configurable: true });
        Object.defineProperty(document, 'hidden', { value: !visible, configurable: true });
        document.dispatchEvent(new Event('visibilitychange'));
      };
      window.showPage(false);
    });
    await afterFrames(page, 2);  // the ticks due before it was hidden have run
    const hidden = await tickRecord(page);
    await sleep(1000);
    const later = await tickRecord(page);
    assert.equal(later.ticks, hidden.ticks, 'no main tick while hidden');
    assert.equal(later.onMs, hidden.onMs, 'no play while hidden');

    // Shown again: the first frames run only the ticks due since, not the second it was hidden
    // (a race would run the catch-up cap's 25 ticks at once).
    const shown = await page.evaluate(async () => {
      const ticks = () => Module.ccall('skyscrub_main_ticks', 'number', [], []);
      const [ticksBefore, shownAt] = [ticks(), performance.now()];
      window.showPage(true);
      await new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done)));
      return { ticks: ticks() - ticksBefore, ms: performance.now() - shownAt };
    });
    assert.ok(shown.ticks <= shown.ms / 10 + 2, `${shown.ticks} main ticks in the ${shown.ms} ms after showing`);
    await sleep(500);
    assert.ok((await tickRecord(page)).ticks - later.ticks >= 30, 'the game goes on');
    assert.deepEqual(page.errors, []);
    await page.close();
  });

  // The page's display can always be set, so the game asks nothing of the player there; told
  // otherwise, as a desktop can be, the game shows its message boxes as dialogs and waits. Ending
  // the game sets the display back: with Escape (from a key poll) or "Quit" (from a click).
  const quit = { x: 536, y: 536, width: 79, height: 57 };  // "Quit" on the title
  const messageBoxes = [
    { modeTest: 2, end: (page) => tap(page, 'Escape'), title: 'Error', text: 'Mode not supported', buttons: ['OK'], press: 'OK' },
    { modeTest: 1, end: (page) => clickCanvas(page, ...centre(quit)), title: 'Screen Resolution',
      text: 'You must restart your computer to apply these changes.\n\nDo you want to restart now?', buttons: ['Yes', 'No'], press: 'No' },
  ];
  for (const box of messageBoxes) {
    test(`"${box.title}" is a dialog on the page that the game waits for`, async () => {
      const page = await openGame(browser);
      await page.evaluate((answer) => Module.ccall('skyscrub_display_answers', null, ['number'], [answer]), box.modeTest);
      await box.end(page);
      await page.waitForSelector('#message[open]');
      assert.equal(await page.textContent('#message-title'), box.title);
      assert.equal(await page.textContent('#message-text'), box.text);
      assert.deepEqual(await page.locator('#message-buttons button').allTextContents(), box.buttons);
      await sleep(300);
      assert.equal((await told(page)).ended, false, 'the game waits for the answer');
      await page.click(`#message-buttons button:text("${box.press}")`);
      await waitForTold(page, (t) => t.ended);
      assert.deepEqual(page.errors, []);
      await page.close();
    });
  }

  test('without a touch screen: no touch controls, and a click on the paused game leaves it paused (a finger\'s tap goes on)', async () => {
    const page = await openGame(browser, '10\r\n0\r\n0\r\n');
    await startGame(page);
    assert.equal(await page.locator('#touch-controls').isVisible(), false);
    await tap(page, 'p');
    await sleep(250);
    const ticksPaused = await mainTicks(page);
    await clickCanvas(page, 400, 300);
    await sleep(400);
    assert.equal(await mainTicks(page), ticksPaused, 'still paused');
    await tap(page, ' ');
    await sleep(300);
    assert.ok(await mainTicks(page) > ticksPaused + 10, 'Space goes on');
    assert.deepEqual(page.errors, []);
    assert.deepEqual(page.consoleErrors, [], 'nothing failed to load (the page\'s icon among it)');
    await page.close();
  });

  test('sound starts at the first click', async () => {
    const page = await openGame(browser, '10\r\n1\r\n1\r\n');
    await clickCanvas(page, 100, 100);
    await page.waitForFunction(() => Module.SDL2 && Module.SDL2.audioContext
      && Module.SDL2.audioContext.state === 'running', null, { timeout: 5000 });
    assert.deepEqual((await told(page)).music, ['/components/sound/music1.mid']);
    await page.close();
  });
});

describe('the options on the page', () => {
  test('refuse 0 with "Yikes!", save 25 without music, and the game then runs so', async () => {
    const page = await openGame(browser);
    // No settings stored: the form shows the options dialog's own defaults.
    assert.equal(await page.inputValue('#speed'), '10');
    assert.equal(await page.isChecked('#music'), true);
    assert.equal(await page.isChecked('#sound'), true);
    // And the game plays as the form shows: its music is on.
    assert.deepEqual((await told(page)).music, ['/components/sound/music1.mid']);

    await page.fill('#speed', '0');
    await page.click('#save');
    await page.waitForSelector('#message[open]');
    assert.equal(await page.textContent('#message-title'), 'Yikes!');
    assert.equal(await page.textContent('#message-text'),
      'Invalid game speed input.  Please enter a positive integer from 1 to 999, thank you.');
    await page.click('#message-buttons button:text("OK")');
    assert.equal(await page.evaluate(() => localStorage.length), 0, 'nothing saved');

    await page.fill('#speed', ' 25');
    await page.uncheck('#music');
    await page.click('#save');
    await page.waitForSelector('#saved:not([hidden])');
    assert.equal(await page.inputValue('#speed'), '25');
    assert.equal(await page.evaluate(() => localStorage.getItem('skyscrub:/components/gamedata.jpc')),
      '25\r\n1\r\n0\r\n');

    // A change takes effect at the next start: the page restarts the game.
    await Promise.all([page.waitForNavigation(), page.click('#restart')]);
    await waitForTold(page, (t) => t.firstFrame !== null);
    assert.equal(await page.inputValue('#speed'), '25');
    assert.equal(await page.isChecked('#music'), false);
    await startGame(page);
    const first = await mainTicks(page);
    await sleep(2000);
    const ticks = (await mainTicks(page)) - first;
    assert.ok(ticks >= 70 && ticks <= 90, `${ticks} main ticks in 2 s at 25 ms`);
    assert.deepEqual((await told(page)).music, [], 'no music');
    await page.close();
  });
});
