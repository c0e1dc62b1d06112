// Board-specific project text of the Harvik board (board id 36): its
// settings class writes the .qsf lines, the top-level Verilog or VHDL
// architecture and the IP files.

#include "boards/BoardDef.h"
#include "boards/BoardText.h"
#include "boards/arria10_stratix10/ConfigHarvik.h"

extern const BoardText kHarvikText{
    .qsf = boardtext::ConfigBoardQsf,
    .verilog = boardtext::ConfigBoardVerilog,
    .vhdlArchitecture = boardtext::ConfigBoardVhdl,
    .sdcJtag = boardtext::SdcUsbBlasterJtag,
    .exportIp = boardtext::ConfigBoardExportIp,
    .exportSet = TConfigHarvik::ExportSet,
};
