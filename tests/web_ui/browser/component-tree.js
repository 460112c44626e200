// Browser scenarios of the component tree script on a rendered components
// page: node component-tree.js SCENARIO PAGE_FILE RESOURCES PROTOTYPE
'use strict';

const { servePage, runScenario, check, checkEqual } = require('../../common/browser/harness.js');

const [scenarioName, pageFile, resources, prototype] = process.argv.slice(2);

async function load(page) {
  const url = await servePage(page, { pageFile, pageName: 'select_components.html', resources, prototype });
  await page.goto(url);
  await page.waitForFunction(() => window.Kw && Kw._products.length > 0);
}

// The hidden form fields by name (undefined when missing).
async function field(page, name) {
  return page.evaluate((n) => {
    const input = Array.from(document.querySelectorAll('#form-selection input[type=hidden]')).find((i) => i.name == n);
    return input ? input.value : undefined;
  }, name);
}

function line(kind, id) {
  return '[data-' + kind + '="' + id + '"] > .component-line';
}

async function hint(page, kind, id) {
  return (await page.textContent(line(kind, id) + ' .component-state')).trim();
}

// Chooses the entry whose text is that of Kw.texts[textName].
async function chooseFromDropDown(page, kind, id, textName) {
  const text = await page.evaluate((name) => Kw.texts[name], textName);
  await page.click(line(kind, id) + ' .dropdown-heading');
  await page.click(line(kind, id) + ' .dropdown-item:text-is("' + text + '")');
}

const scenarios = {
  // A product without removal support: check boxes.
  'check-box': {
    run: async ({ page }) => {
      await load(page);
      checkEqual('zarni tenebrin', await field(page, 'product_list'), 'product_list');
      checkEqual('core extra', await field(page, 'tenebrin_components'), 'tenebrin_components');
      checkEqual('install', await field(page, 'zarni_nginx'), 'a component marked for installation');
      checkEqual('leave', await field(page, 'tenebrin_extra'), 'extra at start');
      check(await page.isVisible('[data-component="nginx"]'), 'a group holding changes at start is expanded');
      check(!(await page.isVisible('[data-component="extra"]')), 'a group without changes starts collapsed');
      await page.click(line('group', 'addons') + ' .plus-minus');
      const box = line('component', 'extra') + ' input[type=checkbox]';
      await page.check(box);
      checkEqual('install', await field(page, 'tenebrin_extra'), 'extra ticked');
      checkEqual('(will be installed)', await hint(page, 'component', 'extra'), 'hint of extra ticked');
      checkEqual('(1 of 1 selected)', await hint(page, 'group', 'addons'), 'group hint');
      await page.uncheck(box);
      checkEqual('leave', await field(page, 'tenebrin_extra'), 'extra cleared');
      checkEqual('', await hint(page, 'component', 'extra'), 'hint of extra cleared');
      // Installed components are hidden until the heading's box is cleared.
      check(!(await page.isVisible('[data-component="agent"]')), 'an installed component is hidden');
      await page.uncheck('[data-product="zarni"] .heading input[type=checkbox]');
      check(await page.isVisible('[data-component="agent"]'), 'shown after clearing the heading box');
    }
  },

  // A product with removal support: drop-down menus.
  'remove-without-support': {
    run: async ({ page }) => {
      await load(page);
      checkEqual('leave', await field(page, 'zarni_base'), 'base at start');
      await chooseFromDropDown(page, 'component', 'base', 'uninstallNotSupported');
      checkEqual('leave', await field(page, 'zarni_base'), 'base after asking to remove it');
      checkEqual('', await hint(page, 'component', 'base'), 'no hint for base');
      await chooseFromDropDown(page, 'component', 'mail', 'dropdownDelete');
      checkEqual('remove', await field(page, 'zarni_mail'), 'mail removed');
      checkEqual('(will be removed)', await hint(page, 'component', 'mail'), 'hint of mail');
    }
  },

  'group-install': {
    run: async ({ page }) => {
      await load(page);
      checkEqual('(0 of 3 selected)', await hint(page, 'group', 'web'), 'web at start');
      await chooseFromDropDown(page, 'group', 'web', 'dropdownToInstall');
      for (const id of ['nginx', 'php', 'perl'])
        checkEqual('install', await field(page, 'zarni_' + id), id + ' after installing the group');
      checkEqual('(3 of 3 selected)', await hint(page, 'group', 'web'), 'web hint');
      checkEqual('(2 of 2 selected)', await hint(page, 'group', 'extras'), 'extras hint');
      await chooseFromDropDown(page, 'group', 'web', 'dropdownDelete');
      for (const id of ['nginx', 'php', 'perl'])
        checkEqual('leave', await field(page, 'zarni_' + id), id + ' after removing the group');
    }
  },

  'radio-group': {
    run: async ({ page }) => {
      await load(page);
      const checked = () => page.evaluate(() =>
        Array.from(document.querySelectorAll('input[type=radio]')).filter((r) => r.checked).map((r) => r.value));
      checkEqual(['mariadb'], await checked(), 'the installed component is chosen at start');
      await page.click(line('component', 'pgsql') + ' input[type=radio]');
      checkEqual(['pgsql'], await checked(), 'one choice after choosing another');
      checkEqual('install', await field(page, 'zarni_pgsql'), 'pgsql');
      checkEqual('remove', await field(page, 'zarni_mariadb'), 'the installed one is removed');
      await page.click(line('component', 'mariadb') + ' input[type=radio]');
      checkEqual(['mariadb'], await checked(), 'back to the first');
      checkEqual('leave', await field(page, 'zarni_mariadb'), 'an up-to-date choice stays installed');
      checkEqual('leave', await field(page, 'zarni_pgsql'), 'pgsql is left not installed');
    }
  },

  'update-mode': {
    run: async ({ page }) => {
      await load(page);
      checkEqual('base nginx php mariadb', await field(page, 'zarni_components'), 'components offered');
      check((await page.$('[data-component="agent"]')) === null, 'an up-to-date component is not listed');
      checkEqual(undefined, await field(page, 'zarni_agent'), 'and has no field');
      checkEqual('install', await field(page, 'zarni_base'), 'installed and marked: install by default');
      check(!(await page.isVisible('[data-group="cache"]')), 'an empty radio group is hidden');
    }
  },

  'hostile-names': {
    run: async ({ page }) => {
      await load(page);
      const heading = await page.textContent('[data-product="zarni"] .product-name');
      checkEqual('"\'<script>alert(1)</script> </script>', heading, 'product name as text');
      const name = await page.evaluate(() =>
        document.querySelector('[data-component="nginx"] .component-name').innerText);
      checkEqual('"\'<script>alert(1)</script> </script> &amp; line\ntwo', name, 'component name as text');
      checkEqual('leave', await field(page, 'zarni_maria"\'</script>'), 'an id comes back unchanged');
      checkEqual('nginx maria"\'</script>', await field(page, 'zarni_components'), 'ids');
    }
  },

  'cancel-link': {
    expectDialogs: async (dialog) => {
      if (dialog.type() !== 'confirm') return false;
      await dialog.accept();
      return true;
    },
    run: async ({ page }) => {
      await load(page);
      await Promise.all([page.waitForURL((url) => url.pathname === '/clear.html'), page.click('a.cancel')]);
      checkEqual('/clear.html', await page.textContent('#reached'), 'the cancel link');
      checkEqual('token', new URL(page.url()).searchParams.get('csrf_token'), 'the session token it carries');
    }
  }
};

runScenario(scenarios, scenarioName);
