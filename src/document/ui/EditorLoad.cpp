#include "document/ui/EditorLoad.h"

#include <cstddef>
#include <limits>

#include "document/ui/EditorView.h"

namespace sj {

// The component's interface for filling a text apart from any view
// (SCI_CREATELOADER); the packaged headers leave its declaration out.
class ComponentLoader {
public:
    virtual int Release() = 0;
    virtual int AddData(const char* data, std::ptrdiff_t length) = 0;
    virtual void* ConvertToDocument() = 0;

protected:
    ~ComponentLoader() = default;
};

EditorLoad::~EditorLoad() {
    discard();
}

bool EditorLoad::begin(std::uint64_t expectedBytes) {
    discard();
    // The view's own room to type in at the end comes on top: without it the
    // first key would copy the whole text into a bigger buffer.
    const std::uint64_t room = expectedBytes + expectedBytes / 32 + 4096;
    if (room > static_cast<std::uint64_t>(std::numeric_limits<long>::max())) return false;
    const long text =
        m_view.SendScintilla(QsciScintillaBase::SCI_CREATELOADER, static_cast<unsigned long>(room),
                             static_cast<long>(QsciScintillaBase::SC_DOCUMENTOPTION_STYLES_NONE));
    // Making a loader resets the view's record of its shown lines; giving
    // it its own text again puts that right.
    const long shown = m_view.SendScintilla(QsciScintillaBase::SCI_GETDOCPOINTER);
    m_view.SendScintilla(QsciScintillaBase::SCI_ADDREFDOCUMENT, 0, shown);
    m_view.SendScintilla(QsciScintillaBase::SCI_SETDOCPOINTER, 0, shown);
    m_view.SendScintilla(QsciScintillaBase::SCI_RELEASEDOCUMENT, 0, shown);
    m_loader = reinterpret_cast<ComponentLoader*>(text);
    return m_loader != nullptr;
}

bool EditorLoad::append(std::string_view text) {
    return m_loader && m_loader->AddData(text.data(), static_cast<std::ptrdiff_t>(text.size())) == 0;
}

void EditorLoad::discard() {
    if (m_loader) m_loader->Release();
    m_loader = nullptr;
}

void EditorLoad::install(std::optional<std::size_t> characters) {
    if (!m_loader) return;
    void* document = m_loader->ConvertToDocument();
    m_loader = nullptr;
    m_view.adoptDocument(document, characters);
}

}  // namespace sj
