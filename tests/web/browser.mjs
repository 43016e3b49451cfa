// Headless Chromium for the page's tests: Debian's chromium driven by puppeteer-core, which the
// test set-up installs outside the repository (the folder in SORVANTA_NODE_MODULES). The site is
// opened from disk (file://) or from a static server of our own; every wait is for a condition
// on the page, never for a time.
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import {createRequire} from 'node:module';
import os from 'node:os';
import path from 'node:path';
import {pathToFileURL} from 'node:url';

export const SKIPPED = 77;
const CHROMIUM = '/usr/bin/chromium';
const WAIT_MS = 30000;

function loadPuppeteer() {
  const modules = process.env.SORVANTA_NODE_MODULES;
  if (!modules || !fs.existsSync(path.join(modules, 'puppeteer-core'))) return null;
  return createRequire(path.join(path.resolve(modules), 'index.js'))('puppeteer-core');
}

// Runs `body(browser)` with a fresh Chromium and profile; exits 77 (skipped) without Chromium
// or puppeteer-core, or 1 when SORVANTA_REQUIRE_BROWSER is set (a test run that must not
// quietly leave the browser out); 1 when the body throws.
export async function withBrowser(body) {
  const puppeteer = loadPuppeteer();
  if (puppeteer === null || !fs.existsSync(CHROMIUM)) {
    const missing = 'needs ' + CHROMIUM + ' and puppeteer-core in $SORVANTA_NODE_MODULES';
    if (process.env.SORVANTA_REQUIRE_BROWSER) {
      console.log('FAIL: ' + missing);
      process.exit(1);
    }
    console.log('skipped: ' + missing);
    process.exit(SKIPPED);
  }
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'sorvanta-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: CHROMIUM,
    headless: true,
    userDataDir: profile,
    args: [
      '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'
    ],
  });
  let failed = false;
  try {
    await body(browser);
  } catch (error) {
    failed = true;
    console.log('FAIL: ' + (error && error.stack ? error.stack : error));
  } finally {
    await browser.close();
    fs.rmSync(profile, {recursive: true, force: true});
  }
  process.exit(failed ? 1 : 0);
}

const TYPES = {
  '.html': 'text/html',
  '.css': 'text/css',
  '.js': 'text/javascript',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};

// A static server of `dir` on a free local port; resolves to its address and its closer.
export function serve(dir) {
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(dir, name === '/' ? 'index.html' : name);
    if (!file.startsWith(dir) || !fs.existsSync(file)) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(
        200, {'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream'});
    response.end(fs.readFileSync(file));
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => resolve({
                                    url: 'http://127.0.0.1:' + server.address().port + '/',
                                    close: () => new Promise((done) => server.close(done)),
                                  }));
  });
}

export function fileUrl(dir) { return pathToFileURL(path.join(dir, 'index.html')).href; }

// Opens the site; its errors fail the test. `query` is appended to the address; `setUp`, when
// given, runs in the page before the page's own scripts; `viewport`, when given, is the
// window's size (puppeteer's Viewport).
export async function openSite(browser, url, query = '', setUp = null, viewport = null) {
  const page = await browser.newPage();
  if (setUp !== null) await page.evaluateOnNewDocument(setUp);
  if (viewport !== null) await page.setViewport(viewport);
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(message.text());
  });
  page.siteErrors = errors;
  await page.goto(url + query);
  await waitFor(page, 'the page to start', () => window.sorvanta !== undefined);
  return page;
}

// Waits for `condition` (a function run in the page) to hold.
export async function waitFor(page, what, condition, ...args) {
  try {
    await page.waitForFunction(condition, {timeout: WAIT_MS}, ...args);
  } catch (error) {
    const [rows, ended] = await page.evaluate(
        () =>
            [window.sorvanta &&
                 window.sorvanta.cells()
                     .map((row) => row.map((cell) => cell[0]).join(''))
                     .join('\n'),
             document.getElementById('ended').hidden ?
                 '' :
                 document.getElementById('ended-text').textContent]);
    throw new Error(
        'waited in vain for ' + what + (ended ? ' (' + ended + ')' : '') + '; the screen:\n' +
        rows);
  }
}

export function rowText(page, row) {
  return page.evaluate((r) => window.sorvanta.cells()[r - 1].map((c) => c[0]).join(''), row);
}

export function waitForRow(page, row, text) {
  return waitFor(page, 'row ' + row + ' to show ' + JSON.stringify(text), (r, t) => {
    const rows = window.sorvanta.cells();
    return rows.length >= r && rows[r - 1].map((c) => c[0]).join('').includes(t);
  }, row, text);
}

// The US keys a character is typed with: KeyboardEvent.code, and whether Shift is held.
const PUNCTUATION = {
  '-': ['Minus', '_'],
  '=': ['Equal', '+'],
  '[': ['BracketLeft', '{'],
  ']': ['BracketRight', '}'],
  ';': ['Semicolon', ':'],
  '\'': ['Quote', '"'],
  '`': ['Backquote', '~'],
  '\\': ['Backslash', '|'],
  ',': ['Comma', '<'],
  '.': ['Period', '>'],
  '/': ['Slash', '?'],
  ' ': ['Space', null],
};
const SHIFTED_DIGITS = ')!@#$%^&*(';

function usKey(ch) {
  if (ch >= 'a' && ch <= 'z') return ['Key' + ch.toUpperCase(), false];
  if (ch >= 'A' && ch <= 'Z') return ['Key' + ch, true];
  if (ch >= '0' && ch <= '9') return ['Digit' + ch, false];
  if (SHIFTED_DIGITS.includes(ch)) return ['Digit' + SHIFTED_DIGITS.indexOf(ch), true];
  for (const [plain, [code, shifted]] of Object.entries(PUNCTUATION)) {
    if (ch === plain) return [code, false];
    if (ch === shifted) return [code, true];
  }
  throw new Error('no US key types ' + JSON.stringify(ch));
}

// Types `text` as a person does, key by key, with Shift held for the shifted characters;
// "\r" is the Enter key.
export async function typeKeys(page, text) {
  for (const ch of text) {
    if (ch === '\r') {
      await page.keyboard.press('Enter');
      continue;
    }
    const [code, shift] = usKey(ch);
    if (shift) await page.keyboard.down('Shift');
    await page.keyboard.press(code);
    if (shift) await page.keyboard.up('Shift');
  }
}

// Counts the tones the page plays (window.tonesPlayed), from before the page's own script
// runs: a setUp for openSite.
export function countTones() {
  window.tonesPlayed = 0;
  const start = OscillatorNode.prototype.start;
  OscillatorNode.prototype.start = function(...args) {
    window.tonesPlayed++;
    return start.apply(this, args);
  };
}

// Whether the element `selector` is shown (present, and not hidden by any rule).
export function shown(page, selector) {
  return page.$eval(selector, (e) => e.getClientRects().length > 0);
}

export function check(condition, message) {
  if (!condition) throw new Error(message);
}

// The page's log of what it says, entry by entry.
export function saidEntries(page) {
  return page.$$eval('#said > *', (entries) => entries.map((e) => e.textContent));
}

function axValue(field) { return field ? field.value : ''; }

function axNode(node) {
  const level = (node.properties || []).find((p) => p.name === 'level');
  return {
    role: axValue(node.role),
    name: axValue(node.name),
    description: axValue(node.description),
    level: level ? level.value.value : undefined,
  };
}

// The accessibility tree as a screen reader gets it (the DevTools protocol's Accessibility
// domain): the nodes it does not ignore, each {role, name, description, level}.
export async function accessibilityTree(page) {
  const session = await page.createCDPSession();
  const {nodes} = await session.send('Accessibility.getFullAXTree');
  await session.detach();
  return nodes.filter((node) => !node.ignored).map(axNode);
}

// The contrast ratio of two computed colours ("rgb(r, g, b)"), as WCAG 2.1 defines it.
export function contrast(foreground, background) {
  const luminance = (colour) => {
    const [r, g, b] = colour.match(/[\d.]+/g).slice(0, 3).map((c) => {
      const s = Number(c) / 255;
      return s <= 0.04045 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
  };
  const [light, dark] = [luminance(foreground), luminance(background)].sort((a, b) => b - a);
  return (light + 0.05) / (dark + 0.05);
}

// axe-core's script, from SORVANTA_NODE_MODULES; without it the test is skipped, or fails when
// SORVANTA_REQUIRE_BROWSER is set.
export function axeSource() {
  const file = path.join(process.env.SORVANTA_NODE_MODULES || '', 'axe-core', 'axe.min.js');
  if (fs.existsSync(file)) return fs.readFileSync(file, 'utf8');
  console.log((process.env.SORVANTA_REQUIRE_BROWSER ? 'FAIL' : 'skipped') + ': needs axe-core');
  process.exit(process.env.SORVANTA_REQUIRE_BROWSER ? 1 : SKIPPED);
}

// The results document the web program sends the page for six answers, printed by the tests'
// tool (tests/web/results_document_tool.cpp) run under node: the program's own texts.
export function resultsDocument(tool, answers) {
  return JSON.parse(
      execFileSync(process.execPath, ['--no-experimental-fetch', tool, ...answers]).toString());
}

// Waits for the results beside the screen: the drawing, the sheet and the buttons that keep them.
export function waitForResults(page) {
  return waitFor(
      page, 'the results beside the screen', () => !document.getElementById('beside').hidden);
}

// Whether a program that Chromium's tests need is installed (poppler's pdftoppm, say); without
// it the test is skipped, or fails where SORVANTA_REQUIRE_BROWSER is set.
export function requireProgram(file, why) {
  if (fs.existsSync(file)) return;
  console.log(
      (process.env.SORVANTA_REQUIRE_BROWSER ? 'FAIL' : 'skipped') + ': needs ' + file + ' ' + why);
  process.exit(process.env.SORVANTA_REQUIRE_BROWSER ? 1 : SKIPPED);
}
