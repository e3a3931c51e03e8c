// The generators that rewrite committed files (the screens' pictures, the font tables) replace them only once
// every output was made: a run that fails, for want of its tool or halfway, leaves them as they were and nothing
// of its own behind; with the tool at hand the pictures come out as committed, byte for byte. Each run works on
// a copy of the files it needs, in a folder of its own.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

class GeneratorOutputs : public ::testing::Test {
 protected:
  void SetUp() override {
    static int Count;
    Root = fs::temp_directory_path() / ("generators-" + std::to_string(getpid()) + "-" + std::to_string(++Count));
    fs::remove_all(Root);
    Copy("tools/lib/outputs.sh");
  }
  void TearDown() override { fs::remove_all(Root); }

  // Copies a file or folder of the tree into the same place under Root.
  void Copy(const std::string& Rel) {
    fs::create_directories((Root / Rel).parent_path());
    fs::copy(fs::path(SIM_SOURCE_DIR) / Rel, Root / Rel, fs::copy_options::recursive);
  }

  // Runs a command in Root; its exit status, what it wrote to stderr in *pErr.
  int Run(const std::string& Cmd, std::string* pErr = nullptr) {
    fs::path Err = Root / "stderr.txt";
    int r = std::system(("cd '" + Root.string() + "' && " + Cmd + " >/dev/null 2>'" + Err.string() + "'").c_str());
    if (pErr) {
      *pErr = Read(Err);
    }
    fs::remove(Err);
    return WIFEXITED(r) ? WEXITSTATUS(r) : -1;
  }

  static std::string Read(const fs::path& Path) {
    std::ifstream f(Path, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
  }

  // Every file of the folders under Root (hidden ones too) with its bytes.
  std::map<std::string, std::string> Files(const std::vector<std::string>& Folders) {
    std::map<std::string, std::string> m;
    for (const std::string& Rel : Folders) {
      for (const auto& e : fs::directory_iterator(Root / Rel)) {
        m[fs::relative(e.path(), Root).string()] = Read(e.path());
      }
    }
    return m;
  }

  // A converter that converts the first n pictures with the real one and then fails.
  std::string FailingTool(const std::string& Real, int n) {
    fs::path Tool = Root / "failing-tool";
    std::ofstream(Tool) << "#!/bin/bash\n"
                           "n=$(cat '" << Root.string() << "/count' 2>/dev/null || echo 0)\n"
                           "echo $((n + 1)) >'" << Root.string() << "/count'\n"
                           "[ $n -lt " << n << " ] || { echo 'cannot read the picture' >&2; exit 3; }\n"
                           "exec '" << Real << "' \"$@\"\n";
    fs::permissions(Tool, fs::perms::owner_all);
    return Tool.string();
  }

  fs::path Root;
};

TEST_F(GeneratorOutputs, PicturesAreReplacedOnlyOnceEveryOneConverted) {
  Copy("tools/uiart/convert.sh");
  Copy("assets/ui");
  Copy("controller/ui/data/UI_PictureData.cpp");
  Copy("controller/ui/cache/UI_PictureData.h");
  const std::vector<std::string> Outputs = {"controller/ui/data", "controller/ui/cache"};
  const auto Committed = Files(Outputs);
  ASSERT_EQ(Committed.size(), 2u);
  // No converter, and no build folder to make it in: says how to get one.
  std::string Err;
  EXPECT_NE(Run("bash tools/uiart/convert.sh", &Err), 0);
  EXPECT_NE(Err.find("cmake --build build --target png2stream"), std::string::npos) << Err;
  EXPECT_EQ(Files(Outputs), Committed);
  EXPECT_NE(Run("bash tools/uiart/convert.sh ./no-such-tool", &Err), 0);
  EXPECT_EQ(Files(Outputs), Committed);
#ifdef PNG2STREAM_EXE
  // A converter that fails at the third picture.
  EXPECT_NE(Run("bash tools/uiart/convert.sh " + FailingTool(PNG2STREAM_EXE, 2), &Err), 0);
  EXPECT_NE(Err.find("left as they were"), std::string::npos) << Err;
  EXPECT_EQ(Files(Outputs), Committed);
  // The converter itself makes the committed files again.
  fs::remove(Root / "controller/ui/data/UI_PictureData.cpp");
  ASSERT_EQ(Run(std::string("bash tools/uiart/convert.sh ") + PNG2STREAM_EXE, &Err), 0) << Err;
  auto Made = Files(Outputs);
  EXPECT_EQ(Made.size(), 2u);
  for (const auto& [Name, Bytes] : Committed) {
    EXPECT_TRUE(Made[Name] == Bytes) << Name << " differs from the committed file";
  }
#endif
}

TEST_F(GeneratorOutputs, FontTablesAreReplacedOnlyOnceEveryOneWasMade) {
  Copy("tools/fontgen");
  Copy("gui/core/fonts");
  const std::vector<std::string> Outputs = {"gui/core/fonts"};
  const auto Committed = Files(Outputs);
  ASSERT_EQ(Committed.size(), 8u);
  // The faces are missing: the generator fails at its first table (or earlier, where FreeType is missing).
  EXPECT_NE(Run("FONTGEN_BUILD='" + (Root / "fontgen-build").string() + "' DEJAVU_DIR='" +
                (Root / "no-faces").string() + "' bash tools/fontgen/generate.sh"),
            0);
  EXPECT_EQ(Files(Outputs), Committed);
}

}  // namespace
