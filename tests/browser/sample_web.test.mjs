// The sample web application (examples/sample_web) in headless Chromium,
// shown by the kit's stand-in the way the sample host shows it: what it
// asks the host, and what it shows for each answer and each pushed view.
import assert from 'node:assert/strict';
import {mkdirSync} from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {after, before, test} from 'node:test';

import {openSession, WAIT_MS} from './browser_session.mjs';

const APP = '/examples/sample_web/index.html';
const TEST_MS = 4 * WAIT_MS;
// Where the screenshot goes: the build folder when CTest runs us.
const OUT_DIR =
    process.env.ORV_BROWSER_OUT || path.join(os.tmpdir(), 'orvcef-browser');

let session;
before(async () => {
  session = await openSession();
}, {timeout: 2 * 60000});
after(() => session && session.close());

// The page's visible state.
function readState(page) {
  return page.evaluate(() => {
    const text = (id) => document.getElementById(id).textContent.trim();
    const shown =
        [...document.querySelectorAll('.view')].filter((v) => !v.hidden);
    return {
      title: document.title,
      bridge: text('bridge-state'),
      route: text('current-route'),
      answer: text('last-answer'),
      outcome: document.getElementById('last-answer').dataset.outcome,
      hostTime: text('host-time'),
      views: shown.map((v) => v.id),
      tab: document.querySelector('.tab.active')?.textContent ?? null,
      clock: text('clock-time'),
    };
  });
}

// Requests the page sent, in order.
function sentRequests(page) {
  return page.evaluate(() => window.__bridge.queries.map((q) => q.request));
}

async function waitForRequests(page, count) {
  await page.waitForFunction(
      (count) => window.__bridge.answers.length >= count &&
          window.__bridge.queries.length >= count,
      {}, count);
}

test('once loaded the page asks for the time and its route, and shows a refusal',
     {timeout: TEST_MS}, async () => {
  const page = await session.open(APP, {route: '/home'});
  await waitForRequests(page, 3);
  await page.waitForFunction(
      () => document.getElementById('last-answer').dataset.outcome === 'failure');
  assert.deepEqual(await sentRequests(page), ['time', 'route', 'fail']);
  const state = await readState(page);
  assert.equal(state.title, 'Sample app');
  assert.equal(state.bridge, 'Bridge: connected');
  assert.equal(state.hostTime, '09:30:00');
  assert.equal(state.route, '/home');
  assert.deepEqual(state.views, ['view-home']);
  assert.equal(state.answer,
               'fail \u2192 failed with code 1: the host refused this request');
  assert.deepEqual(session.errors, []);
  await page.close();
});

test('each view the host shows is the view the page shows',
     {timeout: TEST_MS}, async () => {
  const page = await session.open(APP);
  await waitForRequests(page, 3);
  // The sample host's tour, then a route the application does not know.
  const cases = [
    ['/orders', 'view-orders', 'Orders'],
    ['/settings', 'view-settings', 'Settings'],
    ['/home', 'view-home', 'Home'],
    ['/reports "2026"', 'view-other', null],
  ];
  let expected = ['time', 'route', 'fail'];
  for (const [route, view, tab] of cases) {
    await page.evaluate((route) => window.__bridge.show(route), route);
    expected = [...expected, `echo:${route}`, 'route'];
    await waitForRequests(page, expected.length);
    await page.waitForFunction(
        (answer) => document.getElementById('last-answer').textContent === answer,
        {}, `route \u2192 ${route}`);
    const state = await readState(page);
    assert.equal(state.title, `Sample app - ${route}`, route);
    assert.equal(state.route, route, route);
    assert.deepEqual(state.views, [view], route);
    assert.equal(state.tab, tab, route);
    assert.equal(state.outcome, 'success', route);
  }
  assert.deepEqual(await sentRequests(page), expected);
  assert.equal(
      await page.$eval('#other-route', (e) => e.textContent), '/reports "2026"');
  assert.deepEqual(session.errors, []);
  await page.close();
});

test('a view shown while the page starts is not lost',
     {timeout: TEST_MS}, async () => {
  const page = await session.open(APP, {earlyRoute: '/settings'});
  await page.waitForFunction(() => document.title === 'Sample app - /settings');
  await waitForRequests(page, 5);
  const state = await readState(page);
  assert.deepEqual(state.views, ['view-settings']);
  assert.deepEqual(
      (await sentRequests(page)).sort(),
      ['echo:/settings', 'fail', 'route', 'route', 'time']);
  assert.deepEqual(session.errors, []);
  await page.close();
});

test('the buttons ask the host, and the host clock is cancelled by the page',
     {timeout: TEST_MS}, async () => {
  const page = await session.open(APP, {route: '/home'});
  await waitForRequests(page, 3);

  await page.click('#ask-time');
  await page.waitForFunction(
      () => document.getElementById('host-time').textContent === '09:30:01');
  await page.click('#ask-refused');
  await waitForRequests(page, 5);
  await page.waitForFunction(
      () => document.getElementById('last-answer').dataset.outcome === 'failure');

  // Following the clock: one persistent query, answered on every tick.
  await page.click('#follow-clock');
  await page.waitForFunction(
      () => document.getElementById('clock-time').textContent === '09:30:02');
  for (const time of ['09:30:03', '09:30:04']) {
    await page.evaluate(() => window.__bridge.tick());
    await page.waitForFunction(
        (time) => document.getElementById('clock-time').textContent === time,
        {}, time);
  }
  const clock = await page.evaluate(() => window.__bridge.queries.at(-1));
  assert.deepEqual(clock, {id: 6, request: 'time', persistent: true});
  assert.equal(
      await page.$eval('#follow-clock', (e) => e.textContent), 'Stop following');

  await page.click('#follow-clock');
  const stopped = await page.evaluate(() => ({
    cancels: window.__bridge.cancels,
    pending: window.__bridge.pendingIds(),
  }));
  assert.deepEqual(stopped, {cancels: [{id: 6, removed: true}], pending: []});
  assert.equal((await readState(page)).clock, 'not followed');

  // Leaving the home view cancels a followed clock too.
  await page.click('#follow-clock');
  await page.waitForFunction(() => window.__bridge.pendingIds().length === 1);
  const second = await page.evaluate(() => window.__bridge.pendingIds()[0]);
  await page.evaluate(() => window.__bridge.show('/orders'));
  await page.waitForFunction(() => window.__bridge.cancels.length === 2);
  assert.deepEqual(
      await page.evaluate(() => window.__bridge.cancels.at(-1)),
      {id: second, removed: true});
  assert.deepEqual(session.errors, []);
  await page.close();
});

test('outside the host the page says the bridge is not available',
     {timeout: TEST_MS}, async () => {
  const page = await session.open(APP, null);
  await page.waitForFunction(
      () => document.getElementById('last-answer').textContent ===
          'fail \u2192 the bridge is not available');
  const state = await readState(page);
  assert.equal(state.bridge, 'Bridge: not available');
  assert.equal(state.hostTime, 'not asked yet');
  assert.deepEqual(session.errors, []);
  await page.close();
});

test('screenshot of the sample application', {timeout: TEST_MS}, async () => {
  const page = await session.open(APP, {route: '/home'});
  await waitForRequests(page, 3);
  await page.evaluate(() => window.__bridge.show('/orders'));
  await waitForRequests(page, 5);
  await page.waitForFunction(
      () => document.getElementById('last-answer').textContent ===
          'route \u2192 /orders');
  mkdirSync(OUT_DIR, {recursive: true});
  const file = path.join(OUT_DIR, 'sample_web.png');
  await page.screenshot({path: file});
  console.log(`screenshot: ${file}`);
  await page.close();
});
