#!/usr/bin/env python3
"""Turns the user's manual (docs/manual.md) into the help file
docs/qelvorn-help.html, which the build copies beside the program.

    python3 docs/md2html.py            # rewrite docs/qelvorn-help.html
    python3 docs/md2html.py --check    # exit 1 when the HTML is out of date

Only the little Markdown the manual uses: headings with an anchor
"## Title {#Anchor.htm}", paragraphs, "-" and "1." lists, pipe tables,
indented or fenced code blocks, `code`, **bold**, *italic*, [links](#x) and
![figures](file.png). The output is plain HTML 4 that the program's help
window (a rich-text browser) shows as it is.
"""
import html
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


def inline(text):
    parts = re.split(r"(`[^`]*`)", text)
    out = []
    for part in parts:
        if part.startswith("`") and part.endswith("`") and len(part) > 1:
            out.append("<code>" + html.escape(part[1:-1], quote=False) + "</code>")
            continue
        s = html.escape(part, quote=False)
        # Figures at a width that fits the help window; the height follows.
        s = re.sub(r"!\[([^\]]*)\]\(([^)]+)\)", r'<img src="\2" alt="\1" width="600">', s)
        s = re.sub(r"\[([^\]]+)\]\(([^)]+)\)", r'<a href="\2">\1</a>', s)
        s = re.sub(r"\*\*([^*]+)\*\*", r"<b>\1</b>", s)
        s = re.sub(r"(?<![\w*])\*([^*\s][^*]*)\*(?![\w*])", r"<i>\1</i>", s)
        out.append(s)
    return "".join(out)


def table(rows):
    # "\|" stands for a bar inside a cell.
    cells = [[c.strip().replace("\0", "|") for c in r.replace("\\|", "\0").strip().strip("|").split("|")]
             for r in rows]
    head, body = cells[0], cells[2:]
    out = ['<table border="1" cellspacing="0" cellpadding="3">',
           "<tr>" + "".join(f"<th>{inline(c)}</th>" for c in head) + "</tr>"]
    for r in body:
        out.append("<tr>" + "".join(f"<td>{inline(c)}</td>" for c in r) + "</tr>")
    out.append("</table>")
    return out


def convert(md):
    lines = md.split("\n")
    out, i = [], 0
    title = "QELVORN Help"
    while i < len(lines):
        ln = lines[i]
        m = re.match(r"(#{1,4}) (.*?)(?: \{#([^}]+)\})?$", ln)
        if m:
            level, text, anchor = len(m.group(1)), m.group(2), m.group(3)
            if level == 1:
                title = text
            a = f'<a name="{anchor}" id="{anchor}"></a>' if anchor else ""
            out.append(f"<h{level}>{a}{inline(text)}</h{level}>")
            i += 1
        elif ln.startswith("```"):
            j = i + 1
            while not lines[j].startswith("```"):
                j += 1
            out.append("<pre>" + html.escape("\n".join(lines[i + 1:j]), quote=False) + "</pre>")
            i = j + 1
        elif ln.startswith("    ") and ln.strip():
            j = i
            while j < len(lines) and (lines[j].startswith("    ") or not lines[j].strip()):
                j += 1
            block = [x[4:] for x in lines[i:j]]
            while block and not block[-1].strip():
                block.pop()
            out.append("<pre>" + html.escape("\n".join(block), quote=False) + "</pre>")
            i = j
        elif ln.startswith("|"):
            j = i
            while j < len(lines) and lines[j].startswith("|"):
                j += 1
            out += table(lines[i:j])
            i = j
        elif re.match(r"(- |\d+\. )", ln):
            tag = "ul" if ln.startswith("- ") else "ol"
            items = []
            while i < len(lines) and lines[i].strip():
                if re.match(r"(- |\d+\. )", lines[i]):
                    items.append(re.sub(r"^(- |\d+\. )", "", lines[i]))
                else:
                    items[-1] += " " + lines[i].strip()
                i += 1
            out.append(f"<{tag}>" + "".join(f"<li>{inline(x)}</li>" for x in items) + f"</{tag}>")
        elif not ln.strip():
            i += 1
        else:
            j = i
            while j < len(lines) and lines[j].strip() and not re.match(r"(#|\||- |\d+\. |```)", lines[j]):
                j += 1
            out.append("<p>" + inline(" ".join(x.strip() for x in lines[i:j])) + "</p>")
            i = j
    head = ['<!DOCTYPE html>', '<html>', '<head>', '<meta charset="utf-8">', f"<title>{html.escape(title)}</title>",
            "<style>table { border-collapse: collapse; } th { text-align: left; } "
            "code, pre { font-family: monospace; }</style>", "</head>", "<body>"]
    return "\n".join(head + out + ["</body>", "</html>", ""])


def main():
    with open(os.path.join(HERE, "manual.md"), encoding="utf-8") as f:
        result = convert(f.read())
    target = os.path.join(HERE, "qelvorn-help.html")
    if "--check" in sys.argv:
        # Up to date, every link leads to a topic, every figure is present.
        with open(target, encoding="utf-8") as f:
            ok = f.read() == result
        for name in re.findall(r'href="#([^"]+)"', result):
            if f'name="{name}"' not in result:
                ok = print(f"no topic {name}") or False
        for image in re.findall(r'src="([^"]+)"', result):
            if not os.path.exists(os.path.join(HERE, image)):
                ok = print(f"no figure {image}") or False
        sys.exit(0 if ok else 1)
    with open(target, "w", encoding="utf-8") as f:
        f.write(result)


if __name__ == "__main__":
    main()
