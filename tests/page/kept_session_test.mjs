// The run's inputs kept in the tab, against storages that keep, that hold
// records of other forms, and that refuse.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { KeptSession, kKeptBound } from '../../page/kept_session.mjs';

const kKey = 'quillary-kept-inputs';

const FakeStorage = (items = {}) => ({ items: new Map(Object.entries(items)),
  writes: 0, getItem(key) { return this.items.get(key) ?? null; },
  setItem(key, value) { ++this.writes; this.items.set(key, String(value)); },
  removeItem(key) { this.items.delete(key); } });

test('kept inputs come back on reload, written once per batch', () => {
  const storage = FakeStorage();
  const kept = new KeptSession(storage);
  const inputs = ['1\n', 'caf\u00e9 \u{1d400}\n', 'partial', ''];
  for (let i = 0; i < 20000; ++i) kept.add(inputs[i % 3]);
  kept.add(inputs[3]);
  assert.equal(storage.writes, 0);
  kept.flush();
  kept.flush();
  assert.equal(storage.writes, 1);
  const reloaded = new KeptSession(storage).inputs();
  assert.equal(reloaded.length, 20001);
  assert.deepEqual(reloaded.slice(-4), [inputs[2], inputs[0], inputs[1], '']);
  kept.forget();
  assert.equal(storage.items.has(kKey), false);
});

test('records of another form are ignored', () => {
  for (const text of ['not json', 'null', '[]', '{"inputs":["1\\n"]}',
    '{"version":2,"inputs":["1\\n"]}', '{"version":1,"inputs":"1\\n"}',
    '{"version":1,"inputs":["1\\n",2]}']) {
    const kept = new KeptSession(FakeStorage({ [kKey]: text }));
    assert.deepEqual(kept.inputs(), [], text);
    assert.equal(kept.available, true, text);
  }
});

test('a missing or refusing storage keeps nothing and says so', () => {
  const Refuse = () => { throw new Error('SecurityError'); };
  const quota = FakeStorage({ [kKey]: '{"version":1,"inputs":["1\\n"]}' });
  quota.setItem = Refuse;
  for (const [name, Make, availableAfterAdd] of [
    ['none in this realm', () => new KeptSession(), false],
    ['null', () => new KeptSession(null), false],
    ['reading throws', () => new KeptSession({ getItem: Refuse }), false],
    ['writing throws', () => new KeptSession(quota), false],
    ['a working one', () => new KeptSession(FakeStorage()), true]]) {
    const kept = Make();
    assert.doesNotThrow(() => { kept.add('2\n'); kept.flush(); }, name);
    assert.equal(kept.available, availableAfterAdd, name);
    kept.forget();
  }
  assert.equal(quota.items.has(kKey), false, 'a run cut short is not kept');
});

test('a run over the bound stops being kept, until it is forgotten', () => {
  const storage = FakeStorage();
  const kept = new KeptSession(storage);
  kept.add('1\n');
  kept.flush();
  kept.add('x'.repeat(kKeptBound));
  assert.deepEqual([kept.full, kept.available], [true, false]);
  assert.equal(storage.items.has(kKey), false);
  kept.forget();
  kept.add('3\n');
  kept.flush();
  assert.deepEqual(new KeptSession(storage).inputs(), ['3\n']);
});
