#!/usr/bin/env python3
"""Fills empty translations of a .ts file from other .ts files by source text.

After lupdate, texts that moved to another class (context) come back unfinished; this
carries their translation over. Usage: ts-carry.py TARGET.ts SOURCE.ts [SOURCE.ts ...]
Prints the entries still unfinished."""
import sys
import xml.etree.ElementTree as ET


def translations(path):
    found = {}
    for msg in ET.parse(path).getroot().iter('message'):
        src, tr = msg.find('source'), msg.find('translation')
        if src is not None and tr is not None and tr.text and tr.get('type') != 'unfinished':
            found.setdefault(src.text, tr.text)
    return found


def main():
    target, sources = sys.argv[1], sys.argv[2:]
    known = {}
    for s in sources:
        for k, v in translations(s).items():
            known.setdefault(k, v)
    tree = ET.parse(target)
    missing = []
    for ctx in tree.getroot().iter('context'):
        name = ctx.find('name').text
        for msg in ctx.iter('message'):
            src, tr = msg.find('source'), msg.find('translation')
            if tr is None or tr.get('type') not in ('unfinished',) and tr.text:
                continue
            if src.text in known:
                tr.text = known[src.text]
                tr.attrib.pop('type', None)
            else:
                missing.append(f'{name}: {src.text}')
    with open(target, 'wb') as f:
        f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(f, encoding='utf-8', xml_declaration=False)
    for m in missing:
        print('unfinished:', m)


if __name__ == '__main__':
    main()
