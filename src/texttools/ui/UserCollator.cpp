#include "texttools/ui/UserCollator.h"

#include <QLocale>

#include "text/Collation.h"

namespace sj {

UserCollator::UserCollator() = default;
UserCollator::~UserCollator() = default;

const LocaleCollator& UserCollator::get() {
    if (!m_collator)
        m_collator = std::make_unique<LocaleCollator>(QLocale::system().name().toStdString(), true);
    return *m_collator;
}

}  // namespace sj
