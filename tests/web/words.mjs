// What the page's live region says, without a browser: the page's words.js run under node on a
// table of screen sequences, each screen made from the rows the program shows (80 columns, the
// prompt colour, a result over its limit in light red), with the sentences each screen is to
// add to the log and the answer typed so far.
//   node words.mjs PAGE_WORDS_JS
import assert from 'node:assert/strict';
import fs from 'node:fs';
import vm from 'node:vm';

const words = {};
vm.runInNewContext(
    fs.readFileSync(process.argv[2], 'utf8') +
        '\nObject.assign(out, {newReading, heard, entryOf, typedSoFar, spoken, printedRow});',
    {out: words});

const WIDTH = 80;
const HEIGHT = 22;
const PROMPT = 8 + 16 * 15;
const ANSWER = 0 + 16 * 15;
const WARNING = 12 + 16 * 15;
const VALUE = 71;  // column 72, counted from 0
const Q1 = '   Maximum front-back spacing of the centre and surround speakers?';
const Q2 = '   Maximum side-side spacing of the front left/right speakers?';
const S = '   Front-back spacing of the centre and surround speakers';
const R = '   Listening distance and side-side spacing of the front L/R speakers';
const W = '   Side-side spacing of the surround speakers';

// A screen from the one before: `rows` puts text on rows (counted from 1) at a column (from 1,
// in a colour), `cursor` is [row, column, visible].
function next(before, rows, cursor) {
  const s = {
    width: WIDTH,
    height: HEIGHT,
    characters: before.characters.slice(),
    attributes: before.attributes.slice(),
    cursor: {x: cursor[1] - 1, y: cursor[0] - 1, visible: cursor[2]},
  };
  for (const [row, column, text, colour] of rows) {
    Array.from(text).forEach((c, i) => {
      s.characters[(row - 1) * WIDTH + column - 1 + i] = c.charCodeAt(0);
      s.attributes[(row - 1) * WIDTH + column - 1 + i] = colour;
    });
  }
  return s;
}

const BLANK = {
  characters: new Array(WIDTH * HEIGHT).fill(32),
  attributes: new Array(WIDTH * HEIGHT).fill(ANSWER)
};
const asked = (row, text) => [[row, 1, text, PROMPT]];
const answered = (row, text) => [[row, VALUE + 1, text, ANSWER]];

// Each case: the screens in order, each with what it changes, where the cursor then is, the
// log entry it adds ('' for none) and the answer typed so far.
const CASES = [
  {
    name: 'a question, typed, answered and the next asked',
    screens: [
      [asked(8, Q1), [8, 72, true], Q1.trim(), 'Nothing typed yet'],
      [answered(8, '3'), [8, 73, true], '', 'Typed so far: 3'],
      [[[8, 73, '.5', ANSWER]], [8, 75, true], '', 'Typed so far: 3.5'],
      [asked(9, Q2), [9, 72, true], 'Your answer: 3.5. ' + Q2.trim(), 'Nothing typed yet'],
    ],
  },
  {
    name: 'an empty answer',
    screens: [
      [asked(8, Q1), [8, 72, true], Q1.trim(), 'Nothing typed yet'],
      [asked(9, Q2), [9, 72, true], 'Your answer is empty. ' + Q2.trim(), 'Nothing typed yet'],
    ],
  },
  {
    name: 'an answer that runs on past the right edge onto the next row',
    screens: [
      [asked(8, Q1), [8, 72, true], Q1.trim(), 'Nothing typed yet'],
      [answered(8, '123456789'), [9, 1, true], '', 'Typed so far: 123456789'],
      [[[9, 1, '0', ANSWER]], [9, 2, true], '', 'Typed so far: 1234567890'],
      [[], [10, 1, false], 'Your answer: 1234567890.', 'Nothing typed yet'],
    ],
  },
  {
    name: 'a wrong answer wiped and asked again on its row',
    screens: [
      [
        asked(10, '   Is the surround speaker side-to-side spacing fixed [Y/N]?'), [10, 72, true],
        'Is the surround speaker side-to-side spacing fixed [Y/N]?', 'Nothing typed yet'
      ],
      [answered(10, 'x'), [10, 73, true], '', 'Typed so far: x'],
      [[], [11, 1, false], 'Your answer: x.', 'Nothing typed yet'],
      [
        answered(10, ' '), [10, 72, true],
        'Is the surround speaker side-to-side spacing fixed [Y/N]?', 'Nothing typed yet'
      ],
    ],
  },
  {
    name: 'the report, within the limits, with the surround spacing; blank rows say nothing',
    screens: [
      [
        [
          ...asked(16, S), [16, 72, '4.32', ANSWER], ...asked(17, R), [17, 72, '3.23', ANSWER],
          ...asked(18, W), [18, 72, '6.00', ANSWER], [20, 1, '   press any key to quit', PROMPT]
        ],
        [20, 25, false],
        'Front-back spacing of the centre and surround speakers: 4.32. Listening distance and ' +
            'side-side spacing of the front L/R speakers: 3.23. Side-side spacing of the ' +
            'surround speakers: 6.00. press any key to quit.',
        'Nothing typed yet'
      ],
    ],
  },
  {
    name: 'the report over both limits, its third row empty',
    screens: [
      [
        [...asked(16, S), [16, 72, '3.52', WARNING], ...asked(17, R), [17, 72, '2.36', WARNING]],
        [19, 1, false],
        'Front-back spacing of the centre and surround speakers: 3.52, over your limit. ' +
            'Listening distance and side-side spacing of the front L/R speakers: 2.36, over ' +
            'your limit.',
        'Nothing typed yet'
      ],
    ],
  },
  {
    name: 'one result over its limit, a negative figure within',
    screens: [
      [
        [...asked(16, S), [16, 72, '-0.50', ANSWER], ...asked(17, R), [17, 72, '10.22', WARNING]],
        [19, 1, false],
        'Front-back spacing of the centre and surround speakers: -0.50. Listening distance ' +
            'and side-side spacing of the front L/R speakers: 10.22, over your limit.',
        'Nothing typed yet'
      ],
    ],
  },
  {
    name: 'the banner and the first question at once, the screen cleared before',
    screens: [
      [[], [1, 1, false], '', 'Nothing typed yet'],
      [
        [[2, 1, 'Sorvanta v1.  A five-speaker planner', ANSWER], ...asked(8, Q1)], [8, 72, true],
        'Sorvanta v1. A five-speaker planner. ' + Q1.trim(), 'Nothing typed yet'
      ],
    ],
  },
];

function changedRows(before, after) {
  const rows = [];
  for (let y = 0; y < HEIGHT; y++) {
    const from = y * WIDTH;
    const to = from + WIDTH;
    const same = (a, b) => a.slice(from, to).every((v, i) => v === b[from + i]);
    if (!same(before.characters, after.characters) || !same(before.attributes, after.attributes)) {
      rows.push(y);
    }
  }
  return rows;
}

let passed = 0;
let failed = 0;
for (const c of CASES) {
  const reading = words.newReading();
  let screen = BLANK;
  c.screens.forEach(([rows, cursor, entry, sofar], i) => {
    const after = next(screen, rows, cursor);
    const sentences = words.heard(reading, after, changedRows(screen, after));
    screen = after;
    try {
      assert.equal(sentences.length === 0 ? '' : words.entryOf(sentences), entry);
      assert.equal(words.typedSoFar(reading, after), sofar);
      passed++;
    } catch (error) {
      failed++;
      console.log(`FAIL: ${c.name}, screen ${i + 1}: ${error.message}`);
    }
  });
}
console.log(`words: ${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
