// SPDX-License-Identifier: GPL-3.0-or-later
// The three save diagnostics and the encoding they are written in.
#include "export/diagnostic_lines.h"

#include <gtest/gtest.h>

#include <clocale>
#include <initializer_list>
#include <string>

namespace mirelta {
namespace {

std::string Utf8(const char8_t* text) {
    return reinterpret_cast<const char*>(text);
}

// Switches LC_ALL to the first locale this machine has, and back to "C" afterwards.
class LocaleSwitch {
  public:
    explicit LocaleSwitch(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (std::setlocale(LC_ALL, name) != nullptr) {
                active_ = true;
                return;
            }
        }
    }
    ~LocaleSwitch() { std::setlocale(LC_ALL, "C"); }
    LocaleSwitch(const LocaleSwitch&) = delete;
    LocaleSwitch& operator=(const LocaleSwitch&) = delete;
    bool active() const { return active_; }

  private:
    bool active_ = false;
};

const std::string kGbkLines16x720x480 =
    "\xB5\xB1\xC7\xB0\xC6\xC1\xC4\xBB\xC9\xAB\xB2\xCA\xC4\xA3\xCA\xBD\xCE\xAA\x31\x36\xCE\xBB\xC9"
    "\xAB\xB2\xCA\x0A"
    "\xC6\xC1\xC4\xBB\xBF\xED\xB6\xC8\xA3\xBA\x37\x32\x30\x0A"
    "\xC6\xC1\xC4\xBB\xB8\xDF\xB6\xC8\xA3\xBA\x34\x38\x30\x0A";

TEST(DiagnosticLines, Utf8LocaleGetsUtf8Lines) {
    LocaleSwitch locale({"C.UTF-8", "C.utf8", "en_US.UTF-8"});
    if (!locale.active()) {
        GTEST_SKIP() << "no UTF-8 locale is installed";
    }
    EXPECT_EQ(DiagnosticLines(32, 720, 480),
              Utf8(u8"当前屏幕色彩模式为32位色彩\n屏幕宽度：720\n屏幕高度：480\n"));
    EXPECT_EQ(DiagnosticLines(16, 13, 7),
              Utf8(u8"当前屏幕色彩模式为16位色彩\n屏幕宽度：13\n屏幕高度：7\n"));
}

TEST(DiagnosticLines, GbkLocaleGetsCodePage936Lines) {
    LocaleSwitch locale({"zh_CN.GBK", "zh_CN.gbk", "zh_CN.GB18030"});
    if (!locale.active()) {
        GTEST_SKIP() << "no GBK locale is installed";
    }
    EXPECT_EQ(DiagnosticLines(16, 720, 480), kGbkLines16x720x480);
}

TEST(DiagnosticLines, GbkCodesetGetsCodePage936Bytes) {
    EXPECT_EQ(DiagnosticLinesInCodeset(16, 720, 480, "GBK"), kGbkLines16x720x480);
}

TEST(DiagnosticLines, AsciiCodesetFallsBackToUtf8) {
    EXPECT_EQ(DiagnosticLinesInCodeset(24, 720, 480, "ANSI_X3.4-1968"),
              Utf8(u8"当前屏幕色彩模式为24位色彩\n屏幕宽度：720\n屏幕高度：480\n"));
}

TEST(DiagnosticLines, UnknownCodesetFallsBackToUtf8) {
    EXPECT_EQ(DiagnosticLinesInCodeset(24, 1, 2, "NO-SUCH-CODESET"),
              Utf8(u8"当前屏幕色彩模式为24位色彩\n屏幕宽度：1\n屏幕高度：2\n"));
}

}  // namespace
}  // namespace mirelta
