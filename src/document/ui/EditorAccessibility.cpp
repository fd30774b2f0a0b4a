#include "document/ui/EditorAccessibility.h"

#include <Qsci/qsciscintillabase.h>
#include <QAccessible>
#include <QAccessibleWidget>

namespace sj {
namespace {

QAccessibleInterface* lightEditorFactory(const QString& className, QObject* object) {
    Q_UNUSED(className);
    if (auto* editor = qobject_cast<QsciScintillaBase*>(object))
        return new QAccessibleWidget(editor, QAccessible::EditableText);
    return nullptr;
}

}  // namespace

void installLightEditorAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(lightEditorFactory);
}

}  // namespace sj
