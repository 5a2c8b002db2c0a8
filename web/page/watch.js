'use strict';
// Recordings on the page: the game can be recorded (the toggle starts a new game, and the
// recording is offered as a download when it ends) and a recording can be watched (opened or
// dropped on the page, the page reloads and the game plays it back). The playback is the
// desktop's: the game's keys (Space, Right or +, Left or -, Escape) or the buttons here control
// it, and it tells the page its speed and position, and why it did not play to its end.

(() => {
  const recordKey = 'skyscrub:record';                // localStorage: '1' while games are recorded
  const watchKey = 'skyscrub:watch';                  // sessionStorage, for one reload: the file's bytes
  const watchNameKey = 'skyscrub:watch-name';         // and its name
  const element = (id) => document.getElementById(id);
  const told = window.skyscrubPage;

  // A file's bytes kept as a string of one character a byte, as the settings are.
  const bytesToText = (bytes) => {
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    return text;
  };
  const textToBytes = (text) => Uint8Array.from(text, (c) => c.charCodeAt(0) & 0xff);

  const toWatch = sessionStorage.getItem(watchKey);
  const watchName = (sessionStorage.getItem(watchNameKey) ?? 'recording.trace').replace(/[/\\]/g, '_') || 'recording.trace';
  sessionStorage.removeItem(watchKey);
  sessionStorage.removeItem(watchNameKey);
  const watching = toWatch !== null;
  const recording = !watching && localStorage.getItem(recordKey) === '1';
  Object.assign(told, { watching, recording: null, playback: null, playbackFailed: null });

  if (watching) {
    const path = `/recordings/${watchName}`;
    Module.arguments = ['--play', path];
    Module.preRun.push(() => {
      FS.createPath('/', 'recordings', true, true);
      FS.writeFile(path, textToBytes(toWatch));
    });
    element('playback').hidden = false;
    element('ended-text').textContent = 'The playback has ended.';
  } else if (recording) {
    Module.arguments = ['--record'];
  }

  function offerDownload(text) {
    told.recording = text;
    const link = element('download-recording');
    const stamp = new Date().toISOString().replace(/[-:]/g, '').replace(/\..*/, '').replace('T', '-');
    link.href = URL.createObjectURL(new Blob([textToBytes(text)], { type: 'text/plain' }));
    link.download = `skyscrub-${stamp}.trace`;
    link.hidden = false;
  }

  const pageTold = Module.tellPage;
  Module.tellPage = (what, detail) => {
    if (what === 'recording') {
      offerDownload(detail);
    } else if (what === 'playback') {
      told.playback = detail;
      element('playback-status').textContent = detail;
      element('playback-pause').textContent = detail.endsWith('paused') ? 'Resume' : 'Pause';
    } else if (what === 'playback-failed') {
      told.playbackFailed = detail;
      Module.askPage('Skyscrub', detail, false);
    } else {
      pageTold(what, detail);
    }
  };

  async function watchFile(file) {
    if (!file) return;
    try {
      sessionStorage.setItem(watchKey, bytesToText(new Uint8Array(await file.arrayBuffer())));
      sessionStorage.setItem(watchNameKey, file.name);
    } catch {
      sessionStorage.removeItem(watchKey);
      await Module.askPage('Skyscrub', `The recording ${file.name} is too large to watch on this page.`, false);
      return;
    }
    location.reload();
  }

  // The playback's buttons ask what its keys ask: 0 pause or resume, 1 faster, 2 slower, 3 stop.
  for (const button of document.querySelectorAll('#playback button')) {
    button.addEventListener('click', () => {
      Module.ccall('skyscrub_playback_control', null, ['number'], [Number(button.dataset.control)]);
      element('canvas').focus();
    });
  }
  const toggle = element('record');
  toggle.checked = localStorage.getItem(recordKey) === '1';
  toggle.addEventListener('change', () => {
    localStorage.setItem(recordKey, toggle.checked ? '1' : '0');
    location.reload();
  });
  element('watch-file').addEventListener('change', (event) => watchFile(event.target.files[0]));
  document.addEventListener('dragover', (event) => event.preventDefault());
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    watchFile(event.dataTransfer.files[0]);
  });
})();
