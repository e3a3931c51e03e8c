// The text generator's checks of its source: the groups that the controller serves itself may not leave a text
// empty in any language, and item names are unique.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

class LangGenerator : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::system("python3 --version >/dev/null 2>&1") != 0) {
      GTEST_SKIP() << "python3 is not installed";
    }
    Path = std::filesystem::temp_directory_path() / ("lang-texts-" + std::to_string(getpid()) + ".tsv");
  }
  void TearDown() override { std::filesystem::remove(Path); }
  // Exit status of the generator reading Source in place of texts.tsv.
  int Check(const std::string& Source) {
    std::ofstream(Path) << "@groups 4\n" << Source;
    std::string Cmd = std::string("python3 ") + SIM_SOURCE_DIR + "/tools/texts/gen_texts.py --source '" +
                      Path.string() + "' 2>/dev/null";
    int r = std::system(Cmd.c_str());
    return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
  }
  std::filesystem::path Path;
};

const char* kRow1 = "1\t0:MAIN\tHauptmenü\tMain menu\tMenu principal\tMenu principale\tMenú principal\tHoofdmenu\t"
                    "Hlavní menu\n";

TEST_F(LangGenerator, ControllerGroupsNeedEveryTextInEveryLanguage) {
  EXPECT_EQ(Check(std::string("@group 1 MENUS core  titles\n") + kRow1), 0);
  EXPECT_EQ(Check("@group 1 MENUS core\n1\t0\tAus\tOff\t=\t=\t=\t=\t=\n"), 0);  // "=": the English text
  // An explicitly empty French text is refused in a controller group, accepted in a screens' group.
  const char* Empty = "1\t0\tAus\tOff\t\"\"\tSpento\tApagado\tUit\tVyp\n";
  EXPECT_EQ(Check(std::string("@group 1 MENUS core\n") + Empty), 2);
  EXPECT_EQ(Check(std::string("@group 1 MENUS\n") + Empty), 0);
  EXPECT_EQ(Check("@group 1 MENUS core\n1\t0\t\" \"\tOff\t=\t=\t=\t=\t=\n"), 2);  // blank is empty too
  EXPECT_EQ(Check("@group 1 MENUS core\n1\t0\tAus\tOff\t\tSpento\tApagado\tUit\tVyp\n"), 2);  // a missing cell
}

TEST_F(LangGenerator, ItemNamesAreUniqueWithinTheirGroup) {
  EXPECT_EQ(Check(std::string("@group 1 MENUS core\n") + kRow1 + "1\t1:MAIN\tA\tB\tC\tD\tE\tF\tG\n"), 2);
  EXPECT_EQ(Check(std::string("@group 1 MENUS core\n") + kRow1 + "1\t1:OTHER\tA\tB\tC\tD\tE\tF\tG\n"), 0);
  EXPECT_EQ(Check(std::string("@group 1 MENUS core\n") + "1\t0:COUNT\tA\tB\tC\tD\tE\tF\tG\n"), 2);
  EXPECT_EQ(Check(std::string("@group 1 MENUS core\n") + "1\t0:lower\tA\tB\tC\tD\tE\tF\tG\n"), 2);
  EXPECT_EQ(Check("2\t0:NAMED\tA\tB\tC\tD\tE\tF\tG\n"), 2);  // items named in a group without a name
}

}  // namespace
