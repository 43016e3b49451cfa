// The web platform in headless Chromium under the seam driver (tests/tmux/seam_driver.cpp):
// the records real key presses become, pasted text, the message box, the title, the exit code
// and the run that starts again.
//   node seam.mjs DRIVER_SITE_DIR
import {check, fileUrl, openSite, rowText, serve, shown, waitFor, waitForRow, withBrowser} from './browser.mjs';

const site = process.argv[2];

// Key presses and the record lines the driver shows for them, one for each press it reads
// (the presses of Shift and Ctrl themselves included). Numbers: ch, scan code, virtual key,
// control-key state.
const KEYS = [
  {keys: ['KeyA'], shows: ['ch=97 scan=30 vk=65 state=0']},
  {
    hold: 'Shift',
    keys: ['KeyA'],
    shows: ['ch=0 scan=42 vk=16 state=16', 'ch=65 scan=30 vk=65 state=16']
  },
  {
    hold: 'Shift',
    keys: ['Digit1'],
    shows: ['ch=0 scan=42 vk=16 state=16', 'ch=33 scan=2 vk=49 state=16']
  },
  {keys: ['Enter'], shows: ['ch=13 scan=28 vk=13 state=0']},
  {keys: ['NumpadEnter'], shows: ['ch=13 scan=28 vk=13 state=256']},
  {keys: ['ArrowUp'], shows: ['ch=0 scan=72 vk=38 state=256']},
  {keys: ['F5'], shows: ['ch=0 scan=63 vk=116 state=0']},
  {keys: ['Tab'], shows: ['ch=9 scan=15 vk=9 state=0']},
  {keys: ['Escape'], shows: ['ch=27 scan=1 vk=27 state=0']},
  {keys: ['Backspace'], shows: ['ch=8 scan=14 vk=8 state=0']},
  {
    hold: 'ControlLeft',
    keys: ['KeyC'],
    shows: ['ch=0 scan=29 vk=17 state=8', 'ch=3 scan=46 vk=67 state=8']
  },
  {
    hold: 'ControlRight',
    keys: ['KeyC'],
    shows: ['ch=0 scan=29 vk=17 state=260', 'ch=3 scan=46 vk=67 state=4']
  },
  {
    hold: 'AltLeft',
    keys: ['KeyX'],
    shows: ['ch=0 scan=56 vk=18 state=2', 'ch=120 scan=45 vk=88 state=2']
  },
  // Pasted text is typed as keys: é (code page 437 byte 130, no US key), ♥ (none), Enter.
  {paste: '\u00e9\u2665\r\n', shows: ['ch=130 scan=0 vk=0 state=0', 'ch=13 scan=28 vk=13 state=0']},
];
const FIRST_ROW = 10;
const ROWS = 11;

async function pressKeys(page, entry) {
  if (entry.paste !== undefined) {
    await page.evaluate((text) => {
      const data = new DataTransfer();
      data.setData('text/plain', text);
      document.dispatchEvent(new ClipboardEvent('paste', {clipboardData: data}));
    }, entry.paste);
    return;
  }
  if (entry.hold) await page.keyboard.down(entry.hold);
  for (const key of entry.keys) await page.keyboard.press(key);
  if (entry.hold) await page.keyboard.up(entry.hold);
}

async function keyRecords(page) {
  await waitForRow(page, 9, 'keys (q ends):');
  // A tap on the screen gives it the keyboard (on a phone, the on-screen one).
  await page.evaluate(() => document.activeElement.blur());
  await page.tap('#screen');
  check(
      await page.evaluate(() => document.activeElement.id) === 'keys',
      'a tap on the screen did not give it the keyboard');
  let lines = 0;
  for (const entry of KEYS) {
    await pressKeys(page, entry);
    for (const line of entry.shows) {
      await waitForRow(page, FIRST_ROW + (lines % ROWS), 'key ' + line + ' ');
      lines++;
    }
  }
  await page.keyboard.press('KeyQ');
  await waitForRow(page, 21, 'press any key to quit');
  check(
      await page.evaluate(() => window.sorvanta.exitCode()) === null, 'ended before its last key');
  check(!await shown(page, '#ended'), 'the ended line shows while the program runs');
  await page.keyboard.press('Space');
  await waitFor(page, 'exit code 0', () => window.sorvanta.exitCode() === 0);
  // The screen stays; a line outside it says so, and its button starts a new run.
  check((await rowText(page, 21)).includes('press any key to quit'), 'the screen did not stay');
  check(
      await shown(page, '#ended') &&
          (await page.$eval('#ended', (e) => e.textContent)).includes('has ended'),
      'no line saying the program has ended');
  await page.click('#restart');
  await waitForRow(page, 9, 'keys (q ends):');
  check(
      await page.evaluate(() => window.sorvanta.exitCode()) === null, 'a new run has no exit code');
  check(!await shown(page, '#ended'), 'the ended line stays in a new run');
}

// The box is modal: the keys typed while it is open, and the one that closes it, are its own.
async function messageBox(page) {
  await waitFor(page, 'the message box', () => document.getElementById('box').open);
  const box =
      await page.$eval('[role=alertdialog]', (e) => ({
                                               caption: e.querySelector('#box-caption').textContent,
                                               message: e.querySelector('#box-message').textContent,
                                             }));
  check(
      box.caption === '  ERROR' && box.message === 'The answer must be Y or N.',
      'the box shows ' + JSON.stringify(box));
  check(await page.evaluate(() => document.activeElement.id) === 'box-ok', 'OK has no focus');
  check(await page.title() === 'Sorvanta', 'the title is ' + await page.title());
  await page.keyboard.press('KeyX');
  await page.keyboard.press('Tab');
  check(await page.evaluate(() => document.getElementById('box').open), 'closed by X or Tab');
  await page.keyboard.press('Escape');
  await waitForRow(page, 6, 'box closed');
  check(!await page.evaluate(() => document.getElementById('box').open), 'the box stays open');
  check(
      await page.evaluate(() => document.activeElement.id) === 'keys',
      'the screen did not get the keyboard back');
  check(
      await page.evaluate(() => window.sorvanta.exitCode()) === null,
      'a key typed into the box reached the program');
  check(
      JSON.stringify(await page.evaluate(() => window.sorvanta.cursor())) ===
          JSON.stringify({row: 22, column: 1, visible: false}),
      'the cursor is not where it was put');
  await page.keyboard.press('KeyQ');
  await waitFor(page, 'exit code 0', () => window.sorvanta.exitCode() === 0);
}

withBrowser(async (browser) => {
  const server = await serve(site);
  try {
    const keys = await openSite(browser, fileUrl(site), '?arg=keys');
    await keyRecords(keys);
    const box = await openSite(browser, server.url, '?arg=box');
    await messageBox(box);
    for (const page of [keys, box]) check(page.siteErrors.length === 0, page.siteErrors.join('\n'));
  } finally {
    await server.close();
  }
  console.log('seam passed: ' + KEYS.length + ' key cases, the message box, exit and restart');
});
