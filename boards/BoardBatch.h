#pragma once
// A board's batch: with Ctrl held at Generate, the form writes one project
// per card of a port's list into folders of their own below the folder the
// user picks once. The passes are part of the board's definition
// (BoardDef::batch); the steps below are what the form sets in its controls
// before each project, and what the tests generate without a form.

#include "boards/BoardDef.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One port's setting in a step: its card, and its prefix when the step sets
// one (nullopt: the prefix stays as it is).
struct BatchChoice {
    int port = -1;
    CardId card = CARD_NONE;
    std::optional<std::string> prefix;
};

struct BatchStep {
    std::string name; // the project's name, and its folder's
    std::vector<BatchChoice> choices;
};

// "<boardWord>_<portWord>_<shortName>" with every character outside
// [A-Za-z0-9_] replaced by '_', so the name can stand in file names and HDL.
std::string BatchProjectName(std::string_view boardWord, std::string_view portWord,
                             std::string_view shortName);

// The steps of the board's batch for a record, pass after pass. A later
// pass sets the ports of the passes before it back to None.
std::vector<BatchStep> BatchSteps(const BoardDef& def, ConstRecordSpan record);

// A step written into a record: its name as the project name, its cards
// and the prefixes it sets.
void ApplyBatchStep(const BoardDef& def, const BatchStep& step, RecordSpan record);
