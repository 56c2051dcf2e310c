#!/usr/bin/python3
"""Times `smtool export` of one year x 30 series at 900 s against pandas
reading the same rows from CSV and writing them with to_csv, in one run.

usage: pandas_compare.py SMTOOL SITEDIR WORKDIR
"""
import os
import resource
import subprocess
import sys
import time

import pandas


def main():
    smtool, site, work = sys.argv[1:4]
    env = dict(os.environ, LC_ALL="C", STALLMINDER_REGISTRY=os.path.join(work, "registry.ini"),
               XDG_DATA_HOME=os.path.join(work, "share"))
    catalog = subprocess.run([smtool, "catalog", site], env=env, check=True, capture_output=True, text=True)
    names = [line.split(",")[1].strip('"') for line in catalog.stdout.splitlines()[1:]]
    series = ",".join(names[0:60:2])
    span = subprocess.run([smtool, "span", site], env=env, check=True, capture_output=True, text=True)
    last_day = span.stdout.splitlines()[1].split(",")[1][:10]
    end = pandas.Timestamp(last_day) - pandas.Timedelta(days=1)
    start = end - pandas.Timedelta(days=364)
    ours_csv = os.path.join(work, "export.csv")
    args = [smtool, "export", site, "--from", start.strftime("%Y-%m-%d"), "--to", end.strftime("%Y-%m-%d"),
            "--interval", "900", "--series", series]

    # Wall time, and processor time (user + system), which a busy machine
    # disturbs less.
    ours, theirs = [], []
    for _ in range(5):
        before = resource.getrusage(resource.RUSAGE_CHILDREN)
        t0 = time.perf_counter()
        with open(ours_csv, "wb") as out:
            subprocess.run(args, env=env, check=True, stdout=out)
        wall = time.perf_counter() - t0
        after = resource.getrusage(resource.RUSAGE_CHILDREN)
        ours.append((wall, after.ru_utime + after.ru_stime - before.ru_utime - before.ru_stime))

        t0, c0 = time.perf_counter(), time.process_time()
        frame = pandas.read_csv(ours_csv, dtype={"DATE": str, "TIME": str})
        frame.to_csv(os.path.join(work, "pandas.csv"), index=False, lineterminator="\r\n")
        theirs.append((time.perf_counter() - t0, time.process_time() - c0))

    rows = len(frame)
    print(f"rows {rows}, series 30, file {os.path.getsize(ours_csv)} bytes")
    for what, index in (("wall", 0), ("cpu", 1)):
        a = min(t[index] for t in ours)
        b = min(t[index] for t in theirs)
        print(f"{what}: smtool export (whole process) {a * 1000:.0f} ms, "
              f"pandas read_csv + to_csv {b * 1000:.0f} ms, ratio {b / a:.1f}")


if __name__ == "__main__":
    main()
