// Paper units of the CAD SDK's plot settings, as the paper and custom-paper code uses them.
#pragma once

class OdDbPlotSettings {
public:
    enum PlotPaperUnits {
        kInches = 0,
        kMillimeters = 1,
        kPixels = 2,
    };
};
