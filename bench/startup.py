#!/usr/bin/env python3
"""Start-up time and memory of the program beside a bare Qt Widgets window.

Usage: bench/startup.py [BUILD_DIR] [ROUNDS]

Starts its own Xvfb, then in turn starts build/bench/bare_window, the same
window with one Chinese caption (build/bench/captioned_window) and
build/cenhe, each in an empty scratch folder (a first start). The start-up time is
from the process start to the X server's MapNotify of the first top-level
window (seen by xev on the root window); the memory is the resident set one
second after that. Prints the medians and the two ratios.
"""
import os, shutil, statistics, subprocess, sys, tempfile, time

build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 15
display = ":71"
env = dict(os.environ, DISPLAY=display, LC_ALL="C.UTF-8", LANG="C.UTF-8")
env.pop("QT_QPA_PLATFORM", None)


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    raise RuntimeError("no VmRSS")


def one_start(program, cwd):
    watcher = subprocess.Popen(["xev", "-root", "-event", "substructure"], env=env,
                               stdout=subprocess.PIPE, text=True, bufsize=1)
    time.sleep(0.3)  # xev selects its events before the program starts
    start = time.monotonic()
    process = subprocess.Popen([program], cwd=cwd, env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for line in watcher.stdout:
        if line.startswith("MapNotify"):
            mapped = time.monotonic() - start
            break
    watcher.kill()
    time.sleep(1.0)
    memory = resident_kib(process.pid)
    process.kill()
    process.wait()
    return mapped * 1000, memory / 1024


def main():
    server = subprocess.Popen(["Xvfb", display, "-screen", "0", "1366x768x24"],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1.0)
    programs = {"bare": os.path.join(build, "bench", "bare_window"),
                "captioned": os.path.join(build, "bench", "captioned_window"),
                "cenhe": os.path.join(build, "cenhe")}
    results = {name: [] for name in programs}
    try:
        for _ in range(rounds):
            for name, program in programs.items():
                folder = tempfile.mkdtemp(prefix="cenhe-startup-")
                results[name].append(one_start(program, folder))
                shutil.rmtree(folder)
    finally:
        # Terminated, not killed: a killed server leaves its lock file,
        # and the next run on this display would find no server.
        server.terminate()
        server.wait()
    medians = {}
    for name, samples in results.items():
        ms = statistics.median(s[0] for s in samples)
        mib = statistics.median(s[1] for s in samples)
        medians[name] = (ms, mib)
        print(f"{name:9} first window mapped after {ms:6.1f} ms, resident {mib:5.1f} MiB")
    for name, floor in (("captioned", "bare"), ("cenhe", "bare"), ("cenhe", "captioned")):
        print(f"{name} / {floor}: time {medians[name][0] / medians[floor][0]:.2f}x, "
              f"memory {medians[name][1] / medians[floor][1]:.2f}x")


if __name__ == "__main__":
    main()
