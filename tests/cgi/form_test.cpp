#include <gtest/gtest.h>

#include "cgi/form.h"
#include "support/run_folder.h"

TEST(UrlDecode, DecodesPlusAndPercentOnceAndFailsOnABadPercent) {
    EXPECT_EQ(UrlDecode("John+Smith%21"), "John Smith!");
    EXPECT_EQ(UrlDecode("%2541"), "%41");
    EXPECT_EQ(UrlDecode("%3c%3C%e9"), "<<\xE9");
    for (const char* bad : {"100% sure", "50%", "%4g", "%+41"})
        EXPECT_EQ(FailureOf([&] { UrlDecode(bad); }), kUrlDecode) << bad;
}

TEST(GetCgiValue, JoinsRepeatsAcrossSplitsThenEscapesPunctuationOnceInAllButActionXaiAndIax) {
    RunFolder run;
    SplitFormPairs("pick=1&NAME=John+Smith%21&Pick=&pick=3&ACTION=a%3Cb&action=c&XAI=%3C&IAX=%3E");
    EXPECT_EQ(GetCgiValue("PICK"), "1&#59;&#59;3");
    EXPECT_EQ(GetCgiValue("ACTION"), "a<b;c");
    EXPECT_EQ(GetCgiValue("action"), "a&#60;b&#59;c");
    EXPECT_EQ(GetCgiValue("XAI") + GetCgiValue("IAX") + GetCgiValue("MISSING"), "<>");
    std::string escaped;
    for (int c = 33; c <= 63; ++c) escaped += EscapeFormValue(std::string(1, static_cast<char>(c)));
    EXPECT_EQ(escaped, "&#33;&#34;&#35;&#36;&#37;&#38;&#39;&#40;&#41;&#42;&#43;&#44;-.&#47;0123456789"
                       "&#58;&#59;&#60;&#61;&#62;&#63;");
    EXPECT_EQ(EscapeFormValue("a b@c_d-e.f\xE9"), "a b@c_d-e.f\xE9");
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
