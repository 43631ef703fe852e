// A small static file server for the web panel's site, on 127.0.0.1 only,
// with the content types a browser needs (WebAssembly as application/wasm,
// the manifest, the font) and the page's Content-Security-Policy as a header
// too. Like a host's static compression, it sends the site's pre-compressed
// copy of a file (FILE.br, FILE.gz) to a browser that accepts it, so that
// what it sends is what a host would. Used by `make serve-web`, the browser
// tests and the benchmark.
//
//   node scripts/serve-web.mjs [SITE_DIR] [PORT] [ENCODINGS]
//
// ENCODINGS names the copies it may send, best first (br,gzip by default;
// "gzip" sends no brotli, "none" the files alone).
import { createServer } from 'node:http';
import { readFile, stat } from 'node:fs/promises';
import { extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';
import { headerPolicy } from '../web/tools/security-policy.mjs';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json',
  '.json': 'application/json',
  '.png': 'image/png',
  '.gif': 'image/gif',
  '.woff2': 'font/woff2',
  '.txt': 'text/plain; charset=utf-8',
};

// The pre-compressed copies' suffixes, by the encoding a browser names.
const suffixes = { br: '.br', gzip: '.gz' };

// The names of the encodings a request accepts (q=0 refuses one).
function accepted(request) {
  const names = new Set();
  for (const part of String(request.headers['accept-encoding'] || '').split(',')) {
    const [name, ...parameters] = part.trim().toLowerCase().split(';');
    const q = parameters.map((p) => p.trim()).find((p) => p.startsWith('q='));
    if (name && !(q && Number(q.slice(2)) === 0)) names.add(name);
  }
  return names;
}

// The body to send for `path` and its encoding: the first of `encodings`
// the browser accepts that has a copy, unless the file has changed since
// the copy was made.
async function body(path, request, encodings) {
  const names = accepted(request);
  const { mtimeMs } = await stat(path);
  for (const name of encodings.filter((e) => names.has(e))) {
    const copy = await stat(path + suffixes[name]).catch(() => null);
    if (copy && copy.mtimeMs >= mtimeMs) return { bytes: await readFile(path + suffixes[name]), encoding: name };
  }
  return { bytes: await readFile(path), encoding: null };
}

// Starts serving `root`; resolves to the server once it listens. Port 0
// picks a free port (server.address().port).
export function serve(root, port = 8080, encodings = Object.keys(suffixes)) {
  for (const name of encodings) if (!suffixes[name]) throw new Error(`no copies for the encoding ${name}`);
  const base = resolve(root);
  const server = createServer(async (request, response) => {
    try {
      const url = new URL(request.url, 'http://127.0.0.1');
      let path = normalize(join(base, decodeURIComponent(url.pathname)));
      if (path !== base && !path.startsWith(base + sep)) throw new Error('outside the site');
      if ((await stat(path)).isDirectory()) path = join(path, 'index.html');
      const { bytes, encoding } = await body(path, request, encodings);
      response.writeHead(200, {
        'Content-Type': types[extname(path)] || 'application/octet-stream',
        'Content-Length': bytes.length,
        ...(encoding ? { 'Content-Encoding': encoding } : {}),
        Vary: 'Accept-Encoding',
        'Cache-Control': 'no-cache',
        'Content-Security-Policy': headerPolicy,
        'X-Content-Type-Options': 'nosniff',
        // Isolated from other sites' windows; the page's clock then counts
        // in microseconds, which the benchmark's key timings need.
        'Cross-Origin-Opener-Policy': 'same-origin',
        'Cross-Origin-Embedder-Policy': 'require-corp',
      });
      response.end(request.method === 'HEAD' ? undefined : bytes);
    } catch {
      response.writeHead(404, { 'Content-Type': 'text/plain; charset=utf-8' });
      response.end('not found\n');
    }
  });
  return new Promise((done, fail) => {
    server.once('error', fail);
    server.listen(port, '127.0.0.1', () => done(server));
  });
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const root = process.argv[2] || 'build-web/site';
  const port = Number(process.argv[3] || 8080);
  const asked = process.argv[4] || 'br,gzip';
  const server = await serve(root, port, asked === 'none' ? [] : asked.split(','));
  console.log(`Serving ${root} at http://127.0.0.1:${server.address().port}/ (Ctrl+C stops)`);
}
