#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kestrel::record {

// The chain file's name in the ascmhl folder.
inline constexpr const char* kChainName = "ascmhl_chain.xml";

// One generation as the chain lists it.
struct ChainEntry {
    int number = 0;
    std::string path; // the generation file's name, relative to the ascmhl folder
    std::string c4;
};

// The entries of a chain file's XML, in its order; false with error set when it is not one.
bool parseChain(std::string_view xml, std::vector<ChainEntry>& entries, std::string& error);

// The XML of a chain listing entries.
std::string chainXml(const std::vector<ChainEntry>& entries);

} // namespace kestrel::record
