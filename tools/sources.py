"""Where the generators find their Debian-packaged inputs.

Most inputs come from installed packages. Two packages are large and only a
single file of each is needed (the CLDR Windows zone table and wine's tzres.dll);
tools/fetch-sources.sh unpacks them under build/data-sources instead of
installing them, and they are looked for there as well as under /.
"""

import os
import subprocess

TOOLS_DIR = os.path.dirname(os.path.abspath(__file__))
PROJECT_DIR = os.path.dirname(TOOLS_DIR)
DATA_DIR = os.path.join(PROJECT_DIR, "data")
UNPACKED_DIR = os.environ.get(
    "HALVO_DATA_SOURCES", os.path.join(PROJECT_DIR, "build", "data-sources"))

GEONAMES_DIR = "/usr/share/libtimezonemap/ui"
TZDATA_ZI = "/usr/share/zoneinfo/tzdata.zi"
ZONE_TAB = "/usr/share/zoneinfo/zone.tab"
ISO_3166_1 = "/usr/share/iso-codes/json/iso_3166-1.json"
WINDOWS_ZONES = "usr/share/unicode/cldr/common/supplemental/windowsZones.xml"
TZRES_DLL = "usr/lib/x86_64-linux-gnu/wine/x86_64-windows/tzres.dll"
LAND_SHAPES = "/usr/share/magics/50m/ne_50m_land.shp"
BORDER_LINES = "/usr/share/magics/50m/ne_50m_admin_0_boundary_lines_land.shp"


class MissingSource(Exception):
    pass


def find(relative_or_absolute, package):
    """Path of a source file, from the system or from the unpacked packages."""
    candidates = [relative_or_absolute]
    if not os.path.isabs(relative_or_absolute):
        candidates = ["/" + relative_or_absolute,
                      os.path.join(UNPACKED_DIR, relative_or_absolute)]
    for path in candidates:
        if os.path.exists(path):
            return path
    raise MissingSource(
        f"{relative_or_absolute} not found: install {package} "
        f"or run tools/fetch-sources.sh")


def package_version(package):
    """Installed version of a package, or the version of the unpacked .deb."""
    try:
        out = subprocess.run(
            ["dpkg-query", "-W", "-f=${Version}", package],
            capture_output=True, text=True, check=False)
        if out.returncode == 0 and out.stdout:
            return out.stdout
    except FileNotFoundError:
        pass
    stamp = os.path.join(UNPACKED_DIR, package + ".version")
    if os.path.exists(stamp):
        with open(stamp, encoding="utf-8") as f:
            return f.read().strip()
    return "unknown"


def write_if_changed(path, data):
    """Write bytes only when they differ, so reruns leave file times alone."""
    if os.path.exists(path):
        with open(path, "rb") as f:
            if f.read() == data:
                return False
    tmp = path + ".tmp"
    with open(tmp, "wb") as f:
        f.write(data)
    os.replace(tmp, path)
    return True
