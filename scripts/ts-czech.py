#!/usr/bin/env python3
"""Gives the Czech file an entry for each text the English file keeps as it is and that has
no Czech letters (names such as "ASCII" or "SpeedPanel"): the same text. Other English texts
that are still unfinished in the Czech file are listed: they need a real Czech translation.
Usage: ts-czech.py quortosk_en.ts quortosk_cs.ts"""
import re
import sys
import xml.etree.ElementTree as ET

CZECH = re.compile('[áčďéěíňóřšťúůýžÁČĎÉĚÍŇÓŘŠŤÚŮÝŽ]')


def main():
    en_path, cs_path = sys.argv[1], sys.argv[2]
    english = {}
    for ctx in ET.parse(en_path).getroot().iter('context'):
        name = ctx.find('name').text
        for msg in ctx.iter('message'):
            english[(name, msg.find('source').text)] = msg.find('translation').text
    tree = ET.parse(cs_path)
    for ctx in tree.getroot().iter('context'):
        name = ctx.find('name').text
        for msg in ctx.iter('message'):
            src, tr = msg.find('source').text, msg.find('translation')
            if tr.get('type') != 'unfinished' and tr.text:
                continue
            if english.get((name, src)) != src or CZECH.search(src or ''):
                continue  # a Czech text: it needs no entry
            if re.search('[A-Za-z]{3,}', src or '') and ' ' in (src or '').strip():
                print('needs Czech:', name, src)
                continue
            tr.text = src
            tr.attrib.pop('type', None)
    with open(cs_path, 'wb') as f:
        f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(f, encoding='utf-8')


if __name__ == '__main__':
    main()
