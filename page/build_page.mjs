// Builds the page as one self-contained file: bundles page.mjs, its npm
// packages but xterm.js, and the program module with esbuild, and puts
// xterm.js (terminal_library.mjs), the script, the styles, the guide that
// opens Help (guide.html) and the manual page, as HTML from mandoc, inline
// into quillary.html.
//   node build_page.mjs <quillary_page_program.mjs> <quillary.html to write>
//                       <mandoc> <quillary.1>
import { build } from 'esbuild';
import { execFile } from 'node:child_process';
import { promisify } from 'node:util';
import { readFile, writeFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import { fileURLToPath } from 'node:url';
import { deflateRawSync } from 'node:zlib';
import path from 'node:path';
import { CompileProgram } from './compile_program.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));

// The script that compiles the program's WebAssembly, written beside its
// module, and tells the page's script, which may be waiting for it, that it
// has begun. It carries the binary as the page receives it: raw deflate in
// base64, which the page's own compression takes back to about the deflated
// size (base64 of the raw bytes would compress a third worse, as its
// characters cut across them).
async function ProgramBinaryScript(programModule) {
  const wasm = await readFile(programModule.replace(/\.m?js$/, '.wasm'));
  const base64 = deflateRawSync(wasm, { level: 9 }).toString('base64');
  return `globalThis.quillaryProgram = (${CompileProgram})('${base64}');` +
    `dispatchEvent(new Event('quillary-program'));`;
}

// The script that carries xterm.js (its UMD build, which sets
// module.exports) as one function, for terminal_library.mjs to run. Written
// in parentheses, the function is compiled as soon as the script arrives,
// in a task of its own.
async function TerminalLibraryScript() {
  const file = createRequire(import.meta.url).resolve('@xterm/xterm');
  const code = (await readFile(file, 'utf8'))
    .replace(/\n\/\/# sourceMappingURL=.*\s*$/, '');
  return 'globalThis.quillaryTerminalLibrary = (function () {\n' +
    'var module = { exports: {} }, exports = module.exports;\n' +
    `${code}\nreturn module.exports;\n});`;
}

async function Bundle(programModule) {
  const result = await build({
    entryPoints: [path.join(here, 'page.mjs')],
    alias: { 'quillary-program': programModule },
    // Only the program's console for Node (node_console.js) names these,
    // and it stands aside in a browser.
    external: ['fs', 'tty'],
    bundle: true,
    minify: true,
    format: 'esm',
    target: 'es2020',
    outdir: 'page',
    write: false,
    logLevel: 'warning',
  });
  const output = (extension) =>
    result.outputFiles.find((file) => file.path.endsWith(extension)).text;
  return { script: output('.js'), style: output('.css') };
}

// The manual page as an HTML fragment (no <html>, <head> or <body>), with
// its sections under headings and links to them.
async function ManualPage(mandoc, manualPage) {
  const { stdout } = await promisify(execFile)(
    mandoc, ['-Thtml', '-Ofragment', manualPage], { maxBuffer: 1 << 24 });
  return stdout;
}

// A literal "</script" or "</style" would end the element early.
function Inline(template, marker, text) {
  if (/<\/(script|style)/i.test(text)) throw new Error(`end tag in ${marker}`);
  if (!template.includes(marker)) throw new Error(`no ${marker} in template`);
  return template.replace(marker, () => text);
}

async function Main([programModule, outputFile, mandoc, manualPage]) {
  const { script, style } = await Bundle(path.resolve(programModule));
  let page = await readFile(path.join(here, 'quillary.html'), 'utf8');
  page = Inline(page, '<!-- guide -->',
    (await readFile(path.join(here, 'guide.html'), 'utf8')).trim());
  page = Inline(page, '<!-- manual page -->',
    (await ManualPage(mandoc, manualPage)).trim());
  page = Inline(page, '/* page styles */', style.trim());
  page = Inline(page, '/* program binary */',
    await ProgramBinaryScript(programModule));
  page = Inline(page, '/* terminal library */', await TerminalLibraryScript());
  page = Inline(page, '/* page script */', script.trim());
  await writeFile(outputFile, page);
}

await Main(process.argv.slice(2));
