// The page's program carries its WebAssembly inside itself as a data: URI.
// Emscripten's loader would still fetch() that URI, which the page's
// Content-Security-Policy forbids (connect-src 'none'); with no fetch in
// scope it decodes the URI in place instead.
var fetch = undefined;
