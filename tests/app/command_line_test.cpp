// The game's command line: a directory given either way and kept byte for byte, help, and
// every usage error as one line that names what is wrong; a session without a display.
#include "app/command_line.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <ostream>

namespace tessarix {
namespace {

using Action = CommandLine::Action;

struct LineCase {
  const char* name;
  std::vector<std::string> words;
  Action action;
  std::string dir;      // for Play
  std::string mention;  // for Wrong: a part of the error line
};

std::ostream& operator<<(std::ostream& out, const LineCase& c) { return out << c.name; }

class ParseCommandLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(ParseCommandLine, ActionDirectoryAndError) {
  const LineCase& c = GetParam();
  const CommandLine line = parseCommandLine(c.words);
  EXPECT_EQ(line.action, c.action);
  if (c.action == Action::Play) EXPECT_EQ(line.dir, c.dir);
  if (c.action == Action::Wrong) {
    EXPECT_EQ(line.error.rfind("tessarix: ", 0), 0u) << line.error;
    EXPECT_NE(line.error.find(c.mention), std::string::npos) << line.error;
    EXPECT_NE(line.error.find(usageLine()), std::string::npos) << line.error;
    EXPECT_EQ(line.error.find('\n'), std::string::npos) << line.error;
  } else {
    EXPECT_EQ(line.error, "");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ParseCommandLine,
    ::testing::Values(
        LineCase{"Nothing", {}, Action::Play, "", ""},
        LineCase{"DirSeparate", {"--dir", "/tmp/t"}, Action::Play, "/tmp/t", ""},
        LineCase{"DirJoined", {"--dir=rel/t"}, Action::Play, "rel/t", ""},
        LineCase{"DirJoinedWithEquals", {"--dir=a=b"}, Action::Play, "a=b", ""},
        // Bytes that are not UTF-8 stay exactly as given.
        LineCase{
            "DirNotUtf8", {"--dir", "/tmp/\xff\xfe-\xc3"}, Action::Play, "/tmp/\xff\xfe-\xc3", ""},
        LineCase{"DirWithBlanks", {"--dir", " a b "}, Action::Play, " a b ", ""},
        LineCase{"DirDotDash", {"--dir", "./-x"}, Action::Play, "./-x", ""},
        LineCase{"Help", {"--help"}, Action::Help, "", ""},
        LineCase{"ShortHelp", {"-h"}, Action::Help, "", ""},
        LineCase{"HelpAfterADir", {"--dir", "d", "--help"}, Action::Help, "", ""},
        LineCase{"Version", {"--version"}, Action::Version, "", ""},
        LineCase{"DirEmpty", {"--dir", ""}, Action::Wrong, "", "--dir braucht einen Wert"},
        LineCase{"DirJoinedEmpty", {"--dir="}, Action::Wrong, "", "--dir braucht einen Wert"},
        LineCase{"DirLast", {"--dir"}, Action::Wrong, "", "--dir braucht einen Wert"},
        LineCase{"DirThenHelp", {"--dir", "--help"}, Action::Wrong, "", "nicht --help"},
        LineCase{"DirThenShortOption", {"--dir", "-h"}, Action::Wrong, "", "nicht -h"},
        LineCase{"DirJoinedOptionLike", {"--dir=--x"}, Action::Wrong, "", "nicht --x"},
        LineCase{"DirTwice", {"--dir", "a", "--dir=b"}, Action::Wrong, "", "mehrfach"},
        LineCase{"Unknown", {"--bogus"}, Action::Wrong, "", "unbekannte Angabe --bogus"},
        LineCase{"DirPrefixIsNoOption", {"--dirs", "a"}, Action::Wrong, "", "--dirs"},
        LineCase{"LoneWord", {"/tmp/t"}, Action::Wrong, "", "/tmp/t"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UsageLine, NamesEveryOption) {
  EXPECT_EQ(usageLine(), "Aufruf: tessarix [--dir VERZEICHNIS] [--print-to DATEI.pdf]");
}

// The two options together, either way, each kept apart from the other.
TEST(CommandLineOptions, DirAndPrintToTogether) {
  for (const std::vector<std::string>& words :
       {std::vector<std::string>{"--print-to", "out.pdf", "--dir", "d"},
        std::vector<std::string>{"--dir=d", "--print-to=out.pdf"}}) {
    const CommandLine line = parseCommandLine(words);
    EXPECT_EQ(line.action, Action::Play);
    EXPECT_EQ(line.dir, "d");
    EXPECT_EQ(line.printTo, "out.pdf");
  }
  EXPECT_EQ(parseCommandLine({"--print-to", "--dir"}).action, Action::Wrong);
  EXPECT_EQ(parseCommandLine({"--print-to="}).action, Action::Wrong);
  EXPECT_EQ(parseCommandLine({"--print-to", "a.pdf", "--print-to", "b.pdf"}).action, Action::Wrong);
}

struct DisplayCase {
  const char* name;
  const char* platform;  // QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY; null = unset
  const char* display;
  const char* wayland;
  bool missing;  // said before the window system starts
};

std::ostream& operator<<(std::ostream& out, const DisplayCase& c) { return out << c.name; }

class Display : public ::testing::TestWithParam<DisplayCase> {};

// Only a desktop session with no display named is refused beforehand; a platform that needs
// none, or a named display, is left to the window system, whose failure has a line of its own.
TEST_P(Display, MissingOnlyWhereTheDesktopHasNone) {
  const DisplayCase& c = GetParam();
  const std::string said = missingDisplay(c.platform, c.display, c.wayland);
  EXPECT_EQ(!said.empty(), c.missing) << said;
  if (c.missing) {
    EXPECT_NE(said.find("DISPLAY"), std::string::npos) << said;
    EXPECT_NE(said.find("WAYLAND_DISPLAY"), std::string::npos) << said;
    EXPECT_EQ(said.find('\n'), std::string::npos) << said;
  }
  const std::string failed = unreachableDisplay(c.platform, c.display, c.wayland);
  EXPECT_EQ(failed.find('\n'), std::string::npos) << failed;
  EXPECT_NE(failed.find("Keine Anzeige"), std::string::npos) << failed;
  for (const char* value : {c.platform, c.display, c.wayland})
    if (value != nullptr && *value != '\0')
      EXPECT_NE(failed.find(value), std::string::npos) << failed;
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, Display,
    ::testing::Values(DisplayCase{"NothingSet", nullptr, nullptr, nullptr, true},
                      DisplayCase{"AllEmpty", "", "", "", true},
                      DisplayCase{"XcbWithoutDisplay", "xcb", nullptr, nullptr, true},
                      DisplayCase{"X11", nullptr, ":0", nullptr, false},
                      DisplayCase{"Wayland", nullptr, nullptr, "wayland-0", false},
                      DisplayCase{"Both", nullptr, ":1", "wayland-1", false},
                      DisplayCase{"Offscreen", "offscreen", nullptr, nullptr, false},
                      DisplayCase{"WaylandChosen", "wayland", nullptr, nullptr, false},
                      DisplayCase{"XcbWithDisplay", "xcb", ":5", nullptr, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Only a file a job can write is a print file: one that is not there yet, a regular file, also
// through a link. A FIFO (opening it would wait for a reader), a device, a directory and a
// link to any of them are refused with one line that names the file.
TEST(PrintFile, OnlyARegularFileOrANewOne) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::path(::testing::TempDir()) / "print_file_test";
  fs::remove_all(dir);
  fs::create_directories(dir);
  std::ofstream(dir / "old.pdf") << "x";
  ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
  fs::create_symlink(dir / "fifo", dir / "to_fifo");
  fs::create_symlink(dir / "old.pdf", dir / "to_old");
  fs::create_symlink(dir / "gone", dir / "dangling");
  const struct {
    std::string path;
    bool refused;
  } cases[] = {{(dir / "new.pdf").string(), false}, {(dir / "old.pdf").string(), false},
               {(dir / "to_old").string(), false},  {(dir / "dangling").string(), false},
               {(dir / "fifo").string(), true},     {(dir / "to_fifo").string(), true},
               {dir.string(), true},                {"/dev/null", true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const std::string problem = printFileProblem(c.path);
    EXPECT_EQ(!problem.empty(), c.refused) << problem;
    if (c.refused) EXPECT_NE(problem.find(c.path), std::string::npos);
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tessarix
