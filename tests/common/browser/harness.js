// The browser harness of the web UI tests: Debian's chromium driven through
// playwright-core. A scenario script requires this module, opens a page and
// checks it; any failure ends the process with status 1 and a message, a
// missing browser or driver with status 77 (the test is skipped).
//
// Pages come either from files (servePage: the page under test and the web
// resources, answered by request interception, so no server is needed) or
// from a running front end (any URL; its test certificates are not in the
// browser's store, so certificate errors are ignored). Every dialog the page
// opens fails the scenario unless the scenario said it expects one, and so
// does every script error of the page.

'use strict';

const fs = require('fs');
const path = require('path');

const kChromium = process.env.KW_CHROMIUM || '/usr/bin/chromium';
// The origin under which served files appear; nothing is fetched from it.
const kOrigin = 'http://kitwright.test';

function skip(reason) {
  console.log('SKIP: ' + reason);
  process.exit(77);
}

function loadDriver() {
  try {
    return require('playwright-core');
  } catch (e) {
    skip('playwright-core is not installed (npm install -g playwright-core): ' + e.message);
  }
}

class Failure extends Error {}

function check(condition, message) {
  if (!condition) throw new Failure(message);
}

function checkEqual(expected, actual, message) {
  if (JSON.stringify(expected) !== JSON.stringify(actual))
    throw new Failure(message + ': expected ' + JSON.stringify(expected) + ', got ' + JSON.stringify(actual));
}

const kTypes = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.png': 'image/png',
                 '.gif': 'image/gif' };

// Fails the scenario on the page's script errors and on the dialogs that
// `expectDialogs` (a function of the dialog) does not answer; it may answer
// the dialogs it expects and returns true for them.
function watch(page, problems, expectDialogs) {
  page.on('pageerror', (e) => problems.push('script error: ' + e.message));
  page.on('dialog', async (dialog) => {
    const expected = expectDialogs && (await expectDialogs(dialog));
    if (!expected) {
      problems.push('unexpected ' + dialog.type() + ' dialog: ' + dialog.message());
      await dialog.dismiss();
    }
  });
}

// Opens the browser and a page in a context of its own; the session's
// newPage() opens another context (a second browser, with its own cookies)
// that is watched the same way.
async function openPage(options = {}) {
  if (!fs.existsSync(kChromium)) skip(kChromium + ' is missing (apt-get install chromium)');
  const { chromium } = loadDriver();
  const browser = await chromium.launch({ executablePath: kChromium, args: ['--no-sandbox'] });
  const problems = [];
  const newPage = async () => {
    const context = await browser.newContext({ ignoreHTTPSErrors: true });
    const page = await context.newPage();
    watch(page, problems, options.expectDialogs);
    return page;
  };
  const page = await newPage();
  return { browser, page, problems, newPage };
}

// Logs the page in to a front end by the one-time secret: the first address
// of the wizard, as the launcher's operator opens it.
async function loginBySecret(page, base, secret) {
  await page.goto(base + '/?secret=' + encodeURIComponent(secret));
}

// The path of the address of a page or a response ("/summary.html").
function pathOf(pageOrResponse) {
  return new URL(pageOrResponse.url()).pathname;
}

// Serves `pageFile` as kOrigin + "/" + pageName, and every other path from
// the web resources directory; "/js/prototype.js" from its own file. Paths
// that are neither answer a small page naming the path, so that a scenario
// can see where a link led.
async function servePage(page, { pageFile, pageName, resources, prototype }) {
  await page.route(kOrigin + '/**', async (route) => {
    const url = new URL(route.request().url());
    let file = null;
    if (url.pathname === '/' + pageName) file = pageFile;
    else if (url.pathname === '/js/prototype.js') file = prototype;
    else if (!url.pathname.includes('..')) file = path.join(resources, url.pathname);
    if (file && fs.existsSync(file) && fs.statSync(file).isFile()) {
      await route.fulfill({ status: 200, contentType: kTypes[path.extname(file)] || 'application/octet-stream',
                            body: fs.readFileSync(file) });
    } else {
      await route.fulfill({ status: 200, contentType: 'text/html',
                            body: '<html><body><p id="reached">' + url.pathname + '</p></body></html>' });
    }
  });
  return kOrigin + '/' + pageName;
}

// The page's address and text, to tell where a failed scenario stood.
async function whereThePageIs(page) {
  try {
    const text = await page.innerText('body', { timeout: 1000 });
    return 'page ' + page.url() + ':\n' + text.slice(0, 4000);
  } catch (e) {
    return 'page ' + page.url() + ' (no text: ' + e.message + ')';
  }
}

// Runs the named scenario of `scenarios` and ends the process: 0 when it
// passed, 1 when it failed. A scenario is {run: async (session, ...args),
// expectDialogs: optional, see watch}; the session is {browser, page,
// problems, newPage}, and the browser is closed whatever happens.
async function runScenario(scenarios, name, ...args) {
  const scenario = scenarios[name];
  if (!scenario) {
    console.log('no scenario ' + name);
    process.exit(2);
  }
  const session = await openPage(scenario);
  try {
    await scenario.run(session, ...args);
    if (session.problems.length) throw new Failure(session.problems.join('\n'));
    console.log('PASS: ' + name);
    process.exitCode = 0;
  } catch (e) {
    const problems = session.problems.length ? '\n' + session.problems.join('\n') : '';
    console.log('FAIL: ' + name + ': ' + (e instanceof Failure ? e.message : e.stack) + problems);
    console.log(await whereThePageIs(session.page));
    process.exitCode = 1;
  } finally {
    await session.browser.close();
  }
}

module.exports = { openPage, servePage, loginBySecret, pathOf, runScenario, check, checkEqual, Failure };
