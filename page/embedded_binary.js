// The page's program is instantiated from the WebAssembly module that the
// page compiled once for all its runs (Module.compiledProgram, a promise of
// a WebAssembly.Module; embedded_program.mjs), so its loader neither
// fetches nor decodes a binary of its own. The page's Content-Security-
// Policy forbids fetch() (connect-src 'none'); none is in scope here.
var fetch = undefined;
Module.instantiateWasm = (imports, receiveInstance) => {
  Module.compiledProgram
    .then((module) => WebAssembly.instantiate(module, imports)
      .then((instance) => receiveInstance(instance, module)))
    .catch((error) => abort(error));
  return {};
};
