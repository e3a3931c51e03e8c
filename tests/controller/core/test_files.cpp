// The path helper and the change log.
#include <fstream>

#include "CoreTestSupport.h"

using namespace coretest;

using FilesAndLog = ControllerTest;

TEST_F(FilesAndLog, InternalDriveMapsToTheInternFolder) {
  char out[PATH_MAX_LEN];
  ASSERT_EQ(PATH_Resolve("M0:\\sub\\file.dat", out, sizeof(out)), 1);
  EXPECT_EQ(std::string(out), Path("docs") + "/Intern/sub/file.dat");
  ASSERT_EQ(PATH_Resolve("M0:", out, sizeof(out)), 1);
  EXPECT_EQ(std::string(out), Path("docs") + "/Intern");
  ASSERT_EQ(PATH_Resolve("C:\\x\\y", out, sizeof(out)), 1);
  EXPECT_EQ(std::string(out), "C:/x/y");
  EXPECT_EQ(PATH_Resolve("M0:\\abc", out, 4), 0);
  ASSERT_EQ(PATH_Join("a/", "b", out, sizeof(out)), 1);
  EXPECT_EQ(std::string(out), "a/b");
}

TEST_F(FilesAndLog, ChangeLogHoldsUtf16LinesOfChangesAndRestarts) {
  setenv("TZ", "UTC", 1);
  tzset();
  SYS_UpdateClock(86400 + 3661);  // 02.01.1970 01:01:01
  ASSERT_EQ(CHG_WriteRestart(), 1);
  IO_Inputs[2].SetParameter(IO_IN_PAR_UNIT, 1, 0);
  ASSERT_EQ(IO_Inputs[2].SetParameter(IO_IN_PAR_CORRECTION, -15, FKT_SET_NOTIFY), 1);
  ASSERT_EQ(IO_Inputs[2].SetParameter(IO_IN_PAR_TYPE, 2, FKT_SET_NOTIFY), 1);
  IO_Inputs[2].SetParameter(IO_IN_PAR_TYPE, 1, FKT_SET_LOAD | FKT_SET_NOTIFY);  // not logged
  EXPECT_EQ(SET_General.GetParameter(SET_GEN_PAR_CHANGED), 1);
  std::ifstream f(Path("docs/Intern/change.log"), std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
  ASSERT_GE(bytes.size(), 2u);
  EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
  std::u16string text;
  for (size_t i = 2; i + 1 < bytes.size(); i += 2)
    text += (char16_t)((unsigned char)bytes[i] | (unsigned char)bytes[i + 1] << 8);
  EXPECT_EQ(text,
            u"02.01.1970 01:01:01 -- Regler Neustart\r\n"
            u"02.01.1970 01:01:01 Input 3 Correction: 0.0 -> -1.5\r\n"
            u"02.01.1970 01:01:01 Input 3 Type: unused -> Analog\r\n");
}
