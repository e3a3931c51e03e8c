// The function-data file: round trip of every object, and refusal of damaged files without any change.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "CoreTestSupport.h"
#include "Unwritable.h"

using namespace coretest;

namespace {

// The names in a folder.
std::vector<std::string> Names(const std::string& Folder) {
  std::vector<std::string> v;
  for (const auto& e : std::filesystem::directory_iterator(Folder)) v.push_back(e.path().filename().string());
  std::sort(v.begin(), v.end());
  return v;
}

std::vector<uint8_t> ReadFile(const std::string& p) {
  std::ifstream f(p, std::ios::binary);
  return std::vector<uint8_t>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& p, const std::vector<uint8_t>& d) {
  std::ofstream f(p, std::ios::binary);
  f.write(reinterpret_cast<const char*>(d.data()), (std::streamsize)d.size());
}

// Every parameter of every fixed object and function, as one list to compare.
std::vector<int32_t> Snapshot() {
  std::vector<int32_t> v;
  IO_ForEachFixedObject(
      [](FUNKTION_BASIS_PAR* p, void* c) {
        auto* pv = static_cast<std::vector<int32_t>*>(c);
        for (int n = FKT_PAR_HEADER_FIRST; n < 64; n++) pv->push_back(p->GetParameter(n));
        for (int n = FKT_PAR_INPUT; n < FKT_PAR_INPUT + 6; n++) pv->push_back(p->GetParameter(n));
      },
      &v);
  for (int i = 0; FKT_Registry[i]; i++)
    for (int n = FKT_PAR_HEADER_FIRST; n < FKT_PAR_INPUT + 6; n++) v.push_back(FKT_Registry[i]->GetParameter(n));
  return v;
}

void Configure() {
  FUNKTION_BASIS_PAR *a, *b;
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 9, &a), FKT_OK);
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 1, &b), FKT_OK);
  a->SetParameter(0, -33, 0);
  a->SetParameter(1, 2, 0);
  a->SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_KIND, FKT_SRC_INPUT, 0);
  a->SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_INDEX, 15, 0);
  b->SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_KIND, FKT_SRC_OWN, 0);
  b->SetParameter(FKT_PAR_INPUT + FKT_IN_OWN_VALUE, -123456, 0);
  b->SetParameter(FKT_PAR_USER_TEXT, 7, 0);
  IO_Inputs[2].SetParameter(IO_IN_PAR_TYPE, 2, 0);
  IO_Inputs[2].SetParameter(IO_IN_PAR_CORRECTION, -15, 0);
  IO_Inputs[2].SetParameter(IO_IN_PAR_BREAK_VALUE, 1234, 0);
  IO_Outputs[15].SetParameter(0, 1, 0);
  IO_Outputs[15].SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_KIND, FKT_SRC_FUNCTION, 0);
  IO_Outputs[15].SetParameter(FKT_PAR_INPUT + FKT_IN_SOURCE_INDEX, 10, 0);
  IO_FixedValues[63].SetParameter(0, 2, 0);
  IO_FixedValues[63].SetParameter(3, -500, 0);
  IO_FixedValues[63].SetParameter(2, -499, 0);
  IO_DlOutputs[3].SetParameter(0, 12, 0);
  LOG_DigitalChannels[25].SetParameter(0, 1, 0);
  SET_General.SetParameter(SET_GEN_PAR_LANGUAGE, 4, 0);
  SET_Can.SetParameter(SET_CAN_PAR_NODE, 33, 0);
  uint8_t rec[WHIRL_DIGEST_SIZE];
  SET_MakeCodeRecord(u"9999", 4, rec);
  SET_General.SetCodeRecord(2, rec);
  FKT_UserDesignations[6][0] = u'Z';
}

// Offset of the record of a fixed object in a plain image (at its kind byte), or 0 when there is none.
size_t FindFixedRecord(const std::vector<uint8_t>& image, int Type, int Index) {
  size_t pos = 8;
  while (pos + 9 <= image.size() && image[pos] != 0) {
    if (image[pos] == 3) {  // user texts: kind, length, texts
      pos += 5 + DAT_Load32(&image[pos + 1]);
      continue;
    }
    if (image[pos] == 1 && (int16_t)DAT_Load16(&image[pos + 1]) == Type && DAT_Load16(&image[pos + 3]) == Index)
      return pos;
    pos += 9 + DAT_Load32(&image[pos + 5]);
  }
  return 0;
}

// The image with the record at Rec cut short by Cut bytes, its length field and the CRC fixed up.
std::vector<uint8_t> ShortenRecord(std::vector<uint8_t> image, size_t Rec, uint32_t Cut) {
  uint32_t len = DAT_Load32(&image[Rec + 5]);
  DAT_Store32(&image[Rec + 5], len - Cut);
  size_t end = Rec + 9 + len;
  std::copy(image.begin() + end, image.end() - 4, image.begin() + end - Cut);
  std::fill(image.end() - 4 - Cut, image.end() - 4, 0);
  DAT_Store32(&image[DAT_IMAGE_SIZE - 4], CRC32_Calc(image.data(), DAT_IMAGE_SIZE - 4));
  return image;
}

void Reseal(std::vector<uint8_t>& image) {
  DAT_Store32(&image[DAT_IMAGE_SIZE - 4], CRC32_Calc(image.data(), DAT_IMAGE_SIZE - 4));
}

// The image with the stored value of parameter Number in the record at Rec replaced, the CRC fixed up.
std::vector<uint8_t> AlterParameter(std::vector<uint8_t> image, size_t Rec, int Number, int32_t Value) {
  size_t count = DAT_Load16(&image[Rec + 9 + 5]);  // after designation, user text and the enable flag
  for (size_t k = 0, at = Rec + 9 + 7; k < count; k++, at += 6)
    if (DAT_Load16(&image[at]) == Number) DAT_Store32(&image[at + 2], (uint32_t)Value);
  Reseal(image);
  return image;
}

// The same for the first input variable's binding (kind u8, index u16, output u16, own value u32), field by its
// number.
std::vector<uint8_t> AlterBinding(std::vector<uint8_t> image, size_t Rec, int Field, int32_t Value) {
  size_t at = Rec + 9 + 7 + 6 * DAT_Load16(&image[Rec + 9 + 5]) + 1;
  if (Field == FKT_IN_SOURCE_KIND) image[at] = (uint8_t)Value;
  if (Field == FKT_IN_SOURCE_INDEX) DAT_Store16(&image[at + 1], (uint16_t)Value);
  if (Field == FKT_IN_OWN_VALUE) DAT_Store32(&image[at + 5], (uint32_t)Value);
  Reseal(image);
  return image;
}

}  // namespace

using FunctionDataFile = ControllerTest;

TEST_F(FunctionDataFile, HeaderIsTextWithRightAlignedKeys) {
  uint8_t h[DAT_HEADER_SIZE];
  DAT_MakeHeader(h);
  std::string s(reinterpret_cast<char*>(h));
  EXPECT_EQ(s.rfind("ORVALDI_KLIMAREGELWERK_DAT_FILE\r\n", 0), 0u);
  EXPECT_NE(s.find("\r\nFILE_FORMAT:"), std::string::npos);
  EXPECT_NE(s.find("\r\n     DEVICE:"), std::string::npos);
  EXPECT_NE(s.find("\r\n  DATA_SIZE:256000\r\n"), std::string::npos);
  EXPECT_NE(s.find("\r\n ENCRYPTION:AES256\r\n"), std::string::npos);
  EXPECT_EQ(DAT_ParseHeader(h, sizeof(h)), DAT_OK);
}

TEST_F(FunctionDataFile, SavedAndLoadedGivesBackEveryParameter) {
  Configure();
  std::vector<int32_t> before = Snapshot();
  const uint8_t* codeBefore = SET_General.GetCodeRecord(2);
  std::vector<uint8_t> code(codeBefore, codeBefore + WHIRL_DIGEST_SIZE);
  std::string path = Path("docs/data.dat");
  ASSERT_EQ(DAT_SaveFunctionDataFile(path.c_str()), DAT_OK);
  EXPECT_EQ(ReadFile(path).size(), (size_t)DAT_FILE_SIZE);
  EXPECT_EQ(Names(Path("docs")), std::vector<std::string>{"data.dat"});  // no temporary left

  APP_InitController();
  EXPECT_NE(Snapshot(), before);
  ASSERT_EQ(DAT_LoadFunctionDataFile(path.c_str(), 1), DAT_OK);
  EXPECT_EQ(Snapshot(), before);
  EXPECT_EQ(FKT_Registry[0]->GetFunctionNumber(), 10);  // run order kept
  EXPECT_EQ(FKT_Registry[1]->GetFunctionNumber(), 2);
  EXPECT_EQ(std::vector<uint8_t>(SET_General.GetCodeRecord(2), SET_General.GetCodeRecord(2) + 64), code);
  EXPECT_EQ(FKT_UserDesignations[6][0], u'Z');
  EXPECT_EQ(SET_General.GetParameter(SET_GEN_PAR_CHANGED), 0);
}

// The loader refuses values outside their limits; the checked writes (where the screens' writes end) hold every
// value within them, so what they leave always saves and loads again. Every settable value of every object is
// moved to its lower limit, then to the next value up, then to its upper limit, object by object.
TEST_F(FunctionDataFile, WhatTheCheckedWritesLeaveLoadsAgain) {
  FUNKTION_BASIS_PAR* f;
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 4, &f), FKT_OK);
  std::vector<FUNKTION_BASIS_PAR*> objects;
  IO_ForEachFixedObject(
      [](FUNKTION_BASIS_PAR* p, void* c) { static_cast<std::vector<FUNKTION_BASIS_PAR*>*>(c)->push_back(p); },
      &objects);
  objects.push_back(f);
  std::vector<int> numbers;
  for (int n = FKT_PAR_HEADER_FIRST; n <= FKT_PAR_HEADER_LAST; n++) numbers.push_back(n);
  for (int n = 0; n < FKT_PAR_INPUT; n++) numbers.push_back(n);
  for (int n = FKT_PAR_INPUT; n < FKT_PAR_INPUT + 4 * FKT_INPUT_FIELDS; n++) numbers.push_back(n);
  std::string path = Path("docs/limits.dat");
  for (int pass = 0; pass < 3; pass++) {
    int written = 0;
    for (FUNKTION_BASIS_PAR* p : objects)
      for (int n : numbers) {
        int32_t lo, hi;
        if ((p->GetParameterFlags(n) & (FKT_PF_UNUSED | FKT_PF_READONLY | FKT_PF_NOSTORE)) ||
            !p->GetLimits(n, &lo, &hi))
          continue;
        int32_t v = pass == 0 ? lo : pass == 2 ? hi : lo < hi ? lo + 1 : hi;
        written += p->SetParameter(n, v, 0);
      }
    EXPECT_GT(written, 1000) << pass;
    std::vector<int32_t> before = Snapshot();
    ASSERT_EQ(DAT_SaveFunctionDataFile(path.c_str()), DAT_OK) << pass;
    ASSERT_EQ(DAT_LoadFunctionDataFile(path.c_str(), 1), DAT_OK) << pass;
    EXPECT_EQ(Snapshot(), before) << pass;
    objects.back() = FKT_Registry[0];  // the load built the function anew
  }
}

TEST_F(FunctionDataFile, DamagedFilesAreRefusedAndChangeNothing) {
  Configure();
  std::string good = Path("good.dat");
  ASSERT_EQ(DAT_SaveFunctionDataFile(good.c_str()), DAT_OK);
  std::vector<uint8_t> file = ReadFile(good);
  // A different state that a refused load must keep.
  APP_InitController();
  FUNKTION_BASIS_PAR* p;
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 50, &p), FKT_OK);
  p->SetParameter(0, 11, 0);
  IO_Inputs[0].SetParameter(IO_IN_PAR_TYPE, 1, 0);
  std::vector<int32_t> state = Snapshot();

  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    int status;
  };
  std::vector<Case> cases;
  cases.push_back({"truncated", std::vector<uint8_t>(file.begin(), file.end() - 1000), DAT_ERR_SIZE});
  auto longer = file;
  longer.push_back(0);
  cases.push_back({"resized", longer, DAT_ERR_SIZE});
  auto crc = file;
  crc[DAT_HEADER_SIZE + 5000] ^= 0x40;
  cases.push_back({"wrong CRC", crc, DAT_ERR_CRC});
  auto magic = file;
  magic[3] = 'X';
  cases.push_back({"wrong magic", magic, DAT_ERR_MAGIC});
  auto size = file;
  std::string h(reinterpret_cast<char*>(size.data()), DAT_HEADER_SIZE);
  size_t at = h.find("256000");
  ASSERT_NE(at, std::string::npos);
  size[at] = '3';
  cases.push_back({"wrong DATA_SIZE", size, DAT_ERR_SIZE});
  auto enc = file;
  at = h.find("AES256");
  enc[at + 3] = '1';
  cases.push_back({"unknown cipher", enc, DAT_ERR_HEADER});
  cases.push_back({"header only", std::vector<uint8_t>(file.begin(), file.begin() + DAT_HEADER_SIZE), DAT_ERR_SIZE});
  cases.push_back({"empty", {}, DAT_ERR_MAGIC});
  for (const auto& c : cases) {
    std::string path = Path("bad.dat");
    WriteFile(path, c.bytes);
    EXPECT_EQ(DAT_LoadFunctionDataFile(path.c_str(), 1), c.status) << c.name;
    EXPECT_EQ(Snapshot(), state) << c.name;
  }
  EXPECT_EQ(DAT_LoadFunctionDataFile(Path("missing.dat").c_str(), 1), DAT_ERR_OPEN);
  // And the good file still loads.
  EXPECT_EQ(DAT_LoadFunctionDataFile(good.c_str(), 1), DAT_OK);
}

TEST_F(FunctionDataFile, ImageNamingAnUnknownClassIsRefusedBeforeAnyChange) {
  FUNKTION_BASIS_PAR* p;
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 0, &p), FKT_OK);
  std::vector<uint8_t> file(DAT_FILE_SIZE);
  ASSERT_EQ(DAT_EncodeFile(file.data()), 1);
  // The same data on a controller without the test class: the function record cannot be built.
  FKT_RegisterClass(TestFunction::kType, sizeof(TestFunction), nullptr);  // refused: stays registered
  std::vector<uint8_t> image(DAT_IMAGE_SIZE);
  ASSERT_EQ(DAT_BuildImage(image.data()), 1);
  EXPECT_EQ(DAT_CheckImage(image.data()), DAT_OK);
  image[4] ^= 1;  // version
  EXPECT_EQ(DAT_CheckImage(image.data()), DAT_ERR_CRC);
  DAT_Store32(image.data() + DAT_IMAGE_SIZE - 4, CRC32_Calc(image.data(), DAT_IMAGE_SIZE - 4));
  EXPECT_EQ(DAT_ApplyImage(image.data()), DAT_ERR_CONTENT);
  EXPECT_EQ(FKT_GetRegistryCount(), 1);
}

// Records cut short or altered under a valid CRC: each object finds its record malformed, so the file is refused
// whole.
TEST_F(FunctionDataFile, AlteredRecordsUnderAValidChecksumAreRefusedWhole) {
  Configure();
  std::vector<uint8_t> image(DAT_IMAGE_SIZE);
  ASSERT_EQ(DAT_BuildImage(image.data()), 1);
  APP_InitController();
  FUNKTION_BASIS_PAR* p;
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 50, &p), FKT_OK);
  p->SetParameter(0, 11, 0);
  std::vector<int32_t> state = Snapshot();
  std::vector<uint8_t> file(DAT_FILE_SIZE);
  for (int type : {FKT_TYPE_FIXED_VALUE, FKT_TYPE_INPUT}) {
    size_t rec = FindFixedRecord(image, type, type == FKT_TYPE_INPUT ? 2 : 63);
    ASSERT_NE(rec, 0u);
    for (uint32_t cut = 1; cut <= 10; cut++) {
      DAT_EncodeImage(ShortenRecord(image, rec, cut).data(), file.data());
      EXPECT_EQ(DAT_LoadFunctionDataBytes(file.data(), file.size()), DAT_ERR_CONTENT) << type << " cut " << cut;
      EXPECT_EQ(Snapshot(), state) << type << " cut " << cut;
    }
  }
  // A record longer than its object reads was altered as well.
  size_t rec = FindFixedRecord(image, FKT_TYPE_FIXED_VALUE, 63);
  auto longer = image;
  DAT_Store32(&longer[rec + 5], DAT_Load32(&longer[rec + 5]) + 1);
  longer.insert(longer.begin() + (long)(rec + 9 + DAT_Load32(&image[rec + 5])), 0);
  longer.resize(DAT_IMAGE_SIZE);
  DAT_Store32(&longer[DAT_IMAGE_SIZE - 4], CRC32_Calc(longer.data(), DAT_IMAGE_SIZE - 4));
  EXPECT_EQ(DAT_ApplyImage(longer.data()), DAT_ERR_CONTENT);
  EXPECT_EQ(Snapshot(), state);
  // Values altered in place: outside their static range, or outside the limits that the object's other values set
  // (fixed value 63 is analog from -500 to 1000 and holds -499).
  struct Altered {
    const char* name;
    std::vector<uint8_t> image;
  };
  size_t out = FindFixedRecord(image, FKT_TYPE_OUTPUT, 15);
  ASSERT_NE(out, 0u);
  for (const Altered& a : {
           Altered{"type beyond its choices", AlterParameter(image, rec, 0, 3)},
           Altered{"minimum above the maximum", AlterParameter(image, rec, 3, 1001)},
           Altered{"value above its maximum", AlterParameter(image, rec, 2, 1001)},
           Altered{"value below its minimum", AlterParameter(image, rec, 2, -501)},
           Altered{"digital with a value other than 0 and 1", AlterParameter(image, rec, 0, 1)},
           Altered{"source kind unknown", AlterBinding(image, out, FKT_IN_SOURCE_KIND, FKT_SRC_COUNT)},
           Altered{"source index beyond its table", AlterBinding(image, out, FKT_IN_SOURCE_INDEX, 200)},
       }) {
    DAT_EncodeImage(a.image.data(), file.data());
    EXPECT_EQ(DAT_LoadFunctionDataBytes(file.data(), file.size()), DAT_ERR_CONTENT) << a.name;
    EXPECT_EQ(Snapshot(), state) << a.name;
  }
  // The unaltered image goes through the same file path.
  DAT_EncodeImage(image.data(), file.data());
  EXPECT_EQ(DAT_LoadFunctionDataBytes(file.data(), file.size()), DAT_OK);
  EXPECT_EQ(IO_FixedValues[63].GetParameter(3), -500);
}

TEST_F(FunctionDataFile, FolderInPlaceOfTheFileCannotBeOpened) {
  std::filesystem::create_directories(Path("docs/folder.dat"));
  EXPECT_EQ(DAT_LoadFunctionDataFile(Path("docs/folder.dat").c_str(), 1), DAT_ERR_OPEN);
}

// A save that cannot be written at all (a read-only folder) keeps the file saved before, and the host is told
// which file and why: the screens only say that saving failed.
TEST_F(FunctionDataFile, ASaveIntoAnUnwritableFolderKeepsTheOldFileAndSaysWhy) {
  std::string path = Path("docs/data.dat");
  ASSERT_EQ(DAT_SaveFunctionDataFile(path.c_str()), DAT_OK);
  std::vector<uint8_t> before = ReadFile(path);
  Configure();
  static std::vector<std::string> Reports;
  Reports.clear();
  APP_HostHooks.pfReport = [](const char* s) { Reports.push_back(s); };
  {
    UnwritableFolder ReadOnly(Path("docs"));
    EXPECT_EQ(DAT_SaveFunctionDataFile(path.c_str()), DAT_ERR_WRITE);
  }
  APP_HostHooks.pfReport = nullptr;
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(Names(Path("docs")), std::vector<std::string>{"data.dat"});
  EXPECT_EQ(Reports, std::vector<std::string>{"Function data not saved as \"" + path +
                                              "\": Permission denied; a file of that name keeps what it held."});
}

// A save that fails part way (the disk fills up, here a file size limit far below the file's size): the old file
// stays whole, the temporary is removed, and the host is told why. The limit is set in a child process.
TEST_F(FunctionDataFile, ASaveThatFailsPartWayKeepsTheOldFileWholeAndSaysWhy) {
  std::string path = Path("docs/data.dat");
  ASSERT_EQ(DAT_SaveFunctionDataFile(path.c_str()), DAT_OK);
  std::vector<uint8_t> before = ReadFile(path);
  Configure();
  int aPipe[2];
  ASSERT_EQ(pipe(aPipe), 0);
  pid_t Child = fork();
  ASSERT_GE(Child, 0);
  if (Child == 0) {
    static int s_hReport;
    s_hReport = aPipe[1];
    signal(SIGXFSZ, SIG_IGN);  // the write fails with EFBIG instead of ending the process
    rlimit Limit = {64 * 1024, 64 * 1024};
    setrlimit(RLIMIT_FSIZE, &Limit);
    APP_HostHooks.pfReport = [](const char* s) { (void)!write(s_hReport, s, strlen(s)); };
    _exit(DAT_SaveFunctionDataFile(path.c_str()) == DAT_ERR_WRITE ? 0 : 1);
  }
  close(aPipe[1]);
  std::string Report;
  char a[512];
  ssize_t n;
  while ((n = read(aPipe[0], a, sizeof(a))) > 0) Report.append(a, size_t(n));
  close(aPipe[0]);
  int Status = 0;
  ASSERT_EQ(waitpid(Child, &Status, 0), Child);
  EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0) << Status;
  EXPECT_EQ(ReadFile(path), before);
  EXPECT_EQ(Names(Path("docs")), std::vector<std::string>{"data.dat"});
  EXPECT_EQ(Report, "Function data not saved as \"" + path + "\": " + strerror(EFBIG) +
                        "; a file of that name keeps what it held.");
}

TEST_F(FunctionDataFile, TmpFileGoesToTheUserFolder) {
  IO_Inputs[7].SetParameter(IO_IN_PAR_TYPE, 1, 0);
  DAT_SaveTmpFile();
  EXPECT_EQ(ReadFile(Path("user/tmp.dat")).size(), (size_t)DAT_FILE_SIZE);
  APP_InitController();
  APP_LoadStartupData();
  EXPECT_EQ(IO_Inputs[7].GetParameter(IO_IN_PAR_TYPE), 1);
  EXPECT_EQ(SIM_InputDescs[7].Type, 1u);
}

TEST_F(FunctionDataFile, RefusedTmpFileIsMovedAsideNotOverwritten) {
  FUNKTION_BASIS_PAR* p;
  ASSERT_EQ(FKT_CreateObject(TestFunction::kType, 0, &p), FKT_OK);
  DAT_SaveTmpFile();
  std::vector<uint8_t> saved = ReadFile(Path("user/tmp.dat"));
  // A damaged copy: the start-up load refuses it and keeps the file aside.
  APP_InitController();
  auto bad = saved;
  bad[DAT_HEADER_SIZE + 100] ^= 1;
  WriteFile(Path("user/tmp.dat"), bad);
  static std::vector<std::string> Reports;
  Reports.clear();
  APP_HostHooks.pfReport = [](const char* s) { Reports.push_back(s); };
  APP_LoadStartupData();
  APP_HostHooks.pfReport = nullptr;
  EXPECT_FALSE(std::filesystem::exists(Path("user/tmp.dat")));
  EXPECT_EQ(ReadFile(Path("user/tmp.dat.refused")), bad);
  EXPECT_EQ(FKT_GetRegistryCount(), 0);
  // The user is told which file, why and where it went.
  ASSERT_EQ(Reports.size(), 1u);
  EXPECT_NE(Reports[0].find("\"" + Path("user/tmp.dat") + "\" refused"), std::string::npos) << Reports[0];
  EXPECT_NE(Reports[0].find(DAT_ErrorText(DAT_ERR_CRC)), std::string::npos) << Reports[0];
  EXPECT_NE(Reports[0].find("moved to \"" + Path("user/tmp.dat.refused") + "\""), std::string::npos) << Reports[0];
  // A missing file is no news.
  Reports.clear();
  APP_HostHooks.pfReport = [](const char* s) { Reports.push_back(s); };
  APP_LoadStartupData();
  APP_HostHooks.pfReport = nullptr;
  EXPECT_TRUE(Reports.empty());
}

TEST_F(FunctionDataFile, InputDescriptorsFollowTheInputs) {
  static int refreshed;
  refreshed = 0;
  APP_HostHooks.pfRefreshInputSim = [] { refreshed++; };
  IO_Inputs[5].SetParameter(IO_IN_PAR_TYPE, 2, 0);
  EXPECT_EQ(refreshed, 1);
  IO_Inputs[5].SetParameter(IO_IN_PAR_UNIT, 46, 0);
  IO_Inputs[5].SetParameter(IO_IN_PAR_CORRECTION, 3, 0);  // no descriptor change
  EXPECT_EQ(refreshed, 2);
  EXPECT_EQ(SIM_InputDescs[5].Type, 2u);
  EXPECT_EQ(SIM_InputDescs[5].Unit, 46u);
  EXPECT_EQ(std::u16string(SIM_InputDescs[5].pName1), u"Input 6");
  // The second name is the designation, then the user text: the rows follow either at once.
  IO_Inputs[5].SetParameter(FKT_PAR_DESIGNATION, 8, 0);
  EXPECT_EQ(refreshed, 3);
  EXPECT_EQ(std::u16string(SIM_InputDescs[5].pName2), u"Boiler");
  FKT_UserDesignations[0][0] = u'X';
  FKT_UserDesignations[0][1] = 0;
  IO_Inputs[5].SetParameter(FKT_PAR_USER_TEXT, 1, 0);
  EXPECT_EQ(refreshed, 4);
  EXPECT_EQ(std::u16string(SIM_InputDescs[5].pName2), u"X");
  EXPECT_EQ(SIM_InputTable.NumInputs, 16u);
  EXPECT_EQ(SIM_InputTable.paValue, SIM_InputValues);
}
