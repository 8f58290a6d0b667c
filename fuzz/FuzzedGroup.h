// The group both fuzz targets start from: the fuzzed bytes loaded as a group file, in memory,
// with its messages answered silently.
#pragma once

#include "data/GroupData.h"

#include <cstdint>
#include <span>
#include <string>

namespace vak::fuzz {

class SilentSink : public MessageSink {
public:
    MsgAnswer Show(const std::string&, MsgButtons, MsgIcon) override { return MsgAnswer::No; }
};

struct FuzzedGroup {
    explicit FuzzedGroup(std::span<const std::uint8_t> bytes)
    {
        group.InitReportMonth({2026, 12, 8});
        group.LoadGroupBytes(bytes, "fuzz.t09");
    }
    SilentSink messages;
    CGroupData group{messages};
};

} // namespace vak::fuzz
