#!/usr/bin/env python3
"""Checks that every relative link and picture of README.md and docs/*.md points at a file of
the repository that exists, and a link to a heading (file.md#heading, #heading) at a heading
that file has, named as GitHub names it. Links to the web are not followed.
Usage: doc_links.py REPOSITORY_ROOT; prints one line per broken link, exit status 1 if any."""

import re
import sys
from pathlib import Path
from urllib.parse import unquote

# The end of [text](target "title") and of ![alt](target), also of a picture inside a link.
INLINE_LINK = re.compile(r"\]\(\s*<?([^\s)>]*)>?(?:\s+\"[^\"]*\")?\s*\)")
REFERENCE = re.compile(r"^ {0,3}\[[^\]]+\]:\s*<?([^\s>]+)>?")
HTML_LINK = re.compile(r"<(?:a|img)\b[^>]*?\b(?:href|src)=\"([^\"]*)\"", re.IGNORECASE)
CODE_SPAN = re.compile(r"(`+)(?:(?!\1).)+?\1")
HEADING = re.compile(r"^ {0,3}#{1,6}\s+(.*?)\s*#*\s*$")
FENCE = re.compile(r"^ {0,3}(```|~~~)")
SCHEME = re.compile(r"^[A-Za-z][A-Za-z0-9+.-]*:|^//")


def prose_lines(text, blank_code_spans=True):
    """The lines that are not code, as (line number, text), code spans blanked unless asked
    otherwise: fenced blocks and indented blocks (four blanks after a blank line) are left
    out."""
    fence = None
    in_indented = False
    previous_blank = True
    for number, line in enumerate(text.splitlines(), 1):
        opening = FENCE.match(line)
        if fence:
            if opening and opening.group(1) == fence:
                fence = None
            previous_blank = False
            continue
        if opening:
            fence = opening.group(1)
            continue
        blank = not line.strip()
        indented = line.startswith("    ") or line.startswith("\t")
        in_indented = indented and not blank and (previous_blank or in_indented)
        if not in_indented and not blank:
            if blank_code_spans:
                line = CODE_SPAN.sub(lambda span: " " * len(span.group(0)), line)
            yield number, line
        if blank:
            in_indented = False
        previous_blank = blank


def anchor_of(heading):
    """The anchor GitHub gives a heading: markup dropped, lower case, punctuation other than
    '-' and '_' removed, blanks made '-'."""
    text = re.sub(r"!?\[([^\]]*)\]\([^)]*\)", r"\1", heading)
    text = text.replace("`", "").replace("*", "").strip().lower()
    text = "".join(c for c in text if c.isalnum() or c in " -_")
    return text.replace(" ", "-")


def anchors(path):
    """Every anchor of a Markdown file; a repeated heading gets -1, -2, ... as on GitHub."""
    seen = {}
    found = set()
    for _, line in prose_lines(path.read_text(encoding="utf-8"), blank_code_spans=False):
        heading = HEADING.match(line)
        if heading:
            anchor = anchor_of(heading.group(1))
            count = seen.get(anchor, 0)
            seen[anchor] = count + 1
            found.add(anchor if count == 0 else f"{anchor}-{count}")
    return found


def links(text):
    """The link targets of a Markdown text, as (line number, target)."""
    for number, line in prose_lines(text):
        for pattern in (INLINE_LINK, REFERENCE, HTML_LINK):
            for match in pattern.finditer(line):
                yield number, match.group(1)


def broken_links(root, page):
    """What is wrong with the links of one page, as "page:line: target: why"."""
    root = root.resolve()
    problems = []
    for number, target in links(page.read_text(encoding="utf-8")):
        if SCHEME.match(target):
            continue
        where = f"{page.relative_to(root).as_posix()}:{number}: {target}"
        path_part, _, anchor = target.partition("#")
        path = (page.parent / unquote(path_part)).resolve() if path_part else page.resolve()
        if not path.is_relative_to(root):
            problems.append(f"{where}: outside the repository")
        elif not path.exists():
            problems.append(f"{where}: no such file")
        elif anchor and path.suffix == ".md" and unquote(anchor) not in anchors(path):
            problems.append(f"{where}: no such heading")
    return problems


def pages(root):
    return [root / "README.md", *sorted((root / "docs").glob("*.md"))]


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    root = Path(sys.argv[1]).resolve()
    checked = pages(root)
    problems = [problem for page in checked for problem in broken_links(root, page)]
    for problem in problems:
        print(problem)
    print(f"{len(checked)} pages, {len(problems)} broken links")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
