// SPDX-License-Identifier: GPL-3.0-or-later
// The page's entry.
import { startPage } from './main.js';

startPage();
