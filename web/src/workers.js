// Where the page starts its Workers: each panel that computes has one.

// Returns a new Worker running worker.js.
export function newWorker() {
  return new Worker(new URL('worker.js', import.meta.url), { type: 'module' });
}
