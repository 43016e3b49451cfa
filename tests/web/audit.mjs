// Contrast and the automatic audit, on a desktop and on two phones, at the first question, with
// the message box open, at a report with results over their limits (with the setup sheet's
// tables and the buttons that keep the results) and with the link to copy: every colour pair the
// program shows on the screen and every text of the box at 4.5:1 or more, computed from the
// page's computed styles; a result over its limit marked otherwise than by colour; and axe-core
// with the WCAG 2.1 A and AA rules and its best practices: no violation, and no contrast it could
// not decide.
//   node audit.mjs SITE_DIR
import {axeSource, check, contrast, openSite, serve, shown, typeKeys, waitFor, waitForRow, withBrowser} from './browser.mjs';

const site = process.argv[2];
const axe = axeSource();
const VIEWPORTS = [
  {name: 'desktop', width: 1366, height: 768},
  {name: 'phone', width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true},
  {
    name: 'small phone',
    width: 320,
    height: 640,
    deviceScaleFactor: 2,
    isMobile: true,
    hasTouch: true
  },
];
const KEEPING = ['#print', '#copy-link', '#save-drawing', '#speakers table', '#spacings table'];
const RULES = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'];

// axe decides no contrast inside an SVG picture (a picture may lie under its text): the
// drawing's text is left to drawingContrast.
async function audit(page, where) {
  if (!await page.evaluate(() => window.axe !== undefined)) await page.addScriptTag({content: axe});
  const result = await page.evaluate(
      (rules) =>
          window.axe.run({exclude: [['#drawing svg']]}, {runOnly: {type: 'tag', values: rules}}),
      RULES);
  const faults = result.violations.map((v) => v.id + ': ' + v.nodes.map((n) => n.target).join());
  check(faults.length === 0, where + ': ' + faults.join('; '));
  const undecided = result.incomplete.filter((r) => r.id === 'color-contrast');
  check(
      undecided.length === 0,
      where + ': contrast left undecided for ' +
          undecided.map((r) => r.nodes.map((n) => n.target)).join());
}

// Each text's colour on the background it stands on, from the computed styles.
function colourPairs(selector) {
  const opaque = (e) => {
    for (; e; e = e.parentElement) {
      const background = getComputedStyle(e).backgroundColor;
      if (!/rgba\(.*, 0\)$/.test(background) && background !== 'transparent') return background;
    }
    return 'rgb(255, 255, 255)';
  };
  return Array.from(document.querySelectorAll(selector))
      .filter((e) => e.textContent.trim() !== '')
      .map((e) => [getComputedStyle(e).color, opaque(e), e.textContent.trim()]);
}

async function checkContrast(page, selector, least, where) {
  const pairs = await page.evaluate(colourPairs, selector);
  const kinds = new Set(pairs.map(([fore, back]) => fore + ' on ' + back));
  check(kinds.size >= least, where + ': ' + kinds.size + ' colour pairs, not ' + least);
  for (const [fore, back, text] of pairs) {
    const ratio = contrast(fore, back);
    check(ratio >= 4.5, `${where}: ${fore} on ${back} is ${ratio.toFixed(2)}:1 for "${text}"`);
  }
}

// The drawing's labels on its white ground, the rectangle that fills it.
async function drawingContrast(page, where) {
  const [ground, fills] = await page.$eval(
      '#drawing svg',
      (svg) =>
          [getComputedStyle(svg.querySelector('rect[width="100%"]')).fill,
           Array.from(svg.querySelectorAll('text'), (t) => getComputedStyle(t).fill)]);
  check(fills.length > 0, where + ': the drawing has no labels');
  for (const fill of fills) {
    check(contrast(fill, ground) >= 4.5, `${where}: a label in ${fill} on ${ground}`);
  }
}

async function checkOverLimit(page, where) {
  const marks = await page.$$eval(
      '.row > .f12', (cells) => cells.map((c) => getComputedStyle(c).textDecorationLine));
  check(marks.length === 2 && marks.every((m) => m === 'underline'), where + ': marks ' + marks);
}

async function visit(browser, url, v) {
  const page = await openSite(browser, url, '', null, v);
  await waitForRow(page, 8, 'Maximum front-back spacing');
  await audit(page, v.name + ', first question');
  await typeKeys(page, '3\r2\rx\r');
  await waitFor(page, 'the message box', () => document.getElementById('box').open);
  await checkContrast(page, '#box-caption, #box-message, #box-ok', 3, v.name + ', the box');
  await audit(page, v.name + ', the box');
  await page.keyboard.press('Enter');
  await typeKeys(page, 'Y\r4\r0.5\r120\r');
  await waitFor(page, 'the drawing', () => !document.getElementById('beside').hidden);
  await checkContrast(page, '.row > span', 3, v.name + ', the report');
  await checkOverLimit(page, v.name + ', the report');
  await drawingContrast(page, v.name + ', the drawing');
  for (const part of KEEPING)
    check(await shown(page, part), v.name + ': ' + part + ' is not shown');
  await checkContrast(page, '#sheet th, #sheet td, #sheet p', 1, v.name + ', the sheet');
  await audit(page, v.name + ', the report');
  await page.click('#copy-link');
  await waitFor(page, 'the link', () => !document.getElementById('shared').hidden);
  await audit(page, v.name + ', the link');
  check(page.siteErrors.length === 0, page.siteErrors.join('\n'));
  await page.close();
}

// Served, not opened from disk: axe reads the style sheets, which a page from disk may not.
withBrowser(async (browser) => {
  const server = await serve(site);
  try {
    for (const v of VIEWPORTS) await visit(browser, server.url, v);
  } finally {
    await server.close();
  }
  console.log('audit passed: ' + VIEWPORTS.length + ' viewports, 4 moments each');
});
