#!/usr/bin/env python3
"""Line coverage of src/ from a build made with --coverage after its tests ran.

    scripts/line_coverage.py BUILD_DIR [--by-folder] [--uncovered FILE]

Runs gcov on every .gcda under BUILD_DIR and takes the union per source line: a line counts as
covered when any object file ran it (headers are compiled into many). Only files under src/ count.
"""
import json
import os
import subprocess
import sys
from collections import defaultdict


def main():
    args = sys.argv[1:]
    if not args:
        sys.exit(__doc__)
    build = os.path.abspath(args[0])
    # The checkout the build folder was configured from.
    with open(os.path.join(build, "CMakeCache.txt")) as cache:
        home = next(line.split("=", 1)[1].strip() for line in cache if line.startswith("CMAKE_HOME_DIRECTORY:"))
    source = os.path.realpath(os.path.join(home, "src"))
    gcdas = [os.path.join(d, f) for d, _, files in os.walk(build) for f in files if f.endswith(".gcda")]
    lines = defaultdict(dict)  # file -> line -> covered
    for i in range(0, len(gcdas), 50):
        batch = gcdas[i:i + 50]
        out = subprocess.run(["gcov", "--json-format", "--stdout", *batch], cwd=build,
                             capture_output=True, text=True).stdout
        for text in out.splitlines():
            if not text.startswith("{"):
                continue
            for entry in json.loads(text)["files"]:
                path = os.path.realpath(os.path.join(build, entry["file"]))
                if not path.startswith(source + os.sep):
                    continue
                seen = lines[os.path.relpath(path, os.path.dirname(source))]
                for line in entry["lines"]:
                    n = line["line_number"]
                    seen[n] = seen.get(n, False) or line["count"] > 0
    total = sum(len(v) for v in lines.values())
    covered = sum(sum(v.values()) for v in lines.values())
    print(f"src lines {total}, covered {covered}, {100.0 * covered / max(total, 1):.2f}%")
    if "--by-folder" in args:
        folders = defaultdict(lambda: [0, 0])
        for path, seen in lines.items():
            folder = folders[path.split(os.sep)[1]]
            folder[0] += len(seen)
            folder[1] += sum(seen.values())
        for name, (t, c) in sorted(folders.items()):
            print(f"  {name:10} {c:6}/{t:6} {100.0 * c / t:6.2f}%")
    if "--uncovered" in args:
        with open(args[args.index("--uncovered") + 1], "w") as out:
            for path in sorted(lines):
                for n in sorted(k for k, v in lines[path].items() if not v):
                    out.write(f"{path}:{n}\n")


if __name__ == "__main__":
    main()
