#!/usr/bin/env python3
"""Prints the kit's benchmark figures (never pass/fail):

- size: bytes of each delivered i686 program (goal: at most 200 KB each);
- clean-up wait: CPU seconds used by the clean-up script's processes while
  the uninstaller stays open 10 s after "&Remove" (goal: under 0.1 s), and
  seconds from "Close" until the product folder is gone (goal: within 2 s);
- purge: UnInstall.exe's removal of 20,000 files in 2,000 folders against
  `cmd /c rmdir /s /q` on an identical copy, as a ratio (goal: at most 1.3).

Run through scripts/bench.sh, which builds everything and makes the prefix.
"""
import os
import shutil
import statistics
import subprocess
import sys
import threading
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build")
PREFIX = os.path.join(BUILD, "wine-bench")
X64 = os.path.join(BUILD, "x86_64")
ENV = dict(os.environ, WINEPREFIX=PREFIX, HOME=PREFIX + "-home", WINEDEBUG="-all",
           WINEDLLOVERRIDES="mscoree,mshtml=")
ENV.pop("DISPLAY", None)
DRIVE_C = os.path.join(PREFIX, "drive_c")
PURGE_RUNS = 3


def wine(*args, **kwargs):
    return subprocess.run(["wine", *args], env=ENV, check=True, **kwargs)


def stage_product(folder):
    if os.path.exists(folder):
        shutil.rmtree(folder)
    os.makedirs(folder)
    shutil.copy(os.path.join(X64, "uninstall", "UnInstall.exe"), folder)
    shutil.copy(os.path.join(X64, "tests", "Tolmic.exe"), folder)


def windows_path(unix_path):
    return "C:\\" + os.path.relpath(unix_path, DRIVE_C).replace("/", "\\")


def sizes():
    figures = {}
    for name, rel in (("Install.exe", "install/Install.exe"), ("UnInstall.exe", "uninstall/UnInstall.exe")):
        figures[name] = os.path.getsize(os.path.join(BUILD, "i686", rel))
    return figures


def script_processes():
    """Linux pids of this prefix's clean-up script processes (cmd, ping)."""
    found = []
    for pid in filter(str.isdigit, os.listdir("/proc")):
        try:
            with open(f"/proc/{pid}/cmdline", "rb") as f:
                cmdline = f.read().replace(b"\0", b" ").decode(errors="replace").lower()
            if "_uninsep" not in cmdline and not cmdline.startswith("ping"):
                continue
            with open(f"/proc/{pid}/environ", "rb") as f:
                if f"WINEPREFIX={PREFIX}".encode() not in f.read().split(b"\0"):
                    continue
            found.append(int(pid))
        except OSError:
            continue
    return found


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")  # utime + stime


def cleanup_wait():
    folder = os.path.join(DRIVE_C, "bench", "cleanup", "Tolmic 2007")
    stage_product(folder)
    used = {}  # pid -> CPU seconds last seen
    watching = threading.Event()
    done = threading.Event()

    def sample():
        while not done.is_set():
            if watching.is_set():
                for pid in script_processes():
                    try:
                        used[pid] = max(used.get(pid, 0.0), cpu_seconds(pid))
                    except OSError:
                        pass
            time.sleep(0.02)

    sampler = threading.Thread(target=sample)
    sampler.start()
    watching.set()  # the script starts while "&Remove" runs
    cpu = None
    gone = None
    driver = subprocess.Popen(["wine", os.path.join(X64, "benchmarks", "cleanup_bench.exe"), windows_path(folder)],
                              env=ENV, stdout=subprocess.PIPE, text=True)
    for line in driver.stdout:
        line = line.strip()
        if line == "closing":
            cpu = sum(used.values())
            watching.clear()
        elif line.startswith("gone_seconds"):
            gone = line.split()[1]
    driver.wait()
    done.set()
    sampler.join()
    return cpu, gone, len(used)


def make_tree(top, folders=2000, files_per_folder=10):
    """2,000 folders (100 with 19 sub-folders each) holding 10 small files each."""
    made = 0
    for i in range(folders // 20):
        parent = os.path.join(top, f"dir{i:03}")
        for path in [parent] + [os.path.join(parent, f"sub{j:02}") for j in range(19)]:
            os.makedirs(path)
            for k in range(files_per_folder):
                with open(os.path.join(path, f"file{k}.dat"), "w") as f:
                    f.write("tolmic benchmark data\n" * 4)
            made += 1
    assert made == folders


def purge_ratio():
    ratios, uninstall_times, rmdir_times = [], [], []
    base = os.path.join(DRIVE_C, "bench", "purge")
    for _ in range(PURGE_RUNS):
        if os.path.exists(base):
            shutil.rmtree(base)
        product = os.path.join(base, "Tolmic 2007")
        copy = os.path.join(base, "copy")
        stage_product(product)
        make_tree(os.path.join(product, "data"))
        shutil.copytree(os.path.join(product, "data"), os.path.join(copy, "data"))
        out = subprocess.run(["wine", os.path.join(X64, "benchmarks", "purge_bench.exe"), windows_path(product),
                              windows_path(copy)], env=ENV, check=True, capture_output=True, text=True).stdout
        figures = dict(line.split() for line in out.splitlines() if line.strip())
        u, r = float(figures["uninstall_seconds"]), float(figures["rmdir_seconds"])
        uninstall_times.append(u)
        rmdir_times.append(r)
        ratios.append(u / r)
        # Let the clean-up script finish before the next run replaces the folder.
        time.sleep(3)
    shutil.rmtree(base, ignore_errors=True)
    return statistics.median(uninstall_times), statistics.median(rmdir_times), statistics.median(ratios)


def main():
    subprocess.run(["wineserver", "-p"], env=ENV, check=True)
    wine("cmd", "/c", "exit", stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        print("| figure | value | goal |")
        print("|---|---|---|")
        for name, size in sizes().items():
            print(f"| size of {name} (i686) | {size} bytes ({size / 1024:.0f} KB) | at most 200 KB |")
        cpu, gone, processes = cleanup_wait()
        print(f"| clean-up script CPU while the dialog stays open 10 s | {cpu:.2f} s "
              f"({processes} processes, {cpu / max(processes, 1):.3f} s each) | under 0.1 s |")
        print(f"| \"Close\" to product folder gone | {gone} s | within 2 s |")
        u, r, ratio = purge_ratio()
        print(f"| purge of 20,000 files in 2,000 folders: UnInstall.exe / rmdir /s /q | {ratio:.2f} "
              f"({u:.2f} s / {r:.2f} s, median of {PURGE_RUNS}) | at most 1.3 |")
    finally:
        subprocess.run(["wineserver", "-k"], env=ENV)
    return 0


if __name__ == "__main__":
    sys.exit(main())
