// The page helper as a real page loads it: an ES module in headless
// Chromium, talking to the kit's stand-in (bridge_stand_in.mjs).
import assert from 'node:assert/strict';
import {after, before, test} from 'node:test';

import {openSession, WAIT_MS} from './browser_session.mjs';

const HELPER = '/page/orvcef-page.js';
const TEST_MS = 4 * WAIT_MS;

let session;
before(async () => {
  session = await openSession();
}, {timeout: 2 * 60000});
after(() => session && session.close());

// Runs |body|(helper, bridge, arg) in |page|, with the helper imported as
// the page would import it; resolves with what |body| returns.
function inPage(page, body, arg) {
  return page.evaluate(async (helperUrl, source, arg) => {
    const helper = await import(helperUrl);
    return await (0, eval)(`(${source})`)(helper, window.__bridge, arg);
  }, HELPER, body.toString(), arg);
}

test('queries resolve with answers and reject with the bridge\'s codes',
     {timeout: TEST_MS}, async () => {
  const page = await session.open();
  const cases = [
    // [request, stand-in settings, outcome]
    ['time', {}, {ok: '09:30:00'}],
    ['echo:Grüße "quoted"', {}, {ok: 'Grüße "quoted"'}],
    ['route', {route: '/orders'}, {ok: '/orders'}],
    ['route', {route: ''}, {ok: ''}],
    ['fail', {}, {code: 1, message: 'the host refused this request',
                  hostRefused: true}],
    ['no such request', {}, {code: -1, message: 'Unknown'}],
    ['time', {sessionReady: false},
     {code: -2, message: 'Session-Not-Ready', sessionNotReady: true}],
    ['route', {sessionReady: false},
     {code: -2, message: 'Session-Not-Ready', sessionNotReady: true}],
    ['time', {allowed: false},
     {code: -1, message: 'The query has been canceled'}],
  ];
  for (const [request, settings, expected] of cases) {
    const got = await inPage(page, async (helper, bridge, [request, set]) => {
      bridge.configure(Object.assign({allowed: true, sessionReady: true}, set));
      try {
        return {ok: await helper.query(request)};
      } catch (error) {
        return {
          code: error.code,
          message: error.message,
          typed: error instanceof helper.CefQueryError,
          name: error.name,
          sessionNotReady: error.sessionNotReady,
          hostRefused: error.hostRefused,
        };
      }
    }, [request, settings]);
    const label = `${request} ${JSON.stringify(settings)}`;
    if ('ok' in expected) {
      assert.deepEqual(got, expected, label);
      continue;
    }
    assert.equal(got.code, expected.code, label);
    assert.equal(got.message, expected.message, label);
    assert.ok(got.typed, label);
    assert.equal(got.name, 'CefQueryError', label);
    assert.equal(got.sessionNotReady, !!expected.sessionNotReady, label);
    assert.equal(got.hostRefused, !!expected.hostRefused, label);
  }
  // Each query went to the bridge once, as a one-off query with its text.
  const sent = await page.evaluate(() => window.__bridge.queries);
  assert.deepEqual(sent.map((q) => q.request), cases.map((c) => c[0]));
  assert.deepEqual(sent.map((q) => q.id), cases.map((c, i) => i + 1));
  assert.ok(sent.every((q) => q.persistent === false));
  assert.equal(await inPage(page, (helper) => helper.isAvailable()), true);
  await page.close();
});

test('a persistent query hears every answer until the page cancels it',
     {timeout: TEST_MS}, async () => {
  const page = await session.open();
  await inPage(page, (helper, bridge) => {
    window.heard = [];
    window.errors = [];
    window.clock = helper.persistentQuery(
        'time', (time) => window.heard.push(time),
        (error) => window.errors.push([error.code, error.message]));
  });
  await page.waitForFunction(() => window.heard.length === 1);
  await page.evaluate(() => window.__bridge.tick());
  await page.waitForFunction(() => window.heard.length === 2);
  await page.evaluate(() => window.__bridge.tick());
  await page.waitForFunction(() => window.heard.length === 3);

  const id = await page.evaluate(() => window.clock.id);
  const state = await page.evaluate(async () => {
    window.clock.cancel();
    window.clock.cancel();  // A second cancel sends nothing.
    window.__bridge.tick();
    // Answers come in order: once this one is in, a late answer to the
    // cancelled query would have come too.
    const fence = await (await import('/page/orvcef-page.js')).query('echo:x');
    return {
      fence,
      heard: window.heard,
      errors: window.errors,
      cancels: window.__bridge.cancels,
      pending: window.__bridge.pendingIds(),
      query: window.__bridge.queries[0],
    };
  });
  assert.equal(state.fence, 'x');
  assert.deepEqual(state.heard, ['09:30:00', '09:30:01', '09:30:02']);
  assert.deepEqual(state.errors, []);
  assert.deepEqual(state.cancels, [{id, removed: true}]);
  assert.deepEqual(state.pending, []);
  assert.deepEqual(state.query, {id, request: 'time', persistent: true});

  // A failure ends a persistent query: one error, nothing after it.
  const failed = await inPage(page, async (helper, bridge) => {
    const heard = [];
    const errors = [];
    await new Promise((done) => {
      helper.persistentQuery('fail', (text) => heard.push(text), (error) => {
        errors.push([error.code, error.message]);
        done();
      });
    });
    bridge.tick();
    await helper.query('echo:fence');
    return {heard, errors, pending: bridge.pendingIds()};
  });
  assert.deepEqual(failed, {
    heard: [],
    errors: [[1, 'the host refused this request']],
    pending: [],
  });
  await page.close();
});

test('routes pushed by the host reach every subscriber, and "route" agrees',
     {timeout: TEST_MS}, async () => {
  const page = await session.open();
  const routes = ['/orders', '/a "quoted" \\ route\nwith a line break', ''];
  const seen = await inPage(page, async (helper, bridge, routes) => {
    const seen = [];
    const stop = helper.onRoute((route) => seen.push(['first', route]));
    for (const [index, route] of routes.entries()) {
      bridge.show(route);
      seen.push(['route', await helper.currentRoute()]);
      // A late subscriber hears the last route at once.
      if (index === 0) helper.onRoute((route) => seen.push(['late', route]));
      if (index === 1) stop();
    }
    return seen;
  }, routes);
  const [a, b, c] = routes;
  assert.deepEqual(seen, [
    ['first', a], ['route', a], ['late', a],
    ['first', b], ['late', b], ['route', b],
    ['late', c], ['route', c],
  ]);
  await page.close();
});

test('without the kit the helper says so instead of calling anything',
     {timeout: TEST_MS}, async () => {
  const page = await session.open(undefined, null);
  const result = await inPage(page, async (helper) => {
    const out = {available: helper.isAvailable()};
    try {
      await helper.query('time');
    } catch (error) {
      out.query = [error.name, error instanceof helper.BridgeUnavailableError];
    }
    try {
      helper.persistentQuery('time', () => {});
    } catch (error) {
      out.persistent = error.name;
    }
    return out;
  });
  assert.deepEqual(result, {
    available: false,
    query: ['BridgeUnavailableError', true],
    persistent: 'BridgeUnavailableError',
  });
  assert.deepEqual(session.errors, []);
  await page.close();
});
