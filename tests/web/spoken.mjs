// The page as a screen reader has it: a whole dialog with a rejected Y/N answer and a rejected
// angle, and results over their limits. After each step, the entries the page's log gained
// (what a screen reader says), and the accessibility tree from the DevTools protocol: one
// heading of level 1, the screen a named region, the log, the key field named by the question
// being asked and described by what was typed, the message box (which says its message itself,
// not again in the log), no blank row of the screen as text, and the drawing with the program's
// title and a description whose labels stand apart.
//   node spoken.mjs SITE_DIR
import {accessibilityTree, check, fileUrl, openSite, saidEntries, typeKeys, waitFor, withBrowser} from './browser.mjs';

const site = process.argv[2];
const Q1 = 'Maximum front-back spacing of the centre and surround speakers?';
const Q2 = 'Maximum side-side spacing of the front left/right speakers?';
const Q3 = 'Is the surround speaker side-to-side spacing fixed [Y/N]?';
const Q4 = 'Side-to-side spacing of the surround speakers?';
const Q5 = 'Height of the surround speakers above the listening position?';
const Q6 = 'Angular position of the surround speakers in degrees [100 to 120]?';
const YN = 'You must respond either Y or N';
const ANGLE = 'You must respond with an angle between 100 and 120 degrees';
const NOTHING = 'Nothing typed yet';
const REPORT = 'Front-back spacing of the centre and surround speakers: 3.52, over your limit. ' +
    'Listening distance and side-side spacing of the front L/R speakers: 2.36, over your limit.';

// The drawing's labels in its description, each apart from the next.
const DESCRIBED = [
  'Front-back spacing 3.52, over your maximum of 3.00 by 0.52. ',
  'LS, RS, as far from the ears as C, L, R. '
];

// Keys typed (or the box closed), the entries the log gains, then the key field's name and
// description, and the box's message when it is open.
const STEPS = [
  {
    says: [/^Sorvanta v1\. .+\. Maximum front-back spacing .+ speakers\?$/],
    asks: Q1,
    typed: NOTHING
  },
  {type: '3', says: [], asks: Q1, typed: 'Typed so far: 3'},
  {type: '\r', says: ['Your answer: 3. ' + Q2], asks: Q2, typed: NOTHING},
  {type: '2\r', says: ['Your answer: 2. ' + Q3], asks: Q3, typed: NOTHING},
  {type: 'x\r', says: ['Your answer: x.'], box: YN},
  {close: 'Enter', says: [Q3], asks: Q3, typed: NOTHING},
  {type: 'Y\r', says: ['Your answer: Y. ' + Q4], asks: Q4, typed: NOTHING},
  {type: '4\r', says: ['Your answer: 4. ' + Q5], asks: Q5, typed: NOTHING},
  {type: '0.5\r', says: ['Your answer: 0.5. ' + Q6], asks: Q6, typed: NOTHING},
  {type: '99\r', says: ['Your answer: 99.'], box: ANGLE},
  {close: 'Space', says: [Q6], asks: Q6, typed: NOTHING},
  {
    type: '120\r',
    says: ['Your answer: 120. ' + REPORT + ' press any key to quit.'],
    asks: 'The program\'s keyboard',
    typed: NOTHING
  },
];

function matches(entry, want) { return want instanceof RegExp ? want.test(entry) : entry === want; }

async function takeStep(page, step, before) {
  if (step.close) await page.keyboard.press(step.close);
  if (step.type) await typeKeys(page, step.type);
  await waitFor(
      page, 'the log to gain ' + step.says.length + ' entries and the field its description',
      (n, typed) => document.getElementById('said').childElementCount >= n &&
          (typed === undefined || document.getElementById('typed').textContent === typed),
      before + step.says.length, step.typed);
  const gained = (await saidEntries(page)).slice(before);
  check(
      gained.length === step.says.length &&
          gained.every((entry, i) => matches(entry, step.says[i])),
      'the log gained ' + JSON.stringify(gained) + ', not ' + step.says.join(' | '));
  return before + gained.length;
}

function checkTree(tree, step) {
  const one = (role, what) => {
    const found = tree.filter((n) => n.role === role);
    check(found.length === 1, found.length + ' nodes of role ' + role + ' (' + what + ')');
    return found[0];
  };
  if (step.box) {
    const box = one('alertdialog', 'the message box');
    check(
        box.name.trim() === 'ERROR' && box.description === step.box,
        'the box is ' + JSON.stringify(box));
    return;
  }
  check(tree.filter((n) => n.role === 'heading' && n.level === 1).length === 1, 'not one h1');
  check(one('region', 'the screen').name === 'The program\'s screen', 'the screen is unnamed');
  check(one('log', 'what is said').name !== '', 'the log is unnamed');
  // A row of the screen is 80 spaces where it is blank.
  const blank = tree.filter((n) => n.role === 'StaticText' && /^ {80}$/.test(n.name));
  check(blank.length === 0, blank.length + ' blank rows of the screen as text');
  const field = one('textbox', 'the key field');
  check(
      field.name === step.asks && field.description === step.typed,
      'the key field is ' + JSON.stringify(field));
}

async function checkDrawing(page) {
  const tree = await accessibilityTree(page);
  const img = tree.find((n) => n.role === 'image');
  check(
      img && img.name === 'The layout for the answers 3, 2, Y, 4, 0.5, 120',
      'the drawing\'s title is ' + JSON.stringify(img));
  check(
      DESCRIBED.every((words) => img.description.includes(words)),
      'the drawing is described as ' + img.description);
  const list = await page.$$eval('#results li', (items) => items.map((i) => i.textContent));
  check(
      list.length === 2 && list.every((item) => item.endsWith('(over your limit)')),
      'the results beside the screen are ' + JSON.stringify(list));
}

withBrowser(async (browser) => {
  const page = await openSite(browser, fileUrl(site));
  let said = 0;
  for (const [i, step] of STEPS.entries()) {
    try {
      said = await takeStep(page, step, said);
      checkTree(await accessibilityTree(page), step);
    } catch (error) {
      throw new Error(
          'step ' + (i + 1) + ' ' + JSON.stringify(step.type || step.close || '') + ': ' +
          error.message);
    }
  }
  await checkDrawing(page);
  check(page.siteErrors.length === 0, page.siteErrors.join('\n'));
  console.log('spoken passed: ' + STEPS.length + ' steps');
});
