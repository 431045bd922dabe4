"""The file list on large folders for bench/run, timed and weighed in the real LumaroUty process.

    fill-large/memory   LumaroUty in the icon view with the default settings (offscreen, a
                        1920 x 1080 screen, a 1600 x 1000 window) opened on folders of 2,000 and
                        20,000 photos, hard links of the 2-MP corpus: its peak memory (VmHWM)
                        once every summary value is read and the screen of icons and the one
                        ahead are shown, the time from the start of the fill to the first screen
                        of icons and to the last summary value; beside them the peak on an empty
                        folder, and what each file beyond the 2,000 adds.

The times are the window's own, from its log (QT_LOGGING_RULES="lumaro.list.info=true"). Targets:
at 20,000 files a peak of at most 150 MiB and the first screen of icons within 0.5 s, and under
3 KiB for each file beyond the 2,000.

bench/run calls comparisons(run) with itself, whose corpus and fresh_folder these use.
"""

import json
import os
import re
import statistics
import struct
import subprocess
import threading
import time

import file_commands_bench

BUILD_TARGETS = ["LumaroUty", "lumaro"]
SIZES = [2000, 20000]
PEAK_LIMIT_MIB = 150
FIRST_SCREEN_LIMIT_S = 0.5
PER_FILE_LIMIT_KIB = 3
# After the last value, time for the icons of the screen ahead to come in before the peak is read.
SETTLE_S = 1.0
WAIT_LIMIT_S = 300
FIRST_SCREEN = re.compile(r"first screen of icons shown: (\d+) ms")
ALL_VALUES = re.compile(r"summary values of (\d+) files read: (\d+) ms")


def linked_folder(run, files, count):
    """count hard links (copies where links fail) of the files, round and round, in a folder of
    their own that is made once."""
    folder = run.WORK / "work" / f"fill-large-{count}"
    if folder.is_dir() and len(list(folder.glob("IMG_*.JPG"))) == count:
        return folder
    folder = run.fresh_folder(f"fill-large-{count}")
    for i in range(count):
        target = folder / f"IMG_{i:05d}.JPG"
        try:
            os.link(files[i % len(files)], target)
        except OSError:
            target.write_bytes(files[i % len(files)].read_bytes())
    return folder


def environment(run, bin_dir):
    """A registry of the benchmark's own holding a window of 1600 x 1000, and an offscreen
    screen of 1920 x 1080 for it."""
    placement = struct.pack("<11i", 44, 0, 1, -1, -1, -1, -1, 0, 0, 1600, 1000).hex()
    env = file_commands_bench.machine(run, bin_dir, "fill-large",
                                      [(".", "FormMainWinPlaceMain", placement)])
    screen = run.WORK / "work" / "fill-large-screen.json"
    screen.write_text(json.dumps({"screens": [{
        "name": "bench", "x": 0, "y": 0, "width": 1920, "height": 1080,
        "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]}))
    env.update(QT_QPA_PLATFORM=f"offscreen:configfile={screen}",
               QT_LOGGING_RULES="lumaro.list.info=true", QT_MESSAGE_PATTERN="%{message}")
    return env


def peak_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmHWM:"):
                return int(line.split()[1])
    raise RuntimeError(f"no VmHWM for process {pid}")


def one_run(bin_dir, env, folder, files):
    """Starts LumaroUty on the folder and ends it once it is done; returns (peak KiB, seconds
    to the first screen of icons or None, seconds to the last value)."""
    process = subprocess.Popen([str(bin_dir / "LumaroUty"), str(folder)], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    found = {}

    def read_log():
        for line in process.stderr:
            for name, pattern in (("first", FIRST_SCREEN), ("values", ALL_VALUES)):
                match = pattern.search(line)
                if match:
                    found[name] = int(match.groups()[-1]) / 1000

    reader = threading.Thread(target=read_log, daemon=True)
    reader.start()
    try:
        start = time.monotonic()
        while "values" not in found or (files and "first" not in found):
            if process.poll() is not None or time.monotonic() - start > WAIT_LIMIT_S:
                raise RuntimeError(f"LumaroUty did not finish the list of {folder}")
            time.sleep(0.05)
        time.sleep(SETTLE_S)
        peak = peak_kib(process.pid)
    finally:
        process.terminate()
        process.wait()
    return peak, found.get("first"), found["values"]


def measured(bin_dir, env, folder, files, runs):
    results = [one_run(bin_dir, env, folder, files) for _ in range(runs)]
    peak = statistics.median(r[0] for r in results) / 1024
    first = statistics.median(r[1] for r in results) if files else None
    values = statistics.median(r[2] for r in results)
    return peak, first, values


def fill_large(run, bin_dir):
    corpus = run.corpus(bin_dir, "2mp")
    env = environment(run, bin_dir)
    runs = min(run.RUNS, 3)
    empty = run.fresh_folder("fill-large-empty")
    base, _, _ = measured(bin_dir, env, empty, 0, runs)
    print(f"fill-large/empty: peak {base:.1f} MiB", flush=True)
    peaks = {}
    missed = []
    for count in SIZES:
        folder = linked_folder(run, corpus, count)
        peak, first, values = measured(bin_dir, env, folder, count, runs)
        peaks[count] = peak
        print(f"fill-large/{count}: peak {peak:.1f} MiB, first screen of icons {first:.3f} s, "
              f"all summary values {values:.3f} s", flush=True)
        if count == SIZES[-1]:
            if peak > PEAK_LIMIT_MIB:
                missed.append(f"fill-large/{count}: peak {peak:.1f} MiB > {PEAK_LIMIT_MIB}")
            if first > FIRST_SCREEN_LIMIT_S:
                missed.append(f"fill-large/{count}: first screen {first:.3f} s "
                              f"> {FIRST_SCREEN_LIMIT_S}")
    per_file = (peaks[SIZES[-1]] - peaks[SIZES[0]]) * 1024 / (SIZES[-1] - SIZES[0])
    print(f"fill-large/memory: {per_file:.2f} KiB for each file beyond {SIZES[0]}, "
          f"limit {PER_FILE_LIMIT_KIB} KiB", flush=True)
    if per_file >= PER_FILE_LIMIT_KIB:
        missed.append(f"fill-large/memory: {per_file:.2f} KiB per file")
    return missed


def comparisons(run):
    """The group by name, as bench/run lists its own."""
    return {"fill-large/memory": lambda bin_dir: fill_large(run, bin_dir)}
