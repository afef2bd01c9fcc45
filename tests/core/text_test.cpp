#include <gtest/gtest.h>

#include <cmath>

#include "core/scramble.h"
#include "core/text.h"
#include "support/run_folder.h"

// The scrambled form itself is checked where pages carry the login fields.
TEST(ScrambleValue, EveryByteComesBackAndCodesThatAreNotDigitsOfAByteAreRefused) {
    std::string all;
    for (int c = 0; c < 256; ++c) all += static_cast<char>(c);
    EXPECT_EQ(ScrambleValue(ScrambleValue(all)), all);
    EXPECT_EQ(FailureOf([] { ScrambleValue("*B*:b-"); }), kTypeMismatch);
    // Each code is shifted up by one: "1111" is 0000, "366" 255, "367" 256.
    EXPECT_EQ(ScrambleValue("*B*1111-11113-366-"), std::string("\0\2\xFF", 3));
    EXPECT_EQ(FailureOf([] { ScrambleValue("*B*11367-"); }), kInvalidCall);
}

TEST(Val, TakesTheLeadingNumberAndCIntRoundsHalvesToEvenWithinSixteenBits) {
    EXPECT_EQ(Val("  42abc"), 42);
    EXPECT_EQ(Val("-3.25 points"), -3.25);
    EXPECT_EQ(CInt(2.5) + CInt(3.5), 6);
    EXPECT_EQ(FailureOf([] { CInt(32767.5); }), kOverflow);
}

TEST(Trimm, CutsBlanksBothEndsAndControlCharactersOnlyAtTheEndAsItsViewsDo) {
    EXPECT_EQ(Trimm("  text \r\n  \r\n"), "text");
    EXPECT_EQ(R().CurrentRoutine, "Trimm");
    EXPECT_EQ(Trimm("\tindented\t"), "\tindented");

    // Fields padded to their width are trimmed a word at a time: every mix of a
    // letter, a blank and a control byte up to two words long, and each one
    // inside long runs of blanks, trims as a byte-by-byte trim does.
    auto byBytes = [](std::string_view text, bool controls) {
        auto trailing = [controls](char c) { return c == ' ' || (controls && static_cast<unsigned char>(c) < 14); };
        while (!text.empty() && trailing(text.back())) text.remove_suffix(1);
        while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
        return text;
    };
    const std::string blanks(19, ' ');
    for (int length = 0; length <= 9; ++length) {
        for (int code = 0, codes = static_cast<int>(std::pow(3, length)); code < codes; ++code) {
            std::string text;
            for (int i = 0, c = code; i < length; ++i, c /= 3) text += " x\r"[c % 3];
            for (const std::string& padded : {text, blanks + text, text + blanks, blanks + text + blanks}) {
                ASSERT_EQ(TrimBlanksView(padded), byBytes(padded, false)) << padded.size();
                ASSERT_EQ(TrimmView(padded), byBytes(padded, true)) << padded.size();
            }
        }
    }
}

// The letters of ASCII and of Windows-1252 change case (the caron and
// diaeresis capitals included); every other byte is kept.
TEST(Case, LowersAndRaisesTheLettersOfWindows1252Only) {
    const std::string upper = "AZ@[\xC0\xD6\xD8\xDE\x8A\x8C\x8E\x9F", lower = "az@[\xE0\xF6\xF8\xFE\x9A\x9C\x9E\xFF";
    const std::string kept = "09 {}\xD7\xF7\xDF\x80\xBF\x01";
    EXPECT_EQ(LCase(upper + kept), lower + kept);
    EXPECT_EQ(UCase(lower + kept), upper + kept);
}
