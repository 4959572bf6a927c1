// The program folder and the files of the web page (linked with --js-library;
// web_files.cpp calls into CalorviaFiles).
//
// The folder /calorvia is emscripten's IDBFS: a memory file system that is
// copied from IndexedDB at start and back to it by persist(). Downloads are
// Blobs handed to an <a download>; the results folder goes as one zip
// archive made by fflate (fflate.js beside the page).
//
// Library objects are written out by their source text, so every method is a
// `function` expression.

var CalorviaFilesLibrary = {
  $CalorviaFiles__deps: ['$FS', '$IDBFS', 'malloc', 'free'],
  $CalorviaFiles: {
    folder: '/calorvia',
    examples: '/examples',
    downloads: '/Downloads',
    elsewhere: '/tmp/cases',
    lockName: 'calorvia-program-folder',
    language: 2,
    ownNames: [],
    resultNames: [],
    experimentalName: 'Exp.txt',
    // 'held': this tab owns the folder; 'busy': another tab does; 'none':
    // the browser has no means to tell (the folder is used all the same).
    lock: 'none',
    persistent: false,
    prepared: false,
    syncing: false,
    syncAgain: false,
    syncedPrint: '',
    pendingCase: null,
    pendingFolders: [],
    downloadedResults: '',
    windowCount: 0,
    topZ: 1500,

    // Every word of the file dialogs and text windows, Portuguese (1) and
    // English (2).
    words: {
      1: {
        cancel: 'Cancelar',
        ok: 'OK',
        save: 'Salvar',
        close: 'Fechar',
        download: 'Baixar',
        dontSave: 'Não salvar',
        savedCases: 'Casos salvos neste navegador',
        noSavedCases: 'Nenhum caso salvo ainda.',
        examples: 'Exemplos',
        teacherCases: 'Casos do professor',
        fromComputer: 'Um arquivo de caso do seu computador',
        experimental: 'Dados experimentais (Exp.txt)',
        experimentalNone: 'Ainda não há dados experimentais.',
        experimentalPresent: 'Exp.txt está pronto na pasta do programa.',
        experimentalUpload: 'Escolha um arquivo para usar como Exp.txt:',
        experimentalExample: 'Usar os dados do exemplo',
        experimentalWritten: 'Exp.txt foi gravado.',
        fileName: 'Nome do arquivo:',
        saveNote: 'O caso fica guardado neste navegador e é baixado também para o seu computador.',
        nameEmpty: 'Digite um nome.',
        nameBad: 'O nome "{}" não pode ser usado.',
        ownName: '"{}" é um arquivo do próprio programa; renomeie o arquivo e tente de novo.',
        experimentalAsCase: 'Exp.txt são dados experimentais, não um caso: use a seção de dados experimentais.',
        readFailed: 'Não foi possível ler "{}".',
        writeFailed: 'Não foi possível gravar "{}".',
        fetchFailed: 'Não foi possível carregar "{}".',
        folderNote: 'Os arquivos de resultados serão baixados para o seu computador em um único arquivo zip.',
        unsavedChanges: 'Salvar as alterações em "{}"?',
        unknownCase: 'Não há caso chamado "{}"; o Calorvia começa sem ele.',
      },
      2: {
        cancel: 'Cancel',
        ok: 'OK',
        save: 'Save',
        close: 'Close',
        download: 'Download',
        dontSave: "Don't save",
        savedCases: 'Cases saved in this browser',
        noSavedCases: 'No saved cases yet.',
        examples: 'Examples',
        teacherCases: "Your teacher's cases",
        fromComputer: 'A case file from your computer',
        experimental: 'Experimental data (Exp.txt)',
        experimentalNone: 'There are no experimental data yet.',
        experimentalPresent: 'Exp.txt is ready in the program folder.',
        experimentalUpload: 'Choose a file to use as Exp.txt:',
        experimentalExample: 'Use the example data',
        experimentalWritten: 'Exp.txt has been written.',
        fileName: 'File name:',
        saveNote: 'The case is kept in this browser and also downloaded to your computer.',
        nameEmpty: 'Type a name.',
        nameBad: 'The name "{}" cannot be used.',
        ownName: '"{}" is one of the program\'s own files; rename the file and try again.',
        experimentalAsCase: 'Exp.txt holds experimental data, not a case: use the experimental data section.',
        readFailed: 'Could not read "{}".',
        writeFailed: 'Could not write "{}".',
        fetchFailed: 'Could not load "{}".',
        folderNote: 'The result files will be downloaded to your computer as one zip archive.',
        unsavedChanges: 'Save the changes to "{}"?',
        unknownCase: 'There is no case called "{}"; Calorvia starts without it.',
      },
    },
    // Said before the language is known (no folder, no "idioma"): both.
    storageRefused:
      'Este navegador não deixa o Calorvia guardar arquivos: casos salvos e preferências se perdem ao fechar a página.\n' +
      'This browser does not let Calorvia keep files: saved cases and preferences are lost when the page closes.',

    say: function(key, value) {
      var table = CalorviaFiles.words[CalorviaFiles.language] || CalorviaFiles.words[2];
      var text = table[key];
      return value === undefined ? text : text.replace('{}', value);
    },

    // ------------------------------------------------------------- files

    basename: function(path) {
      var at = path.lastIndexOf('/');
      return at < 0 ? path : path.substring(at + 1);
    },
    statOf: function(path) {
      try { return FS.stat(path); } catch (e) { return null; }
    },
    isFile: function(path) {
      var st = CalorviaFiles.statOf(path);
      return !!st && FS.isFile(st.mode);
    },
    isFolder: function(path) {
      var st = CalorviaFiles.statOf(path);
      return !!st && FS.isDir(st.mode);
    },
    mtimeOf: function(path) {
      var st = CalorviaFiles.statOf(path);
      return st ? new Date(st.mtime).getTime() : null;
    },
    entries: function(folder) {
      try {
        return FS.readdir(folder).filter(function(name) { return name !== '.' && name !== '..'; }).sort();
      } catch (e) { return []; }
    },
    makeFolder: function(path) {
      var parts = path.split('/').filter(function(part) { return part.length > 0; });
      var at = '';
      parts.forEach(function(part) {
        at += '/' + part;
        if (!CalorviaFiles.isFolder(at)) FS.mkdir(at);
      });
    },
    readText: function(path) {
      try { return FS.readFile(path, {encoding: 'utf8'}); } catch (e) { return null; }
    },
    // The students' cases in the program folder: text files that are not
    // the program's own (settings, working case, results, initial estimate)
    // nor the experimental data.
    savedCases: function() {
      var folder = CalorviaFiles.folder;
      return CalorviaFiles.entries(folder).filter(function(name) {
        return /\.txt$/i.test(name) && !CalorviaFiles.isReserved(name) &&
               CalorviaFiles.isFile(folder + '/' + name);
      });
    },
    isReserved: function(name) {
      return CalorviaFiles.ownNames.indexOf(name) >= 0 || name === CalorviaFiles.experimentalName;
    },
    // The bundled examples: every case file under /examples, as paths
    // relative to it (a folder's working case "Loaded.txt" and the
    // experimental data are not cases to open).
    exampleCases: function() {
      var found = [];
      var walk = function(folder, prefix) {
        CalorviaFiles.entries(folder).forEach(function(name) {
          var path = folder + '/' + name;
          if (CalorviaFiles.isFolder(path)) walk(path, prefix + name + '/');
          else if (/\.txt$/i.test(name) && !CalorviaFiles.isReserved(name)) found.push(prefix + name);
        });
      };
      walk(CalorviaFiles.examples, '');
      return found;
    },
    // The teacher's cases: cases/index.json beside the page, an array of
    // {"file": "name.txt", "title": "..."}. Anything else is no list.
    teacherCases: async function() {
      try {
        var response = await fetch('cases/index.json', {cache: 'no-cache'});
        if (!response.ok) return [];
        var list = await response.json();
        if (!Array.isArray(list)) return [];
        return list.filter(function(item) {
          return item && typeof item.file === 'string' && /^[^\/\\]+$/.test(item.file) &&
                 item.file[0] !== '.';
        }).map(function(item) {
          return {file: item.file, title: typeof item.title === 'string' && item.title ? item.title : item.file};
        });
      } catch (e) { return []; }
    },
    fetchTeacherCase: async function(file) {
      var response = await fetch('cases/' + encodeURIComponent(file), {cache: 'no-cache'});
      if (!response.ok) throw new Error(response.status);
      return CalorviaFiles.keepCase(file, new Uint8Array(await response.arrayBuffer()));
    },
    exampleCase: function(relative) {
      return CalorviaFiles.keepCase(CalorviaFiles.basename(relative),
                                    FS.readFile(CalorviaFiles.examples + '/' + relative));
    },
    // A name the student's own file may be kept under in the program folder.
    acceptableName: function(name) {
      return name.length > 0 && name.length <= 200 && name !== '.' && name !== '..' &&
             name[0] !== '.' && !/[\/\\\x00-\x1f]/.test(name);
    },

    // ---------------------------------------------------------- the folder

    prepare: async function(ownNames, resultNames) {
      CalorviaFiles.ownNames = ownNames;
      CalorviaFiles.resultNames = resultNames;
      if (CalorviaFiles.prepared) return CalorviaFiles.lock === 'busy' ? 2 : (CalorviaFiles.persistent ? 0 : 1);
      CalorviaFiles.prepared = true;
      CalorviaFiles.addStyle();
      var fflateLoaded = CalorviaFiles.loadFflate();
      CalorviaFiles.lock = await CalorviaFiles.takeLock();
      if (!CalorviaFiles.isFolder(CalorviaFiles.folder)) FS.mkdir(CalorviaFiles.folder);
      var loaded = false;
      try {
        FS.mount(IDBFS, {}, CalorviaFiles.folder);
        loaded = await CalorviaFiles.sync(true, 8000);
      } catch (e) { loaded = false; }
      // A tab that does not own the folder reads it (for the language of its
      // message) and never writes it back.
      CalorviaFiles.persistent = loaded && CalorviaFiles.lock !== 'busy';
      if (CalorviaFiles.persistent) CalorviaFiles.syncedPrint = CalorviaFiles.fingerprint();
      await fflateLoaded;
      if (CalorviaFiles.lock === 'busy') return 2;
      window.addEventListener('beforeunload', CalorviaFiles.beforeUnload);
      return loaded ? 0 : 1;
    },
    // IDBFS's syncfs as a promise: true when done, false on an error or when
    // the browser has not answered in time (storage refused or stuck).
    sync: function(populate, timeoutMs) {
      return new Promise(function(resolve) {
        var timer = setTimeout(function() { resolve(false); }, timeoutMs);
        try {
          FS.syncfs(populate, function(error) {
            clearTimeout(timer);
            resolve(!error);
          });
        } catch (e) {
          clearTimeout(timer);
          resolve(false);
        }
      });
    },
    // What the folder holds (names, sizes, times); the same print means
    // nothing to push.
    fingerprint: function() {
      var parts = [];
      var walk = function(folder) {
        CalorviaFiles.entries(folder).forEach(function(name) {
          var path = folder + '/' + name;
          var st = CalorviaFiles.statOf(path);
          if (!st) return;
          parts.push(path + ':' + st.mode + ':' + st.size + ':' + new Date(st.mtime).getTime());
          if (FS.isDir(st.mode)) walk(path);
        });
      };
      walk(CalorviaFiles.folder);
      return parts.join('\n');
    },
    persist: function() {
      if (!CalorviaFiles.persistent) return;
      if (CalorviaFiles.syncing) {
        CalorviaFiles.syncAgain = true;
        return;
      }
      var print = CalorviaFiles.fingerprint();
      if (print === CalorviaFiles.syncedPrint) return;
      CalorviaFiles.syncing = true;
      CalorviaFiles.sync(false, 30000).then(function(done) {
        CalorviaFiles.syncing = false;
        if (done) CalorviaFiles.syncedPrint = print;
        if (CalorviaFiles.syncAgain) {
          CalorviaFiles.syncAgain = false;
          CalorviaFiles.persist();
        }
      });
    },
    // One tab owns the folder: two would delete each other's results at
    // start-up and overwrite each other's settings. A Web Lock lasts as long
    // as its promise is pending and ends with the page, however it ends.
    // Without Web Locks (a page served over plain http from another
    // machine) the tabs ask one another on a BroadcastChannel instead.
    takeLock: function() {
      if (typeof navigator !== 'undefined' && navigator.locks && navigator.locks.request) {
        return new Promise(function(resolve) {
          navigator.locks.request(CalorviaFiles.lockName, {ifAvailable: true}, function(lock) {
            if (!lock) {
              resolve('busy');
              return null;
            }
            resolve('held');
            return new Promise(function() {});
          }).catch(function() { resolve('none'); });
        });
      }
      if (typeof BroadcastChannel !== 'function') return Promise.resolve('none');
      return new Promise(function(resolve) {
        var channel = new BroadcastChannel(CalorviaFiles.lockName);
        var busy = false;
        channel.onmessage = function(event) {
          if (event.data === 'mine') busy = true;
        };
        channel.postMessage('whose');
        setTimeout(function() {
          if (busy) {
            channel.close();
            resolve('busy');
            return;
          }
          channel.onmessage = function(event) {
            if (event.data === 'whose') channel.postMessage('mine');
          };
          resolve('held');
        }, 300);
      });
    },
    // Results still in the folder that have not been downloaded since they
    // were written are lost when the tab closes (the next start-up deletes
    // them, as on the desktop): the browser asks first. The sizes and times
    // of the result files tell it (not their names: a language change
    // renames them), so nothing else has to report a run or a save.
    resultsPrint: function() {
      return CalorviaFiles.entries(CalorviaFiles.folder).filter(function(name) {
        return CalorviaFiles.resultNames.indexOf(name) >= 0;
      }).map(function(name) {
        var st = CalorviaFiles.statOf(CalorviaFiles.folder + '/' + name);
        return st && FS.isFile(st.mode) ? st.size + ':' + new Date(st.mtime).getTime() : '';
      }).filter(function(part) { return part; }).sort().join('\n');
    },
    beforeUnload: function(event) {
      var print = CalorviaFiles.resultsPrint();
      if (print === '' || print === CalorviaFiles.downloadedResults) return undefined;
      event.preventDefault();
      event.returnValue = '';
      return '';
    },

    // ----------------------------------------------------------- downloads

    loadFflate: function() {
      if (typeof fflate !== 'undefined') return Promise.resolve();
      return new Promise(function(resolve) {
        var script = document.createElement('script');
        script.src = 'fflate.js';
        script.onload = script.onerror = function() { resolve(); };
        document.head.appendChild(script);
        setTimeout(resolve, 5000);
      });
    },
    download: function(name, data, type) {
      var url = URL.createObjectURL(new Blob([data], {type: type}));
      var link = document.createElement('a');
      link.href = url;
      link.download = name;
      link.style.display = 'none';
      document.body.appendChild(link);
      link.click();
      setTimeout(function() {
        URL.revokeObjectURL(url);
        link.remove();
      }, 60000);
    },
    // A results folder is numbered on from the last one this browser used,
    // so its archive does not meet an earlier download of the same name.
    nextResultsFolder: function() {
      var counter = 0;
      try { counter = parseInt(localStorage.getItem('calorvia-results-counter') || '0', 10) || 0; } catch (e) {}
      var path;
      do {
        counter += 1;
        path = CalorviaFiles.downloads + '/calorvia-results-' + counter;
      } while (CalorviaFiles.statOf(path));
      try { localStorage.setItem('calorvia-results-counter', String(counter)); } catch (e) {}
      CalorviaFiles.makeFolder(path);
      return path;
    },
    offerDownloads: function() {
      var pending = CalorviaFiles.pendingCase;
      if (pending) {
        var time = CalorviaFiles.mtimeOf(pending.path);
        if (time !== null && time !== pending.time && CalorviaFiles.isFile(pending.path)) {
          CalorviaFiles.pendingCase = null;
          CalorviaFiles.download(CalorviaFiles.basename(pending.path), FS.readFile(pending.path), 'text/plain');
        }
      }
      // The program fills a results folder in one go, with no turn of the
      // page in between: a folder with files in it is complete.
      CalorviaFiles.pendingFolders = CalorviaFiles.pendingFolders.filter(function(folder) {
        var names = CalorviaFiles.entries(folder).filter(function(name) {
          return CalorviaFiles.isFile(folder + '/' + name);
        });
        if (names.length === 0) return true;
        var archive = CalorviaFiles.basename(folder) + '.zip';
        var files = {};
        names.forEach(function(name) { files[name] = FS.readFile(folder + '/' + name); });
        if (typeof fflate !== 'undefined') {
          CalorviaFiles.download(archive, fflate.zipSync(files), 'application/zip');
        } else {
          // Without the zip library (fflate.js missing) the files go one by one.
          names.forEach(function(name) { CalorviaFiles.download(name, files[name], 'text/plain'); });
        }
        names.forEach(function(name) { FS.unlink(folder + '/' + name); });
        CalorviaFiles.downloadedResults = CalorviaFiles.resultsPrint();
        return false;
      });
    },

    // ------------------------------------------------------------- the page

    addStyle: function() {
      if (document.getElementById('calorvia-files-style')) return;
      var style = document.createElement('style');
      style.id = 'calorvia-files-style';
      style.textContent = [
        '.file-dialog-backdrop, .text-window-backdrop { position: fixed; inset: 0; background: rgba(0,0,0,0.3); z-index: 2000; display: flex; align-items: center; justify-content: center; }',
        '.file-dialog { background: #f4f4f4; color: #000; border: 1px solid #666; box-shadow: 0 4px 16px rgba(0,0,0,0.4); padding: 12px 16px; width: min(560px, 94vw); max-height: 88vh; overflow: auto; font: 14px sans-serif; }',
        '.file-dialog h2 { font-size: 16px; margin: 0 0 8px; }',
        '.file-dialog h3 { font-size: 14px; margin: 10px 0 4px; }',
        '.file-dialog ul { list-style: none; margin: 0; padding: 0; max-height: 9.5em; overflow: auto; border: 1px solid #bbb; background: #fff; }',
        '.file-dialog li button { display: block; width: 100%; text-align: left; border: 0; background: none; padding: 3px 6px; font: inherit; cursor: pointer; }',
        '.file-dialog li button:hover, .file-dialog li button:focus { background: #cde; }',
        '.file-dialog .empty { color: #555; margin: 2px 0; }',
        '.file-dialog .file-dialog-status { color: #a00; min-height: 1.2em; margin: 8px 0 0; }',
        '.file-dialog .file-dialog-buttons { display: flex; justify-content: flex-end; gap: 8px; margin-top: 10px; }',
        '.file-dialog .file-dialog-buttons button { min-width: 6em; }',
        '.file-dialog input.file-name { width: 100%; box-sizing: border-box; font: inherit; }',
        '.text-window { position: fixed; display: flex; flex-direction: column; background: #f4f4f4; border: 1px solid #666; box-shadow: 0 4px 16px rgba(0,0,0,0.4); width: min(760px, 92vw); height: min(520px, 80vh); font: 14px sans-serif; }',
        '.text-window .text-window-title { background: #d8dce4; padding: 4px 8px; cursor: move; user-select: none; font-weight: bold; }',
        '.text-window textarea { flex: 1; margin: 4px; font: 13px monospace; white-space: pre; overflow: auto; resize: none; }',
        '.text-window .text-window-question { padding: 4px 8px; background: #ffe; }',
        '.text-window .text-window-buttons { display: flex; justify-content: flex-end; gap: 8px; padding: 4px 8px 8px; }',
        '.files-notices { position: fixed; bottom: 0; left: 0; right: 0; z-index: 3000; }',
        '.files-notice { position: relative; background: #fff3c4; color: #000; border-top: 1px solid #a80; padding: 6px 32px 6px 12px; font: 14px sans-serif; white-space: pre-line; }',
        '.files-notice button { position: absolute; right: 6px; top: 4px; }',
        '.files-notice.files-in-use { position: fixed; top: 30%; left: 10%; right: 10%; z-index: 3000; border: 2px solid #a00; padding: 16px; font-size: 16px; }',
      ].join('\n');
      document.head.appendChild(style);
    },
    element: function(tag, className, text) {
      var node = document.createElement(tag);
      if (className) node.className = className;
      if (text !== undefined) node.textContent = text;
      return node;
    },
    notice: function(text, kind) {
      CalorviaFiles.addStyle();
      var box = CalorviaFiles.element('div', 'files-notice' + (kind ? ' ' + kind : ''), text);
      box.setAttribute('role', 'alert');
      if (kind === 'files-in-use') {
        document.body.appendChild(box);
        return;
      }
      var close = CalorviaFiles.element('button', '', '\u00d7');
      close.onclick = function() { box.remove(); };
      box.appendChild(close);
      // Below the page's menus, one under another.
      var notices = document.querySelector('div.files-notices');
      if (!notices) {
        notices = CalorviaFiles.element('div', 'files-notices');
        document.body.appendChild(notices);
      }
      notices.appendChild(box);
    },
    // A modal HTML dialog: `build(dialog, finish)` fills it; finish(value)
    // closes it and settles the promise with value. Escape cancels (null).
    modal: function(kind, title, build) {
      return new Promise(function(resolve) {
        var backdrop = CalorviaFiles.element('div', 'file-dialog-backdrop');
        var dialog = CalorviaFiles.element('div', 'file-dialog');
        dialog.dataset.kind = kind;
        dialog.setAttribute('role', 'dialog');
        dialog.setAttribute('aria-modal', 'true');
        dialog.appendChild(CalorviaFiles.element('h2', '', title));
        var done = false;
        var finish = function(value) {
          if (done) return;
          done = true;
          backdrop.remove();
          resolve(value);
        };
        dialog.addEventListener('keydown', function(event) {
          if (event.key === 'Escape') finish(null);
        });
        backdrop.appendChild(dialog);
        document.body.appendChild(backdrop);
        build(dialog, finish);
        var first = dialog.querySelector('input.file-name, li button, button');
        if (first) first.focus();
      });
    },
    buttonRow: function(dialog, buttons) {
      var row = CalorviaFiles.element('div', 'file-dialog-buttons');
      buttons.forEach(function(button) {
        var node = CalorviaFiles.element('button', button.className, button.text);
        node.type = 'button';
        node.onclick = button.action;
        row.appendChild(node);
      });
      dialog.appendChild(row);
    },
    statusLine: function(dialog) {
      var status = CalorviaFiles.element('p', 'file-dialog-status');
      status.setAttribute('role', 'status');
      return status;
    },
    // A section with a heading and a list of buttons, one per entry.
    listSection: function(dialog, className, heading, items, emptyText, choose) {
      if (items.length === 0 && emptyText === undefined) return;
      var section = CalorviaFiles.element('section', 'file-list ' + className);
      section.appendChild(CalorviaFiles.element('h3', '', heading));
      if (items.length === 0) {
        section.appendChild(CalorviaFiles.element('p', 'empty', emptyText));
      } else {
        var list = CalorviaFiles.element('ul');
        items.forEach(function(item) {
          var entry = CalorviaFiles.element('li');
          var button = CalorviaFiles.element('button', 'file-entry', item.label);
          button.type = 'button';
          button.dataset.name = item.name;
          button.onclick = function() { choose(item); };
          entry.appendChild(button);
          list.appendChild(entry);
        });
        section.appendChild(list);
      }
      dialog.appendChild(section);
    },
    readChosenFile: function(input) {
      var file = input.files && input.files[0];
      if (!file) return Promise.resolve(null);
      return file.arrayBuffer().then(function(buffer) {
        return {name: file.name, bytes: new Uint8Array(buffer)};
      });
    },
    sameBytes: function(path, bytes) {
      try {
        var old = FS.readFile(path);
        if (old.length !== bytes.length) return false;
        for (var i = 0; i < old.length; ++i) if (old[i] !== bytes[i]) return false;
        return true;
      } catch (e) { return false; }
    },
    // A case opened from elsewhere (the computer, an example, the teacher's
    // list) is kept in the program folder under its own name: an opened case
    // is rewritten in place when the wizard ends, and only there does it
    // outlast the page, among the saved cases. Another file of that name
    // already there is kept too, the new one taking "name-2.txt" (the next
    // free number); the same bytes are the same case. A name the program
    // folder cannot take goes to a temporary folder instead.
    keepCase: function(name, bytes) {
      if (CalorviaFiles.isReserved(name) || !CalorviaFiles.acceptableName(name)) {
        CalorviaFiles.makeFolder(CalorviaFiles.elsewhere);
        var kept = CalorviaFiles.elsewhere + '/' + name.replace(/[\/\\\x00-\x1f]/g, '_');
        FS.writeFile(kept, bytes);
        return kept;
      }
      var folder = CalorviaFiles.folder;
      var path = folder + '/' + name;
      if (CalorviaFiles.statOf(path) && !CalorviaFiles.sameBytes(path, bytes)) {
        var dot = name.lastIndexOf('.');
        var stem = dot > 0 ? name.substring(0, dot) : name;
        var extension = dot > 0 ? name.substring(dot) : '';
        for (var n = 2; CalorviaFiles.statOf(path) && !CalorviaFiles.sameBytes(path, bytes); ++n) {
          path = folder + '/' + stem + '-' + n + extension;
        }
      }
      FS.writeFile(path, bytes);
      return path;
    },

    // ---------------------------------------------------------- the dialogs

    openDialog: async function(title) {
      var teacher = await CalorviaFiles.teacherCases();
      var say = CalorviaFiles.say;
      return CalorviaFiles.modal('open', title, function(dialog, finish) {
        var status = CalorviaFiles.statusLine(dialog);
        var folder = CalorviaFiles.folder;
        CalorviaFiles.listSection(dialog, 'saved', say('savedCases'),
          CalorviaFiles.savedCases().map(function(name) { return {name: name, label: name}; }),
          say('noSavedCases'), function(item) { finish(folder + '/' + item.name); });
        CalorviaFiles.listSection(dialog, 'examples', say('examples'),
          CalorviaFiles.exampleCases().map(function(name) { return {name: name, label: name}; }),
          undefined, function(item) {
            try {
              finish(CalorviaFiles.exampleCase(item.name));
            } catch (e) {
              status.textContent = say('writeFailed', item.name);
            }
          });
        CalorviaFiles.listSection(dialog, 'teacher', say('teacherCases'),
          teacher.map(function(item) { return {name: item.file, label: item.title}; }),
          undefined, function(item) {
            CalorviaFiles.fetchTeacherCase(item.name).then(finish, function() {
              status.textContent = say('fetchFailed', item.name);
            });
          });

        var upload = CalorviaFiles.element('section', 'file-upload');
        upload.appendChild(CalorviaFiles.element('h3', '', say('fromComputer')));
        var input = CalorviaFiles.element('input', 'case-upload');
        input.type = 'file';
        input.accept = '.txt,text/plain';
        input.onchange = function() {
          CalorviaFiles.readChosenFile(input).then(function(chosen) {
            if (!chosen) return;
            input.value = '';
            if (chosen.name === CalorviaFiles.experimentalName) {
              status.textContent = say('experimentalAsCase');
            } else if (CalorviaFiles.ownNames.indexOf(chosen.name) >= 0) {
              status.textContent = say('ownName', chosen.name);
            } else if (!CalorviaFiles.acceptableName(chosen.name)) {
              status.textContent = say('nameBad', chosen.name);
            } else {
              try {
                finish(CalorviaFiles.keepCase(chosen.name, chosen.bytes));
              } catch (e) {
                status.textContent = say('writeFailed', chosen.name);
              }
            }
          }, function() { status.textContent = say('readFailed', input.value); });
        };
        upload.appendChild(input);
        dialog.appendChild(upload);

        CalorviaFiles.experimentalSection(dialog, status);
        dialog.appendChild(status);
        CalorviaFiles.buttonRow(dialog, [{className: 'cancel', text: say('cancel'), action: function() { finish(null); }}]);
      });
    },
    // The experimental data are read from "Exp.txt" in the program folder
    // when a time graph is drawn, after a run. Opening a case is where a
    // student prepares a run, so the open dialog is where the file is put in
    // place: uploaded from the computer or copied from the bundled example.
    // The dialog stays open; the student goes on to choose a case.
    experimentalSection: function(dialog, status) {
      var say = CalorviaFiles.say;
      var target = CalorviaFiles.folder + '/' + CalorviaFiles.experimentalName;
      var section = CalorviaFiles.element('section', 'experimental');
      section.appendChild(CalorviaFiles.element('h3', '', say('experimental')));
      var state = CalorviaFiles.element('p', 'experimental-state');
      var showState = function() {
        state.textContent = say(CalorviaFiles.isFile(target) ? 'experimentalPresent' : 'experimentalNone');
      };
      showState();
      section.appendChild(state);
      var keep = function(bytes) {
        try {
          FS.writeFile(target, bytes);
          status.textContent = '';
          state.textContent = say('experimentalWritten');
        } catch (e) {
          status.textContent = say('writeFailed', CalorviaFiles.experimentalName);
        }
      };
      var label = CalorviaFiles.element('label', '', say('experimentalUpload') + ' ');
      var input = CalorviaFiles.element('input', 'experimental-upload');
      input.type = 'file';
      input.onchange = function() {
        CalorviaFiles.readChosenFile(input).then(function(chosen) {
          input.value = '';
          if (chosen) keep(chosen.bytes);
        }, function() { status.textContent = say('readFailed', CalorviaFiles.experimentalName); });
      };
      label.appendChild(input);
      section.appendChild(label);
      var example = CalorviaFiles.examples + '/experimental-data/' + CalorviaFiles.experimentalName;
      if (CalorviaFiles.isFile(example)) {
        var button = CalorviaFiles.element('button', 'experimental-example', say('experimentalExample'));
        button.type = 'button';
        button.onclick = function() { keep(FS.readFile(example)); };
        var line = CalorviaFiles.element('p');
        line.appendChild(button);
        section.appendChild(line);
      }
      dialog.appendChild(section);
    },
    saveDialog: async function(title, fileName, extension) {
      var say = CalorviaFiles.say;
      var folder = CalorviaFiles.folder;
      var path = await CalorviaFiles.modal('save', title, function(dialog, finish) {
        var status = CalorviaFiles.statusLine(dialog);
        var label = CalorviaFiles.element('label', '', say('fileName'));
        var input = CalorviaFiles.element('input', 'file-name');
        input.type = 'text';
        input.value = CalorviaFiles.basename(fileName.trim());
        label.appendChild(input);
        dialog.appendChild(label);
        CalorviaFiles.listSection(dialog, 'saved', say('savedCases'),
          CalorviaFiles.savedCases().map(function(name) { return {name: name, label: name}; }),
          undefined, function(item) {
            input.value = item.name;
            input.focus();
          });
        dialog.appendChild(CalorviaFiles.element('p', 'save-note', say('saveNote')));
        dialog.appendChild(status);
        var accept = function() {
          var name = input.value.trim();
          if (name === '') {
            status.textContent = say('nameEmpty');
          } else if (!CalorviaFiles.acceptableName(name)) {
            status.textContent = say('nameBad', name);
          } else {
            if (extension && name.indexOf('.') < 0) name += '.' + extension;
            finish(folder + '/' + name);
          }
        };
        input.addEventListener('keydown', function(event) {
          if (event.key === 'Enter') accept();
        });
        CalorviaFiles.buttonRow(dialog, [
          {className: 'ok', text: say('save'), action: accept},
          {className: 'cancel', text: say('cancel'), action: function() { finish(null); }},
        ]);
        setTimeout(function() { input.select(); }, 0);
      });
      // The program may still refuse the name and ask again; only the case
      // of the last dialog is awaited.
      CalorviaFiles.pendingCase = path ? {path: path, time: CalorviaFiles.mtimeOf(path)} : null;
      return path;
    },
    folderDialog: async function(title) {
      var say = CalorviaFiles.say;
      var chosen = await CalorviaFiles.modal('folder', title, function(dialog, finish) {
        dialog.appendChild(CalorviaFiles.element('p', 'folder-note', say('folderNote')));
        CalorviaFiles.buttonRow(dialog, [
          {className: 'ok', text: say('ok'), action: function() { finish(true); }},
          {className: 'cancel', text: say('cancel'), action: function() { finish(null); }},
        ]);
      });
      if (!chosen) return null;
      var folder = CalorviaFiles.nextResultsFolder();
      CalorviaFiles.pendingFolders.push(folder);
      return folder;
    },

    // ------------------------------------------------------ the text window

    // A window on one file: read-only (result files) or editable with Save
    // (the initial estimate, `edit`); resolves when it is closed. A second
    // request for a file whose window is open shows the file again in it.
    textWindow: function(path, edit) {
      var say = CalorviaFiles.say;
      var name = CalorviaFiles.basename(path);
      var text = CalorviaFiles.readText(path);
      if (text === null) text = '';
      if (!edit) {
        var open = Array.prototype.find.call(document.querySelectorAll('div.text-window'), function(node) {
          return node.dataset.file === name && node.dataset.path === path && node.dataset.mode === 'view';
        });
        if (open) {
          open.querySelector('textarea').value = text;
          open.style.zIndex = String(++CalorviaFiles.topZ);
          return Promise.resolve();
        }
      }
      return new Promise(function(resolve) {
        var backdrop = edit ? CalorviaFiles.element('div', 'text-window-backdrop') : null;
        var win = CalorviaFiles.element('div', 'text-window');
        win.dataset.file = name;
        win.dataset.path = path;
        win.dataset.mode = edit ? 'edit' : 'view';
        win.setAttribute('role', 'dialog');
        var offset = 30 + 24 * (CalorviaFiles.windowCount++ % 10);
        win.style.left = offset + 'px';
        win.style.top = offset + 'px';
        win.style.zIndex = String(edit ? 2001 : ++CalorviaFiles.topZ);
        var heading = CalorviaFiles.element('div', 'text-window-title', name);
        win.appendChild(heading);
        var area = CalorviaFiles.element('textarea');
        area.value = text;
        area.readOnly = !edit;
        area.spellcheck = false;
        area.setAttribute('wrap', 'off');
        win.appendChild(area);
        var question = CalorviaFiles.element('div', 'text-window-question');
        question.hidden = true;
        win.appendChild(question);
        var saved = area.value;
        var showTitle = function() {
          heading.textContent = (edit && area.value !== saved ? '*' : '') + name;
        };
        area.addEventListener('input', showTitle);
        var close = function() {
          (backdrop || win).remove();
          resolve();
        };
        var save = function() {
          try {
            FS.writeFile(path, area.value);
            saved = area.value;
            showTitle();
            return true;
          } catch (e) {
            question.hidden = false;
            question.textContent = say('writeFailed', name);
            return false;
          }
        };
        var askBeforeClosing = function() {
          if (!edit || area.value === saved) {
            close();
            return;
          }
          question.hidden = false;
          question.textContent = say('unsavedChanges', name) + ' ';
          [['save', function() { if (save()) close(); }], ['dontSave', close],
           ['cancel', function() { question.hidden = true; }]].forEach(function(answer) {
            var button = CalorviaFiles.element('button', 'answer-' + answer[0], say(answer[0]));
            button.type = 'button';
            button.onclick = answer[1];
            question.appendChild(button);
            question.appendChild(document.createTextNode(' '));
          });
        };
        var buttons = [];
        if (edit) buttons.push({className: 'save', text: say('save'), action: function() {
          question.hidden = true;
          save();
        }});
        buttons.push({className: 'download', text: say('download'), action: function() {
          CalorviaFiles.download(name, area.value, 'text/plain');
        }});
        buttons.push({className: 'close', text: say('close'), action: askBeforeClosing});
        CalorviaFiles.buttonRow(win, buttons);
        win.querySelector('.file-dialog-buttons').className = 'text-window-buttons';
        win.addEventListener('pointerdown', function() {
          if (!edit) win.style.zIndex = String(++CalorviaFiles.topZ);
        });
        CalorviaFiles.dragBy(heading, win);
        if (backdrop) {
          backdrop.appendChild(win);
          document.body.appendChild(backdrop);
          area.focus();
        } else {
          document.body.appendChild(win);
        }
      });
    },
    dragBy: function(handle, win) {
      handle.addEventListener('pointerdown', function(event) {
        var rect = win.getBoundingClientRect();
        var dx = event.clientX - rect.left;
        var dy = event.clientY - rect.top;
        var move = function(moved) {
          win.style.left = Math.max(0, moved.clientX - dx) + 'px';
          win.style.top = Math.max(0, moved.clientY - dy) + 'px';
        };
        var stop = function() {
          window.removeEventListener('pointermove', move);
          window.removeEventListener('pointerup', stop);
        };
        window.addEventListener('pointermove', move);
        window.addEventListener('pointerup', stop);
        event.preventDefault();
      });
    },

    // ------------------------------------------------ the case of the address

    caseAtStart: async function() {
      var name;
      try { name = new URLSearchParams(location.search).get('case'); } catch (e) { return null; }
      if (!name) return null;
      var wanted = /\.txt$/i.test(name) ? [name] : [name + '.txt', name];
      var examples = CalorviaFiles.exampleCases();
      for (var i = 0; i < wanted.length; ++i) {
        var match = examples.find(function(relative) {
          return relative === wanted[i] || CalorviaFiles.basename(relative) === wanted[i];
        });
        if (match) return CalorviaFiles.exampleCase(match);
      }
      var teacher = await CalorviaFiles.teacherCases();
      for (var j = 0; j < wanted.length; ++j) {
        var item = teacher.find(function(entry) { return entry.file === wanted[j]; });
        if (item) {
          try { return await CalorviaFiles.fetchTeacherCase(item.file); } catch (e) { break; }
        }
      }
      CalorviaFiles.notice(CalorviaFiles.say('unknownCase', name), 'files-unknown-case');
      return null;
    },
  },

  // Referenced by web_files.cpp so that the object above is linked in.
  calorvia_files_library__deps: ['$CalorviaFiles'],
  calorvia_files_library: function() {},
};

mergeInto(LibraryManager.library, CalorviaFilesLibrary);
