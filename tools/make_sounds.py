#!/usr/bin/python3
"""Build the six alarm sounds in data/ from Debian's freely licensed sounds.

Every file is mono 16-bit PCM WAV, which any sound-effect player takes. sox
runs in repeatable mode without dither, so a rebuild gives the same bytes.
"""

import os
import subprocess
import sys
import wave

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import sources  # noqa: E402

LOMIRI = "/usr/share/sounds/lomiri"
FREEDESKTOP = "/usr/share/sounds/freedesktop/stereo"

# name, source, sample rate, extra sox effects
SOUNDS = [
    ("Alarm1", f"{LOMIRI}/notifications/Ede.ogg", 22050, []),
    ("Alarm2", f"{LOMIRI}/notifications/Sintonia.ogg", 22050, []),
    ("Alarm3", f"{LOMIRI}/notifications/Noti Karinding.ogg", 22050, []),
    ("Alarm4", f"{FREEDESKTOP}/phone-incoming-call.oga", 22050, []),
    # The ringtone runs almost ten seconds; six with a short fade is enough.
    ("Alarm5", f"{LOMIRI}/ringtones/sakenointi.ogg", 22050, ["trim", "0", "6", "fade", "0", "6", "0.5"]),
    # The whole call to prayer, never cut: a lower rate keeps it under 3 MB
    # while the voice stays clear. Silence at both ends is removed.
    ("HalvoAdhan", "/usr/share/monajat/athan.ogg", 11025,
     ["silence", "1", "0.05", "0.1%", "reverse", "silence", "1", "0.05", "0.1%", "reverse"]),
]

MAX_BYTES = 3 * 1024 * 1024


def convert(name, source, rate, effects):
    if not os.path.exists(source):
        raise sources.MissingSource(f"{source} not found: install the package that ships it")
    target = os.path.join(sources.DATA_DIR, name + ".wav")
    tmp = target + ".tmp.wav"
    subprocess.run(["sox", "-R", "-D", "--no-show-progress", source,
                    "-b", "16", "-e", "signed-integer", "-c", "1", "-r", str(rate), tmp]
                   + effects + ["norm", "-1"], check=True)
    with open(tmp, "rb") as f:
        data = f.read()
    os.remove(tmp)
    if len(data) > MAX_BYTES:
        sys.exit(f"{name}.wav would be {len(data)} bytes, more than {MAX_BYTES}")
    sources.write_if_changed(target, data)
    with wave.open(target) as w:
        seconds = w.getnframes() / w.getframerate()
    print(f"{name}.wav: {seconds:.1f} s, {w.getframerate()} Hz, {len(data)} bytes")


def main():
    for name, source, rate, effects in SOUNDS:
        convert(name, source, rate, effects)


if __name__ == "__main__":
    main()
