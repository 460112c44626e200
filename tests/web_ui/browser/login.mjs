// Logs in to the web wizard with Debian's chromium, driven by playwright-core:
// first by the one-time secret, then in a new context by login and password.
//     node login.mjs BASE_URL SECRET USER
// Prints what failed and exits with 1, or exits with 0.
import { createRequire } from 'module';
import { execSync } from 'child_process';

const require = createRequire(import.meta.url);
const globalModules = execSync('npm root -g').toString().trim();
const { chromium } = require(`${globalModules}/playwright-core`);

const [base, secret, user] = process.argv.slice(2);
const failures = [];
const expect = (condition, what) => { if (!condition) failures.push(what); };

const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
try {
  // The test certificate's authority is not in the browser's store.
  const bySecret = await browser.newContext({ ignoreHTTPSErrors: true });
  const page = await bySecret.newPage();
  await page.goto(`${base}/?secret=${secret}`);
  expect(new URL(page.url()).pathname === '/summary.html', `the secret leads to the summary, not ${page.url()}`);
  expect(await page.locator('div.product').count() === 2, 'two product rows');
  expect((await page.locator('div.product').first().textContent()).includes('Zarni & Co'), 'the product row');
  expect(await page.locator('li.install_upgrade a[href="iup.html"]').count() === 1, 'the install tool is a link');
  expect(await page.locator('li.update_components.disabled').count() === 1, 'the update tool is disabled');
  const cookies = await bySecret.cookies();
  const session = cookies.find((c) => c.name === 'sessionID');
  expect(session && session.httpOnly, 'the session cookie is HttpOnly');
  expect(session && session.secure, 'the session cookie is Secure');
  expect(session && session.sameSite === 'Strict', 'the session cookie is SameSite=Strict');
  expect(await page.evaluate(() => document.cookie) === '', 'scripts cannot read the cookie');

  const byPassword = await browser.newContext({ ignoreHTTPSErrors: true });
  const login = await byPassword.newPage();
  await login.goto(`${base}/`);
  expect(await login.locator('input[name="password"]').count() === 1, 'the login page');
  await login.fill('#login', user);
  await login.fill('#password', 'any password');
  await Promise.all([login.waitForURL('**/summary.html'), login.click('#submit_user')]);
  expect(await login.locator('div.product').count() === 2, 'the summary after the login');

  // The first browser was logged out by the second login.
  await page.goto(`${base}/summary.html`);
  expect(await page.locator('input[name="password"]').count() === 1, 'the first browser sees the login page again');
} finally {
  await browser.close();
}
if (failures.length) {
  console.log(failures.join('\n'));
  process.exit(1);
}
