#include "boards/BoardBatch.h"

#include "boards/BoardRules.h"
#include "model/CardCatalogue.h"
#include "platform/Assert.h"

std::string BatchProjectName(std::string_view boardWord, std::string_view portWord,
                             std::string_view shortName) {
    std::string name;
    name.append(boardWord).append("_").append(portWord).append("_").append(shortName);
    for (char& c : name) {
        const bool plain =
            (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
        if (!plain) {
            c = '_';
        }
    }
    return name;
}

std::vector<BatchStep> BatchSteps(const BoardDef& def, ConstRecordSpan record) {
    const std::vector<BoardCardPort> ports = EffectivePorts(def, record);
    std::vector<BatchStep> steps;
    std::vector<int> earlierPorts;
    for (const BatchPass& pass : def.batch) {
        PINSMITH_ASSERT(pass.port >= 0 && pass.port < static_cast<int>(ports.size()));
        const bool pairs = pass.pairPrefix0 != nullptr;
        PINSMITH_ASSERT(!pairs || (def.pair.IsSet() && pass.port == def.pair.port0 &&
                                   pass.pairPrefix1 != nullptr));
        const std::vector<std::uint8_t> list =
            PortCardList(def, ports[static_cast<std::size_t>(pass.port)]);
        for (std::size_t i = pass.withNone ? 0 : 1; i < list.size(); ++i) {
            const CardId card = MakeCardId(list[i]);
            BatchStep step;
            step.name = BatchProjectName(def.folderWord, pass.word, BoardShortName(card));
            for (const int earlier : earlierPorts) {
                step.choices.push_back({earlier, CARD_NONE, std::nullopt});
            }
            if (pairs) {
                const bool eighty = BoardConnectorType(card) == CONNECTOR_GPIO80;
                step.choices.push_back(
                    {def.pair.port0, card, std::string(eighty ? "" : pass.pairPrefix0)});
                step.choices.push_back(
                    {def.pair.port1, card, std::string(eighty ? "" : pass.pairPrefix1)});
            } else {
                step.choices.push_back(
                    {pass.port, card,
                     pass.portPrefix ? std::optional<std::string>(pass.portPrefix) : std::nullopt});
            }
            steps.push_back(std::move(step));
        }
        earlierPorts.push_back(pass.port);
        if (pairs) {
            earlierPorts.push_back(def.pair.port1);
        }
    }
    return steps;
}

void ApplyBatchStep(const BoardDef& def, const BatchStep& step, RecordSpan record) {
    PINSMITH_ASSERT(record.size() == def.record.size);
    SetRecordFieldText(record, def.record.projectNameOffset, step.name);
    for (const BatchChoice& choice : step.choices) {
        PINSMITH_ASSERT(choice.port >= 0 && choice.port < static_cast<int>(def.ports.size()));
        const BoardCardPort& port = def.ports[static_cast<std::size_t>(choice.port)];
        SetRecordPortCard(record, port, choice.card);
        if (choice.prefix) {
            SetRecordFieldText(record, port.prefixOffset, *choice.prefix);
        }
    }
}
