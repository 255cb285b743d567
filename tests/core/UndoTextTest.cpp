// Undo text in pieces: views that continue each other are one piece, copies
// that follow each other are one piece, and the order is kept.
#include "core/UndoText.h"

#include <gtest/gtest.h>

namespace {

TEST(UndoTextTest, PiecesKeepTheirOrderAndMergeWithTheirNeighbours)
{
    const std::string blocks = "0123456789abcdef";
    const std::string_view all(blocks);
    TUndoText text;
    text.AppendView(all.substr(0, 4));
    text.AppendView(all.substr(4, 2));  // continues the first view
    text.AppendCopy("xy");
    text.AppendCopy("");
    text.AppendCopy("z");  // continues the first copy
    text.AppendView(all.substr(8, 3));  // does not continue the first view
    text.AppendView(all.substr(11, 0));
    EXPECT_EQ(text.str(), "012345xyz89a");
    EXPECT_EQ(text.size(), 12u);
    EXPECT_EQ(text.CopiedBytes(), 3u);
    const std::vector<TUndoText::TPiece> pieces = text.Pieces();
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].Text, "012345");
    EXPECT_TRUE(pieces[0].InBlocks);
    EXPECT_EQ(pieces[0].Text.data(), blocks.data()) << "a view, not a copy";
    EXPECT_EQ(pieces[1].Text, "xyz");
    EXPECT_FALSE(pieces[1].InBlocks);
    EXPECT_EQ(pieces[2].Text, "89a");

    // A copy of the record holds its own copies and the same views.
    const TUndoText copy = TUndoText::Of(pieces);
    EXPECT_EQ(copy.str(), text.str());
    EXPECT_EQ(copy.Pieces()[0].Text.data(), blocks.data());
    EXPECT_NE(copy.Pieces()[1].Text.data(), pieces[1].Text.data());
    EXPECT_TRUE(TUndoText().empty());
    EXPECT_EQ(TUndoText("abc").CopiedBytes(), 3u);
}

}  // namespace
