#!/bin/sh
# Rebuild everything in data/ from Debian-packaged sources. A second run
# leaves every file byte for byte as it was.
set -eu
cd "$(dirname "$0")/.."
tools/fetch-sources.sh
/usr/bin/python3 tools/make_cities_zones.py
/usr/bin/python3 tools/make_map.py        # reads the city file just written
/usr/bin/python3 tools/make_sounds.py
/usr/bin/python3 tests/data/check_shipped_data.py data
