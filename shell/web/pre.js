// The page's side of the program, run before it starts: the command line from the
// page's address, the save folder in the browser's storage (IndexedDB), a demo
// fetched from the server, and sound that starts with the player's first gesture.
//
//   index.html?demo=FILE     play the demo FILE (a path on the server)
//   &fast                    ... as fast as the browser can (--timedemo), silently
//   &level=N &seed=N &ticks=N &stats    --level, --seed, --ticks, --tick-stats
//   &lang=cs|en              --lang (else the browser's language decides)
(function() {
  var query = new URLSearchParams(location.search);
  var args = ["--save-dir", "/save"];
  var demo = query.get("demo");
  if (demo) args.push(query.has("fast") ? "--timedemo" : "--play", "/demo.demo");
  [["level", "--level"], ["seed", "--seed"], ["ticks", "--ticks"], ["lang", "--lang"]].forEach(function(p) {
    if (query.has(p[0])) args.push(p[1], query.get(p[0]));
  });
  if (query.has("stats")) args.push("--tick-stats");
  Module["arguments"] = args;

  // The game calls heliSync after each save: the save folder goes to the browser's
  // storage, one write after the other.
  var stored = Promise.resolve();
  Module["heliSync"] = function() {
    stored = stored.then(function() {
      return new Promise(function(resolve) {
        FS.syncfs(false, function(err) {
          if (err) console.warn("heli-rescue: the save did not reach the browser's storage", err);
          resolve();
        });
      });
    });
  };
  // Calls back once everything saved so far is in the browser's storage.
  Module["heliStored"] = function(callback) {
    stored.then(callback);
  };

  Module["preRun"] = [].concat(Module["preRun"] || [], function() {
    FS.mkdir("/save");
    FS.mount(IDBFS, {}, "/save");
    addRunDependency("save");
    FS.syncfs(true, function(err) {
      if (err) console.warn("heli-rescue: the browser's storage cannot be read", err);
      removeRunDependency("save");
    });
    if (demo) {
      addRunDependency("demo");
      fetch(demo)
          .then(function(response) {
            if (!response.ok) throw new Error(demo + ": " + response.status);
            return response.arrayBuffer();
          })
          .then(function(bytes) {
            FS.writeFile("/demo.demo", new Uint8Array(bytes));
            removeRunDependency("demo");
          })
          .catch(function(err) {
            // The program names the missing file and ends.
            console.error("heli-rescue: cannot fetch the demo", err);
            removeRunDependency("demo");
          });
    }
  });
})();

// Browsers start sound only after a gesture, and Escape (the first key most players
// press, to skip the intro) does not count as one. The sound's context is resumed
// at every key, click and touch until it runs.
(function() {
  var Original = window.AudioContext || window.webkitAudioContext;
  if (!Original) return;
  var contexts = [];
  window.AudioContext = function(options) {
    var context = options === undefined ? new Original() : new Original(options);
    contexts.push(context);
    return context;
  };
  window.AudioContext.prototype = Original.prototype;
  ["keydown", "mousedown", "touchstart"].forEach(function(type) {
    document.addEventListener(type, function() {
      contexts.forEach(function(context) {
        if (context.state === "suspended") context.resume();
      });
    }, true);
  });
})();
