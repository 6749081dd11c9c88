// The single file: copied alone into a folder of its own, with nothing
// beside it, and opened from file://, where it must pass the served page's
// checks; and its size.
import { copyFileSync, mkdtempSync, rmSync, statSync } from 'node:fs';
import { basename, join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { verdict } from './verdict.mjs';

// Calls check(url) with the file URL of a lone copy of html.
export async function checkSingleFile(html, check) {
  const folder = mkdtempSync('/tmp/sinc-anneal-single-');
  const alone = join(folder, basename(html));
  copyFileSync(html, alone);
  try {
    await check(pathToFileURL(alone).href);
    const bytes = statSync(html).size;
    verdict('single file: under 1.5 MB', bytes < 1.5e6, `${(bytes / 1e6).toFixed(3)} MB`);
  } finally {
    rmSync(folder, { recursive: true, force: true });
  }
}
