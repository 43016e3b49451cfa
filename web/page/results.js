// ---- The results beside the screen -----------------------------------------------------
// Once the report is printed, the program sends its results: the answers, the drawing and the
// setup sheet. The page lists the results in words, shows the drawing and lays the sheet out as
// tables; the program sends every text in its place, every figure formatted, and the page only
// puts each into its element, as text, never as markup.

const beside = document.getElementById('beside');
const results = document.getElementById('results');
const drawing = document.getElementById('drawing');
const planTitle = document.getElementById('plan-title');
const sheetTitle = document.getElementById('sheet-title');
const sheetBefore = document.getElementById('sheet-before');
const speakers = document.getElementById('speakers');
const sheetAfter = document.getElementById('sheet-after');
const spacings = document.getElementById('spacings');
const sheetClosing = document.getElementById('sheet-closing');
// What the results fill in, emptied for each new run.
const FILLED = [
  results, drawing, planTitle, sheetTitle, sheetBefore, speakers, sheetAfter, spacings, sheetClosing
];
const SPEAKERS_CAPTION = 'Where each speaker stands, and how it is aimed';


function element(tag, text, attributes = {}) {
  const made = document.createElement(tag);
  made.textContent = text;
  for (const [name, value] of Object.entries(attributes)) made.setAttribute(name, value);
  return made;
}

// The results are the rows printed with the drawing that pair a label with a value.
function listResults(printed) {
  results.replaceChildren(...printed.map((row) => {
    const item = element('li', row.words);
    if (row.overLimit) item.appendChild(element('strong', ' (over your limit)'));
    return item;
  }));
}

// The drawing says what it shows in its own title and description, which the program wrote.
function showDrawing(svgText) {
  const parsed = new DOMParser().parseFromString(svgText, 'image/svg+xml');
  if (parsed.documentElement.nodeName !== 'svg') return;
  const svg = document.importNode(parsed.documentElement, true);
  keepLabelsReadable(svg);
  svg.setAttribute('role', 'img');
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

// The heading of the printed plan: the drawing's title, which names the plan by its answers.
function showPlanTitle() {
  const title = drawing.querySelector('svg > title');
  planTitle.textContent = 'Sorvanta: ' + (title ? title.textContent : 'the loudspeaker layout');
}

// The program's last words, on the last row written, ask for the key that ends it: a row for
// the screen alone.
function markWaiting() {
  if (state.shown.cursor === null) return;
  let y = state.shown.cursor.y;
  while (y > 0 && blankRow(state.shown, y)) y--;
  state.rowDivs[y].classList.add('waiting');
}

// The results, sent once the report is on the screen. The dialog is over: a link's further
// answers have no question left, and are not typed. The row the program's last words stand on
// asks for a key, which paper cannot give.
function showResults(json) {
  state.kept = JSON.parse(json);
  showDrawing(state.kept.drawing);
  listResults(state.reading.printed.filter((row) => row.paired));
  showSheet(state.kept.sheet);
  showPlanTitle();
  markWaiting();
  beside.hidden = false;
  keep.hidden = false;
  document.body.classList.add('drawn');
  state.run.replay = [];
  showAddress(linkTo(state.kept.answers));
  requestAnimationFrame(valuesIntoView);
}

function clearResults() {
  beside.hidden = true;
  for (const part of FILLED) part.replaceChildren();
  state.kept = null;
  document.body.classList.remove('drawn');
}
