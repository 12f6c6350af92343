// Corvane's page without a network: every request of the page goes to the
// network first and a copy of the answer is kept; when there is no network,
// the copy is served, so that a page once loaded opens again offline.
const cacheName = 'corvane';

self.addEventListener('install', () => self.skipWaiting());
self.addEventListener('activate', (event) => event.waitUntil(self.clients.claim()));

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    fetch(request)
      .then((response) => {
        if (response.ok) {
          const copy = response.clone();
          event.waitUntil(caches.open(cacheName).then((cache) => cache.put(request, copy)));
        }
        return response;
      })
      .catch(() => caches.match(request, { ignoreSearch: true })
        .then((kept) => kept ?? Response.error())),
  );
});
