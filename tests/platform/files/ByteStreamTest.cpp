#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "platform/files/ByteStream.h"

using platform::ByteReader;
using platform::ByteWriter;

namespace {

TEST(ByteStream, RoundTripsEveryKindOfValue) {
    ByteWriter w;
    w.WriteByte(0xAB);
    w.WriteInt32(-123456789);
    w.WriteInt32(std::numeric_limits<int32_t>::min());
    w.WriteUInt32(0xFFFFFFFFu);
    w.WriteFloat(-1.5f);
    w.WriteFloat(std::numeric_limits<float>::infinity());
    w.WriteDouble(0.1);
    w.WriteDouble(-0.0);
    w.WriteBytes(std::vector<uint8_t>{0, 1, 2});
    w.WriteLine("a line");
    w.WriteText("no newline");

    ByteReader r(w.Bytes());
    uint8_t b = 0;
    int32_t i1 = 0, i2 = 0;
    uint32_t u = 0;
    float f1 = 0, f2 = 0;
    double d1 = 0, d2 = 1;
    std::vector<uint8_t> bytes;
    std::string line1, line2;
    ASSERT_TRUE(r.ReadByte(b) && r.ReadInt32(i1) && r.ReadInt32(i2) && r.ReadUInt32(u) && r.ReadFloat(f1) &&
                r.ReadFloat(f2) && r.ReadDouble(d1) && r.ReadDouble(d2) && r.ReadBytes(3, bytes) &&
                r.ReadLine(line1) && r.ReadLine(line2));
    EXPECT_EQ(b, 0xAB);
    EXPECT_EQ(i1, -123456789);
    EXPECT_EQ(i2, std::numeric_limits<int32_t>::min());
    EXPECT_EQ(u, 0xFFFFFFFFu);
    EXPECT_EQ(f1, -1.5f);
    EXPECT_TRUE(std::isinf(f2));
    EXPECT_EQ(d1, 0.1);
    EXPECT_TRUE(d2 == 0.0 && std::signbit(d2));
    EXPECT_EQ(bytes, (std::vector<uint8_t>{0, 1, 2}));
    EXPECT_EQ(line1, "a line");
    EXPECT_EQ(line2, "no newline");
    EXPECT_TRUE(r.AtEnd());
    EXPECT_FALSE(r.Failed());
    EXPECT_FALSE(r.ReadLine(line1)) << "no line past the end";
    EXPECT_FALSE(r.Failed()) << "running out of lines is how a text ends, not a fault";
}

TEST(ByteStream, WritesLittleEndian) {
    ByteWriter w;
    w.WriteInt32(0x01020304);
    w.WriteFloat(1.0f);
    EXPECT_EQ(w.Bytes(), (std::vector<uint8_t>{4, 3, 2, 1, 0x00, 0x00, 0x80, 0x3F}));
}

TEST(ByteStream, ReadLineDropsACarriageReturnAndKeepsEmptyLines) {
    const std::string text = "one\r\n\ntwo\r";
    ByteReader r(std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
    std::vector<std::string> lines;
    for (std::string line; r.ReadLine(line);) lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{"one", "", "two"}));
}

// The input sits in a heap block of exactly its size, so the sanitizer build catches any read past it.
std::unique_ptr<uint8_t[]> Exact(std::initializer_list<uint8_t> bytes) {
    auto block = std::make_unique<uint8_t[]>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), block.get());
    return block;
}

TEST(ByteStream, ATruncatedValueFailsWithoutReadingPastTheEnd) {
    const auto block = Exact({1, 2, 3});
    ByteReader r(std::span<const uint8_t>(block.get(), 3));
    int32_t v = 42;
    EXPECT_FALSE(r.ReadInt32(v));
    EXPECT_EQ(v, 42) << "a failed read leaves the value alone";
    EXPECT_TRUE(r.Failed());
    EXPECT_EQ(r.Position(), 0u);
    double d = 7;
    EXPECT_FALSE(r.ReadDouble(d));
    EXPECT_EQ(d, 7);
}

TEST(ByteStream, AFailureIsStickyEvenWhereBytesRemain) {
    const auto block = Exact({1, 2, 3, '\n'});
    ByteReader r(std::span<const uint8_t>(block.get(), 4));
    std::vector<uint8_t> bytes;
    EXPECT_FALSE(r.ReadBytes(5, bytes));
    uint8_t b = 0;
    EXPECT_FALSE(r.ReadByte(b));
    EXPECT_EQ(b, 0);
    std::string line = "unchanged";
    EXPECT_FALSE(r.ReadLine(line));
    EXPECT_EQ(line, "unchanged");
    EXPECT_TRUE(r.Failed());
}

TEST(ByteStream, AnAbsurdLengthFailsInsteadOfAllocating) {
    const auto block = Exact({9, 9});
    ByteReader r(std::span<const uint8_t>(block.get(), 2));
    uint8_t first = 0;
    ASSERT_TRUE(r.ReadByte(first));
    std::vector<uint8_t> bytes;
    EXPECT_FALSE(r.ReadBytes(std::numeric_limits<size_t>::max(), bytes));
    EXPECT_TRUE(bytes.empty());
    EXPECT_TRUE(r.Failed());
}

TEST(ByteStream, ReadsNothingFromNothing) {
    ByteReader r(std::span<const uint8_t>{});
    EXPECT_TRUE(r.AtEnd());
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(r.ReadBytes(0, bytes));
    std::string line;
    EXPECT_FALSE(r.ReadLine(line));
    uint8_t b;
    EXPECT_FALSE(r.ReadByte(b));
    EXPECT_TRUE(r.Failed());
}

}  // namespace
