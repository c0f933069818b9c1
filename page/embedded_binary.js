// The page's program is instantiated from the WebAssembly module that the
// page began to compile as soon as its binary arrived (compile_program.mjs:
// globalThis.quillaryProgram, a promise of a WebAssembly.Module), once for
// all its runs; its loader neither fetches nor decodes a binary of its own.
// The page's Content-Security-Policy forbids fetch() (connect-src 'none');
// none is in scope here.
var fetch = undefined;
// The page's script runs before the binary's has arrived, which says when
// it has (the 'quillary-program' event, from build_page.mjs).
function CompiledProgram() {
  return globalThis.quillaryProgram ?? new Promise((resolve) => {
    addEventListener('quillary-program',
      () => resolve(globalThis.quillaryProgram), { once: true });
  });
}
Module.instantiateWasm = (imports, receiveInstance) => {
  CompiledProgram()
    .then((module) => WebAssembly.instantiate(module, imports)
      .then((instance) => receiveInstance(instance, module)))
    .catch((error) => abort(error));
  return {};
};
// A run ends by exit(), which Emscripten carries out by throwing an
// ExitStatus. After a read that throw comes out of the promise that resumed
// the program, which nothing holds, and Firefox reports that rejection even
// when the page cancels it. So the program is resumed through a promise
// whose rejection is handled here: an ExitStatus, the run's normal end,
// goes no further; anything else is reported as any uncaught error is.
Module.preRun = [() => {
  Asyncify.handleAsync = (startAsync) => Asyncify.handleSleep((wakeUp) => {
    startAsync().then(wakeUp).catch((reason) => {
      if (!reason || reason.name !== 'ExitStatus') reportError(reason);
    });
  });
}];
