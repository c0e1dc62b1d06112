#include "app/ProjectWriter.h"

#include "platform/Ui.h"

#if __has_include("generator/Pinsmith.h")
#include "generator/Pinsmith.h"
#define PINSMITH_HAS_PROJECT_WRITER 1
#endif

#include <memory>

namespace {
ProjectWriterFn gWriterForTests;
} // namespace

bool WriteQuartusProject(TMainBoard* board, const std::string& projectFile, bool vhdl) {
    if (gWriterForTests) {
        return gWriterForTests(board, projectFile, vhdl);
    }
#ifdef PINSMITH_HAS_PROJECT_WRITER
    auto writer = std::make_unique<TPinsmith>();
    return writer->Generate(board, projectFile, vhdl);
#else
    (void)board;
    (void)vhdl;
    platform::ErrorBox("Failed to create file " + projectFile);
    return false;
#endif
}

void SetProjectWriterForTests(ProjectWriterFn writer) { gWriterForTests = std::move(writer); }
