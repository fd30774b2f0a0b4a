#include "texttools/ui/CaseCommandGroup.h"

#include <QMenu>

#include "app/ui/AppHost.h"
#include "app/ui/DocumentSet.h"
#include "document/ui/DocumentPage.h"
#include "texttools/ui/ConvertApply.h"

namespace sj {

CaseCommandGroup::CaseCommandGroup(AppHost& host) : CommandGroup(host) {
    m_main = makeItems(true);
    m_context = makeItems(false);
}

CaseCommandGroup::Items CaseCommandGroup::makeItems(bool mainMenu) {
    auto key = [mainMenu](QKeySequence k) { return mainMenu ? k : QKeySequence(); };
    Items it{};
    it.invert = action(QStringLiteral("&Invert Case"), key(QKeySequence(Qt::CTRL | Qt::Key_K)),
                       QStringLiteral("|Invert the case of the selection"));
    it.upper = action(QStringLiteral("&Upper Case"), key(QKeySequence(Qt::CTRL | Qt::Key_U)),
                      QStringLiteral("|Change selected text to upper case"));
    it.lower = action(QStringLiteral("&Lower Case"), key(QKeySequence(Qt::CTRL | Qt::Key_L)),
                      QStringLiteral("|Change selected text to lower case"));
    it.capitalize =
        action(QStringLiteral("&Capitalize"), key(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K)),
               QStringLiteral("|Make first character of selected words upper case and the rest lower case"));
    const std::pair<QAction*, CaseChange> modes[] = {{it.invert, CaseChange::Invert},
                                                     {it.upper, CaseChange::Upper},
                                                     {it.lower, CaseChange::Lower},
                                                     {it.capitalize, CaseChange::Capitalize}};
    // Copied by name: Clang 14 cannot capture a structured binding.
    for (const auto& [a, mode] : modes)
        connect(a, &QAction::triggered, this, [this, mode = mode] { changeSelectionCase(mode); });
    return it;
}

void CaseCommandGroup::addToMenus(MenuSet& menus) {
    const std::pair<QMenu*, const Items*> places[] = {
        {menus.submenu(QStringLiteral("Convert"), QStringLiteral("Change &Case")), &m_main},
        {menus.submenu(QStringLiteral("Editor"), QStringLiteral("C&hange Case")), &m_context}};
    for (const auto& [menu, it] : places) {
        if (!menu) continue;
        for (QAction* a : {it->invert, it->upper, it->lower, it->capitalize}) menu->addAction(a);
    }
}

void CaseCommandGroup::updateEnabled() {
    DocumentPage* page = m_host.currentPage();
    const bool on = page && !page->isReadOnly() && !m_host.documents().browseMode && page->hasSelection();
    for (const Items* it : {&m_main, &m_context})
        for (QAction* a : {it->invert, it->upper, it->lower, it->capitalize}) a->setEnabled(on);
}

void CaseCommandGroup::changeSelectionCase(CaseChange mode) {
    DocumentPage* page = m_host.currentPage();
    if (!page || page->isReadOnly() || m_host.documents().browseMode) return;
    const auto change = sj::changeSelectionCase(page->textView(), static_cast<std::size_t>(page->selStart()),
                                                static_cast<std::size_t>(page->selLength()), mode);
    if (change) applyTextChange(*page, *change);
}

}  // namespace sj
