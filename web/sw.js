// SPDX-License-Identifier: GPL-3.0-or-later
// Keeps this folder's files for use without a network. Each build is a cache
// of its own, named by its version, and the page asks for every file with
// that version, so the files of two builds never meet. A new build is taken
// whole: the page comes from the network when there is one, and the worker of
// the new build caches all of its files before it takes over.
'use strict';

const version = '@VERSION@';
const prefix = 'relativity-train-';
const cacheName = prefix + version;
const files = ['@FILES@'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(files))
    .then(() => self.skipWaiting()));
});

// The build before this one stays one build longer, for a page that was
// still loading it; older ones go.
self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    const order = await caches.open(prefix + 'order');
    const seen = await order.match('builds');
    const builds = (seen ? await seen.json() : []).filter((b) => b !== version).concat(version);
    const kept = builds.slice(-2);
    await order.put('builds', new Response(JSON.stringify(kept)));
    for (const name of await caches.keys()) {
      if (name.startsWith(prefix) && name !== prefix + 'order' && !kept.includes(name.slice(prefix.length))) {
        await caches.delete(name);
      }
    }
    await self.clients.claim();
  })());
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  if (request.mode === 'navigate') {
    event.respondWith(fetch(request).catch(() =>
      caches.open(cacheName).then((cache) => cache.match('index.html'))));
    return;
  }
  event.respondWith(caches.match(request).then((kept) => kept || fetch(request).then((response) => {
    // A catalogue or an icon is kept once it is used.
    if (response.ok) {
      const copy = response.clone();
      caches.open(cacheName).then((cache) => cache.put(request, copy));
    }
    return response;
  })));
});
