// Holds the Asyncify remove list of console/web/CMakeLists.txt against the
// page's program linked with its function names kept: a function that
// Asyncify leaves alone must never be on the stack while a read waits, or
// the page stops at that read without a word.
//   node never_reads_test.mjs WASM_DIS MODULE.wasm REMOVE_LIST.json
// Fails when a name without a "*" is no function of the module, or when a
// function that the list takes in reaches a read through direct calls: the
// end of every read, ReadFromEmbedder, the import it awaits
// (console/web/web_console.cpp), or its start, ReadLine, the only reader of
// std::cin (shell/line_reader.h), as the stream buffer's virtual calls
// between the two cannot be followed. A call that may throw goes through an
// invoke_ import with its callee's table index as a constant, and counts as
// a direct call of that callee; other virtual calls and std::function's are
// what the list vouches for.
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';

const [wasmDis, modulePath, listPath] = process.argv.slice(2);
const reads = ['ReadFromEmbedder', 'ReadLine()'];

const text = spawnSync(wasmDis, [modulePath], {
  encoding: 'utf8',
  maxBuffer: 1 << 30,
});
if (text.status !== 0) {
  console.error(text.stderr);
  process.exit(2);
}

// Binaryen's text writes "\28" for "(" and so on in a name.
const Unescape = (name) =>
  name.replace(/\\([0-9a-fA-F]{2})/g,
               (_, hex) => String.fromCharCode(parseInt(hex, 16)));

// Each function's direct callees, and the table that invoke_ indexes.
const callees = new Map();
const table = [];
const invokes = [];
const lines = text.stdout.split('\n');
let calls = null;
for (const [number, line] of lines.entries()) {
  let match;
  if ((match = /^ \(elem \(i32\.const (\d+)\)(?: func)?(( \$[^\s)]+)*)\)$/
                   .exec(line))) {
    match[2].trim().split(' ').forEach((name, offset) => {
      table[Number(match[1]) + offset] = Unescape(name.slice(1));
    });
  } else if ((match = /^ \(func \$([^\s)]+)/.exec(line))) {
    calls = new Set();
    callees.set(Unescape(match[1]), calls);
  } else if (/^ \S/.test(line)) {
    calls = null;
  } else if (calls && (match = /\(call \$([^\s)]+)/.exec(line))) {
    const callee = Unescape(match[1]);
    const index = /invoke_\w+$/.test(callee) &&
                  /^\s*\(i32\.const (\d+)\)$/.exec(lines[number + 1]);
    if (index) invokes.push([calls, Number(index[1])]);
    else calls.add(callee);
  }
}
for (const [caller, index] of invokes) caller.add(table[index]);

let failures = 0;
function Fail(message) {
  console.log(`FAIL: ${message}`);
  failures++;
}

// A module in which nothing calls them would prove nothing.
for (const read of reads) {
  if (![...callees.values()].some((called) => called.has(read))) {
    Fail(`${modulePath} has no call of ${read}`);
  }
}

// As emcc hands the list to Binaryen, which knows no wildcard but "*".
const patterns = JSON.parse(readFileSync(listPath, 'utf8')).map(
    (pattern) => pattern.replaceAll('.', ' ').replaceAll('#', '&')
                     .replaceAll('?', ','));
const Literal = (part) => part.replace(/[.*+?^${}()|[\]\\]/g, '\\$&');
const matchers = patterns.map(
    (pattern) => new RegExp(`^${pattern.split('*').map(Literal).join('.*')}$`,
                            's'));

for (const pattern of patterns) {
  if (!pattern.includes('*') && !callees.has(pattern)) {
    Fail(`the remove list names ${pattern}, which is no function`);
  }
}

// From each function the list takes in, the shortest path to a read.
for (const start of callees.keys()) {
  if (!matchers.some((matcher) => matcher.test(start))) continue;
  const cameFrom = new Map([[start, null]]);
  const queue = [start];
  while (queue.length > 0) {
    const name = queue.shift();
    if (reads.includes(name)) {
      const path = [];
      for (let step = name; step !== null; step = cameFrom.get(step)) {
        path.unshift(step);
      }
      Fail(`the remove list takes in ${start}, which reaches a read:\n  ` +
           path.join('\n  -> '));
      break;
    }
    for (const callee of callees.get(name) ?? []) {
      if (!cameFrom.has(callee)) {
        cameFrom.set(callee, name);
        queue.push(callee);
      }
    }
  }
}

if (failures > 0) process.exit(1);
console.log('no function of the remove list reaches a read, and each of ' +
            'its exact names is a function');
