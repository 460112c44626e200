// The scripts of the settings and progress pages in Debian's chromium, driven
// by playwright-core, against the front end with a stand-in back end.
//     node pages.mjs BASE_URL SECRET
// Prints what failed and exits with 1, or exits with 0.
import { createRequire } from 'module';
import { execSync } from 'child_process';

const require = createRequire(import.meta.url);
const globalModules = execSync('npm root -g').toString().trim();
const { chromium } = require(`${globalModules}/playwright-core`);

const [base, secret] = process.argv.slice(2);
const failures = [];
const expect = (condition, what) => { if (!condition) failures.push(what); };

const browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: ['--no-sandbox'] });
try {
  const context = await browser.newContext({ ignoreHTTPSErrors: true });
  const page = await context.newPage();
  await page.goto(`${base}/?secret=${secret}`);

  // Settings: the box's dependants follow it, the choice shows its branch.
  await page.goto(`${base}/cp.html`);
  expect(await page.isChecked('#zarni_ssl'), 'the box starts checked');
  expect(await page.isEnabled('#zarni_certificate'), 'its dependant starts enabled');
  expect(await page.isVisible('#zarni_server_nginx'), 'the chosen value shows its settings');
  await page.selectOption('#zarni_server', 'apache');
  expect(!(await page.isVisible('#zarni_server_nginx')), 'another choice hides them');
  await page.click('#zarni_ssl');
  expect(await page.isDisabled('#zarni_certificate'), 'a cleared box disables its dependant');
  expect(await page.isDisabled('#zarni_port'), 'and the one in a group');
  expect(await page.inputValue('#zarni_ssl__posted') === 'false', 'the companion posts false');
  await Promise.all([page.waitForNavigation(), page.click('button[type="submit"]')]);

  // Progress: the update finishes the page; console markup stays text.
  await page.goto(`${base}/install_progress.html`);
  await page.waitForSelector('#successor', { state: 'visible' });
  await page.waitForSelector('#success_box', { state: 'visible' });
  expect(await page.isVisible('#zarni_ok'), 'the completed product shows its ok mark');
  expect(!(await page.isVisible('#zarni_progress')), 'and no gauge');
  const console = await page.locator('#console_content').innerText();
  expect(console.includes('<b>done</b>'), `console markup shows as text: ${console}`);
  expect(await page.locator('#console_content b').count() === 0, 'no element made from the output');
  expect(await page.locator('#console_content br').count() >= 1, 'line ends become breaks');
} finally {
  await browser.close();
}
if (failures.length) {
  console.log(failures.join('\n'));
  process.exit(1);
}
