// The page in one of three browser engines, behind one small interface:
// Chromium and Firefox through puppeteer-core (CDP and WebDriver BiDi),
// WebKitGTK's MiniBrowser through a W3C WebDriver client of our own. Every
// engine has a fresh profile, no network of its own and a record of the
// program's output and of the page's errors from before the page's script.
import puppeteer from 'puppeteer-core';
import { spawn } from 'node:child_process';
import { existsSync, readdirSync } from 'node:fs';
import { mkdtemp, readFile, rm, writeFile } from 'node:fs/promises';
import { createServer } from 'node:net';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { LaunchBrowser, CloseBrowser, RecordPage } from './browser.mjs';

export const kPhoneWidth = 390;
const kPhoneHeight = 844;

const RecordedErrors = () => window.quillaryRecord.errors.splice(0);

// Firefox's own network (updates, telemetry, captive portal and connectivity
// checks, remote settings) stays off, on top of puppeteer's defaults.
const kFirefoxPrefs = {
  'app.update.enabled': false, 'browser.region.network.url': '',
  'captivedetect.canonicalURL': '', 'extensions.blocklist.enabled': false,
  'network.captive-portal-service.enabled': false,
  'network.connectivity-service.enabled': false,
  'network.dns.disablePrefetch': true, 'network.prefetch-next': false,
  'toolkit.telemetry.enabled': false, 'toolkit.telemetry.server': '',
};

// An engine driven by puppeteer: one tab, reloaded for each opening.
async function PuppeteerEngine(name) {
  const profile = name === 'firefox' &&
    await mkdtemp(path.join(tmpdir(), 'quillary-firefox-'));
  const browser = !profile ? await LaunchBrowser() : await puppeteer.launch({
    browser: 'firefox', headless: true, userDataDir: profile,
    executablePath: process.env.QUILLARY_FIREFOX ?? '/usr/bin/firefox-esr',
    extraPrefsFirefox: kFirefoxPrefs });
  const page = await browser.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(`page error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(`console: ${message.text()}`);
  });
  await page.evaluateOnNewDocument(RecordPage, { fresh: true });
  return {
    name,
    errors: async () => [...errors.splice(0), ...await page.evaluate(RecordedErrors)],
    async open(pageFile, { phone = false } = {}) {
      await page.setViewport(phone
        ? { width: kPhoneWidth, height: kPhoneHeight, hasTouch: true,
          isMobile: name === 'chromium' }
        : { width: 1024, height: 768 });
      await page.goto(pathToFileURL(path.resolve(pageFile)).href);
    },
    evaluate: (script, ...args) => page.evaluate(script, ...args),
    focus: (selector) => page.focus(selector),
    typeKeys: (text) => page.keyboard.type(text),
    async pressKeys(...keys) {
      for (const key of keys) await page.keyboard.down(key);
      for (const key of keys.reverse()) await page.keyboard.up(key);
    },
    click: (selector) => page.click(selector),
    screenshot: (file) => page.screenshot({ path: file }),
    async close() {
      if (!profile) return CloseBrowser(browser);
      await browser.close();
      await rm(profile, { recursive: true, force: true, maxRetries: 5 });
    },
  };
}

// The MiniBrowser in WebKitGTK's library folder, of whichever API version.
function FindMiniBrowser() {
  if (process.env.QUILLARY_MINIBROWSER) return process.env.QUILLARY_MINIBROWSER;
  const lib = `/usr/lib/${process.arch === 'arm64' ? 'aarch64' : 'x86_64'}-linux-gnu`;
  const found = readdirSync(lib).filter((dir) => /^webkit2?gtk-/.test(dir))
    .map((dir) => path.join(lib, dir, 'MiniBrowser')).filter(existsSync);
  if (!found.length) throw new Error(`no MiniBrowser in ${lib}/webkit*gtk-*`);
  return found.sort().at(-1);
}

const Sleep = (milliseconds) =>
  new Promise((resolve) => setTimeout(resolve, milliseconds));

const FreePort = () => new Promise((resolve, reject) => {
  const server = createServer().once('error', reject);
  server.listen(0, '127.0.0.1', () => {
    const { port } = server.address();
    server.close(() => resolve(port));
  });
});

// Each helper process leads a process group of its own, so that stopping
// it stops what it started (the driver's MiniBrowser); the group is stopped
// when this process exits, should a test have left it running.
function Start(command, args, options = {}) {
  const child = spawn(command, args, { detached: true, ...options });
  const exited = new Promise((resolve) => child.once('exit', resolve));
  const Stop = () => { try { process.kill(-child.pid); } catch {} };
  process.once('exit', Stop);
  // Until the whole group has gone: its orphans are reaped by init.
  const GroupLeft = () => { try { process.kill(-child.pid, 0); } catch { return true; } };
  return { child, stop: async () => {
    process.off('exit', Stop);
    Stop();
    await exited;
    for (let tries = 0; !GroupLeft() && tries < 50; ++tries) await Sleep(100);
  } };
}

// Xvfb on the first free display, which it names once it takes connections.
async function StartXvfb() {
  const xvfb = Start('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24',
    '-nolisten', 'tcp'], { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] });
  const display = await new Promise((resolve, reject) => {
    xvfb.child.once('exit', () => reject(new Error('Xvfb did not start')));
    xvfb.child.stdio[3].on('data', (data) => resolve(`:${String(data).trim()}`));
  });
  return { ...xvfb, display };
}

// A W3C WebDriver command; throws the driver's error, if any.
async function Command(base, method, route, body) {
  const response = await fetch(base + route, { method,
    headers: { 'content-type': 'application/json' },
    body: body && JSON.stringify(body) });
  const { value } = await response.json();
  if (!response.ok) throw new Error(`${route}: ${value.error}: ${value.message}`);
  return value;
}

// WebDriver's codes of the keys that are not characters.
const kKeys = { Enter: '\uE007', Control: '\uE009' };

// MiniBrowser has no headless mode (it runs on Xvfb where there is no
// display) and no script before a page's own, so the page is opened from a
// copy with RecordPage as its first script. Its windows are never narrower
// than 447 px: at phone width the copy is shown in an iframe of that width.
async function WebKitEngine() {
  const folder = await mkdtemp(path.join(tmpdir(), 'quillary-webkit-'));
  const xvfb = process.env.DISPLAY ? null : await StartXvfb();
  const port = await FreePort();
  const driver = Start('WebKitWebDriver', [`--port=${port}`], { stdio: 'ignore',
    env: { ...process.env, DISPLAY: xvfb?.display ?? process.env.DISPLAY,
      NO_AT_BRIDGE: '1' } });
  const base = `http://127.0.0.1:${port}`;
  for (let tries = 0; !await Command(base, 'GET', '/status').catch(
    (error) => { if (tries > 100) throw error; }); ++tries) await Sleep(100);
  const { sessionId } = await Command(base, 'POST', '/session', {
    capabilities: { alwaysMatch: { browserName: 'MiniBrowser',
      'webkitgtk:browserOptions': { binary: FindMiniBrowser(),
        args: ['--automation'] } } } });
  const Session = (method, route, body) =>
    Command(base, method, `/session/${sessionId}${route}`, body);
  await Session('POST', '/timeouts', { script: 120000 });
  const Find = async (selector) => Object.values(await Session('POST',
    '/element', { using: 'css selector', value: selector }))[0];
  const Click = async (selector) =>
    Session('POST', `/element/${await Find(selector)}/click`, {});
  // WebDriver's synchronous script awaits no promise in every driver: the
  // asynchronous one resolves with the script's value, or its error.
  async function Evaluate(script, ...args) {
    const { value, error } = await Session('POST', '/execute/async', {
      script: `const done = arguments[arguments.length - 1];
        Promise.resolve().then(() => (${script})(...[...arguments].slice(0, -1)))
          .then((value) => done({ value }), (error) => done({ error: String(error) }));`,
      args });
    if (error) throw new Error(error);
    return value;
  }
  // Actions, not Element Send Keys, which finds no element of an iframe
  // focusable; for the same reason, a field is focused by a click.
  const Act = (actions) => Session('POST', '/actions',
    { actions: [{ type: 'key', id: 'keys', actions }] });
  const Key = (key) => kKeys[key] ?? key;
  return {
    name: 'webkit',
    errors: () => Evaluate(RecordedErrors),
    async open(pageFile, { phone = false } = {}) {
      const html = await readFile(pageFile, 'utf8');
      const at = html.search(/<script[\s>]/);
      await writeFile(path.join(folder, 'quillary.html'), html.slice(0, at) +
        `<script>(${RecordPage})({ consoleErrors: true, fresh: true });` +
        `</script>\n${html.slice(at)}`);
      await writeFile(path.join(folder, 'phone.html'), '<!doctype html>' +
        '<body style="margin:0"><iframe src="quillary.html" style="border:0;' +
        `width:${kPhoneWidth}px;height:${kPhoneHeight}px"></iframe>`);
      await Session('POST', '/window/rect', { width: 1024, height: 960 });
      await Session('POST', '/url', { url: pathToFileURL(path.join(folder,
        phone ? 'phone.html' : 'quillary.html')).href });
      if (phone) await Session('POST', '/frame', { id: 0 });
    },
    evaluate: Evaluate,
    async focus(selector) {
      const focused = await Session('POST', '/execute/sync', { args: [selector],
        script: 'return document.activeElement === document.querySelector(arguments[0]);' });
      if (!focused) await Click(selector);
    },
    typeKeys: (text) => Act([...text].flatMap((value) =>
      [{ type: 'keyDown', value }, { type: 'keyUp', value }])),
    async pressKeys(...keys) {
      await Act([...keys.map((key) => ({ type: 'keyDown', value: Key(key) })),
        ...keys.reverse().map((key) => ({ type: 'keyUp', value: Key(key) }))]);
    },
    click: Click,
    async screenshot(file) {
      await writeFile(file, Buffer.from(await Session('GET', '/screenshot'), 'base64'));
    },
    async close() {
      await Session('DELETE', '').catch(() => {});
      await driver.stop();
      await xvfb?.stop();
      await rm(folder, { recursive: true, force: true });
    },
  };
}

// A line longer than this goes into a field as an input method or a paste
// puts it, in one edit: key by key, 40,000 characters take minutes.
const kLongestTypedLine = 200;

const InsertText = (text) => document.execCommand('insertText', false, text);

// Starts `name` (chromium, firefox or webkit) with no page open yet. Every
// engine offers the same: open(pageFile, { phone }) loads the page afresh,
// on a phone's width if asked; evaluate(script, ...args) runs a function in
// the page and returns its value, awaited; typeInto(selector, text) types
// into a field, pressEnter(selector) and pressControl(selector, letter)
// press keys there, click(selector) clicks; errors() lists what the page
// left unhandled since it was last asked; screenshot(file) writes a PNG;
// close() stops the browser and every process started for it.
export async function LaunchEngine(name) {
  const engines = { chromium: PuppeteerEngine, firefox: PuppeteerEngine,
    webkit: WebKitEngine };
  if (!engines[name]) throw new Error(`no engine called ${name}`);
  const engine = await engines[name](name);
  const In = (Act) => async (selector, ...args) => {
    await engine.focus(selector);
    await Act(...args);
  };
  return {
    ...engine,
    typeInto: In((text) => text.length > kLongestTypedLine
      ? engine.evaluate(InsertText, text) : engine.typeKeys(text)),
    pressEnter: In(() => engine.pressKeys('Enter')),
    pressControl: In((letter) => engine.pressKeys('Control', letter)),
  };
}
