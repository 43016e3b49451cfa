// The whole dialogs of the table (tests/dialog/dialog_cases.cpp, printed by dialog_table) typed
// into the program's site in headless Chromium as real key presses: every message box checked and
// closed (Enter, Space, Escape and a click in turn), every cell and colour of the final screen
// checked against the memory platform's expectations, the drawing beside the screen, then the final
// key and exit code 0. The cases alternate between the site opened from disk and from a server.
//   node dialogs.mjs SITE_DIR DIALOG_TABLE_JS
import {execFileSync} from 'node:child_process';

import {check, countTones, fileUrl, openSite, serve, shown, typeKeys, waitFor, waitForRow, withBrowser} from './browser.mjs';

const [site, tableProgram] = process.argv.slice(2);
const table = JSON.parse(
    execFileSync(process.execPath, ['--no-experimental-fetch', tableProgram]).toString());
const CLOSERS = ['Enter', 'Space', 'Escape', 'click'];

async function closeBox(page, message, nth) {
  await waitFor(page, 'the message box', () => document.getElementById('box').open);
  const shown = await page.$eval(
      '[role=alertdialog]',
      (e) =>
          [e.querySelector('#box-caption').textContent,
           e.querySelector('#box-message').textContent]);
  check(
      shown[0] === table.caption && shown[1] === message,
      'the box shows ' + JSON.stringify(shown) + ', not ' + JSON.stringify(message));
  const closer = CLOSERS[nth % CLOSERS.length];
  if (closer === 'click') {
    await page.click('#box-ok');
  } else {
    await page.keyboard.press(closer);
  }
  await waitFor(
      page, 'the box to close and the screen to have the keyboard',
      () => !document.getElementById('box').open && document.activeElement.id === 'keys');
}

// Every row whose characters or attributes differ, with both.
function screenFaults(cells, c) {
  const faults = [];
  check(cells.length === c.rows.length, 'the screen has ' + cells.length + ' rows');
  cells.forEach((row, r) => {
    const text = row.map((cell) => cell[0]).join('');
    const attributes = row.map((cell) => cell[1]);
    if (text !== c.rows[r] || attributes.join() !== c.attributes[r].join()) {
      faults.push(
          'row ' + (r + 1) + '\n  want ' + JSON.stringify(c.rows[r]) + '\n       ' +
          c.attributes[r].map((a) => a.toString(16)).join(' ') + '\n  got  ' +
          JSON.stringify(text) + '\n       ' + attributes.map((a) => a.toString(16)).join(' '));
    }
  });
  return faults;
}

async function runCase(browser, url, c) {
  const page = await openSite(browser, url, '', countTones);
  await waitForRow(page, 8, 'Maximum front-back spacing');
  // Line input shows the cursor, which the program keeps hidden otherwise, at the value column.
  const typing = await page.evaluate(() => window.sorvanta.cursor());
  check(
      typing.row === 8 && typing.column === 72 && typing.visible,
      'the cursor is ' + JSON.stringify(typing) + ' at the first question');
  check(await shown(page, '#cursor'), 'the cursor is not drawn at the first question');
  let boxes = 0;
  for (const step of c.steps) {
    if (step.box !== undefined) {
      await closeBox(page, step.box, boxes++);
    } else {
      await typeKeys(page, step.type);
    }
  }
  await waitFor(
      page, 'the closing line and the drawing',
      () => window.sorvanta.cells()[20]
                .map((cell) => cell[0])
                .join('')
                .includes('press any key to quit') &&
          !document.getElementById('beside').hidden);
  const faults = screenFaults(await page.evaluate(() => window.sorvanta.cells()), c);
  check(faults.length === 0, 'the final screen differs:\n' + faults.join('\n'));
  const cursor = await page.evaluate(() => window.sorvanta.cursor());
  check(
      cursor.row === 22 && cursor.column === 1 && !cursor.visible,
      'the cursor is ' + JSON.stringify(cursor));
  check(await page.title() === 'Sorvanta', 'the title is ' + await page.title());
  check(await page.evaluate(() => window.tonesPlayed) === boxes, 'not one beep for each box');
  // The drawing carries the report's own listening distance, or says why there is none.
  const distance = c.rows[16].slice(71).trim();
  const drawing = await page.$eval('#beside svg', (svg) => svg.textContent);
  check(
      drawing.includes('listening distance ' + distance) || drawing.includes('Nothing to draw'),
      'the drawing does not show the listening distance ' + distance);
  check(await page.evaluate(() => window.sorvanta.exitCode()) === null, 'ended before its key');
  check(!await shown(page, '#ended'), 'the ended line shows while the program runs');
  check(await shown(page, '#beside svg'), 'the drawing is not shown');
  await page.keyboard.press('KeyQ');
  await waitFor(page, 'exit code 0', () => window.sorvanta.exitCode() === 0);
  check(
      await shown(page, '#ended') &&
          (await page.$eval('#ended', (e) => e.textContent)).includes('has ended'),
      'no line saying the program has ended');
  check(page.siteErrors.length === 0, page.siteErrors.join('\n'));
  await page.close();
}

withBrowser(async (browser) => {
  const server = await serve(site);
  try {
    for (const [i, c] of table.cases.entries()) {
      const url = i % 2 === 0 ? fileUrl(site) : server.url;
      try {
        await runCase(browser, url, c);
      } catch (error) {
        throw new Error(c.name + ' (' + url + '): ' + error.message);
      }
      console.log('passed: ' + c.name);
    }
  } finally {
    await server.close();
  }
  console.log('dialogs passed: ' + table.cases.length + ' cases');
});
