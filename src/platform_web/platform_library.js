// The program's side of the page (page/calorvia-page.js), as imports of the
// WebAssembly: texts go as UTF-8, sizes come back through pointers, a text
// handed back is allocated with malloc and freed by the caller.
mergeInto(LibraryManager.library, {
  calorvia_web_configure: function (title, width, height) {
    var size = CalorviaPage.configure(UTF8ToString(title));
    HEAP32[width >> 2] = size[0];
    HEAP32[height >> 2] = size[1];
  },
  calorvia_web_frame_size: function (width, height) {
    var size = CalorviaPage.frameSize();
    HEAP32[width >> 2] = size[0];
    HEAP32[height >> 2] = size[1];
  },
  calorvia_web_menu_item: function (menu, item, text, kind, enabled) {
    CalorviaPage.menuItem(menu, item, UTF8ToString(text), kind, enabled !== 0);
  },
  calorvia_web_next_command: function (menu, item) {
    var next = CalorviaPage.nextCommand();
    if (!next) return 0;
    HEAP32[menu >> 2] = next[0];
    HEAP32[item >> 2] = next[1];
    return 1;
  },
  calorvia_web_reset: function () { CalorviaPage.reset(); },
  // The computation's turn given to the page (an asyncify import, see
  // src/app/CMakeLists.txt): the program sleeps until the page calls back.
  calorvia_web_yield: function () {
    return Asyncify.handleSleep(function (wakeUp) { CalorviaPage.soon(wakeUp); });
  },
  calorvia_web_set_language: function (code) { CalorviaPage.setLanguage(code); },
  calorvia_web_start_language: function () { return CalorviaPage.startLanguage(); },
  calorvia_web_ready: function () { CalorviaPage.ready(); },
  calorvia_web_ended: function () { CalorviaPage.ended(); },

  calorvia_web_clear: function (colour) { CalorviaPage.clear(colour >>> 0); },
  calorvia_web_lines: function (colour, points, count) {
    CalorviaPage.lines(colour >>> 0, HEAP32.subarray(points >> 2, (points >> 2) + 2 * count));
  },
  calorvia_web_rectangle: function (colour, filled, x1, y1, x2, y2) {
    CalorviaPage.rectangle(colour >>> 0, filled !== 0, x1, y1, x2, y2);
  },
  calorvia_web_ellipse: function (colour, filled, x1, y1, x2, y2) {
    CalorviaPage.ellipse(colour >>> 0, filled !== 0, x1, y1, x2, y2);
  },
  calorvia_web_select_font: function (face, height, width, italic) {
    return CalorviaPage.selectFont(UTF8ToString(face), height, width, italic !== 0);
  },
  calorvia_web_text: function (colour, x, y, rotation, text) {
    CalorviaPage.text(colour >>> 0, x, y, rotation, UTF8ToString(text));
  },
  calorvia_web_text_extent: function (text, width, height) {
    var size = CalorviaPage.textExtent(UTF8ToString(text));
    HEAP32[width >> 2] = size[0];
    HEAP32[height >> 2] = size[1];
  },
  calorvia_web_picture: function (rgba, width, height, x, y) {
    CalorviaPage.picture(HEAPU8.subarray(rgba, rgba + width * height * 4), width, height, x, y);
  },

  calorvia_web_dialog_create: function (handle, template, title, width, height) {
    CalorviaPage.dialogCreate(handle, template, UTF8ToString(title), width, height);
  },
  calorvia_web_dialog_control: function (handle, number, kind, x, y, width, height, caption,
                                         enabled, isDefault, group) {
    CalorviaPage.dialogControl(handle, number, kind, x, y, width, height, UTF8ToString(caption),
                               enabled !== 0, isDefault !== 0, group);
  },
  calorvia_web_dialog_set_text: function (handle, control, text) {
    CalorviaPage.dialogSetText(handle, control, UTF8ToString(text));
  },
  calorvia_web_dialog_text__deps: ['malloc'],
  calorvia_web_dialog_text: function (handle, control) {
    var text = CalorviaPage.dialogText(handle, control);
    var size = lengthBytesUTF8(text) + 1;
    var copy = _malloc(size);
    if (copy) stringToUTF8(text, copy, size);
    return copy;
  },
  calorvia_web_dialog_set_state: function (handle, control, on) {
    CalorviaPage.dialogSetState(handle, control, on !== 0);
  },
  calorvia_web_dialog_state: function (handle, control) {
    return CalorviaPage.dialogState(handle, control);
  },
  calorvia_web_dialog_set_enabled: function (handle, control, enabled) {
    CalorviaPage.dialogSetEnabled(handle, control, enabled !== 0);
  },
  calorvia_web_dialog_set_routine: function (handle, control, present) {
    CalorviaPage.dialogSetRoutine(handle, control, present !== 0);
  },
  calorvia_web_dialog_show: function (handle) { CalorviaPage.dialogShow(handle); },
  calorvia_web_dialog_next_event: function (handle, control) {
    var event = CalorviaPage.dialogNextEvent(handle);
    if (!event) return -1;
    HEAP32[control >> 2] = event[1];
    return event[0];
  },
  calorvia_web_dialog_release: function (handle) { CalorviaPage.dialogRelease(handle); },
  calorvia_web_keep_clear: function (present, x1, y1, x2, y2) {
    CalorviaPage.keepClear(present ? { x1: x1, y1: y1, x2: x2, y2: y2 } : null);
  },

  calorvia_web_message_show: function (text, title, flags) {
    CalorviaPage.messageShow(UTF8ToString(text), UTF8ToString(title), flags);
  },
  calorvia_web_message_answer: function () { return CalorviaPage.messageAnswer(); },
  calorvia_web_about_show: function (title, text) {
    CalorviaPage.aboutShow(UTF8ToString(title), UTF8ToString(text));
  },
  calorvia_web_about_closed: function () { return CalorviaPage.aboutClosed(); },
  calorvia_web_help_url: function (url) { CalorviaPage.helpUrl(UTF8ToString(url)); },
  calorvia_web_help_text: function (title, text, isHtml) {
    CalorviaPage.helpText(UTF8ToString(title), UTF8ToString(text), isHtml !== 0);
  },
  calorvia_web_open_address: function (address) { CalorviaPage.openAddress(UTF8ToString(address)); },
  calorvia_web_beep: function (frequency, milliseconds) { CalorviaPage.beep(frequency, milliseconds); },
  calorvia_web_print: function () { CalorviaPage.print(); },
  calorvia_web_copy: function () { CalorviaPage.copy(); },
  calorvia_web_select: function () { CalorviaPage.select(); },
  calorvia_web_start_case__deps: ['malloc'],
  calorvia_web_start_case: function () {
    var name = CalorviaPage.startCase();
    if (!name) return 0;
    var size = lengthBytesUTF8(name) + 1;
    var copy = _malloc(size);
    if (copy) stringToUTF8(name, copy, size);
    return copy;
  }
});
