// The engine's first part, compiled while the page starts, streamed as its
// bytes arrive (the page preloads them). The page starts this small module
// on its own, ahead of its main script, so that the compiling begins before
// the page is busy laying itself out; main.js takes the code from here, the
// same module. A server that sends the engine under another type than
// application/wasm only makes it compile from the whole file.
export const engineCode = WebAssembly.compileStreaming(fetch('engine.wasm')).catch(() =>
  fetch('engine.wasm')
    .then((response) => response.arrayBuffer())
    .then((bytes) => WebAssembly.compile(bytes)),
);
