// Builds the page as one self-contained file: bundles page.mjs and the
// program module with esbuild, and puts the script, the styles, the
// program's binary, the guide that opens Help (guide.html) and the manual
// page, as HTML from mandoc, inline into quillary.html.
//   node build_page.mjs <quillary_page_program.mjs> <quillary.html to write>
//                       <mandoc> <quillary.1> <xz>
import { build, transform } from 'esbuild';
import { execFile } from 'node:child_process';
import { promisify } from 'node:util';
import { readFile, stat, writeFile } from 'node:fs/promises';
import { fileURLToPath } from 'node:url';
import path from 'node:path';
import { CompileProgram } from './compile_program.mjs';
import { DecodeLzma } from './lzma_decoder.mjs';
import { NextTask } from './next_task.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));

// The script that compiles the program's WebAssembly, written beside its
// module, and tells the page's script, which may be waiting for it, that it
// has begun. It carries the binary packed with LZMA (xz's .lzma format, at
// its strongest setting; literal contexts of 3 bits and no position bits
// suit WebAssembly best), in base64: the page's own compression takes that
// back to about the packed size.
async function ProgramBinaryScript(programModule, xz) {
  const wasmFile = programModule.replace(/\.m?js$/, '.wasm');
  const size = (await stat(wasmFile)).size;
  const { stdout: packed } = await promisify(execFile)(xz,
    ['--format=lzma', '--lzma1=preset=9e,lc=3,lp=0,pb=0', '--stdout',
      wasmFile], { encoding: 'buffer', maxBuffer: 1 << 26 });
  const script = 'globalThis.quillaryProgram = ' +
    `(${CompileProgram})('${packed.toString('base64')}', ${size}, ` +
    `${DecodeLzma}, ${NextTask});` +
    `dispatchEvent(new Event('quillary-program'));`;
  return (await transform(script, { minify: true, target: 'es2020' })).code;
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

async function Main([programModule, outputFile, mandoc, manualPage, xz]) {
  const { script, style } = await Bundle(path.resolve(programModule));
  let page = await readFile(path.join(here, 'quillary.html'), 'utf8');
  page = Inline(page, '<!-- guide -->',
    (await readFile(path.join(here, 'guide.html'), 'utf8')).trim());
  page = Inline(page, '<!-- manual page -->',
    (await ManualPage(mandoc, manualPage)).trim());
  page = Inline(page, '/* page styles */', style.trim());
  page = Inline(page, '/* program binary */',
    await ProgramBinaryScript(programModule, xz));
  page = Inline(page, '/* page script */', script.trim());
  await writeFile(outputFile, page);
}

await Main(process.argv.slice(2));
