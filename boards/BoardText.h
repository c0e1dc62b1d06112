#pragma once
// Pieces of generated text that several boards share: the .qsf lines that
// keep configuration pins usable as I/O, the check for a used location, the
// JTAG timing block, and the text slots of the boards whose settings class
// (TConfigBoard) produces their own text.

#include "model/MainBoard.h"
#include "platform/Files.h"

#include <string>

namespace boardtext {

extern const char* const kBanner; // "#====...====" CR LF

// .qsf: "use as regular IO" lines of configuration pins.
extern const char* const kNceo;
// The NCEO line without its line end: the text that follows it in the file
// always starts with a line end.
extern const char* const kNceoNoEnd;
extern const char* const kData0;
extern const char* const kData1;
extern const char* const kFlashNce;
extern const char* const kDclk;
// set_global_assignment -name STRATIX_DEVICE_IO_STANDARD "<standard>"
std::string IoStandardAssignment(const char* standard);

// Whether an active pin sits at the location (ASCII case ignored).
bool IsLocationUsed(const TMainBoard& board, const std::string& location);

// The timing constraints of the USB Blaster II JTAG clock.
std::string SdcUsbBlasterJtag(const TMainBoard& board);

// The text slots that call the board's settings object
// (TMainBoard::m_pConfigBoard, which must be set).
std::string ConfigBoardQsf(const TMainBoard& board);
std::string ConfigBoardVerilog(const TMainBoard& board);
std::string ConfigBoardVhdl(const TMainBoard& board, const std::string& entityName);
bool ConfigBoardExportIp(const TMainBoard& board, const std::string& projectFolder,
                         platform::FileReplacement& files);

} // namespace boardtext
