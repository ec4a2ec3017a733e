#include "settings/value_codec.h"

#include <gtest/gtest.h>

#include <optional>
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

// Strings are stored as the registry's wide calls hold them: UTF-16LE with a
// NUL unit. Each row's text is written as its bytes; reading those bytes
// (or `read`, when given) within `cap` characters gives `text` back.
TEST(ValueCodecString, WritesUtf16AndReadsItBack) {
    struct Case {
        std::string text;
        Bytes bytes;
        std::size_t cap = 100;
        std::optional<Bytes> read;  // stored data that no write produces
    };
    const Case cases[] = {
        {"Tahoma", {'T', 0, 'a', 0, 'h', 0, 'o', 0, 'm', 0, 'a', 0, 0, 0}},
        {"", {0, 0}},
        {"Год", {0x13, 0x04, 0x3e, 0x04, 0x34, 0x04, 0, 0}},
        {"🎆", {0x3c, 0xd8, 0x86, 0xdf, 0, 0}},
        {"\xED\xA0\xBC", {0x3c, 0xd8, 0, 0}},  // a lone surrogate keeps its unit
        {"Ab", {}, 100, Bytes{'A', 0, 'b', 0}},                  // not terminated
        {"Ab", {}, 100, Bytes{'A', 0, 'b', 0, 'c'}},             // half a unit at the end
        {"A", {}, 100, Bytes{'A', 0, 0, 0, 'x', 0, 0, 0}},       // data after the NUL is ignored
        {"", {}, 100, Bytes{}},
        {"", {}, 100, Bytes{'A'}},
        {"abc", {}, 3, Bytes{'a', 0, 'b', 0, 'c', 0, 'd', 0, 0, 0}},
        {"a🎆", {}, 2, Bytes{'a', 0, 0x3c, 0xd8, 0x86, 0xdf, 0, 0}},  // the pair is one character
        {"a", {}, 2, Bytes{'a', 0, 'e', 0, 0x01, 0x03, 0, 0}},      // so is a letter with its accent
    };
    for (const Case& c : cases) {
        if (!c.read) EXPECT_EQ(EncodeString(c.text), c.bytes) << c.text;
        EXPECT_EQ(DecodeString(c.read ? *c.read : c.bytes, c.cap), c.text);
    }
}

}  // namespace
}  // namespace zentrova
