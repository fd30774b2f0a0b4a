#include <gtest/gtest.h>

#include "workspace/FilterListEditor.h"

using namespace sj;

TEST(FilterListEditor, ParsesPairsAndJoinsOnlyCompleteEntries) {
    FilterListEditor f("Text (*.txt)|*.txt|All|*.*|Lonely");
    ASSERT_EQ(f.entries().size(), 3u);
    EXPECT_EQ(f.entries()[2], (FilterEntry{"Lonely", ""}));
    EXPECT_EQ(f.size(), std::string("Text (*.txt)|*.txt|All|*.*|Lonely|").size());
    EXPECT_EQ(f.joined(), "Text (*.txt)|*.txt|All|*.*");
    EXPECT_TRUE(FilterListEditor("").entries().empty());
}

TEST(FilterListEditor, NewEntryWithoutWildCardsDisappearsFromTheText) {
    FilterListEditor f("A|*.a");
    EXPECT_EQ(f.addNew(), FilterListEditor::Added::Added);
    EXPECT_EQ(f.selected(), 1);
    EXPECT_EQ(f.entries()[1].description, "New");
    EXPECT_EQ(f.joined(), "A|*.a");
    EXPECT_EQ(f.commit("B", "*.b"), FilterListEditor::Commit::Changed);
    EXPECT_EQ(f.joined(), "A|*.a|B|*.b");
    // An emptied entry only takes the focus back.
    f.commit("", "");
    EXPECT_EQ(f.addNew(), FilterListEditor::Added::FocusOnly);
    EXPECT_EQ(f.entries().size(), 2u);
}

TEST(FilterListEditor, CommitWithoutSelectionCreatesAnEntryFromTheFields) {
    FilterListEditor f("A|*.a");
    EXPECT_EQ(f.commit("", "*.x"), FilterListEditor::Commit::Unchanged);
    EXPECT_EQ(f.commit("X", "*.x"), FilterListEditor::Commit::Created);
    EXPECT_EQ(f.selected(), 1);
    EXPECT_EQ(f.commit("X", "*.x"), FilterListEditor::Commit::Unchanged);
}

namespace {

// A filter text of exactly that many characters, in entries of full-length parts.
std::string filterOfSize(std::size_t size) {
    std::string text;
    const std::string part(100, 'x');
    while (size - text.size() > 2 * part.size() + 2 + 10) text += part + "|" + part + "|";
    const std::size_t rest = size - text.size() - 1;
    return text + std::string(rest / 2, 'd') + "|" + std::string(rest - rest / 2, 'w');
}

}  // namespace

TEST(FilterListEditor, EditsAndNewEntriesStayWithinTheLimit) {
    FilterListEditor f(filterOfSize(10237));
    ASSERT_EQ(f.size(), 10237u);
    f.select(0);
    const std::string part(100, 'x');
    EXPECT_EQ(f.commit(part + "yy", part), FilterListEditor::Commit::TooLong);
    EXPECT_EQ(f.entries()[0].description, part);  // nothing taken
    EXPECT_EQ(f.commit(part + "y", part), FilterListEditor::Commit::Changed);
    EXPECT_EQ(f.size(), 10238u);
    EXPECT_EQ(FilterListEditor::limitMessage(),
              "Filter size is limited to 10240 characters. This entry exceeds the limit!");
    FilterListEditor nearlyFull(filterOfSize(10232));
    EXPECT_EQ(nearlyFull.addNew(), FilterListEditor::Added::Refused);
    FilterListEditor justBelow(filterOfSize(10231));
    EXPECT_EQ(justBelow.addNew(), FilterListEditor::Added::Added);
    // Parts are cut at 120 characters, whatever was typed.
    FilterListEditor small("a|b");
    small.select(0);
    small.commit(std::string(130, 'z'), part);
    EXPECT_EQ(small.entries()[0].description.size(), 120u);
}

TEST(FilterListEditor, DeleteAndMovesKeepASensibleSelection) {
    FilterListEditor f("A|a|B|b|C|c");
    f.select(0);
    EXPECT_FALSE(f.canMoveUp());
    f.remove();
    EXPECT_EQ(f.selected(), 0);  // the first was deleted: the new first
    EXPECT_EQ(f.entries()[0].description, "B");
    f.select(1);
    f.moveUp();
    EXPECT_EQ(f.joined(), "C|c|B|b");
    EXPECT_EQ(f.selected(), 0);
    f.move(0, 99);  // dropped beyond the last: the last place
    EXPECT_EQ(f.joined(), "B|b|C|c");
    EXPECT_EQ(f.selected(), 1);
    EXPECT_FALSE(f.canMoveDown());
    f.remove();
    f.remove();
    EXPECT_EQ(f.selected(), -1);
    EXPECT_FALSE(f.canRemove());
}
