// SPDX-License-Identifier: GPL-3.0-or-later
// The web platform's JavaScript side: panels for windows, real form
// elements for controls, a canvas per window in device pixels, the browser's
// timers and storage. Geometry in CSS pixels (15 twips each) of the panel's
// own, before the page scales a panel to the room it has.
//
// Calls come down from the program; what the page must hear of goes up as
// events to the callbacks the page gave the program when it made it
// (Module.page): its language and texts, a panel shown, a frame drawn, the
// end, and the aids only the page can give. The page's own code lives in
// web/page/ and is never called from here by name.

mergeInto(LibraryManager.library, {
  $Page: {
    windows: {},
    controls: {},
    timers: {},
    channel: null,
    liveRegion: null,
    colour: function (rgb) {
      return 'rgb(' + (rgb & 255) + ',' + ((rgb >> 8) & 255) + ',' + ((rgb >> 16) & 255) + ')';
    },
    // Tab follows the screen: left to right, top to bottom.
    reorder: function (client) {
      const controls = Array.from(client.children).filter((e) => e.tagName !== 'CANVAS');
      controls.sort((a, b) => (parseFloat(a.style.top) - parseFloat(b.style.top)) ||
                              (parseFloat(a.style.left) - parseFloat(b.style.left)));
      for (const control of controls) client.appendChild(control);
    },
    press: function (id) {
      Module['_web_on_click'](id);
    },
    kinds: ['button', 'textBox', 'multiLineTextBox', 'label'],
    // Device pixels to the panel's CSS pixel: the screen's, times the scale
    // the page gives the panel, so its picture stays sharp at any scale.
    ratioOf: function (id) {
      return (window.devicePixelRatio || 1) * (Page.windows[id].client.currentCSSZoom || 1);
    },
    // The client's size and its pixel ratio, to the program.
    sendSize: function (id) {
      const w = Page.windows[id];
      w.ratio = Page.ratioOf(id);
      Module['_web_on_client_resized'](id, w.client.clientWidth, w.client.clientHeight, w.ratio);
    },
    // Zoom or another screen changes the ratio: every window's buffer follows.
    // The media query tells of most changes; a look at each frame and resize
    // catches those it misses (an emulated screen).
    ratio: 0,
    checkRatio: function () {
      Page.ratio = window.devicePixelRatio || 1;
      for (const id in Page.windows) {
        if (Page.ratioOf(Number(id)) !== Page.windows[id].ratio) Page.sendSize(Number(id));
      }
    },
    watchRatio: function () {
      Page.ratio = window.devicePixelRatio || 1;
      const query = matchMedia('(resolution: ' + Page.ratio + 'dppx)');
      query.addEventListener('change', () => {
        Page.checkRatio();
        Page.watchRatio();
      }, { once: true });
    },
  },

  // The frame's sizes come from the program, which reckons the window's outer
  // size with them; the style draws the frame from them.
  web_window_create__deps: ['$Page'],
  web_window_create: function (id, caption, clientWidth, clientHeight, resizable, border,
                               titleHeight, closeLabel) {
    const title = UTF8ToString(caption);
    const section = document.createElement('section');
    section.className = 'window';
    section.id = 'window' + id;
    section.hidden = true;
    section.setAttribute('aria-label', title);
    section.style.setProperty('--border', border + 'px');
    section.style.setProperty('--title-height', titleHeight + 'px');
    const bar = document.createElement('div');
    bar.className = 'title';
    bar.textContent = title;
    const client = document.createElement('div');
    client.className = 'client' + (resizable ? ' resizable' : '');
    client.style.width = clientWidth + 'px';
    client.style.height = clientHeight + 'px';
    const canvas = document.createElement('canvas');
    client.appendChild(canvas);
    // The close box sits in the title bar but comes after the panel's own
    // controls in the order of Tab.
    const close = document.createElement('button');
    close.type = 'button';
    close.className = 'close';
    close.textContent = '\u00d7';
    close.setAttribute('aria-label', UTF8ToString(closeLabel));
    close.addEventListener('click', () => Module.page.closeWindow(id, () => Module['_web_on_close'](id)));
    section.append(bar, client, close);
    section.style.setProperty('--x', '0px');
    section.style.setProperty('--y', '0px');
    document.getElementById('desktop').appendChild(section);
    // Opaque, as every pixel the program puts is: the browser then neither
    // premultiplies what is put nor blends the panel (a third of a put's cost).
    Page.windows[id] = { section: section, client: client, canvas: canvas,
                         context: canvas.getContext('2d', { alpha: false }), ratio: 0,
                         frame: { width: 2 * border, height: 2 * border + titleHeight } };
    // Device pixels change with the client's size and with its scale.
    new ResizeObserver(() => Page.sendSize(id)).observe(client, { box: 'device-pixel-content-box' });
    if (Object.keys(Page.windows).length === 1) {
      Page.watchRatio();
      window.addEventListener('resize', Page.checkRatio);
    }
  },

  web_device_ratio: function () {
    return window.devicePixelRatio || 1;
  },

  // The outer rectangle: the client area's size from the styles, which the
  // program and the user's dragging both set (so a hidden panel has a
  // size), and the frame round it. Where the program put a panel is kept for
  // it (--x, --y); the page's grid decides where it stands on the screen.
  web_window_outer__deps: ['$Page'],
  web_window_outer: function (id, edge) {
    const w = Page.windows[id];
    const px = (value) => parseFloat(value) || 0;
    const width = px(w.client.style.width);
    return { left: px(w.section.style.getPropertyValue('--x')),
             top: px(w.section.style.getPropertyValue('--y')),
             width: width + w.frame.width, height: px(w.client.style.height) + w.frame.height,
             clientWidth: width, clientHeight: px(w.client.style.height) }[UTF8ToString(edge)];
  },

  web_window_set_outer__deps: ['$Page'],
  web_window_set_outer: function (id, edge, pixels) {
    const w = Page.windows[id];
    const side = UTF8ToString(edge);
    if (side === 'left') w.section.style.setProperty('--x', pixels + 'px');
    if (side === 'top') w.section.style.setProperty('--y', pixels + 'px');
    if (side === 'width') w.client.style.width = Math.max(pixels - w.frame.width, 1) + 'px';
    if (side === 'height') {
      const lowest = parseFloat(getComputedStyle(w.client).minHeight) || 1;
      w.client.style.height = Math.max(pixels - w.frame.height, lowest) + 'px';
    }
  },

  web_window_set_visible__deps: ['$Page'],
  web_window_set_visible: function (id, visible) {
    Page.windows[id].section.hidden = !visible;
    Module.page.windowShown(id, visible);
  },

  web_window_visible__deps: ['$Page'],
  web_window_visible: function (id) {
    return Page.windows[id].section.hidden ? 0 : 1;
  },

  web_window_request_paint: function (id) {
    requestAnimationFrame(() => Module['_web_on_paint'](id));
  },

  web_canvas_put__deps: ['$Page'],
  web_canvas_put: function (id, pixels, width, height, ratio, x, y, w, h) {
    const win = Page.windows[id];
    if (win.canvas.width !== width || win.canvas.height !== height) {
      // The buffer is in device pixels; the canvas shows it at CSS size.
      win.canvas.width = width;
      win.canvas.height = height;
      win.canvas.style.width = width / ratio + 'px';
      win.canvas.style.height = height / ratio + 'px';
      x = 0; y = 0; w = width; h = height;
    }
    // The picture's ImageData lasts while its memory does: made anew only
    // when the buffer moves, grows or changes size.
    let image = win.image;
    if (!image || image.data.buffer !== HEAPU8.buffer || win.imageAt !== pixels ||
        image.width !== width || image.height !== height) {
      image = win.image = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, pixels, width * height * 4),
                                        width, height);
      win.imageAt = pixels;
    }
    win.context.putImageData(image, 0, 0, x, y, w, h);
  },

  web_control_create__deps: ['$Page'],
  web_control_create: function (windowId, id, kindName, name, left, top, width, height, centred,
                                fore, clickable) {
    const kind = Page.kinds.indexOf(UTF8ToString(kindName));
    let element;
    if (kind === 0) {
      element = document.createElement('button');
      element.type = 'button';
      element.addEventListener('click', () => Page.press(id));
    } else if (kind === 1) {
      element = document.createElement('input');
      element.type = 'text';
      element.readOnly = true;
    } else if (kind === 2) {
      element = document.createElement('textarea');
      element.readOnly = true;
    } else {
      element = document.createElement('div');
      element.className = 'label';
    }
    if (clickable && kind !== 0) {
      if (kind === 3) {
        element.setAttribute('role', 'button');
        element.tabIndex = 0;
      }
      element.classList.add('pressable');
      element.addEventListener('click', () => Page.press(id));
      element.addEventListener('keydown', (event) => {
        if (event.key === ' ' || event.key === 'Enter') {
          event.preventDefault();
          Page.press(id);
        }
      });
    }
    element.id = UTF8ToString(name) + (windowId === 2 ? '2' : '');
    element.dataset.name = UTF8ToString(name);
    element.classList.add('control');
    if (centred) element.classList.add('centred');
    if (fore >= 0) element.style.color = Page.colour(fore);
    element.style.left = left + 'px';
    element.style.top = top + 'px';
    // The stored size, for the style to size the box from (a small target's
    // box may grow round it).
    element.style.setProperty('--w', width + 'px');
    element.style.setProperty('--h', height + 'px');
    Page.controls[id] = element;
    const client = Page.windows[windowId].client;
    client.appendChild(element);
    Page.reorder(client);
  },

  web_control_set_text__deps: ['$Page'],
  web_control_set_text: function (id, text) {
    const element = Page.controls[id];
    const value = UTF8ToString(text);
    if (element.tagName === 'INPUT' || element.tagName === 'TEXTAREA') element.value = value;
    else element.textContent = value;
  },

  web_control_set_visible__deps: ['$Page'],
  web_control_set_visible: function (id, visible) {
    Page.controls[id].hidden = !visible;
  },

  web_control_set_back__deps: ['$Page'],
  web_control_set_back: function (id, colour) {
    Page.controls[id].style.backgroundColor = Page.colour(colour);
  },

  web_control_set_fore__deps: ['$Page'],
  web_control_set_fore: function (id, colour) {
    Page.controls[id].style.color = Page.colour(colour);
  },

  web_control_move__deps: ['$Page'],
  web_control_move: function (id, left, top) {
    const element = Page.controls[id];
    element.style.left = left + 'px';
    element.style.top = top + 'px';
    Page.reorder(element.parentElement);
  },

  web_control_set_accessible_name__deps: ['$Page'],
  web_control_set_accessible_name: function (id, name) {
    Page.controls[id].setAttribute('aria-label', UTF8ToString(name));
  },

  web_control_set_tip__deps: ['$Page'],
  web_control_set_tip: function (id, tip) {
    Page.controls[id].title = UTF8ToString(tip);
  },

  web_translate__deps: ['$stringToNewUTF8'],
  web_translate: function (context, source) {
    const text = Module.page.translate(UTF8ToString(context), UTF8ToString(source));
    return text === undefined ? 0 : stringToNewUTF8(text);
  },

  // The user's languages and the page's catalogues, each a line.
  web_preferred_languages__deps: ['$stringToNewUTF8'],
  web_preferred_languages: function () {
    return stringToNewUTF8(Module.page.preferredLanguages().join('\n'));
  },
  web_catalogue_languages__deps: ['$stringToNewUTF8'],
  web_catalogue_languages: function () {
    return stringToNewUTF8(Module.page.catalogues().join('\n'));
  },
  web_load_catalogue: function (language) {
    Module.page.loadCatalogue(UTF8ToString(language), () => Module['_web_start']());
  },
  web_query__deps: ['$stringToNewUTF8'],
  web_query: function () {
    return stringToNewUTF8(window.location.search);
  },
  web_warn: function (text) {
    console.warn(UTF8ToString(text));
  },
  // The choices kept in the browser's storage; a browser may refuse it (a
  // private window, a sandboxed frame), and then nothing is kept.
  web_setting__deps: ['$stringToNewUTF8'],
  web_setting: function (key) {
    try {
      const value = localStorage.getItem('relativity-train.' + UTF8ToString(key));
      return value === null ? 0 : stringToNewUTF8(value);
    } catch (refused) {
      return 0;
    }
  },
  web_set_setting: function (key, value) {
    try {
      localStorage.setItem('relativity-train.' + UTF8ToString(key), UTF8ToString(value));
    } catch (refused) {
      // The choice holds for this visit.
    }
  },
  web_page_action: function (name) {
    Module.page.perform(UTF8ToString(name));
  },

  // One polite live region no one sees: a screen reader says what is put
  // in it, and the keyboard stays where it is.
  web_announce__deps: ['$Page'],
  web_announce: function (text) {
    if (!Page.liveRegion) {
      Page.liveRegion = document.createElement('div');
      Page.liveRegion.id = 'announcements';
      Page.liveRegion.className = 'visually-hidden';
      Page.liveRegion.setAttribute('role', 'status');
      Page.liveRegion.setAttribute('aria-live', 'polite');
      document.body.appendChild(Page.liveRegion);
    }
    Page.liveRegion.textContent = UTF8ToString(text);
  },

  // The picture is an image to assistive technology, named by the words
  // that describe it now.
  web_describe_picture__deps: ['$Page'],
  web_describe_picture: function (id, text) {
    const canvas = Page.windows[id].canvas;
    canvas.setAttribute('role', 'img');
    canvas.setAttribute('aria-label', UTF8ToString(text));
  },

  web_media_matches: function (query) {
    return matchMedia(UTF8ToString(query)).matches ? 1 : 0;
  },

  web_timer_start__deps: ['$Page'],
  web_timer_start: function (id, milliseconds) {
    if (milliseconds < 0) {
      // A message comes after the events already waiting, with none of the
      // minimum delay that nested timeouts get.
      if (!Page.channel) {
        Page.channel = new MessageChannel();
        Page.channel.port1.onmessage = (event) => Module['_web_on_timer'](event.data);
      }
      Page.channel.port2.postMessage(id);
      return;
    }
    Page.timers[id] = setTimeout(() => {
      delete Page.timers[id];
      Module['_web_on_timer'](id);
    }, milliseconds);
  },

  web_timer_cancel__deps: ['$Page'],
  web_timer_cancel: function (id) {
    clearTimeout(Page.timers[id]);
    delete Page.timers[id];
  },

  web_program_ended__deps: ['$Page'],
  web_program_ended: function () {
    for (const id in Page.timers) clearTimeout(Page.timers[id]);
    Page.timers = {};
    for (const id in Page.windows) Page.windows[id].section.hidden = true;
    Module.page.programEnded();
  },

  web_frame_drawn__deps: ['$Page'],
  web_frame_drawn: function () {
    Page.checkRatio();
    Module.page.frameDrawn();
  },
});
