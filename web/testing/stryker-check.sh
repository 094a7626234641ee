#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The check StrykerJS makes of each mutant of the page's script: run from the
# project's root after `bash tools/web test`, it puts the page's modules as
# they stand now into the test build, seals it again, and runs the browser
# tests that reach them. Exit 0 when they pass.
set -uo pipefail
cp web/page/*.js build/web-test/page/
# StrykerJS names the mutant to switch on in this command's environment,
# which a page cannot read: each module is told it at its top instead.
if [[ -n ${__STRYKER_ACTIVE_MUTANT__:-} ]]; then
  sed -i "1i (globalThis.__stryker__ ??= {}).activeMutant = '${__STRYKER_ACTIVE_MUTANT__//[^0-9]/}';" \
    build/web-test/page/*.js
fi
python3 web/seal_site.py build/web-test web/index.html web/sw.js testing/index.js \
  $(grep -E '^[a-z]' i18n/LANGUAGES) en_XA || exit 2
cd web/testing || exit 2
pattern='every key|menu of aids|palette and slow|newcomer|a link opens|a clip of|panels fill|size dragged|lasts'
exec timeout 600 node --test --test-concurrency=1 --test-name-pattern="$pattern" \
  aids.test.mjs page.test.mjs spacetime.test.mjs
