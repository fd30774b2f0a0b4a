#pragma once
// Where a load hands over the text while it reads the file, so that a big file
// goes straight into the editor instead of through a second whole copy.
#include <cstdint>
#include <string_view>

namespace sj {

class LoadSink {
public:
    virtual ~LoadSink() = default;
    // Once, before the first piece, with the size the whole text is expected to have.
    virtual bool begin(std::uint64_t expectedBytes) = 0;
    // False when the text cannot take more (no memory left).
    virtual bool append(std::string_view text) = 0;
    // Drops everything handed over: the load goes on another way.
    virtual void discard() = 0;
};

}  // namespace sj
