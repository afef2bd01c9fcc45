#include <gtest/gtest.h>

#include "cgi/failure.h"
#include "cgi/in_process.h"
#include "core/paths.h"
#include "core/run.h"
#include "core/text.h"

TEST(Val, TakesTheLeadingNumberOfAText) {
    EXPECT_EQ(Val("  42abc"), 42);
    EXPECT_EQ(Val("-3.25 points"), -3.25);
    EXPECT_EQ(Val("09-12-2004  Time: 13:00"), 9);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val(""), 0);
}

TEST(CInt, RoundsHalvesToEvenWithinSixteenBits) {
    EXPECT_EQ(CInt(2.5), 2);
    EXPECT_EQ(CInt(3.5), 4);
    EXPECT_EQ(CInt(-2.5), -2);
    EXPECT_EQ(CInt(2.6), 3);
    EXPECT_EQ(CInt(32767), 32767);
    EXPECT_EQ(CInt(-32768), -32768);
    EXPECT_EQ(FailureOf([] { CInt(32767.5); }), kOverflow);
    EXPECT_EQ(FailureOf([] { CInt(-32769); }), kOverflow);
    EXPECT_EQ(FailureOf([] { CLng(2147483648.0); }), kOverflow);
}

TEST(Trimm, CutsBlanksBothEndsAndControlCharactersOnlyAtTheEnd) {
    R().CurrentRoutine = "";
    EXPECT_EQ(Trimm("  text \r\n  \r\n"), "text");
    EXPECT_EQ(R().CurrentRoutine, "Trimm");
    EXPECT_EQ(Trimm("\t"), "");
    EXPECT_EQ(Trimm(" \t\r\n "), "");
    EXPECT_EQ(Trimm("\tindented\t"), "\tindented");
    EXPECT_EQ(Trimm(""), "");
}

TEST(FolderOf, KeepsEverythingUpToTheLastSeparatorOfEitherKind) {
    EXPECT_EQ(FolderOf("C:\\a\\b\\"), "C:\\a\\b\\");
    EXPECT_EQ(FolderOf("C:\\a\\b"), "C:\\a\\");
    EXPECT_EQ(FolderOf("/srv/pool/zrp.cgi "), "/srv/pool/");
    EXPECT_EQ(FolderOf("http://pool.test/cgi-bin/zrp.exe"), "http://pool.test/cgi-bin/");
    EXPECT_EQ(FolderOf("abc"), "");
    EXPECT_EQ(FolderOf("/"), "/");
    EXPECT_EQ(FolderOf(""), "");
}

TEST(ScriptFileNameOf, TakesThePartAfterTheLastSeparator) {
    EXPECT_EQ(ScriptFileNameOf("/cgi-bin/zrp.exe"), "zrp.exe");
    EXPECT_EQ(ScriptFileNameOf("\\scripts/x\\Pool.EXE "), "Pool.EXE");
    EXPECT_EQ(ScriptFileNameOf(" zrp.exe "), " zrp.exe ");
}

TEST(UCase, ChangesAsciiAndWindows1252LettersOnly) {
    EXPECT_EQ(UCase("abc\xE9\xF6\xFE\xFF\x9A\x9C\x9E\xF7\xDF 1-z"), "ABC\xC9\xD6\xDE\x9F\x8A\x8C\x8E\xF7\xDF 1-Z");
    EXPECT_EQ(LCase("ABC\xC9\xD6\xDE\x9F\x8A\x8C\x8E\xD7 1-Z"), "abc\xE9\xF6\xFE\xFF\x9A\x9C\x9E\xD7 1-z");
}
