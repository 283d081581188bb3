#include "platform/UrlHistoryStore.h"

#include <windows.h>
#include <objbase.h>
#include <oleauto.h>
#include <urlhist.h>

namespace platform {
namespace {

constexpr wchar_t kUrlHistoryClass[] = L"{3C374A40-BAE4-11CF-BF7D-00AA006946EE}";

std::uint64_t FromFileTime(const FILETIME& time) {
  return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

std::wstring CopyText(const wchar_t* text) { return text ? std::wstring(text) : std::wstring(); }

class ComEnumerator : public IUrlHistoryEnumerator {
 public:
  explicit ComEnumerator(IEnumSTATURL* enumerator) : enumerator_(enumerator) {}
  ~ComEnumerator() override { enumerator_->Release(); }

  StoreStatus SetFilter(const std::wstring& prefix, std::uint32_t flags) override {
    return enumerator_->SetFilter(prefix.empty() ? nullptr : prefix.c_str(), flags);
  }

  StoreStatus Next(HistoryRecord& record) override {
    STATURL stat{};
    stat.cbSize = sizeof(stat);
    ULONG fetched = 0;
    HRESULT result = enumerator_->Next(1, &stat, &fetched);
    if (FAILED(result)) return result;
    if (result == S_FALSE || fetched == 0) return kStoreNoMore;
    // The texts belong to the caller once fetched: copy them, then free them,
    // title first.
    record.Url = CopyText(stat.pwcsUrl);
    record.Title = CopyText(stat.pwcsTitle);
    record.LastVisited = FromFileTime(stat.ftLastVisited);
    record.LastUpdated = FromFileTime(stat.ftLastUpdated);
    record.Expires = FromFileTime(stat.ftExpires);
    record.Flags = stat.dwFlags;
    CoTaskMemFree(stat.pwcsTitle);
    CoTaskMemFree(stat.pwcsUrl);
    return kStoreOk;
  }

 private:
  IEnumSTATURL* enumerator_;
};

class ComStore : public IUrlHistoryStore {
 public:
  ComStore(IUrlHistoryStg2* store, bool uninitialize) : store_(store), uninitialize_(uninitialize) {}
  ~ComStore() override {
    store_->Release();
    if (uninitialize_) CoUninitialize();
  }

  StoreStatus AddUrl(const std::wstring& url, const std::wstring& title, std::uint32_t flags) override {
    return store_->AddUrl(url.c_str(), title.c_str(), flags);
  }
  StoreStatus DeleteUrl(const std::wstring& url, std::uint32_t flags) override {
    return store_->DeleteUrl(url.c_str(), flags);
  }
  StoreStatus EnumUrls(std::unique_ptr<IUrlHistoryEnumerator>& enumerator) override {
    IEnumSTATURL* raw = nullptr;
    HRESULT result = store_->EnumUrls(&raw);
    if (FAILED(result)) return result;
    if (!raw) return kStoreFailed;
    enumerator = std::make_unique<ComEnumerator>(raw);
    return kStoreOk;
  }
  StoreStatus ClearHistory() override { return store_->ClearHistory(); }

 private:
  IUrlHistoryStg2* store_;
  bool uninitialize_;
};

}  // namespace

ComUrlHistoryStoreFactory::ComUrlHistoryStoreFactory() : classId_(kUrlHistoryClass) {}

StoreStatus ComUrlHistoryStoreFactory::Create(std::unique_ptr<IUrlHistoryStore>& store) {
  CLSID classId{};
  HRESULT result = CLSIDFromString(classId_.c_str(), &classId);
  if (FAILED(result)) return result;
  // Balanced by the store's release; a thread already in another apartment
  // model keeps it.
  HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const bool uninitialize = SUCCEEDED(init);
  IUrlHistoryStg2* raw = nullptr;
  result = CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, __uuidof(IUrlHistoryStg2),
                            reinterpret_cast<void**>(&raw));
  if (FAILED(result) || !raw) {
    if (uninitialize) CoUninitialize();
    return FAILED(result) ? result : kStoreFailed;
  }
  store = std::make_unique<ComStore>(raw, uninitialize);
  return kStoreOk;
}

double FileTimeToLocalDate(std::uint64_t fileTime) {
  FILETIME utc{static_cast<DWORD>(fileTime & 0xFFFFFFFFu), static_cast<DWORD>(fileTime >> 32)};
  FILETIME local{};
  SYSTEMTIME calendar{};
  double date = 0;
  if (!FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &calendar) ||
      !SystemTimeToVariantTime(&calendar, &date)) {
    return 0;
  }
  return date;
}

}  // namespace platform
