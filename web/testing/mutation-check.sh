#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The check a mutation run makes of the page: run from the project's root (a
# scratch copy of it), it builds the page and its test build and runs the
# browser tests that reach the page's own C++ and script. Exit 0 when they
# pass, 125 when the page does not build, 1 when a test fails.
#   ../shared/tools/mutants --check-cmd 'bash web/testing/mutation-check.sh' ...
set -uo pipefail
if [[ ! -d web/testing/node_modules ]]; then
  (cd web/testing && npm ci --silent --no-audit --no-fund) >/dev/null 2>&1 || exit 125
fi
bash tools/web test >/dev/null 2>&1 || exit 125
cd web/testing || exit 125
pattern='run cycle|buttons are buttons|readouts|taller|erasing|every key|menu of aids'
pattern+='|palette and slow|newcomer|a link opens|hostile|pixel ratio|panels fill|lasts'
timeout 900 node --test --test-concurrency=1 --test-name-pattern="$pattern" \
  web.test.mjs aids.test.mjs page.test.mjs spacetime.test.mjs >/dev/null 2>&1 || exit 1
