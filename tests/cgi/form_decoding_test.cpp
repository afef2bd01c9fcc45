#include <gtest/gtest.h>

#include "cgi/failure.h"
#include "cgi/form.h"
#include "cgi/in_process.h"
#include "core/run.h"

TEST(UrlDecode, DecodesPlusAndPercentOnceWithEitherCaseOfHex) {
    InProcessRun run;
    EXPECT_EQ(UrlDecode("John+Smith%21"), "John Smith!");
    EXPECT_EQ(UrlDecode("%2541"), "%41");
    EXPECT_EQ(UrlDecode("%3c%3C%e9"), "<<\xE9");
    EXPECT_EQ(UrlDecode("%2B+%25%32%35"), "+ %25");
    EXPECT_EQ(UrlDecode(""), "");
}

TEST(UrlDecode, PercentWithoutTwoHexDigitsIsFailure65001) {
    InProcessRun run;
    EXPECT_EQ(FailureOf([] { UrlDecode("100% sure"); }), kUrlDecode);
    EXPECT_EQ(FailureOf([] { UrlDecode("50%"); }), kUrlDecode);
    EXPECT_EQ(FailureOf([] { UrlDecode("%4g"); }), kUrlDecode);
    EXPECT_EQ(FailureOf([] { UrlDecode("%+41"); }), kUrlDecode);
}

TEST(SplitFormPairs, EveryEqualsSignMakesASlotAndValuesKeepTheirOwn) {
    InProcessRun run;
    SetForm("a=b=c&d=e");
    const auto& pairs = R().FormPairs;
    ASSERT_EQ(pairs.size(), 4u);
    EXPECT_EQ(pairs[1].Name, "a");
    EXPECT_EQ(pairs[1].Value, "b=c");
    EXPECT_EQ(pairs[2].Name, "d");
    EXPECT_EQ(pairs[2].Value, "e");
    EXPECT_EQ(pairs[3].Name, "");
    EXPECT_EQ(pairs[3].Value, "");
    SplitFormPairs("no pairs here");
    EXPECT_EQ(R().FormPairs.size(), 4u);
}

TEST(GetCgiValue, JoinsRepeatsInRequestOrderThenEscapesAllButThreeNames) {
    InProcessRun run;
    SetForm("pick=1&NAME=John+Smith%21&Pick=&pick=3&ACTION=a%3Cb&action=c&XAI=%3C&IAX=%3E");
    // The joined text is escaped as a whole, its separators included.
    EXPECT_EQ(GetCgiValue("PICK"), "1&#59;&#59;3");
    EXPECT_EQ(GetCgiValue("name"), "John Smith&#33;");
    EXPECT_EQ(GetCgiValue("ACTION"), "a<b;c");
    EXPECT_EQ(GetCgiValue("action"), "a&#60;b&#59;c");
    EXPECT_EQ(GetCgiValue("XAI"), "<");
    EXPECT_EQ(GetCgiValue("IAX"), ">");
    EXPECT_EQ(GetCgiValue("MISSING"), "");
    SetForm("ACTION=&ACTION=2&XAI=1&XAI=");
    EXPECT_EQ(GetCgiValue("ACTION"), "2");
    EXPECT_EQ(GetCgiValue("XAI"), "1;");
}

TEST(EscapeFormValue, ReplacesPunctuationOnceAndKeepsTheRest) {
    std::string escaped;
    for (int c = 33; c <= 63; ++c) escaped += EscapeFormValue(std::string(1, static_cast<char>(c)));
    EXPECT_EQ(escaped,
              "&#33;&#34;&#35;&#36;&#37;&#38;&#39;&#40;&#41;&#42;&#43;&#44;-.&#47;0123456789"
              "&#58;&#59;&#60;&#61;&#62;&#63;");
    EXPECT_EQ(EscapeFormValue("a b@c_d-e.f\xE9"), "a b@c_d-e.f\xE9");
    EXPECT_EQ(EscapeFormValue("&#60;"), "&#38;&#35;60&#59;");
}

TEST(GetCgiValue, OverflowsPastSlot32767AndOnValuesLongerThan32767) {
    InProcessRun run;
    R().FormPairs.resize(32767);
    EXPECT_EQ(FailureOf([] { GetCgiValue("A"); }), 0);
    R().FormPairs.resize(32768);
    EXPECT_EQ(FailureOf([] { GetCgiValue("A"); }), kOverflow);
    EXPECT_EQ(FailureOf([] { EscapeFormValue(std::string(32767, 'a')); }), 0);
    EXPECT_EQ(FailureOf([] { EscapeFormValue(std::string(32768, 'a')); }), kOverflow);
}
