#include <gtest/gtest.h>

#include "cgi/form.h"
#include "support/run_folder.h"

TEST(UrlDecode, DecodesPlusAndPercentOnceAndFailsOnABadPercent) {
    EXPECT_EQ(UrlDecode("John+Smith%21"), "John Smith!");
    EXPECT_EQ(UrlDecode("%2541"), "%41");
    for (const char* bad : {"50%", "%4g", "%+41"})
        EXPECT_EQ(FailureOf([&] { UrlDecode(bad); }), kUrlDecode) << bad;
}

TEST(GetCgiValue, JoinsRepeatsAcrossSplitsThenEscapesPunctuationOnceInAllButActionXaiAndIax) {
    RunFolder run;
    SplitFormPairs("pick=1&NAME=John+Smith%21&Pick=&pick=3&ACTION=a%3Cb&action=c&XAI=%3C&IAX=%3E");
    EXPECT_EQ(GetCgiValue("PICK"), "1&#59;&#59;3");
    EXPECT_EQ(GetCgiValue("ACTION"), "a<b;c");
    EXPECT_EQ(GetCgiValue("action"), "a&#60;b&#59;c");
    EXPECT_EQ(GetCgiValue("XAI") + GetCgiValue("IAX") + GetCgiValue("MISSING"), "<>");
    EXPECT_EQ(EscapeFormValue("a b@c_d-e.f09\xE9\"'/+"), "a b@c_d-e.f09\xE9&#34;&#39;&#47;&#43;");
    EXPECT_EQ(EscapeFormValue("&#60;"), "&#38;&#35;60&#59;");

    // Fields of later splits join behind earlier ones under their upper-cased names.
    run.Enter();
    SplitFormPairs("caf%e9=1&a=b=c&=x");
    SplitFormPairs("CAF%C9=2&A=d&caf%e9=");
    EXPECT_EQ(GetCgiValue("CAF\xC9"), "1&#59;2&#59;");
    EXPECT_EQ(GetCgiValue("a"), "b&#61;c&#59;d");
    // The third "=" of the first split leaves a slot without name or value.
    EXPECT_EQ(GetCgiValue(""), "x&#59;");
    std::string many;
    for (int i = 0; i < 32759; ++i) many += "action=1&";
    SplitFormPairs(many);
    EXPECT_EQ(GetCgiValue("ACTION").size(), 32759u * 2 - 1);
    SplitFormPairs("g=1");
    EXPECT_EQ(FailureOf([] { GetCgiValue("g"); }), kOverflow);
}
