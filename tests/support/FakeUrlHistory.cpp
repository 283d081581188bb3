#include "support/FakeUrlHistory.h"

#include <algorithm>

namespace test {
namespace {

class Enumerator : public platform::IUrlHistoryEnumerator {
 public:
  explicit Enumerator(std::vector<platform::HistoryRecord> entries) : entries_(std::move(entries)) {}
  platform::StoreStatus SetFilter(const std::wstring& prefix, std::uint32_t) override {
    prefix_ = prefix;
    return platform::kStoreOk;
  }
  platform::StoreStatus Next(platform::HistoryRecord& record) override {
    while (next_ < entries_.size()) {
      const platform::HistoryRecord& candidate = entries_[next_++];
      if (candidate.Url.compare(0, prefix_.size(), prefix_) == 0) {
        record = candidate;
        return platform::kStoreOk;
      }
    }
    return platform::kStoreNoMore;
  }

 private:
  std::vector<platform::HistoryRecord> entries_;
  std::wstring prefix_;
  std::size_t next_ = 0;
};

class Store : public platform::IUrlHistoryStore {
 public:
  explicit Store(FakeUrlHistory& owner) : owner_(owner) {}
  ~Store() override { ++owner_.Released; }

  platform::StoreStatus AddUrl(const std::wstring& url, const std::wstring& title, std::uint32_t flags) override {
    for (platform::HistoryRecord& record : owner_.Entries) {
      if (record.Url == url) {
        record.Title = title;
        record.Flags = flags;
        return platform::kStoreOk;
      }
    }
    platform::HistoryRecord record;
    record.Url = url;
    record.Title = title;
    record.Flags = flags;
    owner_.Entries.push_back(record);
    return platform::kStoreOk;
  }
  platform::StoreStatus DeleteUrl(const std::wstring& url, std::uint32_t) override {
    if (platform::StoreFailed(owner_.DeleteStatus)) return owner_.DeleteStatus;
    owner_.Deleted.push_back(url);
    std::erase_if(owner_.Entries, [&](const platform::HistoryRecord& record) { return record.Url == url; });
    return platform::kStoreOk;
  }
  platform::StoreStatus EnumUrls(std::unique_ptr<platform::IUrlHistoryEnumerator>& enumerator) override {
    ++owner_.EnumCalls;
    if (platform::StoreFailed(owner_.EnumStatus)) return owner_.EnumStatus;
    enumerator = std::make_unique<Enumerator>(owner_.Entries);
    return platform::kStoreOk;
  }
  platform::StoreStatus ClearHistory() override {
    ++owner_.ClearCalls;
    if (platform::StoreFailed(owner_.ClearStatus)) return owner_.ClearStatus;
    owner_.Entries.clear();
    return platform::kStoreOk;
  }

 private:
  FakeUrlHistory& owner_;
};

}  // namespace

platform::StoreStatus FakeUrlHistory::Create(std::unique_ptr<platform::IUrlHistoryStore>& store) {
  if (platform::StoreFailed(CreateStatus)) return CreateStatus;
  ++Created;
  store = std::make_unique<Store>(*this);
  return platform::kStoreOk;
}

}  // namespace test
