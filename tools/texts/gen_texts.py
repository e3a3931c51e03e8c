#!/usr/bin/env python3
"""Packs the controller's texts into the multi-language blobs that TXT_BuildTable reads.

Sources (UTF-8, tab-separated, '#' starts a comment line):
  texts.tsv     group, item, then the texts in German, English, French, Italian, Spanish, Dutch, Czech
  keyboard.tsv  per language the on-screen keyboard's letters, and the symbol set

Outputs (committed, regenerate after every change of a source):
  controller/ui/data/TXT_Data.cpp   the packed blobs and the keyboard symbol set
  controller/core/TXT_Groups.h      group and item numbers by name and the sizes of the built tables
  controller/core/TXT_English.cpp   the English texts as a built table: what the look-up answers before the
                                    screens built the table of a language (the controller runs without them)

Usage:
  python3 tools/texts/gen_texts.py                  write the outputs
  python3 tools/texts/gen_texts.py --check          exit 1 when the committed outputs differ from the sources
  python3 tools/texts/gen_texts.py --source FILE    only read FILE in place of texts.tsv: exit 2 when it is wrong
"""

import os
import re
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
TEXTS = os.path.join(HERE, "texts.tsv")
KEYBOARD = os.path.join(HERE, "keyboard.tsv")
OUT_CPP = os.path.join(ROOT, "controller", "ui", "data", "TXT_Data.cpp")
OUT_H = os.path.join(ROOT, "controller", "core", "TXT_Groups.h")
OUT_EN = os.path.join(ROOT, "controller", "core", "TXT_English.cpp")

LANGUAGES = ["de", "en", "fr", "it", "es", "nl", "cs"]  # language numbers 0 to 6
ENGLISH = 1
KEYBOARD_LETTERS = 26
KEYBOARD_EXTRA_LOWER = 4
KEYBOARD_EXTRA_UPPER = 3
KEYBOARD_SYMBOLS = 51


class SourceError(Exception):
    pass


def unescape(cell, where):
    """Cells may be wrapped in double quotes to keep outer blanks; \\uXXXX, \\t, \\" and \\\\ are escapes."""
    if len(cell) >= 2 and cell[0] == '"' and cell[-1] == '"':
        cell = cell[1:-1]
    out = []
    i = 0
    while i < len(cell):
        c = cell[i]
        if c != "\\":
            out.append(c)
            i += 1
            continue
        nxt = cell[i + 1 : i + 2]
        if nxt == "u" and re.fullmatch(r"[0-9A-Fa-f]{4}", cell[i + 2 : i + 6] or ""):
            out.append(chr(int(cell[i + 2 : i + 6], 16)))
            i += 6
        elif nxt in ("\\", '"'):
            out.append(nxt)
            i += 2
        elif nxt == "t":
            out.append("\t")
            i += 2
        else:
            raise SourceError(f"{where}: unknown escape in {cell!r}")
    text = "".join(out)
    for ch in text:
        if ord(ch) > 0xFFFF:
            raise SourceError(f"{where}: character {ch!r} lies outside the 16-bit range")
        if ch == "\0":
            raise SourceError(f"{where}: a text may not contain NUL")
    return text


def source_lines(path):
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n").rstrip("\r")
            if not line.strip() or line.lstrip().startswith("#"):
                continue
            yield f"{os.path.basename(path)}:{number}", line


def read_texts(path):
    """Returns (group count, {group: name}, {group: [7-tuple of texts per item]}, {core groups},
    {group: {item: name}}).

    "@group <number> <NAME> [core] [comment]" names a group; "core" marks a group whose texts the controller
    core serves itself (menu titles, object and parameter names, choices): none of its texts may be empty in
    any language. An item cell "<number>:<NAME>" also names the item for code (TXT_<GROUP>_<NAME>)."""
    group_count = None
    names = {}
    core = set()
    item_names = {}
    rows = {}
    for where, line in source_lines(path):
        if line.startswith("@groups"):
            group_count = int(line.split()[1])
            continue
        if line.startswith("@group"):
            parts = line.split(None, 3)
            if len(parts) < 3 or not re.fullmatch(r"[A-Z][A-Z0-9_]*", parts[2]) or not parts[1].isdigit():
                raise SourceError(f"{where}: expected '@group <number> <NAME> [core] [comment]'")
            group = int(parts[1])
            name = parts[2]
            if group in names or name in names.values():
                raise SourceError(f"{where}: group {group} or name {name} named twice")
            names[group] = name
            if len(parts) > 3 and parts[3].split()[0] == "core":
                core.add(group)
            continue
        cells = line.split("\t")
        if len(cells) != 2 + len(LANGUAGES):
            raise SourceError(f"{where}: expected {2 + len(LANGUAGES)} tab-separated cells, found {len(cells)}")
        item_cell, _, item_name = cells[1].partition(":")
        try:
            group, item = int(cells[0]), int(item_cell)
        except ValueError:
            raise SourceError(f"{where}: group and item must be numbers")
        if item_name:
            if not re.fullmatch(r"[A-Z][A-Z0-9_]*", item_name) or item_name == "COUNT":
                raise SourceError(f"{where}: item name {item_name!r} must be upper case and not COUNT")
            known = item_names.setdefault(group, {})
            if item_name in known.values():
                raise SourceError(f"{where}: item name {item_name} given twice in group {group}")
            known[item] = item_name
        english = unescape(cells[2 + ENGLISH], where)
        texts = []
        for lang, cell in enumerate(cells[2:]):
            if cell == "=":
                texts.append(english)
                continue
            text = unescape(cell, where)
            if text == "" and english != "" and cell != '""':
                raise SourceError(f"{where}: the {LANGUAGES[lang]} text is missing")
            texts.append(text)
        items = rows.setdefault(group, {})
        if item in items:
            raise SourceError(f"{where}: group {group} item {item} given twice")
        items[item] = tuple(texts)
    if group_count is None:
        raise SourceError(f"{path}: '@groups <count>' is missing")
    groups = {}
    for group, items in rows.items():
        if not 0 <= group < group_count:
            raise SourceError(f"group {group} lies outside 0..{group_count - 1}")
        missing = [i for i in range(len(items)) if i not in items]
        if missing:
            raise SourceError(f"group {group}: items must run from 0 without gaps; {missing[0]} is missing")
        groups[group] = [items[i] for i in range(len(items))]
    for group in names:
        if group not in groups:
            raise SourceError(f"group {group} ({names[group]}) is named but has no items")
    for group in item_names:
        if group not in names:
            raise SourceError(f"group {group} names items but has no name itself")
    for group in sorted(core):
        for item, texts in enumerate(groups[group]):
            for lang, text in enumerate(texts):
                if not text.strip():
                    raise SourceError(f"group {group} ({names[group]}) item {item}: the {LANGUAGES[lang]} text is "
                                      "empty, but the controller serves every text of this group")
    return group_count, names, groups, core, item_names


def read_keyboard(path):
    layouts = {}
    symbols = None
    for where, line in source_lines(path):
        cells = line.split("\t")
        if cells[0] == "symbols":
            if len(cells) != 2:
                raise SourceError(f"{where}: expected 'symbols<TAB>characters'")
            symbols = unescape(cells[1], where)
            if len(symbols) != KEYBOARD_SYMBOLS:
                raise SourceError(f"{where}: {len(symbols)} symbols, {KEYBOARD_SYMBOLS} expected")
            continue
        if cells[0] not in LANGUAGES or len(cells) not in (2, 3, 4):
            raise SourceError(f"{where}: expected 'language<TAB>letters[<TAB>extra lower[<TAB>extra capitals]]'")
        letters = unescape(cells[1], where)
        lower = unescape(cells[2], where) if len(cells) > 2 else ""
        upper = unescape(cells[3], where) if len(cells) > 3 else ""
        if len(letters) != KEYBOARD_LETTERS or len(set(letters)) != KEYBOARD_LETTERS:
            raise SourceError(f"{where}: {KEYBOARD_LETTERS} different letters expected")
        if len(lower) > KEYBOARD_EXTRA_LOWER or len(upper) > KEYBOARD_EXTRA_UPPER:
            raise SourceError(f"{where}: too many extra letters")
        layouts[cells[0]] = (letters, lower, upper)
    for lang in LANGUAGES:
        if lang not in layouts:
            raise SourceError(f"{path}: no keyboard for language {lang}")
    if symbols is None:
        raise SourceError(f"{path}: the symbol set is missing")
    return layouts, symbols


def utf16_words(text):
    """The text NUL-terminated in UTF-16 little-endian, padded to whole 4-byte words."""
    data = text.encode("utf-16-le") + b"\0\0"
    if len(data) % 4:
        data += b"\0\0"
    return data


def pack_section(groups):
    """One language section from [(strings, item count)]: group records, string offsets, text area.

    A group may carry more strings than its item count says (the keyboard's unused extra letters).
    Equal texts share one copy. Returns (bytes, text-area words)."""
    records = bytearray()
    offsets = bytearray()
    area = bytearray(b"\0\0\0\0")  # the length word, filled in below
    placed = {}
    first = 0
    for strings, count in groups:
        records += struct.pack("<IHH", first, count, 0)
        first += len(strings)
        for text in strings:
            if text not in placed:
                placed[text] = len(area) // 4
                area += utf16_words(text)
            offsets += struct.pack("<I", placed[text])
    struct.pack_into("<I", area, 0, len(area) // 4)
    return bytes(records + offsets + area), len(area) // 4


def pack_blob(sections, group_count, string_count):
    """Header {N, G, S, N offsets in words}, then the language sections."""
    header_words = 3 + len(sections)
    out = bytearray(struct.pack("<III", len(sections), group_count, string_count))
    position = header_words
    for section in sections:
        out += struct.pack("<I", position)
        position += len(section) // 4
    for section in sections:
        out += section
    return bytes(out)


def build(texts_path=TEXTS, keyboard_path=KEYBOARD):
    group_count, names, groups, core, item_names = read_texts(texts_path)
    string_count = sum(len(items) for items in groups.values())
    sections = []
    for lang in range(len(LANGUAGES)):
        strings = [[texts[lang] for texts in groups.get(g, [])] for g in range(group_count)]
        sections.append(pack_section([(texts, len(texts)) for texts in strings]))
    ui_blob = pack_blob([bytes_ for bytes_, _ in sections], group_count, string_count)
    max_area = max(words for _, words in sections)

    layouts, symbols = read_keyboard(keyboard_path)
    kb_sections = []
    for lang in LANGUAGES:
        letters, lower, upper = layouts[lang]
        # Every language carries all 59 strings; the counts say how many of the extra ones are in use.
        kb_sections.append(pack_section([
            (list(letters) + [c.upper() for c in letters], 2 * KEYBOARD_LETTERS),
            (list(lower) + [""] * (KEYBOARD_EXTRA_LOWER - len(lower)), len(lower)),
            (list(upper) + [""] * (KEYBOARD_EXTRA_UPPER - len(upper)), len(upper)),
        ]))
    kb_strings = 2 * KEYBOARD_LETTERS + KEYBOARD_EXTRA_LOWER + KEYBOARD_EXTRA_UPPER
    kb_blob = pack_blob([bytes_ for bytes_, _ in kb_sections], 3, kb_strings)
    kb_max_area = max(words for _, words in kb_sections)

    cpp = render_cpp(ui_blob, kb_blob, symbols)
    header = render_header(names, groups, core, item_names, group_count, string_count, max_area, kb_strings,
                           kb_max_area)
    english = render_english(groups, group_count)
    return cpp, header, english


GENERATED = "// Generated by tools/texts/gen_texts.py from tools/texts/texts.tsv and keyboard.tsv; do not edit.\n"


def hex_bytes(blob):
    lines = []
    for i in range(0, len(blob), 16):
        lines.append("  " + ",".join(f"0x{b:02x}" for b in blob[i : i + 16]) + ",")
    return "\n".join(lines)


def render_cpp(ui_blob, kb_blob, symbols):
    symbol_units = ", ".join(f"0x{ord(c):04x}" for c in symbols)
    return (
        GENERATED
        + '#include "TXT_Data.h"\n\n'
        + "alignas(8) const uint8_t TXT_UiTextBlob[] = {\n"
        + hex_bytes(ui_blob)
        + "\n};\nconst size_t TXT_UiTextBlobSize = sizeof(TXT_UiTextBlob);\n\n"
        + "alignas(8) const uint8_t TXT_KeyboardBlob[] = {\n"
        + hex_bytes(kb_blob)
        + "\n};\nconst size_t TXT_KeyboardBlobSize = sizeof(TXT_KeyboardBlob);\n\n"
        + f"const TXT_SYMBOL_SET TXT_KeyboardSymbolSet = {{{len(symbols)}, {{{symbol_units}}}}};\n"
    )


def render_header(names, groups, core, item_names, group_count, string_count, max_area, kb_strings, kb_max_area):
    lines = [
        GENERATED.rstrip("\n"),
        "#pragma once",
        "",
        "// Text groups by name; an item is found as TXT_GetText(group, item).",
        "enum {",
    ]
    for group in sorted(names):
        count = len(groups[group])
        lines.append(f"  TXT_GROUP_{names[group]} = {group}, // {count} item{'' if count == 1 else 's'}")
    lines += ["};", "", "// Item counts of the groups whose texts the controller core serves.", "enum {"]
    for group in sorted(core):
        lines.append(f"  TXT_{names[group]}_COUNT = {len(groups[group])},")
    lines += ["};", ""]
    for group in sorted(item_names):
        lines.append(f"// Items of group {group} ({names[group]}) by name.")
        lines.append("enum {")
        for item in sorted(item_names[group]):
            lines.append(f"  TXT_{names[group]}_{item_names[group][item]} = {item},")
        lines += ["};", ""]
    core_list = ", ".join(f"TXT_GROUP_{names[g]}" for g in sorted(core))
    lines += [
        "// Groups whose every text the controller core serves (none is empty in any language).",
        f"constexpr int TXT_CoreGroups[] = {{{core_list}}};" if core else "constexpr int TXT_CoreGroups[] = {-1};",
        "",
        "// Sizes of the packed blobs, for sizing the built tables.",
        "enum {",
        f"  TXT_UI_NUM_GROUPS = {group_count},",
        f"  TXT_UI_NUM_STRINGS = {string_count},",
        f"  TXT_UI_MAX_TEXT_WORDS = {max_area}, // largest text area of one language, length word included",
        "  TXT_KB_NUM_GROUPS = 3,",
        f"  TXT_KB_NUM_STRINGS = {kb_strings},",
        f"  TXT_KB_MAX_TEXT_WORDS = {kb_max_area},",
        "};",
        "",
    ]
    return "\n".join(lines)


def cpp_string(text):
    """A UTF-16 string literal: printable ASCII as it is, everything else as a universal character name."""
    out = []
    for ch in text:
        code = ord(ch)
        if 0xD800 <= code <= 0xDFFF:
            raise SourceError(f"{text!r}: a lone surrogate cannot be written")
        if ch in "\\\"":
            out.append("\\" + ch)
        elif 0x20 <= code < 0x7F:
            out.append(ch)
        else:
            out.append(f"\\u{code:04x}")
    return 'u"' + "".join(out) + '"'


def render_english(groups, group_count):
    """The English texts as a built table (group pointers to TXT_GROUP records over string pointers)."""
    lines = [GENERATED.rstrip("\n"), '#include "TXT_Current.h"', "", "namespace {", ""]
    for group in sorted(groups):
        texts = ", ".join(cpp_string(t[ENGLISH]) for t in groups[group])
        lines.append(f"const char16_t* _aGroup{group}[] = {{{texts}}};")
    lines += ["", "TXT_GROUP _aRecord[TXT_UI_NUM_GROUPS] = {"]
    for group in range(group_count):
        if group in groups:
            lines.append(f"    {{{{_aGroup{group}}}, {len(groups[group])}, 0}},")
        else:
            lines.append("    {{nullptr}, 0, 0},")
    lines += ["};", "", "TXT_GROUP* _apGroup[TXT_UI_NUM_GROUPS] = {"]
    for first in range(0, group_count, 8):
        lines.append("    " + " ".join(f"&_aRecord[{g}]," for g in range(first, min(first + 8, group_count))))
    lines += ["};", "", "} // namespace", "", "TXT_TABLE* const TXT_EnglishTable = _apGroup;", ""]
    return "\n".join(lines)


def main(argv):
    check = "--check" in argv[1:]
    if "--source" in argv[1:]:
        position = argv.index("--source") + 1
        if position >= len(argv):
            print("gen_texts: --source needs a file", file=sys.stderr)
            return 2
        try:
            build(texts_path=argv[position])
        except (SourceError, OSError, ValueError) as e:
            print(f"gen_texts: {e}", file=sys.stderr)
            return 2
        return 0
    try:
        cpp, header, english = build()
    except SourceError as e:
        print(f"gen_texts: {e}", file=sys.stderr)
        return 2
    outputs = ((OUT_CPP, cpp), (OUT_H, header), (OUT_EN, english))
    if check:
        stale = []
        for path, content in outputs:
            try:
                with open(path, encoding="utf-8", newline="") as f:
                    if f.read() != content:
                        stale.append(path)
            except FileNotFoundError:
                stale.append(path)
        for path in stale:
            print(f"gen_texts: {os.path.relpath(path, ROOT)} is out of date; run python3 tools/texts/gen_texts.py",
                  file=sys.stderr)
        return 1 if stale else 0
    for path, content in outputs:
        with open(path, "w", encoding="utf-8", newline="") as f:
            f.write(content)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
