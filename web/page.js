// The page around the program: it shows the program's console screen, hands it the keyboard,
// and gives it what a console window has (title, message box, beep). The program calls the page
// through Module.page; the page never calls into the program, which may be suspended in a wait,
// but queues events and settles the promise the program awaits. What the screen shows is also
// put in words, for a screen reader and for a screen too narrow for its 80 columns. Once the
// report is printed, the program sends its results, which the page lays out beside the screen
// and lets the visitor keep: printed, as a link that types the same answers again, and the
// drawing as a file.
(function() {
'use strict';

const frame = document.getElementById('frame');
const screen = document.getElementById('screen');
const cursorMark = document.getElementById('cursor');
const keys = document.getElementById('keys');
const atCursor = document.getElementById('at-cursor');
const showKeys = document.getElementById('show-keys');
const asked = document.getElementById('asked');
const question = document.getElementById('question');
const typed = document.getElementById('typed');
const said = document.getElementById('said');
const box = document.getElementById('box');
const boxCaption = document.getElementById('box-caption');
const boxMessage = document.getElementById('box-message');
const boxOk = document.getElementById('box-ok');
const ended = document.getElementById('ended');
const endedText = document.getElementById('ended-text');
const restart = document.getElementById('restart');
const beside = document.getElementById('beside');
const results = document.getElementById('results');
const drawing = document.getElementById('drawing');
const sheetTitle = document.getElementById('sheet-title');
const sheetBefore = document.getElementById('sheet-before');
const speakers = document.getElementById('speakers');
const sheetAfter = document.getElementById('sheet-after');
const spacings = document.getElementById('spacings');
const sheetClosing = document.getElementById('sheet-closing');
const keep = document.getElementById('keep');
const shared = document.getElementById('shared');
const linkField = document.getElementById('link');
const sharedNote = document.getElementById('shared-note');
// What the results fill in, emptied for each new run.
const FILLED =
    [results, drawing, sheetTitle, sheetBefore, speakers, sheetAfter, spacings, sheetClosing];
const pageTitle = document.title;
const noQuestion = keys.getAttribute('aria-label');

// KEY, CHARACTER and MODIFIERS, the event kinds and modifier bits the program's page bridge
// reads, come from the head that the build writes in front of this script.
const BOX_KEYS = ['Enter', 'NumpadEnter', 'Space', 'Escape'];

// The browser's shortcuts, which a line of input ignores, are the browser's alone: zoom, find,
// reload, print and the address bar with Ctrl (or Command); back, forward and the address bar
// with Alt. So printing the report does not end the program.
const ACCEL_KEYS = [
  'Equal', 'Minus', 'Digit0', 'NumpadAdd', 'NumpadSubtract', 'Numpad0', 'KeyF', 'KeyG', 'KeyR',
  'KeyL', 'KeyP'
];
const ALT_KEYS = ['ArrowLeft', 'ArrowRight', 'KeyD', 'Home'];
// The function keys the browser uses (find again, reload, the address bar, full screen, the
// developer tools) do what they do there, and the program has them too, as every key before.
const BROWSER_F_KEYS = ['F3', 'F5', 'F6', 'F11', 'F12'];
// The system's key, which begins the browser's shortcuts on a Mac and the system's elsewhere:
// pressed before the P of a print, it would end the program at the report.
const SYSTEM_KEYS = ['MetaLeft', 'MetaRight', 'OSLeft', 'OSRight'];

// The console's light red, in which the program prints a result over its limit.
const LIGHT_RED = 12;
const SPACE = 32;
const SVG = 'http://www.w3.org/2000/svg';
const LOG_LENGTH = 50;
// The name of a link's parameter that carries an answer, once for each, in order.
const ANSWER = 'answer';
const DRAWING_FILE = 'sorvanta-layout.svg';
const SPEAKERS_CAPTION = 'Where each speaker stands, and how it is aimed';

let run = null;  // the current run of the program
let shown = {width: 0, height: 0, characters: [], attributes: [], cursor: null};
let rowDivs = [];
let audio = null;
let kept = null;  // the results on show: {answers, drawing, sheet}
// The drawing's file, as the last save made it: kept until the next save or a new run, since
// the download may still be reading it when the click returns.
let savedUrl = null;

// ---- The screen ------------------------------------------------------------------------

function buildScreen(width, height) {
  for (const row of rowDivs) row.remove();
  rowDivs = [];
  for (let y = 0; y < height; y++) {
    const row = document.createElement('div');
    row.className = 'row';
    screen.insertBefore(row, cursorMark);
    rowDivs.push(row);
  }
}

function colourClass(attribute) { return 'f' + (attribute & 15) + ' b' + ((attribute >> 4) & 15); }

// Printable ASCII takes exactly one cell of a monospace font, so a row is drawn as runs of it
// in one colour; any other character may come from another font and gets a cell of its own.
function piecesOf(s, y) {
  const pieces = [];
  for (let i = y * s.width; i < (y + 1) * s.width; i++) {
    const plain = s.characters[i] >= SPACE && s.characters[i] < 127;
    const last = pieces[pieces.length - 1];
    const text = String.fromCharCode(s.characters[i]);
    if (plain && last && last.plain && last.attribute === s.attributes[i]) {
      last.text += text;
    } else {
      pieces.push({attribute: s.attributes[i], plain: plain, text: text});
    }
  }
  return pieces;
}

function drawRow(s, y) {
  rowDivs[y].replaceChildren(...piecesOf(s, y).map((piece) => {
    const span = document.createElement('span');
    span.className = colourClass(piece.attribute) + (piece.plain ? '' : ' cell');
    span.textContent = piece.text;
    // The text's own advance can differ from 1ch by a fraction of a pixel: the cells keep to
    // the grid the cursor is placed on.
    span.style.width = piece.text.length + 'ch';
    return span;
  }));
}

function sameRow(a, b, y) {
  if (a.width !== b.width) return false;
  for (let i = y * b.width; i < (y + 1) * b.width; i++) {
    if (a.characters[i] !== b.characters[i] || a.attributes[i] !== b.attributes[i]) return false;
  }
  return true;
}

// The screen takes the keyboard when it first shows, unless the visitor went elsewhere.
function showFrame() {
  if (frame.classList.contains('shown')) return;
  frame.classList.add('shown');
  if (keysHere()) keys.focus({preventScroll: true});
}

function placeCursor(s) {
  const c = s.cursor;
  cursorMark.hidden = !c.visible;
  for (const mark of [cursorMark, atCursor]) {
    mark.style.setProperty('--x', c.x);
    mark.style.setProperty('--y', c.y);
  }
  cursorMark.style.setProperty('--size', c.size);
  cursorMark.className = 'cursor f' + (s.attributes[c.y * s.width + c.x] & 15);
  if (c.visible) requestAnimationFrame(cursorIntoView);
}

// The keys' field stands at the cursor: bringing its place into view brings the cursor, with a
// cell to spare, and on a narrow screen as much of the question to its left as the frame holds.
// Done as the page is next drawn, which lays it out anyway.
function cursorIntoView() {
  if (shown.cursor !== null && shown.cursor.visible) {
    atCursor.scrollIntoView({block: 'nearest', inline: 'nearest'});
  }
}

function showScreen(next) {
  if (next.width !== shown.width || next.height !== shown.height) {
    buildScreen(next.width, next.height);
    showFrame();
  }
  const changed = [];
  for (let y = 0; y < next.height; y++) {
    if (!sameRow(shown, next, y)) {
      drawRow(next, y);
      changed.push(y);
    }
  }
  readScreen(next, changed);
  placeCursor(next);
  shown = next;
}

function cells() {
  const rows = [];
  for (let y = 0; y < shown.height; y++) {
    const row = [];
    for (let x = 0; x < shown.width; x++) {
      const i = y * shown.width + x;
      row.push([String.fromCharCode(shown.characters[i]), shown.attributes[i]]);
    }
    rows.push(row);
  }
  return rows;
}

// A frame that scrolls sideways can be scrolled from the keyboard too; a screen wider than its
// frame has its question and answer shown in words above it. Sizes are read once the page is
// laid out, never in the middle of a change.
let narrow = false;

function focusableIfScrolling(part) {
  if (part.scrollWidth > part.clientWidth + 1) {
    part.tabIndex = 0;
  } else {
    part.removeAttribute('tabindex');
  }
}

function fitFrames() {
  narrow = screen.offsetWidth > frame.clientWidth + 1;
  focusableIfScrolling(drawing);
  focusableIfScrolling(speakers);
  showAsked();
}

// ---- The screen in words ---------------------------------------------------------------
// The program shows its cursor only while it reads a line. So where the cursor appears, the
// text to its left is the question; when it goes, the text from where it appeared is the answer;
// and what else changed on the screen meanwhile is what the program printed.

const reading = {
  line: null,   // where a line is being read: {row, column, lastRow, question}
  printed: [],  // the rows the latest screen printed, in words
};

function textOf(s, y, from, to) {
  let text = '';
  for (let i = y * s.width + from; i < y * s.width + to; i++) {
    text += String.fromCharCode(s.characters[i]);
  }
  return text;
}

// From a place on the screen to another, across the rows between.
function textBetween(s, from, to) {
  let text = '';
  for (let y = from.row; y <= to.row; y++) {
    text += textOf(s, y, y === from.row ? from.column : 0, y === to.row ? to.column : s.width);
  }
  return text;
}

// The parts of a row that stand apart (two spaces or more): a label and its value, read as one.
function wordsOf(text) {
  const parts = text.trim().split(/ {2,}/);
  return parts.reduce((words, part) => words + (/[?:.!]$/.test(words) ? ' ' : ': ') + part);
}

function overLimit(s, y) {
  for (let i = y * s.width; i < (y + 1) * s.width; i++) {
    if ((s.attributes[i] & 15) === LIGHT_RED && s.characters[i] !== SPACE) return true;
  }
  return false;
}

function printedRow(s, y) {
  const text = textOf(s, y, 0, s.width);
  return {words: wordsOf(text), paired: / {2,}\S/.test(text.trim()), overLimit: overLimit(s, y)};
}

function spoken(row) { return row.words + (row.overLimit ? ', over your limit' : ''); }

// Whether the cursor is still in the line being read: on its rows, or on the next row once the
// typing has filled the last one to the edge.
function lineGoesOn(s) {
  const c = s.cursor;
  const line = reading.line;
  if (line === null || !c.visible || c.y < line.row) return false;
  if (c.y === line.row) return c.x >= line.column;
  if (c.y <= line.lastRow) return true;
  return c.y === line.lastRow + 1 && s.characters[c.y * s.width - 1] !== SPACE;
}

function rowsOfLine(line) {
  const taken = [];
  for (let y = line.row; y <= line.lastRow; y++) taken.push(y);
  return taken;
}

function answerOf(s, line) {
  const answer =
      textBetween(s, {row: line.row, column: line.column}, {row: line.lastRow, column: s.width});
  return answer.trimEnd() === '' ? 'Your answer is empty.' : 'Your answer: ' + answer.trimEnd();
}

// Follows the line input from one screen to the next; what is to be said about it, and the
// rows that belong to it rather than to what was printed.
function followLine(s, sentences) {
  const c = s.cursor;
  if (lineGoesOn(s)) {
    reading.line.lastRow = Math.max(reading.line.lastRow, c.y);
    return rowsOfLine(reading.line);
  }
  const taken = [];
  if (reading.line !== null) {
    sentences.push(answerOf(s, reading.line));
    taken.push(...rowsOfLine(reading.line));
  }
  reading.line = null;
  if (c.visible) {
    const words = wordsOf(textOf(s, c.y, 0, c.x));
    reading.line = {row: c.y, column: c.x, lastRow: c.y, question: words};
    taken.push(c.y);
  }
  return taken;
}

function readScreen(s, changed) {
  const sentences = [];
  const before = reading.line;
  const taken = followLine(s, sentences);
  reading.printed =
      changed.filter((y) => !taken.includes(y)).map((y) => printedRow(s, y)).filter((r) => r.words);
  sentences.push(...reading.printed.map(spoken));
  const line = reading.line;
  if (line !== null && line !== before && line.question) sentences.push(line.question);
  showTyped(s);
  say(sentences);
}

function showAsked() { asked.hidden = !(narrow && reading.line !== null); }

function showTyped(s) {
  const line = reading.line;
  // The key field is named by the question: a label that is always there to read, while the
  // question in words above the screen is shown only where the screen is too wide.
  question.textContent = line !== null ? line.question : '';
  keys.setAttribute('aria-label', line !== null && line.question ? line.question : noQuestion);
  const sofar = line === null ?
      '' :
      textBetween(s, {row: line.row, column: line.column}, {row: s.cursor.y, column: s.cursor.x});
  typed.textContent = sofar === '' ? 'Nothing typed yet' : 'Typed so far: ' + sofar;
  showAsked();
}

function sentence(words) { return /[.?!]$/.test(words) ? words : words + '.'; }

// A polite log: a screen reader says each entry once it is added, after what it is saying.
function say(sentences) {
  if (sentences.length === 0) return;
  const entry = document.createElement('p');
  entry.textContent = sentences.map(sentence).join(' ');
  said.appendChild(entry);
  while (said.childElementCount > LOG_LENGTH) said.firstElementChild.remove();
}

// ---- The keyboard ----------------------------------------------------------------------

function modifiersOf(e) {
  let bits = 0;
  for (const [name, bit] of MODIFIERS)
    if (e.getModifierState(name)) bits |= bit;
  return bits;
}

// KeyboardEvent.key when it is one character (a name such as "Enter" is none).
function characterOf(key) {
  const characters = Array.from(key);
  return characters.length === 1 ? characters[0].codePointAt(0) : 0;
}

function queue(event) {
  run.events.push(event);
  if (run.wake) {
    const wake = run.wake;
    run.wake = null;
    wake();
  }
}

function queueKey(e, down) {
  queue({
    kind: KEY,
    down: down,
    code: e.code,
    character: characterOf(e.key),
    modifiers: modifiersOf(e)
  });
}

function typeText(text) {
  for (const c of text.replace(/\r\n?/g, '\n')) {
    queue({kind: CHARACTER, down: true, code: '', character: c.codePointAt(0), modifiers: 0});
  }
}

function listening() { return run !== null && run.exitCode === null && run.failed === null; }

// The keys are the program's while its field has the focus, or nothing on the page has; a
// button or the drawing keeps its own.
function keysHere() {
  const focused = document.activeElement;
  return focused === null || focused === keys || focused === document.body ||
      focused === document.documentElement;
}

function accel(e) { return (e.ctrlKey || e.metaKey) && !e.altKey; }

function isShortcut(e) {
  if (accel(e)) return ACCEL_KEYS.includes(e.code);
  return e.altKey && !e.ctrlKey && !e.metaKey && ALT_KEYS.includes(e.code);
}

// Tab moves the focus on, and the browser's function keys do what they do: neither is
// cancelled, though the program has them as well.
function cancels(e) { return e.code !== 'Tab' && !BROWSER_F_KEYS.includes(e.code); }

function isPaste(e) {
  return (e.code === 'KeyV' && accel(e)) || (e.code === 'Insert' && e.shiftKey);
}

function isCopy(e) {
  return accel(e) && (e.code === 'KeyC' || e.code === 'Insert') &&
      !document.getSelection().isCollapsed;
}

function onKeyDown(e) {
  if (!listening()) return;
  if (run.closeBox) {
    onBoxKey(e);
    return;
  }
  if (!keysHere()) return;
  // An input method or an on-screen keyboard: its text comes with the input events.
  if (e.isComposing || e.key === 'Process' || e.key === 'Unidentified') return;
  // The browser pastes, and the paste event types the text; a copy is the browser's alone.
  if (isShortcut(e) || isPaste(e) || isCopy(e) || SYSTEM_KEYS.includes(e.code)) return;
  if (cancels(e)) e.preventDefault();
  run.held.add(e.code);
  queueKey(e, true);
}

// Only the release of a key whose press the program had: not those of the keys that closed
// the message box or pasted.
function onKeyUp(e) {
  if (!listening() || !run.held.has(e.code)) return;
  if (cancels(e)) e.preventDefault();
  run.held.delete(e.code);
  queueKey(e, false);
}

function onPaste(e) {
  if (!listening() || run.closeBox || !keysHere()) return;
  e.preventDefault();
  typeText(e.clipboardData.getData('text/plain'));
}

// On-screen keyboards report text, line breaks and deletions as input rather than as keys.
function onBeforeInput(e) {
  if (!listening() || run.closeBox || e.isComposing) return;
  if (e.inputType === 'insertText' || e.inputType === 'insertReplacementText') {
    typeText(e.data || '');
  } else if (e.inputType === 'insertLineBreak' || e.inputType === 'insertParagraph') {
    typeText('\n');
  } else if (e.inputType === 'deleteContentBackward') {
    typeText('\b');
  } else {
    return;
  }
  e.preventDefault();
}

function onCompositionEnd(e) {
  if (listening() && !run.closeBox) typeText(e.data || '');
  keys.value = '';
}

// ---- The window services ---------------------------------------------------------------

// The box is modal: no key reaches the program while it is open, but Tab and the browser's keys
// still do what they do.
function onBoxKey(e) {
  if (isShortcut(e) || !cancels(e)) return;
  e.preventDefault();
  e.stopPropagation();
  if (BOX_KEYS.includes(e.code) && !e.repeat) run.closeBox();
}

// An answer the program rejects ends a link's replay: the box stays open, as if the visitor
// had typed the answer, and nothing more is typed behind it.
function messageBox(message, caption) {
  run.replay = [];
  return new Promise((resolve) => {
    boxCaption.textContent = caption;
    boxMessage.textContent = message;
    run.closeBox = () => {
      run.closeBox = null;
      box.close();
      keys.focus({preventScroll: true});
      resolve();
    };
    say([wordsOf(message)]);
    box.showModal();
    boxOk.focus();
  });
}

// A short tone; the audio stops running again once it has played.
function beep() {
  try {
    audio = audio || new AudioContext();
    audio.resume();
    const tone = audio.createOscillator();
    const level = audio.createGain();
    tone.frequency.value = 800;
    level.gain.value = 0.1;
    tone.connect(level).connect(audio.destination);
    tone.onended = () => audio.suspend();
    tone.start();
    tone.stop(audio.currentTime + 0.12);
  } catch (error) {
    // No audio on this device: the box still says what went wrong.
  }
}

// The results are the rows printed with the drawing that pair a label with a value.
function listResults(printed) {
  results.replaceChildren(...printed.map((row) => {
    const item = document.createElement('li');
    item.textContent = row.words;
    if (row.overLimit) {
      const mark = document.createElement('strong');
      mark.textContent = ' (over your limit)';
      item.appendChild(mark);
    }
    return item;
  }));
}

// The drawing's title, and a description in words: the results, then what the drawing labels.
function describe(svg, printed) {
  const labels = Array.from(svg.querySelectorAll('text'), (text) => text.textContent.trim());
  const title = document.createElementNS(SVG, 'title');
  title.textContent = 'The loudspeaker layout, drawn from the results';
  const description = document.createElementNS(SVG, 'desc');
  description.textContent = printed.map(spoken).concat(labels).map(sentence).join(' ');
  svg.prepend(title, description);
  svg.setAttribute('role', 'img');
}

function showDrawing(svgText) {
  const parsed = new DOMParser().parseFromString(svgText, 'image/svg+xml');
  if (parsed.documentElement.nodeName !== 'svg') return;
  const svg = document.importNode(parsed.documentElement, true);
  keepLabelsReadable(svg);
  const printed = reading.printed.filter((row) => row.paired);
  describe(svg, printed);
  listResults(printed);
  drawing.replaceChildren(svg);
}

// The drawing scales to the width it is given, down to the width at which its labels are
// LEAST_LABEL_PX; narrower than that its frame scrolls sideways instead.
const LEAST_LABEL_PX = 11;

function keepLabelsReadable(svg) {
  const width = svg.viewBox.baseVal.width;
  const labels = parseFloat(svg.getAttribute('font-size'));
  if (width > 0 && labels > 0) {
    svg.style.minWidth = Math.ceil(width * LEAST_LABEL_PX / labels) + 'px';
  }
}

// ---- The setup sheet -------------------------------------------------------------------
// The program sends the sheet as texts in their places, every figure formatted: the page only
// puts each into its element, as text, never as markup.

function element(tag, text, attributes = {}) {
  const made = document.createElement(tag);
  made.textContent = text;
  for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, value);
  return made;
}

function paragraphs(texts) { return texts.map((text) => element('p', text)); }

// A table with a caption, and a row for each entry whose first cell heads it.
function table(caption, rows) {
  const made = document.createElement('table');
  made.createCaption().textContent = caption;
  const body = made.createTBody();
  for (const [heading, ...cells] of rows) {
    body.insertRow().append(
        element('th', heading, {scope: 'row'}), ...cells.map((text) => element('td', text)));
  }
  return made;
}

// Each cell carries its column's name too, for a phone to show beside it.
function speakerTable(sheet) {
  const made = table(SPEAKERS_CAPTION, sheet.rows);
  made.createTHead().insertRow().append(
      ...sheet.header.map((text) => element('th', text, {scope: 'col'})));
  for (const row of made.tBodies[0].rows) {
    Array.from(row.cells).forEach((cell, i) => cell.setAttribute('data-heading', sheet.header[i]));
  }
  return made;
}

// A layout that cannot be placed has no tables: its sheet says why in words.
function showSheet(sheet) {
  const placed = sheet.rows.length > 0;
  sheetTitle.textContent = sheet.title;
  sheetBefore.replaceChildren(...paragraphs(sheet.before));
  speakers.replaceChildren(...(placed ? [speakerTable(sheet)] : []));
  sheetAfter.replaceChildren(...paragraphs(sheet.after));
  const spacingRows = sheet.spacings.map((spacing) => [spacing.label, spacing.value]);
  spacings.replaceChildren(...(placed ? [table(sheet.spacingsCaption, spacingRows)] : []));
  sheetClosing.replaceChildren(...paragraphs(sheet.closing));
}

// The results, sent once the report is on the screen. The dialog is over: a link's further
// answers have no question left, and are not typed.
function showResults(json) {
  kept = JSON.parse(json);
  showDrawing(kept.drawing);
  showSheet(kept.sheet);
  beside.hidden = false;
  keep.hidden = false;
  document.body.classList.add('drawn');
  run.replay = [];
  showAddress(linkTo(kept.answers));
}

// The address bar holds the answers of the results shown, so that a reload or a bookmark gives
// them again; a new run drops them. Where the browser refuses (some open files from disk), the
// address stays as it was.
function showAddress(address) {
  try {
    history.replaceState(null, '', address);
  } catch (error) {
    // Copy link still gives the answers.
  }
}

// ---- Keeping the results: printed, as a link, the drawing as a file --------------------

// The page's own address, its other parameters kept, with the answers as the program stored them,
// in order.
function linkTo(answers) {
  const url = new URL(location.href);
  const query = new URLSearchParams(url.search);
  query.delete(ANSWER);
  for (const answer of answers) query.append(ANSWER, answer);
  url.search = query.toString();
  url.hash = '';
  return url.href;
}

// The link stays in view in a field, selected where the clipboard could not take it, so that
// the visitor can copy it by hand.
function showLink(link, copied) {
  linkField.value = link;
  sharedNote.textContent = copied ? 'Copied.' : 'Selected: copy it from here.';
  shared.hidden = false;
  if (copied) {
    say(['The link to these answers is copied.']);
  } else {
    say(['The link to these answers is in the field below the buttons: copy it from there.']);
    linkField.focus();
    linkField.select();
  }
}

function copyLink() {
  const these = kept;
  const link = linkTo(these.answers);
  const show = (copied) => () => {
    if (kept === these) showLink(link, copied);
  };
  if (navigator.clipboard && navigator.clipboard.writeText) {
    navigator.clipboard.writeText(link).then(show(true), show(false));
  } else {
    show(false)();
  }
}

// The drawing as the program drew it, downloaded as a file. The link that saves it never
// enters the page.
function saveDrawing() {
  if (savedUrl !== null) URL.revokeObjectURL(savedUrl);
  savedUrl = URL.createObjectURL(new Blob([kept.drawing], {type: 'image/svg+xml'}));
  const link = document.createElement('a');
  link.href = savedUrl;
  link.download = DRAWING_FILE;
  link.click();
}

// ---- A link's answers ------------------------------------------------------------------
// A link to a plan carries its answers (?answer=5&answer=4&...). Opening it types each answer
// as keys, then Enter, as a person would: the next only once the program waits for keys
// again with no message box open. A line end inside an answer is Enter, as in a paste, so
// each piece is typed as a line of its own.

function linkAnswers() {
  return new URLSearchParams(location.search)
      .getAll(ANSWER)
      .flatMap((answer) => answer.split(/\r\n?|\n/));
}

// Called when the program waits for keys and none is queued.
function replayNext(thisRun) {
  if (thisRun !== run || run.closeBox !== null || run.replay.length === 0) return;
  typeText(run.replay.shift() + '\n');
}

// The calls of one run of the program; those of a run that "Start again" replaced do nothing.
function pageFor(thisRun) {
  const current = (call) => (...args) => (thisRun === run ? call(...args) : undefined);
  return {
    showScreen: current(showScreen),
    takeEvent: () => thisRun.events.shift(),
    nextEvent: () => {
      if (!thisRun.waited) {
        thisRun.waited = true;
        performance.mark('sorvanta-first-wait');
      }
      if (thisRun.events.length === 0) replayNext(thisRun);
      if (thisRun.events.length > 0) return Promise.resolve();
      return new Promise((resolve) => {
        thisRun.wake = resolve;
      });
    },
    messageBox: (message, caption) =>
        thisRun === run ? messageBox(message, caption) : new Promise(() => {}),
    setTitle: current((title) => {
      document.title = title;
    }),
    beep: current(beep),
    showResults: current(showResults),
  };
}

// ---- A run of the program --------------------------------------------------------------

// The page's own arguments (?arg=...) become the command line, which the program ignores.
function commandLine(module) {
  const args = [pageTitle].concat(new URLSearchParams(location.search).getAll('arg'));
  const argv = module._malloc(4 * (args.length + 1));
  args.forEach((arg, i) => {
    module.HEAP32[(argv >> 2) + i] = module.allocateUTF8(arg);
  });
  module.HEAP32[(argv >> 2) + args.length] = 0;
  return [args.length, argv];
}

function finish(thisRun, exitCode, failure) {
  if (thisRun !== run) return;
  run.exitCode = failure === null ? exitCode : null;
  run.failed = failure;
  endedText.textContent = failure === null ? 'The program has ended (exit code ' + exitCode + ').' :
                                             'The program has stopped: ' + failure + '.';
  ended.hidden = false;
}

function clearPage() {
  ended.hidden = true;
  beside.hidden = true;
  keep.hidden = true;
  shared.hidden = true;
  linkField.value = '';
  for (const part of FILLED) part.replaceChildren();
  kept = null;
  if (savedUrl !== null) URL.revokeObjectURL(savedUrl);
  savedUrl = null;
  said.replaceChildren();
  document.body.classList.remove('drawn');
  document.title = pageTitle;
  shown = {width: 0, height: 0, characters: [], attributes: [], cursor: null};
  reading.line = null;
  reading.printed = [];
  keys.setAttribute('aria-label', noQuestion);
  asked.hidden = true;
}

// A run types `replay`, the lines of a link's answers, as the program asks for them.
function start(replay) {
  const thisRun = {
    events: [],
    wake: null,
    held: new Set(),
    closeBox: null,
    waited: false,
    exitCode: null,
    failed: null,
    replay: replay
  };
  run = thisRun;
  clearPage();
  // The program starts in a task of its own, after the one that made it ready: each stays
  // short, and the page answers in between.
  createSorvanta({page: pageFor(thisRun)})
      .then((module) => new Promise((resolve) => setTimeout(resolve, 0, module)))
      .then(
          (module) => module.ccall(
              'main', 'number', ['number', 'number'], commandLine(module), {async: true}))
      .then((code) => finish(thisRun, code, null), (error) => finish(thisRun, null, String(error)));
  keys.focus({preventScroll: true});
}

document.addEventListener('keydown', onKeyDown);
document.addEventListener('keyup', onKeyUp);
document.addEventListener('paste', onPaste);
keys.addEventListener('beforeinput', onBeforeInput);
keys.addEventListener('compositionend', onCompositionEnd);
// Whatever reached the keyboard's text field has been typed already.
keys.addEventListener('input', (e) => {
  if (!e.isComposing) keys.value = '';
});
// A tap or click on the screen gives it the keyboard, unless it selected text to copy.
screen.addEventListener('click', () => {
  if (document.getSelection().isCollapsed) keys.focus({preventScroll: true});
});
showKeys.addEventListener('click', () => keys.focus());
boxOk.addEventListener('click', () => {
  if (run && run.closeBox) run.closeBox();
});
box.addEventListener('cancel', (e) => e.preventDefault());
// Start again: a new run, which replays nothing.
restart.addEventListener('click', () => {
  showAddress(linkTo([]));
  start([]);
});
document.getElementById('print').addEventListener('click', () => window.print());
document.getElementById('copy-link').addEventListener('click', copyLink);
document.getElementById('save-drawing').addEventListener('click', saveDrawing);
const resized = new ResizeObserver(fitFrames);
for (const part of [frame, screen, drawing, speakers]) resized.observe(part);

window.sorvanta = {
  cells: cells,
  cursor: () => shown.cursor === null ?
      null :
      {row: shown.cursor.y + 1, column: shown.cursor.x + 1, visible: shown.cursor.visible},
  exitCode: () => (run === null ? null : run.exitCode),
};

// The program is fetched once the page has been drawn, which can be read meanwhile; or after a
// second, where nothing is drawn (a page in a hidden frame).
let loading = false;

function loadProgram() {
  if (loading) return;
  loading = true;
  const script = document.createElement('script');
  script.src = 'sorvanta.js';
  script.addEventListener('load', () => start(linkAnswers()));
  script.addEventListener('error', () => {
    endedText.textContent = 'The program could not be loaded.';
    ended.hidden = false;
  });
  document.body.appendChild(script);
}

requestAnimationFrame(() => setTimeout(loadProgram, 0));
setTimeout(loadProgram, 1000);
})();
