// The web panel's Content-Security-Policy, in one place: the page carries it
// in a <meta> element (written by build-site.mjs) and the local server sends
// it as a header too (scripts/serve-web.mjs). Only the site's own files load
// or run, and WebAssembly compiles without eval.
//
// Every directive is one that all three engine families know: an unknown one
// is logged as a console error on every load. default-src covers every kind
// of fetch that has no directive of its own here, the manifest among them.
export const pagePolicy = [
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
].join('; ');

// frame-ancestors counts only in a header: in a <meta> element it is ignored,
// with a console error.
export const headerPolicy = `${pagePolicy}; frame-ancestors 'none'`;
