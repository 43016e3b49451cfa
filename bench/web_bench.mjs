// The web build against its goals, in headless Chromium:
//   (a) the site's size, every file gzipped (goal: under 110 KiB);
//   (b) the time from the start of loading to the first question, the moment the program first
//       waits for a key, opened from disk (goal: under 1 s here), over ten loads;
//   (c) the processor time the page uses while the program waits 5 s for a key (goal: none);
// and, given a folder, screenshots of a phone, a tablet, a desktop and the desktop at 200 %,
// each at the first question and at the report of a finished dialog.
// Usage, with puppeteer-core in $SORVANTA_NODE_MODULES (see README.md):
//   node bench/web_bench.mjs build/web/site [screenshot-folder]
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

import {fileUrl, openSite, typeKeys, waitFor, waitForRow, withBrowser} from '../tests/web/browser.mjs';

const [site, screenshots] = process.argv.slice(2);
const SIZE_GOAL = 110 * 1024;
const LOAD_GOAL_MS = 1000;
const LOADS = 10;
const IDLE_MS = 5000;

function siteSize() {
  let raw = 0;
  let gzipped = 0;
  for (const name of fs.readdirSync(site)) {
    const bytes = fs.readFileSync(path.join(site, name));
    const packed = zlib.gzipSync(bytes, {level: 9}).length;
    console.log(`  ${name}: ${bytes.length} bytes, ${packed} gzipped`);
    raw += bytes.length;
    gzipped += packed;
  }
  console.log(
      `site: ${raw} bytes, ${gzipped} gzipped = ${(gzipped / SIZE_GOAL).toFixed(3)} ` +
      'of the 110 KiB goal');
}

async function firstQuestion(browser) {
  const times = [];
  for (let i = 0; i < LOADS; i++) {
    const page = await openSite(browser, fileUrl(site));
    await waitFor(
        page, 'the first question',
        () => performance.getEntriesByName('sorvanta-first-wait').length > 0);
    times.push(await page.evaluate(
        () => performance.getEntriesByName('sorvanta-first-wait')[0].startTime));
    await page.close();
  }
  times.sort((a, b) => a - b);
  const median = (times[LOADS / 2 - 1] + times[LOADS / 2]) / 2;
  console.log(
      `load to first question: median ${median.toFixed(1)} ms, slowest ` +
      `${times[LOADS - 1].toFixed(1)} ms = ${(median / LOAD_GOAL_MS).toFixed(3)} of the 1 s goal`);
}

async function idleWait(browser) {
  const page = await openSite(browser, fileUrl(site));
  await waitForRow(page, 8, 'Maximum front-back spacing');
  const before = await page.metrics();
  await new Promise((done) => setTimeout(done, IDLE_MS));
  const after = await page.metrics();
  const task = (after.TaskDuration - before.TaskDuration) * 1000;
  const script = (after.ScriptDuration - before.ScriptDuration) * 1000;
  console.log(
      `waiting ${IDLE_MS / 1000} s for a key: ${task.toFixed(2)} ms of main-thread tasks, ` +
      `${script.toFixed(2)} ms of script = ${(task / IDLE_MS).toFixed(5)} of the time`);
  await page.close();
}

const SCREENS = [
  ['phone', {width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true}],
  ['tablet', {width: 820, height: 1180, deviceScaleFactor: 2, isMobile: true, hasTouch: true}],
  ['desktop', {width: 1366, height: 768}],
  ['desktop-200', {width: 683, height: 384, deviceScaleFactor: 2}],
];

async function screenshotsOf(browser) {
  fs.mkdirSync(screenshots, {recursive: true});
  for (const [name, viewport] of SCREENS) {
    const page = await openSite(browser, fileUrl(site), '', null, viewport);
    await waitForRow(page, 8, 'Maximum front-back spacing');
    await typeKeys(page, '3');
    await waitForRow(page, 8, '3');
    await page.screenshot({path: path.join(screenshots, name + '-question.png')});
    await typeKeys(page, '\r2\rY\r4\r0.5\r120\r');
    await waitFor(page, 'the drawing', () => !document.getElementById('beside').hidden);
    await page.screenshot({path: path.join(screenshots, name + '-report.png')});
    console.log('screenshots: ' + path.join(screenshots, name + '-{question,report}.png'));
    await page.close();
  }
}

withBrowser(async (browser) => {
  siteSize();
  await firstQuestion(browser);
  await idleWait(browser);
  if (screenshots) await screenshotsOf(browser);
});
