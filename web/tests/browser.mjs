// Debian's Chromium, headless, driven by playwright-core, on the page scripts/web builds; and
// what the tests read off the page: canvas pixels and what the game told the page.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';
import { startServer } from './serve.mjs';

const root = join(dirname(fileURLToPath(import.meta.url)), '..', '..');
// The page and what it loads; the generated pictures, served beside them for the pixel checks.
export const siteFolder = process.env.SKYSCRUB_SITE ?? join(root, 'build-web');
const artFolder = join(root, "build-web-wasm", "assets");
// Where `scripts/web dist` writes the page as one zip.
export const distFolder = join(root, 'build-web-dist');

// The flags the browser needs on a machine with no network but the loopback.
const quietFlags = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync'];

// A phone as Chromium's mobile emulation makes one: a touch screen, a mobile viewport (the page's
// own width, zoomable), three device pixels to a CSS pixel; upright, 390 x 844 CSS pixels.
export const phone = { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, deviceScaleFactor: 3 };

// Starts the server (on `folders`, the page at `path` below its root) and the browser (a
// desktop's window, unless `device` says otherwise); `close` ends both and removes the browser's
// profile.
export async function openBrowser({ device = {}, folders = [siteFolder, artFolder], path = '' } = {}) {
  const { server, url: root } = await startServer(folders);
  const url = root + path;
  const profile = mkdtempSync(join(tmpdir(), 'skyscrub-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.SKYSCRUB_CHROMIUM ?? '/usr/bin/chromium',
    args: quietFlags,
    viewport: { width: 1100, height: 700 },
    ...device,
  });
  return {
    url,
    context,
    async close() {
      await context.close();
      server.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Opens the game's page, with `settings` (the settings file's text, or null for none) stored
// first, and waits until the title has been drawn.
export async function openGame(browser, settings = null) {
  const page = await browser.context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(error));
  page.errors = errors;
  // What the browser's console says went wrong (a file that failed to load among it).
  page.consoleErrors = [];
  page.on('console', (message) => {
    if (message.type() === 'error') page.consoleErrors.push(message.text());
  });
  await page.goto(browser.url + 'index.html?store');
  await page.evaluate((text) => {
    localStorage.clear();
    if (text !== null) localStorage.setItem('skyscrub:/components/gamedata.jpc', text);
  }, settings);
  await page.goto(browser.url);
  await waitForTold(page, (told) => told.firstFrame !== null);
  return page;
}

// Waits until what the game told the page satisfies `test` (run in the page).
export async function waitForTold(page, test, timeout = 10000) {
  await page.waitForFunction(`(${test})(window.skyscrubPage)`, null, { timeout });
}

export function told(page) {
  return page.evaluate(() => window.skyscrubPage);
}

export function mainTicks(page) {
  return page.evaluate(() => Module.ccall('skyscrub_main_ticks', 'number', [], []));
}

// The main ticks run, the milliseconds of play their timer was on, and the page's clock when
// that frame began, all as of the game's last frame: { ticks, onMs, frameMs }.
export function tickRecord(page) {
  return page.evaluate(() => ({
    ticks: Module.ccall('skyscrub_main_ticks', 'number', [], []),
    onMs: Module.ccall('skyscrub_main_timer_on_ms', 'number', [], []),
    frameMs: window.skyscrubPage.frameAt,
  }));
}

// The canvas's pixels in a rectangle of game pixels, as RGBA bytes.
export function canvasPixels(page, { x, y, width, height }) {
  return page.evaluate(({ x, y, width, height }) => {
    const canvas = document.getElementById('canvas');
    return Array.from(canvas.getContext('2d').getImageData(x, y, width, height).data);
  }, { x, y, width, height });
}

// Keeps the canvas's pixels in `area` in the page, under `name`, for changedSince.
export function keepPixels(page, name, area) {
  return page.evaluate(({ name, area }) => {
    const canvas = document.getElementById('canvas');
    window.keptPixels ??= {};
    window.keptPixels[name] = { area, data: canvas.getContext('2d').getImageData(area.x, area.y, area.width, area.height).data };
  }, { name, area });
}

// How many pixels of the area kept under `name` differ now.
export function changedSince(page, name) {
  return page.evaluate((name) => {
    const { area, data } = window.keptPixels[name];
    const now = document.getElementById('canvas').getContext('2d').getImageData(area.x, area.y, area.width, area.height).data;
    let changed = 0;
    for (let i = 0; i < data.length; i += 4) {
      if (data[i] !== now[i] || data[i + 1] !== now[i + 1] || data[i + 2] !== now[i + 2]) ++changed;
    }
    return changed;
  }, name);
}

// Where the generated picture `file` shows best inside `area` of the canvas: its top-left
// corner and how far it is from the picture there (the mean difference of its opaque pixels'
// channels; 0 is an exact match).
export function findPicture(page, file, area) {
  return page.evaluate(async ({ file, area }) => {
    const image = new Image();
    image.src = `art/${file}`;
    await image.decode();
    const scratch = new OffscreenCanvas(image.width, image.height).getContext('2d');
    scratch.drawImage(image, 0, 0);
    const want = scratch.getImageData(0, 0, image.width, image.height).data;
    const opaque = [];
    for (let i = 0; i < want.length; i += 4) if (want[i + 3] === 255) opaque.push(i);
    const w = area.width + image.width;
    const have = document.getElementById('canvas').getContext('2d').getImageData(area.x, area.y, w, area.height + image.height).data;
    let best = { x: 0, y: 0, distance: Infinity };
    for (let y = 0; y < area.height; ++y) {
      for (let x = 0; x < area.width; ++x) {
        let sum = 0;
        for (const i of opaque) {
          const px = (i / 4) % image.width, py = Math.floor(i / 4 / image.width);
          const j = ((y + py) * w + x + px) * 4;
          sum += Math.abs(have[j] - want[i]) + Math.abs(have[j + 1] - want[i + 1]) + Math.abs(have[j + 2] - want[i + 2]);
          if (sum >= best.distance * opaque.length * 3) break;
        }
        const distance = sum / (opaque.length * 3);
        if (distance < best.distance) best = { x: area.x + x, y: area.y + y, distance };
      }
    }
    return best;
  }, { file, area });
}

// How many pixels of the canvas in `area` have channels within `ranges` ([[rMin, rMax], [gMin,
// gMax], [bMin, bMax]]), counted in the page.
export function countColour(page, area, ranges) {
  return page.evaluate(({ area, ranges }) => {
    const data = document.getElementById('canvas').getContext('2d').getImageData(area.x, area.y, area.width, area.height).data;
    let count = 0;
    for (let i = 0; i < data.length; i += 4) {
      if (ranges.every(([low, high], c) => data[i + c] >= low && data[i + c] <= high)) ++count;
    }
    return count;
  }, { area, ranges });
}

// How many pixels of `rgba` satisfy `test(r, g, b)`.
export function countPixels(rgba, test) {
  let count = 0;
  for (let i = 0; i < rgba.length; i += 4) if (test(rgba[i], rgba[i + 1], rgba[i + 2])) ++count;
  return count;
}

// The share (0..1) of the canvas's pixels in `area` that equal those of the generated picture
// `file` (drawn at the canvas's corner) within a small tolerance.
export function shareLike(page, file, area = { x: 0, y: 0, width: 800, height: 600 }) {
  return page.evaluate(async ({ file, area }) => {
    const image = new Image();
    image.src = `art/${file}`;
    await image.decode();
    const scratch = new OffscreenCanvas(800, 600).getContext('2d');
    scratch.drawImage(image, 0, 0);
    const want = scratch.getImageData(area.x, area.y, area.width, area.height).data;
    const have = document.getElementById('canvas').getContext('2d')
      .getImageData(area.x, area.y, area.width, area.height).data;
    let same = 0;
    for (let i = 0; i < want.length; i += 4) {
      const near = Math.abs(want[i] - have[i]) + Math.abs(want[i + 1] - have[i + 1]) + Math.abs(want[i + 2] - have[i + 2]);
      if (near <= 12) ++same;
    }
    return same / (want.length / 4);
  }, { file, area });
}

// A point of the canvas, in game pixels, as a point of the page.
export async function pagePoint(page, x, y) {
  const box = await page.locator('#canvas').boundingBox();
  return { x: box.x + (x * box.width) / 800, y: box.y + (y * box.height) / 600 };
}

export async function clickCanvas(page, x, y) {
  const point = await pagePoint(page, x, y);
  await page.mouse.click(point.x, point.y);
}

export async function moveOnCanvas(page, x, y) {
  const point = await pagePoint(page, x, y);
  await page.mouse.move(point.x, point.y, { steps: 4 });
}

export const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

// Resolves once the browser has shown `count` more frames: the game's frame, asked for before,
// runs first in each.
export function afterFrames(page, count) {
  return page.evaluate((count) => new Promise((done) => {
    const frame = (left) => (left === 0 ? done() : requestAnimationFrame(() => frame(left - 1)));
    frame(count);
  }), count);
}

// Where the game draws the labels that lead into a game, in game pixels.
export const play = { x: 540, y: 476, width: 81, height: 57 };   // "Play" on the title
export const start = { x: 680, y: 528, width: 89, height: 57 };  // "Start" on the instructions
export const centre = (area) => [area.x + area.width / 2, area.y + area.height / 2];

// From the title into a game: "Play", then "Start".
export async function startGame(page) {
  await clickCanvas(page, ...centre(play));
  await page.waitForFunction(() => true);
  await sleep(200);
  await clickCanvas(page, ...centre(start));
  await sleep(300);
}

// The game reads the keys' state when it polls, as on the desktop: a key is held long enough
// for a poll to see it, as a player's finger does.
export async function tap(page, key) {
  await holdKeys(page, [key], 120);
}

export async function holdKeys(page, keys, ms) {
  for (const key of keys) await page.keyboard.down(key);
  await sleep(ms);
  for (const key of keys) await page.keyboard.up(key);
}

// Buttons of the browser's standard gamepad layout.
export const padButtons = { south: 0, back: 8, start: 9, up: 12, down: 13, left: 14, right: 15 };

// Plugs a gamepad into the page. Chromium has no virtual gamepad of its own to offer, so the
// page's Gamepad API (navigator.getGamepads and its gamepadconnected event) is given a
// standard-layout pad whose buttons the test presses; the game reads it through SDL as it
// reads a real one. Resolves to { down(buttons), up(buttons), tap(button) }.
export async function plugGamepad(page) {
  await page.evaluate(() => {
    const pad = {
      id: 'Virtual gamepad (STANDARD GAMEPAD)', index: 0, connected: true, mapping: 'standard', timestamp: performance.now(),
      axes: [0, 0, 0, 0], buttons: Array.from({ length: 17 }, () => ({ pressed: false, touched: false, value: 0 })),
    };
    Object.defineProperty(navigator, 'getGamepads', { value: () => [pad, null, null, null], configurable: true });
    window.setPadButtons = (buttons, pressed) => {
      for (const b of buttons) pad.buttons[b] = { pressed, touched: pressed, value: pressed ? 1 : 0 };
      pad.timestamp = performance.now();  // the browser's mark of a new state
    };
    const plugged = new Event('gamepadconnected');
    Object.defineProperty(plugged, 'gamepad', { value: pad });
    window.dispatchEvent(plugged);
  });
  await afterFrames(page, 2);  // the game has opened the pad
  const set = (buttons, pressed) => page.evaluate(([b, p]) => window.setPadButtons(b, p), [buttons, pressed]);
  return {
    down: (buttons) => set(buttons, true),
    up: (buttons) => set(buttons, false),
    // Held as long as a key in tap(), for the game's polls to see it.
    async tap(button) {
      await set([button], true);
      await sleep(120);
      await set([button], false);
    },
  };
}

// Fingers on the touch screen, as the browser's own touch input (several at once): each named
// by an id, pressed at, moved to and lifted from points of the page.
export async function touchScreen(page) {
  const cdp = await page.context().newCDPSession(page);
  const down = new Map();
  // The fingers down now; one that is missing is lifted, a new one pressed.
  const numbers = new Map();  // the browser numbers its touch points
  const number = (id) => numbers.get(id) ?? numbers.set(id, numbers.size + 1).get(id);
  const send = (type) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: type === 'touchEnd' ? [] : [...down].map(([id, { x, y }]) => ({ id: number(id), x, y })),
  });
  const fingers = {
    async press(id, point) {
      down.set(id, point);
      await send('touchStart');
    },
    async move(id, point) {
      down.set(id, point);
      await send('touchMove');
    },
    async lift(id) {
      down.delete(id);
      await send(down.size === 0 ? 'touchEnd' : 'touchMove');
    },
    // A finger's tap, held as long as one is.
    async tap(point) {
      await fingers.press('tap', point);
      await sleep(80);
      await fingers.lift('tap');
    },
  };
  return fingers;
}

// The centre of the element `selector`, as a point of the page.
export async function middleOf(page, selector) {
  const box = await page.locator(selector).boundingBox();
  return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}
