// The sample web application: three views that the host chooses with
// window.__push, requests to the host through the page helper, and the
// state of the bridge on screen.
//
// What the page does on its own, in this order (the demo's scenario plays
// the same steps):
//   once loaded:  asks the host for "time", the kit for "route", and sends
//                 "fail", which the sample host refuses;
//   on each push: sends "echo:<route>", asks the kit for "route" again and
//                 names itself "Sample app - <route>".
import {
  BridgeUnavailableError,
  currentRoute,
  isAvailable,
  onRoute,
  persistentQuery,
  query,
} from 'orvcef-page';

const APP_TITLE = 'Sample app';
const HOME = '/home';
const ACTIVITY_LIMIT = 8;

const ORDERS = [
  ['SO-10452', 'Baltic Foods GmbH', '2026-12-09', 4820.0, 'Awaiting approval'],
  ['SO-10451', 'Nordkap Marine', '2026-12-09', 1275.5, 'Picking'],
  ['SO-10449', 'Vega Office Supply', '2026-12-08', 312.9, 'Shipped'],
  ['SO-10447', 'Harmsen & Zonen', '2026-12-08', 9140.0, 'Late'],
  ['SO-10446', 'Lindqvist Tools AB', '2026-12-07', 688.4, 'Shipped'],
  ['SO-10443', 'Porto Verde Lda', '2026-12-06', 2290.0, 'Invoiced'],
];

const $ = (id) => document.getElementById(id);

// --- Visible state -----------------------------------------------------------

function logActivity(text, outcome) {
  const item = document.createElement('li');
  item.textContent = text;
  if (outcome) item.dataset.outcome = outcome;
  const list = $('activity');
  list.prepend(item);
  while (list.children.length > ACTIVITY_LIMIT) list.lastChild.remove();
}

function describeError(error) {
  if (error instanceof BridgeUnavailableError)
    return 'the bridge is not available';
  return `failed with code ${error.code}: ${error.message}`;
}

function showAnswer(request, text, outcome) {
  const answer = $('last-answer');
  answer.textContent = `${request} \u2192 ${text}`;
  answer.dataset.outcome = outcome;
  logActivity(answer.textContent, outcome);
}

function showBridge() {
  const available = isAvailable();
  const state = $('bridge-state');
  state.dataset.state = available ? 'available' : 'unavailable';
  state.textContent = available ? 'Bridge: connected' : 'Bridge: not available';
  $('bridge-text').textContent = available
      ? 'available: the page is shown by the host'
      : 'not available: the page is open outside the host';
}

// Shows the view for |route|; unknown routes get a view that says so.
function showView(route) {
  $('current-route').textContent = route === '' ? '(empty)' : route;
  let shown = null;
  for (const view of document.querySelectorAll('.view[data-route]')) {
    view.hidden = view.dataset.route !== route;
    if (!view.hidden) shown = view;
  }
  $('view-other').hidden = shown !== null;
  $('other-route').textContent = route;
  for (const tab of document.querySelectorAll('.tab'))
    tab.classList.toggle('active', tab.dataset.route === route);
  if (route !== HOME) stopClock();
}

// --- Requests ----------------------------------------------------------------

// Sends |request| to the host and shows the outcome; resolves with the
// answer, or null when it failed.
async function ask(request) {
  try {
    const answer = await query(request);
    showAnswer(request, answer, 'success');
    return answer;
  } catch (error) {
    showAnswer(request, describeError(error), 'failure');
    return null;
  }
}

async function askTime() {
  const time = await ask('time');
  if (time !== null) $('host-time').textContent = time;
}

// The kit answers "route" itself with the view shown now.
async function confirmRoute() {
  try {
    const route = await currentRoute();
    showAnswer('route', route === '' ? '(empty)' : route, 'success');
    return route;
  } catch (error) {
    showAnswer('route', describeError(error), 'failure');
    return null;
  }
}

// --- The host clock: a persistent query the page cancels ---------------------

let clock = null;

function startClock() {
  try {
    clock = persistentQuery(
        'time',
        (time) => {
          $('clock-time').textContent = time;
          $('host-time').textContent = time;
          showAnswer('time (following)', time, 'success');
        },
        (error) => {
          clock = null;
          $('clock-time').textContent = 'stopped';
          $('follow-clock').textContent = 'Follow host clock';
          showAnswer('time (following)', describeError(error), 'failure');
        });
  } catch (error) {
    showAnswer('time (following)', describeError(error), 'failure');
    return;
  }
  $('clock-time').textContent = 'waiting for the host';
  $('follow-clock').textContent = 'Stop following';
  logActivity(`following the host clock (query ${clock.id})`);
}

function stopClock() {
  if (!clock) return;
  clock.cancel();
  logActivity(`stopped following the host clock (query ${clock.id})`);
  clock = null;
  $('clock-time').textContent = 'not followed';
  $('follow-clock').textContent = 'Follow host clock';
}

// --- Views pushed by the host ------------------------------------------------

let pushed = false;

function onPush(route) {
  pushed = true;
  showView(route);
  logActivity(`host showed ${route === '' ? '(empty)' : route}`);
  ask(`echo:${route}`);
  confirmRoute();
  document.title = `${APP_TITLE} - ${route}`;
}

// --- Start -------------------------------------------------------------------

function renderStatic() {
  const cards = [
    ['Open orders', String(ORDERS.filter((o) => o[4] !== 'Shipped').length)],
    ['Ship today', '2'],
    ['Late', String(ORDERS.filter((o) => o[4] === 'Late').length)],
    ['Revenue in December', '\u20ac 18,526.80'],
  ];
  for (const [label, value] of cards) {
    const card = document.createElement('div');
    card.className = 'card metric';
    card.innerHTML = '<p class="label"></p><p class="value"></p>';
    card.querySelector('.label').textContent = label;
    card.querySelector('.value').textContent = value;
    $('home-cards').append(card);
  }
  const money =
      new Intl.NumberFormat('en-GB', {style: 'currency', currency: 'EUR'});
  for (const [number, customer, date, amount, status] of ORDERS) {
    const row = $('orders-rows').insertRow();
    for (const text of [number, customer, date, money.format(amount)])
      row.insertCell().textContent = text;
    row.cells[1].className = 'wrap';
    row.cells[3].className = 'num';
    const badge = document.createElement('span');
    badge.className = 'badge';
    badge.dataset.status = status.toLowerCase().replace(/ /g, '-');
    badge.textContent = status;
    row.insertCell().append(badge);
  }
}

function start() {
  renderStatic();
  showBridge();
  $('ask-time').addEventListener('click', askTime);
  $('ask-refused').addEventListener('click', () => ask('fail'));
  $('follow-clock').addEventListener(
      'click', () => (clock ? stopClock() : startClock()));

  // A route the host pushed before this module ran is handled as a push.
  const early = window.__earlyRoute;
  onRoute(onPush);
  if (early !== undefined) window.__push(early);

  // The three requests go out at once, as the scenario sends them; the
  // kit's answer to "route" shows its view unless a push came first.
  askTime();
  confirmRoute().then((route) => {
    if (route && !pushed) showView(route);
  });
  ask('fail');
}

start();
