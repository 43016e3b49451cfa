// Links to a plan: every whole dialog of the table (tests/dialog, printed by dialog_table) typed
// by hand, its link taken from "Copy link" (through the clipboard on a served page, from the
// field where the clipboard is missing, on a page from disk), and the link opened fresh gives
// the same final cells, with no message box on the way. A link with a rejected answer stops
// with the box open and nothing typed behind it. Links with odd answers (markup, a long one,
// control characters, line ends, other scripts, more than six, none) type what they hold and
// leave the page whole. Once the results show, the address bar holds the link; Start again after
// a link types nothing and takes the answers out of the address.
//   node share.mjs SITE_DIR DIALOG_TABLE_JS
import {execFileSync} from 'node:child_process';

import {check, countTones, fileUrl, openSite, saidEntries, serve, typeKeys, waitFor, waitForResults, waitForRow, withBrowser} from './browser.mjs';

const [site, tableProgram] = process.argv.slice(2);
const table = JSON.parse(
    execFileSync(process.execPath, ['--no-experimental-fetch', tableProgram]).toString());
// The two messages, in the order the dialog with rejected answers brings them.
const [YES_NO, ANGLE] = [...new Set(table.cases.flatMap((c) => c.steps.map((s) => s.box)))].filter(
    (message) => message !== undefined);
const FIRST = table.cases[0];  // 5 4 N 6 0.5 110
const ANSWER_ROW = {
  3: 10,
  6: 13
};
const VALUE_COLUMN = 72;

// The page without a clipboard, as some browsers are: the link is left in a field to copy.
function withoutClipboard() {
  Object.defineProperty(Navigator.prototype, 'clipboard', {get: () => undefined});
}

function query(answers) {
  return '?' + new URLSearchParams(answers.map((answer) => ['answer', answer])).toString();
}

const cellsOf = (page) => page.evaluate(() => window.sorvanta.cells());

// From the start of a page: its screen may not be there yet.
function waitForEnd(page) {
  return waitFor(page, 'the closing line and the results', () => {
    const rows = window.sorvanta.cells();
    return rows.length === 22 &&
        rows[20].map((cell) => cell[0]).join('').includes('press any key') &&
        !document.getElementById('beside').hidden;
  });
}

async function typeDialog(page, steps) {
  for (const step of steps) {
    if (step.box === undefined) {
      await typeKeys(page, step.type);
      continue;
    }
    await waitFor(page, 'the message box', () => document.getElementById('box').open);
    await page.keyboard.press('Enter');
    await waitFor(page, 'the box to close', () => !document.getElementById('box').open);
  }
}

// "Copy link": the link, from the clipboard where the page has one, else from the field it
// shows selected and focused; what the page said of it.
async function copyLink(page, clipboard) {
  await page.click('#copy-link');
  await waitFor(page, 'the link', () => !document.getElementById('shared').hidden);
  const field = await page.$eval('#link', (e) => ({
                                            link: e.value,
                                            focused: document.activeElement === e,
                                            selected: e.selectionEnd - e.selectionStart,
                                          }));
  const said = (await saidEntries(page)).pop();
  if (clipboard) {
    const copied = await page.evaluate(() => navigator.clipboard.readText());
    check(copied === field.link, 'the clipboard holds ' + copied + ', not ' + field.link);
    check(said === 'The link to these answers is copied.', 'said ' + said);
  } else {
    check(field.focused && field.selected === field.link.length, 'the link is not selected');
    check(said.includes('copy it from there'), 'said ' + said);
  }
  return field.link;
}

// The cells of a replayed dialog that differ from those typed by hand: none, but for a Y or N
// answer typed in small letters, which the program stores, and so the link types, in capitals.
function differences(got, want) {
  const faults = [];
  got.forEach((row, r) => row.forEach(([ch, attribute], x) => {
    const [wantCh, wantAttribute] = want[r][x];
    if (ch === wantCh && attribute === wantAttribute) return;
    const stored = r + 1 === ANSWER_ROW[3] && x + 1 === VALUE_COLUMN && ch === wantCh.toUpperCase();
    if (!stored) faults.push(`row ${r + 1}, column ${x + 1}: ${JSON.stringify(ch)} (${attribute})`);
  }));
  return faults;
}

async function sharedDialog(browser, url, c, clipboard) {
  const typed = await openSite(browser, url, '', clipboard ? null : withoutClipboard);
  await waitForRow(typed, 8, 'Maximum front-back spacing');
  await typeDialog(typed, c.steps);
  await waitForEnd(typed);
  const link = await copyLink(typed, clipboard);
  const base = await typed.evaluate(() => location.href.split(/[?#]/)[0]);
  const answers = new URL(link).searchParams.getAll('answer');
  check(answers.length === 6 && link === base + query(answers), 'the link is ' + link);
  // The address bar holds the plan too, so that a reload or a bookmark gives it again.
  check(await typed.evaluate(() => location.href) === link, 'the address is not the link');
  const byHand = await cellsOf(typed);
  const opened = await openSite(browser, link, '', countTones);
  await waitForEnd(opened);
  const faults = differences(await cellsOf(opened), byHand);
  check(faults.length === 0, 'the link gives other cells:\n' + faults.join('\n'));
  check(await opened.evaluate(() => window.tonesPlayed) === 0, 'the link brought a message box');
  check(await opened.evaluate(() => window.sorvanta.exitCode()) === null, 'the link ended it');
  for (const page of [typed, opened]) {
    check(page.siteErrors.length === 0, page.siteErrors.join('\n'));
    await page.close();
  }
}

// Answers from a link that the program rejects: the replay stops with the box open.
const STOPS = [
  {answers: ['5', '4', 'x', 'N', '6', '0.5', '110'], box: YES_NO, row: ANSWER_ROW[3]},
  {answers: ['5', '4', 'N', '6', '0.5', '99', '110'], box: ANGLE, row: ANSWER_ROW[6]},
];

async function stoppedLink(browser, url, stop) {
  const page = await openSite(browser, url, query(stop.answers));
  await waitFor(page, 'the message box', () => document.getElementById('box').open);
  check(await page.$eval('#box-message', (e) => e.textContent) === stop.box, 'another box');
  const rows = async () => (await cellsOf(page)).map((row) => row.map((cell) => cell[0]).join(''));
  const later = (shown) => shown.slice(stop.row).join('').trim();
  check(later(await rows()) === '', 'answers were typed behind the box: ' + later(await rows()));
  await page.keyboard.press('Enter');
  // The question asked again, waiting for a key: a replay that went on would have typed by now.
  await waitFor(page, 'the question asked again', (row) => {
    const c = window.sorvanta.cursor();
    return !document.getElementById('box').open && c.visible && c.row === row && c.column === 72;
  }, stop.row);
  const shown = await rows();
  check(shown[stop.row - 1].slice(VALUE_COLUMN - 1).trim() === '', 'typed after the box closed');
  check(later(shown) === '', 'later answers typed after the box closed: ' + later(shown));
  check(page.siteErrors.length === 0, page.siteErrors.join('\n'));
  await page.close();
}

// Odd links: what each holds is typed, the results come (or the question waits), and the page
// stays whole.
const ODD = [
  {
    name: 'markup',
    answers: [
      '<img src=x onerror="window.injected=1">', '<script>window.injected=1</script>', 'N',
      '"><svg onload="window.injected=1">', '0.5\'"&amp;', '110'
    ],
  },
  {name: 'a long answer', answers: ['1'.repeat(3000), '4', 'N', '6', '0.5', '110']},
  {
    name: 'control characters',
    answers: ['5\u0000\u0007', '4\t\u001b', 'N\b\bN', '6\u007f', '0.5\u0085', '110\u200b']
  },
  {name: 'a line end in an answer', answers: ['5\r\n4', 'N', '6', '0.5', '110'], cells: FIRST},
  {name: 'other scripts', answers: ['東京', 'Ωμέγα', 'N', 'مرحبا', '🎵', '110']},
  {name: 'more than six', answers: ['5', '4', 'N', '6', '0.5', '110', '7', 'q', 'x']},
  {name: 'empty answers', answers: ['', '', 'Y', '', '', '100']},
  {name: 'one empty answer', answers: [''], waits: 9},
];

// What a page made of its own files holds, and nothing else.
function intact() {
  const scripts = Array.from(document.scripts, (s) => s.src.split('/').pop()).sort().join();
  return {
    scripts,
    foreign: document.querySelectorAll('img, iframe, object, embed').length +
        Array.from(document.querySelectorAll('*'))
            .filter((e) => Array.from(e.attributes).some((a) => a.name.startsWith('on')))
            .length,
    svgs: Array.from(document.querySelectorAll('svg'), (s) => s.parentElement.id).join(),
    injected: window.injected,
    rows: window.sorvanta.cells().map((row) => row.length).join(),
    exitCode: window.sorvanta.exitCode(),
  };
}

async function oddLink(browser, url, odd) {
  const page = await openSite(browser, url, query(odd.answers), withoutClipboard);
  if (odd.waits) {
    await waitFor(page, 'the next question', (row) => {
      const c = window.sorvanta.cursor();
      return c !== null && c.visible && c.row === row;
    }, odd.waits);
  } else {
    await waitForResults(page);
  }
  const found = await page.evaluate(intact);
  check(
      found.scripts === 'page.js,sorvanta.js' && found.foreign === 0 &&
          found.svgs === (odd.waits ? '' : 'drawing') && found.injected === undefined &&
          found.rows === Array(22).fill(80).join() && found.exitCode === null,
      'the page is not whole: ' + JSON.stringify(found));
  if (odd.cells) {
    const faults = differences(
        await cellsOf(page),
        odd.cells.rows.map(
            (row, r) => Array.from(row, (ch, x) => [ch, odd.cells.attributes[r][x]])));
    check(faults.length === 0, 'other cells than ' + odd.cells.name + ':\n' + faults.join('\n'));
  }
  if (odd.name === 'markup') {
    const answers = new URL(await copyLink(page, false)).searchParams.getAll('answer');
    check(
        JSON.stringify(answers) === JSON.stringify(odd.answers),
        'the markup came back as ' + answers);
  }
  check(page.siteErrors.length === 0, page.siteErrors.join('\n'));
  return page;
}

// Start again after a link: a new run at its first question, with nothing typed.
async function startAgain(page) {
  await page.click('#restart');
  await waitFor(page, 'a new run asking the first question', () => {
    const c = window.sorvanta.cursor();
    return c !== null && c.visible && c.row === 8 && document.getElementById('beside').hidden;
  });
  const row = (await cellsOf(page))[7].map((cell) => cell[0]).join('');
  check(
      row.slice(VALUE_COLUMN - 1).trim() === '',
      'Start again typed ' + row.slice(VALUE_COLUMN - 1));
  check(
      await page.evaluate(() => !new URL(location.href).searchParams.has('answer')),
      'Start again left the answers in the address');
}

withBrowser(async (browser) => {
  const server = await serve(site);
  await browser.defaultBrowserContext().overridePermissions(
      server.url, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
  try {
    for (const [i, c] of table.cases.entries()) {
      const served = i % 2 === 1;
      try {
        await sharedDialog(browser, served ? server.url : fileUrl(site), c, served);
      } catch (error) {
        throw new Error(c.name + ': ' + error.message);
      }
    }
    console.log('passed: ' + table.cases.length + ' dialogs shared and replayed');
    for (const stop of STOPS) await stoppedLink(browser, fileUrl(site), stop);
    console.log('passed: ' + STOPS.length + ' links that stop at a message box');
    for (const [i, odd] of ODD.entries()) {
      try {
        const page = await oddLink(browser, i % 2 === 0 ? fileUrl(site) : server.url, odd);
        if (i === 0) await startAgain(page);
        await page.close();
      } catch (error) {
        throw new Error(odd.name + ': ' + error.message);
      }
    }
    console.log('passed: ' + ODD.length + ' odd links, and Start again after one');
  } finally {
    await server.close();
  }
});
