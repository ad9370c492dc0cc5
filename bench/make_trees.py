#!/usr/bin/env python3
"""Generates a base and a target tree for the benchmark.

make_trees.py FOLDER FILES: FOLDER/base and FOLDER/target with about FILES
files each, in nested folders of ~50 files, about 10% Japanese names, ~5% newer
on each side and ~3% on one side only. Sizes are sparse, so the trees are cheap.
"""
import os
import random
import sys

JAPANESE = ["表示", "資料", "設定", "写真", "議事録", "見積書", "ソース", "データ"]


def name_of(i, rng):
    if rng.random() < 0.10:
        return f"{rng.choice(JAPANESE)}_{i}.txt"
    return f"file{i:07d}.dat"


def folder_of(i):
    group = i // 50  # ~50 files per folder, 20 folders per parent
    return os.path.join(f"d{group // 20:04d}", f"s{group % 20:02d}")


def write(path, size, mtime):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.truncate(size)
    os.utime(path, (mtime, mtime))


def main():
    root, count = sys.argv[1], int(sys.argv[2])
    rng = random.Random(1)
    base_root, target_root = os.path.join(root, "base"), os.path.join(root, "target")
    epoch = 1_600_000_000
    for i in range(count):
        rel = os.path.join(folder_of(i), name_of(i, rng))
        size = rng.randrange(0, 8192)
        mtime = epoch + rng.randrange(0, 10_000_000)
        roll = rng.random()
        if roll < 0.03:
            write(os.path.join(base_root, rel), size, mtime)  # base only
        elif roll < 0.06:
            write(os.path.join(target_root, rel), size, mtime)  # target only
        elif roll < 0.11:
            write(os.path.join(base_root, rel), size + 1, mtime + 100)  # newer in the base
            write(os.path.join(target_root, rel), size, mtime)
        elif roll < 0.16:
            write(os.path.join(base_root, rel), size, mtime)
            write(os.path.join(target_root, rel), size + 1, mtime + 100)  # newer in the target
        else:
            write(os.path.join(base_root, rel), size, mtime)
            write(os.path.join(target_root, rel), size, mtime)


if __name__ == "__main__":
    main()
