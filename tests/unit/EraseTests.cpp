// The erase primitives on real files under the test prefix's TEMP folder and
// on the prefix's real registry.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "engine/allerase.h"
#include "platform/Ini.h"
#include "platform/Registry.h"
#include "support/Links.h"
#include "support/TempDir.h"

namespace {

using engine::Folder;
using engine::Location;

constexpr DWORD kHidden = FILE_ATTRIBUTE_HIDDEN;
constexpr DWORD kReadOnly = FILE_ATTRIBUTE_READONLY;

void Make(const std::wstring& path, std::size_t size, DWORD attributes = 0) {
  test::WriteFileBytes(path, std::string(size, 'x'));
  if (attributes) SetFileAttributesW(path.c_str(), attributes);
}

void MakeFolder(const std::wstring& path, DWORD attributes = 0) {
  CreateDirectoryW(path.c_str(), nullptr);
  if (attributes) SetFileAttributesW(path.c_str(), attributes);
}

DWORD Attributes(const std::wstring& path) { return GetFileAttributesW(path.c_str()); }

// Every file (with its size) and folder (size -1) below `root`; linked folders
// are listed but not entered.
using Tree = std::map<std::wstring, long long>;

void Collect(const std::wstring& root, const std::wstring& relative, Tree& tree) {
  WIN32_FIND_DATAW data;
  const std::wstring folder = relative.empty() ? root : root + L"\\" + relative;
  HANDLE find = FindFirstFileW((L"\\\\?\\" + folder + L"\\*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring path = relative.empty() ? name : relative + L"\\" + name;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      tree[path] = -1;
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) Collect(root, path, tree);
    } else {
      tree[path] = (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

Tree Snapshot(const std::wstring& root) {
  Tree tree;
  Collect(root, L"", tree);
  return tree;
}

Tree Without(Tree tree, const std::vector<std::wstring>& gone) {
  for (const std::wstring& path : gone) tree.erase(path);
  return tree;
}

Folder At(const std::wstring& path) { return Folder::At(path); }

const engine::YieldHook kNoYield;

// ---- Matching rules --------------------------------------------------------

TEST(EraseFilesTest, ExactNameAtAnyDepthCaseSensitiveDepthFirstWithYields) {
  test::TempDir dir;
  Make(dir / L"index.dat", 10);
  Make(dir / L"a\\index.dat", 20);
  Make(dir / L"a\\b\\INDEX.DAT", 40);  // (a folder of its own: the system's names ignore case)
  Make(dir / L"a\\index.dat.bak", 50);
  Make(dir / L"a\\b\\keep.txt", 1);
  Make(dir / L"a\\b\\c\\index.dat", 30);
  const Tree before = Snapshot(dir.Path());

  // At every yield, which of the three matching files are still there.
  std::vector<std::wstring> seen;
  const engine::YieldHook yield = [&] {
    std::wstring present;
    if (test::Exists(dir / L"index.dat")) present += L'R';
    if (test::Exists(dir / L"a\\index.dat")) present += L'A';
    if (test::Exists(dir / L"a\\b\\c\\index.dat")) present += L'C';
    seen.push_back(present);
  };
  EXPECT_EQ(engine::EraseFilesNamed(At(dir.Path()), L"index.dat", yield), 60);
  EXPECT_EQ(Snapshot(dir.Path()), Without(before, {L"index.dat", L"a\\index.dat", L"a\\b\\c\\index.dat"}));

  // Before and after each of the 6 files, after each of the 3 subfolders.
  EXPECT_EQ(seen.size(), 15u);  // 6 files, 3 subfolders
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.front(), L"RAC");  // the first yield comes before the first delete
  // The folder's own files go before its subfolders', depth first.
  std::vector<std::wstring> distinct;
  for (const std::wstring& s : seen)
    if (distinct.empty() || distinct.back() != s) distinct.push_back(s);
  EXPECT_EQ(distinct, (std::vector<std::wstring>{L"RAC", L"AC", L"C", L""}));
}

TEST(EraseFilesTest, ExtensionsAreLowerCasedBeforeTheyAreCompared) {
  // Distinct sizes, so the byte result tells which files were counted.
  const struct {
    const wchar_t* Name;
    std::size_t Size;
  } files[] = {{L"x.wab", 1}, {L"Y.WAB", 2}, {L"z.Wab", 4}, {L"noext", 8}, {L"a.b.wab", 16},
               {L"a.wab.txt", 32}, {L"wab", 64}, {L".wab", 128}};
  const struct {
    bool Tree;  // the tree walk, or the folder-only one
    const wchar_t* Extension;
    std::vector<std::wstring> Removed;  // names, in the folder and (for the tree walk) its subfolder
  } cases[] = {
      {true, L"wab", {L"x.wab", L"Y.WAB", L"z.Wab", L".wab", L"a.b.wab"}},
      {true, L"WAB", {}},
      {true, L"", {L"noext", L"wab"}},
      {false, L"wab", {L"x.wab", L"Y.WAB", L"z.Wab", L".wab", L"a.b.wab"}},
      {false, L"", {L"noext", L"wab"}},
      {false, L"txt", {L"a.wab.txt"}},
  };
  for (const auto& c : cases) {
    test::TempDir dir;
    for (const auto& f : files) {
      Make(dir / f.Name, f.Size);
      Make(dir / (std::wstring(L"sub\\") + f.Name), f.Size * 1000);
    }
    const Tree before = Snapshot(dir.Path());
    std::vector<std::wstring> gone;
    double expected = 0;
    for (const auto& f : files) {
      for (const std::wstring& name : c.Removed) {
        if (name != f.Name) continue;
        gone.push_back(name);
        expected += static_cast<double>(f.Size);
        if (c.Tree) {
          gone.push_back(L"sub\\" + name);
          expected += static_cast<double>(f.Size * 1000);
        }
      }
    }
    int yields = 0;
    const double bytes = c.Tree ? engine::EraseFilesByExtension(At(dir.Path()), c.Extension)
                                : engine::EraseFilesByExtensionInFolder(At(dir.Path()), c.Extension,
                                                                        [&] { ++yields; });
    EXPECT_EQ(bytes, expected) << c.Extension << (c.Tree ? " tree" : " folder");
    EXPECT_EQ(Snapshot(dir.Path()), Without(before, gone)) << c.Extension << (c.Tree ? " tree" : " folder");
    if (!c.Tree) {
      EXPECT_EQ(yields, 8);  // after each file of the folder, matching or not
    }
  }
}

TEST(EraseFoldersNamedTest, LowerCasedNamesMatchAtAnyDepthAndTheGivenFolderStays) {
  test::TempDir dir;
  const std::wstring top = dir / L"cache";  // named like its prey: never removed itself
  Make(top + L"\\Cache\\f", 1);
  Make(top + L"\\x\\cache\\f", 2);
  Make(top + L"\\x\\cache\\inner\\cache\\f", 4);
  Make(top + L"\\x\\y\\CACHE\\f", 8);
  Make(top + L"\\cachex\\f", 16);
  Make(top + L"\\x\\keep.txt", 32);
  Make(top + L"\\x\\cache.txt", 64);
  const Tree before = Snapshot(top);

  EXPECT_EQ(engine::EraseFoldersNamed(At(top), L"Cache"), 0);  // capitals never match
  EXPECT_EQ(Snapshot(top), before);

  EXPECT_EQ(engine::EraseFoldersNamed(At(top), L"cache"), 15);
  EXPECT_EQ(Snapshot(top), (Tree{{L"cachex", -1}, {L"cachex\\f", 16}, {L"x", -1},
                                 {L"x\\keep.txt", 32}, {L"x\\cache.txt", 64}, {L"x\\y", -1}}));
}

TEST(EraseFoldersNamedTest, DeletesWithoutForceAndResetsHiddenFolders) {
  test::TempDir dir;
  Make(dir / L"cache\\ro.txt", 5, kReadOnly);
  Make(dir / L"cache\\f", 3);
  Make(dir / L"cache\\sub\\g", 2);
  Make(dir / L"x\\cache\\h", 7, kHidden);
  SetFileAttributesW((dir / L"x\\cache").c_str(), kHidden);
  Make(dir / L"hid\\keep", 11);
  SetFileAttributesW((dir / L"hid").c_str(), kHidden | kReadOnly);

  EXPECT_EQ(engine::EraseFoldersNamed(At(dir.Path()), L"cache"), 17);
  // The read-only file stops its folder's removal; all else in it goes.
  EXPECT_EQ(Snapshot(dir.Path()), (Tree{{L"cache", -1}, {L"cache\\ro.txt", 5}, {L"hid", -1},
                                       {L"hid\\keep", 11}, {L"x", -1}}));
  EXPECT_EQ(Attributes(dir / L"hid") & (kHidden | kReadOnly), 0u);
}

// ---- Attributes and counting ------------------------------------------------

struct Operation {
  const char* Name;
  std::function<double(const Folder&)> Run;
  bool Tree;  // walks subfolders
};

// Every operation with a rule that takes the files ro.log and hro.log.
std::vector<Operation> OperationsTakingLogs() {
  return {
      {"EraseFolderFiles", [](const Folder& f) { return engine::EraseFolderFiles(f); }, true},
      {"EraseFilesInFolder", [](const Folder& f) { return engine::EraseFilesInFolder(f); }, false},
      {"EraseFilesByExtension", [](const Folder& f) { return engine::EraseFilesByExtension(f, L"log"); }, true},
      {"EraseFilesByExtensionInFolder",
       [](const Folder& f) { return engine::EraseFilesByExtensionInFolder(f, L"log", kNoYield); }, false},
      {"EraseFilesNamed",
       [](const Folder& f) {
         return engine::EraseFilesNamed(f, L"ro.log", kNoYield) + engine::EraseFilesNamed(f, L"hro.log", kNoYield);
       },
       true},
      {"EraseFileNamedInFolder",
       [](const Folder& f) {
         return engine::EraseFileNamedInFolder(f, L"ro.log", kNoYield) +
                engine::EraseFileNamedInFolder(f, L"hro.log", kNoYield);
       },
       false},
      {"EraseFilesInFolderExcept",
       [](const Folder& f) {
         return engine::EraseFilesInFolderExcept(
             f, [](const std::wstring& name) { return name != L"ro.log" && name != L"hro.log"; }, kNoYield);
       },
       false},
  };
}

TEST(EraseFilesTest, ReadOnlyIsCountedAndStaysHiddenReadOnlyIsResetAndDeleted) {
  for (const Operation& op : OperationsTakingLogs()) {
    test::TempDir dir;
    Make(dir / L"ro.log", 7, kReadOnly);
    Make(dir / L"hro.log", 11, kHidden | kReadOnly);
    Make(dir / L"sub\\ro.log", 700, kReadOnly);
    Make(dir / L"sub\\hro.log", 1100, kHidden | kReadOnly);
    EXPECT_EQ(op.Run(At(dir.Path())), op.Tree ? 1818 : 18) << op.Name;
    EXPECT_TRUE(test::Exists(dir / L"ro.log")) << op.Name;
    EXPECT_NE(Attributes(dir / L"ro.log") & kReadOnly, 0u) << op.Name;
    EXPECT_FALSE(test::Exists(dir / L"hro.log")) << op.Name;
    EXPECT_EQ(test::Exists(dir / L"sub\\hro.log"), !op.Tree) << op.Name;
  }
}

TEST(EraseFilesTest, HiddenFilesThatDoNotMatchAreResetAndStay) {
  const std::vector<Operation> ops = {
      {"EraseFilesNamed", [](const Folder& f) { return engine::EraseFilesNamed(f, L"other", kNoYield); }, true},
      {"EraseFilesByExtension", [](const Folder& f) { return engine::EraseFilesByExtension(f, L"zzz"); }, true},
      {"EraseFileNamedInFolder",
       [](const Folder& f) { return engine::EraseFileNamedInFolder(f, L"other", kNoYield); }, false},
      {"EraseFilesByExtensionInFolder",
       [](const Folder& f) { return engine::EraseFilesByExtensionInFolder(f, L"zzz", kNoYield); }, false},
      {"EraseFilesInFolderExcept",
       [](const Folder& f) {
         return engine::EraseFilesInFolderExcept(f, [](const std::wstring&) { return true; }, kNoYield);
       },
       false},
  };
  for (const Operation& op : ops) {
    test::TempDir dir;
    Make(dir / L"h.txt", 3, kHidden | kReadOnly);
    Make(dir / L"sub\\h.txt", 4, kHidden);
    EXPECT_EQ(op.Run(At(dir.Path())), 0) << op.Name;
    ASSERT_TRUE(test::Exists(dir / L"h.txt")) << op.Name;
    EXPECT_EQ(Attributes(dir / L"h.txt") & (kHidden | kReadOnly), 0u) << op.Name;
    EXPECT_EQ((Attributes(dir / L"sub\\h.txt") & kHidden) != 0, !op.Tree) << op.Name;
  }
}

TEST(EraseFilesTest, FolderOnlyOperationsLeaveSubfoldersAndYieldAfterEachFile) {
  test::TempDir dir;
  Make(dir / L"a.txt", 1);
  Make(dir / L"b.log", 2);
  Make(dir / L"sub\\a.txt", 4);
  int yields = 0;
  EXPECT_EQ(engine::EraseFileNamedInFolder(At(dir.Path()), L"a.txt", [&] { ++yields; }), 1);
  EXPECT_EQ(yields, 2);
  // The rule of the walk that spares some files is asked with each file's name.
  std::vector<std::wstring> asked;
  yields = 0;
  const auto keepLog = [&](const std::wstring& name) {
    asked.push_back(name);
    return name == L"b.log";
  };
  EXPECT_EQ(engine::EraseFilesInFolderExcept(At(dir.Path()), keepLog, [&] { ++yields; }), 0);
  EXPECT_EQ(asked, std::vector<std::wstring>{L"b.log"});
  EXPECT_EQ(yields, 1);
  EXPECT_EQ(engine::EraseFilesInFolder(At(dir.Path())), 2);
  EXPECT_EQ(Snapshot(dir.Path()), (Tree{{L"sub", -1}, {L"sub\\a.txt", 4}}));
  // Subfolders stay with the tree walk that erases every file.
  EXPECT_EQ(engine::EraseFolderFiles(At(dir.Path())), 4);
  EXPECT_EQ(Snapshot(dir.Path()), (Tree{{L"sub", -1}}));
}

// ---- Missing folders and EmptyFolder ----------------------------------------

std::vector<Operation> AllFolderOperations() {
  std::vector<Operation> ops = OperationsTakingLogs();
  ops.push_back({"EraseFoldersNamed", [](const Folder& f) { return engine::EraseFoldersNamed(f, L"sub"); }, true});
  ops.push_back({"EmptyFolder", [](const Folder& f) { return engine::EmptyFolder(f); }, false});
  ops.push_back({"EraseFolder", [](const Folder& f) { return engine::EraseFolder(f); }, true});
  return ops;
}

TEST(EraseFilesTest, AMissingFolderGivesNothingAndOnlyEmptyFolderCreatesIt) {
  for (const Operation& op : AllFolderOperations()) {
    test::TempDir dir;
    EXPECT_EQ(op.Run(At(dir / L"missing")), 0) << op.Name;
    EXPECT_EQ(test::Exists(dir / L"missing"), std::string(op.Name) == "EmptyFolder") << op.Name;
    EXPECT_EQ(op.Run(At(dir / L"no parent\\missing")), 0) << op.Name;
    EXPECT_FALSE(test::Exists(dir / L"no parent")) << op.Name;
    // A file where the folder should be is left alone.
    Make(dir / L"file.log", 9);
    EXPECT_EQ(op.Run(At(dir / L"file.log")), 0) << op.Name;
    EXPECT_TRUE(test::Exists(dir / L"file.log")) << op.Name;
  }
}

TEST(EmptyFolderTest, AHiddenFolderIsLeftEmptyWithNormalAttributes) {
  test::TempDir dir;
  const std::wstring favorites = dir / L"Favorites";
  Make(favorites + L"\\a.url", 3);
  Make(favorites + L"\\sub\\b.url", 4);
  Make(favorites + L"\\sub\\ro.url", 5, kReadOnly);
  Make(favorites + L"\\h.url", 6, kHidden | kReadOnly);
  Make(favorites + L"\\rosub\\c.url", 7);
  SetFileAttributesW((favorites + L"\\rosub").c_str(), kReadOnly | kHidden);
  SetFileAttributesW(favorites.c_str(), kHidden);

  EXPECT_EQ(engine::EmptyFolder(At(favorites)), 25);
  ASSERT_TRUE(test::Exists(favorites));
  EXPECT_TRUE(Snapshot(favorites).empty());
  EXPECT_EQ(Attributes(favorites) & (kHidden | kReadOnly), 0u);
  EXPECT_NE(Attributes(favorites) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST(EraseFilesTest, LongAndNonAsciiPathsAreErased) {
  test::TempDir dir;
  std::wstring deep = dir / L"long";
  for (int i = 0; i < 8; ++i) deep += L"\\" + std::wstring(60, static_cast<wchar_t>(L'a' + i));
  ASSERT_GT(deep.size(), 400u);
  const std::wstring name = L"\u00dcber \u65e5\u672c \u03a9.dat";
  Make(L"\\\\?\\" + deep + L"\\index.dat", 10);
  Make(L"\\\\?\\" + deep + L"\\" + name, 20);
  Make(dir / (L"long\\" + name), 40);
  EXPECT_EQ(engine::EraseFilesNamed(At(dir / L"long"), L"index.dat", kNoYield), 10);
  EXPECT_EQ(engine::EraseFilesNamed(At(dir / L"long"), name, kNoYield), 60);
  EXPECT_FALSE(test::Exists(L"\\\\?\\" + deep + L"\\" + name));
  Make(L"\\\\?\\" + deep + L"\\again.dat", 80);
  EXPECT_EQ(engine::EmptyFolder(At(dir / L"long")), 80);
  EXPECT_TRUE(Snapshot(dir / L"long").empty());
}

TEST(EraseSingleItemTest, AFileOrAFolderNamedByItsPath) {
  test::TempDir dir;
  Make(dir / L"a.log", 5);
  Make(dir / L"ro.log", 7, kReadOnly);
  EXPECT_EQ(engine::EraseFile(At(dir / L"a.log")), 5);
  EXPECT_FALSE(test::Exists(dir / L"a.log"));
  EXPECT_EQ(engine::EraseFile(At(dir / L"ro.log")), 7);  // counted, and stays
  EXPECT_TRUE(test::Exists(dir / L"ro.log"));
  EXPECT_EQ(engine::EraseFile(At(dir / L"missing.log")), 0);
  EXPECT_EQ(engine::EraseFile(Folder::None() + L"\\ro.log"), 0);

  Make(dir / L"tree\\a", 1);
  Make(dir / L"tree\\sub\\b", 2);
  Make(dir / L"kept\\a", 3);
  Make(dir / L"kept\\sub\\ro", 4, kReadOnly);
  Make(dir / L"kept\\other\\c", 5);
  EXPECT_EQ(engine::EraseFile(At(dir / L"tree")), 0);  // a folder is no file
  EXPECT_TRUE(test::Exists(dir / L"tree\\a"));
  EXPECT_EQ(engine::EraseFolder(At(dir / L"tree")), 3);
  EXPECT_FALSE(test::Exists(dir / L"tree"));
  EXPECT_EQ(engine::EraseFolder(At(dir / L"kept")), 12);
  EXPECT_EQ(Snapshot(dir / L"kept"), (Tree{{L"sub", -1}, {L"sub\\ro", 4}}));
  EXPECT_EQ(engine::EraseFolder(At(dir / L"ro.log")), 0);  // a file is no folder
  EXPECT_TRUE(test::Exists(dir / L"ro.log"));

  // Relative names reach nothing, even where the current folder holds them.
  wchar_t saved[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, saved);
  SetCurrentDirectoryW(dir.Path().c_str());
  Make(dir / L"b.log", 6);
  EXPECT_EQ(engine::EraseFile(At(L"b.log")), 0);
  EXPECT_EQ(engine::EraseFolder(At(L"kept")), 0);
  SetCurrentDirectoryW(saved);
  EXPECT_TRUE(test::Exists(dir / L"b.log"));
  EXPECT_TRUE(test::Exists(dir / L"kept\\sub\\ro"));
}

// ---- Links ------------------------------------------------------------------

class EraseLinkTest : public testing::Test {
 protected:
  void SetUp() override {
    // Outside the walked folder: a tree that no operation may touch.
    Make(outside_ / L"target\\index.dat", 100);
    Make(outside_ / L"target\\a.wab", 200);
    Make(outside_ / L"target\\cache\\f", 300);
    Make(outside_ / L"target\\sub\\g", 400);
    Make(outside_ / L"target\\hidden.txt", 500, kHidden);
    outsideBefore_ = Snapshot(outside_.Path());
  }
  void TearDown() override {
    for (const std::wstring& link : links_) test::RemoveLink(link);
  }

  // The walked folder: its own files, and links into the outside tree.
  void Populate(const std::wstring& walked) {
    Make(walked + L"\\index.dat", 1);
    Make(walked + L"\\a.wab", 2);
    Make(walked + L"\\own\\x", 4);
    Make(walked + L"\\own\\cache\\f", 8);
    MakeFolder(walked + L"\\deep");
    Link(walked + L"\\linked", outside_ / L"target");
    Link(walked + L"\\own\\cache2", outside_ / L"target\\cache");
    Link(walked + L"\\deep\\cache", outside_ / L"target");
  }
  void Link(const std::wstring& link, const std::wstring& target) {
    ASSERT_TRUE(test::MakeFolderLink(link, target));
    links_.push_back(link);
    ASSERT_NE(Attributes(link) & FILE_ATTRIBUTE_REPARSE_POINT, 0u) << "links must show as links";
  }

  void ExpectOutsideUntouched(const std::wstring& walked, const char* op) {
    EXPECT_EQ(Snapshot(outside_.Path()), outsideBefore_) << op;
    EXPECT_NE(Attributes(outside_ / L"target\\hidden.txt") & kHidden, 0u) << op;
    // A link that could not be removed as a link still leads to its target.
    if (test::Exists(walked + L"\\linked")) {
      EXPECT_TRUE(test::Exists(walked + L"\\linked\\sub\\g")) << op;
    }
  }

  test::TempDir outside_;
  Tree outsideBefore_;
  std::vector<std::wstring> links_;
};

TEST_F(EraseLinkTest, NoOperationEntersCountsOrDeletesWhatALinkBelowItPointsTo) {
  const struct {
    const char* Name;
    std::function<double(const Folder&)> Run;
    double Bytes;  // the walked folder's own files only
  } ops[] = {
      {"EraseFilesNamed", [](const Folder& f) { return engine::EraseFilesNamed(f, L"index.dat", kNoYield); }, 1},
      {"EraseFolderFiles", [](const Folder& f) { return engine::EraseFolderFiles(f); }, 15},
      {"EraseFilesByExtension", [](const Folder& f) { return engine::EraseFilesByExtension(f, L"wab"); }, 2},
      {"EraseFoldersNamed cache", [](const Folder& f) { return engine::EraseFoldersNamed(f, L"cache"); }, 8},
      {"EraseFoldersNamed linked", [](const Folder& f) { return engine::EraseFoldersNamed(f, L"linked"); }, 0},
      {"EraseFilesInFolder", [](const Folder& f) { return engine::EraseFilesInFolder(f); }, 3},
      {"EraseFilesInFolderExcept",
       [](const Folder& f) {
         return engine::EraseFilesInFolderExcept(f, [](const std::wstring&) { return false; }, kNoYield);
       },
       3},
      {"EmptyFolder", [](const Folder& f) { return engine::EmptyFolder(f); }, 15},
      {"EraseFolder", [](const Folder& f) { return engine::EraseFolder(f); }, 15},
  };
  for (const auto& op : ops) {
    test::TempDir walked;
    Populate(walked.Path());
    EXPECT_EQ(op.Run(At(walked.Path())), op.Bytes) << op.Name;
    ExpectOutsideUntouched(walked.Path(), op.Name);
    if (std::string(op.Name) == "EmptyFolder") {
      // Of the walked folder's own things nothing is left but links that the
      // system could not remove as links (and the folders that hold them).
      for (const auto& [path, size] : Snapshot(walked.Path())) {
        if (path == L"deep" || path == L"own") continue;
        EXPECT_NE(Attributes(walked / path) & FILE_ATTRIBUTE_REPARSE_POINT, 0u)
            << "left: " << testing::PrintToString(path);
      }
    }
    for (const std::wstring& link : links_) test::RemoveLink(link);
    links_.clear();
  }
}

TEST_F(EraseLinkTest, TheFolderNamedMayItselfBeALink) {
  test::TempDir walked;
  Make(outside_ / L"real\\a.txt", 5);
  Make(outside_ / L"real\\sub\\b.txt", 6);
  Link(walked / L"redirected", outside_ / L"real");

  EXPECT_EQ(engine::EraseFolderFiles(At(walked / L"redirected")), 11);
  EXPECT_FALSE(test::Exists(outside_ / L"real\\sub\\b.txt"));

  Make(outside_ / L"real\\c.txt", 7);
  EXPECT_EQ(engine::EmptyFolder(At(walked / L"redirected")), 7);
  EXPECT_NE(Attributes(walked / L"redirected") & FILE_ATTRIBUTE_REPARSE_POINT, 0u);  // still a link
  EXPECT_TRUE(test::Exists(outside_ / L"real"));
  EXPECT_TRUE(Snapshot(outside_ / L"real").empty());

  // Removed as a whole: what is in it goes, then at most the link itself.
  Make(outside_ / L"real\\d.txt", 8);
  EXPECT_EQ(engine::EraseFolder(At(walked / L"redirected")), 8);
  EXPECT_TRUE(test::Exists(outside_ / L"real"));
  EXPECT_TRUE(Snapshot(outside_ / L"real").empty());
  // The link goes before its folder does: under Wine, removing a folder link
  // as a folder removes the (empty) folder it leads to and leaves the link.
  for (const std::wstring& link : links_) test::RemoveLink(link);
  links_.clear();
}

// What the system reports a folder path finally leads to, links followed.
std::wstring FinalPathOf(const std::wstring& path) {
  HANDLE handle = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return {};
  wchar_t buffer[1024] = {};
  const DWORD got = GetFinalPathNameByHandleW(handle, buffer, 1024, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
  CloseHandle(handle);
  return got > 0 && got < 1024 ? std::wstring(buffer, got) : std::wstring();
}

TEST_F(EraseLinkTest, ANamedLinkThatLeadsToAWholeDriveIsNotWorkedIn) {
  // The system drive's root, with a file and a folder of this test's own.
  // Only where that drive lies inside the build folder (the test prefix).
  if (!test::UnderWine()) GTEST_SKIP() << "the system drive is a real one here";
  wchar_t windows[MAX_PATH] = {};
  ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 3u);
  const std::wstring root = std::wstring(windows).substr(0, 3);
  const std::wstring own = L"sorvane-test-" + std::to_wstring(GetCurrentProcessId());
  const std::wstring marker = root + own + L".mark";
  Make(marker, 3);
  Make(root + own + L"\\f.mark", 4);
  // (In the fixture's folder, so that the link goes before any folder does.)
  const std::wstring named = outside_ / L"to drive";
  Link(named, root);
  const std::wstring target = FinalPathOf(named);

  const Folder link = At(named);
  const double byName = engine::EraseFileNamedInFolder(link, own + L".mark", kNoYield);
  const double byExtension = engine::EraseFilesByExtensionInFolder(link, L"mark", kNoYield);
  const bool markerStays = test::Exists(marker);
  // Below the link the drive's folders are named like any others.
  const double below = engine::EraseFolderFiles(link + (L"\\" + own));
  DeleteFileW(marker.c_str());
  DeleteFileW((root + own + L"\\f.mark").c_str());
  RemoveDirectoryW((root + own).c_str());

  ASSERT_EQ(target, L"\\\\?\\" + root) << "the link must show the drive it leads to";
  EXPECT_EQ(byName, 0);
  EXPECT_EQ(byExtension, 0);
  EXPECT_TRUE(markerStays);
  EXPECT_EQ(below, 4);
}

// ---- Bad input ----------------------------------------------------------------

// Restores the current folder.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::wstring& path) {
    wchar_t buffer[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, buffer);
    saved_ = buffer;
    SetCurrentDirectoryW(path.c_str());
  }
  ~CurrentFolder() { SetCurrentDirectoryW(saved_.c_str()); }

 private:
  std::wstring saved_;
};

TEST(EraseBadInputTest, EmptyRelativeRootAndOddPathsEraseNothing) {
  test::TempDir dir;
  const std::wstring work = dir / L"work";
  MakeFolder(work);
  test::MappedDrive drive(work);  // a drive root that is really a test folder
  ASSERT_TRUE(drive.Mapped());
  CurrentFolder current(dir.Path());
  const std::wstring rooted = dir.Path().substr(2);  // "\...\work" without its drive

  const std::vector<Location> bad = {
      Folder::None(),
      Folder::None() + L"\\work",
      Folder::At(L""),
      At(L"work"),                                  // relative to the current folder
      At(dir.Path().substr(0, 2) + L"work"),        // "Z:work": relative to that drive's current folder
      At(rooted + L"\\work"),                       // rooted, no drive
      At(drive.Root()),                             // "Q:\"
      At(drive.Root().substr(0, 2)),                // "Q:"
      At(drive.Root() + L"sub\\.."),                // climbs back to the root
      At(drive.Root() + L"\\\\"),
      At(L"\\\\.\\" + work),                        // a device path
      At(L"\\\\?\\" + work + L"\\sub\\..\\"),       // dots are not resolved in literal paths
      At(L"C:\\" + std::wstring(40000, L'a')),      // too long for the system
      // The root by a stream name (file systems with streams open it so).
      At(drive.Root() + L"::$INDEX_ALLOCATION"),
      At(drive.Root() + L":$I30:$INDEX_ALLOCATION"),
      At(work + L"\\sub::$INDEX_ALLOCATION\\..\\.."),  // a stream name is not resolved away
  };
  for (const Operation& op : AllFolderOperations()) {
    Make(work + L"\\ro.log", 1);
    Make(work + L"\\sub\\ro.log", 2);
    Make(work + L"\\sub\\sub\\f", 4);
    const Tree before = Snapshot(work);
    for (std::size_t i = 0; i < bad.size(); ++i) {
      EXPECT_EQ(op.Run(bad[i]), 0) << op.Name << " case " << i;
      EXPECT_EQ(Snapshot(work), before) << op.Name << " case " << i;
    }
    // The same folder, well named, is reached: the cases above were refused, not missed.
    EXPECT_GT(op.Run(At(L"\\\\?\\" + work)) + op.Run(At(drive.Root() + L"sub")) + op.Run(At(dir.Path() + L"/work/")),
              0)
        << op.Name;
    test::RemoveTree(work);
  }
}

TEST(EraseBadInputTest, IniAndRestartDeletesRefuseRelativePaths) {
  test::TempDir dir;
  CurrentFolder current(dir.Path());
  test::WriteFileBytes(dir / L"Config.ini", "[TypedUrls]\r\nurl1=a\r\n");
  engine::DeleteIniSection(At(L"Config.ini"), L"TypedUrls");
  engine::DeleteIniSection(Folder::None() + L"\\Config.ini", L"TypedUrls");
  EXPECT_EQ(platform::IniGetString(dir / L"Config.ini", L"TypedUrls", L"url1", 64), L"a");
}

// ---- INI sections and restart deletes -------------------------------------------

TEST(DeleteIniSectionTest, RemovesOneSectionAndLeavesTheRest) {
  test::TempDir dir;
  const std::wstring file = dir / L"Config.ini";
  test::WriteFileBytes(file, "[Main]\r\nkeep=1\r\n[TypedUrls]\r\nurl1=a\r\nurl2=b\r\n[Other]\r\nx=2\r\n");
  engine::DeleteIniSection(At(file), L"TypedUrls");
  EXPECT_EQ(platform::IniGetString(file, L"TypedUrls", L"url1", 64), L"");
  EXPECT_EQ(platform::IniGetString(file, L"TypedUrls", L"url2", 64), L"");
  EXPECT_EQ(platform::IniGetString(file, L"Main", L"keep", 64), L"1");
  EXPECT_EQ(platform::IniGetString(file, L"Other", L"x", 64), L"2");
  const std::string text = test::ReadFileBytes(file);
  EXPECT_EQ(text.find("TypedUrls"), std::string::npos);

  engine::DeleteIniSection(At(dir / L"missing.ini"), L"TypedUrls");
  EXPECT_FALSE(test::Exists(dir / L"missing.ini"));
}

// A name that ends in a dot or a blank is one the system's plain-path rules
// would drop that ending from ("Config." is read as "Config"): named through
// the long-path form it never reaches its namesake. (Where the profile
// functions cannot reach such a name at all, it is left as it is.)
TEST(DeleteIniSectionTest, ANameEndingInADotOrBlankNeverReachesItsNamesake) {
  for (const wchar_t* ending : {L".", L" ", L". ."}) {
    test::TempDir dir;
    const std::wstring plain = dir / L"Config";
    const std::wstring odd = L"\\\\?\\" + plain + ending;
    test::WriteFileBytes(plain, "[TypedUrls]\r\nurl1=a\r\n");
    test::WriteFileBytes(odd, "[TypedUrls]\r\nurl1=b\r\n");
    engine::DeleteIniSection(At(odd), L"TypedUrls");
    EXPECT_EQ(test::ReadFileBytes(plain), "[TypedUrls]\r\nurl1=a\r\n") << testing::PrintToString(ending);
    const std::string left = test::ReadFileBytes(odd);
    EXPECT_TRUE(left == "[TypedUrls]\r\nurl1=b\r\n" || left.find("TypedUrls") == std::string::npos)
        << testing::PrintToString(ending) << left;
    DeleteFileW(odd.c_str());
  }
}

// The names in the list of deletes and renames that the system carries out at
// its next start (pairs of a name and a new name, empty for a delete).
std::vector<std::wstring> PendingRestartDeletes() {
  platform::RegistryValueRead read = platform::ReadRegistryValue(
      platform::kHkeyLocalMachine, L"System\\CurrentControlSet\\Control\\Session Manager",
      L"PendingFileRenameOperations", 1 << 20);
  std::vector<std::wstring> names;
  if (!read.Read) return names;
  std::wstring all(read.Data.size() / sizeof(wchar_t), L'\0');
  memcpy(all.data(), read.Data.data(), all.size() * sizeof(wchar_t));
  std::size_t start = 0;
  while (start < all.size()) {
    std::size_t end = all.find(L'\0', start);
    if (end == std::wstring::npos) end = all.size();
    names.push_back(all.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

TEST(DeleteFileAtRebootTest, SchedulesTheNamedFileOnly) {
  const std::wstring key = L"System\\CurrentControlSet\\Control\\Session Manager";
  const platform::RegistryValueRead saved =
      platform::ReadRegistryValue(platform::kHkeyLocalMachine, key, L"PendingFileRenameOperations", 1 << 20);
  test::TempDir dir;
  Make(dir / L"index.dat", 5);
  const std::vector<std::wstring> before = PendingRestartDeletes();

  engine::DeleteFileAtReboot(Folder::None() + L"\\index.dat");
  engine::DeleteFileAtReboot(At(L"index.dat"));
  engine::DeleteFileAtReboot(At(dir.Path().substr(0, 3)));
  const std::vector<std::wstring> untouched = PendingRestartDeletes();
  engine::DeleteFileAtReboot(At(dir / L"index.dat"));
  // A name the plain-path rules would cut ("index.dat." is read as "index.dat").
  const std::wstring odd = dir / L"index.dat.";
  Make(L"\\\\?\\" + odd, 6);
  engine::DeleteFileAtReboot(At(L"\\\\?\\" + odd));
  const std::vector<std::wstring> after = PendingRestartDeletes();

  if (saved.Read)
    platform::WriteRegistryData(platform::kHkeyLocalMachine, key, L"PendingFileRenameOperations", saved.Type,
                                saved.Data.data(), saved.Data.size());
  else
    platform::DeleteRegistryValueAt(platform::kHkeyLocalMachine, key, L"PendingFileRenameOperations");

  EXPECT_EQ(untouched, before);
  const std::wstring scheduled = L"\\??\\" + dir / L"index.dat";
  auto it = std::find(after.begin(), after.end(), scheduled);
  ASSERT_NE(it, after.end());
  ASSERT_NE(it + 1, after.end());
  EXPECT_EQ(*(it + 1), L"");  // no new name: a delete
  EXPECT_TRUE(test::Exists(dir / L"index.dat"));  // only at the next restart
  // The odd name is scheduled as it stands, and its namesake only once (above).
  EXPECT_NE(std::find(after.begin(), after.end(), L"\\??\\" + odd), after.end());
  EXPECT_EQ(std::count(after.begin(), after.end(), scheduled), 1);
  DeleteFileW((L"\\\\?\\" + odd).c_str());
}

// ---- Registry -------------------------------------------------------------------

class RegistryEraseTest : public testing::Test {
 protected:
  void SetUp() override {
    subkey_ = L"Software\\SorvaneTest\\Erase" + std::to_wstring(GetCurrentProcessId());
    platform::DeleteRegistryKeyTree(kRoot, subkey_);
    ASSERT_TRUE(platform::CreateRegistryKey(kRoot, subkey_));
    Put(subkey_, L"sentinel");
  }
  void TearDown() override { platform::DeleteRegistryKeyTree(kRoot, subkey_); }

  void Put(const std::wstring& key, const std::wstring& name) {
    platform::CreateRegistryKey(kRoot, key);
    ASSERT_TRUE(platform::WriteRegistryString(kRoot, key, name, L"v"));
  }
  bool Has(const std::wstring& key, const std::wstring& name) {
    return platform::ReadRegistryValue(kRoot, key, name, 64).Read;
  }
  bool KeyExists(const std::wstring& key) { return platform::RegistryKeyExists(kRoot, key); }

  static constexpr platform::RegistryRoot kRoot = platform::kHkeyCurrentUser;
  std::wstring subkey_;
};

TEST_F(RegistryEraseTest, DeleteRegistryKeyRemovesALeafKeyAndLeavesNoKeyBehind) {
  const std::wstring missing = subkey_ + L"\\Search Assistant\\ACMru\\5603";
  EXPECT_EQ(engine::DeleteRegistryKey(kRoot, missing), 3);
  EXPECT_FALSE(KeyExists(subkey_ + L"\\Search Assistant"));

  Put(subkey_ + L"\\TypedURLs", L"url1");
  EXPECT_EQ(engine::DeleteRegistryKey(kRoot, subkey_ + L"\\TypedURLs"), 3);
  EXPECT_FALSE(KeyExists(subkey_ + L"\\TypedURLs"));

  // A key with subkeys stays, with its values.
  Put(subkey_ + L"\\IntelliForms", L"value");
  Put(subkey_ + L"\\IntelliForms\\SPW", L"inner");
  EXPECT_EQ(engine::DeleteRegistryKey(kRoot, subkey_ + L"\\IntelliForms"), 3);
  EXPECT_TRUE(Has(subkey_ + L"\\IntelliForms", L"value"));
  EXPECT_TRUE(Has(subkey_ + L"\\IntelliForms\\SPW", L"inner"));
}

TEST_F(RegistryEraseTest, DeleteRegistryTreeAndValueGiveTheirWeightWhateverHappens) {
  Put(subkey_ + L"\\MenuOrder\\Start Menu\\Programs", L"Order");
  Put(subkey_ + L"\\MenuOrder", L"top");
  EXPECT_EQ(engine::DeleteRegistryTree(kRoot, subkey_ + L"\\MenuOrder"), 5);
  EXPECT_FALSE(KeyExists(subkey_ + L"\\MenuOrder"));
  EXPECT_EQ(engine::DeleteRegistryTree(kRoot, subkey_ + L"\\MenuOrder"), 5);

  Put(subkey_ + L"\\TrayNotify", L"IconStreams");
  Put(subkey_ + L"\\TrayNotify", L"PastIconsStream");
  EXPECT_EQ(engine::DeleteRegistryValue(kRoot, subkey_ + L"\\TrayNotify", L"IconStreams"), 1);
  EXPECT_FALSE(Has(subkey_ + L"\\TrayNotify", L"IconStreams"));
  EXPECT_TRUE(Has(subkey_ + L"\\TrayNotify", L"PastIconsStream"));
  EXPECT_EQ(engine::DeleteRegistryValue(kRoot, subkey_ + L"\\TrayNotify", L"IconStreams"), 1);
  EXPECT_EQ(engine::DeleteRegistryValue(kRoot, subkey_ + L"\\Missing", L"IconStreams"), 1);
  EXPECT_FALSE(KeyExists(subkey_ + L"\\Missing"));
}

TEST_F(RegistryEraseTest, ASubkeyThatNamesNoKeyBelowTheRootRemovesNothing) {
  const std::wstring rootValue = L"SorvaneTest erase root " + std::to_wstring(GetCurrentProcessId());
  ASSERT_TRUE(platform::WriteRegistryString(kRoot, L"", rootValue, L"v"));
  for (const wchar_t* subkey : {L"", L"\\", L"\\\\", L"\\Software\\SorvaneTest"}) {
    EXPECT_EQ(engine::DeleteRegistryTree(kRoot, subkey), 5);
    EXPECT_EQ(engine::DeleteRegistryKey(kRoot, subkey), 3);
    EXPECT_EQ(engine::DeleteRegistryValue(kRoot, subkey, rootValue), 1);
  }
  EXPECT_TRUE(Has(subkey_, L"sentinel"));
  EXPECT_TRUE(Has(L"", rootValue));
  RegDeleteKeyValueW(HKEY_CURRENT_USER, nullptr, rootValue.c_str());

  // A number that is no root key is never used as a key handle.
  EXPECT_EQ(engine::DeleteRegistryTree(0x00000004u, subkey_), 5);
  EXPECT_EQ(engine::DeleteRegistryTree(0, subkey_), 5);
  EXPECT_TRUE(Has(subkey_, L"sentinel"));
}

}  // namespace
