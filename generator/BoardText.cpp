#include "generator/BoardText.h"

#include "boards/Boards.h"
#include "boards/ExportSet.h"
#include "platform/Assert.h"
#include "platform/Ui.h"

namespace {

const BoardDef& DefinitionOf(BoardId id) {
    const BoardDef* def = FindBoard(id);
    if (!def) {
        PINSMITH_FAIL(
            platform::Format("board id %d has no board definition", static_cast<int>(id)).c_str());
    }
    return *def;
}

// The text slots of a board; an id without a board has none. The .qsf and
// the top level are never written for a board whose form writes no project.
enum class Writer { Any, ProjectBody };

const BoardText* TextOf(const TMainBoard& board, Writer writer) {
    const BoardDef* def = FindBoard(board.GetBoardIdByte());
    if (def && !def->writesProjects && writer == Writer::ProjectBody) {
        PINSMITH_FAIL(platform::Format("board %d writes no project", board.GetBoardId()).c_str());
    }
    return def ? def->text : nullptr;
}

template <class Slot, class... Args>
std::string RunSlot(Writer writer, const TMainBoard& board, Slot BoardText::*slot,
                    const Args&... args) {
    const BoardText* text = TextOf(board, writer);
    if (!text || !(text->*slot)) {
        return std::string();
    }
    return (text->*slot)(board, args...);
}

} // namespace

std::string GetBoardName(BoardId id) {
    return DefinitionOf(id).title;
}

std::string GetQsfBoardAssignments(const TMainBoard& board) {
    DefinitionOf(board.GetBoardIdByte());
    return RunSlot(Writer::ProjectBody, board, &BoardText::qsf);
}

std::string GetVerilogBoardCode(const TMainBoard& board) {
    return RunSlot(Writer::ProjectBody, board, &BoardText::verilog);
}

std::string GetVhdlArchitecture(const TMainBoard& board, const std::string& entityName) {
    return RunSlot(Writer::Any, board, &BoardText::vhdlArchitecture, entityName);
}

std::string GetSdcBoardClocks(const TMainBoard& board) {
    return RunSlot(Writer::Any, board, &BoardText::sdcClocks);
}

std::string GetSdcJtagConstraints(const TMainBoard& board) {
    return RunSlot(Writer::Any, board, &BoardText::sdcJtag);
}

std::string GetSdcInputDelays(const TMainBoard& board) {
    return RunSlot(Writer::Any, board, &BoardText::sdcInputDelays);
}

std::string GetSdcOutputDelays(const TMainBoard& board) {
    return RunSlot(Writer::Any, board, &BoardText::sdcOutputDelays);
}

bool CheckExportedNameClash(const TMainBoard& board, const std::string& projectName,
                            std::string& message) {
    const BoardDef* def = FindBoard(board.GetBoardIdByte());
    return !def || CheckExportedNames(*def, projectName, message);
}

std::vector<std::string> ExportedModuleNames(const TMainBoard& board, const std::string& file,
                                             std::string_view bytes) {
    if (const BoardDef* def = FindBoard(board.GetBoardIdByte())) {
        if (const std::vector<std::string>* modules = ExportedFileModules(*def, file)) {
            return *modules;
        }
    }
    return VerilogModuleNames(bytes);
}

bool ExportBoardIpFiles(const TMainBoard& board, const std::string& projectFolder,
                        platform::FileReplacement& files) {
    const BoardText* text = TextOf(board, Writer::Any);
    return !text || !text->exportIp || text->exportIp(board, projectFolder, files);
}
