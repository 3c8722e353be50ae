#!/usr/bin/python3
"""Checks the English translation against the sources, as CI does.

Usage: check_translations.py --lupdate LUPDATE --ts FILE.ts --sources DIR -- LUPDATE_OPTIONS...

Runs lupdate over the sources into a copy of FILE.ts (FILE.ts itself is left alone) and fails
when a source text has no finished translation, when the file keeps a translation whose source
text is gone, or when a translation loses or adds a placeholder (%1...) or an access key (&).
"""
import argparse
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%\d")
ACCESS_KEY = re.compile(r"&(?!&)\S")


def faults(ts_path):
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            text = translation.text or ""
            kind = translation.get("type")
            where = "%s: %r" % (name, source)
            if kind in ("unfinished", "vanished", "obsolete"):
                yield "%s is %s" % (where, kind if kind != "unfinished" else "not translated")
                continue
            if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                yield "%s: the placeholders differ in %r" % (where, text)
            if bool(ACCESS_KEY.search(source)) != bool(ACCESS_KEY.search(text)):
                yield "%s: the access key differs in %r" % (where, text)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--ts", required=True)
    parser.add_argument("--sources", required=True)
    parser.add_argument("options", nargs="*")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        copy = work + "/check.ts"
        shutil.copyfile(args.ts, copy)
        subprocess.run([args.lupdate, *args.options, "-recursive", args.sources, "-ts", copy],
                       check=True, stdout=subprocess.DEVNULL)
        found = list(faults(copy))
    for fault in found:
        print(fault)
    print("%d fault(s) in %s" % (len(found), args.ts))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
