#!/usr/bin/env node
// Plays the phone in a pairing: opens the pair page in headless Chromium (a phone-sized
// screen), types the code and the server details, sends them and prints the outcome.
//
//   node pair-phone.mjs <pair_url> <code> <details-json> [--screenshot <file.png>]
//
// details-json: {"type": "xtream" | "m3u", "name": "...", "url": "...", "username": "...",
//                "password": "...", "live_extension": "ts" | "m3u8"}
//   (username, password and live_extension are typed for Xtream servers only)
//
// Prints one JSON line: {"ok": true|false, "status": <HTTP status of the answer, 0 when the
// form was not sent>, "message": "<the text the page shows>"}.
// Exit status: 0 the details were accepted, 1 they were refused (by the page or the backend),
// 2 wrong usage or the browser failed.
// VELMORA_CHROMIUM names another browser binary than /usr/bin/chromium.
import { chromium, devices } from 'playwright-core';
import { mkdtemp, rm } from 'node:fs/promises';
import { tmpdir } from 'node:os';
import path from 'node:path';

const usage =
  'usage: node pair-phone.mjs <pair_url> <code> <details-json> [--screenshot <file.png>]';

function fail(message) {
  process.stderr.write(`pair-phone: ${message}\n`);
  process.exit(2);
}

function parseArguments(argv) {
  const positional = [];
  let screenshot = null;
  for (let i = 0; i < argv.length; ++i) {
    if (argv[i] === '--screenshot') {
      screenshot = argv[++i];
      if (!screenshot) fail(usage);
    } else if (argv[i] === '--help' || argv[i] === '-h') {
      process.stdout.write(`${usage}\n`);
      process.exit(0);
    } else {
      positional.push(argv[i]);
    }
  }
  if (positional.length !== 3) fail(usage);
  const [pairUrl, code, detailsJson] = positional;
  let details;
  try {
    details = JSON.parse(detailsJson);
  } catch (error) {
    fail(`the details are not JSON: ${error.message}`);
  }
  if (details === null || typeof details !== 'object' || Array.isArray(details))
    fail('the details must be a JSON object');
  return { pairUrl, code, details, screenshot };
}

async function fillForm(page, code, details) {
  const text = (value) => (value === undefined || value === null ? '' : String(value));
  await page.fill('#code', text(code));
  const m3u = details.type === 'm3u';
  await page.check(m3u ? '#type-m3u' : '#type-xtream');
  await page.fill('#name', text(details.name));
  await page.fill('#url', text(details.url));
  if (!m3u) {
    await page.fill('#username', text(details.username));
    await page.fill('#password', text(details.password));
    await page.selectOption('#live_extension', text(details.live_extension || 'ts'));
  }
}

// What the browser itself refuses to send (a required field left empty, a malformed address).
async function validationProblem(page) {
  return page.evaluate(() => {
    const form = document.querySelector('form');
    if (form.checkValidity()) return null;
    const field = form.querySelector(':invalid');
    return `${field.id}: ${field.validationMessage}`;
  });
}

async function run({ pairUrl, code, details, screenshot }) {
  const userDataDir = await mkdtemp(path.join(tmpdir(), 'velmora-phone-'));
  let context = null;
  try {
    const { defaultBrowserType, ...phone } = devices['Pixel 7'];
    context = await chromium.launchPersistentContext(userDataDir, {
      ...phone,
      executablePath: process.env.VELMORA_CHROMIUM || '/usr/bin/chromium',
      headless: true,
      args: [
        '--no-sandbox',
        '--headless',
        '--disable-gpu',
        '--no-first-run',
        '--disable-background-networking',
        '--disable-component-update',
        '--disable-sync',
      ],
      timeout: 30000,
    });
    const page = context.pages()[0] ?? (await context.newPage());
    page.setDefaultTimeout(15000);

    const opened = await page.goto(pairUrl);
    if (!opened || !opened.ok())
      throw new Error(`the pair page answered ${opened ? opened.status() : 'nothing'}`);
    await fillForm(page, code, details);

    const problem = await validationProblem(page);
    if (problem !== null) {
      if (screenshot) await page.screenshot({ path: screenshot, fullPage: true });
      return { ok: false, status: 0, message: problem };
    }
    const [answer] = await Promise.all([
      page.waitForResponse(
        (response) =>
          response.request().method() === 'POST' &&
          new URL(response.url()).pathname.endsWith('/api/v1/pair/submit'),
      ),
      page.click('#send'),
    ]);
    await page.waitForLoadState('domcontentloaded');
    const outcome = page.locator('#outcome');
    await outcome.waitFor();
    const result = {
      ok: (await outcome.getAttribute('data-outcome')) === 'ok',
      status: answer.status(),
      message: (await outcome.innerText()).trim(),
    };
    if (screenshot) await page.screenshot({ path: screenshot, fullPage: true });
    return result;
  } finally {
    if (context) await context.close().catch(() => {});
    await rm(userDataDir, { recursive: true, force: true });
  }
}

const options = parseArguments(process.argv.slice(2));
try {
  const result = await run(options);
  process.stdout.write(`${JSON.stringify(result)}\n`);
  process.exit(result.ok ? 0 : 1);
} catch (error) {
  fail(error.message);
}
