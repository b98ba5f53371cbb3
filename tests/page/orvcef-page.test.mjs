// The page-side helper against a stand-in for the kit's page globals that
// answers the way CEF's router does: asynchronously, by query id.
import assert from 'node:assert/strict';
import {test} from 'node:test';

import {
  BridgeUnavailableError,
  CefQueryError,
  ErrorCode,
  currentRoute,
  isAvailable,
  onRoute,
  persistentQuery,
  query,
} from '../../page/orvcef-page.js';

// A page window whose host answers |answer(request)| = {ok, text} or
// {code, message}; queries are kept by id so tests can answer them later.
function fakeWindow(answer) {
  const win = {queries: new Map(), cancelled: [], nextId: 1};
  win.cefQuery = (q) => {
    const id = win.nextId++;
    win.queries.set(id, q);
    if (answer) {
      setImmediate(() => {
        const a = answer(q.request);
        if ('ok' in a) q.onSuccess(a.ok);
        else q.onFailure(a.code, a.message);
      });
    }
    return id;
  };
  win.cefQueryCancel = (id) => win.cancelled.push(id);
  return win;
}

test('query resolves with the response and rejects with typed errors', async () => {
  const win = fakeWindow((request) => {
    switch (request) {
      case 'time':
        return {ok: '12:00:00'};
      case 'route':
        return {ok: '/orders'};
      case 'early':
        return {code: -2, message: 'Session-Not-Ready'};
      case 'nothing':
        return {code: -1, message: 'Unknown'};
      default:
        return {code: 1, message: 'denied: ' + request};
    }
  });
  const options = {window: win};
  assert.equal(await query('time', options), '12:00:00');
  assert.equal(await currentRoute(options), '/orders');
  const cases = [
    ['early', ErrorCode.SESSION_NOT_READY, 'Session-Not-Ready'],
    ['nothing', ErrorCode.FAILED, 'Unknown'],
    ['other', ErrorCode.HOST_REFUSED, 'denied: other'],
  ];
  for (const [request, code, message] of cases) {
    await assert.rejects(query(request, options), (error) => {
      assert.ok(error instanceof CefQueryError, request);
      assert.equal(error.code, code, request);
      assert.equal(error.message, message, request);
      assert.equal(error.sessionNotReady, code === -2, request);
      assert.equal(error.hostRefused, code === 1, request);
      return true;
    });
  }
  // Requests travel as text and are never persistent here.
  await query(42, options).catch(() => {});
  const last = [...win.queries.values()].at(-1);
  assert.equal(last.request, '42');
  assert.equal(last.persistent, false);
});

test('without the bridge, queries reject and availability says so', async () => {
  const plain = {};
  assert.equal(isAvailable({window: plain}), false);
  assert.equal(isAvailable({window: fakeWindow()}), true);
  await assert.rejects(query('x', {window: plain}), BridgeUnavailableError);
  assert.throws(
      () => persistentQuery('x', () => {}, null, {window: plain}),
      BridgeUnavailableError);
});

test('persistent queries take many answers until cancelled', () => {
  const win = fakeWindow();
  const responses = [];
  const errors = [];
  const handle = persistentQuery(
      'ticks', (r) => responses.push(r), (e) => errors.push(e), {window: win});
  const q = win.queries.get(handle.id);
  assert.equal(q.persistent, true);
  q.onSuccess('1');
  q.onSuccess('2');
  handle.cancel();
  handle.cancel();
  q.onSuccess('late');
  q.onFailure(-1, 'The query has been canceled');
  assert.deepEqual(responses, ['1', '2']);
  assert.deepEqual(errors, []);
  assert.deepEqual(win.cancelled, [handle.id]);

  // A failure ends the query: one error, nothing after it.
  const other = persistentQuery(
      'ticks', (r) => responses.push(r), (e) => errors.push(e), {window: win});
  win.queries.get(other.id).onFailure(-2, 'Session-Not-Ready');
  win.queries.get(other.id).onSuccess('after');
  assert.equal(errors.length, 1);
  assert.equal(errors[0].code, -2);
  assert.deepEqual(responses, ['1', '2']);
});

test('route subscriptions follow window.__push', () => {
  const earlier = [];
  const win = {__push: (route) => earlier.push(route)};
  const seen = [];
  const stop = onRoute((route) => seen.push(['a', route]), {window: win});
  win.__push('/home');
  // A late subscriber hears the last route at once.
  onRoute((route) => seen.push(['b', route]), {window: win});
  stop();
  win.__push('/orders "quoted"');
  assert.deepEqual(seen, [
    ['a', '/home'],
    ['b', '/home'],
    ['b', '/orders "quoted"'],
  ]);
  // A __push the page had before keeps being called.
  assert.deepEqual(earlier, ['/home', '/orders "quoted"']);
});
