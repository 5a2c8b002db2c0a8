'use strict';
// The page around the browser game: it keeps the settings file in the browser's storage, runs
// the game's frames, scales the canvas, shows the game's message boxes and the options form,
// and offers another game once one has ended. The game itself is skyscrub.js.

const settingsPath = '/components/gamedata.jpc';
const storageKey = 'skyscrub:' + settingsPath;  // the settings file's exact bytes

const element = (id) => document.getElementById(id);
const canvas = element('canvas');

// What the game told the page, kept for the controls around it and for the browser tests.
const told = { started: false, firstFrame: null, frameAt: null, music: [], ended: false };
window.skyscrubPage = told;

// The stored settings file as bytes, or null when there is none.
function storedSettings() {
  const text = localStorage.getItem(storageKey);
  return text === null ? null : Uint8Array.from(text, (c) => c.charCodeAt(0) & 0xff);
}

// The settings file as the form shows it before anything is stored (the options dialog's own
// defaults): what a first visit plays with, as every layout of the desktop game ships it.
function formDefaults() {
  const flag = (id) => (element(id).defaultChecked ? '1' : '0');
  return Uint8Array.from(`${element('speed').defaultValue}\r\n${flag('sound')}\r\n${flag('music')}\r\n`,
    (c) => c.charCodeAt(0));
}

function storeSettings(bytes) {
  localStorage.setItem(storageKey, String.fromCharCode(...bytes));
}

// ---- Message boxes: a dialog on the page, answering 0 (OK), 1 (Yes) or 2 (No) ----
function askPage(title, text, yesNo) {
  const dialog = element('message');
  element('message-title').textContent = title;
  element('message-text').textContent = text.replace(/\r\n/g, '\n');
  const buttons = element('message-buttons');
  buttons.replaceChildren();
  const choices = yesNo ? [['Yes', 1], ['No', 2]] : [['OK', 0]];
  for (const [caption, answer] of choices) {
    const button = document.createElement('button');
    button.value = String(answer);
    button.textContent = caption;
    buttons.append(button);
  }
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => {
      // Closed with Escape: the answer a box closed without a choice gives.
      const answer = dialog.returnValue === '' ? (yesNo ? 2 : 0) : Number(dialog.returnValue);
      canvas.focus();
      resolve(answer);
    }, { once: true });
    dialog.returnValue = '';
    dialog.showModal();
    buttons.firstChild.focus();
  });
}

// ---- The game's frames: one call a frame of the browser, none while the tab is hidden ----
function runFrames() {
  const frame = () => {
    told.frameAt = performance.now();
    Promise.resolve(Module.ccall('skyscrub_frame', 'number', [], [], { async: true })).then((running) => {
      if (running) requestAnimationFrame(frame);
    });
  };
  requestAnimationFrame(frame);
}

// The service worker keeps the page for playing offline. It is asked for once the game has
// started, when everything the page loads is in the browser's HTTP cache, so as not to fetch it twice.
function keepForOffline() {
  if ('serviceWorker' in navigator) navigator.serviceWorker.register('service-worker.js').catch(() => {});
}

function tellPage(what, detail) {
  if (what === 'started') {
    told.started = true;
    canvas.focus();
    runFrames();
    keepForOffline();
  } else if (what === 'first-frame') {
    told.firstFrame = performance.now();
  } else if (what === 'music') {
    told.music.push(detail);
  } else if (what === 'ended') {
    told.ended = true;
    element('ended').hidden = false;
    element('play-again').focus();
  }
}

// ---- The canvas: as large as fits, the game's aspect kept ----
function fitCanvas() {
  const box = element('screen').getBoundingClientRect();
  const ratio = window.devicePixelRatio || 1;
  const fit = Math.min(box.width / canvas.width, box.height / canvas.height) * ratio;  // device pixels
  // A whole factor nearly as large as the fit is taken instead: every game pixel is then a
  // square of device pixels, drawn sharp.
  const whole = Math.floor(fit);
  const factor = whole >= 1 && whole / fit >= 0.9 ? whole : fit;
  canvas.style.width = `${(canvas.width * factor) / ratio}px`;
  canvas.style.height = `${(canvas.height * factor) / ratio}px`;
  canvas.classList.toggle('whole', Number.isInteger(factor));
}

// ---- The options form: the options dialog's logic and texts, run by the game's module ----
function showOptions(text) {
  const [speed, sound, music] = text.split('\n');
  element('speed').value = speed;
  element('sound').checked = sound === '1';
  element('music').checked = music === '1';
}

function openOptions() {
  showOptions(Module.ccall('skyscrub_options_open', 'string', [], []));
}

async function saveOptions(event) {
  event.preventDefault();
  const result = Module.ccall('skyscrub_options_save', 'string', ['string', 'number', 'number'],
    [element('speed').value, element('sound').checked ? 1 : 0, element('music').checked ? 1 : 0]);
  const [saved, speedText, title, text] = result.split('\n');
  element('speed').value = speedText;
  if (title) await askPage(title, text, false);
  if (saved === '1') {
    storeSettings(FS.readFile(settingsPath));
    element('saved').hidden = false;
  }
}

var Module = {
  canvas,
  tellPage,
  askPage,
  // The settings file is where the game reads it before the game starts.
  preRun: [() => {
    FS.createPath('/', 'components', true, true);
    FS.writeFile(settingsPath, storedSettings() ?? formDefaults());
  }],
  onRuntimeInitialized: openOptions,
  print: (text) => console.log(text),
  printErr: (text) => console.error(text),
};

element('options').addEventListener('submit', saveOptions);
element('cancel').addEventListener('click', openOptions);
element('restart').addEventListener('click', () => location.reload());
element('play-again').addEventListener('click', () => location.reload());
canvas.addEventListener('contextmenu', (event) => event.preventDefault());
new ResizeObserver(fitCanvas).observe(element('screen'));
