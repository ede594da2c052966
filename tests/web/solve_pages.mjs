// Solves exported web puzzles in headless Chromium, over the DevTools protocol on a pipe
// (--remote-debugging-pipe: commands on fd 3, answers on fd 4, each JSON message ended by
// a NUL byte). Usage: node solve_pages.mjs PLAN.json. The plan names the pages with their
// solution rows, the result file ("ok", "overgeslagen: ..." or the first failure) and the
// folder for the screenshots.
import { spawn, execFileSync } from "node:child_process";
import { mkdtempSync, mkdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { pathToFileURL } from "node:url";

const plan = JSON.parse(readFileSync(process.argv[2], "utf8"));
const finish = (text) => writeFileSync(plan.result, text);

function findChromium() {
  for (const name of ["chromium", "chromium-browser", "google-chrome"]) {
    try {
      return execFileSync("sh", ["-c", "command -v " + name], { encoding: "utf8" }).trim();
    } catch {
      // not this one
    }
  }
  return "";
}

class Browser {
  constructor(executable, profile) {
    this.process = spawn(executable, ["--headless=new", "--no-sandbox", "--disable-gpu",
      "--remote-debugging-pipe", "--user-data-dir=" + profile, "--no-first-run",
      "--no-default-browser-check", "--hide-scrollbars", "about:blank"],
    { stdio: ["ignore", "ignore", "pipe", "pipe", "pipe"] });
    this.process.stderr.on("data", () => {});
    this.nextId = 1;
    this.waiting = new Map();
    this.listeners = [];
    this.errors = [];
    let buffer = Buffer.alloc(0);
    this.process.stdio[4].on("data", (chunk) => {
      buffer = Buffer.concat([buffer, chunk]);
      for (let end = buffer.indexOf(0); end >= 0; end = buffer.indexOf(0)) {
        this.receive(JSON.parse(buffer.subarray(0, end).toString("utf8")));
        buffer = buffer.subarray(end + 1);
      }
    });
  }

  receive(message) {
    if (message.id && this.waiting.has(message.id)) {
      const { resolve, reject, method } = this.waiting.get(message.id);
      this.waiting.delete(message.id);
      if (message.error) reject(new Error(method + ": " + message.error.message));
      else resolve(message.result);
      return;
    }
    if (message.method === "Runtime.exceptionThrown")
      this.errors.push(message.params.exceptionDetails.exception?.description ?? "fout in de pagina");
    for (const listener of this.listeners.slice()) listener(message);
  }

  send(method, params = {}) {
    const id = this.nextId++;
    const message = { id, method, params };
    if (this.session && !method.startsWith("Target.")) message.sessionId = this.session;
    this.process.stdio[3].write(JSON.stringify(message) + "\0");
    return new Promise((resolve, reject) => this.waiting.set(id, { resolve, reject, method }));
  }

  event(method) {
    return new Promise((resolve) => {
      const listener = (message) => {
        if (message.method !== method) return;
        this.listeners.splice(this.listeners.indexOf(listener), 1);
        resolve(message.params);
      };
      this.listeners.push(listener);
    });
  }

  async attach() {
    const { targetInfos } = await this.send("Target.getTargets");
    const page = targetInfos.find((target) => target.type === "page");
    this.session = (await this.send("Target.attachToTarget", { targetId: page.targetId, flatten: true })).sessionId;
    await this.send("Page.enable");
    await this.send("Runtime.enable");
  }

  async open(url) {
    const loaded = this.event("Page.loadEventFired");
    await this.send("Page.navigate", { url });
    await loaded;
  }

  // The page keeps its progress in localStorage; the browser takes a write over from the
  // page a moment later, and a reload before that reads the older state. Waits (at most
  // two seconds) until the browser holds the letters the page holds.
  async storageSettled() {
    const letters = (items) => JSON.stringify(items.map(([, value]) => JSON.parse(value).entries));
    const inPage = letters(await this.evaluate("Object.entries(localStorage)"));
    await this.send("DOMStorage.enable");
    const storageId = { securityOrigin: "file://", isLocalStorage: true };
    for (let tries = 0; tries < 100; ++tries) {
      const { entries } = await this.send("DOMStorage.getDOMStorageItems", { storageId });
      if (letters(entries) === inPage) return;
      await new Promise((resolve) => setTimeout(resolve, 20));
    }
  }

  async reload() {
    await this.storageSettled();
    const loaded = this.event("Page.loadEventFired");
    await this.send("Page.reload");
    await loaded;
  }

  async evaluate(expression) {
    const answer = await this.send("Runtime.evaluate", { expression, returnByValue: true });
    if (answer.exceptionDetails) throw new Error(expression + ": " + answer.exceptionDetails.text);
    return answer.result.value;
  }

  async click(selector) {
    const box = await this.evaluate(`(() => { const r = document.querySelector(${JSON.stringify(selector)})
      .getBoundingClientRect(); return { x: r.x + r.width / 2, y: r.y + r.height / 2 }; })()`);
    for (const type of ["mousePressed", "mouseReleased"])
      await this.send("Input.dispatchMouseEvent", { type, x: box.x, y: box.y, button: "left", clickCount: 1 });
  }

  async key(key, shift = false) {
    const named = { Tab: 9, Backspace: 8, Enter: 13, Escape: 27, ArrowRight: 39, ArrowDown: 40 };
    const code = named[key] ?? key.toUpperCase().charCodeAt(0);
    const text = key.length === 1 ? key : undefined;
    const modifiers = shift ? 8 : 0;
    await this.send("Input.dispatchKeyEvent", { type: "keyDown", key, text, windowsVirtualKeyCode: code, modifiers });
    await this.send("Input.dispatchKeyEvent", { type: "keyUp", key, windowsVirtualKeyCode: code, modifiers });
  }

  async typeText(text) {
    for (const character of text) await this.key(character);
  }

  async viewport(width, height, mobile) {
    await this.send("Emulation.setDeviceMetricsOverride", { width, height, deviceScaleFactor: 1, mobile });
  }

  async screenshot(path) {
    const { data } = await this.send("Page.captureScreenshot", { format: "png" });
    writeFileSync(path, Buffer.from(data, "base64"));
  }

  close() {
    this.process.kill();
  }
}

const checks = [];
function expect(condition, what) {
  if (!condition) throw new Error(what);
  checks.push(what);
}

// ---- What the page shows ---------------------------------------------------------------------
const gridText = (browser) =>
  browser.evaluate(`Array.from(document.querySelectorAll("#rooster .letter")).map((e) => e.textContent).join("|")`);
const caption = (browser) => browser.evaluate(`document.getElementById("huidige").textContent`);
const message = (browser) => browser.evaluate(`document.getElementById("melding").textContent`);
const solved = (browser) => browser.evaluate(`!document.getElementById("klaar").hidden`);
const wordsOf = (browser) => browser.evaluate(`JSON.parse(document.getElementById("puzzel").textContent).words`);

// The solution of a letter cell as typed: the IJ cell as I then J.
const typed = (letter) => (letter === "y" ? "IJ" : letter);
const letterCells = (rows) => rows.flatMap((row, y) =>
  Array.from(row).map((letter, x) => ({ x, y, letter })).filter((cell) => !"#-".includes(cell.letter)));
const expectedGrid = (rows, shown = (letter) => typed(letter)) => letterCells(rows).map((c) => shown(c.letter)).join("|");

async function clickCell(browser, cell, doorloper) {
  const row = `#rooster [role=row]:nth-child(${cell.y + 1 + (doorloper ? 1 : 0)})`;
  const column = cell.x + 1 + (doorloper ? 1 : 0);
  await browser.click(`${row} > :nth-child(${column})`);
}

// Types every letter after a click on its cell.
async function solveByCells(browser, page, doorloper) {
  for (const cell of letterCells(page.rows)) {
    await clickCell(browser, cell, doorloper);
    await browser.typeText(typed(cell.letter));
  }
}

// ---- The 15 x 15 with the IJ cell and the split word -----------------------------------------
async function largePuzzle(browser, page) {
  const words = await wordsOf(browser);
  const across = words.filter((w) => w.across);
  const down = words.filter((w) => !w.across);
  const cells = letterCells(page.rows);
  const ijCell = cells.find((c) => c.letter === "y");
  expect(await browser.evaluate(`document.title`) === "Webpuzzel \u00e9\u00e9n", "title in UTF-8");
  expect(await browser.evaluate(`document.querySelector(".opmerking").textContent.includes("Veel plezier!")`), "comment");
  expect(await browser.evaluate(`document.getElementById("rooster").getAttribute("role")`) === "grid", "grid role");
  expect(await browser.evaluate(`Array.from(document.querySelectorAll("#omschrijvingen section")).map((s) => s.getAttribute("aria-label")).join()`) === "Horizontaal,Verticaal", "labelled clue lists");
  expect(across[0].clue.endsWith("(7+8)"), "split word with its parts");
  expect(await browser.evaluate(`document.querySelectorAll("#rooster .deel-rechts").length`) === 1, "part end drawn");
  expect(await browser.evaluate(`Array.from(document.querySelectorAll("#rooster .nummer")).slice(0, 2).map((e) => e.textContent).join()`) === "1,2", "numbered per part");

  // Tab order: the across list, then the down list; Shift+Tab goes back.
  await clickCell(browser, cells[0]);
  expect(await caption(browser) === across[0].caption, "click selects the across word");
  await browser.key("Tab");
  expect(await caption(browser) === across[1].caption, "Tab to the next word");
  await browser.key("Tab", true);
  await browser.key("Tab", true);
  expect(await caption(browser) === down[down.length - 1].caption, "Shift+Tab wraps to the last down word");
  await browser.key("Tab");
  await browser.key(" ");
  expect(await caption(browser) === down[0].caption, "Space switches direction");

  // Check and reveal.
  await clickCell(browser, cells[1]);
  await browser.key("Enter");
  await browser.typeText("Q");
  await clickCell(browser, cells[1]);
  await browser.click(`[data-actie="controleer-letter"]`);
  expect(await message(browser) === "1 letter is fout", "check letter finds the wrong letter");
  expect(await browser.evaluate(`document.querySelectorAll("#rooster .fout").length`) === 1, "wrong letter marked");
  await browser.click(`[data-actie="toon-letter"]`);
  expect(await browser.evaluate(`document.querySelector("#rooster .getoond .letter").textContent`) === cells[1].letter, "reveal letter");
  await browser.click(`[data-actie="toon-woord"]`);
  const firstRow = Array.from(page.rows[0]).map(typed);
  expect((await gridText(browser)).startsWith(firstRow.join("|") + "|"), "reveal word, the IJ cell as IJ");
  await browser.click(`[data-actie="controleer-puzzel"]`);
  expect(await message(browser) === "Geen fouten gevonden", "check puzzle");
  await browser.click(`[data-actie="wis"]`);
  expect(/^\|*$/.test(await gridText(browser)), "Wis empties the grid");

  // The IJ cell takes Y, the letters I and J, and the single character.
  const checkIJ = async (text, what) => {
    await clickCell(browser, ijCell);
    if (text === "\u0132") await browser.send("Input.insertText", { text });
    else await browser.typeText(text);
    await clickCell(browser, ijCell);
    await browser.click(`[data-actie="controleer-letter"]`);
    expect(await message(browser) === "Geen fouten gevonden", what);
  };
  await checkIJ("Y", "IJ cell typed as Y");
  await checkIJ("IJ", "IJ cell typed as I and J");
  expect(await browser.evaluate(`document.querySelectorAll("#rooster .letter")[${cells.indexOf(ijCell)}].textContent`) === "IJ", "I then J make one IJ cell");
  await checkIJ("\u0132", "IJ cell typed as the single character (phone input)");

  // Typing a word runs on through its cells; the progress survives a reload.
  const firstClue = "#omschrijvingen section:first-child li:first-child button";
  await browser.click(firstClue);
  expect(await caption(browser) === across[0].caption, "a click on a clue selects its word");
  await browser.typeText(firstRow.join(""));
  const partial = await gridText(browser);
  await browser.reload();
  expect(await gridText(browser) === partial, "reload keeps the progress");
  expect(!(await solved(browser)), "not solved yet");
  await browser.click(firstClue);

  for (const word of across.slice(1)) {
    await browser.key("Tab");
    expect(await caption(browser) === word.caption, "Tab reaches " + word.caption);
    const letters = Array.from({ length: word.length }, (_, i) => typed(page.rows[word.y][word.x + i])).join("");
    await browser.typeText(letters);
  }
  expect(await gridText(browser) === expectedGrid(page.rows), "whole solution typed");
  expect(await solved(browser), "Klaar! after the whole solution");
  expect(await browser.evaluate(`document.getElementById("klaar").textContent`) === "Klaar!", "Klaar! text");

  // Print: the empty numbered grid and the clues, no buttons.
  await browser.send("Emulation.setEmulatedMedia", { media: "print" });
  expect(await browser.evaluate(`getComputedStyle(document.querySelector("#rooster .letter")).visibility`) === "hidden", "print hides the letters");
  expect(await browser.evaluate(`getComputedStyle(document.querySelector(".knoppen")).display`) === "none", "print hides the buttons");
  await browser.send("Emulation.setEmulatedMedia", { media: "" });
}

// ---- The narrow and the wide screen -----------------------------------------------------------
async function screens(browser, page) {
  mkdirSync(plan.screenshots, { recursive: true });
  for (const [width, height, mobile] of [[360, 740, true], [1280, 860, false]]) {
    await browser.viewport(width, height, mobile);
    await browser.reload();
    await clickCell(browser, letterCells(page.rows)[20]);
    const box = await browser.evaluate(`(() => { const r = document.getElementById("rooster").getBoundingClientRect();
      return { left: r.left, right: r.right, page: document.documentElement.scrollWidth }; })()`);
    expect(box.left >= 0 && box.right <= width && box.page <= width, `grid fits ${width} px (${JSON.stringify(box)})`);
    await browser.screenshot(join(plan.screenshots, `${page.name}-${width}.png`));
  }
}

const EXTRA = {
  doorloper: async (browser) => {
    const headers = (role) => browser.evaluate(`Array.from(document.querySelectorAll("#rooster [role=${role}]")).map((e) => e.textContent).join()`);
    expect(await headers("rowheader") === "1,2,3,4,5", "Doorloper rows numbered");
    expect(await headers("columnheader") === ",1,2,3,4,5", "Doorloper columns numbered");
    expect(await browser.evaluate(`document.querySelectorAll("#rooster .nummer").length`) === 0, "Doorloper has no numbers in cells");
  },
  niet: async (browser) => {
    expect(await browser.evaluate(`document.querySelectorAll("#rooster .niet").length`) === 12, "cells outside the shape");
  },
  horizontaal: async (browser) => {
    expect(await browser.evaluate(`document.querySelectorAll("#omschrijvingen section").length`) === 1, "across only: one list");
  },
};

async function main() {
  const chromium = findChromium();
  if (!chromium) return finish("overgeslagen: chromium ontbreekt (Debian-pakket chromium)");
  const profile = mkdtempSync(join(tmpdir(), "rooster2-browser-"));
  const browser = new Browser(chromium, profile);
  const timer = setTimeout(() => { finish("de browser antwoordde niet binnen 90 s"); process.exit(1); }, 90000);
  try {
    await browser.attach();
    await browser.viewport(1280, 860, false);
    for (const page of plan.pages) {
      await browser.open(pathToFileURL(page.page).href);
      if (page.name === "groot") {
        await largePuzzle(browser, page);
        await screens(browser, page);
      } else {
        await EXTRA[page.name](browser);
        await solveByCells(browser, page, page.name === "doorloper");
        expect(await solved(browser), `Klaar! on ${page.name}`);
      }
      expect(browser.errors.length === 0, `no script errors on ${page.name}: ${browser.errors.join("; ")}`);
    }
    for (const check of checks) console.log("ok - " + check);
    finish("ok");
  } catch (error) {
    for (const check of checks) console.log("ok - " + check);
    console.log("FOUT: " + error.message);
    finish("FOUT: " + error.message);
  } finally {
    clearTimeout(timer);
    browser.close();
    rmSync(profile, { recursive: true, force: true });
  }
}

await main();
