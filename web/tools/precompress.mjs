// The site's pre-compressed copies, for hosts that send a file's FILE.gz or
// FILE.br as it is to a browser that accepts it: gzip by zopfli (the
// smallest gzip a browser can read) and brotli at its best quality, for
// every file that shrinks; pictures and fonts are compressed already.
import { execFileSync } from 'node:child_process';
import { readFileSync, writeFileSync } from 'node:fs';
import { extname } from 'node:path';
import { brotliCompressSync, constants } from 'node:zlib';

const compressible = new Set(['.html', '.css', '.js', '.mjs', '.wasm', '.json', '.webmanifest', '.txt', '.svg']);

function brotli(bytes) {
  return brotliCompressSync(bytes, {
    params: {
      [constants.BROTLI_PARAM_QUALITY]: constants.BROTLI_MAX_QUALITY,
      [constants.BROTLI_PARAM_SIZE_HINT]: bytes.length,
    },
  });
}

// Writes PATH.gz and PATH.br beside each of `paths` whose copy is smaller
// than the file; returns the paths written.
export function precompress(paths, zopfli) {
  const written = [];
  for (const path of paths.filter((p) => compressible.has(extname(p)))) {
    const bytes = readFileSync(path);
    const copies = {
      '.gz': execFileSync(zopfli, ['-c', '--gzip', path], { maxBuffer: 64 << 20 }),
      '.br': brotli(bytes),
    };
    for (const [suffix, packed] of Object.entries(copies)) {
      if (packed.length >= bytes.length) continue;
      writeFileSync(path + suffix, packed);
      written.push(path + suffix);
    }
  }
  return written;
}
