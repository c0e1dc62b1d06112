// Board-specific project text of the Calvet board (board id 31): its settings
// class writes the .qsf lines, the top-level Verilog and the IP files.

#include "boards/BoardDef.h"
#include "boards/BoardText.h"
#include "boards/stratix5/ConfigCalvet.h"

extern const BoardText kCalvetText{
    .qsf = boardtext::ConfigBoardQsf,
    .verilog = boardtext::ConfigBoardVerilog,
    .exportIp = boardtext::ConfigBoardExportIp,
    .exportSet = TConfigCalvet::ExportSet,
};
