// Serves a folder on 127.0.0.1: `node serve.mjs FOLDER [PORT]` prints the address and serves
// until interrupted. The browser tests start it in-process with startServer.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.data': 'application/octet-stream',
  '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

// Serves `folders` (the first that has a file wins) on 127.0.0.1; resolves to { server, url }.
export function startServer(folders, port = 0) {
  const roots = folders.map((folder) => resolve(folder));
  const server = createServer(async (request, response) => {
    const path = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
    // A folder's address is its index.html, at the site's root or below it.
    const relative = normalize(path.endsWith('/') ? `${path}index.html` : path).replace(/^(\.\.[/\\])+/, '');
    for (const root of roots) {
      try {
        const body = await readFile(join(root, relative));
        response.writeHead(200, {
          'Content-Type': types[extname(relative)] ?? 'application/octet-stream',
          'Cache-Control': 'no-cache',
        });
        response.end(body);
        return;
      } catch {
        // not in this folder
      }
    }
    response.writeHead(404).end();
  });
  return new Promise((done) => {
    server.listen(port, '127.0.0.1', () => done({ server, url: `http://127.0.0.1:${server.address().port}/` }));
  });
}

if (process.argv[1] && import.meta.url === pathToFileURL(process.argv[1]).href) {
  const [folder, port] = process.argv.slice(2);
  const { url } = await startServer([folder], Number(port ?? 8000));
  console.log(`Skyscrub is served at ${url} (Ctrl+C stops it)`);
}
