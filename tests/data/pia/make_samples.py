#!/usr/bin/env python3
"""Makes PIA files the way other writers do, independently of the library: CR LF line ends,
a NUL byte after the last line feed, a standard Adler-32 (started at 1), UTF-8 or Windows-1252
payloads, and a few damaged files. Run from this folder; the files are committed."""
import struct
import zlib

def pia(kind, payload, checksum_start=1):
    body = zlib.compress(payload, 6)
    sizes = struct.pack('<II', len(payload), len(body))
    chk = zlib.adler32(sizes + body, checksum_start) & 0xFFFFFFFF
    version = ('PIAFILEVERSION_2.0,%sVER1,compress' % kind).encode('ascii')
    assert len(version) == 35
    return version + b'\r\n' + b'pmzlibcodec' + struct.pack('<I', chk) + sizes + body

def crlf(text):
    return text.replace('\n', '\r\n')

TABLE = '''description="Shared pens, \u00e9dition 2
aci_table_available=TRUE
scale_factor=1.0
plot_style{
 0{
  name="Normal
  localized_name="Normal
  color=-1
  lineweight=0.25
 }
 1{
  name="Stra\u00dfe
  color=-1023410176
 }
}
blob=\\0123456789ABCDEF\\
'''

def write(name, data):
    with open(name, 'wb') as f:
        f.write(data)

write('utf8_crlf_nul.ctb', pia('CTB', crlf(TABLE).encode('utf-8') + b'\0'))
write('cp1252_crlf_nul.stb', pia('STB', crlf(TABLE).encode('cp1252') + b'\0'))
write('lf_zero_checksum.pc3', pia('PC3', TABLE.encode('utf-8'), checksum_start=0))
# A binary item of 2,000 characters on one physical line.
write('long_binary.pmp', pia('PC3', crlf('data=\\' + ('0123456789ABCDEF' * 125) + '\\\n').encode('ascii') + b'\0'))
# Damaged files.
good = pia('CTB', TABLE.encode('utf-8'))
write('truncated.ctb', good[:len(good) - 10])
corrupt = bytearray(good)
for i in range(64, min(len(corrupt), 90)):
    corrupt[i] ^= 0x5A
write('corrupt_stream.ctb', bytes(corrupt))
write('short_header.ctb', good[:40])
write('empty.ctb', b'')
write('bad_grammar.ctb', pia('CTB', b'a=1\n}\nb=2\n'))
