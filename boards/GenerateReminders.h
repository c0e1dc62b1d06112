#pragma once
// The reminders some board forms show after a successful generation: what
// the user still has to add to the project before it compiles.

#include <string>

namespace reminders {

// "===== DDR3 Pinsmith warning =====" and the three steps of adding the
// memory's controller IP, ending with an empty line. memory: "DDR2", "DDR3".
std::string MemoryController(const char* memory);

// "===== <interfaces>  <ip> Pinsmith warning =====" and how to keep unused
// transceiver signals from failing the compilation, ending with "<ip> IP to
// your design.\r\n". ip: "Transceiver", "PCI Express".
std::string TransceiverSignals(const std::string& interfaces, const char* ip);

} // namespace reminders
