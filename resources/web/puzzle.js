// The interactive puzzle page: builds the grid and the clue lists from the puzzle data,
// takes the letters the reader types, checks and reveals against the encoded answers and
// keeps the progress in the browser's local storage.
"use strict";
(function () {
  const data = JSON.parse(document.getElementById("puzzel").textContent);
  const width = data.width;
  const height = data.height;
  const cellCount = width * height;
  const IJ = "IJ";
  const IJ_CODE = 0x79; // the IJ cell's answer byte

  // ---- The answers -----------------------------------------------------------------
  // The export XOR-s each letter cell's answer byte with this generator (web_export.cpp,
  // KeyStream): both must agree bit for bit.
  function keyStream(key, count) {
    let state = (key | 1) >>> 0;
    const bytes = new Uint8Array(count);
    for (let i = 0; i < count; i++) {
      state ^= state << 13;
      state >>>= 0;
      state ^= state >>> 17;
      state ^= state << 5;
      state >>>= 0;
      bytes[i] = state & 0xff;
    }
    return bytes;
  }
  const encoded = Uint8Array.from(atob(data.answers), (c) => c.charCodeAt(0));
  const stream = keyStream(data.key, encoded.length);

  // The place of each letter cell among the letter cells, -1 for the others.
  const ordinal = new Int32Array(cellCount).fill(-1);
  let letterCells = 0;
  for (let i = 0; i < cellCount; i++) if (data.shape[i] === ".") ordinal[i] = letterCells++;

  // The answer bytes a typed entry stands for: "IJ" only for the IJ cell, "Y" also for it.
  function codesOf(entry) {
    if (entry === IJ) return [IJ_CODE];
    if (entry === "Y") return [0x59, IJ_CODE];
    return entry.length === 1 ? [entry.charCodeAt(0)] : [];
  }
  function isCorrect(cell) {
    const k = ordinal[cell];
    return codesOf(entries[cell]).some((code) => ((code ^ stream[k]) & 0xff) === encoded[k]);
  }
  function answerOf(cell) {
    const k = ordinal[cell];
    const code = encoded[k] ^ stream[k];
    return code === IJ_CODE ? IJ : String.fromCharCode(code);
  }
  const hasIJ = (function () {
    for (let i = 0; i < cellCount; i++) if (ordinal[i] >= 0 && answerOf(i) === IJ) return true;
    return false;
  })();

  // ---- Words -------------------------------------------------------------------------
  const words = data.words.map((word, index) => {
    const cells = [];
    for (let i = 0; i < word.length; i++)
      cells.push(word.across ? word.y * width + word.x + i : (word.y + i) * width + word.x);
    return Object.assign({ index: index, cells: cells }, word);
  });
  // The order of Tab: the across list, then the down list.
  const tabOrder = words.filter((w) => w.across).concat(words.filter((w) => !w.across));
  const acrossWordOf = new Int32Array(cellCount).fill(-1);
  const downWordOf = new Int32Array(cellCount).fill(-1);
  for (const word of words)
    for (const cell of word.cells) (word.across ? acrossWordOf : downWordOf)[cell] = word.index;
  function wordAt(cell, across) {
    const index = (across ? acrossWordOf : downWordOf)[cell];
    return index >= 0 ? words[index] : null;
  }

  // ---- State -------------------------------------------------------------------------
  const storageKey = "rooster2-webpuzzel-" + data.id;
  let entries = new Array(cellCount).fill("");
  let marks = new Array(cellCount).fill("");
  let elapsed = 0;
  let done = false;
  let paused = false;
  let cursor = -1;
  let across = true;
  let lastTyped = -1; // the cell of the last typed letter, for I followed by J

  function load() {
    try {
      const saved = JSON.parse(localStorage.getItem(storageKey) || "null");
      if (!saved || saved.entries.length !== cellCount) return;
      entries = saved.entries.map(String);
      marks = saved.marks.map(String);
      elapsed = Number(saved.elapsed) || 0;
      done = Boolean(saved.done);
    } catch (error) {
      // No storage (a private window) or damaged contents: start empty.
    }
  }
  function save() {
    try {
      localStorage.setItem(storageKey, JSON.stringify({ entries, marks, elapsed, done }));
    } catch (error) {
      // The page still works without storage, it only forgets.
    }
  }

  // ---- The grid ----------------------------------------------------------------------
  const grid = document.getElementById("rooster");
  const input = document.getElementById("invoer");
  const cellElements = [];
  const letterElements = [];
  const isLetter = (cell) => ordinal[cell] >= 0;
  // Cells outside the shape and the grid's edge need the line that a neighbour draws elsewhere.
  const drawsLines = (x, y) => x >= 0 && y >= 0 && x < width && y < height && data.shape[y * width + x] !== "-";

  function headerCell(text) {
    const element = document.createElement("div");
    element.className = "vak kop";
    element.setAttribute("role", "columnheader");
    element.textContent = text;
    return element;
  }

  function makeCell(cell) {
    const x = cell % width;
    const y = Math.floor(cell / width);
    const element = document.createElement("div");
    element.setAttribute("role", "gridcell");
    const kind = data.shape[cell];
    element.className = "vak" + (kind === "#" ? " zwart" : kind === "-" ? " niet" : "");
    if (kind !== "-") {
      if (!drawsLines(x - 1, y)) element.classList.add("rand-links");
      if (!drawsLines(x, y - 1)) element.classList.add("rand-boven");
      if (data.partEnds[cell] & 1) element.classList.add("deel-rechts");
      if (data.partEnds[cell] & 2) element.classList.add("deel-onder");
    }
    if (kind === "#") element.setAttribute("aria-label", "zwart vak");
    if (kind === "-") element.setAttribute("aria-hidden", "true");
    if (isLetter(cell)) {
      if (!data.doorloper && data.numbers[cell] > 0) {
        const number = document.createElement("span");
        number.className = "nummer";
        number.textContent = data.numbers[cell];
        element.appendChild(number);
      }
      const letter = document.createElement("span");
      letter.className = "letter";
      element.appendChild(letter);
      letterElements[cell] = letter;
      element.addEventListener("mousedown", (event) => event.preventDefault());
      element.addEventListener("click", () => clickCell(cell));
    }
    cellElements[cell] = element;
    return element;
  }

  // A Doorloper is numbered by row and column: the numbers stand beside the grid.
  function doorloperLabels() {
    const rows = new Array(height).fill("");
    const columns = new Array(width).fill("");
    for (const word of words) {
      if (word.across) rows[word.y] = String(word.number);
      else columns[word.x] = String(word.number);
    }
    return { rows, columns };
  }

  function buildGrid() {
    const labels = data.doorloper ? doorloperLabels() : null;
    document.getElementById("roosterkant").style.setProperty("--kolommen", width + (labels ? 1 : 0));
    grid.setAttribute("aria-label", "Rooster, " + width + " bij " + height + " vakken");
    if (labels) {
      const row = document.createElement("div");
      row.setAttribute("role", "row");
      row.style.display = "contents";
      row.appendChild(headerCell(""));
      for (const label of labels.columns) row.appendChild(headerCell(label));
      grid.appendChild(row);
    }
    for (let y = 0; y < height; y++) {
      const row = document.createElement("div");
      row.setAttribute("role", "row");
      row.style.display = "contents";
      if (labels) {
        const header = headerCell(labels.rows[y]);
        header.setAttribute("role", "rowheader");
        row.appendChild(header);
      }
      for (let x = 0; x < width; x++) row.appendChild(makeCell(y * width + x));
      grid.appendChild(row);
    }
  }

  // ---- Clue lists ----------------------------------------------------------------------
  const clueButtons = [];
  function buildClues() {
    const lists = document.getElementById("omschrijvingen");
    const directions = data.acrossOnly ? [true] : [true, false];
    for (const direction of directions) {
      const section = document.createElement("section");
      const heading = document.createElement("h2");
      heading.textContent = direction ? "Horizontaal" : "Verticaal";
      section.setAttribute("aria-label", heading.textContent);
      const list = document.createElement("ol");
      for (const word of words.filter((w) => w.across === direction)) {
        const item = document.createElement("li");
        const button = document.createElement("button");
        button.type = "button";
        button.setAttribute("aria-label", heading.textContent + " " + word.number + ": " + word.clue);
        const number = document.createElement("span");
        number.className = "nummer";
        number.textContent = word.number;
        const text = document.createElement("span");
        text.textContent = word.clue;
        button.append(number, text);
        button.addEventListener("click", () => goToWord(word, true));
        clueButtons[word.index] = button;
        item.appendChild(button);
        list.appendChild(item);
      }
      section.append(heading, list);
      lists.appendChild(section);
    }
  }

  // ---- Drawing -------------------------------------------------------------------------
  function currentWord() {
    return cursor >= 0 ? wordAt(cursor, across) : null;
  }
  function setClass(element, name, on) {
    if (element.classList.contains(name) !== on) element.classList.toggle(name, on);
  }

  function render() {
    const word = currentWord();
    const crossing = cursor >= 0 ? wordAt(cursor, !across) : null;
    const inWord = new Set(word ? word.cells : []);
    const inCrossing = new Set(crossing ? crossing.cells : []);
    for (let cell = 0; cell < cellCount; cell++) {
      if (!isLetter(cell)) continue;
      const element = cellElements[cell];
      const entry = entries[cell];
      const letter = letterElements[cell];
      if (letter.textContent !== entry) letter.textContent = entry;
      setClass(letter, "dubbel", entry.length > 1);
      setClass(element, "cursor", cell === cursor);
      setClass(element, "woord", inWord.has(cell));
      setClass(element, "kruis", inCrossing.has(cell) && !inWord.has(cell));
      setClass(element, "fout", marks[cell] === "fout");
      setClass(element, "getoond", marks[cell] === "getoond");
      const label = "rij " + (Math.floor(cell / width) + 1) + ", kolom " + ((cell % width) + 1) +
        (entry ? ": " + entry : ": leeg") + (marks[cell] === "fout" ? ", fout" : "");
      if (element.getAttribute("aria-label") !== label) element.setAttribute("aria-label", label);
    }
    clueButtons.forEach((button, index) => {
      if (!button) return;
      setClass(button, "actief", word !== null && word.index === index);
      setClass(button, "kruisend", crossing !== null && crossing.index === index);
    });
    const caption = word ? word.caption : "";
    document.getElementById("huidige").textContent = caption;
    placeInput(word, caption);
  }

  // The input that takes the keys sits on the cursor cell, so that a phone shows its
  // keyboard there and screen readers read the word and the position.
  function placeInput(word, caption) {
    if (cursor < 0) return;
    const element = cellElements[cursor];
    input.style.left = element.offsetLeft + "px";
    input.style.top = element.offsetTop + "px";
    input.style.width = element.offsetWidth + "px";
    input.style.height = element.offsetHeight + "px";
    const position = word ? ", letter " + (word.cells.indexOf(cursor) + 1) + " van " + word.length : "";
    input.setAttribute("aria-label", (caption || "Vak") + position + ", " + (entries[cursor] || "leeg"));
  }

  function scrollClueIntoView() {
    const word = currentWord();
    const lists = document.getElementById("omschrijvingen");
    if (!word || lists.scrollHeight <= lists.clientHeight) return;
    const button = clueButtons[word.index];
    const top = button.offsetTop - lists.offsetTop;
    if (top < lists.scrollTop || top + button.offsetHeight > lists.scrollTop + lists.clientHeight)
      lists.scrollTop = top - lists.clientHeight / 3;
  }

  // ---- Moving ----------------------------------------------------------------------------
  function setCursor(cell, preferAcross) {
    cursor = cell;
    if (wordAt(cell, preferAcross)) across = preferAcross;
    else if (wordAt(cell, !preferAcross)) across = !preferAcross;
    render();
    scrollClueIntoView();
  }

  function focusGrid() {
    input.focus({ preventScroll: true });
  }

  function clickCell(cell) {
    if (paused) return;
    if (cell === cursor) setCursor(cell, !across);
    else setCursor(cell, across);
    focusGrid();
  }

  function goToWord(word, focus) {
    const empty = word.cells.find((cell) => entries[cell] === "");
    setCursor(empty === undefined ? word.cells[0] : empty, word.across);
    if (focus) focusGrid();
  }

  function stepWord(step) {
    const word = currentWord();
    const at = word ? tabOrder.indexOf(word) : -1;
    if (tabOrder.length === 0) return;
    const next = at < 0 ? (step > 0 ? 0 : tabOrder.length - 1) : (at + step + tabOrder.length) % tabOrder.length;
    goToWord(tabOrder[next], false);
  }

  // The next letter cell from the cursor in a direction, over black cells; none at the edge.
  function moveCursor(dx, dy) {
    let x = cursor % width;
    let y = Math.floor(cursor / width);
    for (;;) {
      x += dx;
      y += dy;
      if (x < 0 || y < 0 || x >= width || y >= height) return;
      if (isLetter(y * width + x)) {
        setCursor(y * width + x, dx !== 0);
        return;
      }
    }
  }

  // The cell `step` places from the cursor inside the current word, or -1.
  function cellInWord(step) {
    const word = currentWord();
    if (!word) return -1;
    const at = word.cells.indexOf(cursor) + step;
    return at >= 0 && at < word.length ? word.cells[at] : -1;
  }

  // ---- Typing ----------------------------------------------------------------------------
  function normalise(text) {
    let letter = text.toUpperCase();
    if (letter === "\u0132") letter = IJ;
    if (!/^[\p{L}\p{N}]+$/u.test(letter)) return "";
    return letter === IJ ? IJ : letter[0];
  }

  function type(text) {
    const letter = normalise(text);
    if (!letter || cursor < 0 || paused || done) return;
    // A J right after an I makes that cell the IJ, where the puzzle has one.
    const previous = cellInWord(-1);
    if (letter === "J" && hasIJ && lastTyped >= 0 && lastTyped === previous && entries[previous] === "I") {
      enter(previous, IJ);
      lastTyped = -1;
    } else {
      enter(cursor, letter);
      lastTyped = cursor;
      const next = cellInWord(1);
      if (next >= 0) cursor = next;
    }
    changed();
  }

  function enter(cell, letter) {
    entries[cell] = letter;
    marks[cell] = "";
  }

  function erase() {
    if (cursor < 0 || paused || done) return;
    if (entries[cursor] === "") {
      const previous = cellInWord(-1);
      if (previous >= 0) cursor = previous;
    }
    enter(cursor, "");
    lastTyped = -1;
    changed();
  }

  function changed() {
    save();
    render();
    checkSolved();
  }

  const KEYS = {
    ArrowLeft: () => moveCursor(-1, 0),
    ArrowRight: () => moveCursor(1, 0),
    ArrowUp: () => moveCursor(0, -1),
    ArrowDown: () => moveCursor(0, 1),
    Backspace: erase,
    Delete: () => {
      if (cursor >= 0 && !paused && !done) {
        enter(cursor, "");
        changed();
      }
    },
    Enter: () => setCursor(cursor, !across),
    " ": () => setCursor(cursor, !across),
  };

  function onKeyDown(event) {
    if (event.ctrlKey || event.metaKey || event.altKey) return;
    if (event.key === "Escape") {
      document.querySelector(".knoppen button").focus();
      event.preventDefault();
      return;
    }
    if (cursor < 0) return;
    if (event.key === "Tab") {
      stepWord(event.shiftKey ? -1 : 1);
      event.preventDefault();
      return;
    }
    const action = KEYS[event.key];
    if (action) {
      action();
      lastTyped = -1;
      event.preventDefault();
    } else if (event.key.length === 1) {
      type(event.key);
      event.preventDefault();
    }
  }

  // Phone keyboards often send no key, only the text they put into the input.
  function onInput() {
    for (const character of Array.from(input.value)) type(character);
    input.value = "";
  }

  // ---- Checking and revealing ------------------------------------------------------------
  function scopeCells(scope) {
    if (scope === "letter") return cursor >= 0 ? [cursor] : [];
    if (scope === "woord") {
      const word = currentWord();
      return word ? word.cells : cursor >= 0 ? [cursor] : [];
    }
    const all = [];
    for (let cell = 0; cell < cellCount; cell++) if (isLetter(cell)) all.push(cell);
    return all;
  }

  function check(scope) {
    let wrong = 0;
    for (const cell of scopeCells(scope)) {
      if (entries[cell] === "" || isCorrect(cell)) continue;
      marks[cell] = "fout";
      wrong++;
    }
    say(wrong === 0 ? "Geen fouten gevonden" : wrong === 1 ? "1 letter is fout" : wrong + " letters zijn fout");
    save();
    render();
    focusGrid();
  }

  function reveal(scope) {
    if (done) return;
    for (const cell of scopeCells(scope)) {
      if (isCorrect(cell)) continue;
      enter(cell, answerOf(cell));
      marks[cell] = "getoond";
    }
    changed();
    focusGrid();
  }

  function clearAll() {
    entries.fill("");
    marks.fill("");
    done = false;
    document.getElementById("klaar").hidden = true;
    say("Het rooster is gewist");
    changed();
  }

  function checkSolved() {
    if (done) return;
    for (let cell = 0; cell < cellCount; cell++) if (isLetter(cell) && !isCorrect(cell)) return;
    done = true;
    save();
    showSolved();
  }

  function showSolved() {
    document.getElementById("klaar").hidden = false;
    say("Opgelost in " + clockText(elapsed));
  }

  function say(text) {
    document.getElementById("melding").textContent = text;
  }

  // ---- Timer -----------------------------------------------------------------------------
  function clockText(seconds) {
    const h = Math.floor(seconds / 3600);
    const m = Math.floor((seconds % 3600) / 60);
    const s = String(seconds % 60).padStart(2, "0");
    return h > 0 ? h + ":" + String(m).padStart(2, "0") + ":" + s : m + ":" + s;
  }

  function tick() {
    if (paused || done) return;
    elapsed++;
    document.getElementById("tijd").textContent = clockText(elapsed);
    save();
  }

  function togglePause() {
    if (done) return;
    paused = !paused;
    const button = document.getElementById("pauze");
    button.textContent = paused ? "Verder" : "Pauze";
    button.setAttribute("aria-pressed", String(paused));
    document.getElementById("gepauzeerd").hidden = !paused;
    if (!paused) focusGrid();
  }

  const ACTIONS = {
    "controleer-letter": () => check("letter"),
    "controleer-woord": () => check("woord"),
    "controleer-puzzel": () => check("puzzel"),
    "toon-letter": () => reveal("letter"),
    "toon-woord": () => reveal("woord"),
    "toon-oplossing": () => reveal("puzzel"),
    wis: clearAll,
    pauze: togglePause,
  };

  // ---- Start -----------------------------------------------------------------------------
  load();
  buildGrid();
  buildClues();
  for (const button of document.querySelectorAll(".knoppen button"))
    button.addEventListener("click", () => ACTIONS[button.dataset.actie]());
  input.addEventListener("keydown", onKeyDown);
  input.addEventListener("input", onInput);
  input.addEventListener("focus", () => {
    grid.classList.add("met-focus");
    if (cursor < 0 && tabOrder.length > 0) goToWord(tabOrder[0], false);
    else if (cursor < 0) setCursor(ordinal.findIndex((k) => k >= 0), true);
  });
  input.addEventListener("blur", () => grid.classList.remove("met-focus"));
  // The input lies over the cursor cell and takes its taps: a second tap turns the direction.
  let hadFocus = false;
  input.addEventListener("pointerdown", () => (hadFocus = document.activeElement === input));
  input.addEventListener("click", () => {
    if (hadFocus && cursor >= 0 && !paused) setCursor(cursor, !across);
  });
  window.addEventListener("resize", () => render());
  document.getElementById("tijd").textContent = clockText(elapsed);
  render();
  if (done) showSolved();
  setInterval(tick, 1000);
})();
