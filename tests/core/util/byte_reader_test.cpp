#include "util/byte_reader.h"

#include <gtest/gtest.h>

#include "util/byte_writer.h"

TEST(ByteReaderTest, ReadsWhatTheWriterWroteLittleEndian) {
    ByteWriter out;
    out.WriteU32(0x04030201);
    out.WriteS16(-2);
    out.WriteS32(-5);
    EXPECT_EQ(out.Bytes().substr(0, 4), std::string("\x01\x02\x03\x04", 4));

    ByteReader in(out.Bytes());
    std::uint32_t u = 0;
    std::int16_t s16 = 0;
    std::int32_t s32 = 0;
    ASSERT_TRUE(in.ReadU32(u));
    ASSERT_TRUE(in.ReadS16(s16));
    ASSERT_TRUE(in.ReadS32(s32));
    EXPECT_EQ(u, 0x04030201u);
    EXPECT_EQ(s16, -2);
    EXPECT_EQ(s32, -5);
    EXPECT_TRUE(in.AtEnd());
}

TEST(ByteReaderTest, AShortReadFailsAndConsumesNothing) {
    ByteReader in(std::string_view("\x01\x02\x03", 3));
    std::uint32_t value = 7;
    EXPECT_FALSE(in.ReadU32(value));
    EXPECT_EQ(value, 7u);
    EXPECT_EQ(in.Position(), 0u);
    std::string bytes;
    EXPECT_FALSE(in.ReadBytes(4, bytes));
    EXPECT_TRUE(in.ReadBytes(3, bytes));
    EXPECT_FALSE(in.Skip(1));
}
