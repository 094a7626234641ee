#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Seals a built page: its version is a digest of its files, written into the
page (every file it asks for carries it) and into the offline worker (which
caches those very files).

  seal_site.py SITE_DIR INDEX_TEMPLATE WORKER_TEMPLATE CATALOGUES...
"""
import hashlib
import json
import os
import sys

# What the worker keeps from the first visit; catalogues are kept as used.
VERSIONED = ['page.js', 'page-panel.js', 'page-picture.js', 'page-keys.js', 'relativity-train.js',
             'relativity-train.wasm']
PLAIN = ['index.html', 'manifest.webmanifest', 'icon.svg', 'icon-192.png', 'icon-512.png']


def main(site, index_template, worker_template, *catalogues):
    digest = hashlib.sha256()
    for root, _, names in sorted(os.walk(site)):
        for name in sorted(names):
            if name in ('index.html', 'sw.js'):
                continue
            path = os.path.join(root, name)
            digest.update(os.path.relpath(path, site).encode())
            with open(path, 'rb') as f:
                digest.update(f.read())
    with open(index_template, encoding='utf-8') as f:
        digest.update(f.read().encode())
    version = digest.hexdigest()[:16]
    with open(index_template, encoding='utf-8') as f:
        index = f.read()
    index = index.replace('@VERSION@', version).replace('@SITE_CATALOGUES@', ' '.join(catalogues))
    with open(os.path.join(site, 'index.html'), 'w', encoding='utf-8') as f:
        f.write(index)
    files = [name + '?v=' + version for name in VERSIONED] + PLAIN
    with open(worker_template, encoding='utf-8') as f:
        worker = f.read()
    worker = worker.replace('@VERSION@', version).replace('@FILES@', ', '.join(map(json.dumps, files)))
    with open(os.path.join(site, 'sw.js'), 'w', encoding='utf-8') as f:
        f.write(worker)
    print('sealed %s as version %s' % (site, version))


if __name__ == '__main__':
    main(*sys.argv[1:])
