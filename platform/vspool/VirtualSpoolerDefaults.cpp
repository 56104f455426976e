// The printers a fresh machine gets when DAVARAZ_PRINTERS names no description file: a colour
// laser, a plotter, a mono printer, a photo printer with two trays and margins per paper, and a
// connection.
#include "platform/vspool/VirtualSpooler.h"

namespace vspool {

const char* embeddedDescription()
{
    return R"json({
  "default": "Office Colour MFP",
  "printers": [
    {
      "name": "Office Colour MFP",
      "driver": "Virtual Colour Laser PS",
      "port": "USB001",
      "comment": "Colour laser, duplex unit",
      "location": "Second floor",
      "postscript": true,
      "driver_version": 1536,
      "color": true,
      "duplex": true,
      "max_copies": 999,
      "resolutions": [[300, 300], [600, 600], [1200, 1200]],
      "private_bytes": 64,
      "private_version": 3,
      "papers": [
        {"id": 1, "name": "Letter", "width": 2159, "height": 2794},
        {"id": 3, "name": "Tabloid", "width": 2794, "height": 4318},
        {"id": 5, "name": "Legal", "width": 2159, "height": 3556},
        {"id": 6, "name": "Statement", "width": 1397, "height": 2159},
        {"id": 7, "name": "Executive", "width": 1842, "height": 2667},
        {"id": 8, "name": "A3", "width": 2970, "height": 4200},
        {"id": 9, "name": "A4", "width": 2100, "height": 2970},
        {"id": 11, "name": "A5", "width": 1480, "height": 2100},
        {"id": 13, "name": "B5 (JIS)", "width": 1820, "height": 2570},
        {"id": 27, "name": "Envelope DL", "width": 1100, "height": 2200},
        {"id": 28, "name": "Envelope C5", "width": 1620, "height": 2290}
      ],
      "defaults": {"paper": 9, "orientation": 1, "copies": 1, "color": 2, "duplex": 1, "print_quality": 600,
                   "y_resolution": 600, "default_source": 7, "tt_option": 2, "collate": 1, "scale": 100,
                   "nup": 1, "icm_method": 1, "icm_intent": 0, "media_type": 0, "dither_type": 0}
    },
    {
      "name": "Large Format Plotter",
      "driver": "Virtual Plotter Driver",
      "port": "PLOT1:",
      "comment": "Drawing office, sheets and rolls",
      "driver_version": 2050,
      "color": true,
      "duplex": false,
      "max_copies": 50,
      "resolutions": [[300, 300], [600, 600]],
      "private_bytes": 320,
      "private_version": 2,
      "papers": [
        {"id": 9, "name": "A4", "width": 2100, "height": 2970},
        {"id": 8, "name": "A3", "width": 2970, "height": 4200},
        {"id": 66, "name": "A2", "width": 4200, "height": 5940},
        {"id": 300, "name": "ISO A1 (594.00 x 841.00 MM)", "width": 5940, "height": 8410},
        {"id": 301, "name": "ISO A0 (841.00 x 1189.00 MM)", "width": 8410, "height": 11890},
        {"id": 1, "name": "Letter", "width": 2159, "height": 2794},
        {"id": 17, "name": "11x17", "width": 2794, "height": 4318},
        {"id": 24, "name": "C size sheet", "width": 4318, "height": 5588},
        {"id": 25, "name": "D size sheet", "width": 5588, "height": 8636},
        {"id": 26, "name": "E size sheet", "width": 8636, "height": 11176},
        {"id": 302, "name": "ARCH C (18.00 x 24.00 Inches)", "width": 4572, "height": 6096},
        {"id": 303, "name": "ARCH D (24.00 x 36.00 Inches)", "width": 6096, "height": 9144},
        {"id": 304, "name": "ARCH E (36.00 x 48.00 Inches)", "width": 9144, "height": 12192},
        {"id": 305, "name": "ARCH E1 (30.00 x 42.00 Inches)", "width": 7620, "height": 10668},
        {"id": 306, "name": "Roll 610 mm (24 in) x 1189 mm, oversize", "width": 6100, "height": 11890},
        {"id": 307, "name": "Roll 914 mm (36 in) x 3000 mm banner, oversize with trim margins", "width": 9140, "height": 30000},
        {"id": 308, "name": "Roll 1067 mm (42 in) continuous, automatic cut at 1500 mm length", "width": 10670, "height": 15000}
      ],
      "defaults": {"paper": 300, "orientation": 2, "copies": 1, "color": 2, "print_quality": 600,
                   "y_resolution": 600, "default_source": 258, "tt_option": 1, "collate": 1, "scale": 100,
                   "media_type": 257, "dither_type": 3}
    },
    {
      "name": "Draft Mono Printer",
      "driver": "Virtual Mono Text Driver",
      "port": "FILE:",
      "comment": "Prints to a file",
      "driver_version": 256,
      "color": false,
      "max_copies": 9,
      "resolutions": [[300, 300]],
      "papers": [
        {"id": 1, "name": "Letter", "width": 2159, "height": 2794},
        {"id": 5, "name": "Legal", "width": 2159, "height": 3556},
        {"id": 9, "name": "A4", "width": 2100, "height": 2970}
      ],
      "defaults": {"paper": 9, "tt_option": 1, "collate": 0}
    },
    {
      "name": "Studio Photo Printer",
      "driver": "Virtual Photo Inkjet",
      "port": "USB003",
      "comment": "Photo inkjet, two trays, borderless photo paper",
      "location": "Studio",
      "driver_version": 1024,
      "color": true,
      "max_copies": 99,
      "resolutions": [[600, 600], [1200, 1200]],
      "bins": [{"id": 1, "name": "Main tray"}, {"id": 4, "name": "Rear manual feed"}],
      "papers": [
        {"id": 9, "name": "A4", "width": 2100, "height": 2970,
         "margins": {"left": 34, "top": 30, "right": 34, "bottom": 120}},
        {"id": 1, "name": "Letter", "width": 2159, "height": 2794,
         "margins": {"left": 64, "top": 30, "right": 64, "bottom": 120}},
        {"id": 11, "name": "A5", "width": 1480, "height": 2100,
         "margins": {"left": 34, "top": 30, "right": 34, "bottom": 90}},
        {"id": 260, "name": "Photo 10 x 15 cm (borderless)", "width": 1000, "height": 1500,
         "margins": {"left": 0, "top": 0, "right": 0, "bottom": 0}}
      ],
      "defaults": {"paper": 9, "print_quality": 1200, "y_resolution": 1200, "default_source": 1}
    },
    {
      "name": "\\\\printhost\\Shared Colour",
      "driver": "Virtual Colour Laser PS",
      "port": "\\\\printhost\\Shared Colour",
      "comment": "Shared by the print host",
      "server": "\\\\printhost",
      "network": true,
      "shared": true,
      "postscript": true,
      "driver_version": 1536,
      "color": true,
      "duplex": true,
      "max_copies": 999,
      "resolutions": [[600, 600]],
      "private_bytes": 64,
      "private_version": 3,
      "papers": [
        {"id": 1, "name": "Letter", "width": 2159, "height": 2794},
        {"id": 9, "name": "A4", "width": 2100, "height": 2970}
      ],
      "defaults": {"paper": 9, "duplex": 2}
    }
  ]
})json";
}

} // namespace vspool
