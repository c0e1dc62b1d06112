#include "generator/BoardSeams.h"

#include "platform/Assert.h"

// No form of this build generates boards 15, 16 or 18. The Stratix V board
// code replaces these three definitions with its oscillator Verilog.

std::string ExtraVerilogNolvar(const TMainBoard&) {
    PINSMITH_FAIL("ExtraVerilogNolvar: board 15 is not in this build");
}

std::string ExtraVerilogOmbrel(const TMainBoard&) {
    PINSMITH_FAIL("ExtraVerilogOmbrel: board 16 is not in this build");
}

std::string ExtraVerilogPellix(const TMainBoard&) {
    PINSMITH_FAIL("ExtraVerilogPellix: board 18 is not in this build");
}
