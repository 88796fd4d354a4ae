#!/usr/bin/env python3
"""Fails when the code shows a text outside tr(), or a shipped language is not complete.

  check_translations.py texts <src-dir>
      Flags string literals handed straight to the calls that put text on screen (setText,
      setWindowTitle, addTab, setToolTip, QPushButton(, QLabel(, QAction(, MessageBox::..., ...).
      Literals without words (":", "00:00 / 00:00"), lower-case tokens ("m3u8") and addresses
      ("http://...") are not texts for translation.
  check_translations.py languages <lupdate> <src-dir> <translations-dir> <lang>...
      Runs lupdate over a copy of each shipped language's .ts, so texts added to the code but not
      yet to the file count too, and flags unfinished, obsolete and vanished entries.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile

CALLS = (
    r"setText|setWindowTitle|setToolTip|setStatusTip|setWhatsThis|setPlaceholderText|setTitle|"
    r"setSuffix|setPrefix|setSpecialValueText|setLabelText|setHorizontalHeaderLabels|addTab|"
    r"insertTab|setTabText|addItem|insertItem|addAction|addMenu|addRow|addButton|showMessage|"
    r"QPushButton|QToolButton|QLabel|QCheckBox|QRadioButton|QGroupBox|QAction|QMenu|"
    r"QListWidgetItem|QTreeWidgetItem|QMessageBox|"
    r"MessageBox::warning|MessageBox::information|MessageBox::question|MessageBox::critical|"
    r"getOpenFileName|getSaveFileName"
)
CALL = re.compile(r"(?<![\w:.>])(?:->|\.)?\b(" + CALLS + r")\s*\(")
LITERAL = re.compile(r'^\s*(?:QStringLiteral|QLatin1String|QString::fromUtf8|u)?\(?\s*"((?:[^"\\]|\\.)*)"')


def arguments(text, start):
    """The top-level arguments of the call whose '(' is at text[start-1]."""
    depth, args, current, i = 1, [], [], start
    in_string = False
    while i < len(text) and depth > 0:
        c = text[i]
        if in_string:
            current.append(c)
            if c == "\\":
                current.append(text[i + 1])
                i += 1
            elif c == '"':
                in_string = False
        elif c == '"':
            in_string = True
            current.append(c)
        elif c in "([{":
            depth += 1
            current.append(c)
        elif c in ")]}":
            depth -= 1
            if depth > 0:
                current.append(c)
        elif c == "," and depth == 1:
            args.append("".join(current))
            current = []
        else:
            current.append(c)
        i += 1
    args.append("".join(current))
    return args


def is_text(literal):
    if "://" in literal or not re.search(r"[A-Za-z]{2}", literal):
        return False
    # Identifiers and technical tokens: one lower-case word ("m3u8", "ts", "name").
    return not re.fullmatch(r"[a-z0-9_.\-]+", literal)


def strip_comments(code):
    code = re.sub(r"/\*.*?\*/", lambda m: "\n" * m.group(0).count("\n"), code, flags=re.S)
    return re.sub(r"//[^\n]*", "", code)


def check_texts(src):
    problems = []
    for path in sorted(pathlib.Path(src).rglob("*.cpp")):
        code = strip_comments(path.read_text(encoding="utf-8"))
        for match in CALL.finditer(code):
            for arg in arguments(code, match.end()):
                literal = LITERAL.match(arg)
                if literal and is_text(literal.group(1)):
                    line = code.count("\n", 0, match.start()) + 1
                    problems.append(f"{path}:{line}: {match.group(1)} shows \"{literal.group(1)}\""
                                    " without tr()")
    return problems


def check_languages(lupdate, src, translations, languages):
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        for language in languages:
            original = pathlib.Path(translations) / f"velmora_{language}.ts"
            if not original.exists():
                problems.append(f"{original}: missing for a shipped language")
                continue
            copy = pathlib.Path(scratch) / original.name
            shutil.copy(original, copy)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-extensions", "cpp,h", src,
                            "-ts", str(copy)], check=True)
            text = copy.read_text(encoding="utf-8")
            for kind in ("unfinished", "obsolete", "vanished"):
                count = text.count(f'type="{kind}"')
                if count:
                    problems.append(f"{original}: {count} {kind} entries "
                                    "(scripts/update-translations.sh, then translate them)")
    return problems


def main():
    mode = sys.argv[1] if len(sys.argv) > 1 else ""
    if mode == "texts" and len(sys.argv) == 3:
        problems = check_texts(sys.argv[2])
    elif mode == "languages" and len(sys.argv) >= 5:
        problems = check_languages(sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5:])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    for problem in problems:
        print(problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
