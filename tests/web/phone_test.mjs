// The page on a phone's touch screen in headless Chromium: the answer line
// as input methods type into it, the buttons for the keys a phone
// lacks, the manual page as help, and an accessibility audit (axe-core).
//   node --test phone_test.mjs   (QUILLARY_PAGE: the built quillary.html)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { readFile } from 'node:fs/promises';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import * as browser from './browser.mjs';

const { kClear, kPhone, kGreeting, kEnded, kInterrupted } = browser;
const kManualPage = path.join(path.dirname(fileURLToPath(import.meta.url)),
  '..', '..', 'doc', 'quillary.1');

let chromium;
before(async () => { chromium = await browser.LaunchBrowser(); });
after(() => browser.CloseBrowser(chromium));

// On a phone, or with `viewport` null in the browser's window.
const OpenAtGreeting = (viewport = kPhone) =>
  browser.OpenAtGreeting(chromium, viewport);

const Focused = (page) => page.evaluate(() => document.activeElement.id);

// The ways an input method sends `text` into the focused field, through
// Chromium's own input method calls; each gives the field `meant`.
const Compose = (input, text) => input('Input.imeSetComposition',
  { text, selectionStart: text.length, selectionEnd: text.length });
const Key = (input, type, key) =>
  input('Input.dispatchKeyEvent', { type, ...key });
const kInputMethods = {
  async Composed(input, text) {
    for (let end = 1; end <= text.length; ++end) {
      await Compose(input, text.slice(0, end));
    }
    await input('Input.insertText', { text });
    return text;
  },
  async CorrectedByBackspace(input, text) {
    await Compose(input, `${text}e`);
    const backspace = { key: 'Backspace', code: 'Backspace',
      windowsVirtualKeyCode: 8 };
    await Key(input, 'rawKeyDown', backspace);
    await Key(input, 'keyUp', backspace);
    await input('Input.insertText', { text });
    return text;
  },
  async KeyCode229(input, text) {
    const unidentified = { key: 'Unidentified', windowsVirtualKeyCode: 229 };
    for (const character of text) {
      await Key(input, 'rawKeyDown', unidentified);
      await input('Input.insertText', { text: character });
      await Key(input, 'keyUp', unidentified);
    }
    return text;
  },
  async WordsThenSpace(input, text) {
    const space = { key: ' ', code: 'Space', windowsVirtualKeyCode: 32 };
    for (const word of text.split(' ')) {
      await input('Input.insertText', { text: word });
      await Key(input, 'keyDown', { text: ' ', ...space });
      await Key(input, 'keyUp', space);
    }
    return `${text} `;
  },
};

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
// lines: No leaves the run going, the focus in the field; Yes then acts.
const TapAndConfirm = (id) => async (page) => {
  const Answer = async (answer) => {
    await page.tap(`#${id}`);
    await page.waitForSelector('#confirm[open]');
    await page.tap(`#confirm-${answer}`);
  };
  await Answer('no');
  assert.equal(await browser.RunsEnded(page), 0);
  assert.equal(await Focused(page), 'answer');
  await Answer('yes');
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
    assert.equal((await browser.ScreenLines(byKey.page))[0],
      `Hello, my name is Quillary. ${kGreeting}`);
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

// On load; legibility_test audits the page with figures, Working and Help
// open, and once the run has ended.
const kAudits = [['on load', kPhone], ['on load on a desktop', null]];

for (const [when, viewport] of kAudits) {
  test(`axe-core finds no accessibility violation ${when}`, async () => {
    const page = await OpenAtGreeting(viewport);
    assert.deepEqual(await browser.AccessibilityViolations(page), []);
    await page.close();
  });
}
