#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Seals a built page: its version is a digest of its files, written into the
page and its modules (every file they ask for carries it) and into the
offline worker (which caches those very files).

  seal_site.py SITE_DIR INDEX_TEMPLATE WORKER_TEMPLATE ENTRY CATALOGUES...
"""
import hashlib
import json
import os
import re
import sys

# Files asked for without a version: the page itself, and what the browser
# fetches by a name it was given once (the manifest and its icons).
PLAIN = ['index.html', 'manifest.webmanifest', 'icon.svg', 'icon-192.png', 'icon-512.png']
# A module's imports of the page's files, with the version of a build sealed
# before, if any.
IMPORT = re.compile(r"""(\bfrom\s+|\bimport\s*\(\s*)(['"])(\.{1,2}/[^'"?]+\.js)(\?v=\w+)?\2""")


def site_files(site):
    for root, _, names in sorted(os.walk(site)):
        for name in sorted(names):
            yield os.path.relpath(os.path.join(root, name), site).replace(os.sep, '/')


def main(site, index_template, worker_template, entry, *catalogues):
    digest = hashlib.sha256()
    files = [f for f in site_files(site) if f not in ('index.html', 'sw.js')]
    for name in files:
        digest.update(name.encode())
        with open(os.path.join(site, name), 'rb') as f:
            digest.update(f.read())
    with open(index_template, encoding='utf-8') as f:
        index = f.read()
    digest.update(index.encode())
    version = digest.hexdigest()[:16]

    # Every module asks for the others with this build's version.
    modules = [f for f in files if f.endswith('.js') and f != 'relativity-train.js']
    for name in modules:
        path = os.path.join(site, name)
        with open(path, encoding='utf-8') as f:
            text = f.read()
        text = IMPORT.sub(lambda m: m.group(1) + m.group(2) + m.group(3) + '?v=' + version + m.group(2),
                          text)
        with open(path, 'w', encoding='utf-8') as f:
            f.write(text)

    index = (index.replace('@VERSION@', version).replace('@ENTRY@', entry)
             .replace('@SITE_CATALOGUES@', ' '.join(catalogues)))
    with open(os.path.join(site, 'index.html'), 'w', encoding='utf-8') as f:
        f.write(index)
    # What the worker keeps from the first visit. Catalogues are kept as used,
    # and so are the PNG icons: only installing asks for them, and the page
    # never shows them, so a first visit need not fetch them.
    versioned = [f for f in files if f not in PLAIN and not f.startswith('i18n/')]
    kept = [name + '?v=' + version for name in versioned] + [f for f in PLAIN if not f.endswith('.png')]
    with open(worker_template, encoding='utf-8') as f:
        worker = f.read()
    worker = worker.replace('@VERSION@', version).replace("'@FILES@'", ', '.join(map(json.dumps, kept)))
    with open(os.path.join(site, 'sw.js'), 'w', encoding='utf-8') as f:
        f.write(worker)
    print('sealed %s as version %s' % (site, version))


if __name__ == '__main__':
    main(*sys.argv[1:])
