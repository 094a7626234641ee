// SPDX-License-Identifier: GPL-3.0-or-later
// The entry of the test build of the page: the page people get, and beside
// it what its tests read, under one name: the program, the time of every
// frame, and the program's state and list of keys.
import { startPage } from '../page/main.js';
import { keyList, state } from '../page/program.js';

startPage({
  extras(program) {
    const frameTimes = [];
    const drawn = program.page.frameDrawn;
    program.page.frameDrawn = () => {
      frameTimes.push(performance.now());
      if (frameTimes.length > 2000) frameTimes.shift();
      drawn();
    };
    window.relativityTest = { program, frameTimes, state, keyList };
  },
});
