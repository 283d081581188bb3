#pragma once
// The browser's per-user URL history store. The real store is the system's
// COM object; tests put an in-memory store behind the same interface. Every
// operation returns the store's status code (an HRESULT: negative is a failure).
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

using StoreStatus = std::int32_t;

inline constexpr StoreStatus kStoreOk = 0;            // S_OK
inline constexpr StoreStatus kStoreNoMore = 1;        // S_FALSE: no record fetched
inline constexpr StoreStatus kStoreNotImplemented = static_cast<StoreStatus>(0x80004001);  // E_NOTIMPL
inline constexpr StoreStatus kStoreFailed = static_cast<StoreStatus>(0x80004005);          // E_FAIL
inline constexpr StoreStatus kStoreBadIndex = static_cast<StoreStatus>(0x8002000B);        // DISP_E_BADINDEX

inline bool StoreFailed(StoreStatus status) { return status < 0; }

// One entry of the store, its texts already copied out of the store's memory.
struct HistoryRecord {
  std::wstring Url;
  std::wstring Title;        // empty when the store has none
  std::uint64_t LastVisited = 0;  // file times (100 ns since 1601, UTC)
  std::uint64_t LastUpdated = 0;
  std::uint64_t Expires = 0;
  std::uint32_t Flags = 0;
};

class IUrlHistoryEnumerator {
 public:
  virtual ~IUrlHistoryEnumerator() = default;
  // Limits the enumeration to addresses beginning with `prefix` (empty: all).
  virtual StoreStatus SetFilter(const std::wstring& prefix, std::uint32_t flags) = 0;
  // Fetches the next record: kStoreOk with `record` filled, kStoreNoMore at
  // the end, or a failure.
  virtual StoreStatus Next(HistoryRecord& record) = 0;
};

class IUrlHistoryStore {
 public:
  virtual ~IUrlHistoryStore() = default;
  virtual StoreStatus AddUrl(const std::wstring& url, const std::wstring& title, std::uint32_t flags) = 0;
  virtual StoreStatus DeleteUrl(const std::wstring& url, std::uint32_t flags) = 0;
  virtual StoreStatus EnumUrls(std::unique_ptr<IUrlHistoryEnumerator>& enumerator) = 0;
  virtual StoreStatus ClearHistory() = 0;
};

// Creates a store for each use; the store is released when its owner drops it.
class IUrlHistoryStoreFactory {
 public:
  virtual ~IUrlHistoryStoreFactory() = default;
  virtual StoreStatus Create(std::unique_ptr<IUrlHistoryStore>& store) = 0;
};

// The system's store (class {3C374A40-BAE4-11CF-BF7D-00AA006946EE}, used
// through IUrlHistoryStg2). `classId` names another class in braces; tests use
// it to reach the failure of an unregistered class.
class ComUrlHistoryStoreFactory : public IUrlHistoryStoreFactory {
 public:
  ComUrlHistoryStoreFactory();
  explicit ComUrlHistoryStoreFactory(std::wstring classId) : classId_(std::move(classId)) {}
  StoreStatus Create(std::unique_ptr<IUrlHistoryStore>& store) override;

 private:
  std::wstring classId_;
};

// A file time (UTC) as a local date: days since 30 December 1899, the time of
// day as the fraction. 0 when the time cannot be converted.
double FileTimeToLocalDate(std::uint64_t fileTime);

}  // namespace platform
