// ---- A run of the program --------------------------------------------------------------
// The page calls the program's factory for each run, hands it the calls of Module.page, and
// says in words when it has ended. The program is fetched once the page has been drawn; served
// over http or https, the site is kept by a service worker for visits without a network.

const ended = document.getElementById('ended');
const endedText = document.getElementById('ended-text');
const restart = document.getElementById('restart');
const showKeys = document.getElementById('show-keys');
const pageTitle = document.title;
// The frames that scroll sideways where their content is wider than they are.
const SCROLLING = [frame, drawing, speakers, spacings];


// The calls of one run of the program; those of a run that "Start again" replaced do nothing.
function pageFor(thisRun) {
  const current = (call) => (...args) => (thisRun === state.run ? call(...args) : undefined);
  return {
    showScreen: current(showScreen),
    takeEvent: () => thisRun.events.shift(),
    nextEvent: () => {
      if (!thisRun.waited) {
        thisRun.waited = true;
        performance.mark('sorvanta-first-wait');
        // Once the first question is there, nothing the site keeps can keep it waiting.
        setTimeout(keepForOffline, 0);
      }
      if (thisRun.events.length === 0) replayNext(thisRun);
      if (thisRun.events.length > 0) return Promise.resolve();
      return new Promise((resolve) => {
        thisRun.wake = resolve;
      });
    },
    messageBox: (message, caption) =>
        thisRun === state.run ? messageBox(message, caption) : new Promise(() => {}),
    setTitle: current((title) => {
      document.title = title;
    }),
    beep: current(beep),
    showResults: current(showResults),
  };
}

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

// What happened, in a visitor's words: the results stay on the page to be kept.
function endedWords(exitCode, failure) {
  if (failure !== null) return 'The program has stopped: ' + failure + '.';
  if (exitCode !== 0) return 'The program could not start (exit code ' + exitCode + ').';
  if (state.kept === null) return 'The program has ended. Start again runs it anew.';
  return 'The program has ended. Your plan stays below: print it, copy its link or save the ' +
      'drawing. Start again begins a new plan.';
}

function finish(thisRun, exitCode, failure) {
  if (thisRun !== state.run) return;
  state.run.exitCode = failure === null ? exitCode : null;
  state.run.failed = failure;
  endedText.textContent = endedWords(exitCode, failure);
  ended.hidden = false;
}

function clearPage() {
  ended.hidden = true;
  clearResults();
  clearKept();
  clearScreen();
  document.title = pageTitle;
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
  state.run = thisRun;
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
  if (state.run && state.run.closeBox) state.run.closeBox();
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
for (const part of [screen, ...SCROLLING]) resized.observe(part);
for (const part of SCROLLING) {
  part.after(shade('shade-left'), shade('shade-right'));
  part.addEventListener('scroll', () => showCut(part), {passive: true});
}

window.sorvanta = {
  cells: cells,
  cursor: () => state.shown.cursor === null ? null : {
    row: state.shown.cursor.y + 1,
    column: state.shown.cursor.x + 1,
    visible: state.shown.cursor.visible
  },
  exitCode: () => (state.run === null ? null : state.run.exitCode),
};

// Served over http or https, the site can be installed and is kept for visits without a
// network. Opened from disk it needs no keeping, and a browser allows neither the manifest nor
// a service worker there: the page names its manifest only where it can be read.

function keepForOffline() {
  if (state.offline || !('serviceWorker' in navigator) || !/^https?:$/.test(location.protocol))
    return;
  state.offline = true;
  document.head.appendChild(Object.assign(
      document.createElement('link'), {rel: 'manifest', href: 'manifest.webmanifest'}));
  navigator.serviceWorker.register('service-worker.js')
      .catch(
          () => {
              // The page works as well without: only a visit without a network needs it.
          });
}

// The program is fetched once the page has been drawn, which can be read meanwhile; or after a
// second, where nothing is drawn (a page in a hidden frame).

function loadProgram() {
  if (state.loading) return;
  state.loading = true;
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
