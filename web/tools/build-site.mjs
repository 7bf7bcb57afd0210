// Writes the browser page's whole site to SITE: the page, its bundled
// script (esbuild), the App's module, the picture, the manifest with icons
// rendered from the desktop icon, and a service worker whose cache name is
// the hash of everything else, so that it changes with every build.
//   node web/tools/build-site.mjs SITE MODULE_DIR
import { execFileSync } from 'node:child_process';
import { createHash } from 'node:crypto';
import { copyFileSync, mkdirSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';
import * as esbuild from 'esbuild';

const web = resolve(dirname(fileURLToPath(import.meta.url)), '..');
const root = resolve(web, '..');
const [site, moduleDir] = process.argv.slice(2).map((p) => resolve(p));
if (!site || !moduleDir) {
  console.error('usage: build-site.mjs SITE MODULE_DIR');
  process.exit(2);
}

rmSync(site, { recursive: true, force: true });
mkdirSync(site, { recursive: true });
for (const name of readdirSync(join(web, 'static'))) copyFileSync(join(web, 'static', name), join(site, name));
for (const name of ['tesvik-web.js', 'tesvik-web.wasm']) copyFileSync(join(moduleDir, name), join(site, name));
copyFileSync(join(root, 'resources', 'DM.jpg'), join(site, 'DM.jpg'));
for (const size of [192, 512])
  execFileSync('rsvg-convert', ['-w', String(size), '-h', String(size), '-o', join(site, `icon-${size}.png`), join(root, 'packaging', 'tesvik.svg')]);

const common = { bundle: true, minify: true, target: 'es2020', logLevel: 'warning', legalComments: 'none' };
await esbuild.build({ ...common, entryPoints: [join(web, 'src', 'main.ts')], outfile: join(site, 'tesvik-page.js'), format: 'iife' });

const files = readdirSync(site).sort();
const hash = createHash('sha256');
for (const name of files) hash.update(name).update(readFileSync(join(site, name)));
await esbuild.build({
  ...common,
  entryPoints: [join(web, 'src', 'sw.ts')],
  outfile: join(site, 'sw.js'),
  format: 'iife',
  define: {
    CACHE_NAME: JSON.stringify(`tesvik-${hash.digest('hex').slice(0, 16)}`),
    SITE_FILES: JSON.stringify(['./', ...files]),
  },
});
