'use strict';
// One program's page in headless Chromium, played as a person would: the menu
// is drawn, a click reaches a match, a held key moves the paddle, Esc leaves,
// and the settings file the screens wrote is in the page's file system and
// still there after a reload (kept in IndexedDB).
//
// Usage: node page_flow_test.cjs BUILD-WEB-DIR rallix|rallix-one

const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');
const puppeteer = require('puppeteer-core');

const [root, program] = process.argv.slice(2);
// Generous: CI shares two cores with other builds.
const SLOW = 90000;
const VIEWPORT = { width: 1024, height: 768 };
const MATCH_FIELD = { width: 800, height: 600 };
const WAIT_SCREEN = { width: 473, height: 322 };

// Where each program's screens put the things the flow clicks and looks at
// (the forms' designs in pixels), the paddle's first place, and the file its
// settings screen writes.
const FLOWS = {
  rallix: {
    menuText: { x: 243, y: 232, w: 305, h: 41 },  // "Single Play    You  vs.  The AI"
    // "Multiplayer    Internet, lan or Modem": where its last word ends the
    // line, and the rest of its box below the line.
    oneLineEntry: { lineEnd: { x: 500, y: 344, w: 90, h: 22 },
                    below: { x: 220, y: 369, w: 361, h: 16 } },
    clicks: [{ x: 300, y: 252 }, { x: 200, y: 468 }],  // that entry, then START GAME
    paddle: { left: 161, right: 371 },
    settingsFile: 'config1.cfg',
  },
  'rallix-one': {
    menuText: { x: 16, y: 24, w: 169, h: 41 },  // "Blue Plastic Ball"
    clicks: [{ x: 100, y: 124 }],  // the blue ball; the wait screen then starts the match
    paddle: { left: 33, right: 243 },
    settingsFile: 'config.dat',
  },
};
const flow = FLOWS[program];
if (!flow) {
  throw new Error(`no flow for "${program}"`);
}

const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.wasm': 'application/wasm',
                '.data': 'application/octet-stream' };

function serve(folder) {
  const server = http.createServer((request, response) => {
    const name = path.normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const file = path.join(folder, name);
    if (!file.startsWith(folder) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(response);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

async function until(what, check, timeout = SLOW) {
  const deadline = Date.now() + timeout;
  for (;;) {
    const value = await check();
    if (value) {
      return value;
    }
    if (Date.now() > deadline) {
      throw new Error(`timed out waiting for ${what}`);
    }
    await new Promise((r) => setTimeout(r, 100));
  }
}

async function canvasSize(page) {
  return page.$eval('#canvas', (c) => ({ width: c.width, height: c.height }));
}

async function failureShown(page) {
  return page.$eval('#notice', (n) => (n.style.display === 'flex' ? n.textContent : ''));
}

// The canvas as the player sees it, as a PNG in base64.
async function shot(page) {
  const box = await (await page.$('#canvas')).boundingBox();
  return page.screenshot({ encoding: 'base64', clip: box });
}

// Counts pixels of an area that are the screens' red, decoding in the page.
async function redPixels(page, png, area) {
  return page.evaluate(async (png, a) => {
    const image = await createImageBitmap(await (await fetch(`data:image/png;base64,${png}`)).blob());
    const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
    context.drawImage(image, 0, 0);
    const d = context.getImageData(a.x, a.y, a.w, a.h).data;
    let red = 0;
    for (let i = 0; i < d.length; i += 4) {
      red += d[i] > 150 && d[i + 1] < 80 && d[i + 2] < 80 ? 1 : 0;
    }
    return red;
  }, png, area);
}

// The leftmost and rightmost columns of the paddle's rows that differ
// between two pictures of the match.
async function changedColumns(page, before, after) {
  return page.evaluate(async (pngs) => {
    const rows = [];
    for (const png of pngs) {
      const image = await createImageBitmap(await (await fetch(`data:image/png;base64,${png}`)).blob());
      const context = new OffscreenCanvas(image.width, image.height).getContext('2d');
      context.drawImage(image, 0, 0);
      rows.push(context.getImageData(0, 552, 800, 46).data);
    }
    const [a, b] = rows;
    let left = -1;
    let right = -1;
    for (let x = 0; x < 800; ++x) {
      let changed = 0;
      for (let y = 0; y < 46; ++y) {
        const i = (y * 800 + x) * 4;
        changed += Math.abs(a[i] - b[i]) + Math.abs(a[i + 1] - b[i + 1]) + Math.abs(a[i + 2] - b[i + 2]) > 60;
      }
      if (changed > 10) {
        left = left < 0 ? x : left;
        right = x;
      }
    }
    return { left, right };
  }, [before, after]);
}

async function open(browser, url, deviceScaleFactor = 1) {
  const page = await browser.newPage();
  await page.setViewport({ ...VIEWPORT, deviceScaleFactor });
  page.on('console', (m) => console.log(`  page: ${m.text()}`));
  page.on('pageerror', (e) => console.log(`  page error: ${e.message}`));
  await page.goto(url, { waitUntil: 'load' });
  return page;
}

async function main() {
  const server = await serve(path.resolve(root));
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'rallix-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: '/usr/bin/chromium',
    headless: true,
    args: ['--headless', '--no-sandbox', '--enable-unsafe-swiftshader',
           '--autoplay-policy=no-user-gesture-required', '--disable-background-networking',
           '--disable-component-update', '--disable-sync', '--no-first-run',
           `--user-data-dir=${profile}`],
  });
  const url = `http://127.0.0.1:${server.address().port}/${program}.html`;
  try {
    let page = await open(browser, url);
    const stage = await page.$eval('#stage', (s) => ({ width: s.clientWidth, height: s.clientHeight }));

    // The menu is drawn, on a maximized form that fills the page's stage.
    await until('the menu', async () => {
      const failure = await failureShown(page);
      if (failure) {
        throw new Error(`the page reports: ${failure}`);
      }
      return (await redPixels(page, await shot(page), flow.menuText)) > 100;
    });
    const menuCanvas = await canvasSize(page);
    if (menuCanvas.width !== stage.width || menuCanvas.height !== stage.height) {
      throw new Error(`the menu's canvas is ${JSON.stringify(menuCanvas)}, the stage ${JSON.stringify(stage)}`);
    }
    console.log(`menu drawn on a ${menuCanvas.width}x${menuCanvas.height} canvas`);
    if (flow.oneLineEntry) {
      // The longest entry is drawn whole on its one line, as on the desktop:
      // its last word at the line's end, nothing wrapped below it.
      const menu = await shot(page);
      const { lineEnd, below } = flow.oneLineEntry;
      if ((await redPixels(page, menu, lineEnd)) < 50 || (await redPixels(page, menu, below)) > 0) {
        throw new Error('"Multiplayer    Internet, lan or Modem" is not drawn whole on one line');
      }
    }
    // The hit sound has a device: the browser's audio, not the silent fallback.
    const audio = await page.evaluate(() => Module.SDL2 && Module.SDL2.audioContext &&
      Module.SDL2.audioContext.state);
    if (!audio) {
      throw new Error('the page opened no audio device');
    }

    // Click through to a match.
    for (const at of flow.clicks) {
      const box = await (await page.$('#canvas')).boundingBox();
      await page.mouse.click(box.x + at.x, box.y + at.y);
      await new Promise((r) => setTimeout(r, 500));
    }
    if (program === 'rallix') {
      await until('the full-screen match', async () => {
        const size = await canvasSize(page);
        return size.width === MATCH_FIELD.width && size.height === MATCH_FIELD.height;
      });
    } else {
      // The wait screen, a normal form of its own size, then the match.
      await until('the wait screen', async () => (await canvasSize(page)).width === WAIT_SCREEN.width);
      await until('the match', async () => (await canvasSize(page)).width === stage.width);
    }
    console.log('match started');

    // A held Right arrow moves the player's paddle right. (Soon: a fast
    // ball can end the first edition's rally in a second and a half.)
    const before = await shot(page);
    await page.keyboard.down('ArrowRight');
    await new Promise((r) => setTimeout(r, 500));
    const after = await shot(page);
    await page.keyboard.up('ArrowRight');
    const moved = await changedColumns(page, before, after);
    console.log(`paddle rows changed from column ${moved.left} to ${moved.right}`);
    if (!(moved.left >= 0 && moved.left <= flow.paddle.left + 20 && moved.right >= flow.paddle.right + 40)) {
      throw new Error(`the paddle did not move right from ${flow.paddle.left}..${flow.paddle.right}`);
    }

    // Esc leaves the match for the screen before it.
    await page.keyboard.press('Escape');
    await until('the screen after the match', async () =>
      (await redPixels(page, await shot(page), program === 'rallix' ? { x: 96, y: 424, w: 209, h: 89 }
                                                                       : flow.menuText)) > 100);
    console.log('left the match with Esc');

    // The settings file is in the page's file system, and still there after
    // a reload.
    const read = (name) => page.evaluate((n) => {
      const file = `${Module.rallix.filesFolder}/${n}`;
      return Module.FS.analyzePath(file).exists ? Module.FS.readFile(file, { encoding: 'utf8' }) : null;
    }, name);
    const written = await read(flow.settingsFile);
    if (!written || !/\r\n$/.test(written)) {
      throw new Error(`${flow.settingsFile} is ${JSON.stringify(written)}`);
    }
    await until('the files saved', () => page.evaluate(() => Module.rallix.filesSaved()));
    await page.close();
    // Reloaded on a screen of twice the density.
    page = await open(browser, url, 2);
    await until('the page to start again', () => page.evaluate(() => typeof Module.FS !== 'undefined' &&
      Module.calledRun === true));
    const kept = await read(flow.settingsFile);
    if (kept !== written) {
      throw new Error(`after a reload ${flow.settingsFile} is ${JSON.stringify(kept)}, not ${JSON.stringify(written)}`);
    }
    console.log(`${flow.settingsFile} kept across a reload: ${JSON.stringify(kept)}`);

    // There the menu is drawn at twice the size, sharp: into a canvas of
    // twice the pixels of its place on the page, its text where the player
    // sees it.
    const twice = (a) => ({ x: 2 * a.x, y: 2 * a.y, w: 2 * a.w, h: 2 * a.h });
    await until('the menu at twice the density', async () =>
      (await redPixels(page, await shot(page), twice(flow.menuText))) > 400);
    const dense = await canvasSize(page);
    if (dense.width !== 2 * stage.width || dense.height !== 2 * stage.height) {
      throw new Error(`at twice the density the menu's canvas is ${JSON.stringify(dense)}, the stage ${JSON.stringify(stage)}`);
    }
    console.log(`menu drawn on a ${dense.width}x${dense.height} canvas at twice the density`);
    console.log(`${program}: the page played through`);
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

main().catch((error) => {
  console.error(`FAILED: ${error.stack || error}`);
  process.exit(1);
});
