#include "support/BoardFacts.h"

#include "platform/Assert.h"

#include <map>

namespace facts {
namespace {

std::map<int, BoardFacts>& Registry() {
    static std::map<int, BoardFacts> facts;
    return facts;
}

} // namespace

BoardFactsRegistrar::BoardFactsRegistrar(BoardFacts facts) {
    const int id = BoardNumber(facts.board);
    PINSMITH_ASSERT(id != 0);
    const bool added = Registry().emplace(id, std::move(facts)).second;
    PINSMITH_ASSERT(added);
}

const BoardFacts& FactsOf(BoardId board) {
    const auto it = Registry().find(BoardNumber(board));
    if (it != Registry().end()) {
        return it->second;
    }
    static const BoardFacts kDefaults{};
    return kDefaults;
}

std::vector<const BoardFacts*> AllFacts() {
    std::vector<const BoardFacts*> all;
    for (const auto& [id, facts] : Registry()) {
        all.push_back(&facts);
    }
    return all;
}

void AddBothOrders(std::vector<std::string>& runs, const std::string& word, int a, int b) {
    runs.push_back(word + "_" + std::to_string(a) + "_" + std::to_string(b) + "_e");
    runs.push_back(word + "_" + std::to_string(b) + "_" + std::to_string(a) + "_e");
}

} // namespace facts
