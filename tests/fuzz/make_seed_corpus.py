#!/usr/bin/env python3
"""Writes the seed corpus of the key-sequence fuzzer: one completed run of
every calculation in both unit systems, plus a few keypad chains. Each byte
is an index into the fuzzer's action list (robustness/invariants.h)."""
import os
import sys

DIGIT = {c: i for i, c in enumerate("0123456789.")}
OP = {"+": 11, "-": 12, "/": 13, "*": 14, "=": 15}
HOSE = 16  # 14 hose keys: 16..29, in table order
NAMED = {"SQRT": 30, "X2": 31, "%": 32, "+/-": 33, "AC": 34, "CD": 35, "ON": 37,
         "EM": 38, "ENTER": 39, "FRST": 40, "FRFOG": 41, "RFST": 42, "RFFOG": 43,
         "AR": 44, "FL": 45, "EP": 46, "C": 47, "D": 48, "TYPEDENTER": 53, "RUN330": 88,
         "REVIEW": 89}

def encode(script):
    out = bytearray()
    for token in script.split():
        if token in NAMED:
            out.append(NAMED[token])
        elif token in OP:
            out.append(OP[token])
        elif token.startswith("H") and token[1:].isdigit():
            out.append(HOSE + int(token[1:]))
        else:
            out.extend(DIGIT[c] for c in token)
    return bytes(out)

SEEDS = {
    "frst": "FRST 50 ENTER 1.125 ENTER",
    "frfog": "FRFOG 50 ENTER 150 ENTER 100 ENTER",
    "rfst": "RFST 50 ENTER 1.125 ENTER",
    "rffog": "RFFOG 100 ENTER 150 ENTER",
    "ar": "AR 30 ENTER 50 ENTER",
    "fl": "FL 150 ENTER H4 ENTER ENTER 200 ENTER",
    "ep": "EP 100 ENTER 150 ENTER H4 ENTER ENTER 200 ENTER 3 ENTER",
    "frst-metric": "EM FRST 345 ENTER 28 ENTER",
    "fl-metric": "EM FL 600 ENTER H4 ENTER 2 ENTER 60 TYPEDENTER",
    "ep-metric": "EM EP 700 ENTER 600 ENTER H7 ENTER ENTER 60 ENTER 2 +/- ENTER",
    "keypad": "2 + 3 * 4 = 5 / 0 = C 16 SQRT X2 % 200 + 10 % = D",
    "overflow": "RUN330 X2 * RUN330 = FL RUN330 ENTER",
    "fl-review": "FL 150 ENTER H4 ENTER ENTER 200 ENTER REVIEW ENTER ENTER ENTER H6 ENTER "
                 "ENTER 2 ENTER ENTER 300 ENTER",
    "ep-review": "EP 100 ENTER 150 ENTER H4 ENTER ENTER 200 ENTER 3 ENTER REVIEW "
                 "ENTER ENTER ENTER ENTER ENTER ENTER ENTER ENTER ENTER ENTER ENTER 5 ENTER",
}

if __name__ == "__main__":
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "corpus")
    os.makedirs(folder, exist_ok=True)
    for name, script in SEEDS.items():
        with open(os.path.join(folder, "seed-" + name), "wb") as f:
            f.write(encode(script))
