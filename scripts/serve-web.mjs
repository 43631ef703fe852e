// A small static file server for the web panel's site, on 127.0.0.1 only,
// with the content types a browser needs (WebAssembly as application/wasm,
// the manifest, the font) and the page's Content-Security-Policy as a header
// too. Used by `make serve-web`, the browser tests and the benchmark.
//
//   node scripts/serve-web.mjs [SITE_DIR] [PORT]
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


// Starts serving `root`; resolves to the server once it listens. Port 0
// picks a free port (server.address().port).
export function serve(root, port = 8080) {
  const base = resolve(root);
  const server = createServer(async (request, response) => {
    try {
      const url = new URL(request.url, 'http://127.0.0.1');
      let path = normalize(join(base, decodeURIComponent(url.pathname)));
      if (path !== base && !path.startsWith(base + sep)) throw new Error('outside the site');
      if ((await stat(path)).isDirectory()) path = join(path, 'index.html');
      const body = await readFile(path);
      response.writeHead(200, {
        'Content-Type': types[extname(path)] || 'application/octet-stream',
        'Content-Length': body.length,
        'Cache-Control': 'no-cache',
        'Content-Security-Policy': headerPolicy,
        'X-Content-Type-Options': 'nosniff',
        // Isolated from other sites' windows; the page's clock then counts
        // in microseconds, which the benchmark's key timings need.
        'Cross-Origin-Opener-Policy': 'same-origin',
        'Cross-Origin-Embedder-Policy': 'require-corp',
      });
      response.end(request.method === 'HEAD' ? undefined : body);
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
  const server = await serve(root, port);
  console.log(`Serving ${root} at http://127.0.0.1:${server.address().port}/ (Ctrl+C stops)`);
}
