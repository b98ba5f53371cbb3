// One headless Chromium (Debian's package) driven by puppeteer-core, with
// the repository served beside it, for one test file. Every wait is
// bounded, so a broken page fails the test instead of hanging it.
import {accessSync, constants, mkdtempSync, rmSync} from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {fileURLToPath} from 'node:url';

import {installBridge} from './bridge_stand_in.mjs';
import {BLANK_PAGE, serve} from './static_server.mjs';

export const REPO_ROOT =
    path.resolve(path.dirname(fileURLToPath(import.meta.url)), '..', '..');
export const CHROMIUM = process.env.ORV_CHROMIUM || '/usr/bin/chromium';
// Bounds every wait for the page; a launch or the protocol gets longer.
export const WAIT_MS = 20000;
const LAUNCH_MS = 60000;

const FLAGS = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic',
  '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync',
];

async function loadPuppeteer() {
  try {
    return (await import('puppeteer-core')).default;
  } catch (error) {
    throw new Error(
        'puppeteer-core is not installed: run "npm ci" in tests/browser ' +
        `(scripts/setup.sh does) [${error.message}]`);
  }
}

function checkChromium() {
  try {
    accessSync(CHROMIUM, constants.X_OK);
  } catch {
    throw new Error(
        `Chromium is not installed at ${CHROMIUM}: install Debian's ` +
        '"chromium" package (scripts/setup.sh does)');
  }
}

// Starts the server and the browser. Returns the session; call close().
export async function openSession() {
  checkChromium();
  const puppeteer = await loadPuppeteer();
  const server = await serve(REPO_ROOT);
  const profile = mkdtempSync(path.join(os.tmpdir(), 'orv-chromium-'));
  let browser;
  try {
    browser = await puppeteer.launch({
      executablePath: CHROMIUM,
      headless: true,
      args: [...FLAGS, `--user-data-dir=${profile}`],
      timeout: LAUNCH_MS,
      protocolTimeout: LAUNCH_MS,
    });
  } catch (error) {
    await server.close();
    rmSync(profile, {recursive: true, force: true});
    throw error;
  }
  const errors = [];  // Script errors of every page, for the tests to check.

  return {
    origin: server.origin,
    errors,

    // A new page with the kit's stand-in installed (unless |bridge| is
    // null), showing |url| (a path on the server; the empty page by
    // default).
    async open(url = BLANK_PAGE, bridge = {}) {
      const page = await browser.newPage();
      page.setDefaultTimeout(WAIT_MS);
      page.setDefaultNavigationTimeout(WAIT_MS);
      page.on('pageerror', (error) => errors.push(error.message));
      await page.setViewport({width: 960, height: 600});
      if (bridge) await page.evaluateOnNewDocument(installBridge, bridge);
      await page.goto(server.origin + url, {waitUntil: 'load'});
      return page;
    },

    async close() {
      await browser.close().catch(() => {});
      await server.close();
      rmSync(profile, {recursive: true, force: true});
    },
  };
}
