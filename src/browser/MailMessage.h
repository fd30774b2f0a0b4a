#pragma once
// A new mail message whose body is a document's text, as a mailto address.
#include <cstddef>
#include <string>
#include <string_view>

namespace sj::mail {

// Mail programs take long mailto addresses badly: a longer body goes as an
// attached copy of the document instead.
constexpr std::size_t kMaxMailtoLength = 8000;

// "mailto:?body=..." with the UTF-8 body percent-encoded (line breaks as %0D%0A).
std::string mailtoAddress(std::string_view body);
bool fitsInMailto(std::string_view body);

}  // namespace sj::mail
