// The clipboard's text as both layers keep it.
#include "tests/conformance/LayerUnderTest.h"

#include "framework/Clipboard.h"

#include <gtest/gtest.h>

namespace {

TEST(ClipboardConformance, EveryByteButNulAndCarriageReturnComesBackAsWritten)
{
    TLayerUnderTest layer;
    std::string block;
    for (int b = 1; b < 256; ++b)
        if (b != '\r')
            block.push_back(char(b));
    block.push_back('\0');
    SetClipboardText(std::string(block));
    EXPECT_TRUE(ClipboardHasText());
    EXPECT_EQ(GetClipboardText(), block);
}

TEST(ClipboardConformance, AnImageIsNoText)
{
    TLayerUnderTest layer;
    SetClipboardText(std::string("text", 5));
    layer.PutImageOnClipboard();
    EXPECT_FALSE(ClipboardHasText());
    EXPECT_EQ(GetClipboardText(), "");
}

}  // namespace
