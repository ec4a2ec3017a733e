#include "settings/value_codec.h"

#include <gtest/gtest.h>

#include <vector>

namespace zentrova {
namespace {

using Bytes = std::vector<std::uint8_t>;

template <std::size_t N>
Bytes ToVector(const std::array<std::uint8_t, N>& bytes) {
    return Bytes(bytes.begin(), bytes.end());
}

TEST(ValueCodecDouble, StoresLittleEndianIeeeBytes) {
    struct Case {
        double value;
        Bytes bytes;
    };
    const Case cases[] = {
        {46381.0, {0x00, 0x00, 0x00, 0x00, 0xa0, 0xa5, 0xe6, 0x40}},
        {46388.0, {0x00, 0x00, 0x00, 0x00, 0x80, 0xa6, 0xe6, 0x40}},
        {0.0, {0, 0, 0, 0, 0, 0, 0, 0}},
        {0.5, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xe0, 0x3f}},
        {-1.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xf0, 0xbf}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToVector(EncodeDouble(c.value)), c.bytes) << c.value;
        std::array<std::uint8_t, 8> raw{};
        std::copy(c.bytes.begin(), c.bytes.end(), raw.begin());
        EXPECT_EQ(DecodeDouble(raw), c.value);
    }
}

TEST(ValueCodecDword, StoresSignedLittleEndian) {
    EXPECT_EQ(ToVector(EncodeDword(0x12345678)), (Bytes{0x78, 0x56, 0x34, 0x12}));
    EXPECT_EQ(ToVector(EncodeDword(-1)), (Bytes{0xff, 0xff, 0xff, 0xff}));
    EXPECT_EQ(ToVector(EncodeDword(-50)), (Bytes{0xce, 0xff, 0xff, 0xff}));
    std::array<std::uint8_t, 4> minimum{0x00, 0x00, 0x00, 0x80};
    EXPECT_EQ(DecodeDword(minimum), std::numeric_limits<std::int32_t>::min());
    std::array<std::uint8_t, 4> minusFifty{0xce, 0xff, 0xff, 0xff};
    EXPECT_EQ(DecodeDword(minusFifty), -50);
}

TEST(ValueCodecString, WritesOneTerminatingNul) {
    EXPECT_EQ(EncodeString("Tahoma"), (Bytes{'T', 'a', 'h', 'o', 'm', 'a', 0}));
    EXPECT_EQ(EncodeString(""), (Bytes{0}));
}

TEST(ValueCodecString, ReadsUpToFirstNulOrEndAndCapsLength) {
    struct Case {
        Bytes data;
        std::size_t cap;
        std::string expected;
    };
    const Case cases[] = {
        {{'A', 'b', 0}, 10, "Ab"},
        {{'A', 'b'}, 10, "Ab"},                // not terminated
        {{'A', 0, 'x', 'y', 0}, 10, "A"},      // data after the NUL is ignored
        {{}, 10, ""},
        {{'a', 'b', 'c', 'd', 'e', 0}, 3, "abc"},
        {{'a', 'b', 'c', 'd', 'e'}, 3, "abc"},
    };
    for (const Case& c : cases) EXPECT_EQ(DecodeString(c.data, c.cap), c.expected);
}

}  // namespace
}  // namespace zentrova
