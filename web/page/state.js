// ---- The page's state ------------------------------------------------------------------
// All that the page keeps from one event to the next, in one place.

function noScreen() { return {width: 0, height: 0, characters: [], attributes: [], cursor: null}; }

const state = {
  run: null,              // the current run of the program
  shown: noScreen(),      // the screen as last shown
  rowDivs: [],            // its rows on the page
  reading: newReading(),  // what the screen's words follow
  narrow: false,          // whether the screen is wider than its frame
  kept: null,             // the results on show: {answers, drawing, sheet}
  // The drawing's file, as the last save made it: kept until the next save or a new run, since
  // the download may still be reading it when the click returns.
  savedUrl: null,
  audio: null,     // for the beep, made at the first
  offline: false,  // whether the site is being kept for visits without a network
  loading: false,  // whether the program is being fetched
};
