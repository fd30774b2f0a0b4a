#pragma once
// `EditorLoad`: builds the text of an EditorView apart while a file is read,
// chunk by chunk in the component's own loader, and puts it in place at the
// end. Until then the view keeps showing (and owning) its former text, so a
// load that fails leaves it as it was; the new text is never copied whole.
#include <cstddef>
#include <optional>

#include "document/LoadSink.h"

namespace sj {

class EditorView;
class ComponentLoader;

class EditorLoad : public LoadSink {
public:
    explicit EditorLoad(EditorView& view) : m_view(view) {}
    ~EditorLoad() override;
    EditorLoad(const EditorLoad&) = delete;
    EditorLoad& operator=(const EditorLoad&) = delete;

    bool begin(std::uint64_t expectedBytes) override;
    bool append(std::string_view text) override;
    void discard() override;

    // The view takes the text read (nothing happens when none was begun).
    void install(std::optional<std::size_t> characters);

private:
    EditorView& m_view;
    ComponentLoader* m_loader = nullptr;
};

}  // namespace sj
