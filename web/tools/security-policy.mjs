// The web panel's Content-Security-Policy, written once: its own files only,
// no inline script, no eval (WebAssembly is compiled, not evaluated). The
// page carries it in a meta element; a server sends it as a header, where
// frame-ancestors, which a meta element cannot carry, is added.
const directives = [
  "default-src 'self'",
  "script-src 'self' 'wasm-unsafe-eval'",
  "style-src 'self'",
  "img-src 'self'",
  "font-src 'self'",
  "connect-src 'self'",
  "manifest-src 'self'",
  "worker-src 'self'",
  "object-src 'none'",
  "base-uri 'none'",
  "form-action 'none'",
];

export const pagePolicy = directives.join('; ');
export const headerPolicy = [...directives, "frame-ancestors 'none'"].join('; ');
