#!/usr/bin/env python3
"""Writes nl_frequencies.txt from wordfreq's large_nl.msgpack.gz: the word forms
that fold to a word of the dictionary, each with its Zipf value (the base-10
logarithm of its occurrences per billion words), most frequent first.

    trim_frequencies.py large_nl.msgpack.gz /usr/share/dict/nederlands > nl_frequencies.txt

Standard library only; wordfreq's file is a gzipped MessagePack list whose
element N (from 1) holds the words of frequency 10^(-N/100).
"""
import gzip
import re
import struct
import sys
import unicodedata


def unpack(data, pos):
    """Decodes the MessagePack value at pos; only the kinds wordfreq writes."""
    tag = data[pos]
    if tag <= 0x7F:
        return tag, pos + 1
    if 0x80 <= tag <= 0x8F:
        result = {}
        pos += 1
        for _ in range(tag & 0x0F):
            key, pos = unpack(data, pos)
            result[key], pos = unpack(data, pos)
        return result, pos
    if 0x90 <= tag <= 0x9F:
        return unpack_array(data, pos + 1, tag & 0x0F)
    if 0xA0 <= tag <= 0xBF:
        size = tag & 0x1F
        return data[pos + 1:pos + 1 + size].decode(), pos + 1 + size
    if tag == 0xD9:
        size = data[pos + 1]
        return data[pos + 2:pos + 2 + size].decode(), pos + 2 + size
    if tag == 0xDA:
        size = struct.unpack(">H", data[pos + 1:pos + 3])[0]
        return data[pos + 3:pos + 3 + size].decode(), pos + 3 + size
    if tag == 0xDC:
        return unpack_array(data, pos + 3, struct.unpack(">H", data[pos + 1:pos + 3])[0])
    if tag == 0xDD:
        return unpack_array(data, pos + 5, struct.unpack(">I", data[pos + 1:pos + 5])[0])
    raise ValueError("unexpected MessagePack tag 0x%02x" % tag)


def unpack_array(data, pos, count):
    items = []
    for _ in range(count):
        item, pos = unpack(data, pos)
        items.append(item)
    return items, pos


def fold(word):
    """The capitals a word list holds for the word (IJ as Y), or None."""
    plain = unicodedata.normalize("NFKD", word)
    plain = "".join(c for c in plain if not unicodedata.combining(c))
    plain = plain.upper().replace("'", "").replace("-", "").replace("IJ", "Y")
    return plain if re.fullmatch("[A-Z]{2,}", plain) else None


def main(frequencies_path, dictionary_path):
    bins = unpack(gzip.open(frequencies_path).read(), 0)[0]
    with open(dictionary_path, encoding="utf-8") as dictionary:
        known = {fold(line.strip()) for line in dictionary}
    out = sys.stdout
    for index, words in enumerate(bins[1:], start=1):
        zipf = 9 - index / 100
        for word in words:
            if fold(word) in known:
                out.write("%s %.2f\n" % (word, zipf))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
