// The site as a host sends it: each pre-compressed copy is its file,
// compressed, and the server sends the best copy a browser accepts, never one
// older than its file.
import assert from 'node:assert/strict';
import { cpSync, existsSync, mkdtempSync, readFileSync, rmSync, utimesSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { request } from 'node:http';
import { after, before, describe, it } from 'node:test';
import { brotliDecompressSync, gunzipSync } from 'node:zlib';
import { siteDir, startServer } from './browser.mjs';

const { files } = JSON.parse(readFileSync(join(siteDir, '..', 'site-files.json'), 'utf8'));
const decoders = { '.gz': gunzipSync, '.br': brotliDecompressSync };

describe('pre-compressed copies', () => {
  it('decode to their files, and every script, sheet, page and the engine has both', () => {
    for (const file of files) {
      for (const [suffix, decode] of Object.entries(decoders)) {
        const copy = join(siteDir, file + suffix);
        if (!existsSync(copy)) {
          assert.doesNotMatch(file, /\.(html|css|js|wasm)$/, `${file} has no ${suffix} copy`);
          continue;
        }
        assert.ok(decode(readFileSync(copy)).equals(readFileSync(join(siteDir, file))), `${file}${suffix}`);
      }
    }
  });

  describe('sent by the server', () => {
    let site;
    let server;
    let origin;
    before(async () => {
      site = mkdtempSync(join(tmpdir(), 'vardel-site-'));
      cpSync(siteDir, site, { recursive: true, preserveTimestamps: true });
      ({ server, origin } = await startServer(site));
    });
    after(() => {
      server.close();
      rmSync(site, { recursive: true, force: true });
    });

    // node's fetch would decode the body and name no encoding of its own.
    const sent = (file, acceptEncoding) =>
      new Promise((done, fail) => {
        request(`${origin}/${file}`, { headers: { 'accept-encoding': acceptEncoding } }, (response) => {
          const chunks = [];
          response.on('data', (chunk) => chunks.push(chunk));
          response.on('end', () => done({ encoding: response.headers['content-encoding'], body: Buffer.concat(chunks) }));
        })
          .on('error', fail)
          .end();
      });

    it('the best copy the browser accepts, or the file', async () => {
      const file = readFileSync(join(site, 'engine.wasm'));
      const chosen = async (accept) => {
        const { encoding, body } = await sent('engine.wasm', accept);
        const decoded = encoding === 'br' ? brotliDecompressSync(body) : encoding === 'gzip' ? gunzipSync(body) : body;
        assert.ok(decoded.equals(file), `${accept}: the file's bytes`);
        return encoding ?? 'none';
      };
      assert.equal(await chosen('gzip, deflate, br'), 'br');
      assert.equal(await chosen('gzip, deflate'), 'gzip');
      assert.equal(await chosen('br;q=0, gzip'), 'gzip');
      assert.equal(await chosen(''), 'none');
    });

    it('the file itself once it is newer than its copies', async () => {
      const later = new Date(Date.now() + 60_000);
      utimesSync(join(site, 'main.js'), later, later);
      assert.equal((await sent('main.js', 'gzip, br')).encoding, undefined);
    });
  });
});
