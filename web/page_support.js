// Runs inside the game's module, before main(): what the C++ side asks of the
// page (web_page.cpp, browser_main_loop.cpp) and the page's file system.
//
// The screens read and write their settings and picture files in the working
// directory. In a page that is /rallix, kept in the browser's IndexedDB, so
// the settings are still there after a reload.

Module.rallix = (function () {
  var saving = false;
  var saveAgain = false;
  // What the program said on stderr, for a start that fails before its loop.
  var errors = [];

  function saveFiles() {
    if (saving) {
      saveAgain = true;  // one more once this one is done
      return;
    }
    saving = true;
    FS.syncfs(false, function (error) {
      saving = false;
      if (error) {
        console.warn('rallix: the files could not be saved in the browser:', error);
      }
      if (saveAgain) {
        saveAgain = false;
        saveFiles();
      }
    });
  }

  return {
    // Set when the program's loop runs (browser_main_loop.cpp).
    looping: false,
    errors: errors,
    filesFolder: '/rallix',
    saveFiles: saveFiles,
    // Whether no save is waiting or running (the browser test waits for it).
    filesSaved: function () { return !saving && !saveAgain; },
    stageSize: function () {
      var stage = document.getElementById('stage');
      return stage ? [stage.clientWidth, stage.clientHeight] : [0, 0];
    },
    showNotice: function (title, text, failure) {
      if (Module.showNotice) {
        Module.showNotice(title, text, failure);
      } else {
        console.error(title + ': ' + text);
      }
    }
  };
})();

Module.printErr = function (text) {
  Module.rallix.errors.push(text);
  console.warn(text);
};

if (!Module.preRun) {
  Module.preRun = [];
} else if (typeof Module.preRun == 'function') {
  Module.preRun = [Module.preRun];
}
Module.preRun.push(function () {
  var folder = Module.rallix.filesFolder;
  FS.mkdir(folder);
  FS.mount(IDBFS, {}, folder);
  FS.chdir(folder);
  // main() waits until the files of earlier visits are back.
  addRunDependency('rallix-files');
  FS.syncfs(true, function (error) {
    if (error) {
      console.warn('rallix: the files of earlier visits could not be read:', error);
    }
    removeRunDependency('rallix-files');
  });
  window.addEventListener('pagehide', Module.rallix.saveFiles);
});

// main() has returned or handed over to its loop. Without a loop the program
// stopped at its start (no display it could use, say): say why on the page.
if (!Module.postRun) {
  Module.postRun = [];
} else if (typeof Module.postRun == 'function') {
  Module.postRun = [Module.postRun];
}
Module.postRun.push(function () {
  if (!Module.rallix.looping) {
    Module.rallix.showNotice((Module.title || 'Rallix') + ' could not start',
                             Module.rallix.errors.join('\n') || 'The game stopped as it started.', true);
  }
});
