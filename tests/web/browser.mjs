// Headless Chromium for the page's tests and benchmark: starts the browser
// with no network of its own and a fresh profile, and opens the built page
// with a record of the program's output and of every request made.
import puppeteer from 'puppeteer-core';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const kChromium = process.env.QUILLARY_CHROMIUM ?? '/usr/bin/chromium';

// Without these Chromium reaches for the network (updates, sync, field
// trials) and, as root, refuses to start sandboxed.
const kArguments = [
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

const profiles = new WeakMap();

export async function LaunchBrowser() {
  const profile = await mkdtemp(path.join(tmpdir(), 'quillary-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: kChromium,
    headless: true,
    userDataDir: profile,
    args: kArguments,
  });
  profiles.set(browser, profile);
  return browser;
}

// Closes the browser and removes its profile, which Chromium may still be
// writing to for a moment after it closed.
export async function CloseBrowser(browser) {
  await browser.close();
  const profile = profiles.get(browser);
  await rm(profile, { recursive: true, force: true, maxRetries: 5 });
}

export function PageUrl(pageFile) {
  return pathToFileURL(path.resolve(pageFile)).href;
}

// Before the page's own script runs, collect each chunk of the program's
// output (the page's 'quillary-output' event) and the time it came.
function RecordOutput() {
  window.quillaryOutput = [];
  window.quillaryOutputAt = 0;
  addEventListener('quillary-output', (event) => {
    window.quillaryOutput.push(...event.detail);
    window.quillaryOutputAt = performance.now();
  });
}

// A new tab on the page; `requests` lists every URL it asked for.
export async function OpenPage(browser, pageFile) {
  const page = await browser.newPage();
  const requests = [];
  page.on('request', (request) => requests.push(request.url()));
  await page.evaluateOnNewDocument(RecordOutput);
  await page.goto(PageUrl(pageFile));
  return { page, requests };
}
