// The web page under Lighthouse, as a phone on a slow network and as a desktop: the four
// category scores, the load figures behind the performance score, and the site's size gzipped
// (goals: performance 98 or more and total blocking time 100 ms or less on the phone, the site
// under 110 KiB). The site is served from a local static server; each preset is measured RUNS
// times and the run with the median performance score is printed.
// Lighthouse runs on node 20 with Debian's chromium; it stays outside the repository:
//   npm install --no-save --no-package-lock --ignore-scripts --prefix build/bench-node \
//     lighthouse@12.2.3
//   CHROME_PATH=/usr/bin/chromium node bench/lighthouse_bench.mjs build/web/site [RUNS]
import fs from 'node:fs';
import path from 'node:path';
import {pathToFileURL} from 'node:url';
import zlib from 'node:zlib';

import {serve} from '../tests/web/browser.mjs';

const [site, runsText] = process.argv.slice(2);
const RUNS = Number(runsText || 3);
const MODULES = process.env.SORVANTA_BENCH_NODE_MODULES || 'build/bench-node/node_modules';
const SIZE_GOAL = 110 * 1024;
const CATEGORIES = ['performance', 'accessibility', 'best-practices', 'seo'];
const FIGURES = [
  ['first-contentful-paint', 'first paint'],
  ['largest-contentful-paint', 'largest paint'],
  ['total-blocking-time', 'total blocking time'],
  ['speed-index', 'speed index'],
  ['cumulative-layout-shift', 'layout shift'],
];

function load(file) { return import(pathToFileURL(path.resolve(MODULES, file)).href); }

function siteSize() {
  let gzipped = 0;
  for (const name of fs.readdirSync(site)) {
    const bytes = fs.readFileSync(path.join(site, name));
    const packed = zlib.gzipSync(bytes, {level: 9}).length;
    console.log(`  ${name}: ${bytes.length} bytes, ${packed} gzipped`);
    gzipped += packed;
  }
  console.log(
      `site: ${gzipped} bytes gzipped = ${(gzipped / SIZE_GOAL).toFixed(3)} of the 110 KiB goal`);
}

// One run: the categories' scores and the audits behind them.
async function measure(lighthouse, launcher, url, config) {
  const chrome = await launcher.launch({
    chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage']
  });
  try {
    const result = await lighthouse(
        url, {port: chrome.port, output: 'json', logLevel: 'error', onlyCategories: CATEGORIES},
        config);
    return result.lhr;
  } finally {
    await chrome.kill();
  }
}

// What keeps a category below 100: the audits that scored less than full marks.
function shortfalls(lhr, category) {
  return lhr.categories[category]
      .auditRefs.filter((ref) => ref.weight > 0)
      .map((ref) => lhr.audits[ref.id])
      .filter((audit) => audit.score !== null && audit.score < 1)
      .map((audit) => `${audit.id} ${audit.displayValue || audit.score}`);
}

function report(name, lhr) {
  const scores = CATEGORIES.map((c) => `${c} ${Math.round(lhr.categories[c].score * 100)}`);
  console.log(`${name}: ${scores.join(', ')}`);
  for (const [id, label] of FIGURES) {
    console.log(`  ${label}: ${lhr.audits[id].displayValue}`);
  }
  for (const c of CATEGORIES) {
    const missing = shortfalls(lhr, c);
    if (missing.length > 0) console.log(`  ${c} short of 100: ${missing.join('; ')}`);
  }
}

async function preset(name, config, url, lighthouse, launcher) {
  const runs = [];
  for (let i = 0; i < RUNS; i++) runs.push(await measure(lighthouse, launcher, url, config));
  runs.sort((a, b) => a.categories.performance.score - b.categories.performance.score);
  const each = runs.map(
      (r) => Math.round(r.categories.performance.score * 100) + ' (' +
          r.audits['total-blocking-time'].displayValue + ')');
  console.log(`${name}, performance (total blocking time) of each run: ${each.join(', ')}`);
  report(name, runs[Math.floor(RUNS / 2)]);
}

const lighthouse = (await load('lighthouse/core/index.js')).default;
const desktop = (await load('lighthouse/core/config/desktop-config.js')).default;
const launcher = await load('chrome-launcher/dist/index.js');
siteSize();
const server = await serve(path.resolve(site));
try {
  await preset('phone', undefined, server.url, lighthouse, launcher);
  await preset('desktop', desktop, server.url, lighthouse, launcher);
} finally {
  await server.close();
}
