// The service worker: keeps every file of one version of the site in one
// cache and answers from it, so that after one visit the calculator opens
// with the network off. A new version is fetched whole into a cache of its
// own while the old one keeps serving; it takes over at the next visit
// (main.js asks it to before the page builds), so a page never mixes files
// of two versions. The department's file is the one file asked of the
// network first.
const VERSION = '@VERSION@';
const FILES = [/* FILES */];
const CACHE = `vardel-${VERSION}`;
// The department's file beside the page, which its administrator may
// replace without building the site again: asked of the network first, and
// kept, so that a device offline is answered from the cache.
const ISSUED = new URL('@ISSUED@', self.registration.scope).href;

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches.open(CACHE).then((cache) =>
      cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))),
    ),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((keys) =>
        Promise.all(
          keys.filter((key) => key.startsWith('vardel-') && key !== CACHE).map((key) => caches.delete(key)),
        ),
      )
      .then(() => self.clients.claim()),
  );
});

// The page asks a waiting version to take over at the start of a visit. The
// event is kept open until it has, or the idle worker may be stopped first.
self.addEventListener('message', (event) => {
  if (event.data === 'take-over') event.waitUntil(self.skipWaiting());
});

function issuedFile(request) {
  return caches.open(CACHE).then((cache) =>
    fetch(request, { cache: 'no-store' })
      .then((response) => {
        if (response.ok) cache.put(ISSUED, response.clone());
        return response;
      })
      .catch(() => cache.match(ISSUED).then((kept) => kept || Response.error())),
  );
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  if (request.url.split(/[?#]/)[0] === ISSUED) {
    event.respondWith(issuedFile(request));
    return;
  }
  event.respondWith(
    caches
      .open(CACHE)
      .then((cache) => cache.match(request, { ignoreSearch: true }))
      .then((cached) => cached || fetch(request)),
  );
});
