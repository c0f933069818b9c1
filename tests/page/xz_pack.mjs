// Packing bytes as the page's build does, with xz's .lzma format, for the
// tests of the decoder and of the compile step.
import { execFileSync } from 'node:child_process';

export const kPageSettings = 'preset=9e,lc=3,lp=0,pb=0';

export const Pack = (bytes, settings = kPageSettings) =>
  execFileSync('xz', ['--format=lzma', `--lzma1=${settings}`, '--stdout'],
    { input: bytes, maxBuffer: 1 << 26 });
