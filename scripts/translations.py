#!/usr/bin/env python3
"""The translations' catalogues, refreshed from the sources and checked.

  translations.py update [--build BUILD]   po/vantorix.pot and po/man/vantorix.6.pot
      extracted again; every po/<ll>.po and po/man/<ll>.po of po/LINGUAS merged
      with them (made first for a new language); new and changed texts come out
      untranslated or fuzzy, for a translator.
  translations.py check [--build BUILD]    every catalogue of po/LINGUAS complete
      (no untranslated or fuzzy message), passing msgfmt --check, and holding
      every text the sources have now; the built metainfo's summaries short
      enough for the software centres.

The game's texts are tr("...") and trMark("...") in src/, the desktop entry's
GenericName, Comment and Keywords, and the metainfo, which the build fills in
(BUILD/packaging/template). The manual page goes through po4a."""
import argparse
import os
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

ROOT = pathlib.Path(__file__).resolve().parent.parent
PO = ROOT / "po"
MAN_PAGE = ROOT / "packaging" / "vantorix.6.in"
DESKTOP = ROOT / "packaging" / "vantorix.desktop.in"
PO4A_CONFIG = PO / "man" / "po4a.cfg"
LANGUAGES_TABLE = ROOT / "src" / "language" / "Translation.cpp"
METAINFO_ID = "invalid.vantorix.vantorix"
LONGEST_SUMMARY = 35


def run(*command, **options):
    return subprocess.run([str(part) for part in command], check=True, text=True, **options)


def languages():
    codes = []
    for line in (PO / "LINGUAS").read_text().splitlines():
        if not line.startswith("#"):
            codes += line.split()
    return codes


def extract(pot, build):
    """The game's, the desktop entry's and the metainfo's texts, in one template."""
    sources = sorted(str(path.relative_to(ROOT)) for path in (ROOT / "src").rglob("*.[ch]pp"))
    common = ["--from-code=UTF-8", "--add-location=file", "--package-name=vantorix", "--msgid-bugs-address=dev@vantorix.invalid",
              "--copyright-holder=Vantorix developers", "-o", pot]
    run("xgettext", "--language=C++", "-k", "--keyword=tr", "--keyword=trMark",
        "--flag=tr:1:c-format", "--flag=trMark:1:c-format", "--add-comments=TRANSLATORS:",
        *common, *sources, cwd=ROOT)
    run("xgettext", "--join-existing", "--language=Desktop", "-k", "--keyword=GenericName",
        "--keyword=Comment", "--keyword=Keywords", *common,
        DESKTOP.relative_to(ROOT), cwd=ROOT)
    metainfo = build / "packaging" / "template" / f"{METAINFO_ID}.metainfo.xml"
    if not metainfo.exists():
        sys.exit(f"translations: {metainfo} is missing: configure the build folder first")
    # Named from the source tree, so that the catalogues do not depend on where the build is.
    run("xgettext", "--join-existing", *common, os.path.relpath(metainfo, ROOT), cwd=ROOT)


def refresh_man(tree):
    """po4a merges the manual page's texts into its catalogues under TREE."""
    run("po4a", "--no-translations", "--master-charset", "UTF-8", "--localized-charset", "UTF-8",
        "--package-name", "vantorix", "--copyright-holder", "Vantorix developers",
        "--msgid-bugs-address", "dev@vantorix.invalid", "--porefs", "file",
        PO4A_CONFIG.relative_to(ROOT), cwd=tree, stdout=subprocess.DEVNULL)


def man_languages():
    for line in PO4A_CONFIG.read_text().splitlines():
        if line.startswith("[po4a_langs]"):
            return line.split()[1:]
    return []


def update(build):
    pot = PO / "vantorix.pot"
    extract(pot, build)
    for code in languages():
        catalogue = PO / f"{code}.po"
        if catalogue.exists():
            run("msgmerge", "--quiet", "--update", "--backup=none", "--previous", catalogue, pot)
        else:
            run("msginit", "--no-translator", f"--locale={code}.UTF-8", "--input", pot,
                "--output-file", catalogue)
    refresh_man(ROOT)
    for code in languages():
        for catalogue in (PO / f"{code}.po", PO / "man" / f"{code}.po"):
            print(f"{catalogue.relative_to(ROOT)}: {statistics(catalogue)}")


def statistics(catalogue):
    result = subprocess.run(["msgfmt", "--check", "--statistics", "-o", "/dev/null", str(catalogue)],
                            text=True, capture_output=True)
    report = (result.stdout + result.stderr).strip()
    return report if result.returncode == 0 else f"fails msgfmt --check: {report}"


def complete(report):
    return re.fullmatch(r"\d+ translated messages?\.", report) is not None


def check(build):
    faults = []
    listed = languages()
    if man_languages() != listed:
        faults.append(f"{PO4A_CONFIG.relative_to(ROOT)} lists {man_languages()}, po/LINGUAS {listed}")
    # The options offer English and every language of po/LINGUAS, each by its own name.
    offered = re.findall(r'^\s*\{"([A-Za-z_@]+)", ', LANGUAGES_TABLE.read_text(), re.M)
    if offered != ["en"] + listed:
        faults.append(f"{LANGUAGES_TABLE.relative_to(ROOT)} offers {offered}, not English and "
                      f"po/LINGUAS {listed}")
    for folder in (PO, PO / "man"):
        for catalogue in folder.glob("*.po"):
            if catalogue.stem not in listed:
                faults.append(f"{catalogue.relative_to(ROOT)} is not in po/LINGUAS")
    with tempfile.TemporaryDirectory() as scratch:
        tree = pathlib.Path(scratch)
        pot = tree / "vantorix.pot"
        extract(pot, build)
        # The manual page's catalogues as po4a would refresh them from the page as it is.
        (tree / "packaging").mkdir()
        shutil.copy(MAN_PAGE, tree / "packaging")
        shutil.copytree(PO / "man", tree / "po" / "man")
        refresh_man(tree)
        for code in listed:
            game = PO / f"{code}.po"
            if not game.exists():
                faults.append(f"{game.relative_to(ROOT)} is missing")
                continue
            # Every text the sources have now, translated.
            missing = subprocess.run(["msgcmp", str(game), str(pot)], text=True, capture_output=True)
            if missing.returncode != 0:
                faults.append(f"{game.relative_to(ROOT)} lacks texts of the sources (run the "
                              f"translations-update target):\n{missing.stderr.strip()}")
            for catalogue, shown in ((game, game), (tree / "po" / "man" / f"{code}.po",
                                                    PO / "man" / f"{code}.po")):
                report = statistics(catalogue)
                if not complete(report):
                    faults.append(f"{shown.relative_to(ROOT)}: {report}")
    metainfo = build / "packaging" / f"{METAINFO_ID}.metainfo.xml"
    if metainfo.exists():
        for summary in ElementTree.parse(metainfo).getroot().iter("summary"):
            language = summary.get("{http://www.w3.org/XML/1998/namespace}lang", "en")
            if len(summary.text or "") > LONGEST_SUMMARY:
                faults.append(f"metainfo summary ({language}) is longer than {LONGEST_SUMMARY} "
                              f"characters: {summary.text}")
    else:
        faults.append(f"{metainfo} is missing: build the project first")
    for fault in faults:
        print(f"translations: {fault}", file=sys.stderr)
    return 1 if faults else 0


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("action", choices=["update", "check"])
    parser.add_argument("--build", type=pathlib.Path, default=ROOT / "build")
    arguments = parser.parse_args()
    build = arguments.build.resolve()
    if arguments.action == "update":
        update(build)
        return 0
    return check(build)


if __name__ == "__main__":
    sys.exit(main())
