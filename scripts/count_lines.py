#!/usr/bin/env python3
"""Counts the non-blank, non-comment C++ lines (sources, headers and included row tables) under each folder given (default: tests/)."""
import pathlib
import sys


def code_lines(path):
    count = 0
    in_block = False
    for line in path.read_text().splitlines():
        text = line.strip()
        if in_block:
            in_block = "*/" not in text
            continue
        if text.startswith("/*"):
            in_block = "*/" not in text
            continue
        if text and not text.startswith("//"):
            count += 1
    return count


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    for folder in sys.argv[1:] or ["tests"]:
        files = [p for p in (root / folder).rglob("*") if p.suffix in {".cpp", ".h", ".inc"}]
        print(f"{folder}: {sum(code_lines(p) for p in files)}")


if __name__ == "__main__":
    main()
