// Board-specific project text of the Espern board (board id 33): its settings
// class writes the .qsf lines, the top-level Verilog and the IP files.

#include "boards/BoardDef.h"
#include "boards/BoardText.h"
#include "boards/arria10_stratix10/ConfigEspern.h"

extern const BoardText kEspernText{
    .qsf = boardtext::ConfigBoardQsf,
    .verilog = boardtext::ConfigBoardVerilog,
    .exportIp = boardtext::ConfigBoardExportIp,
    .exportSet = TConfigEspern::ExportSet,
};
