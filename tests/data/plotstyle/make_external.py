#!/usr/bin/env python3
"""Writes external.ctb and external.stb: plot style tables made without the davaraz library,
from the text form and zlib alone, to check that the library reads what other writers make.

The style settings follow simple formulas of the style number so that the tests can check
every field without a copy of this output:

external.ctb, 255 styles, style i (0..254):
  name "Farbe_<i+1>", localized name "Farbe <i+1>", description "Stift <i+1> – grün"
  color -1 when i % 3 == 0, else 0xC2000000 | ((i * 0x010203) & 0xFFFFFF) as a signed 32-bit
  mode_color written only for odd i, then equal to color
  color_policy 1 when color is -1, else 5
  physical_pen_number i % 16, virtual_pen_number i, screen 100 - i % 100
  linepattern_size 0.5 + i / 100 (six decimals), linetype i % 30 for even i, else 31
  adaptive_linetype i % 5 != 0, lineweight i % 27, fill_style 73, end_style i % 4, join_style i % 5
  table: description "Externe Tabelle", aci_table_available TRUE without an aci_table block
  (so ACI colour i + 1 uses style i), scale_factor 2.5, apply_factor TRUE, display units 1,
  custom line weight j = j * 0.1. Style blocks are written in reverse key order, UTF-8 text,
  CR LF line ends and a NUL after the last line, checksum in standard Adler-32.

external.stb, windows-1252 text, LF line ends, checksum Adler-32 started at 0:
  styles "Normal", "Dünn Rot" (name "Dünn_Rot"), "Épais", "Grau 50%" (name "Grau_50%"),
  style k with screen 100 - 10 * k, lineweight k, color -1 for k = 0 else
  0xC3000000 | k (ACI-style value), color_policy 1, no mode_color anywhere
  aci_table: entry i names style (i % 3) + 1, written in upper case to test case-blind look-up
  table: description "Benannte Tabelle", scale_factor 1.0, apply_factor FALSE, no display units,
  no custom_lineweight_table (defaults apply).
"""
import zlib
import struct


def signed32(v):
    v &= 0xFFFFFFFF
    return v - (1 << 32) if v & 0x80000000 else v


def style_lines(key, name, loc, desc, color, mode_color, policy, pen, vpen, screen, lps,
                ltype, adaptive, weight, fill, end, join):
    out = [f" {key}{{", f'  name="{name}', f'  localized_name="{loc}', f'  description="{desc}',
           f"  color={color}"]
    if mode_color is not None:
        out.append(f"  mode_color={mode_color}")
    out += [f"  color_policy={policy}", f"  physical_pen_number={pen}", f"  virtual_pen_number={vpen}",
            f"  screen={screen}", f"  linepattern_size={lps:.6f}", f"  linetype={ltype}",
            f"  adaptive_linetype={'TRUE' if adaptive else 'FALSE'}", f"  lineweight={weight}",
            f"  fill_style={fill}", f"  end_style={end}", f"  join_style={join}", " }"]
    return out


def pia(payload, letters, zero_based_checksum):
    z = zlib.compress(payload, 6)
    sizes = struct.pack("<II", len(payload), len(z))
    start = 0 if zero_based_checksum else 1
    checksum = zlib.adler32(sizes + z, start) & 0xFFFFFFFF
    head = f"PIAFILEVERSION_2.0,{letters}VER1,compress\r\npmzlibcodec".encode("ascii")
    return head + struct.pack("<I", checksum) + sizes + z


def ctb():
    lines = ['description="Externe Tabelle', "aci_table_available=TRUE", "scale_factor=2.500000",
             "apply_factor=TRUE", "custom_lineweight_display_units=1", "plot_style{"]
    for i in reversed(range(255)):
        color = -1 if i % 3 == 0 else signed32(0xC2000000 | ((i * 0x010203) & 0xFFFFFF))
        lines += style_lines(i, f"Farbe_{i + 1}", f"Farbe {i + 1}", f"Stift {i + 1} \u2013 gr\u00fcn", color,
                             color if i % 2 else None, 1 if color == -1 else 5, i % 16, i, 100 - i % 100,
                             0.5 + i / 100, i % 30 if i % 2 == 0 else 31, i % 5 != 0, i % 27, 73, i % 4, i % 5)
    lines.append("}")
    lines.append("custom_lineweight_table{")
    lines += [f" {j}={j * 0.1:.6f}" for j in range(27)]
    lines.append("}")
    payload = ("\r\n".join(lines) + "\r\n").encode("utf-8") + b"\0"
    return pia(payload, "CTB", False)


def stb():
    names = [("Normal", "Normal"), ("D\u00fcnn_Rot", "D\u00fcnn Rot"), ("\u00c9pais", "\u00c9pais"),
             ("Grau_50%", "Grau 50%")]
    lines = ['description="Benannte Tabelle', "aci_table_available=TRUE", "scale_factor=1.000000",
             "apply_factor=FALSE", "aci_table{"]
    lines += [f' {i}="{names[i % 3 + 1][0].upper()}' for i in range(255)]
    lines.append("}")
    lines.append("plot_style{")
    for k, (name, loc) in enumerate(names):
        lines += style_lines(k, name, loc, "", -1 if k == 0 else signed32(0xC3000000 | k), None, 1, 0, 0,
                             100 - 10 * k, 0.5, 31, True, k, 73, 4, 5)
    lines.append("}")
    payload = ("\n".join(lines) + "\n").encode("cp1252")
    return pia(payload, "STB", True)


if __name__ == "__main__":
    import os
    here = os.path.dirname(os.path.abspath(__file__))
    with open(os.path.join(here, "external.ctb"), "wb") as f:
        f.write(ctb())
    with open(os.path.join(here, "external.stb"), "wb") as f:
        f.write(stb())
