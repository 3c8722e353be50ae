#!/usr/bin/env python3
"""Writes the seed corpus under corpus/<target>/ from the shapes the core tests use.

The round-trip and handle targets read their input through FuzzedDataProvider: numbers from the
end of the input, texts from the front. Program below lays the bytes out that way, so each seed
is a readable sequence of saves or handle operations. Run it again after changing how a target
reads its input.
"""
import pathlib

HERE = pathlib.Path(__file__).resolve().parent


class Program:
    """Bytes that FuzzedDataProvider gives back as the values put in, in the same order."""

    def __init__(self):
        self.front = bytearray()  # texts, read from the start
        self.back = bytearray()  # numbers, in the order they are read from the end

    def number(self, lo, hi, value):
        span, width = hi - lo, 0
        while width < 8 and (span >> (8 * width)) > 0:
            width += 1
        self.back += (value - lo).to_bytes(width, "big")

    def boolean(self, value):
        self.number(0, 255, 1 if value else 0)

    def char(self, byte):
        self.number(0, 255, byte ^ 0x80)  # a signed char: -128 is byte 0

    def text(self, data):
        for b in data:
            self.front += b"\\\\" if b == 0x5C else bytes([b])
        self.front += b"\\x"  # a backslash and any other byte ends the text

    def bytes(self):
        return bytes(self.front) + bytes(reversed(self.back))


def write(target, name, data):
    folder = HERE / "corpus" / target
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def loader_seeds():
    seeds = {
        "empty": b"",
        "loose": b"7  Madonna - Ray of Light\r\n12 Savage Garden - Truly Madly Deeply\r\n",
        "separator": b"7xA\r\n12\tB\r\n",
        "album": b"/3  Artist - Album\r\nOne\r\nTwo\r\n/\r\n/4  Empty\r\n/\r\n",
        "slash-track": b"/5  H\r\n/not the end\r\n//\r\n/\r\n",
        "interleaved": b"1  A\r\n/2  H1\r\nT\r\n/\r\n3  B\r\n/4  H2\r\n/\r\n",
        "unclosed": b"/6  Open\r\nT1\r\nT2",
        "blank-line": b"1  A\r\n\r\nxyz\r\n",
        "lone-lf": b"1  A\nB\n/2 C\n",
        "ctrl-z": b"1  A\r\n\x1a2  B\r\n",
        "cut-short": b"1  A\r\n7",
        "lone-cr": b"1  A\r2  B\r\r\n/3 H\rT\r/\r",
        "cp1252": b"3  Xutos & Pontap\xe9s - Homem do Leme\r\n/12 \x80\x81\x8d\x8f\x90\x9d\xff\r\n/\r\n",
        "long-track": b"/9  Long\r\n" + b"/" + b"t" * 400 + b"\r\n" + b"x" * 300 + b"\r\n/\r\n",
        # Top bit of the first byte set: loaded once more behind a long entry.
        "straddle": b"\xff  A\r\n/1  H\r\nT\r\n/\r\n",
    }
    for name, data in seeds.items():
        write("loader", name, data)


def save(p, album, cd, lines, artist=b"", title=b"", raw=False, load=False):
    """One batch of the round-trip target; `cd` is a number, or a text when `raw`."""
    p.boolean(album)
    p.number(0, 7, 0 if raw else 1)
    if raw:
        p.text(cd)
    else:
        p.number(0, 99, cd)
    if album:
        p.text(artist)
        p.text(title)
    p.number(0, 12, len(lines))
    for line in lines:
        p.text(line)
    p.number(0, 3, 0 if load else 1)


def round_trip_seeds():
    p = Program()
    save(p, False, 7, [b"Madonna - Ray of Light", b"Savage Garden - Truly Madly Deeply"])
    save(p, False, 12, [b"A", b"", b"B"], load=True)
    save(p, True, 12, [b"Frozen", b"Swim"], b"Madonna", b"Ray of Light")
    save(p, True, 7, [], load=True)
    write("round_trip", "both-modes", p.bytes())

    p = Program()
    save(p, False, 0, [b"z"])
    save(p, False, 99, [b"n"])
    save(p, True, 40, [b"/x", b"//", b"", b"x" * 1000], b"A/B", b"\xc1lbum \x80")
    save(p, False, 3, [b"y" * 1500], load=True)
    write("round_trip", "edges", p.bytes())

    p = Program()
    save(p, False, 1, [b"kept"])
    save(p, False, b"07", [b"a"], raw=True)
    save(p, False, b"", [b"a"], raw=True)
    save(p, False, b"5", [b"fine", b"bad\x1a"], raw=True)
    save(p, True, b"5", [], b"Art\rist", b"t", raw=True)
    save(p, True, b"5", [b"one", b"/", b"three"], b"a", b"b", raw=True)
    save(p, False, b"x", [], raw=True, load=True)
    write("round_trip", "refusals", p.bytes())


# The handle target's operations, numbered as its switch numbers them.
ASSIGN, RESET, REWRITE, APPEND, READ_CHAR, READ_LINE, EOF, WRITE, WRITE_RUN, WRITE_CHAR = range(10)
WRITE_LINE, FLUSH, CLOSE, DISCARD_AT_OPEN, DISCARD, CONTENT, LONG_CONTENT, REMOVE, FOLDER = range(10, 19)
NEW_HANDLE = 19


class Ops(Program):
    def op(self, code):
        self.number(0, 19, code)
        return self

    def assign(self, good=True):
        self.op(ASSIGN).number(0, 7, 1 if good else 0)

    def write(self, data):
        self.op(WRITE).text(data)

    def write_run(self, length, byte):
        self.op(WRITE_RUN).number(0, 20000, length)
        self.char(byte)

    def write_line(self, data):
        self.op(WRITE_LINE).text(data)

    def content(self, data):
        self.op(CONTENT).text(data)

    def long_content(self, length, byte, tail):
        self.op(LONG_CONTENT).number(0, 40000, length)
        self.char(byte)
        self.text(tail)

    def discard(self, size):
        self.op(DISCARD).number(0, 600, size)

    def plain(self, *codes):
        for code in codes:
            self.op(code)


def text_file_seeds():
    p = Ops()
    for size in (127, 128, 129, 256, 300):
        p.assign()
        p.plain(REWRITE)
        p.write_run(size, ord("x"))
        p.plain(CLOSE)
    write("text_file", "buffer", p.bytes())

    p = Ops()
    p.assign()
    p.plain(REWRITE)
    p.write_line(b"abc")
    p.op(WRITE_CHAR).char(ord("d"))
    p.plain(FLUSH)
    p.assign()
    p.plain(REWRITE)
    p.write(b"pending")
    p.plain(RESET, READ_LINE, APPEND)
    p.write(b" more")
    p.plain(NEW_HANDLE)
    write("text_file", "reopening", p.bytes())

    p = Ops()
    for before in (b"abc\x1adef", b"a\x1ab\x1ac", b""):
        p.content(before)
        p.assign()
        p.plain(APPEND)
        p.write(b"+")
        p.plain(CLOSE)
    p.long_content(200, ord("a"), b"\x1a" + b"b" * 127)
    p.plain(APPEND, CLOSE)
    p.long_content(1, 0x1A, b"b" * 127)
    p.plain(APPEND, CLOSE)
    p.long_content(1, 0x1A, b"b" * 128)
    p.plain(APPEND, CLOSE)
    write("text_file", "ctrl-z-append", p.bytes())

    p = Ops()
    p.content(b"a\r\nb")
    p.assign()
    p.plain(RESET, *[READ_CHAR] * 6, EOF)
    p.plain(CLOSE)  # another program changes the file only while it is not open
    p.content(b"ab\x1acd\r\nef")
    p.plain(RESET, READ_LINE, EOF, READ_CHAR, READ_LINE, EOF)
    p.plain(CLOSE)
    p.content(b"one\r\ntwo\rthree\nstill three\r\r\nlast")
    p.plain(RESET, *[READ_LINE] * 7, EOF)
    write("text_file", "reading", p.bytes())

    p = Ops()
    p.assign()
    for length in (16383, 16384, 16382):
        p.plain(CLOSE)
        p.long_content(length, ord("q"), b"\r\nq\rr\x1a")
        p.plain(RESET, READ_LINE, READ_LINE, READ_CHAR, READ_LINE, EOF)
    p.plain(REWRITE)
    p.write_run(16383, ord("w"))
    p.write_line(b"")
    p.plain(RESET, READ_LINE, EOF)
    write("text_file", "long-lines", p.bytes())

    p = Ops()
    p.plain(RESET, REWRITE, APPEND, CLOSE, READ_LINE, EOF)
    p.write(b"x")
    p.assign()
    p.plain(CLOSE, FLUSH, EOF, READ_CHAR)
    p.op(WRITE_CHAR).char(ord("x"))
    p.write_line(b"x")
    p.plain(REWRITE, READ_LINE, EOF, CLOSE, RESET)
    p.write(b"x")
    p.write_line(b"x")
    p.plain(FLUSH, CLOSE)
    write("text_file", "wrong-state", p.bytes())

    p = Ops()
    p.assign()
    p.plain(RESET, APPEND, FOLDER, RESET, REWRITE, APPEND, DISCARD_AT_OPEN, REMOVE, REWRITE)
    p.assign(good=False)
    p.plain(RESET, REWRITE, APPEND)
    p.discard(3)
    write("text_file", "failures", p.bytes())

    p = Ops()
    p.content(b"1  Earlier\r\n")
    p.assign()
    p.plain(APPEND)
    p.write_run(300, ord("n"))
    p.plain(DISCARD_AT_OPEN, APPEND)
    p.write(b"2  New\r\n")
    p.plain(CLOSE)
    p.discard(5)
    p.discard(40)
    write("text_file", "discard", p.bytes())


if __name__ == "__main__":
    loader_seeds()
    round_trip_seeds()
    text_file_seeds()
