// The URL history collection over an in-memory store, and the system's store.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/URLHistory.h"
#include "support/FakeUrlHistory.h"

namespace {

using engine::CURLHistory;
using engine::URLHistoryError;

std::vector<std::wstring> Urls(const CURLHistory& history) {
  std::vector<std::wstring> urls;
  for (const auto& item : history) urls.push_back(item->URL());
  return urls;
}

TEST(URLHistory, CreationReadsTheStoreAndItemsCountFromOne) {
  test::FakeUrlHistory store;
  store.Add(L"http://a/", L"Page A");
  store.Add(L"http://b/");
  CURLHistory history(store);
  ASSERT_EQ(history.Count(), 2);
  EXPECT_EQ(history.Item(1)->URL(), L"http://a/");
  EXPECT_EQ(history.Item(1)->Title(), L"Page A");
  EXPECT_EQ(history.Item(2)->Title(), L"");  // no title
  EXPECT_THROW(history.Item(0), URLHistoryError);
  EXPECT_THROW(history.Item(3), URLHistoryError);
}

TEST(URLHistory, ClearEmptiesTheStoreAndRereadsIt) {
  test::FakeUrlHistory store;
  store.Add(L"http://a/");
  store.Add(L"http://b/");
  CURLHistory history(store);
  history.Clear();
  EXPECT_EQ(history.Count(), 0);
  EXPECT_TRUE(store.Entries.empty());
  EXPECT_EQ(store.EnumCalls, 2);
  EXPECT_THROW(history.Item(1), URLHistoryError);
}

TEST(URLHistory, RemoveDeletesOneEntryWithoutRereadingDeleteURLRereads) {
  test::FakeUrlHistory store;
  store.Add(L"http://a/");
  store.Add(L"http://b/");
  store.Add(L"http://c/");
  CURLHistory history(store);
  store.Add(L"http://added-behind/");  // seen only by a re-read

  history.Remove(2);
  EXPECT_EQ(store.Deleted, std::vector<std::wstring>{L"http://b/"});
  EXPECT_EQ(Urls(history), (std::vector<std::wstring>{L"http://a/", L"http://c/"}));

  history.DeleteURL(L"http://a/", 0);
  EXPECT_EQ(Urls(history), (std::vector<std::wstring>{L"http://c/", L"http://added-behind/"}));
  EXPECT_THROW(history.Remove(5), URLHistoryError);
}

TEST(URLHistory, AddURLDoesNotRereadRefreshFiltersByPrefix) {
  test::FakeUrlHistory store;
  store.Add(L"http://a/");
  CURLHistory history(store);
  history.AddURL(L"ftp://files/", L"Files", 0);
  EXPECT_EQ(history.Count(), 1);
  history.Refresh(L"ftp:", 0);
  EXPECT_EQ(Urls(history), std::vector<std::wstring>{L"ftp://files/"});
  history.Refresh();
  EXPECT_EQ(history.Count(), 2);
}

TEST(URLHistory, DatesAreLocalAndReadingTwiceGivesTheSameValue) {
  test::FakeUrlHistory store;
  // 1 January 2000 12:00 UTC as a file time: day 36526 since 30 December 1899.
  const std::uint64_t noon2000 = 125911584000000000ull + 12ull * 3600 * 10000000;
  store.Add(L"http://a/", L"", noon2000);
  CURLHistory history(store);
  auto item = history.Item(1);
  const double first = item->LastVisited();
  EXPECT_EQ(item->LastVisited(), first);
  // Whatever the time zone, the local date is within 14 hours of UTC noon.
  EXPECT_NEAR(first, 36526.5, 14.0 / 24);
  // An item outlives the collection that handed it out.
  history.Clear();
  EXPECT_EQ(item->URL(), L"http://a/");
}

struct FailureCase {
  const char* Name;
  platform::StoreStatus test::FakeUrlHistory::*Status;
  void (*Operation)(CURLHistory&);  // what runs after creation
};

class URLHistoryFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(URLHistoryFailure, TheStoresErrorReachesTheCallerAndTheStoreIsReleased) {
  test::FakeUrlHistory store;
  store.Add(L"http://a/");
  store.*GetParam().Status = platform::kStoreNotImplemented;
  bool reported = false;
  try {
    CURLHistory history(store);
    GetParam().Operation(history);
  } catch (const URLHistoryError& error) {
    reported = true;
    EXPECT_EQ(error.Code(), platform::kStoreNotImplemented);
  }
  EXPECT_TRUE(reported);
  EXPECT_EQ(store.Released, store.Created);
  EXPECT_EQ(store.Entries.size(), 1u);  // a failing store changes nothing
}

INSTANTIATE_TEST_SUITE_P(
    Store, URLHistoryFailure,
    ::testing::Values(
        FailureCase{"Create", &test::FakeUrlHistory::CreateStatus, [](CURLHistory&) {}},
        FailureCase{"Enumerate", &test::FakeUrlHistory::EnumStatus, [](CURLHistory&) {}},
        FailureCase{"Clear", &test::FakeUrlHistory::ClearStatus, [](CURLHistory& h) { h.Clear(); }},
        FailureCase{"Remove", &test::FakeUrlHistory::DeleteStatus, [](CURLHistory& h) { h.Remove(1); }},
        FailureCase{"DeleteURL", &test::FakeUrlHistory::DeleteStatus,
                    [](CURLHistory& h) { h.DeleteURL(L"http://a/", 0); }}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(SystemURLHistoryStore, AnUnregisteredClassIsReportedAsAnError) {
  platform::ComUrlHistoryStoreFactory factory(L"{0D1C5E2A-7B11-4C9B-9E3F-5A6B7C8D9E0F}");
  try {
    CURLHistory history(factory);
    ADD_FAILURE() << "an unregistered class was created";
  } catch (const URLHistoryError& error) {
    EXPECT_EQ(static_cast<std::uint32_t>(error.Code()), 0x80040154u);  // class not registered
  }
}

TEST(SystemURLHistoryStore, AMalformedClassIdIsReportedAsAnError) {
  platform::ComUrlHistoryStoreFactory factory(L"not a class id");
  EXPECT_THROW(CURLHistory history(factory), URLHistoryError);
}

TEST(SystemURLHistoryStore, TheSystemsStoreIsClearedOrReportsWhyNot) {
  // Where the system has no working store (Wine implements few of its
  // methods) the failure arrives as an error, never as a crash.
  platform::ComUrlHistoryStoreFactory factory;
  try {
    CURLHistory history(factory);
    history.Clear();
    EXPECT_EQ(history.Count(), 0);
  } catch (const URLHistoryError& error) {
    EXPECT_TRUE(platform::StoreFailed(error.Code()));
    RecordProperty("store_error", error.what());
  }
}

}  // namespace
