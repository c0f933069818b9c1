// The page on a phone's touch screen in headless Chromium: the answer line
// as input methods type and paste into it, the buttons for the keys a phone
// lacks, the manual page as help, and an accessibility audit (axe-core).
//   node --test phone_test.mjs   (QUILLARY_PAGE: the built quillary.html)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import { createRequire } from 'node:module';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import * as browser from './browser.mjs';

const { kPage, kClear, kPhone } = browser;
const kGreeting = 'What would you like me to call you?';
const kEnded = '[Quillary has ended. Press Enter to start again.]';
const kInterrupted = '[Quillary was interrupted. Press Enter to start again.]';
const kManualPage = path.join(path.dirname(fileURLToPath(import.meta.url)),
  '..', '..', 'doc', 'quillary.1');
const kAxe = createRequire(import.meta.url).resolve('axe-core/axe.min.js');

let chromium;
before(async () => { chromium = await browser.LaunchBrowser(); });
after(() => browser.CloseBrowser(chromium));

// On a phone, or with `viewport` null in the browser's window.
async function OpenAtGreeting(viewport = kPhone) {
  const { page } = await browser.OpenPage(chromium, kPage, viewport);
  await browser.WaitForScreen(page, kGreeting);
  return page;
}

const Focused = (page) => page.evaluate(() => document.activeElement.id);

// The ways an input method sends `text` into the focused field, through
// Chromium's own input method calls; each gives the field `meant`.
const Composed = async (input, text) => {
  for (let end = 1; end <= text.length; ++end) {
    const part = text.slice(0, end);
    await input('Input.imeSetComposition',
      { text: part, selectionStart: end, selectionEnd: end });
  }
  await input('Input.insertText', { text });
  return text;
};
const CorrectedByBackspace = async (input, text) => {
  const typo = `${text}e`;
  await input('Input.imeSetComposition',
    { text: typo, selectionStart: typo.length, selectionEnd: typo.length });
  const backspace = { key: 'Backspace', code: 'Backspace',
    windowsVirtualKeyCode: 8 };
  await input('Input.dispatchKeyEvent', { type: 'rawKeyDown', ...backspace });
  await input('Input.dispatchKeyEvent', { type: 'keyUp', ...backspace });
  await input('Input.insertText', { text });
  return text;
};
const KeyCode229 = async (input, text) => {
  const unidentified = { key: 'Unidentified', windowsVirtualKeyCode: 229 };
  for (const character of text) {
    await input('Input.dispatchKeyEvent',
      { type: 'rawKeyDown', ...unidentified });
    await input('Input.insertText', { text: character });
    await input('Input.dispatchKeyEvent', { type: 'keyUp', ...unidentified });
  }
  return text;
};
const WordsThenSpace = async (input, text) => {
  const space = { key: ' ', code: 'Space', windowsVirtualKeyCode: 32 };
  for (const word of text.split(' ')) {
    await input('Input.insertText', { text: word });
    await input('Input.dispatchKeyEvent',
      { type: 'keyDown', text: ' ', ...space });
    await input('Input.dispatchKeyEvent', { type: 'keyUp', ...space });
  }
  return `${text} `;
};
const kInputMethods = { Composed, CorrectedByBackspace, KeyCode229,
  WordsThenSpace };

// The name answered at the greeting reaches the program exactly as meant:
// the main menu greets it once.
for (const text of ['Zoë', 'Ada Lovelace', '2718']) {
  for (const [method, Send] of Object.entries(kInputMethods)) {
    test(`the answer line takes "${text}" sent ${method}`, async () => {
      const page = await OpenAtGreeting();
      assert.equal(await Focused(page), 'answer');
      const session = await page.createCDPSession();
      const meant = await Send((name, parameters) =>
        session.send(name, parameters), text);
      await session.detach();
      const since = await browser.OutputLength(page);
      await page.keyboard.press('Enter');
      await browser.WaitForAnswer(page, since);
      const answer = (await browser.OutputText(page)).slice(since);
      assert.ok(answer.startsWith(`${kClear}Hello ${meant}, Please Select`),
        JSON.stringify(answer.slice(0, 60)));
      assert.equal(await page.$eval('#answer', (field) => field.value), '');
      await page.close();
    });
  }
}

// Taps the first line of the newest screen's text, brought into view.
async function TapNewestText(page) {
  const { x, y } = await page.$eval(browser.kNewestScreen, (screen) => {
    const line = document.createRange();
    line.setStart(screen.firstChild, 0);
    line.setEnd(screen.firstChild, 1);
    screen.scrollIntoView({ block: 'start' });
    const box = line.getBoundingClientRect();
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
  });
  await page.touchscreen.tap(x, y);
}

// The on-screen keyboard stays open: the field never loses the focus, not
// even for a moment, whatever of the transcript is tapped.
test('a tap on the transcript, a figure\'s Reset view or a Working\'s ' +
  'summary leaves the focus in the answer line', async () => {
  const page = await OpenAtGreeting();
  await page.$eval('#answer', (field) => {
    window.answerBlurred = 0;
    field.addEventListener('blur', () => { window.answerBlurred += 1; });
  });
  await TapNewestText(page);
  assert.equal(await Focused(page), 'answer');
  for (const line of ['Ada', '2']) await browser.TypeLine(page, line);
  await browser.WorkExercise(page,
    { menu: '8', first: ['1', '2', '3'], second: ['4', '5', '6'] });
  const newest = browser.kNewestScreen;
  for (const tapped of [`${newest} .reset-view`, `${newest} .working summary`,
    'text']) {
    if (tapped === 'text') await TapNewestText(page);
    else await page.tap(tapped);
    assert.equal(await Focused(page), 'answer', tapped);
  }
  await browser.TypeLine(page, '');
  assert.ok((await browser.ScreenLines(page)).includes('2) VectorAddition'));
  assert.equal(await page.evaluate(() => window.answerBlurred), 0);
  await page.close();
});

// Each button against its key: the same lines, then the button tapped on a
// phone or the key pressed in the answer line on a desktop, must give the
// same output and the same note, and after Start again or Enter a fresh run.
async function PlayEnding(viewport, { unfinished, end, note }, restart) {
  const page = await OpenAtGreeting(viewport);
  await page.keyboard.sendCharacter('Ada');
  await page.keyboard.press('Enter');
  await browser.WaitForScreen(page, 'Hello Ada, Please Select');
  if (unfinished) await page.keyboard.sendCharacter(unfinished);
  await end(page);
  await browser.WaitForScreen(page, note);
  const ended = await browser.OutputText(page);
  await restart(page);
  await browser.WaitForAnswer(page, ended.length);
  const fresh = (await browser.OutputText(page)).slice(ended.length);
  return { page, ended, fresh };
}

const Tap = (id) => (page) => page.tap(`#${id}`);
// On a touch screen End input and Interrupt ask first once the run holds
// lines; the confirming button then acts.
const TapAndConfirm = (id) => async (page) => {
  await page.tap(`#${id}`);
  await page.waitForSelector('#confirm[open]');
  await page.tap('#confirm-yes');
};
const Press = (letter) => (page) => browser.PressControl(page, letter);
// Ctrl-D ends the input at an empty prompt; Ctrl-C drops a line half typed.
const kButtons = [
  ['End input', 'end-input', { unfinished: '', key: 'd', note: kEnded }],
  ['Interrupt', 'interrupt',
    { unfinished: 'unfinished', key: 'c', note: kInterrupted }],
];

for (const [name, id, ending] of kButtons) {
  test(`${name} and Start again do what their keys do`, async () => {
    const byKey = await PlayEnding(null,
      { ...ending, end: Press(ending.key) },
      (page) => page.keyboard.press('Enter'));
    await byKey.page.close();
    const byButton = await PlayEnding(kPhone,
      { ...ending, end: TapAndConfirm(id) },
      async (page) => {
        const usable = await page.$$eval('#end-input, #interrupt, ' +
          '#start-again', (buttons) => buttons
          .filter((button) => !button.disabled).map((button) => button.id));
        assert.deepEqual(usable, ['start-again']);
        await Tap('start-again')(page);
      });
    assert.equal(byButton.ended, byKey.ended);
    assert.equal(byButton.fresh, `${kClear}Hello, my name is Quillary. ${
      kGreeting}\n\n`);
    assert.equal(byButton.fresh, byKey.fresh);
    assert.equal(await Focused(byButton.page), 'answer');
    assert.equal(await byButton.page.$eval('#start-again',
      (button) => button.disabled), true);
    await byButton.page.close();
  });
}

// A whole session pasted into the field is typeahead, as in a terminal:
// every line is read in turn, as the transcript's output shows.
test('a session pasted into the answer line plays through', async () => {
  const name = path.join(browser.kTranscripts, 'weapons',
    'bow_fire_reload_list');
  const session = await readFile(`${name}.in`, 'utf8');
  const page = await OpenAtGreeting();
  await page.$eval('#answer', (field, text) => {
    const clipboardData = new DataTransfer();
    clipboardData.setData('text/plain', text);
    field.dispatchEvent(new ClipboardEvent('paste',
      { clipboardData, cancelable: true }));
  }, session);
  await TapAndConfirm('end-input')(page);
  await browser.WaitForScreen(page, kEnded);
  const output = await browser.OutputWithoutClears(page);
  assert.equal(output, await readFile(`${name}.out`, 'latin1'));
  await page.close();
});

// The manual's section headings, in order, as doc/quillary.1 names them.
async function ManualSections() {
  const source = await readFile(kManualPage, 'utf8');
  return [...source.matchAll(/^\.SH +"?([^"\n]+)"?$/gm)]
    .map((match) => match[1]);
}

// The guide to the page comes first, the manual page after it; neither
// makes the dialog scroll sideways on a phone.
test('Help opens with the guide, then the whole manual page, and Escape ' +
  'closes it', async () => {
  const page = await OpenAtGreeting();
  await page.tap('#help-open');
  const shown = await page.$eval('#help', (dialog) => ({
    open: dialog.open,
    headings: [...dialog.querySelectorAll('h1')]
      .map((heading) => heading.textContent.replace(/\s+/g, ' ')),
    text: dialog.textContent.replace(/\s+/g, ' '),
    guide: dialog.querySelector('.guide')?.textContent ?? '',
    guideFirst: Boolean(dialog.querySelector('.guide')
      ?.compareDocumentPosition(dialog.querySelector('.manual')) &
      Node.DOCUMENT_POSITION_FOLLOWING),
    sideways: [dialog, ...dialog.querySelectorAll('pre, table')]
      .filter((element) => element.scrollWidth > element.clientWidth)
      .map((element) => element.tagName),
  }));
  assert.equal(shown.open, true);
  assert.equal(shown.guideFirst, true);
  for (const words of [/Send/, /whole number/, /tenths: .*5.* means 0\.5/,
    /VectorAddition/, /SurfaceNormal/, /End input/, /Figures/]) {
    assert.match(shown.guide, words);
  }
  assert.deepEqual(shown.sideways, []);
  const sections = await ManualSections();
  assert.ok(sections.includes('DESCRIPTION') && sections.includes('EXIT STATUS'));
  assert.deepEqual(shown.headings, sections);
  assert.ok(shown.text.includes('Press Any Key to continue'));
  await page.keyboard.press('Escape');
  assert.equal(await page.$eval('#help', (dialog) => dialog.open), false);
  assert.equal(await Focused(page), 'help-open');
  await page.close();
});

// Exercises whose Working has vectors at the end of long lines, which a
// phone cut after a comma ("(−2," above "2, 4)").
const kWorkings = [
  { menu: '10', first: ['-1', '-2', '-3'], second: ['4', '-5', '6'],
    third: ['-7', '8', '-9'] },
  { menu: '6', first: ['1', '1'], second: ['2', '3'], tenths: '-7' },
  { menu: '8', first: ['5', '-9', '4'], second: ['-1775', '1538', '-1461'] },
  { menu: '8', first: ['1', '5', '2'], second: ['-3', '6', '-4'] },
  { menu: '10', first: ['1', '-2', '0'], second: ['3', '1', '2'],
    third: ['-1', '0', '4'] },
];

// The vectors of the newest Working (a "(" and its ")" with a comma
// between) that run over more than one line although, side by side, their
// <math> elements fit on one, or that break after anything but a comma. A
// line breaks only between <math> elements: one that starts left of the
// end of the one before starts a line.
const CutVectors = (page) => page.$$eval(
  `${browser.kNewestScreen} .working li > p:not(.working-note)`,
  (lines) => lines.flatMap((line) => {
    const maths = [...line.querySelectorAll('math')];
    const boxes = maths.map((math) => math.getBoundingClientRect());
    const rows = [0];
    for (let i = 1; i < maths.length; ++i) {
      rows.push(rows[i - 1] + (boxes[i].left < boxes[i - 1].right - 1));
    }
    const style = getComputedStyle(line);
    const room = line.clientWidth - parseFloat(style.paddingLeft) -
      parseFloat(style.paddingRight);
    const cut = [];
    const open = [];
    for (const leaf of line.querySelectorAll('mo, mn, mi')) {
      const text = leaf.textContent;
      const at = maths.indexOf(leaf.closest('math'));
      if (text === '(') open.push({ at, comma: false });
      if (text === ',' && open.length > 0) open.at(-1).comma = true;
      if (text !== ')' || open.length === 0) continue;
      const { at: first, comma } = open.pop();
      if (!comma || rows[first] === rows[at]) continue;
      const width = boxes.slice(first, at + 1)
        .reduce((sum, box) => sum + box.width, 0);
      const badBreak = maths.slice(first, at).some((math, i) =>
        rows[first + i + 1] > rows[first + i] &&
        !math.textContent.trim().endsWith(','));
      if (width <= room || badBreak) {
        cut.push(maths.slice(first, at + 1).map((math) => math.textContent)
          .join(' / '));
      }
    }
    return cut;
  }));

// How the newest screen lays out its exercise: whether the result line is
// right before the figure and Working in the same screen, whether the
// page scrolls sideways, and the words of the newest screens' text that
// are split across lines though narrower than the line.
const ExerciseLayout = (page, result) => page.evaluate((screenSelector,
  resultLine) => {
  const screen = document.querySelector(screenSelector);
  const exercise = screen.querySelector(':scope > .exercise');
  const before = exercise?.previousSibling?.textContent ?? '';
  const room = screen.clientWidth;
  const split = [];
  for (const shown of [...document.querySelectorAll('#transcript > .screen')]
    .slice(-3)) {
    for (const node of shown.childNodes) {
      if (node.nodeType !== Node.TEXT_NODE) continue;
      for (const { 0: word, index } of node.textContent.matchAll(/\S+/g)) {
        const range = document.createRange();
        range.setStart(node, index);
        range.setEnd(node, index + word.length);
        const rects = [...range.getClientRects()];
        const width = rects.reduce((sum, rect) => sum + rect.width, 0);
        if (rects.length !== 1 && width < room) split.push(word);
      }
    }
  }
  const page = document.scrollingElement;
  return {
    resultThenExercise: before.split('\n').at(-1) === resultLine &&
      !!exercise.querySelector(':scope > figure.exercise-figure svg') &&
      !!exercise.querySelector(':scope > details.working[open]'),
    sideways: page.scrollWidth - page.clientWidth,
    split,
  };
}, browser.kNewestScreen, result);

// Whether the field and the newest screen's last line can be seen, above
// the field, in the visual viewport.
const NewestInView = (page) => page.evaluate((screenSelector) => {
  const viewport = window.visualViewport;
  const Within = ({ top, bottom }) => top >= viewport.offsetTop - 1 &&
    bottom <= viewport.offsetTop + viewport.height + 1;
  const screen = document.querySelector(screenSelector);
  const text = [...screen.childNodes].filter((node) => node.textContent.trim())
    .at(-1);
  const line = document.createRange();
  line.selectNodeContents(text);
  const last = [...line.getClientRects()].at(-1);
  const field = document.getElementById('answer').getBoundingClientRect();
  const form = document.getElementById('answer-line').getBoundingClientRect();
  return { field: Within(field), lastLine: Within(last) &&
    last.bottom <= form.top + 1 };
}, browser.kNewestScreen);

// Six exercises, 2-D and 3-D, in one scroll on a small and a common phone:
// each result with its figure and Working after it, nothing wider than
// the window, no word of the program's split, no vector of the Working
// cut that fits on a line; with the keyboard up (the window 400 pixels
// high), the field and the newest line still in view.
const kSixExercises = [...kWorkings,
  { menu: '2', first: ['1', '2'], second: ['3', '4'] }];
const kPhones = [{ ...kPhone, width: 320, height: 640 }, kPhone];

for (const viewport of kPhones) {
  test(`on a ${viewport.width}x${viewport.height} phone six exercises stay ` +
    'in one scroll, each vector of the Working that fits on a line whole',
  async () => {
    const page = await OpenAtGreeting(viewport);
    for (const line of ['Ada', '2']) await browser.TypeLine(page, line);
    const cut = [];
    for (const exercise of kSixExercises) {
      const result = await browser.WorkExercise(page, exercise);
      assert.deepEqual(await ExerciseLayout(page, result),
        { resultThenExercise: true, sideways: 0, split: [] }, result);
      cut.push(...await CutVectors(page));
      if (exercise !== kSixExercises.at(-1)) await browser.TypeLine(page, '');
    }
    assert.deepEqual(cut, []);
    await page.setViewport({ ...viewport, height: 400 });
    await page.evaluate(() => new Promise((resolve) =>
      requestAnimationFrame(() => requestAnimationFrame(resolve))));
    assert.deepEqual(await NewestInView(page), { field: true, lastLine: true });
    await page.close();
  });
}

// axe-core's rules, run in the page as it stands.
async function AccessibilityViolations(page) {
  await page.evaluate(await readFile(kAxe, 'utf8'));
  return page.evaluate(async () => (await axe.run()).violations
    .map(({ id, nodes }) => `${id}: ${nodes.map((node) => node.target)}`));
}

const kAudits = [
  ['on load', kPhone, async () => {}],
  ['on load on a desktop', null, async () => {}],
  ['with the help open', kPhone, (page) => page.tap('#help-open')],
  ['with a figure shown', kPhone, async (page) => {
    for (const line of ['Ada', '2', '2', '1', '2', '3', '4']) {
      await page.keyboard.sendCharacter(line);
      await page.keyboard.press('Enter');
    }
    await page.waitForSelector('.exercise-figure [data-role="result"]');
  }],
  ['with a figure that turns', kPhone, async (page) => {
    for (const line of ['Ada', '2', '8', '3', '-2', '5', '-1', '4', '2']) {
      await page.keyboard.sendCharacter(line);
      await page.keyboard.press('Enter');
    }
    await page.waitForSelector('.exercise-figure [data-role="result"]');
  }],
  ['with the working open', kPhone, async (page) => {
    for (const line of ['Ada', '2', '7', '3', '4', '-1', '2']) {
      await page.keyboard.sendCharacter(line);
      await page.keyboard.press('Enter');
    }
    await page.waitForSelector('.working[open] math');
  }],
  ['after a run has ended', kPhone, async (page) => {
    await page.tap('#end-input');
    await browser.WaitForScreen(page, kEnded);
  }],
];

for (const [when, viewport, Prepare] of kAudits) {
  test(`axe-core finds no accessibility violation ${when}`, async () => {
    const page = await OpenAtGreeting(viewport);
    await Prepare(page);
    assert.deepEqual(await AccessibilityViolations(page), []);
    await page.close();
  });
}
