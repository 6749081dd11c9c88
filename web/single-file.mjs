// Makes the page as one HTML file that needs nothing beside it: its scripts
// bundled with esbuild, uPlot's styles and the page's inlined, the Worker's
// script carried as text and started from a blob URL as a classic script,
// the glue's WebAssembly inside its script (Emscripten's SINGLE_FILE link)
// and the program's as bytes. Only workers.js differs from the served page: its
// place is taken by workers-inline.js.
// usage: node web/single-file.mjs SITE_DIR SINGLE_GLUE_JS OUT_HTML
import { build } from 'esbuild';
import { readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';

const [site, glue, out] = process.argv.slice(2);
const web = new URL('.', import.meta.url).pathname;

// Resolves the page's modules for the single file; contents of inline:NAME.
const inline = (contents) => ({
  name: 'inline',
  setup(b) {
    b.onResolve({ filter: /^\.\/glue\.js$/ }, () => ({ path: glue }));
    b.onResolve({ filter: /^\.\/program\.js$/ }, () => ({ path: join(site, 'program.js') }));
    b.onResolve({ filter: /^\.\/workers\.js$/ }, () => ({ path: join(web, 'src/workers-inline.js') }));
    b.onResolve({ filter: /^inline:/ }, (a) => ({ path: a.path, namespace: 'inline' }));
    b.onLoad({ filter: /.*/, namespace: 'inline' }, (a) => contents[a.path]);
  },
});

// Returns the bundles of entry (source, and its styles if any) as text, an
// ES module or, for format iife, a classic script.
async function bundle(entry, contents, format = 'esm') {
  const result = await build({
    entryPoints: [join(web, 'src', entry)], bundle: true, format, minify: true,
    define: format === 'iife' ? { 'import.meta.url': 'self.location.href' } : {},
    target: 'es2020', write: false, outdir: 'out', logLevel: 'warning', plugins: [inline(contents)],
  });
  const text = (ending) => result.outputFiles.find((f) => f.path.endsWith(ending))?.text ?? '';
  return { script: text('.js'), styles: text('.css') };
}

// Text inside a <script> or <style> element never ends it early.
const escaped = (text) => text.replace(/<\/(script|style)/gi, '<\\/$1');

// Chromium starts no module Worker from a blob URL of a page opened from a
// file, so the Worker is a classic one.
const worker = await bundle('worker.js', {}, 'iife');
const main = await bundle('main.js', {
  'inline:worker': { contents: worker.script, loader: 'text' },
  'inline:program.wasm': { contents: readFileSync(join(site, 'program.wasm')), loader: 'binary' },
});
let html = readFileSync(join(web, 'index.html'), 'utf8')
  .replace(/^<link rel="(modulepreload|preload)".*\n/gm, '');
const replace = (tag, element) => {
  if (!html.includes(tag)) throw new Error(`index.html has no ${tag}`);
  html = html.replace(tag, () => element);
};
replace('<link rel="stylesheet" href="main.css">', `<style>${escaped(main.styles)}</style>`);
replace('<link rel="stylesheet" href="style.css">',
  `<style>${escaped(readFileSync(join(web, 'style.css'), 'utf8'))}</style>`);
replace('<script type="module" src="main.js"></script>', `<script type="module">${escaped(main.script)}</script>`);
writeFileSync(out, html);
