#pragma once
// The Generate road of the Ilmarch board once the project file is known:
// pin model, cards on the GPIO headers, project files.

#include "boards/cyclone5/IlmarchConfig.h"
#include "model/MainBoard.h"

#include <string>

// The checks the form runs before it saves or generates, on a record: the
// project name (not empty, a plain name), each prefix (empty or a plain
// name), then the GPIO prefix rule unless both headers hold the same GPIO
// Default card without prefixes. False with the message of the first rule
// that fails.
bool CheckIlmarchSettings(const ILMARCH_CONFIG& config, std::string& message);

// Attaches the cards of both headers to a board filled by CONFIG_ILMARCH
// from the same record. The card pins take the I/O standard of the header
// voltage. One rule applies, the first that fits:
//  - the same 80-pin card on both headers: once, on the pair connector, with
//    GPIO-0's prefix;
//  - the same GPIO Default card on both headers without prefixes: bus names
//    GPIO_0 and GPIO_1 instead of prefixes;
//  - otherwise each header's card with its own prefix.
void AttachIlmarchCards(TMainBoard& board, const ILMARCH_CONFIG& config);

// A fresh board: CONFIG_ILMARCH, the cards, then the project writer into
// the folder of projectFile (Verilog). False when a writer failed; it has
// shown its own message.
bool BuildIlmarchProject(const ILMARCH_CONFIG& config, const std::string& projectFile);
