// Unpacking the program's WebAssembly, which the page carries packed with
// LZMA (xz --format=lzma): a fifth smaller than deflate makes it, which on
// a phone's slow network is the greeting a tenth of a second sooner. The
// browser has no LZMA of its own (its DecompressionStream knows only
// deflate and gzip), hence this decoder, after the format's reference
// description. build_page.mjs puts it into the program's script as its
// source text, beside compile_program.mjs, so it uses nothing from outside
// itself.

// Returns the `size` bytes packed in `packed` (a .lzma file as xz writes
// it: a 13-byte header, then the range-coded stream, closed by its end
// marker). Awaits `pause()` after each `slice` bytes, so that no task holds
// a slow phone's page for long. Throws on data that is not such a file, is
// cut short or does not hold exactly `size` bytes.
export async function DecodeLzma(packed, size, pause, slice = 65536) {
  const Fail = () => {
    throw new Error('the program is damaged: its LZMA data does not decode');
  };
  let properties = packed[0];
  if (properties >= 9 * 5 * 5) Fail();
  const lc = properties % 9;
  properties = Math.floor(properties / 9);
  const lp = properties % 5;
  const pb = Math.floor(properties / 5);

  // The range decoder. range and code are unsigned 32-bit values.
  let input = 13;
  const NextByte = () => (input < packed.length ? packed[input++] : Fail());
  if (NextByte() !== 0) Fail();
  let code = 0;
  for (let i = 0; i < 4; ++i) code = ((code << 8) | NextByte()) >>> 0;
  let range = 0xffffffff;
  const Normalize = () => {
    if (range < 0x1000000) {
      range = (range << 8) >>> 0;
      code = ((code << 8) | NextByte()) >>> 0;
    }
  };
  // One bit under the adaptive probability probs[at] (11 bits of scale).
  const Bit = (probs, at) => {
    const probability = probs[at];
    const bound = (range >>> 11) * probability;
    let bit;
    if (code < bound) {
      probs[at] = probability + ((2048 - probability) >>> 5);
      range = bound;
      bit = 0;
    } else {
      probs[at] = probability - (probability >>> 5);
      code -= bound;
      range -= bound;
      bit = 1;
    }
    Normalize();
    return bit;
  };
  const DirectBits = (count) => {
    let result = 0;
    for (; count > 0; --count) {
      range >>>= 1;
      const bit = code >= range ? 1 : 0;
      if (bit) code -= range;
      Normalize();
      result = ((result << 1) | bit) >>> 0;
    }
    return result;
  };
  const Probabilities = (count) => new Uint16Array(count).fill(1024);
  const BitTree = (probs, base, bits) => {
    let m = 1;
    for (let i = 0; i < bits; ++i) m = (m << 1) | Bit(probs, base + m);
    return m - (1 << bits);
  };
  const ReverseBitTree = (probs, base, bits) => {
    let m = 1;
    let symbol = 0;
    for (let i = 0; i < bits; ++i) {
      const bit = Bit(probs, base + m);
      m = (m << 1) | bit;
      symbol |= bit << i;
    }
    return symbol;
  };

  // A match's length, 0 to 271 (plus 2): 8 short values per position
  // state, 8 middle ones, then 256 long ones.
  const LengthDecoder = () => {
    const choice = Probabilities(2);
    const low = Probabilities(16 << 3);
    const middle = Probabilities(16 << 3);
    const high = Probabilities(256);
    return (positionState) => {
      if (!Bit(choice, 0)) return BitTree(low, positionState << 3, 3);
      if (!Bit(choice, 1)) return 8 + BitTree(middle, positionState << 3, 3);
      return 16 + BitTree(high, 0, 8);
    };
  };
  const MatchLength = LengthDecoder();
  const RepeatLength = LengthDecoder();

  const slots = Probabilities(4 << 6);
  const special = Probabilities(115);
  const align = Probabilities(16);
  const Distance = (length) => {
    const slot = BitTree(slots, Math.min(length, 3) << 6, 6);
    if (slot < 4) return slot;
    const direct = (slot >>> 1) - 1;
    let distance = ((2 | (slot & 1)) << direct) >>> 0;
    if (slot < 14) {
      return distance + ReverseBitTree(special, distance - slot, direct);
    }
    distance += DirectBits(direct - 4) * 16;
    return distance + ReverseBitTree(align, 0, 4);
  };

  const literals = Probabilities(0x300 << (lc + lp));
  const isMatch = Probabilities(12 << 4);
  const isRepeat = Probabilities(12);
  const isRepeat0 = Probabilities(12);
  const isRepeat1 = Probabilities(12);
  const isRepeat2 = Probabilities(12);
  const isRepeat0Long = Probabilities(12 << 4);
  const output = new Uint8Array(size);
  let at = 0;
  const Literal = (state, distance) => {
    const previous = at > 0 ? output[at - 1] : 0;
    const base = 0x300 *
      (((at & ((1 << lp) - 1)) << lc) + (previous >>> (8 - lc)));
    let symbol = 1;
    if (state >= 7) {
      let matchByte = output[at - distance - 1];
      do {
        const matchBit = (matchByte >>> 7) & 1;
        matchByte <<= 1;
        const bit = Bit(literals, base + ((1 + matchBit) << 8) + symbol);
        symbol = (symbol << 1) | bit;
        if (matchBit !== bit) break;
      } while (symbol < 0x100);
    }
    while (symbol < 0x100) symbol = (symbol << 1) | Bit(literals, base + symbol);
    if (at >= size) Fail();
    output[at++] = symbol - 0x100;
  };

  let state = 0;
  let rep0 = 0;
  let rep1 = 0;
  let rep2 = 0;
  let rep3 = 0;
  let nextPause = slice;
  for (;;) {
    if (at >= nextPause) {
      nextPause += slice;
      await pause();
    }
    const positionState = at & ((1 << pb) - 1);
    if (!Bit(isMatch, (state << 4) + positionState)) {
      Literal(state, rep0);
      state = state < 4 ? 0 : state < 10 ? state - 3 : state - 6;
      continue;
    }
    let length;
    if (Bit(isRepeat, state)) {
      if (at === 0) Fail();
      if (!Bit(isRepeat0, state)) {
        if (!Bit(isRepeat0Long, (state << 4) + positionState)) {
          state = state < 7 ? 9 : 11;
          if (at >= size) Fail();
          output[at] = output[at - rep0 - 1];
          ++at;
          continue;
        }
      } else {
        let distance;
        if (!Bit(isRepeat1, state)) {
          distance = rep1;
        } else {
          if (!Bit(isRepeat2, state)) {
            distance = rep2;
          } else {
            distance = rep3;
            rep3 = rep2;
          }
          rep2 = rep1;
        }
        rep1 = rep0;
        rep0 = distance;
      }
      length = RepeatLength(positionState);
      state = state < 7 ? 8 : 11;
    } else {
      rep3 = rep2;
      rep2 = rep1;
      rep1 = rep0;
      length = MatchLength(positionState);
      state = state < 7 ? 7 : 10;
      rep0 = Distance(length);
      if (rep0 === 0xffffffff) break;  // the end marker
      if (rep0 >= at) Fail();
    }
    length += 2;
    if (at + length > size) Fail();
    for (; length > 0; --length, ++at) output[at] = output[at - rep0 - 1];
  }
  // All of it, and the range decoder ends exactly with the stream.
  if (at !== size || code !== 0) Fail();
  return output;
}
