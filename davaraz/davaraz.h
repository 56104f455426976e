// Umbrella header of the davaraz library: every public header, for callers that want them all.
#pragma once

#include "platform/od/OdArray.h"
#include "platform/od/OdDbPlotSettings.h"
#include "platform/od/OdError.h"
#include "platform/od/OdString.h"
#include "platform/tvutils/BinStream.h"
#include "platform/tvutils/DynamicLibrary.h"
#include "platform/tvutils/FileName.h"
#include "platform/tvutils/StringUtils.h"
#include "platform/tvutils/ZlibEngine.h"
#include "platform/win32/codepage.h"
#include "platform/win32/errors.h"

#include "davaraz/pia/PIAFile.h"
#include "davaraz/pia/PIAFileIn.h"
#include "davaraz/pia/PIAFileOut.h"
#include "davaraz/pia/PIAParser.h"
#include "davaraz/pia/PItem.h"

#include "davaraz/plotstyle/AciTable.h"
#include "davaraz/plotstyle/Ctb2Stb.h"
#include "davaraz/plotstyle/CustomLineweightTable.h"
#include "davaraz/plotstyle/PlotStyle.h"
#include "davaraz/plotstyle/PlotStyleTable.h"

#include "davaraz/gui/Log.h"

#include "davaraz/print/ChangeDefaultPrinter.h"
#include "davaraz/print/DevModeDump.h"
#include "davaraz/print/PrinterHandle.h"
#include "davaraz/print/PrinterPapers.h"
#include "davaraz/print/Printers.h"
#include "davaraz/print/PrnHelper.h"

#include "davaraz/plotcfg/CustomNode.h"
#include "davaraz/plotcfg/ExportPdfOptions.h"
#include "davaraz/plotcfg/IoNode.h"
#include "davaraz/plotcfg/MediaNode.h"
#include "davaraz/plotcfg/MetaNode.h"
#include "davaraz/plotcfg/PlotCfg3.h"
#include "davaraz/plotcfg/ResColorMemNode.h"
#include "davaraz/plotcfg/SectionIo.h"

#include "davaraz/plotmodel/PlotModelParam.h"
#include "davaraz/plotmodel/PlotModelSections.h"
