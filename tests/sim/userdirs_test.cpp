// The documents folder from the text of a user-dirs file.
#include <gtest/gtest.h>

#include <string>

#include "SIM.h"

namespace {

std::string Docs(const std::string& Text) { return SIM__DocumentsFromUserDirs(Text.data(), Text.size(), "/home/u"); }

TEST(UserDirs, TheLastAbsoluteDocumentsLineCounts) {
  EXPECT_EQ(Docs("XDG_DESKTOP_DIR=\"$HOME/Desktop\"\nXDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"), "/home/u/Dokumente");
  EXPECT_EQ(Docs("XDG_DOCUMENTS_DIR=\"/srv/a\"\nXDG_DOCUMENTS_DIR=\"relative\"\nXDG_DOCUMENTS_DIR=\"/srv/b\""),
            "/srv/b");
  EXPECT_EQ(Docs("# XDG_DOCUMENTS_DIR=\"/commented\"\nXDG_DOCUMENTS_DIR=\"/unquoted\n"), "");
  EXPECT_EQ(Docs(""), "");
  EXPECT_EQ(SIM__DocumentsFromUserDirs(nullptr, 10, "/home/u"), "");
}

// A line is a line however long: its tail is never read as a line of its own, and a zero byte ends a path.
TEST(UserDirs, LongLinesAndZeroBytes) {
  std::string Long = "#" + std::string(1022, 'x') + "XDG_DOCUMENTS_DIR=\"/from/the/tail\"\n";
  EXPECT_EQ(Docs(Long), "");
  EXPECT_EQ(Docs(Long + "XDG_DOCUMENTS_DIR=\"/real\"\n"), "/real");
  EXPECT_EQ(Docs(std::string("XDG_DOCUMENTS_DIR=\"/a\0b\"\n", 26)), "/a");
}

}  // namespace
