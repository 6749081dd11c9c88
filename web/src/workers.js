// Where the page's Workers and its WebAssembly come from: files beside the
// page. The single-file build puts workers-inline.js in this module's place.

// Starts the Worker of the script name (worker for worker.js).
export function startWorker(name) {
  return new Worker(new URL(`./${name}.js`, import.meta.url), { type: 'module' });
}

// Resolves to the compiled module of name.wasm (program for the program),
// compiled from its bytes, whatever type the file server gives it.
export async function compileWasm(name) {
  const response = await fetch(new URL(`./${name}.wasm`, import.meta.url));
  if (!response.ok) throw new Error(`${name}.wasm: ${response.status} ${response.statusText}`);
  return WebAssembly.compile(await response.arrayBuffer());
}
