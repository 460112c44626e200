// Browser scenarios of the releases page's scripts on a rendered page:
// node releases.js SCENARIO PAGE_FILE RESOURCES PROTOTYPE
'use strict';

const { servePage, runScenario, check, checkEqual } = require('../../common/browser/harness.js');

const [scenarioName, pageFile, resources, prototype] = process.argv.slice(2);

async function load(page) {
  await page.goto(await servePage(page, { pageFile, pageName: 'iup.html', resources, prototype }));
}

const value = (page, id) => page.evaluate((i) => document.getElementById(i).value, id);
const disabled = (page, id) => page.evaluate((i) => document.getElementById(i).disabled, id);

const scenarios = {
  'select-product': {
    run: async ({ page }) => {
      await load(page);
      checkEqual(true, await disabled(page, 'rels_zarni'), 'the release choice before ticking');
      checkEqual('tenebrin', await value(page, 'selected_products'), 'a product marked selected');
      await page.check('#checker_zarni');
      checkEqual(false, await disabled(page, 'rels_zarni'), 'the release choice after ticking');
      checkEqual(false, await disabled(page, 'submit_button'), 'Continue');
      checkEqual('zarni-1.1', await value(page, 'rels_zarni'), 'the newest release is preselected');
      checkEqual('tenebrin zarni', await value(page, 'selected_products'), 'products sent');
      await page.uncheck('#checker_zarni');
      checkEqual(true, await disabled(page, 'rels_zarni'), 'the release choice after clearing');
      checkEqual('tenebrin', await value(page, 'selected_products'), 'products sent after clearing');
    }
  },

  'installation-type': {
    run: async ({ page }) => {
      await load(page);
      checkEqual(false, await disabled(page, 'itypes_tenebrin'), 'the types of a selected product');
      const options = await page.evaluate(() =>
        Array.from(document.getElementById('itypes_tenebrin').options).map((o) => o.value));
      checkEqual(['Full', 'Custom'], options, 'the types of the release');
      checkEqual('Everything <all>', await page.textContent('#tenebrin_itypes_desc'), 'the first description');
      await page.selectOption('#itypes_tenebrin', 'Custom');
      checkEqual('Your choice', await page.textContent('#tenebrin_itypes_desc'), 'the chosen description');
    }
  },

  'hostile-names': {
    run: async ({ page }) => {
      await load(page);
      checkEqual('"\'<script>alert(1)</script> </script>', await page.textContent('#row_tenebrin strong'),
                 'product name as text');
      const options = await page.evaluate(() =>
        Array.from(document.getElementById('itypes_tenebrin').options).map((o) => o.value));
      checkEqual(['Full"\'</script>', 'Custom'], options, 'installation-type names unchanged');
      checkEqual('"\'<script>alert(1)</script> </script>', await page.textContent('#tenebrin_itypes_desc'),
                 'description as text');
      check((await page.$('a[href^="javascript"]')) === null, 'no script link');
    }
  }
};

runScenario(scenarios, scenarioName);
