// The setup sheet beside the drawing, for the worked examples as one table of cases: its title,
// paragraphs and tables on the page are the program's own sheet texts (the results document
// the web program sends, printed for the same answers by results_document_tool), every header
// cell with its scope; the listening distance the report shows is in every distance cell; and
// a few figures known from the examples themselves, so that a wrong document cannot pass. On a
// phone (320 px) each speaker's row is a block of its own, which the accessibility tree still
// has as a table; where the table is wider than its frame, the frame scrolls and takes the
// focus.
//   node sheet.mjs SITE_DIR RESULTS_DOCUMENT_TOOL_JS
import {check, fileUrl, openSite, resultsDocument, rowText, typeKeys, waitForResults, waitForRow, withBrowser} from './browser.mjs';

const [site, tool] = process.argv.slice(2);
const PHONE = {
  width: 320,
  height: 640,
  deviceScaleFactor: 2,
  isMobile: true,
  hasTouch: true
};
// The width at which the speakers' table is wider than its frame and not yet restacked.
const SCROLLING = {
  width: 500,
  height: 800
};

// Answers; cells as [speaker, column, text]; spacings as [label, value]; words the sheet says.
const CASES = [
  {
    answers: '5 4 N 6 0.5 110',
    cells: [
      ['LS surround left', 'Forward', '-1.09'], ['L front left', 'Sideways', 'left 1.62'],
      ['RS surround right', 'Tilt', 'down 8.9']
    ],
    spacings: [['C to L', '1.67'], ['LS to RS', '6.00']],
    says: 'The front-back spacing and front width are within the limits you gave.'
  },
  {answers: '4 5 N 8 1 110', spacings: [['LS to RS', '5.28']], says: 'within the limits'},
  {answers: '10 3 N 10 1 110', spacings: [['L to R (front width)', '3.00'], ['LS to RS', '5.32']]},
  {
    answers: '3 2 Y 4 0.5 120',
    cells: [['RS surround right', 'Angle', '120.0']],
    spacings: [['LS to RS', '4.00']],
    says: '3.52, is 0.52 more than the 3.00 you allowed from front to back'
  },
  {
    answers: '30 12 N 20 1.2 100',
    cells: [['C centre', 'Forward', '10.22'], ['LS surround left', 'Height', '1.20']],
    spacings: [['LS to RS', '20.00']]
  },
  {answers: '1 1 N 2 2 100', says: 'no layout to place: the surround speakers would be 2.00 above'},
  {answers: '0 0 N 0 0 100', says: 'no layout to place: the listening distance is 0'},
];

// In the page: the sheet as it stands, each table row by row as [tag, scope, text] per cell.
function sheetOnPage() {
  const paragraphs = (id) =>
      Array.from(document.querySelectorAll(`#${id} > p`), (p) => p.textContent);
  const table = (id) => {
    const found = document.querySelector(`#${id} > table`);
    if (found === null) return null;
    const rows = Array.from(
        found.rows,
        (row) => Array.from(
            row.cells,
            (cell) => [cell.tagName.toLowerCase(), cell.getAttribute('scope'), cell.textContent]));
    return {caption: found.caption.textContent, rows};
  };
  return {
    title: document.getElementById('sheet-title').textContent,
    before: paragraphs('sheet-before'),
    speakers: table('speakers'),
    after: paragraphs('sheet-after'),
    spacings: table('spacings'),
    closing: paragraphs('sheet-closing'),
    tables: document.querySelectorAll('#sheet table').length,
  };
}

// The sheet as the page is to show it, from the program's texts.
function expected(sheet) {
  const placed = sheet.rows.length > 0;
  const headed = (rows) => rows.map(
      ([heading,
        ...cells]) => [['th', 'row', heading], ...cells.map((text) => ['td', null, text])]);
  return {
    title: sheet.title,
    before: sheet.before,
    speakers: placed ?
        [sheet.header.map((text) => ['th', 'col', text])].concat(headed(sheet.rows)) :
        null,
    after: sheet.after,
    spacings: placed ? headed(sheet.spacings.map((s) => [s.label, s.value])) : null,
    spacingsCaption: sheet.spacingsCaption,
    closing: sheet.closing,
  };
}

function checkAgainst(shown, sheet) {
  const want = expected(sheet);
  for (const part of ['title', 'before', 'after', 'closing']) {
    check(
        JSON.stringify(shown[part]) === JSON.stringify(want[part]),
        part + ' is ' + JSON.stringify(shown[part]) + ', not ' + JSON.stringify(want[part]));
  }
  for (const part of ['speakers', 'spacings']) {
    const rows = shown[part] === null ? null : shown[part].rows;
    check(
        JSON.stringify(rows) === JSON.stringify(want[part]),
        'the ' + part + ' table is ' + JSON.stringify(rows) + ', not ' +
            JSON.stringify(want[part]));
  }
  check(shown.tables === (want.speakers === null ? 0 : 2), shown.tables + ' tables');
  if (shown.spacings !== null) {
    check(
        shown.spacings.caption === want.spacingsCaption,
        'the spacings\' caption is ' + shown.spacings.caption);
    check(shown.speakers.caption !== '', 'the speakers\' table has no caption');
  }
}

// The figures the case knows, found by their row and column headings.
function checkKnown(shown, c, distance) {
  const text = (cells) => cells.map((cell) => cell[2]);
  const speakers = shown.speakers === null ? [] : shown.speakers.rows.map(text);
  const cell = (speaker, column) => {
    const row = speakers.find((r) => r[0] === speaker);
    return row && row[speakers[0].indexOf(column)];
  };
  for (const [speaker, column, want] of c.cells || []) {
    check(
        cell(speaker, column) === want,
        `${speaker}, ${column} is ${cell(speaker, column)}, not ${want}`);
  }
  const spacings = shown.spacings === null ? [] : shown.spacings.rows.map(text);
  for (const [label, want] of c.spacings || []) {
    const found = spacings.find((r) => r[0] === label);
    check(found && found[1] === want, `${label} is ${found && found[1]}, not ${want}`);
  }
  if (c.says) {
    const words = shown.before.concat(shown.after, shown.closing).join(' ');
    check(words.includes(c.says), 'the sheet does not say ' + JSON.stringify(c.says));
  }
  // Every speaker stands at the listening distance the report shows.
  for (const row of speakers.slice(1)) {
    check(row[speakers[0].indexOf('Distance')] === distance, row[0] + ' is not at ' + distance);
  }
}

async function sheetFor(browser, c, viewport = null) {
  const page = await openSite(browser, fileUrl(site), '', null, viewport);
  await waitForRow(page, 8, 'Maximum front-back spacing');
  await typeKeys(page, c.answers.split(' ').join('\r') + '\r');
  await waitForResults(page);
  return page;
}

// The speakers' table in the accessibility tree: its name, column and row headers, cells.
async function tableInTree(page) {
  const session = await page.createCDPSession();
  const {nodes} = await session.send('Accessibility.getFullAXTree');
  await session.detach();
  const byId = new Map(nodes.map((node) => [node.nodeId, node]));
  const role = (node) => (node.role ? node.role.value : '');
  const table = nodes.find((node) => role(node) === 'table');
  const found = {name: table.name.value, columnheader: [], rowheader: [], cell: []};
  const walk = (node) => {
    if (found[role(node)] !== undefined && !node.ignored) found[role(node)].push(node.name.value);
    for (const id of node.childIds || []) walk(byId.get(id));
  };
  walk(table);
  return found;
}

async function onPhone(browser, c, sheet) {
  const page = await sheetFor(browser, c, PHONE);
  const overflow = await page.evaluate(() => document.documentElement.scrollWidth - innerWidth);
  check(overflow <= 0, 'on a phone the page is ' + overflow + ' px wider than the window');
  const tree = await tableInTree(page);
  check(
      tree.name === (await page.$eval('#speakers caption', (e) => e.textContent)),
      'the table is named ' + tree.name);
  check(
      JSON.stringify(tree.columnheader) === JSON.stringify(sheet.header),
      'column headers ' + tree.columnheader);
  check(
      JSON.stringify(tree.rowheader) === JSON.stringify(sheet.rows.map((row) => row[0])),
      'row headers ' + tree.rowheader);
  check(
      JSON.stringify(tree.cell) === JSON.stringify(sheet.rows.flatMap((row) => row.slice(1))),
      'cells ' + tree.cell);
  check(
      await page.$eval(
          '#speakers', (e) => e.scrollWidth <= e.clientWidth && !e.hasAttribute('tabindex')),
      'on a phone the speakers\' table scrolls');
  await page.close();
}

async function scrolling(browser, c) {
  const page = await sheetFor(browser, c, SCROLLING);
  const frame = await page.$eval('#speakers', (e) => ({
                                                scrolls: e.scrollWidth > e.clientWidth,
                                                tabIndex: e.tabIndex,
                                                role: e.getAttribute('role'),
                                                name: e.getAttribute('aria-label')
                                              }));
  check(
      frame.scrolls && frame.tabIndex === 0 && frame.role === 'group' && frame.name,
      'a table wider than its frame: ' + JSON.stringify(frame));
  await page.close();
}

withBrowser(async (browser) => {
  for (const c of CASES) {
    try {
      const sheet = resultsDocument(tool, c.answers.split(' ')).sheet;
      const page = await sheetFor(browser, c);
      const shown = await page.evaluate(sheetOnPage);
      checkAgainst(shown, sheet);
      checkKnown(shown, c, (await rowText(page, 17)).slice(71).trim());
      check(page.siteErrors.length === 0, page.siteErrors.join('\n'));
      await page.close();
      if (c === CASES[0]) {
        await onPhone(browser, c, sheet);
        await scrolling(browser, c);
      }
    } catch (error) {
      throw new Error(c.answers + ': ' + error.message);
    }
    console.log('passed: ' + c.answers);
  }
  console.log('sheet passed: ' + CASES.length + ' cases, a phone and a scrolling table');
});
