// Serves a built site on 127.0.0.1 only: `node web/serve.mjs [FOLDER] [PORT]`. The browser
// tests import serve() to start and stop it.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { extname, join, normalize, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

const types = {
    '.html': 'text/html; charset=utf-8', '.mjs': 'text/javascript', '.js': 'text/javascript',
    '.css': 'text/css', '.json': 'application/json', '.wasm': 'application/wasm', '.png': 'image/png',
    '.webmanifest': 'application/manifest+json', '': 'text/plain; charset=utf-8',
};

export function serve(folder, port = 8080) {
    const root = resolve(folder);
    const server = createServer(async (request, response) => {
        const path = decodeURIComponent(new URL(request.url, 'http://127.0.0.1').pathname);
        const file = normalize(join(root, path.endsWith('/') ? `${path}index.html` : path));
        try {
            if (!file.startsWith(root))
                throw new Error('outside');
            const body = await readFile(file);
            response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream', 'Cache-Control': 'no-cache' });
            response.end(body);
        } catch {
            response.writeHead(404).end();
        }
    });
    return new Promise((done) => server.listen(port, '127.0.0.1', () => done(server)));
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
    const port = Number(process.argv[3] ?? 8080);
    await serve(process.argv[2] ?? 'build-web/site', port);
    console.log(`Corvalen is served on http://127.0.0.1:${port}/`);
}
