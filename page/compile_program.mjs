// Compiling the program's WebAssembly as soon as the page has received it.
// build_page.mjs puts the binary, deflated and in base64, into a classic
// script after the page's script and ahead of Help's text, which calls this
// function there:
//   globalThis.quillaryProgram = (CompileProgram)("...");
// so the browser compiles it on threads of its own while the rest arrives. The function goes into that script as its source text,
// so it uses nothing from outside itself.

// Returns a promise of the program's WebAssembly.Module.
export async function CompileProgram(base64) {
  const deflated = Uint8Array.fromBase64?.(base64) ??
    Uint8Array.from(atob(base64), (character) => character.charCodeAt(0));
  const inflated = new Blob([deflated]).stream()
    .pipeThrough(new DecompressionStream('deflate-raw'));
  return WebAssembly.compile(await new Response(inflated).arrayBuffer());
}
