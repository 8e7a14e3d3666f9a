// The package as a user meets it: unpacked into a folder whose path holds Japanese
// characters and spaces, started from there, used, closed, started twice.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include "base/strings.h"
#include "glean_version.h"
#include "harness/desktop.h"
#include "harness/process.h"

namespace glean::test {
namespace {

const char kTitle[] = "グリーナ！";

std::string Folder() {
  const char* folder = std::getenv("GLEAN_PACKAGE_FOLDER");
  return folder ? folder : "";
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

TEST(Package, HoldsTheProgramItsReadmeAndLicenceButNoSettings) {
  const std::string folder = Folder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.find("ダウンロード 済み"), std::string::npos) << "the environment's path reached us in code page 932";
  EXPECT_TRUE(FileExists(folder + "\\Glean.exe"));
  EXPECT_TRUE(FileExists(folder + "\\Readme.txt"));
  EXPECT_TRUE(FileExists(folder + "\\LICENSE.txt"));
  EXPECT_FALSE(FileExists(folder + "\\Glean.ini"));
}

TEST(Package, NamesTheVersionTheProgramCarries) {
  const char* zip = std::getenv("GLEAN_PACKAGE_ZIP_NAME");
  ASSERT_NE(zip, nullptr);
  EXPECT_EQ(std::string(zip), std::string("Glean-") + GLEAN_VERSION_FULL + "-win64.zip");
  const FileVersion version = FileVersionOf(Folder() + "\\Glean.exe");
  EXPECT_EQ(version.major, GLEAN_VERSION_MAJOR);
  EXPECT_EQ(version.minor, GLEAN_VERSION_MINOR);
  EXPECT_EQ(version.patch, GLEAN_VERSION_PATCH);
  const std::string readme = ReadFileBytes(Folder() + "\\Readme.txt");
  EXPECT_EQ(readme.substr(0, readme.find('\r')), std::string("グリーナ！ Version ") + GLEAN_VERSION_SHORT);
}

TEST(Package, RunsFromWhereItIsUnpackedAndWritesItsSettingsThere) {
  const std::string folder = Folder();
  const std::string ini = folder + "\\Glean.ini";
  DeleteFileA(ini.c_str());  // a run before this one may have left it
  const std::string sampleTitle = "Glean 配布物の窓";
  TestProcess sample = TestProcess::Start(SampleAppPath(false), "--scenario empty --title \"" + sampleTitle + "\"");
  ASSERT_NE(sample.WaitForWindow("GleanSampleApp", sampleTitle.c_str()), nullptr);

  TestProcess glean = TestProcess::Start(folder + "\\Glean.exe");
  HWND body = glean.WaitForWindow("TBody", kTitle);
  ASSERT_NE(body, nullptr);
  HWND pane = FindChild(body, "TEditor");
  ASSERT_NE(pane, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(pane).find(sampleTitle) != std::string::npos; }, 30000))
      << "the sample app is captured";

  TestProcess second = TestProcess::Start(folder + "\\Glean.exe");
  ASSERT_TRUE(second.WaitForExit(10000)) << "a second start finds the first and ends";
  EXPECT_EQ(second.ExitCode(), 0u);
  EXPECT_TRUE(IsWindow(body));

  PostMessageA(body, WM_CLOSE, 0, 0);
  ASSERT_TRUE(glean.WaitForExit(10000));
  EXPECT_TRUE(FileExists(ini));
  EXPECT_NE(IniValue(ini, "window_width"), "<absent>");
}

}  // namespace
}  // namespace glean::test
