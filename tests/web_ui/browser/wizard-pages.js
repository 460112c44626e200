// Browser scenarios of the settings and progress pages' scripts against a
// running front end with a stand-in back end:
// node wizard-pages.js SCENARIO BASE_URL SECRET
'use strict';

const { loginBySecret, runScenario, check, checkEqual } = require('../../common/browser/harness.js');

const [scenarioName, base, secret] = process.argv.slice(2);

const scenarios = {
  'settings-and-progress': {
    run: async ({ page }) => {
      await loginBySecret(page, base, secret);

      // Settings: the box's dependants follow it, the choice shows its branch.
      await page.goto(base + '/cp.html');
      check(await page.isChecked('#zarni_ssl'), 'the box starts checked');
      check(await page.isEnabled('#zarni_certificate'), 'its dependant starts enabled');
      check(await page.isVisible('#zarni_server_nginx'), 'the chosen value shows its settings');
      await page.selectOption('#zarni_server', 'apache');
      check(!(await page.isVisible('#zarni_server_nginx')), 'another choice hides them');
      await page.click('#zarni_ssl');
      check(await page.isDisabled('#zarni_certificate'), 'a cleared box disables its dependant');
      check(await page.isDisabled('#zarni_port'), 'and the one in a group');
      checkEqual('false', await page.inputValue('#zarni_ssl__posted'), 'the companion posts');
      await Promise.all([page.waitForNavigation(), page.click('button[type="submit"]')]);

      // Progress: the update finishes the page; console markup stays text.
      await page.goto(base + '/install_progress.html');
      await page.waitForSelector('#successor', { state: 'visible' });
      await page.waitForSelector('#success_box', { state: 'visible' });
      check(await page.isVisible('#zarni_ok'), 'the completed product shows its ok mark');
      check(!(await page.isVisible('#zarni_progress')), 'and no gauge');
      const console = await page.locator('#console_content').innerText();
      check(console.includes('<b>done</b>'), 'console markup shows as text: ' + console);
      checkEqual(0, await page.locator('#console_content b').count(), 'elements made from the output');
      check((await page.locator('#console_content br').count()) >= 1, 'line ends become breaks');
    }
  }
};

runScenario(scenarios, scenarioName);
