#pragma once
// An in-memory URL history store behind the store interface. The entries live
// in the factory, so they outlive each store created from it, as the system's
// history outlives each use of its COM object.
#include <memory>
#include <string>
#include <vector>

#include "platform/UrlHistoryStore.h"

namespace test {

class FakeUrlHistory : public platform::IUrlHistoryStoreFactory {
 public:
  platform::StoreStatus Create(std::unique_ptr<platform::IUrlHistoryStore>& store) override;

  void Add(const std::wstring& url, const std::wstring& title = {}, std::uint64_t lastVisited = 0) {
    platform::HistoryRecord record;
    record.Url = url;
    record.Title = title;
    record.LastVisited = lastVisited;
    Entries.push_back(record);
  }

  std::vector<platform::HistoryRecord> Entries;

  // Failures to report, one per operation (kStoreOk: none).
  platform::StoreStatus CreateStatus = platform::kStoreOk;
  platform::StoreStatus EnumStatus = platform::kStoreOk;
  platform::StoreStatus ClearStatus = platform::kStoreOk;
  platform::StoreStatus DeleteStatus = platform::kStoreOk;

  // What happened.
  int Created = 0, Released = 0, EnumCalls = 0, ClearCalls = 0;
  std::vector<std::wstring> Deleted;
};

}  // namespace test
