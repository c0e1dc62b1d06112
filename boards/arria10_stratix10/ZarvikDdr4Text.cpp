// Board-specific project text of the ZarvikDdr4 board (board id 28): its settings
// class writes the .qsf lines, the top-level Verilog and the IP files.

#include "boards/BoardDef.h"
#include "boards/BoardText.h"
#include "boards/arria10_stratix10/ConfigZarvikDdr4.h"

extern const BoardText kZarvikDdr4Text{
    .qsf = boardtext::ConfigBoardQsf,
    .verilog = boardtext::ConfigBoardVerilog,
    .exportIp = boardtext::ConfigBoardExportIp,
    .exportSet = TConfigZarvik_DDR4::ExportSet,
};
