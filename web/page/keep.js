// ---- Keeping the results: printed, as a link, the drawing as a file --------------------
// Print is the browser's own, with the page's print style sheet. A link to a plan carries its
// answers, which opening it types again; the drawing is saved as the program drew it.

const keep = document.getElementById('keep');
const shared = document.getElementById('shared');
const linkField = document.getElementById('link');
const sharedNote = document.getElementById('shared-note');
// The name of a link's parameter that carries an answer, once for each, in order.
const ANSWER = 'answer';
const DRAWING_FILE = 'sorvanta-layout.svg';

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
  const these = state.kept;
  const link = linkTo(these.answers);
  const show = (copied) => () => {
    if (state.kept === these) showLink(link, copied);
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
  if (state.savedUrl !== null) URL.revokeObjectURL(state.savedUrl);
  state.savedUrl = URL.createObjectURL(new Blob([state.kept.drawing], {type: 'image/svg+xml'}));
  const link = document.createElement('a');
  link.href = state.savedUrl;
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
  if (thisRun !== state.run || state.run.closeBox !== null || state.run.replay.length === 0) return;
  typeText(state.run.replay.shift() + '\n');
}

function clearKept() {
  keep.hidden = true;
  shared.hidden = true;
  linkField.value = '';
  if (state.savedUrl !== null) URL.revokeObjectURL(state.savedUrl);
  state.savedUrl = null;
}
