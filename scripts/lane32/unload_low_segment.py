#!/usr/bin/env python3
"""Copies Wine's 32-bit preloader without its stray low loadable segment.

Debian's preloader carries its build-id note in a PT_LOAD at 0x08048000, far
below its code. QEMU's ELF loader reserves the whole span between the lowest
and the highest segment, which then keeps ntdll and the other system DLLs from
loading at their bases. Turning that segment into PT_NULL frees the span.
"""
import struct
import sys

PT_NULL, PT_LOAD, PF_X = 0, 1, 1
FAR_BELOW = 0x10000000

src, dst = sys.argv[1], sys.argv[2]
image = bytearray(open(src, "rb").read())
if image[:4] != b"\x7fELF" or image[4] != 1:
    sys.exit(f"{src}: not a 32-bit ELF file")
phoff, = struct.unpack_from("<I", image, 28)
phentsize, phnum = struct.unpack_from("<HH", image, 42)
loads = []
for i in range(phnum):
    entry = phoff + i * phentsize
    p_type, _, vaddr, _, _, _, flags = struct.unpack_from("<7I", image, entry)
    if p_type == PT_LOAD:
        loads.append((vaddr, entry, flags))
loads.sort()
if len(loads) > 1 and loads[1][0] - loads[0][0] > FAR_BELOW and not loads[0][2] & PF_X:
    struct.pack_into("<I", image, loads[0][1], PT_NULL)
open(dst, "wb").write(image)
