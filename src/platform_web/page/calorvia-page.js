// The page side of Calorvia's web platform: the menu bar, the graphics canvas,
// the template dialogs, message boxes, the About box and the help panel.
// The program (WebAssembly) calls these through platform_library.js; what the
// student does is queued here and read by the program between its sleeps.
'use strict';

var CalorviaPage = (function () {
  var page = {};

  // ---------------------------------------------------------------- language

  // The platform's own words, as a desktop toolkit's translations give them.
  var words = {
    en: { ok: 'OK', cancel: 'Cancel', abort: 'Abort', retry: 'Retry', ignore: 'Ignore',
          yes: 'Yes', no: 'No', close: 'Close', loading: 'Loading Calorvia…',
          ended: 'Calorvia has ended. Reload the page to start it again.',
          failed: 'Calorvia could not start in this browser: ' },
    pt: { ok: 'OK', cancel: 'Cancelar', abort: 'Anular', retry: 'Repetir', ignore: 'Ignorar',
          yes: 'Sim', no: 'Não', close: 'Fechar', loading: 'A carregar o Calorvia…',
          ended: 'O Calorvia terminou. Recarregue a página para o iniciar de novo.',
          failed: 'O Calorvia não pôde iniciar neste navegador: ' }
  };
  var language = 'en';

  function word(key) { return words[language][key]; }

  page.setLanguage = function (code) {
    language = code === 1 ? 'pt' : 'en';
    document.documentElement.lang = language;
    var loading = document.getElementById('loading');
    if (loading) loading.textContent = word('loading');
  };

  function parameters() {
    try { return new URLSearchParams(window.location.search); } catch (e) { return new URLSearchParams(''); }
  }

  // ?lang=pt|en: the language of this visit (1 Portuguese, 2 English, 0 none).
  page.startLanguage = function () {
    var wanted = (parameters().get('lang') || '').toLowerCase();
    if (wanted === 'pt') return 1;
    if (wanted === 'en') return 2;
    return 0;
  };

  // ?case=NAME: the case to open at start, as the address gives it.
  page.startCase = function () {
    var name = parameters().get('case');
    return name ? name : null;
  };

  // ------------------------------------------------------------ access keys

  // "&File" shows "File" with the F underlined; "&&" is an ampersand.
  function captionParts(text) {
    var before = '', key = '', after = '', found = false;
    for (var i = 0; i < text.length; ++i) {
      var c = text[i];
      if (c === '&' && i + 1 < text.length) {
        ++i;
        c = text[i];
        if (c !== '&' && !found) { found = true; key = c; continue; }
      }
      if (found) after += c; else before += c;
    }
    return { before: before, key: key, after: after };
  }

  function accessKey(text) {
    return captionParts(text).key.toLowerCase();
  }

  function fillCaption(element, text) {
    var parts = captionParts(text);
    element.textContent = '';
    element.appendChild(document.createTextNode(parts.before));
    if (parts.key) {
      var u = document.createElement('u');
      u.textContent = parts.key;
      element.appendChild(u);
    }
    element.appendChild(document.createTextNode(parts.after));
  }

  // ----------------------------------------------------------------- menus

  var menus = {};      // number -> {root, title, list, items: [{element, kind, enabled, text}]}
  var commands = [];   // [menu, item] pairs the program has not taken yet
  var openMenu = 0;
  var menuMode = false;  // F10 pressed: the next letter opens a menu

  function menubar() { return document.getElementById('menubar'); }

  function menuOf(number) {
    if (menus[number]) return menus[number];
    var root = document.createElement('div');
    root.className = 'menu';
    root.dataset.menu = String(number);
    var title = document.createElement('button');
    title.type = 'button';
    title.className = 'menu-title';
    title.dataset.menu = String(number);
    title.setAttribute('aria-haspopup', 'true');
    title.addEventListener('click', function () {
      if (openMenu === number) closeMenus(); else showMenu(number, false);
    });
    title.addEventListener('mouseenter', function () {
      if (openMenu && openMenu !== number) showMenu(number, false);
    });
    var list = document.createElement('div');
    list.className = 'menu-items';
    list.setAttribute('role', 'menu');
    list.hidden = true;
    root.appendChild(title);
    root.appendChild(list);
    // Menus stand in the order of their numbers.
    var bar = menubar();
    var next = null;
    for (var i = 0; i < bar.children.length; ++i) {
      if (Number(bar.children[i].dataset.menu) > number) { next = bar.children[i]; break; }
    }
    bar.insertBefore(root, next);
    menus[number] = { root: root, title: title, list: list, items: [] };
    return menus[number];
  }

  function itemElement(menu, number, kind) {
    var element;
    if (kind === 2) {
      element = document.createElement('hr');
      element.className = 'menu-separator';
    } else {
      element = document.createElement('button');
      element.type = 'button';
      element.className = 'menu-item';
      element.setAttribute('role', 'menuitem');
      element.addEventListener('click', function () { choose(menu, number); });
      element.addEventListener('mouseenter', function () { element.focus(); });
    }
    element.dataset.menu = String(menu);
    element.dataset.item = String(number);
    return element;
  }

  // kind: 0 enabled, 1 greyed, 2 separator.
  page.menuItem = function (menu, item, text, kind, enabled) {
    var m = menuOf(menu);
    while (m.items.length <= item) m.items.push(null);
    var entry = m.items[item];
    if (item === 0) {
      fillCaption(m.title, text);
      m.items[0] = { element: m.title, kind: kind, enabled: enabled, text: text };
    } else {
      if (!entry || entry.kind !== kind && (entry.kind === 2 || kind === 2)) {
        var element = itemElement(menu, item, kind);
        if (entry) m.list.replaceChild(element, entry.element); else m.list.appendChild(element);
        entry = m.items[item] = { element: element, kind: kind, enabled: enabled, text: text };
      }
      entry.kind = kind;
      entry.enabled = enabled;
      entry.text = text;
      if (kind !== 2) fillCaption(entry.element, text);
    }
    refreshMenu(m);
  };

  function menuEnabled(m) {
    return !m.items[0] || m.items[0].enabled;
  }

  function refreshMenu(m) {
    var whole = menuEnabled(m);
    m.title.disabled = !whole;
    for (var i = 1; i < m.items.length; ++i) {
      var entry = m.items[i];
      if (!entry || entry.kind === 2) continue;
      entry.element.disabled = !whole || !entry.enabled || entry.kind === 1;
    }
    if (!whole && openMenu === Number(m.root.dataset.menu)) closeMenus();
  }

  function choose(menu, item) {
    var m = menus[menu];
    if (!m || modalOpen()) return;
    var entry = m.items[item];
    if (!entry || entry.element.disabled) return;
    closeMenus();
    commands.push([menu, item]);
  }

  function enabledItems(m) {
    var list = [];
    for (var i = 1; i < m.items.length; ++i) {
      var entry = m.items[i];
      if (entry && entry.kind !== 2 && !entry.element.disabled) list.push(entry.element);
    }
    return list;
  }

  function showMenu(number, focusFirst) {
    var m = menus[number];
    if (!m || !menuEnabled(m) || modalOpen()) return;
    closeMenus();
    openMenu = number;
    m.list.hidden = false;
    m.title.classList.add('open');
    m.title.setAttribute('aria-expanded', 'true');
    if (focusFirst) {
      var items = enabledItems(m);
      if (items.length) items[0].focus(); else m.title.focus();
    }
  }

  function closeMenus() {
    for (var key in menus) {
      menus[key].list.hidden = true;
      menus[key].title.classList.remove('open');
      menus[key].title.setAttribute('aria-expanded', 'false');
    }
    openMenu = 0;
    menuMode = false;
    menubar().classList.remove('keys');
  }

  function menuNumbers() {
    return Object.keys(menus).map(Number).sort(function (a, b) { return a - b; });
  }

  function menuWithKey(letter) {
    var numbers = menuNumbers();
    for (var i = 0; i < numbers.length; ++i) {
      var m = menus[numbers[i]];
      if (m.items[0] && accessKey(m.items[0].text) === letter && menuEnabled(m)) return numbers[i];
    }
    return 0;
  }

  // Keys of the menu bar: Alt+letter opens the menu whose title has that
  // access key. Browsers keep some Alt+letter combinations for their own
  // menus (Chrome on ChromeOS and Windows takes Alt+F), so F10 and then the
  // letter opens it as well. In an open menu: arrows move, Enter chooses, a
  // letter chooses the item with that access key, Escape closes.
  function menuKeys(event) {
    var letter = event.key && event.key.length === 1 ? event.key.toLowerCase() : '';
    if (event.key === 'F10') {
      event.preventDefault();
      if (openMenu || menuMode) { closeMenus(); return; }
      menuMode = true;
      menubar().classList.add('keys');
      var numbers = menuNumbers();
      for (var i = 0; i < numbers.length; ++i) {
        if (menuEnabled(menus[numbers[i]])) { menus[numbers[i]].title.focus(); break; }
      }
      return;
    }
    if (event.altKey && !event.ctrlKey && !event.metaKey && letter) {
      var found = menuWithKey(letter);
      if (found) { event.preventDefault(); showMenu(found, true); }
      return;
    }
    if (menuMode && !openMenu) {
      if (letter) {
        var wanted = menuWithKey(letter);
        if (wanted) { event.preventDefault(); showMenu(wanted, true); }
      } else if (event.key === 'Escape') {
        closeMenus();
      } else if (event.key === 'Enter' || event.key === 'ArrowDown') {
        var focused = document.activeElement;
        if (focused && focused.classList.contains('menu-title')) {
          event.preventDefault();
          showMenu(Number(focused.dataset.menu), true);
        }
      }
      return;
    }
    if (!openMenu) return;
    var m = menus[openMenu];
    var items = enabledItems(m);
    var at = items.indexOf(document.activeElement);
    if (event.key === 'Escape') {
      event.preventDefault();
      var title = m.title;
      closeMenus();
      title.focus();
    } else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
      event.preventDefault();
      if (!items.length) return;
      var step = event.key === 'ArrowDown' ? 1 : -1;
      items[(at + step + items.length) % items.length].focus();
    } else if (event.key === 'ArrowLeft' || event.key === 'ArrowRight') {
      event.preventDefault();
      var open = menuNumbers().filter(function (n) { return menuEnabled(menus[n]); });
      var here = open.indexOf(openMenu);
      var next = open[(here + (event.key === 'ArrowRight' ? 1 : -1) + open.length) % open.length];
      showMenu(next, true);
    } else if (letter && !event.altKey && !event.ctrlKey && !event.metaKey) {
      for (var k = 1; k < m.items.length; ++k) {
        var entry = m.items[k];
        if (entry && entry.kind !== 2 && !entry.element.disabled && accessKey(entry.text) === letter) {
          event.preventDefault();
          choose(Number(m.root.dataset.menu), k);
          return;
        }
      }
    }
  }

  // Calls `work` after the page has had its turn. A visible page gets a
  // timer, between which the browser paints; a hidden one a message, which
  // browsers do not slow down as they slow a background tab's timers (to
  // once a second, later once a minute), so a run goes on at full speed
  // while the student looks at another tab.
  var channel = null, waiting = [];
  page.soon = function (work) {
    if (!document.hidden) { setTimeout(work, 0); return; }
    if (!channel) {
      channel = new MessageChannel();
      channel.port1.onmessage = function () { var next = waiting.shift(); if (next) next(); };
    }
    waiting.push(work);
    channel.port2.postMessage(0);
  };

  page.nextCommand = function () {
    return commands.length ? commands.shift() : null;
  };

  // ------------------------------------------------------------- the canvas

  var canvas = null;
  var context = null;
  var colourCache = { value: -1, css: '' };
  var font = { css: '16px Arial, "Liberation Sans", Helvetica, sans-serif', scaleX: 1, ascent: 15, descent: 4 };

  function cssColour(value) {
    if (colourCache.value !== value) {
      colourCache.value = value;
      colourCache.css = '#' + ('000000' + value.toString(16)).slice(-6);
    }
    return colourCache.css;
  }

  function availableArea() {
    var area = document.getElementById('graphics-area');
    return { width: area.clientWidth, height: area.clientHeight };
  }

  // The backing store keeps the size the program was told; CSS scales it to
  // the tab, proportions kept.
  function fitCanvas() {
    if (!canvas) return;
    var room = availableArea();
    var scale = Math.min(room.width / canvas.width, room.height / canvas.height);
    if (!(scale > 0)) scale = 1;
    canvas.style.width = Math.floor(canvas.width * scale) + 'px';
    canvas.style.height = Math.floor(canvas.height * scale) + 'px';
    placeOpenDialogs();
  }

  // The largest area the tab gives the drawing, but never below the 800 x 600
  // the program's layouts need nor above what a large monitor would show.
  page.configure = function (title) {
    document.title = 'Calorvia – ' + title;
    canvas.setAttribute('aria-label', title);
    var room = availableArea();
    var width = Math.max(800, Math.min(1920, Math.floor(room.width)));
    var height = Math.max(600, Math.min(1200, Math.floor(room.height)));
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
      context = canvas.getContext('2d');
      colourCache.value = -1;
    }
    fitCanvas();
    return [width, height];
  };

  page.frameSize = function () {
    return [window.innerWidth, window.innerHeight];
  };

  page.clear = function (colour) {
    context.fillStyle = cssColour(colour);
    context.fillRect(0, 0, canvas.width, canvas.height);
  };

  // One pixel per step along the longer axis, both ends included (no
  // smoothing, as the program's graphs are drawn pixel by pixel).
  function line(x1, y1, x2, y2) {
    if (x1 === x2 || y1 === y2) {
      context.fillRect(Math.min(x1, x2), Math.min(y1, y2), Math.abs(x2 - x1) + 1, Math.abs(y2 - y1) + 1);
      return;
    }
    var dx = Math.abs(x2 - x1), dy = Math.abs(y2 - y1);
    var sx = x1 < x2 ? 1 : -1, sy = y1 < y2 ? 1 : -1;
    var error = dx - dy;
    var x = x1, y = y1;
    for (;;) {
      context.fillRect(x, y, 1, 1);
      if (x === x2 && y === y2) break;
      var twice = 2 * error;
      if (twice > -dy) { error -= dy; x += sx; }
      if (twice < dx) { error += dx; y += sy; }
    }
  }

  page.lines = function (colour, points) {
    context.fillStyle = cssColour(colour);
    for (var i = 2; i + 1 < points.length; i += 2) {
      line(points[i - 2], points[i - 1], points[i], points[i + 1]);
    }
  };

  page.rectangle = function (colour, filled, x1, y1, x2, y2) {
    var left = Math.min(x1, x2), top = Math.min(y1, y2);
    var width = Math.abs(x2 - x1) + 1, height = Math.abs(y2 - y1) + 1;
    context.fillStyle = cssColour(colour);
    if (filled) {
      context.fillRect(left, top, width, height);
      return;
    }
    context.fillRect(left, top, width, 1);
    context.fillRect(left, top + height - 1, width, 1);
    context.fillRect(left, top, 1, height);
    context.fillRect(left + width - 1, top, 1, height);
  };

  page.ellipse = function (colour, filled, x1, y1, x2, y2) {
    var left = Math.min(x1, x2), top = Math.min(y1, y2);
    var width = Math.abs(x2 - x1) + 1, height = Math.abs(y2 - y1) + 1;
    context.beginPath();
    if (filled) {
      context.ellipse(left + width / 2, top + height / 2, width / 2, height / 2, 0, 0, 2 * Math.PI);
      context.fillStyle = cssColour(colour);
      context.fill();
    } else {
      context.ellipse(left + width / 2, top + height / 2, Math.max(width / 2 - 0.5, 0.5),
                      Math.max(height / 2 - 0.5, 0.5), 0, 0, 2 * Math.PI);
      context.strokeStyle = cssColour(colour);
      context.lineWidth = 1;
      context.stroke();
    }
  };

  // Faces the program asks for, and what a browser has in their place;
  // only installed fonts, nothing fetched.
  var faces = {
    'arial': 'Arial, "Liberation Sans", Helvetica, "Nimbus Sans", sans-serif',
    'helvetica': 'Helvetica, Arial, "Liberation Sans", sans-serif',
    'times new roman': '"Times New Roman", "Liberation Serif", Times, "Nimbus Roman", serif',
    'courier new': '"Courier New", "Liberation Mono", Courier, monospace',
    'tahoma': 'Tahoma, Verdana, "DejaVu Sans", sans-serif',
    'ms sans serif': 'Tahoma, Arial, "Liberation Sans", sans-serif',
    'cac futura casual': '"Comic Sans MS", "Comic Neue", cursive, sans-serif'
  };

  function familyFor(face) {
    var key = face.trim().toLowerCase();
    if (faces[key]) return faces[key];
    var clean = face.replace(/["\\;{}]/g, '').trim();
    return clean ? '"' + clean + '", sans-serif' : 'sans-serif';
  }

  function measureFont(css) {
    context.font = css;
    var metrics = context.measureText('Hg');
    var ascent = metrics.fontBoundingBoxAscent;
    var descent = metrics.fontBoundingBoxDescent;
    if (!(ascent > 0)) { ascent = metrics.actualBoundingBoxAscent; descent = metrics.actualBoundingBoxDescent; }
    return { ascent: ascent, descent: descent };
  }

  // Height in pixels is the em size; a width asks for that average
  // character width, the face stretched or narrowed to it.
  page.selectFont = function (face, height, width, italic) {
    var css = (italic ? 'italic ' : '') + height + 'px ' + familyFor(face);
    var measured = measureFont(css);
    var scaleX = 1;
    if (width > 0) {
      var alphabet = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz';
      var natural = context.measureText(alphabet).width / alphabet.length;
      if (natural > 0) scaleX = Math.min(40, Math.max(0.01, width / natural));
    }
    font = { css: css, scaleX: scaleX, ascent: measured.ascent, descent: measured.descent };
    return 0;
  };

  // Positive rotation turns the text counter-clockwise on the screen.
  page.text = function (colour, x, y, rotation, text) {
    context.save();
    context.font = font.css;
    context.fillStyle = cssColour(colour);
    context.textBaseline = 'alphabetic';
    context.translate(x, y);
    if (rotation) context.rotate(-rotation / 10 * Math.PI / 180);
    if (font.scaleX !== 1) context.scale(font.scaleX, 1);
    context.fillText(text, 0, font.ascent);
    context.restore();
  };

  // The advance or the ink, whichever reaches further, and from the top down
  // to the lowest ink or the font's descent; one more pixel for the
  // smoothed edge.
  page.textExtent = function (text) {
    context.font = font.css;
    var metrics = context.measureText(text);
    var right = Math.max(metrics.width, metrics.actualBoundingBoxRight || 0) * font.scaleX;
    var bottom = font.ascent + Math.max(metrics.actualBoundingBoxDescent || 0, font.descent);
    return [Math.ceil(right) + 1, Math.ceil(bottom) + 1];
  };

  page.picture = function (rgba, width, height, x, y) {
    var image = context.createImageData(width, height);
    image.data.set(rgba);
    context.putImageData(image, x, y);
  };

  // -------------------------------------------- print, select and copy

  var selection = null;     // {x, y, width, height} in canvas pixels
  var selecting = null;     // the drag in progress
  var selectArmed = false;

  function canvasPoint(event) {
    var box = canvas.getBoundingClientRect();
    var x = Math.round((event.clientX - box.left) * canvas.width / box.width);
    var y = Math.round((event.clientY - box.top) * canvas.height / box.height);
    return { x: Math.max(0, Math.min(canvas.width, x)), y: Math.max(0, Math.min(canvas.height, y)) };
  }

  function showSelection() {
    var marker = document.getElementById('selection');
    var region = selecting || selection;
    if (!region || region.width <= 0 || region.height <= 0) { marker.hidden = true; return; }
    var box = canvas.getBoundingClientRect();
    var area = document.getElementById('graphics-area').getBoundingClientRect();
    var scale = box.width / canvas.width;
    marker.hidden = false;
    marker.style.left = (box.left - area.left + region.x * scale) + 'px';
    marker.style.top = (box.top - area.top + region.y * scale) + 'px';
    marker.style.width = (region.width * scale) + 'px';
    marker.style.height = (region.height * scale) + 'px';
  }

  function regionBetween(a, b) {
    return { x: Math.min(a.x, b.x), y: Math.min(a.y, b.y), width: Math.abs(a.x - b.x), height: Math.abs(a.y - b.y) };
  }

  function wireSelection() {
    canvas.addEventListener('pointerdown', function (event) {
      if (!selectArmed) return;
      event.preventDefault();
      var start = canvasPoint(event);
      selecting = { x: start.x, y: start.y, width: 0, height: 0, start: start };
      canvas.setPointerCapture(event.pointerId);
    });
    canvas.addEventListener('pointermove', function (event) {
      if (!selecting) return;
      var start = selecting.start;
      selecting = regionBetween(start, canvasPoint(event));
      selecting.start = start;
      showSelection();
    });
    canvas.addEventListener('pointerup', function (event) {
      if (!selecting) return;
      var region = regionBetween(selecting.start, canvasPoint(event));
      selecting = null;
      selectArmed = false;
      canvas.classList.remove('selecting');
      selection = region.width > 0 && region.height > 0 ? region : null;
      showSelection();
    });
  }

  page.select = function () {
    selection = null;
    selectArmed = true;
    canvas.classList.add('selecting');
    showSelection();
  };

  // The marked region, else the whole graphics area; a region serves one copy.
  page.copy = function () {
    var region = selection || { x: 0, y: 0, width: canvas.width, height: canvas.height };
    selection = null;
    showSelection();
    var copy = document.createElement('canvas');
    copy.width = region.width;
    copy.height = region.height;
    copy.getContext('2d').drawImage(canvas, region.x, region.y, region.width, region.height,
                                    0, 0, region.width, region.height);
    if (!navigator.clipboard || typeof ClipboardItem === 'undefined') return;
    var blob = new Promise(function (resolve) { copy.toBlob(resolve, 'image/png'); });
    try {
      navigator.clipboard.write([new ClipboardItem({ 'image/png': blob })]).catch(function (error) {
        console.warn('Calorvia: the clipboard refused the picture', error);
      });
    } catch (error) {
      console.warn('Calorvia: the clipboard refused the picture', error);
    }
  };

  page.print = function () {
    var picture = document.getElementById('print-picture');
    picture.src = canvas.toDataURL('image/png');
    document.body.classList.add('printing');
    var done = function () { document.body.classList.remove('printing'); };
    window.addEventListener('afterprint', done, { once: true });
    setTimeout(function () { window.print(); }, 0);
  };

  var audio = null;
  page.beep = function (frequency, milliseconds) {
    try {
      var AudioContextClass = window.AudioContext || window.webkitAudioContext;
      if (!AudioContextClass) return;
      if (!audio) audio = new AudioContextClass();
      var oscillator = audio.createOscillator();
      var gain = audio.createGain();
      oscillator.type = 'square';
      oscillator.frequency.value = Math.max(40, Math.min(frequency, 8000));
      gain.gain.value = 0.04;
      oscillator.connect(gain);
      gain.connect(audio.destination);
      var seconds = Math.max(10, Math.min(milliseconds, 2000)) / 1000;
      oscillator.start();
      oscillator.stop(audio.currentTime + seconds);
    } catch (error) { /* no sound is no failure */ }
  };

  // ------------------------------------------------------- modal windows

  // Every modal window (dialog, message box, About) lies in the modal layer,
  // the last one on top; the page under it is inert until it closes.
  function modalLayer() { return document.getElementById('modal-layer'); }

  function modalOpen() {
    return modalLayer().children.length > 0;
  }

  function topModal() {
    var layer = modalLayer();
    return layer.children.length ? layer.children[layer.children.length - 1] : null;
  }

  function refreshModality() {
    var layer = modalLayer();
    var open = layer.children.length > 0;
    layer.hidden = !open;
    document.getElementById('app').inert = open;
    for (var i = 0; i < layer.children.length; ++i) {
      layer.children[i].inert = i !== layer.children.length - 1;
    }
    if (open) closeMenus();
  }

  function openModal(element) {
    modalLayer().appendChild(element);
    refreshModality();
  }

  function closeModal(element) {
    if (element.parentNode === modalLayer()) modalLayer().removeChild(element);
    refreshModality();
  }

  function titleBar(title, onClose) {
    var bar = document.createElement('div');
    bar.className = 'window-title';
    var text = document.createElement('span');
    text.className = 'window-title-text';
    text.textContent = title;
    bar.appendChild(text);
    if (onClose) {
      var close = document.createElement('button');
      close.type = 'button';
      close.className = 'window-close';
      close.setAttribute('aria-label', word('close'));
      close.textContent = '×';
      close.addEventListener('click', onClose);
      bar.appendChild(close);
    }
    return bar;
  }

  var keptClear = null;  // {x1, y1, x2, y2} of the canvas, kept in sight

  page.keepClear = function (area) {
    keptClear = area;
  };

  // The part of the tab a modal window may take: all of it, less the help
  // panel while that is open.
  function roomForWindows() {
    var room = { left: 0, top: 0, right: window.innerWidth, bottom: window.innerHeight };
    var help = document.querySelector('.help-window');
    if (help && !help.hidden) room.right = Math.max(200, help.getBoundingClientRect().left);
    return room;
  }

  function keptClearOnPage() {
    if (!keptClear || !canvas) return null;
    var box = canvas.getBoundingClientRect();
    var scale = box.width / canvas.width;
    return {
      left: box.left + Math.min(keptClear.x1, keptClear.x2) * scale,
      top: box.top + Math.min(keptClear.y1, keptClear.y2) * scale,
      right: box.left + (Math.max(keptClear.x1, keptClear.x2) + 1) * scale,
      bottom: box.top + (Math.max(keptClear.y1, keptClear.y2) + 1) * scale
    };
  }

  function lineUp(middle, length, low, high) {
    return Math.max(low, Math.min(middle - length / 2, high - length));
  }

  // Below the area kept in sight, else right of it, left of it or above it,
  // the first side with room for the window at full size; a dialog
  // (`shrinkable`) may instead be made a little smaller for the side where
  // it comes out largest. Where no side will do, in the middle of the room.
  // Returns the scale the window is shown at.
  function placeWindow(element, width, height, shrinkable) {
    var room = roomForWindows();
    var gap = 8;
    var spot = null;
    var scale = 1;
    var area = keptClearOnPage();
    if (area) {
      var sides = [
        { across: true, width: room.right - room.left, height: room.bottom - area.bottom - gap },
        { across: false, width: room.right - area.right - gap, height: room.bottom - room.top },
        { across: false, width: area.left - gap - room.left, height: room.bottom - room.top },
        { across: true, width: room.right - room.left, height: area.top - gap - room.top }
      ];
      var best = -1, bestScale = 0;
      for (var i = 0; i < sides.length; ++i) {
        var fits = Math.min(1, sides[i].width / width, sides[i].height / height);
        if (fits >= 1) { best = i; bestScale = 1; break; }
        if (shrinkable && fits > bestScale) { best = i; bestScale = fits; }
      }
      if (best >= 0 && bestScale >= 0.7) {
        scale = bestScale;
        var w = width * scale, h = height * scale;
        var x = lineUp((area.left + area.right) / 2, w, room.left, room.right);
        var y = lineUp((area.top + area.bottom) / 2, h, room.top, room.bottom);
        spot = [{ left: x, top: area.bottom + gap }, { left: area.right + gap, top: y },
                { left: area.left - gap - w, top: y }, { left: x, top: area.top - gap - h }][best];
      }
    }
    if (!spot) {
      spot = {
        left: lineUp((room.left + room.right) / 2, width, room.left, room.right),
        top: lineUp((room.top + room.bottom) / 2, height, room.top, room.bottom)
      };
    }
    element.style.left = Math.max(0, Math.round(spot.left)) + 'px';
    element.style.top = Math.max(0, Math.round(spot.top)) + 'px';
    return scale;
  }

  // Windows whose size is known only once they are on the page.
  function placeShownWindow(element) {
    element.style.left = '0px';
    element.style.top = '0px';
    var box = element.getBoundingClientRect();
    placeWindow(element, box.width, box.height);
  }

  // ------------------------------------------------------ template dialogs

  var dialogs = {};   // handle -> dialog
  var baseUnits = null;

  // Dialog units become pixels as on the system the templates come from:
  // a horizontal unit is a quarter of the dialog font's average letter
  // width, a vertical one an eighth of its height, each rounded.
  function dialogBaseUnits() {
    if (baseUnits) return baseUnits;
    var probe = document.createElement('canvas').getContext('2d');
    var style = getComputedStyle(document.documentElement);
    var dialogFont = style.getPropertyValue('--dialog-font').trim() || '11px sans-serif';
    probe.font = dialogFont;
    var alphabet = probe.measureText('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz');
    var sample = probe.measureText('Hg');
    var height = Math.round((sample.fontBoundingBoxAscent || 10) + (sample.fontBoundingBoxDescent || 3));
    baseUnits = { x: Math.floor((Math.floor(alphabet.width) / 26 + 1) / 2), y: height, font: dialogFont, probe: probe };
    return baseUnits;
  }

  function mulDiv(a, b, c) {
    var product = a * b;
    return product >= 0 ? Math.floor((product + Math.floor(c / 2)) / c) : -Math.floor((-product + Math.floor(c / 2)) / c);
  }

  function toPixels(x, y, width, height) {
    var base = dialogBaseUnits();
    return { x: mulDiv(x, base.x, 4), y: mulDiv(y, base.y, 8), width: mulDiv(width, base.x, 4), height: mulDiv(height, base.y, 8) };
  }

  // Labels line up their "=" signs with runs of blanks; a face with wider
  // blanks than the template's would push the text's end out of the label,
  // so the longest runs give up blanks until it fits.
  function fittedLabelText(text, width) {
    var probe = dialogBaseUnits().probe;
    var lines = text.split('\n');
    for (var l = 0; l < lines.length; ++l) {
      var line = lines[l];
      while (probe.measureText(line).width > width) {
        var runs = line.match(/ {2,}/g);
        if (!runs) break;
        var longest = runs.reduce(function (a, b) { return b.length > a.length ? b : a; });
        var at = line.indexOf(longest);
        line = line.slice(0, at) + line.slice(at + 1);
      }
      lines[l] = line;
    }
    return lines.join('\n');
  }

  var kinds = ['group', 'label', 'edit', 'button', 'radio', 'check'];

  page.dialogCreate = function (handle, template, title, width, height) {
    var size = toPixels(0, 0, width, height);
    var element = document.createElement('div');
    element.className = 'dialog window';
    element.dataset.template = String(template);
    element.dataset.handle = String(handle);
    element.setAttribute('role', 'dialog');
    element.setAttribute('aria-modal', 'true');
    element.setAttribute('aria-label', title);
    var dialog = { handle: handle, element: element, controls: {}, routines: {}, events: [], running: false, scale: 1, width: size.width, height: size.height, order: [] };
    element.appendChild(titleBar(title, function () { finishDialog(dialog, 2); }));
    var body = document.createElement('div');
    body.className = 'dialog-body';
    body.style.width = size.width + 'px';
    body.style.height = size.height + 'px';
    body.style.font = dialogBaseUnits().font;
    element.appendChild(body);
    dialog.body = body;
    element.addEventListener('keydown', function (event) { dialogKeys(dialog, event); });
    dialogs[handle] = dialog;
  };

  function queueDialogEvent(dialog, type, control) {
    if (!dialog.running) return;
    dialog.events.push([type, control]);
  }

  function finishDialog(dialog, button) {
    if (!dialog.running) return;
    dialog.events.push([1, button]);
    dialog.running = false;
    closeModal(dialog.element);
  }

  function pushed(dialog, number) {
    if (dialog.routines[number]) queueDialogEvent(dialog, 0, number); else finishDialog(dialog, number);
  }

  page.dialogControl = function (handle, number, kind, x, y, width, height, caption, enabled, isDefault, group) {
    var dialog = dialogs[handle];
    if (!dialog) return;
    var place = toPixels(x, y, width, height);
    var kindName = kinds[kind] || 'label';
    var box, input = null;
    if (kindName === 'group') {
      box = document.createElement('div');
      var legend = document.createElement('span');
      legend.className = 'group-caption';
      box.appendChild(legend);
    } else if (kindName === 'label') {
      box = document.createElement('div');
    } else if (kindName === 'edit') {
      box = input = document.createElement('input');
      input.type = 'text';
      input.spellcheck = false;
      input.autocomplete = 'off';
      input.addEventListener('input', function () { queueDialogEvent(dialog, 0, number); });
    } else if (kindName === 'button') {
      box = input = document.createElement('button');
      input.type = 'button';
      if (isDefault) input.classList.add('default');
      input.addEventListener('click', function () { pushed(dialog, number); });
    } else {
      box = document.createElement('label');
      input = document.createElement('input');
      input.type = kindName === 'radio' ? 'radio' : 'checkbox';
      if (kindName === 'radio' && group) input.name = 'calorvia-dialog-' + handle + '-group-' + group;
      var text = document.createElement('span');
      text.className = 'option-caption';
      box.appendChild(input);
      box.appendChild(text);
      input.addEventListener('click', function () {
        // A click on the chosen option leaves it chosen.
        if (kindName === 'radio') input.checked = true;
        queueDialogEvent(dialog, 0, number);
      });
    }
    box.classList.add('control', 'control-' + kindName);
    box.style.left = place.x + 'px';
    box.style.top = place.y + 'px';
    box.style.width = place.width + 'px';
    box.style.height = place.height + 'px';
    (input || box).dataset.control = String(number);
    var control = { number: number, kind: kindName, box: box, input: input, text: '', isDefault: !!isDefault, width: place.width };
    dialog.controls[number] = control;
    dialog.order.push(control);
    // Frames lie under the controls they enclose.
    if (kindName === 'group') dialog.body.insertBefore(box, dialog.body.firstChild); else dialog.body.appendChild(box);
    setText(control, caption);
    setEnabled(control, !!enabled);
  };

  function setText(control, text) {
    control.text = text;
    switch (control.kind) {
      case 'group': fillCaption(control.box.firstChild, text); break;
      case 'label': control.box.textContent = fittedLabelText(text.replace(/&&/g, '&'), control.width); break;
      case 'edit': control.input.value = text; break;
      case 'button': fillCaption(control.input, text); break;
      default: fillCaption(control.box.lastChild, text); break;
    }
  }

  function setEnabled(control, enabled) {
    if (control.input) control.input.disabled = !enabled;
    control.box.classList.toggle('disabled', !enabled);
  }

  page.dialogSetText = function (handle, number, text) {
    var dialog = dialogs[handle];
    if (dialog && dialog.controls[number]) setText(dialog.controls[number], text);
  };

  page.dialogText = function (handle, number) {
    var dialog = dialogs[handle];
    var control = dialog && dialog.controls[number];
    if (!control) return '';
    return control.kind === 'edit' ? control.input.value : control.text;
  };

  page.dialogSetState = function (handle, number, on) {
    var dialog = dialogs[handle];
    var control = dialog && dialog.controls[number];
    if (!control || (control.kind !== 'radio' && control.kind !== 'check')) return;
    control.input.checked = !!on;
  };

  page.dialogState = function (handle, number) {
    var dialog = dialogs[handle];
    var control = dialog && dialog.controls[number];
    return control && (control.kind === 'radio' || control.kind === 'check') && control.input.checked ? 1 : 0;
  };

  page.dialogSetEnabled = function (handle, number, enabled) {
    var dialog = dialogs[handle];
    if (dialog && dialog.controls[number]) setEnabled(dialog.controls[number], !!enabled);
  };

  page.dialogSetRoutine = function (handle, number, present) {
    var dialog = dialogs[handle];
    if (dialog) dialog.routines[number] = !!present;
  };

  // Enter presses the default button (unless a button has the focus: it is
  // pressed itself); Escape closes the dialog with 2.
  function dialogKeys(dialog, event) {
    if (!dialog.running) return;
    if (event.key === 'Escape') {
      event.preventDefault();
      finishDialog(dialog, 2);
    } else if (event.key === 'Enter') {
      if (event.target && event.target.tagName === 'BUTTON') return;
      event.preventDefault();
      for (var i = 0; i < dialog.order.length; ++i) {
        var control = dialog.order[i];
        if (control.kind === 'button' && control.isDefault) {
          if (!control.input.disabled) pushed(dialog, control.number);
          return;
        }
      }
    } else if (event.altKey && event.key && event.key.length === 1) {
      var letter = event.key.toLowerCase();
      for (var k = 0; k < dialog.order.length; ++k) {
        var c = dialog.order[k];
        if (c.input && !c.input.disabled && accessKey(c.text) === letter) {
          event.preventDefault();
          if (c.kind === 'edit') c.input.focus(); else c.input.click();
          return;
        }
      }
    }
  }

  // As large as the templates make it, smaller when the tab has no room.
  function placeDialog(dialog) {
    var room = roomForWindows();
    var element = dialog.element;
    element.style.transform = '';
    var natural = element.getBoundingClientRect();
    var scale = Math.min(1, (room.right - room.left - 8) / natural.width, (room.bottom - room.top - 8) / natural.height);
    if (!(scale > 0.3)) scale = 0.3;
    scale *= placeWindow(element, natural.width * scale, natural.height * scale, true);
    dialog.scale = scale;
    element.style.transformOrigin = '0 0';
    if (scale < 1) element.style.transform = 'scale(' + scale + ')';
  }

  function placeOpenDialogs() {
    for (var key in dialogs) if (dialogs[key].running) placeDialog(dialogs[key]);
    var layer = modalLayer();
    for (var i = 0; i < layer.children.length; ++i) {
      var child = layer.children[i];
      if (!child.classList.contains('dialog')) placeShownWindow(child);
    }
  }

  page.dialogShow = function (handle) {
    var dialog = dialogs[handle];
    if (!dialog) return;
    dialog.events = [];
    dialog.running = true;
    openModal(dialog.element);
    placeDialog(dialog);
    for (var i = 0; i < dialog.order.length; ++i) {
      var control = dialog.order[i];
      if (control.input && !control.input.disabled && control.kind !== 'label' && control.kind !== 'group') {
        control.input.focus();
        if (control.kind === 'edit') control.input.select();
        return;
      }
    }
    dialog.element.focus();
  };

  // [type, control]: type 0 a routine's control, 1 the button that closed it.
  page.dialogNextEvent = function (handle) {
    var dialog = dialogs[handle];
    if (!dialog) return [1, 2];
    return dialog.events.length ? dialog.events.shift() : null;
  };

  page.dialogRelease = function (handle) {
    var dialog = dialogs[handle];
    if (!dialog) return;
    dialog.running = false;
    closeModal(dialog.element);
    delete dialogs[handle];
  };

  // ---------------------------------------------------------- message boxes

  var messageAnswer = 0;
  var answerNames = { 1: 'ok', 2: 'cancel', 3: 'abort', 4: 'retry', 5: 'ignore', 6: 'yes', 7: 'no' };

  function answersFor(flags) {
    switch (flags & 0xF) {
      case 1: return [1, 2];
      case 2: return [3, 4, 5];
      case 3: return [6, 7, 2];
      case 4: return [6, 7];
      case 5: return [4, 2];
      default: return [1];
    }
  }

  // flags: the buttons in the low four bits, the icon in the next four
  // (16 stop, 32 question, 48 exclamation, 64 information).
  page.messageShow = function (text, title, flags) {
    messageAnswer = 0;
    var answers = answersFor(flags);
    var element = document.createElement('div');
    element.className = 'message-box window';
    element.setAttribute('role', 'alertdialog');
    element.setAttribute('aria-modal', 'true');
    // Escape answers Cancel where there is one, OK where OK is all.
    var escapeAnswer = answers.indexOf(2) >= 0 ? 2 : (answers.length === 1 && answers[0] === 1 ? 1 : 0);
    var answer = function (value) {
      if (messageAnswer) return;
      messageAnswer = value;
      closeModal(element);
    };
    element.appendChild(titleBar(title, escapeAnswer ? function () { answer(escapeAnswer); } : null));
    var body = document.createElement('div');
    body.className = 'message-body';
    var icon = (flags >> 4) & 0xF;
    if (icon) {
      var mark = document.createElement('div');
      mark.className = 'message-icon icon-' + (['', 'stop', 'question', 'exclamation', 'information'][icon] || 'exclamation');
      mark.textContent = ({ 1: '✕', 2: '?', 3: '!', 4: 'i' })[icon] || '!';
      mark.setAttribute('aria-hidden', 'true');
      body.appendChild(mark);
    }
    var message = document.createElement('div');
    message.className = 'message-text';
    message.textContent = text;
    body.appendChild(message);
    element.appendChild(body);
    var buttons = document.createElement('div');
    buttons.className = 'message-buttons';
    answers.forEach(function (value) {
      var button = document.createElement('button');
      button.type = 'button';
      button.dataset.answer = String(value);
      button.textContent = word(answerNames[value]);
      button.addEventListener('click', function () { answer(value); });
      buttons.appendChild(button);
    });
    element.appendChild(buttons);
    element.addEventListener('keydown', function (event) {
      if (event.key === 'Escape') {
        event.preventDefault();
        if (escapeAnswer) answer(escapeAnswer);
      } else if (event.altKey && event.key && event.key.length === 1) {
        // Alt+the first letter of a button, as the desktop's boxes allow.
        var letter = event.key.toLowerCase();
        answers.forEach(function (value) {
          if (word(answerNames[value]).charAt(0).toLowerCase() === letter) { event.preventDefault(); answer(value); }
        });
      }
    });
    openModal(element);
    placeShownWindow(element);
    buttons.firstChild.focus();
  };

  page.messageAnswer = function () {
    var value = messageAnswer;
    if (value) messageAnswer = 0;
    return value;
  };

  // ------------------------------------------------------------------ About

  var aboutClosed = 0;

  page.aboutShow = function (title, text) {
    aboutClosed = 0;
    var element = document.createElement('div');
    element.className = 'about-box window';
    element.setAttribute('role', 'dialog');
    element.setAttribute('aria-modal', 'true');
    var close = function () {
      if (aboutClosed) return;
      aboutClosed = 1;
      closeModal(element);
    };
    element.appendChild(titleBar(title, close));
    var body = document.createElement('div');
    body.className = 'about-text';
    body.textContent = text;
    element.appendChild(body);
    var buttons = document.createElement('div');
    buttons.className = 'message-buttons';
    var ok = document.createElement('button');
    ok.type = 'button';
    ok.dataset.answer = '1';
    ok.textContent = word('ok');
    ok.addEventListener('click', close);
    buttons.appendChild(ok);
    element.appendChild(buttons);
    element.addEventListener('keydown', function (event) {
      if (event.key === 'Escape') { event.preventDefault(); close(); }
    });
    openModal(element);
    placeShownWindow(element);
    ok.focus();
  };

  page.aboutClosed = function () {
    var value = aboutClosed;
    if (value) aboutClosed = 0;
    return value;
  };

  // ------------------------------------------------------------ help panel

  // The help shows beside the program, not over it: the student reads it
  // while typing in a wizard step, so it stays usable above a modal dialog.
  function helpWindow() {
    var element = document.querySelector('.help-window');
    if (element) return element;
    element = document.createElement('div');
    element.className = 'help-window window';
    element.setAttribute('role', 'complementary');
    element.hidden = true;
    var close = function () {
      element.hidden = true;
      element.querySelector('iframe').removeAttribute('srcdoc');
      element.querySelector('iframe').src = 'about:blank';
      placeOpenDialogs();
    };
    element.appendChild(titleBar('', close));
    var frame = document.createElement('iframe');
    frame.className = 'help-frame';
    frame.title = 'Help';
    frame.addEventListener('load', function () {
      try {
        var shown = frame.contentDocument && frame.contentDocument.title;
        if (shown) element.querySelector('.window-title-text').textContent = shown;
      } catch (e) { /* another origin's page: its title stays unknown */ }
    });
    element.appendChild(frame);
    element.addEventListener('keydown', function (event) {
      if (event.key === 'Escape' && !modalOpen()) close();
    });
    document.body.appendChild(element);
    return element;
  }

  function showHelpWindow(title) {
    var element = helpWindow();
    element.querySelector('.window-title-text').textContent = title;
    var wasHidden = element.hidden;
    element.hidden = false;
    if (wasHidden) placeOpenDialogs();
    return element.querySelector('iframe');
  }

  page.helpUrl = function (url) {
    var frame = showHelpWindow('');
    frame.removeAttribute('srcdoc');
    frame.src = url;
  };

  page.helpText = function (title, text, isHtml) {
    var frame = showHelpWindow(title);
    if (isHtml) {
      frame.srcdoc = text;
    } else {
      var escaped = text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
      frame.srcdoc = '<!doctype html><meta charset="utf-8"><pre style="white-space:pre-wrap;font:13px monospace">' + escaped + '</pre>';
    }
  };

  // Web and mail addresses go to the browser, in a new tab.
  page.openAddress = function (address) {
    if (!/^(https?:|mailto:)/i.test(address)) return;
    window.open(address, '_blank', 'noopener');
  };

  // ---------------------------------------------------------- restart, end

  page.reset = function () {
    var bar = menubar();
    while (bar.firstChild) bar.removeChild(bar.firstChild);
    menus = {};
    commands = [];
    openMenu = 0;
    for (var key in dialogs) page.dialogRelease(Number(key));
    var layer = modalLayer();
    while (layer.firstChild) layer.removeChild(layer.firstChild);
    refreshModality();
    keptClear = null;
    selection = null;
    showSelection();
  };

  function notice(text) {
    var element = document.getElementById('notice');
    element.textContent = text;
    element.hidden = false;
  }

  page.ended = function () { notice(word('ended')); };

  page.failed = function (what) { notice(word('failed') + what); };

  page.ready = function () {
    var loading = document.getElementById('loading');
    if (loading) loading.hidden = true;
  };

  // ------------------------------------------------------------ start-up

  // The Module of the program's script: file names with the hash of their
  // content, so that a browser never keeps an old copy after an update.
  page.module = function (hashes) {
    return {
      locateFile: function (path) {
        var name = path.replace(/^.*\//, '');
        return hashes[name] ? name + '?v=' + hashes[name] : path;
      },
      print: function (text) { console.log(text); },
      printErr: function (text) { console.warn(text); },
      onAbort: function (what) { page.failed(String(what)); },
      calorviaStartCase: page.startCase()
    };
  };

  function start() {
    canvas = document.getElementById('graphics');
    context = canvas.getContext('2d');
    page.setLanguage(page.startLanguage() || (/^pt\b/i.test(navigator.language || '') ? 1 : 2));
    wireSelection();
    document.addEventListener('keydown', function (event) {
      if (modalOpen()) {
        // Keys of a modal window stay in it.
        var top = topModal();
        if (top && !top.contains(event.target) && (event.key === 'Escape' || event.key === 'Enter')) {
          top.dispatchEvent(new KeyboardEvent('keydown', { key: event.key, bubbles: false }));
          event.preventDefault();
        }
        return;
      }
      menuKeys(event);
    });
    document.addEventListener('pointerdown', function (event) {
      if (openMenu && !menubar().contains(event.target)) closeMenus();
    });
    window.addEventListener('resize', fitCanvas);
  }

  // The program's script comes after the page's own: its name and the
  // hashes of its files are attributes of this script's element (no inline
  // script, so that a strict content security policy lets the page run).
  var self = document.currentScript;
  function loadProgram() {
    var hashes = JSON.parse(self.dataset.hashes || '{}');
    window.Module = page.module(hashes);
    var program = document.createElement('script');
    program.src = page.module(hashes).locateFile(self.dataset.program);
    program.onerror = function () { page.failed(self.dataset.program); };
    document.body.appendChild(program);
  }

  function startAll() {
    start();
    if (self && self.dataset.program) loadProgram();
  }

  if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', startAll); else startAll();

  return page;
})();
