'use strict';
// The page on any screen: the full-screen buttons (turning a phone's screen to landscape where
// the browser allows), the options behind a button on a narrow screen, and the note shown until
// the player's first tap, click or key (the sound starts then). Uses `element` and `canvas` of
// page.js.
(() => {
  async function fullScreen() {
    if (document.fullscreenElement) {
      await document.exitFullscreen().catch(() => {});
      return;
    }
    try {
      await element('screen').requestFullscreen({ navigationUI: 'hide' });
    } catch {
      return;  // refused, or no full screen in this browser
    }
    try {
      await screen.orientation.lock('landscape');
    } catch {
      // only some browsers lock, and only on some devices
    }
    canvas.focus();
  }
  for (const button of document.querySelectorAll('.full-screen')) button.addEventListener('click', fullScreen);

  element('side-open').addEventListener('click', () => document.body.classList.add('side-open'));
  element('side-close').addEventListener('click', () => {
    document.body.classList.remove('side-open');
    canvas.focus();
  });

  const gestures = ['pointerdown', 'touchstart', 'keydown'];
  const firstGesture = () => {
    element('first-gesture').hidden = true;
    for (const type of gestures) window.removeEventListener(type, firstGesture, true);
  };
  for (const type of gestures) window.addEventListener(type, firstGesture, { capture: true, passive: true });
})();
