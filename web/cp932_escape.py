#!/usr/bin/env python3
# The program's narrow string and character literals as code page 932 bytes for compilers
# without -fexec-charset=CP932 (clang, so em++): each non-ASCII character inside a plain
# "..." or '...' literal is written as octal escapes of its CP932 bytes (表 as \225\134;
# three digits at most, so an escape never swallows the character after it). Comments,
# u8"", u"", U"", L"" and raw literals are left as they are.
#   cp932_escape.py SOURCE OUTPUT     write the escaped copy of SOURCE
#   cp932_escape.py --check FILE...   list the files that hold such literals
#   cp932_escape.py --compile COMPILER ARGS...   as a compiler launcher: compile an
#                                     escaped copy of the source named after -c
import os
import re
import subprocess
import sys

PREFIX = re.compile(r"(u8|u|U|L)?(R)?$")


def escape(text):
    """The text with its plain literals escaped, and whether anything changed."""
    out = []
    i, n = 0, len(text)
    changed = False
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(text[i:j])
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(text[i:j])
            i = j
        elif c in "\"'":
            # The identifier characters just before the quote: an encoding prefix or R.
            k = i
            while k > 0 and (text[k - 1].isalnum() or text[k - 1] == "_"):
                k -= 1
            word = text[k:i]
            m = PREFIX.match(word) if word else None
            prefix, raw = (m.group(1), m.group(2)) if m else (None, None)
            if c == "'" and word and not m:
                out.append(c)  # a digit separator (1'000) or part of a name
                i += 1
                continue
            if raw and c == '"':
                open_end = text.find("(", i)
                delim = text[i + 1:open_end]
                j = text.find(")" + delim + '"', open_end) + len(delim) + 2
                out.append(text[i:j])
                i = j
                continue
            j = i + 1
            body = []
            while j < n and text[j] != c:
                if text[j] == "\\":
                    body.append(text[j:j + 2])
                    j += 2
                    continue
                body.append(text[j])
                j += 1
            literal = "".join(body)
            if prefix is None and any(ord(ch) > 0x7F for ch in literal):
                changed = True
                literal = "".join(
                    "".join("\\%03o" % b for b in ch.encode("cp932"))
                    if len(ch) == 1 and ord(ch) > 0x7F else ch
                    for ch in body)
            out.append(c + literal + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out), changed


def write_if_changed(path, text):
    try:
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    except OSError:
        pass
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def compile_escaped(argv):
    args = list(argv)
    source = args[args.index("-c") + 1]
    output = args[args.index("-o") + 1]
    with open(source, encoding="utf-8") as f:
        text, changed = escape(f.read())
    if changed:
        copy = output + ".cp932" + os.path.splitext(source)[1]
        write_if_changed(copy, text)
        # Quoted includes beside the source are found from its own folder still.
        args[args.index("-c") + 1] = copy
        args.append("-iquote" + os.path.dirname(os.path.abspath(source)))
    return subprocess.call(args)


def main():
    if sys.argv[1] == "--compile":
        sys.exit(compile_escaped(sys.argv[2:]))
    if sys.argv[1] == "--check":
        for path in sys.argv[2:]:
            with open(path, encoding="utf-8") as f:
                if escape(f.read())[1]:
                    print(path)
        return
    with open(sys.argv[1], encoding="utf-8") as f:
        text = escape(f.read())[0]
    write_if_changed(sys.argv[2], text)


if __name__ == "__main__":
    main()
