// The page's half of the web back-end: input queued for the game, the canvas, sound, the saves kept in
// localStorage, the figures the benchmark reads, and the test hook.
var rendaroPage = (function () {
  'use strict';
  // The kinds of input the game takes from the queue (platform/web/page.h holds the same numbers).
  var PenDown = 1, PenUp = 2, Key = 3, Resize = 4;
  var KeyShift = 1, KeyCtrl = 2, KeyAlt = 4;
  var KeyNameCapacity = 32;  // keyName in backend.cpp
  var SaveFolder = '/rendaro';
  var StoragePrefix = 'rendaro:';

  var canvas = document.getElementById('screen');
  var context = canvas.getContext('2d', {alpha: false});
  var queue = [];
  var wake = null;
  var wakeTimer = 0;
  var audio = null;
  var playing = null;
  var waves = new Map();
  var storageRefused = false;
  var testRolls = null;
  var figures = {firstFrame: 0, tapFrames: [], cuesPlayed: 0, takenInPauses: 0};
  var tapStamp = 0;
  var started = false;  // the game's keys are known only once it runs
  var waitingForInput = false;

  // One waiting game at a time, resumed once: by the first input, or when its time is up.
  function resume() {
    if (!wake) return;
    var resolve = wake;
    wake = null;
    clearTimeout(wakeTimer);
    resolve();
  }

  function push(event) {
    queue.push(event);
    resume();
  }

  function unlockAudio() {
    var Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return;
    if (!audio) audio = new Context();
    if (audio.state === 'suspended') audio.resume();
  }

  function deviceX(event) { return Math.floor(event.clientX * window.devicePixelRatio); }
  function deviceY(event) { return Math.floor(event.clientY * window.devicePixelRatio); }

  window.addEventListener('pointerdown', function (event) {
    unlockAudio();
    if (!event.isPrimary || event.button !== 0) return;
    event.preventDefault();
    // A release outside the page still reaches the game, as a captured stylus's does.
    document.documentElement.setPointerCapture(event.pointerId);
    push({kind: PenDown, x: deviceX(event), y: deviceY(event), stamp: event.timeStamp});
  });
  // A pointer the browser takes back (a gesture of its own) is lifted where it was.
  function lift(event) {
    if (!event.isPrimary || event.button > 0) return;
    push({kind: PenUp, x: deviceX(event), y: deviceY(event), stamp: event.timeStamp});
  }
  window.addEventListener('pointerup', lift);
  window.addEventListener('pointercancel', lift);
  window.addEventListener('contextmenu', function (event) { event.preventDefault(); });
  window.addEventListener('keydown', function (event) {
    unlockAudio();
    if (!started || event.repeat || event.metaKey || event.getModifierState('AltGraph')) return;
    stringToUTF8(event.code, Module['_webKeyName'](), KeyNameCapacity);
    var key = Module['_webKeyCode']();
    if (!key) return;
    var modifiers = (event.shiftKey ? KeyShift : 0) | (event.ctrlKey ? KeyCtrl : 0) | (event.altKey ? KeyAlt : 0);
    // With Ctrl or Alt, or beyond F3, a key keeps its meaning to the browser too (reload, full screen).
    if (!event.ctrlKey && !event.altKey && !/^F([4-9]|1[0-2])$/.test(event.code)) event.preventDefault();
    push({kind: Key, key: key, modifiers: modifiers, stamp: event.timeStamp});
  });
  window.addEventListener('resize', function () { push({kind: Resize}); });

  // The WAV's 8-bit unsigned samples, as the generator writes them, made an AudioBuffer once per cue.
  function waveBuffer(bytes) {
    var view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
    var rate = 0, at = 12;
    while (at + 8 <= bytes.length) {
      var id = String.fromCharCode(bytes[at], bytes[at + 1], bytes[at + 2], bytes[at + 3]);
      var size = view.getUint32(at + 4, true);
      if (id === 'fmt ') rate = view.getUint32(at + 12, true);
      if (id === 'data' && rate > 0) {
        var samples = bytes.subarray(at + 8, Math.min(at + 8 + size, bytes.length));
        var buffer = audio.createBuffer(1, samples.length, rate);
        var channel = buffer.getChannelData(0);
        for (var i = 0; i < samples.length; ++i) channel[i] = (samples[i] - 128) / 128;
        return buffer;
      }
      at += 8 + size + (size & 1);
    }
    return null;
  }

  function restoreSaves() {
    try {
      for (var i = 0; i < localStorage.length; ++i) {
        var name = localStorage.key(i);
        if (name.indexOf(StoragePrefix) !== 0) continue;
        var path = name.substring(StoragePrefix.length);
        var hex = localStorage.getItem(name);
        var bytes = new Uint8Array(hex.length >> 1);
        for (var b = 0; b < bytes.length; ++b) bytes[b] = parseInt(hex.substr(2 * b, 2), 16);
        FS.mkdirTree(path.substring(0, path.lastIndexOf('/')));
        FS.writeFile(path, bytes);
      }
    } catch (error) {
      refuse(error);
    }
  }

  function refuse(error) {
    if (storageRefused) return;
    storageRefused = true;
    console.warn('Rendaro: this browser refuses to keep the game (' + error + '); playing on without saving');
  }

  function savedFiles(folder, found) {
    var names;
    try { names = FS.readdir(folder); } catch (error) { return found; }
    names.forEach(function (name) {
      if (name === '.' || name === '..') return;
      var path = folder + '/' + name;
      if (FS.isDir(FS.stat(path).mode)) savedFiles(path, found);
      else found[StoragePrefix + path] = FS.readFile(path);
    });
    return found;
  }

  function toHex(bytes) {
    var hex = '';
    for (var i = 0; i < bytes.length; ++i) hex += (bytes[i] < 16 ? '0' : '') + bytes[i].toString(16);
    return hex;
  }

  Module['preRun'] = [restoreSaves];

  // Tests only: ?roll=6,3 queues die values for the game to take before its own generator, as
  // rendaro-cli's `roll` line does; without it the page has no hook at all.
  var params = new URLSearchParams(location.search);
  if (params.has('roll')) {
    testRolls = [];
    window.rendaroTest = {
      queueRolls: function (values) {
        values.forEach(function (value) { if (value >= 1 && value <= 6) testRolls.push(value); });
      },
      // The game waits for input and none is queued: what it shows is settled.
      idle: function () { return wake !== null && waitingForInput && queue.length === 0; },
      storagePrefix: StoragePrefix,
      rollsLeft: function () { return testRolls.length; },
    };
    window.rendaroTest.queueRolls(params.get('roll').split(',').map(Number));
  }

  return {
    PenDown: PenDown, PenUp: PenUp, Key: Key, Resize: Resize,
    figures: figures,

    wait: function (ms) {
      waitingForInput = ms < 0;
      return new Promise(function (resolve) {
        if (queue.length) return resolve();
        wake = resolve;
        if (ms >= 0) wakeTimer = setTimeout(resume, ms);
      });
    },

    take: function (fields) {
      var event = queue.shift();
      if (!event) return 0;
      if (!waitingForInput) figures.takenInPauses++;
      if (event.kind === PenUp) tapStamp = event.stamp;
      HEAP32[fields >> 2] = event.x | 0;
      HEAP32[(fields >> 2) + 1] = event.y | 0;
      HEAP32[(fields >> 2) + 2] = event.key | 0;
      HEAP32[(fields >> 2) + 3] = event.modifiers | 0;
      return event.kind;
    },

    pageWidth: function () { return Math.floor(window.innerWidth * window.devicePixelRatio); },
    pageHeight: function () { return Math.floor(window.innerHeight * window.devicePixelRatio); },

    place: function (x, y, width, height) {
      started = true;
      var ratio = window.devicePixelRatio;
      canvas.style.left = x / ratio + 'px';
      canvas.style.top = y / ratio + 'px';
      canvas.style.width = width / ratio + 'px';
      canvas.style.height = height / ratio + 'px';
    },

    present: function (rgba, width, height) {
      context.putImageData(new ImageData(new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4), width, height), 0, 0);
      var now = performance.now();
      if (!figures.firstFrame) figures.firstFrame = now;
      if (tapStamp) {
        figures.tapFrames.push(now - tapStamp);
        tapStamp = 0;
      }
    },

    play: function (wave, size) {
      if (!audio || audio.state !== 'running') return;  // browsers allow sound only after a gesture
      var buffer = waves.get(wave);
      if (buffer === undefined) {
        buffer = waveBuffer(HEAPU8.slice(wave, wave + size));
        waves.set(wave, buffer);
      }
      if (!buffer) return;
      if (playing) playing.stop();
      playing = audio.createBufferSource();
      playing.buffer = buffer;
      playing.connect(audio.destination);
      playing.start();
      figures.cuesPlayed++;
    },

    openHelp: function () {
      var help = window.open('help.html', '_blank');
      if (help) help.opener = null;
      return help ? 1 : 0;
    },

    // Each file of the save folder as hex under its path; only what changed is written.
    keepSaves: function () {
      if (storageRefused) return;
      try {
        var files = savedFiles(SaveFolder, {});
        for (var i = localStorage.length - 1; i >= 0; --i) {
          var name = localStorage.key(i);
          if (name.indexOf(StoragePrefix) === 0 && !(name in files)) localStorage.removeItem(name);
        }
        Object.keys(files).forEach(function (name) {
          var hex = toHex(files[name]);
          if (localStorage.getItem(name) !== hex) localStorage.setItem(name, hex);
        });
      } catch (error) {
        refuse(error);
      }
    },

    testRoll: function () { return testRolls && testRolls.length ? testRolls.shift() : 0; },

    restart: function () { location.reload(); },
  };
})();
