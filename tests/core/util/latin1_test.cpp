#include "util/latin1.h"

#include <gtest/gtest.h>

TEST(Latin1Test, CaseMappingCoversTheWesternLetters) {
    EXPECT_EQ(Latin1ToLower("ABC \xC9\xD7\xDE"), "abc \xE9\xD7\xFE");
    EXPECT_EQ(Latin1ToUpper("abc \xE9\xF7\xFF"), "ABC \xC9\xF7\xFF");
}

TEST(Latin1Test, Utf8ConvertsAndUnmappableBecomesQuestionMark) {
    EXPECT_EQ(Utf8ToLatin1("caf\xC3\xA9"), "caf\xE9");
    EXPECT_EQ(Utf8ToLatin1("\xE2\x82\xAC!"), "?!");       // euro sign
    EXPECT_EQ(Utf8ToLatin1("a\xC3"), "a?");               // cut sequence
    EXPECT_EQ(Latin1ToUtf8("caf\xE9"), "caf\xC3\xA9");
}

TEST(Latin1Test, ReadableConversionKeepsTypographyPlain) {
    // Curly quotes, an en dash, an ellipsis, the euro sign; then a Greek letter and a cut sequence.
    EXPECT_EQ(Utf8ToLatin1Readable("\xE2\x80\x9C" "caf\xC3\xA9" "\xE2\x80\x9D \xE2\x80\x93 \xE2\x80\xA6 \xE2\x82\xAC"),
              "\"caf\xE9\" - ... EUR");
    EXPECT_EQ(Utf8ToLatin1Readable("\xCE\xB1\xC3"), "??");
}

TEST(Latin1Test, RecognisesUtf8) {
    EXPECT_TRUE(LooksLikeUtf8("caf\xC3\xA9"));
    EXPECT_FALSE(LooksLikeUtf8("caf\xE9"));
    EXPECT_FALSE(LooksLikeUtf8("plain"));
}
