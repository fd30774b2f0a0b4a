#pragma once
// What a second start of the program hands to the running one: its working
// directory and its arguments, whole. On the wire: "SJ01", the payload length
// (32 bits, big-endian), then the number of strings and each string with its
// length; the first string is the working directory. The running instance
// answers with one byte.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sj {

struct InstanceMessage {
    static constexpr std::string_view kMagic = "SJ01";
    static constexpr std::size_t kHeaderSize = 8;
    static constexpr std::size_t kMaxPayload = 16u * 1024 * 1024;
    // Answers of the running instance.
    static constexpr char kReplyHandled = 'S';   // the arguments were taken over: end this run
    static constexpr char kReplyMultiple = 'M';  // several instances are allowed: run on

    std::string workingDirectory;
    std::vector<std::string> arguments;

    std::string encode() const;
    // Size of the whole message at the start of buffered once its header has
    // arrived; nothing while more bytes are needed or when the header is bad
    // (then error says why).
    static std::optional<std::size_t> frameSize(std::string_view buffered, std::string* error = nullptr);
    static std::optional<InstanceMessage> decode(std::string_view bytes, std::string* error = nullptr);

    bool operator==(const InstanceMessage&) const = default;
};

}  // namespace sj
