// ---- The keyboard and the window services ----------------------------------------------
// Keys, pastes and an on-screen keyboard's input, queued for the program; the message box and
// the beep of a console window.

const box = document.getElementById('box');
const boxCaption = document.getElementById('box-caption');
const boxMessage = document.getElementById('box-message');
const boxOk = document.getElementById('box-ok');

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
// Keys that change what other keys type, and type nothing themselves.
const MODIFIER_KEYS = [
  'ShiftLeft', 'ShiftRight', 'ControlLeft', 'ControlRight', 'AltLeft', 'AltRight', 'CapsLock',
  'NumLock', 'ScrollLock', 'Fn', 'FnLock'
];


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
  state.run.events.push(event);
  if (state.run.wake) {
    const wake = state.run.wake;
    state.run.wake = null;
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

function listening() {
  return state.run !== null && state.run.exitCode === null && state.run.failed === null;
}

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

// At the report the program waits for the key that ends it, and the results below are there to
// be kept: only a key typed into the screen ends it. The keys that move about the page or are
// the browser's, and the modifiers on their own, leave it running.
function endsTheWait(e) {
  return document.activeElement === keys && cancels(e) && !MODIFIER_KEYS.includes(e.code);
}

function isPaste(e) {
  return (e.code === 'KeyV' && accel(e)) || (e.code === 'Insert' && e.shiftKey);
}

function isCopy(e) {
  return accel(e) && (e.code === 'KeyC' || e.code === 'Insert') &&
      !document.getSelection().isCollapsed;
}

function onKeyDown(e) {
  if (!listening()) return;
  if (state.run.closeBox) {
    onBoxKey(e);
    return;
  }
  if (!keysHere()) return;
  // An input method or an on-screen keyboard: its text comes with the input events.
  if (e.isComposing || e.key === 'Process' || e.key === 'Unidentified') return;
  // The browser pastes, and the paste event types the text; a copy is the browser's alone.
  if (isShortcut(e) || isPaste(e) || isCopy(e) || SYSTEM_KEYS.includes(e.code)) return;
  if (state.kept !== null && !endsTheWait(e)) return;
  if (cancels(e)) e.preventDefault();
  state.run.held.add(e.code);
  queueKey(e, true);
}

// Only the release of a key whose press the program had: not those of the keys that closed
// the message box or pasted.
function onKeyUp(e) {
  if (!listening() || !state.run.held.has(e.code)) return;
  if (cancels(e)) e.preventDefault();
  state.run.held.delete(e.code);
  queueKey(e, false);
}

function onPaste(e) {
  if (!listening() || state.run.closeBox || !keysHere()) return;
  e.preventDefault();
  typeText(e.clipboardData.getData('text/plain'));
}

// On-screen keyboards report text, line breaks and deletions as input rather than as keys.
function onBeforeInput(e) {
  if (!listening() || state.run.closeBox || e.isComposing) return;
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
  if (listening() && !state.run.closeBox) typeText(e.data || '');
  keys.value = '';
}

// The box is modal: no key reaches the program while it is open, but Tab and the browser's keys
// still do what they do.
function onBoxKey(e) {
  if (isShortcut(e) || !cancels(e)) return;
  e.preventDefault();
  e.stopPropagation();
  if (BOX_KEYS.includes(e.code) && !e.repeat) state.run.closeBox();
}

// An answer the program rejects ends a link's replay: the box stays open, as if the visitor
// had typed the answer, and nothing more is typed behind it. The box says its message itself,
// as a dialog that asks for attention: the log does not say it again.
function messageBox(message, caption) {
  state.run.replay = [];
  return new Promise((resolve) => {
    boxCaption.textContent = caption;
    boxMessage.textContent = message;
    state.run.closeBox = () => {
      state.run.closeBox = null;
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
    state.audio = state.audio || new AudioContext();
    state.audio.resume();
    const tone = state.audio.createOscillator();
    const level = state.audio.createGain();
    tone.frequency.value = 800;
    level.gain.value = 0.1;
    tone.connect(level).connect(state.audio.destination);
    tone.onended = () => state.audio.suspend();
    tone.start();
    tone.stop(state.audio.currentTime + 0.12);
  } catch (error) {
    // No audio on this device: the box still says what went wrong.
  }
}
