// The page at every size a visitor brings: phones upright and on their side, a tablet, desktops,
// and a desktop zoomed to 150 %, 200 % and 400 % (two thirds, a half or a quarter of its window
// at 1.5, two or four device pixels per CSS pixel). At each, at the first question and at the
// report: the screen's text at least 12 CSS px, the document no wider than the window, the
// cursor in view, the question in words where the screen is wider than its frame, buttons a
// finger can hit on a touch screen, and the drawing's labels at least 11 CSS px. Zoom makes the
// text larger.
//   node sizes.mjs SITE_DIR
import {check, fileUrl, openSite, typeKeys, waitFor, waitForRow, withBrowser} from './browser.mjs';

const site = process.argv[2];
const TOUCH = {
  isMobile: true,
  hasTouch: true
};
const VIEWPORTS = [
  {name: 'phone 320', width: 320, height: 640, deviceScaleFactor: 2, ...TOUCH},
  {name: 'phone 390', width: 390, height: 844, deviceScaleFactor: 3, ...TOUCH},
  {name: 'phone on its side', width: 844, height: 390, deviceScaleFactor: 3, ...TOUCH},
  {name: 'tablet', width: 820, height: 1180, deviceScaleFactor: 2, ...TOUCH},
  {name: 'desktop', width: 1366, height: 768, deviceScaleFactor: 1, zoom: 1},
  {name: 'large desktop', width: 1920, height: 1080, deviceScaleFactor: 1},
  {name: 'desktop at 150 %', width: 911, height: 512, deviceScaleFactor: 1.5, zoom: 1.5},
  {name: 'desktop at 200 %', width: 683, height: 384, deviceScaleFactor: 2, zoom: 2},
  {name: 'desktop at 400 %', width: 342, height: 192, deviceScaleFactor: 4, zoom: 4},
];

// What the page shows, measured in it.
function measure() {
  const px = (e) => parseFloat(getComputedStyle(e).fontSize);
  const box = (id) => document.getElementById(id).getBoundingClientRect();
  const [frame, cursor] = [box('frame'), box('at-cursor')];
  const svg = document.querySelector('#drawing svg');
  const scale = svg ? svg.getScreenCTM().a : 0;
  return {
    text: Math.min(...Array.from(document.querySelectorAll('.row > span'), px)),
    overflow: document.documentElement.scrollWidth - document.documentElement.clientWidth,
    // Within half a pixel: scrolling aligns to the edge that the layout's fractions leave.
    cursorInView: cursor.left > frame.left - 0.5 && cursor.right < frame.right + 0.5 &&
        cursor.top > -0.5 && cursor.bottom < innerHeight + 0.5,
    narrow: document.getElementById('screen').offsetWidth > frame.width + 1,
    asked: document.getElementById('asked').hidden ?
        null :
        document.getElementById('question').textContent,
    buttons: Array.from(document.querySelectorAll('button'))
                 .filter((b) => b.getClientRects().length > 0)
                 .map((b) => [b.id, b.offsetWidth, b.offsetHeight]),
    labels: svg ? Math.min(...Array.from(svg.querySelectorAll('text'), (t) => px(t) * scale)) : 0,
  };
}

function checkShown(v, at, m) {
  const where = v.name + ' at ' + at + ': ';
  check(m.text >= 12, where + 'the screen\'s text is ' + m.text + ' px');
  check(m.overflow <= 0, where + 'the document is ' + m.overflow + ' px wider than the window');
  if (v.hasTouch) {
    check(m.buttons.some(([id]) => id === 'show-keys'), where + 'no button for the keyboard');
    for (const [id, w, h] of m.buttons) check(w >= 44 && h >= 44, where + id + ` is ${w}×${h}`);
  } else {
    check(!m.buttons.some(([id]) => id === 'show-keys'), where + 'a keyboard button without touch');
  }
}

async function atFirstQuestion(page, v) {
  await waitForRow(page, 8, 'Maximum front-back spacing');
  await waitFor(page, 'the cursor in view', `(${measure})().cursorInView`);
  const m = await page.evaluate(measure);
  checkShown(v, 'the first question', m);
  const question = 'Maximum front-back spacing of the centre and surround speakers?';
  check(
      m.asked === (m.narrow ? question : null),
      v.name + ': the question in words is ' + JSON.stringify(m.asked) +
          (m.narrow ? '' : ' (fits)'));
  return m.text * v.deviceScaleFactor;
}

async function atReport(page, v) {
  await typeKeys(page, '5\r4\rN\r6\r0.5\r110\r');
  await waitFor(page, 'the drawing', () => !document.getElementById('beside').hidden);
  const m = await page.evaluate(measure);
  checkShown(v, 'the report', m);
  check(m.labels >= 11, v.name + ': the drawing\'s labels are ' + m.labels + ' px');
  return m.labels;
}

withBrowser(async (browser) => {
  const zoomed = [];
  for (const v of VIEWPORTS) {
    const page = await openSite(browser, fileUrl(site), '', null, v);
    const devicePixels = await atFirstQuestion(page, v);
    if (v.zoom) zoomed.push([v.zoom, devicePixels]);
    const labels = await atReport(page, v);
    check(page.siteErrors.length === 0, page.siteErrors.join('\n'));
    console.log(
        `passed: ${v.name}, text ${(devicePixels / v.deviceScaleFactor).toFixed(1)} px, ` +
        `labels ${labels.toFixed(1)} px`);
    await page.close();
  }
  for (let i = 1; i < zoomed.length; i++) {
    check(
        zoomed[i][1] > zoomed[i - 1][1],
        `at ${zoomed[i][0] * 100} % the text is ${zoomed[i][1]} device px, ` +
            `not more than ${zoomed[i - 1][1]} at ${zoomed[i - 1][0] * 100} %`);
  }
  console.log('sizes passed: ' + VIEWPORTS.length + ' viewports');
});
