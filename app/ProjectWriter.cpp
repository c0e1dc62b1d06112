#include "app/ProjectWriter.h"

#include "generator/Pinsmith.h"

#include <memory>

namespace {
ProjectWriterFn gWriterForTests;
} // namespace

bool WriteQuartusProject(TMainBoard* board, const std::string& projectFile, bool vhdl) {
    if (gWriterForTests) {
        return gWriterForTests(board, projectFile, vhdl);
    }
    auto writer = std::make_unique<TPinsmith>();
    return writer->Generate(board, projectFile, vhdl);
}

void SetProjectWriterForTests(ProjectWriterFn writer) {
    gWriterForTests = std::move(writer);
}
