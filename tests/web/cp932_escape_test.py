#!/usr/bin/env python3
# The launcher that gives clang the program's Shift-JIS literals (web/cp932_escape.py): which
# literals it escapes and which it leaves, and that an escaped literal holds the CP932 bytes
# of the JIS X 0208 table (表 95 5C, 潮 92 AA, half-width ｸﾞ B8 DE).
import os
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "web"))
from cp932_escape import escape  # noqa: E402


class Escape(unittest.TestCase):
    def test_literals(self):
        cases = [
            ('const char* t = "潮見表";', 'const char* t = "\\222\\252\\214\\251\\225\\134";'),
            ('"ｸﾞﾗﾌ"', '"\\270\\336\\327\\314"'),
            ('"表1"', '"\\225\\1341"'),                    # three digits: the 1 stays a 1
            ("'ﾟ'", "'\\337'"),                            # a character literal
            ('"a\\"表"', '"a\\"\\225\\134"'),              # an escaped quote inside
            ('"%2.0f\'%c 度"', '"%2.0f\'%c \\223\\170"'),    # a quote of the other kind inside
        ]
        for source, escaped in cases:
            self.assertEqual(escape(source), (escaped, True), source)

    def test_left_as_they_are(self):
        cases = [
            'u8"潮見表"', 'L"潮"', 'u"潮"', 'U"潮"', "U'潮'",
            'R"(潮"見)"',
            '// 潮見表 "潮"\n', '/* "潮" */',
            'int n = 1\'000; // 潮',                      # a digit separator, then a comment
            '"ascii only"',
        ]
        for source in cases:
            self.assertEqual(escape(source), (source, False), source)

    def test_escaped_bytes_read_back(self):
        text, changed = escape('"尾鷲の潮汐【】"')
        self.assertTrue(changed)
        raw = bytes(text[1:-1], "ascii").decode("unicode_escape").encode("latin-1")
        self.assertEqual(raw, "尾鷲の潮汐【】".encode("cp932"))


if __name__ == "__main__":
    unittest.main()
