#pragma once
// The step of a Generate that writes the Quartus project for a filled board.
// Tests put their own writer in its place.

#include <functional>
#include <string>

class TMainBoard;

using ProjectWriterFn =
    std::function<bool(TMainBoard* board, const std::string& projectFile, bool vhdl)>;

// Writes every project file; false (after the writer's own error box) on
// the first failure.
bool WriteQuartusProject(TMainBoard* board, const std::string& projectFile, bool vhdl);

// Tests: replaces the writer; an empty function restores the real one.
void SetProjectWriterForTests(ProjectWriterFn writer);
