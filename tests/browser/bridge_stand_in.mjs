// A stand-in for what the kit puts into a page: cefQuery and cefQueryCancel
// as CEF's message router defines them, answered as the kit's query bridge
// and the sample host answer, and the host's route pushes. The test injects
// installBridge into the page before any page script runs; it must
// therefore be self-contained (it is sent to the page as source text).
//
// As the router and the kit do:
//  - query ids count from 1; cefQueryCancel(id) returns whether a pending
//    query was removed, and a cancelled query hears nothing more;
//  - onSuccess and onFailure are called later, never inside cefQuery;
//  - a page whose host is not allowed gets -1 "The query has been
//    canceled"; without a message window every query gets -2
//    "Session-Not-Ready";
//  - "route" is answered with the route of the view shown last;
//  - other requests go to the host, whose reply follows the reply grammar:
//    "ok:<text>" succeeds, an empty reply fails with -1 "Unknown", anything
//    else fails with code 1 and the reply as message;
//  - a persistent query stays open after an answer and is answered again
//    on each tick() until it is cancelled or fails.
//
// The test reads and drives it through window.__bridge.
export function installBridge(options) {
  const settings = Object.assign(
      {allowed: true, sessionReady: true, route: '', earlyRoute: undefined},
      options);
  const pending = new Map();  // Query id -> the page's query.
  let nextId = 1;
  let clockSeconds = 9 * 3600 + 30 * 60;  // The host's clock: 09:30:00.

  // The sample host's answers (examples/sample_host/sample_host.cc).
  function hostReply(request) {
    if (request === 'time') {
      const s = clockSeconds++;
      const two = (n) => String(n).padStart(2, '0');
      return `ok:${two(Math.floor(s / 3600))}:${two(Math.floor(s / 60) % 60)}:${
          two(s % 60)}`;
    }
    if (request.startsWith('echo:')) return 'ok:' + request.slice(5);
    if (request === 'fail') return 'the host refused this request';
    return '';
  }

  function outcome(request) {
    if (!settings.allowed) return [false, -1, 'The query has been canceled'];
    if (!settings.sessionReady) return [false, -2, 'Session-Not-Ready'];
    if (request === 'route') return [true, settings.route];
    const reply = hostReply(request);
    if (reply.startsWith('ok:')) return [true, reply.slice(3)];
    if (reply === '') return [false, -1, 'Unknown'];
    return [false, 1, reply];
  }

  // Answers query |id| once, later, unless it is gone by then.
  function answerLater(id) {
    setTimeout(() => {
      const query = pending.get(id);
      if (!query) return;
      const [ok, first, second] = outcome(query.request);
      if (!ok || !query.persistent) pending.delete(id);
      bridge.answers.push({id, ok, value: ok ? first : [first, second]});
      if (ok) {
        if (query.onSuccess) query.onSuccess(first);
      } else if (query.onFailure) {
        query.onFailure(first, second);
      }
    }, 0);
  }

  const bridge = {
    queries: [],  // Every cefQuery: {id, request, persistent}.
    cancels: [],  // Every cefQueryCancel: {id, removed}.
    answers: [],  // Every answer given: {id, ok, value}.
    pendingIds: () => [...pending.keys()],
    configure: (changes) => Object.assign(settings, changes),
    // Another answer for every open persistent query.
    tick() {
      for (const [id, query] of pending)
        if (query.persistent) answerLater(id);
    },
    // What the kit does when the host shows a view: it keeps the route for
    // "route" and runs window.__push("<route as JSON>"); in the page.
    show(route) {
      settings.route = route;
      (0, eval)('window.__push(' + JSON.stringify(route) + ');');
    },
  };

  window.cefQuery = function(query) {
    if (arguments.length !== 1 || typeof query !== 'object' || !query)
      throw new Error('Invalid arguments; expecting a single object');
    if (typeof query.request !== 'string') {
      throw new Error(
          'Invalid arguments; object member \'request\' is required and ' +
          'must have type string');
    }
    for (const [name, type] of [
             ['onSuccess', 'function'], ['onFailure', 'function'],
             ['persistent', 'boolean']]) {
      if (name in query && typeof query[name] !== type) {
        throw new Error(`Invalid arguments; object member '${
            name}' must have type ${type}`);
      }
    }
    const id = nextId++;
    const persistent = query.persistent === true;
    pending.set(id, {
      request: query.request,
      persistent,
      onSuccess: query.onSuccess,
      onFailure: query.onFailure,
    });
    bridge.queries.push({id, request: query.request, persistent});
    answerLater(id);
    return id;
  };

  window.cefQueryCancel = function(id) {
    if (arguments.length !== 1 || !Number.isInteger(id))
      throw new Error('Invalid arguments; expecting a single integer');
    const removed = pending.delete(id);
    bridge.cancels.push({id, removed});
    return removed;
  };

  window.__bridge = bridge;

  // A host that shows its view while the page is still starting: the push
  // arrives once the document is parsed, before its module scripts run.
  if (settings.earlyRoute !== undefined) {
    document.addEventListener('readystatechange', function early() {
      if (document.readyState !== 'interactive') return;
      document.removeEventListener('readystatechange', early);
      bridge.show(settings.earlyRoute);
    });
  }
}
