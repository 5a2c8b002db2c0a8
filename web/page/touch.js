'use strict';
// The touch screen's controls: Left, Right and the engine under the left thumb, fire under the
// right, pause at the top, shown where they act (in play and paused) on a device with a touch
// screen. The page tells the game which are held, and whether a finger is on the game's
// picture; the game reads them as the keys they stand for, as it reads a gamepad's, so the bits
// follow its order of them. Uses `element` and `canvas` of page.js.
(() => {
  const bits = { left: 1, right: 2, engine: 4, fire: 8, pause: 16 };
  const picture = 32;  // a finger that came down on the game's picture
  const screens = ['title', 'instructions', 'playing', 'paused', 'ended'];  // as the game numbers them
  const layer = element('touch-controls');
  const buttons = [...layer.querySelectorAll('[data-control]')];
  let told = 0;

  const started = () => window.skyscrubPage.started && !window.skyscrubPage.ended;

  // What the fingers on the screen hold: each the control under it now (a thumb may slide from
  // one arrow to the other), or the picture where it came down.
  function heldBy(touches) {
    let held = 0;
    for (const touch of touches) {
      if (touch.target === canvas) {
        held |= picture;
        continue;
      }
      const under = document.elementFromPoint(touch.clientX, touch.clientY)?.closest('[data-control]');
      if (under && layer.contains(under)) held |= bits[under.dataset.control];
    }
    return held;
  }

  function fingersMoved(event) {
    document.body.classList.add('touch');
    // A finger on the controls neither zooms, scrolls, opens a menu nor clicks.
    if (layer.contains(event.target)) event.preventDefault();
    const held = heldBy(event.touches);
    for (const button of buttons) button.classList.toggle('held', (held & bits[button.dataset.control]) !== 0);
    if (held === told || !started()) return;
    told = held;
    Module.ccall('skyscrub_touch', null, ['number'], [held]);
  }
  for (const type of ['touchstart', 'touchmove', 'touchend', 'touchcancel']) {
    document.addEventListener(type, fingersMoved, { passive: false });
  }
  layer.addEventListener('contextmenu', (event) => event.preventDefault());

  // The page follows the screen the game shows, for the controls to show only where they act.
  function followScreen() {
    if (document.body.classList.contains('touch') && started()) {
      const shown = screens[Module.ccall('skyscrub_screen', 'number', [], [])] ?? '';
      if (document.body.dataset.screen !== shown) document.body.dataset.screen = shown;
    }
    requestAnimationFrame(followScreen);
  }
  if (navigator.maxTouchPoints > 0 || matchMedia('(pointer: coarse)').matches) document.body.classList.add('touch');
  requestAnimationFrame(followScreen);
})();
