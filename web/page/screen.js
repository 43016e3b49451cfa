// ---- The screen ------------------------------------------------------------------------
// The program's console screen as rows of coloured cells, the cursor, the frame that scrolls
// where 80 columns do not fit, and what the live region says of each screen (words.js).

const frame = document.getElementById('frame');
const screen = document.getElementById('screen');
const cursorMark = document.getElementById('cursor');
const keys = document.getElementById('keys');
const atCursor = document.getElementById('at-cursor');
const asked = document.getElementById('asked');
const question = document.getElementById('question');
const typed = document.getElementById('typed');
const said = document.getElementById('said');
const noQuestion = keys.getAttribute('aria-label');
const LOG_LENGTH = 50;


function buildScreen(width, height) {
  for (const row of state.rowDivs) row.remove();
  state.rowDivs = [];
  for (let y = 0; y < height; y++) {
    const row = document.createElement('div');
    row.className = 'row';
    screen.insertBefore(row, cursorMark);
    state.rowDivs.push(row);
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

// A blank row is there for the eye alone: a screen reader has nothing to read in it.
function drawRow(s, y) {
  state.rowDivs[y].replaceChildren(...piecesOf(s, y).map((piece) => {
    const span = document.createElement('span');
    span.className = colourClass(piece.attribute) + (piece.plain ? '' : ' cell');
    span.textContent = piece.text;
    // The text's own advance can differ from 1ch by a fraction of a pixel: the cells keep to
    // the grid the cursor is placed on.
    span.style.width = piece.text.length + 'ch';
    return span;
  }));
  if (blankRow(s, y)) {
    state.rowDivs[y].setAttribute('aria-hidden', 'true');
  } else {
    state.rowDivs[y].removeAttribute('aria-hidden');
  }
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
  if (state.shown.cursor !== null && state.shown.cursor.visible) {
    atCursor.scrollIntoView({block: 'nearest', inline: 'nearest'});
  }
}

// Once the report is printed the results are what the visitor came for: a frame narrower than
// the screen shows its right-hand side, where the values stand at column 72, whole.
function valuesIntoView() { frame.scrollLeft = frame.scrollWidth - frame.clientWidth; }

function showScreen(next) {
  if (next.width !== state.shown.width || next.height !== state.shown.height) {
    buildScreen(next.width, next.height);
    showFrame();
  }
  const changed = [];
  for (let y = 0; y < next.height; y++) {
    if (!sameRow(state.shown, next, y)) {
      drawRow(next, y);
      changed.push(y);
    }
  }
  const sentences = heard(state.reading, next, changed);
  state.shown = next;
  placeCursor(next);
  showTyped(next);
  say(sentences);
}

function cells() {
  const rows = [];
  for (let y = 0; y < state.shown.height; y++) {
    const row = [];
    for (let x = 0; x < state.shown.width; x++) {
      const i = y * state.shown.width + x;
      row.push([String.fromCharCode(state.shown.characters[i]), state.shown.attributes[i]]);
    }
    rows.push(row);
  }
  return rows;
}

// A frame that scrolls sideways says so: a shadow at each edge where more lies beyond, and it
// can be scrolled from the keyboard too. A screen wider than its frame has its question and
// answer shown in words above it. Sizes are read once the page is laid out, never in the middle
// of a change.

function shade(side) { return element('div', '', {class: 'shade ' + side, 'aria-hidden': 'true'}); }

function showCut(part) {
  const beyond = part.scrollWidth - part.clientWidth;
  const cue = part.parentElement;
  cue.classList.toggle('cut-left', beyond > 1 && part.scrollLeft > 1);
  cue.classList.toggle('cut-right', beyond > 1 && part.scrollLeft < beyond - 1);
}

function focusableIfScrolling(part) {
  if (part.scrollWidth > part.clientWidth + 1) {
    part.tabIndex = 0;
  } else {
    part.removeAttribute('tabindex');
  }
}

function fitFrames() {
  state.narrow = screen.offsetWidth > frame.clientWidth + 1;
  for (const part of SCROLLING) {
    if (part !== frame) focusableIfScrolling(part);
    showCut(part);
  }
  showAsked();
}

function showAsked() { asked.hidden = !(state.narrow && state.reading.line !== null); }

function showTyped(s) {
  const line = state.reading.line;
  // The key field is named by the question: a label that is always there to read, while the
  // question in words above the screen is shown only where the screen is too wide.
  question.textContent = line !== null ? line.question : '';
  keys.setAttribute('aria-label', line !== null && line.question ? line.question : noQuestion);
  typed.textContent = typedSoFar(state.reading, s);
  showAsked();
}

// A polite log: a screen reader says each entry once it is added, after what it is saying.
function say(sentences) {
  if (sentences.length === 0) return;
  said.appendChild(element('p', entryOf(sentences)));
  while (said.childElementCount > LOG_LENGTH) said.firstElementChild.remove();
}

function clearScreen() {
  state.shown = noScreen();
  state.reading = newReading();
  said.replaceChildren();
  keys.setAttribute('aria-label', noQuestion);
  asked.hidden = true;
}
