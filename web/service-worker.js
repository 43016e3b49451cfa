// The site kept for visits without a network. The build writes the files it keeps and a version
// made from their contents: a new site is a new worker, which keeps the new files under a name
// of its own and drops the old ones. Each file comes from the network while there is one, so
// that a visit always has the site as it is served, and from what is kept when there is none.
const CACHE = 'sorvanta-@VERSION@';
const FILES = '@FILES@'.split(' ');

self.addEventListener('install', (event) => {
  const fresh = FILES.map((name) => new Request(name, {cache: 'reload'}));
  event.waitUntil(
      caches.open(CACHE).then((cache) => cache.addAll(fresh)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  const old = (names) => names.filter((name) => name.startsWith('sorvanta-') && name !== CACHE);
  event.waitUntil(caches.keys()
                      .then((names) => Promise.all(old(names).map((name) => caches.delete(name))))
                      .then(() => self.clients.claim()));
});

// The page with any answers in its address is the page; a visit to the site's folder is its
// index.html.
function keptFor(request) {
  return caches.open(CACHE).then(
      (cache) => cache.match(request, {ignoreSearch: true})
                     .then(
                         (found) => found ||
                             (request.mode === 'navigate' ? cache.match('index.html') :
                                                            Response.error())));
}

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(fetch(request).catch(() => keptFor(request)));
});
