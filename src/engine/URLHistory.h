#pragma once
// The browser's URL history store as a collection: CURLHistory holds the
// store and its entries, URLHistoryItem one entry. A failure reported by the
// store is raised as a URLHistoryError from the operation that called it.
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/UrlHistoryStore.h"

namespace engine {

class URLHistoryError : public std::runtime_error {
 public:
  explicit URLHistoryError(platform::StoreStatus code);
  platform::StoreStatus Code() const { return code_; }

 private:
  platform::StoreStatus code_;
};

class URLHistoryItem {
 public:
  // Filled once from a fetched record; the item owns the record's texts.
  explicit URLHistoryItem(platform::HistoryRecord record) : record_(std::move(record)) {}

  // Dates: the stored file times as local date and time (days since
  // 30 December 1899). Reading never changes the stored record.
  double LastVisited() const;
  double Expires() const;
  double LastUpdated() const;
  const std::wstring& URL() const { return record_.Url; }
  std::uint32_t FLAGS() const { return record_.Flags; }
  const std::wstring& Title() const { return record_.Title; }

 private:
  platform::HistoryRecord record_;
};

class CURLHistory {
 public:
  using ItemList = std::vector<std::shared_ptr<const URLHistoryItem>>;

  // Creates the store and reads every entry. Throws URLHistoryError when the
  // store cannot be created or read.
  explicit CURLHistory(platform::IUrlHistoryStoreFactory& factory);
  CURLHistory(const CURLHistory&) = delete;
  CURLHistory& operator=(const CURLHistory&) = delete;

  // Adds an address to the store; the collection is not re-read.
  void AddURL(const std::wstring& url, const std::wstring& title, std::uint32_t flags);
  std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }
  // Empties the store, then re-reads it.
  void Clear();
  // Rebuilds the collection from the store's entries whose address begins
  // with `prefix` (empty: all).
  void Refresh(const std::wstring& prefix = {}, std::uint32_t flags = 0);
  // The entry at `index`, counting from 1. Throws URLHistoryError outside 1..Count.
  std::shared_ptr<const URLHistoryItem> Item(std::int32_t index) const;
  // Deletes the entry's address from the store and drops the entry, without re-reading.
  void Remove(std::int32_t index);
  // Deletes an address from the store, then re-reads it.
  void DeleteURL(const std::wstring& url, std::uint32_t flags);

  // The entries, for iterating the collection directly.
  const ItemList& NewEnum() const { return items_; }
  ItemList::const_iterator begin() const { return items_.begin(); }
  ItemList::const_iterator end() const { return items_.end(); }

 private:
  std::size_t Position(std::int32_t index) const;

  std::unique_ptr<platform::IUrlHistoryStore> store_;
  ItemList items_;
};

}  // namespace engine
