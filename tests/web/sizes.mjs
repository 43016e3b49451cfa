// The page at every size a visitor brings: phones upright and on their side, a tablet, desktops,
// and a desktop zoomed to 150 %, 200 % and 400 % (two thirds, a half or a quarter of its window
// at 1.5, two or four device pixels per CSS pixel). At each, at the first question and at the
// report: the screen's text at least 12 CSS px, the document no wider than the window, the
// cursor in view, the question in words where the screen is wider than its frame, buttons a
// finger can hit on a touch screen, and the drawing's labels at least 11 CSS px. Zoom makes the
// text larger. At the report, typed or (on the phones) replayed from a link: every result's
// value in view in the frame; at 320 px and 400 % the drawing and the tables fit or scroll in a
// frame that says so; and on phones, a tablet and at 200 % no figure of the tables broken.
//   node sizes.mjs SITE_DIR
import {check, fileUrl, openSite, typeKeys, waitFor, waitForRow, withBrowser} from './browser.mjs';

const site = process.argv[2];
const TOUCH = {
  isMobile: true,
  hasTouch: true
};
const VIEWPORTS = [
  {name: 'phone 320', width: 320, height: 640, deviceScaleFactor: 2, ...TOUCH},
  {name: 'phone 360', width: 360, height: 800, deviceScaleFactor: 3, ...TOUCH},
  {name: 'phone 390', width: 390, height: 844, deviceScaleFactor: 3, ...TOUCH},
  {name: 'phone on its side', width: 844, height: 390, deviceScaleFactor: 3, ...TOUCH},
  {name: 'tablet', width: 820, height: 1180, deviceScaleFactor: 2, ...TOUCH},
  {name: 'desktop', width: 1366, height: 768, deviceScaleFactor: 1, zoom: 1},
  {name: 'large desktop', width: 1920, height: 1080, deviceScaleFactor: 1},
  {name: 'desktop at 150 %', width: 911, height: 512, deviceScaleFactor: 1.5, zoom: 1.5},
  {name: 'desktop at 200 %', width: 683, height: 384, deviceScaleFactor: 2, zoom: 2},
  {name: 'desktop at 400 %', width: 342, height: 192, deviceScaleFactor: 4, zoom: 4},
];

// Where a link's replay is to leave the results in view as typing does.
const REPLAYED = ['phone 320', 'phone 390'];
const LINK = '?answer=5&answer=4&answer=N&answer=6&answer=0.5&answer=110';
// Where the drawing and the tables must fit or scroll in a frame of their own that says so, and
// where no figure of the tables may break onto a second line.
const FRAMED = ['phone 320', 'desktop at 400 %'];
const WHOLE_FIGURES = ['phone 320', 'phone 360', 'phone 390', 'tablet', 'desktop at 200 %'];

// At the report, the cells of each result's value (from column 72) inside the frame's visible
// box; each frame of the results that is narrower than its content, whether it scrolls, can be
// reached by the keyboard, has a name and shows a shade at a cut edge; the table cells whose
// figure takes more than one line.
function measureResults() {
  const frame = document.getElementById('frame');
  const screen = document.getElementById('screen').getBoundingClientRect();
  const rows = window.sorvanta.cells();
  const cell = screen.width / rows[0].length;
  const left = frame.getBoundingClientRect().left + frame.clientLeft;
  const values =
      [15, 16, 17]
          .map((y) => rows[y].slice(71).map((c) => c[0]).join('').trimEnd())
          .map((value, i) => {
            const from = screen.left + 71 * cell;
            const to = from + value.length * cell;
            return [i + 16, value, from >= left - 0.5 && to <= left + frame.clientWidth + 0.5];
          })
          .filter(([, value]) => value !== '');
  const frames = ['drawing', 'speakers', 'spacings'].map((id) => {
    const part = document.getElementById(id);
    const style = getComputedStyle(part);
    return {
      id,
      fits: part.scrollWidth <= part.clientWidth + 1,
      scrolls: /auto|scroll/.test(style.overflowX) && part.tabIndex === 0 &&
          part.getAttribute('aria-label') !== null &&
          part.parentElement.classList.contains('cut-right'),
    };
  });
  const wrapped = Array.from(document.querySelectorAll('.sheet td'))
                      .filter((td) => {
                        const style = getComputedStyle(td);
                        const content = td.getBoundingClientRect().height -
                            parseFloat(style.paddingTop) - parseFloat(style.paddingBottom);
                        return content > 1.5 * parseFloat(style.lineHeight);
                      })
                      .map((td) => (td.dataset.heading || '') + ' ' + td.textContent);
  return {values, frames, wrapped};
}

function checkResults(v, how, m) {
  const where = v.name + ', ' + how + ': ';
  check(m.values.length === 3, where + 'the values are ' + JSON.stringify(m.values));
  for (const [row, value, inView] of m.values) {
    check(inView, where + 'the value ' + value + ' on row ' + row + ' is not in view');
  }
  if (FRAMED.includes(v.name)) {
    for (const f of m.frames)
      check(f.fits || f.scrolls, where + f.id + ' neither fits nor says it scrolls');
  }
  if (WHOLE_FIGURES.includes(v.name)) {
    check(m.wrapped.length === 0, where + 'figures broken: ' + JSON.stringify(m.wrapped));
  }
}

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
  await inViewOnceDrawn(page);
  checkResults(v, 'typed', await page.evaluate(measureResults));
  return m.labels;
}

// Scrolling follows the layout the results' arrival makes, as the page is next drawn.
function inViewOnceDrawn(page) {
  return page.evaluate(
      () => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 0))));
}

async function replayed(browser, v) {
  const page = await openSite(browser, fileUrl(site), LINK, null, v);
  await waitFor(page, 'the drawing', () => !document.getElementById('beside').hidden);
  await inViewOnceDrawn(page);
  checkResults(v, 'replayed from a link', await page.evaluate(measureResults));
  await page.close();
}

withBrowser(async (browser) => {
  const zoomed = [];
  for (const v of VIEWPORTS) {
    const page = await openSite(browser, fileUrl(site), '', null, v);
    const devicePixels = await atFirstQuestion(page, v);
    if (v.zoom) zoomed.push([v.zoom, devicePixels]);
    const labels = await atReport(page, v);
    check(page.siteErrors.length === 0, page.siteErrors.join('\n'));
    if (REPLAYED.includes(v.name)) await replayed(browser, v);
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
