"""The file menu's benchmark groups for bench/run: the HTML album's pictures, renaming by
shooting date and the CSV listing, each timed through the real lumaro command against its peers
on the same generated files.

    publish/album   lumaro html (standard images 640, thumbnails 200, pages) of 200 12-MP
                    pictures against vipsthumbnail making the same two sizes
    names/rename    lumaro rename --name date of 1000 copies against jhead -n%Y%m%d_%H%M%S
    publish/csv     lumaro csv of 1000 files with all 25 fields against jhead printing their
                    summaries and exiftool -csv of the same tags

bench/run calls comparisons(run) with itself, whose corpus, work_copies, fresh_folder and
compare these use.
"""

import os
import subprocess

# comparison: largest ratio ours/peer
TARGETS = {
    "publish/album vipsthumbnail": 0.75,
    "names/rename jhead": 0.5,
    "publish/csv jhead": 0.8,
    "publish/csv exiftool": 0.01,
}
# What bench/run builds for these besides its own programs.
BUILD_TARGETS = ["lumaro", "album_templates"]

# The summary fields of the listing, as exiftool names the tags behind them.
EXIFTOOL_TAGS = [
    "FileName", "FileSize", "Make", "Model", "Software", "DateTimeOriginal", "ImageSize",
    "Quality", "MeteringMode", "ExposureProgram", "ExposureTime", "FNumber",
    "ExposureCompensation", "ISO", "WhiteBalance", "Flash", "FocalLength", "DigitalZoomRatio",
    "FocusMode", "ToneComp", "Sharpness", "ColorMode", "Converter", "ImageDescription",
    "UserComment",
]


def quiet(command):
    """The command with its error stream discarded: lumaro html reports its progress there,
    which would fill the benchmark's output. Both sides of the album comparison run this way."""
    return ["sh", "-c", 'exec "$0" "$@" 2>/dev/null'] + command


def machine(run, bin_dir, name, settings=()):
    """A registry of the benchmark's own, with the settings given as (section, value, text)."""
    folder = run.fresh_folder("machine-" + name)
    env = dict(os.environ, LUMARO_MACHINE_DIR=str(folder))
    subprocess.run([str(bin_dir / "lumaro"), "settings", "list"], check=True, env=env,
                   stdout=subprocess.DEVNULL)
    for section, value, text in settings:
        subprocess.run([str(bin_dir / "lumaro"), "settings", "set", section, value, text],
                       check=True, env=env, stdout=subprocess.DEVNULL)
    return env


def album(run, bin_dir):
    files = [str(f) for f in run.corpus(bin_dir, "12mp")]
    single = dict(os.environ, VIPS_CONCURRENCY="1", OMP_NUM_THREADS="1")
    env = machine(run, bin_dir, "album")

    def ours():
        out = run.WORK / "work" / "album-ours"
        run.fresh_folder("album-ours")
        out.rmdir()  # lumaro makes the folder and its thumbnail folder after its questions
        return [quiet([str(bin_dir / "lumaro"), "html", "--out", str(out), "--type", "gallery",
                       "--yes"] + files)], env

    def vips():
        out = run.fresh_folder("album-vips")
        (out / "thumbnail").mkdir()
        return [quiet(["vipsthumbnail", "--size", "640x", "-o", f"{out}/%s.jpg[Q=85]"] + files),
                quiet(["vipsthumbnail", "--size", "200x", "-o", f"{out}/thumbnail/%s.jpg[Q=85]"]
                      + files)], single

    return run.compare("publish/album", ours, {"vipsthumbnail": vips})


def rename(run, bin_dir):
    files = run.corpus(bin_dir, "2mp")
    # Date, "_" and HHMMSS as jhead names them; the running number of the settings tells apart
    # files of one second, where jhead appends a letter.
    env = machine(run, bin_dir, "rename", [("Setup", "Date3", "1")])

    def ours():
        copies = [str(f) for f in run.work_copies(files, "rename-ours")]
        return [[str(bin_dir / "lumaro"), "rename", "--name", "date"] + copies], env

    def jhead():
        copies = [str(f) for f in run.work_copies(files, "rename-jhead")]
        return [["jhead", "-n%Y%m%d_%H%M%S"] + copies], None

    return run.compare("names/rename", ours, {"jhead": jhead})


def listing(run, bin_dir):
    files = [str(f) for f in run.corpus(bin_dir, "2mp")]
    env = machine(run, bin_dir, "csv")
    out = run.fresh_folder("csv")

    def ours():
        command = [str(bin_dir / "lumaro"), "csv", "--out", str(out / "list.csv")] + files
        return [command], env

    def jhead():
        return [["jhead"] + files], None

    def exiftool():
        return [["exiftool", "-csv"] + ["-" + tag for tag in EXIFTOOL_TAGS] + files], None

    return run.compare("publish/csv", ours, {"jhead": jhead, "exiftool": exiftool})


def comparisons(run):
    """The groups by name, as bench/run lists its own."""
    return {
        "publish/album": lambda bin_dir: album(run, bin_dir),
        "names/rename": lambda bin_dir: rename(run, bin_dir),
        "publish/csv": lambda bin_dir: listing(run, bin_dir),
    }
