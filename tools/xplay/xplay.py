#!/usr/bin/env python3
# Helper of play_under_x.sh: plans the clicks from the tool's pictures, checks boards and screenshots.
"""Subcommands (X Y W H of a rectangle are canvas pixels):

  plan SOLUTION BOARD             one line "x y digit" per empty cell, screen coordinates
                                  (needs --origin X Y), in reading order of the 33 x 33 figure
  compare SOLUTION BOARD          exit 0 when BOARD is full and equal to SOLUTION
  copies FILE SLOT                exit 0 when both copies of every shared box agree in the slot
  keypad SHOT X Y                 is a keypad open over the cell whose middle is the screen
                                  point (X, Y), as in a plan line?
  strays SHOT                     corners of the field where a keypad is still drawn
  cells SHOT PLAN                 the planned cells: how many show a blue digit, how many red
  region SHOT X Y W H             colour census of a rectangle (black, red, blue, other)
  same SHOT1 SHOT2 X Y W H        exit 0 when the rectangle is pixel-identical in both shots

Everything that reads a screenshot needs --origin X Y (the canvas origin on the screen) before
the subcommand; plan needs it too, to print screen coordinates.

SOLUTION and BOARD are the outputs of `tessarix-puzzles solve` and `tessarix-puzzles show`.
Screenshots are PNG files of the whole screen; ImageMagick's `convert` turns them into PPM.
"""
import argparse
import subprocess
import sys

GRID_COUNT = 9
CELL_W, CELL_H = 33, 25
ORIGIN_X, ORIGIN_Y = 29, 35  # canvas pixel of the figure's global column 0, row 0
ANCHOR_X = [0, 425, 227, 623, 29, 425, 821, 227, 623, 425]
ANCHOR_Y = [0, 35, 185, 185, 335, 335, 335, 485, 485, 635]
OFFSET_X = [0, 12, 6, 18, 0, 12, 24, 6, 18, 12]
OFFSET_Y = [0, 0, 6, 6, 12, 12, 12, 18, 18, 24]
SIZE = 33
BOARD_BYTES = 1000
SLOT_STRIDE = 2000

# The colours of the game's palette that the checks look for, as (r, g, b).
BLUE = (0, 0, 0xBC)
BRIGHT_RED = (0xFF, 0, 0)
LIGHT_GREY = (0xC0, 0xC0, 0xC0)
BLACK = (0, 0, 0)


def read_picture(path):
    """The first 33 lines of a picture as a list of strings, each exactly 33 characters."""
    with open(path, encoding="ascii") as f:
        lines = f.read().split("\n")
    rows = [line for line in lines[:SIZE]]
    if len(rows) != SIZE or any(len(r) != SIZE for r in rows):
        sys.exit(f"{path}: not a 33 x 33 picture")
    return rows


def grids_at(x, y):
    """The grids (number order) that hold global column x, row y, with the cell's col and row."""
    out = []
    for g in range(1, GRID_COUNT + 1):
        col, row = x - OFFSET_X[g] + 1, y - OFFSET_Y[g] + 1
        if 1 <= col <= 9 and 1 <= row <= 9:
            out.append((g, col, row))
    return out


def cell_middle(x, y):
    """Canvas pixel of the middle of the cell at global column x, row y, through its upper copy."""
    g, col, row = grids_at(x, y)[0]
    return ANCHOR_X[g] + (col - 1) * CELL_W + 16, ANCHOR_Y[g] + (row - 1) * CELL_H + 12


def cmd_plan(args):
    solution = read_picture(args.solution)
    board = read_picture(args.board)
    count = 0
    for y in range(SIZE):
        for x in range(SIZE):
            b, s = board[y][x], solution[y][x]
            if b == " ":
                continue
            if not s.isdigit():
                sys.exit(f"solution has no digit at column {x}, row {y}")
            if b.isdigit() and b != s:
                sys.exit(f"board {b} differs from solution {s} at column {x}, row {y}")
            if b == ".":
                cx, cy = cell_middle(x, y)
                print(cx + args.origin[0], cy + args.origin[1], s)
                count += 1
    print(f"plan: {count} empty cells", file=sys.stderr)


def cmd_compare(args):
    solution = read_picture(args.solution)
    board = read_picture(args.board)
    empty = sum(row.count(".") for row in board)
    differ = sum(1 for y in range(SIZE) for x in range(SIZE) if board[y][x] != solution[y][x])
    cells = sum(1 for row in board for c in row if c != " ")
    print(f"compare: {cells} cells, {empty} empty, {differ} differ from the solution")
    return 0 if empty == 0 and differ == 0 and cells == 621 else 1


SHARED_PAIRS = [
    (1, 0, 6, 2, 6, 0), (1, 6, 6, 3, 0, 0), (2, 0, 6, 4, 6, 0), (2, 6, 6, 5, 0, 0),
    (3, 0, 6, 5, 6, 0), (3, 6, 6, 6, 0, 0), (4, 6, 6, 7, 0, 0), (5, 0, 6, 7, 6, 0),
    (5, 6, 6, 8, 0, 0), (6, 0, 6, 8, 6, 0), (7, 6, 6, 9, 0, 0), (8, 0, 6, 9, 6, 0),
]


def cmd_copies(args):
    with open(args.file, "rb") as f:
        f.seek(SLOT_STRIDE * args.slot)
        board = f.read(BOARD_BYTES)
    if len(board) != BOARD_BYTES:
        sys.exit(f"{args.file}: slot {args.slot} is cut short")
    bad = 0
    for up, ucol, urow, low, lcol, lrow in SHARED_PAIRS:
        for c in range(1, 4):
            for r in range(1, 4):
                a = board[up + 10 * (c + ucol) + 100 * (r + urow)]
                b = board[low + 10 * (c + lcol) + 100 * (r + lrow)]
                if a != b:
                    bad += 1
                    print(f"grid {up} ({c + ucol},{r + urow}) = {a} but grid {low} "
                          f"({c + lcol},{r + lrow}) = {b}")
    print(f"copies: {12 * 9 - bad} of 108 shared cells agree in both grids")
    return 0 if bad == 0 else 1


class Shot:
    """A screenshot as RGB rows, cropped to the canvas so that (0, 0) is the canvas origin."""

    def __init__(self, path, origin):
        ppm = subprocess.run(["convert", path, "ppm:-"], check=True, capture_output=True).stdout
        fields, pos = [], 0
        while len(fields) < 4:  # P6, width, height, maxval; comments do not occur here
            while ppm[pos:pos + 1].isspace():
                pos += 1
            start = pos
            while not ppm[pos:pos + 1].isspace():
                pos += 1
            fields.append(ppm[start:pos])
        if fields[0] != b"P6" or int(fields[3]) != 255:
            sys.exit(f"{path}: unexpected image format")
        self.width, self.height = int(fields[1]), int(fields[2])
        self.data = ppm[pos + 1:]
        self.ox, self.oy = origin

    def row(self, y, x, w):
        """The bytes of w pixels from (x, y); the caller keeps the rectangle on the screen."""
        i = 3 * ((y + self.oy) * self.width + x + self.ox)
        return self.data[i:i + 3 * w]

    def pixel(self, x, y):
        sx, sy = x + self.ox, y + self.oy
        if not (0 <= sx < self.width and 0 <= sy < self.height):
            return None
        i = 3 * (sy * self.width + sx)
        return tuple(self.data[i:i + 3])


def keypad_open(shot, left, top):
    """True when the four inner lines of a keypad at (left, top) are drawn black."""
    def black_run(points):
        return sum(1 for p in points if shot.pixel(*p) == BLACK) >= len(points) - 3

    for d in (15, 30):
        row = max((black_run([(left + i, top + d + e) for i in range(1, 45)]) for e in (-1, 0, 1)))
        col = max((black_run([(left + d + e, top + i) for i in range(1, 45)]) for e in (-1, 0, 1)))
        if not (row and col):
            return False
    return True


def census(shot, x, y, w, h):
    counts = {"black": 0, "blue": 0, "red": 0, "grey": 0, "white": 0, "other": 0}
    for j in range(y, y + h):
        for i in range(x, x + w):
            p = shot.pixel(i, j)
            if p is None:
                continue
            r, g, b = p
            if p == BLACK:
                counts["black"] += 1
            elif b > 120 and r < 90 and g < 90:
                counts["blue"] += 1
            elif r > 200 and g < 90 and b < 90:
                counts["red"] += 1
            elif p == LIGHT_GREY:
                counts["grey"] += 1
            elif p == (255, 255, 255):
                counts["white"] += 1
            else:
                counts["other"] += 1
    return counts


def cmd_keypad(args):
    shot = Shot(args.shot, args.origin)
    left = args.x - args.origin[0] - 16 - 8
    top = args.y - args.origin[1] - 12 - 8
    found = keypad_open(shot, left, top)
    print(f"keypad at ({left}, {top}): {'open' if found else 'not there'}")
    return 0 if found else 1


def all_cell_corners():
    for y in range(SIZE):
        for x in range(SIZE):
            if grids_at(x, y):
                yield ORIGIN_X + x * CELL_W, ORIGIN_Y + y * CELL_H


def cmd_strays(args):
    shot = Shot(args.shot, args.origin)
    strays = [(cx - 8, cy - 8) for cx, cy in all_cell_corners() if keypad_open(shot, cx - 8, cy - 8)]
    for left, top in strays:
        print(f"keypad still drawn at ({left}, {top})")
    print(f"strays: {len(strays)} keypads left on the field")
    return 0 if not strays else 1


def cmd_cells(args):
    shot = Shot(args.shot, args.origin)
    blue = red = neither = 0
    with open(args.plan, encoding="ascii") as f:
        for line in f:
            sx, sy, _ = line.split()
            cx, cy = int(sx) - args.origin[0] - 16, int(sy) - args.origin[1] - 12
            c = census(shot, cx + 3, cy + 3, CELL_W - 6, CELL_H - 6)
            if c["red"] > 4:
                red += 1
                print(f"red digit in the cell at ({cx}, {cy})")
            elif c["blue"] > 4:
                blue += 1
            else:
                neither += 1
                if neither <= 10:
                    print(f"no blue digit in the cell at ({cx}, {cy}): {c}")
    print(f"cells: {blue} blue, {red} red, {neither} without a coloured digit")
    return 0 if red == 0 and neither == 0 else 1


def cmd_region(args):
    shot = Shot(args.shot, args.origin)
    print(census(shot, args.x, args.y, args.w, args.h))
    return 0


def cmd_same(args):
    a = Shot(args.shot1, args.origin)
    b = Shot(args.shot2, args.origin)
    differ = 0
    for j in range(args.y, args.y + args.h):
        ra, rb = a.row(j, args.x, args.w), b.row(j, args.x, args.w)
        if ra != rb:
            differ += sum(1 for i in range(0, len(ra), 3) if ra[i:i + 3] != rb[i:i + 3])
    print(f"same: {differ} pixels differ")
    return 0 if differ == 0 else 1


def main():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawTextHelpFormatter)
    p.add_argument("--origin", nargs=2, type=int, default=[0, 0], metavar=("X", "Y"),
                   help="screen position of the canvas origin")
    sub = p.add_subparsers(dest="cmd", required=True)
    s = sub.add_parser("plan"); s.add_argument("solution"); s.add_argument("board")
    s = sub.add_parser("compare"); s.add_argument("solution"); s.add_argument("board")
    s = sub.add_parser("copies"); s.add_argument("file"); s.add_argument("slot", type=int)
    s = sub.add_parser("keypad"); s.add_argument("shot")
    s.add_argument("x", type=int); s.add_argument("y", type=int)
    s = sub.add_parser("strays"); s.add_argument("shot")
    s = sub.add_parser("cells"); s.add_argument("shot"); s.add_argument("plan")
    s = sub.add_parser("region"); s.add_argument("shot")
    for name in "xywh":
        s.add_argument(name, type=int)
    s = sub.add_parser("same"); s.add_argument("shot1"); s.add_argument("shot2")
    for name in "xywh":
        s.add_argument(name, type=int)
    args = p.parse_args()
    handlers = {"plan": cmd_plan, "compare": cmd_compare, "copies": cmd_copies,
                "keypad": cmd_keypad, "strays": cmd_strays, "cells": cmd_cells,
                "region": cmd_region, "same": cmd_same}
    return handlers[args.cmd](args) or 0


if __name__ == "__main__":
    sys.exit(main())
