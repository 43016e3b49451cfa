// Keeping the results. Printed: the page as the browser prints it (page.pdf, the print style
// sheet) on A4 and on Letter, with background graphics and without, is one page (pdfinfo, and
// one picture from pdftoppm, left in the output folder to look at), whose text (pdftotext)
// begins with a heading that names the plan and holds the report's rows, the drawing's labels
// and every figure and speaker of the setup sheet, and nothing to press or "press any key"; on
// paper the report is black on white and whole, and every text beside it reads at 4.5:1 on its
// background and on the paper. Saved: the drawing downloaded as sorvanta-layout.svg is the
// program's own SVG (the results document for the same answers), with the title and the
// description the page shows.
//   node keep.mjs SITE_DIR RESULTS_DOCUMENT_TOOL_JS OUTPUT_DIR
import {execFileSync} from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import {check, contrast, fileUrl, openSite, requireProgram, resultsDocument, rowText, typeKeys, waitForResults, waitForRow, withBrowser} from './browser.mjs';

const [site, tool, output] = process.argv.slice(2);
requireProgram('/usr/bin/pdftoppm', '(poppler-utils) to see the printed page');
const FORMATS = ['A4', 'Letter'];
// Over both limits, one that cannot be placed, and the first worked example.
const CASES = ['3 2 Y 4 0.5 120', '1 1 N 2 2 100', '5 4 N 6 0.5 110'];
const NOT_PRINTED =
    ['Start again', 'Print', 'Copy link', 'Save drawing', 'Type each answer', 'press any key'];
// Printed with the browser's "Background graphics" off and on.
const BACKGROUNDS = [false, true];
const HEADING = 'Sorvanta: The layout for the answers ';

async function finished(browser, answers) {
  const page = await openSite(browser, fileUrl(site), '', null, {width: 1366, height: 768});
  await waitForRow(page, 8, 'Maximum front-back spacing');
  await typeKeys(page, answers.split(' ').join('\r') + '\r');
  await waitForResults(page);
  return page;
}

// On paper: nothing to press and no introduction; the report black on white, in no frame
// that scrolls.
async function printStyle(page) {
  await page.emulateMediaType('print');
  const style = await page.evaluate(() => {
    const shown = (selector) => Array.from(document.querySelectorAll(selector))
                                    .filter((e) => e.getClientRects().length > 0)
                                    .map((e) => e.id || e.className);
    const colours = new Set(Array.from(document.querySelectorAll('.row > span'), (e) => {
      const s = getComputedStyle(e);
      return s.color + ' on ' + s.backgroundColor;
    }));
    // Each text beside the report against the background it is printed on, and against the
    // paper where backgrounds are left out.
    const opaque = (e) => {
      for (; e !== null; e = e.parentElement) {
        const background = getComputedStyle(e).backgroundColor;
        if (!/rgba\(.*, 0\)$|transparent/.test(background)) return background;
      }
      return 'rgb(255, 255, 255)';
    };
    const texts = Array.from(document.querySelectorAll('#beside *, #plan-title'))
                      .filter(
                          (e) => e.getClientRects().length > 0 &&
                              Array.from(e.childNodes)
                                  .some((n) => n.nodeType === 3 && n.textContent.trim() !== ''))
                      .map(
                          (e) =>
                              [e.tagName + ' ' + e.textContent.slice(0, 20),
                               getComputedStyle(e).color, opaque(e)]);
    return {
      shown: shown('button, input, .intro'),
      colours: [...colours],
      overflow: getComputedStyle(document.getElementById('frame')).overflowX,
      texts,
    };
  });
  await page.emulateMediaType(null);
  check(style.shown.length === 0, 'printed: ' + style.shown.join());
  check(style.texts.length > 0, 'no text beside the report on paper');
  for (const [what, colour, background] of style.texts) {
    const least = Math.min(contrast(colour, background), contrast(colour, 'rgb(255, 255, 255)'));
    check(least >= 4.5, `on paper "${what}" is ${colour} on ${background}: ${least.toFixed(2)}:1`);
  }
  check(
      style.colours.join() === 'rgb(0, 0, 0) on rgb(255, 255, 255)',
      'the report is printed in ' + style.colours.join('; '));
  check(style.overflow === 'visible', 'the report is printed in a frame that scrolls');
}

const words = (text) => text.replace(/\s+/g, ' ');
const ENTITIES = {
  amp: '&',
  lt: '<',
  gt: '>',
  quot: '"',
  apos: '\''
};

// The drawing's labels, each line of each as its own text, from the SVG's markup (its title and
// description are not drawn).
function labels(svg) {
  const drawn = svg.replace(/<(title|desc)>[^<]*<\/\1>/g, '');
  return Array.from(drawn.matchAll(/>([^<>{]+)</g), (m) => m[1].trim())
      .filter((text) => text !== '')
      .map((text) => text.replace(/&(\w+);/g, (entity, name) => ENTITIES[name] || entity));
}

async function printed(page, answers, results, format, printBackground) {
  const sheet = results.sheet;
  const name = 'print-' + answers.replaceAll(' ', '_') + '-' + format +
      (printBackground ? '-background' : '');
  const pdf = path.join(output, name + '.pdf');
  await page.pdf({path: pdf, format, printBackground});
  const pages = execFileSync('pdfinfo', [pdf]).toString().match(/^Pages:\s+(\d+)/m)[1];
  check(pages === '1', format + ': ' + pages + ' pages');
  for (const old of fs.readdirSync(output).filter((f) => f.startsWith(name + '-'))) {
    fs.rmSync(path.join(output, old));
  }
  execFileSync('pdftoppm', ['-png', '-r', '100', pdf, path.join(output, name)]);
  const pictures = fs.readdirSync(output).filter((f) => f.startsWith(name + '-'));
  check(pictures.length === 1, format + ': pictures ' + pictures.join());
  const text = words(execFileSync('pdftotext', [pdf, '-']).toString()).trim();
  check(
      text.startsWith(HEADING + results.answers.join(', ')),
      'the printout begins ' + text.slice(0, 60));
  const report = [16, 17].map(async (row) => (await rowText(page, row)).trim().split(/ {2,}/));
  const wanted = [
    ...(await Promise.all(report)).flat(), ...labels(results.drawing), sheet.title,
    ...sheet.rows.flat(), ...sheet.spacings.flatMap((s) => [s.label, s.value]), ...sheet.closing,
    ...(sheet.rows.length === 0 ? sheet.before : [])
  ];
  const missing = wanted.filter((w) => !text.includes(words(w)));
  check(missing.length === 0, format + ': the printed page lacks ' + JSON.stringify(missing));
  const extra = NOT_PRINTED.filter((w) => text.includes(w));
  check(extra.length === 0, format + ': the printed page has ' + JSON.stringify(extra));
  console.log('printed: ' + path.join(output, pictures[0]));
}

// The download, caught where the browser saves it: its name and its bytes.
async function saved(browser, page) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'sorvanta-download-'));
  const session = await browser.target().createCDPSession();
  try {
    await session.send(
        'Browser.setDownloadBehavior',
        {behavior: 'allow', downloadPath: folder, eventsEnabled: true});
    const begun = new Promise((resolve) => session.once('Browser.downloadWillBegin', resolve));
    const done = new Promise((resolve) => session.on('Browser.downloadProgress', (e) => {
      if (e.state !== 'inProgress') resolve(e.state);
    }));
    await page.click('#save-drawing');
    const name = (await begun).suggestedFilename;
    check(await done === 'completed', 'the download did not complete');
    return {name, content: fs.readFileSync(path.join(folder, name), 'utf8')};
  } finally {
    await session.detach();
    fs.rmSync(folder, {recursive: true, force: true});
  }
}

withBrowser(async (browser) => {
  fs.mkdirSync(output, {recursive: true});
  for (const answers of CASES) {
    const results = resultsDocument(tool, answers.split(' '));
    const page = await finished(browser, answers);
    try {
      await printStyle(page);
      for (const format of FORMATS) {
        for (const background of BACKGROUNDS) {
          await printed(page, answers, results, format, background);
        }
      }
      const file = await saved(browser, page);
      check(file.name === 'sorvanta-layout.svg', 'the drawing is saved as ' + file.name);
      check(file.content === results.drawing, 'the saved drawing is not the program\'s');
      const said = async (part) => page.$eval('#drawing svg > ' + part, (e) => e.textContent);
      for (const part of ['title', 'desc']) {
        const inFile = file.content.match(new RegExp(`<${part}>([^<]+)</${part}>`));
        check(
            inFile && inFile[1].replaceAll('&amp;', '&') === await said(part),
            'the saved drawing\'s ' + part + ' is not the page\'s');
      }
      check(page.siteErrors.length === 0, page.siteErrors.join('\n'));
    } catch (error) {
      throw new Error(answers + ': ' + error.message);
    }
    await page.close();
    console.log('passed: ' + answers);
  }
  console.log(
      'keep passed: ' + CASES.length + ' cases, printed on ' + FORMATS.join(' and ') +
      ' with backgrounds and without');
});
