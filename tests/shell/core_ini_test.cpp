// The INI layer behind the settings file and the save files.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <cstdlib>
#include <sstream>
#include <string>

#include "shell/ini.h"
#include "support/runtime.h"

namespace {

FileConfig parse(const std::string& text) {
    std::istringstream in(text);
    return FileConfig(in);
}

}  // namespace

TEST(CoreIni, ReadsGroupsKeysAndDefaults) {
    FileConfig file = parse(
        "; written by hand\n"
        "[global]\n"
        " firsttimeever = 1 \n"
        "players=Ann_Lee,Bo_Ray\r\n"
        "\n"
        "[Ann_Lee]\n"
        "money=12.5\n"
        "firsttime=abc\n");
    file.setCurrentPath("global");
    EXPECT_EQ(file.readEntry("firsttimeever", 0L), 1L);
    EXPECT_EQ(file.readEntry("players", ""), "Ann_Lee,Bo_Ray");
    EXPECT_EQ(file.readEntry("lastplayer", "none"), "none");
    EXPECT_FALSE(file.hasEntry("money"));   // other group

    file.setCurrentPath("Ann_Lee");
    EXPECT_DOUBLE_EQ(file.readEntry("money", 0.0), 12.5);
    EXPECT_EQ(file.readEntry("firsttime", 7L), 7L);   // not a number: default
    EXPECT_FALSE(file.hasGroup("nosuchgroup"));
}

TEST(CoreIni, RewriteKeepsUnknownGroupsKeysAndComments) {
    const std::string text =
        "# top comment\n"
        "[global]\n"
        "players=a\n"
        "colour=blue\n"
        "\n"
        "[extra]\n"
        "; note\n"
        "key=value\n";
    FileConfig file = parse(text);
    file.setCurrentPath("global");
    file.writeEntry("players", std::string("a,b"));
    file.writeEntry("firsttimeever", 0L);
    file.setCurrentPath("newgroup");
    file.writeEntry("n", 3);

    FileConfig again = parse(file.toString());
    again.setCurrentPath("global");
    EXPECT_EQ(again.readEntry("players", ""), "a,b");
    EXPECT_EQ(again.readEntry("colour", ""), "blue");
    EXPECT_EQ(again.readEntry("firsttimeever", 9L), 0L);
    again.setCurrentPath("extra");
    EXPECT_EQ(again.readEntry("key", ""), "value");
    again.setCurrentPath("newgroup");
    EXPECT_EQ(again.readEntry("n", 0L), 3L);

    std::string out = again.toString();
    EXPECT_NE(out.find("# top comment"), std::string::npos);
    EXPECT_NE(out.find("; note"), std::string::npos);
    // Writing the same configuration twice gives the same text (no growth).
    EXPECT_EQ(parse(out).toString(), out);
    // Known keys keep their place: players is still the first key of global.
    EXPECT_LT(out.find("players="), out.find("colour="));
}

TEST(CoreIni, ValuesReadBackExactly) {
    FileConfig file;
    file.setCurrentPath("p");
    const double amounts[] = {123456.78, 0.1, 2500.0, 1e-300, 0.3 - 0.1, 987654321.125, -0.05};
    for (int i = 0; i < 7; ++i) file.writeEntry("d" + std::to_string(i), amounts[i]);
    file.writeEntry("spaced", std::string("  two  spaces "));
    file.writeEntry("quoted", std::string("\"q\" and \\"));
    file.writeEntry("lines", std::string("a\nb"));
    file.writeEntry("empty", std::string(""));
    file.writeEntry("big", 2147483647L);

    std::stringstream stream;
    ASSERT_TRUE(file.flush(stream, 0));
    FileConfig back(stream);
    back.setCurrentPath("p");
    for (int i = 0; i < 7; ++i) EXPECT_EQ(back.readEntry("d" + std::to_string(i), 1.0), amounts[i]) << i;
    EXPECT_EQ(back.readEntry("spaced", ""), "  two  spaces ");
    EXPECT_EQ(back.readEntry("quoted", ""), "\"q\" and \\");
    EXPECT_EQ(back.readEntry("lines", ""), "a\nb");
    EXPECT_EQ(back.readEntry("empty", "x"), "");
    EXPECT_EQ(back.readEntry("big", 0L), 2147483647L);
    // Money is written the way a person would write it.
    EXPECT_NE(file.toString().find("d0=123456.78\n"), std::string::npos);
}

TEST(CoreIni, FilesAreReplacedWholeOrNotAtAll) {
    const std::string dir = testrt::root() + "/save";
    const std::string path = dir + "/atomic.ini";
    FileConfig file;
    file.setCurrentPath("g");
    file.writeEntry("k", std::string("one"));
    ASSERT_TRUE(file.saveToFile(path));
    EXPECT_EQ(testrt::readFile(path), "[g]\nk=one\n");

    // A missing file parses as empty.
    FileConfig none = FileConfig::fromFile(dir + "/nothing.ini");
    EXPECT_EQ(none.toString(), "");

    // A folder that does not exist: one line on stderr, false, nothing made.
    testing::internal::CaptureStderr();
    EXPECT_FALSE(writeFileAtomically(testrt::root() + "/nofolder/x.ini", "text"));
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("nofolder/x.ini"), std::string::npos);
    EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1);

    // The target cannot be replaced (it is a folder): the old one stays and
    // no temporary file is left beside it.
    const std::string blocked = dir + "/blocked";
    ASSERT_EQ(system(("mkdir -p '" + blocked + "/inner'").c_str()), 0);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(writeFileAtomically(blocked, "text"));
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(testrt::fileExists(blocked + "/inner"));
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}
