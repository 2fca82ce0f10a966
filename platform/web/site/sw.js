// Rendaro's service worker: the whole site kept in one cache at the first visit, so the page opens and
// plays with the network gone. Its name changes with every build, and the old cache goes.
const CACHE = 'rendaro-@VERSION@';
const FILES = ['./', @FILES@];

self.addEventListener('install', (event) => {
  // Past the HTTP cache, which may still hold the last build's files.
  const fresh = FILES.map((file) => new Request(file, {cache: 'reload'}));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(fresh)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((name) => name !== CACHE).map((name) => caches.delete(name))))
    .then(() => self.clients.claim()));
});

// The cache first, whatever the network would say: the site changes only with a new worker.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, {ignoreSearch: true}))
    .then((kept) => kept || fetch(event.request)));
});
