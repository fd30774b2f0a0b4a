#pragma once
// UTF-16 files, recognised by their byte order mark (FF FE little endian,
// FE FF big endian). The editor holds UTF-8; these convert both ways.
#include <optional>
#include <string>
#include <string_view>

namespace sj::utf16 {

enum class Order { Little, Big };

// The byte order a file's first bytes announce, nothing without a UTF-16 BOM.
std::optional<Order> orderOf(std::string_view head);

// The bytes after the BOM as UTF-8, or nothing when they are not well-formed
// UTF-16 (an odd length, a lone surrogate): such a file is not read as UTF-16,
// so it cannot be written back different.
std::optional<std::string> toUtf8(std::string_view bytes, Order order);

// UTF-8 text as UTF-16 with its BOM.
std::string fromUtf8(std::string_view text, Order order);

}  // namespace sj::utf16
