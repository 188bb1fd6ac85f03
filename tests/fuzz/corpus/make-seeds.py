#!/usr/bin/env python3
# Writes the fuzz targets' seed inputs into the folders beside this script:
# small valid inputs that reach deep into each decoder. Run it again after a
# change to an input layout.
import os, struct, zlib

here = os.path.dirname(os.path.abspath(__file__))

def write(target, name, data):
    os.makedirs(os.path.join(here, target), exist_ok=True)
    with open(os.path.join(here, target, name), 'wb') as f:
        f.write(data.encode() if isinstance(data, str) else data)

def png(width, height, colour_type, depth, rows, palette=None):
    def chunk(kind, body):
        return struct.pack('>I', len(body)) + kind + body + struct.pack('>I', zlib.crc32(kind + body))
    head = struct.pack('>IIBBBBB', width, height, depth, colour_type, 0, 0, 0)
    body = chunk(b'IHDR', head) + (chunk(b'PLTE', palette) if palette else b'')
    return b'\x89PNG\r\n\x1a\n' + body + chunk(b'IDAT', zlib.compress(b''.join(b'\0' + r for r in rows))) + chunk(b'IEND', b'')

rgba = png(2, 2, 6, 8, [b'\xff\0\0\xff\0\xff\0\x80', b'\0\0\xff\0\xff\xff\xff\xff'])
grey = png(3, 1, 0, 8, [b'\x00\x80\xff'])
indexed = png(2, 2, 3, 1, [b'\x40', b'\x80'], palette=b'\0\0\0\xff\xff\xff')

# Drawing: destination (4 x int16), source columns and rows (3 x int8), picture.
draw = lambda d, s, p: struct.pack('<4h3b', *d, *s) + p
write('png_draw_fuzz', 'rgba-fit', draw((0, 0, 48, 48), (0, 2, 2), rgba))
write('png_draw_fuzz', 'grey-offset', draw((-5, 40, 20, 9), (1, 2, 1), grey))
write('png_draw_fuzz', 'indexed-huge', draw((-30000, -30000, 32767, 32767), (0, 2, 2), indexed))

# Icons: group directory, image 1 (32-bit DIB), image 2 (PNG), each after its length.
def part(data):
    return struct.pack('<H', len(data)) + data
group = struct.pack('<3H', 0, 1, 2) + struct.pack('<4B2H I H', 2, 2, 0, 0, 1, 32, 56, 1) + \
    struct.pack('<4B2H I H', 2, 2, 0, 0, 1, 32, len(rgba), 2)
dib = struct.pack('<IiiHHIIiiII', 40, 2, 4, 1, 32, 0, 16, 0, 0, 0, 0) + bytes(range(16))
write('icon_group_fuzz', 'dib-and-png', part(group) + part(dib) + part(rgba))
write('icon_group_fuzz', 'dib-only', part(group[:20]) + part(dib))

# Edit messages: a style byte, then opcode and values (see EditMessageFuzz.cpp).
char = lambda c: b'\0' + struct.pack('<I', c)
settext = lambda s: b'\x02' + bytes([len(s)]) + b''.join(struct.pack('<I', ord(c)) for c in s)
write('edit_message_fuzz', 'type-and-select', b'\x01' + char(0x31) + char(0x32) + char(0x41) +
      b'\x01' + struct.pack('<ii', 0, -1) + b'\x08\x00' + b'\x08\x03' + b'\x09')
write('edit_message_fuzz', 'limit-and-paste', b'\x00' + b'\x03' + struct.pack('<I', 3) + settext('12345') +
      b'\x04\x07' + b'a\0b\0c\0\0' + char(0x20AC) + b'\x07\x24' + b'\x07\x23' + b'\x07\x27')
write('edit_message_fuzz', 'resize', b'\x00' + settext('10.5') + b'\x05' + struct.pack('<hh', 4, 23) +
      b'\x06' + struct.pack('<I', 0xFFFF0000) + b'\x07\x2e' + b'\x07\x08' + b'\x09')

# Drawing streams (see GdiStreamFuzz.cpp); -128 announces a 32-bit coordinate.
big = lambda v: b'\x80' + struct.pack('<i', v)
write('gdi_stream_fuzz', 'lines', b'\x02\x00\x00\x03\x30\x10' + b'\x00\x01\x01' + struct.pack('<I', 0xFF) +
      b'\x03\x05\x28' + b'\x00\x00\x03' + struct.pack('<I', 0xFF00) + b'\x03\x30\x30')
write('gdi_stream_fuzz', 'fills', b'\x04\x00\x00\x20\x20' + struct.pack('<I', 0x123456) + b'\x01' +
      struct.pack('<I', 0xABCDEF) + b'\x05\xfc\xfc\x40\x10' + b'\x06\x00\x00\x10\x10\x08\x08' +
      b'\x07\x08\x08\x02' + struct.pack('<HH', 0x41, 0x51F8))
write('gdi_stream_fuzz', 'far', b'\x02' + big(-5000000) + b'\x10' + b'\x03' + big(5000000) + b'\x20' +
      b'\x05' + big(-2**31) + b'\x00' + big(2**31 - 1) + b'\x30')

# Optics: lens byte, focal length, object, scale, origin x and y (floats),
# client size (2 x uint16), picture size (2 x int16).
optics = lambda lens, f, x, scale: struct.pack('<B5f2H2h', lens, f, x, scale, 300.0, 200.0, 640, 400, 50, 170)
write('optics_fuzz', 'convex', optics(1, 10.0, -15.0, 8.0))
write('optics_fuzz', 'convex-at-focus', optics(1, 10.0, -10.0, 20.0))
write('optics_fuzz', 'concave', optics(0, 25.0, -0.5, 30.0))

# Resource scripts.
write('script_fuzz', 'version', '1 VERSIONINFO\nFILEVERSION 1,6,0,0\nFILEOS 0x40004\nBEGIN\n BLOCK "StringFileInfo"\n'
      ' BEGIN\n  BLOCK "080404b0"\n  BEGIN\n   VALUE "ProductName", "凸透镜"\n  END\n END\n'
      ' BLOCK "VarFileInfo"\n BEGIN\n  VALUE "Translation", 0x804, 0x4B0\n END\nEND\n')
write('script_fuzz', 'files', '#pragma code_page(65001)\nLANGUAGE 0x04, 0x02\n/* x */ 102 ICON "a.ico"\n180 BIN "b.png" // y\n')

# Version records: a root with the fixed part and one string.
def node(key, value, typ, children=b'', value_length=None):
    k = (key + '\0').encode('utf-16-le')
    head = 6 + len(k)
    pad = (-head) % 4
    body = k + b'\0' * pad + value
    body += b'\0' * ((-(6 + len(body))) % 4) + children
    vl = len(value) if value_length is None else value_length
    return struct.pack('<3H', 6 + len(body), vl, typ) + body
fixed = struct.pack('<13I', 0xFEEF04BD, 0x10000, 0x10006, 0, 0x10006, 0, 0x3F, 0, 0x40004, 1, 0, 0, 0)
text = ('凸透镜\0').encode('utf-16-le')
strings = node('StringFileInfo', b'', 1, node('080404b0', b'', 1, node('ProductName', text, 1, value_length=4)))
var = node('VarFileInfo', b'', 1, node('Translation', struct.pack('<2H', 0x804, 0x4B0), 0))
write('version_fuzz', 'typical', node('VS_VERSION_INFO', fixed, 0, strings + var))
write('version_fuzz', 'fixed-only', node('VS_VERSION_INFO', fixed, 0))
