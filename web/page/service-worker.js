'use strict';
// Keeps the page and everything it loads in the browser's cache, so that after a first visit the
// game starts and plays with the network gone. The build writes its files and a hash of them in
// here: a new build is a new worker, which fills a cache of its own and deletes the old ones.
// Every path is relative to this file, so the page works from any folder of a site.
const build = '@SKYSCRUB_BUILD@';
const files = [@SKYSCRUB_FILES@];
const cacheName = `skyscrub-${build}`;

self.addEventListener('install', (event) => {
  // Asked of the server afresh (a conditional request where it can answer one), never taken from
  // an HTTP cache that may still hold an older build's file.
  event.waitUntil(caches.open(cacheName)
    .then((cache) => cache.addAll(files.map((file) => new Request(file, { cache: 'no-cache' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name.startsWith('skyscrub-') && name !== cacheName)
      .map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The cached file where there is one (the page itself for its folder's address, whatever the
// query), else the network's answer.
async function answer(request) {
  const cache = await caches.open(cacheName);
  const cached = await cache.match(request, { ignoreSearch: true }) ??
    (request.mode === 'navigate' ? await cache.match('index.html') : undefined);
  return cached ?? fetch(request);
}

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET' || new URL(event.request.url).origin !== self.location.origin) return;
  event.respondWith(answer(event.request));
});
