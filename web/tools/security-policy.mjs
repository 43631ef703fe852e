// The web panel's Content-Security-Policy, written once: its own files only,
// no inline script, no eval (WebAssembly is compiled, not evaluated). The
// page carries it in a meta element; a server sends it as a header, where
// frame-ancestors, which a meta element cannot carry, is added.
//
// Every directive is one that all three engine families know: an unknown one
// is logged as a console error on every load. default-src covers every kind
// of fetch that has no directive of its own here, the manifest among them.
const directives = [
  "default-src 'self'",
  "script-src 'self' 'wasm-unsafe-eval'",
  "style-src 'self'",
  "img-src 'self'",
  "font-src 'self'",
  "connect-src 'self'",
  "worker-src 'self'",
  "object-src 'none'",
  "base-uri 'none'",
  "form-action 'none'",
];

export const pagePolicy = directives.join('; ');
export const headerPolicy = [...directives, "frame-ancestors 'none'"].join('; ');
