// A tiny read-only web server for the tests: serves the repository's files
// on 127.0.0.1 (module scripts need http, not file:), plus an empty page.
import {readFile} from 'node:fs/promises';
import {createServer} from 'node:http';
import path from 'node:path';

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.json': 'application/json; charset=utf-8',
  '.png': 'image/png',
};

export const BLANK_PAGE = '/__blank.html';

// Serves |root| on a free port. Resolves with {origin, close()}.
export function serve(root) {
  const base = path.resolve(root);
  const server = createServer(async (request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    const send = (status, type, body) => {
      response.writeHead(
          status, {'Content-Type': type, 'Cache-Control': 'no-store'});
      response.end(body);
    };
    if (request.method !== 'GET') return send(405, 'text/plain', 'GET only');
    if (url.pathname === BLANK_PAGE) {
      return send(200, TYPES['.html'],
                  '<!DOCTYPE html><title>blank</title><body></body>');
    }
    const file = path.resolve(base, '.' + decodeURIComponent(url.pathname));
    if (file !== base && !file.startsWith(base + path.sep))
      return send(403, 'text/plain', 'outside the served folder');
    const type = TYPES[path.extname(file)];
    if (!type) return send(404, 'text/plain', 'not served');
    try {
      send(200, type, await readFile(file));
    } catch {
      send(404, 'text/plain', 'not found');
    }
  });
  return new Promise((resolve, reject) => {
    server.once('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const {port} = server.address();
      resolve({
        origin: `http://127.0.0.1:${port}`,
        close: () => new Promise((done) => {
          server.closeAllConnections?.();
          server.close(() => done());
        }),
      });
    });
  });
}
