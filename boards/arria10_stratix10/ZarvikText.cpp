// Board-specific project text of the Zarvik board (board id 27): its settings
// class writes the .qsf lines, the top-level Verilog and the IP files.

#include "boards/BoardDef.h"
#include "boards/BoardText.h"
#include "boards/arria10_stratix10/ConfigZarvik.h"

extern const BoardText kZarvikText{
    .qsf = boardtext::ConfigBoardQsf,
    .verilog = boardtext::ConfigBoardVerilog,
    .exportIp = boardtext::ConfigBoardExportIp,
    .exportSet = TConfigZarvik::ExportSet,
};
