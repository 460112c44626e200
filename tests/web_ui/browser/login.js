// Browser scenarios of the wizard's login against a running front end:
// node login.js SCENARIO BASE_URL SECRET USER
'use strict';

const { loginBySecret, pathOf, runScenario, check, checkEqual } = require('../../common/browser/harness.js');

const [scenarioName, base, secret, user] = process.argv.slice(2);

const scenarios = {
  // First by the one-time secret, then in a second browser by login and
  // password, which logs the first one out.
  'by-secret-and-password': {
    run: async ({ page, newPage }) => {
      await loginBySecret(page, base, secret);
      checkEqual('/summary.html', pathOf(page), 'the secret leads to the summary');
      checkEqual(2, await page.locator('div.product').count(), 'product rows');
      check((await page.locator('div.product').first().textContent()).includes('Zarni & Co'), 'the product row');
      checkEqual(1, await page.locator('li.install_upgrade a[href="iup.html"]').count(), 'the install tool is a link');
      checkEqual(1, await page.locator('li.update_components.disabled').count(), 'the update tool is disabled');
      const session = (await page.context().cookies()).find((c) => c.name === 'sessionID');
      check(session, 'a session cookie');
      check(session.httpOnly, 'the session cookie is HttpOnly');
      check(session.secure, 'the session cookie is Secure');
      checkEqual('Strict', session.sameSite, 'the session cookie SameSite');
      checkEqual('', await page.evaluate(() => document.cookie), 'what scripts can read of the cookies');

      const login = await newPage();
      await login.goto(base + '/');
      checkEqual(1, await login.locator('input[name="password"]').count(), 'the login page');
      await login.fill('#login', user);
      await login.fill('#password', 'any password');
      await Promise.all([login.waitForURL('**/summary.html'), login.click('#submit_user')]);
      checkEqual(2, await login.locator('div.product').count(), 'product rows after the login');

      await page.goto(base + '/summary.html');
      checkEqual(1, await page.locator('input[name="password"]').count(), 'the first browser sees the login page again');
    }
  }
};

runScenario(scenarios, scenarioName);
