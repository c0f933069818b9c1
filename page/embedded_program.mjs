// The program as the page imports it ('quillary-program'): createQuillary,
// whose runs all instantiate one WebAssembly module, compiled once from the
// binary that build_page.mjs embeds compressed ('quillary-program-binary':
// raw deflate, then base64, which the page's own compression then takes
// back to about the deflated size).
import createProgram from 'quillary-program-module';
import binary from 'quillary-program-binary';

// The decoding and inflating are the browser's own and quick; it compiles
// the WebAssembly on threads of its own, so the page goes on meanwhile.
async function Compile() {
  const deflated = Uint8Array.fromBase64?.(binary) ??
    Uint8Array.from(atob(binary), (character) => character.charCodeAt(0));
  const inflated = new Blob([deflated]).stream()
    .pipeThrough(new DecompressionStream('deflate-raw'));
  return WebAssembly.compile(await new Response(inflated).arrayBuffer());
}

// Unlike the page's other modules this one starts work as it is imported:
// page.mjs imports it before the terminal, whose code then runs while the
// program compiles.
const compiled = Compile();

// Starts a run of the program with the Module object `settings`.
export default function createQuillary(settings) {
  return createProgram({ ...settings, compiledProgram: compiled });
}
