// The keyboard belongs to the person: the browser's own keys are not cancelled (zoom, find,
// reload, the address bar, back and forward, print, F5, F6, F11, F12, copy of selected text),
// and its shortcuts do not end the program at the report; Tab leaves the screen and Shift+Tab
// comes back to it, the focus always shows, keys go to a button that has the focus and not to
// the program (Start again, pressed in the middle of the dialog), and the program still gets
// every key it reads: typing, Backspace and Enter at a question. At the report only a key typed
// into the screen ends it: not Tab, the browser's keys, a modifier alone or any click.
//   node keyboard.mjs SITE_DIR
import {check, fileUrl, openSite, rowText, shown, typeKeys, waitFor, waitForRow, withBrowser} from './browser.mjs';

const site = process.argv[2];
const BROWSER_KEYS = [
  ['Control', 'Equal'], ['Control', 'Minus'], ['Control', 'Digit0'], ['Control', 'KeyF'],
  ['Control', 'KeyR'], ['Control', 'KeyL'], ['Control', 'KeyP'], ['Meta', 'KeyP'],
  ['Alt', 'ArrowLeft'], ['Alt', 'ArrowRight'], ['Alt', 'KeyD'], [null, 'F5'], [null, 'F6'],
  [null, 'F11'], [null, 'F12']
];
const PROGRAM_KEYS = ['Digit7', 'KeyA', 'Period', 'Space', 'Backspace'];

// Every keydown the page let through, and whether it cancelled it, seen after its handlers; and
// the browser's print dialog left out, counted instead.
function recordKeys() {
  window.keysSeen = [];
  window.addEventListener('keydown', (e) => window.keysSeen.push([e.code, e.defaultPrevented]));
  window.printed = 0;
  window.print = () => window.printed++;
}

const chord = (modifier, code) => (page) => press(page, [modifier, code]);
const key = (code) => (page) => press(page, [null, code]);
const click = (selector) => (page) => page.click(selector);

// At the report, with the screen focused: what leaves the program running, and what a key
// typed there then does.
const STAYS = [
  ['Tab', key('Tab')],
  ['Shift+Tab', chord('Shift', 'Tab')],
  ['F5', key('F5')],
  ['Ctrl+F', chord('Control', 'KeyF')],
  ['Shift alone', key('ShiftLeft')],
  ['Ctrl alone', key('ControlRight')],
  ['Alt alone', key('AltLeft')],
  ['Caps Lock', key('CapsLock')],
  ['a click on the screen', click('#screen')],
  ['a click on Print', click('#print')],
  ['a click on Copy link', click('#copy-link')],
  ['a click on Save drawing', click('#save-drawing')],
  ['a click on the results', click('#results')],
  ['a click on the drawing', click('#drawing svg')],
  ['a click on the sheet', click('#speakers table')],
  ['a click on the spacings', click('#spacings table')],
];

async function press(page, [modifier, code]) {
  if (modifier) await page.keyboard.down(modifier);
  await page.keyboard.press(code);
  if (modifier) await page.keyboard.up(modifier);
  const seen = await page.evaluate(() => window.keysSeen);
  return seen.filter(([c]) => c === code).pop();
}

const focused = (page) => page.evaluate(() => document.activeElement.id);

// Whether the focused element, or the frame around the focused key field, shows an outline.
function focusShows(page) {
  return page.evaluate(() => {
    const e = document.activeElement.id === 'keys' ? document.getElementById('frame') :
                                                     document.activeElement;
    const style = getComputedStyle(e);
    return style.outlineStyle !== 'none' && parseFloat(style.outlineWidth) >= 2;
  });
}

async function browserKeys(page, shortcutsOnly) {
  for (const key of BROWSER_KEYS.filter(([modifier]) => modifier || !shortcutsOnly)) {
    const [, cancelled] = await press(page, key);
    check(!cancelled, key.join('+') + ' was cancelled');
  }
  // Text selected with the mouse, which takes the focus from the key field.
  await page.evaluate(() => {
    document.activeElement.blur();
    document.getSelection().selectAllChildren(document.querySelectorAll('.row')[1]);
  });
  check(!(await press(page, ['Control', 'KeyC']))[1], 'copying the selection was cancelled');
  await page.evaluate(() => document.getSelection().removeAllRanges());
  await page.click('#screen');
}

async function tabbing(page) {
  check(await focused(page) === 'keys' && await focusShows(page), 'the screen shows no focus');
  await page.keyboard.press('Tab');
  check(await focused(page) !== 'keys', 'Tab did not leave the screen');
  await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  check(await focused(page) === 'keys', 'Shift+Tab did not come back to the screen');
  await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
  check(await focused(page) === 'restart' && await focusShows(page), 'Start again shows no focus');
  await page.keyboard.press('KeyZ');
  check(
      (await rowText(page, 8)).slice(71).trim() === '', 'a key for the button reached the program');
  await page.keyboard.press('Tab');
  check(await focused(page) === 'keys', 'Tab did not go from Start again to the screen');
}

// Start again, from the keyboard, in the middle of the dialog: a new run asks the first
// question afresh, and what was said of the old one is gone.
async function startAgain(page) {
  await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
  await page.keyboard.press('Enter');
  await waitFor(
      page, 'a new run at its first question',
      () => window.sorvanta.cells().length > 0 && window.sorvanta.cursor().row === 8 &&
          document.getElementById('said').childElementCount === 1);
  check(await focused(page) === 'keys', 'the new run has not the keyboard');
}

// The program ends only at a key typed into the screen, and says so in a visitor's words with
// the results still there to keep.
async function finalWait(browser, page) {
  const downloads = await browser.target().createCDPSession();
  await downloads.send('Browser.setDownloadBehavior', {behavior: 'deny'});
  await waitFor(page, 'the results', () => !document.getElementById('keep').hidden);
  for (const [what, act] of STAYS) {
    await page.focus('#keys');
    const seen = await act(page);
    check(
        await page.evaluate(() => window.sorvanta.exitCode()) === null,
        what + ' ended the program at the report');
    check(!(seen && seen[1] && what.startsWith('Ctrl')), what + ' was cancelled');
  }
  check(await page.evaluate(() => window.printed) === 1, 'Print did not print');
  await downloads.detach();
  await page.click('#screen');
  await page.keyboard.press('KeyQ');
  await waitFor(page, 'exit code 0', () => window.sorvanta.exitCode() === 0);
  const ended = await page.$eval('#ended', (e) => e.textContent);
  check(
      /has ended.*Your plan stays below.*Start again/.test(ended) && !/exit code/.test(ended),
      'the page says ' + JSON.stringify(ended));
  for (const kept of ['#beside svg', '#speakers table', '#print', '#copy-link', '#save-drawing']) {
    check(await shown(page, kept), kept + ' went when the program ended');
  }
}

withBrowser(async (browser) => {
  const page = await openSite(browser, fileUrl(site), '', recordKeys);
  await waitForRow(page, 8, 'Maximum front-back spacing');
  await tabbing(page);
  for (const code of PROGRAM_KEYS) {
    check((await press(page, [null, code]))[1], code + ' was not the program\'s');
  }
  await browserKeys(page, false);
  await typeKeys(page, '\r');
  await waitForRow(page, 9, 'Maximum side-side spacing');
  check((await rowText(page, 8)).trimEnd().endsWith('7a.'), 'the program did not get its keys');
  await startAgain(page);
  await typeKeys(page, '5\r4\rN\r6\r0.5\r110\r');
  await waitForRow(page, 21, 'press any key to quit');
  await browserKeys(page, true);
  check(await page.evaluate(() => window.sorvanta.exitCode()) === null, 'a shortcut ended it');
  await finalWait(browser, page);
  check(page.siteErrors.length === 0, page.siteErrors.join('\n'));
  console.log(
      'keyboard passed: ' + BROWSER_KEYS.length + ' browser keys, Tab, the program\'s keys, ' +
      STAYS.length + ' keys and clicks at the report');
});
