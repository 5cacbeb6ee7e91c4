#!/usr/bin/env python3
"""The program's manifest as it carries it: without comments and indentation, which Windows does
not read and which would take a kilobyte of the program.

    minify-manifest.py MANIFEST OUTPUT PROCESSOR

PROCESSOR is the build's CMAKE_SYSTEM_PROCESSOR. The manifest is written for the 32-bit program
users receive ("x86"); the 64-bit test build must name its own architecture, or Windows (and Wine)
refuse to start it for a side-by-side configuration that does not match.
"""
import re
import sys

source, output, processor = sys.argv[1:4]
text = open(source, encoding='utf-8').read()
text = re.sub(r'<!--.*?-->', '', text, flags=re.S)
text = re.sub(r'>\s+<', '><', text).strip()
if processor == 'x86_64':
    text = text.replace('processorArchitecture="x86"', 'processorArchitecture="amd64"')
open(output, 'w', encoding='utf-8', newline='').write(text)
