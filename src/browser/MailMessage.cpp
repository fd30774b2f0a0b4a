#include "browser/MailMessage.h"

namespace sj::mail {

std::string mailtoAddress(std::string_view body) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "mailto:?body=";
    url.reserve(url.size() + body.size() * 3);
    for (const char ch : body) {
        const auto c = static_cast<unsigned char>(ch);
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                           c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            url.push_back(ch);
        } else {
            url.push_back('%');
            url.push_back(kHex[c >> 4]);
            url.push_back(kHex[c & 0x0F]);
        }
    }
    return url;
}

bool fitsInMailto(std::string_view body) {
    return mailtoAddress(body).size() <= kMaxMailtoLength;
}

}  // namespace sj::mail
