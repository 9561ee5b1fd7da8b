// Marevo's offline worker: keeps every file of the page after the first visit and answers
// from that copy first (the address's query ignored), fetching a newer copy in the background
// for the next visit; so the page opens with the network gone.
'use strict';
var CacheName = 'marevo-1';
var Files = ['./', 'index.html', 'app.js', 'style.css', 'marevo.js', 'marevo.wasm', 'marevo.data',
             'manifest.webmanifest', 'icon.svg', 'icon-192.png', 'icon-512.png', 'DATA-LICENSE',
             'DATA-README.md'];

self.addEventListener('install', function (event) {
  event.waitUntil(caches.open(CacheName).then(function (cache) { return cache.addAll(Files); })
    .then(function () { return self.skipWaiting(); }));
});

self.addEventListener('activate', function (event) {
  event.waitUntil(caches.keys().then(function (names) {
    return Promise.all(names.filter(function (n) { return n !== CacheName; })
      .map(function (n) { return caches.delete(n); }));
  }).then(function () { return self.clients.claim(); }));
});

self.addEventListener('fetch', function (event) {
  var request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  var key = request.mode === 'navigate' ? 'index.html' : request;
  event.respondWith(caches.open(CacheName).then(function (cache) {
    return cache.match(key, {ignoreSearch: true}).then(function (cached) {
      var fresh = fetch(request).then(function (response) {
        if (response.ok && response.type === 'basic') cache.put(key, response.clone());
        return response;
      });
      if (cached) {
        fresh.catch(function () {});
        return cached;
      }
      return fresh;
    });
  }));
});
