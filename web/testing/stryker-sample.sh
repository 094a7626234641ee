#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A mutation run of the page's script on a sample a seed chooses: every
# mutant of so many lines of code picked at random from web/page/ (a whole
# run, some 850 mutants at a minute each, would take half a day). Run from
# the project's root:  bash web/testing/stryker-sample.sh [SEED] [LINES]
set -euo pipefail
seed=${1:-$RANDOM$RANDOM}
lines=${2:-25}
echo "stryker sample: seed $seed, $lines lines of web/page/"
bash tools/web test >/dev/null
# Lines of code: not blank, not a comment, not an import or export of names.
sample=$(grep -nE '^\s*[^/ *]' web/page/*.js | grep -vE ':\s*(import|export \{|\} from)|:[0-9]+:\s*[]});,]*\s*$' |
  shuf -n "$lines" --random-source=<(openssl enc -aes-256-ctr -pass "pass:$seed" -nosalt \
    </dev/zero 2>/dev/null) | awk -F: '{printf "%s%s:%s-%s", (NR > 1 ? "," : ""), $1, $2, $2}')
web/testing/node_modules/.bin/stryker run web/testing/stryker.config.json --mutate "$sample"
