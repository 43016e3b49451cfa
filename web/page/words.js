// ---- The screen in words ---------------------------------------------------------------
// What the live region says, as plain functions of the screen's cells: a screen is {width,
// height, characters, attributes, cursor: {x, y, visible}}, as the program shows it. The program
// shows its cursor only while it reads a line. So where the cursor appears, the text to its left
// is the question; when it goes, the text from where it appeared is the answer; and what else
// changed on the screen meanwhile is what the program printed. No part of the page is touched
// here, so that node runs these functions as they are.

// The console's light red, in which the program prints a result over its limit.
const LIGHT_RED = 12;
const SPACE = 32;

// Where the words stand between one screen and the next.
function newReading() {
  return {
    line: null,   // where a line is being read: {row, column, lastRow, question}
    printed: [],  // the rows the latest screen printed, in words
  };
}

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

function blankRow(s, y) { return textOf(s, y, 0, s.width).trim() === ''; }

function printedRow(s, y) {
  const text = textOf(s, y, 0, s.width);
  return {words: wordsOf(text), paired: / {2,}\S/.test(text.trim()), overLimit: overLimit(s, y)};
}

function spoken(row) { return row.words + (row.overLimit ? ', over your limit' : ''); }

function sentence(words) { return /[.?!]$/.test(words) ? words : words + '.'; }

// Sentences as one entry of the log.
function entryOf(sentences) { return sentences.map(sentence).join(' '); }

// Whether the cursor is still in the line being read: on its rows, or on the next row once the
// typing has filled the last one to the edge.
function lineGoesOn(reading, s) {
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
function followLine(reading, s, sentences) {
  const c = s.cursor;
  if (lineGoesOn(reading, s)) {
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

// What is to be said of screen `s`, whose rows `changed` differ from the screen before: the
// answer just given, what was printed, and the question now asked, in that order.
function heard(reading, s, changed) {
  const sentences = [];
  const before = reading.line;
  const taken = followLine(reading, s, sentences);
  reading.printed =
      changed.filter((y) => !taken.includes(y)).map((y) => printedRow(s, y)).filter((r) => r.words);
  sentences.push(...reading.printed.map(spoken));
  const line = reading.line;
  if (line !== null && line !== before && line.question) sentences.push(line.question);
  return sentences;
}

// The answer typed so far into the line being read, in words.
function typedSoFar(reading, s) {
  const line = reading.line;
  const sofar = line === null ?
      '' :
      textBetween(s, {row: line.row, column: line.column}, {row: s.cursor.y, column: s.cursor.x});
  return sofar === '' ? 'Nothing typed yet' : 'Typed so far: ' + sofar;
}
