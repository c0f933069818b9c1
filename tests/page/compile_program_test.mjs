// The program's binary as the page carries it (packed with LZMA, in base64,
// as build_page.mjs writes it), compiled without a browser: Node lacks
// Uint8Array.fromBase64, so this takes the path of browsers without it.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { CompileProgram } from '../../page/compile_program.mjs';
import { DecodeLzma } from '../../page/lzma_decoder.mjs';
import { NextTask } from '../../page/next_task.mjs';
import { Pack } from './xz_pack.mjs';

// WebAssembly modules, each with the names of its exports.
const kModules = [
  { name: 'empty', exports: [],
    bytes: [0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00] },
  { name: 'one function, answer() returning 42', exports: ['answer'],
    bytes: [0x00, 0x61, 0x73, 0x6d, 0x01, 0x00, 0x00, 0x00,
      0x01, 0x05, 0x01, 0x60, 0x00, 0x01, 0x7f,
      0x03, 0x02, 0x01, 0x00,
      0x07, 0x0a, 0x01, 0x06, 0x61, 0x6e, 0x73, 0x77, 0x65, 0x72, 0x00, 0x00,
      0x0a, 0x06, 0x01, 0x04, 0x00, 0x41, 0x2a, 0x0b] },
];

const Carried = (bytes) => Pack(Uint8Array.from(bytes)).toString('base64');
const Compile = (base64, size) =>
  CompileProgram(base64, size, DecodeLzma, NextTask);

for (const { name, exports, bytes } of kModules) {
  test(`compiles the carried binary: ${name}`, async () => {
    const module = await Compile(Carried(bytes), bytes.length);
    assert.deepEqual(WebAssembly.Module.exports(module).map((e) => e.name),
      exports);
    if (exports.includes('answer')) {
      const instance = await WebAssembly.instantiate(module);
      assert.equal(instance.exports.answer(), 42);
    }
  });
}

test('a binary cut short is refused, not compiled', async () => {
  const whole = Buffer.from(Carried(kModules[1].bytes), 'base64');
  const cut = whole.subarray(0, whole.length - 4).toString('base64');
  await assert.rejects(Compile(cut, kModules[1].bytes.length));
});
