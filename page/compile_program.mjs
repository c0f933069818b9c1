// Compiling the program's WebAssembly as soon as the page has received it.
// build_page.mjs puts the binary, packed with LZMA and in base64, into a
// classic script after the page's script and ahead of Help's text, which
// calls this function there with the unpacked size, the decoder
// (lzma_decoder.mjs) and NextTask (next_task.mjs):
//   globalThis.quillaryProgram =
//     (CompileProgram)("...", size, DecodeLzma, NextTask);
// so the browser unpacks it in slices between the page's own tasks and
// compiles it on threads of its own while the rest arrives. The function
// goes into that script as its source text, so it uses nothing from
// outside itself.

// Returns a promise of the program's WebAssembly.Module.
export async function CompileProgram(base64, size, DecodeLzma, NextTask) {
  const packed = Uint8Array.fromBase64?.(base64) ??
    Uint8Array.from(atob(base64), (character) => character.charCodeAt(0));
  const pause = () => new Promise((resolve) => NextTask(resolve));
  return WebAssembly.compile(await DecodeLzma(packed, size, pause));
}
