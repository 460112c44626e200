// Browser scenarios of the whole web wizard against the running program:
// node wizard.js SCENARIO BASE_URL SECRET [LOG_TEXT]
'use strict';

const { loginBySecret, pathOf, runScenario, check, checkEqual } = require('../../common/browser/harness.js');

const [scenarioName, base, secret, logText] = process.argv.slice(2);

// Follows a click to the next page, whose path comes back.
async function follow(page, selector) {
  await Promise.all([page.waitForNavigation(), page.click(selector)]);
  return pathOf(page);
}

async function text(page, selector) {
  return (await page.locator(selector).innerText()).trim();
}

// From the one-time secret through the install tool to the installation
// type `type` of the product's release; the page after Continue.
async function chooseInstallationType(page, type) {
  await loginBySecret(page, base, secret);
  checkEqual('/iup.html', await follow(page, 'li.install_upgrade a'), 'the install tool leads to');
  await page.check('#checker_zarni');
  checkEqual('/installation_types.html', await follow(page, '#submit_button'), 'the product leads to');
  await page.selectOption('#itypes_zarni', type);
  return follow(page, '#submit_button');
}

// The confirmation dialogs the operator accepts, with their texts.
const confirmed = [];

const scenarios = {
  // Cancelling on the components page: the confirmation, then the summary
  // and a wizard that starts over.
  'cancel': {
    expectDialogs: async (dialog) => {
      if (dialog.type() !== 'confirm') return false;
      confirmed.push(dialog.message());
      await dialog.accept();
      return true;
    },
    run: async ({ page }) => {
      checkEqual('/select_components.html', await chooseInstallationType(page, 'Custom'), 'the custom type leads to');
      const question = await page.getAttribute('a.cancel', 'onclick');
      // The cancel page sends the browser on to the summary.
      await Promise.all([page.waitForURL((url) => url.pathname === '/summary.html'), page.click('a.cancel')]);
      checkEqual(1, confirmed.length, 'confirmations asked');
      check(question.includes(confirmed[0].split('\n')[0]), 'the question asked: ' + confirmed[0]);
      check(await page.locator('table.product_summary div.product.disabled').count() === 1,
            'the product is still not installed');
      checkEqual('/iup.html', await follow(page, 'li.install_upgrade a'), 'the install tool leads to');
      check(!(await page.isChecked('#checker_zarni')), 'the cleared wizard starts without the chosen product');
    }
  },

  // A failing installation: the error mark and the error note.
  'failing-install': {
    run: async ({ page }) => {
      checkEqual('/examine.html', await chooseInstallationType(page, 'Typical'), 'the typical type leads to');
      await page.check('#strong_yes');
      checkEqual('/install_progress.html', await follow(page, 'button[type=submit]'),
                 'the typical components without settings lead to');
      await page.waitForSelector('#successor', { state: 'visible', timeout: 120000 });
      check(await page.isVisible('#zarni_error'), 'the error mark');
      check(!(await page.isVisible('#zarni_ok')), 'no ok mark');
      check(await page.isVisible('#error_note'), 'the error note');
      check(!(await page.isVisible('#success_box')), 'no success box');
      checkEqual('log.html', await page.getAttribute('#error_note a', 'href'), 'the error note offers the log');
      const log = await page.request.get(base + '/log.html');
      check((await log.text()).includes(logText), 'the log holds the package tool\'s complaint');
    }
  },

  'install': {
    run: async ({ page }) => {
      // 1. The secret opens the summary: the product, not installed.
      await loginBySecret(page, base, secret);
      checkEqual('/summary.html', pathOf(page), 'the secret leads to');
      const product = page.locator('table.product_summary div.product');
      checkEqual(1, await product.count(), 'product rows');
      check((await product.innerText()).includes('Zarni'), 'the product row names the product');
      check(await product.evaluate((e) => e.classList.contains('disabled')),
            'a product not installed is shown disabled');
      const icon = await product.evaluate((e) => e.style.backgroundImage);
      check(icon.includes('/get_disabled_product_icon?prod_id=zarni'), 'the disabled icon: ' + icon);
      const image = await page.request.get(base + '/get_disabled_product_icon?prod_id=zarni');
      checkEqual(200, image.status(), 'the icon answers');
      check(image.headers()['content-type'].startsWith('image/'), 'the icon is an image');

      // 2. The install tool: the product and its release, then the installation type.
      checkEqual('/iup.html', await follow(page, 'li.install_upgrade a'), 'the install tool leads to');
      await page.check('#checker_zarni');
      checkEqual('zarni-1.0', await page.inputValue('#rels_zarni'), 'the release the wizard offers');
      checkEqual('/installation_types.html', await follow(page, '#submit_button'), 'the product leads to');
      checkEqual(['Typical', 'Full', 'Custom'],
                 await page.$$eval('#itypes_zarni option', (options) => options.map((o) => o.value)),
                 'the installation types');
      await page.selectOption('#itypes_zarni', 'Custom');
      checkEqual('Custom components selection. Recommended only for experienced users.',
                 await text(page, '#zarni_itypes_desc'), 'the chosen type\'s description');
      checkEqual('/select_components.html', await follow(page, '#submit_button'), 'the custom type leads to');

      // The component that needs others: the dependency warning, then on.
      await page.waitForFunction(() => window.Kw && Kw._products.length > 0);
      const box = (id) => '[data-component="' + id + '"] > .component-line input[type=checkbox]';
      check(await page.isChecked(box('web')), 'the custom type starts from the typical components');
      await page.uncheck(box('web'));
      await page.check(box('stats'));
      checkEqual('leave', await page.inputValue('input[name=zarni_web]'), 'web cleared');
      checkEqual('/select_components.html', await follow(page, 'button[type=submit]'),
                 'a choice that needs more leads to');
      const warning = await text(page, '.msg-warning');
      check(warning.includes('which will also be installed: Web hosting'), 'the dependency warning: ' + warning);
      checkEqual('install', await page.inputValue('input[name=zarni_web]'), 'web comes back marked');
      checkEqual('/examine.html', await follow(page, 'button[type=submit]'), 'the confirmed choice leads to');

      // 3. The failing examination: its text with the link, then the tick.
      checkEqual('disk-space', await text(page, '.warning-name'), 'the examination');
      checkEqual('Only 1 GB is free below /var <df>, see https://kb.zarni.example/disk-space',
                 await text(page, '.warning-name + div'), 'its message as text');
      checkEqual('https://kb.zarni.example/disk-space', await page.getAttribute('.warning-name + div a', 'href'),
                 'the address in it is a link');
      checkEqual('/examine.html', await follow(page, 'button[type=submit]'), 'Continue without the tick leads to');
      check(await page.isVisible('.error-description'), 'the must-check text');
      check(await page.locator('#strong_yes').evaluate((e) => e.parentElement.classList.contains('form-error')),
            'the tick box marked');
      await page.check('#strong_yes');
      checkEqual('/cp.html', await follow(page, 'button[type=submit]'), 'the ticked examination leads to');

      // 4. The settings: a letter in a number is refused, then the box cleared.
      checkEqual('30', await page.inputValue('#zarni_retention-days'), 'the number\'s default');
      await page.fill('#zarni_retention-days', '3x');
      checkEqual('/cp.html', await follow(page, 'button[type=submit]'), 'a refused value leads to');
      checkEqual('A number of days from 1 to 3650', await text(page, '.form-error + .form-error-description'),
                 'the error block');
      checkEqual('3x', await page.inputValue('#zarni_retention-days'), 'the refused value is shown again');
      await page.fill('#zarni_retention-days', '60');
      check(await page.isEnabled('#zarni_report-path'), 'the dependant of the ticked box');
      await page.uncheck('#zarni_public');
      check(await page.isDisabled('#zarni_report-path'), 'the dependant of the cleared box');
      // 5. The progress: every update the page's script takes, from the page's own state on.
      const updates = [];
      page.on('response', async (response) => {
        if (pathOf(response) === '/percentage.html') updates.push(JSON.parse(await response.text()));
      });
      checkEqual('/install_progress.html', await follow(page, 'button[type=submit]'), 'the settings lead to');
      const shownState = await page.evaluate(() =>
        Object.keys(elementOfState).find((state) => $('zarni' + elementOfState[state]).visible()));
      const firstConsole = await text(page, '#console_content');
      await page.waitForSelector('#successor', { state: 'visible', timeout: 120000 });
      check(await page.isVisible('#success_box'), 'the success box');
      check(await page.isVisible('#zarni_ok'), 'the ok mark');
      check(!(await page.isVisible('#zarni_error')), 'no error mark');
      check(!(await page.isVisible('#error_note')), 'no error note');
      const states = [shownState];
      for (const update of updates)
        for (const entry of update[0] || []) if (entry.prodId === 'zarni') states.push(entry.status);
      const order = ['waiting', 'started', 'in_progress', 'completed'];
      for (let i = 1; i < states.length; ++i)
        check(order.indexOf(states[i - 1]) <= order.indexOf(states[i]), 'the states move on: ' + states.join(' '));
      checkEqual('completed', states[states.length - 1], 'the last state');
      const lastConsole = await text(page, '#console_content');
      check(lastConsole.startsWith(firstConsole), 'the console grows: ' + lastConsole);
      for (const line of lastConsole.split('\n'))
        checkEqual(1, lastConsole.split('\n').filter((l) => l === line).length, 'lines of the console: ' + line);
      check(lastConsole.includes(logText), 'the console shows the package tool: ' + lastConsole);

      const log = await page.request.get(base + '/log.html');
      checkEqual(200, log.status(), 'the log download');
      const disposition = log.headers()['content-disposition'];
      check(/^attachment; *filename="?zarni-installation-log\.txt"?$/.test(disposition),
            'the log is an attachment: ' + disposition);
      check((await log.text()).includes(logText), 'the log holds the package tool\'s output');

      // 6. OK: the summary with the product installed.
      checkEqual('/summary.html', await follow(page, '#successor button'), 'OK leads to');
      const installed = page.locator('table.product_summary div.product');
      check(!(await installed.evaluate((e) => e.classList.contains('disabled'))), 'the product is shown installed');
      checkEqual('Zarni Alder Version 1.0.0', await installed.innerText(), 'the installed product and its version');
      const ownIcon = await installed.evaluate((e) => e.style.backgroundImage);
      check(ownIcon.includes('/get_enabled_product_icon?prod_id=zarni'), 'the product\'s own icon: ' + ownIcon);

      // The language switched to German on the summary page, and back (the
      // preferences page shows the language in use).
      const english = await text(page, 'li.install_upgrade .tool-name');
      await page.goto(base + '/summary.html?locale=de_DE');
      await page.goto(base + '/preferences.html');
      checkEqual('de_DE', await page.inputValue('select[name=login_locale]'), 'the language after switching');
      await page.goto(base + '/summary.html?locale=en_US');
      checkEqual(english, await text(page, 'li.install_upgrade .tool-name'), 'the tool named in English again');
      await page.goto(base + '/preferences.html');
      checkEqual('en_US', await page.inputValue('select[name=login_locale]'), 'the language switched back');
    }
  }
};

runScenario(scenarios, scenarioName);
