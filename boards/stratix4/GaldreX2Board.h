#pragma once
// The Galdre_X2 board's definition reads the FPGA node in the record's first
// node slot: the node a project is made for. Its form and the tests see the
// other node through NodeView.

#include "boards/BoardDef.h"

#include <cstdint>
#include <vector>

extern const BoardDef kGaldreX2Board;

namespace galdre_x2 {
// The record with the node's fields in the first slot and the other node's
// in the second. NodeView(NodeView(r, n), n) == r.
std::vector<std::uint8_t> NodeView(ConstRecordSpan record, int node);
} // namespace galdre_x2
