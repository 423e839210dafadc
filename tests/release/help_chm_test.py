#!/usr/bin/env python3
"""Reads the compiled HTML Help file with an independent reader (chmlib's
extract_chmLib) and checks it against the help source: every topic of the source
is a page with its title, listed in the contents, and every dialog's F1 keyword
is an index entry that leads to the page named after it.
Usage: help_chm_test.py PIXAPORT.CHM pixaport.but"""
import html
import re
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

# The keywords the program's dialogs hand to the help viewer (F1 and help buttons).
DIALOG_KEYWORDS = ["Hauptauswahl", "Konvertieren", "Transfer", "Auswahl", "Einstellungen", "Fehlerprotokoll"]

CHM, SOURCE = Path(sys.argv[1]), Path(sys.argv[2])


def source_topics():
    """Chapter keyword -> title, as the source declares them."""
    text = SOURCE.read_text(encoding="utf-8")
    return {m[1]: m[2].strip() for m in re.finditer(r"^\\[CH]\{(\w+)\}\s+(.+)$", text, re.M)}


def plain(title):
    """A source title as the pages show it: halibut quotes become German quotes."""
    return re.sub(r"\\q\{([^}]*)\}", "\u201e\\1\u201c", title)


def sitemap_entries(text):
    """(Name, Local) pairs of a contents or index file."""
    pairs = re.findall(r'<PARAM NAME="Name" VALUE="([^"]*)">\s*<PARAM NAME="Local" VALUE="([^"]*)">', text)
    return [(html.unescape(n), l) for n, l in pairs]


class HelpChm(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.dir = tempfile.TemporaryDirectory()
        root = Path(cls.dir.name)
        subprocess.run(["extract_chmLib", str(CHM), str(root)], check=True, stdout=subprocess.DEVNULL)
        cls.root = root
        # The contents and index files are in the help viewer's code page.
        cls.contents = sitemap_entries((root / "contents.hhc").read_text(encoding="cp1252"))
        cls.index = sitemap_entries((root / "index.hhk").read_text(encoding="cp1252"))
        cls.topics = source_topics()

    @classmethod
    def tearDownClass(cls):
        cls.dir.cleanup()

    def page_title(self, page):
        text = (self.root / page).read_text(encoding="utf-8")
        return html.unescape(re.search(r"<title>(.*?)</title>", text, re.S)[1]).strip()

    def test_every_topic_is_a_page_with_its_title_in_the_contents(self):
        self.assertGreaterEqual(len(self.topics), len(DIALOG_KEYWORDS))
        for key, title in self.topics.items():
            with self.subTest(topic=key):
                page = key + ".html"
                self.assertEqual(self.page_title(page), plain(title))
                self.assertIn((plain(title), page), self.contents)

    def test_every_dialog_keyword_leads_to_its_own_topic(self):
        for keyword in DIALOG_KEYWORDS:
            with self.subTest(keyword=keyword):
                self.assertIn(keyword, self.topics, "no topic named after the keyword")
                self.assertIn((keyword, keyword + ".html"), self.index)

    def test_umlauts_survive_in_titles_and_index(self):
        names = [name for name, _ in self.index] + [name for name, _ in self.contents]
        self.assertIn("Häufige Fragen", names)
        self.assertTrue(any("ü" in name for name in names))

    def test_pictures_named_in_the_source_are_inside(self):
        named = set(re.findall(r"\\W\{(bilder/[^}]+\.png)\}", SOURCE.read_text(encoding="utf-8")))
        for picture in named:
            with self.subTest(picture=picture):
                self.assertTrue((self.root / picture).is_file(), "a topic links a picture the file lacks")


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=1)
