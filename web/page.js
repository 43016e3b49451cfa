// The page around the program: it shows the program's console screen, hands it the keyboard,
// and gives it what a console window has (title, message box, beep). The program calls the page
// through Module.page; the page never calls into the program, which may be suspended in a wait,
// but queues events and settles the promise the program awaits.
(function() {
'use strict';

const screen = document.getElementById('screen');
const cursorMark = document.getElementById('cursor');
const keys = document.getElementById('keys');
const box = document.getElementById('box');
const boxCaption = document.getElementById('box-caption');
const boxMessage = document.getElementById('box-message');
const boxOk = document.getElementById('box-ok');
const ended = document.getElementById('ended');
const endedText = document.getElementById('ended-text');
const restart = document.getElementById('restart');
const beside = document.getElementById('beside');
const pageTitle = document.title;

// KEY, CHARACTER and MODIFIERS, the event kinds and modifier bits the program's page bridge
// reads, come from the head that the build writes in front of this script.
const BOX_KEYS = ['Enter', 'NumpadEnter', 'Space', 'Escape'];

let run = null;  // the current run of the program
let shown = {width: 0, height: 0, characters: [], attributes: [], cursor: null};
let cellSpans = [];
let audio = null;

// ---- The screen ------------------------------------------------------------------------

function buildScreen(width, height) {
  for (const row of screen.querySelectorAll('.row')) row.remove();
  cellSpans = [];
  for (let y = 0; y < height; y++) {
    const row = document.createElement('div');
    row.className = 'row';
    for (let x = 0; x < width; x++) {
      const span = document.createElement('span');
      row.appendChild(span);
      cellSpans.push(span);
    }
    screen.insertBefore(row, cursorMark);
  }
}

function colourClass(attribute) { return 'f' + (attribute & 15) + ' b' + ((attribute >> 4) & 15); }

function showScreen(next) {
  const resized = next.width !== shown.width || next.height !== shown.height;
  if (resized) buildScreen(next.width, next.height);
  for (let i = 0; i < next.characters.length; i++) {
    if (resized || next.characters[i] !== shown.characters[i]) {
      cellSpans[i].textContent = String.fromCharCode(next.characters[i]);
    }
    if (resized || next.attributes[i] !== shown.attributes[i]) {
      cellSpans[i].className = colourClass(next.attributes[i]);
    }
  }
  const c = next.cursor;
  cursorMark.hidden = !c.visible;
  cursorMark.style.setProperty('--x', c.x);
  cursorMark.style.setProperty('--y', c.y);
  cursorMark.style.setProperty('--size', c.size);
  cursorMark.className = 'cursor f' + (next.attributes[c.y * next.width + c.x] & 15);
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

function isPaste(e) {
  return (e.code === 'KeyV' && e.ctrlKey && !e.altKey) || (e.code === 'Insert' && e.shiftKey);
}

function onKeyDown(e) {
  if (!listening()) return;
  if (run.closeBox) {
    onBoxKey(e);
    return;
  }
  // An input method or an on-screen keyboard: its text comes with the input events.
  if (e.isComposing || e.key === 'Process' || e.key === 'Unidentified') return;
  // The browser pastes, and the paste event types the text.
  if (isPaste(e)) return;
  e.preventDefault();
  run.held.add(e.code);
  queueKey(e, true);
}

// Only the release of a key whose press the program had: not those of the keys that closed
// the message box or pasted.
function onKeyUp(e) {
  if (!listening() || !run.held.has(e.code)) return;
  e.preventDefault();
  run.held.delete(e.code);
  queueKey(e, false);
}

function onPaste(e) {
  if (!listening() || run.closeBox) return;
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

function onBoxKey(e) {
  e.preventDefault();
  e.stopPropagation();
  if (BOX_KEYS.includes(e.code) && !e.repeat) run.closeBox();
}

function messageBox(message, caption) {
  return new Promise((resolve) => {
    boxCaption.textContent = caption;
    boxMessage.textContent = message;
    run.closeBox = () => {
      run.closeBox = null;
      box.close();
      keys.focus({preventScroll: true});
      resolve();
    };
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

function showBesideScreen(svgText) {
  const parsed = new DOMParser().parseFromString(svgText, 'image/svg+xml');
  const svg = parsed.documentElement;
  if (svg.nodeName !== 'svg') return;
  for (const old of beside.querySelectorAll('svg')) old.remove();
  beside.appendChild(document.importNode(svg, true));
  beside.hidden = false;
  document.body.classList.add('drawn');
}

const page = {
  showScreen: showScreen,
  takeEvent: () => run.events.shift(),
  nextEvent: () => {
    if (!run.waited) {
      run.waited = true;
      performance.mark('sorvanta-first-wait');
    }
    if (run.events.length > 0) return Promise.resolve();
    return new Promise((resolve) => {
      run.wake = resolve;
    });
  },
  messageBox: messageBox,
  setTitle: (title) => {
    document.title = title;
  },
  beep: beep,
  showBesideScreen: showBesideScreen,
};

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

function finish(exitCode, failure) {
  run.exitCode = failure === null ? exitCode : null;
  run.failed = failure;
  endedText.textContent = failure === null ? 'The program has ended (exit code ' + exitCode + ').' :
                                             'The program has stopped: ' + failure + '.';
  ended.hidden = false;
}

function start() {
  run = {
    events: [],
    wake: null,
    held: new Set(),
    closeBox: null,
    waited: false,
    exitCode: null,
    failed: null
  };
  ended.hidden = true;
  beside.hidden = true;
  for (const old of beside.querySelectorAll('svg')) old.remove();
  document.body.classList.remove('drawn');
  document.title = pageTitle;
  createSorvanta({page: page})
      .then(
          (module) => module.ccall(
              'main', 'number', ['number', 'number'], commandLine(module), {async: true}))
      .then((code) => finish(code, null), (error) => finish(null, String(error)));
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
boxOk.addEventListener('click', () => {
  if (run && run.closeBox) run.closeBox();
});
box.addEventListener('cancel', (e) => e.preventDefault());
restart.addEventListener('click', start);

window.sorvanta = {
  cells: cells,
  cursor: () => shown.cursor === null ?
      null :
      {row: shown.cursor.y + 1, column: shown.cursor.x + 1, visible: shown.cursor.visible},
  exitCode: () => (run === null ? null : run.exitCode),
};

start();
})();
