// The single file's Workers and WebAssembly, from what the file carries:
// each Worker from a blob URL of its bundled source, a classic script (a
// page opened from a file starts no module Worker from a blob URL), each
// module from its bytes. (web/single-file.mjs resolves the inline: imports.)
import workerSource from 'inline:worker';
import programBytes from 'inline:program.wasm';

const sources = { worker: workerSource };
const wasms = { program: programBytes };

const urls = new Map(); // name → its blob URL, made once: a blob of the source takes some 15 ms to make

// Starts the Worker of the script name (worker for worker.js).
export function startWorker(name) {
  if (!urls.has(name)) urls.set(name, URL.createObjectURL(new Blob([sources[name]], { type: 'text/javascript' })));
  return new Worker(urls.get(name));
}

// Resolves to the compiled module of name.wasm (program for the program).
export function compileWasm(name) {
  return WebAssembly.compile(wasms[name]);
}
