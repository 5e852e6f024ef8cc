// The console text layer, byte for byte: the letters reach the console in its
// own charset, long texts are never cut, and letters it lacks become '?'.
#include <console.h>
#include <gtest/gtest.h>
#include <oem.h>

#include <iconv.h>

#include <bit>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "transcript.h"

namespace {

class OemText : public testing::Test {
protected:
    void TearDown() override { setOemCharset("UTF-8"); }

    /// Every piece toOem makes of `text`, joined; each piece must fit snOemBuff.
    static std::string converted(const std::string& text) {
        std::string joined;
        const char* rest = text.c_str();
        do {
            toOem(rest, snOemBuff, &rest);
            EXPECT_LT(std::char_traits<char>::length(snOemBuff), kRAZMER_OEM);
            joined += snOemBuff;
        } while (*rest != '\0');
        return joined;
    }
};

TEST_F(OemText, Cp866GetsItsOwnBytes) {
    setOemCharset("CP866");
    EXPECT_EQ(std::string(toOem("//  НАЗНАЧЕНИЕ:", snOemBuff)),
              "\x2F\x2F\x20\x20\x8D\x80\x87\x8D\x80\x97\x85\x8D\x88\x85\x3A");
    EXPECT_EQ(converted("ё Ё я"), "\xF1 \xF0 \xEF");
}

TEST_F(OemText, Utf8AndAsciiConsolesGetTheTextUnchanged) {
    for (const char* charset : {"UTF-8", "ANSI_X3.4-1968", "no-such-charset"}) {
        setOemCharset(charset);
        EXPECT_EQ(converted("//  НАЗНАЧЕНИЕ:"), "//  НАЗНАЧЕНИЕ:") << charset;
    }
}

TEST_F(OemText, LongTextsGoInWholePiecesWithoutLoss) {
    std::string text;
    for (int k = 0; k < 300; ++k) text += "я";
    EXPECT_EQ(converted(text), text);  // 600 bytes, never a letter split between pieces
    setOemCharset("CP866");
    EXPECT_EQ(converted(text), std::string(300, '\xEF'));
}

TEST_F(OemText, LettersTheCharsetLacksBecomeQuestionMarks) {
    setOemCharset("CP866");
    EXPECT_EQ(converted("a€b漢c"), "a?b?c");
}

/// `text` from CP866 back to UTF-8, to compare with a transcript.
std::string fromCp866(const std::string& text) {
    iconv_t back = iconv_open("UTF-8", "CP866");
    std::string utf8(text.size() * 3, '\0');
    char* in = const_cast<char*>(text.data());
    std::size_t inLeft = text.size();
    char* out = utf8.data();
    std::size_t outLeft = utf8.size();
    iconv(back, &in, &inLeft, &out, &outLeft);
    iconv_close(back);
    utf8.resize(utf8.size() - outLeft);
    return utf8;
}

TEST_F(OemText, TheProgramSpeaksCp866ToACp866Console) {
    setOemCharset("CP866");
    std::istringstream in("101.\n0");
    std::ostringstream out;
    runConsole(in, out);
    const std::string bytes = out.str();
    EXPECT_NE(bytes.find("\n\x2F\x2F\x20\x20\x8D\x80\x87\x8D\x80\x97\x85\x8D\x88\x85\x3A\n"),
              std::string::npos);
    const std::filesystem::path transcripts = ZF_TRANSCRIPTS;
    EXPECT_EQ(compareTranscript(loadTranscript(transcripts / "quit_first.out"), fromCp866(bytes)),
              "");
}

TEST(Cp866Locale, TheProgramSpeaksTheCharsetOfItsLocale) {
    // The locale is built for this test alone: few machines carry a CP866 one. Its files are in
    // the byte order of the machine that reads them, which under an emulator is not the host's.
    const std::filesystem::path locales = testing::TempDir() + "zelmar_flagrow_locales";
    std::filesystem::create_directories(locales);
    const std::string byteOrder =
        std::endian::native == std::endian::big ? "--big-endian" : "--little-endian";
    const std::string build = "localedef " + byteOrder + " -i ru_RU -f IBM866 '" +
                              (locales / "ru_RU.IBM866").string() + "' >/dev/null 2>&1";
    if (std::system(build.c_str()) != 0) GTEST_SKIP() << "localedef cannot build ru_RU.IBM866";

    const std::filesystem::path transcripts = ZF_TRANSCRIPTS;
    const auto [status, bytes] = runProgram(
        "LOCPATH='" + locales.string() + "' LC_ALL=ru_RU.IBM866", transcripts / "quit_first.in");
    EXPECT_EQ(status, 0);
    EXPECT_NE(bytes.find("\n\x2F\x2F\x20\x20\x8D\x80\x87\x8D\x80\x97\x85\x8D\x88\x85\x3A\n"),
              std::string::npos);
    EXPECT_EQ(compareTranscript(loadTranscript(transcripts / "quit_first.out"), fromCp866(bytes)),
              "");
}

}  // namespace
