// The page's LZMA decoder against xz itself: what xz packs, at the
// settings the page uses and at others, must come back byte for byte, in
// slices, and damaged data must be refused.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { DecodeLzma } from '../../page/lzma_decoder.mjs';
import { kPageSettings, Pack } from './xz_pack.mjs';

// Deterministic bytes: noise (literals), text repeated near by (short
// matches and repeats), and a stretch of noise copied from 200 KB back
// (distances that need the direct bits).
function Sample() {
  let seed = 12345;
  const Noise = (length) => Uint8Array.from({ length }, () => {
    seed = (seed * 1103515245 + 12345) >>> 0;
    return seed >>> 24;
  });
  const text = Buffer.from('Enter the x component: 1.5\nMagniute: 2.5\n'
    .repeat(300));
  const far = Noise(200000);
  return Buffer.concat([Noise(3000), text, far, Noise(500), far.subarray(
    1000, 9000), Buffer.alloc(5000, 7), Noise(10)]);
}

const kInputs = [
  ['nothing', Buffer.alloc(0)],
  ['one byte', Buffer.from([42])],
  ['noise, text and far copies', Sample()],
];
const kSettings = [kPageSettings, 'preset=6', 'preset=1',
  'preset=9e,lc=0,lp=4,pb=4', 'preset=9e,lc=4,lp=0,pb=1'];

for (const [name, bytes] of kInputs) {
  for (const settings of kSettings) {
    test(`decodes what xz packs: ${name}, ${settings}`, async () => {
      let pauses = 0;
      const decoded = await DecodeLzma(Pack(bytes, settings), bytes.length,
        async () => { ++pauses; }, 16384);
      assert.deepEqual(Buffer.from(decoded), bytes);
      assert.equal(pauses, Math.max(0, Math.ceil(bytes.length / 16384) - 1));
    });
  }
}

test('damaged data is refused, not decoded', async () => {
  const bytes = Sample();
  const packed = Pack(bytes);
  const Damaged = (change) => {
    const copy = Buffer.from(packed);
    change(copy);
    return DecodeLzma(copy, bytes.length, async () => {});
  };
  await assert.rejects(DecodeLzma(packed.subarray(0, packed.length / 2),
    bytes.length, async () => {}), /does not decode/);
  await assert.rejects(Damaged((copy) => { copy[0] = 225; }), /does not decode/);
  await assert.rejects(Damaged((copy) => { copy[13] = 1; }), /does not decode/);
  await assert.rejects(DecodeLzma(packed, bytes.length + 1, async () => {}),
    /does not decode/);
});
