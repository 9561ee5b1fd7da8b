// The page of Marevo: turns taps, clicks, keys and the address into commands of the
// program's session (web_bridge.cpp through marevo.js) and shows what they return: the
// picture on the canvas at the screen's pixel ratio, the same facts as text beside it, the
// choice in the address (bookmarkable) and in localStorage (remembered for the next visit).
'use strict';

var Module = {
  marevoCanvas: document.getElementById('view'),
  onRuntimeInitialized: function () { marevo.start(); },
};

var marevo = (function () {
  var api = {};
  var catalogue = null; // {ports: [...], regions: [...]}
  var portsByFile = {};
  var state = null;     // the module's state as JSON (mv_state_json)
  var Views = {'1': 1, '7': 7, '42': 42, 'table': -1};
  var StoreKey = 'marevo.choice';
  var $ = function (id) { return document.getElementById(id); };

  function call(name, ret, types, args) { return Module.ccall(name, ret, types, args); }

  function viewName(period) {
    for (var k in Views) if (Views[k] === period) return k;
    return '1';
  }

  // The device's local date, as the window program takes the machine's.
  function todayParts() {
    var d = new Date();
    return [d.getFullYear(), d.getMonth() + 1, d.getDate()];
  }

  function say(text) { $('message').textContent = text || ''; }

  // What a command returned, as bits: 1 the picture drawn again, 2 a message to show, 4 the
  // choice changed without a new picture.
  var Redraw = 1, Message = 2, Changed = 4;
  function outcome(result) {
    if (result & Message) say(call('mv_message', 'string', [], []));
    else if (result & Redraw) say('');
    if (result & Redraw) show();
    else if (result & Changed) showChoice();
    return result;
  }

  // ---- The picture ---------------------------------------------------------------------

  function draw() {
    var w = state.width, h = state.height;
    if (!w || !h) return;
    var canvas = $('view');
    // The column's width on phones (the picture scaled to it); beside the facts on wide
    // screens, at most one and a half times the view's own size.
    var content = $('picture').parentElement.clientWidth || w;
    var available = window.innerWidth >= 900 ? content - 380 : content - 2;
    var cssWidth = Math.max(200, Math.min(available, Math.round(w * 1.5)));
    var cssHeight = cssWidth * h / w;
    canvas.style.width = cssWidth + 'px';
    canvas.style.height = cssHeight + 'px';
    var scale = cssWidth * (window.devicePixelRatio || 1) / w;
    var t0 = performance.now();
    var drawn = call('mv_render', 'number', ['number'], [scale]);
    api.lastDrawMs = performance.now() - t0;
    if (drawn & Message) say(call('mv_message', 'string', [], []));
    $('hover').hidden = true;
  }

  function toLogical(event) {
    var r = $('view').getBoundingClientRect();
    return [Math.floor((event.clientX - r.left) * state.width / r.width),
            Math.floor((event.clientY - r.top) * state.height / r.height)];
  }

  function onPick(event) {
    var p = toLogical(event);
    outcome(call('mv_pick_cell', 'number', ['number', 'number'], p));
  }

  function onHover(event) {
    var p = toLogical(event);
    var box = call('mv_cell_box', 'string', ['number', 'number'], p);
    var hover = $('hover'), canvas = $('view');
    if (!box) { hover.hidden = true; canvas.style.cursor = ''; return; }
    var b = box.split(',').map(Number);
    var k = canvas.clientWidth / state.width;
    hover.style.left = (canvas.offsetLeft + b[0] * k) + 'px';
    hover.style.top = (canvas.offsetTop + b[1] * k) + 'px';
    hover.style.width = ((b[2] - b[0]) * k) + 'px';
    hover.style.height = ((b[3] - b[1]) * k) + 'px';
    var c = state.highlight.join(',');
    hover.style.background = 'rgba(' + c + ', .18)';
    hover.style.outlineColor = 'rgba(' + c + ', .6)';
    hover.hidden = false;
    canvas.style.cursor = 'pointer';
  }

  // ---- The facts as text -----------------------------------------------------------------

  function el(tag, cls, text) {
    var e = document.createElement(tag);
    if (cls) e.className = cls;
    if (text !== undefined) e.textContent = text;
    return e;
  }

  function kindText(kind) { return kind === 'high' ? '満潮' : '干潮'; }

  function extremesList(day) {
    var ul = el('ul', 'extremes');
    day.extremes.forEach(function (e) {
      var li = el('li', e.kind);
      li.appendChild(el('span', 'time', e.time));
      li.appendChild(el('span', 'kind', kindText(e.kind)));
      li.appendChild(el('span', 'height', e.height.toFixed(1) + ' cm'));
      ul.appendChild(li);
    });
    return ul;
  }

  function dayTitle(day, short) {
    var p = day.date.split('-');
    return (short ? '' : Number(p[0]) + '年') + Number(p[1]) + '月' + Number(p[2]) + '日(' +
           day.weekday + ')';
  }

  function showFacts() {
    var facts = $('facts');
    facts.textContent = '';
    var port = state.port;
    if (!port) return;
    var title = el('h2', null, port.name + ' の潮汐');
    facts.appendChild(title);
    if (state.period === 1 || state.period === 7) {
      state.days.forEach(function (day) {
        var s = el('section', 'day');
        s.appendChild(el('h3', null, dayTitle(day) + '　' + day.tide_name + '　月齢 ' + day.moon_age));
        s.appendChild(el('h4', null, '満潮・干潮'));
        s.appendChild(extremesList(day));
        s.appendChild(el('h4', null, '日と月'));
        s.appendChild(el('pre', 'panel', day.sun_moon.join('\n')));
        if (day.constants) {
          var d = el('details');
          d.appendChild(el('summary', null, '潮汐の定数'));
          d.appendChild(el('pre', 'panel', day.header.concat([''], day.constants).join('\n')));
          s.appendChild(d);
        }
        facts.appendChild(s);
      });
      return;
    }
    var table = el('table', 'rows');
    var head = el('tr');
    ['日付', '潮', '月齢', '満潮・干潮'].forEach(function (t) { head.appendChild(el('th', null, t)); });
    table.appendChild(el('thead')).appendChild(head);
    var body = el('tbody');
    state.days.forEach(function (day) {
      var tr = el('tr');
      tr.appendChild(el('td', 'date', dayTitle(day, true)));
      tr.appendChild(el('td', 'name', day.tide_name));
      tr.appendChild(el('td', 'age', String(day.moon_age)));
      var td = el('td', 'events');
      td.appendChild(extremesList(day));
      tr.appendChild(td);
      body.appendChild(tr);
    });
    table.appendChild(body);
    facts.appendChild(table);
  }

  // ---- The choice: controls, address and storage -----------------------------------------

  function showControls() {
    var port = state.port;
    $('port-name').textContent = port ? port.name : '港を選ぶ';
    $('port-pref').textContent = port ? state.site.prefecture : '';
    $('date').value = state.date;
    var view = viewName(state.period);
    document.querySelectorAll('#periods button').forEach(function (b) {
      b.setAttribute('aria-checked', String(b.dataset.view === view));
    });
    document.querySelectorAll('#styles button').forEach(function (b) {
      b.setAttribute('aria-checked', String(b.dataset.style === state.style));
    });
    document.title = (port ? port.name + ' ' + state.date + ' - ' : '') + 'Marevo 潮汐';
  }

  function remember() {
    if (!state.port) return;
    var choice = {port: state.port.file, date: state.date, view: viewName(state.period),
                  style: state.style};
    var query = '?port=' + encodeURIComponent(choice.port) + '&date=' + choice.date +
                '&view=' + choice.view + '&style=' + choice.style;
    if (location.search !== query) history.replaceState(null, '', query);
    try { localStorage.setItem(StoreKey, JSON.stringify(choice)); } catch (e) { /* private mode */ }
  }

  // The choice changed while the picture stayed (its port's file could not be read): the
  // controls and the address follow the choice, the picture and facts stay.
  function showChoice() {
    var days = state ? state.days : [];
    state = JSON.parse(call('mv_state_json', 'string', [], []));
    state.days = days;
    showControls();
    remember();
  }

  // The picture first, the facts in the next task, so the view appears at once.
  var factsTimer = 0;
  function show() {
    var t0 = performance.now();
    state = JSON.parse(call('mv_state_json', 'string', [], []));
    state.days = [];
    showControls();
    draw();
    remember();
    api.drawnAt = performance.now();
    clearTimeout(factsTimer);
    factsTimer = setTimeout(function () {
      state.days = JSON.parse(call('mv_facts_json', 'string', [], [])).days;
      showFacts();
      api.lastShowMs = performance.now() - t0;
      document.body.dataset.ready = String((Number(document.body.dataset.ready) || 0) + 1);
    }, 0);
  }

  function choosePort(word) { return outcome(call('mv_choose_port', 'number', ['string'], [word])); }

  function chooseDate(text) {
    var m = /^(\d{4})-(\d{2})-(\d{2})$/.exec(text || '');
    if (!m) return 0;
    return outcome(call('mv_choose_date', 'number', ['number', 'number', 'number'],
                        [Number(m[1]), Number(m[2]), Number(m[3])]));
  }

  api.step = function (days) { outcome(call('mv_step_date', 'number', ['number'], [days])); };
  api.today = function () {
    outcome(call('mv_today', 'number', ['number', 'number', 'number'], todayParts()));
  };
  api.setView = function (view) {
    if (!(view in Views)) return;
    outcome(call('mv_set_period', 'number', ['number'], [Views[view]]));
  };
  api.setStyle = function (style) {
    outcome(call('mv_set_style', 'number', ['number'], [style === 'bar' ? 1 : 0]));
  };
  api.choosePort = choosePort;
  // Draws the picture again (F5); its time in ms.
  api.redraw = function () { draw(); return api.lastDrawMs; };
  api.state = function () { return state; };

  // ---- The port dialog: search by name, the tree, the nearest port -----------------------

  function portButton(p) {
    var li = el('li');
    var b = el('button', 'port-choice', p.name);
    b.type = 'button';
    b.dataset.file = p.file;
    if (p.romaji) b.appendChild(el('small', null, ' ' + p.romaji));
    li.appendChild(b);
    return li;
  }

  function buildTree() {
    var tree = $('tree');
    var byPref = {};
    if (tree.firstChild) return; // built when the dialog first opens
    catalogue.ports.forEach(function (p) {
      (byPref[p.prefecture] = byPref[p.prefecture] || []).push(p);
    });
    var listed = {};
    catalogue.regions.forEach(function (r) {
      var region = el('details', 'region');
      region.appendChild(el('summary', null, r.name));
      r.prefectures.forEach(function (pref) {
        var ports = byPref[pref.code] || [];
        listed[pref.code] = true;
        if (!ports.length) return;
        var ul = el('ul', 'ports');
        ports.forEach(function (p) { ul.appendChild(portButton(p)); });
        // 北海道 and その他 hold their ports themselves.
        if (pref.code === 1 || pref.code === 80) { region.appendChild(ul); return; }
        var d = el('details', 'prefecture');
        d.appendChild(el('summary', null, pref.name));
        d.appendChild(ul);
        region.appendChild(d);
      });
      tree.appendChild(region);
    });
    var rest = catalogue.ports.filter(function (p) { return !listed[p.prefecture]; });
    if (rest.length) {
      var ul = el('ul', 'ports');
      rest.forEach(function (p) { ul.appendChild(portButton(p)); });
      tree.appendChild(ul);
    }
  }

  function search(word) {
    var found = $('found');
    found.textContent = '';
    if (!word) return;
    var files = JSON.parse(call('mv_search_json', 'string', ['string'], [word]));
    files.slice(0, 30).forEach(function (f) { found.appendChild(portButton(portsByFile[f])); });
    if (!files.length) found.appendChild(el('li', 'none', '見つかりません'));
  }

  function distanceKm(lat1, lon1, lat2, lon2) {
    var rad = Math.PI / 180;
    var a = Math.pow(Math.sin((lat2 - lat1) * rad / 2), 2) +
            Math.cos(lat1 * rad) * Math.cos(lat2 * rad) * Math.pow(Math.sin((lon2 - lon1) * rad / 2), 2);
    return 2 * 6371 * Math.asin(Math.min(1, Math.sqrt(a)));
  }

  function nearestPort() {
    if (!navigator.geolocation) { say('この端末では位置を使えません'); return; }
    say('位置を調べています…');
    navigator.geolocation.getCurrentPosition(function (pos) {
      var best = null, bestKm = Infinity;
      catalogue.ports.forEach(function (p) {
        var km = distanceKm(pos.coords.latitude, pos.coords.longitude, p.latitude, p.longitude);
        if (km < bestKm) { best = p; bestKm = km; }
      });
      if (best && choosePort(best.file) === 1) say(best.name + '（約 ' + Math.round(bestKm) + ' km）');
    }, function () { say('位置を取得できませんでした'); }, {timeout: 15000, maximumAge: 0});
  }

  // ---- Start -------------------------------------------------------------------------------

  function initialChoice() {
    var q = new URLSearchParams(location.search);
    var saved = {};
    try { saved = JSON.parse(localStorage.getItem(StoreKey) || '{}') || {}; } catch (e) { saved = {}; }
    var fromUrl = q.has('port') || q.has('date') || q.has('view') || q.has('style');
    var pick = function (key) { return fromUrl ? q.get(key) : saved[key]; };
    return {port: pick('port') || '24尾鷲', date: pick('date'), view: pick('view') || '1',
            style: pick('style') || 'line'};
  }

  function wire() {
    document.querySelectorAll('[data-step]').forEach(function (b) {
      b.addEventListener('click', function () { api.step(Number(b.dataset.step)); });
    });
    $('today').addEventListener('click', api.today);
    $('date').addEventListener('change', function () {
      if (chooseDate($('date').value) !== 1) showControls();
    });
    document.querySelectorAll('#periods button').forEach(function (b) {
      b.addEventListener('click', function () { api.setView(b.dataset.view); });
    });
    document.querySelectorAll('#styles button').forEach(function (b) {
      b.addEventListener('click', function () { api.setStyle(b.dataset.style); });
    });
    $('view').addEventListener('click', onPick);
    $('view').addEventListener('mousemove', onHover);
    $('view').addEventListener('mouseleave', function () { $('hover').hidden = true; });
    $('port-open').addEventListener('click', function () {
      buildTree();
      $('ports').showModal();
      $('search').focus();
    });
    $('near').addEventListener('click', nearestPort);
    $('search').addEventListener('input', function () { search($('search').value.trim()); });
    $('search').addEventListener('keydown', function (e) {
      if (e.key !== 'Enter') return;
      e.preventDefault();
      if (choosePort($('search').value.trim()) === 1) $('ports').close();
    });
    $('ports').addEventListener('click', function (e) {
      var b = e.target.closest('button[data-file]');
      if (b && choosePort(b.dataset.file) === 1) $('ports').close();
    });
    // The window program's keys: F1 -7 days, F2 -1, F3 +1, F4 +7, F5 redraw, F8 today.
    var keys = {F1: -7, F2: -1, F3: 1, F4: 7};
    document.addEventListener('keydown', function (e) {
      if (e.altKey || e.ctrlKey || e.metaKey || document.querySelector('dialog[open]')) return;
      if (e.key in keys) api.step(keys[e.key]);
      else if (e.key === 'F5') api.redraw();
      else if (e.key === 'F8') api.today();
      else return;
      e.preventDefault();
    });
    var resizeTimer = 0;
    window.addEventListener('resize', function () {
      clearTimeout(resizeTimer);
      resizeTimer = setTimeout(function () { if (state) draw(); }, 100);
    });
  }

  function loadText(id, url) {
    fetch(url).then(function (r) { return r.ok ? r.text() : ''; })
      .then(function (t) { $(id).textContent = t; }).catch(function () {});
  }

  function wireNotice() {
    var openTerms = function () {
      loadText('license', 'DATA-LICENSE');
      loadText('readme', 'DATA-README.md');
      $('terms').showModal();
    };
    $('terms-open').addEventListener('click', openTerms);
    $('notice-terms').addEventListener('click', function () { $('notice').close(); openTerms(); });
    $('notice').addEventListener('close', function () {
      try { localStorage.setItem('marevo.noticeSeen', '1'); } catch (e) { /* private mode */ }
    });
    var seen = null;
    try { seen = localStorage.getItem('marevo.noticeSeen'); } catch (e) { seen = null; }
    if (!seen) $('notice').showModal();
  }

  api.start = function () {
    var phases = api.phases = {};
    var mark = function (name) { phases[name] = performance.now(); };
    mark('runtime');
    call('mv_init', 'number', [], []);
    mark('catalogue');
    catalogue = JSON.parse(call('mv_catalogue_json', 'string', [], []));
    catalogue.ports.forEach(function (p) { portsByFile[p.file] = p; });
    wire();
    mark('tree');
    var choice = initialChoice();
    var t = todayParts();
    call('mv_today', 'number', ['number', 'number', 'number'], t);
    call('mv_set_period', 'number', ['number'], [Views[choice.view] || 1]);
    call('mv_set_style', 'number', ['number'], [choice.style === 'bar' ? 1 : 0]);
    if (choice.date) call('mv_choose_date', 'number', ['number', 'number', 'number'],
                          choice.date.split('-').map(Number));
    if (choosePort(choice.port) !== 1 && choice.port !== '24尾鷲') {
      var message = $('message').textContent;
      choosePort('24尾鷲');
      say(message);
    }
    mark('view');
    api.firstViewMs = api.drawnAt;
  };

  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    window.addEventListener('load', function () {
      navigator.serviceWorker.register('sw.js').catch(function () {});
    });
  }
  wireNotice(); // the script runs at the end of the body: the dialogs are there
  return api;
})();
