// The site served over http from a server of the test's own: installable (the manifest with
// its fields and icons, no installability errors from Chromium) and kept for visits without a
// network (the service worker active after the first visit; offline, the site's folder, its
// page and a link to a plan each load and run a whole dialog). A new version of the site
// replaces the one kept at the next visit, offline too. Opened from disk the page has neither
// manifest nor service worker, and works as before.
//   node offline.mjs SITE_DIR
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

import {check, fileUrl, openSite, rowText, serve, typeKeys, waitFor, waitForResults, waitForRow, withBrowser} from './browser.mjs';

const site = process.argv[2];
const ANSWERS = '5 4 N 6 0.5 110';
const RESULTS = ['4.32', '3.23', '6.00'];
const LINK = 'index.html?' + ANSWERS.split(' ').map((a) => 'answer=' + a).join('&');
// The manifest's fields and what each must hold.
const FIELDS = [
  ['name', (v) => typeof v === 'string' && v.startsWith('Sorvanta')],
  ['short_name', (v) => v === 'Sorvanta'],
  ['start_url', (v) => typeof v === 'string' && v !== ''],
  ['display', (v) => v === 'standalone'],
  ['theme_color', (v) => /^#[0-9a-f]{6}$/i.test(v)],
  ['icons', (v) => Array.isArray(v) && v.length >= 2],
];
// Offline: where the visit goes, and whether it types the answers or the link does.
const OFFLINE_VISITS = [['', true], ['index.html', true], [LINK, false]];

// The width and height a PNG file's header gives.
function pngSize(file) {
  const bytes = fs.readFileSync(file);
  check(bytes.toString('latin1', 1, 4) === 'PNG', file + ' is no PNG');
  return [bytes.readUInt32BE(16), bytes.readUInt32BE(20)];
}

async function installable(page, dir) {
  const session = await page.createCDPSession();
  const manifest = await session.send('Page.getAppManifest');
  const {installabilityErrors} = await session.send('Page.getInstallabilityErrors');
  await session.detach();
  check(manifest.errors.length === 0, 'the manifest: ' + JSON.stringify(manifest.errors));
  const fields = JSON.parse(manifest.data);
  for (const [name, holds] of FIELDS) {
    check(holds(fields[name]), 'the manifest\'s ' + name + ' is ' + JSON.stringify(fields[name]));
  }
  for (const size of [192, 512]) {
    const icon = fields.icons.find((i) => i.sizes === size + 'x' + size);
    check(icon && icon.type === 'image/png', 'no PNG icon of ' + size + ' px');
    check(pngSize(path.join(dir, icon.src)).join() === [size, size].join(), icon.src + ' size');
  }
  check(
      installabilityErrors.length === 0,
      'not installable: ' + JSON.stringify(installabilityErrors));
}

function workerActive(page) {
  return waitFor(page, 'the service worker in control', async () => {
    const registration = await navigator.serviceWorker.getRegistration();
    return registration && registration.active && registration.active.state === 'activated' &&
        navigator.serviceWorker.controller !== null;
  });
}

const kept = (page) => page.evaluate(() => caches.keys());

async function results(page) {
  return Promise.all([16, 17, 18].map(async (row) => (await rowText(page, row)).slice(71).trim()));
}

// A whole dialog, typed or replayed from the link, to the report's results.
async function dialog(page, typed) {
  await waitForRow(page, 8, 'Maximum front-back spacing');
  if (typed) await typeKeys(page, ANSWERS.split(' ').join('\r') + '\r');
  await waitForResults(page);
  const got = await results(page);
  check(got.join() === RESULTS.join(), 'the results are ' + got.join(', '));
}

// The site changed on its server: a page of its own, and so a worker of its own.
function newVersion(dir) {
  const page = path.join(dir, 'index.html');
  fs.writeFileSync(
      page,
      fs.readFileSync(page, 'utf8').replace('<head>', '<head>\n<meta name="version" content="2">'));
  const worker = path.join(dir, 'service-worker.js');
  fs.writeFileSync(
      worker, fs.readFileSync(worker, 'utf8').replace(/'sorvanta-(\w+)'/, '\'sorvanta-$1-2\''));
}

const versionShown = (page) =>
    page.evaluate(() => document.querySelector('meta[name=version]') !== null);

withBrowser(async (browser) => {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'sorvanta-site-'));
  fs.cpSync(site, dir, {recursive: true});
  const server = await serve(dir);
  try {
    const page = await openSite(browser, server.url);
    await waitForRow(page, 8, 'Maximum front-back spacing');
    await workerActive(page);
    await installable(page, dir);
    const first = await kept(page);
    check(first.length === 1, 'kept: ' + first.join());
    await page.setOfflineMode(true);
    for (const [visit, typed] of OFFLINE_VISITS) {
      await page.goto(server.url + visit);
      await dialog(page, typed);
      console.log('passed offline: /' + visit);
    }
    await page.setOfflineMode(false);
    newVersion(dir);
    await page.goto(server.url);
    check(await versionShown(page), 'the new version is not shown online');
    await waitFor(page, 'the new version kept', async (old) => {
      const names = await caches.keys();
      return names.length === 1 && names[0] !== old;
    }, first[0]);
    await page.setOfflineMode(true);
    await page.reload();
    check(await versionShown(page), 'offline, the old version is shown');
    await dialog(page, true);
    check(
        page.siteErrors.every((e) => /ERR_INTERNET_DISCONNECTED/.test(e)),
        page.siteErrors.join('\n'));
    await page.close();
    console.log('passed: the new version replaced the one kept');
    const opened = await openSite(browser, fileUrl(site));
    await waitForRow(opened, 8, 'Maximum front-back spacing');
    check(
        await opened.evaluate(() => document.querySelector('link[rel=manifest]') === null),
        'from disk the page names a manifest');
    check(opened.siteErrors.length === 0, opened.siteErrors.join('\n'));
    console.log('passed: from disk');
  } finally {
    await server.close();
    fs.rmSync(dir, {recursive: true, force: true});
  }
  console.log('offline passed: ' + OFFLINE_VISITS.length + ' visits offline, a new version');
});
