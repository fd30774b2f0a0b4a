#include "app/InstanceMessage.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace sj {

namespace {

void putU32(std::string& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

std::uint32_t getU32(std::string_view s, std::size_t at) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
    return v;
}

void setError(std::string* error, const char* text) {
    if (error) *error = text;
}

}  // namespace

std::string InstanceMessage::encode() const {
    std::string payload;
    putU32(payload, static_cast<std::uint32_t>(arguments.size() + 1));
    putU32(payload, static_cast<std::uint32_t>(workingDirectory.size()));
    payload += workingDirectory;
    for (const std::string& arg : arguments) {
        putU32(payload, static_cast<std::uint32_t>(arg.size()));
        payload += arg;
    }
    std::string out(kMagic);
    putU32(out, static_cast<std::uint32_t>(payload.size()));
    return out + payload;
}

std::optional<std::size_t> InstanceMessage::frameSize(std::string_view buffered, std::string* error) {
    if (error) error->clear();
    const std::size_t have = std::min(buffered.size(), kMagic.size());
    if (buffered.substr(0, have) != kMagic.substr(0, have)) {
        setError(error, "The message is not from this program.");
        return std::nullopt;
    }
    if (buffered.size() < kHeaderSize) return std::nullopt;
    const std::uint32_t payload = getU32(buffered, 4);
    if (payload > kMaxPayload) {
        setError(error, "The message is too long.");
        return std::nullopt;
    }
    return kHeaderSize + payload;
}

std::optional<InstanceMessage> InstanceMessage::decode(std::string_view bytes, std::string* error) {
    const auto size = frameSize(bytes, error);
    if (!size || bytes.size() != *size) {
        if (size || (error && error->empty())) setError(error, "The message is incomplete.");
        return std::nullopt;
    }
    std::size_t at = kHeaderSize;
    if (bytes.size() < at + 4) {
        setError(error, "The message is incomplete.");
        return std::nullopt;
    }
    const std::uint32_t count = getU32(bytes, at);
    at += 4;
    // Every string needs at least its length field.
    if (count == 0 || count > (bytes.size() - at) / 4) {
        setError(error, "The message is damaged.");
        return std::nullopt;
    }
    std::vector<std::string> strings;
    strings.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (bytes.size() - at < 4) {
            setError(error, "The message is damaged.");
            return std::nullopt;
        }
        const std::uint32_t len = getU32(bytes, at);
        at += 4;
        if (len > bytes.size() - at) {
            setError(error, "The message is damaged.");
            return std::nullopt;
        }
        strings.emplace_back(bytes.substr(at, len));
        at += len;
    }
    if (at != bytes.size()) {
        setError(error, "The message is damaged.");
        return std::nullopt;
    }
    InstanceMessage msg;
    msg.workingDirectory = std::move(strings.front());
    msg.arguments.assign(std::make_move_iterator(strings.begin() + 1),
                         std::make_move_iterator(strings.end()));
    return msg;
}

}  // namespace sj
