// Page-side helper for web applications shown by orvcef: a promise-returning
// cefQuery with typed errors, and a route subscription behind window.__push.
// No dependencies; works in any page the kit shows, and does nothing harmful
// in a plain browser (queries reject with BridgeUnavailableError).

/** Error codes the host bridge answers with. */
export const ErrorCode = Object.freeze({
  /** The host has no message window (not ready, or shutting down). */
  SESSION_NOT_READY: -2,
  /** No answer: the host wrote nothing, memory ran out, or the query was
   * refused or cancelled ("The query has been canceled"). */
  FAILED: -1,
  /** The host answered with a failure text of its own. */
  HOST_REFUSED: 1,
});

/** A query the host bridge answered with a failure. */
export class CefQueryError extends Error {
  constructor(code, message) {
    super(message);
    this.name = 'CefQueryError';
    this.code = code;
  }
  get sessionNotReady() {
    return this.code === ErrorCode.SESSION_NOT_READY;
  }
  get hostRefused() {
    return this.code === ErrorCode.HOST_REFUSED;
  }
}

/** The page is not shown by the kit: there is no window.cefQuery. */
export class BridgeUnavailableError extends Error {
  constructor() {
    super('cefQuery is not available in this page');
    this.name = 'BridgeUnavailableError';
  }
}

function scope(options) {
  return (options && options.window) || globalThis;
}

/** True when the page can reach the host. */
export function isAvailable(options) {
  return typeof scope(options).cefQuery === 'function';
}

/**
 * Sends |request| (a string) to the host. Resolves with the host's response
 * text; rejects with CefQueryError for the bridge's failures.
 */
export function query(request, options) {
  const win = scope(options);
  return new Promise((resolve, reject) => {
    if (typeof win.cefQuery !== 'function') {
      reject(new BridgeUnavailableError());
      return;
    }
    win.cefQuery({
      request: String(request),
      persistent: false,
      onSuccess: (response) => resolve(response),
      onFailure: (code, message) => reject(new CefQueryError(code, message)),
    });
  });
}

/**
 * A persistent query: |onResponse| may be called many times, |onError| once
 * at most. Returns a handle whose cancel() ends the query.
 */
export function persistentQuery(request, onResponse, onError, options) {
  const win = scope(options);
  if (typeof win.cefQuery !== 'function')
    throw new BridgeUnavailableError();
  let active = true;
  const id = win.cefQuery({
    request: String(request),
    persistent: true,
    onSuccess: (response) => {
      if (active) onResponse(response);
    },
    onFailure: (code, message) => {
      if (!active) return;
      active = false;
      if (onError) onError(new CefQueryError(code, message));
    },
  });
  return {
    id,
    cancel() {
      if (!active) return;
      active = false;
      if (typeof win.cefQueryCancel === 'function') win.cefQueryCancel(id);
    },
  };
}

/** Asks the host for the route of the view that shows the page now. */
export function currentRoute(options) {
  return query('route', options);
}

const routeState = new WeakMap();

function routesOf(win) {
  let state = routeState.get(win);
  if (state) return state;
  state = {listeners: new Set(), last: undefined};
  const previous = typeof win.__push === 'function' ? win.__push : null;
  // The host calls window.__push("<route>") each time one of its views
  // shows the page.
  win.__push = (route) => {
    state.last = route;
    if (previous) previous(route);
    for (const listener of [...state.listeners]) listener(route);
  };
  routeState.set(win, state);
  return state;
}

/**
 * Calls |listener| with every route the host pushes from now on (and at once
 * with the last one, if a push already came through this helper). Returns a
 * function that ends the subscription.
 */
export function onRoute(listener, options) {
  const state = routesOf(scope(options));
  state.listeners.add(listener);
  if (state.last !== undefined) listener(state.last);
  return () => state.listeners.delete(listener);
}
